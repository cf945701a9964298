#include "pay/bank_details.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEBankDetailsService>;
using bankdetails::EEBankDetailsServant_ptr;
using Token = AccessToken_ptr;
namespace basictypes = com::ostrel::personnel::framework::basictypes;

// --- root part ----------------------------------------------------------

BankDetailsRoot::BankDetailsRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}
BankDetailsRoot::BankDetailsRoot(bankdetails::BankDetailsRootStruct const& s) : BO(s) {}
BankDetailsRoot::BankDetailsRoot(BankDetailsRoot const& o) : BO(o) { MakeBoCopy(); }

EmployeeShort BankDetailsRoot::GetRoot() const { return EmployeeShort(Value().employeeShort); }
void BankDetailsRoot::SetEmployeeShort(EmployeeShort const& v) {
  Value().employeeShort = v.ToIdl();
}

// --- period part --------------------------------------------------------

BankDetailsTP::BankDetailsTP() {
  SetModeOfPayment(static_cast<ModeOfPaymentEnum>(0));
  SetRankingNumber(99);
  SetTruncation(static_cast<TruncationEnum>(0));
  SetTruncationScale(static_cast<TruncationScaleEnum>(7));
  SetTypeOfBankTransferEnum(static_cast<TypeOfBankTransferEnum>(1));
  SetIncludedRetroactiveCalculation(true);
  SetDeductionFromNetIncome(true);
  SetForSalary(true);
  SetForAnticipationAndAdvancePayment(false);
  // Not a default of its own; set so that no flag of a new period is
  // indeterminate on the wire.
  SetRepetitionOfName(false);
  MakeBoCopy();
}
BankDetailsTP::BankDetailsTP(bankdetails::BankDetailsTPStruct const& s) : BO(s) {}
BankDetailsTP::BankDetailsTP(BankDetailsTP const& o) : BO(o) { MakeBoCopy(); }

BankDetailsTP::ModeOfPaymentEnum BankDetailsTP::GetModeOfPayment() const {
  return Value().modeOfPayment;
}
void BankDetailsTP::SetModeOfPayment(ModeOfPaymentEnum v) { Value().modeOfPayment = v; }
personnel::BankAccount BankDetailsTP::GetBankAccount() const {
  return personnel::BankAccount(Value().bankAccount);
}
void BankDetailsTP::SetBankAccount(personnel::BankAccount const& v) {
  Value().bankAccount = v.ToIdl();
}
std::string BankDetailsTP::GetOwnerOfAccount() const { return field::Text(Value().ownerOfAccount); }
void BankDetailsTP::SetOwnerOfAccount(std::string const& v) {
  field::SetText(Value().ownerOfAccount, v);
}
bool BankDetailsTP::GetRepetitionOfName() const { return Value().repetitionOfName; }
void BankDetailsTP::SetRepetitionOfName(bool v) { Value().repetitionOfName = v; }
base::VFixed BankDetailsTP::GetRetentionPercentageFromNetPay() const {
  return field::Fixed(Value().retentionPercentageFromNetPay);
}
void BankDetailsTP::SetRetentionPercentageFromNetPay(base::VFixed const& v) {
  field::SetFixed(Value().retentionPercentageFromNetPay, v);
}
base::VFixed BankDetailsTP::GetRetentionAmountFromNetPay() const {
  return field::Fixed(Value().retentionAmountFromNetPay);
}
void BankDetailsTP::SetRetentionAmountFromNetPay(base::VFixed const& v) {
  field::SetFixed(Value().retentionAmountFromNetPay, v);
}
BankDetailsTP::TruncationEnum BankDetailsTP::GetTruncation() const { return Value().truncation; }
void BankDetailsTP::SetTruncation(TruncationEnum v) { Value().truncation = v; }
BankDetailsTP::TruncationScaleEnum BankDetailsTP::GetTruncationScale() const {
  return Value().truncationScale;
}
void BankDetailsTP::SetTruncationScale(TruncationScaleEnum v) { Value().truncationScale = v; }
std::string BankDetailsTP::GetOidCompanyAccount() const {
  return field::Text(Value().oidCompanyAccount);
}
void BankDetailsTP::SetOidCompanyAccount(std::string const& v) {
  field::SetText(Value().oidCompanyAccount, v);
}
BankDetailsTP::TypeOfBankTransferEnum BankDetailsTP::GetTypeOfBankTransferEnum() const {
  return Value().typeOfBankTransferEnum;
}
void BankDetailsTP::SetTypeOfBankTransferEnum(TypeOfBankTransferEnum v) {
  Value().typeOfBankTransferEnum = v;
}
long BankDetailsTP::GetRankingNumber() const { return Value().rankingNumber; }
void BankDetailsTP::SetRankingNumber(long v) {
  Value().rankingNumber = static_cast<CORBA::Long>(v);
}
std::string BankDetailsTP::GetRetentionOidValueTypesFromNetPay() const {
  return field::Text(Value().retentionOidValueTypesFromNetPay);
}
void BankDetailsTP::SetRetentionOidValueTypesFromNetPay(std::string const& v) {
  field::SetText(Value().retentionOidValueTypesFromNetPay, v);
}
bool BankDetailsTP::GetIncludedRetroactiveCalculation() const {
  return Value().includedRetroactiveCalculation;
}
void BankDetailsTP::SetIncludedRetroactiveCalculation(bool v) {
  Value().includedRetroactiveCalculation = v;
}
bool BankDetailsTP::GetDeductionFromNetIncome() const { return Value().deductionFromNetIncome; }
void BankDetailsTP::SetDeductionFromNetIncome(bool v) { Value().deductionFromNetIncome = v; }
bool BankDetailsTP::GetForSalary() const { return Value().forSalary; }
void BankDetailsTP::SetForSalary(bool v) { Value().forSalary = v; }
bool BankDetailsTP::GetForAnticipationAndAdvancePayment() const {
  return Value().forAnticipationAndAdvancePayment;
}
void BankDetailsTP::SetForAnticipationAndAdvancePayment(bool v) {
  Value().forAnticipationAndAdvancePayment = v;
}

