#include "employee/employee.h"

#include <memory>

#include "field.h"
#include "ostrel.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EmployeeService>;

// --- EmployeeShort ----------------------------------------------------------

EmployeeShort::EmployeeShort() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

// --- Employee ---------------------------------------------------------------

Employee::Employee() {
  ApplyDefaults(Value(), kDefaults);
  SetEeShort(EmployeeShort());
  MakeBoCopy();
}

Employee::Employee(employee::EmployeeStruct const& s) : EmployeeStructFields(s) { MakeBoCopy(); }

// --- EmployeeExtended -------------------------------------------------------

EmployeeExtended::EmployeeExtended() {
  Value() = employee::EmployeeExtendedStruct{};
  SetEe(Employee());
  MakeBoCopy();
}

EmployeeExtended::EmployeeExtended(employee::EmployeeExtendedStruct const& s)
    : EmployeeExtendedStructFields(s) {
  SetObjectStruct(s.ee.eeShort.objectStruct);
  MakeBoCopy();
}

// --- EmployeeAfterCalculate -------------------------------------------------

// The value starts value-initialised (BO's default); assigning a fresh
// struct over it makes the compiler doubt the union's members.
EmployeeAfterCalculate::EmployeeAfterCalculate() {
  Value().exception._default();
  MakeBoCopy();
}

EmployeeAfterCalculate::EmployeeAfterCalculate(employee::EmployeeAfterCalculateStruct const& s)
    : EmployeeAfterCalculateStructFields(s) {
  SetObjectStruct(s.employee.eeShort.objectStruct);
  MakeBoCopy();
}

base::VException EmployeeAfterCalculate::GetException() const {
  if (!HasException()) {
    throw base::InternalException(
        L"EmployeeAfterCalculate::GetException: idl-struct has no exception");
  }
  std::unique_ptr<base::VException> e(base::Ostrel::Instance()->GetException(Value().exception));
  return *e;
}

// --- EmployeeWaitForCalculate -----------------------------------------------

EmployeeWaitForCalculate::EmployeeWaitForCalculate() {
  Value() = employee::EmployeeWaitForCalculateStruct{};
  SetObjectStruct(Value().objectStruct);
  SetEeAddOnStruct(EmployeeAddOn());
  SetEffectiveFromOfCalculationCase(base::VDate(""));
  SetValidFromOfCalculationCase(base::VDate(""));
  SetCreatedOn(base::VDateTime(""));
  SetCreatedBY("");
  SetClassOfBasic("");
  SetInitiateObjectType(static_cast<InitiateObjectTypeEnum>(0));
  SetDeselectionIsAllowed(false);
  SetCalculateNecessary(true);
  SetDeselectBy("");
  SetDeselectOn(base::VDateTime(""));
  MakeBoCopy();
}

