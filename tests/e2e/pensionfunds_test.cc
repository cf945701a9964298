// The supplementary pension funds ZVK and VBLU end to end: one set of tests
// run for both twins. Commit in its three-way form with the object's
// remove-new flag, the long Delete that sends the whole current value, the
// server's findings, and the queries by the employee.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "statutory/pensionfunds.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VException;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::Failure;
using testing::StandardRecord;

struct ZVK {
  using Record = EEZVK;
  using Filter = EEZVKFilter;
  using TP = ZVKTP;
  static constexpr char kCreate[] = "createEEZVK";
  static constexpr char kAdd[] = "addEEZVK";
  static constexpr char kSet[] = "setEEZVK";
  static constexpr char kDelete[] = "deleteEEZVK";
  static constexpr char kEffective[] = "getEffectiveEEZVKHistory";
  static constexpr char kCopy[] = "getZVKsForEmployeeCopy";
  static constexpr long kWithdrawalFinding = 3001;

  static void SetDates(TP& p, VDate const& entry, VDate const& withdrawal) {
    p.SetDateOfEntryZVK(entry);
    p.SetDateOfWithDrawalZVK(withdrawal);
  }
  static auto Active(std::vector<Filter*> const* f) {
    return Record::GetActiveEEZVKs(f, base::Sortierung());
  }
  static auto ActiveCB(std::vector<Filter*> const* f, unsigned max_hits) {
    return Record::GetActiveEEZVKsCB(f, base::Sortierung(), max_hits);
  }
  static auto All(std::string const& oid) { return Record::GetAllEEZVKHistory(oid); }
  static auto ActiveEffective(std::string const& oid) {
    return Record::GetActiveEffectiveEEZVKHistory(oid);
  }
  static auto Effective(std::string const& oid, VDate const& d) {
    return Record::GetEffectiveEEZVKHistory(oid, d);
  }
  static auto Copies(std::string const& oid, std::string const& from) {
    return Record::GetZVKsForEmployeeCopy(oid, from);
  }

  // The standard behaviour (record_suite.h).
  static constexpr Failure kFailedCommit = Failure::kReset;
  static constexpr Failure kFailedDelete = Failure::kReset;
  static Record New(std::string const& oid, int mark) {
    Record r;
    r.SetEmployeeShort(Employee(oid));
    r.SetValidFrom(VDate(1, 0, 2026));
    SetMark(r, mark);
    return r;
  }
  static int Mark(Record const& r) {
    return static_cast<int>(r.GetHistory().GetAdvancementTypeAsCtPays());
  }
  static void SetMark(Record& r, int mark) {
    TP p = r.GetHistory();
    p.SetAdvancementTypeAsCtPays(mark);
    r.SetHistory(p);
  }
  static auto AllHistory(std::string const& oid) { return All(oid); }
  static auto Stream(unsigned max_hits) { return ActiveCB(nullptr, max_hits); }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return Copies(oid, valid_from.ToIdl());
  }
};

struct VBLU {
  using Record = EEVBLU;
  using Filter = EEVBLUFilter;
  using TP = VBLUTP;
  static constexpr char kCreate[] = "createEEVBLU";
  static constexpr char kAdd[] = "addEEVBLU";
  static constexpr char kSet[] = "setEEVBLU";
  static constexpr char kDelete[] = "deleteEEVBLU";
  static constexpr char kEffective[] = "getEffectiveEEVBLUHistory";
  static constexpr char kCopy[] = "getVBLUsForEmployeeCopy";
  static constexpr long kWithdrawalFinding = 3101;

  static void SetDates(TP& p, VDate const& entry, VDate const& withdrawal) {
    p.SetDateOfEntryVBLU(entry);
    p.SetDateOfWithDrawalVBLU(withdrawal);
  }
  static auto Active(std::vector<Filter*> const* f) {
    return Record::GetActiveEEVBLUs(f, base::Sortierung());
  }
  static auto ActiveCB(std::vector<Filter*> const* f, unsigned max_hits) {
    return Record::GetActiveEEVBLUsCB(f, base::Sortierung(), max_hits);
  }
  static auto All(std::string const& oid) { return Record::GetAllEEVBLUHistory(oid); }
  static auto ActiveEffective(std::string const& oid) {
    return Record::GetActiveEffectiveEEVBLUHistory(oid);
  }
  static auto Effective(std::string const& oid, VDate const& d) {
    return Record::GetEffectiveEEVBLUHistory(oid, d);
  }
  static auto Copies(std::string const& oid, std::string const& from) {
    return Record::GetVBLUsForEmployeeCopy(oid, from);
  }

