// Entry of new employees and the catalogue of entry reasons.
//
// An Entry collects everything the server needs to create an employee at
// once (name and address as in master data, entry, contract and probation
// dates, permits, organisational assignment as in employment, the keys of a
// migration source); the server answers with the new employee's master
// record. The same servant copies a reference employee, searches a migration
// source and proposes free personnel numbers. Entry reasons (key number,
// short and long description, valid over time) are what employments and
// entries point to by object id.
#ifndef OSTREL_EMPLOYEE_ENTRY_H_
#define OSTREL_EMPLOYEE_ENTRY_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee/employment.h"
#include "employee/master.h"
#include "entry.hh"
#include "entry_kind.h"
#include "entryreason.hh"
#include "entryreason_kind.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vdate.h"

namespace ostrel {

// An employee of a migration source (a former payroll system), as
// GetMigrationEmployees finds it. The personnel number is text.
class MigrationEmployee : public base::BO<entry::MigrationEmployeeStruct> {
 public:
  MigrationEmployee() = default;
  explicit MigrationEmployee(entry::MigrationEmployeeStruct const& s) : BO(s) {}

  std::string GetPCompanyKey() const { return field::Text(Value().pCompanyKey); }
  void SetPCompanyKey(std::string const& v) { field::Set(Value().pCompanyKey, v); }
  std::string GetPersonnelNumber() const { return field::Text(Value().personnelNumber); }
  void SetPersonnelNumber(std::string const& v) { field::Set(Value().personnelNumber, v); }
  std::wstring GetFirstName() const { return field::Wide(Value().firstName); }
  void SetFirstName(std::wstring const& v) { field::Set(Value().firstName, v); }
  std::wstring GetLastName() const { return field::Wide(Value().lastName); }
  void SetLastName(std::wstring const& v) { field::Set(Value().lastName, v); }
  base::VDate GetDateOfBirth() const { return field::Date(Value().dateOfBirth); }
  void SetDateOfBirth(base::VDate const& v) { field::Set(Value().dateOfBirth, v); }
};

// The data of one employee to be created.
//
// A new Entry has sex 1, personnel number 0 (the server chooses one), civil
// status 0, insolvency entry reason 0, every other number, flag and enum 0,
// every text and date empty, and an error count of 0. Built from a struct it
// takes that struct's identity.
//
// Commit and Delete do nothing: an entry is not stored, it creates an
// employee (CreateEntry, CreateEntryCopy), which leaves the entry unchanged.
// Every failure reaches the caller as base::VException.
class Entry : public base::BO<entry::EntryStruct> {
 public:
  Entry();
  explicit Entry(entry::EntryStruct const& s) : BO(s) { SetObjectStruct(s.objectStruct); }

  entry::EntryStruct ToIdl() const override { return Value(); }

