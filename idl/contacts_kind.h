// The contacts module as the library and the reference server both see it.
#ifndef OSTREL_IDL_CONTACTS_KIND_H_
#define OSTREL_IDL_CONTACTS_KIND_H_

#include <tuple>

#include "contacts.hh"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace contacts = com::ostrel::personnel::domain::employee::contacts;

template <>
struct WireTexts<contacts::EmployeeContactStruct> {
  using S = contacts::EmployeeContactStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::contact>{"contact"},
      wire::Date<&S::taskReminderDate>{"taskReminderDate"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_CONTACTS_KIND_H_
