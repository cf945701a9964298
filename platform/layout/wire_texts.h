// WireTexts<Struct>: which string members of a wire struct hold a date, a
// fixed-point number or a time stamp, and which members are structs,
// sequences of structs or unions to look into. The declarations are
// generated from the IDL (<file>_idl.h, by cmake/ostrel_idl_gen.py), where
// such a member is declared DateText, FixedText or StampText; the library
// and the reference server read the same ones, and the server checks every
// struct it receives by them (ForEachText). A generated declaration reads:
//
//   template <>
//   struct WireTexts<tax::TaxStruct> {
//     using S = tax::TaxStruct;
//     static constexpr auto kMembers = std::make_tuple(
//         wire::Nested<&S::objectStruct>{"objectStruct"},
//         wire::Date<&S::dateOfBirth>{"dateOfBirth"},
//         wire::Fixed<&S::allowance>{"allowance"});
//   };
//
// A union declares its cases that hold texts: a walk enters the case that
// is selected, and names it in the path ("employment.dbt.dbt.dateOfApplication").
#ifndef OSTREL_LAYOUT_WIRE_TEXTS_H_
#define OSTREL_LAYOUT_WIRE_TEXTS_H_

#include <string>
#include <tuple>
#include <type_traits>

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
// A case of a union: a struct (or union), or a sequence of structs. Access
// has Selected(u), Select(u) and Get(u).
template <class Access>
struct CaseNested {
  char const* name;
};
template <class Access>
struct CaseNestedSeq {
  char const* name;
};

}  // namespace wire

template <class Struct>
struct WireTexts;  // declared per struct; see the top of this file

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
// (a sequence counts its element's members once, a union every case's).
template <class Struct>
int CountTexts() {
  return std::apply(
      [](auto const&... entry) {
        return (
            0 + ... +
            wire_texts_detail::Traits<std::decay_t<decltype(entry)>>::template CountIn<Struct>());
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
  template <class S>
  static int CountIn() {
    return 1;
  }
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
  template <class S>
  static int CountIn() {
    return CountTexts<Member>();
  }
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
  template <class S>
  static int CountIn() {
    return CountTexts<Element>();
  }
};

template <class A>
struct Traits<wire::CaseNested<A>> {
  template <class U, class Visit>
  static void Walk(U& u, std::string const& path, Visit& visit, char const* name) {
    if (A::Selected(u)) ForEachText(A::Get(u), visit, Join(path, name));
  }
  template <class U>
  static void Grow(U& u) {
    if (!A::Selected(u)) A::Select(u);
    GrowSequences(A::Get(u));
  }
  template <class U>
  static int CountIn() {
    using Member = std::decay_t<decltype(A::Get(std::declval<U&>()))>;
    return CountTexts<Member>();
  }
};

template <class A>
struct Traits<wire::CaseNestedSeq<A>> {
  template <class U, class Visit>
  static void Walk(U& u, std::string const& path, Visit& visit, char const* name) {
    if (!A::Selected(u)) return;
    auto& seq = A::Get(u);
    for (CORBA::ULong i = 0; i < seq.length(); ++i) {
      ForEachText(seq[i], visit, Join(path, name) + "[" + std::to_string(i) + "]");
    }
  }
  template <class U>
  static void Grow(U& u) {
    if (!A::Selected(u)) A::Select(u);
    auto& seq = A::Get(u);
    if (seq.length() == 0) seq.length(1);
    for (CORBA::ULong i = 0; i < seq.length(); ++i) GrowSequences(seq[i]);
  }
  template <class U>
  static int CountIn() {
    using Seq = std::decay_t<decltype(A::Get(std::declval<U&>()))>;
    return CountTexts<std::decay_t<decltype(std::declval<Seq&>()[0])>>();
  }
};

}  // namespace wire_texts_detail

}  // namespace ostrel

#endif  // OSTREL_LAYOUT_WIRE_TEXTS_H_
