// The tax module as the library and the reference server both see it: the
// record's layout, the servant's name and which texts of the received
// structs hold dates and amounts.
#ifndef OSTREL_IDL_TAX_KIND_H_
#define OSTREL_IDL_TAX_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "tax.hh"
#include "wire_texts.h"

namespace ostrel {

namespace tax = com::ostrel::personnel::domain::employee::tax;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<tax::EETaxStruct>
    : EmployeeRecordLayout<&tax::EETaxStruct::employeeShort, &tax::EETaxStruct::tax> {};

struct TaxService {
  using Servant = tax::TaxServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.tax.TaxServantImpl";
};

template <>
struct WireTexts<tax::TaxStruct> {
  using S = tax::TaxStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::entryDateTaxCard>{"entryDateTaxCard"},
      wire::Date<&S::dateDelivered>{"dateDelivered"}, wire::Date<&S::dateReturned>{"dateReturned"},
      wire::Date<&S::issueDateTaxCard>{"issueDateTaxCard"},
      wire::Fixed<&S::childRelief>{"childRelief"},
      wire::Fixed<&S::freeAllowanceYY>{"freeAllowanceYY"},
      wire::Fixed<&S::freeAllowanceMM>{"freeAllowanceMM"},
      wire::Fixed<&S::addAmountYY>{"addAmountYY"}, wire::Fixed<&S::addAmountMM>{"addAmountMM"},
      wire::Date<&S::registrGfBwoutTax>{"registrGfBwoutTax"},
      wire::Date<&S::dateCtfcGfBwoutTax>{"dateCtfcGfBwoutTax"},
      wire::Date<&S::registrDBAwoutTax>{"registrDBAwoutTax"},
      wire::Date<&S::fromDBAwoutTax>{"fromDBAwoutTax"},
      wire::Date<&S::untilDBAwoutTax>{"untilDBAwoutTax"},
      wire::Date<&S::dateCtfcDBAwoutTax>{"dateCtfcDBAwoutTax"},
      wire::Fixed<&S::monthlyEarnings>{"monthlyEarnings"}, wire::Fixed<&S::pension>{"pension"},
      wire::Date<&S::startDateOfPension>{"startDateOfPension"},
      wire::Fixed<&S::bonusOfPension>{"bonusOfPension"},
      wire::Fixed<&S::taxOfSwitzerland>{"taxOfSwitzerland"},
      wire::Fixed<&S::percentageSplit>{"percentageSplit"},
      wire::Fixed<&S::addAmountWeekly>{"addAmountWeekly"},
      wire::Fixed<&S::addAmountDaily>{"addAmountDaily"},
      wire::Fixed<&S::freeAllowanceWeekly>{"freeAllowanceWeekly"},
      wire::Fixed<&S::freeAllowanceDaily>{"freeAllowanceDaily"});
};

template <>
struct WireTexts<tax::EETaxStruct> {
  using S = tax::EETaxStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::employeeShort>{"employeeShort"},
                      wire::Nested<&S::tax>{"tax"}, wire::NestedSeq<&S::errors>{"errors"});
};

template <>
struct WireTexts<tax::EETaxFilterStruct> {
  using S = tax::EETaxFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_TAX_KIND_H_
