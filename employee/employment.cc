#include "employee/employment.h"

#include "field.h"
#include "remote.h"
#include "vexception.h"

namespace ostrel {

using Remote_ = Remote<EmploymentService>;
using employment::EmploymentServant_ptr;
using Token = AccessToken_ptr;

// --- nested parts -------------------------------------------------------

Dbt::Dbt() { MakeBoCopy(); }
Dbt::Dbt(employment::DbtStruct const& s) : BO(s) {}
base::VDate Dbt::GetVirtualWithdrawal() const { return field::Date(Value().virtualWithdrawal); }
void Dbt::SetVirtualWithdrawal(base::VDate const& v) {
  field::SetDate(Value().virtualWithdrawal, v);
}
base::VDate Dbt::GetDateOfApplication() const { return field::Date(Value().dateOfApplication); }
void Dbt::SetDateOfApplication(base::VDate const& v) {
  field::SetDate(Value().dateOfApplication, v);
}

PartCostCenter::PartCostCenter() {
  Value() = StructType();
  MakeBoCopy();
}
PartCostCenter::PartCostCenter(employment::partcostcenter::PartCostCenterStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
}
std::string PartCostCenter::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void PartCostCenter::SetOidCostCenter(std::string const& v) {
  field::SetText(Value().oidCostCenter, v);
}
base::VFixed PartCostCenter::GetPercentage() const { return field::Fixed(Value().percentage); }
void PartCostCenter::SetPercentage(base::VFixed const& v) {
  field::SetFixed(Value().percentage, v);
}

PartCostUnit::PartCostUnit() {
  Value() = StructType();
  MakeBoCopy();
}
PartCostUnit::PartCostUnit(employment::partcostunit::PartCostUnitStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
}
std::string PartCostUnit::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void PartCostUnit::SetOidCostUnit(std::string const& v) { field::SetText(Value().oidCostUnit, v); }
base::VFixed PartCostUnit::GetPercentage() const { return field::Fixed(Value().percentage); }
void PartCostUnit::SetPercentage(base::VFixed const& v) { field::SetFixed(Value().percentage, v); }

PartEmployeeGroup::PartEmployeeGroup() {
  Value() = StructType();
  MakeBoCopy();
}
PartEmployeeGroup::PartEmployeeGroup(
    employment::partemployeegroup::PartEmployeeGroupStruct const& s)
    : BO(s) {
  SetObjectStruct(s.objectStruct);
}
std::string PartEmployeeGroup::GetOidEmployeeGroup() const {
  return field::Text(Value().oidEmployeeGroup);
}
void PartEmployeeGroup::SetOidEmployeeGroup(std::string const& v) {
  field::SetText(Value().oidEmployeeGroup, v);
}
base::VFixed PartEmployeeGroup::GetPercentage() const { return field::Fixed(Value().percentage); }
void PartEmployeeGroup::SetPercentage(base::VFixed const& v) {
  field::SetFixed(Value().percentage, v);
}

// --- period part --------------------------------------------------------

Employment::Employment() {
  Value() = StructType();  // every number, flag and enum starts at 0, no Dbt
  SetTypeOfEmployment(static_cast<employment::TypeOfEmploymentEnum>(1));
  SetTypeOfEarnedIncom(static_cast<employment::TypeOfEarnedIncomEnum>(1));
  SetTypeOfTimeOff(static_cast<employment::TypeOfTimeOffEnum>(0));
  SetInsolvencyEntryReason(static_cast<employment::InsolvencyEntryReasonEnum>(0));
  SetInsolvencyDsmRgnReason(static_cast<employment::InsolvencyDsmRgnReasonEnum>(0));
  SetEarnedIncomeRelevantForCalculation(false);
  SetAssignment(false);
  ClearIsDBT();
  SetNoExportAsciiInfo(false);
  SetWithDrawalDeath(false);
  SetAuCertificateFrom(0);
  SetLimitedByPurpose(false);
  MakeBoCopy();
}
Employment::Employment(employment::EmploymentStruct const& s) : BO(s) {}
Employment::Employment(Employment const& o) : BO(o) { MakeBoCopy(); }

std::string Employment::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void Employment::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
base::VDate Employment::GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
void Employment::SetDateOfEntry(base::VDate const& v) { field::SetDate(Value().dateOfEntry, v); }
base::VDate Employment::GetDateOfWithDrawal() const {
  return field::Date(Value().dateOfWithDrawal);
}
void Employment::SetDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawal, v);
}
base::VDate Employment::GetDateOfEntrySI() const { return field::Date(Value().dateOfEntrySI); }
void Employment::SetDateOfEntrySI(base::VDate const& v) {
  field::SetDate(Value().dateOfEntrySI, v);
}
base::VDate Employment::GetDateOfWithDrawalSI() const {
  return field::Date(Value().dateOfWithDrawalSI);
}
void Employment::SetDateOfWithDrawalSI(base::VDate const& v) {
  field::SetDate(Value().dateOfWithDrawalSI, v);
}
std::string Employment::GetOidPlant() const { return field::Text(Value().oidPlant); }
void Employment::SetOidPlant(std::string const& v) { field::SetText(Value().oidPlant, v); }
std::string Employment::GetOidEmployeeCircle() const {
  return field::Text(Value().oidEmployeeCircle);
}
void Employment::SetOidEmployeeCircle(std::string const& v) {
  field::SetText(Value().oidEmployeeCircle, v);
}
std::string Employment::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void Employment::SetOidCostCenter(std::string const& v) {
  field::SetText(Value().oidCostCenter, v);
}
std::string Employment::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void Employment::SetOidCostUnit(std::string const& v) { field::SetText(Value().oidCostUnit, v); }
std::string Employment::GetOidOrgUnit() const { return field::Text(Value().oidOrgUnit); }
void Employment::SetOidOrgUnit(std::string const& v) { field::SetText(Value().oidOrgUnit, v); }
std::string Employment::GetOidDepartment() const { return field::Text(Value().oidDepartment); }
void Employment::SetOidDepartment(std::string const& v) {
  field::SetText(Value().oidDepartment, v);
}
std::string Employment::GetOidPersonInCharge1() const {
  return field::Text(Value().oidPersonInCharge1);
}
void Employment::SetOidPersonInCharge1(std::string const& v) {
  field::SetText(Value().oidPersonInCharge1, v);
}
std::string Employment::GetOidPersonInCharge2() const {
  return field::Text(Value().oidPersonInCharge2);
}
void Employment::SetOidPersonInCharge2(std::string const& v) {
  field::SetText(Value().oidPersonInCharge2, v);
}
std::string Employment::GetInHouseAddress() const { return field::Text(Value().inHouseAddress); }
void Employment::SetInHouseAddress(std::string const& v) {
  field::SetText(Value().inHouseAddress, v);
}
std::string Employment::GetDebitorCode() const { return field::Text(Value().debitorCode); }
void Employment::SetDebitorCode(std::string const& v) { field::SetText(Value().debitorCode, v); }
std::string Employment::GetCreditorCode() const { return field::Text(Value().creditorCode); }
void Employment::SetCreditorCode(std::string const& v) { field::SetText(Value().creditorCode, v); }
std::string Employment::GetEmployeeIdCard() const { return field::Text(Value().employeeIdCard); }
void Employment::SetEmployeeIdCard(std::string const& v) {
  field::SetText(Value().employeeIdCard, v);
}
base::VDate Employment::GetContractStart() const { return field::Date(Value().contractStart); }
void Employment::SetContractStart(base::VDate const& v) {
  field::SetDate(Value().contractStart, v);
}
base::VDate Employment::GetProbationStart() const { return field::Date(Value().probationStart); }
void Employment::SetProbationStart(base::VDate const& v) {
  field::SetDate(Value().probationStart, v);
}
base::VDate Employment::GetProbationEnd() const { return field::Date(Value().probationEnd); }
void Employment::SetProbationEnd(base::VDate const& v) { field::SetDate(Value().probationEnd, v); }
base::VDate Employment::GetAllowableEntryDate() const {
  return field::Date(Value().allowableEntryDate);
}
void Employment::SetAllowableEntryDate(base::VDate const& v) {
  field::SetDate(Value().allowableEntryDate, v);
}
base::VDate Employment::GetEntryDateBranche() const {
  return field::Date(Value().entryDateBranche);
}
void Employment::SetEntryDateBranche(base::VDate const& v) {
  field::SetDate(Value().entryDateBranche, v);
}
std::string Employment::GetOidEntryReason() const { return field::Text(Value().oidEntryReason); }
void Employment::SetOidEntryReason(std::string const& v) {
  field::SetText(Value().oidEntryReason, v);
}
bool Employment::GetLimitedEmployment() const { return Value().limitedEmployment; }
void Employment::SetLimitedEmployment(bool v) { Value().limitedEmployment = v; }
base::VDate Employment::GetEmploymentLtdBy() const { return field::Date(Value().employmentLtdBy); }
void Employment::SetEmploymentLtdBy(base::VDate const& v) {
  field::SetDate(Value().employmentLtdBy, v);
}
bool Employment::GetLimitedWorkPermit() const { return Value().limitedWorkPermit; }
void Employment::SetLimitedWorkPermit(bool v) { Value().limitedWorkPermit = v; }
base::VDate Employment::GetWorkPermitLtdBy() const { return field::Date(Value().workPermitLtdBy); }
void Employment::SetWorkPermitLtdBy(base::VDate const& v) {
  field::SetDate(Value().workPermitLtdBy, v);
}
bool Employment::GetLtdResidencePermit() const { return Value().ltdResidencePermit; }
void Employment::SetLtdResidencePermit(bool v) { Value().ltdResidencePermit = v; }
base::VDate Employment::GetResidPermitLtdBy() const {
  return field::Date(Value().residPermitLtdBy);
}
void Employment::SetResidPermitLtdBy(base::VDate const& v) {
  field::SetDate(Value().residPermitLtdBy, v);
}
base::VDate Employment::GetPassportValidTo() const { return field::Date(Value().passportValidTo); }
void Employment::SetPassportValidTo(base::VDate const& v) {
  field::SetDate(Value().passportValidTo, v);
}
std::string Employment::GetOidOccupationPriorER() const {
  return field::Text(Value().oidOccupationPriorER);
}
void Employment::SetOidOccupationPriorER(std::string const& v) {
  field::SetText(Value().oidOccupationPriorER, v);
}
std::string Employment::GetOidOccupationGroupPriorER() const {
  return field::Text(Value().oidOccupationGroupPriorER);
}
void Employment::SetOidOccupationGroupPriorER(std::string const& v) {
  field::SetText(Value().oidOccupationGroupPriorER, v);
}
std::string Employment::GetOidOccupationReEntry() const {
  return field::Text(Value().oidOccupationReEntry);
}
void Employment::SetOidOccupationReEntry(std::string const& v) {
  field::SetText(Value().oidOccupationReEntry, v);
}
std::string Employment::GetOidOccupationGroupReEntry() const {
  return field::Text(Value().oidOccupationGroupReEntry);
}
void Employment::SetOidOccupationGroupReEntry(std::string const& v) {
  field::SetText(Value().oidOccupationGroupReEntry, v);
}
base::VDate Employment::GetDateDsmRgn() const { return field::Date(Value().dateDsmRgn); }
void Employment::SetDateDsmRgn(base::VDate const& v) { field::SetDate(Value().dateDsmRgn, v); }
base::VDate Employment::GetDsmRgnBy() const { return field::Date(Value().dsmRgnBy); }
void Employment::SetDsmRgnBy(base::VDate const& v) { field::SetDate(Value().dsmRgnBy, v); }
std::string Employment::GetOidDsmRgnReason() const { return field::Text(Value().oidDsmRgnReason); }
void Employment::SetOidDsmRgnReason(std::string const& v) {
  field::SetText(Value().oidDsmRgnReason, v);
}
std::string Employment::GetOidWithDrawalReason() const {
  return field::Text(Value().oidWithDrawalReason);
}
void Employment::SetOidWithDrawalReason(std::string const& v) {
  field::SetText(Value().oidWithDrawalReason, v);
}
employment::DsmRgnOnPartOfEnum Employment::GetDsmRgnOnPartOf() const {
  return Value().dsmRgnOnPartOf;
}
void Employment::SetDsmRgnOnPartOf(employment::DsmRgnOnPartOfEnum v) { Value().dsmRgnOnPartOf = v; }
base::VFixed Employment::GetAmountCompensation() const {
  return field::Fixed(Value().amountCompensation);
}
void Employment::SetAmountCompensation(base::VFixed const& v) {
  field::SetFixed(Value().amountCompensation, v);
}
std::vector<PartCostCenter*>* Employment::GetPartCostCenters() const {
  return NewVector<PartCostCenter>(Value().partCostCenters);
}
void Employment::SetPartCostCenters(std::vector<PartCostCenter*> const* v) {
  AssignSeq(Value().partCostCenters, v);
}
std::vector<PartCostUnit*>* Employment::GetPartCostUnits() const {
  return NewVector<PartCostUnit>(Value().partCostUnits);
}
void Employment::SetPartCostUnits(std::vector<PartCostUnit*> const* v) {
  AssignSeq(Value().partCostUnits, v);
}
employment::EmploymentCategoryEnum Employment::GetEmploymentCategoryEnum() const {
  return Value().employmentCategoryEnum;
}
void Employment::SetEmploymentCategoryEnum(employment::EmploymentCategoryEnum v) {
  Value().employmentCategoryEnum = v;
}
employment::GroupOfPerformanceEnum Employment::GetGroupOfPerformanceEnum() const {
  return Value().groupOfPerformanceEnum;
}
void Employment::SetGroupOfPerformanceEnum(employment::GroupOfPerformanceEnum v) {
  Value().groupOfPerformanceEnum = v;
}
std::string Employment::GetPersonnelnumberOld() const {
  return field::Text(Value().personnelnumberOld);
}
void Employment::SetPersonnelnumberOld(std::string const& v) {
  field::SetText(Value().personnelnumberOld, v);
}
std::string Employment::GetOidEmployeeGroup() const {
  return field::Text(Value().oidEmployeeGroup);
}
void Employment::SetOidEmployeeGroup(std::string const& v) {
  field::SetText(Value().oidEmployeeGroup, v);
}
std::string Employment::GetOidEmployeeFunction() const {
  return field::Text(Value().oidEmployeeFunction);
}
void Employment::SetOidEmployeeFunction(std::string const& v) {
  field::SetText(Value().oidEmployeeFunction, v);
}
std::string Employment::GetOidScaleRule() const { return field::Text(Value().oidScaleRule); }
void Employment::SetOidScaleRule(std::string const& v) { field::SetText(Value().oidScaleRule, v); }
std::string Employment::GetPaymentGroup() const { return field::Text(Value().paymentGroup); }
void Employment::SetPaymentGroup(std::string const& v) { field::SetText(Value().paymentGroup, v); }
employment::TypeOfEmploymentEnum Employment::GetTypeOfEmployment() const {
  return Value().typeOfEmployment;
}
void Employment::SetTypeOfEmployment(employment::TypeOfEmploymentEnum v) {
  Value().typeOfEmployment = v;
}
std::string Employment::GetDiffWorkplacePostalcode() const {
  return field::Text(Value().diffWorkplacePostalcode);
}
void Employment::SetDiffWorkplacePostalcode(std::string const& v) {
  field::SetText(Value().diffWorkplacePostalcode, v);
}
std::string Employment::GetDiffWorkplaceDomicile() const {
  return field::Text(Value().diffWorkplaceDomicile);
}
void Employment::SetDiffWorkplaceDomicile(std::string const& v) {
  field::SetText(Value().diffWorkplaceDomicile, v);
}
std::string Employment::GetDiffWorkplaceOidState() const {
  return field::Text(Value().diffWorkplaceOidState);
}
void Employment::SetDiffWorkplaceOidState(std::string const& v) {
  field::SetText(Value().diffWorkplaceOidState, v);
}
base::VFixed Employment::GetEarnedIncome() const { return field::Fixed(Value().earnedIncome); }
void Employment::SetEarnedIncome(base::VFixed const& v) {
  field::SetFixed(Value().earnedIncome, v);
}
employment::TypeOfEarnedIncomEnum Employment::GetTypeOfEarnedIncome() const {
  return Value().typeOfEarnedIncom;
}
void Employment::SetTypeOfEarnedIncom(employment::TypeOfEarnedIncomEnum v) {
  Value().typeOfEarnedIncom = v;
}
base::VFixed Employment::GetNetIncome() const { return field::Fixed(Value().netIncome); }
void Employment::SetNetIncome(base::VFixed const& v) { field::SetFixed(Value().netIncome, v); }
std::string Employment::GetReasonForTransferU1() const {
  return field::Text(Value().reasonForTransferU1);
}
void Employment::SetReasonForTransferU1(std::string const& v) {
  field::SetText(Value().reasonForTransferU1, v);
}
std::string Employment::GetReasonForTransferU2BT() const {
  return field::Text(Value().reasonForTransferU2BT);
}
void Employment::SetReasonForTransferU2BT(std::string const& v) {
  field::SetText(Value().reasonForTransferU2BT, v);
}
std::string Employment::GetReasonForTransferU2ZU() const {
  return field::Text(Value().reasonForTransferU2ZU);
}
void Employment::SetReasonForTransferU2ZU(std::string const& v) {
  field::SetText(Value().reasonForTransferU2ZU, v);
}
bool Employment::GetAutomaticPersonInCharge1() const { return Value().automaticPersonInCharge1; }
void Employment::SetAutomaticPersonInCharge1(bool v) { Value().automaticPersonInCharge1 = v; }
bool Employment::GetAutomaticPersonInCharge2() const { return Value().automaticPersonInCharge2; }
void Employment::SetAutomaticPersonInCharge2(bool v) { Value().automaticPersonInCharge2 = v; }
bool Employment::GetEarnedIncomeRelevantForCalculation() const {
  return Value().earnedIncomeRelevantForCalculation;
}
void Employment::SetEarnedIncomeRelevantForCalculation(bool v) {
  Value().earnedIncomeRelevantForCalculation = v;
}
employment::TypeOfTimeOffEnum Employment::GetTypeOfTimeOff() const { return Value().typeOfTimeOff; }
void Employment::SetTypeOfTimeOff(employment::TypeOfTimeOffEnum v) { Value().typeOfTimeOff = v; }
bool Employment::IsDBT() const { return Value().dbt._d(); }
Dbt Employment::GetDbt() {
  if (!IsDBT()) throw base::InternalException(L"Employment::GetDbt: no relevant in union!");
  return Dbt(Value().dbt.dbt());
}
void Employment::SetDbt(Dbt const& v) { Value().dbt.dbt(v.ToIdl()); }
void Employment::ClearIsDBT() { Value().dbt._default(); }
base::VFixed Employment::GetCarriedForwardMonthlyNetZU() const {
  return field::Fixed(Value().carriedForwardMonthlyNetZU);
}
void Employment::SetCarriedForwardMonthlyNetZU(base::VFixed const& v) {
  field::SetFixed(Value().carriedForwardMonthlyNetZU, v);
}
base::VFixed Employment::GetCarriedForwardDailyNetZU() const {
  return field::Fixed(Value().carriedForwardDailyNetZU);
}
void Employment::SetCarriedForwardDailyNetZU(base::VFixed const& v) {
  field::SetFixed(Value().carriedForwardDailyNetZU, v);
}
bool Employment::GetAssignment() const { return Value().assignment; }
void Employment::SetAssignment(bool v) { Value().assignment = v; }
base::VFixed Employment::GetMaternityBenefit() const {
  return field::Fixed(Value().maternityBenefit);
}
void Employment::SetMaternityBenefit(base::VFixed const& v) {
  field::SetFixed(Value().maternityBenefit, v);
}
base::VFixed Employment::GetAverageMonthlyGrossPay() const {
  return field::Fixed(Value().averageMonthlyGrossPay);
}
void Employment::SetAverageMonthlyGrossPay(base::VFixed const& v) {
  field::SetFixed(Value().averageMonthlyGrossPay, v);
}
base::VFixed Employment::GetAverageMonthlyNetPay() const {
  return field::Fixed(Value().averageMonthlyNetPay);
}
void Employment::SetAverageMonthlyNetPay(base::VFixed const& v) {
  field::SetFixed(Value().averageMonthlyNetPay, v);
}
base::VFixed Employment::GetCalendarDailyNetPay() const {
  return field::Fixed(Value().calendarDailyNetPay);
}
void Employment::SetCalendarDailyNetPay(base::VFixed const& v) {
  field::SetFixed(Value().calendarDailyNetPay, v);
}
base::VDate Employment::GetPresumableDateofdelivery() const {
  return field::Date(Value().presumableDateofdelivery);
}
void Employment::SetPresumableDateofdelivery(base::VDate const& v) {
  field::SetDate(Value().presumableDateofdelivery, v);
}
base::VDate Employment::GetAllowanceLtdBy() const { return field::Date(Value().allowanceLtdBy); }
void Employment::SetAllowanceLtdBy(base::VDate const& v) {
  field::SetDate(Value().allowanceLtdBy, v);
}
std::string Employment::GetOidPlantPlace() const { return field::Text(Value().oidPlantPlace); }
void Employment::SetOidPlantPlace(std::string const& v) {
  field::SetText(Value().oidPlantPlace, v);
}
employment::InsolvencyEntryReasonEnum Employment::GetInsolvencyEntryReason() const {
  return Value().insolvencyEntryReason;
}
void Employment::SetInsolvencyEntryReason(employment::InsolvencyEntryReasonEnum v) {
  Value().insolvencyEntryReason = v;
}
employment::InsolvencyDsmRgnReasonEnum Employment::GetInsolvencyDsmRgnReason() const {
  return Value().insolvencyDsmRgnReason;
}
void Employment::SetInsolvencyDsmRgnReason(employment::InsolvencyDsmRgnReasonEnum v) {
  Value().insolvencyDsmRgnReason = v;
}
bool Employment::GetNoExportAsciiInfo() const { return Value().noExportAsciiInfo; }
void Employment::SetNoExportAsciiInfo(bool v) { Value().noExportAsciiInfo = v; }
bool Employment::GetWithDrawalDeath() const { return Value().withDrawalDeath; }
void Employment::SetWithDrawalDeath(bool v) { Value().withDrawalDeath = v; }
int Employment::GetAuCertificateFrom() const { return static_cast<int>(Value().auCertificateFrom); }
void Employment::SetAuCertificateFrom(int v) {
  Value().auCertificateFrom = static_cast<CORBA::Long>(v);
}
bool Employment::GetLimitedByPurpose() const { return Value().limitedByPurpose; }
void Employment::SetLimitedByPurpose(bool v) { Value().limitedByPurpose = v; }

