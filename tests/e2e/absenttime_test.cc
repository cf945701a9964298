// Absent times end to end against the reference server: which operation is
// called with which arguments, what the objects hold afterwards and what a
// failure leaves behind. The server's seeded employees are used: EMP-1
// (company C-1, 1001, journalized until 2024-02-29), EMP-2 (C-1, 1002), EMP-3
// (C-1, withdrawn 2024-01-31) and EMP-5 (C-2).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ostrel.h"
#include "record_suite.h"
#include "reference_server.h"
#include "time/absenttime.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace pbt = com::ostrel::personnel::framework::basictypes;
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

using testing::Wide;

class AbsentTimes : public testing::RecordTest {
 protected:
  // A new absence of `employee` (as the client knows it) with key `key`.
  static EEAbsentTime Absence(std::string const& employee, std::string const& company,
                              std::string const& key, VDate const& from, VDate const& until) {
    EEAbsentTime a;
    EEAbsentTimeRoot root = a.GetRoot();
    EmployeeShort e = root.GetEmployeeShort();
    e.SetObjectid(employee);
    e.SetOidPCompany(company);
    root.SetEmployeeShort(e);
    root.SetOidAbsentTime(key);
    a.SetRoot(root);
    EEAbsentTimeTP tp = a.GetHistory();
    tp.SetEffectiveFrom(from);
    tp.SetEffectiveUntil(until);
    tp.SetStickPay(VFixed("10.00"));
    a.SetHistory(tp);
    a.SetValidFrom(from);
    return a;
  }
  // Monday 2 to Friday 6 March 2026.
  static EEAbsentTime MarchWeek(std::string const& employee = "EMP-1",
                                std::string const& key = "EFK") {
    return Absence(employee, "C-1", key, VDate(2, 2, 2026), VDate(6, 2, 2026));
  }
  static EEAbsentTime Stored(EEAbsentTime a) {
    a.Commit();
    return a;
  }

  static void SetStickPay(EEAbsentTime& a, char const* v) {
    EEAbsentTimeTP tp = a.GetHistory();
    tp.SetStickPay(VFixed(v));
    a.SetHistory(tp);
  }

  static std::vector<std::string> Keys(std::vector<EEAbsentTimeFilter*> const& filters) {
    auto list = Own(EEAbsentTime::GetActiveEEAbsentTimes(&filters, base::Sortierung()));
    std::vector<std::string> keys;
    for (EEAbsentTime* a : *list) keys.push_back(a->GetRoot().GetOidAbsentTime());
    return keys;
  }
  static std::vector<std::string> Keys(EEAbsentTimeFilter const& f) {
    EEAbsentTimeFilter copy = f;
    return Keys(std::vector<EEAbsentTimeFilter*>{&copy});
  }
};

TEST_F(AbsentTimes, CommitCreatesThenSetsAndHoldsTheServersAnswer) {
  EEAbsentTime a = MarchWeek();
  a.Commit();
  ASSERT_EQ(CallsOf("createEEAbsentTime").size(), 1u);
  EXPECT_EQ(CallsOf("createEEAbsentTime")[0].arguments, std::vector<std::wstring>{L"<new>"});
  EXPECT_FALSE(a.IsNew());
  EXPECT_EQ(a.GetObjectid(), "AT-1");
  EXPECT_EQ(a.GetVersion(), 1);
  EXPECT_EQ(a.GetInternalValidFrom(), VDate(2, 2, 2026));
  // Filled by the server: its view of the employee, the working hours.
  EXPECT_EQ(a.GetRoot().GetEmployeeShort().GetPersonnelNumber(), 1001);
  EXPECT_EQ(a.GetHistory().GetNumberOfWorkingHours().ToIdl(), "40.00");
  EXPECT_EQ(a.GetHistory().GetErrorMessage(), "");

  SetStickPay(a, "11.00");
  a.Commit();
  SetStickPay(a, "12.50");
  a.SetRemoveNew(false);
  a.Commit();
  auto sets = CallsOf("setEEAbsentTime");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (std::vector<std::wstring>{L"AT-1", L"true"}));
  EXPECT_EQ(sets[1].arguments, (std::vector<std::wstring>{L"AT-1", L"false"}));
  EXPECT_EQ(CallsOf("createEEAbsentTime").size(), 1u);
  EXPECT_EQ(a.GetVersion(), 3);
  SetStickPay(a, "99");
  a.ResetBo();  // the answer is also the saved value
  EXPECT_EQ(a.GetHistory().GetStickPay().ToIdl(), "12.50");
}

