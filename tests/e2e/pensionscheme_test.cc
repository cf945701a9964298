// Pension schemes against the reference server: the list forms of Commit and
// Delete, restore, the journalized check, advice, the reads, every field
// through the wire, and the server's rules for them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ownership.h"
#include "record_suite.h"
#include "reference_server.h"
#include "round_trip.h"
#include "statutory/pensionscheme.h"
#include "vexception.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::InjectFault;
using testing::Map;
namespace ref = com::ostrel::reference;
using Filters = std::vector<EEPensionSchemeFilter*>;

// A scheme of employee `oid`, valid from 1 February 2026; `year` marks it.
EEPensionScheme NewScheme(
    std::string const& oid, long year,
    ImplementationWayEnum way = pensionscheme::IMPLEMENTATION_WAY_PENSION_FUND) {
  EEPensionScheme s;
  EEPensionSchemeRoot root = s.GetRoot();
  root.SetEe(Employee(oid));
  root.SetImplementationWay(way);
  s.SetRoot(root);
  EEPensionSchemeTP tp = s.GetHistory();
  tp.SetCarriedForwardYear(year);
  tp.SetMembershipNumber("M-" + std::to_string(year));
  s.SetHistory(tp);
  // Also as the stored date, so that a copy keeps the valid-from date.
  s.SetInternalValidFrom(VDate(1, 1, 2026));
  s.SetValidFrom(VDate(1, 1, 2026));
  return s;
}

long Year(EEPensionScheme const& s) { return s.GetHistory().GetCarriedForwardYear(); }
void SetYear(EEPensionScheme& s, long year) {
  EEPensionSchemeTP tp = s.GetHistory();
  tp.SetCarriedForwardYear(year);
  s.SetHistory(tp);
}

// Commits a new scheme; the list a create answers is empty.
EEPensionScheme Stored(std::string const& oid, long year,
                       ImplementationWayEnum way = pensionscheme::IMPLEMENTATION_WAY_PENSION_FUND) {
  EEPensionScheme s = NewScheme(oid, year, way);
  Filters none;
  EXPECT_TRUE(TakeOwnership(s.Commit(&none, base::Sortierung())).empty());
  return s;
}

EEPensionSchemeFilter Company(std::string const& oid) {
  EEPensionSchemeFilter f;
  f.SetOidPCompany(oid);
  return f;
}

class PensionScheme : public testing::RecordTest {};

TEST_F(PensionScheme, CommitOfANewSchemeCreatesItAndReturnsNoList) {
  EEPensionScheme s = NewScheme("EMP-1", 2021);
  EEPensionSchemeFilter company = Company("C-1");
  Filters filters{&company};
  auto list = TakeOwnership(s.Commit(&filters, base::Sortierung().AddKey("surname")));

  EXPECT_TRUE(list.empty());
  EXPECT_EQ(CallsOf("createEEPensionScheme").at(0).arguments, Args{L"<new>"});
  EXPECT_TRUE(CallsOf("setEEPensionScheme").empty());
  EXPECT_TRUE(CallsOf("addEEPensionScheme").empty());
  EXPECT_FALSE(s.IsNew());
  EXPECT_EQ(s.GetObjectid(), "PS-1");
  EXPECT_EQ(s.GetVersion(), 1);
  EXPECT_EQ(s.GetInternalValidFrom(), VDate(1, 1, 2026));
  // The created record is the saved value: the server's view of the
  // employee came with it.
  SetYear(s, 1999);
  s.ResetBo();
  EXPECT_EQ(Year(s), 2021);
  EXPECT_EQ(s.GetRoot().GetEe().GetPersonnelNumber(), 1001);
  EXPECT_EQ(s.GetObjectid(), "PS-1");
}

