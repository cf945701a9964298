// The contacts module beside its IDL: nothing beyond the IDL. What follows
// from the IDL itself (wire texts, fields, operations) is generated into
// contacts_idl.h.
#ifndef OSTREL_IDL_CONTACTS_KIND_H_
#define OSTREL_IDL_CONTACTS_KIND_H_

#include "contacts_idl.h"

namespace ostrel {

namespace contacts = com::ostrel::personnel::domain::employee::contacts;

}  // namespace ostrel

#endif  // OSTREL_IDL_CONTACTS_KIND_H_
