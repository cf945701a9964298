// Error: one finding of the server's checks, delivered with a record.
#ifndef OSTREL_PERSONNEL_PERSONNEL_ERROR_H_
#define OSTREL_PERSONNEL_PERSONNEL_ERROR_H_

#include <string>

#include "bo.h"
#include "personnel.hh"

namespace ostrel {
namespace personnel {

// A default Error has code 0 and empty texts. Every constructor takes the
// saved value, so ResetBo() returns to the constructed state.
class Error : public base::BO<com::ostrel::personnel::framework::basictypes::ErrorStruct> {
 public:
  Error();
  explicit Error(StructType const& s);
  Error(Error const& o);
  Error& operator=(Error const&) = default;

  long GetErrorCode() const;
  std::wstring GetMessage() const;
  // Member name of the field the finding refers to; empty for the whole
  // record.
  std::string GetAttributeName() const;

  void SetErrorCode(long v);
  void SetMessage(std::wstring const& v);
  void SetAttributeName(std::string const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_PERSONNEL_ERROR_H_