TEST_F(PensionScheme, CommitOfAStoredSchemeReturnsTheServersListAndKeepsItsValues) {
  EEPensionScheme a = Stored("EMP-1", 2021);
  Stored("EMP-2", 2022);
  Stored("EMP-5", 2023);  // company C-2
  SetYear(a, 2031);
  a.SetRemoveNew(false);
  EEPensionSchemeFilter company = Company("C-1");
  Filters filters{&company};
  base::Sortierung by_pnr_desc;
  by_pnr_desc.AddKey("personnelNumber", false);

  auto list = TakeOwnership(a.Commit(&filters, by_pnr_desc));

  EXPECT_EQ(CallsOf("setEEPensionScheme").at(0).arguments,
            (Args{L"[1]", L"personnelNumber desc", L"PS-1", L"false"}));
  EXPECT_TRUE(CallsOf("addEEPensionScheme").empty());
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]->GetObjectid(), "PS-2");
  EXPECT_EQ(list[1]->GetObjectid(), "PS-1");
  EXPECT_EQ(Year(*list[1]), 2031);
  EXPECT_EQ(list[1]->GetVersion(), 2);
  // The object keeps what it sent, not the server's new version, and counts
  // as unchanged.
  EXPECT_EQ(a.GetVersion(), 1);
  SetYear(a, 1999);
  a.ResetBo();
  EXPECT_EQ(Year(a), 2031);
}

TEST_F(PensionScheme, CommitWithANewValidFromDateAddsAPeriod) {
  EEPensionScheme a = Stored("EMP-1", 2021);
  a.SetValidFrom(VDate(1, 6, 2026));
  SetYear(a, 2032);
  Filters none;

  auto list = TakeOwnership(a.Commit(&none, base::Sortierung()));

  EXPECT_EQ(CallsOf("addEEPensionScheme").at(0).arguments, (Args{L"[0]", L"", L"PS-1", L"true"}));
  EXPECT_TRUE(CallsOf("setEEPensionScheme").empty());
  EXPECT_EQ(a.GetInternalValidFrom(), VDate(1, 6, 2026));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->GetInternalValidFrom(), VDate(1, 6, 2026));
  auto history = Map(EEPensionScheme::GetAllEEPensionSchemesHistory("PS-1"),
                     [](EEPensionScheme const& s) { return Year(s); });
  EXPECT_EQ(history, (std::vector<long>{2021, 2032}));
}

TEST_F(PensionScheme, FailedListWritesResetTheObjectAndReturnNothing) {
  EEPensionScheme a = Stored("EMP-1", 2021);
  Filters none;
  SetYear(a, 2040);
  InjectFault("setEEPensionScheme", ref::RAISE_DOMAIN, L"contribution too high");
  try {
    a.Commit(&none, base::Sortierung());
    FAIL() << "Commit must raise";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"contribution too high");
  }
  EXPECT_EQ(Year(a), 2021);

  SetYear(a, 2041);
  InjectFault("deleteEEPensionScheme", ref::RAISE_PERSISTENCY, L"in use");
  EXPECT_THROW(a.Delete(&none, base::Sortierung()), base::VException);
  EXPECT_EQ(Year(a), 2021);

  // A new scheme whose create fails stays new.
  EEPensionScheme b = NewScheme("EMP-2", 2022);
  InjectFault("createEEPensionScheme", ref::RAISE_APPLICATION_LAYER, L"no");
  EXPECT_THROW(b.Commit(&none, base::Sortierung()), base::VException);
  EXPECT_TRUE(b.IsNew());
}

TEST_F(PensionScheme, ListDeleteSendsTheIdentityAndReturnsTheRemainingList) {
  EEPensionScheme a = Stored("EMP-2", 2021);
  Stored("EMP-1", 2022);
  Stored("EMP-5", 2023);
  EEPensionSchemeFilter company = Company("C-1");
  Filters filters{&company};

  auto list = TakeOwnership(a.Delete(&filters, base::Sortierung().AddKey("objectid")));

  EXPECT_EQ(CallsOf("deleteEEPensionScheme").at(0).arguments,
            (Args{L"[1]", L"objectid asc", L"EMP-2", L"PS-1", L"1"}));
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->GetObjectid(), "PS-2");
  EXPECT_EQ(a.GetObjectid(), "PS-1");
  EXPECT_EQ(Year(a), 2021);
}

TEST_F(PensionScheme, CommitAndDeleteWithoutAListDoNothing) {
  EEPensionScheme fresh = NewScheme("EMP-1", 2021);
  EEPensionScheme stored = Stored("EMP-2", 2022);
  SetYear(stored, 2030);
  ref::ControlServant_var(testing::Control())->clearCalls();
  fresh.Commit();
  fresh.Delete();
  stored.Commit();
  stored.Delete();
  EXPECT_TRUE(testing::Calls().empty());
  EXPECT_TRUE(fresh.IsNew());
  EXPECT_EQ(Year(stored), 2030);
}

