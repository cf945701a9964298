#!/usr/bin/env bash
# Builds the library, the reference server and the demo, starts the server
# and runs the demo client: real record operations over IIOP on 127.0.0.1.
# The server streams in batches of two so that the streamed list shows its
# batches.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_BUILD_EXAMPLES=ON \
  >/dev/null
cmake --build "$build" -j"$(nproc)" --target demo reference_server

out=$(mktemp)
"$build"/server/reference_server --port 0 --batch-size 2 --quiet >"$out" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$out"' EXIT
for _ in $(seq 100); do grep -q '^PORT ' "$out" && break; sleep 0.1; done
port=$(sed -n 's/^PORT //p' "$out")
[ -n "$port" ] || { echo "reference server did not start" >&2; exit 1; }
echo "reference server: pid $server, 127.0.0.1:$port"
OSTREL_SERVER=127.0.0.1:$port OSTREL_USER=demo OSTREL_PASSWORD=demo "$build"/examples/demo
