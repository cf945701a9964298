// Communication: the ways to reach a person.
#ifndef OSTREL_PERSONNEL_COMMUNICATION_H_
#define OSTREL_PERSONNEL_COMMUNICATION_H_

#include <string>

#include "bo.h"
#include "personnel.hh"

namespace ostrel {
namespace personnel {

// A default Communication is all empty. Every constructor takes the saved
// value, so ResetBo() returns to the constructed state.
class Communication
    : public base::BO<com::ostrel::personnel::framework::basictypes::CommunicationStruct> {
 public:
  Communication();
  explicit Communication(StructType const& s);
  Communication(Communication const& o);
  Communication& operator=(Communication const&) = default;

  std::string GetPhone() const;
  std::string GetMobile() const;
  std::string GetFax() const;
  std::string GetEmail() const;
  std::string GetHomepage() const;

  void SetPhone(std::string const& v);
  void SetMobile(std::string const& v);
  void SetFax(std::string const& v);
  void SetEmail(std::string const& v);
  void SetHomepage(std::string const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_COMMUNICATION_H_
