// The standard record operations and their bent forms, end to end against the
// reference server: which operation is called, which arguments travel, what
// the object holds afterwards and what a failure leaves behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "record_suite.h"
#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

using testing::StandardRecord;

namespace ref = com::ostrel::reference;
using testing::CallsOf;
using testing::InjectFault;

template <class T>
using Owned = std::unique_ptr<std::vector<T*>, void (*)(std::vector<T*>*)>;
template <class T>
Owned<T> Own(std::vector<T*>* v) {
  return Owned<T>(v, &DeleteAll<T>);
}

class RecordOps : public testing::RecordTest {
 protected:
  // A new record of employee `oid_employee` in company `company`.
  static TestRecord NewRecord(std::string const& key, long pnr = 1,
                              std::string const& oid_employee = "EMP-1",
                              std::string const& company = "C-1") {
    TestRecord r;
    TestRecordRoot root = r.GetRoot();
    root.SetOidEmployee(oid_employee);
    root.SetOidPCompany(company);
    root.SetPersonnelNumber(pnr);
    root.SetSurname(L"Müller");
    root.SetKey(key);
    r.SetRoot(root);
    TestRecordTP tp = r.GetHistory();
    tp.SetAmount(base::VFixed("10.00"));
    tp.SetCount(3);
    r.SetHistory(tp);
    r.SetEffectiveFrom(base::VDate(1, 0, 2026));
    r.SetValidFrom(base::VDate(1, 0, 2026));
    return r;
  }

  static void SetAmount(TestRecord& r, char const* amount) {
    TestRecordTP tp = r.GetHistory();
    tp.SetAmount(base::VFixed(amount));
    r.SetHistory(tp);
  }

  static std::vector<TestRecordFilter*> NoFilters() { return {}; }
};

TEST_F(RecordOps, CommitCreatesNewThenSetsExisting) {
  TestRecord r = NewRecord("A");
  r.Commit();
  EXPECT_FALSE(r.IsNew());
  EXPECT_FALSE(r.GetObjectid().empty());
  EXPECT_EQ(r.GetObjectID(), r.GetObjectid());
  EXPECT_EQ(r.GetVersion(), 1);
  EXPECT_EQ(r.GetLastuserid(), "test");
  EXPECT_EQ(CallsOf("createTestRecord").size(), 1u);
  EXPECT_TRUE(CallsOf("setTestRecord").empty());

  SetAmount(r, "11.50");
  r.Commit();
  EXPECT_EQ(r.GetVersion(), 2);
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "11.50");
  auto sets = CallsOf("setTestRecord");
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].arguments.back(), L"true");  // remove-new from the object

  // What the server returned is also the saved value.
  SetAmount(r, "99");
  r.ResetBo();
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "11.50");
}

TEST_F(RecordOps, CommitSendsValidFromAsInternalValidFrom) {
  TestRecord r = NewRecord("A");
  r.SetValidFrom(base::VDate(15, 1, 2026));
  r.Commit();
  EXPECT_EQ(r.GetInternalValidFrom(), base::VDate(15, 1, 2026));
  r.SetRemoveNew(false);
  r.Commit();
  EXPECT_EQ(CallsOf("setTestRecord").at(0).arguments.back(), L"false");
}

TEST_F(RecordOps, ThreeWayCommitAddsOnlyForANewValidFrom) {
  TestRecord r = NewRecord("A");
  r.CommitThreeWay();
  ASSERT_EQ(CallsOf("createTestRecord").size(), 1u);

  SetAmount(r, "20");
  r.SetValidFrom(r.GetInternalValidFrom());
  r.CommitThreeWay();
  EXPECT_EQ(CallsOf("setTestRecord").size(), 1u);
  EXPECT_TRUE(CallsOf("addTestRecord").empty());

  SetAmount(r, "30");
  r.SetValidFrom(base::VDate(1, 6, 2026));
  r.CommitThreeWay();
  ASSERT_EQ(CallsOf("addTestRecord").size(), 1u);
  EXPECT_EQ(r.GetInternalValidFrom(), base::VDate(1, 6, 2026));
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "30");

  // The server closed the first period the day before the new one.
  auto all = Own(TestRecord::GetAllTestRecordsHistory(r.GetObjectid()));
  ASSERT_EQ(all->size(), 2u);
  TestRecord const* first =
      (*all)[0]->GetInternalValidFrom() < (*all)[1]->GetInternalValidFrom() ? (*all)[0] : (*all)[1];
  EXPECT_EQ(first->GetHistory().GetAmount().ToIdl(), "20");
  EXPECT_EQ(first->GetValidUntil(), base::VDate(30, 5, 2026));
}