TEST_F(AbsentTimes, DeleteSendsEmployeeIdAndVersionAndTheServerMarksIt) {
  EEAbsentTime a = Stored(MarchWeek());
  SetStickPay(a, "11");
  a.Commit();
  a.Delete();
  auto deletes = CallsOf("deleteEEAbsentTime");
  ASSERT_EQ(deletes.size(), 1u);
  EXPECT_EQ(deletes[0].arguments, (std::vector<std::wstring>{L"EMP-1", L"AT-1", L"2"}));
  EXPECT_TRUE(Keys(EEAbsentTimeFilter()).empty());
  EEAbsentTimeFilter with_deleted;
  with_deleted.SetWithDeleted(true);
  std::vector<EEAbsentTimeFilter*> filters{&with_deleted};
  auto deleted = Own(EEAbsentTime::GetActiveEEAbsentTimes(&filters, base::Sortierung()));
  ASSERT_EQ(deleted->size(), 1u);
  EXPECT_TRUE((*deleted)[0]->GetRoot().GetIsDeleted());
}

TEST_F(AbsentTimes, ListSelectsByEveryFilterField) {
  Stored(MarchWeek("EMP-1", "EFK"));
  EEAbsentTime cc = MarchWeek("EMP-2", "URL");
  EEAbsentTimeTP tp = cc.GetHistory();
  tp.SetOidCostCenter("CC-4");
  cc.SetHistory(tp);
  cc.Commit();
  Stored(Absence("EMP-5", "C-2", "EFU", VDate(1, 5, 2026), VDate(-1, -1, -1)));
  Stored(Absence("EMP-1", "C-1", "OLD", VDate(8, 0, 2024), VDate(9, 0, 2024)));   // journalized
  Stored(Absence("EMP-3", "C-1", "GONE", VDate(8, 0, 2026), VDate(9, 0, 2026)));  // withdrawn

  using Keys_ = std::vector<std::string>;
  auto with = [](auto set) {
    EEAbsentTimeFilter f;
    set(f);
    return f;
  };
  personnel::EmployeeExtendedFilter cc4;
  cc4.SetOidCostCenter("CC-4");
  struct Case {
    char const* what;
    EEAbsentTimeFilter filter;
    Keys_ keys;
  };
  std::vector<Case> const cases = {
      {"new filter: after journalized, active employees",
       EEAbsentTimeFilter(),
       {"EFK", "URL", "EFU"}},
      {"journalized too",
       with([](auto& f) { f.SetAfterJournalized(false); }),
       {"EFK", "URL", "EFU", "OLD"}},
      {"withdrawn",
       with([](auto& f) { f.SetListDisplayOfEmployeeEnum(pbt::LIST_WITHDRAWN_EMPLOYEES); }),
       {"GONE"}},
      {"company", with([](auto& f) { f.SetOidPCompany("C-2"); }), {"EFU"}},
      {"pnr", with([](auto& f) { f.SetPnr(1002); }), {"URL"}},
      {"surname", with([](auto& f) { f.SetSurname("Sch"); }), {"URL"}},
      {"key", with([](auto& f) { f.SetAbsentTimeKey("EFK"); }), {"EFK"}},
      {"EAU", with([](auto& f) { f.SetAbsenceOfEau(true); }), {"EFK", "EFU"}},
      {"dates",
       with([](auto& f) {
         f.SetFromDate(VDate(1, 3, 2026));
         f.SetUntilDate(VDate(31, 11, 2026));
       }),
       {"EFU"}},
      {"cost centre", with([&cc4](auto& f) { f.SetExtendedFilter(cc4); }), {"URL"}},
  };
  for (Case const& c : cases) EXPECT_EQ(Keys(c.filter), c.keys) << c.what;

  // Several filters select what any of them selects; none, everything.
  EEAbsentTimeFilter company = cases[3].filter, key = cases[6].filter;
  EXPECT_EQ(Keys(std::vector<EEAbsentTimeFilter*>{&company, &key}), (Keys_{"EFK", "EFU"}));
  EXPECT_EQ(CallsOf("getActiveEEAbsentTimes").back().arguments[0], L"[2]");
  EXPECT_EQ(Keys(std::vector<EEAbsentTimeFilter*>{}).size(), 5u);

  base::Sortierung by_pnr;
  by_pnr.AddKey("personnelNumber", false);
  std::vector<EEAbsentTimeFilter*> none;
  auto sorted = Own(EEAbsentTime::GetActiveEEAbsentTimes(&none, by_pnr));
  EXPECT_EQ(sorted->at(0)->GetRoot().GetOidAbsentTime(), "EFU");
  EXPECT_EQ(CallsOf("getActiveEEAbsentTimes").back().arguments,
            (std::vector<std::wstring>{L"[0]", L"personnelNumber desc"}));
}

