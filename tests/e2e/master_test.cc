// Master data end to end against the reference server's seeded employees:
// which operation is called with which arguments, what the record holds
// afterwards, what a failure leaves behind, and what deleting an employee
// takes with it.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "employee/employment.h"
#include "employee/master.h"
#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace bt = com::ostrel::personnel::framework::basictypes;
using base::VDate;
using base::VException;
using testing::Args;
using testing::CallsOf;
using testing::InjectFault;

// The code of the VException that f raises; -1 when it raises none.
template <class F>
int CodeOf(F f) {
  try {
    f();
  } catch (VException const& e) {
    return e.GetCode();
  }
  return -1;
}

void ClearCalls() {
  ref::ControlServant_var control = testing::Control();
  control->clearCalls();
}

EEMaster Fetch(std::string const& oid) {
  return EEMaster::GetObjectFromObjectId(oid, VDate(), VDate());
}

// The period's own object id, which the record's accessors do not show.
std::wstring PeriodOid(EEMaster const& m) {
  return base::VString(std::string(m.ToIdl().history.objectStruct.objectid.in())).str();
}

std::vector<std::string> Oids(std::vector<std::unique_ptr<EEMaster>> const& records) {
  std::vector<std::string> out;
  for (auto const& r : records) out.push_back(r->GetObjectid());
  return out;
}

std::vector<std::string> ActiveMaster(std::vector<EEMasterFilter> filters,
                                      char const* sort_key = "personnelNumber") {
  std::vector<EEMasterFilter*> pointers;
  for (EEMasterFilter& f : filters) pointers.push_back(&f);
  base::Sortierung sort;
  sort.AddKey(sort_key);
  return Oids(TakeOwnership(EEMaster::GetActiveMaster(&pointers, sort)));
}

bool Employs(std::string const& company, std::string const& oid) {
  EmployeeFilter f;
  f.SetOidPCompany(company);
  f.SetListDisplayOfEmployeeEnum(bt::LIST_ALL_EMPLOYEES);
  std::vector<EmployeeFilter*> filters = {&f};
  for (auto const& e : TakeOwnership(Employee::GetEmployees(&filters, base::Sortierung()))) {
    if (e->GetObjectID() == oid) return true;
  }
  return false;
}

class MasterTest : public testing::RecordTest {
 protected:
  template <class Change>
  static void ChangeHistory(EEMaster& m, Change change) {
    Master h = m.GetHistory();
    change(h);
    m.SetHistory(h);
  }
};

TEST_F(MasterTest, CommitSetsTheStoredPeriodOrAddsOneFromANewValidFromDate) {
  EEMaster m = Fetch("EMP-1");
  ASSERT_EQ(m.GetObjectid(), "EMP-1");
  EXPECT_EQ(m.GetInternalValidFrom(), VDate(1, 3, 2015));
  ChangeHistory(m, [](Master& h) { h.SetStreet("Leopoldstraße"); });
  m.Commit();
  ChangeHistory(m, [](Master& h) { h.SetStreetNumber("12a"); });
  m.SetRemoveNew(false);
  m.Commit();
  auto sets = CallsOf("setMaster");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"EMP-1", L"2015-04-01", L"true"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"EMP-1", L"2015-04-01", L"false"}));
  EXPECT_EQ(m.GetHistory().GetStreet(), "Leopoldstraße");
  EXPECT_EQ(m.GetHistory().GetStreetNumber(), "12a");

  ChangeHistory(m, [](Master& h) { h.SetSurname(L"Müller-Lüdenscheidt"); });
  m.SetValidFrom(VDate(1, 0, 2025));
  m.Commit();
  m.SetValidFrom(VDate(1, 6, 2025));
  m.SetRemoveNew(true);
  m.Commit();
  auto adds = CallsOf("addMaster");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"EMP-1", L"2025-01-01", L"false"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"EMP-1", L"2025-07-01", L"true"}));
  EXPECT_EQ(m.GetInternalValidFrom(), VDate(1, 6, 2025));
  EXPECT_EQ(TakeOwnership(EEMaster::GetAllMasterHistory("EMP-1")).size(), 3u);

  // The short view, here and in the employee search, shows the latest names.
  EXPECT_EQ(m.GetRoot().GetSurname(), L"Müller-Lüdenscheidt");
  EEMasterFilter by_name;
  by_name.SetSurname(L"Müller-L");
  EXPECT_EQ(ActiveMaster({by_name}), (std::vector<std::string>{"EMP-1"}));
}

