// The absent-time module as the library and the reference server both see
// it: the servant's name and which texts of the received structs hold dates
// and fixed-point numbers.
#ifndef OSTREL_IDL_ABSENTTIME_KIND_H_
#define OSTREL_IDL_ABSENTTIME_KIND_H_

#include <tuple>

#include "absenttime.hh"
#include "employee_kind.h"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace absenttime = com::ostrel::personnel::domain::employee::absenttime;

struct EEAbsentTimeService {
  using Servant = absenttime::EEAbsentTimeServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.absenttime.EEAbsentTimeServantImpl";
};

template <>
struct WireTexts<absenttime::AbsentTimeRootStruct> {
  using S = absenttime::AbsentTimeRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<absenttime::AbsentTimeTPStruct> {
  using S = absenttime::AbsentTimeTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Fixed<&S::numberOfHours>{"numberOfHours"},
      wire::Fixed<&S::comparisonNet>{"comparisonNet"}, wire::Fixed<&S::stickPay>{"stickPay"},
      wire::Date<&S::dueDate>{"dueDate"},
      wire::Fixed<&S::numberOfWorkingHours>{"numberOfWorkingHours"});
};
template <>
struct WireTexts<absenttime::EEAbsentTimeStruct> {
  using S = absenttime::EEAbsentTimeStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<absenttime::EEAbsentTimeFilterStruct> {
  using S = absenttime::EEAbsentTimeFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};
template <>
struct WireTexts<absenttime::EauEEAbsentTimeStruct> {
  static constexpr auto kMembers = std::make_tuple();
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ABSENTTIME_KIND_H_