TEST_F(RecordOps, RemoveNewRulesOfTheBentCommits) {
  TestRecord r = NewRecord("A");
  r.SetValidUntil(base::VDate(31, 11, 2099));
  r.CommitOpenEnd();
  r.SetRemoveNew(false);
  r.CommitOpenEnd();  // open end: true whatever the object says
  r.SetValidUntil(base::VDate(31, 11, 2030));
  r.SetRemoveNew(true);
  r.CommitOpenEnd();  // closed: false
  auto sets = CallsOf("setTestRecord");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments.back(), L"true");
  EXPECT_EQ(sets[1].arguments.back(), L"false");

  testing::ResetServer();
  TestRecord f = NewRecord("B");
  f.CommitFixedRemoveNew();
  f.SetRemoveNew(true);
  f.CommitFixedRemoveNew();  // set: always false
  f.SetRemoveNew(false);
  f.SetValidFrom(base::VDate(1, 3, 2027));
  f.CommitFixedRemoveNew();  // add: always true
  EXPECT_EQ(CallsOf("setTestRecord").at(0).arguments.back(), L"false");
  EXPECT_EQ(CallsOf("addTestRecord").at(0).arguments.back(), L"true");
}

TEST_F(RecordOps, FailedCommitLeavesTheLastSavedValue) {
  TestRecord r = NewRecord("A");
  r.Commit();
  TestRecord const saved = r;
  SetAmount(r, "77");
  InjectFault("setTestRecord", ref::RAISE_DOMAIN, L"amount exceeds the limit \U0001F0A1");
  try {
    r.Commit();
    FAIL() << "Commit must raise";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"amount exceeds the limit \U0001F0A1");
    EXPECT_EQ(e.GetCode(), base::VException::kDomain);
  }
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "10.00");
  EXPECT_EQ(r.GetObjectID(), saved.GetObjectID());
  EXPECT_EQ(r.GetVersion(), saved.GetVersion());
  EXPECT_FALSE(r.IsNew());
}

TEST_F(RecordOps, FailedCreateLeavesTheObjectNew) {
  TestRecord r = NewRecord("A");
  InjectFault("createTestRecord", ref::RAISE_PERSISTENCY, L"disk full");
  EXPECT_THROW(r.Commit(), base::VException);
  EXPECT_TRUE(r.IsNew());
  // The default record was the saved value: the unsaved key is gone.
  EXPECT_EQ(r.GetRoot().GetKey(), "");
}

TEST_F(RecordOps, CommitThatKeepsChangesOnFailure) {
  TestRecord r = NewRecord("A");
  r.Commit();
  SetAmount(r, "77");
  InjectFault("setTestRecord", ref::RAISE_APPLICATION_LAYER, L"locked");
  EXPECT_THROW(r.CommitKeepOnFailure(), base::VException);
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "77");
}

TEST_F(RecordOps, StaleVersionIsRefused) {
  TestRecord a = NewRecord("A");
  a.Commit();
  TestRecord b = a;
  SetAmount(a, "1");
  a.Commit();
  SetAmount(b, "2");
  try {
    b.Commit();
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
    EXPECT_NE(e.GetMessage().find(L"stale version"), std::wstring::npos);
  }
}

TEST_F(RecordOps, DeleteSendsEmployeeObjectIdAndVersion) {
  TestRecord r = NewRecord("A", 1, "EMP-7");
  r.Commit();
  SetAmount(r, "5");
  r.Commit();
  r.Delete();
  auto deletes = CallsOf("deleteTestRecord");
  ASSERT_EQ(deletes.size(), 1u);
  std::string const oid = r.GetObjectid();
  EXPECT_EQ(deletes[0].arguments,
            (std::vector<std::wstring>{L"EMP-7", std::wstring(oid.begin(), oid.end()), L"2"}));
  auto none = NoFilters();
  EXPECT_TRUE(Own(TestRecord::GetActiveTestRecords(&none, base::Sortierung()))->empty());

  r.RestoreTestRecord();
  EXPECT_EQ(Own(TestRecord::GetActiveTestRecords(&none, base::Sortierung()))->size(), 1u);
}

