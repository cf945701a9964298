// The entry-reason module beside its IDL: the record's layout and the
// servant's name. What follows from the IDL itself (wire texts, fields,
// operations) is generated into entryreason_idl.h.
#ifndef OSTREL_IDL_ENTRYREASON_KIND_H_
#define OSTREL_IDL_ENTRYREASON_KIND_H_

#include "entryreason_idl.h"
#include "record_layout.h"

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

}  // namespace ostrel

#endif  // OSTREL_IDL_ENTRYREASON_KIND_H_
