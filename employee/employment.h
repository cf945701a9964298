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
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace employment = com::ostrel::personnel::domain::employee::employment;

// The employee's short view is the root part, so the record is keyed by the
// employee: one employment record per employee.
template <>
struct RecordLayout<employment::EEEmploymentStruct>
    : EmployeeRecordLayout<&employment::EEEmploymentStruct::root,
                           &employment::EEEmploymentStruct::employment> {};

struct EmploymentService {
  using Servant = employment::EmploymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.employment.EmploymentServantImpl";
};

// The Dbt attributes of an employment: a virtual withdrawal date and the
// date of application. A new one has both dates empty. Commit and Delete do
// nothing.
class Dbt : public base::BO<employment::DbtStruct> {
 public:
  Dbt();
  explicit Dbt(employment::DbtStruct const& s);

  base::VDate GetVirtualWithdrawal() const;
  void SetVirtualWithdrawal(base::VDate const& v);
  base::VDate GetDateOfApplication() const;
  void SetDateOfApplication(base::VDate const& v);

  void Commit() {}
  void Delete() {}
};

// One share of the cost-centre split: the cost centre and its percentage.
// A new one is empty; built from a struct it takes that struct's identity.
// Commit and Delete do nothing.
class PartCostCenter : public base::BO<employment::partcostcenter::PartCostCenterStruct> {
 public:
  PartCostCenter();
  explicit PartCostCenter(employment::partcostcenter::PartCostCenterStruct const& s);

  std::string GetOidCostCenter() const;
  void SetOidCostCenter(std::string const& v);
  base::VFixed GetPercentage() const;
  void SetPercentage(base::VFixed const& v);

  void Commit() {}
  void Delete() {}
};

// One share of the cost-unit split. As PartCostCenter.
class PartCostUnit : public base::BO<employment::partcostunit::PartCostUnitStruct> {
 public:
  PartCostUnit();
  explicit PartCostUnit(employment::partcostunit::PartCostUnitStruct const& s);

  std::string GetOidCostUnit() const;
  void SetOidCostUnit(std::string const& v);
  base::VFixed GetPercentage() const;
  void SetPercentage(base::VFixed const& v);

  void Commit() {}
  void Delete() {}
};

// One share of an employee-group split. As PartCostCenter; no record of
// this library holds such a split.
class PartEmployeeGroup : public base::BO<employment::partemployeegroup::PartEmployeeGroupStruct> {
 public:
  PartEmployeeGroup();
  explicit PartEmployeeGroup(employment::partemployeegroup::PartEmployeeGroupStruct const& s);

  std::string GetOidEmployeeGroup() const;
  void SetOidEmployeeGroup(std::string const& v);
  base::VFixed GetPercentage() const;
  void SetPercentage(base::VFixed const& v);

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
  explicit Employment(employment::EmploymentStruct const& s);
  Employment(Employment const& o);
  Employment& operator=(Employment const&) = default;

