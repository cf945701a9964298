#include "contact.h"

namespace ostrel {
namespace personnel {

Contact::Contact() { MakeBoCopy(); }

Contact::Contact(StructType const& s) : BO(s) { MakeBoCopy(); }

Contact::Contact(Contact const& o) : BO(o) { MakeBoCopy(); }

base::VDate Contact::GetContactDate() const { return base::VDate(Value().contactDate.in()); }
std::wstring Contact::GetContactPerson() const { return std::wstring(Value().contactPerson.in()); }
std::wstring Contact::GetSubject() const { return std::wstring(Value().subject.in()); }
std::wstring Contact::GetText() const { return std::wstring(Value().text.in()); }

void Contact::SetContactDate(base::VDate const& v) { Value().contactDate = v.ToIdl().c_str(); }
void Contact::SetContactPerson(std::wstring const& v) { Value().contactPerson = v.c_str(); }
void Contact::SetSubject(std::wstring const& v) { Value().subject = v.c_str(); }
void Contact::SetText(std::wstring const& v) { Value().text = v.c_str(); }

}  // namespace personnel
}  // namespace ostrel
