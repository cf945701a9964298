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
#include "defaults.h"
#include "employee/employee.h"
#include "employment.hh"
#include "employment_fields.h"
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
//
// Dbt carries Get/Set of every plain member of DbtStruct (generated accessors).
class Dbt : public DbtStructFields<base::BO<employment::DbtStruct>> {
 public:
  Dbt() = default;
  explicit Dbt(employment::DbtStruct const& s) : DbtStructFields(s) {}

  void Commit() {}
  void Delete() {}
};

// One share of the cost-centre split: the cost centre and its percentage.
// A new one is empty; built from a struct or copied it takes that identity
// and holds the value as saved. Commit and Delete do nothing.
//
// PartCostCenter carries Get/Set of every plain member of PartCostCenterStruct (generated
// accessors).
class PartCostCenter : public PartCostCenterStructFields<
                           RecordPart<employment::partcostcenter::PartCostCenterStruct>> {
 public:
  using PartCostCenterStructFields::PartCostCenterStructFields;

  void Commit() {}
  void Delete() {}
};

// One share of the cost-unit split. As PartCostCenter.
//
// PartCostUnit carries Get/Set of every plain member of PartCostUnitStruct (generated accessors).
class PartCostUnit
    : public PartCostUnitStructFields<RecordPart<employment::partcostunit::PartCostUnitStruct>> {
 public:
  using PartCostUnitStructFields::PartCostUnitStructFields;

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
//
// Employment carries Get/Set of every plain member of EmploymentStruct (generated accessors).
class Employment : public EmploymentStructFields<base::BO<employment::EmploymentStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&employment::EmploymentStruct::typeOfEmployment>(
          ::com::ostrel::personnel::domain::employee::employment::TYPE_OF_EMPLOYMENT_FULL_TIME),
      DefaultOf<&employment::EmploymentStruct::typeOfEarnedIncom>(
          ::com::ostrel::personnel::domain::employee::employment::TYPE_OF_EARNED_INCOME_MONTHLY));

  Employment();
  explicit Employment(employment::EmploymentStruct const& s) : EmploymentStructFields(s) {}
  Employment(Employment const& o) : EmploymentStructFields(o) { MakeBoCopy(); }
  Employment& operator=(Employment const&) = default;

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
  employment::TypeOfEarnedIncomEnum GetTypeOfEarnedIncome() const {
    return Value().typeOfEarnedIncom;
  }
  // The optional Dbt attributes. GetDbt raises base::InternalException
  // "Employment::GetDbt: no relevant in union!" when IsDBT() is false;
  // ClearIsDBT removes them.
  bool IsDBT() const { return Value().dbt._d(); }
  Dbt GetDbt();
  void SetDbt(Dbt const& v) { Value().dbt.dbt(v.ToIdl()); }
  void ClearIsDBT() { Value().dbt._default(); }
  int GetAuCertificateFrom() const { return static_cast<int>(Value().auCertificateFrom); }
  void SetAuCertificateFrom(int v) { field::Set(Value().auCertificateFrom, v); }
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
