// PostalAddress: a postal address held inside a record.
#ifndef OSTREL_PERSONNEL_POSTAL_ADDRESS_H_
#define OSTREL_PERSONNEL_POSTAL_ADDRESS_H_

#include <string>

#include "bo.h"
#include "personnel.hh"

namespace ostrel {
namespace personnel {

// A default PostalAddress is all empty. Every constructor takes the saved
// value, so ResetBo() returns to the constructed state.
class PostalAddress
    : public base::BO<com::ostrel::personnel::framework::basictypes::PostalAddressStruct> {
 public:
  PostalAddress();
  explicit PostalAddress(StructType const& s);
  PostalAddress(PostalAddress const& o);
  PostalAddress& operator=(PostalAddress const&) = default;

  std::wstring GetStreet() const;
  std::string GetStreetNumber() const;
  std::string GetPostalCode() const;
  std::wstring GetDomicile() const;
  std::string GetOidState() const;
  std::wstring GetAddressAddendum() const;

  void SetStreet(std::wstring const& v);
  void SetStreetNumber(std::string const& v);
  void SetPostalCode(std::string const& v);
  void SetDomicile(std::wstring const& v);
  void SetOidState(std::string const& v);
  void SetAddressAddendum(std::wstring const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_POSTAL_ADDRESS_H_
