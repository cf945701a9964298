// The master module beside its IDL: the record's layout and the servant's
// name. What follows from the IDL itself (wire texts, fields, operations) is
// generated into master_idl.h.
#ifndef OSTREL_IDL_MASTER_KIND_H_
#define OSTREL_IDL_MASTER_KIND_H_

#include "contacts_kind.h"
#include "employee_kind.h"
#include "master_idl.h"
#include "notes_kind.h"
#include "record_layout.h"

namespace ostrel {

namespace master = com::ostrel::personnel::domain::employee::master;

// The employee's short view is the root part, so the record is keyed by the
// employee: one master record per employee.
template <>
struct RecordLayout<master::EEMasterStruct>
    : EmployeeRecordLayout<&master::EEMasterStruct::root, &master::EEMasterStruct::history> {};

struct MasterService {
  using Servant = master::MasterServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.master.MasterServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_MASTER_KIND_H_
