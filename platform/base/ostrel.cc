#include "ostrel.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "orb_binding.h"
#include "setting.h"
#include "string_converter.h"

namespace ostrel {
namespace base {
namespace {

namespace ae = com::ostrel::serverbase::applicationexception;
namespace query = com::ostrel::serverbase::query;
namespace access = com::ostrel::serverbase::access;

char const kLoginServant[] = "com.ostrel.serverbase.access.LoginServantImpl";

Ostrel* g_instance = nullptr;
std::mutex g_instance_mutex;

// An environment variable that is set and not empty; null otherwise. An
// empty one must not turn a setting of the file off (Transport = tls).
char const* FromEnvironment(char const* env) {
  char const* v = std::getenv(env);
  return v != nullptr && v[0] != '\0' ? v : nullptr;
}

// The value of a setting: the environment variable if set, else the key of
// the section in the settings file, else empty.
std::string Lookup(char const* env, wchar_t const* section, std::wstring const& key,
                   std::vector<Setting*> const& settings) {
  if (char const* v = FromEnvironment(env)) return v;
  std::string value;
  for (Setting* s : settings) {
    if (s->GetSection() == section && s->GetKey() == key) value = s->GetValue().c_str();
  }
  return value;
}

std::string Lookup(char const* env, std::wstring const& key,
                   std::vector<Setting*> const& settings) {
  return Lookup(env, L"Server", key, settings);
}

// The rule of .pgpass: a password is only taken from a file that no one but
// its owner can read.
std::string PasswordRefused(std::string const& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return "";
  if ((st.st_mode & (S_IRWXG | S_IRWXO)) == 0) return "";
  return "settings file '" + path +
         "' holds a password but can be read by other users than its owner, so the password "
         "is not used; restrict it with: chmod 600 " +
         path;
}

[[noreturn]] void BadSetting(char const* env, char const* key, std::string const& value,
                             char const* expected) {
  std::string text = std::string("setting ") + env + " ([Server] " + key + ") is '" + value +
                     "', expected " + expected;
  throw VException(StringConverter::ToWide(text), L"RuntimeConfig", L"", VException::kUnknown,
                   false);
}

bool ParseUnsigned(std::string const& text, unsigned long max, unsigned long* out) {
  if (text.empty() || text.size() > 9) return false;
  unsigned long v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + static_cast<unsigned long>(c - '0');
  }
  if (v > max) return false;
  *out = v;
  return true;
}

std::wstring Widen(char const* s) { return StringConverter::ToWide(s ? s : ""); }

char const* CompletionText(CORBA::CompletionStatus c) {
  switch (c) {
    case CORBA::COMPLETED_YES:
      return "YES";
    case CORBA::COMPLETED_NO:
      return "NO";
    default:
      return "MAYBE";
  }
}

// A sentence for the system exceptions a user meets; the exception's name and
// codes stay available in the VException.
std::string Explain(std::string const& name) {
  if (name == "TRANSIENT" || name == "COMM_FAILURE")
    return "the application server cannot be reached";
  if (name == "TIMEOUT") return "the application server did not answer in time";
  if (name == "OBJECT_NOT_EXIST") return "the application server does not offer this service";
  if (name == "MARSHAL" || name == "BAD_PARAM" || name == "DATA_CONVERSION")
    return "the request or its answer could not be transferred";
  return "remote call failed";
}

// A domain failure's source is its domain class, when the server names one.
std::wstring DomainSource(wchar_t const* domain_class) {
  std::wstring source = StringConverter::JoinSurrogates(domain_class);
  return source.empty() ? L"DomainException" : source;
}

}  // namespace

RuntimeConfig RuntimeConfig::Load() {
  std::string const path = Setting::SettingsPath();
  if (!path.empty()) {
    SettingsFile file = Setting::Load(path);
    if (!file.errors.empty()) {
      throw VException(StringConverter::ToWide("settings file '" + path + "': " + file.errors[0]),
                       L"RuntimeConfig", L"", VException::kUnknown, false);
    }
  }
  std::vector<Setting*> raw = Setting::GetSettings(VString("SYSTEM"), std::wstring(L"SYSTEM"));
  std::vector<std::unique_ptr<Setting>> owned(raw.begin(), raw.end());
  RuntimeConfig c;
  std::string endpoint = Lookup("OSTREL_SERVER", L"Endpoint", raw);
  if (!endpoint.empty()) {
    auto colon = endpoint.rfind(':');
    unsigned long port = 0;
    if (colon == std::string::npos || colon == 0 ||
        !ParseUnsigned(endpoint.substr(colon + 1), 65535, &port) || port == 0) {
      BadSetting("OSTREL_SERVER", "Endpoint", endpoint, "host:port");
    }
    c.host = endpoint.substr(0, colon);
    c.port = static_cast<int>(port);
  }
  c.user = StringConverter::ToWide(Lookup("OSTREL_USER", L"User", raw));
  c.password = StringConverter::ToWide(Lookup("OSTREL_PASSWORD", L"Password", raw));
  if (!c.password.empty() && FromEnvironment("OSTREL_PASSWORD") == nullptr) {
    c.password_refused = PasswordRefused(path);
    if (!c.password_refused.empty()) c.password.clear();
  }
  std::string timeout = Lookup("OSTREL_CALL_TIMEOUT_MS", L"CallTimeoutMs", raw);
  if (!timeout.empty() && !ParseUnsigned(timeout, 3600000, &c.call_timeout_ms)) {
    BadSetting("OSTREL_CALL_TIMEOUT_MS", "CallTimeoutMs", timeout, "milliseconds (0 = none)");
  }

  std::string const transport = Lookup("OSTREL_TRANSPORT", L"Transport", raw);
  if (transport == "tls") {
    c.tls = true;
  } else if (!transport.empty() && transport != "plain") {
    BadSetting("OSTREL_TRANSPORT", "Transport", transport, "plain or tls");
  }
  c.ca_file = Lookup("OSTREL_TLS_CA_FILE", L"TlsCaFile", raw);
  c.cert_file = Lookup("OSTREL_TLS_CERT_FILE", L"TlsCertFile", raw);
  c.key_file = Lookup("OSTREL_TLS_KEY_FILE", L"TlsKeyFile", raw);
  c.key_password = Lookup("OSTREL_TLS_KEY_PASSWORD", L"TlsKeyPassword", raw);
  if (c.tls && c.ca_file.empty()) {
    BadSetting("OSTREL_TLS_CA_FILE", "TlsCaFile", "", "the file of trusted authorities");
  }
  if (c.tls && !c.key_password.empty() && FromEnvironment("OSTREL_TLS_KEY_PASSWORD") == nullptr) {
    std::string const refused = PasswordRefused(path);
    if (!refused.empty()) {
      throw VException(StringConverter::ToWide(refused), L"RuntimeConfig", L"",
                       VException::kUnknown, false);
    }
  }

  std::string const callback = Lookup("OSTREL_CALLBACK_ENDPOINT", L"Callback", L"Endpoint", raw);
  if (!callback.empty() && callback != "bidir") {
    auto const colon = callback.rfind(':');
    unsigned long port = 0;
    bool const has_port = colon != std::string::npos;
    c.callback_host = has_port ? callback.substr(0, colon) : callback;
    if (c.callback_host.empty() ||
        (has_port && !ParseUnsigned(callback.substr(colon + 1), 65535, &port))) {
      throw VException(StringConverter::ToWide("setting OSTREL_CALLBACK_ENDPOINT ([Callback] "
                                               "Endpoint) is '" +
                                               callback + "', expected bidir or host[:port]"),
                       L"RuntimeConfig", L"", VException::kUnknown, false);
    }
    c.callback_port = static_cast<int>(port);
    // The server's callbacks then arrive over TLS at this process, which
    // needs a certificate to show them.
    if (c.tls && c.cert_file.empty()) {
      throw VException(
          StringConverter::ToWide(
              "setting OSTREL_TLS_CERT_FILE ([Server] TlsCertFile) is empty, expected the "
              "certificate of the listening callback endpoint " +
              callback + " (OSTREL_CALLBACK_ENDPOINT)"),
          L"RuntimeConfig", L"", VException::kUnknown, false);
    }
  }
  return c;
}

Ostrel* Ostrel::Instance() {
  std::lock_guard<std::mutex> lock(g_instance_mutex);
  // Deleted by Shutdown(), and at exit: the ORB's threads serve the
  // connection callbacks come over and must stop before the ORB's own static
  // objects go, and before the TLS library's clean-up, which it registers
  // when it starts. Both started first, so this handler runs before them.
  static bool const at_exit = [] {
    orb_binding::InitTlsLibrary();
    return std::atexit([] { Shutdown(); }) == 0;
  }();
  (void)at_exit;
  if (!g_instance) g_instance = new Ostrel();
  return g_instance;
}

void Ostrel::Shutdown() {
  std::lock_guard<std::mutex> lock(g_instance_mutex);
  delete g_instance;
  g_instance = nullptr;
}

Ostrel::Ostrel() : config_(RuntimeConfig::Load()) {
  orb_binding::ClientOrbOptions o;
  o.call_timeout_ms = config_.call_timeout_ms;
  o.callback_host = config_.callback_host;
  o.callback_port = config_.callback_port;
  o.tls = config_.tls;
  o.ca_file = config_.ca_file;
  o.cert_file = config_.cert_file;
  o.key_file = config_.key_file;
  o.key_password = config_.key_password;
  try {
    orb_ = orb_binding::InitClientOrb(o);
  } catch (std::runtime_error const& e) {
    throw VException(StringConverter::ToWide(std::string("TLS set-up: ") + e.what()),
                     L"RuntimeConfig", L"", VException::kUnknown, false);
  }
  orb_binding::ExpectServerName(config_.host);
  SetToken(access::AccessToken::_nil());
}

PortableServer::POA_ptr Ostrel::CallbackPoa() const { return orb_binding::CallbackPoa(); }

PortableServer::ObjectId* Ostrel::ActivateCallback(PortableServer::Servant servant) const {
  return orb_binding::ActivateCallback(servant);
}

void Ostrel::SetToken(access::AccessToken_ptr token) {
  std::lock_guard<std::mutex> lock(mutex_);
  tokens_.emplace_back(token);
  token_.store(&tokens_.back());
}

Ostrel::~Ostrel() {
  try {
    servants_.clear();
    tokens_.clear();
    orb_binding::DestroyClientOrb(orb_.in());
  } catch (CORBA::Exception&) {
    // Nothing to do at the end of the process.
  }
}

void Ostrel::SetEndpoint(std::string const& host, int port) {
  std::lock_guard<std::mutex> lock(mutex_);
  config_.host = host;
  config_.port = port;
  orb_binding::ExpectServerName(host);
  servants_.clear();
  tokens_.emplace_back(access::AccessToken::_nil());
  token_.store(&tokens_.back());
}

CORBA::Object_ptr Ostrel::GetServant(char const* name) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = servants_.find(name);
  if (it == servants_.end()) {
    if (config_.host.empty()) {
      throw VException(L"no application server configured: set OSTREL_SERVER or [Server] Endpoint",
                       L"RuntimeConfig", L"", VException::kUnknown, false);
    }
    std::string url = orb_binding::ObjectUrl(config_.tls, config_.host, config_.port, name);
    it = servants_.emplace(name, orb_->string_to_object(url.c_str())).first;
  }
  return CORBA::Object::_duplicate(it->second.in());
}

