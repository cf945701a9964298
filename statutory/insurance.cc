#include "statutory/insurance.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<InsuranceService>;
using insurance::InsuranceServant_ptr;
using Token = AccessToken_ptr;

// --- the insurance record -------------------------------------------------

Insurance::Insurance() {
  // Value-initialised first: IncreasedDuesMinersPISheme has no default of
  // its own and starts false.
  Value() = insurance::InsuranceStruct();
  SetAssessmentDuty(insurance::ASSESSMENT_DUTY_NONE);
  SetSpecialCategoryOfPersons(insurance::SPECIAL_CATEGORY_NONE);
  SetPositionOfJob(0);
  SetEducation(0);
  SetPersonGroup(101);
  SetTypeOfPension(0);
  SetDuesGroupHI(1);
  SetDuesGroupPI(1);
  SetDuesGroupUI(1);
  SetDuesGroupNI(1);
  SetNoExemptionPF(false);
  SetPrivateHI(false);
  SetTotalRateToPHI(base::VFixed(0));
  SetTotalRateToVHI(base::VFixed(0));
  SetContScaleVHI(insurance::SCALE_VHI_NONE);
  SetERAllowanceVHI(99);
  SetERAllowancePHI(9);
  SetPrivateNI(false);
  SetTotalRateToPNI(base::VFixed(0));
  SetTotalRateToVNI(base::VFixed(0));
  SetContScaleVNI(insurance::SCALE_VNI_NONE);
  SetERAllowanceVNI(9);
  SetERAllowancePNI(9);
  SetErPaysHI(false);
  SetErPaysPI(false);
  SetErPaysUI(false);
  SetErPaysNI(false);
  SetMultiplyEmployment(insurance::MULTIPLE_EMPLOYMENT_NONE);
  SetSIidCard(false);
  SetChangePno(false);
  SetFreeingOfERDuesUI(false);
  SetChoiseOfDuesHI(insurance::DUES_HI_BY_LAW);
  SetChoiseOfDuesNI(insurance::DUES_NI_BY_LAW);
  SetPersonnelnumberReplacer(0);
  SetTypeAgePartTime(insurance::AGE_PART_TIME_NONE);
  SetNiChildEducation(false);
  SetNiChildOfEducKVdR(false);
  SetStatusCode(insurance::STATUS_CODE_NONE);
  SetModeOfPension(insurance::PENSION_MODE_OLD_AGE);
  SetModeOfCalculation(insurance::CALCULATION_MODE_STANDARD);
  SetRemittance(insurance::REMITTANCE_NONE);
  SetUseAgePartTime(false);
  SetDeposit(false);
  SetStoerfall(false);
  SetPrivateHI31122002(false);
  SetAnnualLimitPHIEnum(insurance::ANNUAL_LIMIT_PHI_NONE);
  SetInsolvencyDuty(true);
  SetInsGOfOther(false);
  SetChangeOfRecipient(false);
  SetChangePersonnelnumber(0);
  SetMultipleIncomeEnum(insurance::MULTIPLE_INCOME_NONE);
  SetAdjustmentLimitOfDues(false);
  SetChangeNumberHealthFund(false);
  SetSchoolLeaving(0);
  SetProfessionalEducation(0);
  SetManPowerProvision(0);
  SetTypeOfContract(0);
  SetDecreaseOfDuesInReducedHours(false);
  SetManagingDirector(false);
  SetStartOfPensionWith65(false);
  SetIntervalKVDR(insurance::INTERVAL_KVDR_NONE);
  SetMonthFirstPaymentKVDR(0);
  SetOldLowWageArea(false);
  SetOfferForExemptionFromPI(false);
  SetNoRegistrationKVDR(false);
  SetErPaysNISurcharge(false);
  SetPiRehabResponsible(false);
  SetDifferentPensionschemeSetting(false);
  SetContScalePHI(insurance::SCALE_PHI_NONE);
  SetSeasonalworker(false);
  SetIsNoPensionForParagraph229(false);
  SetIsNoPensionForPar229Capital(false);
  SetDemandOfFreeAmount(0);
  SetUseTransitionBy31122022(false);
  SetExclusionFacts(0);
  SetExclusionFactsCapital(0);
  SetOrphanBenefit(0);
  SetAeinsHIduty(0);
  MakeBoCopy();
}
Insurance::Insurance(insurance::InsuranceStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
Insurance::Insurance(Insurance const& o) : BO(o) { MakeBoCopy(); }

void Insurance::ClearObjectStruct() { SetObjectStruct(ObjectStruct()); }

bool Insurance::GetCheckBoxNIChildEducationActive(std::string oid_employee,
                                                  base::VDate effective) const {
  return Remote_::Call(
      [](InsuranceServant_ptr s, Token t, std::string const& e, std::string const& at) {
        return s->getCheckBoxNIChildEducationActive(t, e.c_str(), at.c_str());
      },
      oid_employee, effective.ToIdl());
}

std::string Insurance::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void Insurance::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
std::string Insurance::GetOidHealthFund() const { return field::Text(Value().oidHealthFund); }
void Insurance::SetOidHealthFund(std::string const& v) { field::SetText(Value().oidHealthFund, v); }
std::string Insurance::GetOidAssessmentHealthFund() const {
  return field::Text(Value().oidAssessmentHealthFund);
}
void Insurance::SetOidAssessmentHealthFund(std::string const& v) {
  field::SetText(Value().oidAssessmentHealthFund, v);
}
insurance::AssessmentDutyEnum Insurance::GetAssessmentDuty() const {
  return Value().assessmentDuty;
}
void Insurance::SetAssessmentDuty(insurance::AssessmentDutyEnum v) { Value().assessmentDuty = v; }
std::string Insurance::GetMembershipNumber() const { return field::Text(Value().membershipNumber); }
void Insurance::SetMembershipNumber(std::string const& v) {
  field::SetText(Value().membershipNumber, v);
}
insurance::SpecialCategoryEnum Insurance::GetSpecialCategoryOfPersons() const {
  return Value().specialCategoryOfPersons;
}
void Insurance::SetSpecialCategoryOfPersons(insurance::SpecialCategoryEnum v) {
  Value().specialCategoryOfPersons = v;
}
std::string Insurance::GetOidOccupation() const { return field::Text(Value().oidOccupation); }
void Insurance::SetOidOccupation(std::string const& v) { field::SetText(Value().oidOccupation, v); }
std::string Insurance::GetOidOccupationGroup() const {
  return field::Text(Value().oidOccupationGroup);
}
void Insurance::SetOidOccupationGroup(std::string const& v) {
  field::SetText(Value().oidOccupationGroup, v);
}
long Insurance::GetPositionOfJob() const { return Value().positionOfJob; }
void Insurance::SetPositionOfJob(long v) { Value().positionOfJob = static_cast<CORBA::Long>(v); }
long Insurance::GetEducation() const { return Value().education; }
void Insurance::SetEducation(long v) { Value().education = static_cast<CORBA::Long>(v); }
long Insurance::GetPersonGroup() const { return Value().personGroup; }
void Insurance::SetPersonGroup(long v) { Value().personGroup = static_cast<CORBA::Long>(v); }
long Insurance::GetTypeOfPension() const { return Value().typeOfPension; }
void Insurance::SetTypeOfPension(long v) { Value().typeOfPension = static_cast<CORBA::Long>(v); }
long Insurance::GetDuesGroupHI() const { return Value().duesGroupHI; }
void Insurance::SetDuesGroupHI(long v) { Value().duesGroupHI = static_cast<CORBA::Long>(v); }
long Insurance::GetDuesGroupPI() const { return Value().duesGroupPI; }
void Insurance::SetDuesGroupPI(long v) { Value().duesGroupPI = static_cast<CORBA::Long>(v); }
long Insurance::GetDuesGroupUI() const { return Value().duesGroupUI; }
void Insurance::SetDuesGroupUI(long v) { Value().duesGroupUI = static_cast<CORBA::Long>(v); }
long Insurance::GetDuesGroupNI() const { return Value().duesGroupNI; }
void Insurance::SetDuesGroupNI(long v) { Value().duesGroupNI = static_cast<CORBA::Long>(v); }
bool Insurance::GetNoExemptionPF() const { return Value().noExemptionPF; }
void Insurance::SetNoExemptionPF(bool v) { Value().noExemptionPF = v; }
base::VDate Insurance::GetDateNoExemptionPF() const {
  return field::Date(Value().dateNoExemptionPF);
}
void Insurance::SetDateNoExemptionPF(base::VDate const& v) {
  field::SetDate(Value().dateNoExemptionPF, v);
}
bool Insurance::GetPrivateHI() const { return Value().privateHI; }
void Insurance::SetPrivateHI(bool v) { Value().privateHI = v; }
base::VFixed Insurance::GetTotalRateToPHI() const { return field::Fixed(Value().totalRateToPHI); }
void Insurance::SetTotalRateToPHI(base::VFixed const& v) {
  field::SetFixed(Value().totalRateToPHI, v);
}
base::VFixed Insurance::GetTotalRateToVHI() const { return field::Fixed(Value().totalRateToVHI); }
void Insurance::SetTotalRateToVHI(base::VFixed const& v) {
  field::SetFixed(Value().totalRateToVHI, v);
}
insurance::ContributionScaleVHIEnum Insurance::GetContScaleVHI() const {
  return Value().contScaleVHI;
}
void Insurance::SetContScaleVHI(insurance::ContributionScaleVHIEnum v) { Value().contScaleVHI = v; }
long Insurance::GetErAllowanceVHI() const { return Value().erAllowanceVHI; }
void Insurance::SetERAllowanceVHI(long v) { Value().erAllowanceVHI = static_cast<CORBA::Long>(v); }
long Insurance::GetErAllowancePHI() const { return Value().erAllowancePHI; }
void Insurance::SetERAllowancePHI(long v) { Value().erAllowancePHI = static_cast<CORBA::Long>(v); }
bool Insurance::GetPrivateNI() const { return Value().privateNI; }
void Insurance::SetPrivateNI(bool v) { Value().privateNI = v; }
base::VFixed Insurance::GetTotalRateToPNI() const { return field::Fixed(Value().totalRateToPNI); }
void Insurance::SetTotalRateToPNI(base::VFixed const& v) {
  field::SetFixed(Value().totalRateToPNI, v);
}
base::VFixed Insurance::GetTotalRateToVNI() const { return field::Fixed(Value().totalRateToVNI); }
void Insurance::SetTotalRateToVNI(base::VFixed const& v) {
  field::SetFixed(Value().totalRateToVNI, v);
}
insurance::ContributionScaleVNIEnum Insurance::GetContScaleVNI() const {
  return Value().contScaleVNI;
}
void Insurance::SetContScaleVNI(insurance::ContributionScaleVNIEnum v) { Value().contScaleVNI = v; }
long Insurance::GetErAllowanceVNI() const { return Value().erAllowanceVNI; }
void Insurance::SetERAllowanceVNI(long v) { Value().erAllowanceVNI = static_cast<CORBA::Long>(v); }
long Insurance::GetErAllowancePNI() const { return Value().erAllowancePNI; }
void Insurance::SetERAllowancePNI(long v) { Value().erAllowancePNI = static_cast<CORBA::Long>(v); }
bool Insurance::GetErPaysHI() const { return Value().erPaysHI; }
void Insurance::SetErPaysHI(bool v) { Value().erPaysHI = v; }
bool Insurance::GetErPaysPI() const { return Value().erPaysPI; }
void Insurance::SetErPaysPI(bool v) { Value().erPaysPI = v; }
bool Insurance::GetErPaysUI() const { return Value().erPaysUI; }
void Insurance::SetErPaysUI(bool v) { Value().erPaysUI = v; }
bool Insurance::GetErPaysNI() const { return Value().erPaysNI; }
void Insurance::SetErPaysNI(bool v) { Value().erPaysNI = v; }
insurance::MultiplyEmploymentEnum Insurance::GetMultiplyEmployment() const {
  return Value().multiplyEmployment;
}
void Insurance::SetMultiplyEmployment(insurance::MultiplyEmploymentEnum v) {
  Value().multiplyEmployment = v;
}
std::string Insurance::GetGroupKeyOfOther() const { return field::Text(Value().groupKeyOfOther); }
void Insurance::SetGroupKeyOfOther(std::string const& v) {
  field::SetText(Value().groupKeyOfOther, v);
}
std::string Insurance::GetInsuranceNo() const { return field::Text(Value().insuranceNo); }
void Insurance::SetInsuranceNo(std::string const& v) { field::SetText(Value().insuranceNo, v); }
std::string Insurance::GetOidNationality() const { return field::Text(Value().oidNationality); }
void Insurance::SetOidNationality(std::string const& v) {
  field::SetText(Value().oidNationality, v);
}
bool Insurance::GetSIidCard() const { return Value().sIidCard; }
void Insurance::SetSIidCard(bool v) { Value().sIidCard = v; }
base::VDate Insurance::GetRegistrSIidCard() const { return field::Date(Value().registrSIidCard); }
void Insurance::SetRegistrSIidCard(base::VDate const& v) {
  field::SetDate(Value().registrSIidCard, v);
}
bool Insurance::GetChangePno() const { return Value().changePno; }
void Insurance::SetChangePno(bool v) { Value().changePno = v; }
std::wstring Insurance::GetnameAtBirth() const { return field::Wide(Value().nameAtBirth); }
void Insurance::SetNameAtBirth(std::wstring const& v) { field::SetWide(Value().nameAtBirth, v); }
std::string Insurance::GetNamePrefixAtBirth() const {
  return field::Text(Value().namePrefixAtBirth);
}
void Insurance::SetNamePrefixAtBirth(std::string const& v) {
  field::SetText(Value().namePrefixAtBirth, v);
}
std::string Insurance::GetNameAffixAtBirth() const { return field::Text(Value().nameAffixAtBirth); }
void Insurance::SetNameAffixAtBirth(std::string const& v) {
  field::SetText(Value().nameAffixAtBirth, v);
}
std::wstring Insurance::GetPlaceOfBirth() const { return field::Wide(Value().placeOfBirth); }
void Insurance::SetPlaceOfBirth(std::wstring const& v) { field::SetWide(Value().placeOfBirth, v); }
std::string Insurance::GetEuInsuranceNo() const { return field::Text(Value().euInsuranceNo); }
void Insurance::SetEuInsuranceNo(std::string const& v) { field::SetText(Value().euInsuranceNo, v); }
std::string Insurance::GetOidEuStateOfBirth() const {
  return field::Text(Value().oidEuStateOfBirth);
}
void Insurance::SetOidEuStateOfBirth(std::string const& v) {
  field::SetText(Value().oidEuStateOfBirth, v);
}
bool Insurance::GetFreeingOfERDuesUI() const { return Value().freeingOfERDuesUI; }
void Insurance::SetFreeingOfERDuesUI(bool v) { Value().freeingOfERDuesUI = v; }
std::string Insurance::GetMemo() const { return field::Text(Value().memo); }
void Insurance::SetMemo(std::string const& v) { field::SetText(Value().memo, v); }
std::string Insurance::GetOidHealthFundKVdR() const {
  return field::Text(Value().oidHealthFundKVdR);
}
void Insurance::SetOidHealthFundKVdR(std::string const& v) {
  field::SetText(Value().oidHealthFundKVdR, v);
}
std::string Insurance::GetMembershipKVdR() const { return field::Text(Value().membershipKVdR); }
void Insurance::SetMembershipKVdR(std::string const& v) {
  field::SetText(Value().membershipKVdR, v);
}
base::VFixed Insurance::GetLimitOfDues() const { return field::Fixed(Value().limitOfDues); }
void Insurance::SetLimitOfDues(base::VFixed const& v) { field::SetFixed(Value().limitOfDues, v); }
base::VFixed Insurance::GetLegalPension() const { return field::Fixed(Value().legalPension); }
void Insurance::SetLegalPension(base::VFixed const& v) { field::SetFixed(Value().legalPension, v); }
insurance::ChoiseOfDuesHIEnum Insurance::GetChoiseOfDuesHI() const {
  return Value().choiseOfDuesHI;
}
void Insurance::SetChoiseOfDuesHI(insurance::ChoiseOfDuesHIEnum v) { Value().choiseOfDuesHI = v; }
base::VFixed Insurance::GetDuesHI() const { return field::Fixed(Value().duesHI); }
void Insurance::SetDuesHI(base::VFixed const& v) { field::SetFixed(Value().duesHI, v); }
insurance::ChoiseOfDuesNIEnum Insurance::GetChoiseOfDuesNI() const {
  return Value().choiseOfDuesNI;
}
void Insurance::SetChoiseOfDuesNI(insurance::ChoiseOfDuesNIEnum v) { Value().choiseOfDuesNI = v; }
base::VFixed Insurance::GetDuesNI() const { return field::Fixed(Value().duesNI); }
void Insurance::SetDuesNI(base::VFixed const& v) { field::SetFixed(Value().duesNI, v); }
base::VDate Insurance::GetBeginAgePartTime() const { return field::Date(Value().beginAgePartTime); }
void Insurance::SetBeginAgePartTime(base::VDate const& v) {
  field::SetDate(Value().beginAgePartTime, v);
}
base::VDate Insurance::GetEndAgePartTime() const { return field::Date(Value().endAgePartTime); }
void Insurance::SetEndAgePartTime(base::VDate const& v) {
  field::SetDate(Value().endAgePartTime, v);
}
long Insurance::GetPersonnelnumberReplacer() const { return Value().personnelnumberReplacer; }
void Insurance::SetPersonnelnumberReplacer(long v) {
  Value().personnelnumberReplacer = static_cast<CORBA::Long>(v);
}
std::wstring Insurance::GetNameReplacer() const { return field::Wide(Value().nameReplacer); }
void Insurance::SetNameReplacer(std::wstring const& v) { field::SetWide(Value().nameReplacer, v); }
base::VFixed Insurance::GetPercentageIncreaseDues() const {
  return field::Fixed(Value().percentageIncreaseDues);
}
void Insurance::SetPercentageIncreaseDues(base::VFixed const& v) {
  field::SetFixed(Value().percentageIncreaseDues, v);
}
base::VFixed Insurance::GetPercentageMinNetIncome() const {
  return field::Fixed(Value().percentageMinNetIncome);
}
void Insurance::SetPercentageMinNetIncome(base::VFixed const& v) {
  field::SetFixed(Value().percentageMinNetIncome, v);
}
base::VFixed Insurance::GetPercentagePIIncrease() const {
  return field::Fixed(Value().percentagePIIncrease);
}
void Insurance::SetPercentagePIIncrease(base::VFixed const& v) {
  field::SetFixed(Value().percentagePIIncrease, v);
}
insurance::TypeAgePartTimeEnum Insurance::GetTypeAgePartTime() const {
  return Value().typeAgePartTime;
}
void Insurance::SetTypeAgePartTime(insurance::TypeAgePartTimeEnum v) {
  Value().typeAgePartTime = v;
}
base::VDate Insurance::GetBeginWorkExemption() const {
  return field::Date(Value().beginWorkExemption);
}
void Insurance::SetBeginWorkExemption(base::VDate const& v) {
  field::SetDate(Value().beginWorkExemption, v);
}
bool Insurance::GetNiChildEducation() const { return Value().niChildEducation; }
void Insurance::SetNiChildEducation(bool v) { Value().niChildEducation = v; }
base::VDate Insurance::GetDateOfReceipt() const { return field::Date(Value().dateOfReceipt); }
void Insurance::SetDateOfReceipt(base::VDate const& v) { field::SetDate(Value().dateOfReceipt, v); }
bool Insurance::GetNiChildOfEducKVdR() const { return Value().niChildOfEducKVdR; }
void Insurance::SetNiChildOfEducKVdR(bool v) { Value().niChildOfEducKVdR = v; }
base::VDate Insurance::GetDateOfReceiptKVdR() const {
  return field::Date(Value().dateOfReceiptKVdR);
}
void Insurance::SetDateOfReceiptKVdR(base::VDate const& v) {
  field::SetDate(Value().dateOfReceiptKVdR, v);
}
insurance::StatusCodeEnum Insurance::GetStatusCode() const { return Value().statusCode; }
void Insurance::SetStatusCode(insurance::StatusCodeEnum v) { Value().statusCode = v; }
base::VFixed Insurance::GetTotalRateToVHIAbleForGrantByER() const {
  return field::Fixed(Value().totalRateToVHIAbleForGrantByER);
}
void Insurance::SetTotalRateToVHIAbleForGrantByER(base::VFixed const& v) {
  field::SetFixed(Value().totalRateToVHIAbleForGrantByER, v);
}
bool Insurance::GetIncreasedDuesMinersPISheme() const { return Value().increasedDuesMinersPISheme; }
void Insurance::SetIncreasedDuesMinersPISheme(bool v) { Value().increasedDuesMinersPISheme = v; }
std::string Insurance::GetOidRecipient() const { return field::Text(Value().oidRecipient); }
void Insurance::SetOidRecipient(std::string const& v) { field::SetText(Value().oidRecipient, v); }
std::string Insurance::GetPpMembershipNumber() const {
  return field::Text(Value().ppMembershipNumber);
}
void Insurance::SetPpMembershipNumber(std::string const& v) {
  field::SetText(Value().ppMembershipNumber, v);
}
insurance::ModeOfPensionEnum Insurance::GetModeOfPension() const { return Value().modeOfPension; }
void Insurance::SetModeOfPension(insurance::ModeOfPensionEnum v) { Value().modeOfPension = v; }
insurance::ModeOfCalculationEnum Insurance::GetModeOfCalculation() const {
  return Value().modeOfCalculation;
}
void Insurance::SetModeOfCalculation(insurance::ModeOfCalculationEnum v) {
  Value().modeOfCalculation = v;
}
base::VFixed Insurance::GetTotalDues() const { return field::Fixed(Value().totalDues); }
void Insurance::SetTotalDues(base::VFixed const& v) { field::SetFixed(Value().totalDues, v); }
base::VFixed Insurance::GetEmployersAllowance() const {
  return field::Fixed(Value().employersAllowance);
}
void Insurance::SetEmployersAllowance(base::VFixed const& v) {
  field::SetFixed(Value().employersAllowance, v);
}
insurance::RemittanceEnum Insurance::GetRemittance() const { return Value().remittance; }
void Insurance::SetRemittance(insurance::RemittanceEnum v) { Value().remittance = v; }
bool Insurance::GetUseAgePartTime() const { return Value().useAgePartTime; }
void Insurance::SetUseAgePartTime(bool v) { Value().useAgePartTime = v; }
std::string Insurance::GetOidAgePartTimeModel() const {
  return field::Text(Value().oidAgePartTimeModel);
}
void Insurance::SetOidAgePartTimeModel(std::string const& v) {
  field::SetText(Value().oidAgePartTimeModel, v);
}
std::string Insurance::GetCustomerNoPTA() const { return field::Text(Value().customerNoPTA); }
void Insurance::SetCustomerNoPTA(std::string const& v) { field::SetText(Value().customerNoPTA, v); }
std::string Insurance::GetCompanyKeyOfReplacer() const {
  return field::Text(Value().companyKeyOfReplacer);
}
void Insurance::SetCompanyKeyOfReplacer(std::string const& v) {
  field::SetText(Value().companyKeyOfReplacer, v);
}
bool Insurance::GetDeposit() const { return Value().deposit; }
void Insurance::SetDeposit(bool v) { Value().deposit = v; }
bool Insurance::GetStoerfall() const { return Value().stoerfall; }
void Insurance::SetStoerfall(bool v) { Value().stoerfall = v; }
std::wstring Insurance::GetSurname() const { return field::Wide(Value().surname); }
void Insurance::SetSurname(std::wstring const& v) { field::SetWide(Value().surname, v); }
std::wstring Insurance::GetFirstname() const { return field::Wide(Value().firstname); }
void Insurance::SetFirstname(std::wstring const& v) { field::SetWide(Value().firstname, v); }
std::string Insurance::GetPostalCode() const { return field::Text(Value().postalCode); }
void Insurance::SetPostalCode(std::string const& v) { field::SetText(Value().postalCode, v); }
std::string Insurance::GetDomicile() const { return field::Text(Value().domicile); }
void Insurance::SetDomicile(std::string const& v) { field::SetText(Value().domicile, v); }
std::string Insurance::GetStreet() const { return field::Text(Value().street); }
void Insurance::SetStreet(std::string const& v) { field::SetText(Value().street, v); }
std::string Insurance::GetStreetNumber() const { return field::Text(Value().streetNumber); }
void Insurance::SetStreetNumber(std::string const& v) { field::SetText(Value().streetNumber, v); }
std::string Insurance::GetAddressAddendum() const { return field::Text(Value().addressAddendum); }
void Insurance::SetAddressAddendum(std::string const& v) {
  field::SetText(Value().addressAddendum, v);
}
bool Insurance::GetPrivateHI31122002() const { return Value().privateHI31122002; }
void Insurance::SetPrivateHI31122002(bool v) { Value().privateHI31122002 = v; }
base::VDate Insurance::GetStartingDatePHI() const { return field::Date(Value().startingDatePHI); }
void Insurance::SetStartingDatePHI(base::VDate const& v) {
  field::SetDate(Value().startingDatePHI, v);
}
insurance::AnnualLimitPHIEnum Insurance::GetAnnualLimitPHIEnum() const {
  return Value().annualLimitPHIEnum;
}
void Insurance::SetAnnualLimitPHIEnum(insurance::AnnualLimitPHIEnum v) {
  Value().annualLimitPHIEnum = v;
}
base::VDate Insurance::GetStartOfPensionPayment() const {
  return field::Date(Value().startOfPensionPayment);
}
void Insurance::SetStartOfPensionPayment(base::VDate const& v) {
  field::SetDate(Value().startOfPensionPayment, v);
}
base::VDate Insurance::GetDateOfPensionBalance() const {
  return field::Date(Value().dateOfPensionBalance);
}
void Insurance::SetDateOfPensionBalance(base::VDate const& v) {
  field::SetDate(Value().dateOfPensionBalance, v);
}
std::string Insurance::GetOidInsolvencyHealthFund() const {
  return field::Text(Value().oidInsolvencyHealthFund);
}
void Insurance::SetOidInsolvencyHealthFund(std::string const& v) {
  field::SetText(Value().oidInsolvencyHealthFund, v);
}
bool Insurance::GetInsolvencyDuty() const { return Value().insolvencyDuty; }
void Insurance::SetInsolvencyDuty(bool v) { Value().insolvencyDuty = v; }
bool Insurance::GetInsGOfOther() const { return Value().insGOfOther; }
void Insurance::SetInsGOfOther(bool v) { Value().insGOfOther = v; }
std::string Insurance::GetProcessNo() const { return field::Text(Value().processNo); }
void Insurance::SetProcessNo(std::string const& v) { field::SetText(Value().processNo, v); }
base::VFixed Insurance::GetBaseRatePrivateInsurance() const {
  return field::Fixed(Value().baseRatePrivateInsurance);
}
void Insurance::SetBaseRatePrivateInsurance(base::VFixed const& v) {
  field::SetFixed(Value().baseRatePrivateInsurance, v);
}
bool Insurance::GetChangeOfRecipient() const { return Value().changeOfRecipient; }
void Insurance::SetChangeOfRecipient(bool v) { Value().changeOfRecipient = v; }
long Insurance::GetChangePersonnelnumber() const { return Value().changePersonnelnumber; }
void Insurance::SetChangePersonnelnumber(long v) {
  Value().changePersonnelnumber = static_cast<CORBA::Long>(v);
}
std::string Insurance::GetReferenceNumberHealthFund() const {
  return field::Text(Value().referenceNumberHealthFund);
}
void Insurance::SetReferenceNumberHealthFund(std::string const& v) {
  field::SetText(Value().referenceNumberHealthFund, v);
}
base::VDate Insurance::GetBeginKVDR() const { return field::Date(Value().beginKVDR); }
void Insurance::SetBeginKVDR(base::VDate const& v) { field::SetDate(Value().beginKVDR, v); }
base::VDate Insurance::GetEndKVDR() const { return field::Date(Value().endKVDR); }
void Insurance::SetEndKVDR(base::VDate const& v) { field::SetDate(Value().endKVDR, v); }
base::VDate Insurance::GetDateCapitalPayment() const {
  return field::Date(Value().dateCapitalPayment);
}
void Insurance::SetDateCapitalPayment(base::VDate const& v) {
  field::SetDate(Value().dateCapitalPayment, v);
}
base::VDate Insurance::GetBeginCapitalPayment() const {
  return field::Date(Value().beginCapitalPayment);
}
void Insurance::SetBeginCapitalPayment(base::VDate const& v) {
  field::SetDate(Value().beginCapitalPayment, v);
}
base::VDate Insurance::GetEndCapitalPayment() const {
  return field::Date(Value().endCapitalPayment);
}
void Insurance::SetEndCapitalPayment(base::VDate const& v) {
  field::SetDate(Value().endCapitalPayment, v);
}
base::VFixed Insurance::GetCapitalPayment() const { return field::Fixed(Value().capitalPayment); }
void Insurance::SetCapitalPayment(base::VFixed const& v) {
  field::SetFixed(Value().capitalPayment, v);
}
insurance::MultipleIncomeEnum Insurance::GetMultipleIncomeEnum() const {
  return Value().multipleIncomeEnum;
}
void Insurance::SetMultipleIncomeEnum(insurance::MultipleIncomeEnum v) {
  Value().multipleIncomeEnum = v;
}
bool Insurance::GetAdjustmentLimitOfDues() const { return Value().adjustmentLimitOfDues; }
void Insurance::SetAdjustmentLimitOfDues(bool v) { Value().adjustmentLimitOfDues = v; }
std::string Insurance::GetReferenceNumberZahls() const {
  return field::Text(Value().referenceNumberZahls);
}
void Insurance::SetReferenceNumberZahls(std::string const& v) {
  field::SetText(Value().referenceNumberZahls, v);
}
bool Insurance::GetChangeNumberHealthFund() const { return Value().changeNumberHealthFund; }
void Insurance::SetChangeNumberHealthFund(bool v) { Value().changeNumberHealthFund = v; }
std::string Insurance::GetReferenceNumberZahlsCapitalPayment() const {
  return field::Text(Value().referenceNumberZahlsCapitalPayment);
}
void Insurance::SetReferenceNumberZahlsCapitalPayment(std::string const& v) {
  field::SetText(Value().referenceNumberZahlsCapitalPayment, v);
}
std::string Insurance::GetReferenceNumberHealthFundCapitalPayment() const {
  return field::Text(Value().referenceNumberHealthFundCapitalPayment);
}
void Insurance::SetReferenceNumberHealthFundCapitalPayment(std::string const& v) {
  field::SetText(Value().referenceNumberHealthFundCapitalPayment, v);
}
std::string Insurance::GetOidOccupationLong() const {
  return field::Text(Value().oidOccupationLong);
}
void Insurance::SetOidOccupationLong(std::string const& v) {
  field::SetText(Value().oidOccupationLong, v);
}
long Insurance::GetSchoolLeaving() const { return Value().schoolLeaving; }
void Insurance::SetSchoolLeaving(long v) { Value().schoolLeaving = static_cast<CORBA::Long>(v); }
long Insurance::GetProfessionalEducation() const { return Value().professionalEducation; }
void Insurance::SetProfessionalEducation(long v) {
  Value().professionalEducation = static_cast<CORBA::Long>(v);
}
long Insurance::GetManPowerProvision() const { return Value().manPowerProvision; }
void Insurance::SetManPowerProvision(long v) {
  Value().manPowerProvision = static_cast<CORBA::Long>(v);
}
long Insurance::GetTypeOfContract() const { return Value().typeOfContract; }
void Insurance::SetTypeOfContract(long v) { Value().typeOfContract = static_cast<CORBA::Long>(v); }
bool Insurance::GetDecreaseOfDuesInReducedHours() const {
  return Value().decreaseOfDuesInReducedHours;
}
void Insurance::SetDecreaseOfDuesInReducedHours(bool v) {
  Value().decreaseOfDuesInReducedHours = v;
}
bool Insurance::GetManagingDirector() const { return Value().managingDirector; }
void Insurance::SetManagingDirector(bool v) { Value().managingDirector = v; }
bool Insurance::GetStartOfPensionWith65() const { return Value().startOfPensionWith65; }
void Insurance::SetStartOfPensionWith65(bool v) { Value().startOfPensionWith65 = v; }
base::VDate Insurance::GetDateOfStartOfPensionWith65() const {
  return field::Date(Value().dateOfStartOfPensionWith65);
}
void Insurance::SetDateOfStartOfPensionWith65(base::VDate const& v) {
  field::SetDate(Value().dateOfStartOfPensionWith65, v);
}
std::string Insurance::GetOidSIStatus() const { return field::Text(Value().oidSIStatus); }
void Insurance::SetOidSIStatus(std::string const& v) { field::SetText(Value().oidSIStatus, v); }
std::string Insurance::GetOidEmployeeDislocation() const {
  return field::Text(Value().oidEmployeeDislocation);
}
void Insurance::SetOidEmployeeDislocation(std::string const& v) {
  field::SetText(Value().oidEmployeeDislocation, v);
}
base::VFixed Insurance::GetAnnaulEarningsGLZ() const {
  return field::Fixed(Value().annaulEarningsGLZ);
}
void Insurance::SetAnnaulEarningsGLZ(base::VFixed const& v) {
  field::SetFixed(Value().annaulEarningsGLZ, v);
}
insurance::IntervalKVDREnum Insurance::GetIntervalKVDR() const { return Value().intervalKVDR; }
void Insurance::SetIntervalKVDR(insurance::IntervalKVDREnum v) { Value().intervalKVDR = v; }
int Insurance::GetMonthFirstPaymentKVDR() const { return Value().monthFirstPaymentKVDR; }
void Insurance::SetMonthFirstPaymentKVDR(int v) {
  Value().monthFirstPaymentKVDR = static_cast<CORBA::Long>(v);
}
base::VFixed Insurance::GetDuesKVDR() const { return field::Fixed(Value().duesKVDR); }
void Insurance::SetDuesKVDR(base::VFixed const& v) { field::SetFixed(Value().duesKVDR, v); }
bool Insurance::GetOldLowWageArea() const { return Value().oldLowWageArea; }
void Insurance::SetOldLowWageArea(bool v) { Value().oldLowWageArea = v; }
bool Insurance::GetOfferForExemptionFromPI() const { return Value().offerForExemptionFromPI; }
void Insurance::SetOfferForExemptionFromPI(bool v) { Value().offerForExemptionFromPI = v; }
base::VDate Insurance::GetDateOfferForExemptionFromPI() const {
  return field::Date(Value().dateOfferForExemptionFromPI);
}
void Insurance::SetDateOfferForExemptionFromPI(base::VDate const& v) {
  field::SetDate(Value().dateOfferForExemptionFromPI, v);
}
bool Insurance::GetNoRegistrationKVDR() const { return Value().noRegistrationKVDR; }
void Insurance::SetNoRegistrationKVDR(bool v) { Value().noRegistrationKVDR = v; }
bool Insurance::GetErPaysNISurcharge() const { return Value().erPaysNISurcharge; }
void Insurance::SetErPaysNISurcharge(bool v) { Value().erPaysNISurcharge = v; }
std::string Insurance::GetOidRecipientDisabledInstitute() const {
  return field::Text(Value().oidRecipientDisabledInstitute);
}
void Insurance::SetOidRecipientDisabledInstitute(std::string const& v) {
  field::SetText(Value().oidRecipientDisabledInstitute, v);
}
bool Insurance::GetPiRehabResponsible() const { return Value().piRehabResponsible; }
void Insurance::SetPiRehabResponsible(bool v) { Value().piRehabResponsible = v; }
std::string Insurance::GetReferenceNumber() const { return field::Text(Value().referenceNumber); }
void Insurance::SetReferenceNumber(std::string const& v) {
  field::SetText(Value().referenceNumber, v);
}
bool Insurance::GetDifferentPensionschemeSetting() const {
  return Value().differentPensionschemeSetting;
}
void Insurance::SetDifferentPensionschemeSetting(bool v) {
  Value().differentPensionschemeSetting = v;
}
insurance::ContributionScalePHIEnum Insurance::GetContScalePHI() const {
  return Value().contScalePHI;
}
void Insurance::SetContScalePHI(insurance::ContributionScalePHIEnum v) { Value().contScalePHI = v; }
bool Insurance::GetSeasonalworker() const { return Value().seasonalworker; }
void Insurance::SetSeasonalworker(bool v) { Value().seasonalworker = v; }
std::string Insurance::GetOidRecipientPHI() const { return field::Text(Value().oidRecipientPHI); }
void Insurance::SetOidRecipientPHI(std::string const& v) {
  field::SetText(Value().oidRecipientPHI, v);
}
std::string Insurance::GetAuthorizedForAid() const { return field::Text(Value().authorizedForAid); }
void Insurance::SetAuthorizedForAid(std::string const& v) {
  field::SetText(Value().authorizedForAid, v);
}
base::VFixed Insurance::GetErAllowanceHIFarm() const {
  return field::Fixed(Value().erAllowanceHIFarm);
}
void Insurance::SetErAllowanceHIFarm(base::VFixed const& v) {
  field::SetFixed(Value().erAllowanceHIFarm, v);
}
base::VFixed Insurance::GetErAllowanceNIFarm() const {
  return field::Fixed(Value().erAllowanceNIFarm);
}
void Insurance::SetErAllowanceNIFarm(base::VFixed const& v) {
  field::SetFixed(Value().erAllowanceNIFarm, v);
}
bool Insurance::GetIsNoPensionForParagraph229() const { return Value().isNoPensionForParagraph229; }
void Insurance::SetIsNoPensionForParagraph229(bool v) { Value().isNoPensionForParagraph229 = v; }
bool Insurance::GetIsNoPensionForPar229Capital() const {
  return Value().isNoPensionForPar229Capital;
}
void Insurance::SetIsNoPensionForPar229Capital(bool v) { Value().isNoPensionForPar229Capital = v; }
int Insurance::GetDemandOfFreeAmount() const { return Value().demandOfFreeAmount; }
void Insurance::SetDemandOfFreeAmount(int v) {
  Value().demandOfFreeAmount = static_cast<CORBA::Long>(v);
}
base::VFixed Insurance::GetFreeAmount() const { return field::Fixed(Value().freeAmount); }
void Insurance::SetFreeAmount(base::VFixed const& v) { field::SetFixed(Value().freeAmount, v); }
std::string Insurance::GetOidLegalHealthFund() const {
  return field::Text(Value().oidLegalHealthFund);
}
void Insurance::SetOidLegalHealthFund(std::string const& v) {
  field::SetText(Value().oidLegalHealthFund, v);
}
bool Insurance::GetUseTransitionBy31122022() const { return Value().useTransitionBy31122022; }
void Insurance::SetUseTransitionBy31122022(bool v) { Value().useTransitionBy31122022 = v; }
std::string Insurance::GetNoExcemptionOfInsuranceSGBVI() const {
  return field::Text(Value().noExcemptionOfInsuranceSGBVI);
}
void Insurance::SetNoExcemptionOfInsuranceSGBVI(std::string const& v) {
  field::SetText(Value().noExcemptionOfInsuranceSGBVI, v);
}
long Insurance::GetExclusionFacts() const { return Value().exclusionFacts; }
void Insurance::SetExclusionFacts(long v) { Value().exclusionFacts = static_cast<CORBA::Long>(v); }
long Insurance::GetExclusionFactsCapital() const { return Value().exclusionFactsCapital; }
void Insurance::SetExclusionFactsCapital(long v) {
  Value().exclusionFactsCapital = static_cast<CORBA::Long>(v);
}
long Insurance::GetOrphanBenefit() const { return Value().orphanBenefit; }
void Insurance::SetOrphanBenefit(long v) { Value().orphanBenefit = static_cast<CORBA::Long>(v); }
long Insurance::GetAeinsHIduty() const { return Value().aeinsHIduty; }
void Insurance::SetAeinsHIduty(long v) { Value().aeinsHIduty = static_cast<CORBA::Long>(v); }

// --- filter ---------------------------------------------------------------

EEInsuranceFilter::EEInsuranceFilter() { ClearEEInsuranceFilter(); }

void EEInsuranceFilter::ClearEEInsuranceFilter() {
  SetOidHealthFund("");
  SetOidHealthFundKVdR("");
  ClearAssessmentDuty();
  ClearPersGroup();
  ClearDuesGroupHI();
  ClearDuesGroupPI();
  ClearDuesGroupUI();
  ClearDuesGroupNI();
  ClearPrivateHI();
  ClearContributionScaleVHI();
  ClearMultiplyEmployment();
  ClearSpecialCategory();
  SetInsuranceNo("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname(L"");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
  SetOidSocialInsuranceStatus("");
}

void EEInsuranceFilter::SetOidHealthFund(std::string const& v) {
  field::SetText(filter_.oidHealthFund, v);
}
void EEInsuranceFilter::SetOidHealthFundKVdR(std::string const& v) {
  field::SetText(filter_.oidHealthFundKVdR, v);
}
void EEInsuranceFilter::SetAssessmentDuty(insurance::AssessmentDutyEnum v) {
  filter_.assessmentDuty.assessmentduty(v);
}
void EEInsuranceFilter::ClearAssessmentDuty() { filter_.assessmentDuty._default(); }
void EEInsuranceFilter::SetPersGroup(long v) {
  filter_.persGroup.persongroup(static_cast<CORBA::Long>(v));
}
void EEInsuranceFilter::ClearPersGroup() { filter_.persGroup._default(); }
void EEInsuranceFilter::SetDuesGroupHI(long v) {
  filter_.duesGroupHI.duesgrouphi(static_cast<CORBA::Long>(v));
}
void EEInsuranceFilter::ClearDuesGroupHI() { filter_.duesGroupHI._default(); }
void EEInsuranceFilter::SetDuesGroupPI(long v) {
  filter_.duesGroupPI.duesgrouppi(static_cast<CORBA::Long>(v));
}
void EEInsuranceFilter::ClearDuesGroupPI() { filter_.duesGroupPI._default(); }
void EEInsuranceFilter::SetDuesGroupUI(long v) {
  filter_.duesGroupUI.duesgroupui(static_cast<CORBA::Long>(v));
}
void EEInsuranceFilter::ClearDuesGroupUI() { filter_.duesGroupUI._default(); }
void EEInsuranceFilter::SetDuesGroupNI(long v) {
  filter_.duesGroupNI.duesgroupni(static_cast<CORBA::Long>(v));
}
void EEInsuranceFilter::ClearDuesGroupNI() { filter_.duesGroupNI._default(); }
void EEInsuranceFilter::SetPrivateHI(bool v) { filter_.privateHI.privateHI(v); }
void EEInsuranceFilter::ClearPrivateHI() { filter_.privateHI._default(); }
void EEInsuranceFilter::SetContributionScaleVHI(insurance::ContributionScaleVHIEnum v) {
  filter_.contributionScaleVHI.contscalevhi(v);
}
void EEInsuranceFilter::ClearContributionScaleVHI() { filter_.contributionScaleVHI._default(); }
void EEInsuranceFilter::SetMultiplyEmployment(insurance::MultiplyEmploymentEnum v) {
  filter_.multiplyEmployment.multiplyemployment(v);
}
void EEInsuranceFilter::ClearMultiplyEmployment() { filter_.multiplyEmployment._default(); }
void EEInsuranceFilter::SetSpecialCategory(insurance::SpecialCategoryEnum v) {
  filter_.specialCategory.specialcategory(v);
}
void EEInsuranceFilter::ClearSpecialCategory() { filter_.specialCategory._default(); }
void EEInsuranceFilter::SetInsuranceNo(std::string const& v) {
  field::SetText(filter_.insuranceNo, v);
}
void EEInsuranceFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EEInsuranceFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void EEInsuranceFilter::ClearPnr() { filter_.pnr._default(); }
void EEInsuranceFilter::SetSurname(std::wstring const& v) { field::SetWide(filter_.surname, v); }
void EEInsuranceFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EEInsuranceFilter::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void EEInsuranceFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}
void EEInsuranceFilter::SetOidSocialInsuranceStatus(std::string const& v) {
  field::SetText(filter_.oidSocialInsuranceStatus, v);
}

// --- employee and social-insurance number ---------------------------------

SocialInsuranceNo::SocialInsuranceNo(EmployeeShort const& employee, std::string const& number) {
  SetEmployeeShort(employee);
  SetSocialInsuranceNo(number);
  MakeBoCopy();
}
void SocialInsuranceNo::SetEmployeeShort(EmployeeShort const& v) {
  Value().employeeShort = v.ToIdl();
}
void SocialInsuranceNo::SetSocialInsuranceNo(std::string const& v) {
  field::SetText(Value().socialInsuranceNo, v);
}

// --- record object ----------------------------------------------------------

std::vector<personnel::Error*>* EEInsurance::GetErrors() { return errors_.Get(Value().errors); }
void EEInsurance::SetErrors(std::vector<personnel::Error*> const* v) {
  ErrorList::Set(Value().errors, v);
}

void EEInsurance::ResetEffectiveFrom() { Period().effectiveFrom = ""; }

void EEInsurance::Commit() {
  bool const change_of_address = change_of_address_;
  CommitThreeWay<InsuranceService>(
      [](InsuranceServant_ptr s, Token t, insurance::EEInsuranceStruct const& v) {
        return s->createInsurance(t, v);
      },
      [change_of_address](InsuranceServant_ptr s, Token t, insurance::EEInsuranceStruct const& v,
                          bool removeNew) {
        return s->addInsurance(t, v, removeNew, change_of_address);
      },
      [change_of_address](InsuranceServant_ptr s, Token t, insurance::EEInsuranceStruct const& v,
                          bool removeNew) {
        return s->setInsurance(t, v, removeNew, change_of_address);
      },
      OnFailure::kReset, RemoveNew::kTrueOnAddFalseOnSet);
}

void EEInsurance::GetMigrationEmployee() {
  auto result = Remote_::Call([this](InsuranceServant_ptr s, Token t) {
    SetInternalValidFrom(GetValidFrom());
    return s->getMigrationEmployee(t, ToIdl());
  });
  // Not TakeOver: the object stays as new as it was.
  SetValue(result.in());
  MakeBoCopy();
}

std::string EEInsurance::GetConfirmBeforeSave() const {
  auto text = Remote_::Call(
      [this](InsuranceServant_ptr s, Token t) { return s->getConfirmBeforeSave(t, ToIdl()); });
  return std::string(text.in());
}

std::vector<EEInsurance*>* EEInsurance::GetActiveInsurances(
    std::vector<EEInsuranceFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEInsurance>([](InsuranceServant_ptr s, Token t, auto const& f,
                                       auto const& o) { return s->getActiveInsurance(t, f, o); },
                                    ToIdlSeq<insurance::EEInsuranceFilterSeq>(filters),
                                    sort.ToIdl());
}

EEInsurance::Callback* EEInsurance::GetActiveEEInsurancesCB(
    std::vector<EEInsuranceFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](InsuranceServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveInsuranceCB(t, f, o, cb);
      },
      ToIdlSeq<insurance::EEInsuranceFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEInsurance*>* EEInsurance::GetAllInsuranceHistory(std::string oid_employee) {
  return Remote_::List<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e) {
        return s->getAllInsuranceHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEInsurance*>* EEInsurance::GetActiveEffectiveInsuranceHistory(
    std::string oid_employee) {
  return Remote_::List<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e) {
        return s->getActiveEffectiveInsuranceHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEInsurance*>* EEInsurance::GetEffectiveInsuranceHistory(std::string oid_employee,
                                                                     base::VDate date) {
  return Remote_::List<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEffectiveInsuranceHistory(t, e.c_str(), d.c_str());
      },
      oid_employee, date.ToIdl());
}

std::vector<EEInsurance*>* EEInsurance::GetLinkedAllInsuranceHistory(std::string oid_employee) {
  return Remote_::List<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedAllInsuranceHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEInsurance*>* EEInsurance::GetLinkedActiveEffectiveInsuranceHistory(
    std::string oid_employee) {
  return Remote_::List<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e) {
        return s->getLinkedActiveEffectiveInsuranceHistory(t, e.c_str());
      },
      oid_employee);
}

