#include "employee/employee.h"

#include <memory>

#include "field.h"
#include "ostrel.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EmployeeService>;
using employee::EmployeeServant_ptr;
using Token = AccessToken_ptr;

// --- EmployeeShort ----------------------------------------------------------

EmployeeShort::EmployeeShort() {
  Value() = employee::EmployeeShortStruct{};
  SetSexEnum(static_cast<SexEnum>(1));
  SetPersonnelNumber(0);
  MakeBoCopy();
}

EmployeeShort::EmployeeShort(employee::EmployeeShortStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

std::string EmployeeShort::GetObjectid() const {
  return field::Text(Value().objectStruct.objectid);
}
void EmployeeShort::SetObjectid(std::string const& v) {
  field::SetText(Value().objectStruct.objectid, v);
}
long EmployeeShort::GetVersion() const { return Value().objectStruct.version; }
void EmployeeShort::SetVersion(long v) {
  Value().objectStruct.version = static_cast<CORBA::Long>(v);
}
std::string EmployeeShort::GetOidPCompany() const { return field::Text(Value().oidPCompany); }
void EmployeeShort::SetOidPCompany(std::string const& v) { field::SetText(Value().oidPCompany, v); }
long EmployeeShort::GetPersonnelNumber() const { return Value().personnelNumber; }
void EmployeeShort::SetPersonnelNumber(long v) {
  Value().personnelNumber = static_cast<CORBA::Long>(v);
}
std::string EmployeeShort::GetTitle() const { return field::Text(Value().title); }
void EmployeeShort::SetTitle(std::string const& v) { field::SetText(Value().title, v); }
std::wstring EmployeeShort::GetSurname() const { return field::Wide(Value().surname); }
void EmployeeShort::SetSurname(std::wstring const& v) { field::SetWide(Value().surname, v); }
std::string EmployeeShort::GetNamePrefix() const { return field::Text(Value().namePrefix); }
void EmployeeShort::SetNamePrefix(std::string const& v) { field::SetText(Value().namePrefix, v); }
std::wstring EmployeeShort::GetFirstname() const { return field::Wide(Value().firstname); }
void EmployeeShort::SetFirstname(std::wstring const& v) { field::SetWide(Value().firstname, v); }
SexEnum EmployeeShort::GetSexEnum() const { return Value().sexEnum; }
void EmployeeShort::SetSexEnum(SexEnum v) { Value().sexEnum = v; }
base::VDate EmployeeShort::GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
void EmployeeShort::SetDateOfEntry(base::VDate const& v) { field::SetDate(Value().dateOfEntry, v); }
base::VDate EmployeeShort::GetDateOfWithDrawal() const {
  return field::Date(Value().dateOfWithDrawal);
}
void EmployeeShort::SetDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawal, v);
}
base::VDate EmployeeShort::GetJournalizedUntil() const {
  return field::Date(Value().journalizedUntil);
}
void EmployeeShort::SetJournalizedUntil(base::VDate const& v) {
  field::SetDate(Value().journalizedUntil, v);
}

// --- EmployeeRoot -----------------------------------------------------------

EmployeeRoot::EmployeeRoot() {
  Value() = employee::EmployeeRootStruct{};
  MakeBoCopy();
}

