// Employment end to end against the reference server's seeded employees:
// the three-way Commit with its personnel number and open-end flag, the
// life-cycle steps (which internal valid-from date they send, what the
// employee's short view shows afterwards, what a failure leaves behind), the
// splits, the Dbt attributes, the findings and the queries.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "employee/employment.h"
#include "employee/master.h"
#include "ownership.h"
#include "personnel_bo.h"
#include "record_suite.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace bt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VException;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::InjectFault;

template <class F>
int CodeOf(F f) {
  try {
    f();
  } catch (VException const& e) {
    return e.GetCode();
  }
  return -1;
}

EEEmployment Fetch(std::string const& oid) {
  return EEEmployment::GetObjectFromObjectId(oid, VDate(), VDate());
}

template <class Change>
void ChangeEmployment(EEEmployment& e, Change change) {
  Employment p = e.GetEmployment();
  change(p);
  e.SetEmployment(p);
}

std::vector<std::string> Oids(std::vector<std::unique_ptr<EEEmployment>> const& records) {
  std::vector<std::string> out;
  for (auto const& r : records) out.push_back(r->GetObjectid());
  return out;
}

base::Sortierung ByNumber() {
  base::Sortierung sort;
  sort.AddKey("personnelNumber");
  return sort;
}

// The object ids a stream delivers until the server finishes it.
std::vector<std::string> Streamed(EEEmployment::Callback* raw) {
  auto cb = TakeOwnership(raw);
  EXPECT_TRUE(cb->WaitForEnd(std::chrono::seconds(10)));
  EXPECT_TRUE(cb->IsFinished());
  return Oids(TakeOwnership(cb->TakeAll()));
}

class EmploymentTest : public testing::RecordTest {};

TEST_F(EmploymentTest, CommitSendsTheNewPersonnelNumberAndTheOpenEndFlag) {
  EEEmployment e = Fetch("EMP-1");
  ASSERT_EQ(e.GetInternalValidFrom(), VDate(1, 3, 2015));
  ChangeEmployment(e, [](Employment& p) { p.SetOidCostCenter("CC-110"); });
  e.SetRemoveNew(false);  // not what decides the flag
  e.Commit();
  e.SetRemoveNew(true);
  e.SetValidUntil(VDate(31, 11, 2030));
  e.Commit();
  auto sets = CallsOf("setEmployment");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"EMP-1", L"2015-04-01", L"0", L"true"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"EMP-1", L"2015-04-01", L"0", L"false"}));
  EXPECT_EQ(e.GetEmployment().GetOidCostCenter(), "CC-110");

  e.SetDifferentPersonnelnumber(1099);
  e.SetValidFrom(VDate(1, 0, 2026));
  e.SetValidUntil(VDate(31, 11, 2030));
  e.Commit();
  e.SetDifferentPersonnelnumber(0);
  e.SetValidFrom(VDate(1, 3, 2026));
  e.SetValidUntil(OpenEnd());
  e.Commit();
  auto adds = CallsOf("addEmployment");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"EMP-1", L"2026-01-01", L"1099", L"false"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"EMP-1", L"2026-04-01", L"0", L"true"}));
  EXPECT_EQ(e.GetInternalValidFrom(), VDate(1, 3, 2026));
  EXPECT_EQ(e.GetRoot().GetPersonnelNumber(), 1099);

  // A number another employee of the company has: refused, and the record
  // returns to its saved state.
  e.SetDifferentPersonnelnumber(1002);
  ChangeEmployment(e, [](Employment& p) { p.SetOidDepartment("DEP-X"); });
  EXPECT_EQ(CodeOf([&] { e.Commit(); }), VException::kDomain);
  EXPECT_EQ(e.GetEmployment().GetOidDepartment(), "DEP-A");
  EXPECT_EQ(e.GetRoot().GetPersonnelNumber(), 1099);
}