  std::string GetOidPCompany() const { return field::Text(Value().oidPCompany); }
  void SetOidPCompany(std::string const& v) { field::Set(Value().oidPCompany, v); }
  long GetPersonnelNumber() const { return field::Long(Value().personnelNumber); }
  void SetPersonnelNumber(long v) { field::Set(Value().personnelNumber, v); }
  std::wstring GetSurname() const { return field::Wide(Value().surname); }
  void SetSurname(std::wstring const& v) { field::Set(Value().surname, v); }
  std::wstring GetFirstname() const { return field::Wide(Value().firstname); }
  void SetFirstname(std::wstring const& v) { field::Set(Value().firstname, v); }
  base::VDate GetDateOfBirth() const { return field::Date(Value().dateOfBirth); }
  void SetDateOfBirth(base::VDate const& v) { field::Set(Value().dateOfBirth, v); }
  std::string GetOidStateLanguage() const { return field::Text(Value().oidStateLanguage); }
  void SetOidStateLanguage(std::string const& v) { field::Set(Value().oidStateLanguage, v); }
  std::string GetNamePrefix() const { return field::Text(Value().namePrefix); }
  void SetNamePrefix(std::string const& v) { field::Set(Value().namePrefix, v); }
  std::string GetNameAffix() const { return field::Text(Value().nameAffix); }
  void SetNameAffix(std::string const& v) { field::Set(Value().nameAffix, v); }
  std::string GetTitle() const { return field::Text(Value().title); }
  void SetTitle(std::string const& v) { field::Set(Value().title, v); }
  SexEnum GetSex() const { return Value().sex; }
  void SetSex(SexEnum v) { field::Set(Value().sex, v); }
  master::FormOfAddressEnum GetFormOfAddrEnum() const { return Value().formOfAddrEnum; }
  void SetFormOfAddrEnum(master::FormOfAddressEnum v) { field::Set(Value().formOfAddrEnum, v); }
  std::string GetFormOfAddress() const { return field::Text(Value().formOfAddress); }
  void SetFormOfAddress(std::string const& v) { field::Set(Value().formOfAddress, v); }
  std::string GetFormOfLetter() const { return field::Text(Value().formOfLetter); }
  void SetFormOfLetter(std::string const& v) { field::Set(Value().formOfLetter, v); }
  std::string GetStreet() const { return field::Text(Value().street); }
  void SetStreet(std::string const& v) { field::Set(Value().street, v); }
  std::string GetStreetNumber() const { return field::Text(Value().streetNumber); }
  void SetStreetNumber(std::string const& v) { field::Set(Value().streetNumber, v); }
  std::string GetOidState() const { return field::Text(Value().oidState); }
  void SetOidState(std::string const& v) { field::Set(Value().oidState, v); }
  std::string GetPostalCode() const { return field::Text(Value().postalCode); }
  void SetPostalCode(std::string const& v) { field::Set(Value().postalCode, v); }
  std::string GetDomicile() const { return field::Text(Value().domicile); }
  void SetDomicile(std::string const& v) { field::Set(Value().domicile, v); }
  std::string GetAddressAddendum() const { return field::Text(Value().addressAddendum); }
  void SetAddressAddendum(std::string const& v) { field::Set(Value().addressAddendum, v); }
  master::CivilStatusEnum GetCivilStatus() const { return Value().civilStatus; }
  void SetCivilStatus(master::CivilStatusEnum v) { field::Set(Value().civilStatus, v); }
  base::VDate GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
  void SetDateOfEntry(base::VDate const& v) { field::Set(Value().dateOfEntry, v); }
  base::VDate GetDateOfEntrySI() const { return field::Date(Value().dateOfEntrySI); }
  void SetDateOfEntrySI(base::VDate const& v) { field::Set(Value().dateOfEntrySI, v); }
  base::VDate GetContractStart() const { return field::Date(Value().contractStart); }
  void SetContractStart(base::VDate const& v) { field::Set(Value().contractStart, v); }
  base::VDate GetProbationStart() const { return field::Date(Value().probationStart); }
  void SetProbationStart(base::VDate const& v) { field::Set(Value().probationStart, v); }
  base::VDate GetProbationEnd() const { return field::Date(Value().probationEnd); }
  void SetProbationEnd(base::VDate const& v) { field::Set(Value().probationEnd, v); }
  base::VDate GetAllowableEntryDate() const { return field::Date(Value().allowableEntryDate); }
  void SetAllowableEntryDate(base::VDate const& v) { field::Set(Value().allowableEntryDate, v); }
  base::VDate GetEntryDateBranche() const { return field::Date(Value().entryDateBranche); }
  void SetEntryDateBranche(base::VDate const& v) { field::Set(Value().entryDateBranche, v); }
  std::string GetOidEntryReason() const { return field::Text(Value().oidEntryReason); }
  void SetOidEntryReason(std::string const& v) { field::Set(Value().oidEntryReason, v); }
  bool GetLimitedEmployment() const { return Value().limitedEmployment; }
  void SetLimitedEmployment(bool v) { field::Set(Value().limitedEmployment, v); }
  base::VDate GetEmploymentLtdBy() const { return field::Date(Value().employmentLtdBy); }
  void SetEmploymentLtdBy(base::VDate const& v) { field::Set(Value().employmentLtdBy, v); }
  bool GetLimitedWorkPermit() const { return Value().limitedWorkPermit; }
  void SetLimitedWorkPermit(bool v) { field::Set(Value().limitedWorkPermit, v); }
  base::VDate GetWorkPermitLtdBy() const { return field::Date(Value().workPermitLtdBy); }
  void SetWorkPermitLtdBy(base::VDate const& v) { field::Set(Value().workPermitLtdBy, v); }
  bool GetLtdResidencePermit() const { return Value().ltdResidencePermit; }
  void SetLtdResidencePermit(bool v) { field::Set(Value().ltdResidencePermit, v); }
  base::VDate GetResidPermitLtdBy() const { return field::Date(Value().residPermitLtdBy); }
  void SetResidPermitLtdBy(base::VDate const& v) { field::Set(Value().residPermitLtdBy, v); }
  base::VDate GetPassportValidTo() const { return field::Date(Value().passportValidTo); }
  void SetPassportValidTo(base::VDate const& v) { field::Set(Value().passportValidTo, v); }
  std::string GetOidOccupationPriorER() const { return field::Text(Value().oidOccupationPriorER); }
  void SetOidOccupationPriorER(std::string const& v) {
    field::Set(Value().oidOccupationPriorER, v);
  }
  std::string GetOidOccupationGroupPriorER() const {
    return field::Text(Value().oidOccupationGroupPriorER);
  }
  void SetOidOccupationGroupPriorER(std::string const& v) {
    field::Set(Value().oidOccupationGroupPriorER, v);
  }
  std::string GetOidOccupationReEntry() const { return field::Text(Value().oidOccupationReEntry); }
  void SetOidOccupationReEntry(std::string const& v) {
    field::Set(Value().oidOccupationReEntry, v);
  }
  std::string GetOidOccupationGroupReEntry() const {
    return field::Text(Value().oidOccupationGroupReEntry);
  }
  void SetOidOccupationGroupReEntry(std::string const& v) {
    field::Set(Value().oidOccupationGroupReEntry, v);
  }
  std::string GetOidPlant() const { return field::Text(Value().oidPlant); }
  void SetOidPlant(std::string const& v) { field::Set(Value().oidPlant, v); }
  std::string GetOidEmployeeCircle() const { return field::Text(Value().oidEmployeeCircle); }
  void SetOidEmployeeCircle(std::string const& v) { field::Set(Value().oidEmployeeCircle, v); }
  std::string GetOidDepartment() const { return field::Text(Value().oidDepartment); }
  void SetOidDepartment(std::string const& v) { field::Set(Value().oidDepartment, v); }
  std::string GetOidOrgUnit() const { return field::Text(Value().oidOrgUnit); }
  void SetOidOrgUnit(std::string const& v) { field::Set(Value().oidOrgUnit, v); }
  std::string GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
  void SetOidCostCenter(std::string const& v) { field::Set(Value().oidCostCenter, v); }
  std::string GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
  void SetOidCostUnit(std::string const& v) { field::Set(Value().oidCostUnit, v); }
  std::string GetOidPersonInCharge1() const { return field::Text(Value().oidPersonInCharge1); }
  void SetOidPersonInCharge1(std::string const& v) { field::Set(Value().oidPersonInCharge1, v); }
  std::string GetOidPersonInCharge2() const { return field::Text(Value().oidPersonInCharge2); }
  void SetOidPersonInCharge2(std::string const& v) { field::Set(Value().oidPersonInCharge2, v); }
  std::string GetOidEmployeeGroup() const { return field::Text(Value().oidEmployeeGroup); }
  void SetOidEmployeeGroup(std::string const& v) { field::Set(Value().oidEmployeeGroup, v); }
  std::string GetOidEmployeeFunction() const { return field::Text(Value().oidEmployeeFunction); }
  void SetOidEmployeeFunction(std::string const& v) { field::Set(Value().oidEmployeeFunction, v); }
  std::string GetPCompanyKeyOfMigration() const {
    return field::Text(Value().pCompanyKeyOfMigration);
  }
  void SetPCompanyKeyOfMigration(std::string const& v) {
    field::Set(Value().pCompanyKeyOfMigration, v);
  }
  std::string GetPersonnelnumberOfMigration() const {
    return field::Text(Value().personnelnumberOfMigration);
  }
  void SetPersonnelnumberOfMigration(std::string const& v) {
    field::Set(Value().personnelnumberOfMigration, v);
  }
  // The findings the server returned with the entry: a new vector of new
  // objects that the caller owns; GetErrorCount() is the size of the last
  // one returned (0 before the first call).
  std::vector<personnel::Error*>* GetErrors() { return errors_.Get(Value().errors); }
  void SetErrors(std::vector<personnel::Error*> const* v) { ErrorList::Set(Value().errors, v); }
  int GetErrorCount() const { return errors_.Count(); }
  bool GetAutomaticPersonInCharge1() const { return Value().automaticPersonInCharge1; }
  void SetAutomaticPersonInCharge1(bool v) { field::Set(Value().automaticPersonInCharge1, v); }
  bool GetAutomaticPersonInCharge2() const { return Value().automaticPersonInCharge2; }
  void SetAutomaticPersonInCharge2(bool v) { field::Set(Value().automaticPersonInCharge2, v); }
  std::string GetOidPlantPlace() const { return field::Text(Value().oidPlantPlace); }
  void SetOidPlantPlace(std::string const& v) { field::Set(Value().oidPlantPlace, v); }
  bool GetLimitedByPurpose() const { return Value().limitedByPurpose; }
  void SetLimitedByPurpose(bool v) { field::Set(Value().limitedByPurpose, v); }
  employment::InsolvencyEntryReasonEnum GetInsolvencyEntryReason() const {
    return Value().insolvencyEntryReason;
  }
  void SetInsolvencyEntryReason(employment::InsolvencyEntryReasonEnum v) {
    field::Set(Value().insolvencyEntryReason, v);
  }

