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
// Built from a struct it takes the employee's identity; a default one has
// sex 1 and personnel number 0. Commit and Delete do nothing.
class EmployeeShort : public base::BO<employee::EmployeeShortStruct> {
 public:
  EmployeeShort();
  explicit EmployeeShort(employee::EmployeeShortStruct const& s);
  EmployeeShort(EmployeeShort const&) = default;
  EmployeeShort& operator=(EmployeeShort const&) = default;

  std::string GetObjectid() const;
  void SetObjectid(std::string const& v);
  long GetVersion() const;
  void SetVersion(long v);
  std::string GetOidPCompany() const;
  void SetOidPCompany(std::string const& v);
  long GetPersonnelNumber() const;
  void SetPersonnelNumber(long v);
  std::string GetTitle() const;
  void SetTitle(std::string const& v);
  std::wstring GetSurname() const;
  void SetSurname(std::wstring const& v);
  std::string GetNamePrefix() const;
  void SetNamePrefix(std::string const& v);
  std::wstring GetFirstname() const;
  void SetFirstname(std::wstring const& v);
  SexEnum GetSexEnum() const;
  void SetSexEnum(SexEnum v);
  base::VDate GetDateOfEntry() const;
  void SetDateOfEntry(base::VDate const& v);
  base::VDate GetDateOfWithDrawal() const;
  void SetDateOfWithDrawal(base::VDate const& v);
  base::VDate GetJournalizedUntil() const;
  void SetJournalizedUntil(base::VDate const& v);

  void Commit() {}
  void Delete() {}
};

// The time-independent identity of an employee with its valuation state.
// Built from a struct it takes the employee's identity; a default one is all
// empty, zero and false.
class EmployeeRoot : public base::BO<employee::EmployeeRootStruct> {
 public:
  EmployeeRoot();
  explicit EmployeeRoot(employee::EmployeeRootStruct const& s);

  std::string GetObjectid() const;
  void SetObjectid(std::string const& v);
  long GetVersion() const;
  void SetVersion(long v);
  std::string GetOidPCompany() const;
  void SetOidPCompany(std::string const& v);
  long GetPersonnelnumber() const;
  void SetPersonnelnumber(long v);
  base::VDate GetJournalizedUntil() const;
  void SetJournalizedUntil(base::VDate const& v);
  bool GetInValuation() const;
  void SetInValuation(bool v);
  bool GetStateOfValuation() const;
  void SetStateOfValuation(bool v);
  base::VDate GetValuationEffectiveFrom() const;
  void SetValuationEffectiveFrom(base::VDate const& v);
  base::VDate GetValuationValidFrom() const;
  void SetValuationValidFrom(base::VDate const& v);
  std::string GetStateOfValMessage() const;
  void SetStateOfValMessage(std::string const& v);
};

// An employee root with the names and dates of the short view, as the
// retroactive queue shows it. Its own identity stays empty (the employee's
// is in its root). A default one is all empty, zero and false (sex 0).
// Commit and Delete do nothing.
class EmployeeAddOn : public base::BO<employee::EmployeeAddOnStruct> {
 public:
  EmployeeAddOn();
  explicit EmployeeAddOn(employee::EmployeeAddOnStruct const& s);

  EmployeeRoot GetEmployeeRoot() const;
  void SetEmployeeRoot(EmployeeRoot const& v);
  std::string GetTitle() const;
  void SetTitle(std::string const& v);
  std::wstring GetSurname() const;
  void SetSurname(std::wstring const& v);
  std::string GetNamePrefix() const;
  void SetNamePrefix(std::string const& v);
  std::wstring GetFirstname() const;
  void SetFirstname(std::wstring const& v);
  SexEnum GetSex() const;
  void SetSex(SexEnum v);
  base::VDate GetDateOfEntry() const;
  void SetDateOfEntry(base::VDate const& v);
  base::VDate GetDateOfWithDrawal() const;
  void SetDateOfWithDrawal(base::VDate const& v);

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

  EmployeeShort GetEeShort() const;
  void SetEeShort(EmployeeShort const& v);
  bool GetInValuation() const;
  void SetInValuation(bool v);
  bool GetStateOfValuation() const;
  void SetStateOfValuation(bool v);
  base::VDate GetValuationEffectiveFrom() const;
  void SetValuationEffectiveFrom(base::VDate const& v);
  base::VDate GetValuationValidFrom() const;
  void SetValuationValidFrom(base::VDate const& v);
  std::string GetStateOfValMessage() const;
  void SetStateOfValMessage(std::string const& v);

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

