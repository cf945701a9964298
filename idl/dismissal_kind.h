// The dismissal module beside its IDL: the record's layout and the servant's
// name. What follows from the IDL itself (wire texts, fields, operations) is
// generated into dismissal_idl.h.
#ifndef OSTREL_IDL_DISMISSAL_KIND_H_
#define OSTREL_IDL_DISMISSAL_KIND_H_

#include "dismissal_idl.h"
#include "employee_kind.h"
#include "record_layout.h"

namespace ostrel {

namespace dismissal = com::ostrel::personnel::domain::employee::elena::dismissal;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<dismissal::EEDismissalStruct>
    : EmployeeRecordLayout<&dismissal::EEDismissalStruct::employeeShort,
                           &dismissal::EEDismissalStruct::history> {};

struct DismissalService {
  using Servant = dismissal::DismissalServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.elena.dismissal.DismissalServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_DISMISSAL_KIND_H_