TEST_F(AbsentTimes, StreamedListDeliversAbsentTimes) {
  for (int day = 1; day <= 28; ++day) {
    Stored(Absence("EMP-2", "C-1", "K" + std::to_string(day), VDate(day, 8, 2026),
                   VDate(day, 8, 2026)));
  }
  testing::Control()->setBatchSize(10);
  EEAbsentTimeFilter f;
  f.SetPnr(1002);
  std::vector<EEAbsentTimeFilter*> filters{&f};
  std::unique_ptr<EEAbsentTime::Callback> cb(
      EEAbsentTime::GetActiveEEAbsentTimeCB(&filters, base::Sortierung(), 25));
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
  EXPECT_EQ(cb->GetReceived(), 25u);
  std::unique_ptr<EEAbsentTime> first(cb->Take());
  EXPECT_EQ(first->GetRoot().GetOidAbsentTime(), "K1");
  EXPECT_EQ(first->GetHistory().GetNumberOfWorkingHours().ToIdl(), "8.00");
  EXPECT_EQ(CallsOf("getActiveEEAbsentTimesCB").at(0).arguments[0], L"[1]");
}

TEST_F(AbsentTimes, HistoriesFetchAndEmployeeCopySendTheirArguments) {
  EEAbsentTime a = Stored(MarchWeek());
  std::string const oid = a.GetObjectid();
  EXPECT_EQ(Own(EEAbsentTime::GetAllEEAbsentTimesHistory(oid))->size(), 1u);
  EXPECT_EQ(Own(EEAbsentTime::GetActiveEffectiveEEAbsentTimesHistory(oid))->size(), 1u);
  EXPECT_EQ(Own(EEAbsentTime::GetEffectiveEEAbsentTimesHistory(oid, VDate(4, 2, 2026)))->size(),
            1u);
  EXPECT_TRUE(Own(EEAbsentTime::GetEffectiveEEAbsentTimesHistory(oid, VDate(9, 2, 2026)))->empty());
  for (char const* op : {"getAllEEAbsentTimeHistory", "getActiveEffectiveEEAbsentTimeHistory"}) {
    EXPECT_EQ(CallsOf(op).at(0).arguments, std::vector<std::wstring>{Wide(oid)}) << op;
  }
  EXPECT_EQ(CallsOf("getEffectiveEEAbsentTimeHistory").at(0).arguments,
            (std::vector<std::wstring>{Wide(oid), L"2026-03-04"}));

  EEAbsentTime got = EEAbsentTime::GetObjectFromObjectId(oid, VDate(3, 2, 2026));
  EXPECT_EQ(got.GetObjectID(), oid);
  EXPECT_EQ(got.GetValidFrom(), VDate(2, 2, 2026));
  EXPECT_EQ(got.GetHistory().GetObjectID(), a.GetHistory().GetObjectID());
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (std::vector<std::wstring>{Wide(oid), L"2026-03-03"}));
  EXPECT_THROW(EEAbsentTime::GetObjectFromObjectId("AT-none", VDate(-1, -1, -1)), base::VException);

  auto copies = Own(EEAbsentTime::GetAbsentTimesForEmployeeCopy("EMP-1", "2027-01-01"));
  ASSERT_EQ(copies->size(), 1u);
  EXPECT_TRUE((*copies)[0]->IsNew());
  EXPECT_EQ((*copies)[0]->GetValidFrom(), VDate(1, 0, 2027));
  EXPECT_EQ(CallsOf("getAbsentTimesForEmployeeCopy").at(0).arguments,
            (std::vector<std::wstring>{L"EMP-1", L"2027-01-01"}));
}

