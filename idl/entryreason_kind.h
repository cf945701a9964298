// The entry-reason module as the library and the reference server both see
// it: the record's layout, the servant's name and the wire texts of the
// received structs.
#ifndef OSTREL_IDL_ENTRYREASON_KIND_H_
#define OSTREL_IDL_ENTRYREASON_KIND_H_

#include <tuple>

#include "entryreason.hh"
#include "personnel_texts.h"
#include "record_layout.h"
#include "wire_texts.h"

namespace ostrel {

namespace entryreason = com::ostrel::personnel::domain::designationtype::entryreason;

// The record's parts are named after the record kind; an entry reason
// belongs to no employee.
template <>
struct RecordLayout<entryreason::EntryReasonStruct>
    : MemberLayout<&entryreason::EntryReasonStruct::entryReasonRoot,
                   &entryreason::EntryReasonStruct::entryReasonTP> {
  template <class S>
  static char const* EmployeeOid(S const&) {
    return "";
  }
};

struct EntryReasonService {
  using Servant = entryreason::EntryReasonServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.designationtype.entryreason.EntryReasonServantImpl";
};

template <>
struct WireTexts<entryreason::EntryReasonRootStruct> {
  using S = entryreason::EntryReasonRootStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"});
};
template <>
struct WireTexts<entryreason::EntryReasonTPStruct> {
  using S = entryreason::EntryReasonTPStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                                                   wire::Nested<&S::timePeriod>{"timePeriod"});
};
template <>
struct WireTexts<entryreason::EntryReasonStruct> {
  using S = entryreason::EntryReasonStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::entryReasonRoot>{"entryReasonRoot"},
                      wire::Nested<&S::entryReasonTP>{"entryReasonTP"});
};
// The key number travels as text; the search reads it.
template <>
struct WireTexts<entryreason::EntryReasonFilterStruct> {
  static constexpr auto kMembers = std::make_tuple();
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ENTRYREASON_KIND_H_
