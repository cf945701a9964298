// Bank details end to end against the reference server: the three-way
// commit with both remove-new flags, the findings that come back as the
// record's third member, the migration as an instance operation, the
// histories by employee, the fetch at two time points and the filter's
// optional values. The standard behaviour is the shared suite's. The
// server's seeded employees are used: EMP-1 (company C-1, 1001, Jürgen
// Müller, entered 2015-04-01), EMP-2 (C-1, 1002, Schäfer), EMP-3 (C-1,
// withdrawn 2024-01-31) and EMP-5 (C-2, 2001).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ownership.h"
#include "pay/bankdetails.h"
#include "record_suite.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace recipient = com::ostrel::personnel::domain::global::recipient;
using base::VDate;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::Map;
using testing::Wide;

// (code, attribute) of each finding, in the server's order.
std::vector<std::pair<long, std::string>> Findings(EEBankDetails& r) {
  std::vector<std::pair<long, std::string>> out;
  for (auto const& e : TakeOwnership(r.GetErrors())) {
    out.emplace_back(e->GetErrorCode(), e->GetAttributeName());
  }
  return out;
}

// New bank details of `employee`, paid by transfer to `iban`, valid from
// 1 January 2024.
EEBankDetails Account(std::string const& employee, std::string const& iban) {
  EEBankDetails r;
  BankDetailsRoot root = r.GetRoot();
  root.SetEmployeeShort(testing::Employee(employee));
  r.SetRoot(root);
  BankDetailsTP tp = r.GetHistory();
  personnel::BankAccount account = tp.GetBankAccount();
  account.SetIban(iban);
  account.SetOidBank("BANK-" + iban.substr(0, 2));
  tp.SetBankAccount(account);
  tp.SetOwnerOfAccount("Owner of " + employee);
  r.SetHistory(tp);
  r.SetValidFrom(VDate(1, 0, 2024));
  return r;
}
EEBankDetails Stored(EEBankDetails r) {
  r.Commit();
  return r;
}

void SetRanking(EEBankDetails& r, long ranking) {
  BankDetailsTP tp = r.GetHistory();
  tp.SetRankingNumber(ranking);
  r.SetHistory(tp);
}

std::string Iban(EEBankDetails const& r) { return r.GetHistory().GetBankAccount().GetIban(); }

std::vector<std::string> Listed(std::vector<EEBankDetailsFilter*> const& filters) {
  return Map(EEBankDetails::GetActiveEEBankDetailss(&filters, base::Sortierung()), Iban);
}
std::vector<std::string> Listed(EEBankDetailsFilter f) {
  return Listed(std::vector<EEBankDetailsFilter*>{&f});
}

using BankDetails = testing::RecordTest;

TEST_F(BankDetails, CommitCreatesSetsOrAddsWithTheRemoveNewFlagAndTakesTheFindings) {
  EEBankDetails r = Account("EMP-1", "");  // by transfer, but no IBAN
  r.Commit();
  EXPECT_EQ(CallsOf("createEEBankDetails").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(r.GetObjectid(), "BD-1");
  EXPECT_EQ(r.GetRoot().GetRoot().GetSurname(), L"Müller");
  EXPECT_EQ(r.GetErrorCount(), 0);  // not read yet
  EXPECT_EQ(Findings(r), (std::vector<std::pair<long, std::string>>{{100, "bankAccount"}}));
  EXPECT_EQ(r.GetErrorCount(), 1);

  // Same valid-from date: set, with the object's flag either way; the
  // findings follow the new period.
  BankDetailsTP tp = r.GetHistory();
  personnel::BankAccount account = tp.GetBankAccount();
  account.SetIban("DE02120300000000202051");
  tp.SetBankAccount(account);
  r.SetHistory(tp);
  r.SetRemoveNew(false);
  r.Commit();
  EXPECT_TRUE(Findings(r).empty());
  EXPECT_EQ(r.GetErrorCount(), 0);
  r.SetRemoveNew(true);
  r.Commit();
  auto const sets = CallsOf("setEEBankDetails");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"BD-1", L"false"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"BD-1", L"true"}));

  // A new valid-from date: add, which closes the period before.
  SetRanking(r, 2);
  r.SetValidFrom(VDate(1, 6, 2024));
  r.SetRemoveNew(true);
  r.Commit();
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 6, 2024));
  EXPECT_EQ(r.GetHistory().GetRankingNumber(), 2);
  SetRanking(r, 3);
  r.SetValidFrom(VDate(1, 9, 2024));
  r.SetRemoveNew(false);
  r.Commit();
  auto const adds = CallsOf("addEEBankDetails");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"BD-1", L"true"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"BD-1", L"false"}));
  auto const rankings =
      Map(EEBankDetails::GetActiveEffectiveEEBankDetailssHistory("EMP-1"),
          [](EEBankDetails const& p) { return p.GetHistory().GetRankingNumber(); });
  EXPECT_EQ(rankings, (std::vector<long>{99, 2, 3}));

  r.Delete();
  EXPECT_EQ(CallsOf("deleteEEBankDetails").at(0).arguments, (Args{L"EMP-1", L"BD-1", L"5"}));
}

