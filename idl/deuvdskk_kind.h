// The notification module beside its IDL: the servant's name. What follows
// from the IDL itself (wire texts, fields, operations) is generated into
// deuvdskk_idl.h.
#ifndef OSTREL_IDL_DEUVDSKK_KIND_H_
#define OSTREL_IDL_DEUVDSKK_KIND_H_

#include "deuvdskk_idl.h"
#include "employee_kind.h"

namespace ostrel {

namespace deuvdskk = com::ostrel::personnel::domain::employee::deuvdskk;

struct EEDeuvDskkService {
  using Servant = deuvdskk::EEDeuvDskkServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.deuvdskk.EEDeuvDskkServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_DEUVDSKK_KIND_H_
