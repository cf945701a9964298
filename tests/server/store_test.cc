// The reference server's generic record store, on the test record struct,
// and the small pieces around it (dates, wide text, sorting, faults, call log).
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "call_log.h"
#include "dates.h"
#include "faults.h"
#include "record_servant.h"
#include "record_store.h"
#include "sorting.h"
#include "testrecord.hh"
#include "text.h"

namespace {

namespace tr = com::ostrel::personnel::domain::employee::testrecord;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace ref = com::ostrel::reference;
using ostrel::server::RecordStore;
using ostrel::server::Widen;
using Record = tr::TestRecordStruct;
using Store = RecordStore<Record>;

const std::wstring kUser = L"test";

Record Make(const char* employee, const char* key, const char* ivf,
            const char* effectiveFrom = "") {
  Record r;
  r.root.objectStruct.version = 0;
  r.root.employeeShort.objectStruct.objectid = employee;
  r.root.employeeShort.objectStruct.version = 1;
  r.root.employeeShort.oidPCompany = "C-1";
  r.root.employeeShort.personnelNumber = 1;
  r.root.key = key;
  r.root.isDeleted = false;
  r.history.objectStruct.version = 0;
  r.history.timePeriod.effectiveFrom = effectiveFrom;
  r.history.timePeriod.effectiveUntil = "";
  r.history.timePeriod.internalValidFrom = ivf;
  r.history.timePeriod.validUntil = "";
  r.history.amount = "1";
  r.history.count = 0;
  r.history.flag = false;
  return r;
}

std::string Oid(const Record& r) { return r.root.objectStruct.objectid.in(); }
std::string PeriodOid(const Record& r) { return r.history.objectStruct.objectid.in(); }
std::string Ivf(const Record& r) { return r.history.timePeriod.internalValidFrom.in(); }
std::string Until(const Record& r) { return r.history.timePeriod.validUntil.in(); }
std::string Amount(const Record& r) { return r.history.amount.in(); }

std::vector<std::string> Periods(const std::vector<Record>& rs) {
  std::vector<std::string> out;
  for (const Record& r : rs) out.push_back(PeriodOid(r) + " " + Ivf(r) + ".." + Until(r));
  return out;
}

std::vector<std::string> Oids(const std::vector<Record>& rs) {
  std::vector<std::string> out;
  for (const Record& r : rs) out.push_back(Oid(r));
  return out;
}

template <class E, class F>
std::wstring MessageOf(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e.message.in();
  }
  return L"<nothing raised>";
}

// A record "TR-1" of employee E-1 with periods from 2024-01-01 and 2024-07-01.
class StoreWithHistory : public ::testing::Test {
 protected:
  void SetUp() override {
    first_ = store_.Create(kUser, Make("E-1", "k", "2024-01-01"));
    Record next = first_;
    next.history.timePeriod.internalValidFrom = "2024-07-01";
    next.history.amount = "2";
    second_ = store_.Add(kUser, next, true);
  }
  Store store_{"TR"};
  Record first_;
  Record second_;
};

TEST(RecordStoreCreate, AssignsIdentitiesAndDefaults) {
  Store store("TR");
  Record a = store.Create(L"demo", Make("E-1", "a", "", "2024-03-01"));
  EXPECT_EQ(Oid(a), "TR-1");
  EXPECT_EQ(PeriodOid(a), "TR-1-P1");
  EXPECT_EQ(a.root.objectStruct.version, 1);
  EXPECT_EQ(a.history.objectStruct.version, 1);
  EXPECT_EQ(std::wstring(a.root.objectStruct.lastuserid.in()), L"demo");
  const std::string stamp = a.root.objectStruct.timestamp.in();
  ASSERT_EQ(stamp.size(), 19u);
  EXPECT_EQ(stamp.substr(0, 10), ostrel::server::dates::Today());
  EXPECT_EQ(stamp[10], 'T');
  // internalValidFrom from effectiveFrom, open validity
  EXPECT_EQ(Ivf(a), "2024-03-01");
  EXPECT_EQ(Until(a), "2099-12-31");

  Record b = store.Create(kUser, Make("E-1", "b", "0000-00-00"));
  EXPECT_EQ(Oid(b), "TR-2");
  EXPECT_EQ(Ivf(b), ostrel::server::dates::Today());  // neither date given
  EXPECT_EQ(store.size(), 2u);
}

