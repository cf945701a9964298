#include "orb_setup.h"

#include <arpa/inet.h>
#include <omniORB4/BiDirPolicy.h>
#include <omniORB4/IIOP.h>
#include <omniORB4/cdrStream.h>
#include <omniORB4/omniIOR.h>
#include <omniORB4/sslContext.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <mutex>
#include <utility>

namespace ostrel::server {
namespace {

// The adapter the servants live in: persistent, so that a client's
// forwarded reference stays good across a restart on the same port, and
// open to callbacks over the client's connection.
PortableServer::POA_var g_bidir;

// The host a streaming thread is about to call back (the host in the
// callback reference) and why its last connection was refused.
thread_local std::string t_callback_host;
thread_local std::string t_refusal;

// The context of the connections this server opens to listening callback
// endpoints: the same certificate, the authorities of --tls-ca (none: every
// such connection is refused), and the peer always verified.
SSL_CTX* g_callback_ctx = nullptr;

std::string VerifyReason(int error) { return X509_verify_cert_error_string(error); }

// Subject alternative names only (never the CN, no partial wildcards), as the
// clients check the server.
bool NameMatches(X509* cert, std::string host) {
  if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
  }
  unsigned char addr[16];
  if (inet_pton(AF_INET, host.c_str(), addr) == 1 || inet_pton(AF_INET6, host.c_str(), addr) == 1) {
    return X509_check_ip_asc(cert, host.c_str(), 0) == 1;
  }
  const unsigned flags = X509_CHECK_FLAG_NEVER_CHECK_SUBJECT | X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS;
  return X509_check_host(cert, host.c_str(), host.size(), flags, nullptr) == 1;
}

int CallbackVerify(int ok, X509_STORE_CTX* ctx) {
  if (!ok) {
    t_refusal = VerifyReason(X509_STORE_CTX_get_error(ctx));
    return 0;
  }
  if (X509_STORE_CTX_get_error_depth(ctx) != 0) return ok;
  if (t_callback_host.empty() ||
      !NameMatches(X509_STORE_CTX_get_current_cert(ctx), t_callback_host)) {
    t_refusal = "certificate does not name " + t_callback_host;
    X509_STORE_CTX_set_error(ctx, X509_V_ERR_HOSTNAME_MISMATCH);
    return 0;
  }
  return ok;
}

// Connections this server opens are callbacks: they leave the accepting
// context (which may verify nothing) for the callback context.
void Info(const SSL* ssl, int where, int) {
  if (SSL_is_server(const_cast<SSL*>(ssl)) || !(where & SSL_CB_HANDSHAKE_START)) return;
  SSL* s = const_cast<SSL*>(ssl);
  if (SSL_get_SSL_CTX(s) != g_callback_ctx) SSL_set_SSL_CTX(s, g_callback_ctx);
  SSL_set_verify(s, SSL_VERIFY_PEER, CallbackVerify);
}

SSL_CTX* NewCallbackContext(const std::string& cert, const std::string& ca) {
  SSL_CTX* ctx = SSL_CTX_new(TLS_client_method());
  if (ctx == nullptr || SSL_CTX_use_certificate_chain_file(ctx, cert.c_str()) != 1 ||
      SSL_CTX_use_PrivateKey_file(ctx, cert.c_str(), SSL_FILETYPE_PEM) != 1 ||
      (!ca.empty() && SSL_CTX_load_verify_locations(ctx, ca.c_str(), nullptr) != 1)) {
    throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
  }
  SSL_CTX_set_min_proto_version(ctx, TLS1_2_VERSION);
  SSL_CTX_set_verify(ctx, SSL_VERIFY_PEER, CallbackVerify);
  SSL_CTX_set_info_callback(ctx, Info);
  return ctx;
}

// TLS with the key and certificate in one file; client certificates are
// required exactly when authorities for them are given. Connections this
// server opens use the callback context.
class ServerTlsContext : public sslContext {
 public:
  ServerTlsContext(std::string cert, std::string ca)
      : sslContext(nullptr, nullptr, nullptr), cert_(std::move(cert)), ca_(std::move(ca)) {}

 protected:
  void set_CA() override {
    if (!ca_.empty() && SSL_CTX_load_verify_locations(get_SSL_CTX(), ca_.c_str(), nullptr) != 1) {
      throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
    }
  }
  void set_certificate() override {
    if (SSL_CTX_use_certificate_chain_file(get_SSL_CTX(), cert_.c_str()) != 1) {
      throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
    }
  }
  void set_privatekey() override {
    if (SSL_CTX_use_PrivateKey_file(get_SSL_CTX(), cert_.c_str(), SSL_FILETYPE_PEM) != 1 ||
        SSL_CTX_check_private_key(get_SSL_CTX()) != 1) {
      throw CORBA::INITIALIZE(0, CORBA::COMPLETED_NO);
    }
  }
  int set_verify_mode() override {
    return ca_.empty() ? SSL_VERIFY_NONE : SSL_VERIFY_PEER | SSL_VERIFY_FAIL_IF_NO_PEER_CERT;
  }

