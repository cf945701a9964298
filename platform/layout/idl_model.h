// What the IDL says about a struct, a union or an interface, as compile-time
// data. The declarations are generated from the IDL at build time
// (<file>_idl.h beside the stubs, by cmake/ostrel_idl_gen.py); this header
// holds only their shapes and the walks over them.
//
//   Fields<S>::kMembers        every member of struct S in wire order:
//                              idl::Field<&S::m, Kind, enumerators, element kind>{"m", position}
//   Fields<U>::kMembers        every case of union U: idl::Case<Access, Kind, ...>{"m", index}
//   ops::<Interface>::<op>     one operation: kName, kParams (token included),
//                              kParamCount, kResult, kStub (the stub's member
//                              function)
//   ops::<Interface>::kOperations, kOperationCount, All
//                              every operation of the interface, as runtime
//                              descriptors and as a tuple of the types above
#ifndef OSTREL_LAYOUT_IDL_MODEL_H_
#define OSTREL_LAYOUT_IDL_MODEL_H_

#include <tuple>
#include <type_traits>
#include <utility>

namespace ostrel {
namespace idl {

// What a member, parameter or result is. Texts are told apart by their
// typedef (DateText, FixedText, StampText); any other string is kString.
enum class Kind {
  kVoid,
  kString,
  kDate,
  kFixed,
  kStamp,
  kWString,
  kLong,
  kBoolean,
  kEnum,
  kStruct,
  kUnion,
  kSequence,
  kObject,  // an object reference (the access token, a callback)
  kOther,   // a type no record kind uses (octet, double, ...)
};

constexpr bool IsText(Kind k) { return k == Kind::kDate || k == Kind::kFixed || k == Kind::kStamp; }

enum class Dir { kIn, kOut, kInOut };

struct Param {
  char const* name;
  Dir dir;
  Kind kind;
};

struct Operation {
  char const* name;
  Kind result;
  Param const* params;  // the access token first, where the operation takes one
  int param_count;
};

template <class Op>
constexpr Operation Describe() {
  return Operation{Op::kName, Op::kResult, Op::kParams, Op::kParamCount};
}

// One struct member. For a sequence, Element is the kind of its elements
// and kEnumerators counts those of an enum element.
template <auto M, Kind K, int kEnumeratorCount, Kind Element>
struct Field;

template <class S, class T, T S::*M, Kind K, int kEnumeratorCount, Kind Element>
struct Field<M, K, kEnumeratorCount, Element> {
  using Struct = S;
  using Type = T;
  static constexpr auto kMember = M;
  static constexpr Kind kKind = K;
  static constexpr Kind kElement = Element;
  static constexpr int kEnumerators = kEnumeratorCount;
  static T& Of(S& s) { return s.*M; }
  static T const& Of(S const& s) { return s.*M; }
  char const* name;
  int position;
};

// One union case; Access has Selected(u), Select(u) (with a value-initialised
// member) and Get(u).
template <class Access, Kind K, int kEnumeratorCount, Kind Element>
struct Case {
  static constexpr Kind kKind = K;
  static constexpr Kind kElement = Element;
  static constexpr int kEnumerators = kEnumeratorCount;
  template <class U>
  static bool Selected(U const& u) {
    return Access::Selected(u);
  }
  template <class U>
  static void Select(U& u) {
    Access::Select(u);
  }
  template <class U>
  static auto& Of(U& u) {
    return Access::Get(u);
  }
  char const* name;
  int position;
};

}  // namespace idl

template <class StructOrUnion>
struct Fields;  // generated per struct and union

// Calls visit(entry) for every member of S (every case of a union), in wire
// order; entry is an idl::Field or idl::Case.
template <class S, class Visit>
void ForEachField(Visit&& visit) {
  std::apply([&](auto const&... entry) { (visit(entry), ...); }, Fields<S>::kMembers);
}

template <class S>
constexpr int FieldCount() {
  return static_cast<int>(std::tuple_size_v<std::decay_t<decltype(Fields<S>::kMembers)>>);
}

}  // namespace ostrel

#endif  // OSTREL_LAYOUT_IDL_MODEL_H_
