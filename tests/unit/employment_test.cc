// Employment without a server: defaults, the Dbt union, the nested splits
// and the error list (new objects for the caller, copies taken from the
// caller), the filter's clearing, and that Delete needs no server.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "employee/employment.h"
#include "own_members.h"
#include "ownership.h"
#include "vexception.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VFixed;
using testing::Accessor;
using testing::Flag;

TEST(EmploymentDefaults, TypesStartAtOneEverythingElseAtZero) {
  Employment const e;
  EXPECT_EQ(e.GetTypeOfEmployment(), static_cast<employment::TypeOfEmploymentEnum>(1));
  EXPECT_EQ(e.GetTypeOfEarnedIncome(), static_cast<employment::TypeOfEarnedIncomEnum>(1));
  EXPECT_EQ(e.GetTypeOfTimeOff(), static_cast<employment::TypeOfTimeOffEnum>(0));
  EXPECT_EQ(e.GetInsolvencyEntryReason(), static_cast<employment::InsolvencyEntryReasonEnum>(0));
  EXPECT_EQ(e.GetInsolvencyDsmRgnReason(), static_cast<employment::InsolvencyDsmRgnReasonEnum>(0));
  EXPECT_EQ(e.GetAuCertificateFrom(), 0);
  for (bool flag : {e.GetEarnedIncomeRelevantForCalculation(), e.GetAssignment(),
                    e.GetNoExportAsciiInfo(), e.GetWithDrawalDeath(), e.GetLimitedByPurpose()}) {
    EXPECT_FALSE(flag);
  }
  EXPECT_FALSE(e.IsDBT());
  EXPECT_TRUE(TakeOwnership(e.GetPartCostCenters()).empty());

  EEEmployment const record;
  EXPECT_TRUE(record.IsNew());
  EXPECT_EQ(record.GetDifferentPersonnelnumber(), 0);
  EXPECT_EQ(record.GetErrorCount(), 0);
  EXPECT_EQ(record.GetRoot().GetPersonnelNumber(), 0);
  EXPECT_EQ(record.GetEmployment().GetTypeOfEmployment(),
            static_cast<employment::TypeOfEmploymentEnum>(1));
}

TEST(EmploymentDbt, GetDbtRaisesWithoutTheAttributes) {
  Employment e;
  try {
    e.GetDbt();
    ADD_FAILURE() << "GetDbt must raise";
  } catch (base::InternalException const& x) {
    EXPECT_EQ(x.GetMessage(), L"Employment::GetDbt: no relevant in union!");
  }

  Dbt d;
  d.SetVirtualWithdrawal(VDate(31, 2, 2026));
  e.SetDbt(d);
  ASSERT_TRUE(e.IsDBT());
  EXPECT_TRUE(e.ToIdl().dbt._d());
  EXPECT_EQ(e.GetDbt().GetVirtualWithdrawal(), VDate(31, 2, 2026));
  EXPECT_TRUE(e.GetDbt().GetDateOfApplication().IsEmpty());

  e.ClearIsDBT();
  EXPECT_FALSE(e.IsDBT());
  EXPECT_FALSE(e.ToIdl().dbt._d());
  EXPECT_THROW(e.GetDbt(), base::InternalException);
}

