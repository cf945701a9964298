// Everything ORB-specific of the reference server.
#ifndef OSTREL_SERVER_ORB_SETUP_H_
#define OSTREL_SERVER_ORB_SETUP_H_

#include <string>

#include "serverbase.hh"

namespace ostrel::server {

struct Listen {
  std::string host = "127.0.0.1";
  int port = 0;  // 0: any free port
  // TLS only when set: the server's key and certificate (PEM, one file).
  std::string tls_cert;
  // With TLS: the authorities whose client certificates are required.
  std::string tls_ca;
  // Callbacks only over the clients' own connections (bidirectional GIOP);
  // the server never connects to a client.
  bool bidir_only = false;
  // host:port written into references instead of the listening address
  // (a server behind a relay); empty: the listening address.
  std::string publish;
};

// The ORB listening on listen.host:port only, plain IIOP or TLS (never
// both), with UTF-8/UTF-16 code sets, 64 MiB messages, bidirectional GIOP
// for callbacks and a time-out for calls to clients' callbacks.
CORBA::ORB_ptr InitOrb(const Listen& listen, bool quiet);

// The adapter whose object keys are the plain servant names.
PortableServer::POA_ptr NamedAdapter(CORBA::ORB_ptr orb);

// Activates servant under `name`: clients reach it by the plain key `name`
// and are forwarded to the same servant in an adapter that accepts
// bidirectional GIOP. Returns the plain key's reference.
CORBA::Object_ptr ActivateNamed(PortableServer::POA_ptr named, const std::string& name,
                                PortableServer::Servant servant);

// Lets go of the adapters NamedAdapter made; before the ORB is destroyed.
void ReleaseAdapters();

// Under TLS, a callback connection this thread opens must show a
// certificate of the server's authorities that names the host in `callback`
// (a client's callback reference). Call before calling back.
void ExpectCallbackPeer(CORBA::Object_ptr callback);

// Why this thread's last callback connection was refused; empty when none
// was. Clears it.
std::string TakeCallbackRefusal();

// The TCP port an object reference of this server points to (the TLS port
// when it serves TLS).
int ListeningPort(CORBA::Object_ptr ref);

// "host:port" of the first address in a reference (a client's callback),
// with " tls" appended when that address is a TLS one; "" when it has none.
std::string ReferenceAddress(CORBA::Object_ptr ref);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_ORB_SETUP_H_
