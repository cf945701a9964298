// The insurance module beside its IDL: the record's layout and the servant's
// name. What follows from the IDL itself (wire texts, fields, operations) is
// generated into insurance_idl.h.
#ifndef OSTREL_IDL_INSURANCE_KIND_H_
#define OSTREL_IDL_INSURANCE_KIND_H_

#include "employee_kind.h"
#include "insurance_idl.h"
#include "record_layout.h"

namespace ostrel {

namespace insurance = com::ostrel::personnel::domain::employee::insurance;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<insurance::EEInsuranceStruct>
    : EmployeeRecordLayout<&insurance::EEInsuranceStruct::employeeShort,
                           &insurance::EEInsuranceStruct::insurance> {};

struct InsuranceService {
  using Servant = insurance::InsuranceServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.insurance.InsuranceServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_INSURANCE_KIND_H_