TEST_F(MasterTest, CreateMasterEntersANewEmployeeOfTheRootsCompany) {
  EEMaster m;
  EmployeeShort root = m.GetRoot();
  root.SetOidPCompany("C-2");
  m.SetRoot(root);
  ChangeHistory(m, [](Master& h) {
    h.SetSurname(L"Neumann");
    h.SetFirstname(L"Nora");
  });
  m.SetValidFrom(VDate(1, 0, 2026));
  m.Commit();

  ASSERT_EQ(CallsOf("createMaster").size(), 1u);
  EXPECT_FALSE(m.IsNew());
  EXPECT_EQ(m.GetObjectid(), "EMP-8");
  EXPECT_EQ(m.GetRoot().GetPersonnelNumber(), 2003);  // after 2002, C-2's highest
  EXPECT_EQ(m.GetRoot().GetSurname(), L"Neumann");
  EXPECT_EQ(m.GetHistory().GetOidEmployee(), "EMP-8");
  EXPECT_EQ(m.GetInternalValidFrom(), VDate(1, 0, 2026));
  EXPECT_TRUE(Employs("C-2", "EMP-8"));
}

// The standard suite covers the period part; the contacts return as well.
TEST_F(MasterTest, AFailedCommitReturnsTheContactsAndANamelessRecordIsRefused) {
  EEMaster m = Fetch("EMP-1");
  m.SetContacts(nullptr);
  InjectFault("setMaster", ref::RAISE_DOMAIN, L"contacts locked");
  EXPECT_EQ(CodeOf([&] { m.Commit(); }), VException::kDomain);
  EXPECT_EQ(TakeOwnership(m.GetContacts()).size(), 1u);
  EXPECT_EQ(TakeOwnership(Fetch("EMP-1").GetContacts()).size(), 1u);

  EEMaster nameless = Fetch("EMP-1");
  ChangeHistory(nameless, [](Master& h) { h.SetSurname(L""); });
  EXPECT_EQ(CodeOf([&] { nameless.Commit(); }), VException::kDomain);
  EXPECT_EQ(nameless.GetHistory().GetSurname(), L"Müller");
}

TEST_F(MasterTest, ContactsAndNotesTravelWithTheRecordAndBelongToTheEmployee) {
  EEMaster m = Fetch("EMP-1");
  auto contacts = TakeOwnership(m.GetContacts());
  ASSERT_EQ(contacts.size(), 1u);
  EXPECT_EQ(contacts[0]->GetContact().GetSubject(), L"Elternzeit");
  EXPECT_EQ(contacts[0]->GetTaskReminderDate(), VDate(1, 2, 2024));
  EXPECT_TRUE(contacts[0]->GetCreateTaskReminder());

  EmployeeContact added;
  personnel::Contact c;
  c.SetSubject(L"Gehaltserhöhung");
  added.SetContact(c);
  std::vector<EmployeeContact*> both = {contacts[0].get(), &added};
  m.SetContacts(&both);
  m.SetValidFrom(VDate(1, 6, 2025));
  m.Commit();

  auto now = TakeOwnership(m.GetContacts());
  ASSERT_EQ(now.size(), 2u);
  EXPECT_EQ(now[0]->GetObjectID(), contacts[0]->GetObjectID());
  EXPECT_FALSE(now[1]->GetObjectID().empty());  // the server named the new one
  EXPECT_EQ(now[1]->GetContact().GetSubject(), L"Gehaltserhöhung");
  // Not a period's: the older period shows them too.
  for (auto const& period : TakeOwnership(EEMaster::GetAllMasterHistory("EMP-1"))) {
    EXPECT_EQ(TakeOwnership(period->GetContacts()).size(), 2u);
    EXPECT_EQ(TakeOwnership(period->GetNotes()).size(), 1u);
  }

  m.SetContacts(nullptr);
  m.SetNotes(nullptr);
  m.Commit();
  EEMaster fresh = Fetch("EMP-1");
  EXPECT_TRUE(TakeOwnership(fresh.GetContacts()).empty());
  EXPECT_TRUE(TakeOwnership(fresh.GetNotes()).empty());
}

