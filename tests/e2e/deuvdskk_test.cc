// Social-insurance notifications against the reference server: the two-way
// Commit, the short Delete, the reads, every field through the wire, and the
// server's rules for them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "round_trip.h"
#include "statutory/deuvdskk.h"
#include "vexception.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::Map;
using Filters = std::vector<EEDeuvDskkFilter*>;

// A notification of employee `oid`, valid from 1 March 2026; `days` marks it.
EEDeuvDskk NewNotification(std::string const& oid, long days, std::string const& kennung = "K1") {
  EEDeuvDskk n;
  EEDeuvDskkRoot root = n.GetRoot();
  root.SetEmployeeShort(Employee(oid));
  root.SetKennung(kennung);
  n.SetRoot(root);
  EEDeuvDskkTP tp = n.GetHistory();
  tp.SetSvtg(days);
  n.SetHistory(tp);
  // Also as the stored date, so that a copy keeps the valid-from date.
  n.SetInternalValidFrom(VDate(1, 2, 2026));
  n.SetValidFrom(VDate(1, 2, 2026));
  return n;
}

long Days(EEDeuvDskk const& n) { return n.GetHistory().GetSvtg(); }
void SetDays(EEDeuvDskk& n, long days) {
  EEDeuvDskkTP tp = n.GetHistory();
  tp.SetSvtg(days);
  n.SetHistory(tp);
}

class DeuvDskk : public testing::RecordTest {};

TEST_F(DeuvDskk, CommitCreatesThenSetsAndTakesTheAnswer) {
  EEDeuvDskk n = NewNotification("EMP-2", 30);
  n.Commit();
  EXPECT_EQ(CallsOf("createEEDeuvDskk").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(n.GetObjectid(), "DD-1");
  EXPECT_EQ(n.GetVersion(), 1);
  EXPECT_EQ(n.GetInternalValidFrom(), VDate(1, 2, 2026));
  EXPECT_EQ(n.GetRoot().GetEmployeeShort().GetPersonnelNumber(), 1002);

  SetDays(n, 31);
  n.SetRemoveNew(false);
  n.Commit();
  EXPECT_EQ(CallsOf("setEEDeuvDskk").at(0).arguments, (Args{L"DD-1", L"false"}));
  EXPECT_EQ(CallsOf("createEEDeuvDskk").size(), 1u);
  EXPECT_EQ(n.GetVersion(), 2);
  SetDays(n, 99);
  n.ResetBo();  // the answer is also the saved value
  EXPECT_EQ(Days(n), 31);
}

TEST_F(DeuvDskk, DeleteSendsTheIdentityAndLeavesTheObject) {
  EEDeuvDskk n = NewNotification("EMP-1", 30);
  n.Commit();
  SetDays(n, 40);
  n.Delete();
  EXPECT_EQ(CallsOf("deleteEEDeuvDskk").at(0).arguments, (Args{L"EMP-1", L"DD-1", L"1"}));
  EXPECT_EQ(Days(n), 40);
  // The server keeps the deleted mark.
  EXPECT_TRUE(EEDeuvDskk::GetObjectFromObjectId("DD-1", VDate("")).GetRoot().GetIsDeleted());
}

TEST_F(DeuvDskk, ReadsSendTheirArgumentsInOrder) {
  EEDeuvDskk n = NewNotification("EMP-1", 30);
  n.Commit();
  n.SetValidFrom(VDate(1, 8, 2026));
  SetDays(n, 60);
  n.Commit();  // set: a notification has no add, the period is rewritten

  EEDeuvDskk at = EEDeuvDskk::GetObjectFromObjectId("DD-1", VDate(15, 9, 2026));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments, (Args{L"DD-1", L"2026-10-15"}));
  EXPECT_EQ(Days(at), 60);
  EXPECT_EQ(TakeOwnership(EEDeuvDskk::GetAllEEDeuvDskksHistory("DD-1")).size(), 1u);
  EXPECT_EQ(TakeOwnership(EEDeuvDskk::GetActiveEffectiveEEDeuvDskksHistory("DD-1")).size(), 1u);
  auto effective = Map(EEDeuvDskk::GetEffectiveEEDeuvDskksHistory("DD-1", VDate(2, 9, 2026)),
                       [](EEDeuvDskk const& d) { return Days(d); });
  EXPECT_EQ(effective, std::vector<long>{60});
  EXPECT_EQ(CallsOf("getEffectiveEEDeuvDskkHistory").at(0).arguments,
            (Args{L"DD-1", L"2026-10-02"}));
  EXPECT_EQ(CallsOf("getAllEEDeuvDskkHistory").at(0).arguments, Args{L"DD-1"});
  EXPECT_EQ(CallsOf("getActiveEffectiveEEDeuvDskkHistory").at(0).arguments, Args{L"DD-1"});
}