TEST_F(BankDetails, FindingsArriveInTheServersOrderAndAreNotKeptFromTheClient) {
  EEBankDetails r = Account("EMP-2", "");
  BankDetailsTP tp = r.GetHistory();
  tp.SetRetentionPercentageFromNetPay(VFixed("150"));
  tp.SetRetentionAmountFromNetPay(VFixed("20.00"));
  tp.SetRankingNumber(0);
  r.SetHistory(tp);
  r.Commit();
  auto const errors = TakeOwnership(r.GetErrors());
  ASSERT_EQ(errors.size(), 4u);
  EXPECT_EQ(errors[0]->GetErrorCode(), 100);
  EXPECT_EQ(errors[1]->GetErrorCode(), 101);
  EXPECT_EQ(errors[1]->GetMessage(), L"the retention percentage must be a number from 0 to 100");
  EXPECT_EQ(errors[2]->GetAttributeName(), "retentionAmountFromNetPay");
  EXPECT_EQ(errors[3]->GetAttributeName(), "rankingNumber");
  r.SetErrors(nullptr);
  SetRanking(r, 5);
  r.Commit();
  EXPECT_EQ(Findings(r).size(), 3u);
}

TEST_F(BankDetails, MigrationReplacesTheWholeRecordWithTheServersAnswer) {
  EEBankDetails r = Account("EMP-1", "de44 5001 0517 5407 3249 31");
  BankDetailsTP tp = r.GetHistory();
  tp.SetOwnerOfAccount("");
  r.SetHistory(tp);
  r.SetValidFrom(VDate(1, 0, 2030));  // not sent: the internal date stays unset
  r.GetMigrationEmployee();
  EXPECT_EQ(CallsOf("getMigrationEmployee").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(r.GetRoot().GetRoot().GetPersonnelNumber(), 1001);
  EXPECT_EQ(Iban(r), "DE44500105175407324931");
  EXPECT_EQ(r.GetHistory().GetOwnerOfAccount(), "Jürgen Müller");
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 3, 2015));  // the date of entry
  EXPECT_TRUE(Findings(r).empty());
  // The answer is also the saved value; nothing was stored.
  SetRanking(r, 3);
  r.ResetBo();
  EXPECT_EQ(r.GetHistory().GetOwnerOfAccount(), "Jürgen Müller");
  EXPECT_TRUE(Listed(EEBankDetailsFilter()).empty());

  // Refused: the object returns to its saved value.
  EEBankDetails stranger = Stored(Account("EMP-99", "DE9"));
  SetRanking(stranger, 4);
  try {
    stranger.GetMigrationEmployee();
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"unknown object id 'EMP-99'");
  }
  EXPECT_EQ(stranger.GetHistory().GetRankingNumber(), 99);
  EXPECT_EQ(CallsOf("getMigrationEmployee").at(1).arguments, Args{Wide(stranger.GetObjectid())});
}

