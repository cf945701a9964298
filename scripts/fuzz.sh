#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for RUNS inputs (default one
# million). Exits non-zero on the first crash or sanitizer report.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh clang libclang-rt-dev
runs=${RUNS:-1000000}
build=build-fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
for target in fuzz_vdate fuzz_vdatetime fuzz_vfixed fuzz_settings; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus"
  start=$(date +%s)
  "$build/$target" -runs="$runs" -max_len=256 -print_final_stats=1 "$corpus" 2>"$build/$target.log" \
    || { tail -40 "$build/$target.log"; exit 1; }
  echo "$target: $runs inputs, $(( $(date +%s) - start )) s, $(grep -c . "$corpus" -r 2>/dev/null | wc -l) corpus files"
done
