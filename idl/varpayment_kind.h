// The variable-payment module as the library and the reference server both
// see it: where the record keeps its parts, the servant, and which texts of
// the received structs hold dates, fixed-point numbers and time stamps.
#ifndef OSTREL_IDL_VARPAYMENT_KIND_H_
#define OSTREL_IDL_VARPAYMENT_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "varpayment.hh"
#include "wire_texts.h"

namespace ostrel {

namespace varpayment = com::ostrel::personnel::domain::employee::varpayment;

// The record's parts are named after the record kind.
template <>
struct RecordLayout<varpayment::VarPaymentStruct>
    : MemberLayout<&varpayment::VarPaymentStruct::varPaymentRoot,
                   &varpayment::VarPaymentStruct::varPaymentTP> {};

struct VarPaymentService {
  using Servant = varpayment::VarPaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.varpayment.VarPaymentServantImpl";
};

template <>
struct WireTexts<varpayment::VarPaymentRootStruct> {
  using S = varpayment::VarPaymentRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<varpayment::VarPaymentTPStruct> {
  using S = varpayment::VarPaymentTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Fixed<&S::factor1>{"factor1"}, wire::Fixed<&S::factor2>{"factor2"},
      wire::Fixed<&S::result>{"result"}, wire::Fixed<&S::percentage>{"percentage"},
      wire::Fixed<&S::performanceFactor>{"performanceFactor"});
};
template <>
struct WireTexts<varpayment::VarPaymentStruct> {
  using S = varpayment::VarPaymentStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::varPaymentRoot>{"varPaymentRoot"},
                      wire::Nested<&S::varPaymentTP>{"varPaymentTP"});
};
template <>
struct WireTexts<varpayment::VarPaymentFilterStruct> {
  using S = varpayment::VarPaymentFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"},
                      wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_VARPAYMENT_KIND_H_