TEST_F(BankDetails, OptionalFilterValuesSelectOnlyWhenSet) {
  Stored(Account("EMP-1", "DE1"));
  EEBankDetails cash = Account("EMP-2", "DE2");
  BankDetailsTP tp = cash.GetHistory();
  tp.SetModeOfPayment(recipient::PAYMENT_IN_CASH);
  tp.SetTruncationScale(bankdetails::TRUNCATE_TO_0_05);
  tp.SetRepetitionOfName(true);
  tp.SetRankingNumber(1);
  cash.SetHistory(tp);
  cash.Commit();
  Stored(Account("EMP-5", "PL5"));

  // A flag set to false selects; a cleared one does not.
  EEBankDetailsFilter repetition, no_repetition, scale, mode, company;
  repetition.SetRepetitionOfNameType(true);
  no_repetition.SetRepetitionOfNameType(false);
  scale.SetTruncationScaleType(bankdetails::TRUNCATE_TO_NONE);
  mode.SetModeOfPayment(recipient::PAYMENT_IN_CASH);
  company.SetOidPCompany("C-2");
  EXPECT_EQ(Listed(repetition), std::vector<std::string>{"DE2"});
  EXPECT_EQ(Listed(no_repetition), (std::vector<std::string>{"DE1", "PL5"}));
  no_repetition.ClearRepetitionOfNameType();
  EXPECT_EQ(Listed(no_repetition), (std::vector<std::string>{"DE1", "DE2", "PL5"}));
  EXPECT_EQ(Listed(scale), (std::vector<std::string>{"DE1", "PL5"}));
  // Several filters select what any of them selects.
  EXPECT_EQ(Listed(std::vector<EEBankDetailsFilter*>{&mode, &company}),
            (std::vector<std::string>{"DE2", "PL5"}));

  base::Sortierung by_ranking;
  by_ranking.AddKey("rankingNumber", false).AddKey("personnelNumber");
  std::vector<EEBankDetailsFilter*> none;
  EXPECT_EQ(Map(EEBankDetails::GetActiveEEBankDetailss(&none, by_ranking), Iban),
            (std::vector<std::string>{"DE1", "PL5", "DE2"}));
  EXPECT_EQ(CallsOf("getActiveEEBankDetails").back().arguments,
            (Args{L"[]", L"rankingNumber desc,personnelNumber asc"}));
}

TEST_F(BankDetails, HistoriesAreAnEmployeesFetchTakesTwoTimePointsCopySendsItsArguments) {
  EEBankDetails first = Stored(Account("EMP-1", "DE1"));
  first.SetValidFrom(VDate(1, 6, 2024));
  SetRanking(first, 2);
  first.Commit();  // a second period
  Stored(Account("EMP-1", "DE2"));
  Stored(Account("EMP-2", "DE9"));

  EXPECT_EQ(Map(EEBankDetails::GetAllEEBankDetailssHistory("EMP-1"), Iban),
            (std::vector<std::string>{"DE1", "DE1", "DE2"}));
  auto const march =
      TakeOwnership(EEBankDetails::GetEffectiveEEBankDetailssHistory("EMP-1", VDate(1, 2, 2024)));
  ASSERT_EQ(march.size(), 2u);
  EXPECT_EQ(march[0]->GetHistory().GetRankingNumber(), 99);
  EXPECT_EQ(CallsOf("getAllEEBankDetailsHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEffectiveEEBankDetailsHistory").at(0).arguments,
            (Args{L"EMP-1", L"2024-03-01"}));

  // Effective in August, valid in March: the period valid in March.
  EEBankDetails at =
      EEBankDetails::GetObjectFromObjectId("BD-1", VDate(15, 7, 2024), VDate(1, 2, 2024));
  EXPECT_EQ(at.GetHistory().GetRankingNumber(), 99);
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"BD-1", L"2024-08-15", L"2024-03-01"}));

  auto const copies =
      TakeOwnership(EEBankDetails::GetBankDetailsForEmployeeCopy("EMP-1", "2025-01-01"));
  ASSERT_EQ(copies.size(), 2u);
  EXPECT_EQ(copies[0]->GetHistory().GetRankingNumber(), 2);
  EXPECT_EQ(CallsOf("getBankDetailsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2025-01-01"}));
}

// The standard behaviour, as bank details show it.
struct BankDetailsKind {
  using Record = EEBankDetails;
  static constexpr char kSet[] = "setEEBankDetails";
  static constexpr char kDelete[] = "deleteEEBankDetails";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static EEBankDetails New(std::string const& oid, int mark) {
    EEBankDetails r = Account(oid, "DE" + std::to_string(mark));
    SetMark(r, mark);
    return r;
  }
  static int Mark(EEBankDetails const& r) {
    return static_cast<int>(r.GetHistory().GetRankingNumber());
  }
  static void SetMark(EEBankDetails& r, int mark) { SetRanking(r, mark); }
  static auto AllHistory(std::string const& oid) {
    return EEBankDetails::GetAllEEBankDetailssHistory(oid);
  }
  static auto Stream(unsigned max_hits) {
    std::vector<EEBankDetailsFilter*> none;
    return EEBankDetails::GetActiveEEBankDetailsCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return EEBankDetails::GetBankDetailsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite is instantiated where it is declared.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(BankDetails, StandardRecord, ::testing::Types<BankDetailsKind>);
}  // namespace testing
}  // namespace ostrel
