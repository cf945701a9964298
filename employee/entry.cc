#include "employee/entry.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using entry::EntryServant_ptr;
using entryreason::EntryReasonServant_ptr;
using Token = AccessToken_ptr;

// --- migration source ---------------------------------------------------

MigrationEmployee::MigrationEmployee() { MakeBoCopy(); }
MigrationEmployee::MigrationEmployee(entry::MigrationEmployeeStruct const& s) : BO(s) {}
std::string MigrationEmployee::GetPCompanyKey() const { return field::Text(Value().pCompanyKey); }
void MigrationEmployee::SetPCompanyKey(std::string const& v) {
  field::SetText(Value().pCompanyKey, v);
}
std::string MigrationEmployee::GetPersonnelNumber() const {
  return field::Text(Value().personnelNumber);
}
void MigrationEmployee::SetPersonnelNumber(std::string const& v) {
  field::SetText(Value().personnelNumber, v);
}
std::wstring MigrationEmployee::GetFirstName() const { return field::Wide(Value().firstName); }
void MigrationEmployee::SetFirstName(std::wstring const& v) {
  field::SetWide(Value().firstName, v);
}
std::wstring MigrationEmployee::GetLastName() const { return field::Wide(Value().lastName); }
void MigrationEmployee::SetLastName(std::wstring const& v) { field::SetWide(Value().lastName, v); }
base::VDate MigrationEmployee::GetDateOfBirth() const { return field::Date(Value().dateOfBirth); }
void MigrationEmployee::SetDateOfBirth(base::VDate const& v) {
  field::SetDate(Value().dateOfBirth, v);
}

// --- entry --------------------------------------------------------------

Entry::Entry() {
  Value() = StructType();  // every number, flag and enum starts at 0
  SetSex(static_cast<SexEnum>(1));
  SetPersonnelNumber(0);
  SetLimitedByPurpose(false);
  SetCivilStatus(static_cast<master::CivilStatusEnum>(0));
  SetInsolvencyEntryReason(static_cast<employment::InsolvencyEntryReasonEnum>(0));
  MakeBoCopy();
}
Entry::Entry(entry::EntryStruct const& s) : BO(s) { SetObjectStruct(s.objectStruct); }