TEST_F(PensionScheme, RestoreBringsADeletedSchemeBack) {
  EEPensionScheme a = Stored("EMP-3", 2021);
  Filters none;
  TakeOwnership(a.Delete(&none, base::Sortierung()));
  EXPECT_TRUE(
      TakeOwnership(EEPensionScheme::GetActiveEEPensionSchemes(&none, base::Sortierung())).empty());

  a.RestoreEEPensionScheme();

  EXPECT_EQ(CallsOf("restoreEEPensionScheme").at(0).arguments, (Args{L"EMP-3", L"PS-1", L"1"}));
  auto active = Map(EEPensionScheme::GetActiveEEPensionSchemes(&none, base::Sortierung()),
                    [](EEPensionScheme const& s) { return s.GetObjectid(); });
  EXPECT_EQ(active, std::vector<std::string>{"PS-1"});

  // Restoring what is not deleted is refused; the object returns to its
  // saved value.
  SetYear(a, 2050);
  EXPECT_THROW(a.RestoreEEPensionScheme(), base::VException);
  EXPECT_EQ(Year(a), 2021);
}

TEST_F(PensionScheme, IsAlreadyJournalizedAsksForThisVersion) {
  // EMP-1 is journalized until 29 February 2024.
  EEPensionScheme early = NewScheme("EMP-1", 2021);
  early.SetValidFrom(VDate(1, 0, 2024));
  Filters none;
  TakeOwnership(early.Commit(&none, base::Sortierung()));
  EEPensionScheme late = Stored("EMP-1", 2022);

  EXPECT_TRUE(early.IsAlreadyJournalized());
  EXPECT_FALSE(late.IsAlreadyJournalized());
  EXPECT_EQ(CallsOf("isAlreadyJournalized").at(1).arguments, (Args{L"EMP-1", L"PS-2", L"1"}));

  // Only a conversion: the object keeps its unsaved change.
  SetYear(late, 2060);
  InjectFault("isAlreadyJournalized", ref::RAISE_SYSTEM);
  EXPECT_THROW(late.IsAlreadyJournalized(), base::VException);
  EXPECT_EQ(Year(late), 2060);
}

TEST_F(PensionScheme, CheckForAdviceSendsTheCurrentValueAndTheValidFromDate) {
  EEPensionScheme s = Stored("EMP-1", 2021);
  EEPensionSchemeTP tp = s.GetHistory();
  tp.SetDateOfEntry(VDate(1, 2, 2026));
  s.SetHistory(tp);
  s.SetValidFrom(VDate(15, 3, 2026));
  EXPECT_EQ(s.CheckForAdvice(), "");
  EXPECT_EQ(CallsOf("checkForAdvice").at(0).arguments, (Args{L"PS-1", L"2026-04-15"}));

  s.SetValidFrom(VDate(1, 0, 2026));
  EXPECT_EQ(s.CheckForAdvice(), "valid from 2026-01-01 lies before the entry 2026-03-01");
  // Nothing was stored and the object is as it was.
  EXPECT_TRUE(CallsOf("setEEPensionScheme").empty());
  EXPECT_EQ(s.GetHistory().GetDateOfEntry(), VDate(1, 2, 2026));
  EXPECT_EQ(s.GetInternalValidFrom(), VDate(1, 1, 2026));
}

TEST_F(PensionScheme, ReadsSendTheirArgumentsInOrder) {
  EEPensionScheme a = Stored("EMP-1", 2021);
  a.SetValidFrom(VDate(1, 6, 2026));
  SetYear(a, 2022);
  Filters none;
  TakeOwnership(a.Commit(&none, base::Sortierung()));

  // Valid on 1 March 2026 is the first period only, though the second is in
  // force on 1 August: the valid time point decides.
  EEPensionScheme at =
      EEPensionScheme::GetObjectFromObjectId("PS-1", VDate(1, 7, 2026), VDate(1, 2, 2026));
  EXPECT_EQ(Year(at), 2021);
  EEPensionScheme::GetObjectFromObjectId("PS-1", VDate(2, 2, 2026), VDate(3, 3, 2027));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(1).arguments,
            (Args{L"PS-1", L"2026-03-02", L"2027-04-03"}));

  auto effective =
      Map(EEPensionScheme::GetEffectiveEEPensionSchemesHistory("PS-1", VDate(1, 7, 2026)),
          [](EEPensionScheme const& s) { return Year(s); });
  EXPECT_EQ(effective, std::vector<long>{2022});
  EXPECT_EQ(CallsOf("getEffectiveEEPensionSchemeHistory").at(0).arguments,
            (Args{L"PS-1", L"2026-08-01"}));
  EXPECT_EQ(
      TakeOwnership(EEPensionScheme::GetActiveEffectiveEEPensionSchemesHistory("PS-1")).size(), 2u);

  auto copies =
      TakeOwnership(EEPensionScheme::GetPensionSchemesForEmployeeCopy("EMP-1", "2026-02-15"));
  EXPECT_EQ(CallsOf("getPensionSchemesForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2026-02-15"}));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(copies[0]->IsNew());
  EXPECT_EQ(Year(*copies[0]), 2021);
}