  Employee GetEe() const;
  void SetEe(Employee const& v);
  base::VDate GetNextJournalizing() const;
  void SetNextJournalizing(base::VDate const& v);
  base::VDate GetLastCheck() const;
  bool GetStateOfLastCheck() const;
  int GetWarningStateOfCheck() const;

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

  Employee GetEmployee() const;
  base::VDate GetDateOfReverseProjection() const;
  void SetDateOfReverseProjection(base::VDate const& v);
  base::VDateTime GetDateLastCalculationOfEmployee() const;
  void SetDateLastCalculationOfEmployee(base::VDateTime const& v);

  // Whether the run raised an error for this employee.
  bool HasException() const;
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

  EmployeeAddOn GetEeAddOnStruct() const;
  void SetEeAddOnStruct(EmployeeAddOn const& v);
  base::VDate GetEffectiveFromOfCalculationCase() const;
  void SetEffectiveFromOfCalculationCase(base::VDate const& v);
  base::VDate GetValidFromOfCalculationCase() const;
  void SetValidFromOfCalculationCase(base::VDate const& v);
  base::VDateTime GetCreatedOn() const;
  void SetCreatedOn(base::VDateTime const& v);
  std::string GetCreatedBY() const;
  void SetCreatedBY(std::string const& v);
  std::string GetClassOfBasic() const;
  void SetClassOfBasic(std::string const& v);
  InitiateObjectTypeEnum GetInitiateObjectType() const;
  void SetInitiateObjectType(InitiateObjectTypeEnum v);
  bool GetDeselectionIsAllowed() const;
  void SetDeselectionIsAllowed(bool v);
  bool GetCalculateNecessary() const;
  void SetCalculateNecessary(bool v);
  std::string GetDeselectBy() const;
  void SetDeselectBy(std::string const& v);
  base::VDateTime GetDeselectOn() const;
  void SetDeselectOn(base::VDateTime const& v);

  void Commit() {}
  void Delete() {}
};

// An employee to calculate and the date the calculation is valid from. A
// default one is empty. Commit and Delete do nothing.
class EmployeeForCalculate : public base::BO<employee::EmployeeForCalculateStruct> {
 public:
  EmployeeForCalculate();
  explicit EmployeeForCalculate(employee::EmployeeForCalculateStruct const& s);

  void SetOidEmployee(std::string const& v);
  base::VDate GetCalculateValidFrom() const;
  void SetCalculateValidFrom(base::VDate const& v);

  void Commit() {}
  void Delete() {}
};

// As EmployeeForCalculate, with a second employee for the calculation.
class EmployeeForCalculateExtend : public base::BO<employee::EmployeeForCalculateExtendStruct> {
 public:
  EmployeeForCalculateExtend();
  explicit EmployeeForCalculateExtend(employee::EmployeeForCalculateExtendStruct const& s);

  void SetOidEmployee(std::string const& v);
  base::VDate GetCalculateValidFrom() const;
  void SetCalculateValidFrom(base::VDate const& v);
  void SetOidEmployeeCalculate(std::string const& v);

  void Commit() {}
  void Delete() {}
};

// Defaults the server proposes for a new insurance record. A default one is
// empty and false.
class ForInitialiseOfInsurance : public base::BO<employee::ForInitialiseOfInsuranceStruct> {
 public:
  ForInitialiseOfInsurance();
  explicit ForInitialiseOfInsurance(employee::ForInitialiseOfInsuranceStruct const& s);

  bool GetInsolvencyDuty() const;
  void SetInsolvencyDuty(bool v);
  bool GetERPaysNISurcharge() const;
  void SetERPaysNISurcharge(bool v);
};

// Selection of employees. A new filter is cleared (ClearEmployeeFilter):
// texts empty, journalized-until the empty date, fixed date of withdrawal
// the undefined date, list display 0, the three flags unset, a default
// extended filter.
class EmployeeFilter {
 public:
  EmployeeFilter();

  void ClearEmployeeFilter();
  void SetOidPCompany(std::string const& v);
  // The personnel number as the user typed it.
  void SetPersonnelnumber(std::string const& v);
  void SetSurname(std::wstring const& v);
  void SetJournalizedUntil(base::VDate const& v);
  void SetInValuation(bool v);
  void ClearInValuation();
  void SetStateOfValuation(bool v);
  void ClearStateOfValuation();
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetListDisplayOfEmployeeEnum(ListDisplayOfEmployeeEnum v);
  void SetDeselected(bool v);
  void ClearDeselected();
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);

  employee::EmployeeFilterStruct ToIdl() const { return filter_; }

 private:
  employee::EmployeeFilterStruct filter_{};
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_EMPLOYEE_H_