std::string Entry::GetOidPCompany() const { return field::Text(Value().oidPCompany); }
void Entry::SetOidPCompany(std::string const& v) { field::SetText(Value().oidPCompany, v); }
long Entry::GetPersonnelNumber() const { return Value().personnelNumber; }
void Entry::SetPersonnelNumber(long v) { Value().personnelNumber = static_cast<CORBA::Long>(v); }
std::wstring Entry::GetSurname() const { return field::Wide(Value().surname); }
void Entry::SetSurname(std::wstring const& v) { field::SetWide(Value().surname, v); }
std::wstring Entry::GetFirstname() const { return field::Wide(Value().firstname); }
void Entry::SetFirstname(std::wstring const& v) { field::SetWide(Value().firstname, v); }
base::VDate Entry::GetDateOfBirth() const { return field::Date(Value().dateOfBirth); }
void Entry::SetDateOfBirth(base::VDate const& v) { field::SetDate(Value().dateOfBirth, v); }
std::string Entry::GetOidStateLanguage() const { return field::Text(Value().oidStateLanguage); }
void Entry::SetOidStateLanguage(std::string const& v) {
  field::SetText(Value().oidStateLanguage, v);
}
std::string Entry::GetNamePrefix() const { return field::Text(Value().namePrefix); }
void Entry::SetNamePrefix(std::string const& v) { field::SetText(Value().namePrefix, v); }
std::string Entry::GetNameAffix() const { return field::Text(Value().nameAffix); }
void Entry::SetNameAffix(std::string const& v) { field::SetText(Value().nameAffix, v); }
std::string Entry::GetTitle() const { return field::Text(Value().title); }
void Entry::SetTitle(std::string const& v) { field::SetText(Value().title, v); }
SexEnum Entry::GetSex() const { return Value().sex; }
void Entry::SetSex(SexEnum v) { Value().sex = v; }
master::FormOfAddressEnum Entry::GetFormOfAddrEnum() const { return Value().formOfAddrEnum; }
void Entry::SetFormOfAddrEnum(master::FormOfAddressEnum v) { Value().formOfAddrEnum = v; }
std::string Entry::GetFormOfAddress() const { return field::Text(Value().formOfAddress); }
void Entry::SetFormOfAddress(std::string const& v) { field::SetText(Value().formOfAddress, v); }
std::string Entry::GetFormOfLetter() const { return field::Text(Value().formOfLetter); }
void Entry::SetFormOfLetter(std::string const& v) { field::SetText(Value().formOfLetter, v); }
std::string Entry::GetStreet() const { return field::Text(Value().street); }
void Entry::SetStreet(std::string const& v) { field::SetText(Value().street, v); }
std::string Entry::GetStreetNumber() const { return field::Text(Value().streetNumber); }
void Entry::SetStreetNumber(std::string const& v) { field::SetText(Value().streetNumber, v); }
std::string Entry::GetOidState() const { return field::Text(Value().oidState); }
void Entry::SetOidState(std::string const& v) { field::SetText(Value().oidState, v); }
std::string Entry::GetPostalCode() const { return field::Text(Value().postalCode); }
void Entry::SetPostalCode(std::string const& v) { field::SetText(Value().postalCode, v); }
std::string Entry::GetDomicile() const { return field::Text(Value().domicile); }
void Entry::SetDomicile(std::string const& v) { field::SetText(Value().domicile, v); }
std::string Entry::GetAddressAddendum() const { return field::Text(Value().addressAddendum); }
void Entry::SetAddressAddendum(std::string const& v) { field::SetText(Value().addressAddendum, v); }
master::CivilStatusEnum Entry::GetCivilStatus() const { return Value().civilStatus; }
void Entry::SetCivilStatus(master::CivilStatusEnum v) { Value().civilStatus = v; }
base::VDate Entry::GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
void Entry::SetDateOfEntry(base::VDate const& v) { field::SetDate(Value().dateOfEntry, v); }
base::VDate Entry::GetDateOfEntrySI() const { return field::Date(Value().dateOfEntrySI); }
void Entry::SetDateOfEntrySI(base::VDate const& v) { field::SetDate(Value().dateOfEntrySI, v); }
base::VDate Entry::GetContractStart() const { return field::Date(Value().contractStart); }
void Entry::SetContractStart(base::VDate const& v) { field::SetDate(Value().contractStart, v); }
base::VDate Entry::GetProbationStart() const { return field::Date(Value().probationStart); }
void Entry::SetProbationStart(base::VDate const& v) { field::SetDate(Value().probationStart, v); }
base::VDate Entry::GetProbationEnd() const { return field::Date(Value().probationEnd); }
void Entry::SetProbationEnd(base::VDate const& v) { field::SetDate(Value().probationEnd, v); }
base::VDate Entry::GetAllowableEntryDate() const { return field::Date(Value().allowableEntryDate); }
void Entry::SetAllowableEntryDate(base::VDate const& v) {
  field::SetDate(Value().allowableEntryDate, v);
}
base::VDate Entry::GetEntryDateBranche() const { return field::Date(Value().entryDateBranche); }
void Entry::SetEntryDateBranche(base::VDate const& v) {
  field::SetDate(Value().entryDateBranche, v);
}
std::string Entry::GetOidEntryReason() const { return field::Text(Value().oidEntryReason); }
void Entry::SetOidEntryReason(std::string const& v) { field::SetText(Value().oidEntryReason, v); }
bool Entry::GetLimitedEmployment() const { return Value().limitedEmployment; }
void Entry::SetLimitedEmployment(bool v) { Value().limitedEmployment = v; }
base::VDate Entry::GetEmploymentLtdBy() const { return field::Date(Value().employmentLtdBy); }
void Entry::SetEmploymentLtdBy(base::VDate const& v) { field::SetDate(Value().employmentLtdBy, v); }
bool Entry::GetLimitedWorkPermit() const { return Value().limitedWorkPermit; }
void Entry::SetLimitedWorkPermit(bool v) { Value().limitedWorkPermit = v; }
base::VDate Entry::GetWorkPermitLtdBy() const { return field::Date(Value().workPermitLtdBy); }
void Entry::SetWorkPermitLtdBy(base::VDate const& v) { field::SetDate(Value().workPermitLtdBy, v); }
bool Entry::GetLtdResidencePermit() const { return Value().ltdResidencePermit; }
void Entry::SetLtdResidencePermit(bool v) { Value().ltdResidencePermit = v; }
base::VDate Entry::GetResidPermitLtdBy() const { return field::Date(Value().residPermitLtdBy); }
void Entry::SetResidPermitLtdBy(base::VDate const& v) {
  field::SetDate(Value().residPermitLtdBy, v);
}
base::VDate Entry::GetPassportValidTo() const { return field::Date(Value().passportValidTo); }
void Entry::SetPassportValidTo(base::VDate const& v) { field::SetDate(Value().passportValidTo, v); }
std::string Entry::GetOidOccupationPriorER() const {
  return field::Text(Value().oidOccupationPriorER);
}
void Entry::SetOidOccupationPriorER(std::string const& v) {
  field::SetText(Value().oidOccupationPriorER, v);
}
std::string Entry::GetOidOccupationGroupPriorER() const {
  return field::Text(Value().oidOccupationGroupPriorER);
}
void Entry::SetOidOccupationGroupPriorER(std::string const& v) {
  field::SetText(Value().oidOccupationGroupPriorER, v);
}
std::string Entry::GetOidOccupationReEntry() const {
  return field::Text(Value().oidOccupationReEntry);
}
void Entry::SetOidOccupationReEntry(std::string const& v) {
  field::SetText(Value().oidOccupationReEntry, v);
}
std::string Entry::GetOidOccupationGroupReEntry() const {
  return field::Text(Value().oidOccupationGroupReEntry);
}
void Entry::SetOidOccupationGroupReEntry(std::string const& v) {
  field::SetText(Value().oidOccupationGroupReEntry, v);
}
std::string Entry::GetOidPlant() const { return field::Text(Value().oidPlant); }
void Entry::SetOidPlant(std::string const& v) { field::SetText(Value().oidPlant, v); }
std::string Entry::GetOidEmployeeCircle() const { return field::Text(Value().oidEmployeeCircle); }
void Entry::SetOidEmployeeCircle(std::string const& v) {
  field::SetText(Value().oidEmployeeCircle, v);
}
std::string Entry::GetOidDepartment() const { return field::Text(Value().oidDepartment); }
void Entry::SetOidDepartment(std::string const& v) { field::SetText(Value().oidDepartment, v); }
std::string Entry::GetOidOrgUnit() const { return field::Text(Value().oidOrgUnit); }
void Entry::SetOidOrgUnit(std::string const& v) { field::SetText(Value().oidOrgUnit, v); }
std::string Entry::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void Entry::SetOidCostCenter(std::string const& v) { field::SetText(Value().oidCostCenter, v); }
std::string Entry::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void Entry::SetOidCostUnit(std::string const& v) { field::SetText(Value().oidCostUnit, v); }
std::string Entry::GetOidPersonInCharge1() const { return field::Text(Value().oidPersonInCharge1); }
void Entry::SetOidPersonInCharge1(std::string const& v) {
  field::SetText(Value().oidPersonInCharge1, v);
}
std::string Entry::GetOidPersonInCharge2() const { return field::Text(Value().oidPersonInCharge2); }
void Entry::SetOidPersonInCharge2(std::string const& v) {
  field::SetText(Value().oidPersonInCharge2, v);
}
std::string Entry::GetOidEmployeeGroup() const { return field::Text(Value().oidEmployeeGroup); }
void Entry::SetOidEmployeeGroup(std::string const& v) {
  field::SetText(Value().oidEmployeeGroup, v);
}
std::string Entry::GetOidEmployeeFunction() const {
  return field::Text(Value().oidEmployeeFunction);
}
void Entry::SetOidEmployeeFunction(std::string const& v) {
  field::SetText(Value().oidEmployeeFunction, v);
}
std::string Entry::GetPCompanyKeyOfMigration() const {
  return field::Text(Value().pCompanyKeyOfMigration);
}
void Entry::SetPCompanyKeyOfMigration(std::string const& v) {
  field::SetText(Value().pCompanyKeyOfMigration, v);
}
std::string Entry::GetPersonnelnumberOfMigration() const {
  return field::Text(Value().personnelnumberOfMigration);
}
void Entry::SetPersonnelnumberOfMigration(std::string const& v) {
  field::SetText(Value().personnelnumberOfMigration, v);
}
std::vector<personnel::Error*>* Entry::GetErrors() { return errors_.Get(Value().errors); }
void Entry::SetErrors(std::vector<personnel::Error*> const* v) {
  ErrorList::Set(Value().errors, v);
}
bool Entry::GetAutomaticPersonInCharge1() const { return Value().automaticPersonInCharge1; }
void Entry::SetAutomaticPersonInCharge1(bool v) { Value().automaticPersonInCharge1 = v; }
bool Entry::GetAutomaticPersonInCharge2() const { return Value().automaticPersonInCharge2; }
void Entry::SetAutomaticPersonInCharge2(bool v) { Value().automaticPersonInCharge2 = v; }
std::string Entry::GetOidPlantPlace() const { return field::Text(Value().oidPlantPlace); }
void Entry::SetOidPlantPlace(std::string const& v) { field::SetText(Value().oidPlantPlace, v); }
bool Entry::GetLimitedByPurpose() const { return Value().limitedByPurpose; }
void Entry::SetLimitedByPurpose(bool v) { Value().limitedByPurpose = v; }
employment::InsolvencyEntryReasonEnum Entry::GetInsolvencyEntryReason() const {
  return Value().insolvencyEntryReason;
}
void Entry::SetInsolvencyEntryReason(employment::InsolvencyEntryReasonEnum v) {
  Value().insolvencyEntryReason = v;
}

