// Defaults of the pension-scheme parts and filter.
#include <gtest/gtest.h>

#include "statutory/pensionscheme.h"

namespace ostrel {
namespace {

using base::VDate;

bool AnyMonth(personnel::Interval const& i) {
  return i.GetJanuary() || i.GetFebruary() || i.GetMarch() || i.GetApril() || i.GetMay() ||
         i.GetJune() || i.GetJuly() || i.GetAugust() || i.GetSeptember() || i.GetOctober() ||
         i.GetNovember() || i.GetDecember();
}

TEST(PensionSchemeDefaults, PeriodPart) {
  EEPensionSchemeTP const tp;
  EXPECT_EQ(tp.GetContractTypeEnum(), static_cast<ContractTypeEnum>(3));
  EXPECT_EQ(tp.GetTypeOfBankTransferEnum(), static_cast<TypeOfBankTransferEnum>(1));
  EXPECT_TRUE(tp.GetRevaluation());
  EXPECT_FALSE(tp.GetLumpSumTaxacation());
  EXPECT_FALSE(tp.GetGroupInsurance());
  EXPECT_EQ(tp.GetModeOfPayment(), static_cast<ModeOfPaymentEnum>(0));
  for (auto const& i : {tp.GetErExpensesPays(), tp.GetErPaysAsExtra(), tp.GetEeExpensesPays(),
                        tp.GetEePaysAsExtra()}) {
    EXPECT_FALSE(AnyMonth(i));
    EXPECT_EQ(i.GetCount(), 1);
  }
  EXPECT_EQ(tp.ToIdl().dateOfEntry.in(), std::string());
  EXPECT_EQ(tp.ToIdl().duesERpaysAsCtPay.in(), std::string());
  EXPECT_EQ(tp.GetMembershipNumber(), "");
  EXPECT_EQ(tp.GetPostalAddress().GetPostalCode(), "");
}

TEST(PensionSchemeDefaults, RootAndRecord) {
  EEPensionScheme const s;
  EXPECT_TRUE(s.IsNew());
  EXPECT_EQ(s.GetRoot().GetImplementationWay(), static_cast<ImplementationWayEnum>(0));
  EXPECT_EQ(s.GetRoot().GetEe().GetPersonnelNumber(), 0);
  EXPECT_EQ(s.GetHistory().GetContractTypeEnum(), static_cast<ContractTypeEnum>(3));
}

TEST(PensionSchemeFilter, ClearRestoresTheDefaults) {
  EEPensionSchemeFilter f;
  f.SetImplementationway(pensionscheme::IMPLEMENTATION_WAY_SUPPORT_FUND);
  f.SetOidPCompany("C-9");
  f.SetPnr(4711);
  f.SetSurname("Weiß");
  f.SetFixedDateOfWithDrawal(VDate(1, 0, 2020));
  f.SetListDisplayOfEmployeeEnum(static_cast<ListDisplayOfEmployeeEnum>(2));
  f.SetDeleted(true);
  f.SetAfterJournalized(true);
  f.SetFromDate(VDate(2, 1, 2021));
  f.SetUntilDate(VDate(3, 2, 2022));
  f.ClearEEPensionSchemeFilter();

  pensionscheme::EEPensionSchemeFilterStruct const s = f.ToIdl();
  EXPECT_FALSE(s.implementationway._d());
  EXPECT_FALSE(s.pnr._d());
  EXPECT_EQ(std::string(s.oidPCompany.in()), "");
  EXPECT_EQ(std::string(s.surname.in()), "");
  EXPECT_EQ(std::string(s.fixedDateOfWithDrawal.in()), VDate(-1, -1, -1).ToIdl());
  EXPECT_EQ(std::string(s.fromDate.in()), VDate(-1, -1, -1).ToIdl());
  EXPECT_EQ(std::string(s.untilDate.in()), VDate(-1, -1, -1).ToIdl());
  EXPECT_EQ(s.listDisplayOfEmployeeEnum, static_cast<ListDisplayOfEmployeeEnum>(0));
  EXPECT_FALSE(s.deleted);
  EXPECT_FALSE(s.afterJournalized);
}

}  // namespace
}  // namespace ostrel