TEST_F(MasterTest, PhotoIsFetchedOnceAndOnlyForAFileName) {
  EEMaster m = Fetch("EMP-1");
  Master h = m.GetHistory();
  EXPECT_EQ(h.GetPhotoFileName().str(), L"mueller.png");
  EXPECT_EQ(m.ToIdl().history.photo.length(), 0u);  // the record comes without bytes
  ClearCalls();

  OctetSeq const photo = h.GetPhoto();
  ASSERT_EQ(photo.length(), 10u);
  EXPECT_EQ(photo[0], 0x89);
  EXPECT_EQ(photo[1], 'P');
  EXPECT_EQ(h.GetPhoto().length(), 10u);
  auto fetches = CallsOf("getPhoto");
  ASSERT_EQ(fetches.size(), 1u);
  EXPECT_EQ(fetches[0].arguments, (Args{L"EMP-1", PeriodOid(m),
                                        std::to_wstring(m.ToIdl().history.objectStruct.version)}));

  Master without = Fetch("EMP-2").GetHistory();
  EXPECT_EQ(without.GetPhoto().length(), 0u);
  EXPECT_EQ(CallsOf("getPhoto").size(), 1u);

  // A failed fetch raises and keeps nothing; the next call asks again.
  Master again = m.GetHistory();
  InjectFault("getPhoto", ref::RAISE_PERSISTENCY, L"photo archive offline");
  EXPECT_EQ(CodeOf([&] { again.GetPhoto(); }), VException::kPersistency);
  EXPECT_EQ(again.GetPhoto().length(), 10u);

  // New bytes go with the next Commit and come back through getPhoto.
  OctetSeq small;
  small.length(3);
  small[0] = 1;
  small[1] = 2;
  small[2] = 3;
  again.SetPhoto(small);
  m.SetHistory(again);
  m.Commit();
  OctetSeq const stored = m.GetHistory().GetPhoto();
  ASSERT_EQ(stored.length(), 3u);
  EXPECT_EQ(stored[2], 3);
}

TEST_F(MasterTest, DeleteRemovesTheWholeEmployeeWithEveryRecord) {
  // EMP-4 has no journalized months. Give it an employment and a second
  // master period, whose own object id must not be what Delete sends.
  EEMaster m = Fetch("EMP-4");
  EEEmployment employment;
  employment.SetEmployeeShort(m.GetRoot());
  employment.SetValidFrom(VDate(1, 0, 2026));
  employment.Commit();
  ChangeHistory(m, [](Master& h) { h.SetFirstname(L"Zoe"); });  // the employee changes too
  m.SetValidFrom(VDate(1, 2, 2026));
  m.Commit();
  EXPECT_TRUE(EEMaster::DeletePossible("EMP-4"));

  m.Delete();
  auto deletes = CallsOf("deleteEmployee");
  ASSERT_EQ(deletes.size(), 1u);
  ASSERT_NE(m.GetRoot().GetVersion(), m.ToIdl().history.objectStruct.version);
  EXPECT_EQ(deletes[0].arguments, (Args{L"EMP-4", std::to_wstring(m.GetRoot().GetVersion())}));
  EXPECT_NE(deletes[0].arguments[0], PeriodOid(m));

  EXPECT_FALSE(Employs("C-1", "EMP-4"));
  EXPECT_EQ(CodeOf([] { EEMaster::GetAllMasterHistory("EMP-4"); }), VException::kPersistency);
  EXPECT_EQ(CodeOf([] { EEEmployment::GetAllEmploymentHistory("EMP-4"); }),
            VException::kPersistency);
  EXPECT_EQ(CodeOf([] { EEMaster::DeletePossible("EMP-4"); }), VException::kPersistency);
}

TEST_F(MasterTest, DeleteIsRefusedForJournalizedOrChangedEmployees) {
  EXPECT_FALSE(EEMaster::DeletePossible("EMP-1"));
  EEMaster journalized = Fetch("EMP-1");
  EXPECT_EQ(CodeOf([&] { journalized.Delete(); }), VException::kDomain);
  EXPECT_TRUE(Employs("C-1", "EMP-1"));

  // The employee changed since it was read: a stale version. The object
  // keeps what it holds.
  EEMaster stale = Fetch("EMP-4");
  EEMaster current = Fetch("EMP-4");
  ChangeHistory(current, [](Master& h) { h.SetSurname(L"Weiss"); });
  current.Commit();
  ChangeHistory(stale, [](Master& h) { h.SetMemo("unsaved"); });
  EXPECT_EQ(CodeOf([&] { stale.Delete(); }), VException::kPersistency);
  EXPECT_EQ(stale.GetHistory().GetMemo(), "unsaved");
  EXPECT_TRUE(Employs("C-1", "EMP-4"));
}