void Ostrel::KeepServant(char const* name, CORBA::Object_ptr looked_up,
                         CORBA::Object_ptr narrowed) {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = servants_.find(name);
  if (it != servants_.end() && it->second.in() == looked_up) {
    it->second = CORBA::Object::_duplicate(narrowed);
  }
}

void Ostrel::Login() {
  if (!config_.password_refused.empty()) {
    throw VException(StringConverter::ToWide(config_.password_refused), L"RuntimeConfig", L"",
                     VException::kAccessDenied, false);
  }
  Login(config_.user, config_.password);
}

void Ostrel::Login(std::wstring const& user, std::wstring const& password) {
  try {
    CORBA::Object_var obj = GetServant(kLoginServant);
    access::LoginServant_var login = access::LoginServant::_narrow(obj);
    if (CORBA::is_nil(login)) throw CORBA::OBJECT_NOT_EXIST(0, CORBA::COMPLETED_NO);
    SetToken(login->login(StringConverter::SplitNonBmp(user).c_str(),
                          StringConverter::SplitNonBmp(password).c_str()));
  } catch (CORBA::Exception& e) {
    ConvertException(e);
  }
}

void Ostrel::Logout() {
  access::AccessToken_ptr token = token_.load()->in();
  if (CORBA::is_nil(token)) return;
  SetToken(access::AccessToken::_nil());
  try {
    CORBA::Object_var obj = GetServant(kLoginServant);
    access::LoginServant_var login = access::LoginServant::_narrow(obj);
    if (!CORBA::is_nil(login)) login->logout(token);
  } catch (CORBA::Exception& e) {
    ConvertException(e);
  }
}

