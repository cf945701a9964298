#include "personnel_error.h"

namespace ostrel {
namespace personnel {

Error::Error() {
  Value().errorCode = 0;
  MakeBoCopy();
}

Error::Error(StructType const& s) : BO(s) { MakeBoCopy(); }

Error::Error(Error const& o) : BO(o) { MakeBoCopy(); }

long Error::GetErrorCode() const { return Value().errorCode; }
std::wstring Error::GetMessage() const { return std::wstring(Value().message.in()); }
std::string Error::GetAttributeName() const { return std::string(Value().attributeName.in()); }

void Error::SetErrorCode(long v) { Value().errorCode = v; }
void Error::SetMessage(std::wstring const& v) { Value().message = v.c_str(); }
void Error::SetAttributeName(std::string const& v) { Value().attributeName = v.c_str(); }

}  // namespace personnel
}  // namespace ostrel