TEST_F(MasterTest, StreamOfACompanySendsTheCompanyBeforeTheFilters) {
  std::vector<EEMasterFilter*> none;
  base::Sortierung sort;
  sort.AddKey("personnelNumber");
  auto cb = TakeOwnership(EEMaster::GetActiveMasterCB("C-2", &none, sort, 0));
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::seconds(10)));
  EXPECT_TRUE(cb->IsFinished());
  auto records = TakeOwnership(cb->TakeAll());
  EXPECT_EQ(Oids(records), (std::vector<std::string>{"EMP-7", "EMP-5", "EMP-6"}));
  auto calls = CallsOf("getActiveMasterCB");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].arguments, (Args{L"C-2", L"[0]", L"personnelNumber asc"}));

  InjectFault("getActiveMasterCB", ref::RAISE_ACCESS_DENIED, L"no company rights");
  EXPECT_EQ(CodeOf([&] { delete EEMaster::GetActiveMasterCB("C-1", &none, sort, 0); }),
            VException::kAccessDenied);
}

TEST_F(MasterTest, FiltersSelectAndTheirTextsTravelUnchanged) {
  struct Case {
    char const* what;
    void (*set)(EEMasterFilter&);
    std::vector<std::string> expected;
  };
  Case const cases[] = {
      {"female",
       [](EEMasterFilter& f) { f.SetSex(employee::SEX_FEMALE); },
       {"EMP-7", "EMP-2", "EMP-6"}},
      {"married",
       [](EEMasterFilter& f) { f.SetCivilStatusEnum(master::CIVIL_STATUS_MARRIED); },
       {"EMP-1", "EMP-7", "EMP-5"}},
      {"born before 1980",
       [](EEMasterFilter& f) {
         f.SetDateOfBirth(VDate(1, 0, 1980));
         f.SetDateComparer("<");
       },
       {"EMP-1", "EMP-6"}},
      {"born on", [](EEMasterFilter& f) { f.SetDateOfBirth(VDate(2, 6, 1990)); }, {"EMP-2"}},
      {"postal code", [](EEMasterFilter& f) { f.SetPostalCode("50"); }, {"EMP-2"}},
      {"number in two companies",
       [](EEMasterFilter& f) { f.SetPersonnelNumber(1001); },
       {"EMP-1", "EMP-7"}},
      {"company and first name",
       [](EEMasterFilter& f) {
         f.SetOidPCompany("C-2");
         f.SetFirstname(L"Ł");
       },
       {"EMP-5"}},
      {"withdrawn",
       [](EEMasterFilter& f) { f.SetListDisplayOfEmployeeEnum(bt::LIST_WITHDRAWN_EMPLOYEES); },
       {"EMP-3"}},
      {"active by default",
       [](EEMasterFilter&) {},
       {"EMP-1", "EMP-7", "EMP-2", "EMP-4", "EMP-5", "EMP-6"}},
  };
  for (Case const& c : cases) {
    EEMasterFilter f;
    c.set(f);
    EXPECT_EQ(ActiveMaster({f}), c.expected) << c.what;
  }
  auto born = CallsOf("getActiveMaster")[2].arguments;
  ASSERT_EQ(born.size(), 3u);
  EXPECT_EQ(born[1],
            L"fixedDateOfWithDrawal=0000-00-00;listDisplay=0;dateOfBirth=1980-01-01;"
            L"dateComparer=<");

  EEMasterFilter odd;
  odd.SetDateOfBirth(VDate(1, 0, 1980));
  odd.SetDateComparer("before");
  EXPECT_EQ(CodeOf([&] { ActiveMaster({odd}); }), VException::kDomain);
}

TEST_F(MasterTest, ServiceUserAndAccounts) {
  EXPECT_TRUE(EEMaster::ExistsAccounts("EMP-2"));
  EXPECT_FALSE(EEMaster::ExistsAccounts("EMP-1"));

  EEMaster const m = EEMaster::DeleteServiceUser("EMP-2");
  EXPECT_EQ(CallsOf("deleteServiceUser").at(0).arguments, (Args{L"EMP-2"}));
  EXPECT_EQ(m.GetObjectid(), "EMP-2");
  EXPECT_EQ(m.GetHistory().GetServiceUserCode(), L"");
  EXPECT_EQ(m.GetHistory().GetServicePassword(), L"");
  EXPECT_FALSE(EEMaster::ExistsAccounts("EMP-2"));
  EXPECT_EQ(CodeOf([] { EEMaster::DeleteServiceUser("EMP-2"); }), VException::kDomain);
  EXPECT_EQ(CodeOf([] { EEMaster::ExistsAccounts("EMP-99"); }), VException::kPersistency);
}

