// Contact: one logged contact with an employee.
#ifndef OSTREL_PERSONNEL_CONTACT_H_
#define OSTREL_PERSONNEL_CONTACT_H_

#include <string>

#include "bo.h"
#include "personnel.hh"
#include "vdate.h"

namespace ostrel {
namespace personnel {

// A default Contact is all empty (its date is the empty text). Every
// constructor takes the saved value, so ResetBo() returns to the constructed
// state.
class Contact : public base::BO<com::ostrel::personnel::framework::basictypes::ContactStruct> {
 public:
  Contact();
  explicit Contact(StructType const& s);
  Contact(Contact const& o);
  Contact& operator=(Contact const&) = default;

  base::VDate GetContactDate() const;
  std::wstring GetContactPerson() const;
  std::wstring GetSubject() const;
  std::wstring GetText() const;

  void SetContactDate(base::VDate const& v);
  void SetContactPerson(std::wstring const& v);
  void SetSubject(std::wstring const& v);
  void SetText(std::wstring const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_CONTACT_H_