TEST_F(EmploymentTest, CreateSendsTheRecordAlone) {
  EEEmployment e;
  e.SetEmployeeShort(testing::Employee("EMP-4"));
  ChangeEmployment(e, [](Employment& p) { p.SetDateOfEntry(VDate(1, 1, 2026)); });
  e.SetDifferentPersonnelnumber(4711);
  e.SetValidFrom(VDate(1, 1, 2026));
  e.Commit();
  ASSERT_EQ(CallsOf("createEmployment").size(), 1u);
  EXPECT_EQ(CallsOf("createEmployment")[0].arguments, (Args{L"EMP-4", L"2026-02-01"}));
  EXPECT_FALSE(e.IsNew());
  EXPECT_EQ(e.GetRoot().GetDateOfEntry(), VDate(1, 1, 2026));  // the short view follows
  EXPECT_EQ(e.GetRoot().GetPersonnelNumber(), 1004);
}

TEST_F(EmploymentTest, WithdrawalTakesTheValidFromDateItsCancellationDoesNot) {
  EEEmployment e = Fetch("EMP-2");
  ChangeEmployment(e, [](Employment& p) { p.SetDateOfWithDrawal(VDate(30, 5, 2026)); });
  e.SetValidFrom(VDate(1, 6, 2026));
  e.WithDrawal();
  EXPECT_EQ(CallsOf("withDrawal").at(0).arguments, (Args{L"EMP-2", L"2026-07-01", L"false"}));
  EXPECT_EQ(e.GetInternalValidFrom(), VDate(1, 6, 2026));
  EXPECT_EQ(e.GetRoot().GetDateOfWithDrawal(), VDate(30, 5, 2026));
  EXPECT_EQ(TakeOwnership(EEEmployment::GetAllEmploymentHistory("EMP-2")).size(), 2u);
  EXPECT_EQ(CodeOf([&] { e.WithDrawal(); }), VException::kDomain);  // already withdrawn

  e.SetValidFrom(VDate(1, 0, 2027));
  e.CancellationOfWithDrawal();
  EXPECT_EQ(CallsOf("cancellationOfWithDrawal").at(0).arguments,
            (Args{L"EMP-2", L"2026-07-01", L"false"}));
  EXPECT_TRUE(e.GetEmployment().GetDateOfWithDrawal().IsEmpty());
  EXPECT_TRUE(e.GetRoot().GetDateOfWithDrawal().IsEmpty());
  EXPECT_EQ(e.GetInternalValidFrom(), VDate(1, 6, 2026));
  // The saved value is the server's answer.
  ChangeEmployment(e, [](Employment& p) { p.SetOidPlant("PL-9"); });
  e.ResetBo();
  EXPECT_EQ(e.GetEmployment().GetOidPlant(), "PL-1");
}

TEST_F(EmploymentTest, ReEntryAndItsCancellationRestoreTheShortView) {
  EEEmployment e = Fetch("EMP-3");  // withdrew 2024-01-31
  ASSERT_EQ(e.GetRoot().GetDateOfWithDrawal(), VDate(31, 0, 2024));
  ChangeEmployment(e, [](Employment& p) { p.SetDateOfEntry(VDate(1, 2, 2025)); });
  e.SetValidFrom(VDate(1, 2, 2025));
  e.ReEntry();
  EXPECT_EQ(CallsOf("reEntry").at(0).arguments, (Args{L"EMP-3", L"2025-03-01", L"false"}));
  EXPECT_EQ(e.GetRoot().GetDateOfEntry(), VDate(1, 2, 2025));
  EXPECT_TRUE(e.GetRoot().GetDateOfWithDrawal().IsEmpty());
  EXPECT_EQ(TakeOwnership(EEEmployment::GetActiveEffectiveEmploymentHistory("EMP-3")).size(), 3u);

  e.SetValidFrom(VDate(1, 3, 2025));
  e.CancellationOfReEntry();
  EXPECT_EQ(CallsOf("cancellationOfReEntry").at(0).arguments,
            (Args{L"EMP-3", L"2025-03-01", L"false"}));
  EXPECT_EQ(e.GetRoot().GetDateOfEntry(), VDate(1, 9, 2023));
  EXPECT_EQ(e.GetRoot().GetDateOfWithDrawal(), VDate(31, 0, 2024));
  EXPECT_EQ(CodeOf([&] { e.CancellationOfReEntry(); }), VException::kDomain);
}