 private:
  std::string cert_, ca_;
};

// Answers every request under a plain key with a permanent forward to the
// servant in the bidirectional adapter. Permanent: the client keeps the new
// reference, and a failure there is not retried through the plain key (which
// would turn a call time-out into endless retries).
class Forwarder : public virtual PortableServer::ServantBase {
 public:
  explicit Forwarder(CORBA::Object_ptr target) : target_(target) {}
  CORBA::Boolean _dispatch(omniCallHandle&) override {
    throw omniORB::LOCATION_FORWARD(CORBA::Object::_duplicate(target_.in()), 1);
  }

 private:
  CORBA::Object_var target_;
};

// The SSL component's port: CDR encapsulation of {octet order; ushort
// supports, requires, port} (each ushort 2-aligned).
int SslPort(const IIOP::ProfileBody& body) {
  for (CORBA::ULong i = 0; i < body.components.length(); ++i) {
    const IOP::TaggedComponent& c = body.components[i];
    if (c.tag != IOP::TAG_SSL_SEC_TRANS || c.component_data.length() < 8) continue;
    const CORBA::Octet* d = c.component_data.get_buffer();
    const bool little = d[0] != 0;
    return little ? d[6] | (d[7] << 8) : (d[6] << 8) | d[7];
  }
  return -1;
}

// The first TLS address of a CSIv2 mechanism list, which this ORB writes
// instead of the SSL component when a TLS endpoint's host differs from the
// profile's: {boolean stateful; sequence<{ushort requires; TaggedComponent
// transport; ...}>}, the transport a TLS_SEC_TRANS {ushort supports, requires;
// sequence<{string host; ushort port}>}.
bool CsiTlsAddress(const IIOP::ProfileBody& body, std::string& host, int& port) {
  for (CORBA::ULong i = 0; i < body.components.length(); ++i) {
    const IOP::TaggedComponent& c = body.components[i];
    if (c.tag != IOP::TAG_CSI_SEC_MECH_LIST) continue;
    try {
      cdrEncapsulationStream list(c.component_data.get_buffer(), c.component_data.length(), 1);
      list.unmarshalBoolean();
      CORBA::ULong mechanisms;
      mechanisms <<= list;
      if (mechanisms == 0) return false;
      CORBA::UShort requires;
      requires <<= list;
      CORBA::ULong tag;
      tag <<= list;
      _CORBA_Unbounded_Sequence_Octet transport;
      transport <<= list;
      if (tag != IOP::TAG_TLS_SEC_TRANS) return false;
      cdrEncapsulationStream tls(transport.get_buffer(), transport.length(), 1);
      CORBA::UShort supports, required;
      supports <<= tls;
      required <<= tls;
      CORBA::ULong addresses, length;
      addresses <<= tls;
      if (addresses == 0) return false;
      length <<= tls;
      if (length == 0 || length > 256) return false;
      std::string name(length, '\0');
      tls.get_octet_array(reinterpret_cast<CORBA::Octet*>(&name[0]), length);
      name.resize(length - 1);
      CORBA::UShort tls_port;
      tls_port <<= tls;
      host = name;
      port = tls_port;
      return true;
    } catch (const CORBA::MARSHAL&) {
      return false;
    }
  }
  return false;
}

bool FirstProfile(CORBA::Object_ptr ref, IIOP::ProfileBody& body) {
  omniIOR* ior = ref->_PR_getobj()->_getIOR();
  bool found = false;
  const IOP::TaggedProfileList& profiles = ior->iopProfiles();
  for (CORBA::ULong i = 0; i < profiles.length() && !found; ++i) {
    if (profiles[i].tag != IOP::TAG_INTERNET_IOP) continue;
    IIOP::unmarshalProfile(profiles[i], body);
    found = true;
  }
  ior->release();
  return found;
}

}  // namespace

