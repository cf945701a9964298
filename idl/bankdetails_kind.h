// The bank-details module beside its IDL: the servant's name. What follows
// from the IDL itself (wire texts, fields, operations) is generated into
// bankdetails_idl.h.
#ifndef OSTREL_IDL_BANKDETAILS_KIND_H_
#define OSTREL_IDL_BANKDETAILS_KIND_H_

#include "bankdetails_idl.h"
#include "employee_kind.h"

namespace ostrel {

namespace bankdetails = com::ostrel::personnel::domain::employee::bankdetails;

struct EEBankDetailsService {
  using Servant = bankdetails::EEBankDetailsServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.bankdetails.EEBankDetailsServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_BANKDETAILS_KIND_H_