EmployeeRoot::EmployeeRoot(employee::EmployeeRootStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

std::string EmployeeRoot::GetObjectid() const { return field::Text(Value().objectStruct.objectid); }
void EmployeeRoot::SetObjectid(std::string const& v) {
  field::SetText(Value().objectStruct.objectid, v);
}
long EmployeeRoot::GetVersion() const { return Value().objectStruct.version; }
void EmployeeRoot::SetVersion(long v) {
  Value().objectStruct.version = static_cast<CORBA::Long>(v);
}
std::string EmployeeRoot::GetOidPCompany() const { return field::Text(Value().oidPCompany); }
void EmployeeRoot::SetOidPCompany(std::string const& v) { field::SetText(Value().oidPCompany, v); }
long EmployeeRoot::GetPersonnelnumber() const { return Value().personnelnumber; }
void EmployeeRoot::SetPersonnelnumber(long v) {
  Value().personnelnumber = static_cast<CORBA::Long>(v);
}
base::VDate EmployeeRoot::GetJournalizedUntil() const {
  return field::Date(Value().journalizedUntil);
}
void EmployeeRoot::SetJournalizedUntil(base::VDate const& v) {
  field::SetDate(Value().journalizedUntil, v);
}
bool EmployeeRoot::GetInValuation() const { return Value().inValuation; }
void EmployeeRoot::SetInValuation(bool v) { Value().inValuation = v; }
bool EmployeeRoot::GetStateOfValuation() const { return Value().stateOfValuation; }
void EmployeeRoot::SetStateOfValuation(bool v) { Value().stateOfValuation = v; }
base::VDate EmployeeRoot::GetValuationEffectiveFrom() const {
  return field::Date(Value().valuationEffectiveFrom);
}
void EmployeeRoot::SetValuationEffectiveFrom(base::VDate const& v) {
  field::SetDate(Value().valuationEffectiveFrom, v);
}
base::VDate EmployeeRoot::GetValuationValidFrom() const {
  return field::Date(Value().valuationValidFrom);
}
void EmployeeRoot::SetValuationValidFrom(base::VDate const& v) {
  field::SetDate(Value().valuationValidFrom, v);
}
std::string EmployeeRoot::GetStateOfValMessage() const {
  return field::Text(Value().stateOfValMessage);
}
void EmployeeRoot::SetStateOfValMessage(std::string const& v) {
  field::SetText(Value().stateOfValMessage, v);
}

// --- EmployeeAddOn ----------------------------------------------------------

EmployeeAddOn::EmployeeAddOn() {
  Value() = employee::EmployeeAddOnStruct{};
  MakeBoCopy();
}

EmployeeAddOn::EmployeeAddOn(employee::EmployeeAddOnStruct const& s) : BO(s) { MakeBoCopy(); }

EmployeeRoot EmployeeAddOn::GetEmployeeRoot() const { return EmployeeRoot(Value().employeeRoot); }
void EmployeeAddOn::SetEmployeeRoot(EmployeeRoot const& v) { Value().employeeRoot = v.ToIdl(); }
std::string EmployeeAddOn::GetTitle() const { return field::Text(Value().title); }
void EmployeeAddOn::SetTitle(std::string const& v) { field::SetText(Value().title, v); }
std::wstring EmployeeAddOn::GetSurname() const { return field::Wide(Value().surname); }
void EmployeeAddOn::SetSurname(std::wstring const& v) { field::SetWide(Value().surname, v); }
std::string EmployeeAddOn::GetNamePrefix() const { return field::Text(Value().namePrefix); }
void EmployeeAddOn::SetNamePrefix(std::string const& v) { field::SetText(Value().namePrefix, v); }
std::wstring EmployeeAddOn::GetFirstname() const { return field::Wide(Value().firstname); }
void EmployeeAddOn::SetFirstname(std::wstring const& v) { field::SetWide(Value().firstname, v); }
SexEnum EmployeeAddOn::GetSex() const { return Value().sex; }
void EmployeeAddOn::SetSex(SexEnum v) { Value().sex = v; }
base::VDate EmployeeAddOn::GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
void EmployeeAddOn::SetDateOfEntry(base::VDate const& v) { field::SetDate(Value().dateOfEntry, v); }
base::VDate EmployeeAddOn::GetDateOfWithDrawal() const {
  return field::Date(Value().dateOfWithDrawal);
}
void EmployeeAddOn::SetDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawal, v);
}

// --- Employee ---------------------------------------------------------------

Employee::Employee() {
  Value() = employee::EmployeeStruct{};
  SetEeShort(EmployeeShort());
  SetInValuation(false);
  SetStateOfValuation(true);
  MakeBoCopy();
}

Employee::Employee(employee::EmployeeStruct const& s) : BO(s) { MakeBoCopy(); }