TEST(EmploymentAccessors, EachReachesAFieldOfItsOwn) {
  using E = Employment;
  testing::ExpectOwnMembers<E, std::string>(
      {{"OidEmployee", &E::GetOidEmployee, &E::SetOidEmployee},
       {"OidPlant", &E::GetOidPlant, &E::SetOidPlant},
       {"OidEmployeeCircle", &E::GetOidEmployeeCircle, &E::SetOidEmployeeCircle},
       {"OidCostCenter", &E::GetOidCostCenter, &E::SetOidCostCenter},
       {"OidCostUnit", &E::GetOidCostUnit, &E::SetOidCostUnit},
       {"OidOrgUnit", &E::GetOidOrgUnit, &E::SetOidOrgUnit},
       {"OidDepartment", &E::GetOidDepartment, &E::SetOidDepartment},
       {"OidPersonInCharge1", &E::GetOidPersonInCharge1, &E::SetOidPersonInCharge1},
       {"OidPersonInCharge2", &E::GetOidPersonInCharge2, &E::SetOidPersonInCharge2},
       {"InHouseAddress", &E::GetInHouseAddress, &E::SetInHouseAddress},
       {"DebitorCode", &E::GetDebitorCode, &E::SetDebitorCode},
       {"CreditorCode", &E::GetCreditorCode, &E::SetCreditorCode},
       {"EmployeeIdCard", &E::GetEmployeeIdCard, &E::SetEmployeeIdCard},
       {"OidEntryReason", &E::GetOidEntryReason, &E::SetOidEntryReason},
       {"OidOccupationPriorER", &E::GetOidOccupationPriorER, &E::SetOidOccupationPriorER},
       {"OidOccupationGroupPriorER", &E::GetOidOccupationGroupPriorER,
        &E::SetOidOccupationGroupPriorER},
       {"OidOccupationReEntry", &E::GetOidOccupationReEntry, &E::SetOidOccupationReEntry},
       {"OidOccupationGroupReEntry", &E::GetOidOccupationGroupReEntry,
        &E::SetOidOccupationGroupReEntry},
       {"OidDsmRgnReason", &E::GetOidDsmRgnReason, &E::SetOidDsmRgnReason},
       {"OidWithDrawalReason", &E::GetOidWithDrawalReason, &E::SetOidWithDrawalReason},
       {"PersonnelnumberOld", &E::GetPersonnelnumberOld, &E::SetPersonnelnumberOld},
       {"OidEmployeeGroup", &E::GetOidEmployeeGroup, &E::SetOidEmployeeGroup},
       {"OidEmployeeFunction", &E::GetOidEmployeeFunction, &E::SetOidEmployeeFunction},
       {"OidScaleRule", &E::GetOidScaleRule, &E::SetOidScaleRule},
       {"PaymentGroup", &E::GetPaymentGroup, &E::SetPaymentGroup},
       {"DiffWorkplacePostalcode", &E::GetDiffWorkplacePostalcode, &E::SetDiffWorkplacePostalcode},
       {"DiffWorkplaceDomicile", &E::GetDiffWorkplaceDomicile, &E::SetDiffWorkplaceDomicile},
       {"DiffWorkplaceOidState", &E::GetDiffWorkplaceOidState, &E::SetDiffWorkplaceOidState},
       {"ReasonForTransferU1", &E::GetReasonForTransferU1, &E::SetReasonForTransferU1},
       {"ReasonForTransferU2BT", &E::GetReasonForTransferU2BT, &E::SetReasonForTransferU2BT},
       {"ReasonForTransferU2ZU", &E::GetReasonForTransferU2ZU, &E::SetReasonForTransferU2ZU},
       {"OidPlantPlace", &E::GetOidPlantPlace, &E::SetOidPlantPlace}},
      testing::TextNo);
  testing::ExpectOwnMembers<E, VDate>(
      {{"DateOfEntry", &E::GetDateOfEntry, &E::SetDateOfEntry},
       {"DateOfWithDrawal", &E::GetDateOfWithDrawal, &E::SetDateOfWithDrawal},
       {"DateOfEntrySI", &E::GetDateOfEntrySI, &E::SetDateOfEntrySI},
       {"DateOfWithDrawalSI", &E::GetDateOfWithDrawalSI, &E::SetDateOfWithDrawalSI},
       {"ContractStart", &E::GetContractStart, &E::SetContractStart},
       {"ProbationStart", &E::GetProbationStart, &E::SetProbationStart},
       {"ProbationEnd", &E::GetProbationEnd, &E::SetProbationEnd},
       {"AllowableEntryDate", &E::GetAllowableEntryDate, &E::SetAllowableEntryDate},
       {"EntryDateBranche", &E::GetEntryDateBranche, &E::SetEntryDateBranche},
       {"EmploymentLtdBy", &E::GetEmploymentLtdBy, &E::SetEmploymentLtdBy},
       {"WorkPermitLtdBy", &E::GetWorkPermitLtdBy, &E::SetWorkPermitLtdBy},
       {"ResidPermitLtdBy", &E::GetResidPermitLtdBy, &E::SetResidPermitLtdBy},
       {"PassportValidTo", &E::GetPassportValidTo, &E::SetPassportValidTo},
       {"DateDsmRgn", &E::GetDateDsmRgn, &E::SetDateDsmRgn},
       {"DsmRgnBy", &E::GetDsmRgnBy, &E::SetDsmRgnBy},
       {"PresumableDateofdelivery", &E::GetPresumableDateofdelivery,
        &E::SetPresumableDateofdelivery},
       {"AllowanceLtdBy", &E::GetAllowanceLtdBy, &E::SetAllowanceLtdBy}},
      testing::DateNo);
  testing::ExpectOwnMembers<E, VFixed>(
      {{"AmountCompensation", &E::GetAmountCompensation, &E::SetAmountCompensation},
       {"EarnedIncome", &E::GetEarnedIncome, &E::SetEarnedIncome},
       {"NetIncome", &E::GetNetIncome, &E::SetNetIncome},
       {"CarriedForwardMonthlyNetZU", &E::GetCarriedForwardMonthlyNetZU,
        &E::SetCarriedForwardMonthlyNetZU},
       {"CarriedForwardDailyNetZU", &E::GetCarriedForwardDailyNetZU,
        &E::SetCarriedForwardDailyNetZU},
       {"MaternityBenefit", &E::GetMaternityBenefit, &E::SetMaternityBenefit},
       {"AverageMonthlyGrossPay", &E::GetAverageMonthlyGrossPay, &E::SetAverageMonthlyGrossPay},
       {"AverageMonthlyNetPay", &E::GetAverageMonthlyNetPay, &E::SetAverageMonthlyNetPay},
       {"CalendarDailyNetPay", &E::GetCalendarDailyNetPay, &E::SetCalendarDailyNetPay}},
      testing::FixedNo);
  testing::ExpectOwnFlags<E>(
      {{"LimitedEmployment", &E::GetLimitedEmployment, &E::SetLimitedEmployment},
       {"LimitedWorkPermit", &E::GetLimitedWorkPermit, &E::SetLimitedWorkPermit},
       {"LtdResidencePermit", &E::GetLtdResidencePermit, &E::SetLtdResidencePermit},
       {"AutomaticPersonInCharge1", &E::GetAutomaticPersonInCharge1,
        &E::SetAutomaticPersonInCharge1},
       {"AutomaticPersonInCharge2", &E::GetAutomaticPersonInCharge2,
        &E::SetAutomaticPersonInCharge2},
       {"EarnedIncomeRelevantForCalculation", &E::GetEarnedIncomeRelevantForCalculation,
        &E::SetEarnedIncomeRelevantForCalculation},
       {"Assignment", &E::GetAssignment, &E::SetAssignment},
       {"NoExportAsciiInfo", &E::GetNoExportAsciiInfo, &E::SetNoExportAsciiInfo},
       {"WithDrawalDeath", &E::GetWithDrawalDeath, &E::SetWithDrawalDeath},
       {"LimitedByPurpose", &E::GetLimitedByPurpose, &E::SetLimitedByPurpose}});

  // The earned-income type is read and written under two spellings.
  Employment e;
  e.SetTypeOfEarnedIncom(employment::TYPE_OF_EARNED_INCOME_ANNUAL);
  EXPECT_EQ(e.GetTypeOfEarnedIncome(), employment::TYPE_OF_EARNED_INCOME_ANNUAL);
}

