// Copy, assignment, reset and identity rules of the business-object
// templates, on the test record kind (no server involved).
#include <gtest/gtest.h>

#include "testrecord.h"

namespace ostrel {
namespace {

testrecord::TestRecordStruct StoredStruct(char const* oid, char const* internal_valid_from) {
  testrecord::TestRecordStruct s{};
  s.root.objectStruct.objectid = oid;
  s.root.objectStruct.version = 4;
  s.root.objectStruct.timestamp = "2026-01-02T03:04:05";
  s.root.objectStruct.lastuserid = L"root-user";
  s.root.employeeShort.objectStruct.objectid = "EMP-1";
  s.root.key = "K";
  s.history.objectStruct.objectid = "P-1";
  s.history.objectStruct.timestamp = "2026-02-03T04:05:06";
  s.history.objectStruct.lastuserid = L"period-user";
  s.history.timePeriod.internalValidFrom = internal_valid_from;
  s.history.amount = "12.50";
  s.history.count = 7;
  return s;
}

TestRecordTP WithAmount(TestRecord const& r, char const* amount) {
  TestRecordTP tp = r.GetHistory();
  tp.SetAmount(base::VFixed(amount));
  return tp;
}

TEST(PersonnelRecord, DefaultIsNewWithDefaultParts) {
  TestRecord r;
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetObjectid(), "");
  EXPECT_FALSE(r.GetRoot().GetIsDeleted());
  EXPECT_EQ(r.GetHistory().GetCount(), 0);
  EXPECT_TRUE(r.GetRemoveNew());
}

TEST(PersonnelRecord, FromStructRegistersIdentityAndValidFrom) {
  TestRecord r(StoredStruct("TR-9", "2026-03-01"));
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetObjectID(), "TR-9");
  EXPECT_EQ(r.GetObjectid(), "TR-9");
  EXPECT_EQ(r.GetVersion(), 4);
  EXPECT_EQ(r.GetValidFrom(), base::VDate(1, 2, 2026));
  EXPECT_EQ(r.GetLastuserid(), "root-user");
  // Last change is that of the period, not of the root.
  EXPECT_EQ(r.GetLastChangedUserID().str(), L"period-user");
  EXPECT_EQ(r.GetLastChangedDate().ToIdl(), "2026-02-03T04:05:06");
}

TEST(PersonnelRecord, ResetReturnsToLastSavedValue) {
  TestRecord r(StoredStruct("TR-9", "2026-03-01"));
  r.SetHistory(WithAmount(r, "99"));
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "99");
  r.ResetBo();
  EXPECT_EQ(r.GetHistory().GetAmount().ToIdl(), "12.50");
  EXPECT_EQ(r.GetObjectID(), "TR-9");
}

TEST(PersonnelRecord, CopyTakesCurrentValueButNotPendingValidFromOrRemoveNew) {
  TestRecord r(StoredStruct("TR-9", "2026-03-01"));
  r.SetHistory(WithAmount(r, "1.25"));
  r.SetValidFrom(base::VDate(1, 5, 2026));
  r.SetRemoveNew(false);

  TestRecord copy(r);
  EXPECT_EQ(copy.GetHistory().GetAmount().ToIdl(), "1.25");
  EXPECT_EQ(copy.GetObjectID(), "TR-9");
  EXPECT_EQ(copy.GetValidFrom(), base::VDate(1, 2, 2026));
  EXPECT_TRUE(copy.GetRemoveNew());
  // The copy's saved value is what it was copied with.
  copy.SetHistory(WithAmount(copy, "3"));
  copy.ResetBo();
  EXPECT_EQ(copy.GetHistory().GetAmount().ToIdl(), "1.25");
}

TEST(PersonnelRecord, AssignmentTakesSavedValueValidFromAndRemoveNew) {
  TestRecord r(StoredStruct("TR-9", "2026-03-01"));
  r.SetHistory(WithAmount(r, "1.25"));
  r.SetValidFrom(base::VDate(1, 5, 2026));
  r.SetRemoveNew(false);

  TestRecord other;
  other = r;
  EXPECT_EQ(other.GetValidFrom(), base::VDate(1, 5, 2026));
  EXPECT_FALSE(other.GetRemoveNew());
  EXPECT_EQ(other.GetObjectID(), "TR-9");
  other.ResetBo();
  EXPECT_EQ(other.GetHistory().GetAmount().ToIdl(), "12.50");
}

