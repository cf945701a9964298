// Insurance records end to end against the reference server: the Commit
// whose add always sends remove-new true and whose set always sends false,
// with the change-of-address flag; the whole record travelling; the
// server's questions (person group, pensionable, apprentice, confirmation,
// child-education check box); queries and failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "statutory/insurance.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using base::VDate;
using base::VException;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::InjectFault;
using testing::StandardRecord;

// A new insurance record of the employee from 1 January 2026; the employee
// is named by the short view only.
EEInsurance NewInsurance(std::string const& oid, long person_group = 101) {
  EEInsurance r;
  r.SetEmployeeShort(Employee(oid));
  Insurance i = r.GetInsurance();
  i.SetPersonGroup(person_group);
  r.SetInsurance(i);
  r.SetValidFrom(VDate(1, 0, 2026));
  return r;
}

template <class F>
void Change(EEInsurance& r, F f) {
  Insurance i = r.GetInsurance();
  f(i);
  r.SetInsurance(i);
}

using InsuranceRecords = testing::RecordTest;

// The standard behaviour; Delete never reaches the server.
struct InsuranceKind {
  using Record = EEInsurance;
  static constexpr char kSet[] = "setInsurance";
  static constexpr char kDelete[] = "";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static EEInsurance New(std::string const& oid, int mark) { return NewInsurance(oid, mark); }
  static int Mark(EEInsurance const& r) {
    return static_cast<int>(r.GetInsurance().GetPersonGroup());
  }
  static void SetMark(EEInsurance& r, int mark) {
    Change(r, [mark](Insurance& i) { i.SetPersonGroup(mark); });
  }
  static auto AllHistory(std::string const& oid) {
    return EEInsurance::GetAllInsuranceHistory(oid);
  }
  static auto Stream(unsigned max_hits) {
    return EEInsurance::GetActiveEEInsurancesCB(nullptr, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return EEInsurance::GetInsurancesForEmployeeCopy(oid, valid_from.ToIdl());
  }
};
// The typed suite registers its tests under names of its own namespace.
using namespace testing;
INSTANTIATE_TYPED_TEST_SUITE_P(Insurance, StandardRecord, ::testing::Types<InsuranceKind>);

TEST_F(InsuranceRecords, CommitFixesRemoveNewAndSendsTheChangeOfAddressFlag) {
  EEInsurance r = NewInsurance("EMP-1");
  r.Commit();
  // The whole record travelled: the server saw the employee in the short
  // view and filled the record's own employee id from it.
  EXPECT_EQ(CallsOf("createInsurance").at(0).arguments, (Args{L"EMP-1"}));
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetObjectid(), "EMP-1");
  EXPECT_EQ(r.GetInsurance().GetOidEmployee(), "EMP-1");
  EXPECT_EQ(r.GetRoot().GetPersonnelNumber(), 1001);

  r.SetRemoveNew(true);  // set ignores the object's flag
  r.Commit();
  r.SetChangeOfAdressInMaster(true);
  r.Commit();
  auto sets = CallsOf("setInsurance");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"EMP-1", L"false", L"false"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"EMP-1", L"false", L"true"}));

  r.SetRemoveNew(false);  // add ignores it too
  r.SetChangeOfAdressInMaster(false);
  Change(r, [](Insurance& i) { i.SetPersonGroup(102); });
  r.SetValidFrom(VDate(1, 8, 2026));
  r.Commit();
  EXPECT_EQ(CallsOf("addInsurance").at(0).arguments, (Args{L"EMP-1", L"true", L"false"}));
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 8, 2026));
  EXPECT_EQ(r.GetInsurance().GetPersonGroup(), 102);
}

TEST_F(InsuranceRecords, ServerFindingsArriveInTheErrorList) {
  EEInsurance r = NewInsurance("EMP-1", 999);
  Change(r, [](Insurance& i) { i.SetDuesGroupUI(3); });
  r.Commit();
  auto errors = TakeOwnership(r.GetErrors());
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0]->GetErrorCode(), 2001);
  EXPECT_EQ(errors[0]->GetAttributeName(), "personGroup");
  EXPECT_EQ(errors[1]->GetAttributeName(), "duesGroupUI");
  EXPECT_EQ(r.GetErrorCount(), 2);
}

TEST_F(InsuranceRecords, ActivePersonGroupByCompanyAndPersonnelNumber) {
  EXPECT_EQ(EEInsurance::GetActivePersonGroup("C-1", 1001), 0) << "no record yet";
  EXPECT_EQ(CallsOf("getActiveInsurance").at(0).arguments, (Args{L"[1]", L""}));

  NewInsurance("EMP-7", 105).Commit();  // C-2, 1001
  NewInsurance("EMP-1", 102).Commit();  // C-1, 1001
  EXPECT_EQ(EEInsurance::GetActivePersonGroup("C-1", 1001), 102);
  EXPECT_EQ(EEInsurance::GetActivePersonGroup("C-2", 1001), 105);
  EXPECT_EQ(EEInsurance::GetActivePersonGroup("C-1", 1002), 0);
  // Without a company both match: the first the server sends counts.
  EXPECT_EQ(EEInsurance::GetActivePersonGroup("", 1001), 105);
}

