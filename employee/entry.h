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
#include "defaults.h"
#include "employee/employee.h"
#include "employee/employment.h"
#include "employee/master.h"
#include "entry.hh"
#include "entry_fields.h"
#include "entry_kind.h"
#include "entryreason.hh"
#include "entryreason_fields.h"
#include "entryreason_kind.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vdate.h"

namespace ostrel {

// An employee of a migration source (a former payroll system), as
// GetMigrationEmployees finds it. The personnel number is text.
//
// MigrationEmployee carries Get/Set of every plain member of MigrationEmployeeStruct (generated
// accessors).
class MigrationEmployee
    : public MigrationEmployeeStructFields<base::BO<entry::MigrationEmployeeStruct>> {
 public:
  MigrationEmployee() = default;
  explicit MigrationEmployee(entry::MigrationEmployeeStruct const& s)
      : MigrationEmployeeStructFields(s) {}
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
//
// Entry carries Get/Set of every plain member of EntryStruct (generated accessors).
class Entry : public EntryStructFields<base::BO<entry::EntryStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&entry::EntryStruct::sex>(::com::ostrel::personnel::domain::employee::SEX_MALE));

  Entry();
  explicit Entry(entry::EntryStruct const& s) : EntryStructFields(s) {
    SetObjectStruct(s.objectStruct);
  }

  entry::EntryStruct ToIdl() const override { return Value(); }

  // The findings the server returned with the entry: a new vector of new
  // objects that the caller owns; GetErrorCount() is the size of the last
  // one returned (0 before the first call).
  std::vector<personnel::Error*>* GetErrors() { return errors_.Get(Value().errors); }
  void SetErrors(std::vector<personnel::Error*> const* v) { ErrorList::Set(Value().errors, v); }
  int GetErrorCount() const { return errors_.Count(); }

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
//
// EntryReasonRoot carries Get/Set of every plain member of EntryReasonRootStruct (generated
// accessors).
class EntryReasonRoot
    : public EntryReasonRootStructFields<base::BO<entryreason::EntryReasonRootStruct>> {
 public:
  EntryReasonRoot();
  explicit EntryReasonRoot(entryreason::EntryReasonRootStruct const& s)
      : EntryReasonRootStructFields(s) {}
  EntryReasonRoot(EntryReasonRoot const& o) : EntryReasonRootStructFields(o) { MakeBoCopy(); }
  EntryReasonRoot& operator=(EntryReasonRoot const&) = default;
};

// One period of an entry reason: its descriptions. A new one is empty; built
// from a struct it does not take the struct's identity.
//
// EntryReasonTP carries Get/Set of every plain member of EntryReasonTPStruct (generated accessors).
class EntryReasonTP : public EntryReasonTPStructFields<base::BO<entryreason::EntryReasonTPStruct>> {
 public:
  EntryReasonTP() = default;
  explicit EntryReasonTP(entryreason::EntryReasonTPStruct const& s)
      : EntryReasonTPStructFields(s) {}
  EntryReasonTP(EntryReasonTP const& o) : EntryReasonTPStructFields(o) { MakeBoCopy(); }
  EntryReasonTP& operator=(EntryReasonTP const&) = default;
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
