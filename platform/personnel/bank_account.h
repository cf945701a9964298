// BankAccount: the account a payment goes to.
#ifndef OSTREL_PERSONNEL_BANK_ACCOUNT_H_
#define OSTREL_PERSONNEL_BANK_ACCOUNT_H_

#include <string>

#include "bo.h"
#include "personnel.hh"

namespace ostrel {
namespace personnel {

// A default BankAccount is all empty. Every constructor takes the saved
// value, so ResetBo() returns to the constructed state.
class BankAccount
    : public base::BO<com::ostrel::personnel::framework::basictypes::BankAccountStruct> {
 public:
  BankAccount();
  explicit BankAccount(StructType const& s);
  BankAccount(BankAccount const& o);
  BankAccount& operator=(BankAccount const&) = default;

  std::string GetOidBank() const;
  std::string GetAccountNumber() const;
  std::string GetIban() const;
  std::string GetBic() const;
  std::string GetReasonForTransfer() const;

  void SetOidBank(std::string const& v);
  void SetAccountNumber(std::string const& v);
  void SetIban(std::string const& v);
  void SetBic(std::string const& v);
  void SetReasonForTransfer(std::string const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_BANK_ACCOUNT_H_