// --- filter -------------------------------------------------------------

EEEmploymentFilter::EEEmploymentFilter() { ClearEEEmploymentFilter(); }

void EEEmploymentFilter::ClearEEEmploymentFilter() {
  ClearPnr();
  SetMemo("");
  SetOidPCompany("");
  SetSurname("");
  SetOidPlant("");
  SetOidEmployeeCircle("");
  SetOidEmployeeGroup("");
  SetOidEmployeeFunction("");
  SetOidCostCenter("");
  SetOidCostUnit("");
  SetOidOrgUnit("");
  SetOidDepartment("");
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetListDisplayOfEmployeeEnum(
      static_cast<com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum>(0));
}

void EEEmploymentFilter::SetMemo(std::string const& v) { field::SetText(filter_.memo, v); }
void EEEmploymentFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EEEmploymentFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void EEEmploymentFilter::ClearPnr() { filter_.pnr._default(); }
void EEEmploymentFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void EEEmploymentFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EEEmploymentFilter::SetOidPlant(std::string const& v) { field::SetText(filter_.oidPlant, v); }
void EEEmploymentFilter::SetOidEmployeeCircle(std::string const& v) {
  field::SetText(filter_.oidEmployeeCircle, v);
}
void EEEmploymentFilter::SetOidEmployeeGroup(std::string const& v) {
  field::SetText(filter_.oidEmployeeGroup, v);
}
void EEEmploymentFilter::SetOidEmployeeFunction(std::string const& v) {
  field::SetText(filter_.oidEmployeeFunction, v);
}
void EEEmploymentFilter::SetOidCostCenter(std::string const& v) {
  field::SetText(filter_.oidCostCenter, v);
}
void EEEmploymentFilter::SetOidCostUnit(std::string const& v) {
  field::SetText(filter_.oidCostUnit, v);
}
void EEEmploymentFilter::SetOidOrgUnit(std::string const& v) {
  field::SetText(filter_.oidOrgUnit, v);
}
void EEEmploymentFilter::SetOidDepartment(std::string const& v) {
  field::SetText(filter_.oidDepartment, v);
}
void EEEmploymentFilter::SetOidPersonInCharge1(std::string const& v) {
  field::SetText(filter_.oidPersonInCharge1, v);
}
void EEEmploymentFilter::SetOidPersonInCharge2(std::string const& v) {
  field::SetText(filter_.oidPersonInCharge2, v);
}
void EEEmploymentFilter::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}

