// Absent times: one absence of an employee (absence type, period, hours,
// half-day and waiting-day flags, amounts, predecessor, cost assignment, due
// date and type of birth), with the standard record operations, the
// server's pre-check, bulk creation, predecessor look-up and the report run
// over absence periods.
#ifndef OSTREL_TIME_ABSENTTIME_H_
#define OSTREL_TIME_ABSENTTIME_H_

#include <string>
#include <vector>

#include "absenttime_fields.h"
#include "absenttime_kind.h"
#include "bo.h"
#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"
#include "vstring.h"

namespace ostrel {

// The time-independent part: the employee and the absence type.
//
// A new root holds a default EmployeeShort and is not deleted. Built from a
// struct or copied, it takes the struct's identity and keeps the value as
// its saved value.
//
// EEAbsentTimeRoot carries Get/Set of every plain member of AbsentTimeRootStruct (generated
// accessors).
class EEAbsentTimeRoot
    : public AbsentTimeRootStructFields<RecordPart<absenttime::AbsentTimeRootStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple();

  EEAbsentTimeRoot();
  using AbsentTimeRootStructFields::AbsentTimeRootStructFields;

  EmployeeShort GetEmployeeShort() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of an absence.
//
// A new period has type of birth 0, index of consequence 0, and neither a
// half leave day, a waiting day nor printing on the statement of earnings;
// every text, date and amount is empty. Built from a struct or copied, it
// takes the struct's identity and keeps the value as its saved value.
//
// NumberOfWorkingHours and ErrorMessage are filled by the server (see
// EEAbsentTime::CheckPreValues); TypeOfBirth and IndexOfConsequence are the
// server's codes.
//
// EEAbsentTimeTP carries Get/Set of every plain member of AbsentTimeTPStruct (generated accessors).
class EEAbsentTimeTP : public AbsentTimeTPStructFields<RecordPart<absenttime::AbsentTimeTPStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple();

  EEAbsentTimeTP();
  using AbsentTimeTPStructFields::AbsentTimeTPStructFields;

  base::VDate GetEffectiveFrom() const { return field::Date(Value().timePeriod.effectiveFrom); }
  void SetEffectiveFrom(base::VDate const& v) { field::Set(Value().timePeriod.effectiveFrom, v); }
  base::VDate GetEffectiveUntil() const { return field::Date(Value().timePeriod.effectiveUntil); }
  void SetEffectiveUntil(base::VDate const& v) { field::Set(Value().timePeriod.effectiveUntil, v); }
  base::VDate GetInternalValidFrom() const {
    return field::Date(Value().timePeriod.internalValidFrom);
  }
  void SetInternalValidFrom(base::VDate const& v) {
    field::Set(Value().timePeriod.internalValidFrom, v);
  }
  base::VDate GetValidUntil() const { return field::Date(Value().timePeriod.validUntil); }
  void SetValidUntil(base::VDate const& v) { field::Set(Value().timePeriod.validUntil, v); }
};

// Selection of GetActiveEEAbsentTimes and GetActiveEEAbsentTimeCB.
//
// A new filter selects from and until the undefined date, after journalized
// true, no absence key, company, personnel number (union FALSE) or surname,
// withdrawal date undefined, without deleted absences, list display 0, a
// default extended filter and absence of EAU false.
class EEAbsentTimeFilter {
 public:
  EEAbsentTimeFilter();