TEST_F(MasterTest, NameLookUpsKeepTheServersOrder) {
  auto prefixes = TakeOwnership(NamePrefix::GetNamePrefixList());
  ASSERT_EQ(prefixes.size(), 6u);
  EXPECT_EQ(prefixes[0]->GetNamePrefix(), "von");
  EXPECT_EQ(prefixes[5]->GetNamePrefix(), "van den");
  auto affixes = TakeOwnership(NameAffix::GetNameAffixList());
  ASSERT_EQ(affixes.size(), 5u);
  EXPECT_EQ(affixes[2]->GetNameAffix(), "Freiherr");
  EXPECT_EQ(CallsOf("getNamePrefixList").at(0).arguments, Args{});
}

TEST_F(MasterTest, HistoriesAndFetchSendTheirDatesAsWireText) {
  EEMaster m = Fetch("EMP-1");
  ChangeHistory(m, [](Master& h) { h.SetDomicile("Augsburg"); });
  m.SetEffectiveFrom(VDate(1, 0, 2020));
  m.SetValidFrom(VDate(1, 0, 2022));  // entered later than it takes effect
  m.Commit();

  auto at2019 = TakeOwnership(EEMaster::GetEffectiveMasterHistory("EMP-1", VDate(30, 5, 2019)));
  ASSERT_EQ(at2019.size(), 1u);
  EXPECT_EQ(at2019[0]->GetHistory().GetDomicile(), "München");
  EXPECT_EQ(CallsOf("getEffectiveMasterHistory").at(0).arguments, (Args{L"EMP-1", L"2019-06-30"}));
  EXPECT_EQ(TakeOwnership(EEMaster::GetActiveEffectiveMasterHistory("EMP-1")).size(), 2u);

  EEMaster const old = EEMaster::GetObjectFromObjectId("EMP-1", VDate(1, 0, 2019), VDate(""));
  EXPECT_EQ(old.GetHistory().GetDomicile(), "München");
  EXPECT_EQ(old.GetValidFrom(), VDate(1, 3, 2015));
  // 2021 as it was known in 2021, and as it was known in 2022.
  EEMaster const before =
      EEMaster::GetObjectFromObjectId("EMP-1", VDate(1, 0, 2021), VDate(1, 5, 2021));
  EXPECT_EQ(before.GetHistory().GetDomicile(), "München");
  EEMaster const after =
      EEMaster::GetObjectFromObjectId("EMP-1", VDate(1, 0, 2021), VDate(1, 5, 2022));
  EXPECT_EQ(after.GetHistory().GetDomicile(), "Augsburg");
  auto fetches = CallsOf("getObjectFromObjectId");
  ASSERT_EQ(fetches.size(), 4u);  // after Fetch and `old`
  EXPECT_EQ(fetches[2].arguments, (Args{L"EMP-1", L"2021-01-01", L"2021-06-01"}));
  EXPECT_EQ(fetches[3].arguments, (Args{L"EMP-1", L"2021-01-01", L"2022-06-01"}));
}

TEST_F(MasterTest, TextsTheServerFormatsAreNotConverted) {
  EEMaster m = Fetch("EMP-1");
  EXPECT_EQ(m.GetHistory().GetDateOfBirthELSTAM(), "1968-03-14");
  ChangeHistory(m, [](Master& h) { h.SetDateOfBirthELSTAM("14031968"); });
  m.Commit();
  EXPECT_EQ(Fetch("EMP-1").GetHistory().GetDateOfBirthELSTAM(), "14031968");
}

// The standard record behaviour. Master data is kept per employee and every
// seeded employee has it, so a "new" record is the stored one of the
// employee; the mark is the special access level.
struct MasterKind {
  using Record = EEMaster;
  static constexpr char kSet[] = "setMaster";
  static constexpr char kDelete[] = "deleteEmployee";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static Record New(std::string const& oid, int mark) {
    EEMaster m = Fetch(oid);
    SetMark(m, mark);
    return m;
  }
  static int Mark(Record const& r) { return r.GetHistory().GetSpecialAccessLevel(); }
  static void SetMark(Record& r, int mark) {
    Master h = r.GetHistory();
    h.SetSpecialAccessLevel(mark);
    r.SetHistory(h);
  }
  static auto AllHistory(std::string const& oid) { return EEMaster::GetAllMasterHistory(oid); }
};
}  // namespace

// The suite's registration lives beside the suite.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Master, StandardRecord, ::testing::Types<MasterKind>);
}  // namespace testing
}  // namespace ostrel
