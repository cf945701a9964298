#include "orb_binding.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <omniORB4/BiDirPolicy.h>
#include <omniORB4/giopEndpoint.h>
#include <omniORB4/omniServer.h>
#include <omniORB4/sslContext.h>
#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/random.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

namespace ostrel {
namespace base {
namespace orb_binding {
namespace {

std::mutex g_mutex;
std::string g_server_name;        // guarded by g_mutex
std::string g_failure;            // guarded by g_mutex
bool g_have_client_cert = false;  // guarded by g_mutex
ClientOrbOptions g_options;       // guarded by g_mutex
// A handshake with the server completed since the last AskServerWhy.
bool g_handshake_done = false;  // guarded by g_mutex
// A plain pointer: released by DestroyClientOrb, never by a static destructor
// at exit, when the ORB may be half gone.
PortableServer::POA_ptr g_callback_poa = PortableServer::POA::_nil();

void RecordFailure(std::string const& why, bool overwrite) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (overwrite || g_failure.empty()) g_failure = why;
}

// The ORB warns at every start that its TLS transport has no authorities
// when the client runs plain; that is intended, so the line is dropped.
void Log(char const* text) {
  if (std::strstr(text, "SSL CA certificate location is not set") != nullptr) return;
  std::fputs(text, stderr);
}

std::string VerifyReason(int error) {
  switch (error) {
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
    case X509_V_ERR_CERT_UNTRUSTED:
      return std::string("unknown authority (") + X509_verify_cert_error_string(error) + ")";
    case X509_V_ERR_CERT_HAS_EXPIRED:
      return "expired certificate";
    case X509_V_ERR_CERT_NOT_YET_VALID:
      return "certificate not yet valid";
    default:
      return std::string("certificate rejected (") + X509_verify_cert_error_string(error) + ")";
  }
}

// The names a certificate is for, for the message of a mismatch.
std::string CertificateNames(X509* cert) {
  std::string names;
  auto* sans =
      static_cast<GENERAL_NAMES*>(X509_get_ext_d2i(cert, NID_subject_alt_name, nullptr, nullptr));
  for (int i = 0; sans != nullptr && i < sk_GENERAL_NAME_num(sans); ++i) {
    GENERAL_NAME* n = sk_GENERAL_NAME_value(sans, i);
    std::string name;
    if (n->type == GEN_DNS) {
      name.assign(reinterpret_cast<char const*>(ASN1_STRING_get0_data(n->d.dNSName)),
                  static_cast<std::size_t>(ASN1_STRING_length(n->d.dNSName)));
    } else if (n->type == GEN_IPADD) {
      char text[INET6_ADDRSTRLEN] = "";
      int const len = ASN1_STRING_length(n->d.iPAddress);
      inet_ntop(len == 16 ? AF_INET6 : AF_INET, ASN1_STRING_get0_data(n->d.iPAddress), text,
                sizeof text);
      name = text;
    }
    if (!name.empty()) names += (names.empty() ? "" : ", ") + name;
  }
  GENERAL_NAMES_free(sans);
  return names.empty() ? "no host name" : names;
}

// Subject alternative names only, as browsers check them: never the subject
// CN, and no partial wildcards such as f*.example.com. "[::1]" is the
// address ::1.
bool NameMatches(X509* cert, std::string host) {
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  unsigned char addr[16];
  bool const is_ip =
      inet_pton(AF_INET, host.c_str(), addr) == 1 || inet_pton(AF_INET6, host.c_str(), addr) == 1;
  if (is_ip) return X509_check_ip_asc(cert, host.c_str(), 0) == 1;
  unsigned int const flags =
      X509_CHECK_FLAG_NEVER_CHECK_SUBJECT | X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS;
  return X509_check_host(cert, host.c_str(), host.size(), flags, nullptr) == 1;
}

// The ORB checks the chain only; the name is checked here. On connections
// this process opens the peer must name the configured server; on
// callback connections it accepts (a listening callback endpoint under TLS)
// too: only the server may call back.
int Verify(int ok, X509_STORE_CTX* ctx) {
  auto* ssl =
      static_cast<SSL*>(X509_STORE_CTX_get_ex_data(ctx, SSL_get_ex_data_X509_STORE_CTX_idx()));
  if (ssl == nullptr) return 0;
  bool const accepted = SSL_is_server(ssl);
  if (!ok) {
    if (!accepted) RecordFailure(VerifyReason(X509_STORE_CTX_get_error(ctx)), false);
    return 0;
  }
  if (X509_STORE_CTX_get_error_depth(ctx) != 0) return ok;
  X509* cert = X509_STORE_CTX_get_current_cert(ctx);
  std::string host;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    host = g_server_name;
  }
  if (host.empty() || !NameMatches(cert, host)) {
    if (!accepted) {
      RecordFailure(
          "name mismatch (the certificate is for " + CertificateNames(cert) + ", not " + host + ")",
          false);
    }
    X509_STORE_CTX_set_error(ctx, X509_V_ERR_HOSTNAME_MISMATCH);
    return 0;
  }
  return ok;
}

void Info(SSL const* ssl, int where, int ret) {
  if (SSL_is_server(const_cast<SSL*>(ssl))) {
    // Whoever calls back must present what the server presents: a
    // certificate for server use.
    if (where & SSL_CB_HANDSHAKE_START) {
      SSL_set_purpose(const_cast<SSL*>(ssl), X509_PURPOSE_SSL_SERVER);
    }
    return;
  }
  if (where & SSL_CB_HANDSHAKE_START) {
    // A new attempt: an older failure does not explain the next one.
    if (!SSL_is_init_finished(ssl)) RecordFailure("", true);
    return;
  }
  if (where & SSL_CB_HANDSHAKE_DONE) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_handshake_done = true;
    return;
  }
  if ((where & SSL_CB_LOOP) && SSL_get_state(ssl) == TLS_ST_CR_CERT_REQ) {
    // Under TLS 1.3 the server's refusal may arrive after the client has
    // already failed to send, so the reason is noted when it asks.
    bool have_cert;
    {
      std::lock_guard<std::mutex> lock(g_mutex);
      have_cert = g_have_client_cert;
    }
    if (!have_cert) {
      RecordFailure("the server requires a client certificate and none is configured", false);
    }
    return;
  }
  if ((where & SSL_CB_ALERT) && (where & SSL_CB_READ) && (ret >> 8) == SSL3_AL_FATAL) {
    int const alert = ret & 0xff;
    bool have_cert;
    {
      std::lock_guard<std::mutex> lock(g_mutex);
      have_cert = g_have_client_cert;
    }
    // 116: certificate_required (TLS 1.3); 40: handshake_failure.
    if (!have_cert && (alert == 116 || alert == 40)) {
      RecordFailure("the server requires a client certificate and none is configured", false);
    } else {
      RecordFailure(std::string("the server refused the connection (") +
                        SSL_alert_desc_string_long(ret) + ")",
                    false);
    }
    return;
  }
  if ((where & SSL_CB_CONNECT_EXIT) && ret <= 0) {
    unsigned long const e = ERR_peek_error();
    if (e == 0) return;  // only waiting for the peer
    char const* reason = ERR_reason_error_string(e);
    RecordFailure(std::string("no TLS handshake with the server (") + (reason ? reason : "?") +
                      "; does it serve plain IIOP?)",
                  false);
  }
}

// Hands OpenSSL the key's password (a std::string).
int PasswordCallback(char* buf, int size, int, void* data) {
  auto const* password = static_cast<std::string const*>(data);
  int const n = static_cast<int>(password->size());
  if (n >= size) return 0;
  std::memcpy(buf, password->data(), static_cast<std::size_t>(n));
  return n;
}

// The ORB's TLS context with the certificate and its key in separate files
// (or one), and peer certificates always required.
class TlsContext : public sslContext {
 public:
  TlsContext(std::string ca, std::string cert, std::string key, std::string password)
      : sslContext(nullptr, nullptr, nullptr),
        ca_(std::move(ca)),
        cert_(std::move(cert)),
        key_(std::move(key)),
        password_(std::move(password)) {}

