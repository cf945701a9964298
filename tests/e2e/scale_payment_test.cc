// Scale payments end to end against the reference server: the three-way
// commit and the long delete, the streamed list as the only list, histories
// by the payment's id, and the development view with its ids, its date as
// display text and its no-history flag. The server's seeded employees are
// used: EMP-1 (company C-1, 1001, Jürgen Müller), EMP-2 (C-1, 1002) and
// EMP-5 (C-2, 2001); its pay scales: PS-METAL with group PSG-EG05 (level 1
// 2950.00, +120.00 a level) and PS-PUBLIC with PSG-E09A.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "pay/scale_payment.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using base::VDate;
using base::VFixed;
using testing::CallsOf;
using testing::InjectFault;

template <class T>
using Owned = std::unique_ptr<std::vector<T*>, void (*)(std::vector<T*>*)>;
template <class T>
Owned<T> Own(std::vector<T*>* v) {
  return Owned<T>(v, &DeleteAll<T>);
}

using Args = std::vector<std::wstring>;

class ScalePayments : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }

  // A new scale payment of `employee` at `level` of group PSG-EG05, 90 % with
  // performance factor 1.05, valid from 1 January 2024.
  static ScalePayment Payment(std::string const& employee, long level,
                              std::string const& pay_scale = "PS-METAL",
                              std::string const& group = "PSG-EG05") {
    ScalePayment p;
    ScalePaymentRoot root = p.GetRoot();
    EmployeeShort e = root.GetEmployeeShort();
    e.SetObjectid(employee);
    root.SetEmployeeShort(e);
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
  static ScalePayment Stored(ScalePayment p) {
    p.Commit();
    return p;
  }

  static void SetLevel(ScalePayment& p, long level) {
    ScalePaymentTP tp = p.GetHistory();
    tp.SetPayScaleLevel(level);
    p.SetHistory(tp);
  }

  // The levels streamed for the filters, in order.
  static std::vector<long> Streamed(std::vector<ScalePaymentFilter*> const& filters,
                                    base::Sortierung const& sort = base::Sortierung()) {
    std::unique_ptr<ScalePayment::Callback> cb(
        ScalePayment::GetActiveScalePaymentsCB(&filters, sort, 0));
    EXPECT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
    std::vector<long> levels;
    for (ScalePayment* p : cb->TakeAll()) {
      levels.push_back(p->GetHistory().GetPayScaleLevel());
      delete p;
    }
    return levels;
  }
  static std::vector<long> Streamed(ScalePaymentFilter const& f) {
    ScalePaymentFilter copy = f;
    return Streamed(std::vector<ScalePaymentFilter*>{&copy});
  }

  static std::vector<std::string> Amounts(std::vector<ScalePaymentDevelopment*> const& rows) {
    std::vector<std::string> out;
    for (ScalePaymentDevelopment* r : rows) out.push_back(r->GetAmount().ToIdl());
    return out;
  }
};

