// Wire order of the statutory records: every field of each record struct
// travels to the reference server and back (a separate process, over IIOP)
// and must come back through its own getter and at its own position in the
// encoding; the filters' fields must sit at their positions too.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ownership.h"
#include "reference_server.h"
#include "round_trip.h"
#include "statutory/dismissal.h"
#include "statutory/insurance.h"
#include "statutory/pensionfunds.h"
#include "statutory/tax.h"

namespace ostrel {
namespace {

using testing::ExpectHolds;
using testing::ExpectRoundTrips;
using testing::Field;
using testing::Filter;
using testing::Optional;
using testing::Skip;
using testing::WireTable;
using testing::WireValues;
using ExtendedFilterStruct =
    com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct;
using ZVKFilter = PensionFundFilter<zvk::EEZVKFilterStruct>;
using VBLUFilter = PensionFundFilter<vblu::EEVBLUFilterStruct>;

// Each record belongs to an employee the server knows.
constexpr char kTaxEmployee[] = "EMP-2";
constexpr char kInsuranceEmployee[] = "EMP-3";
constexpr char kZVKTPEmployee[] = "EMP-5";
constexpr char kVBLUTPEmployee[] = "EMP-6";
constexpr char kDismissalTPEmployee[] = "EMP-7";

WireTable<Tax> TaxFields() {
  return WireTable<Tax>({
      Skip<Tax, ObjectStruct>(1),
      Skip<Tax, TimePeriodStruct>(2),
      Field(3, &Tax::SetOidEmployee, &Tax::GetOidEmployee, std::string(kTaxEmployee)),
      Field(4, &Tax::SetTaxCardPresented, &Tax::GetTaxCardPresented),
      Field(5, &Tax::SetIssueYearTaxCard, &Tax::GetIssueYearTaxCard),
      Field(6, &Tax::SetEntryDateTaxCard, &Tax::GetEntryDateTaxCard),
      Field(7, &Tax::SetDateDelivered, &Tax::GetDateDelivered),
      Field(8, &Tax::SetDateReturned, &Tax::GetDateReturned),
      Field(9, &Tax::SetOidCommunity, &Tax::GetOidCommunity),
      Field(10, &Tax::SetOidTaxOffice, &Tax::GetOidTaxOffice),
      Field(11, &Tax::SetIssueDateTaxCard, &Tax::GetIssueDateTaxCard),
      Field(12, &Tax::SetPseudonym, &Tax::GetPseudonym),
      Field(13, &Tax::SetTaxBracket, &Tax::GetTaxBracket),
      Field(14, &Tax::SetChildRelief, &Tax::GetChildRelief),
      Field(15, &Tax::SetChurchTaxEmployee, &Tax::GetChurchTaxEmployee),
      Field(16, &Tax::SetChurchTaxSpouse, &Tax::GetChurchTaxSpouse),
      Field(17, &Tax::SetFreeAllowanceYY, &Tax::GetFreeAllowanceYY),
      Field(18, &Tax::SetFreeAllowanceMM, &Tax::GetFreeAllowanceMM),
      Field(19, &Tax::SetAddAmountYY, &Tax::GetAddAmountYY),
      Field(20, &Tax::SetAddAmountMM, &Tax::GetAddAmountMM),
      Field(21, &Tax::SetTaxacation, &Tax::GetTaxacation),
      Field(22, &Tax::SetPayeTaxFindings, &Tax::GetPayeTaxFindings),
      Field(23, &Tax::SetPayeTax, &Tax::GetPayeTax),
      Field(24, &Tax::SetChurchTax, &Tax::GetChurchTax),
      Field(25, &Tax::SetSolidarityCharge, &Tax::GetSolidarityCharge),
      Field(26, &Tax::SetIncomeTaxReturnYY, &Tax::GetIncomeTaxReturnYY),
      Field(27, &Tax::SetChurchTaxDomicile, &Tax::GetChurchTaxDomicile),
      Field(28, &Tax::SetOidFederalState, &Tax::GetOidFederalState),
      Field(29, &Tax::SetAssociationEE, &Tax::GetAssociationEE),
      Field(30, &Tax::SetErPaysContribut, &Tax::GetErPaysContribut),
      Field(31, &Tax::SetDevRedHHBenfGrp, &Tax::GetDevRedHHBenfGrp),
      Field(32, &Tax::SetDevRedHHBenfRate, &Tax::GetDevRedHHBenfRate),
      Field(33, &Tax::SetCtfcGfBwoutTax, &Tax::GetCtfcGfBwoutTax),
      Field(34, &Tax::SetCtfcYYGfBwoutTax, &Tax::GetCtfcYYGfBwoutTax),
      Field(35, &Tax::SetRegistrGfBwoutTax, &Tax::GetRegistrGfBwoutTax),
      Field(36, &Tax::SetOidtaxofGfBwoutTax, &Tax::GetOidtaxofGfBwoutTax),
      Field(37, &Tax::SetDateCtfcGfBwoutTax, &Tax::GetDateCtfcGfBwoutTax),
      Field(38, &Tax::SetTaxNumber, &Tax::GetTaxNumber),
      Field(39, &Tax::SetCtfcDBAwoutTax, &Tax::GetCtfcDBAwoutTax),
      Field(40, &Tax::SetRegistrDBAwoutTax, &Tax::GetRegistrDBAwoutTax),
      Field(41, &Tax::SetFromDBAwoutTax, &Tax::GetFromDBAwoutTax),
      Field(42, &Tax::SetUntilDBAwoutTax, &Tax::GetUntilDBAwoutTax),
      Field(43, &Tax::SetOidtaxofDBAwoutTax, &Tax::GetOidtaxofDBAwoutTax),
      Field(44, &Tax::SetDateCtfcDBAwoutTax, &Tax::GetDateCtfcDBAwoutTax),
      Field(45, &Tax::SetOldAgeReliefAmount, &Tax::GetOldAgeReliefAmount),
      Field(46, &Tax::SetPensionFreeDues, &Tax::GetPensionFreeDues),
      Field(47, &Tax::SetWageTaxCertificate, &Tax::GetWageTaxCertificate),
      Field(48, &Tax::SetRedOfChurchTax, &Tax::GetRedOfChurchTax),
      Field(49, &Tax::SetMonthlyEarnings, &Tax::GetMonthlyEarnings),
      Field(50, &Tax::SetMemo, &Tax::GetMemo),
      Field(51, &Tax::SetPension, &Tax::GetPension),
      Field(52, &Tax::SetStartDateOfPension, &Tax::GetStartDateOfPension),
      Field(53, &Tax::SetBonusOfPension, &Tax::GetBonusOfPension),
      Field(54, &Tax::SetChurchTaxDeduction, &Tax::GetChurchTaxDeduction),
      Field(55, &Tax::SetComputationOfUnderpaymentIncomeTax,
            &Tax::GetComputationOfUnderpaymentIncomeTax),
      Field(56, &Tax::SetComputationOfUnderpaymentChurchTax,
            &Tax::GetComputationOfUnderpaymentChurchTax),
      Field(57, &Tax::SetComputationOfUnderpaymentSolidarityCharge,
            &Tax::GetComputationOfUnderpaymentSolidarityCharge),
      Field(58, &Tax::SetEvaluationTargetOfPayment, &Tax::GetEvaluationTargetOfPayment),
      Field(59, &Tax::SetTaxOfSwitzerland, &Tax::GetTaxOfSwitzerland),
      Field(60, &Tax::SetTin, &Tax::GetTin),
      Field(61, &Tax::SetPercentageSplit, &Tax::GetPercentageSplit),
      Field(62, &Tax::SetSidelineEmployer, &Tax::GetSidelineEmployer),
      Field(63, &Tax::SetAddAmountWeekly, &Tax::GetAddAmountWeekly),
      Field(64, &Tax::SetAddAmountDaily, &Tax::GetAddAmountDaily),
      Field(65, &Tax::SetFreeAllowanceWeekly, &Tax::GetFreeAllowanceWeekly),
      Field(66, &Tax::SetfreeAllowanceDaily, &Tax::GetfreeAllowanceDaily),
      Field(67, &Tax::SetNoElstam, &Tax::GetNoElstam),
      Field(68, &Tax::SetReregister, &Tax::GetReregister),
      Field(69, &Tax::SetCrossBorderFrance, &Tax::GetCrossBorderFrance),
  });
}

WireTable<Insurance> InsuranceFields() {
  return WireTable<Insurance>({
      Skip<Insurance, ObjectStruct>(1),
      Skip<Insurance, TimePeriodStruct>(2),
      Field(3, &Insurance::SetOidEmployee, &Insurance::GetOidEmployee,
            std::string(kInsuranceEmployee)),
      Field(4, &Insurance::SetOidHealthFund, &Insurance::GetOidHealthFund),
      Field(5, &Insurance::SetOidAssessmentHealthFund, &Insurance::GetOidAssessmentHealthFund),
      Field(6, &Insurance::SetAssessmentDuty, &Insurance::GetAssessmentDuty),
      Field(7, &Insurance::SetMembershipNumber, &Insurance::GetMembershipNumber),
      Field(8, &Insurance::SetSpecialCategoryOfPersons, &Insurance::GetSpecialCategoryOfPersons),
      Field(9, &Insurance::SetOidOccupation, &Insurance::GetOidOccupation),
      Field(10, &Insurance::SetOidOccupationGroup, &Insurance::GetOidOccupationGroup),
      Field(11, &Insurance::SetPositionOfJob, &Insurance::GetPositionOfJob),
      Field(12, &Insurance::SetEducation, &Insurance::GetEducation),
      Field(13, &Insurance::SetPersonGroup, &Insurance::GetPersonGroup),
      Field(14, &Insurance::SetTypeOfPension, &Insurance::GetTypeOfPension),
      Field(15, &Insurance::SetDuesGroupHI, &Insurance::GetDuesGroupHI),
      Field(16, &Insurance::SetDuesGroupPI, &Insurance::GetDuesGroupPI),
      Field(17, &Insurance::SetDuesGroupUI, &Insurance::GetDuesGroupUI),
      Field(18, &Insurance::SetDuesGroupNI, &Insurance::GetDuesGroupNI),
      Field(19, &Insurance::SetNoExemptionPF, &Insurance::GetNoExemptionPF),
      Field(20, &Insurance::SetDateNoExemptionPF, &Insurance::GetDateNoExemptionPF),
      Field(21, &Insurance::SetPrivateHI, &Insurance::GetPrivateHI),
      Field(22, &Insurance::SetTotalRateToPHI, &Insurance::GetTotalRateToPHI),
      Field(23, &Insurance::SetTotalRateToVHI, &Insurance::GetTotalRateToVHI),
      Field(24, &Insurance::SetContScaleVHI, &Insurance::GetContScaleVHI),
      Field(25, &Insurance::SetERAllowanceVHI, &Insurance::GetErAllowanceVHI),
      Field(26, &Insurance::SetERAllowancePHI, &Insurance::GetErAllowancePHI),
      Field(27, &Insurance::SetPrivateNI, &Insurance::GetPrivateNI),
      Field(28, &Insurance::SetTotalRateToPNI, &Insurance::GetTotalRateToPNI),
      Field(29, &Insurance::SetTotalRateToVNI, &Insurance::GetTotalRateToVNI),
      Field(30, &Insurance::SetContScaleVNI, &Insurance::GetContScaleVNI),
      Field(31, &Insurance::SetERAllowanceVNI, &Insurance::GetErAllowanceVNI),
      Field(32, &Insurance::SetERAllowancePNI, &Insurance::GetErAllowancePNI),
      Field(33, &Insurance::SetErPaysHI, &Insurance::GetErPaysHI),
      Field(34, &Insurance::SetErPaysPI, &Insurance::GetErPaysPI),
      Field(35, &Insurance::SetErPaysUI, &Insurance::GetErPaysUI),
      Field(36, &Insurance::SetErPaysNI, &Insurance::GetErPaysNI),
      Field(37, &Insurance::SetMultiplyEmployment, &Insurance::GetMultiplyEmployment),
      Field(38, &Insurance::SetGroupKeyOfOther, &Insurance::GetGroupKeyOfOther),
      Field(39, &Insurance::SetInsuranceNo, &Insurance::GetInsuranceNo),
      Field(40, &Insurance::SetOidNationality, &Insurance::GetOidNationality),
      Field(41, &Insurance::SetSIidCard, &Insurance::GetSIidCard),
      Field(42, &Insurance::SetRegistrSIidCard, &Insurance::GetRegistrSIidCard),
      Field(43, &Insurance::SetChangePno, &Insurance::GetChangePno),
      Field(44, &Insurance::SetNameAtBirth, &Insurance::GetnameAtBirth),
      Field(45, &Insurance::SetNamePrefixAtBirth, &Insurance::GetNamePrefixAtBirth),
      Field(46, &Insurance::SetNameAffixAtBirth, &Insurance::GetNameAffixAtBirth),
      Field(47, &Insurance::SetPlaceOfBirth, &Insurance::GetPlaceOfBirth),
      Field(48, &Insurance::SetEuInsuranceNo, &Insurance::GetEuInsuranceNo),
      Field(49, &Insurance::SetOidEuStateOfBirth, &Insurance::GetOidEuStateOfBirth),
      Field(50, &Insurance::SetFreeingOfERDuesUI, &Insurance::GetFreeingOfERDuesUI),
      Field(51, &Insurance::SetMemo, &Insurance::GetMemo),
      Field(52, &Insurance::SetOidHealthFundKVdR, &Insurance::GetOidHealthFundKVdR),
      Field(53, &Insurance::SetMembershipKVdR, &Insurance::GetMembershipKVdR),
      Field(54, &Insurance::SetLimitOfDues, &Insurance::GetLimitOfDues),
      Field(55, &Insurance::SetLegalPension, &Insurance::GetLegalPension),
      Field(56, &Insurance::SetChoiseOfDuesHI, &Insurance::GetChoiseOfDuesHI),
      Field(57, &Insurance::SetDuesHI, &Insurance::GetDuesHI),
      Field(58, &Insurance::SetChoiseOfDuesNI, &Insurance::GetChoiseOfDuesNI),
      Field(59, &Insurance::SetDuesNI, &Insurance::GetDuesNI),
      Field(60, &Insurance::SetBeginAgePartTime, &Insurance::GetBeginAgePartTime),
      Field(61, &Insurance::SetEndAgePartTime, &Insurance::GetEndAgePartTime),
      Field(62, &Insurance::SetPersonnelnumberReplacer, &Insurance::GetPersonnelnumberReplacer),
      Field(63, &Insurance::SetNameReplacer, &Insurance::GetNameReplacer),
      Field(64, &Insurance::SetPercentageIncreaseDues, &Insurance::GetPercentageIncreaseDues),
      Field(65, &Insurance::SetPercentageMinNetIncome, &Insurance::GetPercentageMinNetIncome),
      Field(66, &Insurance::SetPercentagePIIncrease, &Insurance::GetPercentagePIIncrease),
      Field(67, &Insurance::SetTypeAgePartTime, &Insurance::GetTypeAgePartTime),
      Field(68, &Insurance::SetBeginWorkExemption, &Insurance::GetBeginWorkExemption),
      Field(69, &Insurance::SetNiChildEducation, &Insurance::GetNiChildEducation),
      Field(70, &Insurance::SetDateOfReceipt, &Insurance::GetDateOfReceipt),
      Field(71, &Insurance::SetNiChildOfEducKVdR, &Insurance::GetNiChildOfEducKVdR),
      Field(72, &Insurance::SetDateOfReceiptKVdR, &Insurance::GetDateOfReceiptKVdR),
      Field(73, &Insurance::SetStatusCode, &Insurance::GetStatusCode),
      Field(74, &Insurance::SetTotalRateToVHIAbleForGrantByER,
            &Insurance::GetTotalRateToVHIAbleForGrantByER),
      Field(75, &Insurance::SetIncreasedDuesMinersPISheme,
            &Insurance::GetIncreasedDuesMinersPISheme),
      Field(76, &Insurance::SetOidRecipient, &Insurance::GetOidRecipient),
      Field(77, &Insurance::SetPpMembershipNumber, &Insurance::GetPpMembershipNumber),
      Field(78, &Insurance::SetModeOfPension, &Insurance::GetModeOfPension),
      Field(79, &Insurance::SetModeOfCalculation, &Insurance::GetModeOfCalculation),
      Field(80, &Insurance::SetTotalDues, &Insurance::GetTotalDues),
      Field(81, &Insurance::SetEmployersAllowance, &Insurance::GetEmployersAllowance),
      Field(82, &Insurance::SetRemittance, &Insurance::GetRemittance),
      Field(83, &Insurance::SetUseAgePartTime, &Insurance::GetUseAgePartTime),
      Field(84, &Insurance::SetOidAgePartTimeModel, &Insurance::GetOidAgePartTimeModel),
      Field(85, &Insurance::SetCustomerNoPTA, &Insurance::GetCustomerNoPTA),
      Field(86, &Insurance::SetCompanyKeyOfReplacer, &Insurance::GetCompanyKeyOfReplacer),
      Field(87, &Insurance::SetDeposit, &Insurance::GetDeposit),
      Field(88, &Insurance::SetStoerfall, &Insurance::GetStoerfall),
      Field(89, &Insurance::SetSurname, &Insurance::GetSurname),
      Field(90, &Insurance::SetFirstname, &Insurance::GetFirstname),
      Field(91, &Insurance::SetPostalCode, &Insurance::GetPostalCode),
      Field(92, &Insurance::SetDomicile, &Insurance::GetDomicile),
      Field(93, &Insurance::SetStreet, &Insurance::GetStreet),
      Field(94, &Insurance::SetStreetNumber, &Insurance::GetStreetNumber),
      Field(95, &Insurance::SetAddressAddendum, &Insurance::GetAddressAddendum),
      Field(96, &Insurance::SetPrivateHI31122002, &Insurance::GetPrivateHI31122002),
      Field(97, &Insurance::SetStartingDatePHI, &Insurance::GetStartingDatePHI),
      Field(98, &Insurance::SetAnnualLimitPHIEnum, &Insurance::GetAnnualLimitPHIEnum),
      Field(99, &Insurance::SetStartOfPensionPayment, &Insurance::GetStartOfPensionPayment),
      Field(100, &Insurance::SetDateOfPensionBalance, &Insurance::GetDateOfPensionBalance),
      Field(101, &Insurance::SetOidInsolvencyHealthFund, &Insurance::GetOidInsolvencyHealthFund),
      Field(102, &Insurance::SetInsolvencyDuty, &Insurance::GetInsolvencyDuty),
      Field(103, &Insurance::SetInsGOfOther, &Insurance::GetInsGOfOther),
      Field(104, &Insurance::SetProcessNo, &Insurance::GetProcessNo),
      Field(105, &Insurance::SetBaseRatePrivateInsurance, &Insurance::GetBaseRatePrivateInsurance),
      Field(106, &Insurance::SetChangeOfRecipient, &Insurance::GetChangeOfRecipient),
      Field(107, &Insurance::SetChangePersonnelnumber, &Insurance::GetChangePersonnelnumber),
      Field(108, &Insurance::SetReferenceNumberHealthFund,
            &Insurance::GetReferenceNumberHealthFund),
      Field(109, &Insurance::SetBeginKVDR, &Insurance::GetBeginKVDR),
      Field(110, &Insurance::SetEndKVDR, &Insurance::GetEndKVDR),
      Field(111, &Insurance::SetDateCapitalPayment, &Insurance::GetDateCapitalPayment),
      Field(112, &Insurance::SetBeginCapitalPayment, &Insurance::GetBeginCapitalPayment),
      Field(113, &Insurance::SetEndCapitalPayment, &Insurance::GetEndCapitalPayment),
      Field(114, &Insurance::SetCapitalPayment, &Insurance::GetCapitalPayment),
      Field(115, &Insurance::SetMultipleIncomeEnum, &Insurance::GetMultipleIncomeEnum),
      Field(116, &Insurance::SetAdjustmentLimitOfDues, &Insurance::GetAdjustmentLimitOfDues),
      Field(117, &Insurance::SetReferenceNumberZahls, &Insurance::GetReferenceNumberZahls),
      Field(118, &Insurance::SetChangeNumberHealthFund, &Insurance::GetChangeNumberHealthFund),
      Field(119, &Insurance::SetReferenceNumberZahlsCapitalPayment,
            &Insurance::GetReferenceNumberZahlsCapitalPayment),
      Field(120, &Insurance::SetReferenceNumberHealthFundCapitalPayment,
            &Insurance::GetReferenceNumberHealthFundCapitalPayment),
      Field(121, &Insurance::SetOidOccupationLong, &Insurance::GetOidOccupationLong),
      Field(122, &Insurance::SetSchoolLeaving, &Insurance::GetSchoolLeaving),
      Field(123, &Insurance::SetProfessionalEducation, &Insurance::GetProfessionalEducation),
      Field(124, &Insurance::SetManPowerProvision, &Insurance::GetManPowerProvision),
      Field(125, &Insurance::SetTypeOfContract, &Insurance::GetTypeOfContract),
      Field(126, &Insurance::SetDecreaseOfDuesInReducedHours,
            &Insurance::GetDecreaseOfDuesInReducedHours),
      Field(127, &Insurance::SetManagingDirector, &Insurance::GetManagingDirector),
      Field(128, &Insurance::SetStartOfPensionWith65, &Insurance::GetStartOfPensionWith65),
      Field(129, &Insurance::SetDateOfStartOfPensionWith65,
            &Insurance::GetDateOfStartOfPensionWith65),
      Field(130, &Insurance::SetOidSIStatus, &Insurance::GetOidSIStatus),
      Field(131, &Insurance::SetOidEmployeeDislocation, &Insurance::GetOidEmployeeDislocation),
      Field(132, &Insurance::SetAnnaulEarningsGLZ, &Insurance::GetAnnaulEarningsGLZ),
      Field(133, &Insurance::SetIntervalKVDR, &Insurance::GetIntervalKVDR),
      Field(134, &Insurance::SetMonthFirstPaymentKVDR, &Insurance::GetMonthFirstPaymentKVDR),
      Field(135, &Insurance::SetDuesKVDR, &Insurance::GetDuesKVDR),
      Field(136, &Insurance::SetOldLowWageArea, &Insurance::GetOldLowWageArea),
      Field(137, &Insurance::SetOfferForExemptionFromPI, &Insurance::GetOfferForExemptionFromPI),
      Field(138, &Insurance::SetDateOfferForExemptionFromPI,
            &Insurance::GetDateOfferForExemptionFromPI),
      Field(139, &Insurance::SetNoRegistrationKVDR, &Insurance::GetNoRegistrationKVDR),
      Field(140, &Insurance::SetErPaysNISurcharge, &Insurance::GetErPaysNISurcharge),
      Field(141, &Insurance::SetOidRecipientDisabledInstitute,
            &Insurance::GetOidRecipientDisabledInstitute),
      Field(142, &Insurance::SetPiRehabResponsible, &Insurance::GetPiRehabResponsible),
      Field(143, &Insurance::SetReferenceNumber, &Insurance::GetReferenceNumber),
      Field(144, &Insurance::SetDifferentPensionschemeSetting,
            &Insurance::GetDifferentPensionschemeSetting),
      Field(145, &Insurance::SetContScalePHI, &Insurance::GetContScalePHI),
      Field(146, &Insurance::SetSeasonalworker, &Insurance::GetSeasonalworker),
      Field(147, &Insurance::SetOidRecipientPHI, &Insurance::GetOidRecipientPHI),
      Field(148, &Insurance::SetAuthorizedForAid, &Insurance::GetAuthorizedForAid),
      Field(149, &Insurance::SetErAllowanceHIFarm, &Insurance::GetErAllowanceHIFarm),
      Field(150, &Insurance::SetErAllowanceNIFarm, &Insurance::GetErAllowanceNIFarm),
      Field(151, &Insurance::SetIsNoPensionForParagraph229,
            &Insurance::GetIsNoPensionForParagraph229),
      Field(152, &Insurance::SetIsNoPensionForPar229Capital,
            &Insurance::GetIsNoPensionForPar229Capital),
      Field(153, &Insurance::SetDemandOfFreeAmount, &Insurance::GetDemandOfFreeAmount),
      Field(154, &Insurance::SetFreeAmount, &Insurance::GetFreeAmount),
      Field(155, &Insurance::SetOidLegalHealthFund, &Insurance::GetOidLegalHealthFund),
      Field(156, &Insurance::SetUseTransitionBy31122022, &Insurance::GetUseTransitionBy31122022),
      Field(157, &Insurance::SetNoExcemptionOfInsuranceSGBVI,
            &Insurance::GetNoExcemptionOfInsuranceSGBVI),
      Field(158, &Insurance::SetExclusionFacts, &Insurance::GetExclusionFacts),
      Field(159, &Insurance::SetExclusionFactsCapital, &Insurance::GetExclusionFactsCapital),
      Field(160, &Insurance::SetOrphanBenefit, &Insurance::GetOrphanBenefit),
      Field(161, &Insurance::SetAeinsHIduty, &Insurance::GetAeinsHIduty),
  });
}

WireTable<ZVKTP> ZVKFields() {
  return WireTable<ZVKTP>({
      Skip<ZVKTP, ObjectStruct>(1),
      Skip<ZVKTP, TimePeriodStruct>(2),
      Field(3, &ZVKTP::SetOidEmployee, &ZVKTP::GetOidEmployee, std::string(kZVKTPEmployee)),
      Field(4, &ZVKTP::SetOidRecipient, &ZVKTP::GetOidRecipient),
      Field(5, &ZVKTP::SetDateOfEntryZVK, &ZVKTP::GetDateOfEntryZVK),
      Field(6, &ZVKTP::SetDateOfWithDrawalZVK, &ZVKTP::GetDateOfWithDrawalZVK),
      Field(7, &ZVKTP::SetMembershipNumber, &ZVKTP::GetMembershipNumber),
      Field(8, &ZVKTP::SetZvkTypeOfCalcAddCont, &ZVKTP::GetZvkTypeOfCalcAddCont),
      Field(9, &ZVKTP::SetZvkTypeOfCalculation, &ZVKTP::GetZvkTypeOfCalculation),
      Field(10, &ZVKTP::SetToShiftLumpsumITax, &ZVKTP::GetToShiftLumpsumITax),
      Field(11, &ZVKTP::SetToShiftLumpsumSTax, &ZVKTP::GetToShiftLumpsumSTax),
      Field(12, &ZVKTP::SetToShiftLumpsumCTax, &ZVKTP::GetToShiftLumpsumCTax),
      Field(13, &ZVKTP::SetCutexemptionlimit, &ZVKTP::GetCutexemptionlimit),
      Field(14, &ZVKTP::SetCalculateAddAssessment, &ZVKTP::GetCalculateAddAssessment),
      Field(15, &ZVKTP::SetAddAmount3No63EStG, &ZVKTP::GetAddAmount3No63EStG),
      Field(16, &ZVKTP::SetFurtherInsurance, &ZVKTP::GetFurtherInsurance),
      Field(17, &ZVKTP::SetOidZVEReason, &ZVKTP::GetOidZVEReason),
      Field(18, &ZVKTP::SetOidZVEState, &ZVKTP::GetOidZVEState),
      Field(19, &ZVKTP::SetNumberOfChildren, &ZVKTP::GetNumberOfChildren),
      Field(20, &ZVKTP::SetChangeDateChildren, &ZVKTP::GetChangeDateChildren),
      Field(21, &ZVKTP::SetNumberOfChildrenAfter, &ZVKTP::GetNumberOfChildrenAfter),
      Field(22, &ZVKTP::SetBeginAgePartTimeBefore2003, &ZVKTP::GetBeginAgePartTimeBefore2003),
      Field(23, &ZVKTP::SetCalculationOfAddCont, &ZVKTP::GetCalculationOfAddCont),
      Field(24, &ZVKTP::SetAdvancementTypeAsCtPays, &ZVKTP::GetAdvancementTypeAsCtPays),
      Field(25, &ZVKTP::SetMonthCompValueErAddCont, &ZVKTP::GetMonthCompValueErAddCont),
      Field(26, &ZVKTP::SetPriorInsurance, &ZVKTP::GetPriorInsurance),
  });
}

WireTable<VBLUTP> VBLUFields() {
  return WireTable<VBLUTP>({
      Skip<VBLUTP, ObjectStruct>(1),
      Skip<VBLUTP, TimePeriodStruct>(2),
      Field(3, &VBLUTP::SetOidEmployee, &VBLUTP::GetOidEmployee, std::string(kVBLUTPEmployee)),
      Field(4, &VBLUTP::SetOidRecipient, &VBLUTP::GetOidRecipient),
      Field(5, &VBLUTP::SetDateOfEntryVBLU, &VBLUTP::GetDateOfEntryVBLU),
      Field(6, &VBLUTP::SetDateOfWithDrawalVBLU, &VBLUTP::GetDateOfWithDrawalVBLU),
      Field(7, &VBLUTP::SetMembershipNumber, &VBLUTP::GetMembershipNumber),
      Field(8, &VBLUTP::SetVbluImplementationPath, &VBLUTP::GetVbluImplementationPath),
      Field(9, &VBLUTP::SetToShiftLumpsumITax, &VBLUTP::GetToShiftLumpsumITax),
      Field(10, &VBLUTP::SetToShiftLumpsumSTax, &VBLUTP::GetToShiftLumpsumSTax),
      Field(11, &VBLUTP::SetToShiftLumpsumCTax, &VBLUTP::GetToShiftLumpsumCTax),
      Field(12, &VBLUTP::SetConsumptionExemtionLimit, &VBLUTP::GetConsumptionExemtionLimit),
      Field(13, &VBLUTP::SetTruncationOfContribution, &VBLUTP::GetTruncationOfContribution),
      Field(14, &VBLUTP::SetContPercEE, &VBLUTP::GetContPercEE),
      Field(15, &VBLUTP::SetContPercER, &VBLUTP::GetContPercER),
      Field(16, &VBLUTP::SetCarriedForwardYear, &VBLUTP::GetCarriedForwardYear),
      Field(17, &VBLUTP::SetCarriedForward, &VBLUTP::GetCarriedForward),
      Field(18, &VBLUTP::SetAdvancementTypeAsCtPays, &VBLUTP::GetAdvancementTypeAsCtPays),
      Field(19, &VBLUTP::SetMonthCompValueErAddCont, &VBLUTP::GetMonthCompValueErAddCont),
  });
}

WireTable<DismissalTP> DismissalFields() {
  return WireTable<DismissalTP>({
      Skip<DismissalTP, ObjectStruct>(1),
      Skip<DismissalTP, TimePeriodStruct>(2),
      Field(3, &DismissalTP::SetOidEmployee, &DismissalTP::GetOidEmployee,
            std::string(kDismissalTPEmployee)),
      Field(4, &DismissalTP::SetEndOfEmployment, &DismissalTP::GetEndOfEmployment),
      Field(5, &DismissalTP::SetLimitedWorkPermit, &DismissalTP::GetLimitedWorkPermit),
      Field(6, &DismissalTP::SetWrittenContract, &DismissalTP::GetWrittenContract),
      Field(7, &DismissalTP::SetResidPermitLtdBy, &DismissalTP::GetResidPermitLtdBy),
      Field(8, &DismissalTP::SetCloseOfLimitedContract, &DismissalTP::GetCloseOfLimitedContract),
      Field(9, &DismissalTP::SetLastExtensionLimitedContract,
            &DismissalTP::GetLastExtensionLimitedContract),
      Field(10, &DismissalTP::SetLimitedTwoMonth, &DismissalTP::GetLimitedTwoMonth),
      Field(11, &DismissalTP::SetDateDsmRgn, &DismissalTP::GetDateDsmRgn),
      Field(12, &DismissalTP::SetExemption, &DismissalTP::GetExemption),
      Field(13, &DismissalTP::SetExemptionFrom, &DismissalTP::GetExemptionFrom),
      Field(14, &DismissalTP::SetExemptionUntil, &DismissalTP::GetExemptionUntil),
      Field(15, &DismissalTP::SetLastPayment, &DismissalTP::GetLastPayment),
      Field(16, &DismissalTP::SetTypeOfDismissal, &DismissalTP::GetTypeOfDismissal),
      Field(17, &DismissalTP::SetWrittenDismissal, &DismissalTP::GetWrittenDismissal),
      Field(18, &DismissalTP::SetDismissalForOperationalReasons,
            &DismissalTP::GetDismissalForOperationalReasons),
      Field(19, &DismissalTP::SetActionAgainstUnlawfulDismissal,
            &DismissalTP::GetActionAgainstUnlawfulDismissal),
      Field(20, &DismissalTP::SetTypeOfDelivery, &DismissalTP::GetTypeOfDelivery),
      Field(21, &DismissalTP::SetBecauseContraryToContractBehavior,
            &DismissalTP::GetBecauseContraryToContractBehavior),
      Field(22, &DismissalTP::SetAlreadyDissuasion, &DismissalTP::GetAlreadyDissuasion),
      Field(23, &DismissalTP::SetDateOfDissuasion, &DismissalTP::GetDateOfDissuasion),
      Field(24, &DismissalTP::SetTextContraryToContractBehavior,
            &DismissalTP::GetTextContraryToContractBehavior),
      Field(25, &DismissalTP::SetAgreementOfDismissal, &DismissalTP::GetAgreementOfDismissal),
      Field(26, &DismissalTP::SetSocialSelection, &DismissalTP::GetSocialSelection),
      Field(27, &DismissalTP::SetTextSocialSelection, &DismissalTP::GetTextSocialSelection),
      Field(28, &DismissalTP::SetSentenceOfDismissalAt, &DismissalTP::GetSentenceOfDismissalAt),
      Field(29, &DismissalTP::SetSentenceOfDismissalTOThe,
            &DismissalTP::GetSentenceOfDismissalTOThe),
      Field(30, &DismissalTP::SetValueForTimeUnit, &DismissalTP::GetValueForTimeUnit),
      Field(31, &DismissalTP::SetTimeUnit, &DismissalTP::GetTimeUnit),
      Field(32, &DismissalTP::SetTiming, &DismissalTP::GetTiming),
      Field(33, &DismissalTP::SetTerminationByER, &DismissalTP::GetTerminationByER),
      Field(34, &DismissalTP::SetTerminationUnlimeited, &DismissalTP::GetTerminationUnlimeited),
      Field(35, &DismissalTP::SetTextTerminationUnlimited,
            &DismissalTP::GetTextTerminationUnlimited),
      Field(36, &DismissalTP::SetTextTerminationLimited, &DismissalTP::GetTextTerminationLimited),
      Field(37, &DismissalTP::SetOnlyByCompensation, &DismissalTP::GetOnlyByCompensation),
      Field(38, &DismissalTP::SetAlsoDismissal, &DismissalTP::GetAlsoDismissal),
      Field(39, &DismissalTP::SetPaymentOfBenefits, &DismissalTP::GetPaymentOfBenefits),
      Field(40, &DismissalTP::SetTextUncertitude, &DismissalTP::GetTextUncertitude),
      Field(41, &DismissalTP::SetAlongPayment, &DismissalTP::GetAlongPayment),
      Field(42, &DismissalTP::SetAlongPaymentUntil, &DismissalTP::GetAlongPaymentUntil),
      Field(43, &DismissalTP::SetCompensationForHolidays, &DismissalTP::GetCompensationForHolidays),
      Field(44, &DismissalTP::SetSubsequentHoliday, &DismissalTP::GetSubsequentHoliday),
      Field(45, &DismissalTP::SetPreRetirementPay, &DismissalTP::GetPreRetirementPay),
      Field(46, &DismissalTP::SetPreRetirementPayBeginn, &DismissalTP::GetPreRetirementPayBeginn),
      Field(47, &DismissalTP::SetPreriterimentperc, &DismissalTP::GetPreriterimentperc),
      Field(48, &DismissalTP::SetHalfMonthlySalary, &DismissalTP::GetHalfMonthlySalary),
      Field(49, &DismissalTP::SetAlsoCompensation, &DismissalTP::GetAlsoCompensation),
      Field(50, &DismissalTP::SetOidemploffice, &DismissalTP::GetOidemploffice),
      Field(51, &DismissalTP::SetKuendigungAusWichtigemGrd,
            &DismissalTP::GetKuendigungAusWichtigemGrd),
      Field(52, &DismissalTP::SetGrundUngewiss, &DismissalTP::GetGrundUngewiss),
  });
}

class WireOrder : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }

