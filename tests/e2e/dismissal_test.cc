// Dismissal certificate data end to end: the three-way Commit that sends
// only the period, the long Delete that sends the employee's object id
// alone, and the queries by the employee.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "statutory/dismissal.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VException;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::StandardRecord;

// New dismissal data of the employee from 1 January 2026; the employee is
// named by the period's oidEmployee only.
EEDismissal NewDismissal(std::string const& oid, VDate const& end) {
  EEDismissal r;
  DismissalTP p = r.GetHistory();
  p.SetOidEmployee(oid);
  p.SetEndOfEmployment(end);
  r.SetHistory(p);
  r.SetValidFrom(VDate(1, 0, 2026));
  return r;
}

void SetEnd(EEDismissal& r, VDate const& end) {
  DismissalTP p = r.GetHistory();
  p.SetEndOfEmployment(end);
  r.SetHistory(p);
}

std::vector<std::string> Ends(std::vector<EEDismissal*>* result) {
  std::vector<std::string> out;
  for (auto const& r : TakeOwnership(result)) {
    out.push_back(r->GetObjectid() + ":" + r->GetHistory().GetEndOfEmployment().ToIdl());
  }
  return out;
}

using DismissalRecords = testing::RecordTest;

// The standard behaviour: both a failed Commit and a failed Delete reset.
struct DismissalKind {
  using Record = EEDismissal;
  static constexpr char kSet[] = "setDismissal";
  static constexpr char kDelete[] = "deleteDismissal";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static EEDismissal New(std::string const& oid, int mark) {
    EEDismissal r = NewDismissal(oid, VDate(31, 2, 2026));
    SetMark(r, mark);
    return r;
  }
  static int Mark(EEDismissal const& r) {
    return static_cast<int>(r.GetHistory().GetValueForTimeUnit());
  }
  static void SetMark(EEDismissal& r, int mark) {
    DismissalTP p = r.GetHistory();
    p.SetValueForTimeUnit(mark);
    r.SetHistory(p);
  }
  static auto AllHistory(std::string const& oid) {
    return EEDismissal::GetAllDismissalHistory(oid);
  }
  static auto Stream(unsigned max_hits) {
    return EEDismissal::GetActiveDismissalsCB(nullptr, base::Sortierung(), max_hits);
  }
};
// The typed suite registers its tests under names of its own namespace.
using namespace testing;
INSTANTIATE_TYPED_TEST_SUITE_P(Dismissal, StandardRecord, ::testing::Types<DismissalKind>);

TEST_F(DismissalRecords, CommitSendsOnlyThePeriodAndTakesOverTheWholeRecord) {
  EEDismissal r = NewDismissal("EMP-2", VDate(30, 5, 2026));
  r.Commit();
  EXPECT_EQ(CallsOf("createDismissal").at(0).arguments, (Args{L"EMP-2"}));
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetObjectid(), "EMP-2");
  EXPECT_EQ(r.GetEmployeeShort().GetSurname(), L"Schäfer") << "the employee came with the answer";
  EXPECT_EQ(r.GetHistory().GetTypeOfDismissal(), dismissal::DISMISSAL_END_OF_CONTRACT);

  r.SetRemoveNew(false);
  SetEnd(r, VDate(31, 6, 2026));
  r.Commit();
  r.SetRemoveNew(true);
  r.Commit();
  auto sets = CallsOf("setDismissal");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments.at(0), L"EMP-2");
  EXPECT_EQ(sets[0].arguments.back(), L"false");
  EXPECT_EQ(sets[1].arguments.back(), L"true");

  r.SetValidFrom(VDate(1, 6, 2026));
  SetEnd(r, VDate(31, 7, 2026));
  r.Commit();
  r.SetRemoveNew(false);
  r.SetValidFrom(VDate(1, 8, 2026));
  SetEnd(r, VDate(30, 8, 2026));
  r.Commit();
  auto adds = CallsOf("addDismissal");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments.back(), L"true");
  EXPECT_EQ(adds[1].arguments.back(), L"false");
  EXPECT_EQ(Ends(EEDismissal::GetActiveEffectiveDismissalHistory("EMP-2")),
            (std::vector<std::string>{"EMP-2:2026-07-31", "EMP-2:2026-08-31", "EMP-2:2026-09-30"}));
}

TEST_F(DismissalRecords, DeleteSendsTheEmployeeAloneEvenForANewRecord) {
  EEDismissal never;
  never.SetEmployeeShort(Employee("EMP-4"));
  never.Delete();  // EMP-4 has no dismissal data: the server has nothing to do
  EXPECT_EQ(CallsOf("deleteDismissal").at(0).arguments, (Args{L"EMP-4"}));
  EXPECT_TRUE(never.IsNew());

  EEDismissal r = NewDismissal("EMP-1", VDate(31, 2, 2026));
  r.Commit();
  r.Delete();
  EXPECT_EQ(CallsOf("deleteDismissal").at(1).arguments, (Args{L"EMP-1"}));
  EXPECT_EQ(r.GetHistory().GetEndOfEmployment(), VDate(31, 2, 2026)) << "the object stays";
  EXPECT_THROW(EEDismissal::GetAllDismissalHistory("EMP-1"), VException);

  // What the current value names is deleted, not what was read.
  NewDismissal("EMP-2", VDate(31, 2, 2026)).Commit();
  NewDismissal("EMP-1", VDate(30, 3, 2026)).Commit();
  r.SetEmployeeShort(Employee("EMP-2"));
  r.Delete();
  EXPECT_EQ(CallsOf("deleteDismissal").at(2).arguments, (Args{L"EMP-2"}));
  EXPECT_EQ(Ends(EEDismissal::GetAllDismissalHistory("EMP-1")),
            (std::vector<std::string>{"EMP-1:2026-04-30"}));
}

TEST_F(DismissalRecords, QueriesByTheEmployee) {
  EEDismissal r = NewDismissal("EMP-1", VDate(31, 2, 2026));
  r.Commit();
  SetEnd(r, VDate(30, 5, 2026));
  r.SetValidFrom(VDate(1, 3, 2026));
  r.Commit();
  NewDismissal("EMP-5", VDate(31, 11, 2026)).Commit();

  EXPECT_EQ(Ends(EEDismissal::GetAllDismissalHistory("EMP-1")),
            (std::vector<std::string>{"EMP-1:2026-03-31", "EMP-1:2026-06-30"}));
  EXPECT_EQ(Ends(EEDismissal::GetEffectiveDismissalHistory("EMP-1", VDate(1, 4, 2026))),
            (std::vector<std::string>{"EMP-1:2026-06-30"}));
  EXPECT_EQ(CallsOf("getEffectiveDismissalHistory").at(0).arguments,
            (Args{L"EMP-1", L"2026-05-01"}));

  EEDismissalFilter c2;
  c2.SetOidPCompany("C-2");
  EEDismissalFilter pnr;
  pnr.SetPnr(1001);
  std::vector<EEDismissalFilter*> filters = {&c2, &pnr};
  base::Sortierung by_end;
  by_end.AddKey("endOfEmployment", false);
  EXPECT_EQ(Ends(EEDismissal::GetActiveDismissals(&filters, by_end)),
            (std::vector<std::string>{"EMP-5:2026-12-31", "EMP-1:2026-06-30"}));
  EXPECT_EQ(CallsOf("getActiveDismissal").at(0).arguments, (Args{L"[2]", L"endOfEmployment desc"}));
}

}  // namespace
}  // namespace ostrel
