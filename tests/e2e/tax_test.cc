// Tax records end to end against the reference server: the three-way Commit
// that sends only the tax record, the employee as the record's key, the
// server's findings, the history queries (linked ones too), migration, and
// what a failure leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "employee/entry.h"
#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "statutory/tax.h"

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

// A new tax record of the employee from 1 January 2026.
EETax NewTax(std::string const& oid, long bracket = 1) {
  EETax r;
  r.SetEmployeeShort(Employee(oid));
  Tax t = r.GetTax();
  t.SetOidEmployee(oid);
  t.SetTaxBracket(bracket);
  r.SetTax(t);
  r.SetValidFrom(VDate(1, 0, 2026));
  return r;
}

void SetBracket(EETax& r, long bracket) {
  Tax t = r.GetTax();
  t.SetTaxBracket(bracket);
  r.SetTax(t);
}

std::vector<std::string> Periods(std::vector<EETax*>* result) {
  std::vector<std::string> out;
  for (auto const& r : TakeOwnership(result)) {
    out.push_back(r->GetObjectid() + "@" + r->GetInternalValidFrom().ToIdl() + "#" +
                  std::to_string(r->GetTax().GetTaxBracket()));
  }
  return out;
}

using TaxRecords = testing::RecordTest;

// The standard behaviour; Delete never reaches the server.
struct TaxKind {
  using Record = EETax;
  static constexpr char kSet[] = "setTax";
  static constexpr char kDelete[] = "";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static EETax New(std::string const& oid, int mark) { return NewTax(oid, mark); }
  static int Mark(EETax const& r) { return static_cast<int>(r.GetTax().GetTaxBracket()); }
  static void SetMark(EETax& r, int mark) { SetBracket(r, mark); }
  static auto AllHistory(std::string const& oid) { return EETax::GetAllTaxHistory(oid); }
  static auto Stream(unsigned max_hits) {
    std::vector<EETaxFilter*> none;
    return EETax::GetActiveEETaxsCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return EETax::GetTaxsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};
// The typed suite registers its tests under names of its own namespace.
using namespace testing;
INSTANTIATE_TYPED_TEST_SUITE_P(Tax, StandardRecord, ::testing::Types<TaxKind>);

TEST_F(TaxRecords, CommitCreatesThenSetsOrAddsByTheValidFromDate) {
  EETax r = NewTax("EMP-1");
  ASSERT_TRUE(r.IsNew());
  r.Commit();
  EXPECT_EQ(CallsOf("createTax").at(0).arguments, (Args{L"EMP-1"}));
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetObjectid(), "EMP-1");
  EXPECT_EQ(r.GetObjectID(), "EMP-1");
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026));
  // The answer carries the employee as the server knows it.
  EXPECT_EQ(r.GetRoot().GetSurname(), L"Müller");
  EXPECT_EQ(r.GetRoot().GetPersonnelNumber(), 1001);

  SetBracket(r, 3);
  r.Commit();  // same valid-from date: set, with the object's remove-new flag
  r.SetRemoveNew(false);
  r.Commit();
  auto sets = CallsOf("setTax");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments.back(), L"true");
  EXPECT_EQ(sets[1].arguments.back(), L"false");
  EXPECT_TRUE(CallsOf("addTax").empty());

  SetBracket(r, 4);
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();
  SetBracket(r, 5);
  r.SetValidFrom(VDate(1, 8, 2026));
  r.SetRemoveNew(true);
  r.Commit();
  auto adds = CallsOf("addTax");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments.back(), L"false");
  EXPECT_EQ(adds[1].arguments.back(), L"true");
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 8, 2026));
  EXPECT_EQ(
      Periods(EETax::GetActiveEffectiveTaxHistory("EMP-1")),
      (std::vector<std::string>{"EMP-1@2026-01-01#3", "EMP-1@2026-07-01#4", "EMP-1@2026-09-01#5"}));
}