EEMaster Entry::CreateEntry(bool retroactivEntry, std::string const& journalizedUntil) const {
  return Remote<EntryService>::Fetch<EEMaster>(
      [](EntryServant_ptr s, Token t, entry::EntryStruct const& e, bool r, std::string const& j) {
        return s->createEmployee(t, e, r, j.c_str());
      },
      ToIdl(), retroactivEntry, journalizedUntil);
}

EEMaster Entry::CreateEntryCopy(std::string const& oidReferenceEmployee, bool retroactivEntry,
                                std::string const& journalizedUntil,
                                bool withdrawalReference) const {
  return Remote<EntryService>::Fetch<EEMaster>(
      [](EntryServant_ptr s, Token t, entry::EntryStruct const& e, std::string const& o, bool r,
         std::string const& j,
         bool w) { return s->createEmployeeCopy(t, e, o.c_str(), r, j.c_str(), w); },
      ToIdl(), oidReferenceEmployee, retroactivEntry, journalizedUntil, withdrawalReference);
}

Entry Entry::GetMigrationEmployee(std::string const& migrationPCompanyKey,
                                  std::string const& migrationPersonnelNumber,
                                  std::string const& targetPCompanyKey) {
  auto r = Remote<EntryService>::Call(
      [](EntryServant_ptr s, Token t, std::string const& k, std::string const& n,
         std::string const& c) {
        return s->getMigrationEmployee(t, k.c_str(), n.c_str(), c.c_str());
      },
      migrationPCompanyKey, migrationPersonnelNumber, targetPCompanyKey);
  SetValue(r.in());
  SetObjectStruct(Value().objectStruct);
  MakeBoCopy();
  return Entry(r.in());
}

