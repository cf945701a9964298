#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, if any
# is missing. Needs root (apt-get).
set -euo pipefail
# openssl makes the test certificates; libssl-dev is for the ORB's TLS header
# and the client's check of the server's host name.
packages=(cmake ninja-build g++ pkg-config python3 libomniorb4-dev omniidl omniorb-idl
          libgtest-dev libbenchmark-dev openssl libssl-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
