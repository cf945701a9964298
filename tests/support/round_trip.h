// Wire-order proof for record structs.
//
// A WireTable lists a struct's fields by their number in the field table
// (the wire order), each with its setter and getter on the business object.
// Every field gets a value derived from its number and a round, so that no
// two fields of one type hold the same value:
//   - texts "f<number>r<round>", wide texts the same with a few non-ASCII
//     characters, numbers number * 100 + round, dates and amounts likewise
//     distinct;
//   - flags and enums (which have only few values) a bit pattern over the
//     rounds: in round r < kBits bit r of the number, in the rounds after
//     that its complement. Two fields of different numbers differ in some
//     round, and every flag is both true and false once.
// Each round fills the object, sends it through the server and checks the
// answer twice:
//   - every getter returns its own field's value (accessors and the trip);
//   - reading the answer's CDR encoding field by field, in table order,
//     finds each field's value at its own position and nothing after the
//     last field (the IDL's member order against the table).
// Two fields of one type swapped in the IDL or in the accessors put a value
// at the wrong position and fail the second check.
#ifndef OSTREL_TESTS_SUPPORT_ROUND_TRIP_H_
#define OSTREL_TESTS_SUPPORT_ROUND_TRIP_H_

#include <gtest/gtest.h>
#include <omniORB4/CORBA.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "vdate.h"
#include "vfixed.h"

namespace ostrel {
namespace testing {

// A field's value as it travels: text, wide text, a 32-bit number (enums
// as their ordinal) or a flag.
using WireValue = std::variant<std::string, std::wstring, long, bool>;

enum class WireType { kString, kWString, kLong, kBoolean, kEnum, kOptional, kSkip };

inline std::string Show(WireValue const& v) {
  std::ostringstream out;
  switch (v.index()) {
    case 0:
      out << '"' << std::get<0>(v) << '"';
      break;
    case 1:
      out << "L\"" << std::string(std::get<1>(v).begin(), std::get<1>(v).end()) << '"';
      break;
    case 2:
      out << std::get<2>(v);
      break;
    default:
      out << (std::get<3>(v) ? "true" : "false");
  }
  return out.str();
}

// Values by field number and round.
struct WireValues {
  static constexpr int kBits = 8;  // field numbers below 256
  static constexpr int kRounds = 2 * kBits;

  static bool Bit(int number, int round) {
    return round < kBits ? ((number >> round) & 1) != 0 : ((number >> (round - kBits)) & 1) == 0;
  }
  static std::string Text(int number, int round) {
    return "f" + std::to_string(number) + "r" + std::to_string(round);
  }
  static std::wstring Wide(int number, int round) {
    return L"f" + std::to_wstring(number) + L"r" + std::to_wstring(round) + L"\u00e4\u00df\u20ac";
  }
  static long Number(int number, int round) { return number * 100L + round; }
  static base::VDate Date(int number, int round) {
    return base::VDate(1, 0, 1990).AddDays(number * 40 + round);
  }
  static base::VFixed Fixed(int number, int round) {
    return base::VFixed(std::to_string(number) + "." + (round < 9 ? "0" : "") +
                        std::to_string(round + 1));
  }
};

// One row of a WireTable over business object Part (or filter Part).
template <class Part>
struct WireField {
  WireField() = default;
  // A field of a base class (a generated accessor mixin) serves the part.
  template <class Base,
            class = std::enable_if_t<std::is_base_of_v<Base, Part> && !std::is_same_v<Base, Part>>>
  WireField(WireField<Base> const& b)  // NOLINT: implicit on purpose
      : number(b.number), type(b.type), value(b.value), skip(b.skip) {
    if (b.set) set = b.set;
    if (b.get) get = b.get;
  }