CORBA::ORB_ptr InitOrb(const Listen& listen, bool quiet) {
  const bool tls = !listen.tls_cert.empty();
  const std::string endpoint = std::string(tls ? "giop:ssl:" : "giop:tcp:") + listen.host + ":" +
                               (listen.port > 0 ? std::to_string(listen.port) : "");
  // One transport only: a TLS server refuses plain IIOP.
  const std::string server_rule = tls ? "* ssl,bidir" : "* tcp,bidir";
  const std::string client_rule = listen.bidir_only ? "* bidir" : server_rule;
  const std::string publish =
      listen.publish.empty() ? "addr" : (tls ? "giop:ssl:" : "giop:tcp:") + listen.publish;
  if (tls) {
    g_callback_ctx = NewCallbackContext(listen.tls_cert, listen.tls_ca);
    sslContext::info_callback = Info;
    // Taken by the ORB's TLS transport at start, freed at destroy().
    sslContext::singleton = new ServerTlsContext(listen.tls_cert, listen.tls_ca);
  }
  // Wide text is UTF-16 code units (surrogate pairs for characters outside
  // the BMP) on both sides: this ORB writes wrong lengths under UCS-4.
  const char* options[][2] = {{"nativeCharCodeSet", "UTF-8"},
                              {"nativeWCharCodeSet", "UTF-16"},
                              {"giopMaxMsgSize", "67108864"},
                              {"endPoint", endpoint.c_str()},
                              {"endPointPublish", publish.c_str()},
                              {"serverTransportRule", server_rule.c_str()},
                              {"clientTransportRule", client_rule.c_str()},
                              {"acceptBiDirectionalGIOP", "1"},
                              // A client that hangs in a callback cannot hold its stream forever.
                              {"clientCallTimeOutPeriod", "10000"},
                              {"clientConnectTimeOutPeriod", "5000"},
                              // A client that stalls its handshake cannot hold a thread.
                              {"sslAcceptTimeOut", "5000"},
                              // One thread per connection, and more for concurrent calls on one.
                              {"threadPerConnectionPolicy", "1"},
                              {"maxServerThreadPerConnection", "16"},
                              {"maxServerThreadPoolSize", "128"},
                              {"traceLevel", quiet ? "0" : "1"},
                              {nullptr, nullptr}};
  // No command-line ORB arguments: they could add a second endpoint.
  int argc = 1;
  char name[] = "reference_server";
  char* argv[] = {name, nullptr};
  return CORBA::ORB_init(argc, argv, "omniORB4", options);
}

PortableServer::POA_ptr NamedAdapter(CORBA::ORB_ptr orb) {
  CORBA::Object_var root_obj = orb->resolve_initial_references("RootPOA");
  PortableServer::POA_var root = PortableServer::POA::_narrow(root_obj);
  PortableServer::POAManager_var manager = root->the_POAManager();
  CORBA::PolicyList policies;
  policies.length(3);
  policies[0] = new BiDirPolicy::BidirectionalPolicy(BiDirPolicy::BOTH);
  policies[1] = root->create_id_assignment_policy(PortableServer::USER_ID);
  policies[2] = root->create_lifespan_policy(PortableServer::PERSISTENT);
  g_bidir = root->create_POA("servants", manager, policies);
  for (CORBA::ULong i = 1; i < policies.length(); ++i) policies[i]->destroy();
  CORBA::Object_var obj = orb->resolve_initial_references("omniINSPOA");
  return PortableServer::POA::_narrow(obj);
}

CORBA::Object_ptr ActivateNamed(PortableServer::POA_ptr named, const std::string& name,
                                PortableServer::Servant servant) {
  PortableServer::ObjectId_var id = PortableServer::string_to_ObjectId(name.c_str());
  g_bidir->activate_object_with_id(id, servant);
  servant->_remove_ref();
  CORBA::Object_var target = g_bidir->id_to_reference(id);
  auto* forwarder = new Forwarder(target._retn());
  named->activate_object_with_id(id, forwarder);
  forwarder->_remove_ref();
  return named->id_to_reference(id);
}

void ReleaseAdapters() { g_bidir = PortableServer::POA::_nil(); }

void ExpectCallbackPeer(CORBA::Object_ptr callback) {
  t_refusal.clear();
  IIOP::ProfileBody body;
  std::string host;
  int port = 0;
  if (CORBA::is_nil(callback) || !FirstProfile(callback, body)) {
    t_callback_host.clear();
  } else if (CsiTlsAddress(body, host, port)) {
    t_callback_host = host;
  } else {
    t_callback_host = body.address.host.in();
  }
}

std::string TakeCallbackRefusal() {
  std::string why;
  why.swap(t_refusal);
  return why;
}

int ListeningPort(CORBA::Object_ptr ref) {
  IIOP::ProfileBody body;
  if (!FirstProfile(ref, body)) return -1;
  return body.address.port != 0 ? body.address.port : SslPort(body);
}

std::string ReferenceAddress(CORBA::Object_ptr ref) {
  IIOP::ProfileBody body;
  if (CORBA::is_nil(ref) || !FirstProfile(ref, body)) return "";
  std::string host;
  int port = 0;
  if (CsiTlsAddress(body, host, port)) return host + ":" + std::to_string(port) + " tls";
  const int ssl = SslPort(body);
  port = ssl > 0 ? ssl : body.address.port;
  return std::string(body.address.host.in()) + ":" + std::to_string(port) + (ssl > 0 ? " tls" : "");
}

}  // namespace ostrel::server
