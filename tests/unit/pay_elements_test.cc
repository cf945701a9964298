// Bank details, fixed, variable and scale payments without a server: what a
// new period part and a new filter hold, what NewInterval touches, and how
// the bank details' error list counts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nested.h"
#include "pay/bankdetails.h"
#include "pay/fixedpayment.h"
#include "pay/scalepayment.h"
#include "pay/varpayment.h"

namespace ostrel {
namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VFixed;

// Twelve month flags as "1"/"0" and the count: "111111111111/1".
std::string Months(personnel::Interval const& i) {
  bool const flags[] = {i.GetJanuary(),   i.GetFebruary(), i.GetMarch(),    i.GetApril(),
                        i.GetMay(),       i.GetJune(),     i.GetJuly(),     i.GetAugust(),
                        i.GetSeptember(), i.GetOctober(),  i.GetNovember(), i.GetDecember()};
  std::string out;
  for (bool f : flags) out += f ? '1' : '0';
  return out + "/" + std::to_string(i.GetCount());
}

personnel::Interval Quarterly() {
  personnel::Interval i(false);
  i.SetMarch(true);
  i.SetJune(true);
  i.SetSeptember(true);
  i.SetDecember(true);
  i.SetCount(2);
  return i;
}

// --- bank details ---------------------------------------------------------

TEST(BankDetails, NewPeriodHoldsItsDefaultsAsSavedValue) {
  BankDetailsTP tp;
  auto check = [](BankDetailsTP const& p) {
    EXPECT_EQ(p.GetModeOfPayment(), static_cast<BankDetailsTP::ModeOfPaymentEnum>(0));
    EXPECT_EQ(p.GetRankingNumber(), 99);
    EXPECT_EQ(p.GetTruncation(), bankdetails::PAYOUT_NOT_TRUNCATED);
    EXPECT_EQ(p.GetTruncationScale(), bankdetails::TRUNCATE_TO_NONE);
    EXPECT_EQ(static_cast<int>(p.GetTruncationScale()), 7);
    EXPECT_EQ(p.GetTypeOfBankTransferEnum(), pbt::BANK_TRANSFER_SEPA);
    EXPECT_TRUE(p.GetIncludedRetroactiveCalculation());
    EXPECT_TRUE(p.GetDeductionFromNetIncome());
    EXPECT_TRUE(p.GetForSalary());
    EXPECT_FALSE(p.GetForAnticipationAndAdvancePayment());
    EXPECT_FALSE(p.GetRepetitionOfName());
    EXPECT_EQ(p.GetOwnerOfAccount(), "");
    EXPECT_EQ(p.GetRetentionAmountFromNetPay(), VFixed());
  };
  check(tp);
  tp.SetRankingNumber(1);
  tp.SetTruncationScale(bankdetails::TRUNCATE_TO_1);
  tp.SetForSalary(false);
  tp.ResetBo();  // a fresh period counts as unchanged
  check(tp);

  // The record starts with that period.
  EEBankDetails r;
  check(r.GetHistory());
  EXPECT_TRUE(r.IsNew());
}

TEST(BankDetails, PartsBuiltFromAStructTakeNoIdentity) {
  bankdetails::BankDetailsTPStruct s = BankDetailsTP().ToIdl();
  s.objectStruct.objectid = "BD-1-P1";
  s.rankingNumber = 3;
  BankDetailsTP tp(s);
  EXPECT_EQ(tp.GetRankingNumber(), 3);
  EXPECT_TRUE(tp.IsNew());
  EXPECT_EQ(BankDetailsRoot(BankDetailsRoot().ToIdl()).GetObjectID(), "");
}

// Unlike the bank details' parts, those of the payments take the identity
// and the saved value of the struct they are built from.
template <class Part>
void ExpectTakesIdentityAndSavedValue(char const* oid) {
  auto s = Part().ToIdl();
  s.objectStruct.objectid = oid;
  s.objectStruct.version = 4;
  Part part(s);
  EXPECT_EQ(part.GetObjectID(), oid);
  EXPECT_FALSE(part.IsNew());
  part.ResetBo();  // back to the struct, not to an empty one
  EXPECT_STREQ(part.ToIdl().objectStruct.objectid.in(), oid);
}

TEST(PaymentParts, BuiltFromAStructTakeItsIdentityAndSaveIt) {
  ExpectTakesIdentityAndSavedValue<FixedPaymentRoot>("FP-1");
  ExpectTakesIdentityAndSavedValue<FixedPaymentTP>("FP-1-P1");
  ExpectTakesIdentityAndSavedValue<VarPaymentRoot>("VAR-1");
  ExpectTakesIdentityAndSavedValue<VarPaymentTP>("VAR-1-P1");
  ExpectTakesIdentityAndSavedValue<ScalePaymentRoot>("SP-1");
  ExpectTakesIdentityAndSavedValue<ScalePaymentTP>("SP-1-P1");
}

TEST(BankDetails, ErrorCountFollowsTheLastReading) {
  EEBankDetails r;
  EXPECT_EQ(r.GetErrorCount(), 0);
  std::vector<personnel::Error*> three;
  for (int i = 0; i < 3; ++i) {
    three.push_back(new personnel::Error);
    three.back()->SetErrorCode(100 + i);
  }
  r.SetErrors(&three);
  EXPECT_EQ(r.GetErrorCount(), 0);  // unchanged until read
  std::unique_ptr<std::vector<personnel::Error*>, void (*)(std::vector<personnel::Error*>*)> got(
      r.GetErrors(), &DeleteAll<personnel::Error>);
  EXPECT_EQ(r.GetErrorCount(), 3);
  ASSERT_EQ(got->size(), 3u);
  EXPECT_EQ((*got)[2]->GetErrorCode(), 102);
  EXPECT_EQ(r.ToIdl().errors.length(), 3u);

  EEBankDetails copy(r);
  EXPECT_EQ(copy.GetErrorCount(), 0);  // a copy is a new object
  EEBankDetails assigned;
  assigned = r;
  EXPECT_EQ(assigned.GetErrorCount(), 3);

  r.SetErrors(nullptr);
  EXPECT_EQ(r.ToIdl().errors.length(), 0u);
  delete r.GetErrors();
  EXPECT_EQ(r.GetErrorCount(), 0);
  for (auto* e : three) delete e;
}

TEST(BankDetails, ClearedFilterHasNoOptionalValueAndAnEmptyDate) {
  EEBankDetailsFilter f;
  auto check_cleared = [](bankdetails::EEBankDetailsFilterStruct const& s) {
    EXPECT_FALSE(s.modeOfPayment._d());
    EXPECT_FALSE(s.repetitionOfNameType._d());
    EXPECT_FALSE(s.truncationType._d());
    EXPECT_FALSE(s.truncationScaleType._d());
    EXPECT_FALSE(s.pnr._d());
    for (char const* text : {s.oidBank.in(), s.accountNumber.in(), s.reasonForTransfer.in(),
                             s.ownerOfAccount.in(), s.oidCompanyAccount.in(), s.oidPCompany.in(),
                             s.surname.in(), s.fixedDateOfWithDrawal.in()}) {
      EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(s.listDisplayOfEmployeeEnum, static_cast<pbt::ListDisplayOfEmployeeEnum>(0));
  };
  check_cleared(f.ToIdl());

  f.SetModeOfPayment(com::ostrel::personnel::domain::global::recipient::PAYMENT_IN_CASH);
  f.SetRepetitionOfNameType(false);
  f.SetTruncationType(bankdetails::PAYOUT_TRUNCATED_UP);
  f.SetTruncationScaleType(bankdetails::TRUNCATE_TO_0_05);
  f.SetPnr(1001);
  f.SetOidBank("B");
  f.SetFixedDateOfWithDrawal(VDate(1, 0, 2024));
  f.SetListDisplayOfEmployeeEnum(pbt::LIST_ALL_EMPLOYEES);
  auto const set = f.ToIdl();
  ASSERT_TRUE(set.repetitionOfNameType._d());
  EXPECT_FALSE(set.repetitionOfNameType.repetitionofname());  // false is a value, not "unset"
  EXPECT_EQ(set.truncationScaleType.truncationscale(), bankdetails::TRUNCATE_TO_0_05);
  EXPECT_STREQ(set.fixedDateOfWithDrawal.in(), "2024-01-01");

  f.ClearTruncationType();
  EXPECT_FALSE(f.ToIdl().truncationType._d());
  EXPECT_TRUE(f.ToIdl().truncationScaleType._d());
  f.ClearEEBankDetailsFilter();
  check_cleared(f.ToIdl());
}

// --- fixed payments -------------------------------------------------------

TEST(FixedPayment, NewPeriodIsDueMonthlyAndCountsAsUnchanged) {
  FixedPaymentTP tp;
  EXPECT_EQ(Months(tp.GetInterval()), "111111111111/1");
  EXPECT_FALSE(tp.GetNoAutomaticIncrease());
  EXPECT_EQ(tp.GetFactor1(), VFixed());
  EXPECT_EQ(tp.GetOidFixedPayment(), "");
  tp.SetInterval(Quarterly());
  tp.SetNoAutomaticIncrease(true);
  tp.ResetBo();
  EXPECT_EQ(Months(tp.GetInterval()), "111111111111/1");
  EXPECT_FALSE(tp.GetNoAutomaticIncrease());
}

TEST(FixedPayment, NewIntervalTouchesOnlyTheInterval) {
  FixedPaymentTP tp;
  tp.SetInterval(Quarterly());
  EXPECT_EQ(Months(tp.GetInterval()), "001001001001/2");
  tp.SetFactor1(VFixed("12.50"));
  tp.SetNoAutomaticIncrease(true);
  tp.SetOidCostCenter("CC-1");
  tp.NewInterval();
  EXPECT_EQ(Months(tp.GetInterval()), "111111111111/1");
  EXPECT_EQ(tp.GetFactor1().ToIdl(), "12.50");
  EXPECT_TRUE(tp.GetNoAutomaticIncrease());
  EXPECT_EQ(tp.GetOidCostCenter(), "CC-1");
}

TEST(FixedPayment, NewFilterSendsUndefinedDates) {
  auto const s = FixedPaymentFilter().ToIdl();
  EXPECT_STREQ(s.fromDate.in(), "0000-00-00");
  EXPECT_STREQ(s.untilDate.in(), "0000-00-00");
  EXPECT_STREQ(s.fixedDateOfWithDrawal.in(), "0000-00-00");
  EXPECT_TRUE(s.afterJournalized);
  EXPECT_FALSE(s.vtn._d());
  EXPECT_FALSE(s.pnr._d());
  EXPECT_STREQ(s.extendedFilter.oidCostCenter.in(), "");
  EXPECT_EQ(s.listDisplayOfEmployeeEnum, static_cast<pbt::ListDisplayOfEmployeeEnum>(0));

  FixedPaymentFilter f;
  f.SetVtn(1100);
  EXPECT_EQ(f.ToIdl().vtn.vtn(), 1100);
  f.ClearVtn();
  EXPECT_FALSE(f.ToIdl().vtn._d());
}

// --- variable payments ----------------------------------------------------

TEST(VarPayment, ClearingTheFilterKeepsTheExtendedFilter) {
  auto const fresh = VarPaymentFilter().ToIdl();
  EXPECT_STREQ(fresh.fromDate.in(), "");  // the empty date, not the undefined one
  EXPECT_STREQ(fresh.untilDate.in(), "");
  EXPECT_STREQ(fresh.fixedDateOfWithDrawal.in(), "");
  EXPECT_TRUE(fresh.afterJournalized);

  VarPaymentFilter f;
  personnel::EmployeeExtendedFilter x;
  x.SetOidCostCenter("CC-7");
  f.SetExtendedFilter(x);
  f.SetFromDate(VDate(1, 0, 2024));
  f.SetAfterJournalized(false);
  f.SetVtn(1000);
  f.SetPnr(1001);
  f.SetOidCostCenterVP("CC-8");
  f.SetOidCostUnitVP("CU-8");
  f.ClearVarPaymentFilter();
  auto const s = f.ToIdl();
  EXPECT_STREQ(s.fromDate.in(), "");
  EXPECT_TRUE(s.afterJournalized);
  EXPECT_FALSE(s.vtn._d());
  EXPECT_FALSE(s.pnr._d());
  EXPECT_STREQ(s.oidCostCenterVP.in(), "");
  EXPECT_STREQ(s.oidCostUnitVP.in(), "");
  EXPECT_STREQ(s.extendedFilter.oidCostCenter.in(), "CC-7");
}

// --- scale payments -------------------------------------------------------

TEST(ScalePayment, NewPeriodPrintsAndIsDueMonthly) {
  ScalePaymentTP tp;
  auto check = [](ScalePaymentTP const& p) {
    EXPECT_EQ(Months(p.GetInterval()), "111111111111/1");
    EXPECT_EQ(p.GetPayScaleLevel(), 0);
    EXPECT_TRUE(p.GetPrintOnStatementOfEarnings());
    EXPECT_FALSE(p.GetNoAutomaticIncrease());
    EXPECT_TRUE(p.GetLastUpgrading().IsEmpty());
    EXPECT_TRUE(p.GetNextUpgrading().IsEmpty());
  };
  check(tp);
  tp.SetPayScaleLevel(4);
  tp.SetInterval(Quarterly());
  tp.SetPrintOnStatementOfEarnings(false);
  tp.ResetBo();
  check(tp);

  tp.SetInterval(Quarterly());
  tp.SetPayScaleLevel(3);
  tp.NewInterval();
  EXPECT_EQ(Months(tp.GetInterval()), "111111111111/1");
  EXPECT_EQ(tp.GetPayScaleLevel(), 3);
}

TEST(ScalePayment, NewFilterHasNoLevelAndUndefinedDates) {
  ScalePaymentFilter f;
  auto s = f.ToIdl();
  EXPECT_STREQ(s.fromDate.in(), "0000-00-00");
  EXPECT_STREQ(s.fixedDateOfWithDrawal.in(), "0000-00-00");
  EXPECT_TRUE(s.afterJournalized);
  EXPECT_FALSE(s.payScaleLevel._d());
  EXPECT_FALSE(s.pnr._d());
  f.SetPayScaleLevel(0);  // level 0 is a value
  s = f.ToIdl();
  ASSERT_TRUE(s.payScaleLevel._d());
  EXPECT_EQ(s.payScaleLevel.payScaleLevel(), 0);
  f.ClearPayScaleLevel();
  EXPECT_FALSE(f.ToIdl().payScaleLevel._d());
}

}  // namespace
}  // namespace ostrel