TEST_F(InsuranceRecords, QuestionsAboutPensionApprenticesAndChildEducation) {
  EEInsurance r = NewInsurance("EMP-1", 101);
  Change(r, [](Insurance& i) { i.SetDuesGroupPI(0); });
  r.Commit();
  VDate const march(1, 2, 2026);
  VDate const mid_march(15, 2, 2026);
  EXPECT_FALSE(EEInsurance::GetPensionable("EMP-1", march, mid_march));
  EXPECT_EQ(CallsOf("getPensionable").at(0).arguments,
            (Args{L"EMP-1", L"2026-03-01", L"2026-03-15"}));
  EXPECT_EQ(EEInsurance::GetApprenticeFrom("EMP-1"), "");

  Change(r, [](Insurance& i) {
    i.SetDuesGroupPI(1);
    i.SetPersonGroup(102);
    i.SetDuesGroupNI(0);
  });
  r.SetValidFrom(VDate(1, 5, 2026));
  r.Commit();
  EXPECT_FALSE(EEInsurance::GetPensionable("EMP-1", march, mid_march)) << "the period before June";
  VDate const july(1, 6, 2026);
  EXPECT_TRUE(EEInsurance::GetPensionable("EMP-1", july, VDate(15, 6, 2026)));
  EXPECT_EQ(EEInsurance::GetApprenticeFrom("EMP-1"), "2026-06-01");

  Insurance any;  // the question does not read its object
  EXPECT_TRUE(any.GetCheckBoxNIChildEducationActive("EMP-1", march));
  EXPECT_FALSE(any.GetCheckBoxNIChildEducationActive("EMP-1", july));
  EXPECT_EQ(CallsOf("getCheckBoxNIChildEducationActive").at(0).arguments,
            (Args{L"EMP-1", L"2026-03-01"}));
  EXPECT_FALSE(any.GetCheckBoxNIChildEducationActive("EMP-2", march)) << "no record";
  EXPECT_THROW(EEInsurance::GetPensionable("EMP-99", march, mid_march), VException);
}

TEST_F(InsuranceRecords, ConfirmationBeforeSaveLeavesTheObjectAlone) {
  EEInsurance r = NewInsurance("EMP-2", 101);
  EXPECT_EQ(r.GetConfirmBeforeSave(), "") << "nothing stored yet";
  r.Commit();
  Change(r, [](Insurance& i) { i.SetPersonGroup(109); });
  r.SetValidFrom(VDate(1, 3, 2026));
  EXPECT_EQ(r.GetConfirmBeforeSave(), "person group changes from 101 to 109");
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026)) << "sent as it is";
  EXPECT_EQ(r.GetInsurance().GetPersonGroup(), 109);
  EXPECT_EQ(CallsOf("getConfirmBeforeSave").size(), 2u);
  EXPECT_TRUE(CallsOf("addInsurance").empty());
}

TEST_F(InsuranceRecords, HistoriesAndFetchByTheEmployee) {
  EEInsurance r = NewInsurance("EMP-1", 101);
  r.Commit();
  Change(r, [](Insurance& i) { i.SetPersonGroup(102); });
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();

  auto groups = [](std::vector<EEInsurance*>* result) {
    std::vector<long> out;
    for (auto const& x : TakeOwnership(result)) out.push_back(x->GetInsurance().GetPersonGroup());
    return out;
  };
  EXPECT_EQ(groups(EEInsurance::GetAllInsuranceHistory("EMP-1")), (std::vector<long>{101, 102}));
  EXPECT_EQ(groups(EEInsurance::GetActiveEffectiveInsuranceHistory("EMP-1")),
            (std::vector<long>{101, 102}));
  EXPECT_EQ(groups(EEInsurance::GetEffectiveInsuranceHistory("EMP-1", VDate(1, 7, 2026))),
            (std::vector<long>{102}));
  EXPECT_EQ(groups(EEInsurance::GetLinkedAllInsuranceHistory("EMP-1")),
            (std::vector<long>{101, 102}));
  EXPECT_EQ(groups(EEInsurance::GetLinkedActiveEffectiveInsuranceHistory("EMP-1")),
            (std::vector<long>{101, 102}));
  for (char const* op :
       {"getAllInsuranceHistory", "getActiveEffectiveInsuranceHistory",
        "getLinkedAllInsuranceHistory", "getLinkedActiveEffectiveInsuranceHistory"}) {
    EXPECT_EQ(CallsOf(op).at(0).arguments, (Args{L"EMP-1"})) << op;
  }

  EEInsurance march =
      EEInsurance::GetObjectFromObjectId("EMP-1", VDate(1, 2, 2026), VDate(20, 2, 2026));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"EMP-1", L"2026-03-01", L"2026-03-20"}));
  EXPECT_EQ(march.GetInsurance().GetPersonGroup(), 101);
  EXPECT_FALSE(march.IsNew());
  EXPECT_FALSE(march.GetChangeOfAddressInMaster());
}

