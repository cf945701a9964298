#include "communication.h"

namespace ostrel {
namespace personnel {

Communication::Communication() { MakeBoCopy(); }

Communication::Communication(StructType const& s) : BO(s) { MakeBoCopy(); }

Communication::Communication(Communication const& o) : BO(o) { MakeBoCopy(); }

std::string Communication::GetPhone() const { return std::string(Value().phone.in()); }
std::string Communication::GetMobile() const { return std::string(Value().mobile.in()); }
std::string Communication::GetFax() const { return std::string(Value().fax.in()); }
std::string Communication::GetEmail() const { return std::string(Value().email.in()); }
std::string Communication::GetHomepage() const { return std::string(Value().homepage.in()); }

void Communication::SetPhone(std::string const& v) { Value().phone = v.c_str(); }
void Communication::SetMobile(std::string const& v) { Value().mobile = v.c_str(); }
void Communication::SetFax(std::string const& v) { Value().fax = v.c_str(); }
void Communication::SetEmail(std::string const& v) { Value().email = v.c_str(); }
void Communication::SetHomepage(std::string const& v) { Value().homepage = v.c_str(); }

}  // namespace personnel
}  // namespace ostrel