EmployeeShort Employee::GetEeShort() const { return EmployeeShort(Value().eeShort); }
void Employee::SetEeShort(EmployeeShort const& v) { Value().eeShort = v.ToIdl(); }
bool Employee::GetInValuation() const { return Value().inValuation; }
void Employee::SetInValuation(bool v) { Value().inValuation = v; }
bool Employee::GetStateOfValuation() const { return Value().stateOfValuation; }
void Employee::SetStateOfValuation(bool v) { Value().stateOfValuation = v; }
base::VDate Employee::GetValuationEffectiveFrom() const {
  return field::Date(Value().valuationEffectiveFrom);
}
void Employee::SetValuationEffectiveFrom(base::VDate const& v) {
  field::SetDate(Value().valuationEffectiveFrom, v);
}
base::VDate Employee::GetValuationValidFrom() const {
  return field::Date(Value().valuationValidFrom);
}
void Employee::SetValuationValidFrom(base::VDate const& v) {
  field::SetDate(Value().valuationValidFrom, v);
}
std::string Employee::GetStateOfValMessage() const {
  return field::Text(Value().stateOfValMessage);
}
void Employee::SetStateOfValMessage(std::string const& v) {
  field::SetText(Value().stateOfValMessage, v);
}

// --- EmployeeExtended -------------------------------------------------------

EmployeeExtended::EmployeeExtended() {
  Value() = employee::EmployeeExtendedStruct{};
  SetEe(Employee());
  MakeBoCopy();
}

EmployeeExtended::EmployeeExtended(employee::EmployeeExtendedStruct const& s) : BO(s) {
  SetObjectStruct(s.ee.eeShort.objectStruct);
  MakeBoCopy();
}

Employee EmployeeExtended::GetEe() const { return Employee(Value().ee); }
void EmployeeExtended::SetEe(Employee const& v) { Value().ee = v.ToIdl(); }
base::VDate EmployeeExtended::GetNextJournalizing() const {
  return field::Date(Value().nextJournalizing);
}
void EmployeeExtended::SetNextJournalizing(base::VDate const& v) {
  field::SetDate(Value().nextJournalizing, v);
}
base::VDate EmployeeExtended::GetLastCheck() const { return field::Date(Value().lastCheck); }
bool EmployeeExtended::GetStateOfLastCheck() const { return Value().stateOfLastCheck; }
int EmployeeExtended::GetWarningStateOfCheck() const { return Value().warningStateOfCheck; }

// --- EmployeeAfterCalculate -------------------------------------------------

EmployeeAfterCalculate::EmployeeAfterCalculate() {
  Value() = employee::EmployeeAfterCalculateStruct{};
  Value().exception._default();
  MakeBoCopy();
}

EmployeeAfterCalculate::EmployeeAfterCalculate(employee::EmployeeAfterCalculateStruct const& s)
    : BO(s) {
  SetObjectStruct(s.employee.eeShort.objectStruct);
  MakeBoCopy();
}

Employee EmployeeAfterCalculate::GetEmployee() const { return Employee(Value().employee); }
base::VDate EmployeeAfterCalculate::GetDateOfReverseProjection() const {
  return field::Date(Value().dateOfReverseProjection);
}
void EmployeeAfterCalculate::SetDateOfReverseProjection(base::VDate const& v) {
  field::SetDate(Value().dateOfReverseProjection, v);
}
base::VDateTime EmployeeAfterCalculate::GetDateLastCalculationOfEmployee() const {
  return base::VDateTime(Value().dateLastCalculationOfEmployee.in());
}
void EmployeeAfterCalculate::SetDateLastCalculationOfEmployee(base::VDateTime const& v) {
  field::SetText(Value().dateLastCalculationOfEmployee, v.ToIdl());
}

bool EmployeeAfterCalculate::HasException() const {
  return Value().exception._d() != com::ostrel::serverbase::applicationexception::NO_EXCEPTION;
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
    : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}

