#include "employee/entry.h"

#include "field.h"
#include "remote.h"
#include "string_converter.h"

namespace ostrel {

using EntryStub = Remote<EntryService>::Stub;
using ReasonStub = Remote<EntryReasonService>::Stub;

// --- entry --------------------------------------------------------------

Entry::Entry() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

EEMaster Entry::CreateEntry(bool retroactivEntry, std::string const& journalizedUntil) const {
  return Remote<EntryService>::Fetch<EEMaster>(&EntryStub::createEmployee, ToIdl(), retroactivEntry,
                                               journalizedUntil.c_str());
}

EEMaster Entry::CreateEntryCopy(std::string const& oidReferenceEmployee, bool retroactivEntry,
                                std::string const& journalizedUntil,
                                bool withdrawalReference) const {
  return Remote<EntryService>::Fetch<EEMaster>(&EntryStub::createEmployeeCopy, ToIdl(),
                                               oidReferenceEmployee.c_str(), retroactivEntry,
                                               journalizedUntil.c_str(), withdrawalReference);
}

Entry Entry::GetMigrationEmployee(std::string const& migrationPCompanyKey,
                                  std::string const& migrationPersonnelNumber,
                                  std::string const& targetPCompanyKey) {
  auto r =
      Remote<EntryService>::Call(&EntryStub::getMigrationEmployee, migrationPCompanyKey.c_str(),
                                 migrationPersonnelNumber.c_str(), targetPCompanyKey.c_str());
  SetValue(r.in());
  SetObjectStruct(Value().objectStruct);
  MakeBoCopy();
  return Entry(r.in());
}

// The names go as UTF-16 code units, like every wide field.
std::vector<MigrationEmployee*>* Entry::GetMigrationEmployees(std::string const& pCompanyKey,
                                                              std::string const& personnelNumber,
                                                              std::wstring const& firstName,
                                                              std::wstring const& lastName,
                                                              base::VDate dateOfBirth) {
  std::wstring const first = base::StringConverter::SplitNonBmp(firstName);
  std::wstring const last = base::StringConverter::SplitNonBmp(lastName);
  return Remote<EntryService>::List<MigrationEmployee>(
      &EntryStub::getMigrationEmployees, pCompanyKey.c_str(), personnelNumber.c_str(),
      first.c_str(), last.c_str(), dateOfBirth.c_str());
}

long Entry::GetNextNotUsedPersonnelnumber(std::string const& oidPCompany,
                                          long startPersonnelNumber) {
  return Remote<EntryService>::Call(&EntryStub::getNextNotUsedPersonnelnumber, oidPCompany.c_str(),
                                    static_cast<CORBA::Long>(startPersonnelNumber));
}

// --- entry reasons ------------------------------------------------------

EntryReasonRoot::EntryReasonRoot() {
  Value() = StructType();
  SetEntryReason(0);
  MakeBoCopy();
}

void EntryReason::Commit() {
  CommitThreeWay<EntryReasonService>(&ReasonStub::createEntryReason, &ReasonStub::addEntryReason,
                                     &ReasonStub::setEntryReason);
}

// Entry reasons belong to no employee: only the object id and version go.
void EntryReason::Delete() {
  RemoteWrite<EntryReasonService>(
      [this](ReasonStub* s, AccessToken_ptr t) {
        s->deleteEntryReason(t, GetObjectid().c_str(), static_cast<CORBA::Long>(GetVersion()));
      },
      OnFailure::kKeep);
}

std::vector<EntryReason*>* EntryReason::GetActiveEntryReasons(
    std::vector<EntryReasonFilter*> const* filters, base::Sortierung const& sort) {
  return Remote<EntryReasonService>::List<EntryReason>(
      &ReasonStub::getActiveEntryReasons, ToIdlSeq<entryreason::EntryReasonFilterSeq>(filters),
      sort.ToIdl());
}

std::vector<EntryReason*>* EntryReason::GetActiveEffectiveEntryReasonHistory(
    std::string oidEntryReason) {
  return Remote<EntryReasonService>::List<EntryReason>(
      &ReasonStub::getActiveEffectiveEntryReasonHistory, oidEntryReason.c_str());
}

std::vector<EntryReason*>* EntryReason::GetAllEntryReasonHistory(std::string oidEntryReason) {
  return Remote<EntryReasonService>::List<EntryReason>(&ReasonStub::getAllEntryReasonHistory,
                                                       oidEntryReason.c_str());
}

std::vector<EntryReason*>* EntryReason::GetEffectiveEntryReasonHistory(
    std::string oidEntryReason, std::string destinationTimePoint) {
  return Remote<EntryReasonService>::List<EntryReason>(&ReasonStub::getEffectiveEntryReasonHistory,
                                                       oidEntryReason.c_str(),
                                                       destinationTimePoint.c_str());
}

}  // namespace ostrel
