// Ostrel: the base runtime's singleton — ORB, login, servant look-up and the
// conversion of remote failures into the application's exception.
#ifndef OSTREL_BASE_OSTREL_H_
#define OSTREL_BASE_OSTREL_H_

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <string>

#include "serverbase.hh"
#include "vexception.h"

namespace ostrel {
namespace base {

using AccessToken_var = com::ostrel::serverbase::access::AccessToken_var;
using optException = com::ostrel::serverbase::applicationexception::optException;

// Where the application server is, who logs in, and how. Read once, at the
// first use of Ostrel::Instance(), from the environment, which wins, and from
// the settings file:
//
//   OSTREL_SERVER            [Server] Endpoint        host:port, e.g. 127.0.0.1:7001
//   OSTREL_USER              [Server] User            user name for Login()
//   OSTREL_PASSWORD          [Server] Password
//   OSTREL_CALL_TIMEOUT_MS   [Server] CallTimeoutMs   per-call time-out, default 30000
//   OSTREL_TRANSPORT         [Server] Transport       plain (default) or tls
//   OSTREL_TLS_CA_FILE       [Server] TlsCaFile       trusted authorities (PEM)
//   OSTREL_TLS_CERT_FILE     [Server] TlsCertFile     client certificate (PEM), optional
//   OSTREL_TLS_KEY_FILE      [Server] TlsKeyFile      its key (PEM); default: the certificate file
//   OSTREL_TLS_KEY_PASSWORD  [Server] TlsKeyPassword  the key's password
//   OSTREL_CALLBACK_ENDPOINT [Callback] Endpoint      bidir (default) or host[:port] to listen on
//
// An environment variable that is set but empty counts as unset: the
// settings file's value stands. A malformed value is reported when the
// singleton starts, naming the setting; a missing endpoint when the first servant is looked up. A
// password in a settings file that others than its owner may read is not
// used: Login() (and, for the key's password, the start) fails naming the
// file.
struct RuntimeConfig {
  std::string host;
  int port = 0;
  std::wstring user;
  std::wstring password;
  unsigned long call_timeout_ms = 30000;
  bool tls = false;
  std::string ca_file;
  std::string cert_file;
  std::string key_file;
  std::string key_password;
  // Empty: callbacks over the client's own connection (bidirectional GIOP).
  std::string callback_host;
  int callback_port = 0;
  // Why the configured password cannot be used; empty when it can.
  std::string password_refused;

  // Reads the environment and the settings file; throws VException naming the
  // setting that is malformed.
  static RuntimeConfig Load();
};

class Ostrel {
 public:
  // The process-wide runtime; starts the ORB on first use. Thread-safe.
  static Ostrel* Instance();

  Ostrel(Ostrel const&) = delete;
  Ostrel& operator=(Ostrel const&) = delete;

  // A new reference to the servant registered under `name` at the configured
  // server; the caller owns it. Makes no remote call.
  CORBA::Object_ptr GetServant(char const* name);

  // Logs in with the configured user and password, or with the given ones,
  // and keeps the user's access token. Failures arrive as VException.
  void Login();
  void Login(std::wstring const& user, std::wstring const& password);
  // Tells the server the token is no longer used and forgets it.
  void Logout();
  bool IsLoggedIn() const;

  // The logged-in user's token, borrowed for one call; nil before Login(), so
  // that the server refuses the call. Safe while another thread logs in
  // again: a replaced token stays alive until Shutdown().
  AccessToken_var& GetAccessToken();

  // Raises the application's exception for `e`: each declared user exception
  // with the server's message, every system exception with its name, minor
  // code and completion status. Never returns.
  [[noreturn]] void ConvertException(CORBA::Exception& e) const;

  // A new exception object for a failure carried inside a result struct; the
  // caller owns it.
  VException* GetException(optException const& e) const;

  // The ORB, for callback servants and tests.
  CORBA::ORB_ptr Orb() const { return orb_.in(); }
  // The POA that callback objects are activated in; a new reference.
  PortableServer::POA_ptr CallbackPoa() const;
  // Activates a callback servant there under an unguessable key; its id.
  PortableServer::ObjectId* ActivateCallback(PortableServer::Servant servant) const;
  RuntimeConfig const& Config() const { return config_; }

  // Replaces the cached reference `looked_up` of servant `name` by `narrowed`,
  // the same object narrowed to its interface, so that later look-ups need
  // not build a new typed proxy. No effect once the cache has moved on.
  void KeepServant(char const* name, CORBA::Object_ptr looked_up, CORBA::Object_ptr narrowed);

  // Points the runtime at another server (tests, tools); forgets cached
  // servant references and the token.
  void SetEndpoint(std::string const& host, int port);

  // Destroys the ORB; for orderly process ends (it also runs at exit), and
  // for tools and tests that start again with another configuration (the
  // next Instance() reads it). No object of the old runtime may be used
  // afterwards.
  static void Shutdown();

 private:
  Ostrel();
  ~Ostrel();

  RuntimeConfig config_;
  CORBA::ORB_var orb_;
  mutable std::mutex mutex_;
  std::map<std::string, CORBA::Object_var> servants_;
  // Every token this process held; the last is the current one. Readers hold
  // references into it, so none is released before the runtime ends.
  std::deque<AccessToken_var> tokens_;
  std::atomic<AccessToken_var*> token_;

  void SetToken(com::ostrel::serverbase::access::AccessToken_ptr token);
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_OSTREL_H_
