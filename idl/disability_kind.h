// The disability module beside its IDL: the servant's name. What follows from
// the IDL itself (wire texts, fields, operations) is generated into
// disability_idl.h.
#ifndef OSTREL_IDL_DISABILITY_KIND_H_
#define OSTREL_IDL_DISABILITY_KIND_H_

#include "disability_idl.h"
#include "employee_kind.h"

namespace ostrel {

namespace disability = com::ostrel::personnel::domain::employee::disability;

struct EEDisabilityService {
  using Servant = disability::EEDisabilityServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.disability.EEDisabilityServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_DISABILITY_KIND_H_
