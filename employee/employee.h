// The employee as a whole: its short and root views, which most record kinds
// embed, and the static functions of Employee (search, calculation hand-over,
// retroactive-calculation queue, journalizing, small look-ups).
//
// No class here creates, changes or deletes an employee record; all remote
// work goes through the static functions of Employee. Their failures arrive
// as base::VException; result vectors are new and owned by the caller, their
// elements too.
#ifndef OSTREL_EMPLOYEE_EMPLOYEE_H_
#define OSTREL_EMPLOYEE_EMPLOYEE_H_

#include <string>
#include <vector>

#include "bo.h"
#include "calculation/value_position.h"
#include "employee.hh"
#include "employee_extended_filter.h"
#include "employee_kind.h"
#include "field.h"
#include "personnel_bo.h"
#include "report_filters.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vdatetime.h"
#include "vexception.h"
#include "vstring.h"

namespace ostrel {

using SexEnum = employee::SexEnum;
using InitiateObjectTypeEnum =
    com::ostrel::personnel::framework::basictypes::InitiateObjectTypeEnum;
using ListDisplayOfEmployeeEnum =
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

// The short view of an employee shown in lists and embedded in records.
// Built from a struct or copied it takes the employee's identity and holds
// that value as saved; a default one has sex 1 and personnel number 0.
// Commit and Delete do nothing.
class EmployeeShort : public RecordPart<employee::EmployeeShortStruct> {
 public:
  EmployeeShort();
  using RecordPart::RecordPart;

  std::string GetObjectid() const { return field::Text(Value().objectStruct.objectid); }
  void SetObjectid(std::string const& v) { field::Set(Value().objectStruct.objectid, v); }
  long GetVersion() const { return field::Long(Value().objectStruct.version); }
  void SetVersion(long v) { field::Set(Value().objectStruct.version, v); }
  std::string GetOidPCompany() const { return field::Text(Value().oidPCompany); }
  void SetOidPCompany(std::string const& v) { field::Set(Value().oidPCompany, v); }
  long GetPersonnelNumber() const { return field::Long(Value().personnelNumber); }
  void SetPersonnelNumber(long v) { field::Set(Value().personnelNumber, v); }
  std::string GetTitle() const { return field::Text(Value().title); }
  void SetTitle(std::string const& v) { field::Set(Value().title, v); }
  std::wstring GetSurname() const { return field::Wide(Value().surname); }
  void SetSurname(std::wstring const& v) { field::Set(Value().surname, v); }
  std::string GetNamePrefix() const { return field::Text(Value().namePrefix); }
  void SetNamePrefix(std::string const& v) { field::Set(Value().namePrefix, v); }
  std::wstring GetFirstname() const { return field::Wide(Value().firstname); }
  void SetFirstname(std::wstring const& v) { field::Set(Value().firstname, v); }
  SexEnum GetSexEnum() const { return Value().sexEnum; }
  void SetSexEnum(SexEnum v) { field::Set(Value().sexEnum, v); }
  base::VDate GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
  void SetDateOfEntry(base::VDate const& v) { field::Set(Value().dateOfEntry, v); }
  base::VDate GetDateOfWithDrawal() const { return field::Date(Value().dateOfWithDrawal); }
  void SetDateOfWithDrawal(base::VDate const& v) { field::Set(Value().dateOfWithDrawal, v); }
  base::VDate GetJournalizedUntil() const { return field::Date(Value().journalizedUntil); }
  void SetJournalizedUntil(base::VDate const& v) { field::Set(Value().journalizedUntil, v); }

  void Commit() {}
  void Delete() {}
};

// The time-independent identity of an employee with its valuation state.
// Built from a struct or copied it takes the employee's identity and holds
// that value as saved; a default one is all empty, zero and false.
class EmployeeRoot : public RecordPart<employee::EmployeeRootStruct> {
 public:
  using RecordPart::RecordPart;