  void Commit() {}
  void Delete() {}

  // Creates the employee (createEmployee with this entry, the flag and the
  // text); the new employee's master record.
  EEMaster CreateEntry(bool retroactivEntry, std::string const& journalizedUntil) const;
  // Creates the employee as a copy of a reference employee
  // (createEmployeeCopy with this entry, then the four arguments in order).
  EEMaster CreateEntryCopy(std::string const& oidReferenceEmployee, bool retroactivEntry,
                           std::string const& journalizedUntil, bool withdrawalReference) const;
  // Fills this entry with the migration source's data of one employee, for
  // the target company, and returns a copy of it. A failure leaves the
  // entry as it was.
  Entry GetMigrationEmployee(std::string const& migrationPCompanyKey,
                             std::string const& migrationPersonnelNumber,
                             std::string const& targetPCompanyKey);

  // The employees of the migration source that match (empty values do not
  // restrict; names match by their beginning, characters outside the Basic
  // Multilingual Plane included); a new vector of new objects that the
  // caller owns.
  static std::vector<MigrationEmployee*>* GetMigrationEmployees(std::string const& pCompanyKey,
                                                                std::string const& personnelNumber,
                                                                std::wstring const& firstName,
                                                                std::wstring const& lastName,
                                                                base::VDate dateOfBirth);
  // The first personnel number from `startPersonnelNumber` on that no
  // employee of the company has.
  static long GetNextNotUsedPersonnelnumber(std::string const& oidPCompany,
                                            long startPersonnelNumber);

