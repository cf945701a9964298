// Everything that depends on the particular ORB in use lives behind these
// functions, so that another ORB is a change of orb_binding.cc alone.
#ifndef OSTREL_BASE_ORB_BINDING_H_
#define OSTREL_BASE_ORB_BINDING_H_

#include <string>

#include "serverbase.hh"

namespace ostrel {
namespace base {
namespace orb_binding {

struct ClientOrbOptions {
  unsigned long call_timeout_ms = 30000;
  // Where the server calls back: over the client's own connection
  // (bidirectional GIOP) when callback_host is empty, else to a listening
  // endpoint on callback_host:callback_port (port 0: any free one).
  std::string callback_host;
  int callback_port = 0;
  // TLS: every connection, callbacks included, or none.
  bool tls = false;
  std::string ca_file;
  std::string cert_file;  // empty: no client certificate
  std::string key_file;
  std::string key_password;
};

// Initialises the TLS library. Called before the runtime registers its
// exit handler, so that the library's own clean-up at exit runs after it.
void InitTlsLibrary();

// Starts the client ORB: UTF-8 and UTF-16 code sets, large messages, the
// callback endpoint, the transport and the per-call time-out. Activates the
// POA that callback objects live in. Throws std::runtime_error naming the
// file when a TLS file cannot be used.
CORBA::ORB_ptr InitClientOrb(ClientOrbOptions const& given);

// The POA for callback objects of the ORB last started; a new reference.
// Its object ids are chosen by ActivateCallback.
PortableServer::POA_ptr CallbackPoa();

// Activates `servant` in the callback POA under 128 random bits from the
// system's random source, so that no other process can name it; the id.
PortableServer::ObjectId* ActivateCallback(PortableServer::Servant servant);

// Destroys an ORB started by InitClientOrb.
void DestroyClientOrb(CORBA::ORB_ptr orb);

// The text form of a reference to the object with the plain key `key` at
// host:port, over TLS or plain IIOP.
std::string ObjectUrl(bool tls, std::string const& host, int port, char const* key);

// Whether the first certificate in the PEM file `pem_file` names `host` by
// the rule applied to the server (and, under TLS, to whoever calls back):
// its subject alternative names only, never its subject's common name, no
// partial wildcards; "[::1]" is the address ::1.
bool CertificateNamesHost(std::string const& pem_file, std::string const& host);

// The host name the server's certificate must carry.
void ExpectServerName(std::string const& host);

// When the server refused the last connection after the handshake (as TLS
// 1.3 servers refuse client certificates), the refusal may be lost when the
// socket is reset before it was read: connects once more to host:port and
// reads it. Empty when nothing more is learnt.
std::string AskServerWhy(std::string const& host, int port);

// Why the last TLS handshake with the server failed, e.g. "unknown
// authority (...)"; empty when none failed since the last call. Clears it.
std::string TakeHandshakeFailure();

}  // namespace orb_binding
}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_ORB_BINDING_H_
