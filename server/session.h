// Login, access tokens and the token check of every servant operation.
#ifndef OSTREL_SERVER_SESSION_H_
#define OSTREL_SERVER_SESSION_H_

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "serverbase.hh"

namespace ostrel::server {

using com::ostrel::serverbase::access::AccessToken_ptr;

// The logged-in sessions. Each token is an object of a POA of its own, so
// that reference_to_id tells our tokens from foreign objects.
class Sessions {
 public:
  explicit Sessions(PortableServer::POA_ptr root);

  // Raises AccessDeniedException for unknown users and wrong passwords.
  AccessToken_ptr Login(const std::wstring& user, const std::wstring& password);
  // Unknown, foreign and nil tokens are ignored.
  void Logout(AccessToken_ptr token);
  // The user of a valid token; AccessDeniedException for a nil, foreign or
  // logged-out token.
  std::wstring Check(AccessToken_ptr token) const;

 private:
  bool Lookup(AccessToken_ptr token, std::string& id, std::wstring& user) const;

  PortableServer::POA_var poa_;
  mutable std::mutex mu_;
  std::map<std::string, std::wstring> users_;  // token object id -> user
  std::uint64_t next_ = 0;
};

class LoginServantImpl : public POA_com::ostrel::serverbase::access::LoginServant {
 public:
  explicit LoginServantImpl(Sessions& sessions) : sessions_(sessions) {}
  AccessToken_ptr login(const CORBA::WChar* user, const CORBA::WChar* password) override;
  void logout(AccessToken_ptr token) override;

 private:
  Sessions& sessions_;
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_SESSION_H_