 protected:
  void set_CA() override {
    if (SSL_CTX_load_verify_locations(get_SSL_CTX(), ca_.c_str(), nullptr) != 1) {
      throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
    }
  }
  void set_certificate() override {
    if (cert_.empty()) return;
    if (SSL_CTX_use_certificate_chain_file(get_SSL_CTX(), cert_.c_str()) != 1) {
      throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
    }
  }
  void set_privatekey() override {
    if (cert_.empty()) return;
    SSL_CTX_set_default_passwd_cb(get_SSL_CTX(), PasswordCallback);
    SSL_CTX_set_default_passwd_cb_userdata(get_SSL_CTX(), &password_);
    if (SSL_CTX_use_PrivateKey_file(get_SSL_CTX(), key_.c_str(), SSL_FILETYPE_PEM) != 1 ||
        SSL_CTX_check_private_key(get_SSL_CTX()) != 1) {
      throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
    }
  }
  int set_verify_mode() override { return SSL_VERIFY_PEER | SSL_VERIFY_FAIL_IF_NO_PEER_CERT; }

 private:
  std::string ca_, cert_, key_, password_;
};

std::string OpenSslError() {
  unsigned long const e = ERR_get_error();
  ERR_clear_error();
  char const* reason = e != 0 ? ERR_reason_error_string(e) : nullptr;
  return reason ? reason : "unreadable";
}

// Loads the files the way the ORB will, so that a mistake is reported with
// the file's name instead of as a failed ORB start.
void CheckTlsFiles(ClientOrbOptions const& o) {
  std::unique_ptr<SSL_CTX, void (*)(SSL_CTX*)> ctx(SSL_CTX_new(TLS_client_method()), SSL_CTX_free);
  if (!ctx) throw std::runtime_error("cannot start TLS: " + OpenSslError());
  if (o.ca_file.empty()) throw std::runtime_error("no trusted authorities file configured");
  STACK_OF(X509_INFO)* infos = nullptr;
  if (FILE* f = std::fopen(o.ca_file.c_str(), "r")) {
    infos = PEM_X509_INFO_read(f, nullptr, nullptr, nullptr);
    std::fclose(f);
  }
  int certificates = 0;
  for (int i = 0; infos != nullptr && i < sk_X509_INFO_num(infos); ++i) {
    if (sk_X509_INFO_value(infos, i)->x509 != nullptr) ++certificates;
  }
  sk_X509_INFO_pop_free(infos, X509_INFO_free);
  ERR_clear_error();
  if (certificates == 0) {
    throw std::runtime_error("trusted authorities file '" + o.ca_file +
                             "' cannot be read or holds no certificate");
  }
  if (o.cert_file.empty()) return;
  if (SSL_CTX_use_certificate_chain_file(ctx.get(), o.cert_file.c_str()) != 1) {
    throw std::runtime_error("client certificate file '" + o.cert_file +
                             "' cannot be read: " + OpenSslError());
  }
  // A private key that others can read is no longer private: refused as a
  // settings file with a password is.
  struct stat st;
  if (stat(o.key_file.c_str(), &st) == 0 && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    throw std::runtime_error("client key file '" + o.key_file +
                             "' can be read by other users than its owner, so it is not used; "
                             "restrict it with: chmod 600 " +
                             o.key_file);
  }
  EVP_PKEY* key = nullptr;
  if (FILE* f = std::fopen(o.key_file.c_str(), "r")) {
    std::string password = o.key_password;
    key = PEM_read_PrivateKey(f, nullptr, PasswordCallback, &password);
    std::fclose(f);
  }
  if (key == nullptr) {
    throw std::runtime_error("client key file '" + o.key_file +
                             "' cannot be read (wrong password?): " + OpenSslError());
  }
  int const used = SSL_CTX_use_PrivateKey(ctx.get(), key);
  EVP_PKEY_free(key);
  if (used != 1 || SSL_CTX_check_private_key(ctx.get()) != 1) {
    ERR_clear_error();
    throw std::runtime_error("client key file '" + o.key_file +
                             "' holds a key that does not belong to the certificate in '" +
                             o.cert_file + "'");
  }
}

// The endpoint of a client whose callbacks come over its own connection:
// "giop:silent:tcp:H:P" (or ssl) puts giop:tcp:H:P into the callback
// references, by which the server finds the connection, and listens
// nowhere. The ORB insists on an endpoint and would otherwise listen on
// every interface.
class SilentEndpoint : public omni::giopEndpoint {
 public:
  explicit SilentEndpoint(std::string uri) : uri_(std::move(uri)) {
    addresses_.length(1);
    addresses_[0] = CORBA::string_dup(uri_.c_str());
  }
  char const* type() const override { return "giop:silent"; }
  char const* address() const override { return uri_.c_str(); }
  omni::orbServer::EndpointList const* addresses() const override { return &addresses_; }
  CORBA::Boolean publish(omni::orbServer::PublishSpecs const&, CORBA::Boolean, CORBA::Boolean,
                         omni::orbServer::EndpointList& published) override {
    if (!omni::giopEndpoint::addToIOR(uri_.c_str())) return 0;
    CORBA::ULong const n = published.length();
    published.length(n + 1);
    published[n] = CORBA::string_dup(uri_.c_str());
    return 1;
  }
  CORBA::Boolean Bind() override { return 1; }
  // Nothing to accept: waits until the ORB wakes the thread that asks. A
  // wake-up before the wait is kept, as a real endpoint keeps it.
  omni::giopConnection* AcceptAndMonitor(omni::giopConnection::notifyReadable_t, void*) override {
    std::unique_lock<std::mutex> lock(mutex_);
    woken_.wait(lock, [this] { return poked_ || shut_down_; });
    poked_ = false;
    return nullptr;
  }
  void Poke() override {
    std::lock_guard<std::mutex> lock(mutex_);
    poked_ = true;
    woken_.notify_all();
  }
  void Shutdown() override {
    std::lock_guard<std::mutex> lock(mutex_);
    shut_down_ = true;
    woken_.notify_all();
  }

