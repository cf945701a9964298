#!/usr/bin/env bash
# Builds the library, the reference server and the demo, starts the server
# and runs the demo client: real record operations over IIOP on 127.0.0.1.
# The server streams in batches of two so that the streamed list shows its
# batches.
#   scripts/demo.sh          plain IIOP
#   scripts/demo.sh --tls    TLS only, with throw-away certificates (a test
#                            authority, server and client certificates)
set -euo pipefail
cd "$(dirname "$0")/.."
tls=
case "${1:-}" in
  "") ;;
  --tls) tls=1 ;;
  *) echo "usage: $0 [--tls]" >&2; exit 2 ;;
esac
scripts/deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREL_BUILD_EXAMPLES=ON \
  >/dev/null
cmake --build "$build" -j"$(nproc)" --target demo reference_server

out=$(mktemp)
certs=
server_args=()
if [ -n "$tls" ]; then
  certs=$(mktemp -d)
  scripts/make-test-certs.sh "$certs" >/dev/null
  server_args=(--tls-cert "$certs/server.pem" --tls-ca "$certs/ca.pem")
fi
"$build"/server/reference_server --port 0 --batch-size 2 --quiet "${server_args[@]}" >"$out" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$out" $certs' EXIT
for _ in $(seq 100); do grep -q '^PORT ' "$out" && break; sleep 0.1; done
port=$(sed -n 's/^PORT //p' "$out")
[ -n "$port" ] || { echo "reference server did not start" >&2; exit 1; }
if [ -n "$tls" ]; then
  echo "reference server: pid $server, TLS only on 127.0.0.1:$port (client certificates required)"
  export OSTREL_TRANSPORT=tls OSTREL_TLS_CA_FILE=$certs/ca.pem
  export OSTREL_TLS_CERT_FILE=$certs/client.pem OSTREL_TLS_KEY_PASSWORD=$(cat "$certs/client.pass")
else
  echo "reference server: pid $server, 127.0.0.1:$port"
fi
OSTREL_SERVER=127.0.0.1:$port OSTREL_USER=demo OSTREL_PASSWORD=demo "$build"/examples/demo