TEST_F(AbsentTimes, CheckPreValuesReturnsTheServersVersionUnstored) {
  EEAbsentTime backwards = Absence("EMP-2", "C-1", "EFK", VDate(6, 2, 2026), VDate(2, 2, 2026));
  EEAbsentTime checked = EEAbsentTime::CheckPreValues(backwards, "C-1");
  EXPECT_EQ(checked.GetHistory().GetErrorMessage(),
            "the absence ends (2026-03-02) before it starts (2026-03-06)");
  EXPECT_EQ(checked.GetRoot().GetEmployeeShort().GetPersonnelNumber(), 1002);
  EXPECT_EQ(CallsOf("checkPreValues").at(0).arguments,
            (std::vector<std::wstring>{L"<new>", L"C-1"}));

  EEAbsentTime half = Absence("EMP-2", "C-1", "EFK", VDate(4, 2, 2026), VDate(4, 2, 2026));
  EEAbsentTimeTP tp = half.GetHistory();
  tp.SetHalfLeaveDay(true);
  half.SetHistory(tp);
  EXPECT_EQ(
      EEAbsentTime::CheckPreValues(half, "C-1").GetHistory().GetNumberOfWorkingHours().ToIdl(),
      "4.00");
  EXPECT_TRUE(Keys(EEAbsentTimeFilter()).empty());
}

TEST_F(AbsentTimes, CheckPreValuesRaisesRemoteFailures) {
  try {
    EEAbsentTime::CheckPreValues(MarchWeek(), "C-2");  // EMP-1 is in C-1
    FAIL() << "the converted failure must reach the caller";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetCode(), base::VException::kDomain);
    EXPECT_EQ(e.GetMessage(), L"employee 'EMP-1' does not belong to company 'C-2'");
  }
  InjectFault("checkPreValues", ref::RAISE_SYSTEM, L"", 0, 1, 7);
  try {
    EEAbsentTime::CheckPreValues(MarchWeek(), "C-1");
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetCode(), base::VException::kSystem);
  }
}

// Points the runtime nowhere for one scope, then back at the shared server.
class NoServer {
 public:
  NoServer() { base::Ostrel::Instance()->SetEndpoint("", 0); }
  ~NoServer() {
    base::Ostrel::Instance()->SetEndpoint("127.0.0.1", testing::SharedServer().Port());
    base::Ostrel::Instance()->Login(L"test", L"test");
  }
};

TEST_F(AbsentTimes, CheckPreValuesWithoutAnAnswerReturnsTheGivenAbsentTime) {
  EEAbsentTime a = Stored(MarchWeek());
  SetStickPay(a, "55");
  a.SetValidFrom(VDate(1, 0, 2030));
  EEAbsentTime result;
  {
    NoServer no_server;
    result = EEAbsentTime::CheckPreValues(a, "C-1");
  }
  EXPECT_TRUE(CallsOf("checkPreValues").empty());
  EXPECT_EQ(result.GetObjectid(), a.GetObjectid());
  EXPECT_EQ(result.GetHistory().GetStickPay().ToIdl(), "55");
  EXPECT_EQ(result.GetValidFrom(), VDate(2, 2, 2026));  // taken anew, as a copy does
  // Not to be taken for an accepted absent time: it says why it is unchecked.
  std::string const why =
      "no application server configured: set OSTREL_SERVER or [Server] Endpoint";
  EXPECT_EQ(result.GetHistory().GetErrorMessage(), why);
  EXPECT_TRUE(a.GetHistory().GetErrorMessage().empty());  // the argument is untouched
  result.ResetBo();
  EXPECT_EQ(result.GetHistory().GetStickPay().ToIdl(), "55");
  EXPECT_EQ(result.GetHistory().GetErrorMessage(), why);
}