TEST_F(TaxRecords, CommitSendsOnlyTheTaxAndTakesOverTheWholeAnswer) {
  EETax r = NewTax("EMP-2");
  EmployeeShort local = Employee("EMP-2");
  local.SetSurname(L"Lokal");
  r.SetEmployeeShort(local);
  personnel::Error stale;
  stale.SetErrorCode(77);
  std::vector<personnel::Error*> errors = {&stale};
  r.SetErrors(&errors);
  r.Commit();
  // Neither the short view nor the error list travelled: both are the
  // server's now, and that is the saved value.
  EXPECT_EQ(r.GetRoot().GetSurname(), L"Schäfer");
  EXPECT_TRUE(TakeOwnership(r.GetErrors()).empty());
  r.ResetBo();
  EXPECT_EQ(r.GetRoot().GetSurname(), L"Schäfer");
}

TEST_F(TaxRecords, ServerFindingsArriveInTheErrorList) {
  EETax r = NewTax("EMP-1", 9);
  Tax t = r.GetTax();
  t.SetChurchTax(true);
  r.SetTax(t);
  r.Commit();
  EXPECT_EQ(r.GetErrorCount(), 0) << "counted only by GetErrors";
  auto errors = TakeOwnership(r.GetErrors());
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0]->GetErrorCode(), 1001);
  EXPECT_EQ(errors[0]->GetAttributeName(), "taxBracket");
  EXPECT_EQ(errors[0]->GetMessage(), L"unknown tax bracket 9");
  EXPECT_EQ(errors[1]->GetAttributeName(), "churchTaxEmployee");
  EXPECT_EQ(r.GetErrorCount(), 2);
  // The record was stored nonetheless.
  EXPECT_EQ(EETax::GetObjectFromObjectId("EMP-1", VDate(1, 1, 2026), VDate(1, 4, 2026))
                .GetTax()
                .GetTaxBracket(),
            9);

  t = r.GetTax();
  t.SetTaxBracket(2);
  t.SetChurchTaxEmployee(tax::CHURCH_TAX_ROMAN_CATHOLIC);
  r.SetTax(t);
  r.Commit();
  EXPECT_TRUE(TakeOwnership(r.GetErrors()).empty());
  EXPECT_EQ(r.GetErrorCount(), 0);
}

// A failed add also leaves the stored internal valid-from date.
TEST_F(TaxRecords, FailedAddReturnsToTheSavedPeriod) {
  EETax r = NewTax("EMP-1", 2);
  r.Commit();
  SetBracket(r, 5);
  r.SetValidFrom(VDate(1, 3, 2026));
  InjectFault("addTax", ref::RAISE_DOMAIN, L"tax card is locked");
  EXPECT_THROW(r.Commit(), VException);
  EXPECT_EQ(r.GetTax().GetTaxBracket(), 2);
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026));
  EXPECT_FALSE(r.IsNew());
}

TEST_F(TaxRecords, HistoriesAreAskedByTheEmployee) {
  EETax r = NewTax("EMP-1", 1);
  r.Commit();
  SetBracket(r, 2);
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();
  SetBracket(r, 3);  // replaces the period from July
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();

  EXPECT_EQ(Periods(EETax::GetAllTaxHistory("EMP-1")).size(), 2u);
  EXPECT_EQ(Periods(EETax::GetActiveEffectiveTaxHistory("EMP-1")),
            (std::vector<std::string>{"EMP-1@2026-01-01#1", "EMP-1@2026-07-01#3"}));
  EXPECT_EQ(Periods(EETax::GetEffectiveTaxHistory("EMP-1", VDate(15, 2, 2026))),
            (std::vector<std::string>{"EMP-1@2026-01-01#1"}));
  EXPECT_EQ(CallsOf("getEffectiveTaxHistory").at(0).arguments, (Args{L"EMP-1", L"2026-03-15"}));

  EETax at = EETax::GetObjectFromObjectId("EMP-1", VDate(1, 1, 2026), VDate(10, 2, 2026));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"EMP-1", L"2026-02-01", L"2026-03-10"}));
  EXPECT_FALSE(at.IsNew());
  EXPECT_EQ(at.GetTax().GetTaxBracket(), 1);
  EXPECT_EQ(at.GetValidFrom(), VDate(1, 0, 2026)) << "valid-from taken from the record";

  // An employee without a tax record has no history.
  EXPECT_THROW(EETax::GetAllTaxHistory("EMP-2"), VException);
}

