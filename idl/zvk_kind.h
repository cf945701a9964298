// The ZVK pension-fund module beside its IDL: the record's layout and the
// servant's name. What follows from the IDL itself (wire texts, fields,
// operations) is generated into zvk_idl.h.
#ifndef OSTREL_IDL_ZVK_KIND_H_
#define OSTREL_IDL_ZVK_KIND_H_

#include "employee_kind.h"
#include "record_layout.h"
#include "zvk_idl.h"

namespace ostrel {

namespace zvk = com::ostrel::personnel::domain::employee::zvk;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<zvk::EEZVKStruct>
    : EmployeeRecordLayout<&zvk::EEZVKStruct::employeeShort, &zvk::EEZVKStruct::history> {};

struct EEZVKService {
  using Servant = zvk::EEZVKServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.zvk.EEZVKServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ZVK_KIND_H_