TEST_F(ScalePayments, CommitCreatesSetsOrAdds) {
  ScalePayment p = Payment("EMP-1", 2);
  p.Commit();
  EXPECT_EQ(CallsOf("createScalePayment").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(p.GetObjectid(), "SP-1");
  EXPECT_EQ(p.GetHistory().GetOidScalePayment(), p.GetHistory().GetObjectID());
  EXPECT_TRUE(p.GetHistory().GetPrintOnStatementOfEarnings());

  ScalePaymentTP tp = p.GetHistory();
  tp.SetNextUpgrading(VDate(1, 0, 2026));
  p.SetHistory(tp);
  p.Commit();
  EXPECT_EQ(CallsOf("setScalePayment").at(0).arguments, (Args{L"SP-1", L"true"}));
  EXPECT_EQ(p.GetHistory().GetNextUpgrading(), VDate(1, 0, 2026));

  SetLevel(p, 3);
  p.SetValidFrom(VDate(1, 6, 2024));
  p.Commit();
  EXPECT_EQ(CallsOf("addScalePayment").at(0).arguments, (Args{L"SP-1", L"true"}));
  EXPECT_EQ(p.GetInternalValidFrom(), VDate(1, 6, 2024));
}

TEST_F(ScalePayments, FailedCommitAndDeleteReturnToTheSavedValue) {
  ScalePayment p = Stored(Payment("EMP-1", 2));
  SetLevel(p, 5);
  InjectFault("setScalePayment", ref::RAISE_DOMAIN, L"no such level");
  EXPECT_THROW(p.Commit(), base::VException);
  EXPECT_EQ(p.GetHistory().GetPayScaleLevel(), 2);

  SetLevel(p, 6);
  InjectFault("deleteScalePayment", ref::RAISE_PERSISTENCY, L"in use");
  EXPECT_THROW(p.Delete(), base::VException);
  EXPECT_EQ(p.GetHistory().GetPayScaleLevel(), 2);

  p.Delete();
  EXPECT_EQ(CallsOf("deleteScalePayment").at(1).arguments, (Args{L"EMP-1", L"SP-1", L"1"}));
  EXPECT_TRUE(Streamed(ScalePaymentFilter()).empty());
}

TEST_F(ScalePayments, TheStreamedListIsTheListAndItsFilterSelects) {
  Stored(Payment("EMP-1", 2));
  Stored(Payment("EMP-2", 0));
  Stored(Payment("EMP-5", 4, "PS-PUBLIC", "PSG-E09A"));

  EXPECT_EQ(Streamed(ScalePaymentFilter()), (std::vector<long>{2, 0, 4}));
  ScalePaymentFilter level0, scale, group, company, pnr;
  level0.SetPayScaleLevel(0);
  scale.SetOidPayScale("PS-PUBLIC");
  group.SetOidPayScaleGroup("PSG-EG05");
  company.SetOidPCompany("C-1");
  pnr.SetPnr(1002);
  EXPECT_EQ(Streamed(level0), std::vector<long>{0});
  EXPECT_EQ(Streamed(scale), std::vector<long>{4});
  EXPECT_EQ(Streamed(group), (std::vector<long>{2, 0}));
  EXPECT_EQ(Streamed(company), (std::vector<long>{2, 0}));
  EXPECT_EQ(Streamed(pnr), std::vector<long>{0});
  base::Sortierung by_level;
  by_level.AddKey("payScaleLevel", false);
  EXPECT_EQ(Streamed(std::vector<ScalePaymentFilter*>{}, by_level), (std::vector<long>{4, 2, 0}));
}

TEST_F(ScalePayments, HistoriesTakeThePaymentsIdFetchPassesTheEffectiveText) {
  ScalePayment p = Stored(Payment("EMP-1", 2));
  SetLevel(p, 3);
  p.SetValidFrom(VDate(1, 6, 2024));
  p.Commit();

  EXPECT_EQ(Own(ScalePayment::GetAllScalePaymentHistory("SP-1"))->size(), 2u);
  EXPECT_EQ(Own(ScalePayment::GetActiveEffectiveScalePaymentHistory("SP-1"))->size(), 2u);
  auto march = Own(ScalePayment::GetEffectiveScalePaymentHistory("SP-1", VDate(1, 2, 2024)));
  ASSERT_EQ(march->size(), 1u);
  EXPECT_EQ((*march)[0]->GetHistory().GetPayScaleLevel(), 2);
  EXPECT_EQ(CallsOf("getAllScalePaymentHistory").at(0).arguments, Args{L"SP-1"});
  EXPECT_EQ(CallsOf("getActiveEffectiveScalePaymentHistory").at(0).arguments, Args{L"SP-1"});
  EXPECT_EQ(CallsOf("getEffectiveScalePaymentHistory").at(0).arguments,
            (Args{L"SP-1", L"2024-03-01"}));

  ScalePayment got = ScalePayment::GetObjectFromObjectId("SP-1", "2024-03-01", VDate(-1, -1, -1));
  EXPECT_EQ(got.GetHistory().GetPayScaleLevel(), 2);
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"SP-1", L"2024-03-01", L"0000-00-00"}));

  auto copies = Own(ScalePayment::GetScalePaymentsForEmployeeCopy("EMP-1", "2025-01-01"));
  ASSERT_EQ(copies->size(), 1u);
  EXPECT_TRUE((*copies)[0]->IsNew());
  EXPECT_EQ((*copies)[0]->GetHistory().GetPayScaleLevel(), 3);
  EXPECT_EQ(CallsOf("getScalePaymentsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2025-01-01"}));
}

TEST_F(ScalePayments, DevelopmentSendsIdsDisplayDateAndFlag) {
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
  auto all = Own(ScalePayment::GetScalePaymentDevelopment(&ids, VDate(-1, -1, -1), false));
  EXPECT_EQ(CallsOf("getScalePaymentDevelopments").at(0).arguments,
            (Args{L"[SP-1,SP-2]", L"00.00.0000", L"false"}));
  // 2950.00 + 120.00 a level, at 90 % and 1.05.
  EXPECT_EQ(Amounts(*all), (std::vector<std::string>{"2901.15", "3014.55", ""}));
  // One row per period, with its validity and interval.
  ScalePaymentDevelopment const& first = *(*all)[0];
  EXPECT_EQ(first.GetPayScaleLevelKey(), 2);
  EXPECT_EQ(first.GetValidFrom(), VDate(1, 0, 2024));
  EXPECT_EQ(first.GetValidUntil(), VDate(30, 5, 2024));
  EXPECT_EQ((*all)[1]->GetValidFrom(), VDate(1, 6, 2024));
  EXPECT_TRUE((*all)[1]->GetInterval().GetNovember());
  EXPECT_FALSE((*all)[1]->GetInterval().GetJanuary());
  EXPECT_TRUE(first.GetInterval().GetJanuary());
  EXPECT_EQ((*all)[2]->GetPayScaleKey(), L"PS-UNKNOWN");
  EXPECT_EQ((*all)[2]->GetValueTypeNumber(), 0);

  // The time point as display text: periods started by then, or only the
  // one in force.
  std::vector<std::string> one{"SP-1"};
  auto by_march = Own(ScalePayment::GetScalePaymentDevelopment(&one, VDate(15, 2, 2024), false));
  EXPECT_EQ(Amounts(*by_march), std::vector<std::string>{"2901.15"});
  auto in_august = Own(ScalePayment::GetScalePaymentDevelopment(&one, VDate(15, 7, 2024), true));
  EXPECT_EQ(Amounts(*in_august), std::vector<std::string>{"3014.55"});
  EXPECT_EQ(CallsOf("getScalePaymentDevelopments").at(2).arguments,
            (Args{L"[SP-1]", L"15.08.2024", L"true"}));

  std::vector<std::string> none;
  auto empty = Own(ScalePayment::GetScalePaymentDevelopment(&none, VDate(15, 7, 2024), true));
  EXPECT_TRUE(empty->empty());
  EXPECT_EQ(CallsOf("getScalePaymentDevelopments").at(3).arguments.at(0), L"[]");

  std::vector<std::string> unknown{"SP-9"};
  EXPECT_THROW(ScalePayment::GetScalePaymentDevelopment(&unknown, VDate(15, 7, 2024), true),
               base::VException);
}

}  // namespace
}  // namespace ostrel