 private:
  std::string const uri_;
  omni::orbServer::EndpointList addresses_;
  std::mutex mutex_;
  std::condition_variable woken_;
  bool poked_ = false;
  bool shut_down_ = false;
};

// The ORB never deletes the endpoints it asks for: they go with the ORB
// (Reap, once it is destroyed).
class SilentTransport : public omni::giopTransportImpl {
 public:
  SilentTransport() : giopTransportImpl("giop:silent") {}
  omni::giopEndpoint* toEndpoint(char const* param) override {
    std::lock_guard<std::mutex> lock(mutex_);
    endpoints_.push_back(std::make_unique<SilentEndpoint>(std::string("giop:") + param));
    return endpoints_.back().get();
  }
  void Reap() {
    std::lock_guard<std::mutex> lock(mutex_);
    endpoints_.clear();
  }
  omni::giopAddress* toAddress(char const*) override { return nullptr; }
  CORBA::Boolean isValid(char const*) override { return 1; }
  CORBA::Boolean addToIOR(char const* param, omni::IORPublish* eps) override {
    return omni::giopEndpoint::addToIOR((std::string("giop:") + param).c_str(), eps);
  }
  omnivector<char const*> const* getInterfaceAddress() override { return nullptr; }

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<SilentEndpoint>> endpoints_;
};

// Made before the first ORB starts; the ORB keeps it in its list of
// transports for good.
SilentTransport* Silent() {
  static SilentTransport* const transport = new SilentTransport;
  return transport;
}

// A port number for the address that bidirectional callback references name
// but nothing listens on: random, so that two clients of one server are
// not told apart by it alone.
int UnboundPort() {
  unsigned short r = 0;
  if (getrandom(&r, sizeof r, 0) != static_cast<ssize_t>(sizeof r)) r = 0;
  return 1024 + r % (65536 - 1024);
}

// A TCP connection to host:port within `ms`; -1 when there is none.
int Connect(std::string host, int port, int ms) {
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
  int fd = -1;
  for (addrinfo* a = found; a != nullptr && fd < 0; a = a->ai_next) {
    fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
    if (fd < 0) continue;
    if (connect(fd, a->ai_addr, a->ai_addrlen) != 0 && errno == EINPROGRESS) {
      pollfd p{fd, POLLOUT, 0};
      int error = 0;
      socklen_t len = sizeof error;
      if (poll(&p, 1, ms) != 1 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len) != 0 ||
          error != 0) {
        close(fd);
        fd = -1;
      }
    }
  }
  freeaddrinfo(found);
  if (fd >= 0) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    timeval tv{ms / 1000, (ms % 1000) * 1000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
  }
  return fd;
}

}  // namespace