std::vector<MigrationEmployee*>* Entry::GetMigrationEmployees(std::string const& pCompanyKey,
                                                              std::string const& personnelNumber,
                                                              std::wstring const& firstName,
                                                              std::wstring const& lastName,
                                                              base::VDate dateOfBirth) {
  return Remote<EntryService>::List<MigrationEmployee>(
      [](EntryServant_ptr s, Token t, std::string const& k, std::string const& n,
         std::wstring const& f, std::wstring const& l, std::string const& d) {
        return s->getMigrationEmployees(t, k.c_str(), n.c_str(), f.c_str(), l.c_str(), d.c_str());
      },
      pCompanyKey, personnelNumber, firstName, lastName, dateOfBirth.ToIdl());
}

long Entry::GetNextNotUsedPersonnelnumber(std::string const& oidPCompany,
                                          long startPersonnelNumber) {
  return Remote<EntryService>::Call(
      [](EntryServant_ptr s, Token t, std::string const& c, long n) {
        return s->getNextNotUsedPersonnelnumber(t, c.c_str(), static_cast<CORBA::Long>(n));
      },
      oidPCompany, startPersonnelNumber);
}

// --- entry reasons ------------------------------------------------------

EntryReasonRoot::EntryReasonRoot() {
  Value() = StructType();
  SetEntryReason(0);
  MakeBoCopy();
}
EntryReasonRoot::EntryReasonRoot(entryreason::EntryReasonRootStruct const& s) : BO(s) {}
EntryReasonRoot::EntryReasonRoot(EntryReasonRoot const& o) : BO(o) { MakeBoCopy(); }
long EntryReasonRoot::GetEntryReason() const { return Value().entryReason; }
void EntryReasonRoot::SetEntryReason(long v) { Value().entryReason = static_cast<CORBA::Long>(v); }

