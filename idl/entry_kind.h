// The entry module beside its IDL: the servant's name. What follows from the
// IDL itself (wire texts, fields, operations) is generated into entry_idl.h.
#ifndef OSTREL_IDL_ENTRY_KIND_H_
#define OSTREL_IDL_ENTRY_KIND_H_

#include "entry_idl.h"
#include "master_kind.h"

namespace ostrel {

namespace entry = com::ostrel::personnel::domain::employee::entry;

struct EntryService {
  using Servant = entry::EntryServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.entry.EntryServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_IDL_ENTRY_KIND_H_
