// Fixed payments end to end against the reference server: the three-way
// commit with both remove-new flags, the effective time point passed
// through as text, histories by the payment's id against evaluation rows by
// the employee's, the filter's undefined dates, and the print run that
// streams to a callback object of the application. The standard behaviour
// is the shared suite's. The server's seeded employees are used: EMP-1
// (company C-1, 1001, journalized until 2024-02-29), EMP-2 (C-1, 1002,
// Schäfer), EMP-3 (C-1, withdrawn 2024-01-31) and EMP-5 (C-2, 2001).
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ownership.h"
#include "pay/fixedpayment.h"
#include "record_suite.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace pbt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::Map;

personnel::Interval Quarterly() {
  personnel::Interval i(false);
  i.SetMarch(true);
  i.SetJune(true);
  i.SetSeptember(true);
  i.SetDecember(true);
  return i;
}

// A new fixed payment of `employee` under value type `value_type`, valid
// from 1 March 2024: factor1 x 2 = result.
FixedPayment Payment(std::string const& employee, std::string const& value_type,
                     char const* factor1) {
  FixedPayment p;
  FixedPaymentRoot root = p.GetRoot();
  root.SetEmployeeShort(testing::Employee(employee));
  root.SetOidValueType(value_type);
  p.SetRoot(root);
  FixedPaymentTP tp = p.GetHistory();
  tp.SetFactor1(VFixed(factor1));
  tp.SetFactor2(VFixed("2"));
  tp.SetResult(VFixed(factor1) * 2);
  p.SetHistory(tp);
  p.SetValidFrom(VDate(1, 2, 2024));
  return p;
}
FixedPayment Stored(FixedPayment p) {
  p.Commit();
  return p;
}

void SetFactor1(FixedPayment& p, char const* v) {
  FixedPaymentTP tp = p.GetHistory();
  tp.SetFactor1(VFixed(v));
  p.SetHistory(tp);
}
std::string Factor1(FixedPayment const& p) { return p.GetHistory().GetFactor1().ToIdl(); }

std::vector<std::string> Listed(FixedPaymentFilter f) {
  std::vector<FixedPaymentFilter*> filters{&f};
  return Map(FixedPayment::GetActiveFixedPayments(&filters, base::Sortierung()), Factor1);
}

using FixedPayments = testing::RecordTest;

TEST_F(FixedPayments, CommitCreatesSetsOrAddsWithTheRemoveNewFlagAndTheServerNamesThePeriod) {
  FixedPayment p = Payment("EMP-2", "VT-1000", "1500");
  p.Commit();
  EXPECT_EQ(CallsOf("createFixedPayment").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(p.GetObjectid(), "FP-1");
  EXPECT_EQ(p.GetRoot().GetEmployeeShort().GetSurname(), L"Schäfer");
  EXPECT_EQ(p.GetHistory().GetOidFixedPayment(), p.GetHistory().GetObjectID());

  SetFactor1(p, "1600");
  p.Commit();
  p.SetRemoveNew(false);
  p.Commit();
  auto const sets = CallsOf("setFixedPayment");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"FP-1", L"true"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"FP-1", L"false"}));
  std::string const first_period = p.GetHistory().GetOidFixedPayment();

  SetFactor1(p, "1700");
  p.SetValidFrom(VDate(1, 6, 2024));
  p.Commit();
  EXPECT_EQ(p.GetInternalValidFrom(), VDate(1, 6, 2024));
  EXPECT_NE(p.GetHistory().GetOidFixedPayment(), first_period);
  p.SetValidFrom(VDate(1, 9, 2024));
  p.SetRemoveNew(true);
  p.Commit();
  auto const adds = CallsOf("addFixedPayment");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"FP-1", L"false"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"FP-1", L"true"}));

  p.Delete();
  EXPECT_EQ(CallsOf("deleteFixedPayment").at(0).arguments, (Args{L"EMP-2", L"FP-1", L"5"}));
}