  std::string GetObjectid() const { return field::Text(Value().objectStruct.objectid); }
  void SetObjectid(std::string const& v) { field::Set(Value().objectStruct.objectid, v); }
  long GetVersion() const { return field::Long(Value().objectStruct.version); }
  void SetVersion(long v) { field::Set(Value().objectStruct.version, v); }
  std::string GetOidPCompany() const { return field::Text(Value().oidPCompany); }
  void SetOidPCompany(std::string const& v) { field::Set(Value().oidPCompany, v); }
  long GetPersonnelnumber() const { return field::Long(Value().personnelnumber); }
  void SetPersonnelnumber(long v) { field::Set(Value().personnelnumber, v); }
  base::VDate GetJournalizedUntil() const { return field::Date(Value().journalizedUntil); }
  void SetJournalizedUntil(base::VDate const& v) { field::Set(Value().journalizedUntil, v); }
  bool GetInValuation() const { return Value().inValuation; }
  void SetInValuation(bool v) { field::Set(Value().inValuation, v); }
  bool GetStateOfValuation() const { return Value().stateOfValuation; }
  void SetStateOfValuation(bool v) { field::Set(Value().stateOfValuation, v); }
  base::VDate GetValuationEffectiveFrom() const {
    return field::Date(Value().valuationEffectiveFrom);
  }
  void SetValuationEffectiveFrom(base::VDate const& v) {
    field::Set(Value().valuationEffectiveFrom, v);
  }
  base::VDate GetValuationValidFrom() const { return field::Date(Value().valuationValidFrom); }
  void SetValuationValidFrom(base::VDate const& v) { field::Set(Value().valuationValidFrom, v); }
  std::string GetStateOfValMessage() const { return field::Text(Value().stateOfValMessage); }
  void SetStateOfValMessage(std::string const& v) { field::Set(Value().stateOfValMessage, v); }
};

// An employee root with the names and dates of the short view, as the
// retroactive queue shows it. Its own identity stays empty (the employee's
// is in its root). A default one is all empty, zero and false (sex 0).
// Commit and Delete do nothing.
class EmployeeAddOn : public base::BO<employee::EmployeeAddOnStruct> {
 public:
  EmployeeAddOn() = default;
  explicit EmployeeAddOn(employee::EmployeeAddOnStruct const& s) : BO(s) { MakeBoCopy(); }

  EmployeeRoot GetEmployeeRoot() const { return EmployeeRoot(Value().employeeRoot); }
  void SetEmployeeRoot(EmployeeRoot const& v) { Value().employeeRoot = v.ToIdl(); }
  std::string GetTitle() const { return field::Text(Value().title); }
  void SetTitle(std::string const& v) { field::Set(Value().title, v); }
  std::wstring GetSurname() const { return field::Wide(Value().surname); }
  void SetSurname(std::wstring const& v) { field::Set(Value().surname, v); }
  std::string GetNamePrefix() const { return field::Text(Value().namePrefix); }
  void SetNamePrefix(std::string const& v) { field::Set(Value().namePrefix, v); }
  std::wstring GetFirstname() const { return field::Wide(Value().firstname); }
  void SetFirstname(std::wstring const& v) { field::Set(Value().firstname, v); }
  SexEnum GetSex() const { return Value().sex; }
  void SetSex(SexEnum v) { field::Set(Value().sex, v); }
  base::VDate GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
  void SetDateOfEntry(base::VDate const& v) { field::Set(Value().dateOfEntry, v); }
  base::VDate GetDateOfWithDrawal() const { return field::Date(Value().dateOfWithDrawal); }
  void SetDateOfWithDrawal(base::VDate const& v) { field::Set(Value().dateOfWithDrawal, v); }

  void Commit() {}
  void Delete() {}
};

class EmployeeExtended;
class EmployeeAfterCalculate;
class EmployeeWaitForCalculate;
class EmployeeForCalculate;
class EmployeeForCalculateExtend;
class ForInitialiseOfInsurance;
class EmployeeFilter;

// An employee's short view with its valuation state, and the static
// functions that make up the employee servant's interface. Its own identity
// stays empty (the employee's is in the short view). A default one has a
// default short view, is not in valuation and its state of valuation is true.
class Employee : public base::BO<employee::EmployeeStruct> {
 public:
  // Receives the lines of a report run (journalizing, check-up).
  using ReportCallback =
      base::VCallback<base::VString,
                      POA_com::ostrel::framework::basictypes::ReportFileStructCallback,
                      com::ostrel::framework::basictypes::ReportFileSeq>;

  Employee();
  explicit Employee(employee::EmployeeStruct const& s);