EmployeeWaitForCalculate::EmployeeWaitForCalculate(
    employee::EmployeeWaitForCalculateStruct const& s)
    : EmployeeWaitForCalculateStructFields(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

// --- EmployeeFilter -----------------------------------------------------------

EmployeeFilter::EmployeeFilter() { ClearEmployeeFilter(); }

void EmployeeFilter::ClearEmployeeFilter() {
  SetOidPCompany("");
  SetPersonnelnumber("");
  SetSurname(L"");
  SetJournalizedUntil(base::VDate(""));
  ClearInValuation();
  ClearStateOfValuation();
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplayOfEmployeeEnum>(0));
  ClearDeselected();
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

// --- static functions of Employee ---------------------------------------------

namespace {

using Stub = Remote_::Stub;

employee::EmployeeFilterSeq Filters(std::vector<EmployeeFilter*> const* filters) {
  return ToIdlSeq<employee::EmployeeFilterSeq>(filters);
}

}  // namespace

std::vector<EmployeeExtended*>* Employee::GetEmployees(std::vector<EmployeeFilter*> const* filters,
                                                       base::Sortierung const& sort) {
  return Remote_::List<EmployeeExtended>(&Stub::getEmployees, Filters(filters), sort.ToIdl());
}

EmployeeExtended Employee::GetEmployeeExtended(std::string oidEmployee) {
  return Remote_::Fetch<EmployeeExtended>(&Stub::getEmployeeExtended, oidEmployee.c_str());
}

std::vector<EmployeeAfterCalculate*>* Employee::GetEmployeesAfterCalculate(
    std::vector<EmployeeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EmployeeAfterCalculate>(&Stub::getEmployeesAfterCalculate, Filters(filters),
                                               sort.ToIdl());
}

std::vector<EmployeeWaitForCalculate*>* Employee::GetEmployeesWaitForCalculate(
    std::vector<EmployeeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EmployeeWaitForCalculate>(&Stub::getEmployeesWaitForCalculate,
                                                 Filters(filters), sort.ToIdl());
}

std::vector<EmployeeShort*>* Employee::GetEmployeesFromReportFirst(
    ReportFirstFilter const& filter) {
  return Remote_::List<EmployeeShort>(&Stub::getEmployeesFromReportFirst, filter.ToIdl());
}

std::vector<EmployeeShort*>* Employee::GetEmployeesFromReportSecond(
    std::vector<ReportSecondFilter*> const* filters) {
  return Remote_::List<EmployeeShort>(
      &Stub::getEmployeesFromReportSecond,
      ToIdlSeq<com::ostrel::personnel::domain::reports::ReportSecondFilterStructSeq>(filters));
}

std::vector<std::string>* Employee::GetDifferentJournalizeDates(
    std::vector<EmployeeFilter*> const* filters) {
  std::unique_ptr<std::vector<std::string>> result(new std::vector<std::string>);
  auto dates = Remote_::Call(&Stub::getDifferentJournalizeDates, Filters(filters));
  for (CORBA::ULong i = 0; i < dates->length(); ++i) result->push_back(dates[i].in());
  return result.release();
}

std::vector<EEValuePosition*>* Employee::GetGrossInformation(std::string oidEmployee,
                                                             base::VDate effectiveFrom,
                                                             base::VDate validFrom) {
  return Remote_::List<EEValuePosition>(&Stub::getGrossInformation, oidEmployee.c_str(),
                                        effectiveFrom.c_str(), validFrom.c_str());
}

ForInitialiseOfInsurance Employee::GetInitialiseOfInsurance(std::string oidEmployee) {
  return Remote_::Fetch<ForInitialiseOfInsurance>(&Stub::getInitialiseOfInsurance,
                                                  oidEmployee.c_str());
}

bool Employee::IsEESuccessor(std::string oidEmployee) {
  return Remote_::Call(&Stub::isSuccessor, oidEmployee.c_str());
}

void Employee::Calculate(std::vector<EmployeeForCalculate*>* employees) {
  Remote_::Call(&Stub::calculate, ToIdlSeq<employee::EmployeeForCalculateSeq>(employees));
}

void Employee::CalculateExtend(std::vector<EmployeeForCalculateExtend*>* employees) {
  Remote_::Call(&Stub::calculateExtend,
                ToIdlSeq<employee::EmployeeForCalculateExtendSeq>(employees));
}

void Employee::RestoreInValuation(std::vector<EmployeeRoot*>* employees) {
  Remote_::Call(&Stub::restoreInValuation, ToIdlSeq<employee::EmployeeRootSeq>(employees));
}

void Employee::DeselectionOfRetroactiveCalculation(
    std::string oidPCompany, std::vector<EmployeeWaitForCalculate*> const* employees) {
  Remote_::Call(&Stub::deselectionOfRetroactiveCalculation, oidPCompany.c_str(),
                ToIdlSeq<employee::EmployeeWaitForCalculateSeq>(employees));
}

Employee::ReportCallback* Employee::SetJournalize(std::vector<EmployeeExtended*>* employees) {
  return Remote_::StreamReport<ReportCallback>(&Stub::setJournalize,
                                               ToIdlSeq<employee::EmployeeExtendedSeq>(employees));
}

Employee::ReportCallback* Employee::SetJournalizeWithFilter(
    std::vector<EmployeeFilter*> const* filters) {
  return Remote_::StreamReport<ReportCallback>(&Stub::setJournalizeWithFilter, Filters(filters));
}

Employee::ReportCallback* Employee::EmployeeCheckUpWithCallback(std::string oidPCompany) {
  return Remote_::StreamReport<ReportCallback>(&Stub::EmployeeCheckUpWithCallback,
                                               oidPCompany.c_str());
}

}  // namespace ostrel
