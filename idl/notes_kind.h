// The notes module beside its IDL: nothing beyond the IDL. What follows from
// the IDL itself (wire texts, fields, operations) is generated into
// notes_idl.h.
#ifndef OSTREL_IDL_NOTES_KIND_H_
#define OSTREL_IDL_NOTES_KIND_H_

#include "notes_idl.h"

namespace ostrel {

namespace notes = com::ostrel::personnel::domain::employee::notes;

}  // namespace ostrel

#endif  // OSTREL_IDL_NOTES_KIND_H_