  EmployeeShort GetEeShort() const { return EmployeeShort(Value().eeShort); }
  void SetEeShort(EmployeeShort const& v) { Value().eeShort = v.ToIdl(); }
  bool GetInValuation() const { return Value().inValuation; }
  void SetInValuation(bool v) { field::Set(Value().inValuation, v); }
  bool GetStateOfValuation() const { return Value().stateOfValuation; }
  void SetStateOfValuation(bool v) { field::Set(Value().stateOfValuation, v); }
  base::VDate GetValuationEffectiveFrom() const {
    return field::Date(Value().valuationEffectiveFrom);
  }
  void SetValuationEffectiveFrom(base::VDate const& v) {
    field::Set(Value().valuationEffectiveFrom, v);
  }
  base::VDate GetValuationValidFrom() const { return field::Date(Value().valuationValidFrom); }
  void SetValuationValidFrom(base::VDate const& v) { field::Set(Value().valuationValidFrom, v); }
  std::string GetStateOfValMessage() const { return field::Text(Value().stateOfValMessage); }
  void SetStateOfValMessage(std::string const& v) { field::Set(Value().stateOfValMessage, v); }

  // --- search -------------------------------------------------------------

  // The employees that match any of the filters (an empty vector sends an
  // empty filter sequence), sorted as asked.
  static std::vector<EmployeeExtended*>* GetEmployees(std::vector<EmployeeFilter*> const* filters,
                                                      base::Sortierung const& sort);
  static EmployeeExtended GetEmployeeExtended(std::string oidEmployee);
  // Report selections of the personnel core.
  static std::vector<EmployeeShort*>* GetEmployeesFromReportFirst(ReportFirstFilter const& filter);
  static std::vector<EmployeeShort*>* GetEmployeesFromReportSecond(
      std::vector<ReportSecondFilter*> const* filters);

  // --- calculation --------------------------------------------------------

  // Hands the employees to payroll calculation; read the outcome with
  // GetEmployeesAfterCalculate and GetEmployeesWaitForCalculate.
  static void Calculate(std::vector<EmployeeForCalculate*>* employees);
  static void CalculateExtend(std::vector<EmployeeForCalculateExtend*>* employees);
  static std::vector<EmployeeAfterCalculate*>* GetEmployeesAfterCalculate(
      std::vector<EmployeeFilter*> const* filters, base::Sortierung const& sort);
  // The queue of employees waiting for a retroactive calculation.
  static std::vector<EmployeeWaitForCalculate*>* GetEmployeesWaitForCalculate(
      std::vector<EmployeeFilter*> const* filters, base::Sortierung const& sort);
  static void DeselectionOfRetroactiveCalculation(
      std::string oidPCompany, std::vector<EmployeeWaitForCalculate*> const* employees);
  // Asks the server to restore the in-valuation state of the employees.
  static void RestoreInValuation(std::vector<EmployeeRoot*>* employees);

  // --- journalizing and check-up (report runs) ------------------------------

  // Each returns at once with a new callback object (owned by the caller)
  // into which the server streams the report's lines; when the call fails,
  // no callback object is left behind.
  static ReportCallback* SetJournalize(std::vector<EmployeeExtended*>* employees);
  static ReportCallback* SetJournalizeWithFilter(std::vector<EmployeeFilter*> const* filters);
  static ReportCallback* EmployeeCheckUpWithCallback(std::string oidPCompany);
  // The different journalized-until dates of the matching employees, as the
  // server's text.
  static std::vector<std::string>* GetDifferentJournalizeDates(
      std::vector<EmployeeFilter*> const* filters);

  // --- look-ups -------------------------------------------------------------

  // The employee's gross value positions at the two dates.
  static std::vector<EEValuePosition*>* GetGrossInformation(std::string oidEmployee,
                                                            base::VDate effectiveFrom,
                                                            base::VDate validFrom);
  // Defaults for a new insurance record of the employee.
  static ForInitialiseOfInsurance GetInitialiseOfInsurance(std::string oidEmployee);
  // Whether the employee was created as a successor.
  static bool IsEESuccessor(std::string oidEmployee);
};

// One row of the employee search. Built from a struct it takes the
// employee's identity; a default one holds a default Employee. The check
// fields are read-only. Commit and Delete do nothing.
class EmployeeExtended : public base::BO<employee::EmployeeExtendedStruct> {
 public:
  EmployeeExtended();
  explicit EmployeeExtended(employee::EmployeeExtendedStruct const& s);