TEST_F(RecordOps, ShortDeleteKeepsChangesLongDeleteResets) {
  TestRecord r = NewRecord("A");
  r.Commit();
  SetAmount(r, "66");
  InjectFault("deleteTestRecord", ref::RAISE_PERSISTENCY, L"in use", 0, 2);
  EXPECT_THROW(r.Delete(), base::VException);
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "66");
  EXPECT_THROW(r.DeleteLong(), base::VException);
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "10.00");
}

TEST_F(RecordOps, DeleteByWholeStructSendsTheCurrentValue) {
  TestRecord r = NewRecord("A");
  r.Commit();
  r.DeleteByStruct();
  ASSERT_EQ(CallsOf("deleteTestRecordStruct").size(), 1u);
  auto none = NoFilters();
  EXPECT_TRUE(Own(TestRecord::GetActiveTestRecords(&none, base::Sortierung()))->empty());
}

TEST_F(RecordOps, ListQueriesFilterSortAndNeverReturnNull) {
  for (long pnr : {3, 1, 2}) {
    TestRecord r = NewRecord("K" + std::to_string(pnr), pnr);
    r.Commit();
  }
  auto none = NoFilters();
  auto all = Own(TestRecord::GetActiveTestRecords(&none, base::Sortierung()));
  ASSERT_EQ(all->size(), 3u);

  base::Sortierung by_pnr;
  by_pnr.AddKey("personnelNumber", false);
  auto sorted = Own(TestRecord::GetActiveTestRecords(&none, by_pnr));
  ASSERT_EQ(sorted->size(), 3u);
  EXPECT_EQ((*sorted)[0]->GetRoot().GetPersonnelNumber(), 3);
  EXPECT_EQ((*sorted)[2]->GetRoot().GetPersonnelNumber(), 1);

  TestRecordFilter two, three;
  two.SetPnr(2);
  three.SetPnr(3);
  std::vector<TestRecordFilter*> filters{&two, &three};
  EXPECT_EQ(Own(TestRecord::GetActiveTestRecords(&filters, base::Sortierung()))->size(), 2u);

  TestRecordFilter nobody;
  nobody.SetOidPCompany("no such company");
  std::vector<TestRecordFilter*> empty_result{&nobody};
  auto result = Own(TestRecord::GetActiveTestRecords(&empty_result, base::Sortierung()));
  ASSERT_NE(result.get(), nullptr);
  EXPECT_TRUE(result->empty());
}

TEST_F(RecordOps, FetchByObjectIdWithOneOrTwoDates) {
  TestRecord r = NewRecord("A");
  r.Commit();
  TestRecord got = TestRecord::GetObjectFromObjectId(r.GetObjectid(), base::VDate(2, 0, 2026));
  EXPECT_EQ(got.GetObjectID(), r.GetObjectid());
  EXPECT_EQ(got.GetRoot().GetKey(), "A");
  auto calls = CallsOf("getObjectFromObjectId");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].arguments.back(), L"2026-01-02");

  TestRecord at = TestRecord::GetObjectFromObjectId(r.GetObjectid(), base::VDate(2, 0, 2026),
                                                    base::VDate(3, 0, 2026));
  EXPECT_EQ(at.GetObjectID(), r.GetObjectid());
  auto two = CallsOf("getObjectFromObjectIdAt");
  ASSERT_EQ(two.size(), 1u);
  ASSERT_EQ(two[0].arguments.size(), 3u);
  EXPECT_EQ(two[0].arguments[1], L"2026-01-02");
  EXPECT_EQ(two[0].arguments[2], L"2026-01-03");

  try {
    TestRecord::GetObjectFromObjectId("TR-none", base::VDate(-1, -1, -1));
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"unknown object id 'TR-none'");
  }
}

TEST_F(RecordOps, EmployeeCopyGivesNewRecords) {
  NewRecord("A", 1, "EMP-1").Commit();
  NewRecord("B", 1, "EMP-1").Commit();
  NewRecord("C", 2, "EMP-2").Commit();
  auto copies = Own(TestRecord::GetTestRecordsForEmployeeCopy("EMP-1", "2027-01-01"));
  ASSERT_EQ(copies->size(), 2u);
  for (TestRecord* c : *copies) {
    EXPECT_TRUE(c->IsNew());
    EXPECT_EQ(c->GetInternalValidFrom(), base::VDate(1, 0, 2027));
  }
  auto calls = CallsOf("getTestRecordsForEmployeeCopy");
  EXPECT_EQ(calls.at(0).arguments, (std::vector<std::wstring>{L"EMP-1", L"2027-01-01"}));
}

