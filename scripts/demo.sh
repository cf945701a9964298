#!/usr/bin/env bash
# Builds everything and runs the demo: the reference application server and a
# client that walks through real record operations over IIOP.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

out=$(mktemp)
"$build"/platform/server/reference_server --port 0 >"$out" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 100); do grep -q '^PORT ' "$out" && break; sleep 0.1; done
port=$(sed -n 's/^PORT //p' "$out")
[ -n "$port" ] || { echo "reference server did not start" >&2; exit 1; }
echo "reference server: pid $server, 127.0.0.1:$port"
OSTREL_SERVER=127.0.0.1:$port OSTREL_USER=demo OSTREL_PASSWORD=demo "$build"/examples/demo
