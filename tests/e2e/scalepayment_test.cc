// Scale payments end to end against the reference server: the three-way
// commit with both remove-new flags, the streamed list as the only list,
// histories by the payment's id, the fetch at two time points, and the
// development view with its ids, its date as wire text and its no-history
// flag. The standard behaviour is the shared suite's. The server's seeded employees are
// used: EMP-1 (company C-1, 1001, Jürgen Müller), EMP-2 (C-1, 1002) and
// EMP-5 (C-2, 2001); its pay scales: PS-METAL with group PSG-EG05 (level 1
// 2950.00, +120.00 a level) and PS-PUBLIC with PSG-E09A.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ownership.h"
#include "pay/scalepayment.h"
#include "record_suite.h"
#include "reference_server.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::Map;

// A new scale payment of `employee` at `level` of group PSG-EG05, 90 % with
// performance factor 1.05, valid from 1 January 2024.
ScalePayment Payment(std::string const& employee, long level,
                     std::string const& pay_scale = "PS-METAL",
                     std::string const& group = "PSG-EG05") {
  ScalePayment p;
  ScalePaymentRoot root = p.GetRoot();
  root.SetEmployeeShort(testing::Employee(employee));
  root.SetOidPayScale(pay_scale);
  p.SetRoot(root);
  ScalePaymentTP tp = p.GetHistory();
  tp.SetOidPayScaleGroup(group);
  tp.SetPayScaleLevel(level);
  tp.SetPercentage(VFixed("90"));
  tp.SetPerformanceFactor(VFixed("1.05"));
  p.SetHistory(tp);
  p.SetValidFrom(VDate(1, 0, 2024));
  return p;
}
ScalePayment Stored(ScalePayment p) {
  p.Commit();
  return p;
}

void SetLevel(ScalePayment& p, long level) {
  ScalePaymentTP tp = p.GetHistory();
  tp.SetPayScaleLevel(level);
  p.SetHistory(tp);
}
long Level(ScalePayment const& p) { return p.GetHistory().GetPayScaleLevel(); }

// The levels streamed for the filters, in order.
std::vector<long> Streamed(std::vector<ScalePaymentFilter*> const& filters,
                           base::Sortierung const& sort = base::Sortierung()) {
  auto const cb = TakeOwnership(ScalePayment::GetActiveScalePaymentsCB(&filters, sort, 0));
  EXPECT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
  std::vector<long> levels;
  for (auto const& p : TakeOwnership(cb->TakeAll())) levels.push_back(Level(*p));
  return levels;
}
std::vector<long> Streamed(ScalePaymentFilter f) {
  return Streamed(std::vector<ScalePaymentFilter*>{&f});
}

std::string Amount(ScalePaymentDevelopment const& r) { return r.GetAmount().ToIdl(); }

using ScalePayments = testing::RecordTest;

TEST_F(ScalePayments, CommitCreatesSetsOrAddsWithTheRemoveNewFlag) {
  ScalePayment p = Payment("EMP-1", 2);
  p.Commit();
  EXPECT_EQ(CallsOf("createScalePayment").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(p.GetObjectid(), "SP-1");
  EXPECT_EQ(p.GetHistory().GetOidScalePayment(), p.GetHistory().GetObjectID());
  EXPECT_TRUE(p.GetHistory().GetPrintOnStatementOfEarnings());

  ScalePaymentTP tp = p.GetHistory();
  tp.SetNextUpgrading(VDate(1, 0, 2026));
  tp.SetLastUpgrading(VDate(1, 0, 2023));
  p.SetHistory(tp);
  p.Commit();
  EXPECT_EQ(p.GetHistory().GetNextUpgrading(), VDate(1, 0, 2026));
  EXPECT_EQ(p.GetHistory().GetLastUpgrading(), VDate(1, 0, 2023));
  p.SetRemoveNew(false);
  p.Commit();
  auto const sets = CallsOf("setScalePayment");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"SP-1", L"true"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"SP-1", L"false"}));

  SetLevel(p, 3);
  p.SetValidFrom(VDate(1, 6, 2024));
  p.Commit();
  EXPECT_EQ(p.GetInternalValidFrom(), VDate(1, 6, 2024));
  SetLevel(p, 4);
  p.SetValidFrom(VDate(1, 9, 2024));
  p.SetRemoveNew(true);
  p.Commit();
  auto const adds = CallsOf("addScalePayment");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"SP-1", L"false"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"SP-1", L"true"}));

  p.Delete();
  EXPECT_EQ(CallsOf("deleteScalePayment").at(0).arguments, (Args{L"EMP-1", L"SP-1", L"5"}));
  EXPECT_TRUE(Streamed(ScalePaymentFilter()).empty());
}