TEST_F(InsuranceRecords, ActiveInsurancesByOptionalValues) {
  NewInsurance("EMP-1", 101).Commit();
  EEInsurance student = NewInsurance("EMP-2", 106);
  Change(student, [](Insurance& i) {
    i.SetSpecialCategoryOfPersons(insurance::SPECIAL_CATEGORY_STUDENT);
    i.SetDuesGroupPI(0);
    i.SetPrivateHI(true);
    i.SetOidSIStatus("SIS-2");
  });
  student.Commit();
  NewInsurance("EMP-5", 106).Commit();

  auto oids = [](std::vector<EEInsuranceFilter*> const& filters) {
    std::vector<std::string> out;
    for (auto const& r :
         TakeOwnership(EEInsurance::GetActiveInsurances(&filters, base::Sortierung()))) {
      out.push_back(r->GetObjectid());
    }
    return out;
  };
  EEInsuranceFilter f;
  f.SetPersGroup(106);
  EXPECT_EQ(oids({&f}), (std::vector<std::string>{"EMP-2", "EMP-5"}));
  f.SetDuesGroupPI(1);
  EXPECT_EQ(oids({&f}), (std::vector<std::string>{"EMP-5"}));
  f.ClearDuesGroupPI();
  f.SetPrivateHI(false);
  EXPECT_EQ(oids({&f}), (std::vector<std::string>{"EMP-5"}));
  f.ClearEEInsuranceFilter();
  f.SetSpecialCategory(insurance::SPECIAL_CATEGORY_STUDENT);
  EXPECT_EQ(oids({&f}), (std::vector<std::string>{"EMP-2"}));
  f.ClearSpecialCategory();
  f.SetOidSocialInsuranceStatus("SIS-2");
  EXPECT_EQ(oids({&f}), (std::vector<std::string>{"EMP-2"}));
  f.ClearEEInsuranceFilter();
  f.SetSurname(L"Now");
  EXPECT_EQ(oids({&f}), (std::vector<std::string>{"EMP-5"}));

  // No filter vector at all: an empty filter sequence.
  auto cb = TakeOwnership(EEInsurance::GetActiveEEInsurancesCB(nullptr, base::Sortierung(), 0));
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::seconds(10)));
  EXPECT_EQ(TakeOwnership(cb->TakeAll()).size(), 3u);
  EXPECT_EQ(CallsOf("getActiveInsuranceCB").at(0).arguments.at(0), L"[0]");
}

TEST_F(InsuranceRecords, MigrationAndCopiesForANewEmployee) {
  EEInsurance r;
  r.SetEmployeeShort(Employee("EMP-6"));
  r.SetValidFrom(VDate(1, 0, 2026));
  r.GetMigrationEmployee();
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetInsurance().GetSurname(), L"Brandt");
  EXPECT_EQ(r.GetInsurance().GetFirstname(), L"Élodie");
  EXPECT_EQ(r.GetInsurance().GetOidEmployee(), "EMP-6");
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026));
  r.Commit();
  EXPECT_EQ(CallsOf("createInsurance").size(), 1u);

  auto copies = TakeOwnership(EEInsurance::GetInsurancesForEmployeeCopy("EMP-6", "2026-04-01"));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(copies[0]->IsNew());
  EXPECT_EQ(copies[0]->GetInsurance().GetSurname(), L"Brandt");
  EXPECT_EQ(copies[0]->GetInternalValidFrom(), VDate(1, 3, 2026));
  EXPECT_EQ(CallsOf("getInsurancesForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-6", L"2026-04-01"}));
}

TEST_F(InsuranceRecords, FailedMigrationLeavesTheObjectAsItWas) {
  EEInsurance r = NewInsurance("EMP-6", 103);
  r.Commit();
  Change(r, [](Insurance& i) { i.SetPersonGroup(104); });
  r.SetValidFrom(VDate(1, 4, 2026));
  InjectFault("getMigrationEmployee", ref::RAISE_SYSTEM);
  EXPECT_THROW(r.GetMigrationEmployee(), VException);
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026));
  EXPECT_EQ(r.GetValidFrom(), VDate(1, 4, 2026));
  EXPECT_EQ(r.GetInsurance().GetPersonGroup(), 104) << "no reset: only Commit resets";
  r.Commit();
  EXPECT_EQ(CallsOf("addInsurance").size(), 1u);
}

}  // namespace
}  // namespace ostrel