// --- filter -------------------------------------------------------------

EEBankDetailsFilter::EEBankDetailsFilter() { ClearEEBankDetailsFilter(); }

void EEBankDetailsFilter::ClearEEBankDetailsFilter() {
  ClearModeOfPayment();
  SetOidBank("");
  SetAccountNumber("");
  SetReasonForTransfer("");
  SetOwnerOfAccount("");
  ClearRepetitionOfNameType();
  ClearTruncationType();
  ClearTruncationScaleType();
  SetOidCompanyAccount("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(static_cast<basictypes::ListDisplayOfEmployeeEnum>(0));
}

void EEBankDetailsFilter::SetModeOfPayment(bankdetails::ModeOfPaymentEnum v) {
  filter_.modeOfPayment.modeofpayment(v);
}
void EEBankDetailsFilter::ClearModeOfPayment() { filter_.modeOfPayment._default(); }
void EEBankDetailsFilter::SetOidBank(std::string const& v) { field::SetText(filter_.oidBank, v); }
void EEBankDetailsFilter::SetAccountNumber(std::string const& v) {
  field::SetText(filter_.accountNumber, v);
}
void EEBankDetailsFilter::SetReasonForTransfer(std::string const& v) {
  field::SetText(filter_.reasonForTransfer, v);
}
void EEBankDetailsFilter::SetOwnerOfAccount(std::string const& v) {
  field::SetText(filter_.ownerOfAccount, v);
}
void EEBankDetailsFilter::SetRepetitionOfNameType(bool v) {
  filter_.repetitionOfNameType.repetitionofname(v);
}
void EEBankDetailsFilter::ClearRepetitionOfNameType() { filter_.repetitionOfNameType._default(); }
void EEBankDetailsFilter::SetTruncationType(bankdetails::TruncationEnum v) {
  filter_.truncationType.truncation(v);
}
void EEBankDetailsFilter::ClearTruncationType() { filter_.truncationType._default(); }
void EEBankDetailsFilter::SetTruncationScaleType(bankdetails::TruncationScaleEnum v) {
  filter_.truncationScaleType.truncationscale(v);
}
void EEBankDetailsFilter::ClearTruncationScaleType() { filter_.truncationScaleType._default(); }
void EEBankDetailsFilter::SetOidCompanyAccount(std::string const& v) {
  field::SetText(filter_.oidCompanyAccount, v);
}
void EEBankDetailsFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EEBankDetailsFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void EEBankDetailsFilter::ClearPnr() { filter_.pnr._default(); }
void EEBankDetailsFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void EEBankDetailsFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EEBankDetailsFilter::SetListDisplayOfEmployeeEnum(basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}

// --- record operations --------------------------------------------------

namespace {

auto const kCreate = [](EEBankDetailsServant_ptr s, Token t, auto const& v) {
  return s->createEEBankDetails(t, v);
};
auto const kAdd = [](EEBankDetailsServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->addEEBankDetails(t, v, removeNew);
};
auto const kSet = [](EEBankDetailsServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->setEEBankDetails(t, v, removeNew);
};
auto const kDelete = [](EEBankDetailsServant_ptr s, Token t, char const* e, char const* o,
                        CORBA::Long v) { s->deleteEEBankDetails(t, e, o, v); };

}  // namespace

void EEBankDetails::Commit() { CommitThreeWay<EEBankDetailsService>(kCreate, kAdd, kSet); }

void EEBankDetails::Delete() { StandardDelete<EEBankDetailsService>(kDelete, OnFailure::kReset); }

void EEBankDetails::GetMigrationEmployee() {
  RemoteWrite<EEBankDetailsService>(
      [this](EEBankDetailsServant_ptr s, Token t) {
        bankdetails::EEBankDetailsStruct_var r = s->getMigrationEmployee(t, ToIdl());
        TakeOver(r.in());
      },
      OnFailure::kReset);
}

std::vector<personnel::Error*>* EEBankDetails::GetErrors() { return errors_.Get(Value().errors); }

void EEBankDetails::SetErrors(std::vector<personnel::Error*> const* errors) {
  ErrorList::Set(Value().errors, errors);
}

std::vector<EEBankDetails*>* EEBankDetails::GetActiveEEBankDetailss(
    std::vector<EEBankDetailsFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEBankDetails>(
      [](EEBankDetailsServant_ptr s, Token t, auto const& f, auto const& o) {
        return s->getActiveEEBankDetails(t, f, o);
      },
      ToIdlSeq<bankdetails::EEBankDetailsFilterSeq>(filters), sort.ToIdl());
}

EEBankDetails::Callback* EEBankDetails::GetActiveEEBankDetailsCB(
    std::vector<EEBankDetailsFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](EEBankDetailsServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveEEBankDetailsCB(t, f, o, cb);
      },
      ToIdlSeq<bankdetails::EEBankDetailsFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEBankDetails*>* EEBankDetails::GetAllEEBankDetailssHistory(std::string oid_employee) {
  return Remote_::List<EEBankDetails>(
      [](EEBankDetailsServant_ptr s, Token t, std::string const& e) {
        return s->getAllEEBankDetailsHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEBankDetails*>* EEBankDetails::GetActiveEffectiveEEBankDetailssHistory(
    std::string oid_employee) {
  return Remote_::List<EEBankDetails>(
      [](EEBankDetailsServant_ptr s, Token t, std::string const& e) {
        return s->getActiveEffectiveEEBankDetailsHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEBankDetails*>* EEBankDetails::GetEffectiveEEBankDetailssHistory(
    std::string oid_employee, base::VDate effective) {
  return Remote_::List<EEBankDetails>(
      [](EEBankDetailsServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEffectiveEEBankDetailsHistory(t, e.c_str(), d.c_str());
      },
      oid_employee, effective.ToIdl());
}

std::vector<EEBankDetails*>* EEBankDetails::GetBankDetailsForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEBankDetails>(
      [](EEBankDetailsServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getBankDetailsForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

EEBankDetails EEBankDetails::GetObjectFromObjectId(std::string const& oid,
                                                   base::VDate const& effective,
                                                   base::VDate const& valid) {
  return Remote_::Fetch<EEBankDetails>(
      [](EEBankDetailsServant_ptr s, Token t, std::string const& o, std::string const& e,
         std::string const& v) {
        return s->getObjectFromObjectId(t, o.c_str(), e.c_str(), v.c_str());
      },
      oid, effective.ToIdl(), valid.ToIdl());
}

}  // namespace ostrel
