#!/usr/bin/env bash
# Creates a throw-away certificate authority and the certificates the TLS
# tests and `scripts/demo.sh --tls` use, in DIR (default ./test-certs):
#
#   ca.pem                 the test authority's certificate (trusted by clients)
#   other-ca.pem           an unrelated authority (a client that trusts only it fails)
#   server.pem             server key + certificate for 127.0.0.1 and localhost
#   server-localhost.pem   server key + certificate for localhost only
#   server-expired.pem     server key + certificate for 127.0.0.1, expired in 2020
#   client.pem             client key (encrypted, password in client.pass) + certificate
#   client.pass            the client key's password
#
# Key files hold the private key followed by its certificate, as the ORB's
# TLS transport reads them. Nothing here is meant to outlive a test run.
set -euo pipefail
dir=${1:-test-certs}
mkdir -p "$dir"
cd "$dir"
umask 077
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

newkey() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:prime256v1 -out "$1" 2>/dev/null; }

authority() { # name subject
  newkey "$work/$1.key"
  openssl req -x509 -new -key "$work/$1.key" -subj "$2" -days 30 -sha256 \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -out "$1.pem" 2>/dev/null
}

# A leaf certificate signed by the test authority through `openssl ca`, which
# can also back-date one: name subject extended-key-usage subject-alt-names [start end]
leaf() {
  local name=$1 subj=$2 eku=$3 san=$4 start=${5:-} end=${6:-}
  newkey "$work/$name.key"
  openssl req -new -key "$work/$name.key" -subj "$subj" -out "$work/$name.csr" 2>/dev/null
  cat >"$work/$name.ext" <<EOF
basicConstraints = CA:FALSE
keyUsage = critical, digitalSignature, keyEncipherment
extendedKeyUsage = $eku
subjectAltName = $san
EOF
  local dates=(-days 30)
  [ -n "$start" ] && dates=(-startdate "$start" -enddate "$end")
  openssl ca -batch -config "$work/ca.cnf" -notext -extfile "$work/$name.ext" \
    "${dates[@]}" -in "$work/$name.csr" -out "$work/$name.crt" 2>/dev/null
}

authority ca "/CN=EmployeeObjects test CA"
authority other-ca "/CN=Unrelated test CA"
mkdir -p "$work/ca/new"
: >"$work/ca/index.txt"
echo 1000 >"$work/ca/serial"
cat >"$work/ca.cnf" <<EOF
[ ca ]
default_ca = test_ca
[ test_ca ]
dir = $work/ca
database = \$dir/index.txt
new_certs_dir = \$dir/new
serial = \$dir/serial
certificate = $PWD/ca.pem
private_key = $work/ca.key
default_md = sha256
policy = any
unique_subject = no
[ any ]
commonName = supplied
EOF

leaf server "/CN=127.0.0.1" "serverAuth, clientAuth" "IP:127.0.0.1, DNS:localhost"
leaf server-localhost "/CN=localhost" "serverAuth, clientAuth" "DNS:localhost"
leaf server-expired "/CN=127.0.0.1" "serverAuth, clientAuth" "IP:127.0.0.1, DNS:localhost" \
  20200101000000Z 20200201000000Z
leaf client "/CN=test client" "clientAuth, serverAuth" "DNS:test-client, IP:127.0.0.1, IP:127.0.0.2"

for name in server server-localhost server-expired; do
  cat "$work/$name.key" "$work/$name.crt" >"$name.pem"
done
openssl rand -hex 12 >client.pass
openssl pkey -in "$work/client.key" -aes256 -passout file:client.pass -out "$work/client.enc" 2>/dev/null
cat "$work/client.enc" "$work/client.crt" >client.pem
chmod 644 ca.pem other-ca.pem
echo "test certificates in $PWD"
