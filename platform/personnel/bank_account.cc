#include "bank_account.h"

namespace ostrel {
namespace personnel {

BankAccount::BankAccount() { MakeBoCopy(); }

BankAccount::BankAccount(StructType const& s) : BO(s) { MakeBoCopy(); }

BankAccount::BankAccount(BankAccount const& o) : BO(o) { MakeBoCopy(); }

std::string BankAccount::GetOidBank() const { return std::string(Value().oidBank.in()); }
std::string BankAccount::GetAccountNumber() const {
  return std::string(Value().accountNumber.in());
}
std::string BankAccount::GetIban() const { return std::string(Value().iban.in()); }
std::string BankAccount::GetBic() const { return std::string(Value().bic.in()); }
std::string BankAccount::GetReasonForTransfer() const {
  return std::string(Value().reasonForTransfer.in());
}

void BankAccount::SetOidBank(std::string const& v) { Value().oidBank = v.c_str(); }
void BankAccount::SetAccountNumber(std::string const& v) { Value().accountNumber = v.c_str(); }
void BankAccount::SetIban(std::string const& v) { Value().iban = v.c_str(); }
void BankAccount::SetBic(std::string const& v) { Value().bic = v.c_str(); }
void BankAccount::SetReasonForTransfer(std::string const& v) {
  Value().reasonForTransfer = v.c_str();
}

}  // namespace personnel
}  // namespace ostrel
