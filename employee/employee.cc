#include "employee/employee.h"

#include "field.h"

namespace ostrel {

EmployeeShort::EmployeeShort() {
  SetSexEnum(static_cast<SexEnum>(1));
  SetPersonnelNumber(0);
  MakeBoCopy();
}

EmployeeShort::EmployeeShort(employee::EmployeeShortStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

std::string EmployeeShort::GetObjectid() const {
  return field::Text(Value().objectStruct.objectid);
}
void EmployeeShort::SetObjectid(std::string const& v) {
  field::SetText(Value().objectStruct.objectid, v);
}
long EmployeeShort::GetVersion() const { return Value().objectStruct.version; }
void EmployeeShort::SetVersion(long v) {
  Value().objectStruct.version = static_cast<CORBA::Long>(v);
}
std::string EmployeeShort::GetOidPCompany() const { return field::Text(Value().oidPCompany); }
void EmployeeShort::SetOidPCompany(std::string const& v) { field::SetText(Value().oidPCompany, v); }
long EmployeeShort::GetPersonnelNumber() const { return Value().personnelNumber; }
void EmployeeShort::SetPersonnelNumber(long v) {
  Value().personnelNumber = static_cast<CORBA::Long>(v);
}
std::string EmployeeShort::GetTitle() const { return field::Text(Value().title); }
void EmployeeShort::SetTitle(std::string const& v) { field::SetText(Value().title, v); }
std::wstring EmployeeShort::GetSurname() const { return field::Wide(Value().surname); }
void EmployeeShort::SetSurname(std::wstring const& v) { field::SetWide(Value().surname, v); }
std::string EmployeeShort::GetNamePrefix() const { return field::Text(Value().namePrefix); }
void EmployeeShort::SetNamePrefix(std::string const& v) { field::SetText(Value().namePrefix, v); }
std::wstring EmployeeShort::GetFirstname() const { return field::Wide(Value().firstname); }
void EmployeeShort::SetFirstname(std::wstring const& v) { field::SetWide(Value().firstname, v); }
SexEnum EmployeeShort::GetSexEnum() const { return Value().sexEnum; }
void EmployeeShort::SetSexEnum(SexEnum v) { Value().sexEnum = v; }
base::VDate EmployeeShort::GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
void EmployeeShort::SetDateOfEntry(base::VDate const& v) { field::SetDate(Value().dateOfEntry, v); }
base::VDate EmployeeShort::GetDateOfWithDrawal() const {
  return field::Date(Value().dateOfWithDrawal);
}
void EmployeeShort::SetDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawal, v);
}
base::VDate EmployeeShort::GetJournalizedUntil() const {
  return field::Date(Value().journalizedUntil);
}
void EmployeeShort::SetJournalizedUntil(base::VDate const& v) {
  field::SetDate(Value().journalizedUntil, v);
}

}  // namespace ostrel
