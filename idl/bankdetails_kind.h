// The bank-details module as the library and the reference server both see
// it: the servant and which texts of the received structs hold dates,
// fixed-point numbers and time stamps.
#ifndef OSTREL_IDL_BANKDETAILS_KIND_H_
#define OSTREL_IDL_BANKDETAILS_KIND_H_

#include <tuple>

#include "bankdetails.hh"
#include "employee_kind.h"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace bankdetails = com::ostrel::personnel::domain::employee::bankdetails;

struct EEBankDetailsService {
  using Servant = bankdetails::EEBankDetailsServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.bankdetails.EEBankDetailsServantImpl";
};

template <>
struct WireTexts<bankdetails::BankDetailsRootStruct> {
  using S = bankdetails::BankDetailsRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<bankdetails::BankDetailsTPStruct> {
  using S = bankdetails::BankDetailsTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Nested<&S::bankAccount>{"bankAccount"},
      wire::Fixed<&S::retentionPercentageFromNetPay>{"retentionPercentageFromNetPay"},
      wire::Fixed<&S::retentionAmountFromNetPay>{"retentionAmountFromNetPay"});
};
template <>
struct WireTexts<bankdetails::EEBankDetailsStruct> {
  using S = bankdetails::EEBankDetailsStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"},
                      wire::NestedSeq<&S::errors>{"errors"});
};
template <>
struct WireTexts<bankdetails::EEBankDetailsFilterStruct> {
  using S = bankdetails::EEBankDetailsFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_BANKDETAILS_KIND_H_