TEST(RecordStoreCreate, RejectsBadInput) {
  Store store("TR");
  Record with_id = Make("E-1", "a", "2024-01-01");
  with_id.root.objectStruct.objectid = "TR-7";
  EXPECT_EQ(MessageOf<ax::ApplicationLayerException>([&] { store.Create(kUser, with_id); }),
            L"create: record already has object id 'TR-7'");

  Record backwards = Make("E-1", "a", "2024-01-01", "2024-05-01");
  backwards.history.timePeriod.effectiveUntil = "2024-04-30";
  EXPECT_EQ(MessageOf<ax::DomainException>([&] { store.Create(kUser, backwards); }),
            L"effective period ends before it starts");

  EXPECT_EQ(
      MessageOf<ax::DomainException>([&] { store.Create(kUser, Make("E-1", "a", "2024-02-30")); }),
      L"invalid date '2024-02-30'");
  EXPECT_EQ(store.size(), 0u);
}

TEST_F(StoreWithHistory, AddStartsPeriodAndEndsThePreviousOne) {
  EXPECT_EQ(PeriodOid(second_), "TR-1-P2");
  EXPECT_EQ(second_.root.objectStruct.version, 2);
  EXPECT_EQ(Until(second_), "2099-12-31");
  EXPECT_EQ(Periods(store_.AllHistory("TR-1")),
            (std::vector<std::string>{"TR-1-P1 2024-01-01..2024-06-30",
                                      "TR-1-P2 2024-07-01..2099-12-31"}));
  // The shortened period counts as changed.
  EXPECT_EQ(store_.AllHistory("TR-1")[0].history.objectStruct.version, 2);
}

TEST_F(StoreWithHistory, AddAtAnExistingStartReplacesThatPeriod) {
  Record again = second_;
  again.history.amount = "3";
  store_.Add(kUser, again, true);
  EXPECT_EQ(Periods(store_.ActiveHistory("TR-1")),
            (std::vector<std::string>{"TR-1-P1 2024-01-01..2024-06-30",
                                      "TR-1-P3 2024-07-01..2099-12-31"}));
  EXPECT_EQ(store_.AllHistory("TR-1").size(), 3u);  // the replaced one stays in the full history
}

TEST_F(StoreWithHistory, RemoveNewDecidesAboutLaterPeriods) {
  Record earlier = second_;
  earlier.history.timePeriod.internalValidFrom = "2024-04-01";
  Record kept = store_.Add(kUser, earlier, false);
  EXPECT_EQ(
      Periods(store_.ActiveHistory("TR-1")),
      (std::vector<std::string>{"TR-1-P1 2024-01-01..2024-03-31", "TR-1-P3 2024-04-01..2024-06-30",
                                "TR-1-P2 2024-07-01..2099-12-31"}));

  // A closed period written with removeNew leaves the later ones alone.
  kept.history.amount = "4";
  kept = store_.Set(kUser, kept, true);
  EXPECT_EQ(store_.ActiveHistory("TR-1").size(), 3u);

  Record earliest = kept;
  earliest.history.timePeriod.internalValidFrom = "2024-02-01";
  earliest.history.timePeriod.validUntil = "";
  store_.Add(kUser, earliest, true);
  EXPECT_EQ(Periods(store_.ActiveHistory("TR-1")),
            (std::vector<std::string>{"TR-1-P1 2024-01-01..2024-01-31",
                                      "TR-1-P4 2024-02-01..2099-12-31"}));
  EXPECT_EQ(store_.AllHistory("TR-1").size(), 4u);
}