// --- every field through the wire --------------------------------------

using testing::ExpectHolds;
using testing::ExpectRoundTrips;
using testing::Field;
using testing::Skip;
using testing::WireTable;
using TP = EEDeuvDskkTP;
using Root = EEDeuvDskkRoot;

TEST_F(DeuvDskk, EveryPeriodFieldTravelsAtItsPosition) {
  WireTable<TP> const table({
      Skip<TP, ObjectStruct>(1),
      Skip<TP, TimePeriodStruct>(2),
      Field(3, &TP::SetKennzMome, &TP::GetKennzMome),
      Field(4, &TP::SetKennzGlz, &TP::GetKennzGlz),
      Field(5, &TP::SetGaeg, &TP::GetGaeg),
      Field(6, &TP::SetEgaeg, &TP::GetEgaeg),
      Field(7, &TP::SetKennzrk, &TP::GetKennzrk),
      Field(8, &TP::SetSvtg, &TP::GetSvtg),
      Field(9, &TP::SetGaegkv, &TP::GetGaegkv),
      Field(10, &TP::SetGaegrv, &TP::GetGaegrv),
      Field(11, &TP::SetGaegalv, &TP::GetGaegalv),
      Field(12, &TP::SetEgakv, &TP::GetEgakv),
      Field(13, &TP::SetEgarv, &TP::GetEgarv),
      Field(14, &TP::SetEgaalv, &TP::GetEgaalv),
      Field(15, &TP::SetKennzKvl, &TP::GetKennzKvl),
      Field(16, &TP::SetKennzRvl, &TP::GetKennzRvl),
      Field(17, &TP::SetKennzAlvl, &TP::GetKennzAlvl),
      Field(18, &TP::SetKennzKve, &TP::GetKennzKve),
      Field(19, &TP::SetKennzRve, &TP::GetKennzRve),
      Field(20, &TP::SetKennzAlve, &TP::GetKennzAlve),
  });
  EEDeuvDskk record = NewNotification("EMP-3", 0);
  int const last = ExpectRoundTrips(table, record.GetHistory(), [&record](TP const& p) {
    record.SetHistory(p);
    record.Commit();
    return record.GetHistory();
  });
  ExpectHolds(table, EEDeuvDskk::GetObjectFromObjectId("DD-1", VDate("")).GetHistory(), last);
}

TEST_F(DeuvDskk, EveryRootFieldTravelsAtItsPosition) {
  using EmployeeShortStruct = com::ostrel::personnel::domain::employee::EmployeeShortStruct;
  // The deleted mark is the server's: a stored notification is not deleted.
  testing::WireField<Root> deleted = Field(4, &Root::SetIsDeleted, &Root::GetIsDeleted);
  deleted.set = [](Root& r, int) { r.SetIsDeleted(false); };
  deleted.value = [](int) { return testing::WireValue(false); };
  WireTable<Root> const table({
      Skip<Root, ObjectStruct>(1),
      Skip<Root, EmployeeShortStruct>(2),
      Field(3, &Root::SetKennung, &Root::GetKennung),
      deleted,
      Field(5, &Root::SetIsManually, &Root::GetIsManually),
  });
  EEDeuvDskk record = NewNotification("EMP-6", 0);
  int const last = ExpectRoundTrips(table, record.GetRoot(), [&record](Root const& r) {
    record.SetRoot(r);
    record.Commit();
    return record.GetRoot();
  });
  ExpectHolds(table, EEDeuvDskk::GetObjectFromObjectId("DD-1", VDate("")).GetRoot(), last);
}

