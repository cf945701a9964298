// Variable payments end to end against the reference server: the company id
// taken from the record's employee or from the caller, the commit that never
// adds and keeps changes on failure, the delete by the period's own id, the
// evaluated list, the pre-check with its catch-all, and bulk creation. The
// standard behaviour is the shared suite's. The server's seeded employees
// are used: EMP-1 and EMP-2 (company C-1,
// journalized until 2024-02-29) and EMP-5 (C-2, journalized until
// 2024-01-31).
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ostrel.h"
#include "ownership.h"
#include "pay/varpayment.h"
#include "record_suite.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using base::VDate;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::InjectFault;
using testing::Map;
using testing::Wide;

void SetFactor1(VarPayment& p, char const* v) {
  VarPaymentTP tp = p.GetVarPaymentTP();
  tp.SetFactor1(VFixed(v));
  p.SetVarPaymentTP(tp);
}
std::string Factor1(VarPayment const& p) { return p.GetVarPaymentTP().GetFactor1().ToIdl(); }

// A new payment in March 2024 of `employee`, whose company the client
// believes to be `company`.
VarPayment Entry(std::string const& employee, std::string const& company,
                 std::string const& value_type, char const* factor1) {
  VarPayment p;
  VarPaymentRoot root = p.GetVarPaymentRoot();
  EmployeeShort e = testing::Employee(employee);
  e.SetOidPCompany(company);
  root.SetEmployeeShort(e);
  root.SetOidValueType(value_type);
  p.SetVarPaymentRoot(root);
  SetFactor1(p, factor1);
  p.SetEffectiveFrom(VDate(1, 2, 2024));
  p.SetEffectiveUntil(VDate(31, 2, 2024));
  p.SetValidFrom(VDate(1, 2, 2024));
  return p;
}
VarPayment Stored(VarPayment p) {
  p.Commit();
  return p;
}

std::vector<std::string> Factors1(std::vector<VarPayment*> const& list) {
  std::vector<std::string> out;
  for (VarPayment* p : list) out.push_back(Factor1(*p));
  return out;
}
std::vector<std::string> Listed(VarPaymentFilter f, std::string const& company = "") {
  std::vector<VarPaymentFilter*> filters{&f};
  return Map(VarPayment::GetActiveVarPayments(&filters, base::Sortierung(), company), Factor1);
}

using VarPayments = testing::RecordTest;

TEST_F(VarPayments, CommitSendsTheCompanyOfTheRecordsEmployeeAndNeverAdds) {
  VarPayment p = Entry("EMP-5", "C-2", "VT-1100", "8");
  p.Commit();
  EXPECT_EQ(CallsOf("createVarPayment").at(0).arguments, (Args{L"<new>", L"C-2"}));
  EXPECT_FALSE(p.IsNew());
  EXPECT_EQ(p.GetObjectid(), "VAR-1");
  EXPECT_EQ(p.GetVersion(), 1);
  EXPECT_EQ(p.GetVarPaymentRoot().GetRoot().GetSurname(), L"Nowak");  // the server's view
  VarPaymentTP tp = p.GetVarPaymentTP();
  EXPECT_EQ(tp.GetOidVarPayment(), tp.GetObjectID());  // the period's own id
  EXPECT_NE(tp.GetOidVarPayment(), p.GetObjectid());

  // A new validity date still goes through set, with the date as internal
  // valid-from date and the object's remove-new flag, either way.
  SetFactor1(p, "9");
  p.SetValidFrom(VDate(15, 2, 2024));
  p.SetRemoveNew(false);
  p.Commit();
  EXPECT_EQ(CallsOf("createVarPayment").size(), 1u);
  EXPECT_EQ(p.GetInternalValidFrom(), VDate(15, 2, 2024));
  EXPECT_EQ(p.GetVersion(), 2);
  SetFactor1(p, "99");
  p.ResetBo();  // the answer is also the saved value
  EXPECT_EQ(Factor1(p), "9");
  p.SetValidFrom(VDate(20, 2, 2024));
  p.SetRemoveNew(true);
  p.Commit();
  EXPECT_EQ(p.GetInternalValidFrom(), VDate(20, 2, 2024));
  auto const sets = CallsOf("setVarPayment");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"VAR-1", L"false", L"C-2"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"VAR-1", L"true", L"C-2"}));
}

TEST_F(VarPayments, CommitWithoutACompanyAsksTheServerWithNoneAndKeepsTheEntry) {
  // The record's own employee view has no company: the server is asked with
  // none and refuses; the new object keeps what was entered.
  VarPayment no_company = Entry("EMP-1", "", "VT-1000", "7");
  EXPECT_THROW(no_company.Commit(), base::VException);
  EXPECT_EQ(CallsOf("createVarPayment").back().arguments, (Args{L"<new>", L""}));
  EXPECT_TRUE(no_company.IsNew());
  EXPECT_EQ(Factor1(no_company), "7");
}