// Assigned objects and an object's saved value share their struct until one
// of them is written; no write may show through to the others.
TEST(PersonnelRecord, WritesNeverShowInAssignedObjectsOrSavedValues) {
  TestRecord a(StoredStruct("TR-9", "2026-03-01"));
  TestRecord b;
  b = a;
  b.SetHistory(WithAmount(b, "2.00"));
  EXPECT_EQ(a.GetHistory().GetAmount().ToIdl(), "12.50");
  a.SetHistory(WithAmount(a, "3.00"));
  EXPECT_EQ(b.GetHistory().GetAmount().ToIdl(), "2.00");
  a.ResetBo();
  b.ResetBo();
  EXPECT_EQ(a.GetHistory().GetAmount().ToIdl(), "12.50");
  EXPECT_EQ(b.GetHistory().GetAmount().ToIdl(), "12.50");

  // Two defaults start from one shared empty value; each writes its own.
  TestRecord x, y;
  x.SetObjectid("TR-X");
  EXPECT_EQ(y.GetObjectid(), "");
  EXPECT_EQ(TestRecord().GetObjectid(), "");
  EXPECT_EQ(y.GetHistory().GetCount(), 0);
}

TEST(PersonnelRecord, ClearObjectStructMakesNew) {
  TestRecord r(StoredStruct("TR-9", "2026-03-01"));
  r.ClearObjectStruct();
  EXPECT_TRUE(r.IsNew());
  // Only the registered identity is cleared; the struct still holds its id.
  EXPECT_EQ(r.GetObjectid(), "TR-9");
}

TEST(PersonnelRecord, IsEqualComparesObjectIdsOnly) {
  TestRecord a(StoredStruct("TR-1", "2026-03-01"));
  TestRecord b(StoredStruct("TR-1", "2027-03-01"));
  TestRecord c(StoredStruct("TR-2", "2026-03-01"));
  EXPECT_TRUE(a.IsEqual(b));
  EXPECT_FALSE(a.IsEqual(c));
  EXPECT_TRUE(TestRecord().IsEqual(TestRecord()));
}

TEST(PersonnelRecord, PartSettersLeaveIdentityAndSavedValueAlone) {
  TestRecord r(StoredStruct("TR-9", "2026-03-01"));
  TestRecordRoot root = r.GetRoot();
  root.SetKey("changed");
  r.SetRoot(root);
  EXPECT_EQ(r.GetRoot().GetKey(), "changed");
  EXPECT_EQ(r.GetObjectID(), "TR-9");
  r.ResetBo();
  EXPECT_EQ(r.GetRoot().GetKey(), "K");
}

TEST(PersonnelRecord, PeriodDatesTravelAsWireText) {
  TestRecord r;
  r.SetEffectiveFrom(base::VDate(1, 0, 2026));
  r.SetEffectiveUntil(base::VDate(-1, -1, -1));
  r.SetValidUntil(base::VDate(31, 11, 2099));
  auto s = r.ToIdl();
  EXPECT_STREQ(s.history.timePeriod.effectiveFrom, base::VDate(1, 0, 2026).ToIdl().c_str());
  EXPECT_STREQ(s.history.timePeriod.effectiveUntil, base::VDate(-1, -1, -1).ToIdl().c_str());
  EXPECT_EQ(r.GetValidUntil(), base::VDate(31, 11, 2099));
  EXPECT_TRUE(r.GetEffectiveUntil().IsUndefined());
}

TEST(TestRecordFilter, DefaultsAndOptionalValue) {
  TestRecordFilter f;
  auto s = f.ToIdl();
  EXPECT_TRUE(s.afterJournalized);
  EXPECT_FALSE(s.pnr._d());
  EXPECT_TRUE(base::VDate(s.fromDate.in()).IsUndefined());
  f.SetPnr(42);
  EXPECT_TRUE(f.ToIdl().pnr._d());
  EXPECT_EQ(f.ToIdl().pnr.pnr(), 42);
  f.ClearPnr();
  EXPECT_FALSE(f.ToIdl().pnr._d());
}

}  // namespace
}  // namespace ostrel
