// The accident insurance fund module beside its IDL: where the flat record
// keeps its identities and the servant's name. What follows from the IDL
// itself (wire texts, fields, operations) is generated into
// accidentinsurancefund_idl.h.
#ifndef OSTREL_IDL_ACCIDENTINSURANCEFUND_KIND_H_
#define OSTREL_IDL_ACCIDENTINSURANCEFUND_KIND_H_

#include "accidentinsurancefund_idl.h"
#include "employee_kind.h"
#include "record_layout.h"

namespace ostrel {

namespace accidentinsurancefund = com::ostrel::personnel::domain::employee::accidentinsurancefund;
namespace partclassofrisk = accidentinsurancefund::partclassofrisk;

// One flat struct per employee and period: the employee's short view
// (`root`), whose identity is the record's key, then the period's own
// identity and validity, then the fields. The "period part" is the whole
// struct, so that per-employee code finds `objectStruct`, `timePeriod` and
// `oidEmployee` where it looks for them.
template <>
struct RecordLayout<accidentinsurancefund::EEAccidentInsuranceFundStruct> {
  static constexpr bool kKeyedByEmployee = true;
  template <class S>
  static auto& RootPart(S& s) {
    return s.root;
  }
  template <class S>
  static auto& PeriodPart(S& s) {
    return s;
  }
  template <class S>
  static auto& RootIdentity(S& s) {
    return s.root.objectStruct;
  }
  template <class S>
  static auto& PeriodIdentity(S& s) {
    return s.objectStruct;
  }
  template <class S>
  static auto& Period(S& s) {
    return s.timePeriod;
  }
  template <class S>
  static char const* EmployeeOid(S const& s) {
    return s.root.objectStruct.objectid;
  }
};

struct EEAccidentInsuranceFundService {
  using Servant = accidentinsurancefund::EEAccidentInsuranceFundServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.accidentinsurancefund."
      "EEAccidentInsuranceFundServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ACCIDENTINSURANCEFUND_KIND_H_