EEInsurance EEInsurance::GetObjectFromObjectId(std::string const& oid_employee,
                                               base::VDate const& effective,
                                               base::VDate const& valid) {
  return Remote_::Fetch<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e, std::string const& at,
         std::string const& v) {
        return s->getObjectFromObjectId(t, e.c_str(), at.c_str(), v.c_str());
      },
      oid_employee, effective.ToIdl(), valid.ToIdl());
}

std::vector<EEInsurance*>* EEInsurance::GetInsurancesForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEInsurance>(
      [](InsuranceServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getInsurancesForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

long EEInsurance::GetActivePersonGroup(std::string const& oid_p_company, long pnr) {
  EEInsuranceFilter filter;
  filter.SetPnr(pnr);
  filter.SetOidPCompany(oid_p_company);
  std::vector<EEInsuranceFilter*> const filters{&filter};
  auto found = Remote_::Call([](InsuranceServant_ptr s, Token t, auto const& f,
                                auto const& o) { return s->getActiveInsurance(t, f, o); },
                             ToIdlSeq<insurance::EEInsuranceFilterSeq>(&filters),
                             base::Sortierung().ToIdl());
  if (found->length() == 0) return 0;
  return EEInsurance(found[0]).GetInsurance().GetPersonGroup();
}

bool EEInsurance::GetPensionable(std::string oid_employee, base::VDate effective,
                                 base::VDate valid) {
  return Remote_::Call(
      [](InsuranceServant_ptr s, Token t, std::string const& e, std::string const& at,
         std::string const& v) { return s->getPensionable(t, e.c_str(), at.c_str(), v.c_str()); },
      oid_employee, effective.ToIdl(), valid.ToIdl());
}

std::string EEInsurance::GetApprenticeFrom(std::string const& oid_employee) {
  auto text = Remote_::Call([](InsuranceServant_ptr s, Token t,
                               std::string const& e) { return s->getApprenticeFrom(t, e.c_str()); },
                            oid_employee);
  return std::string(text.in());
}

}  // namespace ostrel
