// Entry of new employees and the entry-reason catalogue end to end: what the
// server receives, that a created employee is there for every other query,
// what a copy takes from its reference, how the migration source fills an
// entry, and what failures leave behind.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "employee/employment.h"
#include "employee/entry.h"
#include "employee/master.h"
#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "string_converter.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace bt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VException;
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

// The employees of a company, withdrawn ones included, by object id.
std::vector<std::string> EmployeesOf(std::string const& company) {
  EmployeeFilter f;
  f.SetOidPCompany(company);
  f.SetListDisplayOfEmployeeEnum(bt::LIST_ALL_EMPLOYEES);
  std::vector<EmployeeFilter*> filters = {&f};
  std::vector<std::string> out;
  for (auto const& e : TakeOwnership(Employee::GetEmployees(&filters, base::Sortierung()))) {
    out.push_back(e->GetObjectID());
  }
  return out;
}

Entry NewEntry(std::string const& company = "C-1") {
  Entry e;
  e.SetOidPCompany(company);
  e.SetSurname(L"Neumann");
  e.SetFirstname(L"Nora");
  e.SetSex(employee::SEX_FEMALE);
  e.SetDateOfBirth(VDate(3, 4, 1994));
  e.SetStreet("Am Anger");
  e.SetDateOfEntry(VDate(1, 0, 2026));
  e.SetOidEntryReason("ER-1");
  e.SetOidCostCenter("CC-100");
  e.SetOidPersonInCharge1("PIC-1");
  return e;
}

std::vector<std::unique_ptr<EntryReason>> Reasons(std::vector<EntryReasonFilter> filters) {
  std::vector<EntryReasonFilter*> pointers;
  for (EntryReasonFilter& f : filters) pointers.push_back(&f);
  base::Sortierung sort;
  sort.AddKey("entryReason");
  return TakeOwnership(EntryReason::GetActiveEntryReasons(&pointers, sort));
}

class EntryTest : public testing::RecordTest {};

TEST_F(EntryTest, CreateEntryEntersAnEmployeeThatEveryQueryFinds) {
  Entry const e = NewEntry();
  EEMaster const m = e.CreateEntry(false, "2025-12-31");
  auto calls = CallsOf("createEmployee");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].arguments, (Args{L"C-1/0/Neumann", L"false", L"2025-12-31"}));
  EXPECT_EQ(e.GetSurname(), L"Neumann");  // the entry is not changed
  EXPECT_EQ(e.GetPersonnelNumber(), 0);

  EXPECT_EQ(m.GetObjectid(), "EMP-8");
  EmployeeShort const root = m.GetRoot();
  EXPECT_EQ(root.GetPersonnelNumber(), 1005);
  EXPECT_EQ(root.GetDateOfEntry(), VDate(1, 0, 2026));
  EXPECT_EQ(root.GetJournalizedUntil(), VDate(31, 11, 2025));
  EXPECT_EQ(m.GetHistory().GetStreet(), "Am Anger");
  EXPECT_EQ(m.GetInternalValidFrom(), VDate(1, 0, 2026));

  EXPECT_EQ(EmployeesOf("C-1").back(), "EMP-8");
  EEMasterFilter by_number;
  by_number.SetPersonnelNumber(1005);
  std::vector<EEMasterFilter*> masters = {&by_number};
  EXPECT_EQ(TakeOwnership(EEMaster::GetActiveMaster(&masters, base::Sortierung())).size(), 1u);
  EEEmploymentFilter employed;
  employed.SetOidPCompany("C-1");
  employed.SetPnr(1005);
  std::vector<EEEmploymentFilter*> employments = {&employed};
  auto found = TakeOwnership(EEEmployment::GetActiveEmployments(&employments, base::Sortierung()));
  ASSERT_EQ(found.size(), 1u);
  Employment const job = found[0]->GetEmployment();
  EXPECT_EQ(job.GetDateOfEntry(), VDate(1, 0, 2026));
  EXPECT_EQ(job.GetOidCostCenter(), "CC-100");
  EXPECT_EQ(job.GetOidEntryReason(), "ER-1");
  EXPECT_EQ(Entry::GetNextNotUsedPersonnelnumber("C-1", 1001), 1006);
}

