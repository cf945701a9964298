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
// A new Insurance has person group 101, the four dues groups (HI, PI, UI,
// NI) 1, employer allowances 99 (voluntary health insurance) and 9 (private
// health insurance, voluntary and private nursing insurance), mode of pension
// and mode of calculation 1, insolvency duty set, the four total rates
// (TotalRateToPHI, -VHI, -PNI, -VNI) the number 0 (text "0", not empty),
// every other flag false, every other number and enum 0 and every text, date
// and amount empty; it counts as unchanged. Built from a struct, or copied,
// it takes that identity and keeps the value as its saved value.
class Insurance : public RecordPart<insurance::InsuranceStruct> {
 public:
  Insurance();
  using RecordPart::RecordPart;

  // Forgets the identity; the struct keeps its own.
  void ClearObjectStruct() { SetObjectStruct(ObjectStruct()); }

  // Asks the server whether the nursing-insurance check box for child
  // education applies to the employee at the date. Reads nothing of this
  // object.
  bool GetCheckBoxNIChildEducationActive(std::string oid_employee, base::VDate effective) const;

  // The record's fields, in wire order. Some getters and setters are spelled
  // differently: GetErAllowanceVHI / SetERAllowanceVHI (and PHI, VNI, PNI),
  // GetnameAtBirth / SetNameAtBirth.
  std::string GetOidEmployee() const { return field::Text(Value().oidEmployee); }
  void SetOidEmployee(std::string const& v) { field::Set(Value().oidEmployee, v); }
  std::string GetOidHealthFund() const { return field::Text(Value().oidHealthFund); }
  void SetOidHealthFund(std::string const& v) { field::Set(Value().oidHealthFund, v); }
  std::string GetOidAssessmentHealthFund() const {
    return field::Text(Value().oidAssessmentHealthFund);
  }
  void SetOidAssessmentHealthFund(std::string const& v) {
    field::Set(Value().oidAssessmentHealthFund, v);
  }
  insurance::AssessmentDutyEnum GetAssessmentDuty() const { return Value().assessmentDuty; }
  void SetAssessmentDuty(insurance::AssessmentDutyEnum v) { field::Set(Value().assessmentDuty, v); }
  std::string GetMembershipNumber() const { return field::Text(Value().membershipNumber); }
  void SetMembershipNumber(std::string const& v) { field::Set(Value().membershipNumber, v); }
  insurance::SpecialCategoryEnum GetSpecialCategoryOfPersons() const {
    return Value().specialCategoryOfPersons;
  }
  void SetSpecialCategoryOfPersons(insurance::SpecialCategoryEnum v) {
    field::Set(Value().specialCategoryOfPersons, v);
  }
  std::string GetOidOccupation() const { return field::Text(Value().oidOccupation); }
  void SetOidOccupation(std::string const& v) { field::Set(Value().oidOccupation, v); }
  std::string GetOidOccupationGroup() const { return field::Text(Value().oidOccupationGroup); }
  void SetOidOccupationGroup(std::string const& v) { field::Set(Value().oidOccupationGroup, v); }
  long GetPositionOfJob() const { return Value().positionOfJob; }
  void SetPositionOfJob(long v) { field::Set(Value().positionOfJob, v); }
  long GetEducation() const { return Value().education; }
  void SetEducation(long v) { field::Set(Value().education, v); }
  long GetPersonGroup() const { return Value().personGroup; }
  void SetPersonGroup(long v) { field::Set(Value().personGroup, v); }
  long GetTypeOfPension() const { return Value().typeOfPension; }
  void SetTypeOfPension(long v) { field::Set(Value().typeOfPension, v); }
  long GetDuesGroupHI() const { return Value().duesGroupHI; }
  void SetDuesGroupHI(long v) { field::Set(Value().duesGroupHI, v); }
  long GetDuesGroupPI() const { return Value().duesGroupPI; }
  void SetDuesGroupPI(long v) { field::Set(Value().duesGroupPI, v); }
  long GetDuesGroupUI() const { return Value().duesGroupUI; }
  void SetDuesGroupUI(long v) { field::Set(Value().duesGroupUI, v); }
  long GetDuesGroupNI() const { return Value().duesGroupNI; }
  void SetDuesGroupNI(long v) { field::Set(Value().duesGroupNI, v); }
  bool GetNoExemptionPF() const { return Value().noExemptionPF; }
  void SetNoExemptionPF(bool v) { field::Set(Value().noExemptionPF, v); }
  base::VDate GetDateNoExemptionPF() const { return field::Date(Value().dateNoExemptionPF); }
  void SetDateNoExemptionPF(base::VDate const& v) { field::Set(Value().dateNoExemptionPF, v); }
  bool GetPrivateHI() const { return Value().privateHI; }
  void SetPrivateHI(bool v) { field::Set(Value().privateHI, v); }
  base::VFixed GetTotalRateToPHI() const { return field::Fixed(Value().totalRateToPHI); }
  void SetTotalRateToPHI(base::VFixed const& v) { field::Set(Value().totalRateToPHI, v); }
  base::VFixed GetTotalRateToVHI() const { return field::Fixed(Value().totalRateToVHI); }
  void SetTotalRateToVHI(base::VFixed const& v) { field::Set(Value().totalRateToVHI, v); }
  insurance::ContributionScaleVHIEnum GetContScaleVHI() const { return Value().contScaleVHI; }
  void SetContScaleVHI(insurance::ContributionScaleVHIEnum v) {
    field::Set(Value().contScaleVHI, v);
  }
  long GetErAllowanceVHI() const { return Value().erAllowanceVHI; }
  void SetERAllowanceVHI(long v) { field::Set(Value().erAllowanceVHI, v); }
  long GetErAllowancePHI() const { return Value().erAllowancePHI; }
  void SetERAllowancePHI(long v) { field::Set(Value().erAllowancePHI, v); }
  bool GetPrivateNI() const { return Value().privateNI; }
  void SetPrivateNI(bool v) { field::Set(Value().privateNI, v); }
  base::VFixed GetTotalRateToPNI() const { return field::Fixed(Value().totalRateToPNI); }
  void SetTotalRateToPNI(base::VFixed const& v) { field::Set(Value().totalRateToPNI, v); }
  base::VFixed GetTotalRateToVNI() const { return field::Fixed(Value().totalRateToVNI); }
  void SetTotalRateToVNI(base::VFixed const& v) { field::Set(Value().totalRateToVNI, v); }
  insurance::ContributionScaleVNIEnum GetContScaleVNI() const { return Value().contScaleVNI; }
  void SetContScaleVNI(insurance::ContributionScaleVNIEnum v) {
    field::Set(Value().contScaleVNI, v);
  }
  long GetErAllowanceVNI() const { return Value().erAllowanceVNI; }
  void SetERAllowanceVNI(long v) { field::Set(Value().erAllowanceVNI, v); }
  long GetErAllowancePNI() const { return Value().erAllowancePNI; }
  void SetERAllowancePNI(long v) { field::Set(Value().erAllowancePNI, v); }
  bool GetErPaysHI() const { return Value().erPaysHI; }
  void SetErPaysHI(bool v) { field::Set(Value().erPaysHI, v); }
  bool GetErPaysPI() const { return Value().erPaysPI; }
  void SetErPaysPI(bool v) { field::Set(Value().erPaysPI, v); }
  bool GetErPaysUI() const { return Value().erPaysUI; }
  void SetErPaysUI(bool v) { field::Set(Value().erPaysUI, v); }
  bool GetErPaysNI() const { return Value().erPaysNI; }
  void SetErPaysNI(bool v) { field::Set(Value().erPaysNI, v); }
  insurance::MultiplyEmploymentEnum GetMultiplyEmployment() const {
    return Value().multiplyEmployment;
  }
  void SetMultiplyEmployment(insurance::MultiplyEmploymentEnum v) {
    field::Set(Value().multiplyEmployment, v);
  }
  std::string GetGroupKeyOfOther() const { return field::Text(Value().groupKeyOfOther); }
  void SetGroupKeyOfOther(std::string const& v) { field::Set(Value().groupKeyOfOther, v); }
  std::string GetInsuranceNo() const { return field::Text(Value().insuranceNo); }
  void SetInsuranceNo(std::string const& v) { field::Set(Value().insuranceNo, v); }
  std::string GetOidNationality() const { return field::Text(Value().oidNationality); }
  void SetOidNationality(std::string const& v) { field::Set(Value().oidNationality, v); }
  bool GetSIidCard() const { return Value().sIidCard; }
  void SetSIidCard(bool v) { field::Set(Value().sIidCard, v); }
  base::VDate GetRegistrSIidCard() const { return field::Date(Value().registrSIidCard); }
  void SetRegistrSIidCard(base::VDate const& v) { field::Set(Value().registrSIidCard, v); }
  bool GetChangePno() const { return Value().changePno; }
  void SetChangePno(bool v) { field::Set(Value().changePno, v); }
  std::wstring GetnameAtBirth() const { return field::Wide(Value().nameAtBirth); }
  void SetNameAtBirth(std::wstring const& v) { field::Set(Value().nameAtBirth, v); }
  std::string GetNamePrefixAtBirth() const { return field::Text(Value().namePrefixAtBirth); }
  void SetNamePrefixAtBirth(std::string const& v) { field::Set(Value().namePrefixAtBirth, v); }
  std::string GetNameAffixAtBirth() const { return field::Text(Value().nameAffixAtBirth); }
  void SetNameAffixAtBirth(std::string const& v) { field::Set(Value().nameAffixAtBirth, v); }
  std::wstring GetPlaceOfBirth() const { return field::Wide(Value().placeOfBirth); }
  void SetPlaceOfBirth(std::wstring const& v) { field::Set(Value().placeOfBirth, v); }
  std::string GetEuInsuranceNo() const { return field::Text(Value().euInsuranceNo); }
  void SetEuInsuranceNo(std::string const& v) { field::Set(Value().euInsuranceNo, v); }
  std::string GetOidEuStateOfBirth() const { return field::Text(Value().oidEuStateOfBirth); }
  void SetOidEuStateOfBirth(std::string const& v) { field::Set(Value().oidEuStateOfBirth, v); }
  bool GetFreeingOfERDuesUI() const { return Value().freeingOfERDuesUI; }
  void SetFreeingOfERDuesUI(bool v) { field::Set(Value().freeingOfERDuesUI, v); }
  std::string GetMemo() const { return field::Text(Value().memo); }
  void SetMemo(std::string const& v) { field::Set(Value().memo, v); }
  std::string GetOidHealthFundKVdR() const { return field::Text(Value().oidHealthFundKVdR); }
  void SetOidHealthFundKVdR(std::string const& v) { field::Set(Value().oidHealthFundKVdR, v); }
  std::string GetMembershipKVdR() const { return field::Text(Value().membershipKVdR); }
  void SetMembershipKVdR(std::string const& v) { field::Set(Value().membershipKVdR, v); }
  base::VFixed GetLimitOfDues() const { return field::Fixed(Value().limitOfDues); }
  void SetLimitOfDues(base::VFixed const& v) { field::Set(Value().limitOfDues, v); }
  base::VFixed GetLegalPension() const { return field::Fixed(Value().legalPension); }
  void SetLegalPension(base::VFixed const& v) { field::Set(Value().legalPension, v); }
  insurance::ChoiseOfDuesHIEnum GetChoiseOfDuesHI() const { return Value().choiseOfDuesHI; }
  void SetChoiseOfDuesHI(insurance::ChoiseOfDuesHIEnum v) { field::Set(Value().choiseOfDuesHI, v); }
  base::VFixed GetDuesHI() const { return field::Fixed(Value().duesHI); }
  void SetDuesHI(base::VFixed const& v) { field::Set(Value().duesHI, v); }
  insurance::ChoiseOfDuesNIEnum GetChoiseOfDuesNI() const { return Value().choiseOfDuesNI; }
  void SetChoiseOfDuesNI(insurance::ChoiseOfDuesNIEnum v) { field::Set(Value().choiseOfDuesNI, v); }
  base::VFixed GetDuesNI() const { return field::Fixed(Value().duesNI); }
  void SetDuesNI(base::VFixed const& v) { field::Set(Value().duesNI, v); }
  base::VDate GetBeginAgePartTime() const { return field::Date(Value().beginAgePartTime); }
  void SetBeginAgePartTime(base::VDate const& v) { field::Set(Value().beginAgePartTime, v); }
  base::VDate GetEndAgePartTime() const { return field::Date(Value().endAgePartTime); }
  void SetEndAgePartTime(base::VDate const& v) { field::Set(Value().endAgePartTime, v); }
  long GetPersonnelnumberReplacer() const { return Value().personnelnumberReplacer; }
  void SetPersonnelnumberReplacer(long v) { field::Set(Value().personnelnumberReplacer, v); }
  std::wstring GetNameReplacer() const { return field::Wide(Value().nameReplacer); }
  void SetNameReplacer(std::wstring const& v) { field::Set(Value().nameReplacer, v); }
  base::VFixed GetPercentageIncreaseDues() const {
    return field::Fixed(Value().percentageIncreaseDues);
  }
  void SetPercentageIncreaseDues(base::VFixed const& v) {
    field::Set(Value().percentageIncreaseDues, v);
  }
  base::VFixed GetPercentageMinNetIncome() const {
    return field::Fixed(Value().percentageMinNetIncome);
  }
  void SetPercentageMinNetIncome(base::VFixed const& v) {
    field::Set(Value().percentageMinNetIncome, v);
  }
  base::VFixed GetPercentagePIIncrease() const {
    return field::Fixed(Value().percentagePIIncrease);
  }
  void SetPercentagePIIncrease(base::VFixed const& v) {
    field::Set(Value().percentagePIIncrease, v);
  }
  insurance::TypeAgePartTimeEnum GetTypeAgePartTime() const { return Value().typeAgePartTime; }
  void SetTypeAgePartTime(insurance::TypeAgePartTimeEnum v) {
    field::Set(Value().typeAgePartTime, v);
  }
  base::VDate GetBeginWorkExemption() const { return field::Date(Value().beginWorkExemption); }
  void SetBeginWorkExemption(base::VDate const& v) { field::Set(Value().beginWorkExemption, v); }
  bool GetNiChildEducation() const { return Value().niChildEducation; }
  void SetNiChildEducation(bool v) { field::Set(Value().niChildEducation, v); }
  base::VDate GetDateOfReceipt() const { return field::Date(Value().dateOfReceipt); }
  void SetDateOfReceipt(base::VDate const& v) { field::Set(Value().dateOfReceipt, v); }
  bool GetNiChildOfEducKVdR() const { return Value().niChildOfEducKVdR; }
  void SetNiChildOfEducKVdR(bool v) { field::Set(Value().niChildOfEducKVdR, v); }
  base::VDate GetDateOfReceiptKVdR() const { return field::Date(Value().dateOfReceiptKVdR); }
  void SetDateOfReceiptKVdR(base::VDate const& v) { field::Set(Value().dateOfReceiptKVdR, v); }
  insurance::StatusCodeEnum GetStatusCode() const { return Value().statusCode; }
  void SetStatusCode(insurance::StatusCodeEnum v) { field::Set(Value().statusCode, v); }
  base::VFixed GetTotalRateToVHIAbleForGrantByER() const {
    return field::Fixed(Value().totalRateToVHIAbleForGrantByER);
  }
  void SetTotalRateToVHIAbleForGrantByER(base::VFixed const& v) {
    field::Set(Value().totalRateToVHIAbleForGrantByER, v);
  }
  bool GetIncreasedDuesMinersPISheme() const { return Value().increasedDuesMinersPISheme; }
  void SetIncreasedDuesMinersPISheme(bool v) { field::Set(Value().increasedDuesMinersPISheme, v); }
  std::string GetOidRecipient() const { return field::Text(Value().oidRecipient); }
  void SetOidRecipient(std::string const& v) { field::Set(Value().oidRecipient, v); }
  std::string GetPpMembershipNumber() const { return field::Text(Value().ppMembershipNumber); }
  void SetPpMembershipNumber(std::string const& v) { field::Set(Value().ppMembershipNumber, v); }
  insurance::ModeOfPensionEnum GetModeOfPension() const { return Value().modeOfPension; }
  void SetModeOfPension(insurance::ModeOfPensionEnum v) { field::Set(Value().modeOfPension, v); }
  insurance::ModeOfCalculationEnum GetModeOfCalculation() const {
    return Value().modeOfCalculation;
  }
  void SetModeOfCalculation(insurance::ModeOfCalculationEnum v) {
    field::Set(Value().modeOfCalculation, v);
  }
  base::VFixed GetTotalDues() const { return field::Fixed(Value().totalDues); }
  void SetTotalDues(base::VFixed const& v) { field::Set(Value().totalDues, v); }
  base::VFixed GetEmployersAllowance() const { return field::Fixed(Value().employersAllowance); }
  void SetEmployersAllowance(base::VFixed const& v) { field::Set(Value().employersAllowance, v); }
  insurance::RemittanceEnum GetRemittance() const { return Value().remittance; }
  void SetRemittance(insurance::RemittanceEnum v) { field::Set(Value().remittance, v); }
  bool GetUseAgePartTime() const { return Value().useAgePartTime; }
  void SetUseAgePartTime(bool v) { field::Set(Value().useAgePartTime, v); }
  std::string GetOidAgePartTimeModel() const { return field::Text(Value().oidAgePartTimeModel); }
  void SetOidAgePartTimeModel(std::string const& v) { field::Set(Value().oidAgePartTimeModel, v); }
  std::string GetCustomerNoPTA() const { return field::Text(Value().customerNoPTA); }
  void SetCustomerNoPTA(std::string const& v) { field::Set(Value().customerNoPTA, v); }
  std::string GetCompanyKeyOfReplacer() const { return field::Text(Value().companyKeyOfReplacer); }
  void SetCompanyKeyOfReplacer(std::string const& v) {
    field::Set(Value().companyKeyOfReplacer, v);
  }
  bool GetDeposit() const { return Value().deposit; }
  void SetDeposit(bool v) { field::Set(Value().deposit, v); }
  bool GetStoerfall() const { return Value().stoerfall; }
  void SetStoerfall(bool v) { field::Set(Value().stoerfall, v); }
  std::wstring GetSurname() const { return field::Wide(Value().surname); }
  void SetSurname(std::wstring const& v) { field::Set(Value().surname, v); }
  std::wstring GetFirstname() const { return field::Wide(Value().firstname); }
  void SetFirstname(std::wstring const& v) { field::Set(Value().firstname, v); }
  std::string GetPostalCode() const { return field::Text(Value().postalCode); }
  void SetPostalCode(std::string const& v) { field::Set(Value().postalCode, v); }
  std::string GetDomicile() const { return field::Text(Value().domicile); }
  void SetDomicile(std::string const& v) { field::Set(Value().domicile, v); }
  std::string GetStreet() const { return field::Text(Value().street); }
  void SetStreet(std::string const& v) { field::Set(Value().street, v); }
  std::string GetStreetNumber() const { return field::Text(Value().streetNumber); }
  void SetStreetNumber(std::string const& v) { field::Set(Value().streetNumber, v); }
  std::string GetAddressAddendum() const { return field::Text(Value().addressAddendum); }
  void SetAddressAddendum(std::string const& v) { field::Set(Value().addressAddendum, v); }
  bool GetPrivateHI31122002() const { return Value().privateHI31122002; }
  void SetPrivateHI31122002(bool v) { field::Set(Value().privateHI31122002, v); }
  base::VDate GetStartingDatePHI() const { return field::Date(Value().startingDatePHI); }
  void SetStartingDatePHI(base::VDate const& v) { field::Set(Value().startingDatePHI, v); }
  insurance::AnnualLimitPHIEnum GetAnnualLimitPHIEnum() const { return Value().annualLimitPHIEnum; }
  void SetAnnualLimitPHIEnum(insurance::AnnualLimitPHIEnum v) {
    field::Set(Value().annualLimitPHIEnum, v);
  }
  base::VDate GetStartOfPensionPayment() const {
    return field::Date(Value().startOfPensionPayment);
  }
  void SetStartOfPensionPayment(base::VDate const& v) {
    field::Set(Value().startOfPensionPayment, v);
  }
  base::VDate GetDateOfPensionBalance() const { return field::Date(Value().dateOfPensionBalance); }
  void SetDateOfPensionBalance(base::VDate const& v) {
    field::Set(Value().dateOfPensionBalance, v);
  }
  std::string GetOidInsolvencyHealthFund() const {
    return field::Text(Value().oidInsolvencyHealthFund);
  }
  void SetOidInsolvencyHealthFund(std::string const& v) {
    field::Set(Value().oidInsolvencyHealthFund, v);
  }
  bool GetInsolvencyDuty() const { return Value().insolvencyDuty; }
  void SetInsolvencyDuty(bool v) { field::Set(Value().insolvencyDuty, v); }
  bool GetInsGOfOther() const { return Value().insGOfOther; }
  void SetInsGOfOther(bool v) { field::Set(Value().insGOfOther, v); }
  std::string GetProcessNo() const { return field::Text(Value().processNo); }
  void SetProcessNo(std::string const& v) { field::Set(Value().processNo, v); }
  base::VFixed GetBaseRatePrivateInsurance() const {
    return field::Fixed(Value().baseRatePrivateInsurance);
  }
  void SetBaseRatePrivateInsurance(base::VFixed const& v) {
    field::Set(Value().baseRatePrivateInsurance, v);
  }
  bool GetChangeOfRecipient() const { return Value().changeOfRecipient; }
  void SetChangeOfRecipient(bool v) { field::Set(Value().changeOfRecipient, v); }
  long GetChangePersonnelnumber() const { return Value().changePersonnelnumber; }
  void SetChangePersonnelnumber(long v) { field::Set(Value().changePersonnelnumber, v); }
  std::string GetReferenceNumberHealthFund() const {
    return field::Text(Value().referenceNumberHealthFund);
  }
  void SetReferenceNumberHealthFund(std::string const& v) {
    field::Set(Value().referenceNumberHealthFund, v);
  }
  base::VDate GetBeginKVDR() const { return field::Date(Value().beginKVDR); }
  void SetBeginKVDR(base::VDate const& v) { field::Set(Value().beginKVDR, v); }
  base::VDate GetEndKVDR() const { return field::Date(Value().endKVDR); }
  void SetEndKVDR(base::VDate const& v) { field::Set(Value().endKVDR, v); }
  base::VDate GetDateCapitalPayment() const { return field::Date(Value().dateCapitalPayment); }
  void SetDateCapitalPayment(base::VDate const& v) { field::Set(Value().dateCapitalPayment, v); }
  base::VDate GetBeginCapitalPayment() const { return field::Date(Value().beginCapitalPayment); }
  void SetBeginCapitalPayment(base::VDate const& v) { field::Set(Value().beginCapitalPayment, v); }
  base::VDate GetEndCapitalPayment() const { return field::Date(Value().endCapitalPayment); }
  void SetEndCapitalPayment(base::VDate const& v) { field::Set(Value().endCapitalPayment, v); }
  base::VFixed GetCapitalPayment() const { return field::Fixed(Value().capitalPayment); }
  void SetCapitalPayment(base::VFixed const& v) { field::Set(Value().capitalPayment, v); }
  insurance::MultipleIncomeEnum GetMultipleIncomeEnum() const { return Value().multipleIncomeEnum; }
  void SetMultipleIncomeEnum(insurance::MultipleIncomeEnum v) {
    field::Set(Value().multipleIncomeEnum, v);
  }
  bool GetAdjustmentLimitOfDues() const { return Value().adjustmentLimitOfDues; }
  void SetAdjustmentLimitOfDues(bool v) { field::Set(Value().adjustmentLimitOfDues, v); }
  std::string GetReferenceNumberZahls() const { return field::Text(Value().referenceNumberZahls); }
  void SetReferenceNumberZahls(std::string const& v) {
    field::Set(Value().referenceNumberZahls, v);
  }
  bool GetChangeNumberHealthFund() const { return Value().changeNumberHealthFund; }
  void SetChangeNumberHealthFund(bool v) { field::Set(Value().changeNumberHealthFund, v); }
  std::string GetReferenceNumberZahlsCapitalPayment() const {
    return field::Text(Value().referenceNumberZahlsCapitalPayment);
  }
  void SetReferenceNumberZahlsCapitalPayment(std::string const& v) {
    field::Set(Value().referenceNumberZahlsCapitalPayment, v);
  }
  std::string GetReferenceNumberHealthFundCapitalPayment() const {
    return field::Text(Value().referenceNumberHealthFundCapitalPayment);
  }
  void SetReferenceNumberHealthFundCapitalPayment(std::string const& v) {
    field::Set(Value().referenceNumberHealthFundCapitalPayment, v);
  }
  std::string GetOidOccupationLong() const { return field::Text(Value().oidOccupationLong); }
  void SetOidOccupationLong(std::string const& v) { field::Set(Value().oidOccupationLong, v); }
  long GetSchoolLeaving() const { return Value().schoolLeaving; }
  void SetSchoolLeaving(long v) { field::Set(Value().schoolLeaving, v); }
  long GetProfessionalEducation() const { return Value().professionalEducation; }
  void SetProfessionalEducation(long v) { field::Set(Value().professionalEducation, v); }
  long GetManPowerProvision() const { return Value().manPowerProvision; }
  void SetManPowerProvision(long v) { field::Set(Value().manPowerProvision, v); }
  long GetTypeOfContract() const { return Value().typeOfContract; }
  void SetTypeOfContract(long v) { field::Set(Value().typeOfContract, v); }
  bool GetDecreaseOfDuesInReducedHours() const { return Value().decreaseOfDuesInReducedHours; }
  void SetDecreaseOfDuesInReducedHours(bool v) {
    field::Set(Value().decreaseOfDuesInReducedHours, v);
  }
  bool GetManagingDirector() const { return Value().managingDirector; }
  void SetManagingDirector(bool v) { field::Set(Value().managingDirector, v); }
  bool GetStartOfPensionWith65() const { return Value().startOfPensionWith65; }
  void SetStartOfPensionWith65(bool v) { field::Set(Value().startOfPensionWith65, v); }
  base::VDate GetDateOfStartOfPensionWith65() const {
    return field::Date(Value().dateOfStartOfPensionWith65);
  }
  void SetDateOfStartOfPensionWith65(base::VDate const& v) {
    field::Set(Value().dateOfStartOfPensionWith65, v);
  }
  std::string GetOidSIStatus() const { return field::Text(Value().oidSIStatus); }
  void SetOidSIStatus(std::string const& v) { field::Set(Value().oidSIStatus, v); }
  std::string GetOidEmployeeDislocation() const {
    return field::Text(Value().oidEmployeeDislocation);
  }
  void SetOidEmployeeDislocation(std::string const& v) {
    field::Set(Value().oidEmployeeDislocation, v);
  }
  base::VFixed GetAnnaulEarningsGLZ() const { return field::Fixed(Value().annaulEarningsGLZ); }
  void SetAnnaulEarningsGLZ(base::VFixed const& v) { field::Set(Value().annaulEarningsGLZ, v); }
  insurance::IntervalKVDREnum GetIntervalKVDR() const { return Value().intervalKVDR; }
  void SetIntervalKVDR(insurance::IntervalKVDREnum v) { field::Set(Value().intervalKVDR, v); }
  int GetMonthFirstPaymentKVDR() const { return Value().monthFirstPaymentKVDR; }
  void SetMonthFirstPaymentKVDR(int v) { field::Set(Value().monthFirstPaymentKVDR, v); }
  base::VFixed GetDuesKVDR() const { return field::Fixed(Value().duesKVDR); }
  void SetDuesKVDR(base::VFixed const& v) { field::Set(Value().duesKVDR, v); }
  bool GetOldLowWageArea() const { return Value().oldLowWageArea; }
  void SetOldLowWageArea(bool v) { field::Set(Value().oldLowWageArea, v); }
  bool GetOfferForExemptionFromPI() const { return Value().offerForExemptionFromPI; }
  void SetOfferForExemptionFromPI(bool v) { field::Set(Value().offerForExemptionFromPI, v); }
  base::VDate GetDateOfferForExemptionFromPI() const {
    return field::Date(Value().dateOfferForExemptionFromPI);
  }
  void SetDateOfferForExemptionFromPI(base::VDate const& v) {
    field::Set(Value().dateOfferForExemptionFromPI, v);
  }
  bool GetNoRegistrationKVDR() const { return Value().noRegistrationKVDR; }
  void SetNoRegistrationKVDR(bool v) { field::Set(Value().noRegistrationKVDR, v); }
  bool GetErPaysNISurcharge() const { return Value().erPaysNISurcharge; }
  void SetErPaysNISurcharge(bool v) { field::Set(Value().erPaysNISurcharge, v); }
  std::string GetOidRecipientDisabledInstitute() const {
    return field::Text(Value().oidRecipientDisabledInstitute);
  }
  void SetOidRecipientDisabledInstitute(std::string const& v) {
    field::Set(Value().oidRecipientDisabledInstitute, v);
  }
  bool GetPiRehabResponsible() const { return Value().piRehabResponsible; }
  void SetPiRehabResponsible(bool v) { field::Set(Value().piRehabResponsible, v); }
  std::string GetReferenceNumber() const { return field::Text(Value().referenceNumber); }
  void SetReferenceNumber(std::string const& v) { field::Set(Value().referenceNumber, v); }
  bool GetDifferentPensionschemeSetting() const { return Value().differentPensionschemeSetting; }
  void SetDifferentPensionschemeSetting(bool v) {
    field::Set(Value().differentPensionschemeSetting, v);
  }
  insurance::ContributionScalePHIEnum GetContScalePHI() const { return Value().contScalePHI; }
  void SetContScalePHI(insurance::ContributionScalePHIEnum v) {
    field::Set(Value().contScalePHI, v);
  }
  bool GetSeasonalworker() const { return Value().seasonalworker; }
  void SetSeasonalworker(bool v) { field::Set(Value().seasonalworker, v); }
  std::string GetOidRecipientPHI() const { return field::Text(Value().oidRecipientPHI); }
  void SetOidRecipientPHI(std::string const& v) { field::Set(Value().oidRecipientPHI, v); }
  std::string GetAuthorizedForAid() const { return field::Text(Value().authorizedForAid); }
  void SetAuthorizedForAid(std::string const& v) { field::Set(Value().authorizedForAid, v); }
  base::VFixed GetErAllowanceHIFarm() const { return field::Fixed(Value().erAllowanceHIFarm); }
  void SetErAllowanceHIFarm(base::VFixed const& v) { field::Set(Value().erAllowanceHIFarm, v); }
  base::VFixed GetErAllowanceNIFarm() const { return field::Fixed(Value().erAllowanceNIFarm); }
  void SetErAllowanceNIFarm(base::VFixed const& v) { field::Set(Value().erAllowanceNIFarm, v); }
  bool GetIsNoPensionForParagraph229() const { return Value().isNoPensionForParagraph229; }
  void SetIsNoPensionForParagraph229(bool v) { field::Set(Value().isNoPensionForParagraph229, v); }
  bool GetIsNoPensionForPar229Capital() const { return Value().isNoPensionForPar229Capital; }
  void SetIsNoPensionForPar229Capital(bool v) {
    field::Set(Value().isNoPensionForPar229Capital, v);
  }
  int GetDemandOfFreeAmount() const { return Value().demandOfFreeAmount; }
  void SetDemandOfFreeAmount(int v) { field::Set(Value().demandOfFreeAmount, v); }
  base::VFixed GetFreeAmount() const { return field::Fixed(Value().freeAmount); }
  void SetFreeAmount(base::VFixed const& v) { field::Set(Value().freeAmount, v); }
  std::string GetOidLegalHealthFund() const { return field::Text(Value().oidLegalHealthFund); }
  void SetOidLegalHealthFund(std::string const& v) { field::Set(Value().oidLegalHealthFund, v); }
  bool GetUseTransitionBy31122022() const { return Value().useTransitionBy31122022; }
  void SetUseTransitionBy31122022(bool v) { field::Set(Value().useTransitionBy31122022, v); }
  std::string GetNoExcemptionOfInsuranceSGBVI() const {
    return field::Text(Value().noExcemptionOfInsuranceSGBVI);
  }
  void SetNoExcemptionOfInsuranceSGBVI(std::string const& v) {
    field::Set(Value().noExcemptionOfInsuranceSGBVI, v);
  }
  long GetExclusionFacts() const { return Value().exclusionFacts; }
  void SetExclusionFacts(long v) { field::Set(Value().exclusionFacts, v); }
  long GetExclusionFactsCapital() const { return Value().exclusionFactsCapital; }
  void SetExclusionFactsCapital(long v) { field::Set(Value().exclusionFactsCapital, v); }
  long GetOrphanBenefit() const { return Value().orphanBenefit; }
  void SetOrphanBenefit(long v) { field::Set(Value().orphanBenefit, v); }
  long GetAeinsHIduty() const { return Value().aeinsHIduty; }
  void SetAeinsHIduty(long v) { field::Set(Value().aeinsHIduty, v); }
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
class SocialInsuranceNo : public base::BO<insurance::SocialInsuranceNoStruct> {
 public:
  // Sets both and takes them as the saved value.
  SocialInsuranceNo(EmployeeShort const& employee, std::string const& number);

  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
  void SetSocialInsuranceNo(std::string const& v) { field::Set(Value().socialInsuranceNo, v); }
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