TEST_F(VarPayments, DeleteSendsThePeriodsIdTheRootVersionAndTheCompany) {
  VarPayment p = Stored(Entry("EMP-5", "C-2", "VT-1500", "250"));
  SetFactor1(p, "300");
  p.Commit();
  p.Delete();
  auto const deletes = CallsOf("deleteVarPayment");
  ASSERT_EQ(deletes.size(), 1u);
  std::string const period = p.GetVarPaymentTP().GetOidVarPayment();
  EXPECT_EQ(deletes[0].arguments, (Args{L"EMP-5", Wide(period), L"2", L"C-2"}));
  EXPECT_NE(period, p.GetObjectid());
  EXPECT_TRUE(Listed(VarPaymentFilter()).empty());
}

TEST_F(VarPayments, PlainAndEvaluatedListsSendTheSameArguments) {
  Stored(Entry("EMP-1", "C-1", "VT-1100", "8"));  // overtime: factor 2 preset 25.00
  Stored(Entry("EMP-5", "C-2", "VT-1000", "3000"));
  VarPaymentFilter f;
  std::vector<VarPaymentFilter*> filters{&f};
  base::Sortierung by_pnr;
  by_pnr.AddKey("personnelNumber");

  auto const plain = TakeOwnership(VarPayment::GetActiveVarPayments(&filters, by_pnr, "C-1"));
  auto const evaluated =
      TakeOwnership(VarPayment::GetActiveVarPaymentsEvaluated(&filters, by_pnr, "C-1"));
  Args const sent = CallsOf("getActiveVarPayments").at(0).arguments;
  EXPECT_EQ(CallsOf("getActiveVarPaymentsEvaluated").at(0).arguments, sent);
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[1], L"personnelNumber asc");
  EXPECT_EQ(sent[2], L"C-1");

  // Only the company's payments; the evaluated one with its presets.
  ASSERT_EQ(plain.size(), 1u);
  ASSERT_EQ(evaluated.size(), 1u);
  VarPaymentTP const stored = plain[0]->GetVarPaymentTP();
  VarPaymentTP const rated = evaluated[0]->GetVarPaymentTP();
  EXPECT_EQ(stored.GetFactor2(), VFixed());
  EXPECT_EQ(stored.GetResult(), VFixed());
  EXPECT_EQ(rated.GetFactor2().ToIdl(), "25.00");
  EXPECT_EQ(rated.GetPercentage().ToIdl(), "100");
  EXPECT_EQ(rated.GetResult().ToIdl(), "200.00");
  EXPECT_EQ(rated.GetErrorMessage(), "");

  EXPECT_EQ(Listed(VarPaymentFilter()), (std::vector<std::string>{"8", "3000"}));
}

TEST_F(VarPayments, StreamedListSendsTheCompanyAfterTheCallback) {
  for (char const* f : {"1", "2", "3"}) Stored(Entry("EMP-2", "C-1", "VT-1000", f));
  Stored(Entry("EMP-5", "C-2", "VT-1000", "4"));
  std::vector<VarPaymentFilter*> none;
  auto const cb =
      TakeOwnership(VarPayment::GetActiveVarPaymentsCB(&none, base::Sortierung(), "C-1", 0));
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
  EXPECT_TRUE(cb->IsFinished());
  std::vector<VarPayment*> all = cb->TakeAll();
  EXPECT_EQ(Factors1(all), (std::vector<std::string>{"1", "2", "3"}));
  for (VarPayment* p : all) delete p;
  EXPECT_EQ(CallsOf("getActiveVarPaymentsCB").at(0).arguments, (Args{L"[]", L"", L"C-1"}));
}

