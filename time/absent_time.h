// Absent times: one absence of an employee (absence type, period, hours,
// half-day and waiting-day flags, amounts, predecessor, cost assignment, due
// date and type of birth), with the standard record operations, the
// server's pre-check, bulk creation, predecessor look-up and the report run
// over absence periods.
#ifndef OSTREL_TIME_ABSENT_TIME_H_
#define OSTREL_TIME_ABSENT_TIME_H_

#include <string>
#include <vector>

#include "absenttime_kind.h"
#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
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
// struct it takes that struct's identity and keeps the struct as its saved
// value; a copy also saves what it copied.
class EEAbsentTimeRoot : public base::BO<absenttime::AbsentTimeRootStruct> {
 public:
  EEAbsentTimeRoot();
  explicit EEAbsentTimeRoot(absenttime::AbsentTimeRootStruct const& s);
  EEAbsentTimeRoot(EEAbsentTimeRoot const& o);
  EEAbsentTimeRoot& operator=(EEAbsentTimeRoot const&) = default;

  EmployeeShort GetEmployeeShort() const;
  void SetEmployeeShort(EmployeeShort const& v);
  // Object id of the absence type.
  std::string GetOidAbsentTime() const;
  void SetOidAbsentTime(std::string const& v);
  bool GetIsDeleted() const;
  void SetIsDeleted(bool v);
};

// One period of an absence.
//
// A new period has type of birth 0, index of consequence 0, and neither a
// half leave day, a waiting day nor printing on the statement of earnings;
// every text, date and amount is empty. Built from a struct it takes that
// struct's identity and keeps the struct as its saved value; a copy also
// saves what it copied.
//
// NumberOfWorkingHours and ErrorMessage are filled by the server (see
// EEAbsentTime::CheckPreValues); TypeOfBirth and IndexOfConsequence are the
// server's codes.
class EEAbsentTimeTP : public base::BO<absenttime::AbsentTimeTPStruct> {
 public:
  EEAbsentTimeTP();
  explicit EEAbsentTimeTP(absenttime::AbsentTimeTPStruct const& s);
  EEAbsentTimeTP(EEAbsentTimeTP const& o);
  EEAbsentTimeTP& operator=(EEAbsentTimeTP const&) = default;

  base::VDate GetEffectiveFrom() const;
  void SetEffectiveFrom(base::VDate const& v);
  base::VDate GetEffectiveUntil() const;
  void SetEffectiveUntil(base::VDate const& v);
  base::VDate GetInternalValidFrom() const;
  void SetInternalValidFrom(base::VDate const& v);
  base::VDate GetValidUntil() const;
  void SetValidUntil(base::VDate const& v);
  std::string GetOidPredecessorEEAbsentTime() const;
  void SetOidPredecessorEEAbsentTime(std::string const& v);
  base::VFixed GetNumberOfHours() const;
  void SetNumberOfHours(base::VFixed const& v);
  std::string GetOidCostUnit() const;
  void SetOidCostUnit(std::string const& v);
  std::string GetOidCostCenter() const;
  void SetOidCostCenter(std::string const& v);
  bool GetHalfLeaveDay() const;
  void SetHalfLeaveDay(bool v);
  base::VFixed GetComparisonNet() const;
  void SetComparisonNet(base::VFixed const& v);
  base::VFixed GetStickPay() const;
  void SetStickPay(base::VFixed const& v);
  bool GetPrintOnStatementOfEarnings() const;
  void SetPrintOnStatementOfEarnings(bool v);
  long GetIndexOfConsequence() const;
  void SetIndexOfConsequence(long v);
  base::VDate GetDueDate() const;
  void SetDueDate(base::VDate const& v);
  long GetTypeOfBirth() const;
  void SetTypeOfBirth(long v);
  std::string GetAdditionalInfo() const;
  void SetAdditionalInfo(std::string const& v);
  base::VFixed GetNumberOfWorkingHours() const;
  void SetNumberOfWorkingHours(base::VFixed const& v);
  std::string GetErrorMessage() const;
  void SetErrorMessage(std::string const& v);
  bool GetWaitingDay() const;
  void SetWaitingDay(bool v);
  std::string GetAbandonment() const;
  void SetAbandonment(std::string const& v);
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

  void SetFromDate(base::VDate const& v);
  void SetUntilDate(base::VDate const& v);
  void SetAfterJournalized(bool v);
  void SetAbsentTimeKey(std::string const& v);
  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::string const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetWithDeleted(bool v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);
  void SetAbsenceOfEau(bool v);

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
class EauEEAbsentTime : public base::BO<absenttime::EauEEAbsentTimeStruct> {
 public:
  EauEEAbsentTime();
  explicit EauEEAbsentTime(absenttime::EauEEAbsentTimeStruct const& s);

  std::string GetOidEEAbsentTimeTP() const;
  void SetOidEEAbsentTimeTP(std::string const& v);
  int GetReasonOfInterrupt() const;
  void SetReasonOfInterrupt(int v);
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
  // A remote failure raises base::VException. Any other exception while
  // preparing or making the call (for example no server configured) is
  // swallowed; there is no answer then, and the result is a copy of
  // `absentTime` as it was passed: its current value, which is also the
  // copy's saved value, with its internal valid-from date as valid-from date.
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

#endif  // OSTREL_TIME_ABSENT_TIME_H_