// Nested values: each interval and the address come back as they were sent.
TEST_F(PensionScheme, IntervalsAndAddressTravelIntact) {
  EEPensionScheme s = NewScheme("EMP-1", 2021);
  EEPensionSchemeTP tp = s.GetHistory();
  auto months = [](int month, long count) {
    personnel::Interval i(false);
    if (month == 0) i.SetJanuary(true);
    if (month == 5) i.SetJune(true);
    if (month == 8) i.SetSeptember(true);
    if (month == 11) i.SetDecember(true);
    i.SetCount(count);
    return i;
  };
  tp.SetErExpensesPays(months(0, 2));
  tp.SetErPaysAsExtra(months(5, 3));
  tp.SetEeExpensesPays(months(8, 4));
  tp.SetEePaysAsExtra(months(11, 5));
  personnel::PostalAddress address;
  address.SetStreet(L"Hauptstra\u00dfe");
  address.SetStreetNumber("7a");
  address.SetPostalCode("80331");
  address.SetDomicile(L"M\u00fcnchen");
  address.SetOidState("BY");
  address.SetAddressAddendum(L"Hinterhaus");
  tp.SetPostalAddress(address);
  s.SetHistory(tp);
  Filters none;
  TakeOwnership(s.Commit(&none, base::Sortierung()));

  EEPensionSchemeTP const back =
      EEPensionScheme::GetObjectFromObjectId("PS-1", VDate(""), VDate("")).GetHistory();
  EXPECT_TRUE(back.GetErExpensesPays().GetJanuary());
  EXPECT_FALSE(back.GetErExpensesPays().GetJune());
  EXPECT_EQ(back.GetErExpensesPays().GetCount(), 2);
  EXPECT_TRUE(back.GetErPaysAsExtra().GetJune());
  EXPECT_EQ(back.GetErPaysAsExtra().GetCount(), 3);
  EXPECT_TRUE(back.GetEeExpensesPays().GetSeptember());
  EXPECT_EQ(back.GetEeExpensesPays().GetCount(), 4);
  EXPECT_TRUE(back.GetEePaysAsExtra().GetDecember());
  EXPECT_FALSE(back.GetEePaysAsExtra().GetJanuary());
  EXPECT_EQ(back.GetEePaysAsExtra().GetCount(), 5);
  personnel::PostalAddress const a = back.GetPostalAddress();
  EXPECT_EQ(a.GetStreet(), L"Hauptstra\u00dfe");
  EXPECT_EQ(a.GetStreetNumber(), "7a");
  EXPECT_EQ(a.GetPostalCode(), "80331");
  EXPECT_EQ(a.GetDomicile(), L"M\u00fcnchen");
  EXPECT_EQ(a.GetOidState(), "BY");
  EXPECT_EQ(a.GetAddressAddendum(), L"Hinterhaus");
}

// --- every field through the wire --------------------------------------

using testing::ExpectHolds;
using testing::ExpectRoundTrips;
using testing::Field;
using testing::Skip;
using testing::WireTable;
using TP = EEPensionSchemeTP;
using IntervalStruct = com::ostrel::personnel::framework::basictypes::IntervalStruct;
using PostalAddressStruct = com::ostrel::personnel::framework::basictypes::PostalAddressStruct;

