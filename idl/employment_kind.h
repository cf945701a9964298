// The employment module beside its IDL: the record's layout and the servant's
// name. What follows from the IDL itself (wire texts, fields, operations) is
// generated into employment_idl.h.
#ifndef OSTREL_IDL_EMPLOYMENT_KIND_H_
#define OSTREL_IDL_EMPLOYMENT_KIND_H_

#include "employee_kind.h"
#include "employment_idl.h"
#include "record_layout.h"

namespace ostrel {

namespace employment = com::ostrel::personnel::domain::employee::employment;

// The employee's short view is the root part, so the record is keyed by the
// employee: one employment record per employee.
template <>
struct RecordLayout<employment::EEEmploymentStruct>
    : EmployeeRecordLayout<&employment::EEEmploymentStruct::root,
                           &employment::EEEmploymentStruct::employment> {};

struct EmploymentService {
  using Servant = employment::EmploymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.employment.EmploymentServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_EMPLOYMENT_KIND_H_