TEST_F(EmploymentTest, CorrectionOfEntryMovesTheEntryOfEveryPeriod) {
  EEEmployment e = Fetch("EMP-1");
  ChangeEmployment(e, [](Employment& p) { p.SetOidCostUnit("CU-11"); });
  e.SetValidFrom(VDate(1, 0, 2020));
  e.Commit();  // a second period, still with the old entry

  ChangeEmployment(e, [](Employment& p) {
    p.SetDateOfEntry(VDate(1, 2, 2015));
    p.SetDateOfEntrySI(VDate(1, 2, 2015));
  });
  e.SetValidFrom(VDate(1, 1, 2020));
  e.CorrectionOfEntry();
  EXPECT_EQ(CallsOf("correctionOfEntry").at(0).arguments,
            (Args{L"EMP-1", L"2020-02-01", L"false"}));
  EXPECT_EQ(e.GetInternalValidFrom(), VDate(1, 1, 2020));
  EXPECT_EQ(e.GetRoot().GetDateOfEntry(), VDate(1, 2, 2015));
  for (auto const& p : TakeOwnership(EEEmployment::GetActiveEffectiveEmploymentHistory("EMP-1"))) {
    EXPECT_EQ(p->GetEmployment().GetDateOfEntry(), VDate(1, 2, 2015));
  }
}

TEST_F(EmploymentTest, AFailedLifeCycleStepLeavesTheSavedRecord) {
  EEEmployment e = Fetch("EMP-1");  // not withdrawn: no re-entry possible
  ChangeEmployment(e, [](Employment& p) { p.SetDateOfEntry(VDate(1, 0, 2030)); });
  e.SetValidFrom(VDate(1, 0, 2030));
  EXPECT_EQ(CodeOf([&] { e.ReEntry(); }), VException::kDomain);
  EXPECT_EQ(e.GetEmployment().GetDateOfEntry(), VDate(1, 3, 2015));
  EXPECT_EQ(e.GetInternalValidFrom(), VDate(1, 3, 2015));

  ChangeEmployment(e, [](Employment& p) { p.SetDateOfWithDrawal(VDate(30, 5, 2026)); });
  InjectFault("withDrawal", ref::RAISE_APPLICATION_LAYER, L"payroll run in progress");
  EXPECT_EQ(CodeOf([&] { e.WithDrawal(); }), VException::kApplicationLayer);
  EXPECT_TRUE(e.GetEmployment().GetDateOfWithDrawal().IsEmpty());
  EXPECT_TRUE(Fetch("EMP-1").GetRoot().GetDateOfWithDrawal().IsEmpty());
}

TEST_F(EmploymentTest, MigrationEmployeeFillsTheRecordWithoutStoringIt) {
  EEEmployment e;
  e.SetEmployeeShort(testing::Employee("EMP-4"));
  ChangeEmployment(e, [](Employment& p) { p.SetPersonnelnumberOld("ALT-B/77"); });
  e.SetValidFrom(VDate(1, 0, 2026));
  e.GetMigrationEmployee();
  EXPECT_EQ(CallsOf("getMigrationEmployee").at(0).arguments, (Args{L"EMP-4", L"ALT-B/77"}));
  EXPECT_EQ(e.GetEmployment().GetDateOfEntry(), VDate(15, 5, 2012));
  EXPECT_EQ(e.GetEmployment().GetOidCostCenter(), "CC-300");
  EXPECT_EQ(e.GetInternalValidFrom(), VDate(""));  // sent as it was
  EXPECT_EQ(CodeOf([] { EEEmployment::GetAllEmploymentHistory("EMP-4"); }),
            VException::kPersistency);

  ChangeEmployment(e, [](Employment& p) { p.SetPersonnelnumberOld("ALT-B/78"); });
  EXPECT_EQ(CodeOf([&] { e.GetMigrationEmployee(); }), VException::kPersistency);
  EXPECT_EQ(e.GetEmployment().GetPersonnelnumberOld(), "ALT-B/77");
}