WireTable<TP> PeriodFields() {
  return WireTable<TP>({
      Skip<TP, ObjectStruct>(1),
      Skip<TP, TimePeriodStruct>(2),
      Field(3, &TP::SetLumpSumTaxacation, &TP::GetLumpSumTaxacation),
      Field(4, &TP::SetGroupInsurance, &TP::GetGroupInsurance),
      Field(5, &TP::SetDateOfEntry, &TP::GetDateOfEntry),
      Field(6, &TP::SetDateOfWithDrawal, &TP::GetDateOfWithDrawal),
      Field(7, &TP::SetMembershipNumber, &TP::GetMembershipNumber),
      Skip<TP, IntervalStruct>(8),
      Field(9, &TP::SetOidVtERpaysAsCtPay, &TP::GetOidVtERpaysAsCtPay),
      Field(10, &TP::SetDuesERpaysAsCtPay, &TP::GetDuesERpaysAsCtPay),
      Skip<TP, IntervalStruct>(11),
      Field(12, &TP::SetOidVtERpaysAsExtra, &TP::GetOidVtERpaysAsExtra),
      Field(13, &TP::SetDuesERpaysAsExtra, &TP::GetDuesERpaysAsExtra),
      Skip<TP, IntervalStruct>(14),
      Field(15, &TP::SetOidVtEEpaysAsCtPay, &TP::GetOidVtEEpaysAsCtPay),
      Field(16, &TP::SetDuesEEpaysAsCtPay, &TP::GetDuesEEpaysAsCtPay),
      Field(17, &TP::SetOidVtAssignToCurrentPay, &TP::GetOidVtAssignToCurrentPay),
      Skip<TP, IntervalStruct>(18),
      Field(19, &TP::SetOidVtEEpaysAsExtra, &TP::GetOidVtEEpaysAsExtra),
      Field(20, &TP::SetDuesEEpaysAsExtra, &TP::GetDuesEEpaysAsExtra),
      Field(21, &TP::SetOidVtAssignToExtraPay, &TP::GetOidVtAssignToExtraPay),
      Field(22, &TP::SetOidRecipient, &TP::GetOidRecipient),
      Field(23, &TP::SetNameOfRecipient, &TP::GetNameOfRecipient),
      Skip<TP, PostalAddressStruct>(24),
      Field(25, &TP::SetModeOfPayment, &TP::GetModeOfPayment),
      Field(26, &TP::SetReasonForTransfer, &TP::GetReasonForTransfer),
      Field(27, &TP::SetOidBank, &TP::GetOidBank),
      Field(28, &TP::SetAccountNumber, &TP::GetAccountNumber),
      Field(29, &TP::SetOidCompanyAccount, &TP::GetOidCompanyAccount),
      Field(30, &TP::SetCarriedForwardYear, &TP::GetCarriedForwardYear),
      Field(31, &TP::SetCarriedForwardSIPaymentNew, &TP::GetCarriedForwardSIPaymentNew),
      Field(32, &TP::SetCarriedForwardSIPaymentOld, &TP::GetCarriedForwardSIPaymentOld),
      Field(33, &TP::SetContractTypeEnum, &TP::GetContractTypeEnum),
      Field(34, &TP::SetRevaluation, &TP::GetRevaluation),
      Field(35, &TP::SetIban, &TP::GetIban),
      Field(36, &TP::SetTypeOfBankTransferEnum, &TP::GetTypeOfBankTransferEnum),
      Field(37, &TP::SetAdvancementTypeAsCtPays, &TP::GetAdvancementTypeAsCtPays),
      Field(38, &TP::SetAdvancementDuesAsCtPays, &TP::GetAdvancementDuesAsCtPays),
      Field(39, &TP::SetAdvancementTypeAsExtra, &TP::GetAdvancementTypeAsExtra),
      Field(40, &TP::SetAdvancementDuesAsExtra, &TP::GetAdvancementDuesAsExtra),
      Field(41, &TP::SetOidForCheckingOfLimit, &TP::GetOidForCheckingOfLimit),
  });
}

// Stores `record` with the list form and takes the stored scheme from the
// list the server answers (a create answers none: the object is the stored
// one then).
void Store(EEPensionScheme& record) {
  Filters none;
  auto list = TakeOwnership(record.Commit(&none, base::Sortierung()));
  for (auto const& s : list) {
    if (s->GetObjectid() == record.GetObjectid()) record = *s;
  }
}