  // The standard behaviour (record_suite.h).
  static constexpr Failure kFailedCommit = Failure::kReset;
  static constexpr Failure kFailedDelete = Failure::kReset;
  static Record New(std::string const& oid, int mark) {
    Record r;
    r.SetEmployeeShort(Employee(oid));
    r.SetValidFrom(VDate(1, 0, 2026));
    SetMark(r, mark);
    return r;
  }
  static int Mark(Record const& r) {
    return static_cast<int>(r.GetHistory().GetAdvancementTypeAsCtPays());
  }
  static void SetMark(Record& r, int mark) {
    TP p = r.GetHistory();
    p.SetAdvancementTypeAsCtPays(mark);
    r.SetHistory(p);
  }
  static auto AllHistory(std::string const& oid) { return All(oid); }
  static auto Stream(unsigned max_hits) { return ActiveCB(nullptr, max_hits); }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return Copies(oid, valid_from.ToIdl());
  }
};

// The typed suite registers its tests under names of its own namespace.
using namespace testing;
using Twins = ::testing::Types<ZVK, VBLU>;
INSTANTIATE_TYPED_TEST_SUITE_P(PensionFund, StandardRecord, Twins);

template <class Fund>
class PensionFunds : public testing::RecordTest {
 protected:
  using Record = typename Fund::Record;
  using TP = typename Fund::TP;

  // A new membership of the employee in a fund from 1 January 2026.
  static Record NewMembership(std::string const& oid, std::string const& fund) {
    Record r;
    r.SetEmployeeShort(Employee(oid));
    TP p = r.GetHistory();
    p.SetOidRecipient(fund);
    p.SetMembershipNumber("M-" + oid);
    r.SetHistory(p);
    r.SetValidFrom(VDate(1, 0, 2026));
    return r;
  }

  static void SetFund(Record& r, std::string const& fund) {
    TP p = r.GetHistory();
    p.SetOidRecipient(fund);
    r.SetHistory(p);
  }

  static std::vector<std::string> Funds(std::vector<Record*>* result) {
    std::vector<std::string> out;
    for (auto const& r : TakeOwnership(result)) {
      out.push_back(r->GetObjectid() + ":" + r->GetHistory().GetOidRecipient());
    }
    return out;
  }
};

TYPED_TEST_SUITE(PensionFunds, Twins);

TYPED_TEST(PensionFunds, CommitCreatesSetsAndAddsWithTheObjectsRemoveNew) {
  using Fund = TypeParam;
  auto r = this->NewMembership("EMP-1", "WEST");
  r.Commit();
  EXPECT_EQ(CallsOf(Fund::kCreate).at(0).arguments, (Args{L"EMP-1"}));
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetObjectid(), "EMP-1");
  EXPECT_EQ(r.GetHistory().GetOidEmployee(), "EMP-1");
  EXPECT_EQ(r.GetEmployeeShort().GetPersonnelNumber(), 1001);

  r.SetRemoveNew(false);
  this->SetFund(r, "EAST");
  r.Commit();
  r.SetRemoveNew(true);
  r.Commit();
  auto sets = CallsOf(Fund::kSet);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"EMP-1", L"false"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"EMP-1", L"true"}));

  r.SetValidFrom(VDate(1, 9, 2026));
  this->SetFund(r, "NORTH");
  r.Commit();
  r.SetRemoveNew(false);
  r.SetValidFrom(VDate(1, 10, 2026));
  this->SetFund(r, "SOUTH");
  r.Commit();
  auto adds = CallsOf(Fund::kAdd);
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"EMP-1", L"true"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"EMP-1", L"false"}));
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 10, 2026));
  EXPECT_EQ(this->Funds(Fund::ActiveEffective("EMP-1")),
            (std::vector<std::string>{"EMP-1:EAST", "EMP-1:NORTH", "EMP-1:SOUTH"}));
}