TEST_F(ScalePayments, TheStreamedListIsTheListAndItsFilterSelects) {
  Stored(Payment("EMP-1", 2));
  Stored(Payment("EMP-2", 0));
  Stored(Payment("EMP-5", 4, "PS-PUBLIC", "PSG-E09A"));

  EXPECT_EQ(Streamed(ScalePaymentFilter()), (std::vector<long>{2, 0, 4}));
  // The scale payment's own filter values; level 0 is a value, not "unset".
  ScalePaymentFilter level0, scale, group;
  level0.SetPayScaleLevel(0);
  scale.SetOidPayScale("PS-PUBLIC");
  group.SetOidPayScaleGroup("PSG-EG05");
  EXPECT_EQ(Streamed(level0), std::vector<long>{0});
  EXPECT_EQ(Streamed(scale), std::vector<long>{4});
  EXPECT_EQ(Streamed(group), (std::vector<long>{2, 0}));
  level0.ClearPayScaleLevel();
  EXPECT_EQ(Streamed(level0), (std::vector<long>{2, 0, 4}));
  base::Sortierung by_level;
  by_level.AddKey("payScaleLevel", false);
  EXPECT_EQ(Streamed(std::vector<ScalePaymentFilter*>{}, by_level), (std::vector<long>{4, 2, 0}));
}

TEST_F(ScalePayments, HistoriesTakeThePaymentsIdFetchPassesTheEffectiveText) {
  ScalePayment p = Stored(Payment("EMP-1", 2));
  SetLevel(p, 3);
  p.SetValidFrom(VDate(1, 6, 2024));
  p.Commit();

  EXPECT_EQ(Map(ScalePayment::GetAllScalePaymentHistory("SP-1"), Level), (std::vector<long>{2, 3}));
  EXPECT_EQ(TakeOwnership(ScalePayment::GetActiveEffectiveScalePaymentHistory("SP-1")).size(), 2u);
  EXPECT_EQ(Map(ScalePayment::GetEffectiveScalePaymentHistory("SP-1", VDate(1, 2, 2024)), Level),
            std::vector<long>{2});
  EXPECT_EQ(CallsOf("getAllScalePaymentHistory").at(0).arguments, Args{L"SP-1"});
  EXPECT_EQ(CallsOf("getActiveEffectiveScalePaymentHistory").at(0).arguments, Args{L"SP-1"});
  EXPECT_EQ(CallsOf("getEffectiveScalePaymentHistory").at(0).arguments,
            (Args{L"SP-1", L"2024-03-01"}));

  // Effective in March, valid in August: the period valid in August.
  ScalePayment got = ScalePayment::GetObjectFromObjectId("SP-1", "2024-03-01", VDate(1, 7, 2024));
  EXPECT_EQ(Level(got), 3);
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"SP-1", L"2024-03-01", L"2024-08-01"}));

  auto const copies =
      TakeOwnership(ScalePayment::GetScalePaymentsForEmployeeCopy("EMP-1", "2025-01-01"));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(Level(*copies[0]), 3);
  EXPECT_EQ(CallsOf("getScalePaymentsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2025-01-01"}));
}

