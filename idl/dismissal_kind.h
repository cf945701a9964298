// The dismissal module as the library and the reference server both see
// it: the record's layout, the servant's name and which texts of the
// received structs hold dates and amounts.
#ifndef OSTREL_IDL_DISMISSAL_KIND_H_
#define OSTREL_IDL_DISMISSAL_KIND_H_

#include <tuple>

#include "dismissal.hh"
#include "employee_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

namespace ostrel {

namespace dismissal = com::ostrel::personnel::domain::employee::elena::dismissal;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<dismissal::EEDismissalStruct>
    : EmployeeRecordLayout<&dismissal::EEDismissalStruct::employeeShort,
                           &dismissal::EEDismissalStruct::history> {};

struct DismissalService {
  using Servant = dismissal::DismissalServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.elena.dismissal.DismissalServantImpl";
};

template <>
struct WireTexts<dismissal::DismissalStruct> {
  using S = dismissal::DismissalStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::endOfEmployment>{"endOfEmployment"},
      wire::Date<&S::residPermitLtdBy>{"residPermitLtdBy"},
      wire::Date<&S::closeOfLimitedContract>{"closeOfLimitedContract"},
      wire::Date<&S::lastExtensionLimitedContract>{"lastExtensionLimitedContract"},
      wire::Date<&S::dateDsmRgn>{"dateDsmRgn"}, wire::Date<&S::exemptionFrom>{"exemptionFrom"},
      wire::Date<&S::exemptionUntil>{"exemptionUntil"}, wire::Date<&S::lastPayment>{"lastPayment"},
      wire::Date<&S::dateOfDissuasion>{"dateOfDissuasion"},
      wire::Date<&S::sentenceOfDismissalAt>{"sentenceOfDismissalAt"},
      wire::Date<&S::sentenceOfDismissalTOThe>{"sentenceOfDismissalTOThe"},
      wire::Date<&S::alongPaymentUntil>{"alongPaymentUntil"},
      wire::Date<&S::subsequentHoliday>{"subsequentHoliday"},
      wire::Date<&S::preRetirementPayBeginn>{"preRetirementPayBeginn"},
      wire::Fixed<&S::preriterimentperc>{"preriterimentperc"});
};

template <>
struct WireTexts<dismissal::EEDismissalFilterStruct> {
  using S = dismissal::EEDismissalFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_DISMISSAL_KIND_H_
