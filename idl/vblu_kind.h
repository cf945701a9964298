// The VBLU pension-fund module beside its IDL: the record's layout and the
// servant's name. What follows from the IDL itself (wire texts, fields,
// operations) is generated into vblu_idl.h.
#ifndef OSTREL_IDL_VBLU_KIND_H_
#define OSTREL_IDL_VBLU_KIND_H_

#include "employee_kind.h"
#include "record_layout.h"
#include "vblu_idl.h"

namespace ostrel {

namespace vblu = com::ostrel::personnel::domain::employee::vblu;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<vblu::EEVBLUStruct>
    : EmployeeRecordLayout<&vblu::EEVBLUStruct::employeeShort, &vblu::EEVBLUStruct::history> {};

struct EEVBLUService {
  using Servant = vblu::EEVBLUServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.vblu.EEVBLUServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_VBLU_KIND_H_