bool Ostrel::IsLoggedIn() const { return !CORBA::is_nil(token_.load()->in()); }

AccessToken_var& Ostrel::GetAccessToken() { return *token_.load(); }

void Ostrel::ConvertException(CORBA::Exception& e) const {
  if (auto* x = ae::AccessDeniedException::_downcast(&e)) {
    throw VException(StringConverter::JoinSurrogates(x->message.in()), L"AccessDeniedException",
                     L"", VException::kAccessDenied, true);
  }
  if (auto* x = ae::ApplicationLayerException::_downcast(&e)) {
    throw VException(StringConverter::JoinSurrogates(x->message.in()), L"ApplicationLayerException",
                     L"", VException::kApplicationLayer, true);
  }
  if (auto* x = ae::PersistencyException::_downcast(&e)) {
    throw VException(StringConverter::JoinSurrogates(x->message.in()), L"PersistencyException", L"",
                     VException::kPersistency, true);
  }
  if (auto* x = ae::DomainException::_downcast(&e)) {
    throw VException(StringConverter::JoinSurrogates(x->message.in()), L"DomainException", L"",
                     VException::kDomain, true);
  }
  if (auto* x = query::PutDataException::_downcast(&e)) {
    throw VException(StringConverter::JoinSurrogates(x->message.in()), L"PutDataException", L"",
                     VException::kPutData, true);
  }
  if (auto* x = CORBA::SystemException::_downcast(&e)) {
    std::string name = x->_name();
    char detail[96];
    std::snprintf(detail, sizeof detail, "minor 0x%lx, completed %s",
                  static_cast<unsigned long>(x->minor()), CompletionText(x->completed()));
    std::string message = Explain(name) + " (" + name + ", " + detail + ")";
    if (name == "TRANSIENT" || name == "COMM_FAILURE" || name == "TIMEOUT") {
      std::string host;
      int port;
      bool tls;
      unsigned long timeout_ms;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        host = config_.host;
        port = config_.port;
        tls = config_.tls;
        timeout_ms = config_.call_timeout_ms;
      }
      std::string const server = host + ":" + std::to_string(port);
      std::string why = orb_binding::TakeHandshakeFailure();
      if (tls && why.empty() && name != "TIMEOUT") why = orb_binding::AskServerWhy(host, port);
      if (tls && !why.empty()) {
        message = "secure connection to the application server " + server + " failed: " + why +
                  " (" + name + ", " + detail + ")";
      } else if (name == "TIMEOUT") {
        message = "the application server " + server + " did not answer within " +
                  std::to_string(timeout_ms) + " ms (OSTREL_CALL_TIMEOUT_MS) (" + name + ", " +
                  detail + ")";
      } else if (!tls && name == "COMM_FAILURE") {
        // What a plain client sees of a server that accepts TLS only.
        message += "; the application server " + server +
                   " closed the connection (if it accepts TLS only, set OSTREL_TRANSPORT=tls)";
      } else {
        message += "; application server " + server;
      }
    }
    VException v(StringConverter::ToWide(message), Widen(name.c_str()), Widen(detail),
                 VException::kSystem, true);
    v.SetSystemInfo(x->minor(), x->completed() == CORBA::COMPLETED_YES ? VException::kCompletedYes
                                : x->completed() == CORBA::COMPLETED_NO
                                    ? VException::kCompletedNo
                                    : VException::kCompletedMaybe);
    throw v;
  }
  std::string name = e._name();
  throw VException(Widen(("unexpected exception " + name).c_str()), Widen(name.c_str()), L"",
                   VException::kUnknown, true);
}

VException* Ostrel::GetException(optException const& e) const {
  switch (e._d()) {
    case ae::ACCESS_DENIED_EXCEPTION:
      return new VException(StringConverter::JoinSurrogates(e.message()), L"AccessDeniedException",
                            L"", VException::kAccessDenied, true);
    case ae::APPLICATION_LAYER_EXCEPTION:
      return new VException(StringConverter::JoinSurrogates(e.message()),
                            L"ApplicationLayerException", L"", VException::kApplicationLayer, true);
    case ae::PERSISTENCY_EXCEPTION:
      return new VException(StringConverter::JoinSurrogates(e.message()), L"PersistencyException",
                            L"", VException::kPersistency, true);
    case ae::DOMAIN_EXCEPTION:
      return new VException(StringConverter::JoinSurrogates(e.domainException().message.in()),
                            DomainSource(e.domainException().domainClass.in()),
                            StringConverter::JoinSurrogates(e.domainException().memberName.in()),
                            VException::kDomain, true);
    default:
      return new VException(L"", L"", L"", VException::kUnknown, true);
  }
}

}  // namespace base
}  // namespace ostrel
