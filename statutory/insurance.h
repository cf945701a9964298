// Social insurance of an employee: the insurance record of one validity
// period (Insurance), the record object that adds the employee and the
// server's findings (EEInsurance), its filter, the pair of employee and
// social-insurance number, and the insurance servant's queries and
// questions. Insurance records are never deleted.
#ifndef OSTREL_STATUTORY_INSURANCE_H_
#define OSTREL_STATUTORY_INSURANCE_H_

#include <string>
#include <vector>

#include "bo.h"
#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "insurance_fields.h"
#include "insurance_kind.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The insurance record of one validity period.
//
// A new Insurance has the defaults of kDefaults (the four total rates are
// the number 0, text "0", not empty) and zero, false or empty in every other
// member; it counts as unchanged. Built from a struct, or copied,
// it takes that identity and keeps the value as its saved value.
//
// Insurance carries Get/Set of every plain member of InsuranceStruct (generated accessors).
class Insurance : public InsuranceStructFields<RecordPart<insurance::InsuranceStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&insurance::InsuranceStruct::personGroup>(101),
      DefaultOf<&insurance::InsuranceStruct::duesGroupHI>(1),
      DefaultOf<&insurance::InsuranceStruct::duesGroupPI>(1),
      DefaultOf<&insurance::InsuranceStruct::duesGroupUI>(1),
      DefaultOf<&insurance::InsuranceStruct::duesGroupNI>(1),
      DefaultOf<&insurance::InsuranceStruct::totalRateToPHI>(base::VFixed(0)),
      DefaultOf<&insurance::InsuranceStruct::totalRateToVHI>(base::VFixed(0)),
      DefaultOf<&insurance::InsuranceStruct::totalRateToPNI>(base::VFixed(0)),
      DefaultOf<&insurance::InsuranceStruct::totalRateToVNI>(base::VFixed(0)),
      DefaultOf<&insurance::InsuranceStruct::modeOfPension>(insurance::PENSION_MODE_OLD_AGE),
      DefaultOf<&insurance::InsuranceStruct::modeOfCalculation>(
          insurance::CALCULATION_MODE_STANDARD),
      DefaultOf<&insurance::InsuranceStruct::insolvencyDuty>(true),
      DefaultOf<&insurance::InsuranceStruct::erAllowanceVHI>(99),
      DefaultOf<&insurance::InsuranceStruct::erAllowancePHI>(9),
      DefaultOf<&insurance::InsuranceStruct::erAllowanceVNI>(9),
      DefaultOf<&insurance::InsuranceStruct::erAllowancePNI>(9));

  Insurance();
  using InsuranceStructFields::InsuranceStructFields;

  // Forgets the identity; the struct keeps its own.
  void ClearObjectStruct() { SetObjectStruct(ObjectStruct()); }

  // Asks the server whether the nursing-insurance check box for child
  // education applies to the employee at the date. Reads nothing of this
  // object.
  bool GetCheckBoxNIChildEducationActive(std::string oid_employee, base::VDate effective) const;

  // The record's fields, in wire order. Some getters and setters are spelled
  // differently: GetErAllowanceVHI / SetERAllowanceVHI (and PHI, VNI, PNI),
  // GetnameAtBirth / SetNameAtBirth.
  void SetERAllowanceVHI(long v) { field::Set(Value().erAllowanceVHI, v); }
  void SetERAllowancePHI(long v) { field::Set(Value().erAllowancePHI, v); }
  void SetERAllowanceVNI(long v) { field::Set(Value().erAllowanceVNI, v); }
  void SetERAllowancePNI(long v) { field::Set(Value().erAllowancePNI, v); }
  std::wstring GetnameAtBirth() const { return field::Wide(Value().nameAtBirth); }
  int GetMonthFirstPaymentKVDR() const { return Value().monthFirstPaymentKVDR; }
  void SetMonthFirstPaymentKVDR(int v) { field::Set(Value().monthFirstPaymentKVDR, v); }
  int GetDemandOfFreeAmount() const { return Value().demandOfFreeAmount; }
  void SetDemandOfFreeAmount(int v) { field::Set(Value().demandOfFreeAmount, v); }
};

