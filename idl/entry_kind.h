// The entry module as the library and the reference server both see it:
// the servant's name and which texts of the received structs hold dates.
#ifndef OSTREL_IDL_ENTRY_KIND_H_
#define OSTREL_IDL_ENTRY_KIND_H_

#include <tuple>

#include "entry.hh"
#include "master_kind.h"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace entry = com::ostrel::personnel::domain::employee::entry;

struct EntryService {
  using Servant = entry::EntryServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.entry.EntryServantImpl";
};

template <>
struct WireTexts<entry::EntryStruct> {
  using S = entry::EntryStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Date<&S::dateOfBirth>{"dateOfBirth"},
      wire::Date<&S::dateOfEntry>{"dateOfEntry"}, wire::Date<&S::dateOfEntrySI>{"dateOfEntrySI"},
      wire::Date<&S::contractStart>{"contractStart"},
      wire::Date<&S::probationStart>{"probationStart"},
      wire::Date<&S::probationEnd>{"probationEnd"},
      wire::Date<&S::allowableEntryDate>{"allowableEntryDate"},
      wire::Date<&S::entryDateBranche>{"entryDateBranche"},
      wire::Date<&S::employmentLtdBy>{"employmentLtdBy"},
      wire::Date<&S::workPermitLtdBy>{"workPermitLtdBy"},
      wire::Date<&S::residPermitLtdBy>{"residPermitLtdBy"},
      wire::Date<&S::passportValidTo>{"passportValidTo"}, wire::NestedSeq<&S::errors>{"errors"});
};
template <>
struct WireTexts<entry::MigrationEmployeeStruct> {
  using S = entry::MigrationEmployeeStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Date<&S::dateOfBirth>{"dateOfBirth"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ENTRY_KIND_H_
