// The employee module beside its IDL: the servant's name. What follows from
// the IDL itself (wire texts, fields, operations) is generated into
// employee_idl.h.
#ifndef OSTREL_IDL_EMPLOYEE_KIND_H_
#define OSTREL_IDL_EMPLOYEE_KIND_H_

#include "employee_idl.h"

namespace ostrel {

namespace employee = com::ostrel::personnel::domain::employee;

struct EmployeeService {
  using Servant = employee::EmployeeServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.EmployeeServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_EMPLOYEE_KIND_H_