// --- record -------------------------------------------------------------

std::vector<personnel::Error*>* EEEmployment::GetErrors() { return errors_.Get(Value().errors); }
void EEEmployment::SetErrors(std::vector<personnel::Error*> const* v) {
  ErrorList::Set(Value().errors, v);
}

void EEEmployment::Commit() {
  CommitThreeWay<EmploymentService>(
      [](EmploymentServant_ptr s, Token t, auto const& v) { return s->createEmployment(t, v); },
      [this](EmploymentServant_ptr s, Token t, auto const& v, bool removeNew) {
        return s->addEmployment(t, v, different_personnelnumber_, removeNew);
      },
      [this](EmploymentServant_ptr s, Token t, auto const& v, bool removeNew) {
        return s->setEmployment(t, v, different_personnelnumber_, removeNew);
      },
      OnFailure::kReset, RemoveNew::kOpenValidUntil);
}

template <class Op>
void EEEmployment::LifeCycle(bool sets_valid_from, Op op) {
  RemoteWrite<EmploymentService>(
      [this, sets_valid_from, &op](EmploymentServant_ptr s, Token t) {
        if (sets_valid_from) SetInternalValidFrom(GetValidFrom());
        employment::EEEmploymentStruct_var r = op(s, t, ToIdl());
        TakeOver(r.in());
      },
      OnFailure::kReset);
}

