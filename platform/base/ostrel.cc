#include "ostrel.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
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

// The value of a setting: the environment variable if set, else the key of
// section [Server] in the settings file, else empty.
std::string Lookup(char const* env, std::wstring const& key,
                   std::vector<Setting*> const& settings) {
  if (char const* v = std::getenv(env)) return v;
  std::string value;
  for (Setting* s : settings) {
    if (s->GetSection() == L"Server" && s->GetKey() == key) value = s->GetValue().c_str();
  }
  return value;
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
  std::string timeout = Lookup("OSTREL_CALL_TIMEOUT_MS", L"CallTimeoutMs", raw);
  if (!timeout.empty() && !ParseUnsigned(timeout, 3600000, &c.call_timeout_ms)) {
    BadSetting("OSTREL_CALL_TIMEOUT_MS", "CallTimeoutMs", timeout, "milliseconds (0 = none)");
  }
  return c;
}

Ostrel* Ostrel::Instance() {
  std::lock_guard<std::mutex> lock(g_instance_mutex);
  // Never deleted but by Shutdown(): callback objects may outlive main().
  if (!g_instance) g_instance = new Ostrel();
  return g_instance;
}

void Ostrel::Shutdown() {
  std::lock_guard<std::mutex> lock(g_instance_mutex);
  delete g_instance;
  g_instance = nullptr;
}

Ostrel::Ostrel() : config_(RuntimeConfig::Load()) {
  orb_ = orb_binding::InitClientOrb(config_.call_timeout_ms);
  SetToken(access::AccessToken::_nil());
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
    orb_->destroy();
  } catch (CORBA::Exception&) {
    // Nothing to do at the end of the process.
  }
}

void Ostrel::SetEndpoint(std::string const& host, int port) {
  std::lock_guard<std::mutex> lock(mutex_);
  config_.host = host;
  config_.port = port;
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
    std::string url = orb_binding::ObjectUrl(config_.host, config_.port, name);
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

void Ostrel::Login() { Login(config_.user, config_.password); }

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
                            L"DomainException", e.domainException().memberName.in(),
                            VException::kDomain, true);
    default:
      return new VException(L"", L"", L"", VException::kUnknown, true);
  }
}

}  // namespace base
}  // namespace ostrel
