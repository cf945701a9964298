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
#include "calculation/valueposition.h"
#include "defaults.h"
#include "employee.hh"
#include "employee_extended_filter.h"
#include "employee_fields.h"
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
//
// EmployeeShort carries Get/Set of every plain member of EmployeeShortStruct (generated accessors).
class EmployeeShort : public EmployeeShortStructFields<RecordPart<employee::EmployeeShortStruct>> {
 public:
  static inline auto const kDefaults =
      std::make_tuple(DefaultOf<&employee::EmployeeShortStruct::sexEnum>(
          ::com::ostrel::personnel::domain::employee::SEX_MALE));

  EmployeeShort();
  using EmployeeShortStructFields::EmployeeShortStructFields;

  std::string GetObjectid() const { return field::Text(Value().objectStruct.objectid); }
  void SetObjectid(std::string const& v) { field::Set(Value().objectStruct.objectid, v); }
  long GetVersion() const { return field::Long(Value().objectStruct.version); }
  void SetVersion(long v) { field::Set(Value().objectStruct.version, v); }

  void Commit() {}
  void Delete() {}
};

// The time-independent identity of an employee with its valuation state.
// Built from a struct or copied it takes the employee's identity and holds
// that value as saved; a default one is all empty, zero and false.
//
// EmployeeRoot carries Get/Set of every plain member of EmployeeRootStruct (generated accessors).
class EmployeeRoot : public EmployeeRootStructFields<RecordPart<employee::EmployeeRootStruct>> {
 public:
  using EmployeeRootStructFields::EmployeeRootStructFields;

  std::string GetObjectid() const { return field::Text(Value().objectStruct.objectid); }
  void SetObjectid(std::string const& v) { field::Set(Value().objectStruct.objectid, v); }
  long GetVersion() const { return field::Long(Value().objectStruct.version); }
  void SetVersion(long v) { field::Set(Value().objectStruct.version, v); }
};

// An employee root with the names and dates of the short view, as the
// retroactive queue shows it. Its own identity stays empty (the employee's
// is in its root). A default one is all empty, zero and false (sex 0).
// Commit and Delete do nothing.
//
// EmployeeAddOn carries Get/Set of every plain member of EmployeeAddOnStruct (generated accessors).
class EmployeeAddOn : public EmployeeAddOnStructFields<base::BO<employee::EmployeeAddOnStruct>> {
 public:
  EmployeeAddOn() = default;
  explicit EmployeeAddOn(employee::EmployeeAddOnStruct const& s) : EmployeeAddOnStructFields(s) {
    MakeBoCopy();
  }

  EmployeeRoot GetEmployeeRoot() const { return EmployeeRoot(Value().employeeRoot); }
  void SetEmployeeRoot(EmployeeRoot const& v) { Value().employeeRoot = v.ToIdl(); }

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
//
// Employee carries Get/Set of every plain member of EmployeeStruct (generated accessors).
class Employee : public EmployeeStructFields<base::BO<employee::EmployeeStruct>> {
 public:
  static inline auto const kDefaults =
      std::make_tuple(DefaultOf<&employee::EmployeeStruct::stateOfValuation>(true));

  // Receives the lines of a report run (journalizing, check-up).
  using ReportCallback =
      base::VCallback<base::VString,
                      POA_com::ostrel::framework::basictypes::ReportFileStructCallback,
                      com::ostrel::framework::basictypes::ReportFileSeq>;

  Employee();
  explicit Employee(employee::EmployeeStruct const& s);

