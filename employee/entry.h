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
#include "entryreason.hh"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vdate.h"

namespace ostrel {

namespace entry = com::ostrel::personnel::domain::employee::entry;
namespace entryreason = com::ostrel::personnel::domain::designationtype::entryreason;

// The record's parts are named after the record kind; an entry reason
// belongs to no employee.
template <>
struct RecordLayout<entryreason::EntryReasonStruct>
    : MemberLayout<&entryreason::EntryReasonStruct::entryReasonRoot,
                   &entryreason::EntryReasonStruct::entryReasonTP> {
  template <class S>
  static char const* EmployeeOid(S const&) {
    return "";
  }
};

struct EntryService {
  using Servant = entry::EntryServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.entry.EntryServantImpl";
};

struct EntryReasonService {
  using Servant = entryreason::EntryReasonServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.designationtype.entryreason.EntryReasonServantImpl";
};

// An employee of a migration source (a former payroll system), as
// GetMigrationEmployees finds it. The personnel number is text.
class MigrationEmployee : public base::BO<entry::MigrationEmployeeStruct> {
 public:
  MigrationEmployee();
  explicit MigrationEmployee(entry::MigrationEmployeeStruct const& s);

  std::string GetPCompanyKey() const;
  void SetPCompanyKey(std::string const& v);
  std::string GetPersonnelNumber() const;
  void SetPersonnelNumber(std::string const& v);
  std::wstring GetFirstName() const;
  void SetFirstName(std::wstring const& v);
  std::wstring GetLastName() const;
  void SetLastName(std::wstring const& v);
  base::VDate GetDateOfBirth() const;
  void SetDateOfBirth(base::VDate const& v);
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
  explicit Entry(entry::EntryStruct const& s);

  entry::EntryStruct ToIdl() const override { return Value(); }