TEST_F(EmploymentTest, FindingsAndSplitsComeBackWithTheRecord) {
  EEEmployment e = Fetch("EMP-2");
  auto splits = TakeOwnership(e.GetEmployment().GetPartCostCenters());
  ASSERT_EQ(splits.size(), 2u);
  EXPECT_EQ(splits[0]->GetPercentage().ToIdl(), "60.00");
  EXPECT_FALSE(splits[0]->GetObjectID().empty());

  PartCostCenter third;
  third.SetOidCostCenter("CC-220");
  third.SetPercentage(VFixed("10.00"));
  std::vector<PartCostCenter*> three = {splits[0].get(), splits[1].get(), &third};
  ChangeEmployment(e, [&three](Employment& p) {
    p.SetPartCostCenters(&three);
    p.SetProbationStart(VDate(1, 0, 2019));
    p.SetProbationEnd(VDate(31, 11, 2018));
  });
  e.Commit();
  EXPECT_EQ(e.GetErrorCount(), 0);
  auto errors = TakeOwnership(e.GetErrors());
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(e.GetErrorCount(), 2);
  EXPECT_EQ(errors[0]->GetErrorCode(), 1);
  EXPECT_EQ(errors[0]->GetAttributeName(), "probationEnd");
  EXPECT_EQ(errors[1]->GetErrorCode(), 3);
  EXPECT_EQ(errors[1]->GetMessage(), L"the cost-centre split adds up to 110.00 %, not 100 %");
  auto stored = TakeOwnership(e.GetEmployment().GetPartCostCenters());
  ASSERT_EQ(stored.size(), 3u);
  EXPECT_FALSE(stored[2]->GetObjectID().empty());  // the server named the new share

  ChangeEmployment(e, [](Employment& p) {
    p.SetPartCostCenters(nullptr);
    p.SetProbationEnd(VDate(30, 5, 2019));
  });
  e.Commit();
  EXPECT_TRUE(TakeOwnership(e.GetEmployment().GetPartCostCenters()).empty());
  EXPECT_TRUE(TakeOwnership(e.GetErrors()).empty());
  EXPECT_EQ(e.GetErrorCount(), 0);
}

TEST_F(EmploymentTest, DbtAttributesComeAndGoWithTheUnion) {
  EEEmployment e = Fetch("EMP-5");
  Dbt d;
  d.SetVirtualWithdrawal(VDate(31, 2, 2026));
  d.SetDateOfApplication(VDate(15, 0, 2026));
  ChangeEmployment(e, [&d](Employment& p) { p.SetDbt(d); });
  e.Commit();
  Employment p = e.GetEmployment();
  ASSERT_TRUE(p.IsDBT());
  EXPECT_EQ(p.GetDbt().GetVirtualWithdrawal(), VDate(31, 2, 2026));
  EXPECT_EQ(p.GetDbt().GetDateOfApplication(), VDate(15, 0, 2026));

  ChangeEmployment(e, [](Employment& q) { q.ClearIsDBT(); });
  e.Commit();
  Employment cleared = Fetch("EMP-5").GetEmployment();
  EXPECT_FALSE(cleared.IsDBT());
  try {
    cleared.GetDbt();
    ADD_FAILURE() << "GetDbt must raise";
  } catch (base::InternalException const& x) {
    EXPECT_EQ(x.GetMessage(), L"Employment::GetDbt: no relevant in union!");
  }
}

