// A bank account of an employee, with the server's findings on it.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "pay/bankdetails.h"
#include "walk.h"

namespace demo {
namespace {

void AddBankAccount(Walk& walk) {
  ostrel::EEBankDetails account;
  ostrel::BankDetailsRoot root = account.GetRoot();
  ostrel::EmployeeShort e = root.GetRoot();
  e.SetObjectid("EMP-2");
  root.SetEmployeeShort(e);
  account.SetRoot(root);
  ostrel::BankDetailsTP tp = account.GetHistory();
  ostrel::personnel::BankAccount bank = tp.GetBankAccount();
  bank.SetIban("DE02120300000000202051");
  bank.SetOidBank("BANK-DE");
  tp.SetBankAccount(bank);
  tp.SetOwnerOfAccount("Anna-Lena Schaefer");
  account.SetHistory(tp);
  account.SetValidFrom(VDate(1, 0, 2024));
  account.Commit();
  auto findings = TakeOwnership(account.GetErrors());
  std::cout << "bank account " << account.GetObjectid() << " of "
            << Name(account.GetRoot().GetRoot()) << ": IBAN "
            << account.GetHistory().GetBankAccount().GetIban() << ", ranking "
            << account.GetHistory().GetRankingNumber() << ", " << findings.size() << " findings\n";
  for (auto const& f : findings) {
    std::cout << "  finding " << f->GetErrorCode() << " on " << f->GetAttributeName() << ": "
              << U8(f->GetMessage()) << "\n";
  }
  walk.Touch("bank details", "Commit (create), GetErrors",
             account.GetObjectid() + ", " + std::to_string(findings.size()) + " findings");
}

Register account(300, AddBankAccount);

}  // namespace
}  // namespace demo