void InitTlsLibrary() { OPENSSL_init_ssl(0, nullptr); }

CORBA::ORB_ptr InitClientOrb(ClientOrbOptions const& given) {
  ClientOrbOptions o = given;
  if (o.key_file.empty()) o.key_file = o.cert_file;
  std::string const timeout = std::to_string(o.call_timeout_ms);
  bool const bidir = o.callback_host.empty();
  std::string const transport = o.tls ? "ssl:" : "tcp:";
  // Bidirectional: nothing listens (SilentEndpoint). The callback references
  // still name an address, by which the server finds this client's
  // connection.
  Silent();
  std::string const endpoint =
      (bidir ? "giop:silent:" : "giop:") + transport +
      (bidir
           ? "127.0.0.1:" + std::to_string(UnboundPort())
           : o.callback_host + ":" + (o.callback_port == 0 ? "" : std::to_string(o.callback_port)));
  // A TLS client never falls back to plain connections.
  std::string const rule = std::string("* ") + (o.tls ? "ssl" : "tcp") + (bidir ? ",bidir" : "");

  omniORB::setLogFunction(Log);
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_failure.clear();
    g_have_client_cert = o.tls && !o.cert_file.empty();
    g_options = o;
  }
  if (o.tls) {
    CheckTlsFiles(o);
    sslContext::verify_callback = Verify;
    sslContext::info_callback = Info;
    // The ORB's TLS transport takes this context at start and frees it at
    // destroy().
    sslContext::singleton = new TlsContext(o.ca_file, o.cert_file, o.key_file, o.key_password);
  } else {
    sslContext::singleton = nullptr;
    sslContext::certificate_authority_file = nullptr;
  }

  // Code sets: corbaloc references carry no code-set information, so both
  // sides are told. Wide text is UTF-16 code units on both sides; the
  // business objects split characters outside the BMP into surrogate pairs
  // (StringConverter::SplitNonBmp) because this ORB mishandles UCS-4.
  char const* options[][2] = {{"nativeCharCodeSet", "UTF-8"},
                              {"nativeWCharCodeSet", "UTF-16"},
                              {"defaultWCharCodeSet", "UTF-16"},
                              {"giopMaxMsgSize", "67108864"},
                              {"endPoint", endpoint.c_str()},
                              {"clientTransportRule", rule.c_str()},
                              {"offerBiDirectionalGIOP", bidir ? "1" : "0"},
                              {"clientCallTimeOutPeriod", timeout.c_str()},
                              {"clientConnectTimeOutPeriod", timeout.c_str()},
                              // A connection whose server died is let go within
                              // about two seconds: with bidirectional GIOP the
                              // half-closed socket would otherwise keep the
                              // server's port from being listened on again.
                              {"scanGranularity", "1"},
                              {"outConScanPeriod", "2"},
                              {nullptr, nullptr}};
  int argc = 0;
  char* argv[] = {nullptr};
  CORBA::ORB_var orb = CORBA::ORB_init(argc, argv, "omniORB4", options);
  CORBA::Object_var obj = orb->resolve_initial_references("RootPOA");
  PortableServer::POA_var root = PortableServer::POA::_narrow(obj);
  PortableServer::POAManager_var manager = root->the_POAManager();
  // Ids of our choosing (ActivateCallback): the ORB's own are a time and a
  // counter, which another process could guess. Upcalls over the client's
  // own connection reach only objects of a POA that allows them.
  CORBA::PolicyList policies;
  policies.length(bidir ? 2 : 1);
  policies[0] = root->create_id_assignment_policy(PortableServer::USER_ID);
  if (bidir) policies[1] = new BiDirPolicy::BidirectionalPolicy(BiDirPolicy::BOTH);
  PortableServer::POA_var callbacks = root->create_POA("callbacks", manager, policies);
  policies[0]->destroy();
  manager->activate();
  std::lock_guard<std::mutex> lock(g_mutex);
  CORBA::release(g_callback_poa);
  g_callback_poa = callbacks._retn();
  return orb._retn();
}

