// The notification module as the library and the reference server both see
// it: the servant's name and which texts of the received structs hold dates
// and fixed-point numbers.
#ifndef OSTREL_IDL_DEUVDSKK_KIND_H_
#define OSTREL_IDL_DEUVDSKK_KIND_H_

#include <tuple>

#include "deuvdskk.hh"
#include "employee_kind.h"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace deuvdskk = com::ostrel::personnel::domain::employee::deuvdskk;

struct EEDeuvDskkService {
  using Servant = deuvdskk::EEDeuvDskkServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.deuvdskk.EEDeuvDskkServantImpl";
};

template <>
struct WireTexts<deuvdskk::DeuvDskkRootStruct> {
  using S = deuvdskk::DeuvDskkRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<deuvdskk::DeuvDskkTPStruct> {
  using S = deuvdskk::DeuvDskkTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Fixed<&S::gaeg>{"gaeg"}, wire::Fixed<&S::egaeg>{"egaeg"},
      wire::Fixed<&S::gaegkv>{"gaegkv"}, wire::Fixed<&S::gaegrv>{"gaegrv"},
      wire::Fixed<&S::gaegalv>{"gaegalv"}, wire::Fixed<&S::egakv>{"egakv"},
      wire::Fixed<&S::egarv>{"egarv"}, wire::Fixed<&S::egaalv>{"egaalv"});
};
template <>
struct WireTexts<deuvdskk::EEDeuvDskkStruct> {
  using S = deuvdskk::EEDeuvDskkStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<deuvdskk::EEDeuvDskkFilterStruct> {
  using S = deuvdskk::EEDeuvDskkFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_DEUVDSKK_KIND_H_