  static base::VDate Latest() { return base::VDate(""); }
};

TEST_F(WireOrder, TaxRecord) {
  WireTable<Tax> const table = TaxFields();
  ASSERT_EQ(table.size(), 69u);
  EETax record;
  int const last = ExpectRoundTrips(table, record.GetTax(), [&record](Tax const& t) {
    record.SetTax(t);
    record.Commit();
    return record.GetTax();
  });
  ExpectHolds(table, EETax::GetObjectFromObjectId(kTaxEmployee, Latest(), Latest()).GetTax(), last);
}

TEST_F(WireOrder, InsuranceRecord) {
  WireTable<Insurance> const table = InsuranceFields();
  ASSERT_EQ(table.size(), 161u);
  EEInsurance record;
  int const last = ExpectRoundTrips(table, record.GetInsurance(), [&record](Insurance const& i) {
    record.SetInsurance(i);
    record.Commit();
    return record.GetInsurance();
  });
  ExpectHolds(
      table,
      EEInsurance::GetObjectFromObjectId(kInsuranceEmployee, Latest(), Latest()).GetInsurance(),
      last);
}

TEST_F(WireOrder, ZVKRecord) {
  WireTable<ZVKTP> const table = ZVKFields();
  ASSERT_EQ(table.size(), 26u);
  EEZVK record;
  int const last = ExpectRoundTrips(table, record.GetHistory(), [&record](ZVKTP const& p) {
    record.SetHistory(p);
    record.Commit();
    return record.GetHistory();
  });
  ExpectHolds(table, EEZVK::GetObjectFromObjectId(kZVKTPEmployee, Latest(), Latest()).GetHistory(),
              last);
}

