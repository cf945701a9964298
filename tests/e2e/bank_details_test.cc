// Bank details end to end against the reference server: the three-way
// commit and the long delete, the findings that come back as the record's
// third member, the migration as an instance operation, the histories by
// employee and the filter's optional values. The server's seeded
// employees are used: EMP-1 (company C-1, 1001, Jürgen Müller, entered
// 2015-04-01), EMP-2 (C-1, 1002, Schäfer), EMP-3 (C-1, withdrawn
// 2024-01-31) and EMP-5 (C-2, 2001).
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "pay/bank_details.h"
#include "reference_server.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
namespace recipient = com::ostrel::personnel::domain::global::recipient;
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

std::wstring W(std::string const& s) { return std::wstring(s.begin(), s.end()); }

using Args = std::vector<std::wstring>;

// (code, attribute) of each finding, in the server's order.
std::vector<std::pair<long, std::string>> Findings(EEBankDetails& r) {
  Owned<personnel::Error> errors = Own(r.GetErrors());
  std::vector<std::pair<long, std::string>> out;
  for (personnel::Error* e : *errors) out.emplace_back(e->GetErrorCode(), e->GetAttributeName());
  return out;
}

class BankDetails : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }

  // New bank details of `employee`, paid by transfer to `iban`, valid from
  // 1 January 2024.
  static EEBankDetails Account(std::string const& employee, std::string const& iban) {
    EEBankDetails r;
    BankDetailsRoot root = r.GetRoot();
    EmployeeShort e = root.GetRoot();
    e.SetObjectid(employee);
    root.SetEmployeeShort(e);
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
  static EEBankDetails Stored(EEBankDetails r) {
    r.Commit();
    return r;
  }

  static void SetRanking(EEBankDetails& r, long ranking) {
    BankDetailsTP tp = r.GetHistory();
    tp.SetRankingNumber(ranking);
    r.SetHistory(tp);
  }

  static std::vector<std::string> Ibans(std::vector<EEBankDetails*> const& list) {
    std::vector<std::string> out;
    for (EEBankDetails* r : list) out.push_back(r->GetHistory().GetBankAccount().GetIban());
    return out;
  }
  static std::vector<std::string> Listed(std::vector<EEBankDetailsFilter*> const& filters) {
    return Ibans(*Own(EEBankDetails::GetActiveEEBankDetailss(&filters, base::Sortierung())));
  }
  static std::vector<std::string> Listed(EEBankDetailsFilter const& f) {
    EEBankDetailsFilter copy = f;
    return Listed(std::vector<EEBankDetailsFilter*>{&copy});
  }
};

TEST_F(BankDetails, CommitCreatesSetsOrAddsAndTakesTheFindings) {
  EEBankDetails r = Account("EMP-1", "");  // by transfer, but no IBAN
  r.Commit();
  EXPECT_EQ(CallsOf("createEEBankDetails").at(0).arguments, Args{L"<new>"});
  EXPECT_EQ(r.GetObjectid(), "BD-1");
  EXPECT_EQ(r.GetRoot().GetRoot().GetSurname(), L"Müller");
  EXPECT_EQ(r.GetErrorCount(), 0);  // not read yet
  EXPECT_EQ(Findings(r), (std::vector<std::pair<long, std::string>>{{100, "bankAccount"}}));
  EXPECT_EQ(r.GetErrorCount(), 1);

  // Same valid-from date: set; the findings follow the new period.
  BankDetailsTP tp = r.GetHistory();
  personnel::BankAccount account = tp.GetBankAccount();
  account.SetIban("DE02120300000000202051");
  tp.SetBankAccount(account);
  r.SetHistory(tp);
  r.SetRemoveNew(false);
  r.Commit();
  EXPECT_EQ(CallsOf("setEEBankDetails").at(0).arguments, (Args{L"BD-1", L"false"}));
  EXPECT_TRUE(Findings(r).empty());
  EXPECT_EQ(r.GetErrorCount(), 0);

  // A new valid-from date: add, which closes the first period.
  SetRanking(r, 2);
  r.SetValidFrom(VDate(1, 6, 2024));
  r.SetRemoveNew(true);
  r.Commit();
  EXPECT_EQ(CallsOf("addEEBankDetails").at(0).arguments, (Args{L"BD-1", L"true"}));
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 6, 2024));
  EXPECT_EQ(r.GetHistory().GetRankingNumber(), 2);
  auto all = Own(EEBankDetails::GetAllEEBankDetailssHistory("EMP-1"));
  ASSERT_EQ(all->size(), 2u);
  EXPECT_EQ((*all)[0]->GetValidUntil(), VDate(30, 5, 2024));
  EXPECT_EQ((*all)[0]->GetHistory().GetRankingNumber(), 99);
}

TEST_F(BankDetails, FindingsArriveInTheServersOrder) {
  EEBankDetails r = Account("EMP-2", "");
  BankDetailsTP tp = r.GetHistory();
  tp.SetRetentionPercentageFromNetPay(VFixed("150"));
  tp.SetRetentionAmountFromNetPay(VFixed("20.00"));
  tp.SetRankingNumber(0);
  r.SetHistory(tp);
  r.Commit();
  Owned<personnel::Error> errors = Own(r.GetErrors());
  ASSERT_EQ(errors->size(), 4u);
  EXPECT_EQ((*errors)[0]->GetErrorCode(), 100);
  EXPECT_EQ((*errors)[1]->GetErrorCode(), 101);
  EXPECT_EQ((*errors)[1]->GetMessage(), L"the retention percentage must be a number from 0 to 100");
  EXPECT_EQ((*errors)[2]->GetAttributeName(), "retentionAmountFromNetPay");
  EXPECT_EQ((*errors)[3]->GetAttributeName(), "rankingNumber");
  // What the client sets is not what the server keeps.
  r.SetErrors(nullptr);
  SetRanking(r, 5);
  r.Commit();
  EXPECT_EQ(Findings(r).size(), 3u);
}