TEST_F(EntryTest, ARefusedEntryCreatesNoEmployee) {
  struct Case {
    char const* what;
    std::function<void(Entry&)> change;
    bool retroactive;
    char const* journalized;
    int code;
  };
  Case const cases[] = {
      {"no company", [](Entry& e) { e.SetOidPCompany(""); }, false, "",
       VException::kApplicationLayer},
      {"no surname", [](Entry& e) { e.SetSurname(L""); }, false, "", VException::kDomain},
      {"number in use", [](Entry& e) { e.SetPersonnelNumber(1001); }, false, "",
       VException::kDomain},
      {"unknown entry reason", [](Entry& e) { e.SetOidEntryReason("ER-99"); }, false, "",
       VException::kPersistency},
      {"journalized month", [](Entry&) {}, false, "2026-01-31", VException::kDomain},
      {"retroactive after the journalized months", [](Entry&) {}, true, "2025-12-31",
       VException::kDomain},
  };
  for (Case const& c : cases) {
    Entry e = NewEntry();
    c.change(e);
    EXPECT_EQ(CodeOf([&] { e.CreateEntry(c.retroactive, c.journalized); }), c.code) << c.what;
  }
  EXPECT_EQ(EmployeesOf("C-1").size(), 4u);

  // Retroactive into journalized months, with a number of its own.
  Entry e = NewEntry();
  e.SetPersonnelNumber(1500);
  EEMaster const m = e.CreateEntry(true, "2026-01-31");
  EXPECT_EQ(m.GetRoot().GetPersonnelNumber(), 1500);
  EXPECT_EQ(m.GetRoot().GetJournalizedUntil(), VDate(31, 0, 2026));
}

TEST_F(EntryTest, CreateEntryCopySendsItsArgumentsInOrderAndCopiesTheReference) {
  Entry e;
  e.SetOidPCompany("C-2");
  e.SetSurname(L"Schäfer-Klein");
  e.SetDateOfEntry(VDate(1, 0, 2026));
  EEMaster const copy = e.CreateEntryCopy("EMP-2", false, "", true);
  EXPECT_EQ(CallsOf("createEmployeeCopy").at(0).arguments,
            (Args{L"C-2/0/Schäfer-Klein", L"EMP-2", L"false", L"", L"true"}));

  Master const h = copy.GetHistory();
  EXPECT_EQ(h.GetSurname(), L"Schäfer-Klein");
  EXPECT_EQ(h.GetFirstname(), L"Anna-Lena");  // left empty: the reference's
  EXPECT_EQ(h.GetStreet(), "Lindenweg");
  EXPECT_EQ(copy.GetRoot().GetOidPCompany(), "C-2");
  EXPECT_EQ(copy.GetRoot().GetPersonnelNumber(), 2003);
  Employment const job =
      EEEmployment::GetObjectFromObjectId(copy.GetObjectid(), VDate(), VDate()).GetEmployment();
  EXPECT_EQ(job.GetOidCostCenter(), "CC-200");
  EXPECT_EQ(job.GetDateOfEntry(), VDate(1, 0, 2026));

  // The reference withdrew the day before, and the two are linked.
  EXPECT_EQ(EEEmployment::GetObjectFromObjectId("EMP-2", VDate(), VDate())
                .GetRoot()
                .GetDateOfWithDrawal(),
            VDate(31, 11, 2025));
  std::vector<std::string> owners;
  for (auto const& r : TakeOwnership(EEMaster::GetLinkedAllMasterHistory("EMP-2"))) {
    owners.push_back(r->GetObjectid());
  }
  EXPECT_EQ(owners, (std::vector<std::string>{"EMP-2", copy.GetObjectid()}));
  EXPECT_EQ(TakeOwnership(EEEmployment::GetLinkedAllEmploymentHistory(copy.GetObjectid())).size(),
            3u);  // the copy's period, then the reference's two
  EXPECT_EQ(TakeOwnership(EEMaster::GetLinkedActiveEffectiveMasterHistory("EMP-1")).size(), 1u);

  // A reference that withdrew already cannot be withdrawn again.
  EXPECT_EQ(CodeOf([&] { e.CreateEntryCopy("EMP-3", false, "", true); }), VException::kDomain);
}