EmployeeAddOn EmployeeWaitForCalculate::GetEeAddOnStruct() const {
  return EmployeeAddOn(Value().eeAddOnStruct);
}
void EmployeeWaitForCalculate::SetEeAddOnStruct(EmployeeAddOn const& v) {
  Value().eeAddOnStruct = v.ToIdl();
}
base::VDate EmployeeWaitForCalculate::GetEffectiveFromOfCalculationCase() const {
  return field::Date(Value().effectiveFromOfCalculationCase);
}
void EmployeeWaitForCalculate::SetEffectiveFromOfCalculationCase(base::VDate const& v) {
  field::SetDate(Value().effectiveFromOfCalculationCase, v);
}
base::VDate EmployeeWaitForCalculate::GetValidFromOfCalculationCase() const {
  return field::Date(Value().validFromOfCalculationCase);
}
void EmployeeWaitForCalculate::SetValidFromOfCalculationCase(base::VDate const& v) {
  field::SetDate(Value().validFromOfCalculationCase, v);
}
base::VDateTime EmployeeWaitForCalculate::GetCreatedOn() const {
  return base::VDateTime(Value().createdOn.in());
}
void EmployeeWaitForCalculate::SetCreatedOn(base::VDateTime const& v) {
  field::SetText(Value().createdOn, v.ToIdl());
}
std::string EmployeeWaitForCalculate::GetCreatedBY() const {
  return field::Text(Value().createdBY);
}
void EmployeeWaitForCalculate::SetCreatedBY(std::string const& v) {
  field::SetText(Value().createdBY, v);
}
std::string EmployeeWaitForCalculate::GetClassOfBasic() const {
  return field::Text(Value().classOfBasic);
}
void EmployeeWaitForCalculate::SetClassOfBasic(std::string const& v) {
  field::SetText(Value().classOfBasic, v);
}
InitiateObjectTypeEnum EmployeeWaitForCalculate::GetInitiateObjectType() const {
  return Value().initiateObjectType;
}
void EmployeeWaitForCalculate::SetInitiateObjectType(InitiateObjectTypeEnum v) {
  Value().initiateObjectType = v;
}
bool EmployeeWaitForCalculate::GetDeselectionIsAllowed() const {
  return Value().deselectionIsAllowed;
}
void EmployeeWaitForCalculate::SetDeselectionIsAllowed(bool v) { Value().deselectionIsAllowed = v; }
bool EmployeeWaitForCalculate::GetCalculateNecessary() const { return Value().calculateNecessary; }
void EmployeeWaitForCalculate::SetCalculateNecessary(bool v) { Value().calculateNecessary = v; }
std::string EmployeeWaitForCalculate::GetDeselectBy() const {
  return field::Text(Value().deselectBy);
}
void EmployeeWaitForCalculate::SetDeselectBy(std::string const& v) {
  field::SetText(Value().deselectBy, v);
}
base::VDateTime EmployeeWaitForCalculate::GetDeselectOn() const {
  return base::VDateTime(Value().deselectOn.in());
}
void EmployeeWaitForCalculate::SetDeselectOn(base::VDateTime const& v) {
  field::SetText(Value().deselectOn, v.ToIdl());
}

// --- calculation hand-over ----------------------------------------------------

EmployeeForCalculate::EmployeeForCalculate() {
  Value() = employee::EmployeeForCalculateStruct{};
  MakeBoCopy();
}
EmployeeForCalculate::EmployeeForCalculate(employee::EmployeeForCalculateStruct const& s) : BO(s) {
  MakeBoCopy();
}
void EmployeeForCalculate::SetOidEmployee(std::string const& v) {
  field::SetText(Value().oidEmployee, v);
}
base::VDate EmployeeForCalculate::GetCalculateValidFrom() const {
  return field::Date(Value().calculateValidFrom);
}
void EmployeeForCalculate::SetCalculateValidFrom(base::VDate const& v) {
  field::SetDate(Value().calculateValidFrom, v);
}

EmployeeForCalculateExtend::EmployeeForCalculateExtend() {
  Value() = employee::EmployeeForCalculateExtendStruct{};
  MakeBoCopy();
}
EmployeeForCalculateExtend::EmployeeForCalculateExtend(
    employee::EmployeeForCalculateExtendStruct const& s)
    : BO(s) {
  MakeBoCopy();
}
void EmployeeForCalculateExtend::SetOidEmployee(std::string const& v) {
  field::SetText(Value().oidEmployee, v);
}
base::VDate EmployeeForCalculateExtend::GetCalculateValidFrom() const {
  return field::Date(Value().calculateValidFrom);
}
void EmployeeForCalculateExtend::SetCalculateValidFrom(base::VDate const& v) {
  field::SetDate(Value().calculateValidFrom, v);
}
void EmployeeForCalculateExtend::SetOidEmployeeCalculate(std::string const& v) {
  field::SetText(Value().oidEmployeeCalculate, v);
}

// --- ForInitialiseOfInsurance -------------------------------------------------