TEST_F(BankDetails, FailedCommitAndDeleteReturnToTheSavedValue) {
  EEBankDetails r = Stored(Account("EMP-1", "DE1"));
  SetRanking(r, 7);
  InjectFault("setEEBankDetails", ref::RAISE_DOMAIN, L"ranking taken");
  EXPECT_THROW(r.Commit(), base::VException);
  EXPECT_EQ(r.GetHistory().GetRankingNumber(), 99);
  EXPECT_EQ(r.GetVersion(), 1);

  SetRanking(r, 8);
  InjectFault("deleteEEBankDetails", ref::RAISE_PERSISTENCY, L"in use");
  EXPECT_THROW(r.Delete(), base::VException);
  EXPECT_EQ(r.GetHistory().GetRankingNumber(), 99);  // the long form resets

  r.Delete();
  EXPECT_EQ(CallsOf("deleteEEBankDetails").at(1).arguments, (Args{L"EMP-1", L"BD-1", L"1"}));
  EXPECT_TRUE(Listed(EEBankDetailsFilter()).empty());
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
  EXPECT_EQ(r.GetHistory().GetBankAccount().GetIban(), "DE44500105175407324931");
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
  EXPECT_EQ(CallsOf("getMigrationEmployee").at(1).arguments, Args{W(stranger.GetObjectid())});
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
  auto sorted = Own(EEBankDetails::GetActiveEEBankDetailss(&none, by_ranking));
  EXPECT_EQ(Ibans(*sorted), (std::vector<std::string>{"DE1", "PL5", "DE2"}));
  EXPECT_EQ(CallsOf("getActiveEEBankDetails").back().arguments,
            (Args{L"[]", L"rankingNumber desc,personnelNumber asc"}));
}

TEST_F(BankDetails, StreamedList) {
  for (std::string iban : {"DE1", "DE2", "DE3"}) Stored(Account("EMP-2", iban));
  EEBankDetailsFilter company;
  company.SetOidPCompany("C-1");
  std::vector<EEBankDetailsFilter*> filters{&company};
  std::unique_ptr<EEBankDetails::Callback> cb(
      EEBankDetails::GetActiveEEBankDetailsCB(&filters, base::Sortierung(), 2));
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(10000)));
  EXPECT_EQ(cb->GetReceived(), 2u);
  std::vector<EEBankDetails*> got = cb->TakeAll();
  EXPECT_EQ(Ibans(got), (std::vector<std::string>{"DE1", "DE2"}));
  for (EEBankDetails* r : got) delete r;
  EXPECT_EQ(CallsOf("getActiveEEBankDetailsCB").size(), 1u);
}

TEST_F(BankDetails, HistoriesAreAnEmployeesFetchAndCopySendTheirArguments) {
  EEBankDetails first = Stored(Account("EMP-1", "DE1"));
  first.SetValidFrom(VDate(1, 6, 2024));
  SetRanking(first, 2);
  first.Commit();  // a second period
  Stored(Account("EMP-1", "DE2"));
  Stored(Account("EMP-2", "DE9"));

  EXPECT_EQ(Ibans(*Own(EEBankDetails::GetAllEEBankDetailssHistory("EMP-1"))),
            (std::vector<std::string>{"DE1", "DE1", "DE2"}));
  EXPECT_EQ(Own(EEBankDetails::GetActiveEffectiveEEBankDetailssHistory("EMP-1"))->size(), 3u);
  auto march = Own(EEBankDetails::GetEffectiveEEBankDetailssHistory("EMP-1", VDate(1, 2, 2024)));
  ASSERT_EQ(march->size(), 2u);
  EXPECT_EQ((*march)[0]->GetHistory().GetRankingNumber(), 99);
  EXPECT_EQ(CallsOf("getAllEEBankDetailsHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getActiveEffectiveEEBankDetailsHistory").at(0).arguments, Args{L"EMP-1"});
  EXPECT_EQ(CallsOf("getEffectiveEEBankDetailsHistory").at(0).arguments,
            (Args{L"EMP-1", L"2024-03-01"}));

  EEBankDetails at =
      EEBankDetails::GetObjectFromObjectId("BD-1", VDate(-1, -1, -1), VDate(1, 2, 2024));
  EXPECT_EQ(at.GetHistory().GetRankingNumber(), 99);  // the period valid in March
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"BD-1", L"0000-00-00", L"2024-03-01"}));

  auto copies = Own(EEBankDetails::GetBankDetailsForEmployeeCopy("EMP-1", "2025-01-01"));
  EXPECT_EQ(Ibans(*copies), (std::vector<std::string>{"DE1", "DE2"}));
  EXPECT_TRUE((*copies)[0]->IsNew());
  EXPECT_EQ((*copies)[0]->GetHistory().GetRankingNumber(), 2);
  EXPECT_EQ(CallsOf("getBankDetailsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2025-01-01"}));
}

}  // namespace
}  // namespace ostrel