 private:
  ErrorList errors_;
};

// The time-independent part of an entry reason: its key number (0 for a new
// one). Built from a struct it does not take the struct's identity
// (EntryReason holds the record's).
class EntryReasonRoot : public base::BO<entryreason::EntryReasonRootStruct> {
 public:
  EntryReasonRoot();
  explicit EntryReasonRoot(entryreason::EntryReasonRootStruct const& s) : BO(s) {}
  EntryReasonRoot(EntryReasonRoot const& o) : BO(o) { MakeBoCopy(); }
  EntryReasonRoot& operator=(EntryReasonRoot const&) = default;

  long GetEntryReason() const { return field::Long(Value().entryReason); }
  void SetEntryReason(long v) { field::Set(Value().entryReason, v); }
};

// One period of an entry reason: its descriptions. A new one is empty; built
// from a struct it does not take the struct's identity.
class EntryReasonTP : public base::BO<entryreason::EntryReasonTPStruct> {
 public:
  EntryReasonTP() = default;
  explicit EntryReasonTP(entryreason::EntryReasonTPStruct const& s) : BO(s) {}
  EntryReasonTP(EntryReasonTP const& o) : BO(o) { MakeBoCopy(); }
  EntryReasonTP& operator=(EntryReasonTP const&) = default;