ForInitialiseOfInsurance::ForInitialiseOfInsurance() {
  Value() = employee::ForInitialiseOfInsuranceStruct{};
  MakeBoCopy();
}
ForInitialiseOfInsurance::ForInitialiseOfInsurance(
    employee::ForInitialiseOfInsuranceStruct const& s)
    : BO(s) {
  MakeBoCopy();
}
bool ForInitialiseOfInsurance::GetInsolvencyDuty() const { return Value().insolvencyDuty; }
void ForInitialiseOfInsurance::SetInsolvencyDuty(bool v) { Value().insolvencyDuty = v; }
bool ForInitialiseOfInsurance::GetERPaysNISurcharge() const { return Value().eRPaysNISurcharge; }
void ForInitialiseOfInsurance::SetERPaysNISurcharge(bool v) { Value().eRPaysNISurcharge = v; }

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

void EmployeeFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EmployeeFilter::SetPersonnelnumber(std::string const& v) {
  field::SetText(filter_.personnelnumber, v);
}
void EmployeeFilter::SetSurname(std::wstring const& v) { field::SetWide(filter_.surname, v); }
void EmployeeFilter::SetJournalizedUntil(base::VDate const& v) {
  field::SetDate(filter_.journalizedUntil, v);
}
void EmployeeFilter::SetInValuation(bool v) { filter_.inValuation.inValuation(v); }
void EmployeeFilter::ClearInValuation() { filter_.inValuation._default(); }
void EmployeeFilter::SetStateOfValuation(bool v) { filter_.stateOfValuation.stateOfValuation(v); }
void EmployeeFilter::ClearStateOfValuation() { filter_.stateOfValuation._default(); }
void EmployeeFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EmployeeFilter::SetListDisplayOfEmployeeEnum(ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void EmployeeFilter::SetDeselected(bool v) { filter_.deselected.deselected(v); }
void EmployeeFilter::ClearDeselected() { filter_.deselected._default(); }
void EmployeeFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}

// --- static functions of Employee ---------------------------------------------

namespace {

employee::EmployeeFilterSeq Filters(std::vector<EmployeeFilter*> const* filters) {
  return ToIdlSeq<employee::EmployeeFilterSeq>(filters);
}

}  // namespace

std::vector<EmployeeExtended*>* Employee::GetEmployees(std::vector<EmployeeFilter*> const* filters,
                                                       base::Sortierung const& sort) {
  return Remote_::List<EmployeeExtended>([](EmployeeServant_ptr s, Token t, auto const& f,
                                            auto const& o) { return s->getEmployees(t, f, o); },
                                         Filters(filters), sort.ToIdl());
}

EmployeeExtended Employee::GetEmployeeExtended(std::string oidEmployee) {
  return Remote_::Fetch<EmployeeExtended>(
      [](EmployeeServant_ptr s, Token t, std::string const& oid) {
        return s->getEmployeeExtended(t, oid.c_str());
      },
      oidEmployee);
}

std::vector<EmployeeAfterCalculate*>* Employee::GetEmployeesAfterCalculate(
    std::vector<EmployeeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EmployeeAfterCalculate>(
      [](EmployeeServant_ptr s, Token t, auto const& f, auto const& o) {
        return s->getEmployeesAfterCalculate(t, f, o);
      },
      Filters(filters), sort.ToIdl());
}

std::vector<EmployeeWaitForCalculate*>* Employee::GetEmployeesWaitForCalculate(
    std::vector<EmployeeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EmployeeWaitForCalculate>(
      [](EmployeeServant_ptr s, Token t, auto const& f, auto const& o) {
        return s->getEmployeesWaitForCalculate(t, f, o);
      },
      Filters(filters), sort.ToIdl());
}

std::vector<EmployeeShort*>* Employee::GetEmployeesFromReportFirst(
    ReportFirstFilter const& filter) {
  return Remote_::List<EmployeeShort>(
      [](EmployeeServant_ptr s, Token t, ReportFirstFilter::StructType const& f) {
        return s->getEmployeesFromReportFirst(t, f);
      },
      filter.ToIdl());
}

std::vector<EmployeeShort*>* Employee::GetEmployeesFromReportSecond(
    std::vector<ReportSecondFilter*> const* filters) {
  return Remote_::List<EmployeeShort>(
      [](EmployeeServant_ptr s, Token t, auto const& f) {
        return s->getEmployeesFromReportSecond(t, f);
      },
      ToIdlSeq<com::ostrel::personnel::domain::reports::ReportSecondFilterStructSeq>(filters));
}

