// The absent-time module beside its IDL: the servant's name. What follows from
// the IDL itself (wire texts, fields, operations) is generated into
// absenttime_idl.h.
#ifndef OSTREL_IDL_ABSENTTIME_KIND_H_
#define OSTREL_IDL_ABSENTTIME_KIND_H_

#include "absenttime_idl.h"
#include "employee_kind.h"

namespace ostrel {

namespace absenttime = com::ostrel::personnel::domain::employee::absenttime;

struct EEAbsentTimeService {
  using Servant = absenttime::EEAbsentTimeServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.absenttime.EEAbsentTimeServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ABSENTTIME_KIND_H_