  std::string GetOidEntryReason() const { return field::Text(Value().oidEntryReason); }
  void SetOidEntryReason(std::string const& v) { field::Set(Value().oidEntryReason, v); }
  std::string GetShortDescription() const { return field::Text(Value().shortDescription); }
  void SetShortDescription(std::string const& v) { field::Set(Value().shortDescription, v); }
  std::string GetLongDescription() const { return field::Text(Value().longDescription); }
  void SetLongDescription(std::string const& v) { field::Set(Value().longDescription, v); }
};

// Selection of GetActiveEntryReasons; a new filter selects everything.
class EntryReasonFilter {
 public:
  EntryReasonFilter() = default;

  // The key number as text.
  void SetEntryReason(std::string const& v) { field::Set(filter_.entryReason, v); }
  void SetShortDescription(std::string const& v) { field::Set(filter_.shortDescription, v); }
  void SetLongDescription(std::string const& v) { field::Set(filter_.longDescription, v); }

  entryreason::EntryReasonFilterStruct ToIdl() const { return filter_; }

 private:
  entryreason::EntryReasonFilterStruct filter_{};
};

// An entry reason: key number (root part) and descriptions (period part).
//
// Commit sends createEntryReason for a new object, addEntryReason when the
// valid-from date differs from the stored internal valid-from date (which
// then takes it), setEntryReason otherwise, both with the remove-new flag;
// the server's answer becomes the current and saved value, and a failed
// Commit returns to the last saved value, then raises. Delete sends the
// object id and the version only; a failed Delete leaves the object as it
// is.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements to the caller, never null.
class EntryReason
    : public PersonnelRecord<entryreason::EntryReasonStruct, EntryReasonRoot, EntryReasonTP> {
 public:
  EntryReason() = default;
  explicit EntryReason(entryreason::EntryReasonStruct const& s) : PersonnelRecord(s) {}

  EntryReasonRoot GetEntryReasonRoot() const { return GetRoot(); }
  void SetEntryReasonRoot(EntryReasonRoot const& v) { SetRoot(v); }
  EntryReasonTP GetEntryReasonTP() const { return GetHistory(); }
  void SetEntryReasonTP(EntryReasonTP const& v) { SetHistory(v); }

  void Commit();
  void Delete();

  static std::vector<EntryReason*>* GetActiveEntryReasons(
      std::vector<EntryReasonFilter*> const* filters, base::Sortierung const& sort);
  static std::vector<EntryReason*>* GetActiveEffectiveEntryReasonHistory(
      std::string oidEntryReason);
  static std::vector<EntryReason*>* GetAllEntryReasonHistory(std::string oidEntryReason);
  // The destination time point is the server's text, sent unchanged.
  static std::vector<EntryReason*>* GetEffectiveEntryReasonHistory(
      std::string oidEntryReason, std::string destinationTimePoint);

 private:
  using PersonnelRecord::GetHistory;
  using PersonnelRecord::GetRoot;
  using PersonnelRecord::SetHistory;
  using PersonnelRecord::SetRoot;
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_ENTRY_H_
