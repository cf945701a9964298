#include "employee/master.h"

#include "field.h"
#include "nested.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<MasterService>;
using master::MasterServant_ptr;
using Token = AccessToken_ptr;

// --- contacts and notes -------------------------------------------------

EmployeeContact::EmployeeContact() {
  Value() = StructType();
  SetContact(personnel::Contact());
  SetCreateTaskReminder(false);
  MakeBoCopy();
}
EmployeeContact::EmployeeContact(contacts::EmployeeContactStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
}
personnel::Contact EmployeeContact::GetContact() const {
  return personnel::Contact(Value().contact);
}
void EmployeeContact::SetContact(personnel::Contact const& v) { Value().contact = v.ToIdl(); }
base::VDate EmployeeContact::GetTaskReminderDate() const {
  return field::Date(Value().taskReminderDate);
}
void EmployeeContact::SetTaskReminderDate(base::VDate const& v) {
  field::SetDate(Value().taskReminderDate, v);
}
bool EmployeeContact::GetCreateTaskReminder() const { return Value().createTaskReminder; }
void EmployeeContact::SetCreateTaskReminder(bool v) { Value().createTaskReminder = v; }

EmployeeNote::EmployeeNote() {
  Value() = StructType();
  SetNote(personnel::Note());
  SetCreateTaskReminder(false);
  MakeBoCopy();
}
EmployeeNote::EmployeeNote(notes::EmployeeNoteStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
}
personnel::Note EmployeeNote::GetNote() const { return personnel::Note(Value().note); }
void EmployeeNote::SetNote(personnel::Note const& v) { Value().note = v.ToIdl(); }
base::VDate EmployeeNote::GetTaskReminderDate() const {
  return field::Date(Value().taskReminderDate);
}
void EmployeeNote::SetTaskReminderDate(base::VDate const& v) {
  field::SetDate(Value().taskReminderDate, v);
}
bool EmployeeNote::GetCreateTaskReminder() const { return Value().createTaskReminder; }
void EmployeeNote::SetCreateTaskReminder(bool v) { Value().createTaskReminder = v; }

// --- period part --------------------------------------------------------

Master::Master() {
  Value() = StructType();  // every number, flag and enum starts at 0
  SetSexEnum(static_cast<SexEnum>(1));
  SetCivilStatus(static_cast<master::CivilStatusEnum>(0));
  SetSpecialAccess(false);
  SetSOEperEMail(false);
  SetSpecialAccessLevel(0);
  SetServiceBan(false);
  SetNoUseMfaForService(false);
  MakeBoCopy();
}
Master::Master(master::MasterStruct const& s) : BO(s) {}
Master::Master(Master const& o) : BO(o) { MakeBoCopy(); }