  int number = 0;
  WireType type = WireType::kSkip;
  std::function<void(Part&, int)> set;        // puts the round's value in
  std::function<WireValue(Part const&)> get;  // null where Part has no getter
  std::function<WireValue(int)> value;        // the round's value as it travels
  std::function<void(cdrStream&)> skip;       // kSkip: reads past the field
};

namespace wire_detail {

template <class V>
struct Kind;
template <>
struct Kind<std::string> {
  static constexpr WireType type = WireType::kString;
  static std::string Make(int n, int r) { return WireValues::Text(n, r); }
  static WireValue Wire(std::string const& v) { return v; }
};
template <>
struct Kind<std::wstring> {
  static constexpr WireType type = WireType::kWString;
  static std::wstring Make(int n, int r) { return WireValues::Wide(n, r); }
  static WireValue Wire(std::wstring const& v) { return v; }
};
template <>
struct Kind<base::VDate> {
  static constexpr WireType type = WireType::kString;
  static base::VDate Make(int n, int r) { return WireValues::Date(n, r); }
  static WireValue Wire(base::VDate const& v) { return v.ToIdl(); }
};
template <>
struct Kind<base::VFixed> {
  static constexpr WireType type = WireType::kString;
  static base::VFixed Make(int n, int r) { return WireValues::Fixed(n, r); }
  static WireValue Wire(base::VFixed const& v) { return v.ToIdl(); }
};
template <>
struct Kind<bool> {
  static constexpr WireType type = WireType::kBoolean;
  static bool Make(int n, int r) { return WireValues::Bit(n, r); }
  static WireValue Wire(bool v) { return v; }
};
template <>
struct Kind<long> {
  static constexpr WireType type = WireType::kLong;
  static long Make(int n, int r) { return WireValues::Number(n, r); }
  static WireValue Wire(long v) { return v; }
};
template <>
struct Kind<int> {
  static constexpr WireType type = WireType::kLong;
  static int Make(int n, int r) { return static_cast<int>(WireValues::Number(n, r)); }
  static WireValue Wire(int v) { return static_cast<long>(v); }
};
// Every enum has at least two enumerators: 0 and 1 are valid for each.
template <class E>
struct EnumKind {
  static constexpr WireType type = WireType::kEnum;
  static E Make(int n, int r) { return static_cast<E>(WireValues::Bit(n, r) ? 1 : 0); }
  static WireValue Wire(E v) { return static_cast<long>(v); }
};

template <class V>
using KindOf = std::conditional_t<std::is_enum_v<V>, EnumKind<V>, Kind<V>>;

}  // namespace wire_detail

// The more derived of a setter's and a getter's class (one of them may be a
// generated accessor mixin the part derives from).
template <class A, class B>
using PartOf = std::conditional_t<std::is_base_of_v<A, B>, B, A>;

// A field with setter and getter; the value type picks the values and the
// wire type.
template <class SC, class GC, class P, class G>
WireField<PartOf<SC, GC>> Field(int number, void (SC::*set)(P), G (GC::*get)() const) {
  using Part = PartOf<SC, GC>;
  using V = std::decay_t<P>;
  using K = wire_detail::KindOf<V>;
  static_assert(std::is_same_v<std::decay_t<G>, V>, "getter and setter of different types");
  WireField<Part> f;
  f.number = number;
  f.type = K::type;
  f.set = [set, number](Part& p, int round) { (p.*set)(K::Make(number, round)); };
  f.get = [get](Part const& p) { return K::Wire((p.*get)()); };
  f.value = [number](int round) { return K::Wire(K::Make(number, round)); };
  return f;
}

// A text field that must hold one value in every round (an employee the
// server knows, say).
template <class SC, class GC>
WireField<PartOf<SC, GC>> Field(int number, void (SC::*set)(std::string const&),
                                std::string (GC::*get)() const, std::string const& fixed) {
  using Part = PartOf<SC, GC>;
  WireField<Part> f = Field(number, set, get);
  f.set = [set, fixed](Part& p, int) { (p.*set)(fixed); };
  f.value = [fixed](int) { return WireValue(fixed); };
  return f;
}

// A filter field with a setter only.
template <class Part, class P>
WireField<Part> Filter(int number, void (Part::*set)(P)) {
  using V = std::decay_t<P>;
  using K = wire_detail::KindOf<V>;
  WireField<Part> f;
  f.number = number;
  f.type = K::type;
  f.set = [set, number](Part& p, int round) { (p.*set)(K::Make(number, round)); };
  f.value = [number](int round) { return K::Wire(K::Make(number, round)); };
  return f;
}

// An optional filter value (an opt union), always set: TRUE, then the value.
template <class Part, class P>
WireField<Part> Optional(int number, void (Part::*set)(P)) {
  WireField<Part> f = Filter(number, set);
  f.type = WireType::kOptional;
  return f;
}

// A field this table does not fill (identity, period, nested structs): its
// type T is read past.
template <class Part, class T>
WireField<Part> Skip(int number) {
  WireField<Part> f;
  f.number = number;
  f.type = WireType::kSkip;
  f.skip = [](cdrStream& s) {
    T t{};
    t <<= s;
  };
  return f;
}

template <class Part>
class WireTable {
 public:
  // The rows must be numbered 1, 2, ... in order.
  explicit WireTable(std::vector<WireField<Part>> fields) : fields_(std::move(fields)) {
    for (size_t i = 0; i < fields_.size(); ++i) {
      EXPECT_EQ(fields_[i].number, static_cast<int>(i) + 1) << "rows out of order";
    }
  }

  size_t size() const { return fields_.size(); }