std::vector<std::string>* Employee::GetDifferentJournalizeDates(
    std::vector<EmployeeFilter*> const* filters) {
  std::unique_ptr<std::vector<std::string>> result(new std::vector<std::string>);
  auto dates = Remote_::Call([](EmployeeServant_ptr s, Token t,
                                auto const& f) { return s->getDifferentJournalizeDates(t, f); },
                             Filters(filters));
  for (CORBA::ULong i = 0; i < dates->length(); ++i) result->push_back(dates[i].in());
  return result.release();
}

std::vector<EEValuePosition*>* Employee::GetGrossInformation(std::string oidEmployee,
                                                             base::VDate effectiveFrom,
                                                             base::VDate validFrom) {
  return Remote_::List<EEValuePosition>(
      [](EmployeeServant_ptr s, Token t, std::string const& oid, std::string const& effective,
         std::string const& valid) {
        return s->getGrossInformation(t, oid.c_str(), effective.c_str(), valid.c_str());
      },
      oidEmployee, effectiveFrom.ToIdl(), validFrom.ToIdl());
}

ForInitialiseOfInsurance Employee::GetInitialiseOfInsurance(std::string oidEmployee) {
  return Remote_::Fetch<ForInitialiseOfInsurance>(
      [](EmployeeServant_ptr s, Token t, std::string const& oid) {
        return s->getInitialiseOfInsurance(t, oid.c_str());
      },
      oidEmployee);
}

bool Employee::IsEESuccessor(std::string oidEmployee) {
  return Remote_::Call([](EmployeeServant_ptr s, Token t,
                          std::string const& oid) { return s->isSuccessor(t, oid.c_str()); },
                       oidEmployee);
}

void Employee::Calculate(std::vector<EmployeeForCalculate*>* employees) {
  Remote_::Call([](EmployeeServant_ptr s, Token t, auto const& e) { s->calculate(t, e); },
                ToIdlSeq<employee::EmployeeForCalculateSeq>(employees));
}

void Employee::CalculateExtend(std::vector<EmployeeForCalculateExtend*>* employees) {
  Remote_::Call([](EmployeeServant_ptr s, Token t, auto const& e) { s->calculateExtend(t, e); },
                ToIdlSeq<employee::EmployeeForCalculateExtendSeq>(employees));
}

void Employee::RestoreInValuation(std::vector<EmployeeRoot*>* employees) {
  Remote_::Call([](EmployeeServant_ptr s, Token t, auto const& e) { s->restoreInValuation(t, e); },
                ToIdlSeq<employee::EmployeeRootSeq>(employees));
}

void Employee::DeselectionOfRetroactiveCalculation(
    std::string oidPCompany, std::vector<EmployeeWaitForCalculate*> const* employees) {
  Remote_::Call(
      [](EmployeeServant_ptr s, Token t, std::string const& company, auto const& e) {
        s->deselectionOfRetroactiveCalculation(t, company.c_str(), e);
      },
      oidPCompany, ToIdlSeq<employee::EmployeeWaitForCalculateSeq>(employees));
}

Employee::ReportCallback* Employee::SetJournalize(std::vector<EmployeeExtended*>* employees) {
  return Remote_::Stream(
      new ReportCallback(),
      [](EmployeeServant_ptr s, Token t, auto const& e, auto cb) { s->setJournalize(t, e, cb); },
      ToIdlSeq<employee::EmployeeExtendedSeq>(employees));
}

Employee::ReportCallback* Employee::SetJournalizeWithFilter(
    std::vector<EmployeeFilter*> const* filters) {
  return Remote_::Stream(
      new ReportCallback(),
      [](EmployeeServant_ptr s, Token t, auto const& f, auto cb) {
        s->setJournalizeWithFilter(t, f, cb);
      },
      Filters(filters));
}

Employee::ReportCallback* Employee::EmployeeCheckUpWithCallback(std::string oidPCompany) {
  return Remote_::Stream(
      new ReportCallback(),
      [](EmployeeServant_ptr s, Token t, std::string const& company, auto cb) {
        s->EmployeeCheckUpWithCallback(t, company.c_str(), cb);
      },
      oidPCompany);
}

}  // namespace ostrel