std::string Master::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void Master::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
std::wstring Master::GetSurname() const { return field::Wide(Value().surname); }
void Master::SetSurname(std::wstring const& v) { field::SetWide(Value().surname, v); }
std::wstring Master::GetFirstname() const { return field::Wide(Value().firstname); }
void Master::SetFirstname(std::wstring const& v) { field::SetWide(Value().firstname, v); }
base::VDate Master::GetDateOfBirth() const { return field::Date(Value().dateOfBirth); }
void Master::SetDateOfBirth(base::VDate const& v) { field::SetDate(Value().dateOfBirth, v); }
std::string Master::GetOidStateLanguage() const { return field::Text(Value().oidStateLanguage); }
void Master::SetOidStateLanguage(std::string const& v) {
  field::SetText(Value().oidStateLanguage, v);
}
std::string Master::GetNamePrefix() const { return field::Text(Value().namePrefix); }
void Master::SetNamePrefix(std::string const& v) { field::SetText(Value().namePrefix, v); }
std::string Master::GetNameAffix() const { return field::Text(Value().nameAffix); }
void Master::SetNameAffix(std::string const& v) { field::SetText(Value().nameAffix, v); }
std::string Master::GetTitle() const { return field::Text(Value().title); }
void Master::SetTitle(std::string const& v) { field::SetText(Value().title, v); }
SexEnum Master::GetSexEnum() const { return Value().sexEnum; }
void Master::SetSexEnum(SexEnum v) { Value().sexEnum = v; }
master::CivilStatusEnum Master::GetCivilStatus() const { return Value().civilStatus; }
void Master::SetCivilStatus(master::CivilStatusEnum v) { Value().civilStatus = v; }
master::FormOfAddressEnum Master::GetFormOfAddrEnum() const { return Value().formOfAddrEnum; }
void Master::SetFormOfAddrEnum(master::FormOfAddressEnum v) { Value().formOfAddrEnum = v; }
std::string Master::GetFormOfAddress() const { return field::Text(Value().formOfAddress); }
void Master::SetFormOfAddress(std::string const& v) { field::SetText(Value().formOfAddress, v); }
std::string Master::GetFormOfLetter() const { return field::Text(Value().formOfLetter); }
void Master::SetFormOfLetter(std::string const& v) { field::SetText(Value().formOfLetter, v); }
std::string Master::GetStreet() const { return field::Text(Value().street); }
void Master::SetStreet(std::string const& v) { field::SetText(Value().street, v); }
std::string Master::GetStreetNumber() const { return field::Text(Value().streetNumber); }
void Master::SetStreetNumber(std::string const& v) { field::SetText(Value().streetNumber, v); }
std::string Master::GetOidState() const { return field::Text(Value().oidState); }
void Master::SetOidState(std::string const& v) { field::SetText(Value().oidState, v); }
std::string Master::GetPostalCode() const { return field::Text(Value().postalCode); }
void Master::SetPostalCode(std::string const& v) { field::SetText(Value().postalCode, v); }
std::string Master::GetDomicile() const { return field::Text(Value().domicile); }
void Master::SetDomicile(std::string const& v) { field::SetText(Value().domicile, v); }
std::string Master::GetAddressAddendum() const { return field::Text(Value().addressAddendum); }
void Master::SetAddressAddendum(std::string const& v) {
  field::SetText(Value().addressAddendum, v);
}
personnel::Communication Master::GetPrivateCommunication() const {
  return personnel::Communication(Value().privateCommunication);
}
void Master::SetPrivateCommunication(personnel::Communication const& v) {
  Value().privateCommunication = v.ToIdl();
}
personnel::Communication Master::GetCompanyCommunication() const {
  return personnel::Communication(Value().companyCommunication);
}
void Master::SetCompanyCommunication(personnel::Communication const& v) {
  Value().companyCommunication = v.ToIdl();
}
std::string Master::GetMemo() const { return field::Text(Value().memo); }
void Master::SetMemo(std::string const& v) { field::SetText(Value().memo, v); }

OctetSeq Master::GetPhoto() {
  base::VString const file_name = GetPhotoFileName();
  if (Value().photo.length() == 0 && !file_name.empty()) {
    auto bytes = Remote_::Call(
        [](MasterServant_ptr s, Token t, std::string const& e, std::string const& o,
           CORBA::Long v) { return s->getPhoto(t, e.c_str(), o.c_str(), v); },
        GetOidEmployee(), field::Text(Value().objectStruct.objectid), Value().objectStruct.version);
    Value().photo = bytes.in();
  }
  return Value().photo;
}
void Master::SetPhoto(OctetSeq const& v) { Value().photo = v; }
base::VString Master::GetPhotoFileName() const {
  return base::VString(field::Wide(Value().photoFileName));
}
void Master::SetPhotoFileName(base::VString const& v) {
  field::SetWide(Value().photoFileName, v.str());
}
std::string Master::GetEtinNumber() const { return field::Text(Value().etinNumber); }
void Master::SetEtinNumber(std::string const& v) { field::SetText(Value().etinNumber, v); }
base::VDate Master::GetDateOfBanRetroactiveCalculation() const {
  return field::Date(Value().dateOfBanRetroactiveCalculation);
}
void Master::SetDateOfBanRetroactiveCalculation(base::VDate const& v) {
  field::SetDate(Value().dateOfBanRetroactiveCalculation, v);
}
bool Master::GetSpecialAccess() const { return Value().specialAccess; }
void Master::SetSpecialAccess(bool v) { Value().specialAccess = v; }
bool Master::GetSOEperEMail() const { return Value().sOEperEMail; }
void Master::SetSOEperEMail(bool v) { Value().sOEperEMail = v; }
int Master::GetSpecialAccessLevel() const { return static_cast<int>(Value().specialAccessLevel); }
void Master::SetSpecialAccessLevel(int v) {
  Value().specialAccessLevel = static_cast<CORBA::Long>(v);
}
std::string Master::GetDateOfBirthELSTAM() const { return field::Text(Value().dateOfBirthELSTAM); }
void Master::SetDateOfBirthELSTAM(std::string const& v) {
  field::SetText(Value().dateOfBirthELSTAM, v);
}
std::wstring Master::GetServiceEmailAddress() const {
  return field::Wide(Value().serviceEmailAddress);
}
void Master::SetServiceEmailAddress(std::wstring const& v) {
  field::SetWide(Value().serviceEmailAddress, v);
}
std::wstring Master::GetServicePassword() const { return field::Wide(Value().servicePassword); }
void Master::SetServicePassword(std::wstring const& v) {
  field::SetWide(Value().servicePassword, v);
}
bool Master::GetServiceBan() const { return Value().serviceBan; }
void Master::SetServiceBan(bool v) { Value().serviceBan = v; }
std::wstring Master::GetServiceUserCode() const { return field::Wide(Value().serviceUserCode); }
void Master::SetServiceUserCode(std::wstring const& v) {
  field::SetWide(Value().serviceUserCode, v);
}
std::wstring Master::GetPasswordSoePerEMail() const {
  return field::Wide(Value().passwordSoePerEMail);
}
void Master::SetPasswordSoePerEMail(std::wstring const& v) {
  field::SetWide(Value().passwordSoePerEMail, v);
}
bool Master::GetNoUseMfaForService() const { return Value().noUseMfaForService; }
void Master::SetNoUseMfaForService(bool v) { Value().noUseMfaForService = v; }

