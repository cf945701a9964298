// The fixed-payment module beside its IDL: the servant's name. What follows
// from the IDL itself (wire texts, fields, operations) is generated into
// fixedpayment_idl.h.
#ifndef OSTREL_IDL_FIXEDPAYMENT_KIND_H_
#define OSTREL_IDL_FIXEDPAYMENT_KIND_H_

#include "employee_kind.h"
#include "fixedpayment_idl.h"

namespace ostrel {

namespace fixedpayment = com::ostrel::personnel::domain::employee::fixedpayment;

struct FixedPaymentService {
  using Servant = fixedpayment::FixedPaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.fixedpayment.FixedPaymentServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_FIXEDPAYMENT_KIND_H_