TEST_F(WireOrder, VBLURecord) {
  WireTable<VBLUTP> const table = VBLUFields();
  ASSERT_EQ(table.size(), 19u);
  EEVBLU record;
  int const last = ExpectRoundTrips(table, record.GetHistory(), [&record](VBLUTP const& p) {
    record.SetHistory(p);
    record.Commit();
    return record.GetHistory();
  });
  ExpectHolds(
      table, EEVBLU::GetObjectFromObjectId(kVBLUTPEmployee, Latest(), Latest()).GetHistory(), last);
}

TEST_F(WireOrder, DismissalRecord) {
  WireTable<DismissalTP> const table = DismissalFields();
  ASSERT_EQ(table.size(), 52u);
  EEDismissal record;
  int const last = ExpectRoundTrips(table, record.GetHistory(), [&record](DismissalTP const& p) {
    record.SetHistory(p);
    record.Commit();
    return record.GetHistory();
  });
  auto history = TakeOwnership(EEDismissal::GetAllDismissalHistory(kDismissalTPEmployee));
  ASSERT_EQ(history.size(), 1u);  // every round rewrote the one period
  ExpectHolds(table, history.front()->GetHistory(), last);
}

// The filters travel one way only; their encoding is checked here.
template <class Part, class Object>
void ExpectFilterPositions(WireTable<Part> const& table) {
  for (int round = 0; round < WireValues::kRounds; ++round) {
    Object f;
    table.Fill(f, round);
    for (std::string const& m : table.PositionMismatches(f.ToIdl(), round)) {
      ADD_FAILURE() << "round " << round << ": " << m;
    }
  }
}

