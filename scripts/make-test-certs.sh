#!/usr/bin/env bash
# Creates a throw-away certificate authority and the certificates the TLS
# tests and `scripts/demo.sh --tls` use, in DIR (default ./test-certs):
#
#   ca.pem                 the test authority's certificate (trusted by clients)
#   other-ca.pem           an unrelated authority (a client that trusts only it fails)
#   server.pem             server key + certificate for 127.0.0.1 and localhost, server use only
#   server-localhost.pem   the same for localhost only
#   server-expired.pem     the same for 127.0.0.1, expired in 2020
#   server-ipv6.pem        the same for the address ::1
#   server-cn-only.pem     CN=localhost and no subject alternative name
#   server-ip-only.pem     CN=localhost, but named 127.0.0.1 only
#   server-wildcard.pem    named by the partial wildcard f*.example.test
#   client.pem             client key (encrypted, password in client.pass) + certificate,
#                          client use only, no address among its names
#   client.pass            the client key's password
#   client-plain-key.pem   client.pem's certificate with its key unencrypted (a server
#                          that shows it must be refused)
#   client-other-ca.pem    client key + certificate from the unrelated authority
#   client-wrong-key.pem   a key followed by the certificate of another key
#   callback.pem           key + certificate of a client whose callback endpoint listens
#                          on 127.0.0.2: server use (the server connects to it) and client
#                          use, named 127.0.0.2
#
# Key files hold the private key followed by its certificate, as the ORB's
# TLS transport reads them; they are readable by their owner only. Nothing
# here is meant to outlive a test run.
set -euo pipefail
dir=${1:-test-certs}
mkdir -p "$dir"
cd "$dir"
umask 077
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

newkey() { openssl genpkey -algorithm EC -pkeyopt ec_paramgen_curve:prime256v1 -out "$1" 2>/dev/null; }

# An authority and the `openssl ca` configuration that signs with it: name subject
authority() {
  newkey "$work/$1.key"
  openssl req -x509 -new -key "$work/$1.key" -subj "$2" -days 30 -sha256 \
    -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign \
    -out "$1.pem" 2>/dev/null
  mkdir -p "$work/$1.db/new"
  : >"$work/$1.db/index.txt"
  echo 1000 >"$work/$1.db/serial"
  cat >"$work/$1.cnf" <<CNF
[ ca ]
default_ca = signer
[ signer ]
dir = $work/$1.db
database = \$dir/index.txt
new_certs_dir = \$dir/new
serial = \$dir/serial
certificate = $PWD/$1.pem
private_key = $work/$1.key
default_md = sha256
policy = any
unique_subject = no
[ any ]
commonName = supplied
CNF
}

# A leaf certificate signed by $signer (default: the test authority) through
# `openssl ca`, which can also back-date one:
#   name subject extended-key-usage subject-alt-names|- [start end]
leaf() {
  local name=$1 subj=$2 eku=$3 san=$4 start=${5:-} end=${6:-}
  newkey "$work/$name.key"
  openssl req -new -key "$work/$name.key" -subj "$subj" -out "$work/$name.csr" 2>/dev/null
  {
    echo "basicConstraints = CA:FALSE"
    echo "keyUsage = critical, digitalSignature, keyEncipherment"
    echo "extendedKeyUsage = $eku"
    [ "$san" = - ] || echo "subjectAltName = $san"
  } >"$work/$name.ext"
  local dates=(-days 30)
  [ -n "$start" ] && dates=(-startdate "$start" -enddate "$end")
  openssl ca -batch -config "$work/${signer:-ca}.cnf" -notext -extfile "$work/$name.ext" \
    "${dates[@]}" -in "$work/$name.csr" -out "$work/$name.crt" 2>/dev/null
}

authority ca "/CN=EmployeeObjects test CA"
authority other-ca "/CN=Unrelated test CA"

leaf server "/CN=127.0.0.1" serverAuth "IP:127.0.0.1, DNS:localhost"
leaf server-localhost "/CN=localhost" serverAuth "DNS:localhost"
leaf server-expired "/CN=127.0.0.1" serverAuth "IP:127.0.0.1, DNS:localhost" \
  20200101000000Z 20200201000000Z
leaf server-ipv6 "/CN=ipv6 loopback" serverAuth "IP:::1"
leaf server-cn-only "/CN=localhost" serverAuth -
leaf server-ip-only "/CN=localhost" serverAuth "IP:127.0.0.1"
leaf server-wildcard "/CN=wildcard" serverAuth "DNS:f*.example.test"
leaf client "/CN=test client" clientAuth "DNS:test-client"
leaf callback "/CN=callback endpoint" "serverAuth, clientAuth" "IP:127.0.0.2"
signer=other-ca leaf client-other-ca "/CN=foreign client" clientAuth "DNS:foreign-client"

for name in server server-localhost server-expired server-ipv6 server-cn-only server-ip-only \
  server-wildcard callback client-other-ca; do
  cat "$work/$name.key" "$work/$name.crt" >"$name.pem"
done
cat "$work/server.key" "$work/client.crt" >client-wrong-key.pem
cat "$work/client.key" "$work/client.crt" >client-plain-key.pem
openssl rand -hex 12 >client.pass
openssl pkey -in "$work/client.key" -aes256 -passout file:client.pass -out "$work/client.enc" 2>/dev/null
cat "$work/client.enc" "$work/client.crt" >client.pem
chmod 644 ca.pem other-ca.pem
echo "test certificates in $PWD"
