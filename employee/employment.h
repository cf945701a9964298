// Employment: an employee's engagement over time (entry and withdrawal,
// organisational assignment with cost-centre and cost-unit splits, contract,
// probation, permits, dismissal, income figures, Dbt attributes), with the
// life-cycle steps of an employment: correction of the entry, withdrawal and
// re-entry and their cancellations.
#ifndef OSTREL_EMPLOYEE_EMPLOYMENT_H_
#define OSTREL_EMPLOYEE_EMPLOYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employment.hh"
#include "employment_kind.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The Dbt attributes of an employment: a virtual withdrawal date and the
// date of application. A new one has both dates empty. Commit and Delete do
// nothing.
class Dbt : public base::BO<employment::DbtStruct> {
 public:
  Dbt() = default;
  explicit Dbt(employment::DbtStruct const& s) : BO(s) {}

  base::VDate GetVirtualWithdrawal() const { return field::Date(Value().virtualWithdrawal); }
  void SetVirtualWithdrawal(base::VDate const& v) { field::Set(Value().virtualWithdrawal, v); }
  base::VDate GetDateOfApplication() const { return field::Date(Value().dateOfApplication); }
  void SetDateOfApplication(base::VDate const& v) { field::Set(Value().dateOfApplication, v); }

  void Commit() {}
  void Delete() {}
};

// One share of the cost-centre split: the cost centre and its percentage.
// A new one is empty; built from a struct or copied it takes that identity
// and holds the value as saved. Commit and Delete do nothing.
class PartCostCenter : public RecordPart<employment::partcostcenter::PartCostCenterStruct> {
 public:
  using RecordPart::RecordPart;

  std::string GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
  void SetOidCostCenter(std::string const& v) { field::Set(Value().oidCostCenter, v); }
  base::VFixed GetPercentage() const { return field::Fixed(Value().percentage); }
  void SetPercentage(base::VFixed const& v) { field::Set(Value().percentage, v); }

  void Commit() {}
  void Delete() {}
};

// One share of the cost-unit split. As PartCostCenter.
class PartCostUnit : public RecordPart<employment::partcostunit::PartCostUnitStruct> {
 public:
  using RecordPart::RecordPart;

  std::string GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
  void SetOidCostUnit(std::string const& v) { field::Set(Value().oidCostUnit, v); }
  base::VFixed GetPercentage() const { return field::Fixed(Value().percentage); }
  void SetPercentage(base::VFixed const& v) { field::Set(Value().percentage, v); }

  void Commit() {}
  void Delete() {}
};

// One share of an employee-group split. As PartCostCenter; no record of
// this library holds such a split.
class PartEmployeeGroup
    : public RecordPart<employment::partemployeegroup::PartEmployeeGroupStruct> {
 public:
  using RecordPart::RecordPart;

  std::string GetOidEmployeeGroup() const { return field::Text(Value().oidEmployeeGroup); }
  void SetOidEmployeeGroup(std::string const& v) { field::Set(Value().oidEmployeeGroup, v); }
  base::VFixed GetPercentage() const { return field::Fixed(Value().percentage); }
  void SetPercentage(base::VFixed const& v) { field::Set(Value().percentage, v); }

  void Commit() {}
  void Delete() {}
};

// One period of an employee's employment.
//
// A new Employment has type of employment 1 and type of earned income 1;
// type of time off, the insolvency entry and dismissal reasons, the other
// enums and the AU certificate start 0; every flag is false; there are no
// Dbt attributes and no splits; every text, date and amount is empty. Built
// from a struct it does not take the struct's identity (EEEmployment holds
// the record's); a copy keeps what it copied as its saved value.
//
// The earned-income type is read with GetTypeOfEarnedIncome and written with
// SetTypeOfEarnedIncom.
class Employment : public base::BO<employment::EmploymentStruct> {
 public:
  Employment();
  explicit Employment(employment::EmploymentStruct const& s) : BO(s) {}
  Employment(Employment const& o) : BO(o) { MakeBoCopy(); }
  Employment& operator=(Employment const&) = default;

