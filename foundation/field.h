// Conversions between wire fields and the types accessors use, so that every
// accessor of a record kind is one line:
//
//   base::VDate GetDueDate() const { return field::Date(Value().dueDate); }
//   void SetDueDate(base::VDate const& v) { field::Set(Value().dueDate, v); }
//
// Getters are named after what they read (a text member may hold a date, a
// number or plain text); setters are one overload set chosen by the value.
#ifndef OSTREL_FOUNDATION_FIELD_H_
#define OSTREL_FOUNDATION_FIELD_H_

#include <string>
#include <type_traits>

#include "ostrel.h"
#include "string_converter.h"
#include "vdate.h"
#include "vfixed.h"
#include "vstring.h"

namespace ostrel {
namespace field {

// Dates and fixed-point numbers travel as text; a text that does not parse
// reads as the undefined date or the empty number, never as an error.
inline base::VDate Date(char const* text) { return base::VDate(text); }
inline base::VFixed Fixed(char const* text) { return base::VFixed(text); }
inline std::string Text(char const* text) { return std::string(text); }
// Wide text travels as UTF-16 code units; characters outside the Basic
// Multilingual Plane arrive as surrogate pairs and are joined here.
inline std::wstring Wide(CORBA::WChar const* text) {
  return base::StringConverter::JoinSurrogates(text);
}
// Numbers: the wire's 32-bit long widens to the accessors' long.
inline long Long(CORBA::Long v) { return v; }

// Setters. Dates and numbers go as their wire text.
inline void Set(CORBA::String_member& m, base::VDate const& d) { m = d.ToIdl().c_str(); }
inline void Set(CORBA::String_member& m, base::VFixed const& v) { m = v.ToIdl().c_str(); }
inline void Set(CORBA::String_member& m, std::string const& v) { m = v.c_str(); }
inline void Set(CORBA::String_member& m, char const* v) { m = v; }
// Wide text: split into UTF-16 code units on the way out, like every wide
// field, so that text outside the Basic Multilingual Plane survives.
inline void Set(CORBA::WString_member& m, std::wstring const& v) {
  m = base::StringConverter::SplitNonBmp(v).c_str();
}
inline void Set(CORBA::WString_member& m, base::VString const& v) { Set(m, v.str()); }
// Flags, enums and numbers.
template <class Member, class V,
          class = std::enable_if_t<std::is_arithmetic_v<V> || std::is_enum_v<V>>>
void Set(Member& m, V v) {
  m = static_cast<Member>(v);
}

}  // namespace field
}  // namespace ostrel

#endif  // OSTREL_FOUNDATION_FIELD_H_
