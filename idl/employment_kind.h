// The employment module as the library and the reference server both see
// it: the record's layout, the servant's name and which texts of the
// received structs hold dates and fixed-point numbers.
#ifndef OSTREL_IDL_EMPLOYMENT_KIND_H_
#define OSTREL_IDL_EMPLOYMENT_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "employment.hh"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

namespace ostrel {

namespace employment = com::ostrel::personnel::domain::employee::employment;

// The employee's short view is the root part, so the record is keyed by the
// employee: one employment record per employee.
template <>
struct RecordLayout<employment::EEEmploymentStruct>
    : EmployeeRecordLayout<&employment::EEEmploymentStruct::root,
                           &employment::EEEmploymentStruct::employment> {};

struct EmploymentService {
  using Servant = employment::EmploymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.employment.EmploymentServantImpl";
};

template <>
struct WireTexts<employment::partcostcenter::PartCostCenterStruct> {
  using S = employment::partcostcenter::PartCostCenterStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                                                   wire::Fixed<&S::percentage>{"percentage"});
};
template <>
struct WireTexts<employment::partcostunit::PartCostUnitStruct> {
  using S = employment::partcostunit::PartCostUnitStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                                                   wire::Fixed<&S::percentage>{"percentage"});
};
template <>
struct WireTexts<employment::partemployeegroup::PartEmployeeGroupStruct> {
  using S = employment::partemployeegroup::PartEmployeeGroupStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                                                   wire::Fixed<&S::percentage>{"percentage"});
};
// Travels inside the union EmploymentStruct::dbt, which a walk does not
// enter: the servant checks it as a received struct of its own.
template <>
struct WireTexts<employment::DbtStruct> {
  using S = employment::DbtStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::virtualWithdrawal>{"virtualWithdrawal"},
                      wire::Date<&S::dateOfApplication>{"dateOfApplication"});
};
template <>
struct WireTexts<employment::EmploymentStruct> {
  using S = employment::EmploymentStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateOfEntry>{"dateOfEntry"},
      wire::Date<&S::dateOfWithDrawal>{"dateOfWithDrawal"},
      wire::Date<&S::dateOfEntrySI>{"dateOfEntrySI"},
      wire::Date<&S::dateOfWithDrawalSI>{"dateOfWithDrawalSI"},
      wire::Date<&S::contractStart>{"contractStart"},
      wire::Date<&S::probationStart>{"probationStart"},
      wire::Date<&S::probationEnd>{"probationEnd"},
      wire::Date<&S::allowableEntryDate>{"allowableEntryDate"},
      wire::Date<&S::entryDateBranche>{"entryDateBranche"},
      wire::Date<&S::employmentLtdBy>{"employmentLtdBy"},
      wire::Date<&S::workPermitLtdBy>{"workPermitLtdBy"},
      wire::Date<&S::residPermitLtdBy>{"residPermitLtdBy"},
      wire::Date<&S::passportValidTo>{"passportValidTo"}, wire::Date<&S::dateDsmRgn>{"dateDsmRgn"},
      wire::Date<&S::dsmRgnBy>{"dsmRgnBy"},
      wire::Fixed<&S::amountCompensation>{"amountCompensation"},
      wire::NestedSeq<&S::partCostCenters>{"partCostCenters"},
      wire::NestedSeq<&S::partCostUnits>{"partCostUnits"},
      wire::Fixed<&S::earnedIncome>{"earnedIncome"}, wire::Fixed<&S::netIncome>{"netIncome"},
      wire::Fixed<&S::carriedForwardMonthlyNetZU>{"carriedForwardMonthlyNetZU"},
      wire::Fixed<&S::carriedForwardDailyNetZU>{"carriedForwardDailyNetZU"},
      wire::Fixed<&S::maternityBenefit>{"maternityBenefit"},
      wire::Fixed<&S::averageMonthlyGrossPay>{"averageMonthlyGrossPay"},
      wire::Fixed<&S::averageMonthlyNetPay>{"averageMonthlyNetPay"},
      wire::Fixed<&S::calendarDailyNetPay>{"calendarDailyNetPay"},
      wire::Date<&S::presumableDateofdelivery>{"presumableDateofdelivery"},
      wire::Date<&S::allowanceLtdBy>{"allowanceLtdBy"});
};
template <>
struct WireTexts<employment::EEEmploymentStruct> {
  using S = employment::EEEmploymentStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::employment>{"employment"},
                      wire::NestedSeq<&S::errors>{"errors"});
};
template <>
struct WireTexts<employment::EEEmploymentFilterStruct> {
  using S = employment::EEEmploymentFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_EMPLOYMENT_KIND_H_