  std::string GetOidEmployee() const;
  void SetOidEmployee(std::string const& v);
  base::VDate GetDateOfEntry() const;
  void SetDateOfEntry(base::VDate const& v);
  base::VDate GetDateOfWithDrawal() const;
  void SetDateOfWithDrawal(base::VDate const& v);
  base::VDate GetDateOfEntrySI() const;
  void SetDateOfEntrySI(base::VDate const& v);
  base::VDate GetDateOfWithDrawalSI() const;
  void SetDateOfWithDrawalSI(base::VDate const& v);
  std::string GetOidPlant() const;
  void SetOidPlant(std::string const& v);
  std::string GetOidEmployeeCircle() const;
  void SetOidEmployeeCircle(std::string const& v);
  std::string GetOidCostCenter() const;
  void SetOidCostCenter(std::string const& v);
  std::string GetOidCostUnit() const;
  void SetOidCostUnit(std::string const& v);
  std::string GetOidOrgUnit() const;
  void SetOidOrgUnit(std::string const& v);
  std::string GetOidDepartment() const;
  void SetOidDepartment(std::string const& v);
  std::string GetOidPersonInCharge1() const;
  void SetOidPersonInCharge1(std::string const& v);
  std::string GetOidPersonInCharge2() const;
  void SetOidPersonInCharge2(std::string const& v);
  std::string GetInHouseAddress() const;
  void SetInHouseAddress(std::string const& v);
  std::string GetDebitorCode() const;
  void SetDebitorCode(std::string const& v);
  std::string GetCreditorCode() const;
  void SetCreditorCode(std::string const& v);
  std::string GetEmployeeIdCard() const;
  void SetEmployeeIdCard(std::string const& v);
  base::VDate GetContractStart() const;
  void SetContractStart(base::VDate const& v);
  base::VDate GetProbationStart() const;
  void SetProbationStart(base::VDate const& v);
  base::VDate GetProbationEnd() const;
  void SetProbationEnd(base::VDate const& v);
  base::VDate GetAllowableEntryDate() const;
  void SetAllowableEntryDate(base::VDate const& v);
  base::VDate GetEntryDateBranche() const;
  void SetEntryDateBranche(base::VDate const& v);
  std::string GetOidEntryReason() const;
  void SetOidEntryReason(std::string const& v);
  bool GetLimitedEmployment() const;
  void SetLimitedEmployment(bool v);
  base::VDate GetEmploymentLtdBy() const;
  void SetEmploymentLtdBy(base::VDate const& v);
  bool GetLimitedWorkPermit() const;
  void SetLimitedWorkPermit(bool v);
  base::VDate GetWorkPermitLtdBy() const;
  void SetWorkPermitLtdBy(base::VDate const& v);
  bool GetLtdResidencePermit() const;
  void SetLtdResidencePermit(bool v);
  base::VDate GetResidPermitLtdBy() const;
  void SetResidPermitLtdBy(base::VDate const& v);
  base::VDate GetPassportValidTo() const;
  void SetPassportValidTo(base::VDate const& v);
  std::string GetOidOccupationPriorER() const;
  void SetOidOccupationPriorER(std::string const& v);
  std::string GetOidOccupationGroupPriorER() const;
  void SetOidOccupationGroupPriorER(std::string const& v);
  std::string GetOidOccupationReEntry() const;
  void SetOidOccupationReEntry(std::string const& v);
  std::string GetOidOccupationGroupReEntry() const;
  void SetOidOccupationGroupReEntry(std::string const& v);
  base::VDate GetDateDsmRgn() const;
  void SetDateDsmRgn(base::VDate const& v);
  base::VDate GetDsmRgnBy() const;
  void SetDsmRgnBy(base::VDate const& v);
  std::string GetOidDsmRgnReason() const;
  void SetOidDsmRgnReason(std::string const& v);
  std::string GetOidWithDrawalReason() const;
  void SetOidWithDrawalReason(std::string const& v);
  employment::DsmRgnOnPartOfEnum GetDsmRgnOnPartOf() const;
  void SetDsmRgnOnPartOf(employment::DsmRgnOnPartOfEnum v);
  base::VFixed GetAmountCompensation() const;
  void SetAmountCompensation(base::VFixed const& v);
  // The cost-centre and cost-unit splits. The getters return a new vector
  // of new objects that the caller owns; the setters copy the objects (which
  // stay the caller's), and a null vector empties the split.
  std::vector<PartCostCenter*>* GetPartCostCenters() const;
  void SetPartCostCenters(std::vector<PartCostCenter*> const* v);
  std::vector<PartCostUnit*>* GetPartCostUnits() const;
  void SetPartCostUnits(std::vector<PartCostUnit*> const* v);
  employment::EmploymentCategoryEnum GetEmploymentCategoryEnum() const;
  void SetEmploymentCategoryEnum(employment::EmploymentCategoryEnum v);
  employment::GroupOfPerformanceEnum GetGroupOfPerformanceEnum() const;
  void SetGroupOfPerformanceEnum(employment::GroupOfPerformanceEnum v);
  std::string GetPersonnelnumberOld() const;
  void SetPersonnelnumberOld(std::string const& v);
  std::string GetOidEmployeeGroup() const;
  void SetOidEmployeeGroup(std::string const& v);
  std::string GetOidEmployeeFunction() const;
  void SetOidEmployeeFunction(std::string const& v);
  std::string GetOidScaleRule() const;
  void SetOidScaleRule(std::string const& v);
  std::string GetPaymentGroup() const;
  void SetPaymentGroup(std::string const& v);
  employment::TypeOfEmploymentEnum GetTypeOfEmployment() const;
  void SetTypeOfEmployment(employment::TypeOfEmploymentEnum v);
  std::string GetDiffWorkplacePostalcode() const;
  void SetDiffWorkplacePostalcode(std::string const& v);
  std::string GetDiffWorkplaceDomicile() const;
  void SetDiffWorkplaceDomicile(std::string const& v);
  std::string GetDiffWorkplaceOidState() const;
  void SetDiffWorkplaceOidState(std::string const& v);
  base::VFixed GetEarnedIncome() const;
  void SetEarnedIncome(base::VFixed const& v);
  employment::TypeOfEarnedIncomEnum GetTypeOfEarnedIncome() const;
  void SetTypeOfEarnedIncom(employment::TypeOfEarnedIncomEnum v);
  base::VFixed GetNetIncome() const;
  void SetNetIncome(base::VFixed const& v);
  std::string GetReasonForTransferU1() const;
  void SetReasonForTransferU1(std::string const& v);
  std::string GetReasonForTransferU2BT() const;
  void SetReasonForTransferU2BT(std::string const& v);
  std::string GetReasonForTransferU2ZU() const;
  void SetReasonForTransferU2ZU(std::string const& v);
  bool GetAutomaticPersonInCharge1() const;
  void SetAutomaticPersonInCharge1(bool v);
  bool GetAutomaticPersonInCharge2() const;
  void SetAutomaticPersonInCharge2(bool v);
  bool GetEarnedIncomeRelevantForCalculation() const;
  void SetEarnedIncomeRelevantForCalculation(bool v);
  employment::TypeOfTimeOffEnum GetTypeOfTimeOff() const;
  void SetTypeOfTimeOff(employment::TypeOfTimeOffEnum v);
  // The optional Dbt attributes. GetDbt raises base::InternalException
  // "Employment::GetDbt: no relevant in union!" when IsDBT() is false;
  // ClearIsDBT removes them.
  bool IsDBT() const;
  Dbt GetDbt();
  void SetDbt(Dbt const& v);
  void ClearIsDBT();
  base::VFixed GetCarriedForwardMonthlyNetZU() const;
  void SetCarriedForwardMonthlyNetZU(base::VFixed const& v);
  base::VFixed GetCarriedForwardDailyNetZU() const;
  void SetCarriedForwardDailyNetZU(base::VFixed const& v);
  bool GetAssignment() const;
  void SetAssignment(bool v);
  base::VFixed GetMaternityBenefit() const;
  void SetMaternityBenefit(base::VFixed const& v);
  base::VFixed GetAverageMonthlyGrossPay() const;
  void SetAverageMonthlyGrossPay(base::VFixed const& v);
  base::VFixed GetAverageMonthlyNetPay() const;
  void SetAverageMonthlyNetPay(base::VFixed const& v);
  base::VFixed GetCalendarDailyNetPay() const;
  void SetCalendarDailyNetPay(base::VFixed const& v);
  base::VDate GetPresumableDateofdelivery() const;
  void SetPresumableDateofdelivery(base::VDate const& v);
  base::VDate GetAllowanceLtdBy() const;
  void SetAllowanceLtdBy(base::VDate const& v);
  std::string GetOidPlantPlace() const;
  void SetOidPlantPlace(std::string const& v);
  employment::InsolvencyEntryReasonEnum GetInsolvencyEntryReason() const;
  void SetInsolvencyEntryReason(employment::InsolvencyEntryReasonEnum v);
  employment::InsolvencyDsmRgnReasonEnum GetInsolvencyDsmRgnReason() const;
  void SetInsolvencyDsmRgnReason(employment::InsolvencyDsmRgnReasonEnum v);
  bool GetNoExportAsciiInfo() const;
  void SetNoExportAsciiInfo(bool v);
  bool GetWithDrawalDeath() const;
  void SetWithDrawalDeath(bool v);
  int GetAuCertificateFrom() const;
  void SetAuCertificateFrom(int v);
  bool GetLimitedByPurpose() const;
  void SetLimitedByPurpose(bool v);
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

  void SetMemo(std::string const& v);
  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::string const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetOidPlant(std::string const& v);
  void SetOidEmployeeCircle(std::string const& v);
  void SetOidEmployeeGroup(std::string const& v);
  void SetOidEmployeeFunction(std::string const& v);
  void SetOidCostCenter(std::string const& v);
  void SetOidCostUnit(std::string const& v);
  void SetOidOrgUnit(std::string const& v);
  void SetOidDepartment(std::string const& v);
  void SetOidPersonInCharge1(std::string const& v);
  void SetOidPersonInCharge2(std::string const& v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);

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
  void SetErrors(std::vector<personnel::Error*> const* v);
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

  // Sends the record through `op` and takes over the answer.
  template <class Op>
  void LifeCycle(bool sets_valid_from, Op op);

  int different_personnelnumber_ = 0;
  ErrorList errors_;
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_EMPLOYMENT_H_