TEST_F(EmploymentTest, QueriesSelectByFilterAndStreamWithdrawalsApart) {
  struct Case {
    char const* what;
    void (*set)(EEEmploymentFilter&);
    std::vector<std::string> expected;
  };
  Case const cases[] = {
      {"number", [](EEEmploymentFilter& f) { f.SetPnr(1001); }, {"EMP-1", "EMP-7"}},
      {"surname, narrow", [](EEEmploymentFilter& f) { f.SetSurname("Sch"); }, {"EMP-2"}},
      {"person in charge",
       [](EEEmploymentFilter& f) { f.SetOidPersonInCharge1("PIC-3"); },
       {"EMP-7", "EMP-5", "EMP-6"}},
      {"company and cost centre",
       [](EEEmploymentFilter& f) {
         f.SetOidPCompany("C-2");
         f.SetOidCostCenter("CC-300");
       },
       {"EMP-5", "EMP-6"}},
      {"memo of the master data", [](EEEmploymentFilter& f) { f.SetMemo("works"); }, {"EMP-1"}},
      {"withdrawn",
       [](EEEmploymentFilter& f) { f.SetListDisplayOfEmployeeEnum(bt::LIST_WITHDRAWN_EMPLOYEES); },
       {"EMP-3"}},
  };
  for (Case const& c : cases) {
    EEEmploymentFilter f;
    c.set(f);
    std::vector<EEEmploymentFilter*> filters = {&f};
    EXPECT_EQ(Oids(TakeOwnership(EEEmployment::GetActiveEmployments(&filters, ByNumber()))),
              c.expected)
        << c.what;
  }

  std::vector<EEEmploymentFilter*> none;
  EXPECT_EQ(Streamed(EEEmployment::GetActiveEEEmploymentsCB(&none, ByNumber(), 0)),
            (std::vector<std::string>{"EMP-1", "EMP-7", "EMP-2", "EMP-3", "EMP-5", "EMP-6"}));
  EXPECT_EQ(Streamed(EEEmployment::GetActiveEmploymentWithDrawalCB(&none, ByNumber(), 0)),
            (std::vector<std::string>{"EMP-3"}));
  EXPECT_EQ(CallsOf("getActiveEmploymentWithDrawalCB").at(0).arguments,
            (Args{L"[0]", L"personnelNumber asc"}));
}

TEST_F(EmploymentTest, HistoriesAndFetchSendTheirDatesAsWireText) {
  auto at = TakeOwnership(EEEmployment::GetEffectiveEmploymentHistory("EMP-3", VDate(1, 0, 2024)));
  ASSERT_EQ(at.size(), 1u);
  EXPECT_TRUE(at[0]->GetEmployment().GetDateOfWithDrawal().IsEmpty());
  EXPECT_EQ(CallsOf("getEffectiveEmploymentHistory").at(0).arguments,
            (Args{L"EMP-3", L"2024-01-01"}));

  // As known before the withdrawal was entered, and after it.
  EEEmployment const before =
      EEEmployment::GetObjectFromObjectId("EMP-3", VDate(1, 0, 2024), VDate(15, 0, 2024));
  EXPECT_TRUE(before.GetEmployment().GetDateOfWithDrawal().IsEmpty());
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"EMP-3", L"2024-01-01", L"2024-01-15"}));
  EEEmployment const after =
      EEEmployment::GetObjectFromObjectId("EMP-3", VDate(1, 2, 2024), VDate(15, 2, 2024));
  EXPECT_EQ(after.GetEmployment().GetDateOfWithDrawal(), VDate(31, 0, 2024));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(1).arguments,
            (Args{L"EMP-3", L"2024-03-01", L"2024-03-15"}));
  EXPECT_EQ(TakeOwnership(EEEmployment::GetAllEmploymentHistory("EMP-3")).size(), 2u);
}

// The standard record behaviour. Every seeded employee with a date of entry
// has an employment, so a "new" record is the stored one of the employee;
// the mark is the AU certificate count. Delete sends nothing.
struct EmploymentKind {
  using Record = EEEmployment;
  static constexpr char kSet[] = "setEmployment";
  static constexpr char kDelete[] = "";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static Record New(std::string const& oid, int mark) {
    EEEmployment e = Fetch(oid);
    SetMark(e, mark);
    return e;
  }
  static int Mark(Record const& r) {
    return static_cast<int>(r.GetEmployment().GetAuCertificateFrom());
  }
  static void SetMark(Record& r, int mark) {
    ChangeEmployment(r, [mark](Employment& p) { p.SetAuCertificateFrom(mark); });
  }
  static auto AllHistory(std::string const& oid) {
    return EEEmployment::GetAllEmploymentHistory(oid);
  }
};
}  // namespace

// The suite's registration lives beside the suite.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Employment, StandardRecord, ::testing::Types<EmploymentKind>);
}  // namespace testing
}  // namespace ostrel