TYPED_TEST(PensionFunds, DeleteSendsTheWholeCurrentValue) {
  using Fund = TypeParam;
  this->NewMembership("EMP-1", "WEST").Commit();
  this->NewMembership("EMP-2", "WEST").Commit();
  auto r = TypeParam::Record::GetObjectFromObjectId("EMP-1", VDate(1, 2, 2026), VDate(1, 3, 2026));

  // Changed since it was read, not committed: the changed value goes.
  r.SetEmployeeShort(Employee("EMP-2"));
  r.Delete();
  EXPECT_EQ(CallsOf(Fund::kDelete).at(0).arguments, (Args{L"EMP-2"}));
  EXPECT_EQ(r.GetObjectid(), "EMP-2") << "nothing in the object changes";
  EXPECT_THROW(Fund::All("EMP-2"), VException) << "EMP-2's membership is gone";
  EXPECT_EQ(this->Funds(Fund::All("EMP-1")), (std::vector<std::string>{"EMP-1:WEST"}));

  // The employee may join again.
  auto again = this->NewMembership("EMP-2", "SOUTH");
  again.Commit();
  EXPECT_EQ(this->Funds(Fund::All("EMP-2")), (std::vector<std::string>{"EMP-2:SOUTH"}));
}

TYPED_TEST(PensionFunds, WithdrawalBeforeEntryIsAFinding) {
  using Fund = TypeParam;
  auto r = this->NewMembership("EMP-1", "WEST");
  auto p = r.GetHistory();
  Fund::SetDates(p, VDate(1, 5, 2026), VDate(31, 4, 2026));
  r.SetHistory(p);
  r.Commit();
  auto errors = TakeOwnership(r.GetErrors());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]->GetErrorCode(), Fund::kWithdrawalFinding);
  EXPECT_EQ(r.GetErrorCount(), 1);

  Fund::SetDates(p, VDate(1, 5, 2026), VDate(30, 5, 2026));
  r.SetHistory(p);
  r.Commit();
  EXPECT_TRUE(TakeOwnership(r.GetErrors()).empty());
}

TYPED_TEST(PensionFunds, QueriesByTheEmployee) {
  using Fund = TypeParam;
  auto r = this->NewMembership("EMP-1", "WEST");
  r.Commit();
  this->SetFund(r, "EAST");
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();
  this->NewMembership("EMP-5", "EAST").Commit();

  EXPECT_EQ(this->Funds(Fund::All("EMP-1")),
            (std::vector<std::string>{"EMP-1:WEST", "EMP-1:EAST"}));
  EXPECT_EQ(this->Funds(Fund::Effective("EMP-1", VDate(1, 1, 2026))),
            (std::vector<std::string>{"EMP-1:WEST"}));
  EXPECT_EQ(CallsOf(Fund::kEffective).at(0).arguments, (Args{L"EMP-1", L"2026-02-01"}));

  auto june =
      TypeParam::Record::GetObjectFromObjectId("EMP-1", VDate(1, 5, 2026), VDate(20, 4, 2026));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"EMP-1", L"2026-06-01", L"2026-05-20"}));
  EXPECT_EQ(june.GetHistory().GetOidRecipient(), "WEST");

  typename Fund::Filter east;
  east.SetOidRecipient("EAST");
  std::vector<typename Fund::Filter*> filters = {&east};
  EXPECT_EQ(this->Funds(Fund::Active(&filters)),
            (std::vector<std::string>{"EMP-1:EAST", "EMP-5:EAST"}));

  auto copies = TakeOwnership(Fund::Copies("EMP-1", "2026-03-01"));
  EXPECT_EQ(CallsOf(Fund::kCopy).at(0).arguments, (Args{L"EMP-1", L"2026-03-01"}));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0]->GetHistory().GetOidRecipient(), "WEST");
}

}  // namespace
}  // namespace ostrel