TEST_F(VarPayments, HistoriesTakeTheRecordsIdAndTheCompanyFetchTakesNoCompany) {
  VarPayment p = Stored(Entry("EMP-1", "C-1", "VT-1000", "10"));
  std::string const oid = p.GetObjectid();
  EXPECT_EQ(TakeOwnership(VarPayment::GetAllVarPaymentHistory(oid, "C-1")).size(), 1u);
  EXPECT_EQ(TakeOwnership(VarPayment::GetActiveEffectiveVarPaymentHistory(oid, "C-1")).size(), 1u);
  EXPECT_EQ(Map(VarPayment::GetEffectiveVarPaymentHistory(oid, VDate(15, 2, 2024), "C-1"), Factor1),
            std::vector<std::string>{"10"});
  EXPECT_EQ(CallsOf("getAllVarPaymentHistory").at(0).arguments, (Args{Wide(oid), L"C-1"}));
  EXPECT_EQ(CallsOf("getActiveEffectiveVarPaymentHistory").at(0).arguments,
            (Args{Wide(oid), L"C-1"}));
  EXPECT_EQ(CallsOf("getEffectiveVarPaymentHistory").at(0).arguments,
            (Args{Wide(oid), L"2024-03-15", L"C-1"}));
  try {
    VarPayment::GetAllVarPaymentHistory(oid, "C-2");
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"variable payment 'VAR-1' does not belong to company 'C-2'");
  }

  VarPayment got = VarPayment::GetObjectFromObjectId(oid, VDate(15, 2, 2024), VDate(20, 2, 2024));
  EXPECT_EQ(got.GetObjectid(), oid);
  EXPECT_EQ(got.GetVarPaymentTP().GetOidVarPayment(), p.GetVarPaymentTP().GetOidVarPayment());
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{Wide(oid), L"2024-03-15", L"2024-03-20"}));

  auto const copies =
      TakeOwnership(VarPayment::GetVarPaymentsForEmployeeCopy("EMP-1", "2025-01-01"));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0]->GetVarPaymentTP().GetOidVarPayment(), "");
  EXPECT_EQ(copies[0]->GetInternalValidFrom(), VDate(1, 0, 2025));
  EXPECT_EQ(CallsOf("getVarPaymentsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2025-01-01"}));
}

TEST_F(VarPayments, CheckPreValuesAnswersPresetsAndComplaintsUnstored) {
  VarPayment entry = Entry("EMP-2", "C-1", "VT-2000", "120");  // 120 km at 0.30
  entry.SetValidFrom(VDate(1, 0, 2030));                       // not sent
  VarPayment checked = VarPayment::CheckPreValues(entry, "C-1");
  VarPaymentTP const tp = checked.GetVarPaymentTP();
  EXPECT_EQ(tp.GetFactor2().ToIdl(), "0.30");
  EXPECT_EQ(tp.GetPercentage().ToIdl(), "100");
  EXPECT_EQ(tp.GetPerformanceFactor().ToIdl(), "1");
  EXPECT_EQ(tp.GetResult().ToIdl(), "36.00");
  EXPECT_EQ(tp.GetErrorMessage(), "");
  EXPECT_EQ(checked.GetVarPaymentRoot().GetRoot().GetPersonnelNumber(), 1002);
  EXPECT_EQ(checked.GetInternalValidFrom(), entry.GetInternalValidFrom());
  EXPECT_EQ(entry.GetVarPaymentTP().GetFactor2(), VFixed());  // the entry is not changed
  EXPECT_EQ(CallsOf("checkPreValues").at(0).arguments, (Args{L"<new>", L"C-1"}));

  // Entries that are not acceptable come back with the reason, not raised.
  EXPECT_EQ(VarPayment::CheckPreValues(Entry("EMP-2", "C-1", "VT-7777", "1"), "C-1")
                .GetVarPaymentTP()
                .GetErrorMessage(),
            "unknown value type 'VT-7777'");
  EXPECT_EQ(VarPayment::CheckPreValues(Entry("EMP-5", "C-2", "VT-1000", "1"), "C-1")
                .GetVarPaymentTP()
                .GetErrorMessage(),
            "employee 'EMP-5' does not belong to company 'C-1'");
  EXPECT_TRUE(Listed(VarPaymentFilter()).empty());
}

