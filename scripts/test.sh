#!/usr/bin/env bash
# Builds and runs the whole test suite. Every test binary that needs the
# reference server starts it itself (loopback, a free port) and stops it by
# PID.
#   scripts/test.sh           release build, all tests
#   scripts/test.sh asan      AddressSanitizer + UndefinedBehaviorSanitizer
#   scripts/test.sh tsan      ThreadSanitizer: callback, load and fault tests, TLS and
#                             the streamed queries of the newer record kinds
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
mode=${1:-release}
targets=()
case "$mode" in
  release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_BUILD_BENCH=ON); build=${BUILD_DIR:-build}; filter=() ;;
  asan) flags=(-DCMAKE_BUILD_TYPE=Debug -DOSTREL_SANITIZE=address,undefined
               -DOSTREL_BUILD_BENCH=OFF); build=build-asan; filter=()
        export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ;;
  tsan) flags=(-DCMAKE_BUILD_TYPE=Debug -DOSTREL_SANITIZE=thread -DOSTREL_BUILD_BENCH=OFF
               -DOSTREL_BUILD_EXAMPLES=OFF); build=build-tsan
        streamed=(vcallback_test callback_stream_test load_test runtime_test tls_test
                  callback_endpoint_test pensionscheme_test deuvdskk_test
                  accidentinsurancefund_test)
        targets=(--target reference_server_test "${streamed[@]}")
        filter=(-R "^VCallback\\.|^($(IFS='|'; echo "${streamed[*]}"))\$")
        export TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/scripts/tsan.supp" ;;
  *) echo "usage: $0 [release|asan|tsan]" >&2; exit 2 ;;
esac
cmake -S . -B "$build" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" "${targets[@]}"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${filter[@]}"
