// Recognised disability of an employee: the reference number of the proof
// (root part) and, per validity period, the person's data for the
// disability notice, the issuing office, the validity of the proof,
// education dates, working-place flags and the level of disability.
#ifndef OSTREL_STATUTORY_DISABILITY_H_
#define OSTREL_STATUTORY_DISABILITY_H_

#include <string>
#include <vector>

#include "defaults.h"
#include "disability_fields.h"
#include "disability_kind.h"
#include "employee/employee.h"
#include "field.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vdate.h"

namespace ostrel {

using WorkingTimeEnum = disability::WorkingTimeEnum;
using PersonGroupDisabilityEnum = disability::PersonGroupDisabilityEnum;
using OfficeEnum = disability::OfficeEnum;

// The time-independent part: the employee and the proof's reference number.
//
// A new root holds a default EmployeeShort and no reference number. Built
// from a struct, or copied, it takes that identity and keeps the value as
// its saved value.
//
// DisabilityRoot carries Get/Set of every plain member of DisabilityRootStruct (generated
// accessors).
class DisabilityRoot
    : public DisabilityRootStructFields<RecordPart<disability::DisabilityRootStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple();

  DisabilityRoot();
  explicit DisabilityRoot(disability::DisabilityRootStruct const& s)
      : DisabilityRootStructFields(s) {}

  EmployeeShort GetEmployeeShort() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of a disability.
//
// A new period has the defaults of kDefaults (sex 1) and zero, false or
// empty in every other member.
// Built from a struct, or copied, it takes that identity and keeps the
// value as its saved value. DateOfWithDrawel and DiccontinuationHeS are
// spelt as the record kind has always spelt them.
//
// DisabilityTP carries Get/Set of every plain member of DisabilityTPStruct (generated accessors).
class DisabilityTP : public DisabilityTPStructFields<RecordPart<disability::DisabilityTPStruct>> {
 public:
  static inline auto const kDefaults =
      std::make_tuple(DefaultOf<&disability::DisabilityTPStruct::sex>(
          ::com::ostrel::personnel::domain::employee::SEX_MALE));

  DisabilityTP();
  explicit DisabilityTP(disability::DisabilityTPStruct const& s) : DisabilityTPStructFields(s) {}
};

// Selection of GetActiveEEDisabilitys. Several filters in one query select
// what any of them selects.
//
// A new filter (and one after ClearEEDisabilityFilter) has the personnel
// number, person group and issuing office cleared, the undefined withdrawal
// date VDate(-1, -1, -1) (not the empty one), list display 0 and every text
// empty.
class EEDisabilityFilter {
 public:
  using ListDisplay = com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  EEDisabilityFilter() { ClearEEDisabilityFilter(); }
  void ClearEEDisabilityFilter();

  void SetReferenceNoProof(std::string const& v) { field::Set(filter_.referenceNoProof, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetIdCardNumber(std::string const& v) { field::Set(filter_.idCardNumber, v); }
  void SetPersonGroupDisability(PersonGroupDisabilityEnum v) {
    filter_.personGroupDisability.personGroup(v);
  }
  void ClearPersonGroupDisability() { filter_.personGroupDisability._default(); }
  void SetIssueOfficeOfProof(OfficeEnum v) { filter_.issueOfficeOfProof.office(v); }
  void ClearIssueOfficeOfProof() { filter_.issueOfficeOfProof._default(); }
  void SetListDisplayOfEmployeeEnum(ListDisplay v) { filter_.listDisplayOfEmployeeEnum = v; }

  disability::EEDisabilityFilterStruct ToIdl() const { return filter_; }

 private:
  disability::EEDisabilityFilterStruct filter_{};
};

// A disability of an employee: root part and one period, keyed by its own
// object id.
//
// Commit sends createEEDisability for a new object, otherwise
// setEEDisability with the object's remove-new flag; the server's answer
// becomes the current and saved value. Delete sends the employee's object
// id, the object id and the version. A failed Commit or Delete returns to
// the last saved value, then raises base::VException.
//
// List results are new vectors of new objects that the caller owns, never
// null. The string of the history queries is the disability's object id.
class EEDisability
    : public PersonnelRecord<disability::EEDisabilityStruct, DisabilityRoot, DisabilityTP> {
 public:
  EEDisability() = default;
  explicit EEDisability(disability::EEDisabilityStruct const& s) : PersonnelRecord(s) {}

  void Commit();
  void Delete();

  // The record the server prepares for a new disability of employee
  // `oid_employee` from `valid_from`: the employee's data filled in, its
  // valid-from date the returned internal valid-from date, new as long as
  // the server sends no identity.
  static EEDisability GetStructBeforeCreate(std::string const& oid_employee,
                                            base::VDate const& valid_from);

  static std::vector<EEDisability*>* GetActiveEEDisabilitys(
      std::vector<EEDisabilityFilter*> const* filters, base::Sortierung const& sort);
  static std::vector<EEDisability*>* GetAllEEDisabilitysHistory(std::string oid);
  static std::vector<EEDisability*>* GetActiveEffectiveEEDisabilitysHistory(std::string oid);
  static std::vector<EEDisability*>* GetEffectiveEEDisabilitysHistory(std::string oid,
                                                                      base::VDate date);
  static EEDisability GetObjectFromObjectId(std::string const& oid, base::VDate const& date);
  // The disabilities of employee `oid_employee` as new records for another
  // employee, valid from `valid_from` (a date's wire text, passed as it is).
  static std::vector<EEDisability*>* GetDisabilitysForEmployeeCopy(std::string const& oid_employee,
                                                                   std::string const& valid_from);
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_DISABILITY_H_