  std::string GetOidEmployee() const { return field::Text(Value().oidEmployee); }
  void SetOidEmployee(std::string const& v) { field::Set(Value().oidEmployee, v); }
  base::VDate GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
  void SetDateOfEntry(base::VDate const& v) { field::Set(Value().dateOfEntry, v); }
  base::VDate GetDateOfWithDrawal() const { return field::Date(Value().dateOfWithDrawal); }
  void SetDateOfWithDrawal(base::VDate const& v) { field::Set(Value().dateOfWithDrawal, v); }
  base::VDate GetDateOfEntrySI() const { return field::Date(Value().dateOfEntrySI); }
  void SetDateOfEntrySI(base::VDate const& v) { field::Set(Value().dateOfEntrySI, v); }
  base::VDate GetDateOfWithDrawalSI() const { return field::Date(Value().dateOfWithDrawalSI); }
  void SetDateOfWithDrawalSI(base::VDate const& v) { field::Set(Value().dateOfWithDrawalSI, v); }
  std::string GetOidPlant() const { return field::Text(Value().oidPlant); }
  void SetOidPlant(std::string const& v) { field::Set(Value().oidPlant, v); }
  std::string GetOidEmployeeCircle() const { return field::Text(Value().oidEmployeeCircle); }
  void SetOidEmployeeCircle(std::string const& v) { field::Set(Value().oidEmployeeCircle, v); }
  std::string GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
  void SetOidCostCenter(std::string const& v) { field::Set(Value().oidCostCenter, v); }
  std::string GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
  void SetOidCostUnit(std::string const& v) { field::Set(Value().oidCostUnit, v); }
  std::string GetOidOrgUnit() const { return field::Text(Value().oidOrgUnit); }
  void SetOidOrgUnit(std::string const& v) { field::Set(Value().oidOrgUnit, v); }
  std::string GetOidDepartment() const { return field::Text(Value().oidDepartment); }
  void SetOidDepartment(std::string const& v) { field::Set(Value().oidDepartment, v); }
  std::string GetOidPersonInCharge1() const { return field::Text(Value().oidPersonInCharge1); }
  void SetOidPersonInCharge1(std::string const& v) { field::Set(Value().oidPersonInCharge1, v); }
  std::string GetOidPersonInCharge2() const { return field::Text(Value().oidPersonInCharge2); }
  void SetOidPersonInCharge2(std::string const& v) { field::Set(Value().oidPersonInCharge2, v); }
  std::string GetInHouseAddress() const { return field::Text(Value().inHouseAddress); }
  void SetInHouseAddress(std::string const& v) { field::Set(Value().inHouseAddress, v); }
  std::string GetDebitorCode() const { return field::Text(Value().debitorCode); }
  void SetDebitorCode(std::string const& v) { field::Set(Value().debitorCode, v); }
  std::string GetCreditorCode() const { return field::Text(Value().creditorCode); }
  void SetCreditorCode(std::string const& v) { field::Set(Value().creditorCode, v); }
  std::string GetEmployeeIdCard() const { return field::Text(Value().employeeIdCard); }
  void SetEmployeeIdCard(std::string const& v) { field::Set(Value().employeeIdCard, v); }
  base::VDate GetContractStart() const { return field::Date(Value().contractStart); }
  void SetContractStart(base::VDate const& v) { field::Set(Value().contractStart, v); }
  base::VDate GetProbationStart() const { return field::Date(Value().probationStart); }
  void SetProbationStart(base::VDate const& v) { field::Set(Value().probationStart, v); }
  base::VDate GetProbationEnd() const { return field::Date(Value().probationEnd); }
  void SetProbationEnd(base::VDate const& v) { field::Set(Value().probationEnd, v); }
  base::VDate GetAllowableEntryDate() const { return field::Date(Value().allowableEntryDate); }
  void SetAllowableEntryDate(base::VDate const& v) { field::Set(Value().allowableEntryDate, v); }
  base::VDate GetEntryDateBranche() const { return field::Date(Value().entryDateBranche); }
  void SetEntryDateBranche(base::VDate const& v) { field::Set(Value().entryDateBranche, v); }
  std::string GetOidEntryReason() const { return field::Text(Value().oidEntryReason); }
  void SetOidEntryReason(std::string const& v) { field::Set(Value().oidEntryReason, v); }
  bool GetLimitedEmployment() const { return Value().limitedEmployment; }
  void SetLimitedEmployment(bool v) { field::Set(Value().limitedEmployment, v); }
  base::VDate GetEmploymentLtdBy() const { return field::Date(Value().employmentLtdBy); }
  void SetEmploymentLtdBy(base::VDate const& v) { field::Set(Value().employmentLtdBy, v); }
  bool GetLimitedWorkPermit() const { return Value().limitedWorkPermit; }
  void SetLimitedWorkPermit(bool v) { field::Set(Value().limitedWorkPermit, v); }
  base::VDate GetWorkPermitLtdBy() const { return field::Date(Value().workPermitLtdBy); }
  void SetWorkPermitLtdBy(base::VDate const& v) { field::Set(Value().workPermitLtdBy, v); }
  bool GetLtdResidencePermit() const { return Value().ltdResidencePermit; }
  void SetLtdResidencePermit(bool v) { field::Set(Value().ltdResidencePermit, v); }
  base::VDate GetResidPermitLtdBy() const { return field::Date(Value().residPermitLtdBy); }
  void SetResidPermitLtdBy(base::VDate const& v) { field::Set(Value().residPermitLtdBy, v); }
  base::VDate GetPassportValidTo() const { return field::Date(Value().passportValidTo); }
  void SetPassportValidTo(base::VDate const& v) { field::Set(Value().passportValidTo, v); }
  std::string GetOidOccupationPriorER() const { return field::Text(Value().oidOccupationPriorER); }
  void SetOidOccupationPriorER(std::string const& v) {
    field::Set(Value().oidOccupationPriorER, v);
  }
  std::string GetOidOccupationGroupPriorER() const {
    return field::Text(Value().oidOccupationGroupPriorER);
  }
  void SetOidOccupationGroupPriorER(std::string const& v) {
    field::Set(Value().oidOccupationGroupPriorER, v);
  }
  std::string GetOidOccupationReEntry() const { return field::Text(Value().oidOccupationReEntry); }
  void SetOidOccupationReEntry(std::string const& v) {
    field::Set(Value().oidOccupationReEntry, v);
  }
  std::string GetOidOccupationGroupReEntry() const {
    return field::Text(Value().oidOccupationGroupReEntry);
  }
  void SetOidOccupationGroupReEntry(std::string const& v) {
    field::Set(Value().oidOccupationGroupReEntry, v);
  }
  base::VDate GetDateDsmRgn() const { return field::Date(Value().dateDsmRgn); }
  void SetDateDsmRgn(base::VDate const& v) { field::Set(Value().dateDsmRgn, v); }
  base::VDate GetDsmRgnBy() const { return field::Date(Value().dsmRgnBy); }
  void SetDsmRgnBy(base::VDate const& v) { field::Set(Value().dsmRgnBy, v); }
  std::string GetOidDsmRgnReason() const { return field::Text(Value().oidDsmRgnReason); }
  void SetOidDsmRgnReason(std::string const& v) { field::Set(Value().oidDsmRgnReason, v); }
  std::string GetOidWithDrawalReason() const { return field::Text(Value().oidWithDrawalReason); }
  void SetOidWithDrawalReason(std::string const& v) { field::Set(Value().oidWithDrawalReason, v); }
  employment::DsmRgnOnPartOfEnum GetDsmRgnOnPartOf() const { return Value().dsmRgnOnPartOf; }
  void SetDsmRgnOnPartOf(employment::DsmRgnOnPartOfEnum v) {
    field::Set(Value().dsmRgnOnPartOf, v);
  }
  base::VFixed GetAmountCompensation() const { return field::Fixed(Value().amountCompensation); }
  void SetAmountCompensation(base::VFixed const& v) { field::Set(Value().amountCompensation, v); }
  // The cost-centre and cost-unit splits. The getters return a new vector
  // of new objects that the caller owns; the setters copy the objects (which
  // stay the caller's), and a null vector empties the split.
  std::vector<PartCostCenter*>* GetPartCostCenters() const {
    return NewVector<PartCostCenter>(Value().partCostCenters);
  }
  void SetPartCostCenters(std::vector<PartCostCenter*> const* v) {
    AssignSeq(Value().partCostCenters, v);
  }
  std::vector<PartCostUnit*>* GetPartCostUnits() const {
    return NewVector<PartCostUnit>(Value().partCostUnits);
  }
  void SetPartCostUnits(std::vector<PartCostUnit*> const* v) {
    AssignSeq(Value().partCostUnits, v);
  }
  employment::EmploymentCategoryEnum GetEmploymentCategoryEnum() const {
    return Value().employmentCategoryEnum;
  }
  void SetEmploymentCategoryEnum(employment::EmploymentCategoryEnum v) {
    field::Set(Value().employmentCategoryEnum, v);
  }
  employment::GroupOfPerformanceEnum GetGroupOfPerformanceEnum() const {
    return Value().groupOfPerformanceEnum;
  }
  void SetGroupOfPerformanceEnum(employment::GroupOfPerformanceEnum v) {
    field::Set(Value().groupOfPerformanceEnum, v);
  }
  std::string GetPersonnelnumberOld() const { return field::Text(Value().personnelnumberOld); }
  void SetPersonnelnumberOld(std::string const& v) { field::Set(Value().personnelnumberOld, v); }
  std::string GetOidEmployeeGroup() const { return field::Text(Value().oidEmployeeGroup); }
  void SetOidEmployeeGroup(std::string const& v) { field::Set(Value().oidEmployeeGroup, v); }
  std::string GetOidEmployeeFunction() const { return field::Text(Value().oidEmployeeFunction); }
  void SetOidEmployeeFunction(std::string const& v) { field::Set(Value().oidEmployeeFunction, v); }
  std::string GetOidScaleRule() const { return field::Text(Value().oidScaleRule); }
  void SetOidScaleRule(std::string const& v) { field::Set(Value().oidScaleRule, v); }
  std::string GetPaymentGroup() const { return field::Text(Value().paymentGroup); }
  void SetPaymentGroup(std::string const& v) { field::Set(Value().paymentGroup, v); }
  employment::TypeOfEmploymentEnum GetTypeOfEmployment() const { return Value().typeOfEmployment; }
  void SetTypeOfEmployment(employment::TypeOfEmploymentEnum v) {
    field::Set(Value().typeOfEmployment, v);
  }
  std::string GetDiffWorkplacePostalcode() const {
    return field::Text(Value().diffWorkplacePostalcode);
  }
  void SetDiffWorkplacePostalcode(std::string const& v) {
    field::Set(Value().diffWorkplacePostalcode, v);
  }
  std::string GetDiffWorkplaceDomicile() const {
    return field::Text(Value().diffWorkplaceDomicile);
  }
  void SetDiffWorkplaceDomicile(std::string const& v) {
    field::Set(Value().diffWorkplaceDomicile, v);
  }
  std::string GetDiffWorkplaceOidState() const {
    return field::Text(Value().diffWorkplaceOidState);
  }
  void SetDiffWorkplaceOidState(std::string const& v) {
    field::Set(Value().diffWorkplaceOidState, v);
  }
  base::VFixed GetEarnedIncome() const { return field::Fixed(Value().earnedIncome); }
  void SetEarnedIncome(base::VFixed const& v) { field::Set(Value().earnedIncome, v); }
  employment::TypeOfEarnedIncomEnum GetTypeOfEarnedIncome() const {
    return Value().typeOfEarnedIncom;
  }
  void SetTypeOfEarnedIncom(employment::TypeOfEarnedIncomEnum v) {
    field::Set(Value().typeOfEarnedIncom, v);
  }
  base::VFixed GetNetIncome() const { return field::Fixed(Value().netIncome); }
  void SetNetIncome(base::VFixed const& v) { field::Set(Value().netIncome, v); }
  std::string GetReasonForTransferU1() const { return field::Text(Value().reasonForTransferU1); }
  void SetReasonForTransferU1(std::string const& v) { field::Set(Value().reasonForTransferU1, v); }
  std::string GetReasonForTransferU2BT() const {
    return field::Text(Value().reasonForTransferU2BT);
  }
  void SetReasonForTransferU2BT(std::string const& v) {
    field::Set(Value().reasonForTransferU2BT, v);
  }
  std::string GetReasonForTransferU2ZU() const {
    return field::Text(Value().reasonForTransferU2ZU);
  }
  void SetReasonForTransferU2ZU(std::string const& v) {
    field::Set(Value().reasonForTransferU2ZU, v);
  }
  bool GetAutomaticPersonInCharge1() const { return Value().automaticPersonInCharge1; }
  void SetAutomaticPersonInCharge1(bool v) { field::Set(Value().automaticPersonInCharge1, v); }
  bool GetAutomaticPersonInCharge2() const { return Value().automaticPersonInCharge2; }
  void SetAutomaticPersonInCharge2(bool v) { field::Set(Value().automaticPersonInCharge2, v); }
  bool GetEarnedIncomeRelevantForCalculation() const {
    return Value().earnedIncomeRelevantForCalculation;
  }
  void SetEarnedIncomeRelevantForCalculation(bool v) {
    field::Set(Value().earnedIncomeRelevantForCalculation, v);
  }
  employment::TypeOfTimeOffEnum GetTypeOfTimeOff() const { return Value().typeOfTimeOff; }
  void SetTypeOfTimeOff(employment::TypeOfTimeOffEnum v) { field::Set(Value().typeOfTimeOff, v); }
  // The optional Dbt attributes. GetDbt raises base::InternalException
  // "Employment::GetDbt: no relevant in union!" when IsDBT() is false;
  // ClearIsDBT removes them.
  bool IsDBT() const { return Value().dbt._d(); }
  Dbt GetDbt();
  void SetDbt(Dbt const& v) { Value().dbt.dbt(v.ToIdl()); }
  void ClearIsDBT() { Value().dbt._default(); }
  base::VFixed GetCarriedForwardMonthlyNetZU() const {
    return field::Fixed(Value().carriedForwardMonthlyNetZU);
  }
  void SetCarriedForwardMonthlyNetZU(base::VFixed const& v) {
    field::Set(Value().carriedForwardMonthlyNetZU, v);
  }
  base::VFixed GetCarriedForwardDailyNetZU() const {
    return field::Fixed(Value().carriedForwardDailyNetZU);
  }
  void SetCarriedForwardDailyNetZU(base::VFixed const& v) {
    field::Set(Value().carriedForwardDailyNetZU, v);
  }
  bool GetAssignment() const { return Value().assignment; }
  void SetAssignment(bool v) { field::Set(Value().assignment, v); }
  base::VFixed GetMaternityBenefit() const { return field::Fixed(Value().maternityBenefit); }
  void SetMaternityBenefit(base::VFixed const& v) { field::Set(Value().maternityBenefit, v); }
  base::VFixed GetAverageMonthlyGrossPay() const {
    return field::Fixed(Value().averageMonthlyGrossPay);
  }
  void SetAverageMonthlyGrossPay(base::VFixed const& v) {
    field::Set(Value().averageMonthlyGrossPay, v);
  }
  base::VFixed GetAverageMonthlyNetPay() const {
    return field::Fixed(Value().averageMonthlyNetPay);
  }
  void SetAverageMonthlyNetPay(base::VFixed const& v) {
    field::Set(Value().averageMonthlyNetPay, v);
  }
  base::VFixed GetCalendarDailyNetPay() const { return field::Fixed(Value().calendarDailyNetPay); }
  void SetCalendarDailyNetPay(base::VFixed const& v) { field::Set(Value().calendarDailyNetPay, v); }
  base::VDate GetPresumableDateofdelivery() const {
    return field::Date(Value().presumableDateofdelivery);
  }
  void SetPresumableDateofdelivery(base::VDate const& v) {
    field::Set(Value().presumableDateofdelivery, v);
  }
  base::VDate GetAllowanceLtdBy() const { return field::Date(Value().allowanceLtdBy); }
  void SetAllowanceLtdBy(base::VDate const& v) { field::Set(Value().allowanceLtdBy, v); }
  std::string GetOidPlantPlace() const { return field::Text(Value().oidPlantPlace); }
  void SetOidPlantPlace(std::string const& v) { field::Set(Value().oidPlantPlace, v); }
  employment::InsolvencyEntryReasonEnum GetInsolvencyEntryReason() const {
    return Value().insolvencyEntryReason;
  }
  void SetInsolvencyEntryReason(employment::InsolvencyEntryReasonEnum v) {
    field::Set(Value().insolvencyEntryReason, v);
  }
  employment::InsolvencyDsmRgnReasonEnum GetInsolvencyDsmRgnReason() const {
    return Value().insolvencyDsmRgnReason;
  }
  void SetInsolvencyDsmRgnReason(employment::InsolvencyDsmRgnReasonEnum v) {
    field::Set(Value().insolvencyDsmRgnReason, v);
  }
  bool GetNoExportAsciiInfo() const { return Value().noExportAsciiInfo; }
  void SetNoExportAsciiInfo(bool v) { field::Set(Value().noExportAsciiInfo, v); }
  bool GetWithDrawalDeath() const { return Value().withDrawalDeath; }
  void SetWithDrawalDeath(bool v) { field::Set(Value().withDrawalDeath, v); }
  int GetAuCertificateFrom() const { return static_cast<int>(Value().auCertificateFrom); }
  void SetAuCertificateFrom(int v) { field::Set(Value().auCertificateFrom, v); }
  bool GetLimitedByPurpose() const { return Value().limitedByPurpose; }
  void SetLimitedByPurpose(bool v) { field::Set(Value().limitedByPurpose, v); }
};