  void Fill(Part& p, int round) const {
    for (auto const& f : fields_) {
      if (f.set) f.set(p, round);
    }
  }

  // One text per getter that does not return its field's value.
  std::vector<std::string> AccessorMismatches(Part const& p, int round) const {
    std::vector<std::string> out;
    for (auto const& f : fields_) {
      if (!f.get) continue;
      WireValue const got = f.get(p);
      WireValue const want = f.value(round);
      if (got != want) {
        out.push_back("field " + std::to_string(f.number) + ": getter returns " + Show(got) +
                      ", expected " + Show(want));
      }
    }
    return out;
  }

  // The positions of the encoding of `s` whose value is not empty: not "",
  // not 0 and not false (skipped fields left out). What a new object holds
  // beyond its defaults shows here.
  template <class Struct>
  std::map<int, WireValue> NonEmpty(Struct const& s) const {
    std::map<int, WireValue> out;
    cdrMemoryStream stream;
    s >>= stream;
    stream.rewindInputPtr();
    for (auto const& f : fields_) {
      if (f.type == WireType::kSkip) {
        f.skip(stream);
        continue;
      }
      WireValue const v = Read(stream, f, 0);
      if (v != WireValue(std::string()) && v != WireValue(std::wstring()) && v != WireValue(0L) &&
          v != WireValue(false)) {
        out.emplace(f.number, v);
      }
    }
    return out;
  }

  // One text per position of the encoding of `s` that does not hold its
  // field's value; also a missing or surplus tail.
  template <class Struct>
  std::vector<std::string> PositionMismatches(Struct const& s, int round) const {
    std::vector<std::string> out;
    cdrMemoryStream stream;
    s >>= stream;
    stream.rewindInputPtr();
    try {
      for (auto const& f : fields_) {
        if (f.type == WireType::kSkip) {
          f.skip(stream);
          continue;
        }
        WireValue const found = Read(stream, f, round);
        WireValue const want = f.value(round);
        if (found != want) {
          out.push_back("position " + std::to_string(f.number) + " holds " + Show(found) +
                        ", expected " + Show(want));
        }
      }
    } catch (CORBA::Exception const& e) {
      out.push_back(std::string("the encoding ends early: ") + e._name());
      return out;
    }
    if (stream.checkInputOverrun(1, 1)) out.push_back("the encoding has fields after the last");
    return out;
  }

 private:
  static WireValue Read(cdrStream& s, WireField<Part> const& f, int round) {
    switch (f.type) {
      case WireType::kString: {
        CORBA::String_var v = s.unmarshalString();
        return std::string(v.in());
      }
      case WireType::kWString: {
        CORBA::WString_var v = s.unmarshalWString();
        return std::wstring(v.in());
      }
      case WireType::kLong: {
        CORBA::Long v;
        v <<= s;
        return static_cast<long>(v);
      }
      case WireType::kBoolean:
        return static_cast<bool>(s.unmarshalBoolean());
      case WireType::kEnum: {
        CORBA::ULong v;
        v <<= s;
        return static_cast<long>(v);
      }
      case WireType::kOptional: {
        if (!s.unmarshalBoolean()) return std::string("<cleared>");
        // The member has the type of the round's value.
        WireValue const want = f.value(round);
        switch (want.index()) {
          case 0: {
            CORBA::String_var v = s.unmarshalString();
            return std::string(v.in());
          }
          case 3:
            return static_cast<bool>(s.unmarshalBoolean());
          default: {
            CORBA::Long v;  // long and enum alike: four bytes
            v <<= s;
            return static_cast<long>(v);
          }
        }
      }
      default:
        return std::string("<unread>");
    }
  }

  std::vector<WireField<Part>> fields_;
};

// Both checks of one round on a part read from the server.
template <class Part>
void ExpectHolds(WireTable<Part> const& table, Part const& part, int round) {
  for (std::string const& m : table.AccessorMismatches(part, round)) {
    ADD_FAILURE() << "round " << round << ": " << m;
  }
  for (std::string const& m : table.PositionMismatches(part.ToIdl(), round)) {
    ADD_FAILURE() << "round " << round << ": " << m;
  }
}

// Every round: fill a copy of the current part, send(part) stores it through
// the server and returns the answer's part, which must hold the round's
// values. Returns the number of the last round.
template <class Part, class Send>
int ExpectRoundTrips(WireTable<Part> const& table, Part start, Send send) {
  Part current = start;
  for (int round = 0; round < WireValues::kRounds; ++round) {
    Part p = current;
    table.Fill(p, round);
    current = send(p);
    ExpectHolds(table, current, round);
  }
  return WireValues::kRounds - 1;
}

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_SUPPORT_ROUND_TRIP_H_