TEST_F(AbsentTimes, CreateEEAbsentTimesStoresAllOrNothing) {
  EEAbsentTime one = MarchWeek("EMP-1", "EFK");
  EEAbsentTime two = MarchWeek("EMP-2", "EFU");
  std::vector<EEAbsentTime*> both{&one, &two};
  auto created = Own(EEAbsentTime::CreateEEAbsentTimes(&both, "C-1"));
  ASSERT_EQ(created->size(), 2u);
  EXPECT_EQ((*created)[0]->GetRoot().GetOidAbsentTime(), "EFK");
  EXPECT_EQ((*created)[1]->GetRoot().GetOidAbsentTime(), "EFU");
  EXPECT_FALSE((*created)[1]->IsNew());
  EXPECT_TRUE(one.IsNew());  // the input objects are not changed
  EXPECT_EQ(CallsOf("createEEAbsentTimeSeq").at(0).arguments,
            (std::vector<std::wstring>{L"[2]", L"C-1"}));

  std::vector<EEAbsentTime*> empty;
  auto nothing = Own(EEAbsentTime::CreateEEAbsentTimes(&empty, "C-1"));
  ASSERT_NE(nothing.get(), nullptr);
  EXPECT_TRUE(nothing->empty());

  EEAbsentTime other_company = MarchWeek("EMP-5", "EFS");
  std::vector<EEAbsentTime*> mixed{&one, &other_company};
  EXPECT_THROW(EEAbsentTime::CreateEEAbsentTimes(&mixed, "C-1"), base::VException);
  EXPECT_EQ(Keys(EEAbsentTimeFilter()).size(), 2u);
}

TEST_F(AbsentTimes, PredecessorsCalendarAndContinuedPayKeys) {
  Stored(Absence("EMP-1", "C-1", "EFK", VDate(2, 1, 2026), VDate(3, 1, 2026)));
  Stored(MarchWeek("EMP-1", "EFK"));
  Stored(MarchWeek("EMP-1", "URL"));
  Stored(MarchWeek("EMP-2", "EFK"));
  auto before_march =
      Own(EEAbsentTime::GetPredecessorEEAbsentTimes(VDate(28, 1, 2026), "EMP-1", "EFK"));
  ASSERT_EQ(before_march->size(), 1u);
  EXPECT_EQ((*before_march)[0]->GetEffectiveFrom(), VDate(2, 1, 2026));
  auto any_time = Own(EEAbsentTime::GetPredecessorEEAbsentTimes(VDate(-1, -1, -1), "EMP-1", "EFK"));
  EXPECT_EQ(any_time->size(), 2u);
  EXPECT_EQ(CallsOf("getPredecessorEEAbsentTimes").at(1).arguments,
            (std::vector<std::wstring>{L"0000-00-00", L"EMP-1", L"EFK"}));

  // 2026 has 261 working days; EMP-1 is absent on 2 + 5 + 5 (twice the
  // same week counts once) of them.
  EXPECT_EQ(EEAbsentTime::GetCalendarParameterString("EMP-1", 2026),
            "employee=EMP-1;company=C-1;year=2026;workingDays=261;absentDays=7");
  EXPECT_EQ(CallsOf("getCalendarParameterString").at(0).arguments,
            (std::vector<std::wstring>{L"EMP-1", L"2026"}));
  EXPECT_THROW(EEAbsentTime::GetCalendarParameterString("EMP-99", 2026), base::VException);

  EXPECT_TRUE(EEAbsentTime::IsEFKorEFUorEFSallowed("EMP-1", "EFK", VDate(1, 2, 2026)));
  EXPECT_TRUE(EEAbsentTime::IsEFKorEFUorEFSallowed("EMP-1", "EFS", VDate(1, 2, 2026)));
  EXPECT_FALSE(EEAbsentTime::IsEFKorEFUorEFSallowed("EMP-1", "URL", VDate(1, 2, 2026)));
  EXPECT_EQ(CallsOf("isEFKorEFUorEFSallowed").at(0).arguments,
            (std::vector<std::wstring>{L"EMP-1", L"EFK", L"2026-03-01"}));
}