  Employee GetEe() const { return Employee(Value().ee); }
  void SetEe(Employee const& v) { Value().ee = v.ToIdl(); }
  base::VDate GetNextJournalizing() const { return field::Date(Value().nextJournalizing); }
  void SetNextJournalizing(base::VDate const& v) { field::Set(Value().nextJournalizing, v); }
  base::VDate GetLastCheck() const { return field::Date(Value().lastCheck); }
  bool GetStateOfLastCheck() const { return Value().stateOfLastCheck; }
  int GetWarningStateOfCheck() const { return Value().warningStateOfCheck; }

  void Commit() {}
  void Delete() {}
};

// One employee after a calculation run, with the error the run raised for
// it, if any. Built from a struct it takes the employee's identity; a
// default one is all empty, zero and false, without error.
// Commit and Delete do nothing.
class EmployeeAfterCalculate : public base::BO<employee::EmployeeAfterCalculateStruct> {
 public:
  EmployeeAfterCalculate();
  explicit EmployeeAfterCalculate(employee::EmployeeAfterCalculateStruct const& s);

  Employee GetEmployee() const { return Employee(Value().employee); }
  base::VDate GetDateOfReverseProjection() const {
    return field::Date(Value().dateOfReverseProjection);
  }
  void SetDateOfReverseProjection(base::VDate const& v) {
    field::Set(Value().dateOfReverseProjection, v);
  }
  base::VDateTime GetDateLastCalculationOfEmployee() const {
    return base::VDateTime(Value().dateLastCalculationOfEmployee.in());
  }
  void SetDateLastCalculationOfEmployee(base::VDateTime const& v) {
    field::Set(Value().dateLastCalculationOfEmployee, v.ToIdl());
  }

  // Whether the run raised an error for this employee.
  bool HasException() const {
    return Value().exception._d() != com::ostrel::serverbase::applicationexception::NO_EXCEPTION;
  }
  // That error; InternalException when there is none.
  base::VException GetException() const;

  void Commit() {}
  void Delete() {}
};

// One entry of the queue of employees waiting for a retroactive
// calculation; the entry's own identity is the BoInterface identity.
// A default one: empty identity, default add-on, empty dates and time
// stamps and texts, initiate type 0, deselection not allowed, calculation
// necessary. Commit and Delete do nothing.
class EmployeeWaitForCalculate : public base::BO<employee::EmployeeWaitForCalculateStruct> {
 public:
  EmployeeWaitForCalculate();
  explicit EmployeeWaitForCalculate(employee::EmployeeWaitForCalculateStruct const& s);

  EmployeeAddOn GetEeAddOnStruct() const { return EmployeeAddOn(Value().eeAddOnStruct); }
  void SetEeAddOnStruct(EmployeeAddOn const& v) { Value().eeAddOnStruct = v.ToIdl(); }
  base::VDate GetEffectiveFromOfCalculationCase() const {
    return field::Date(Value().effectiveFromOfCalculationCase);
  }
  void SetEffectiveFromOfCalculationCase(base::VDate const& v) {
    field::Set(Value().effectiveFromOfCalculationCase, v);
  }
  base::VDate GetValidFromOfCalculationCase() const {
    return field::Date(Value().validFromOfCalculationCase);
  }
  void SetValidFromOfCalculationCase(base::VDate const& v) {
    field::Set(Value().validFromOfCalculationCase, v);
  }
  base::VDateTime GetCreatedOn() const { return base::VDateTime(Value().createdOn.in()); }
  void SetCreatedOn(base::VDateTime const& v) { field::Set(Value().createdOn, v.ToIdl()); }
  std::string GetCreatedBY() const { return field::Text(Value().createdBY); }
  void SetCreatedBY(std::string const& v) { field::Set(Value().createdBY, v); }
  std::string GetClassOfBasic() const { return field::Text(Value().classOfBasic); }
  void SetClassOfBasic(std::string const& v) { field::Set(Value().classOfBasic, v); }
  InitiateObjectTypeEnum GetInitiateObjectType() const { return Value().initiateObjectType; }
  void SetInitiateObjectType(InitiateObjectTypeEnum v) {
    field::Set(Value().initiateObjectType, v);
  }
  bool GetDeselectionIsAllowed() const { return Value().deselectionIsAllowed; }
  void SetDeselectionIsAllowed(bool v) { field::Set(Value().deselectionIsAllowed, v); }
  bool GetCalculateNecessary() const { return Value().calculateNecessary; }
  void SetCalculateNecessary(bool v) { field::Set(Value().calculateNecessary, v); }
  std::string GetDeselectBy() const { return field::Text(Value().deselectBy); }
  void SetDeselectBy(std::string const& v) { field::Set(Value().deselectBy, v); }
  base::VDateTime GetDeselectOn() const { return base::VDateTime(Value().deselectOn.in()); }
  void SetDeselectOn(base::VDateTime const& v) { field::Set(Value().deselectOn, v.ToIdl()); }

