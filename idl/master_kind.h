// The master module as the library and the reference server both see it:
// the record's layout, the servant's name and which texts of the received
// structs hold dates.
#ifndef OSTREL_IDL_MASTER_KIND_H_
#define OSTREL_IDL_MASTER_KIND_H_

#include <tuple>

#include "contacts_kind.h"
#include "employee_kind.h"
#include "master.hh"
#include "notes_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

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

// dateOfBirthELSTAM travels as the server wrote it and is not read as a date.
template <>
struct WireTexts<master::MasterStruct> {
  using S = master::MasterStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateOfBirth>{"dateOfBirth"},
      wire::Date<&S::dateOfBanRetroactiveCalculation>{"dateOfBanRetroactiveCalculation"});
};
template <>
struct WireTexts<master::EEMasterStruct> {
  using S = master::EEMasterStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"},
      wire::NestedSeq<&S::contacts>{"contacts"}, wire::NestedSeq<&S::notes>{"notes"});
};
template <>
struct WireTexts<master::EEMasterFilterStruct> {
  using S = master::EEMasterFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"},
                      wire::Date<&S::dateOfBirth>{"dateOfBirth"},
                      wire::Nested<&S::extendedFilter>{"extendedFilter"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_MASTER_KIND_H_