TEST_F(EntryTest, MigrationSourceIsSearchedWithTheDateAsWireText) {
  auto all = TakeOwnership(Entry::GetMigrationEmployees("ALT-A", "", L"", L"", VDate("")));
  EXPECT_EQ(all.size(), 3u);
  EXPECT_EQ(CallsOf("getMigrationEmployees").at(0).arguments, (Args{L"ALT-A", L"", L"", L"", L""}));

  auto beckers = TakeOwnership(Entry::GetMigrationEmployees("", "", L"", L"Beck", VDate("")));
  ASSERT_EQ(beckers.size(), 2u);
  EXPECT_EQ(beckers[1]->GetPCompanyKey(), "ALT-B");

  auto born = TakeOwnership(Entry::GetMigrationEmployees("", "", L"", L"", VDate(12, 4, 1971)));
  ASSERT_EQ(born.size(), 1u);
  EXPECT_EQ(born[0]->GetFirstName(), L"Hans");

  EXPECT_EQ(born[0]->GetPersonnelNumber(), "501");
  EXPECT_EQ(born[0]->GetDateOfBirth(), VDate(12, 4, 1971));
  EXPECT_EQ(CallsOf("getMigrationEmployees").back().arguments.back(), L"1971-05-12");

  // A name outside the Basic Multilingual Plane goes out and comes back
  // whole, whatever is around it.
  auto fraktur = TakeOwnership(
      Entry::GetMigrationEmployees("ALT-C", "12", L"\U0001D518rs", L"Bra", VDate("")));
  ASSERT_EQ(fraktur.size(), 1u);
  EXPECT_EQ(fraktur[0]->GetFirstName(), L"\U0001D518rsula");
  EXPECT_EQ(fraktur[0]->GetLastName(), L"Brandt");
  EXPECT_EQ(fraktur[0]->GetDateOfBirth(), VDate(21, 6, 1993));
  Args const sent = CallsOf("getMigrationEmployees").back().arguments;
  ASSERT_EQ(sent.size(), 5u);
  EXPECT_EQ(base::StringConverter::JoinSurrogates(sent[2].c_str()), L"\U0001D518rs");
  EXPECT_TRUE(
      TakeOwnership(Entry::GetMigrationEmployees("", "", L"\U0001D519", L"", VDate(""))).empty());
}