TEST_F(TaxRecords, LinkedHistoriesIncludeTheEmployeesCopies) {
  NewTax("EMP-1", 1).Commit();
  Entry entry;
  entry.SetSurname(L"Müller");
  entry.SetDateOfEntry(VDate(1, 0, 2026));
  std::string const copy = entry.CreateEntryCopy("EMP-1", false, "", false).GetRoot().GetObjectid();
  ASSERT_FALSE(copy.empty());
  NewTax(copy, 4).Commit();
  NewTax("EMP-2", 5).Commit();  // not linked

  auto linked = Periods(EETax::GetLinkedAllTaxHistory("EMP-1"));
  EXPECT_EQ(linked, (std::vector<std::string>{"EMP-1@2026-01-01#1", copy + "@2026-01-01#4"}));
  EXPECT_EQ(Periods(EETax::GetLinkedActiveEffectiveTaxHistory(copy)),
            (std::vector<std::string>{copy + "@2026-01-01#4", "EMP-1@2026-01-01#1"}));
  EXPECT_EQ(CallsOf("getLinkedAllTaxHistory").at(0).arguments, (Args{L"EMP-1"}));
  EXPECT_EQ(Periods(EETax::GetLinkedAllTaxHistory("EMP-2")),
            (std::vector<std::string>{"EMP-2@2026-01-01#5"}));
}

TEST_F(TaxRecords, ActiveTaxBySixOptionalValuesAndTheEmployee) {
  NewTax("EMP-1", 1).Commit();
  EETax flat = NewTax("EMP-2", 3);
  Tax t = flat.GetTax();
  t.SetTaxacation(tax::TAXACATION_FLAT_RATE);
  t.SetAssociationEE(true);
  flat.SetTax(t);
  flat.Commit();
  NewTax("EMP-5", 3).Commit();

  auto oids = [](std::vector<EETaxFilter*> const& filters) {
    std::vector<std::string> out;
    base::Sortierung sort;
    sort.AddKey("personnelNumber");
    for (auto const& r : TakeOwnership(EETax::GetActiveTax(&filters, sort))) {
      out.push_back(r->GetObjectid());
    }
    return out;
  };
  EXPECT_EQ(oids({}), (std::vector<std::string>{"EMP-1", "EMP-2", "EMP-5"}));

  EETaxFilter bracket;
  bracket.SetTaxBracket(3);
  EXPECT_EQ(oids({&bracket}), (std::vector<std::string>{"EMP-2", "EMP-5"}));
  bracket.SetAssociationEE(false);  // FALSE is a value to match
  EXPECT_EQ(oids({&bracket}), (std::vector<std::string>{"EMP-5"}));
  bracket.ClearAssociationEE();
  bracket.SetOidPCompany("C-1");
  EXPECT_EQ(oids({&bracket}), (std::vector<std::string>{"EMP-2"}));

  EETaxFilter taxation;
  taxation.SetTaxacation(tax::TAXACATION_BY_TAX_CARD);
  EETaxFilter by_pnr;
  by_pnr.SetPnr(2001);
  // Several filters: what any of them selects.
  EXPECT_EQ(oids({&taxation, &by_pnr}), (std::vector<std::string>{"EMP-1", "EMP-5"}));
  EXPECT_EQ(CallsOf("getActiveTax").back().arguments, (Args{L"[2]", L"personnelNumber asc"}));

  EETaxFilter surname;
  surname.SetSurname("Schä");  // UTF-8, compared as wide text
  EXPECT_EQ(oids({&surname}), (std::vector<std::string>{"EMP-2"}));
}