// Selection of GetActiveEmployments and the streamed employment queries.
// Several filters in one query select what any of them selects.
//
// A new filter is cleared (ClearEEEmploymentFilter) and names no person in
// charge.
class EEEmploymentFilter {
 public:
  EEEmploymentFilter();

  // Personnel number unset; memo, company, surname, plant, employee circle,
  // employee group and function, cost centre, cost unit, organisational
  // unit and department empty; fixed date of withdrawal the undefined date;
  // list display 0. The two persons in charge are left as they are.
  void ClearEEEmploymentFilter();

  void SetMemo(std::string const& v) { field::Set(filter_.memo, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetOidPlant(std::string const& v) { field::Set(filter_.oidPlant, v); }
  void SetOidEmployeeCircle(std::string const& v) { field::Set(filter_.oidEmployeeCircle, v); }
  void SetOidEmployeeGroup(std::string const& v) { field::Set(filter_.oidEmployeeGroup, v); }
  void SetOidEmployeeFunction(std::string const& v) { field::Set(filter_.oidEmployeeFunction, v); }
  void SetOidCostCenter(std::string const& v) { field::Set(filter_.oidCostCenter, v); }
  void SetOidCostUnit(std::string const& v) { field::Set(filter_.oidCostUnit, v); }
  void SetOidOrgUnit(std::string const& v) { field::Set(filter_.oidOrgUnit, v); }
  void SetOidDepartment(std::string const& v) { field::Set(filter_.oidDepartment, v); }
  void SetOidPersonInCharge1(std::string const& v) { field::Set(filter_.oidPersonInCharge1, v); }
  void SetOidPersonInCharge2(std::string const& v) { field::Set(filter_.oidPersonInCharge2, v); }
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }

  employment::EEEmploymentFilterStruct ToIdl() const { return filter_; }

 private:
  employment::EEEmploymentFilterStruct filter_{};
};

// An employee's employment record: the employee's short view (root part),
// one employment period, and the findings of the server's checks.
//
// Commit sends createEmployment for a new object; otherwise addEmployment
// when the valid-from date differs from the stored internal valid-from date
// (which then takes it), setEmployment when not. Both carry the different
// personnel number (0 unless set) and a remove-new flag that is true exactly
// when the valid-until date is 31.12.2099 (SetRemoveNew has no effect). The
// server's answer becomes the current and saved value; a failed Commit
// returns to the last saved value, then raises. Delete does nothing.
//
// The life-cycle steps send the record (with remove-new false, except
// GetMigrationEmployee) and take over the server's answer like Commit,
// failure included. CorrectionOfEntry,
// WithDrawal and ReEntry first make the valid-from date the internal
// valid-from date; the two cancellations and GetMigrationEmployee send the
// record as it is.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements to the caller, never null.
class EEEmployment
    : public PersonnelRecord<employment::EEEmploymentStruct, EmployeeShort, Employment> {
 public:
  using Callback = base::VCallback<
      EEEmployment,
      POA_com::ostrel::personnel::domain::employee::employment::EEEmploymentStructCallback,
      employment::EEEmploymentSeq>;

  // A default EmployeeShort, a default Employment, different personnel
  // number 0, error count 0.
  EEEmployment() = default;
  explicit EEEmployment(employment::EEEmploymentStruct const& s) : PersonnelRecord(s) {}

  using PersonnelRecord::GetRoot;
  void SetEmployeeShort(EmployeeShort const& v) { SetRoot(v); }
  Employment GetEmployment() const { return GetHistory(); }
  void SetEmployment(Employment const& v) { SetHistory(v); }

  // The personnel number the employee is to get with the next Commit; 0
  // keeps the current one.
  int GetDifferentPersonnelnumber() const { return different_personnelnumber_; }
  void SetDifferentPersonnelnumber(int v) { different_personnelnumber_ = v; }

  // The findings the server returned with the record: a new vector of new
  // objects that the caller owns; GetErrorCount() is the size of the last
  // one returned (0 before the first call).
  std::vector<personnel::Error*>* GetErrors();
  void SetErrors(std::vector<personnel::Error*> const* v) { ErrorList::Set(Value().errors, v); }
  int GetErrorCount() const { return errors_.Count(); }

  void Commit();
  void Delete() {}

  void CorrectionOfEntry();
  void WithDrawal();
  void CancellationOfWithDrawal();
  void ReEntry();
  void CancellationOfReEntry();
  // Fills the record from the migration source of the employee.
  void GetMigrationEmployee();

  static std::vector<EEEmployment*>* GetActiveEmployments(
      std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort);
  // Start a stream of at most `max_hits` records (0: no limit) of the
  // employments, or of the withdrawn employments; the caller owns the
  // returned callback object.
  static Callback* GetActiveEEEmploymentsCB(std::vector<EEEmploymentFilter*> const* filters,
                                            base::Sortierung const& sort, unsigned int max_hits);
  static Callback* GetActiveEmploymentWithDrawalCB(std::vector<EEEmploymentFilter*> const* filters,
                                                   base::Sortierung const& sort,
                                                   unsigned int max_hits);
  static std::vector<EEEmployment*>* GetActiveEffectiveEmploymentHistory(std::string oidEmployee);
  static std::vector<EEEmployment*>* GetAllEmploymentHistory(std::string oidEmployee);
  static std::vector<EEEmployment*>* GetEffectiveEmploymentHistory(std::string oidEmployee,
                                                                   base::VDate effective);
  // The histories of the employee and of the employees linked to it.
  static std::vector<EEEmployment*>* GetLinkedActiveEffectiveEmploymentHistory(
      std::string oidEmployee);
  static std::vector<EEEmployment*>* GetLinkedAllEmploymentHistory(std::string oidEmployee);
  // The record in force at the effective date as it was known at the valid
  // date (both sent, in this order).
  static EEEmployment GetObjectFromObjectId(std::string const& oidEmployee,
                                            base::VDate const& effective, base::VDate const& valid);

 private:
  using PersonnelRecord::GetHistory;
  using PersonnelRecord::SetHistory;
  using PersonnelRecord::SetRoot;

  // Sends the record and `args` through `op` and takes over the answer.
  template <class Op, class... A>
  void LifeCycle(bool sets_valid_from, Op op, A... args);

  int different_personnelnumber_ = 0;
  ErrorList errors_;
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_EMPLOYMENT_H_