TEST(DeuvDskkFilter, EveryFieldSitsAtItsPosition) {
  using F = EEDeuvDskkFilter;
  using testing::Filter;
  using testing::Optional;
  WireTable<F> const table({
      Filter(1, &F::SetFromDate),
      Filter(2, &F::SetUntilDate),
      Filter(3, &F::SetAfterJournalized),
      Filter(4, &F::SetKennung),
      Filter(5, &F::SetOidPCompany),
      Optional(6, &F::SetPnr),
      Filter(7, &F::SetSurname),
      Filter(8, &F::SetFixedDateOfWithDrawal),
      Filter(9, &F::SetWithDeleted),
  });
  for (int round = 0; round < testing::WireValues::kRounds; ++round) {
    F f;
    table.Fill(f, round);
    for (std::string const& m : table.PositionMismatches(f.ToIdl(), round)) {
      ADD_FAILURE() << "round " << round << ": " << m;
    }
  }
}

// --- the server's rules -------------------------------------------------

TEST_F(DeuvDskk, ServerSelectsByFilter) {
  NewNotification("EMP-1", 11, "A").Commit();
  NewNotification("EMP-2", 12, "B").Commit();
  EEDeuvDskk gone = NewNotification("EMP-5", 13, "B");
  gone.Commit();
  gone.Delete();
  auto days = [](EEDeuvDskkFilter f) {
    Filters filters{&f};
    return Map(EEDeuvDskk::GetActiveEEDeuvDskks(&filters, base::Sortierung()),
               [](EEDeuvDskk const& d) { return Days(d); });
  };

  EEDeuvDskkFilter kennung;
  kennung.SetKennung("B");
  EXPECT_EQ(days(kennung), std::vector<long>{12});
  kennung.SetWithDeleted(true);
  EXPECT_EQ(days(kennung), (std::vector<long>{12, 13}));
  EEDeuvDskkFilter company;
  company.SetOidPCompany("C-2");
  company.SetWithDeleted(true);
  EXPECT_EQ(days(company), std::vector<long>{13});
  EEDeuvDskkFilter before;
  before.SetUntilDate(VDate(28, 1, 2026));
  EXPECT_TRUE(days(before).empty());

  Filters none;
  EXPECT_EQ(
      Map(EEDeuvDskk::GetActiveEEDeuvDskks(&none, base::Sortierung().AddKey("kennung", false)),
          [](EEDeuvDskk const& d) { return Days(d); }),
      (std::vector<long>{12, 11}));
}

TEST_F(DeuvDskk, ServerKeepsANotificationWithItsEmployee) {
  EEDeuvDskk n = NewNotification("EMP-1", 30);
  n.Commit();
  EEDeuvDskkRoot root = n.GetRoot();
  root.SetEmployeeShort(Employee("EMP-2"));
  n.SetRoot(root);
  try {
    n.Commit();
    FAIL() << "moving a notification to another employee must be refused";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"notification 'DD-1' belongs to employee 'EMP-1', not 'EMP-2'");
  }
  EXPECT_EQ(n.GetRoot().GetEmployeeShort().GetObjectid(), "EMP-1");
  EXPECT_THROW(NewNotification("EMP-99", 30).Commit(), base::VException);
}

// --- the standard behaviour ---------------------------------------------

struct DeuvDskkKind {
  using Record = EEDeuvDskk;
  static constexpr char kSet[] = "setEEDeuvDskk";
  static constexpr char kDelete[] = "deleteEEDeuvDskk";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static EEDeuvDskk New(std::string const& oid, int mark) { return NewNotification(oid, mark); }
  static int Mark(EEDeuvDskk const& r) { return static_cast<int>(Days(r)); }
  static void SetMark(EEDeuvDskk& r, int mark) { SetDays(r, mark); }
  static auto Stream(unsigned max_hits) {
    Filters none;
    return EEDeuvDskk::GetActiveEEDeuvDskkCB(&none, base::Sortierung(), max_hits);
  }
};

}  // namespace

// The suite's names live in ostrel::testing.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(DeuvDskk, StandardRecord, ::testing::Types<DeuvDskkKind>);
}  // namespace testing
}  // namespace ostrel