TEST_F(WireOrder, Filters) {
  ExpectFilterPositions<EETaxFilter, EETaxFilter>(WireTable<EETaxFilter>({
      Optional(1, &EETaxFilter::SetTaxBracket),
      Optional(2, &EETaxFilter::SetTaxacation),
      Optional(3, &EETaxFilter::SetPAYETaxFindings),
      Optional(4, &EETaxFilter::SetIncomeTaxReturnYY),
      Optional(5, &EETaxFilter::SetAssociationEE),
      Filter(6, &EETaxFilter::SetOidPCompany),
      Optional(7, &EETaxFilter::SetPnr),
      Filter(8, &EETaxFilter::SetSurname),
      Filter(9, &EETaxFilter::SetFixedDateOfWithDrawal),
      Filter(10, &EETaxFilter::SetListDisplayOfEmployeeEnum),
      Skip<EETaxFilter, ExtendedFilterStruct>(11),
  }));
  ExpectFilterPositions<EEInsuranceFilter, EEInsuranceFilter>(WireTable<EEInsuranceFilter>({
      Filter(1, &EEInsuranceFilter::SetOidHealthFund),
      Filter(2, &EEInsuranceFilter::SetOidHealthFundKVdR),
      Optional(3, &EEInsuranceFilter::SetAssessmentDuty),
      Optional(4, &EEInsuranceFilter::SetPersGroup),
      Optional(5, &EEInsuranceFilter::SetDuesGroupHI),
      Optional(6, &EEInsuranceFilter::SetDuesGroupPI),
      Optional(7, &EEInsuranceFilter::SetDuesGroupUI),
      Optional(8, &EEInsuranceFilter::SetDuesGroupNI),
      Optional(9, &EEInsuranceFilter::SetPrivateHI),
      Optional(10, &EEInsuranceFilter::SetContributionScaleVHI),
      Optional(11, &EEInsuranceFilter::SetMultiplyEmployment),
      Optional(12, &EEInsuranceFilter::SetSpecialCategory),
      Filter(13, &EEInsuranceFilter::SetInsuranceNo),
      Filter(14, &EEInsuranceFilter::SetOidPCompany),
      Optional(15, &EEInsuranceFilter::SetPnr),
      Filter(16, &EEInsuranceFilter::SetSurname),
      Filter(17, &EEInsuranceFilter::SetFixedDateOfWithDrawal),
      Filter(18, &EEInsuranceFilter::SetListDisplayOfEmployeeEnum),
      Skip<EEInsuranceFilter, ExtendedFilterStruct>(19),
      Filter(20, &EEInsuranceFilter::SetOidSocialInsuranceStatus),
  }));
  ExpectFilterPositions<ZVKFilter, EEZVKFilter>(WireTable<ZVKFilter>({
      Filter(1, &ZVKFilter::SetOidPCompany),
      Filter(2, &ZVKFilter::SetOidRecipient),
      Optional(3, &ZVKFilter::SetPnr),
      Filter(4, &ZVKFilter::SetSurname),
      Filter(5, &ZVKFilter::SetFixedDateOfWithDrawal),
      Filter(6, &ZVKFilter::SetListDisplayOfEmployeeEnum),
  }));
  ExpectFilterPositions<VBLUFilter, EEVBLUFilter>(WireTable<VBLUFilter>({
      Filter(1, &VBLUFilter::SetOidPCompany),
      Filter(2, &VBLUFilter::SetOidRecipient),
      Optional(3, &VBLUFilter::SetPnr),
      Filter(4, &VBLUFilter::SetSurname),
      Filter(5, &VBLUFilter::SetFixedDateOfWithDrawal),
      Filter(6, &VBLUFilter::SetListDisplayOfEmployeeEnum),
  }));
  ExpectFilterPositions<EEDismissalFilter, EEDismissalFilter>(WireTable<EEDismissalFilter>({
      Filter(1, &EEDismissalFilter::SetOidPCompany),
      Optional(2, &EEDismissalFilter::SetPnr),
      Filter(3, &EEDismissalFilter::SetSurname),
      Filter(4, &EEDismissalFilter::SetFixedDateOfWithDrawal),
      Filter(5, &EEDismissalFilter::SetListDisplayOfEmployeeEnum),
  }));
}