TEST_F(TaxRecords, CopiesForANewEmployeeAreNewRecords) {
  EETax r = NewTax("EMP-1", 4);
  r.Commit();
  auto copies = TakeOwnership(EETax::GetTaxsForEmployeeCopy("EMP-1", "2026-05-01"));
  EXPECT_EQ(CallsOf("getTaxsForEmployeeCopy").at(0).arguments, (Args{L"EMP-1", L"2026-05-01"}));
  ASSERT_EQ(copies.size(), 1u);
  EETax& copy = *copies[0];
  EXPECT_TRUE(copy.IsNew());
  EXPECT_EQ(copy.GetTax().GetTaxBracket(), 4);
  EXPECT_EQ(copy.GetTax().GetOidEmployee(), "");
  EXPECT_EQ(copy.GetInternalValidFrom(), VDate(1, 4, 2026));

  // Given a new employee, the copy is created as that employee's record.
  copy.SetEmployeeShort(Employee("EMP-2"));
  Tax t = copy.GetTax();
  t.SetOidEmployee("EMP-2");
  copy.SetTax(t);
  copy.Commit();
  EXPECT_EQ(CallsOf("createTax").size(), 2u);
  EXPECT_EQ(copy.GetObjectid(), "EMP-2");
}

TEST_F(TaxRecords, MigrationFillsTheRecordButLeavesItNew) {
  EETax r;
  r.SetEmployeeShort(Employee("EMP-2"));
  r.SetValidFrom(VDate(1, 0, 2026));
  r.GetMigrationEmployee();
  EXPECT_EQ(CallsOf("getMigrationEmployee").at(0).arguments, (Args{L"EMP-2"}));
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026)) << "sent as internal valid-from";
  Tax t = r.GetTax();
  EXPECT_EQ(t.GetOidEmployee(), "EMP-2");
  EXPECT_EQ(t.GetEntryDateTaxCard(), VDate(1, 0, 2019));
  EXPECT_EQ(t.GetIssueYearTaxCard(), 2019);
  EXPECT_EQ(r.GetRoot().GetFirstname(), L"Anna-Lena");
  // The answer is the new saved value.
  SetBracket(r, 6);
  r.ResetBo();
  EXPECT_EQ(r.GetTax().GetIssueYearTaxCard(), 2019);
  EXPECT_TRUE(CallsOf("createTax").empty());

  r.Commit();
  EXPECT_EQ(CallsOf("createTax").size(), 1u);
  EXPECT_FALSE(r.IsNew());

  EETax unknown;
  unknown.SetEmployeeShort(Employee("EMP-99"));
  EXPECT_THROW(unknown.GetMigrationEmployee(), VException);
}

TEST_F(TaxRecords, FailedMigrationLeavesTheObjectAsItWas) {
  EETax r = NewTax("EMP-1", 2);
  r.Commit();
  SetBracket(r, 5);
  r.SetValidFrom(VDate(1, 3, 2026));
  InjectFault("getMigrationEmployee", ref::RAISE_DOMAIN, L"no such source");
  EXPECT_THROW(r.GetMigrationEmployee(), VException);
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026));
  EXPECT_EQ(r.GetValidFrom(), VDate(1, 3, 2026));
  EXPECT_EQ(r.GetTax().GetTaxBracket(), 5) << "no reset: only Commit resets";
  // The next Commit still sees a new valid-from date and adds.
  r.Commit();
  EXPECT_EQ(CallsOf("addTax").size(), 1u);
  EXPECT_TRUE(CallsOf("setTax").empty());
}

}  // namespace
}  // namespace ostrel