// --- look-up lists ------------------------------------------------------

NameAffix::NameAffix() { MakeBoCopy(); }
NameAffix::NameAffix(master::NameAffixStruct const& s) : BO(s) {}
std::string NameAffix::GetNameAffix() const { return field::Text(Value().nameAffix); }
std::vector<NameAffix*>* NameAffix::GetNameAffixList() {
  return Remote_::List<NameAffix>(
      [](MasterServant_ptr s, Token t) { return s->getNameAffixList(t); });
}

NamePrefix::NamePrefix() { MakeBoCopy(); }
NamePrefix::NamePrefix(master::NamePrefixStruct const& s) : BO(s) {}
std::string NamePrefix::GetNamePrefix() const { return field::Text(Value().namePrefix); }
std::vector<NamePrefix*>* NamePrefix::GetNamePrefixList() {
  return Remote_::List<NamePrefix>(
      [](MasterServant_ptr s, Token t) { return s->getNamePrefixList(t); });
}

// --- filter -------------------------------------------------------------

EEMasterFilter::EEMasterFilter() {
  ClearEEMasterFilter();
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

void EEMasterFilter::ClearEEMasterFilter() {
  SetOidStateLanguage("");
  ClearSex();
  ClearCivilStatusEnum();
  SetPostalCode("");
  SetOidPCompany("");
  ClearPersonnelNumber();
  SetSurname(L"");
  SetFirstname(L"");
  SetDateComparer("");
  SetDateOfBirth(base::VDate(-1, -1, -1));
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetFormOfAddress("");
  SetListDisplayOfEmployeeEnum(
      static_cast<com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum>(0));
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

void EEMasterFilter::SetOidStateLanguage(std::string const& v) {
  field::SetText(filter_.oidStateLanguage, v);
}
void EEMasterFilter::SetSex(SexEnum v) { filter_.sex.sex(v); }
void EEMasterFilter::ClearSex() { filter_.sex._default(); }
void EEMasterFilter::SetCivilStatusEnum(master::CivilStatusEnum v) {
  filter_.civilStatusEnum.civilStatus(v);
}
void EEMasterFilter::ClearCivilStatusEnum() { filter_.civilStatusEnum._default(); }
void EEMasterFilter::SetPostalCode(std::string const& v) { field::SetText(filter_.postalCode, v); }
void EEMasterFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EEMasterFilter::SetPersonnelNumber(long v) {
  filter_.personnelNumber.pnr(static_cast<CORBA::Long>(v));
}
void EEMasterFilter::ClearPersonnelNumber() { filter_.personnelNumber._default(); }
void EEMasterFilter::SetSurname(std::wstring const& v) { field::SetWide(filter_.surname, v); }
void EEMasterFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EEMasterFilter::SetFormOfAddress(std::string const& v) {
  field::SetText(filter_.formOfAddress, v);
}
void EEMasterFilter::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void EEMasterFilter::SetFirstname(std::wstring const& v) { field::SetWide(filter_.firstname, v); }
void EEMasterFilter::SetDateOfBirth(base::VDate const& v) {
  field::SetDate(filter_.dateOfBirth, v);
}
void EEMasterFilter::SetDateComparer(std::string const& v) {
  field::SetText(filter_.dateComparer, v);
}
void EEMasterFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}

// --- record -------------------------------------------------------------

void EEMaster::Commit() {
  CommitThreeWay<MasterService>(
      [](MasterServant_ptr s, Token t, auto const& v) { return s->createMaster(t, v); },
      [](MasterServant_ptr s, Token t, auto const& v, bool removeNew) {
        return s->addMaster(t, v, removeNew);
      },
      [](MasterServant_ptr s, Token t, auto const& v, bool removeNew) {
        return s->setMaster(t, v, removeNew);
      });
}

// The root part is the employee: deleting master data deletes the employee.
void EEMaster::Delete() {
  RemoteWrite<MasterService>(
      [this](MasterServant_ptr s, Token t) {
        s->deleteEmployee(t, GetObjectid().c_str(), static_cast<CORBA::Long>(GetVersion()));
      },
      OnFailure::kKeep);
}

std::vector<EmployeeContact*>* EEMaster::GetContacts() const {
  return NewVector<EmployeeContact>(Value().contacts);
}
void EEMaster::SetContacts(std::vector<EmployeeContact*> const* v) {
  AssignSeq(Value().contacts, v);
}
std::vector<EmployeeNote*>* EEMaster::GetNotes() const {
  return NewVector<EmployeeNote>(Value().notes);
}
void EEMaster::SetNotes(std::vector<EmployeeNote*> const* v) { AssignSeq(Value().notes, v); }

std::vector<EEMaster*>* EEMaster::GetActiveMaster(std::vector<EEMasterFilter*> const* filters,
                                                  base::Sortierung const& sort) {
  return Remote_::List<EEMaster>([](MasterServant_ptr s, Token t, auto const& f,
                                    auto const& o) { return s->getActiveMaster(t, f, o); },
                                 ToIdlSeq<master::EEMasterFilterSeq>(filters), sort.ToIdl());
}

EEMaster::Callback* EEMaster::GetActiveMasterCB(std::string oidPCompany,
                                                std::vector<EEMasterFilter*> const* filters,
                                                base::Sortierung const& sort,
                                                unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](MasterServant_ptr s, Token t, std::string const& c, auto const& f, auto const& o,
         auto cb) { s->getActiveMasterCB(t, c.c_str(), f, o, cb); },
      oidPCompany, ToIdlSeq<master::EEMasterFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEMaster*>* EEMaster::GetActiveEffectiveMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e) {
        return s->getActiveEffectiveMasterHistory(t, e.c_str());
      },
      oidEmployee);
}