TEST_F(StoreWithHistory, SetReplacesTheNamedPeriod) {
  Record first = store_.AllHistory("TR-1")[0];
  first.history.amount = "5";
  Record r = store_.Set(L"demo", first, false);
  EXPECT_EQ(PeriodOid(r), "TR-1-P1");
  EXPECT_EQ(Amount(r), "5");
  EXPECT_EQ(r.root.objectStruct.version, 3);
  EXPECT_EQ(r.history.objectStruct.version, 3);
  EXPECT_EQ(std::wstring(r.history.objectStruct.lastuserid.in()), L"demo");
  EXPECT_EQ(Until(r), "2024-06-30");
  EXPECT_EQ(Amount(store_.Get("TR-1", "")), "2");  // the later period is untouched

  // Without a period id the latest period is replaced.
  Record latest = store_.Get("TR-1", "");
  latest.history.objectStruct.objectid = "";
  latest.history.amount = "9";
  store_.Set(kUser, latest, false);
  EXPECT_EQ(Amount(store_.Get("TR-1", "")), "9");
  EXPECT_EQ(Amount(store_.Get("TR-1", "2024-02-01")), "5");
}

TEST_F(StoreWithHistory, StaleVersionsAreRefused) {
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Set(kUser, first_, false); }),
            L"stale version 1 of 'TR-1' (stored version 2)");
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Add(kUser, first_, false); }),
            L"stale version 1 of 'TR-1' (stored version 2)");

  // Right record version, old period version.
  Record period = store_.AllHistory("TR-1")[0];
  period.history.objectStruct.version = 1;
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Set(kUser, period, false); }),
            L"stale version 1 of 'TR-1-P1' (stored version 2)");
}

TEST_F(StoreWithHistory, UnknownIdsAreRefused) {
  Record stranger = second_;
  stranger.root.objectStruct.objectid = "TR-9";
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Set(kUser, stranger, false); }),
            L"unknown object id 'TR-9'");
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Get("TR-9", ""); }),
            L"unknown object id 'TR-9'");
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.AllHistory("nope"); }),
            L"unknown object id 'nope'");
  Record bad_period = second_;
  bad_period.history.objectStruct.objectid = "TR-1-P8";
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Set(kUser, bad_period, false); }),
            L"unknown object id 'TR-1-P8'");
  EXPECT_FALSE(store_.FindByPeriod("TR-1-P8").has_value());
  ASSERT_TRUE(store_.FindByPeriod("TR-1-P1").has_value());
  EXPECT_EQ(Oid(*store_.FindByPeriod("TR-1-P1")), "TR-1");
}

TEST_F(StoreWithHistory, SupersededPeriodsCannotBeSet) {
  Record again = second_;
  store_.Add(kUser, again, true);  // replaces TR-1-P2
  Record old = store_.AllHistory("TR-1")[1];
  ASSERT_EQ(PeriodOid(old), "TR-1-P2");
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Set(kUser, old, false); }),
            L"period 'TR-1-P2' has been superseded");
}

TEST_F(StoreWithHistory, GetPicksThePeriodInForce) {
  EXPECT_EQ(PeriodOid(store_.Get("TR-1", "")), "TR-1-P2");
  EXPECT_EQ(PeriodOid(store_.Get("TR-1", "2024-06-30")), "TR-1-P1");
  EXPECT_EQ(PeriodOid(store_.Get("TR-1", "2024-07-01")), "TR-1-P2");
  EXPECT_EQ(PeriodOid(store_.Get("TR-1", "2023-01-01")), "TR-1-P1");  // before all: the first
  // Every period carries the record's current identity.
  EXPECT_EQ(store_.Get("TR-1", "2024-02-01").root.objectStruct.version, 2);

  // With a validity date also superseded periods count, the live one first.
  Record again = second_;
  again.history.amount = "3";
  store_.Add(kUser, again, true);
  EXPECT_EQ(Amount(store_.GetAt("TR-1", "", "2024-08-01")), "3");
  EXPECT_EQ(Amount(store_.GetAt("TR-1", "", "2024-02-01")), "1");
}

TEST_F(StoreWithHistory, HistoriesDifferInWhatTheyKeep) {
  Record again = second_;
  store_.Add(kUser, again, true);
  EXPECT_EQ(store_.AllHistory("TR-1").size(), 3u);
  EXPECT_EQ(store_.ActiveHistory("TR-1").size(), 2u);
  EXPECT_EQ(Periods(store_.EffectiveHistory("TR-1", "2024-03-01")),
            (std::vector<std::string>{"TR-1-P1 2024-01-01..2024-06-30"}));
  EXPECT_EQ(Periods(store_.EffectiveHistory("TR-1", "2025-01-01")),
            (std::vector<std::string>{"TR-1-P3 2024-07-01..2099-12-31"}));

  // Explicit effective dates win over the validity.
  Record wide = store_.Get("TR-1", "");
  wide.history.timePeriod.effectiveFrom = "2023-01-01";
  store_.Set(kUser, wide, false);
  EXPECT_EQ(store_.EffectiveHistory("TR-1", "2024-03-01").size(), 2u);
  EXPECT_EQ(store_.EffectiveHistory("TR-1", "2023-06-01").size(), 1u);
}

