// The notes module as the library and the reference server both see it.
#ifndef OSTREL_IDL_NOTES_KIND_H_
#define OSTREL_IDL_NOTES_KIND_H_

#include <tuple>

#include "notes.hh"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace notes = com::ostrel::personnel::domain::employee::notes;

template <>
struct WireTexts<notes::EmployeeNoteStruct> {
  using S = notes::EmployeeNoteStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::note>{"note"},
      wire::Date<&S::taskReminderDate>{"taskReminderDate"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_NOTES_KIND_H_
