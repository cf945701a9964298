// Conversions between wire fields and the types accessors use.
#ifndef OSTREL_FOUNDATION_FIELD_H_
#define OSTREL_FOUNDATION_FIELD_H_

#include <string>

#include "string_converter.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {
namespace field {

// Dates and fixed-point numbers travel as text; a text that does not parse
// reads as the undefined date or the empty number, never as an error.
inline base::VDate Date(char const* text) { return base::VDate(text); }
inline base::VFixed Fixed(char const* text) { return base::VFixed(text); }
inline std::string Text(char const* text) { return std::string(text); }
// Wide text travels as UTF-16 code units (see StringConverter::SplitNonBmp).
inline std::wstring Wide(wchar_t const* text) {
  return base::StringConverter::JoinSurrogates(text);
}

template <class Member>
void SetDate(Member& m, base::VDate const& d) {
  m = d.ToIdl().c_str();
}
// The display text instead of the wire text, for the few fields that take it.
template <class Member>
void SetDateText(Member& m, base::VDate const& d) {
  m = d.c_str();
}
template <class Member>
void SetFixed(Member& m, base::VFixed const& v) {
  m = v.ToIdl().c_str();
}
template <class Member>
void SetText(Member& m, std::string const& v) {
  m = v.c_str();
}
template <class Member>
void SetWide(Member& m, std::wstring const& v) {
  m = base::StringConverter::SplitNonBmp(v).c_str();
}

}  // namespace field
}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_FIELD_H_