TEST_F(StoreWithHistory, DeleteAndRestore) {
  const std::string employee = "E-1";
  const std::string other = "E-2";
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Delete(kUser, "TR-1", 2, &other); }),
            L"record 'TR-1' does not belong to employee 'E-2'");
  EXPECT_EQ(
      MessageOf<ax::PersistencyException>([&] { store_.Delete(kUser, "TR-1", 1, &employee); }),
      L"stale version 1 of 'TR-1' (stored version 2)");
  EXPECT_EQ(
      MessageOf<ax::PersistencyException>([&] { store_.Delete(kUser, "TR-5", 1, &employee); }),
      L"unknown object id 'TR-5'");

  store_.Delete(kUser, "TR-1", 2, &employee);
  Record deleted = store_.Get("TR-1", "");
  EXPECT_TRUE(deleted.root.isDeleted);
  EXPECT_EQ(deleted.root.objectStruct.version, 2);  // the mark keeps the version
  EXPECT_TRUE(store_.List(nullptr).empty());
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Set(kUser, deleted, false); }),
            L"record 'TR-1' is deleted");
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Delete(kUser, "TR-1", 2, nullptr); }),
            L"record 'TR-1' is already deleted");

  store_.Restore(kUser, "TR-1", 2, &employee);
  EXPECT_FALSE(store_.Get("TR-1", "").root.isDeleted);
  EXPECT_EQ(store_.List(nullptr).size(), 1u);
  EXPECT_EQ(MessageOf<ax::PersistencyException>([&] { store_.Restore(kUser, "TR-1", 2, nullptr); }),
            L"record 'TR-1' is not deleted");
}

TEST(RecordStoreList, FiltersSortsAndShowsTheLatestPeriod) {
  Store store("TR");
  Record a = store.Create(kUser, Make("E-1", "b", "2024-01-01"));
  store.Create(kUser, Make("E-2", "a", "2024-01-01"));
  store.Create(kUser, Make("E-1", "c", "2024-01-01"));
  a.history.timePeriod.internalValidFrom = "2025-01-01";
  a.history.amount = "7";
  store.Add(kUser, a, true);

  EXPECT_EQ(Oids(store.List(nullptr)), (std::vector<std::string>{"TR-1", "TR-2", "TR-3"}));
  std::vector<Record> of_e1 = store.List([](const Record& r) {
    return std::string(r.root.employeeShort.objectStruct.objectid) == "E-1";
  });
  EXPECT_EQ(Oids(of_e1), (std::vector<std::string>{"TR-1", "TR-3"}));
  EXPECT_EQ(Amount(of_e1[0]), "7");
  std::vector<Record> by_key = store.List(nullptr, [](const Record& x, const Record& y) {
    return std::string(x.root.key) > std::string(y.root.key);
  });
  EXPECT_EQ(Oids(by_key), (std::vector<std::string>{"TR-3", "TR-1", "TR-2"}));
}

TEST(RecordStoreCopy, CopiesAnEmployeesRecordsWithoutIdentity) {
  Store store("TR");
  Record a = store.Create(kUser, Make("E-1", "a", "2024-01-01"));
  store.Create(kUser, Make("E-2", "b", "2024-01-01"));
  Record c = store.Create(kUser, Make("E-1", "c", "2024-01-01"));
  const std::string employee = "E-1";
  store.Delete(kUser, Oid(c), 1, &employee);
  a.history.timePeriod.internalValidFrom = "2024-07-01";
  a.history.amount = "2";
  store.Add(kUser, a, true);

  std::vector<Record> copy = store.CopyForEmployee("E-1", "2024-03-01");
  ASSERT_EQ(copy.size(), 1u);
  EXPECT_EQ(Oid(copy[0]), "");
  EXPECT_EQ(copy[0].root.objectStruct.version, 0);
  EXPECT_EQ(PeriodOid(copy[0]), "");
  EXPECT_EQ(std::string(copy[0].root.objectStruct.timestamp), "");
  EXPECT_EQ(Ivf(copy[0]), "2024-03-01");
  EXPECT_EQ(Amount(copy[0]), "1");  // the period in force at the date
  EXPECT_EQ(std::string(copy[0].root.key), "a");

  // A copy creates like a new record.
  EXPECT_EQ(Oid(store.Create(kUser, copy[0])), "TR-4");
  EXPECT_TRUE(store.CopyForEmployee("E-9", "2024-03-01").empty());
}