TEST_F(EntryTest, GetMigrationEmployeeFillsTheEntryAndReturnsACopy) {
  Entry e = NewEntry();
  Entry const copy = e.GetMigrationEmployee("ALT-A", "502", "C-1");
  EXPECT_EQ(CallsOf("getMigrationEmployee").at(0).arguments, (Args{L"ALT-A", L"502", L"C-1"}));
  for (Entry const* x : {static_cast<Entry const*>(&e), &copy}) {
    EXPECT_EQ(x->GetSurname(), L"Krüger");
    EXPECT_EQ(x->GetOidPCompany(), "C-1");
    EXPECT_EQ(x->GetPersonnelNumber(), 502);
    EXPECT_EQ(x->GetPCompanyKeyOfMigration(), "ALT-A");
    EXPECT_EQ(x->GetPersonnelnumberOfMigration(), "502");
    EXPECT_EQ(x->GetDateOfEntry(), VDate(1, 8, 2005));
    EXPECT_TRUE(x->GetOidEntryReason().empty());  // everything came from the server
  }
  EXPECT_EQ(e.GetErrorCount(), 0);
  auto errors = TakeOwnership(e.GetErrors());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]->GetErrorCode(), 10);
  EXPECT_EQ(errors[0]->GetAttributeName(), "dateOfBirth");
  EXPECT_EQ(e.GetErrorCount(), 1);
  e.SetSurname(L"Krueger");
  e.ResetBo();  // what the server sent is also the saved value
  EXPECT_EQ(e.GetSurname(), L"Krüger");

  // Unknown in the source: the entry keeps what it had.
  EXPECT_EQ(CodeOf([&] { e.GetMigrationEmployee("ALT-A", "999", "C-1"); }),
            VException::kPersistency);
  EXPECT_EQ(e.GetSurname(), L"Krüger");
  InjectFault("getMigrationEmployee", ref::RAISE_ACCESS_DENIED, L"no migration rights");
  EXPECT_EQ(CodeOf([&] { e.GetMigrationEmployee("ALT-B", "77", "C-2"); }),
            VException::kAccessDenied);
  EXPECT_EQ(e.GetOidPCompany(), "C-1");

  // A number already used in the target company is left to the server.
  Entry taken;
  taken.GetMigrationEmployee("ALT-A", "1001", "C-1");
  EXPECT_EQ(taken.GetPersonnelNumber(), 0);
  auto finding = TakeOwnership(taken.GetErrors());
  ASSERT_EQ(finding.size(), 1u);
  EXPECT_EQ(finding[0]->GetErrorCode(), 11);

  // The migrated entry creates the employee, which keeps the source's keys.
  EEMaster const m = e.CreateEntry(false, "");
  EXPECT_EQ(m.GetRoot().GetPersonnelNumber(), 502);
  EXPECT_EQ(EEEmployment::GetObjectFromObjectId(m.GetObjectid(), VDate(), VDate())
                .GetEmployment()
                .GetPersonnelnumberOld(),
            "ALT-A/502");
}

TEST_F(EntryTest, NextNotUsedPersonnelNumber) {
  EXPECT_EQ(Entry::GetNextNotUsedPersonnelnumber("C-1", 1001), 1005);
  EXPECT_EQ(Entry::GetNextNotUsedPersonnelnumber("C-1", 1), 1);
  EXPECT_EQ(Entry::GetNextNotUsedPersonnelnumber("C-2", 2001), 2003);
  EXPECT_EQ(CallsOf("getNextNotUsedPersonnelnumber").at(0).arguments, (Args{L"C-1", L"1001"}));
  EXPECT_EQ(CodeOf([] { Entry::GetNextNotUsedPersonnelnumber("", 1); }),
            VException::kApplicationLayer);
}

TEST_F(EntryTest, EntryReasonsAreSeededAndFiltered) {
  auto all = Reasons({});
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0]->GetEntryReasonRoot().GetEntryReason(), 1);
  EXPECT_EQ(all[0]->GetEntryReasonTP().GetShortDescription(), "New hire");
  EXPECT_EQ(all[0]->GetEntryReasonTP().GetOidEntryReason(), all[0]->GetObjectid());

  EntryReasonFilter by_key;
  by_key.SetEntryReason("3");
  auto three = Reasons({by_key});
  ASSERT_EQ(three.size(), 1u);
  EXPECT_EQ(three[0]->GetEntryReasonTP().GetShortDescription(), "Transfer");
  EntryReasonFilter by_text;
  by_text.SetLongDescription("leave");
  EXPECT_EQ(Reasons({by_text}).size(), 1u);

  EntryReasonFilter not_a_key;
  not_a_key.SetEntryReason("three");
  EXPECT_EQ(CodeOf([&] { Reasons({not_a_key}); }), VException::kDomain);
}

