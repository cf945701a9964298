// The pension-scheme module as the library and the reference server both see
// it: where the record keeps the employee, the servant's name and which texts
// of the received structs hold dates and fixed-point numbers.
#ifndef OSTREL_IDL_PENSIONSCHEME_KIND_H_
#define OSTREL_IDL_PENSIONSCHEME_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "pensionscheme.hh"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

namespace ostrel {

namespace pensionscheme = com::ostrel::personnel::domain::employee::pensionscheme;

// { root, history }, but the root names its employee `ee`.
template <>
struct RecordLayout<pensionscheme::EEPensionSchemeStruct>
    : MemberLayout<&pensionscheme::EEPensionSchemeStruct::root,
                   &pensionscheme::EEPensionSchemeStruct::history> {
  template <class S>
  static char const* EmployeeOid(S const& s) {
    return s.root.ee.objectStruct.objectid;
  }
};

struct EEPensionSchemeService {
  using Servant = pensionscheme::EEPensionSchemeServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.pensionscheme.EEPensionSchemeServantImpl";
};

template <>
struct WireTexts<pensionscheme::PensionSchemeRootStruct> {
  using S = pensionscheme::PensionSchemeRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::ee>{"ee"});
};
template <>
struct WireTexts<pensionscheme::PensionSchemeTPStruct> {
  using S = pensionscheme::PensionSchemeTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateOfEntry>{"dateOfEntry"},
      wire::Date<&S::dateOfWithDrawal>{"dateOfWithDrawal"},
      wire::Nested<&S::erExpensesPays>{"erExpensesPays"},
      wire::Fixed<&S::duesERpaysAsCtPay>{"duesERpaysAsCtPay"},
      wire::Nested<&S::erPaysAsExtra>{"erPaysAsExtra"},
      wire::Fixed<&S::duesERpaysAsExtra>{"duesERpaysAsExtra"},
      wire::Nested<&S::eeExpensesPays>{"eeExpensesPays"},
      wire::Fixed<&S::duesEEpaysAsCtPay>{"duesEEpaysAsCtPay"},
      wire::Nested<&S::eePaysAsExtra>{"eePaysAsExtra"},
      wire::Fixed<&S::duesEEpaysAsExtra>{"duesEEpaysAsExtra"},
      wire::Nested<&S::postalAddress>{"postalAddress"},
      wire::Fixed<&S::carriedForwardSIPaymentNew>{"carriedForwardSIPaymentNew"},
      wire::Fixed<&S::carriedForwardSIPaymentOld>{"carriedForwardSIPaymentOld"},
      wire::Fixed<&S::advancementDuesAsCtPays>{"advancementDuesAsCtPays"},
      wire::Fixed<&S::advancementDuesAsExtra>{"advancementDuesAsExtra"});
};
template <>
struct WireTexts<pensionscheme::EEPensionSchemeStruct> {
  using S = pensionscheme::EEPensionSchemeStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<pensionscheme::EEPensionSchemeFilterStruct> {
  using S = pensionscheme::EEPensionSchemeFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_PENSIONSCHEME_KIND_H_
