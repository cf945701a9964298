// The fixed-payment module as the library and the reference server both see
// it: the servant and which texts of the received structs hold dates,
// fixed-point numbers and time stamps.
#ifndef OSTREL_IDL_FIXEDPAYMENT_KIND_H_
#define OSTREL_IDL_FIXEDPAYMENT_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "fixedpayment.hh"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace fixedpayment = com::ostrel::personnel::domain::employee::fixedpayment;

struct FixedPaymentService {
  using Servant = fixedpayment::FixedPaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.fixedpayment.FixedPaymentServantImpl";
};

template <>
struct WireTexts<fixedpayment::FixedPaymentRootStruct> {
  using S = fixedpayment::FixedPaymentRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<fixedpayment::FixedPaymentTPStruct> {
  using S = fixedpayment::FixedPaymentTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Nested<&S::interval>{"interval"}, wire::Fixed<&S::factor1>{"factor1"},
      wire::Fixed<&S::factor2>{"factor2"}, wire::Fixed<&S::result>{"result"},
      wire::Fixed<&S::percentage>{"percentage"},
      wire::Fixed<&S::performanceFactor>{"performanceFactor"});
};
template <>
struct WireTexts<fixedpayment::FixedPaymentStruct> {
  using S = fixedpayment::FixedPaymentStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<fixedpayment::FixedPaymentFilterStruct> {
  using S = fixedpayment::FixedPaymentFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_FIXEDPAYMENT_KIND_H_