TEST_F(RecordOps, CommitOfThePeriodPartReceivesTheWholeRecord) {
  TestRecord r = NewRecord("A");
  r.Commit();
  SetAmount(r, "42");
  r.CommitPeriodOnly("C-1");
  EXPECT_EQ(r.GetRoot().GetKey(), "A");  // the root came back with the answer
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "42");
  EXPECT_EQ(r.GetVersion(), 2);
  auto calls = CallsOf("setTestRecordPeriod");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].arguments.back(), L"C-1");
}

TEST_F(RecordOps, ListFormsReturnTheRefreshedList) {
  TestRecord a = NewRecord("A", 1);
  a.Commit();
  NewRecord("B", 2).Commit();
  TestRecordFilter company;
  company.SetOidPCompany("C-1");
  std::vector<TestRecordFilter*> filters{&company};
  SetAmount(a, "5");
  auto after_set = Own(a.Commit(&filters, base::Sortierung()));
  ASSERT_EQ(after_set->size(), 2u);
  // The server's new version reaches the caller only through the list; the
  // object keeps its values and counts as unchanged.
  EXPECT_EQ(a.GetVersion(), 1);
  SetAmount(a, "6");
  a.ResetBo();
  EXPECT_EQ(a.GetHistory().GetAmount().ToIdl(), "5");
  TestRecord fresh = TestRecord::GetObjectFromObjectId(a.GetObjectid(), base::VDate(-1, -1, -1));
  EXPECT_EQ(fresh.GetVersion(), 2);
  auto after_delete = Own(fresh.Delete(&filters, base::Sortierung()));
  ASSERT_EQ(after_delete->size(), 1u);
  EXPECT_EQ((*after_delete)[0]->GetRoot().GetKey(), "B");
}

TEST_F(RecordOps, WideTextOutsideTheBmpSurvivesTheWire) {
  TestRecord r = NewRecord("A");
  TestRecordTP tp = r.GetHistory();
  std::wstring const text = L"Fraktur \U0001D518, card \U0001F0A1, umlaut \u00FC";
  tp.SetNote(text);
  r.SetHistory(tp);
  r.Commit();
  TestRecord back = TestRecord::GetObjectFromObjectId(r.GetObjectid(), base::VDate(-1, -1, -1));
  EXPECT_EQ(back.GetHistory().GetNote(), text);
  EXPECT_EQ(back.GetRoot().GetSurname(), L"Müller");
}

TEST_F(RecordOps, ServerFilledValuesComeBack) {
  TestRecord r = NewRecord("A");
  r.Commit();
  EXPECT_EQ(r.GetValidUntil(), base::VDate(31, 11, 2099));
  EXPECT_TRUE(r.GetHistory().GetErrorMessage().empty());

  TestRecordTP tp = r.GetHistory();
  tp.SetDueDate(base::VDate(15, 11, 2025));
  r.SetHistory(tp);
  r.Commit();
  EXPECT_EQ(r.GetHistory().GetErrorMessage(), "due date 2025-12-15 is before 2026-01-01");
}

// The standard behaviour, as every record kind shows it.
struct TestRecordKind {
  using Record = TestRecord;
  static constexpr char kSet[] = "setTestRecord";
  static constexpr char kDelete[] = "deleteTestRecord";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static TestRecord New(std::string const& oid, int mark) {
    TestRecord r;
    TestRecordRoot root = r.GetRoot();
    root.SetOidEmployee(oid);
    root.SetKey("K-" + oid);
    r.SetRoot(root);
    SetMark(r, mark);
    r.SetValidFrom(base::VDate(1, 1, 2026));
    return r;
  }
  static int Mark(TestRecord const& r) { return static_cast<int>(r.GetHistory().GetCount()); }
  static void SetMark(TestRecord& r, int mark) {
    TestRecordTP tp = r.GetHistory();
    tp.SetCount(mark);
    r.SetHistory(tp);
  }
  static auto Stream(unsigned max_hits) {
    std::vector<TestRecordFilter*> none;
    return TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, base::VDate const& valid_from) {
    return TestRecord::GetTestRecordsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};
}  // namespace

namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(TestRecordKind, StandardRecord, ::testing::Types<TestRecordKind>);
}  // namespace testing

}  // namespace ostrel
