#include "session.h"

#include <utility>

#include "new_servant.h"
#include "text.h"

namespace ostrel::server {
namespace {

namespace access = com::ostrel::serverbase::access;
namespace ax = com::ostrel::serverbase::applicationexception;

class AccessTokenImpl : public POA_com::ostrel::serverbase::access::AccessToken {
 public:
  explicit AccessTokenImpl(std::wstring user) : user_(std::move(user)) {}
  CORBA::WChar* getUserId() override { return CORBA::wstring_dup(user_.c_str()); }

 private:
  const std::wstring user_;
};

bool Accepted(const std::wstring& user, const std::wstring& password) {
  static const std::pair<const wchar_t*, const wchar_t*> kUsers[] = {
      {L"demo", L"demo"}, {L"test", L"test"}, {L"bench", L"bench"}};
  for (const auto& [u, p] : kUsers) {
    if (user == u && password == p) return true;
  }
  return false;
}

}  // namespace

Sessions::Sessions(PortableServer::POA_ptr root) {
  CORBA::PolicyList policies;
  policies.length(2);
  policies[0] = root->create_id_assignment_policy(PortableServer::USER_ID);
  policies[1] = root->create_lifespan_policy(PortableServer::TRANSIENT);
  PortableServer::POAManager_var manager = root->the_POAManager();
  poa_ = root->create_POA("AccessTokens", manager, policies);
  for (CORBA::ULong i = 0; i < policies.length(); ++i) policies[i]->destroy();
}

AccessToken_ptr Sessions::Login(const std::wstring& user, const std::wstring& password) {
  if (!Accepted(user, password)) {
    throw ax::AccessDeniedException(Widen("login refused for user '" + Narrow(user) + "'").c_str());
  }
  std::string id;
  {
    std::lock_guard<std::mutex> lock(mu_);
    id = "token-" + std::to_string(++next_);
    users_.emplace(id, user);
  }
  PortableServer::ObjectId_var oid = PortableServer::string_to_ObjectId(id.c_str());
  auto* servant = NewServant<AccessTokenImpl>(user);
  poa_->activate_object_with_id(oid, servant);
  servant->_remove_ref();  // the POA owns it now
  CORBA::Object_var ref = poa_->id_to_reference(oid);
  return access::AccessToken::_narrow(ref);
}

void Sessions::Logout(AccessToken_ptr token) {
  std::string id;
  std::wstring user;
  if (!Lookup(token, id, user)) return;
  {
    std::lock_guard<std::mutex> lock(mu_);
    users_.erase(id);
  }
  try {
    PortableServer::ObjectId_var oid = PortableServer::string_to_ObjectId(id.c_str());
    poa_->deactivate_object(oid);
  } catch (const PortableServer::POA::ObjectNotActive&) {
    // a concurrent logout got there first
  }
}

std::wstring Sessions::Check(AccessToken_ptr token) const {
  std::string id;
  std::wstring user;
  if (!Lookup(token, id, user)) {
    throw ax::AccessDeniedException(L"access denied: no valid access token");
  }
  return user;
}

bool Sessions::Lookup(AccessToken_ptr token, std::string& id, std::wstring& user) const {
  if (CORBA::is_nil(token)) return false;
  try {
    PortableServer::ObjectId_var oid = poa_->reference_to_id(token);
    CORBA::String_var text = PortableServer::ObjectId_to_string(oid);
    id = text.in();
  } catch (const PortableServer::POA::WrongAdapter&) {
    return false;  // not one of our tokens
  } catch (const CORBA::Exception&) {
    return false;
  }
  std::lock_guard<std::mutex> lock(mu_);
  auto it = users_.find(id);
  if (it == users_.end()) return false;
  user = it->second;
  return true;
}

AccessToken_ptr LoginServantImpl::login(const CORBA::WChar* user, const CORBA::WChar* password) {
  return sessions_.Login(user, password);
}

void LoginServantImpl::logout(AccessToken_ptr token) { sessions_.Logout(token); }

}  // namespace ostrel::server