TEST_F(ScalePayments, DevelopmentSendsIdsTheDatesWireTextAndTheFlag) {
  ScalePayment p = Stored(Payment("EMP-1", 2));
  ScalePaymentTP tp = p.GetHistory();
  personnel::Interval november(false);
  november.SetNovember(true);
  tp.SetInterval(november);
  tp.SetPayScaleLevel(3);
  p.SetHistory(tp);
  p.SetValidFrom(VDate(1, 6, 2024));
  p.Commit();
  Stored(Payment("EMP-5", 1, "PS-UNKNOWN", "PSG-UNKNOWN"));

  std::vector<std::string> ids{"SP-1", "SP-2"};
  auto const all =
      TakeOwnership(ScalePayment::GetScalePaymentDevelopment(&ids, VDate(-1, -1, -1), false));
  EXPECT_EQ(CallsOf("getScalePaymentDevelopments").at(0).arguments,
            (Args{L"[SP-1,SP-2]", L"0000-00-00", L"false"}));
  // 2950.00 + 120.00 a level, at 90 % and 1.05.
  ASSERT_EQ(all.size(), 3u);
  EXPECT_EQ(Amount(*all[0]), "2901.15");
  EXPECT_EQ(Amount(*all[1]), "3014.55");
  EXPECT_EQ(Amount(*all[2]), "");
  // One row per period, with its validity and interval.
  ScalePaymentDevelopment const& first = *all[0];
  EXPECT_EQ(first.GetPayScaleLevelKey(), 2);
  EXPECT_EQ(first.GetValidFrom(), VDate(1, 0, 2024));
  EXPECT_EQ(first.GetValidUntil(), VDate(30, 5, 2024));
  EXPECT_EQ(all[1]->GetValidFrom(), VDate(1, 6, 2024));
  EXPECT_TRUE(all[1]->GetInterval().GetNovember());
  EXPECT_FALSE(all[1]->GetInterval().GetJanuary());
  EXPECT_TRUE(first.GetInterval().GetJanuary());
  EXPECT_EQ(all[2]->GetPayScaleKey(), L"PS-UNKNOWN");
  EXPECT_EQ(all[2]->GetValueTypeNumber(), 0);

  // The time point as wire text: periods started by then, or only the one
  // in force.
  std::vector<std::string> one{"SP-1"};
  EXPECT_EQ(Map(ScalePayment::GetScalePaymentDevelopment(&one, VDate(15, 2, 2024), false), Amount),
            std::vector<std::string>{"2901.15"});
  EXPECT_EQ(Map(ScalePayment::GetScalePaymentDevelopment(&one, VDate(15, 7, 2024), true), Amount),
            std::vector<std::string>{"3014.55"});
  EXPECT_EQ(Map(ScalePayment::GetScalePaymentDevelopment(&one, VDate(15, 7, 2024), false), Amount),
            (std::vector<std::string>{"2901.15", "3014.55"}));
  auto const sent = CallsOf("getScalePaymentDevelopments");
  EXPECT_EQ(sent.at(1).arguments, (Args{L"[SP-1]", L"2024-03-15", L"false"}));
  EXPECT_EQ(sent.at(2).arguments, (Args{L"[SP-1]", L"2024-08-15", L"true"}));

  std::vector<std::string> none;
  EXPECT_TRUE(
      TakeOwnership(ScalePayment::GetScalePaymentDevelopment(&none, VDate(15, 7, 2024), true))
          .empty());
  EXPECT_EQ(CallsOf("getScalePaymentDevelopments").at(4).arguments.at(0), L"[]");

  std::vector<std::string> unknown{"SP-9"};
  EXPECT_THROW(ScalePayment::GetScalePaymentDevelopment(&unknown, VDate(15, 7, 2024), true),
               base::VException);
}

// The standard behaviour, as scale payments show it.
struct ScalePaymentKind {
  using Record = ScalePayment;
  static constexpr char kSet[] = "setScalePayment";
  static constexpr char kDelete[] = "deleteScalePayment";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static ScalePayment New(std::string const& oid, int mark) { return Payment(oid, mark); }
  static int Mark(ScalePayment const& p) { return static_cast<int>(Level(p)); }
  static void SetMark(ScalePayment& p, int mark) { SetLevel(p, mark); }
  static auto Stream(unsigned max_hits) {
    std::vector<ScalePaymentFilter*> none;
    return ScalePayment::GetActiveScalePaymentsCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return ScalePayment::GetScalePaymentsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite is instantiated where it is declared.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(ScalePayments, StandardRecord, ::testing::Types<ScalePaymentKind>);
}  // namespace testing
}  // namespace ostrel
