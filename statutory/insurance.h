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
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "insurance.hh"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "record_layout.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace insurance = com::ostrel::personnel::domain::employee::insurance;

// The employee's short view first, then the insurance record.
template <>
struct RecordLayout<insurance::EEInsuranceStruct>
    : EmployeeRecordLayout<&insurance::EEInsuranceStruct::employeeShort,
                           &insurance::EEInsuranceStruct::insurance> {};

struct InsuranceService {
  using Servant = insurance::InsuranceServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.insurance.InsuranceServantImpl";
};

// The insurance record of one validity period.
//
// A new Insurance has person group 101, the four dues groups (HI, PI, UI,
// NI) 1, employer allowances 99 (voluntary health insurance) and 9 (private
// health insurance, voluntary and private nursing insurance), mode of pension
// and mode of calculation 1, insolvency duty set, the four total rates
// (TotalRateToPHI, -VHI, -PNI, -VNI) the number 0 (text "0", not empty),
// every other flag false, every other number and enum 0 and every text, date
// and amount empty; it counts as unchanged. Built from a struct, or copied,
// it takes that identity and keeps the value as its saved value.
class Insurance : public base::BO<insurance::InsuranceStruct> {
 public:
  Insurance();
  explicit Insurance(insurance::InsuranceStruct const& s);
  Insurance(Insurance const& o);
  Insurance& operator=(Insurance const&) = default;

  // Forgets the identity; the struct keeps its own.
  void ClearObjectStruct();

  // Asks the server whether the nursing-insurance check box for child
  // education applies to the employee at the date. Reads nothing of this
  // object.
  bool GetCheckBoxNIChildEducationActive(std::string oid_employee, base::VDate effective) const;