TEST(RecordStoreClear, ForgetsEverythingAndStartsIdsAgain) {
  Store store("TR");
  store.Create(kUser, Make("E-1", "a", "2024-01-01"));
  store.Clear();
  EXPECT_EQ(store.size(), 0u);
  EXPECT_FALSE(store.FindByPeriod("TR-1-P1").has_value());
  EXPECT_EQ(Oid(store.Create(kUser, Make("E-1", "a", "2024-01-01"))), "TR-1");
}

TEST(ServerDates, ParseAndStepBack) {
  using namespace ostrel::server::dates;
  EXPECT_EQ(DayBefore("2024-03-01"), "2024-02-29");
  EXPECT_EQ(DayBefore("2023-03-01"), "2023-02-28");
  EXPECT_EQ(DayBefore("2024-01-01"), "2023-12-31");
  EXPECT_TRUE(IsValid("2099-12-31"));
  for (const char* bad :
       {"2023-02-29", "2024-13-01", "2024-1-01", "0000-00-00", "", "abcd-ef-gh"}) {
    EXPECT_FALSE(IsValid(bad)) << bad;
  }
  EXPECT_TRUE(IsUnset("") && IsUnset("0000-00-00"));
  EXPECT_FALSE(IsUnset("2024-01-01"));
  EXPECT_EQ(FromDays(ToDays("1999-12-31").value() + 1), "2000-01-01");
}

TEST(ServerText, NonBmpTextTravelsAsSurrogatePairs) {
  const std::string utf8 = u8"M\u00fcller \U0001D518!";
  const std::wstring wide = Widen(utf8);
  EXPECT_EQ(wide, (std::wstring{L'M', 0xFC, L'l', L'l', L'e', L'r', L' ', 0xD835, 0xDD18, L'!'}));
  EXPECT_EQ(ostrel::server::Narrow(wide), utf8);
  EXPECT_EQ(ostrel::server::Narrow(std::wstring{0xDC00}), u8"\uFFFD");  // lone surrogate
  EXPECT_EQ(Widen("a\xC3"), L"a\xFFFD");                                // cut sequence
  EXPECT_EQ(ostrel::server::ToUnits(std::wstring{L'x', 0x1D518}),
            (std::wstring{L'x', 0xD835, 0xDD18}));
}

TEST(ServerSorting, ComparesAndOrders) {
  using namespace ostrel::server;
  EXPECT_LT(CompareNatural("TR-9", "TR-10"), 0);
  EXPECT_GT(CompareNatural("TR-10-P2", "TR-10-P1"), 0);
  EXPECT_EQ(CompareNatural("TR-007", "TR-7"), 0);
  EXPECT_LT(CompareDecimal("9.5", "10"), 0);
  EXPECT_LT(CompareDecimal("abc", "-3"), 0);  // no number first
  EXPECT_TRUE(IsDecimal("-12.50") && IsDecimal("0") && !IsDecimal("1.") && !IsDecimal("1,5"));

  com::ostrel::serverbase::query::SortierungStruct sort{};
  sort.keys.length(1);
  sort.keys[0].key = "size";
  sort.keys[0].direction = com::ostrel::serverbase::query::DESCENDING;
  std::map<std::string, SortField<int>> fields = {
      {"size", [](const int& a, const int& b) { return CompareValue(a, b); }}};
  auto less = MakeOrdering<int>(sort, fields);
  EXPECT_TRUE(less(2, 1));
  EXPECT_FALSE(less(1, 2));
  sort.keys[0].key = "colour";
  EXPECT_EQ(MessageOf<ax::ApplicationLayerException>([&] { MakeOrdering<int>(sort, fields); }),
            L"unknown sort key 'colour'");
  sort.keys.length(0);
  EXPECT_FALSE(MakeOrdering<int>(sort, fields));
}