PortableServer::POA_ptr CallbackPoa() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return PortableServer::POA::_duplicate(g_callback_poa);
}

PortableServer::ObjectId* ActivateCallback(PortableServer::Servant servant) {
  PortableServer::ObjectId_var id = new PortableServer::ObjectId(16);
  id->length(16);
  std::size_t got = 0;
  while (got < 16) {
    ssize_t const n = getrandom(id->get_buffer() + got, 16 - got, 0);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw CORBA::NO_RESOURCES(0, CORBA::COMPLETED_NO);
    }
    got += static_cast<std::size_t>(n);
  }
  PortableServer::POA_var poa = CallbackPoa();
  poa->activate_object_with_id(id.in(), servant);
  return id._retn();
}

void DestroyClientOrb(CORBA::ORB_ptr orb) {
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    CORBA::release(g_callback_poa);
    g_callback_poa = PortableServer::POA::_nil();
  }
  orb->destroy();
  Silent()->Reap();
}

std::string ObjectUrl(bool tls, std::string const& host, int port, char const* key) {
  // GIOP 1.2: 1.0 cannot carry wide strings.
  return std::string(tls ? "corbaloc:ssliop:1.2@" : "corbaloc:iiop:1.2@") + host + ":" +
         std::to_string(port) + "/" + key;
}

