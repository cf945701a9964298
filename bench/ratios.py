#!/usr/bin/env python3
"""Reads Google Benchmark JSON and prints, per operation, the business
object's time over the raw stub call's time of the same run. With
--benchmark_repetitions the medians are compared."""
import json
import sys

benchmarks = json.load(open(sys.argv[1]))["benchmarks"]
medians = {b["run_name"]: b["real_time"] for b in benchmarks
           if b.get("run_type") == "aggregate" and b.get("aggregate_name") == "median"}
runs = medians or {b["name"]: b["real_time"] for b in benchmarks
                   if b.get("run_type", "iteration") == "iteration"}
for name, t in sorted(runs.items()):
    if name.endswith("_BusinessObject"):
        op = name[len("BM_"):-len("_BusinessObject")]
        raw = runs.get(f"BM_{op}_RawStub")
        if raw:
            print(f"{op:24s} business object {t:10.1f} us  raw stub {raw:10.1f} us  ratio {t / raw:5.2f}")