  // The record's fields, in wire order. Some getters and setters are spelled
  // differently: GetErAllowanceVHI / SetERAllowanceVHI (and PHI, VNI, PNI),
  // GetnameAtBirth / SetNameAtBirth.
  std::string GetOidEmployee() const;
  void SetOidEmployee(std::string const& v);
  std::string GetOidHealthFund() const;
  void SetOidHealthFund(std::string const& v);
  std::string GetOidAssessmentHealthFund() const;
  void SetOidAssessmentHealthFund(std::string const& v);
  insurance::AssessmentDutyEnum GetAssessmentDuty() const;
  void SetAssessmentDuty(insurance::AssessmentDutyEnum v);
  std::string GetMembershipNumber() const;
  void SetMembershipNumber(std::string const& v);
  insurance::SpecialCategoryEnum GetSpecialCategoryOfPersons() const;
  void SetSpecialCategoryOfPersons(insurance::SpecialCategoryEnum v);
  std::string GetOidOccupation() const;
  void SetOidOccupation(std::string const& v);
  std::string GetOidOccupationGroup() const;
  void SetOidOccupationGroup(std::string const& v);
  long GetPositionOfJob() const;
  void SetPositionOfJob(long v);
  long GetEducation() const;
  void SetEducation(long v);
  long GetPersonGroup() const;
  void SetPersonGroup(long v);
  long GetTypeOfPension() const;
  void SetTypeOfPension(long v);
  long GetDuesGroupHI() const;
  void SetDuesGroupHI(long v);
  long GetDuesGroupPI() const;
  void SetDuesGroupPI(long v);
  long GetDuesGroupUI() const;
  void SetDuesGroupUI(long v);
  long GetDuesGroupNI() const;
  void SetDuesGroupNI(long v);
  bool GetNoExemptionPF() const;
  void SetNoExemptionPF(bool v);
  base::VDate GetDateNoExemptionPF() const;
  void SetDateNoExemptionPF(base::VDate const& v);
  bool GetPrivateHI() const;
  void SetPrivateHI(bool v);
  base::VFixed GetTotalRateToPHI() const;
  void SetTotalRateToPHI(base::VFixed const& v);
  base::VFixed GetTotalRateToVHI() const;
  void SetTotalRateToVHI(base::VFixed const& v);
  insurance::ContributionScaleVHIEnum GetContScaleVHI() const;
  void SetContScaleVHI(insurance::ContributionScaleVHIEnum v);
  long GetErAllowanceVHI() const;
  void SetERAllowanceVHI(long v);
  long GetErAllowancePHI() const;
  void SetERAllowancePHI(long v);
  bool GetPrivateNI() const;
  void SetPrivateNI(bool v);
  base::VFixed GetTotalRateToPNI() const;
  void SetTotalRateToPNI(base::VFixed const& v);
  base::VFixed GetTotalRateToVNI() const;
  void SetTotalRateToVNI(base::VFixed const& v);
  insurance::ContributionScaleVNIEnum GetContScaleVNI() const;
  void SetContScaleVNI(insurance::ContributionScaleVNIEnum v);
  long GetErAllowanceVNI() const;
  void SetERAllowanceVNI(long v);
  long GetErAllowancePNI() const;
  void SetERAllowancePNI(long v);
  bool GetErPaysHI() const;
  void SetErPaysHI(bool v);
  bool GetErPaysPI() const;
  void SetErPaysPI(bool v);
  bool GetErPaysUI() const;
  void SetErPaysUI(bool v);
  bool GetErPaysNI() const;
  void SetErPaysNI(bool v);
  insurance::MultiplyEmploymentEnum GetMultiplyEmployment() const;
  void SetMultiplyEmployment(insurance::MultiplyEmploymentEnum v);
  std::string GetGroupKeyOfOther() const;
  void SetGroupKeyOfOther(std::string const& v);
  std::string GetInsuranceNo() const;
  void SetInsuranceNo(std::string const& v);
  std::string GetOidNationality() const;
  void SetOidNationality(std::string const& v);
  bool GetSIidCard() const;
  void SetSIidCard(bool v);
  base::VDate GetRegistrSIidCard() const;
  void SetRegistrSIidCard(base::VDate const& v);
  bool GetChangePno() const;
  void SetChangePno(bool v);
  std::wstring GetnameAtBirth() const;
  void SetNameAtBirth(std::wstring const& v);
  std::string GetNamePrefixAtBirth() const;
  void SetNamePrefixAtBirth(std::string const& v);
  std::string GetNameAffixAtBirth() const;
  void SetNameAffixAtBirth(std::string const& v);
  std::wstring GetPlaceOfBirth() const;
  void SetPlaceOfBirth(std::wstring const& v);
  std::string GetEuInsuranceNo() const;
  void SetEuInsuranceNo(std::string const& v);
  std::string GetOidEuStateOfBirth() const;
  void SetOidEuStateOfBirth(std::string const& v);
  bool GetFreeingOfERDuesUI() const;
  void SetFreeingOfERDuesUI(bool v);
  std::string GetMemo() const;
  void SetMemo(std::string const& v);
  std::string GetOidHealthFundKVdR() const;
  void SetOidHealthFundKVdR(std::string const& v);
  std::string GetMembershipKVdR() const;
  void SetMembershipKVdR(std::string const& v);
  base::VFixed GetLimitOfDues() const;
  void SetLimitOfDues(base::VFixed const& v);
  base::VFixed GetLegalPension() const;
  void SetLegalPension(base::VFixed const& v);
  insurance::ChoiseOfDuesHIEnum GetChoiseOfDuesHI() const;
  void SetChoiseOfDuesHI(insurance::ChoiseOfDuesHIEnum v);
  base::VFixed GetDuesHI() const;
  void SetDuesHI(base::VFixed const& v);
  insurance::ChoiseOfDuesNIEnum GetChoiseOfDuesNI() const;
  void SetChoiseOfDuesNI(insurance::ChoiseOfDuesNIEnum v);
  base::VFixed GetDuesNI() const;
  void SetDuesNI(base::VFixed const& v);
  base::VDate GetBeginAgePartTime() const;
  void SetBeginAgePartTime(base::VDate const& v);
  base::VDate GetEndAgePartTime() const;
  void SetEndAgePartTime(base::VDate const& v);
  long GetPersonnelnumberReplacer() const;
  void SetPersonnelnumberReplacer(long v);
  std::wstring GetNameReplacer() const;
  void SetNameReplacer(std::wstring const& v);
  base::VFixed GetPercentageIncreaseDues() const;
  void SetPercentageIncreaseDues(base::VFixed const& v);
  base::VFixed GetPercentageMinNetIncome() const;
  void SetPercentageMinNetIncome(base::VFixed const& v);
  base::VFixed GetPercentagePIIncrease() const;
  void SetPercentagePIIncrease(base::VFixed const& v);
  insurance::TypeAgePartTimeEnum GetTypeAgePartTime() const;
  void SetTypeAgePartTime(insurance::TypeAgePartTimeEnum v);
  base::VDate GetBeginWorkExemption() const;
  void SetBeginWorkExemption(base::VDate const& v);
  bool GetNiChildEducation() const;
  void SetNiChildEducation(bool v);
  base::VDate GetDateOfReceipt() const;
  void SetDateOfReceipt(base::VDate const& v);
  bool GetNiChildOfEducKVdR() const;
  void SetNiChildOfEducKVdR(bool v);
  base::VDate GetDateOfReceiptKVdR() const;
  void SetDateOfReceiptKVdR(base::VDate const& v);
  insurance::StatusCodeEnum GetStatusCode() const;
  void SetStatusCode(insurance::StatusCodeEnum v);
  base::VFixed GetTotalRateToVHIAbleForGrantByER() const;
  void SetTotalRateToVHIAbleForGrantByER(base::VFixed const& v);
  bool GetIncreasedDuesMinersPISheme() const;
  void SetIncreasedDuesMinersPISheme(bool v);
  std::string GetOidRecipient() const;
  void SetOidRecipient(std::string const& v);
  std::string GetPpMembershipNumber() const;
  void SetPpMembershipNumber(std::string const& v);
  insurance::ModeOfPensionEnum GetModeOfPension() const;
  void SetModeOfPension(insurance::ModeOfPensionEnum v);
  insurance::ModeOfCalculationEnum GetModeOfCalculation() const;
  void SetModeOfCalculation(insurance::ModeOfCalculationEnum v);
  base::VFixed GetTotalDues() const;
  void SetTotalDues(base::VFixed const& v);
  base::VFixed GetEmployersAllowance() const;
  void SetEmployersAllowance(base::VFixed const& v);
  insurance::RemittanceEnum GetRemittance() const;
  void SetRemittance(insurance::RemittanceEnum v);
  bool GetUseAgePartTime() const;
  void SetUseAgePartTime(bool v);
  std::string GetOidAgePartTimeModel() const;
  void SetOidAgePartTimeModel(std::string const& v);
  std::string GetCustomerNoPTA() const;
  void SetCustomerNoPTA(std::string const& v);
  std::string GetCompanyKeyOfReplacer() const;
  void SetCompanyKeyOfReplacer(std::string const& v);
  bool GetDeposit() const;
  void SetDeposit(bool v);
  bool GetStoerfall() const;
  void SetStoerfall(bool v);
  std::wstring GetSurname() const;
  void SetSurname(std::wstring const& v);
  std::wstring GetFirstname() const;
  void SetFirstname(std::wstring const& v);
  std::string GetPostalCode() const;
  void SetPostalCode(std::string const& v);
  std::string GetDomicile() const;
  void SetDomicile(std::string const& v);
  std::string GetStreet() const;
  void SetStreet(std::string const& v);
  std::string GetStreetNumber() const;
  void SetStreetNumber(std::string const& v);
  std::string GetAddressAddendum() const;
  void SetAddressAddendum(std::string const& v);
  bool GetPrivateHI31122002() const;
  void SetPrivateHI31122002(bool v);
  base::VDate GetStartingDatePHI() const;
  void SetStartingDatePHI(base::VDate const& v);
  insurance::AnnualLimitPHIEnum GetAnnualLimitPHIEnum() const;
  void SetAnnualLimitPHIEnum(insurance::AnnualLimitPHIEnum v);
  base::VDate GetStartOfPensionPayment() const;
  void SetStartOfPensionPayment(base::VDate const& v);
  base::VDate GetDateOfPensionBalance() const;
  void SetDateOfPensionBalance(base::VDate const& v);
  std::string GetOidInsolvencyHealthFund() const;
  void SetOidInsolvencyHealthFund(std::string const& v);
  bool GetInsolvencyDuty() const;
  void SetInsolvencyDuty(bool v);
  bool GetInsGOfOther() const;
  void SetInsGOfOther(bool v);
  std::string GetProcessNo() const;
  void SetProcessNo(std::string const& v);
  base::VFixed GetBaseRatePrivateInsurance() const;
  void SetBaseRatePrivateInsurance(base::VFixed const& v);
  bool GetChangeOfRecipient() const;
  void SetChangeOfRecipient(bool v);
  long GetChangePersonnelnumber() const;
  void SetChangePersonnelnumber(long v);
  std::string GetReferenceNumberHealthFund() const;
  void SetReferenceNumberHealthFund(std::string const& v);
  base::VDate GetBeginKVDR() const;
  void SetBeginKVDR(base::VDate const& v);
  base::VDate GetEndKVDR() const;
  void SetEndKVDR(base::VDate const& v);
  base::VDate GetDateCapitalPayment() const;
  void SetDateCapitalPayment(base::VDate const& v);
  base::VDate GetBeginCapitalPayment() const;
  void SetBeginCapitalPayment(base::VDate const& v);
  base::VDate GetEndCapitalPayment() const;
  void SetEndCapitalPayment(base::VDate const& v);
  base::VFixed GetCapitalPayment() const;
  void SetCapitalPayment(base::VFixed const& v);
  insurance::MultipleIncomeEnum GetMultipleIncomeEnum() const;
  void SetMultipleIncomeEnum(insurance::MultipleIncomeEnum v);
  bool GetAdjustmentLimitOfDues() const;
  void SetAdjustmentLimitOfDues(bool v);
  std::string GetReferenceNumberZahls() const;
  void SetReferenceNumberZahls(std::string const& v);
  bool GetChangeNumberHealthFund() const;
  void SetChangeNumberHealthFund(bool v);
  std::string GetReferenceNumberZahlsCapitalPayment() const;
  void SetReferenceNumberZahlsCapitalPayment(std::string const& v);
  std::string GetReferenceNumberHealthFundCapitalPayment() const;
  void SetReferenceNumberHealthFundCapitalPayment(std::string const& v);
  std::string GetOidOccupationLong() const;
  void SetOidOccupationLong(std::string const& v);
  long GetSchoolLeaving() const;
  void SetSchoolLeaving(long v);
  long GetProfessionalEducation() const;
  void SetProfessionalEducation(long v);
  long GetManPowerProvision() const;
  void SetManPowerProvision(long v);
  long GetTypeOfContract() const;
  void SetTypeOfContract(long v);
  bool GetDecreaseOfDuesInReducedHours() const;
  void SetDecreaseOfDuesInReducedHours(bool v);
  bool GetManagingDirector() const;
  void SetManagingDirector(bool v);
  bool GetStartOfPensionWith65() const;
  void SetStartOfPensionWith65(bool v);
  base::VDate GetDateOfStartOfPensionWith65() const;
  void SetDateOfStartOfPensionWith65(base::VDate const& v);
  std::string GetOidSIStatus() const;
  void SetOidSIStatus(std::string const& v);
  std::string GetOidEmployeeDislocation() const;
  void SetOidEmployeeDislocation(std::string const& v);
  base::VFixed GetAnnaulEarningsGLZ() const;
  void SetAnnaulEarningsGLZ(base::VFixed const& v);
  insurance::IntervalKVDREnum GetIntervalKVDR() const;
  void SetIntervalKVDR(insurance::IntervalKVDREnum v);
  int GetMonthFirstPaymentKVDR() const;
  void SetMonthFirstPaymentKVDR(int v);
  base::VFixed GetDuesKVDR() const;
  void SetDuesKVDR(base::VFixed const& v);
  bool GetOldLowWageArea() const;
  void SetOldLowWageArea(bool v);
  bool GetOfferForExemptionFromPI() const;
  void SetOfferForExemptionFromPI(bool v);
  base::VDate GetDateOfferForExemptionFromPI() const;
  void SetDateOfferForExemptionFromPI(base::VDate const& v);
  bool GetNoRegistrationKVDR() const;
  void SetNoRegistrationKVDR(bool v);
  bool GetErPaysNISurcharge() const;
  void SetErPaysNISurcharge(bool v);
  std::string GetOidRecipientDisabledInstitute() const;
  void SetOidRecipientDisabledInstitute(std::string const& v);
  bool GetPiRehabResponsible() const;
  void SetPiRehabResponsible(bool v);
  std::string GetReferenceNumber() const;
  void SetReferenceNumber(std::string const& v);
  bool GetDifferentPensionschemeSetting() const;
  void SetDifferentPensionschemeSetting(bool v);
  insurance::ContributionScalePHIEnum GetContScalePHI() const;
  void SetContScalePHI(insurance::ContributionScalePHIEnum v);
  bool GetSeasonalworker() const;
  void SetSeasonalworker(bool v);
  std::string GetOidRecipientPHI() const;
  void SetOidRecipientPHI(std::string const& v);
  std::string GetAuthorizedForAid() const;
  void SetAuthorizedForAid(std::string const& v);
  base::VFixed GetErAllowanceHIFarm() const;
  void SetErAllowanceHIFarm(base::VFixed const& v);
  base::VFixed GetErAllowanceNIFarm() const;
  void SetErAllowanceNIFarm(base::VFixed const& v);
  bool GetIsNoPensionForParagraph229() const;
  void SetIsNoPensionForParagraph229(bool v);
  bool GetIsNoPensionForPar229Capital() const;
  void SetIsNoPensionForPar229Capital(bool v);
  int GetDemandOfFreeAmount() const;
  void SetDemandOfFreeAmount(int v);
  base::VFixed GetFreeAmount() const;
  void SetFreeAmount(base::VFixed const& v);
  std::string GetOidLegalHealthFund() const;
  void SetOidLegalHealthFund(std::string const& v);
  bool GetUseTransitionBy31122022() const;
  void SetUseTransitionBy31122022(bool v);
  std::string GetNoExcemptionOfInsuranceSGBVI() const;
  void SetNoExcemptionOfInsuranceSGBVI(std::string const& v);
  long GetExclusionFacts() const;
  void SetExclusionFacts(long v);
  long GetExclusionFactsCapital() const;
  void SetExclusionFactsCapital(long v);
  long GetOrphanBenefit() const;
  void SetOrphanBenefit(long v);
  long GetAeinsHIduty() const;
  void SetAeinsHIduty(long v);
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