ref::FaultStruct FaultFor(const char* operation, ref::FaultKindEnum kind, int count) {
  ref::FaultStruct f{};
  f.operation = operation;
  f.kind = kind;
  f.message = L"m";
  f.delayMs = 0;
  f.count = count;
  f.minor = 0;
  return f;
}

TEST(ServerFaults, CountsOperationsAndStreams) {
  ostrel::server::FaultTable faults;
  faults.Add(FaultFor("getX", ref::RAISE_DOMAIN, 2));
  faults.Add(FaultFor("*", ref::STREAM_STOP_HALFWAY, 1));
  faults.Add(FaultFor("*", ref::DELAY, 0));  // below 1 counts once

  EXPECT_EQ(faults.Take("other", false).size(), 1u);  // the delay; stream faults wait
  EXPECT_EQ(faults.Take("getX", false).size(), 1u);
  std::vector<ostrel::server::Fault> streamed = faults.Take("getXCB", true);
  ASSERT_EQ(streamed.size(), 1u);
  EXPECT_EQ(streamed[0].kind, ref::STREAM_STOP_HALFWAY);
  EXPECT_EQ(faults.Take("getX", false).size(), 1u);
  EXPECT_TRUE(faults.Take("getX", false).empty());
  EXPECT_TRUE(faults.Take("getXCB", true).empty());

  ref::FaultStruct wide = FaultFor("w", ref::RAISE_DOMAIN, 1);
  wide.message = std::wstring{L'!', 0x1F4A5}.c_str();
  faults.Add(wide);
  EXPECT_EQ(faults.Take("w", false).at(0).message, (std::wstring{L'!', 0xD83D, 0xDCA5}));

  faults.Add(FaultFor("*", ref::STREAM_SET_EXCEPTION, 2));
  faults.Add(FaultFor("*", ref::STREAM_EXIT_HALFWAY, 1));
  EXPECT_EQ(faults.Take("a", true).size(), 1u);  // one stream fault per stream
  faults.Clear();
  EXPECT_TRUE(faults.Take("a", true).empty());
}

TEST(ServerCallLog, KeepsArgumentsAsTextAndDropsTheOldest) {
  using namespace ostrel::server;
  Record fresh = Make("E-1", "k", "2024-01-01");
  Record stored = fresh;
  stored.root.objectStruct.objectid = "TR-3";
  com::ostrel::serverbase::query::SortierungStruct sort{};
  sort.keys.length(2);
  sort.keys[0].key = "key";
  sort.keys[0].direction = com::ostrel::serverbase::query::ASCENDING;
  sort.keys[1].key = "amount";
  sort.keys[1].direction = com::ostrel::serverbase::query::DESCENDING;
  tr::TestRecordFilterSeq filters;
  filters.length(2);

  CallLog log;
  log.Record("op",
             {RecordArg(fresh), RecordArg(stored), IdArg(stored.history.objectStruct), Arg("x"),
              Arg(L"\u00e4"), Arg(CORBA::Long{-4}), Arg(true), Arg(sort), CountArg(filters)});
  com::ostrel::reference::CallSeq_var calls = log.Snapshot();
  ASSERT_EQ(calls->length(), 1u);
  EXPECT_STREQ(calls[0].operation.in(), "op");
  std::vector<std::wstring> args;
  for (CORBA::ULong i = 0; i < calls[0].arguments.length(); ++i) {
    args.emplace_back(calls[0].arguments[i].in());
  }
  EXPECT_EQ(args, (std::vector<std::wstring>{L"<new>", L"TR-3", L"<new>", L"x", L"\u00e4", L"-4",
                                             L"true", L"key asc,amount desc", L"[2]"}));

  for (std::size_t i = 0; i < CallLog::kCapacity; ++i) log.Record("later", {});
  calls = log.Snapshot();
  EXPECT_EQ(calls->length(), CallLog::kCapacity);
  EXPECT_STREQ(calls[0].operation.in(), "later");
  log.Clear();
  calls = log.Snapshot();
  EXPECT_EQ(calls->length(), 0u);
}

}  // namespace