TEST_F(PensionScheme, EveryPeriodFieldTravelsAtItsPosition) {
  WireTable<TP> const table = PeriodFields();
  ASSERT_EQ(table.size(), 41u);
  EEPensionScheme record = NewScheme("EMP-4", 0);
  int const last = ExpectRoundTrips(table, record.GetHistory(), [&record](TP const& p) {
    record.SetHistory(p);
    Store(record);
    return record.GetHistory();
  });
  ExpectHolds(table,
              EEPensionScheme::GetObjectFromObjectId("PS-1", VDate(""), VDate("")).GetHistory(),
              last);
}

TEST_F(PensionScheme, EveryRootFieldTravelsAtItsPosition) {
  using Root = EEPensionSchemeRoot;
  using EmployeeShortStruct = com::ostrel::personnel::domain::employee::EmployeeShortStruct;
  WireTable<Root> const table({
      Skip<Root, ObjectStruct>(1),
      Skip<Root, EmployeeShortStruct>(2),
      Field(3, &Root::SetImplementationWay, &Root::GetImplementationWay),
  });
  EEPensionScheme record = NewScheme("EMP-6", 0);
  int const last = ExpectRoundTrips(table, record.GetRoot(), [&record](Root const& r) {
    record.SetRoot(r);
    Store(record);
    return record.GetRoot();
  });
  ExpectHolds(table, EEPensionScheme::GetObjectFromObjectId("PS-1", VDate(""), VDate("")).GetRoot(),
              last);
}

TEST(PensionSchemeFilter, EveryFieldSitsAtItsPosition) {
  using F = EEPensionSchemeFilter;
  using testing::Filter;
  using testing::Optional;
  WireTable<F> const table({
      Optional(1, &F::SetImplementationway),
      Filter(2, &F::SetOidPCompany),
      Optional(3, &F::SetPnr),
      Filter(4, &F::SetSurname),
      Filter(5, &F::SetFixedDateOfWithDrawal),
      Filter(6, &F::SetListDisplayOfEmployeeEnum),
      Filter(7, &F::SetDeleted),
      Filter(8, &F::SetAfterJournalized),
      Filter(9, &F::SetFromDate),
      Filter(10, &F::SetUntilDate),
      Skip<F, com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct>(11),
  });
  for (int round = 0; round < testing::WireValues::kRounds; ++round) {
    F f;
    table.Fill(f, round);
    for (std::string const& m : table.PositionMismatches(f.ToIdl(), round)) {
      ADD_FAILURE() << "round " << round << ": " << m;
    }
  }
}

// --- the server's rules -------------------------------------------------

TEST_F(PensionScheme, ServerSelectsByFilter) {
  Stored("EMP-1", 2021, pensionscheme::IMPLEMENTATION_WAY_DIRECT_INSURANCE);
  Stored("EMP-2", 2022, pensionscheme::IMPLEMENTATION_WAY_SUPPORT_FUND);
  EEPensionScheme gone = Stored("EMP-4", 2023, pensionscheme::IMPLEMENTATION_WAY_SUPPORT_FUND);
  Filters none;
  TakeOwnership(gone.Delete(&none, base::Sortierung()));
  auto years = [](EEPensionSchemeFilter f) {
    Filters filters{&f};
    return Map(EEPensionScheme::GetActiveEEPensionSchemes(&filters, base::Sortierung()),
               [](EEPensionScheme const& s) { return Year(s); });
  };

  EEPensionSchemeFilter way;
  way.SetImplementationway(pensionscheme::IMPLEMENTATION_WAY_SUPPORT_FUND);
  EXPECT_EQ(years(way), std::vector<long>{2022});
  EEPensionSchemeFilter deleted;
  deleted.SetDeleted(true);
  EXPECT_EQ(years(deleted), std::vector<long>{2023});
  EEPensionSchemeFilter pnr;
  pnr.SetPnr(1001);
  EXPECT_EQ(years(pnr), std::vector<long>{2021});
  EEPensionSchemeFilter surname;
  surname.SetSurname("Sch");  // Anna-Lena Schäfer
  EXPECT_EQ(years(surname), std::vector<long>{2022});
  // Valid from 1 February 2026 on: nothing before, both after.
  EEPensionSchemeFilter until;
  until.SetUntilDate(VDate(31, 0, 2026));
  EXPECT_TRUE(years(until).empty());
  until.SetFromDate(VDate(1, 0, 2027));
  until.SetUntilDate(VDate(31, 11, 2027));
  EXPECT_EQ(years(until), (std::vector<long>{2021, 2022}));

  EXPECT_EQ(Map(EEPensionScheme::GetActiveEEPensionSchemes(
                    &none, base::Sortierung().AddKey("implementationWay", false)),
                [](EEPensionScheme const& s) { return Year(s); }),
            (std::vector<long>{2022, 2021}));
}