  void SetOidHealthFund(std::string const& v);
  void SetOidHealthFundKVdR(std::string const& v);
  void SetAssessmentDuty(insurance::AssessmentDutyEnum v);
  void ClearAssessmentDuty();
  void SetPersGroup(long v);
  void ClearPersGroup();
  void SetDuesGroupHI(long v);
  void ClearDuesGroupHI();
  void SetDuesGroupPI(long v);
  void ClearDuesGroupPI();
  void SetDuesGroupUI(long v);
  void ClearDuesGroupUI();
  void SetDuesGroupNI(long v);
  void ClearDuesGroupNI();
  void SetPrivateHI(bool v);
  void ClearPrivateHI();
  void SetContributionScaleVHI(insurance::ContributionScaleVHIEnum v);
  void ClearContributionScaleVHI();
  void SetMultiplyEmployment(insurance::MultiplyEmploymentEnum v);
  void ClearMultiplyEmployment();
  void SetSpecialCategory(insurance::SpecialCategoryEnum v);
  void ClearSpecialCategory();
  void SetInsuranceNo(std::string const& v);
  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::wstring const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);
  void SetOidSocialInsuranceStatus(std::string const& v);

  insurance::EEInsuranceFilterStruct ToIdl() const { return filter_; }

 private:
  insurance::EEInsuranceFilterStruct filter_{};
};

// An employee and a social-insurance number; no operation of the insurance
// servant takes it.
class SocialInsuranceNo : public base::BO<insurance::SocialInsuranceNoStruct> {
 public:
  // Sets both and takes them as the saved value.
  SocialInsuranceNo(EmployeeShort const& employee, std::string const& number);

  void SetEmployeeShort(EmployeeShort const& v);
  void SetSocialInsuranceNo(std::string const& v);
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
  std::vector<personnel::Error*>* GetErrors();
  // Replaces the findings with copies of the vector's elements (null: none);
  // the error count stays.
  void SetErrors(std::vector<personnel::Error*> const* v);
  // The number of findings the last GetErrors returned; 0 before.
  int GetErrorCount() const { return errors_.Count(); }

  // Empties the effective-from date; no remote call.
  void ResetEffectiveFrom();

  void Commit();
  void Delete() {}

  // Fills the object with what the server derives for a migrated employee
  // from it (sent with the valid-from date as internal valid-from date); the
  // answer becomes the saved value, the identity stays.
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