// Both splits follow one rule.
template <class Part, class Get, class Set>
void ExpectSplitCopiedBothWays(Get get, Set set) {
  Employment e;
  Part a;
  a.SetPercentage(VFixed("70"));
  Part b;
  b.SetPercentage(VFixed("30"));
  std::vector<Part*> given = {&a, &b};
  (e.*set)(&given);
  a.SetPercentage(VFixed("1"));  // the period holds copies

  auto once = TakeOwnership((e.*get)());
  ASSERT_EQ(once.size(), 2u);
  EXPECT_EQ(once[0]->GetPercentage().ToIdl(), VFixed("70").ToIdl());
  EXPECT_EQ(once[1]->GetPercentage().ToIdl(), VFixed("30").ToIdl());
  once[1]->SetPercentage(VFixed("99"));  // new objects, not the period's
  EXPECT_EQ(TakeOwnership((e.*get)())[1]->GetPercentage().ToIdl(), VFixed("30").ToIdl());

  (e.*set)(nullptr);
  EXPECT_TRUE(TakeOwnership((e.*get)()).empty());
}

TEST(EmploymentNested, SplitsAreCopiedInAndHandedOutAsNewObjects) {
  ExpectSplitCopiedBothWays<PartCostCenter>(&Employment::GetPartCostCenters,
                                            &Employment::SetPartCostCenters);
  ExpectSplitCopiedBothWays<PartCostUnit>(&Employment::GetPartCostUnits,
                                          &Employment::SetPartCostUnits);

  employment::partcostcenter::PartCostCenterStruct s{};
  s.objectStruct.objectid = "PCC-3";
  s.percentage = "60.00";
  EXPECT_EQ(PartCostCenter(s).GetObjectID(), "PCC-3");

  // A share built from a struct or copied saves what it holds.
  PartCostCenter built(s);
  PartCostCenter copy(built);
  for (PartCostCenter* share : {&built, &copy}) {
    share->SetPercentage(base::VFixed("40.00"));
    share->SetOidCostCenter("CC-999");
    share->ResetBo();
    EXPECT_EQ(share->GetPercentage().ToIdl(), "60.00");
    EXPECT_EQ(share->GetOidCostCenter(), "");
    EXPECT_EQ(share->GetObjectID(), "PCC-3");
  }
}