TEST_F(EntryTest, EntryReasonCommitsThreeWaysAndDeletesByIdAndVersion) {
  EntryReason r;
  EntryReasonRoot root = r.GetEntryReasonRoot();
  root.SetEntryReason(6);
  r.SetEntryReasonRoot(root);
  EntryReasonTP tp = r.GetEntryReasonTP();
  tp.SetShortDescription("Secondment");
  r.SetEntryReasonTP(tp);
  r.SetValidFrom(VDate(1, 0, 2026));
  r.Commit();
  ASSERT_EQ(CallsOf("createEntryReason").size(), 1u);
  EXPECT_FALSE(r.IsNew());
  std::string const oid = r.GetObjectid();

  tp = r.GetEntryReasonTP();
  tp.SetLongDescription("Sent to a partner company");
  r.SetEntryReasonTP(tp);
  r.Commit();
  ASSERT_EQ(CallsOf("setEntryReason").size(), 1u);
  EXPECT_EQ(CallsOf("setEntryReason")[0].arguments,
            (Args{base::VString(oid).str(), L"2026-01-01", L"true"}));
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();
  EXPECT_EQ(CallsOf("addEntryReason").at(0).arguments,
            (Args{base::VString(oid).str(), L"2026-07-01", L"true"}));
  EXPECT_EQ(TakeOwnership(EntryReason::GetAllEntryReasonHistory(oid)).size(), 2u);
  EXPECT_EQ(TakeOwnership(EntryReason::GetActiveEffectiveEntryReasonHistory(oid)).size(), 2u);

  // The destination time point travels as the caller wrote it.
  EXPECT_EQ(TakeOwnership(EntryReason::GetEffectiveEntryReasonHistory(oid, "2026-03-31")).size(),
            1u);
  EXPECT_EQ(CodeOf([&] { EntryReason::GetEffectiveEntryReasonHistory(oid, "31.03.2026"); }),
            VException::kDomain);
  EXPECT_EQ(CallsOf("getEffectiveEntryReasonHistory").back().arguments,
            (Args{base::VString(oid).str(), L"31.03.2026"}));

  // The remove-new flag goes as the object holds it, to set and add alike.
  r.SetRemoveNew(false);
  tp = r.GetEntryReasonTP();
  tp.SetLongDescription("Sent abroad");
  r.SetEntryReasonTP(tp);
  r.Commit();
  r.SetValidFrom(VDate(1, 9, 2026));
  r.Commit();
  EXPECT_EQ(CallsOf("setEntryReason").back().arguments,
            (Args{base::VString(oid).str(), L"2026-07-01", L"false"}));
  EXPECT_EQ(CallsOf("addEntryReason").back().arguments,
            (Args{base::VString(oid).str(), L"2026-10-01", L"false"}));

  // A key that another reason has is refused; the reason keeps its saved key.
  root = r.GetEntryReasonRoot();
  root.SetEntryReason(2);
  r.SetEntryReasonRoot(root);
  EXPECT_EQ(CodeOf([&] { r.Commit(); }), VException::kDomain);
  EXPECT_EQ(r.GetEntryReasonRoot().GetEntryReason(), 6);

  r.Delete();
  EXPECT_EQ(CallsOf("deleteEntryReason").at(0).arguments,
            (Args{base::VString(oid).str(), std::to_wstring(r.GetVersion())}));
  EXPECT_EQ(Reasons({}).size(), 5u);

  // ER-1 is named by the seeded employments.
  EntryReason used = *Reasons({})[0];
  EXPECT_EQ(CodeOf([&] { used.Delete(); }), VException::kDomain);
}

// The standard record behaviour of entry reasons, which belong to no
// employee: a new reason's key is the mark.
struct EntryReasonKind {
  using Record = EntryReason;
  static constexpr char kSet[] = "setEntryReason";
  static constexpr char kDelete[] = "deleteEntryReason";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static Record New(std::string const&, int mark) {
    EntryReason r;
    SetMark(r, mark);
    EntryReasonTP tp = r.GetEntryReasonTP();
    tp.SetShortDescription("Key " + std::to_string(mark));
    r.SetEntryReasonTP(tp);
    r.SetValidFrom(VDate(1, 0, 2026));
    return r;
  }
  static int Mark(Record const& r) {
    return static_cast<int>(r.GetEntryReasonRoot().GetEntryReason());
  }
  static void SetMark(Record& r, int mark) {
    EntryReasonRoot root = r.GetEntryReasonRoot();
    root.SetEntryReason(mark);
    r.SetEntryReasonRoot(root);
  }
};
}  // namespace

// The suite's registration lives beside the suite.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(EntryReason, StandardRecord, ::testing::Types<EntryReasonKind>);
}  // namespace testing
}  // namespace ostrel