TEST_F(FixedPayments, FetchSendsTheEffectiveTimePointAsItIsGiven) {
  Stored(Payment("EMP-1", "VT-1000", "100"));
  FixedPayment got = FixedPayment::GetObjectFromObjectId("FP-1", "2024-03-15", VDate(1, 3, 2024));
  EXPECT_EQ(Factor1(got), "100");
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"FP-1", L"2024-03-15", L"2024-04-01"}));
  // Not read as a date on the way: the server sees the text itself.
  try {
    FixedPayment::GetObjectFromObjectId("FP-1", " 2024-03-15", VDate(-1, -1, -1));
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(),
              L"getObjectFromObjectId: effectiveTimePoint ' 2024-03-15' is not a date "
              L"(YYYY-MM-DD)");
  }
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(1).arguments,
            (Args{L"FP-1", L" 2024-03-15", L"0000-00-00"}));
}

TEST_F(FixedPayments, HistoriesTakeThePaymentsIdEvaluationsTheEmployees) {
  FixedPayment p = Payment("EMP-1", "VT-1100", "10");
  FixedPaymentTP tp = p.GetHistory();
  tp.SetInterval(Quarterly());
  p.SetHistory(tp);
  p.SetEffectiveFrom(VDate(1, 2, 2024));
  p.Commit();
  SetFactor1(p, "12");
  p.SetValidFrom(VDate(1, 6, 2024));
  p.SetEffectiveFrom(VDate(1, 6, 2024));
  p.Commit();  // a second period
  Stored(Payment("EMP-1", "VT-7", "5"));
  Stored(Payment("EMP-2", "VT-1000", "99"));

  EXPECT_EQ(TakeOwnership(FixedPayment::GetAllFixedPaymentHistory("FP-1")).size(), 2u);
  EXPECT_EQ(TakeOwnership(FixedPayment::GetActiveEffectiveFixedPaymentHistory("FP-1")).size(), 2u);
  EXPECT_EQ(Map(FixedPayment::GetEffectiveFixedPaymentHistory("FP-1", VDate(1, 3, 2024)), Factor1),
            std::vector<std::string>{"10"});
  EXPECT_EQ(CallsOf("getAllFixedPaymentHistory").at(0).arguments, Args{L"FP-1"});
  EXPECT_EQ(CallsOf("getActiveEffectiveFixedPaymentHistory").at(0).arguments, Args{L"FP-1"});
  EXPECT_EQ(CallsOf("getEffectiveFixedPaymentHistory").at(0).arguments,
            (Args{L"FP-1", L"2024-04-01"}));

  // Active: each payment's latest period, as entered.
  auto const active = TakeOwnership(FixedPayment::GetEvaFixedPayments("EMP-1"));
  ASSERT_EQ(active.size(), 2u);
  EvaFixedPayment const& overtime = *active[0];
  EXPECT_EQ(overtime.GetFactor1().ToIdl(), "12");
  EXPECT_EQ(overtime.GetTimePeriod().GetEffectiveFrom(), VDate(1, 6, 2024));
  EXPECT_EQ(overtime.GetTimePeriod().GetInternalValidFrom(), VDate(1, 6, 2024));
  EXPECT_EQ(overtime.GetTimePeriod().GetValidUntil(), VDate(31, 11, 2099));
  EXPECT_TRUE(overtime.GetInterval().GetJune());
  EXPECT_FALSE(overtime.GetInterval().GetJuly());
  EXPECT_EQ(active[1]->GetVTypeKey(), 7);
  EXPECT_EQ(active[1]->GetDescription(), "Value type 7");

  EXPECT_EQ(TakeOwnership(FixedPayment::GetEvaAllFixedPaymentHistory("EMP-1")).size(), 3u);
  EXPECT_EQ(TakeOwnership(FixedPayment::GetEvaActiveEffectiveFixedPaymentHistory("EMP-1")).size(),
            3u);
  auto const march =
      TakeOwnership(FixedPayment::GetEvaEffectiveFixedPaymentHistory("EMP-1", VDate(15, 2, 2024)));
  ASSERT_EQ(march.size(), 2u);
  EXPECT_EQ(march[0]->GetFactor1().ToIdl(), "10");
  EXPECT_EQ(march[0]->GetTimePeriod().GetValidUntil(), VDate(30, 5, 2024));
  EXPECT_EQ(CallsOf("getEvaActiveFixedPayments").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEvaAllFixedPaymentHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEvaActiveEffectiveFixedPaymentHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEvaEffectiveFixedPaymentHistory").at(0).arguments,
            (Args{L"EMP-1", L"2024-03-15"}));

  auto const copies =
      TakeOwnership(FixedPayment::GetFixedPaymentsForEmployeeCopy("EMP-1", "2025-01-01"));
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[0]->GetHistory().GetOidFixedPayment(), "");
  EXPECT_EQ(CallsOf("getFixedPaymentsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2025-01-01"}));

  // A row is never written back.
  testing::Control()->clearCalls();
  EvaFixedPayment row = *active[0];
  row.Commit();
  row.Delete();
  EXPECT_TRUE(testing::Calls().empty());
}

