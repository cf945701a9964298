#!/usr/bin/env python3
"""Reads Google Benchmark JSON and prints, per operation, the business
object's time over the raw stub call's time of the same run."""
import json
import sys

runs = {b["name"]: b["real_time"] for b in json.load(open(sys.argv[1]))["benchmarks"]
        if b.get("run_type", "iteration") == "iteration"}
for name, t in sorted(runs.items()):
    if name.endswith("_BusinessObject"):
        op = name[len("BM_"):-len("_BusinessObject")]
        raw = runs.get(f"BM_{op}_RawStub")
        if raw:
            print(f"{op:12s} business object {t:9.1f} us  raw stub {raw:9.1f} us  ratio {t / raw:5.2f}")
