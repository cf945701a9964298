// WireTexts<Struct>: which string members of a wire struct hold a date, a
// fixed-point number or a time stamp, and which members are structs (or
// sequences of structs) to look into. Declared once per struct, beside its
// record layout in the header the library and the reference server share;
// the server checks every struct it receives by it (ForEachText).
//
//   template <>
//   struct WireTexts<tax::TaxStruct> {
//     static constexpr auto kMembers = std::make_tuple(
//         wire::Nested<&tax::TaxStruct::objectStruct>{"objectStruct"},
//         wire::Date<&tax::TaxStruct::dateOfBirth>{"dateOfBirth"},
//         wire::Fixed<&tax::TaxStruct::allowance>{"allowance"});
//   };
//
// A struct with no such member declares an empty tuple. A struct that is
// walked without a declaration does not compile, so no received struct is
// left out by accident.
#ifndef OSTREL_LAYOUT_WIRE_TEXTS_H_
#define OSTREL_LAYOUT_WIRE_TEXTS_H_

#include <string>
#include <tuple>
#include <type_traits>

#include "personnel.hh"
#include "serverbase.hh"

namespace ostrel {

enum class TextKind {
  kDate,       // "YYYY-MM-DD"; "" or "0000-00-00" for no value
  kFixed,      // "-12.50": optional '-', digits, optional '.' and digits; "" for no value
  kTimestamp,  // "YYYY-MM-DDTHH:MM:SS" with an optional fraction; "" for no value
};

// The entries of a declaration.
namespace wire {

template <auto M>
struct Date {
  static constexpr TextKind kKind = TextKind::kDate;
  char const* name;
};
template <auto M>
struct Fixed {
  static constexpr TextKind kKind = TextKind::kFixed;
  char const* name;
};
template <auto M>
struct Timestamp {
  static constexpr TextKind kKind = TextKind::kTimestamp;
  char const* name;
};
// A member that is a struct with a declaration of its own.
template <auto M>
struct Nested {
  char const* name;
};
// A member that is a sequence of such structs.
template <auto M>
struct NestedSeq {
  char const* name;
};

}  // namespace wire

template <class Struct>
struct WireTexts;  // declared per struct; see the top of this file

// The shared types every record carries.
template <>
struct WireTexts<com::ostrel::serverbase::query::ObjectStruct> {
  using S = com::ostrel::serverbase::query::ObjectStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Timestamp<&S::timestamp>{"timestamp"});
};
template <>
struct WireTexts<com::ostrel::personnel::framework::basictypes::TimePeriodStruct> {
  using S = com::ostrel::personnel::framework::basictypes::TimePeriodStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::effectiveFrom>{"effectiveFrom"},
                      wire::Date<&S::effectiveUntil>{"effectiveUntil"},
                      wire::Date<&S::internalValidFrom>{"internalValidFrom"},
                      wire::Date<&S::validUntil>{"validUntil"});
};

namespace wire_texts_detail {

template <class T>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using type = T;
};

template <class E>
struct Traits;  // for each kind of entry: how to walk, grow and count it

}  // namespace wire_texts_detail

// Calls visit(path, kind, member) for every declared text member of `s`, in
// declaration order, through nested structs and sequences; `member` is the
// string member (writable when `s` is), the path names it from `s` on
// ("history.effectiveFrom", "payments[2].amount").
template <class Struct, class Visit>
void ForEachText(Struct& s, Visit&& visit, std::string const& prefix = "") {
  std::apply(
      [&](auto const&... entry) {
        (wire_texts_detail::Traits<std::decay_t<decltype(entry)>>::Walk(s, prefix, visit,
                                                                        entry.name),
         ...);
      },
      WireTexts<std::remove_const_t<Struct>>::kMembers);
}

// Gives every declared sequence of `s` (and of what it nests) one
// value-initialised element, so that a walk reaches every declared member.
template <class Struct>
void GrowSequences(Struct& s) {
  std::apply(
      [&](auto const&... entry) {
        (wire_texts_detail::Traits<std::decay_t<decltype(entry)>>::Grow(s), ...);
      },
      WireTexts<Struct>::kMembers);
}

// The number of text members a struct declares, nested structs included
// (a sequence counts its element's members once).
template <class Struct>
int CountTexts() {
  return std::apply(
      [](auto const&... entry) {
        return (0 + ... + wire_texts_detail::Traits<std::decay_t<decltype(entry)>>::Count());
      },
      WireTexts<Struct>::kMembers);
}

namespace wire_texts_detail {

inline std::string Join(std::string const& prefix, char const* name) {
  return prefix.empty() ? std::string(name) : prefix + "." + name;
}

template <auto M, TextKind K>
struct TextTraits {
  template <class Struct, class Visit>
  static void Walk(Struct& s, std::string const& path, Visit& visit, char const* name) {
    visit(Join(path, name), K, s.*M);
  }
  template <class Struct>
  static void Grow(Struct&) {}
  static int Count() { return 1; }
};
template <auto M>
struct Traits<wire::Date<M>> : TextTraits<M, TextKind::kDate> {};
template <auto M>
struct Traits<wire::Fixed<M>> : TextTraits<M, TextKind::kFixed> {};
template <auto M>
struct Traits<wire::Timestamp<M>> : TextTraits<M, TextKind::kTimestamp> {};

template <auto M>
struct Traits<wire::Nested<M>> {
  using Member = typename MemberOf<decltype(M)>::type;
  template <class Struct, class Visit>
  static void Walk(Struct& s, std::string const& path, Visit& visit, char const* name) {
    ForEachText(s.*M, visit, Join(path, name));
  }
  template <class Struct>
  static void Grow(Struct& s) {
    GrowSequences(s.*M);
  }
  static int Count() { return CountTexts<Member>(); }
};

template <auto M>
struct Traits<wire::NestedSeq<M>> {
  using Seq = typename MemberOf<decltype(M)>::type;
  using Element = std::decay_t<decltype(std::declval<Seq&>()[0])>;
  template <class Struct, class Visit>
  static void Walk(Struct& s, std::string const& path, Visit& visit, char const* name) {
    auto& seq = s.*M;
    for (CORBA::ULong i = 0; i < seq.length(); ++i) {
      ForEachText(seq[i], visit, Join(path, name) + "[" + std::to_string(i) + "]");
    }
  }
  template <class Struct>
  static void Grow(Struct& s) {
    auto& seq = s.*M;
    if (seq.length() == 0) {
      seq.length(1);
      seq[0] = Element{};
    }
    for (CORBA::ULong i = 0; i < seq.length(); ++i) GrowSequences(seq[i]);
  }
  static int Count() { return CountTexts<Element>(); }
};

}  // namespace wire_texts_detail

}  // namespace ostrel

#endif  // OSTREL_LAYOUT_WIRE_TEXTS_H_
