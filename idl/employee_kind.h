// The employee module as the library and the reference server both see it:
// the servant's name and which texts of the received structs hold dates and
// time stamps.
#ifndef OSTREL_IDL_EMPLOYEE_KIND_H_
#define OSTREL_IDL_EMPLOYEE_KIND_H_

#include <tuple>

#include "employee.hh"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace employee = com::ostrel::personnel::domain::employee;

struct EmployeeService {
  using Servant = employee::EmployeeServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.EmployeeServantImpl";
};

template <>
struct WireTexts<employee::EmployeeShortStruct> {
  using S = employee::EmployeeShortStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Date<&S::dateOfEntry>{"dateOfEntry"},
      wire::Date<&S::dateOfWithDrawal>{"dateOfWithDrawal"},
      wire::Date<&S::journalizedUntil>{"journalizedUntil"});
};
template <>
struct WireTexts<employee::EmployeeRootStruct> {
  using S = employee::EmployeeRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Date<&S::journalizedUntil>{"journalizedUntil"},
                      wire::Date<&S::valuationEffectiveFrom>{"valuationEffectiveFrom"},
                      wire::Date<&S::valuationValidFrom>{"valuationValidFrom"});
};
template <>
struct WireTexts<employee::EmployeeStruct> {
  using S = employee::EmployeeStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::eeShort>{"eeShort"},
                      wire::Date<&S::valuationEffectiveFrom>{"valuationEffectiveFrom"},
                      wire::Date<&S::valuationValidFrom>{"valuationValidFrom"});
};
template <>
struct WireTexts<employee::EmployeeExtendedStruct> {
  using S = employee::EmployeeExtendedStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::ee>{"ee"}, wire::Date<&S::nextJournalizing>{"nextJournalizing"},
      wire::Date<&S::lastCheck>{"lastCheck"});
};
template <>
struct WireTexts<employee::EmployeeAddOnStruct> {
  using S = employee::EmployeeAddOnStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::employeeRoot>{"employeeRoot"}, wire::Date<&S::dateOfEntry>{"dateOfEntry"},
      wire::Date<&S::dateOfWithDrawal>{"dateOfWithDrawal"});
};
template <>
struct WireTexts<employee::EmployeeAfterCalculateStruct> {
  using S = employee::EmployeeAfterCalculateStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::employee>{"employee"},
      wire::Date<&S::dateOfReverseProjection>{"dateOfReverseProjection"},
      wire::Timestamp<&S::dateLastCalculationOfEmployee>{"dateLastCalculationOfEmployee"});
};
template <>
struct WireTexts<employee::EmployeeWaitForCalculateStruct> {
  using S = employee::EmployeeWaitForCalculateStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"},
      wire::Nested<&S::eeAddOnStruct>{"eeAddOnStruct"},
      wire::Date<&S::effectiveFromOfCalculationCase>{"effectiveFromOfCalculationCase"},
      wire::Date<&S::validFromOfCalculationCase>{"validFromOfCalculationCase"},
      wire::Timestamp<&S::createdOn>{"createdOn"}, wire::Timestamp<&S::deselectOn>{"deselectOn"});
};
template <>
struct WireTexts<employee::EmployeeForCalculateStruct> {
  using S = employee::EmployeeForCalculateStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::calculateValidFrom>{"calculateValidFrom"});
};
template <>
struct WireTexts<employee::EmployeeForCalculateExtendStruct> {
  using S = employee::EmployeeForCalculateExtendStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::calculateValidFrom>{"calculateValidFrom"});
};
// The personnel number travels as text but is a filter value, not a number
// with a fraction; it is left to the search.
template <>
struct WireTexts<employee::EmployeeFilterStruct> {
  using S = employee::EmployeeFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::journalizedUntil>{"journalizedUntil"},
                      wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_EMPLOYEE_KIND_H_