TEST_F(FixedPayments, NewFilterSelectsCurrentPaymentsOfActiveEmployees) {
  Stored(Payment("EMP-1", "VT-1000", "1"));
  Stored(Payment("EMP-2", "VT-1100", "2"));
  FixedPayment old = Payment("EMP-1", "VT-1000", "3");  // ended before journalizing
  old.SetValidFrom(VDate(1, 0, 2024));
  old.SetValidUntil(VDate(31, 0, 2024));
  old.Commit();
  Stored(Payment("EMP-3", "VT-1000", "4"));  // withdrawn

  // Undefined dates restrict nothing; after journalized and active
  // employees do.
  EXPECT_EQ(Listed(FixedPaymentFilter()), (std::vector<std::string>{"1", "2"}));
  FixedPaymentFilter all, vtn, withdrawn;
  all.SetAfterJournalized(false);
  vtn.SetVtn(1100);
  withdrawn.SetListDisplayOfEmployeeEnum(pbt::LIST_WITHDRAWN_EMPLOYEES);
  EXPECT_EQ(Listed(all), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Listed(vtn), std::vector<std::string>{"2"});
  EXPECT_EQ(Listed(withdrawn), std::vector<std::string>{"4"});
}

// The application's own receiver of the print run's lines.
using ReportLines = base::VCallback<std::string,
                                    POA_com::ostrel::personnel::domain::employee::fixedpayment::
                                        FixedPaymentReportFileStructCallback,
                                    fixedpayment::FixedPaymentReportFileSeq>;

TEST_F(FixedPayments, PrintRunStreamsReportLinesToTheApplicationsCallback) {
  Stored(Payment("EMP-1", "VT-1000", "1500"));
  Stored(Payment("EMP-5", "VT-1100", "10"));
  auto lines = TakeOwnership(Remote<FixedPaymentService>::StreamReport<ReportLines>(
      &Remote<FixedPaymentService>::Stub::printFixedPayments));
  ASSERT_TRUE(lines->WaitForEnd(std::chrono::milliseconds(10000)));
  auto const got = TakeOwnership(lines->TakeAll());
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(*got[0], "Fixed payments: 2");
  EXPECT_EQ(*got[1], "1001 Müller: 1000 Base salary 1500 x 2 = 3000");
  EXPECT_EQ(*got[2], "2001 Nowak: 1100 Overtime 10 x 2 = 20");
}

// The standard behaviour, as fixed payments show it.
struct FixedPaymentKind {
  using Record = FixedPayment;
  static constexpr char kSet[] = "setFixedPayment";
  static constexpr char kDelete[] = "deleteFixedPayment";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static FixedPayment New(std::string const& oid, int mark) {
    return Payment(oid, "VT-1000", std::to_string(mark).c_str());
  }
  static int Mark(FixedPayment const& p) { return std::stoi(Factor1(p)); }
  static void SetMark(FixedPayment& p, int mark) { SetFactor1(p, std::to_string(mark).c_str()); }
  static auto Stream(unsigned max_hits) {
    std::vector<FixedPaymentFilter*> none;
    return FixedPayment::GetActiveFixedPaymentsCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return FixedPayment::GetFixedPaymentsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite is instantiated where it is declared.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(FixedPayments, StandardRecord, ::testing::Types<FixedPaymentKind>);
}  // namespace testing
}  // namespace ostrel
