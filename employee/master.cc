#include "employee/master.h"

#include <utility>

#include "field.h"
#include "nested.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<MasterService>;
using Stub = Remote_::Stub;

// --- contacts and notes -------------------------------------------------

EmployeeContact::EmployeeContact() {
  Value() = StructType();
  SetContact(personnel::Contact());
  SetCreateTaskReminder(false);
  MakeBoCopy();
}

EmployeeNote::EmployeeNote() {
  Value() = StructType();
  SetNote(personnel::Note());
  SetCreateTaskReminder(false);
  MakeBoCopy();
}

// --- period part --------------------------------------------------------

Master::Master() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

OctetSeq Master::GetPhoto() {
  base::VString const file_name = GetPhotoFileName();
  if (Value().photo.length() == 0 && !file_name.empty()) {
    ObjectStruct const& id = std::as_const(*this).Value().objectStruct;
    auto bytes =
        Remote_::Call(&Stub::getPhoto, GetOidEmployee().c_str(), id.objectid.in(), id.version);
    Value().photo = bytes.in();
  }
  return Value().photo;
}

// --- look-up lists ------------------------------------------------------

std::vector<NameAffix*>* NameAffix::GetNameAffixList() {
  return Remote_::List<NameAffix>(&Stub::getNameAffixList);
}

std::vector<NamePrefix*>* NamePrefix::GetNamePrefixList() {
  return Remote_::List<NamePrefix>(&Stub::getNamePrefixList);
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

// --- record -------------------------------------------------------------

void EEMaster::Commit() {
  CommitThreeWay<MasterService>(&Stub::createMaster, &Stub::addMaster, &Stub::setMaster);
}

// The root part is the employee: deleting master data deletes the employee.
void EEMaster::Delete() {
  RemoteWrite<MasterService>(
      [this](Stub* s, AccessToken_ptr t) {
        s->deleteEmployee(t, GetObjectid().c_str(), static_cast<CORBA::Long>(GetVersion()));
      },
      OnFailure::kKeep);
}

std::vector<EEMaster*>* EEMaster::GetActiveMaster(std::vector<EEMasterFilter*> const* filters,
                                                  base::Sortierung const& sort) {
  return Remote_::List<EEMaster>(&Stub::getActiveMaster,
                                 ToIdlSeq<master::EEMasterFilterSeq>(filters), sort.ToIdl());
}

EEMaster::Callback* EEMaster::GetActiveMasterCB(std::string oidPCompany,
                                                std::vector<EEMasterFilter*> const* filters,
                                                base::Sortierung const& sort,
                                                unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveMasterCB, oidPCompany.c_str(),
                                   ToIdlSeq<master::EEMasterFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEMaster*>* EEMaster::GetActiveEffectiveMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(&Stub::getActiveEffectiveMasterHistory, oidEmployee.c_str());
}

std::vector<EEMaster*>* EEMaster::GetAllMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(&Stub::getAllMasterHistory, oidEmployee.c_str());
}

std::vector<EEMaster*>* EEMaster::GetEffectiveMasterHistory(std::string oidEmployee,
                                                            base::VDate effective) {
  return Remote_::List<EEMaster>(&Stub::getEffectiveMasterHistory, oidEmployee.c_str(),
                                 effective.c_str());
}

std::vector<EEMaster*>* EEMaster::GetLinkedActiveEffectiveMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(&Stub::getLinkedActiveEffectiveMasterHistory, oidEmployee.c_str());
}

std::vector<EEMaster*>* EEMaster::GetLinkedAllMasterHistory(std::string oidEmployee) {
  return Remote_::List<EEMaster>(&Stub::getLinkedAllMasterHistory, oidEmployee.c_str());
}

EEMaster EEMaster::GetObjectFromObjectId(std::string const& oidEmployee,
                                         base::VDate const& effective, base::VDate const& valid) {
  return Remote_::Fetch<EEMaster>(&Stub::getObjectFromObjectId, oidEmployee.c_str(),
                                  effective.c_str(), valid.c_str());
}

bool EEMaster::DeletePossible(std::string const& oidEmployee) {
  return Remote_::Call(&Stub::deletePossible, oidEmployee.c_str());
}

bool EEMaster::ExistsAccounts(std::string const& oidEmployee) {
  return Remote_::Call(&Stub::existsAccounts, oidEmployee.c_str());
}

EEMaster EEMaster::DeleteServiceUser(std::string const& oidEmployee) {
  return Remote_::Fetch<EEMaster>(&Stub::deleteServiceUser, oidEmployee.c_str());
}

}  // namespace ostrel