TEST_F(PensionScheme, ServerRefusesBadSortKeysBeforeWritingAndForeignEmployees) {
  EEPensionScheme a = Stored("EMP-1", 2021);
  SetYear(a, 2030);
  Filters none;
  EXPECT_THROW(a.Commit(&none, base::Sortierung().AddKey("shoeSize")), base::VException);
  EXPECT_EQ(Year(EEPensionScheme::GetObjectFromObjectId("PS-1", VDate(""), VDate(""))), 2021);

  EEPensionSchemeRoot root = a.GetRoot();
  root.SetEe(Employee("EMP-2"));
  a.SetRoot(root);
  try {
    a.Commit(&none, base::Sortierung());
    FAIL() << "moving a scheme to another employee must be refused";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"pension scheme 'PS-1' belongs to employee 'EMP-1', not 'EMP-2'");
  }
  EXPECT_THROW(NewScheme("EMP-99", 2021).Commit(&none, base::Sortierung()), base::VException);
}

TEST_F(PensionScheme, ServerAdvisesOnImplausibleEntries) {
  // EMP-2 entered on 1 January 2019.
  EEPensionScheme s = NewScheme("EMP-2", 2021);
  EEPensionSchemeTP tp = s.GetHistory();
  tp.SetDateOfEntry(VDate(1, 5, 2018));
  tp.SetDateOfWithDrawal(VDate(31, 11, 2017));
  tp.SetDuesERpaysAsCtPay(VFixed("50.00"));
  tp.SetDuesEEpaysAsExtra(VFixed("0.00"));  // nothing paid: no advice
  personnel::Interval monthly;
  tp.SetEePaysAsExtra(personnel::Interval(false));
  tp.SetDuesEEpaysAsCtPay(VFixed("20.00"));
  tp.SetEeExpensesPays(monthly);  // paid every month: no advice
  s.SetHistory(tp);
  s.SetValidFrom(VDate(1, 0, 2018));
  EXPECT_EQ(s.CheckForAdvice(),
            "withdrawal 2017-12-31 lies before the entry 2018-06-01\n"
            "entry 2018-06-01 lies before the employee's date of entry 2019-01-01\n"
            "valid from 2018-01-01 lies before the entry 2018-06-01\n"
            "employer's contribution as current pay 50.00 has no month to be paid in");
  EXPECT_TRUE(s.IsNew());
}

TEST_F(PensionScheme, ServerRefusesAJournalizedCheckOfAStaleVersion) {
  EEPensionScheme a = Stored("EMP-1", 2021);
  Filters none;
  SetYear(a, 2022);
  TakeOwnership(a.Commit(&none, base::Sortierung()));  // stored version 2, the object's 1
  EXPECT_THROW(a.IsAlreadyJournalized(), base::VException);
}

// --- the standard behaviour ---------------------------------------------

// The suite commits and deletes without a list; a scheme does so only
// through its list forms, here with the list of every scheme.
class ListedScheme : public EEPensionScheme {
 public:
  using EEPensionScheme::EEPensionScheme;
  void Commit() { TakeOwnership(EEPensionScheme::Commit(&none_, base::Sortierung())); }
  void Delete() { TakeOwnership(EEPensionScheme::Delete(&none_, base::Sortierung())); }

 private:
  Filters none_;
};

struct PensionSchemeKind {
  using Record = ListedScheme;
  static constexpr char kSet[] = "setEEPensionScheme";
  static constexpr char kDelete[] = "deleteEEPensionScheme";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static ListedScheme New(std::string const& oid, int mark) {
    return ListedScheme(NewScheme(oid, mark).ToIdl());
  }
  static int Mark(EEPensionScheme const& r) { return static_cast<int>(Year(r)); }
  static void SetMark(EEPensionScheme& r, int mark) { SetYear(r, mark); }
  static auto Stream(unsigned max_hits) {
    Filters none;
    return EEPensionScheme::GetActiveEEPensionSchemesCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return EEPensionScheme::GetPensionSchemesForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite's names live in ostrel::testing.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(PensionScheme, StandardRecord, ::testing::Types<PensionSchemeKind>);
}  // namespace testing
}  // namespace ostrel
