#include "vstring.h"

#include <utility>

#include "string_converter.h"

namespace ostrel {
namespace base {

VString::VString(wchar_t const* text) : text_(StringConverter::JoinSurrogates(text)) {
  utf8_ = StringConverter::Convert(text_);
}

VString::VString(std::wstring text) : text_(std::move(text)) {
  utf8_ = StringConverter::Convert(text_);
}

VString::VString(char const* utf8) : VString(utf8 == nullptr ? std::string() : std::string(utf8)) {}

// The wide text is converted back so that c_str() shows ill-formed input as
// U+FFFD, just as wc_str() does.
VString::VString(std::string const& utf8) : text_(StringConverter::ToWide(utf8)) {
  utf8_ = StringConverter::Convert(text_);
}

}  // namespace base
}  // namespace ostrel
