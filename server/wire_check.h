// The one check of every text a servant receives that holds a date, a
// fixed-point number or a time stamp: struct members by their declaration
// (WireTexts, in the header each kind shares with the library) and plain
// arguments named at the call. Only the wire format is read:
//   date         "YYYY-MM-DD" (a calendar date), "" or "0000-00-00" for none
//   fixed point  an optional '-', digits, optionally '.' and digits; ""
//   time stamp   "YYYY-MM-DDTHH:MM:SS" with an optional fraction of 1 to 6
//                digits; ""
// Anything else (a display date "31.12.2099", a decimal comma "12,50",
// grouping, blanks) raises DomainException naming the operation, the member
// and the text, before anything is stored.
#ifndef OSTREL_SERVER_WIRE_CHECK_H_
#define OSTREL_SERVER_WIRE_CHECK_H_

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "wire_texts.h"

namespace ostrel::server {

bool IsWireText(TextKind kind, std::string_view text);

// Raises DomainException: "<operation>: <member> '<text>' is not a <kind> ...".
[[noreturn]] void RefuseText(const char* operation, const std::string& member, TextKind kind,
                             std::string_view text);

inline void CheckText(const char* operation, const std::string& member, TextKind kind,
                      const char* text) {
  const std::string_view t = text ? text : "";
  if (!IsWireText(kind, t)) RefuseText(operation, member, kind, t);
}

// A plain argument that holds a date or a fixed-point number.
struct DateArg {
  const char* name;
  const char* text;
};
struct FixedArg {
  const char* name;
  const char* text;
};

inline void CheckReceived(const char* operation, const DateArg& a) {
  CheckText(operation, a.name, TextKind::kDate, a.text);
}
inline void CheckReceived(const char* operation, const FixedArg& a) {
  CheckText(operation, a.name, TextKind::kFixed, a.text);
}

namespace wire_check_detail {
template <class T, class = void>
struct IsSequence : std::false_type {};
template <class T>
struct IsSequence<T, std::void_t<decltype(std::declval<const T&>().length())>> : std::true_type {};
}  // namespace wire_check_detail

// A received struct, or a sequence of them (paths "[i].member").
template <class T>
void CheckReceived(const char* operation, const T& received, const std::string& prefix = "") {
  if constexpr (wire_check_detail::IsSequence<T>::value) {
    for (CORBA::ULong i = 0; i < received.length(); ++i) {
      CheckReceived(operation, received[i], prefix + "[" + std::to_string(i) + "]");
    }
  } else {
    ForEachText(
        received,
        [operation](const std::string& member, TextKind kind, const char* text) {
          CheckText(operation, member, kind, text);
        },
        prefix);
  }
}

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_WIRE_CHECK_H_