std::vector<EEMaster*>* EEMaster::GetAllMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e) {
        return s->getAllMasterHistory(t, e.c_str());
      },
      oidEmployee);
}

std::vector<EEMaster*>* EEMaster::GetEffectiveMasterHistory(std::string oidEmployee,
                                                            base::VDate effective) {
  return Remote_::List<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEffectiveMasterHistory(t, e.c_str(), d.c_str());
      },
      oidEmployee, effective.ToIdl());
}

std::vector<EEMaster*>* EEMaster::GetLinkedActiveEffectiveMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedActiveEffectiveMasterHistory(t, e.c_str());
      },
      oidEmployee);
}

std::vector<EEMaster*>* EEMaster::GetLinkedAllMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedAllMasterHistory(t, e.c_str());
      },
      oidEmployee);
}

EEMaster EEMaster::GetObjectFromObjectId(std::string const& oidEmployee,
                                         base::VDate const& effective, base::VDate const& valid) {
  return Remote_::Fetch<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e, std::string const& d,
         std::string const& v) {
        return s->getObjectFromObjectId(t, e.c_str(), d.c_str(), v.c_str());
      },
      oidEmployee, effective.ToIdl(), valid.ToIdl());
}

bool EEMaster::DeletePossible(std::string const& oidEmployee) {
  return Remote_::Call([](MasterServant_ptr s, Token t,
                          std::string const& e) { return s->deletePossible(t, e.c_str()); },
                       oidEmployee);
}

bool EEMaster::ExistsAccounts(std::string const& oidEmployee) {
  return Remote_::Call([](MasterServant_ptr s, Token t,
                          std::string const& e) { return s->existsAccounts(t, e.c_str()); },
                       oidEmployee);
}

EEMaster EEMaster::DeleteServiceUser(std::string const& oidEmployee) {
  return Remote_::Fetch<EEMaster>(
      [](MasterServant_ptr s, Token t, std::string const& e) {
        return s->deleteServiceUser(t, e.c_str());
      },
      oidEmployee);
}

}  // namespace ostrel