// Selection of GetActiveInsurances and GetActiveEEInsurancesCB. Several
// filters in one query select what any of them selects.
//
// A new filter (and one after ClearEEInsuranceFilter) has every text empty,
// every optional value cleared, the empty withdrawal date, list display
// LIST_ACTIVE_EMPLOYEES (0) and a default extended filter.
class EEInsuranceFilter {
 public:
  EEInsuranceFilter();

  void ClearEEInsuranceFilter();

  void SetOidHealthFund(std::string const& v) { field::Set(filter_.oidHealthFund, v); }
  void SetOidHealthFundKVdR(std::string const& v) { field::Set(filter_.oidHealthFundKVdR, v); }
  void SetAssessmentDuty(insurance::AssessmentDutyEnum v) {
    filter_.assessmentDuty.assessmentduty(v);
  }
  void ClearAssessmentDuty() { filter_.assessmentDuty._default(); }
  void SetPersGroup(long v) { filter_.persGroup.persongroup(static_cast<CORBA::Long>(v)); }
  void ClearPersGroup() { filter_.persGroup._default(); }
  void SetDuesGroupHI(long v) { filter_.duesGroupHI.duesgrouphi(static_cast<CORBA::Long>(v)); }
  void ClearDuesGroupHI() { filter_.duesGroupHI._default(); }
  void SetDuesGroupPI(long v) { filter_.duesGroupPI.duesgrouppi(static_cast<CORBA::Long>(v)); }
  void ClearDuesGroupPI() { filter_.duesGroupPI._default(); }
  void SetDuesGroupUI(long v) { filter_.duesGroupUI.duesgroupui(static_cast<CORBA::Long>(v)); }
  void ClearDuesGroupUI() { filter_.duesGroupUI._default(); }
  void SetDuesGroupNI(long v) { filter_.duesGroupNI.duesgroupni(static_cast<CORBA::Long>(v)); }
  void ClearDuesGroupNI() { filter_.duesGroupNI._default(); }
  void SetPrivateHI(bool v) { filter_.privateHI.privateHI(v); }
  void ClearPrivateHI() { filter_.privateHI._default(); }
  void SetContributionScaleVHI(insurance::ContributionScaleVHIEnum v) {
    filter_.contributionScaleVHI.contscalevhi(v);
  }
  void ClearContributionScaleVHI() { filter_.contributionScaleVHI._default(); }
  void SetMultiplyEmployment(insurance::MultiplyEmploymentEnum v) {
    filter_.multiplyEmployment.multiplyemployment(v);
  }
  void ClearMultiplyEmployment() { filter_.multiplyEmployment._default(); }
  void SetSpecialCategory(insurance::SpecialCategoryEnum v) {
    filter_.specialCategory.specialcategory(v);
  }
  void ClearSpecialCategory() { filter_.specialCategory._default(); }
  void SetInsuranceNo(std::string const& v) { field::Set(filter_.insuranceNo, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::wstring const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }
  void SetOidSocialInsuranceStatus(std::string const& v) {
    field::Set(filter_.oidSocialInsuranceStatus, v);
  }

  insurance::EEInsuranceFilterStruct ToIdl() const { return filter_; }

 private:
  insurance::EEInsuranceFilterStruct filter_{};
};

// An employee and a social-insurance number; no operation of the insurance
// servant takes it.
//
// SocialInsuranceNo carries Get/Set of every plain member of SocialInsuranceNoStruct (generated
// accessors).
class SocialInsuranceNo
    : public SocialInsuranceNoStructFields<base::BO<insurance::SocialInsuranceNoStruct>> {
 public:
  // Sets both and takes them as the saved value.
  SocialInsuranceNo(EmployeeShort const& employee, std::string const& number);

  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// An employee's insurance record of one validity period, with the employee's
// short view and the server's findings on the record. It is keyed by the
// employee: GetObjectid() is the employee's object id, and the record is new
// (IsNew()) until it was created or read from the server; setting the
// employee does not change that.
//
// A new EEInsurance holds a default EmployeeShort and a default Insurance,
// no findings, error count 0 and the change-of-address flag false; built
// from a struct, the flag is false and the count 0; copies and assignment
// take both from the original.
//
// Commit sends the whole record: createInsurance for a new object;
// addInsurance when the valid-from date differs from the stored internal
// valid-from date (which then takes it), always with remove-new true;
// otherwise setInsurance, always with remove-new false. add and set also
// send the change-of-address flag. The answer becomes the object's value; a
// failed Commit returns to the last saved value. Delete does nothing.
class EEInsurance : public PersonnelRecord<insurance::EEInsuranceStruct, EmployeeShort, Insurance> {
 public:
  using Callback = base::VCallback<
      EEInsurance,
      POA_com::ostrel::personnel::domain::employee::insurance::EEInsuranceStructCallback,
      insurance::EEInsuranceSeq>;

  EEInsurance() = default;
  explicit EEInsurance(insurance::EEInsuranceStruct const& s) : PersonnelRecord(s) {}

  // The employee.
  using PersonnelRecord::GetRoot;
  void SetEmployeeShort(EmployeeShort const& v) { SetRoot(v); }
  Insurance GetInsurance() const { return GetHistory(); }
  void SetInsurance(Insurance const& v) { SetHistory(v); }

  // Whether the master data's address is to change with this record; sent
  // by the next add or set.
  bool GetChangeOfAddressInMaster() const { return change_of_address_; }
  void SetChangeOfAdressInMaster(bool v) { change_of_address_ = v; }

  // The server's findings: a new vector of new errors, which the caller
  // owns; the error count becomes their number.
  std::vector<personnel::Error*>* GetErrors() { return errors_.Get(Value().errors); }
  // Replaces the findings with copies of the vector's elements (null: none);
  // the error count stays.
  void SetErrors(std::vector<personnel::Error*> const* v) { ErrorList::Set(Value().errors, v); }
  // The number of findings the last GetErrors returned; 0 before.
  int GetErrorCount() const { return errors_.Count(); }

  // Empties the effective-from date; no remote call.
  void ResetEffectiveFrom() { Period().effectiveFrom = ""; }

  void Commit();
  void Delete() {}

  // Fills the object with what the server derives for a migrated employee
  // from it (sent with the valid-from date as internal valid-from date); the
  // answer becomes the saved value, the identity stays. On failure the
  // object is unchanged, its internal valid-from date included.
  void GetMigrationEmployee();

  // The text the server wants confirmed before this record is saved; empty
  // when there is nothing to confirm. The object is sent as it is.
  std::string GetConfirmBeforeSave() const;

  // Queries; list results are new vectors of new objects, owned by the
  // caller. The string of the history queries is the employee's object id.
  static std::vector<EEInsurance*>* GetActiveInsurances(
      std::vector<EEInsuranceFilter*> const* filters, base::Sortierung const& sort);
  static Callback* GetActiveEEInsurancesCB(std::vector<EEInsuranceFilter*> const* filters,
                                           base::Sortierung const& sort, unsigned int max_hits);
  static std::vector<EEInsurance*>* GetAllInsuranceHistory(std::string oid_employee);
  static std::vector<EEInsurance*>* GetActiveEffectiveInsuranceHistory(std::string oid_employee);
  static std::vector<EEInsurance*>* GetEffectiveInsuranceHistory(std::string oid_employee,
                                                                 base::VDate date);
  // The histories of the employee and of the employees the server links to
  // it.
  static std::vector<EEInsurance*>* GetLinkedAllInsuranceHistory(std::string oid_employee);
  static std::vector<EEInsurance*>* GetLinkedActiveEffectiveInsuranceHistory(
      std::string oid_employee);
  static EEInsurance GetObjectFromObjectId(std::string const& oid_employee,
                                           base::VDate const& effective, base::VDate const& valid);
  // The employee's records as templates for a new employee.
  static std::vector<EEInsurance*>* GetInsurancesForEmployeeCopy(std::string const& oid_employee,
                                                                 std::string const& valid_from);

  // The person group of the first insurance record the server finds for the
  // company and personnel number; 0 when there is none.
  static long GetActivePersonGroup(std::string const& oid_p_company, long pnr);
  // Whether the employee is subject to pension insurance at the dates.
  static bool GetPensionable(std::string oid_employee, base::VDate effective, base::VDate valid);
  // Since when the employee is an apprentice, as the server's text.
  static std::string GetApprenticeFrom(std::string const& oid_employee);

 private:
  using PersonnelRecord::GetHistory;
  using PersonnelRecord::SetHistory;
  using PersonnelRecord::SetRoot;

  ErrorList errors_;
  bool change_of_address_ = false;
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_INSURANCE_H_