  void Commit() {}
  void Delete() {}
};

// An employee to calculate and the date the calculation is valid from. A
// default one is empty. Commit and Delete do nothing.
class EmployeeForCalculate : public base::BO<employee::EmployeeForCalculateStruct> {
 public:
  EmployeeForCalculate() = default;
  explicit EmployeeForCalculate(employee::EmployeeForCalculateStruct const& s) : BO(s) {
    MakeBoCopy();
  }

  void SetOidEmployee(std::string const& v) { field::Set(Value().oidEmployee, v); }
  base::VDate GetCalculateValidFrom() const { return field::Date(Value().calculateValidFrom); }
  void SetCalculateValidFrom(base::VDate const& v) { field::Set(Value().calculateValidFrom, v); }

  void Commit() {}
  void Delete() {}
};

// As EmployeeForCalculate, with a second employee for the calculation.
class EmployeeForCalculateExtend : public base::BO<employee::EmployeeForCalculateExtendStruct> {
 public:
  EmployeeForCalculateExtend() = default;
  explicit EmployeeForCalculateExtend(employee::EmployeeForCalculateExtendStruct const& s) : BO(s) {
    MakeBoCopy();
  }

  void SetOidEmployee(std::string const& v) { field::Set(Value().oidEmployee, v); }
  base::VDate GetCalculateValidFrom() const { return field::Date(Value().calculateValidFrom); }
  void SetCalculateValidFrom(base::VDate const& v) { field::Set(Value().calculateValidFrom, v); }
  void SetOidEmployeeCalculate(std::string const& v) {
    field::Set(Value().oidEmployeeCalculate, v);
  }

  void Commit() {}
  void Delete() {}
};

// Defaults the server proposes for a new insurance record. A default one is
// empty and false.
class ForInitialiseOfInsurance : public base::BO<employee::ForInitialiseOfInsuranceStruct> {
 public:
  ForInitialiseOfInsurance() = default;
  explicit ForInitialiseOfInsurance(employee::ForInitialiseOfInsuranceStruct const& s) : BO(s) {
    MakeBoCopy();
  }

  bool GetInsolvencyDuty() const { return Value().insolvencyDuty; }
  void SetInsolvencyDuty(bool v) { field::Set(Value().insolvencyDuty, v); }
  bool GetERPaysNISurcharge() const { return Value().eRPaysNISurcharge; }
  void SetERPaysNISurcharge(bool v) { field::Set(Value().eRPaysNISurcharge, v); }
};

// Selection of employees. A new filter is cleared (ClearEmployeeFilter):
// texts empty, journalized-until the empty date, fixed date of withdrawal
// the undefined date, list display 0, the three flags unset, a default
// extended filter.
class EmployeeFilter {
 public:
  EmployeeFilter();

  void ClearEmployeeFilter();
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  // The personnel number as the user typed it.
  void SetPersonnelnumber(std::string const& v) { field::Set(filter_.personnelnumber, v); }
  void SetSurname(std::wstring const& v) { field::Set(filter_.surname, v); }
  void SetJournalizedUntil(base::VDate const& v) { field::Set(filter_.journalizedUntil, v); }
  void SetInValuation(bool v) { filter_.inValuation.inValuation(v); }
  void ClearInValuation() { filter_.inValuation._default(); }
  void SetStateOfValuation(bool v) { filter_.stateOfValuation.stateOfValuation(v); }
  void ClearStateOfValuation() { filter_.stateOfValuation._default(); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetListDisplayOfEmployeeEnum(ListDisplayOfEmployeeEnum v) {
    filter_.listDisplayOfEmployeeEnum = v;
  }
  void SetDeselected(bool v) { filter_.deselected.deselected(v); }
  void ClearDeselected() { filter_.deselected._default(); }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }

  employee::EmployeeFilterStruct ToIdl() const { return filter_; }

 private:
  employee::EmployeeFilterStruct filter_{};
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_EMPLOYEE_H_
