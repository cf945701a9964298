// The accident insurance fund module as the library and the reference
// server both see it: where the flat record keeps its identities, the
// servant's name, and which texts of the received structs hold dates and
// fixed-point numbers.
#ifndef OSTREL_IDL_ACCIDENTINSURANCEFUND_KIND_H_
#define OSTREL_IDL_ACCIDENTINSURANCEFUND_KIND_H_

#include <tuple>

#include "accidentinsurancefund.hh"
#include "employee_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

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

template <>
struct WireTexts<partclassofrisk::PartClassOfRiskStruct> {
  using S = partclassofrisk::PartClassOfRiskStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                                                   wire::Fixed<&S::percentage>{"percentage"},
                                                   wire::Fixed<&S::aifPercent>{"aifPercent"});
};
template <>
struct WireTexts<accidentinsurancefund::EEAccidentInsuranceFundStruct> {
  using S = accidentinsurancefund::EEAccidentInsuranceFundStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::root>{"root"}, wire::Nested<&S::objectStruct>{"objectStruct"},
      wire::Nested<&S::timePeriod>{"timePeriod"}, wire::Fixed<&S::percentage>{"percentage"},
      wire::Fixed<&S::aifPercent>{"aifPercent"},
      wire::NestedSeq<&S::partClassOfRisks>{"partClassOfRisks"},
      wire::NestedSeq<&S::errors>{"errors"});
};
template <>
struct WireTexts<accidentinsurancefund::EEAccidentInsuranceFundFilterStruct> {
  using S = accidentinsurancefund::EEAccidentInsuranceFundFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ACCIDENTINSURANCEFUND_KIND_H_
