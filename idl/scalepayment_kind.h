// The scale-payment module beside its IDL: the servant's name. What follows
// from the IDL itself (wire texts, fields, operations) is generated into
// scalepayment_idl.h.
#ifndef OSTREL_IDL_SCALEPAYMENT_KIND_H_
#define OSTREL_IDL_SCALEPAYMENT_KIND_H_

#include "employee_kind.h"
#include "scalepayment_idl.h"

namespace ostrel {

namespace scalepayment = com::ostrel::personnel::domain::employee::scalepayment;

struct ScalePaymentService {
  using Servant = scalepayment::ScalePaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.scalepayment.ScalePaymentServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_SCALEPAYMENT_KIND_H_