  EmployeeShort GetEeShort() const { return EmployeeShort(Value().eeShort); }
  void SetEeShort(EmployeeShort const& v) { Value().eeShort = v.ToIdl(); }

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
//
// EmployeeExtended carries Get/Set of every plain member of EmployeeExtendedStruct (generated
// accessors).
class EmployeeExtended
    : public EmployeeExtendedStructFields<base::BO<employee::EmployeeExtendedStruct>> {
 public:
  EmployeeExtended();
  explicit EmployeeExtended(employee::EmployeeExtendedStruct const& s);

  Employee GetEe() const { return Employee(Value().ee); }
  void SetEe(Employee const& v) { Value().ee = v.ToIdl(); }
  int GetWarningStateOfCheck() const { return Value().warningStateOfCheck; }

  void Commit() {}
  void Delete() {}
};

// One employee after a calculation run, with the error the run raised for
// it, if any. Built from a struct it takes the employee's identity; a
// default one is all empty, zero and false, without error.
// Commit and Delete do nothing.
//
// EmployeeAfterCalculate carries Get/Set of every plain member of EmployeeAfterCalculateStruct
// (generated accessors).
class EmployeeAfterCalculate
    : public EmployeeAfterCalculateStructFields<base::BO<employee::EmployeeAfterCalculateStruct>> {
 public:
  EmployeeAfterCalculate();
  explicit EmployeeAfterCalculate(employee::EmployeeAfterCalculateStruct const& s);

  Employee GetEmployee() const { return Employee(Value().employee); }
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
//
// EmployeeWaitForCalculate carries Get/Set of every plain member of EmployeeWaitForCalculateStruct
// (generated accessors).
class EmployeeWaitForCalculate : public EmployeeWaitForCalculateStructFields<
                                     base::BO<employee::EmployeeWaitForCalculateStruct>> {
 public:
  EmployeeWaitForCalculate();
  explicit EmployeeWaitForCalculate(employee::EmployeeWaitForCalculateStruct const& s);

  EmployeeAddOn GetEeAddOnStruct() const { return EmployeeAddOn(Value().eeAddOnStruct); }
  void SetEeAddOnStruct(EmployeeAddOn const& v) { Value().eeAddOnStruct = v.ToIdl(); }
  void SetCreatedOn(base::VDateTime const& v) { field::Set(Value().createdOn, v.ToIdl()); }
  void SetDeselectOn(base::VDateTime const& v) { field::Set(Value().deselectOn, v.ToIdl()); }

  void Commit() {}
  void Delete() {}
};

// An employee to calculate and the date the calculation is valid from. A
// default one is empty. Commit and Delete do nothing.
//
// EmployeeForCalculate carries Get/Set of every plain member of EmployeeForCalculateStruct
// (generated accessors).
class EmployeeForCalculate
    : public EmployeeForCalculateStructFields<base::BO<employee::EmployeeForCalculateStruct>> {
 public:
  EmployeeForCalculate() = default;
  explicit EmployeeForCalculate(employee::EmployeeForCalculateStruct const& s)
      : EmployeeForCalculateStructFields(s) {
    MakeBoCopy();
  }

  void Commit() {}
  void Delete() {}
};

// As EmployeeForCalculate, with a second employee for the calculation.
//
// EmployeeForCalculateExtend carries Get/Set of every plain member of
// EmployeeForCalculateExtendStruct (generated accessors).
class EmployeeForCalculateExtend : public EmployeeForCalculateExtendStructFields<
                                       base::BO<employee::EmployeeForCalculateExtendStruct>> {
 public:
  EmployeeForCalculateExtend() = default;
  explicit EmployeeForCalculateExtend(employee::EmployeeForCalculateExtendStruct const& s)
      : EmployeeForCalculateExtendStructFields(s) {
    MakeBoCopy();
  }

  void Commit() {}
  void Delete() {}
};

// Defaults the server proposes for a new insurance record. A default one is
// empty and false.
//
// ForInitialiseOfInsurance carries Get/Set of every plain member of ForInitialiseOfInsuranceStruct
// (generated accessors).
class ForInitialiseOfInsurance : public ForInitialiseOfInsuranceStructFields<
                                     base::BO<employee::ForInitialiseOfInsuranceStruct>> {
 public:
  ForInitialiseOfInsurance() = default;
  explicit ForInitialiseOfInsurance(employee::ForInitialiseOfInsuranceStruct const& s)
      : ForInitialiseOfInsuranceStructFields(s) {
    MakeBoCopy();
  }
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