TEST_F(VarPayments, CheckPreValuesRaisesConvertedRemoteFailures) {
  try {
    VarPayment::CheckPreValues(Entry("EMP-2", "C-1", "VT-1000", "1"), "");
    FAIL() << "the converted failure must reach the caller";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetCode(), base::VException::kApplicationLayer);
    EXPECT_EQ(e.GetMessage(), L"no company given");
  }
  InjectFault("checkPreValues", ref::RAISE_SYSTEM, L"", 0, 1, 7);
  try {
    VarPayment::CheckPreValues(Entry("EMP-2", "C-1", "VT-1000", "1"), "C-1");
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

TEST_F(VarPayments, CheckPreValuesWithoutAnAnswerReturnsTheEntryWithTheReason) {
  VarPayment p = Stored(Entry("EMP-1", "C-1", "VT-1000", "10"));
  SetFactor1(p, "55");
  p.SetValidFrom(VDate(1, 0, 2030));
  VarPayment result;
  {
    NoServer no_server;
    result = VarPayment::CheckPreValues(p, "C-1");
  }
  EXPECT_TRUE(CallsOf("checkPreValues").empty());
  // Told apart from an accepted entry by the failure's text.
  std::string const reason =
      "no application server configured: set OSTREL_SERVER or [Server] Endpoint";
  EXPECT_EQ(result.GetVarPaymentTP().GetErrorMessage(), reason);
  EXPECT_EQ(p.GetVarPaymentTP().GetErrorMessage(), "");  // the entry is not changed
  EXPECT_EQ(result.GetObjectid(), p.GetObjectid());
  EXPECT_EQ(Factor1(result), "55");
  EXPECT_EQ(result.GetValidFrom(), VDate(1, 2, 2024));  // taken anew, as a copy does
  SetFactor1(result, "56");
  result.ResetBo();
  EXPECT_EQ(Factor1(result), "55");
  EXPECT_EQ(result.GetVarPaymentTP().GetErrorMessage(), reason);
}

TEST_F(VarPayments, CreateVarPaymentsStoresAllOrNothing) {
  VarPayment one = Entry("EMP-1", "C-1", "VT-1000", "1");
  VarPayment two = Entry("EMP-2", "C-1", "VT-1100", "2");
  VarPayment three = Entry("EMP-1", "C-1", "VT-3100", "3");
  std::vector<VarPayment*> entries{&one, &two, &three};
  auto const created = TakeOwnership(VarPayment::CreateVarPayments(&entries, "C-1"));
  ASSERT_EQ(created.size(), 3u);
  EXPECT_EQ(Factor1(*created[0]), "1");
  EXPECT_EQ(Factor1(*created[2]), "3");
  EXPECT_FALSE(created[2]->IsNew());
  EXPECT_NE(created[0]->GetVarPaymentTP().GetOidVarPayment(),
            created[1]->GetVarPaymentTP().GetOidVarPayment());
  EXPECT_TRUE(one.IsNew());  // the entries are not changed
  EXPECT_EQ(CallsOf("createVarPaymentSeq").at(0).arguments, (Args{L"[3]", L"C-1"}));

  std::vector<VarPayment*> empty;
  std::vector<VarPayment*>* nothing = VarPayment::CreateVarPayments(&empty, "C-1");
  ASSERT_NE(nothing, nullptr);
  EXPECT_TRUE(nothing->empty());
  delete nothing;
  EXPECT_EQ(CallsOf("createVarPaymentSeq").at(1).arguments, (Args{L"[0]", L"C-1"}));

  VarPayment unknown = Entry("EMP-2", "C-1", "VT-4242", "4");
  std::vector<VarPayment*> mixed{&one, &unknown};
  try {
    VarPayment::CreateVarPayments(&mixed, "C-1");
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"variable payment 2: unknown value type 'VT-4242'");
  }
  EXPECT_EQ(Listed(VarPaymentFilter()).size(), 3u);
}

TEST_F(VarPayments, ClearedFilterStillSendsItsExtendedFilter) {
  VarPayment cc = Entry("EMP-1", "C-1", "VT-1100", "1");
  VarPaymentTP tp = cc.GetVarPaymentTP();
  tp.SetOidCostCenter("CC-7");
  cc.SetVarPaymentTP(tp);
  cc.Commit();
  Stored(Entry("EMP-2", "C-1", "VT-1000", "2"));
  Stored(Entry("EMP-5", "C-2", "VT-1000", "3"));

  VarPaymentFilter f;
  personnel::EmployeeExtendedFilter x;
  x.SetOidCostCenter("CC-7");
  f.SetExtendedFilter(x);
  f.SetPnr(1002);
  f.ClearVarPaymentFilter();
  EXPECT_EQ(Listed(f), std::vector<std::string>{"1"});
  EXPECT_EQ(CallsOf("getActiveVarPayments").at(0).arguments.at(0),
            L"[{fromDate=;untilDate=;afterJournalized=true;vtn=-;oidPCompany=;pnr=-;surname=;"
            L"fixedDateOfWithDrawal=;extendedFilter=CC-7///;oidCostCenterVP=;oidCostUnitVP=}]");
  EXPECT_EQ(Listed(VarPaymentFilter()), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Listed(VarPaymentFilter(), "C-2"), std::vector<std::string>{"3"});
}

// The standard behaviour, as variable payments show it.
struct VarPaymentKind {
  using Record = VarPayment;
  static constexpr char kSet[] = "setVarPayment";
  static constexpr char kDelete[] = "deleteVarPayment";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kKeep;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static VarPayment New(std::string const& oid, int mark) {
    return Entry(oid, "C-1", "VT-1000", std::to_string(mark).c_str());
  }
  static int Mark(VarPayment const& p) { return std::stoi(Factor1(p)); }
  static void SetMark(VarPayment& p, int mark) { SetFactor1(p, std::to_string(mark).c_str()); }
  static auto Stream(unsigned max_hits) {
    std::vector<VarPaymentFilter*> none;
    return VarPayment::GetActiveVarPaymentsCB(&none, base::Sortierung(), "", max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return VarPayment::GetVarPaymentsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite is instantiated where it is declared.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(VarPayments, StandardRecord, ::testing::Types<VarPaymentKind>);
}  // namespace testing
}  // namespace ostrel