bool CertificateNamesHost(std::string const& pem_file, std::string const& host) {
  FILE* f = std::fopen(pem_file.c_str(), "r");
  if (f == nullptr) return false;
  X509* cert = PEM_read_X509(f, nullptr, nullptr, nullptr);
  std::fclose(f);
  ERR_clear_error();
  bool const named = cert != nullptr && NameMatches(cert, host);
  X509_free(cert);
  return named;
}

void ExpectServerName(std::string const& host) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_server_name = host;
}

std::string AskServerWhy(std::string const& host, int port) {
  ClientOrbOptions o;
  {
    std::lock_guard<std::mutex> lock(g_mutex);
    if (!g_handshake_done || !g_options.tls) return "";
    g_handshake_done = false;
    o = g_options;
  }
  // The same authorities, certificate and checks as the ORB's connections;
  // the callbacks record what the server says.
  std::unique_ptr<SSL_CTX, void (*)(SSL_CTX*)> ctx(SSL_CTX_new(TLS_client_method()), SSL_CTX_free);
  if (!ctx) return "";
  SSL_CTX_set_default_passwd_cb(ctx.get(), PasswordCallback);
  SSL_CTX_set_default_passwd_cb_userdata(ctx.get(), &o.key_password);
  if (SSL_CTX_load_verify_locations(ctx.get(), o.ca_file.c_str(), nullptr) != 1 ||
      (!o.cert_file.empty() &&
       (SSL_CTX_use_certificate_chain_file(ctx.get(), o.cert_file.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(ctx.get(), o.key_file.c_str(), SSL_FILETYPE_PEM) != 1))) {
    ERR_clear_error();
    return "";
  }
  SSL_CTX_set_verify(ctx.get(), SSL_VERIFY_PEER, Verify);
  SSL_CTX_set_info_callback(ctx.get(), Info);
  int const fd = Connect(host, port, 2000);
  if (fd < 0) return "";
  SSL* ssl = SSL_new(ctx.get());
  SSL_set_fd(ssl, fd);
  // A server that refuses our certificate says so after its handshake
  // (TLS 1.3): the first read brings its alert, or its tickets and then
  // silence when it accepts.
  if (SSL_connect(ssl) == 1) {
    char byte;
    SSL_read(ssl, &byte, 1);
  }
  SSL_free(ssl);
  close(fd);
  ERR_clear_error();
  return TakeHandshakeFailure();
}

std::string TakeHandshakeFailure() {
  std::lock_guard<std::mutex> lock(g_mutex);
  std::string failure;
  failure.swap(g_failure);
  return failure;
}

}  // namespace orb_binding
}  // namespace base
}  // namespace ostrel
