// The ZVK pension-fund module as the library and the reference server both
// see it: the record's layout, the servant's name and which texts of the
// received structs hold dates and amounts.
#ifndef OSTREL_IDL_ZVK_KIND_H_
#define OSTREL_IDL_ZVK_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"
#include "zvk.hh"

namespace ostrel {

namespace zvk = com::ostrel::personnel::domain::employee::zvk;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<zvk::EEZVKStruct>
    : EmployeeRecordLayout<&zvk::EEZVKStruct::employeeShort, &zvk::EEZVKStruct::history> {};

struct EEZVKService {
  using Servant = zvk::EEZVKServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.zvk.EEZVKServantImpl";
};

template <>
struct WireTexts<zvk::ZVKStruct> {
  using S = zvk::ZVKStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateOfEntryZVK>{"dateOfEntryZVK"},
      wire::Date<&S::dateOfWithDrawalZVK>{"dateOfWithDrawalZVK"},
      wire::Date<&S::changeDateChildren>{"changeDateChildren"},
      wire::Fixed<&S::monthCompValueErAddCont>{"monthCompValueErAddCont"});
};

template <>
struct WireTexts<zvk::EEZVKStruct> {
  using S = zvk::EEZVKStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::employeeShort>{"employeeShort"},
                      wire::Nested<&S::history>{"history"}, wire::NestedSeq<&S::errors>{"errors"});
};

template <>
struct WireTexts<zvk::EEZVKFilterStruct> {
  using S = zvk::EEZVKFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ZVK_KIND_H_