void EEEmployment::CorrectionOfEntry() {
  LifeCycle(true, [](EmploymentServant_ptr s, Token t, auto const& v) {
    return s->correctionOfEntry(t, v, false);
  });
}

void EEEmployment::WithDrawal() {
  LifeCycle(true, [](EmploymentServant_ptr s, Token t, auto const& v) {
    return s->withDrawal(t, v, false);
  });
}

void EEEmployment::CancellationOfWithDrawal() {
  LifeCycle(false, [](EmploymentServant_ptr s, Token t, auto const& v) {
    return s->cancellationOfWithDrawal(t, v, false);
  });
}

void EEEmployment::ReEntry() {
  LifeCycle(true, [](EmploymentServant_ptr s, Token t, auto const& v) {
    return s->reEntry(t, v, false);
  });
}

void EEEmployment::CancellationOfReEntry() {
  LifeCycle(false, [](EmploymentServant_ptr s, Token t, auto const& v) {
    return s->cancellationOfReEntry(t, v, false);
  });
}

void EEEmployment::GetMigrationEmployee() {
  LifeCycle(false, [](EmploymentServant_ptr s, Token t, auto const& v) {
    return s->getMigrationEmployee(t, v);
  });
}

std::vector<EEEmployment*>* EEEmployment::GetActiveEmployments(
    std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEEmployment>([](EmploymentServant_ptr s, Token t, auto const& f,
                                        auto const& o) { return s->getActiveEmployment(t, f, o); },
                                     ToIdlSeq<employment::EEEmploymentFilterSeq>(filters),
                                     sort.ToIdl());
}