TEST(EmploymentErrors, TheCountIsThatOfTheLastListHandedOut) {
  EEEmployment e;
  personnel::Error a;
  a.SetErrorCode(1);
  personnel::Error b;
  b.SetErrorCode(3);
  std::vector<personnel::Error*> given = {&a, &b};
  e.SetErrors(&given);
  EXPECT_EQ(e.GetErrorCount(), 0);
  auto errors = TakeOwnership(e.GetErrors());
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[1]->GetErrorCode(), 3);
  EXPECT_EQ(e.GetErrorCount(), 2);

  e.SetErrors(nullptr);
  EXPECT_EQ(e.GetErrorCount(), 2);
  EXPECT_TRUE(TakeOwnership(e.GetErrors()).empty());
  EXPECT_EQ(e.GetErrorCount(), 0);
}

TEST(EmploymentRecord, DeleteNeedsNoServer) {
  EEEmployment e;  // no server runs here: a remote call would raise
  EXPECT_NO_THROW(e.Delete());
  EXPECT_NO_THROW(Dbt().Commit());
  EXPECT_NO_THROW(PartCostUnit().Delete());
}

TEST(EmploymentFilter, ClearingLeavesThePersonsInCharge) {
  EEEmploymentFilter f;
  f.SetOidPersonInCharge1("PIC-1");
  f.SetOidPersonInCharge2("PIC-2");
  f.SetPnr(1001);
  f.SetMemo("m");
  f.SetSurname("S");
  f.SetOidCostCenter("CC-1");
  f.SetOidDepartment("D-1");
  f.SetFixedDateOfWithDrawal(VDate(1, 0, 2024));
  f.SetListDisplayOfEmployeeEnum(com::ostrel::personnel::framework::basictypes::LIST_ALL_EMPLOYEES);
  f.ClearEEEmploymentFilter();

  employment::EEEmploymentFilterStruct const s = f.ToIdl();
  EXPECT_STREQ(s.oidPersonInCharge1.in(), "PIC-1");
  EXPECT_STREQ(s.oidPersonInCharge2.in(), "PIC-2");
  EXPECT_FALSE(s.pnr._d());
  for (char const* text : {s.memo.in(), s.surname.in(), s.oidCostCenter.in(), s.oidDepartment.in(),
                           s.oidPCompany.in()}) {
    EXPECT_STREQ(text, "");
  }
  EXPECT_STREQ(s.fixedDateOfWithDrawal.in(), "0000-00-00");
  EXPECT_EQ(static_cast<int>(s.listDisplayOfEmployeeEnum), 0);
  EXPECT_STREQ(EEEmploymentFilter().ToIdl().oidPersonInCharge1.in(), "");
}

}  // namespace
}  // namespace ostrel
