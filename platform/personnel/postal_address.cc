#include "postal_address.h"

namespace ostrel {
namespace personnel {

PostalAddress::PostalAddress() { MakeBoCopy(); }

PostalAddress::PostalAddress(StructType const& s) : BO(s) { MakeBoCopy(); }

PostalAddress::PostalAddress(PostalAddress const& o) : BO(o) { MakeBoCopy(); }

std::wstring PostalAddress::GetStreet() const { return std::wstring(Value().street.in()); }
std::string PostalAddress::GetStreetNumber() const {
  return std::string(Value().streetNumber.in());
}
std::string PostalAddress::GetPostalCode() const { return std::string(Value().postalCode.in()); }
std::wstring PostalAddress::GetDomicile() const { return std::wstring(Value().domicile.in()); }
std::string PostalAddress::GetOidState() const { return std::string(Value().oidState.in()); }
std::wstring PostalAddress::GetAddressAddendum() const {
  return std::wstring(Value().addressAddendum.in());
}

void PostalAddress::SetStreet(std::wstring const& v) { Value().street = v.c_str(); }
void PostalAddress::SetStreetNumber(std::string const& v) { Value().streetNumber = v.c_str(); }
void PostalAddress::SetPostalCode(std::string const& v) { Value().postalCode = v.c_str(); }
void PostalAddress::SetDomicile(std::wstring const& v) { Value().domicile = v.c_str(); }
void PostalAddress::SetOidState(std::string const& v) { Value().oidState = v.c_str(); }
void PostalAddress::SetAddressAddendum(std::wstring const& v) {
  Value().addressAddendum = v.c_str();
}

}  // namespace personnel
}  // namespace ostrel