EEEmployment::Callback* EEEmployment::GetActiveEEEmploymentsCB(
    std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](EmploymentServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveEmploymentCB(t, f, o, cb);
      },
      ToIdlSeq<employment::EEEmploymentFilterSeq>(filters), sort.ToIdl());
}

EEEmployment::Callback* EEEmployment::GetActiveEmploymentWithDrawalCB(
    std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](EmploymentServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveEmploymentWithDrawalCB(t, f, o, cb);
      },
      ToIdlSeq<employment::EEEmploymentFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEEmployment*>* EEEmployment::GetActiveEffectiveEmploymentHistory(
    std::string oidEmployee) {
  return Remote_::List<EEEmployment>(
      [](EmploymentServant_ptr s, Token t, std::string const& e) {
        return s->getActiveEffectiveEmploymentHistory(t, e.c_str());
      },
      oidEmployee);
}

std::vector<EEEmployment*>* EEEmployment::GetAllEmploymentHistory(std::string oidEmployee) {
  return Remote_::List<EEEmployment>(
      [](EmploymentServant_ptr s, Token t, std::string const& e) {
        return s->getAllEmploymentHistory(t, e.c_str());
      },
      oidEmployee);
}

std::vector<EEEmployment*>* EEEmployment::GetEffectiveEmploymentHistory(std::string oidEmployee,
                                                                        base::VDate effective) {
  return Remote_::List<EEEmployment>(
      [](EmploymentServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEffectiveEmploymentHistory(t, e.c_str(), d.c_str());
      },
      oidEmployee, effective.ToIdl());
}

std::vector<EEEmployment*>* EEEmployment::GetLinkedActiveEffectiveEmploymentHistory(
    std::string oidEmployee) {
  return Remote_::List<EEEmployment>(
      [](EmploymentServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedActiveEffectiveEmploymentHistory(t, e.c_str());
      },
      oidEmployee);
}

std::vector<EEEmployment*>* EEEmployment::GetLinkedAllEmploymentHistory(std::string oidEmployee) {
  return Remote_::List<EEEmployment>(
      [](EmploymentServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedAllEmploymentHistory(t, e.c_str());
      },
      oidEmployee);
}

EEEmployment EEEmployment::GetObjectFromObjectId(std::string const& oidEmployee,
                                                 base::VDate const& effective,
                                                 base::VDate const& valid) {
  return Remote_::Fetch<EEEmployment>(
      [](EmploymentServant_ptr s, Token t, std::string const& e, std::string const& d,
         std::string const& v) {
        return s->getObjectFromObjectId(t, e.c_str(), d.c_str(), v.c_str());
      },
      oidEmployee, effective.ToIdl(), valid.ToIdl());
}

}  // namespace ostrel
