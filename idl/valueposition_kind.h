// The value-position module (the personnel core's) beside its IDL: the
// servant's name. What follows from the IDL itself (wire texts, fields,
// operations) is generated into valueposition_idl.h.
#ifndef OSTREL_IDL_VALUEPOSITION_KIND_H_
#define OSTREL_IDL_VALUEPOSITION_KIND_H_

#include "valueposition_idl.h"

namespace ostrel {

namespace valueposition = com::ostrel::personnel::domain::employee::valueposition;

struct ValuePositionService {
  using Servant = valueposition::ValuePositionServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.valueposition.ValuePositionServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_VALUEPOSITION_KIND_H_
