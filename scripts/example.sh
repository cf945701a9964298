#!/usr/bin/env bash
# Checks the installed package as an application sees it: builds the library
# and the reference server, installs them into a temporary prefix, builds
# examples/app from a copy outside this tree once with find_package and once
# with pkg-config, and runs both against the installed reference server on
# 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# What the install rules take; the tests and benchmarks are not needed here.
cmake --build "$build" -j"$(nproc)" --target employeeobjects reference_server

tmp=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
echo "installed into $prefix"

# A copy, so that nothing can reach this tree's headers by a relative path.
cp -r examples/app "$tmp/src"
cmake -S "$tmp/src" -B "$tmp/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$tmp/build" -j"$(nproc)"
if grep -q "$PWD" "$tmp/build/compile_commands.json"; then
  echo "the app was compiled with paths into $PWD" >&2
  exit 1
fi
echo "built with find_package(EmployeeObjects): $tmp/build/app"

pc=$(find "$prefix" -name employeeobjects.pc -print -quit)
[ -n "$pc" ] || { echo "no employeeobjects.pc installed" >&2; exit 1; }
pkg=$(PKG_CONFIG_PATH=$(dirname "$pc") pkg-config --cflags --libs employeeobjects)
# shellcheck disable=SC2086  # the flags are meant to split
g++ -Wall -Wextra -Wpedantic -Werror -O1 -o "$tmp/app-pc" "$tmp/src/main.cc" $pkg
echo "built with pkg-config: $tmp/app-pc"

out=$tmp/server.out
"$prefix"/bin/reference_server --port 0 --quiet >"$out" &
server=$!
for _ in $(seq 100); do grep -q '^PORT ' "$out" && break; sleep 0.1; done
port=$(sed -n 's/^PORT //p' "$out")
[ -n "$port" ] || { echo "installed reference server did not start" >&2; exit 1; }
echo "installed reference server: pid $server, 127.0.0.1:$port"

export OSTREL_SERVER=127.0.0.1:$port OSTREL_USER=demo OSTREL_PASSWORD=demo
# Each run must succeed and show the server's seeded employees.
run() {
  local expect=$1
  shift
  local text
  text=$("$@")
  printf '%s\n' "$text"
  grep -q -- "$expect" <<<"$text" || { echo "$* did not list $expect" >&2; exit 1; }
}
run "EMP-1" "$tmp/build/app"
run "EMP-5" "$tmp/app-pc" C-2 2001
echo "example application: ok"