EntryReasonTP::EntryReasonTP() {
  Value() = StructType();
  MakeBoCopy();
}
EntryReasonTP::EntryReasonTP(entryreason::EntryReasonTPStruct const& s) : BO(s) {}
EntryReasonTP::EntryReasonTP(EntryReasonTP const& o) : BO(o) { MakeBoCopy(); }
std::string EntryReasonTP::GetOidEntryReason() const { return field::Text(Value().oidEntryReason); }
void EntryReasonTP::SetOidEntryReason(std::string const& v) {
  field::SetText(Value().oidEntryReason, v);
}
std::string EntryReasonTP::GetShortDescription() const {
  return field::Text(Value().shortDescription);
}
void EntryReasonTP::SetShortDescription(std::string const& v) {
  field::SetText(Value().shortDescription, v);
}
std::string EntryReasonTP::GetLongDescription() const {
  return field::Text(Value().longDescription);
}
void EntryReasonTP::SetLongDescription(std::string const& v) {
  field::SetText(Value().longDescription, v);
}

void EntryReasonFilter::SetEntryReason(std::string const& v) {
  field::SetText(filter_.entryReason, v);
}
void EntryReasonFilter::SetShortDescription(std::string const& v) {
  field::SetText(filter_.shortDescription, v);
}
void EntryReasonFilter::SetLongDescription(std::string const& v) {
  field::SetText(filter_.longDescription, v);
}

void EntryReason::Commit() {
  CommitThreeWay<EntryReasonService>(
      [](EntryReasonServant_ptr s, Token t, auto const& v) { return s->createEntryReason(t, v); },
      [](EntryReasonServant_ptr s, Token t, auto const& v, bool removeNew) {
        return s->addEntryReason(t, v, removeNew);
      },
      [](EntryReasonServant_ptr s, Token t, auto const& v, bool removeNew) {
        return s->setEntryReason(t, v, removeNew);
      });
}

// Entry reasons belong to no employee: only the object id and version go.
void EntryReason::Delete() {
  RemoteWrite<EntryReasonService>(
      [this](EntryReasonServant_ptr s, Token t) {
        s->deleteEntryReason(t, GetObjectid().c_str(), static_cast<CORBA::Long>(GetVersion()));
      },
      OnFailure::kKeep);
}

std::vector<EntryReason*>* EntryReason::GetActiveEntryReasons(
    std::vector<EntryReasonFilter*> const* filters, base::Sortierung const& sort) {
  return Remote<EntryReasonService>::List<EntryReason>(
      [](EntryReasonServant_ptr s, Token t, auto const& f, auto const& o) {
        return s->getActiveEntryReasons(t, f, o);
      },
      ToIdlSeq<entryreason::EntryReasonFilterSeq>(filters), sort.ToIdl());
}

std::vector<EntryReason*>* EntryReason::GetActiveEffectiveEntryReasonHistory(
    std::string oidEntryReason) {
  return Remote<EntryReasonService>::List<EntryReason>(
      [](EntryReasonServant_ptr s, Token t, std::string const& o) {
        return s->getActiveEffectiveEntryReasonHistory(t, o.c_str());
      },
      oidEntryReason);
}

std::vector<EntryReason*>* EntryReason::GetAllEntryReasonHistory(std::string oidEntryReason) {
  return Remote<EntryReasonService>::List<EntryReason>(
      [](EntryReasonServant_ptr s, Token t, std::string const& o) {
        return s->getAllEntryReasonHistory(t, o.c_str());
      },
      oidEntryReason);
}

std::vector<EntryReason*>* EntryReason::GetEffectiveEntryReasonHistory(
    std::string oidEntryReason, std::string destinationTimePoint) {
  return Remote<EntryReasonService>::List<EntryReason>(
      [](EntryReasonServant_ptr s, Token t, std::string const& o, std::string const& d) {
        return s->getEffectiveEntryReasonHistory(t, o.c_str(), d.c_str());
      },
      oidEntryReason, destinationTimePoint);
}

}  // namespace ostrel