// A new record part holds its defaults and nothing else: every field not
// listed is empty, 0 or false.
using Values = std::map<int, testing::WireValue>;
std::string const kZero = "0";  // the number 0, not the empty amount

TEST(Defaults, Tax) {
  // Tax card presented, tax bracket 1, taxation 2, PAYE findings 1, church-tax
  // deduction.
  Values const expected = {{4, true}, {13, 1L}, {21, 2L}, {22, 1L}, {54, true}};
  EXPECT_EQ(TaxFields().NonEmpty(Tax().ToIdl()), expected);
}

TEST(Defaults, Insurance) {
  // Person group 101, dues groups 1, the four total rates the number 0,
  // employer allowances 99 and 9, modes of pension and calculation 1,
  // insolvency duty.
  Values const expected = {{13, 101L},  {15, 1L},  {16, 1L}, {17, 1L},    {18, 1L},    {22, kZero},
                           {23, kZero}, {25, 99L}, {26, 9L}, {28, kZero}, {29, kZero}, {31, 9L},
                           {32, 9L},    {78, 1L},  {79, 1L}, {102, true}};
  EXPECT_EQ(InsuranceFields().NonEmpty(Insurance().ToIdl()), expected);
}

TEST(Defaults, PensionFunds) {
  Values const zvk = {{15, true}};  // AddAmount3No63EStG
  EXPECT_EQ(ZVKFields().NonEmpty(ZVKTP().ToIdl()), zvk);
  // Implementation path 5, ConsumptionExemtionLimit, the number 0 for both
  // contribution percentages and the carried-forward amount.
  Values const vblu = {{8, 5L}, {12, true}, {14, kZero}, {15, kZero}, {17, kZero}};
  EXPECT_EQ(VBLUFields().NonEmpty(VBLUTP().ToIdl()), vblu);
}

TEST(Defaults, Dismissal) {
  // The twelve enums; GrundUngewiss (52) is 0.
  Values const expected = {{5, 1L},  {16, 6L}, {19, 2L}, {20, 2L}, {26, 1L}, {31, 4L},
                           {32, 5L}, {39, 1L}, {41, 1L}, {43, 1L}, {45, 1L}};
  EXPECT_EQ(DismissalFields().NonEmpty(DismissalTP().ToIdl()), expected);
}

}  // namespace
}  // namespace ostrel
