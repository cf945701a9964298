// The tax module beside its IDL: the record's layout and the servant's name.
// What follows from the IDL itself (wire texts, fields, operations) is
// generated into tax_idl.h.
#ifndef OSTREL_IDL_TAX_KIND_H_
#define OSTREL_IDL_TAX_KIND_H_

#include "employee_kind.h"
#include "record_layout.h"
#include "tax_idl.h"

namespace ostrel {

namespace tax = com::ostrel::personnel::domain::employee::tax;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<tax::EETaxStruct>
    : EmployeeRecordLayout<&tax::EETaxStruct::employeeShort, &tax::EETaxStruct::tax> {};

struct TaxService {
  using Servant = tax::TaxServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.tax.TaxServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_TAX_KIND_H_
