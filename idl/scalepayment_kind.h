// The scale-payment module as the library and the reference server both see
// it: the servant and which texts of the received structs hold dates,
// fixed-point numbers and time stamps.
#ifndef OSTREL_IDL_SCALEPAYMENT_KIND_H_
#define OSTREL_IDL_SCALEPAYMENT_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "personnel_texts.h"
#include "scalepayment.hh"
#include "wire_texts.h"

namespace ostrel {

namespace scalepayment = com::ostrel::personnel::domain::employee::scalepayment;

struct ScalePaymentService {
  using Servant = scalepayment::ScalePaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.scalepayment.ScalePaymentServantImpl";
};

template <>
struct WireTexts<scalepayment::ScalePaymentRootStruct> {
  using S = scalepayment::ScalePaymentRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<scalepayment::ScalePaymentTPStruct> {
  using S = scalepayment::ScalePaymentTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Nested<&S::interval>{"interval"}, wire::Fixed<&S::percentage>{"percentage"},
      wire::Fixed<&S::performanceFactor>{"performanceFactor"},
      wire::Date<&S::lastUpgrading>{"lastUpgrading"},
      wire::Date<&S::nextUpgrading>{"nextUpgrading"});
};
template <>
struct WireTexts<scalepayment::ScalePaymentStruct> {
  using S = scalepayment::ScalePaymentStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<scalepayment::ScalePaymentFilterStruct> {
  using S = scalepayment::ScalePaymentFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_SCALEPAYMENT_KIND_H_