  void SetFromDate(base::VDate const& v) { field::Set(filter_.fromDate, v); }
  void SetUntilDate(base::VDate const& v) { field::Set(filter_.untilDate, v); }
  void SetAfterJournalized(bool v) { field::Set(filter_.afterJournalized, v); }
  void SetAbsentTimeKey(std::string const& v) { field::Set(filter_.absentTimeKey, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetWithDeleted(bool v) { field::Set(filter_.withDeleted, v); }
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }
  void SetAbsenceOfEau(bool v) { field::Set(filter_.absenceOfEau, v); }

  absenttime::EEAbsentTimeFilterStruct ToIdl() const { return filter_; }

 private:
  absenttime::EEAbsentTimeFilterStruct filter_{};
};

// One entry of the report run CreateFromEEAbsentTime: an absence period (by
// the object id of its period part) and a reason of interruption (a server
// code).
//
// A new entry names no period and has reason 0. Built from a struct it
// keeps the period but not the reason, which is 0 again.
//
// EauEEAbsentTime carries Get/Set of every plain member of EauEEAbsentTimeStruct (generated
// accessors).
class EauEEAbsentTime
    : public EauEEAbsentTimeStructFields<base::BO<absenttime::EauEEAbsentTimeStruct>> {
 public:
  EauEEAbsentTime();
  explicit EauEEAbsentTime(absenttime::EauEEAbsentTimeStruct const& s);

  int GetReasonOfInterrupt() const { return Value().reasonOfInterrupt; }
  void SetReasonOfInterrupt(int v) { field::Set(Value().reasonOfInterrupt, v); }
};

// An absent time: root part (employee, absence type) and one period.
//
// Commit sends createEEAbsentTime for a new object, otherwise
// setEEAbsentTime with the remove-new flag; the server's answer becomes the
// current and saved value. A failed Commit returns to the last saved value,
// then raises. Delete sends the employee's object id, the object id and the
// version; a failed Delete leaves the object as it is.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements to the caller (see
// DeleteAll), never null.
class EEAbsentTime
    : public PersonnelRecord<absenttime::EEAbsentTimeStruct, EEAbsentTimeRoot, EEAbsentTimeTP> {
 public:
  using Callback = base::VCallback<
      EEAbsentTime,
      POA_com::ostrel::personnel::domain::employee::absenttime::EEAbsentTimeStructCallback,
      absenttime::EEAbsentTimeSeq>;
  using ReportCallback =
      base::VCallback<base::VString,
                      POA_com::ostrel::framework::basictypes::ReportFileStructCallback,
                      com::ostrel::framework::basictypes::ReportFileSeq>;

  EEAbsentTime() = default;
  explicit EEAbsentTime(absenttime::EEAbsentTimeStruct const& s) : PersonnelRecord(s) {}

  void Commit();
  void Delete();

  static std::vector<EEAbsentTime*>* GetActiveEEAbsentTimes(
      std::vector<EEAbsentTimeFilter*> const* filters, base::Sortierung const& sort);
  // Starts a stream of at most `max_hits` absent times (0: no limit); the
  // caller owns the returned callback object.
  static Callback* GetActiveEEAbsentTimeCB(std::vector<EEAbsentTimeFilter*> const* filters,
                                           base::Sortierung const& sort, unsigned int max_hits);
  // The history of the absent time with object id `oid`.
  static std::vector<EEAbsentTime*>* GetAllEEAbsentTimesHistory(std::string oid);
  static std::vector<EEAbsentTime*>* GetActiveEffectiveEEAbsentTimesHistory(std::string oid);
  static std::vector<EEAbsentTime*>* GetEffectiveEEAbsentTimesHistory(std::string oid,
                                                                      base::VDate date);
  static EEAbsentTime GetObjectFromObjectId(std::string const& oid, base::VDate const& date);
  // The absent times of employee `oid_employee` as new objects for another
  // employee, valid from `valid_from` (a date's wire text, passed as it is).
  static std::vector<EEAbsentTime*>* GetAbsentTimesForEmployeeCopy(std::string const& oid_employee,
                                                                   std::string const& valid_from);

  // The server's version of `absentTime` (its current value; its valid-from
  // date is not sent) for company `oidPCompany`: a new object, not linked to
  // the argument, with the values the server fills in (hours, error
  // message).
  //
  // A remote failure raises base::VException. Any other failure while
  // preparing or making the call (for example no server configured) raises
  // nothing: there is no answer then, and the result is a copy of
  // `absentTime` as it was passed (its current value, which is also the
  // copy's saved value, with its internal valid-from date as valid-from
  // date) whose ErrorMessage is the failure's text, so that it cannot pass
  // for an accepted absent time.
  static EEAbsentTime CheckPreValues(EEAbsentTime absentTime, std::string oidPCompany);

  // Stores every absent time of `absentTimes` (their current values, in
  // order; valid-from dates are not sent, the objects are not changed) for
  // company `oidPCompany`. Returns one new object per stored absent time.
  static std::vector<EEAbsentTime*>* CreateEEAbsentTimes(std::vector<EEAbsentTime*>* absentTimes,
                                                         std::string oidPCompany);

  // The absent times of an employee and absence type that may precede a new
  // one, as the server selects them with `maxValidUntil` (sent as its wire
  // text, "0000-00-00" for the undefined date).
  static std::vector<EEAbsentTime*>* GetPredecessorEEAbsentTimes(base::VDate const& maxValidUntil,
                                                                 std::string const& oidEmployee,
                                                                 std::string const& oidAbsentTime);

  // The server's calendar parameters of an employee for a year, as it
  // returns them.
  static std::string GetCalendarParameterString(std::string const& oidEmployee, int year);

  // Whether the server allows absence key `absenttimeKey` (continued pay in
  // case of sickness, accident or the like) for the employee from
  // `validFrom`.
  static bool IsEFKorEFUorEFSallowed(std::string const& oidEmployee,
                                     std::string const& absenttimeKey,
                                     base::VDate const& validFrom);

  // Starts the report run over `entries` (in order) for company
  // `oidPCompany`; the server streams the report's lines, each queued as a
  // VString. The hit limit is the setting "Callback"/"MaxHits", 1000
  // without it. The caller owns the returned callback object.
  static ReportCallback* CreateFromEEAbsentTime(std::string const& oidPCompany,
                                                std::vector<EauEEAbsentTime*> const* entries);
};

}  // namespace ostrel

#endif  // OSTREL_TIME_ABSENTTIME_H_