  std::string GetOidPCompany() const;
  void SetOidPCompany(std::string const& v);
  long GetPersonnelNumber() const;
  void SetPersonnelNumber(long v);
  std::wstring GetSurname() const;
  void SetSurname(std::wstring const& v);
  std::wstring GetFirstname() const;
  void SetFirstname(std::wstring const& v);
  base::VDate GetDateOfBirth() const;
  void SetDateOfBirth(base::VDate const& v);
  std::string GetOidStateLanguage() const;
  void SetOidStateLanguage(std::string const& v);
  std::string GetNamePrefix() const;
  void SetNamePrefix(std::string const& v);
  std::string GetNameAffix() const;
  void SetNameAffix(std::string const& v);
  std::string GetTitle() const;
  void SetTitle(std::string const& v);
  SexEnum GetSex() const;
  void SetSex(SexEnum v);
  master::FormOfAddressEnum GetFormOfAddrEnum() const;
  void SetFormOfAddrEnum(master::FormOfAddressEnum v);
  std::string GetFormOfAddress() const;
  void SetFormOfAddress(std::string const& v);
  std::string GetFormOfLetter() const;
  void SetFormOfLetter(std::string const& v);
  std::string GetStreet() const;
  void SetStreet(std::string const& v);
  std::string GetStreetNumber() const;
  void SetStreetNumber(std::string const& v);
  std::string GetOidState() const;
  void SetOidState(std::string const& v);
  std::string GetPostalCode() const;
  void SetPostalCode(std::string const& v);
  std::string GetDomicile() const;
  void SetDomicile(std::string const& v);
  std::string GetAddressAddendum() const;
  void SetAddressAddendum(std::string const& v);
  master::CivilStatusEnum GetCivilStatus() const;
  void SetCivilStatus(master::CivilStatusEnum v);
  base::VDate GetDateOfEntry() const;
  void SetDateOfEntry(base::VDate const& v);
  base::VDate GetDateOfEntrySI() const;
  void SetDateOfEntrySI(base::VDate const& v);
  base::VDate GetContractStart() const;
  void SetContractStart(base::VDate const& v);
  base::VDate GetProbationStart() const;
  void SetProbationStart(base::VDate const& v);
  base::VDate GetProbationEnd() const;
  void SetProbationEnd(base::VDate const& v);
  base::VDate GetAllowableEntryDate() const;
  void SetAllowableEntryDate(base::VDate const& v);
  base::VDate GetEntryDateBranche() const;
  void SetEntryDateBranche(base::VDate const& v);
  std::string GetOidEntryReason() const;
  void SetOidEntryReason(std::string const& v);
  bool GetLimitedEmployment() const;
  void SetLimitedEmployment(bool v);
  base::VDate GetEmploymentLtdBy() const;
  void SetEmploymentLtdBy(base::VDate const& v);
  bool GetLimitedWorkPermit() const;
  void SetLimitedWorkPermit(bool v);
  base::VDate GetWorkPermitLtdBy() const;
  void SetWorkPermitLtdBy(base::VDate const& v);
  bool GetLtdResidencePermit() const;
  void SetLtdResidencePermit(bool v);
  base::VDate GetResidPermitLtdBy() const;
  void SetResidPermitLtdBy(base::VDate const& v);
  base::VDate GetPassportValidTo() const;
  void SetPassportValidTo(base::VDate const& v);
  std::string GetOidOccupationPriorER() const;
  void SetOidOccupationPriorER(std::string const& v);
  std::string GetOidOccupationGroupPriorER() const;
  void SetOidOccupationGroupPriorER(std::string const& v);
  std::string GetOidOccupationReEntry() const;
  void SetOidOccupationReEntry(std::string const& v);
  std::string GetOidOccupationGroupReEntry() const;
  void SetOidOccupationGroupReEntry(std::string const& v);
  std::string GetOidPlant() const;
  void SetOidPlant(std::string const& v);
  std::string GetOidEmployeeCircle() const;
  void SetOidEmployeeCircle(std::string const& v);
  std::string GetOidDepartment() const;
  void SetOidDepartment(std::string const& v);
  std::string GetOidOrgUnit() const;
  void SetOidOrgUnit(std::string const& v);
  std::string GetOidCostCenter() const;
  void SetOidCostCenter(std::string const& v);
  std::string GetOidCostUnit() const;
  void SetOidCostUnit(std::string const& v);
  std::string GetOidPersonInCharge1() const;
  void SetOidPersonInCharge1(std::string const& v);
  std::string GetOidPersonInCharge2() const;
  void SetOidPersonInCharge2(std::string const& v);
  std::string GetOidEmployeeGroup() const;
  void SetOidEmployeeGroup(std::string const& v);
  std::string GetOidEmployeeFunction() const;
  void SetOidEmployeeFunction(std::string const& v);
  std::string GetPCompanyKeyOfMigration() const;
  void SetPCompanyKeyOfMigration(std::string const& v);
  std::string GetPersonnelnumberOfMigration() const;
  void SetPersonnelnumberOfMigration(std::string const& v);
  // The findings the server returned with the entry: a new vector of new
  // objects that the caller owns; GetErrorCount() is the size of the last
  // one returned (0 before the first call).
  std::vector<personnel::Error*>* GetErrors();
  void SetErrors(std::vector<personnel::Error*> const* v);
  int GetErrorCount() const { return errors_.Count(); }
  bool GetAutomaticPersonInCharge1() const;
  void SetAutomaticPersonInCharge1(bool v);
  bool GetAutomaticPersonInCharge2() const;
  void SetAutomaticPersonInCharge2(bool v);
  std::string GetOidPlantPlace() const;
  void SetOidPlantPlace(std::string const& v);
  bool GetLimitedByPurpose() const;
  void SetLimitedByPurpose(bool v);
  employment::InsolvencyEntryReasonEnum GetInsolvencyEntryReason() const;
  void SetInsolvencyEntryReason(employment::InsolvencyEntryReasonEnum v);

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
  // restrict); a new vector of new objects that the caller owns.
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
  explicit EntryReasonRoot(entryreason::EntryReasonRootStruct const& s);
  EntryReasonRoot(EntryReasonRoot const& o);
  EntryReasonRoot& operator=(EntryReasonRoot const&) = default;

  long GetEntryReason() const;
  void SetEntryReason(long v);
};

// One period of an entry reason: its descriptions. A new one is empty; built
// from a struct it does not take the struct's identity.
class EntryReasonTP : public base::BO<entryreason::EntryReasonTPStruct> {
 public:
  EntryReasonTP();
  explicit EntryReasonTP(entryreason::EntryReasonTPStruct const& s);
  EntryReasonTP(EntryReasonTP const& o);
  EntryReasonTP& operator=(EntryReasonTP const&) = default;

  std::string GetOidEntryReason() const;
  void SetOidEntryReason(std::string const& v);
  std::string GetShortDescription() const;
  void SetShortDescription(std::string const& v);
  std::string GetLongDescription() const;
  void SetLongDescription(std::string const& v);
};

// Selection of GetActiveEntryReasons; a new filter selects everything.
class EntryReasonFilter {
 public:
  EntryReasonFilter() = default;

  // The key number as text.
  void SetEntryReason(std::string const& v);
  void SetShortDescription(std::string const& v);
  void SetLongDescription(std::string const& v);

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