// A settings file of its own for one scope, whatever the caller's
// environment says.
class ScopedSettings {
 public:
  explicit ScopedSettings(std::string const& text)
      : path_(::testing::TempDir() + "absent_time_settings.ini") {
    if (char const* old = std::getenv("OSTREL_SETTINGS")) old_ = old;
    std::ofstream(path_) << text;
    setenv("OSTREL_SETTINGS", path_.c_str(), 1);
  }
  ~ScopedSettings() {
    if (old_) {
      setenv("OSTREL_SETTINGS", old_->c_str(), 1);
    } else {
      unsetenv("OSTREL_SETTINGS");
    }
    std::remove(path_.c_str());
  }

 private:
  std::string path_;
  std::optional<std::string> old_;
};

TEST_F(AbsentTimes, ReportRunStreamsOneLinePerEntry) {
  EEAbsentTime a = Stored(MarchWeek("EMP-1", "EFK"));
  EEAbsentTime b = Stored(Absence("EMP-2", "C-1", "EFU", VDate(1, 5, 2026), VDate(-1, -1, -1)));
  absenttime::EauEEAbsentTimeStruct s{};
  s.oidEEAbsentTimeTP = b.GetHistory().GetObjectID().c_str();
  s.reasonOfInterrupt = 5;
  EauEEAbsentTime first, second(s);
  first.SetOidEEAbsentTimeTP(a.GetHistory().GetObjectID());
  first.SetReasonOfInterrupt(3);
  std::vector<EauEEAbsentTime*> entries{&first, &second};

  std::unique_ptr<EEAbsentTime::ReportCallback> cb;
  {
    ScopedSettings settings("[Callback]\nMaxHits = 40\n");
    cb.reset(EEAbsentTime::CreateFromEEAbsentTime("C-1", &entries));
  }
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
  EXPECT_EQ(cb->GetMaxHits(), 40u);
  std::vector<std::wstring> lines;
  for (base::VString* line : cb->TakeAll()) {
    lines.push_back(line->str());
    delete line;
  }
  EXPECT_EQ(lines,
            (std::vector<std::wstring>{L"EAU report of company C-1: 2 absence period(s)",
                                       L"1001 Müller, Jürgen: EFK 2026-03-02..2026-03-06 reason 3",
                                       L"1002 Schäfer, Anna-Lena: EFU 2026-06-01..open reason 0"}));
  EXPECT_EQ(CallsOf("createFromEEAbsentTime").at(0).arguments,
            (std::vector<std::wstring>{L"C-1", Wide(a.GetHistory().GetObjectID()) + L":3",
                                       Wide(b.GetHistory().GetObjectID()) + L":0"}));

  EauEEAbsentTime unknown;
  unknown.SetOidEEAbsentTimeTP("AT-9-P1");
  std::vector<EauEEAbsentTime*> bad{&unknown};
  EXPECT_THROW(EEAbsentTime::CreateFromEEAbsentTime("C-1", &bad), base::VException);
}

// The standard behaviour, as every record kind shows it. The history
// queries take the absent time's own object id, not the employee's.
struct AbsentTimeKind {
  using Record = EEAbsentTime;
  static constexpr char kSet[] = "setEEAbsentTime";
  static constexpr char kDelete[] = "deleteEEAbsentTime";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static EEAbsentTime New(std::string const& oid, int mark) {
    EEAbsentTime a;
    EEAbsentTimeRoot root = a.GetRoot();
    root.SetEmployeeShort(testing::Employee(oid));
    root.SetOidAbsentTime("URL");
    a.SetRoot(root);
    SetMark(a, mark);
    a.SetValidFrom(VDate(2, 2, 2026));
    return a;
  }
  static int Mark(EEAbsentTime const& a) {
    return static_cast<int>(a.GetHistory().GetIndexOfConsequence());
  }
  static void SetMark(EEAbsentTime& a, int mark) {
    EEAbsentTimeTP tp = a.GetHistory();
    tp.SetIndexOfConsequence(mark);
    a.SetHistory(tp);
  }
  static auto Stream(unsigned max_hits) {
    std::vector<EEAbsentTimeFilter*> none;
    return EEAbsentTime::GetActiveEEAbsentTimeCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return EEAbsentTime::GetAbsentTimesForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(AbsentTime, StandardRecord, ::testing::Types<AbsentTimeKind>);
}  // namespace testing

}  // namespace ostrel
