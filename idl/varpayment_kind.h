// The variable-payment module beside its IDL: where the record keeps its parts
// and the servant's name. What follows from the IDL itself (wire texts,
// fields, operations) is generated into varpayment_idl.h.
#ifndef OSTREL_IDL_VARPAYMENT_KIND_H_
#define OSTREL_IDL_VARPAYMENT_KIND_H_

#include "employee_kind.h"
#include "record_layout.h"
#include "varpayment_idl.h"

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

}  // namespace ostrel

#endif  // OSTREL_IDL_VARPAYMENT_KIND_H_
