// Bank details in the reference server: every operation of
// EEBankDetailsServant on the generic record store.
//
// Values the server fills into every bank details it answers with:
//   - the employee's short view as it is now (the one the client sent when
//     the employee is not one of the server's);
//   - errors, the findings on the period, in this order:
//       100 bankAccount                    payment by transfer without IBAN
//       101 retentionPercentageFromNetPay  outside 0..100
//       103 retentionAmountFromNetPay      both a percentage and an amount
//       104 rankingNumber                  below 1
//     (A percentage or amount that is no number is refused with the other
//     malformed texts before, wire_check.h.) What the client sends as errors
//     is not kept.
//
// getMigrationEmployee stores nothing. It answers the record it is given
// with the employee's short view as the server knows it (an unknown
// employee is refused), the IBAN without blanks in capitals, the owner of
// the account "<first name> <surname>" where it is empty, the employee's
// date of entry as internal valid-from date where there is none, and the
// findings.
//
// The history queries take an employee's object id and answer the periods
// of all of that employee's bank details, record by record.
//
// Filter fields (several filters: any of them; none: every record):
//   modeOfPayment, repetitionOfNameType, truncationType,
//   truncationScaleType, pnr          equal, where set;
//   oidBank, accountNumber, reasonForTransfer
//                                     equal to the account's, where given;
//   ownerOfAccount, oidCompanyAccount, oidPCompany
//                                     equal, where given;
//   surname                           the employee's surname begins with it;
//   listDisplayOfEmployeeEnum         active (withdrawal not before
//                                     fixedDateOfWithDrawal, today where
//                                     unset), withdrawn, or all employees.
//
// Sort keys: rankingNumber, personnelNumber, surname, objectid.
#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "bankdetails_kind.h"
#include "dates.h"
#include "employees.h"
#include "pay_elements.h"
#include "registry.h"
#include "text.h"

namespace {

namespace bd = com::ostrel::personnel::domain::employee::bankdetails;
namespace emp = com::ostrel::personnel::domain::employee;
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace recipient = com::ostrel::personnel::domain::global::recipient;
namespace dates = ostrel::server::dates;
namespace pay = ostrel::server::pay;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::RecordArg;
using pay::Periods;

pbt::ErrorStruct Finding(long code, const wchar_t* message, const char* attribute) {
  pbt::ErrorStruct e{};
  e.errorCode = static_cast<CORBA::Long>(code);
  e.message = message;
  e.attributeName = attribute;
  return e;
}

pbt::ErrorSeq Findings(const bd::BankDetailsTPStruct& tp) {
  std::vector<pbt::ErrorStruct> found;
  if (tp.modeOfPayment == recipient::PAYMENT_BY_TRANSFER && !*tp.bankAccount.iban.in()) {
    found.push_back(Finding(100, L"a payment by transfer needs an IBAN", "bankAccount"));
  }
  const std::string percentage = tp.retentionPercentageFromNetPay.in();
  const std::string amount = tp.retentionAmountFromNetPay.in();
  if (!percentage.empty()) {
    std::optional<double> p = ostrel::server::ParseDecimal(percentage);
    if (!p || *p < 0 || *p > 100) {
      found.push_back(Finding(101, L"the retention percentage must be a number from 0 to 100",
                              "retentionPercentageFromNetPay"));
    }
  }
  if (!percentage.empty() && !amount.empty()) {
    found.push_back(Finding(103, L"retention either as a percentage or as an amount",
                            "retentionAmountFromNetPay"));
  }
  if (tp.rankingNumber < 1) {
    found.push_back(Finding(104, L"the ranking number must be at least 1", "rankingNumber"));
  }
  pbt::ErrorSeq seq;
  seq.length(static_cast<CORBA::ULong>(found.size()));
  for (CORBA::ULong i = 0; i < seq.length(); ++i) seq[i] = found[i];
  return seq;
}

struct BankDetailsKind {
  using Struct = bd::EEBankDetailsStruct;
  using Seq = bd::EEBankDetailsSeq;
  using Filter = bd::EEBankDetailsFilterStruct;
  using FilterSeq = bd::EEBankDetailsFilterSeq;
  using Callback = bd::EEBankDetailsStructCallback;
  using R = Struct;
  using F = Filter;
  static constexpr char kPrefix[] = "BD";
  static constexpr bool kHistoryByEmployee = true;

  static void Decorate(R& r) { r.errors = Findings(r.history); }

  static std::wstring Describe(const F& f) {
    using pay::OptArg;
    return pay::Fields({
        {"modeOfPayment",
         OptArg(f.modeOfPayment, [](auto& u) { return std::to_wstring(u.modeofpayment()); })},
        {"oidBank", Arg(f.oidBank.in())},
        {"accountNumber", Arg(f.accountNumber.in())},
        {"reasonForTransfer", Arg(f.reasonForTransfer.in())},
        {"ownerOfAccount", Arg(f.ownerOfAccount.in())},
        {"repetitionOfNameType",
         OptArg(f.repetitionOfNameType, [](auto& u) { return Arg(bool(u.repetitionofname())); })},
        {"truncationType",
         OptArg(f.truncationType, [](auto& u) { return std::to_wstring(u.truncation()); })},
        {"truncationScaleType",
         OptArg(f.truncationScaleType,
                [](auto& u) { return std::to_wstring(u.truncationscale()); })},
        {"oidCompanyAccount", Arg(f.oidCompanyAccount.in())},
        {"oidPCompany", Arg(f.oidPCompany.in())},
        {"pnr", OptArg(f.pnr, [](auto& u) { return std::to_wstring(u.pnr()); })},
        {"surname", Arg(f.surname.in())},
        {"fixedDateOfWithDrawal", Arg(f.fixedDateOfWithDrawal.in())},
        {"listDisplayOfEmployeeEnum", std::to_wstring(f.listDisplayOfEmployeeEnum)},
    });
  }

  static constexpr pay::Condition<F, R> kConditions[] = {
      [](const F& f, const R& r) {
        return !f.modeOfPayment._d() || f.modeOfPayment.modeofpayment() == r.history.modeOfPayment;
      },
      [](const F& f, const R& r) {
        const pbt::BankAccountStruct& a = r.history.bankAccount;
        return pay::Same(f.oidBank.in(), a.oidBank.in()) &&
               pay::Same(f.accountNumber.in(), a.accountNumber.in()) &&
               pay::Same(f.reasonForTransfer.in(), a.reasonForTransfer.in());
      },
      [](const F& f, const R& r) {
        return pay::Same(f.ownerOfAccount.in(), r.history.ownerOfAccount.in());
      },
      [](const F& f, const R& r) {
        return !f.repetitionOfNameType._d() ||
               bool(f.repetitionOfNameType.repetitionofname()) == bool(r.history.repetitionOfName);
      },
      [](const F& f, const R& r) {
        return !f.truncationType._d() || f.truncationType.truncation() == r.history.truncation;
      },
      [](const F& f, const R& r) {
        return !f.truncationScaleType._d() ||
               f.truncationScaleType.truncationscale() == r.history.truncationScale;
      },
      [](const F& f, const R& r) {
        return pay::Same(f.oidCompanyAccount.in(), r.history.oidCompanyAccount.in());
      },
      [](const F& f, const R& r) {
        const emp::EmployeeShortStruct& e = r.root.employeeShort;
        return pay::Same(f.oidPCompany.in(), e.oidPCompany.in()) &&
               (!f.pnr._d() || f.pnr.pnr() == e.personnelNumber) &&
               pay::SurnameStartsWith(e, f.surname.in());
      },
      pay::ListDisplay<F, R>,
  };

  static inline const std::vector<pay::SortKey<R>> kSortKeys = {
      {"rankingNumber", pay::ByValue<R>([](const R& r) { return r.history.rankingNumber; })},
  };
};

std::string NormalizedIban(const char* iban) {
  std::string out;
  for (const char* c = iban; *c; ++c) {
    if (*c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
  }
  return out;
}

class EEBankDetailsServantImpl
    : public POA_com::ostrel::personnel::domain::employee::bankdetails::EEBankDetailsServant,
      public pay::PayElementServant<BankDetailsKind> {
 public:
  using PayElementServant::PayElementServant;

  bd::EEBankDetailsStruct* createEEBankDetails(AccessToken_ptr token,
                                               const bd::EEBankDetailsStruct& r) override {
    return Create(token, "createEEBankDetails", r);
  }
  bd::EEBankDetailsStruct* addEEBankDetails(AccessToken_ptr token, const bd::EEBankDetailsStruct& r,
                                            CORBA::Boolean removeNew) override {
    return Add(token, "addEEBankDetails", r, removeNew);
  }
  bd::EEBankDetailsStruct* setEEBankDetails(AccessToken_ptr token, const bd::EEBankDetailsStruct& r,
                                            CORBA::Boolean removeNew) override {
    return Set(token, "setEEBankDetails", r, removeNew);
  }
  void deleteEEBankDetails(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                           CORBA::Long version) override {
    Delete(token, "deleteEEBankDetails", oidEmployee, oid, version);
  }
  bd::EEBankDetailsStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                 const char* effective,
                                                 const char* valid) override {
    return GetAt(token, oid, effective, valid);
  }
  void getActiveEEBankDetailsCB(AccessToken_ptr token, const bd::EEBankDetailsFilterSeq& filter,
                                const bd::SortierungStruct& sort,
                                bd::EEBankDetailsStructCallback_ptr callback) override {
    StreamList(token, "getActiveEEBankDetailsCB", filter, sort, callback);
  }
  bd::EEBankDetailsSeq* getActiveEffectiveEEBankDetailsHistory(AccessToken_ptr token,
                                                               const char* oidEmployee) override {
    return History(token, "getActiveEffectiveEEBankDetailsHistory", oidEmployee, Periods::kActive);
  }
  bd::EEBankDetailsSeq* getAllEEBankDetailsHistory(AccessToken_ptr token,
                                                   const char* oidEmployee) override {
    return History(token, "getAllEEBankDetailsHistory", oidEmployee, Periods::kAll);
  }
  bd::EEBankDetailsSeq* getEffectiveEEBankDetailsHistory(AccessToken_ptr token,
                                                         const char* oidEmployee,
                                                         const char* effective) override {
    return EffectiveHistory(token, "getEffectiveEEBankDetailsHistory", oidEmployee,
                            {"EffectiveTimePoint", effective});
  }
  bd::EEBankDetailsSeq* getActiveEEBankDetails(AccessToken_ptr token,
                                               const bd::EEBankDetailsFilterSeq& filter,
                                               const bd::SortierungStruct& sort) override {
    return List(token, "getActiveEEBankDetails", filter, sort);
  }
  bd::EEBankDetailsSeq* getBankDetailsForEmployeeCopy(AccessToken_ptr token,
                                                      const char* oidEmployee,
                                                      const char* validFrom) override {
    return CopyForEmployee(token, "getBankDetailsForEmployeeCopy", oidEmployee, validFrom);
  }

  bd::EEBankDetailsStruct* getMigrationEmployee(AccessToken_ptr token,
                                                const bd::EEBankDetailsStruct& existing) override {
    Enter(token, "getMigrationEmployee", {RecordArg(existing)}, existing);
    bd::EEBankDetailsStruct r = existing;
    const emp::EmployeeShortStruct e = ostrel::server::KnownEmployee(
        core_, existing.root.employeeShort.objectStruct.objectid.in());
    r.root.employeeShort = e;
    r.history.bankAccount.iban = NormalizedIban(existing.history.bankAccount.iban.in()).c_str();
    if (!*r.history.ownerOfAccount.in()) {
      r.history.ownerOfAccount =
          ostrel::server::Narrow(std::wstring(e.firstname.in()) + L" " + e.surname.in()).c_str();
    }
    if (dates::IsUnset(r.history.timePeriod.internalValidFrom.in())) {
      r.history.timePeriod.internalValidFrom = e.dateOfEntry;
    }
    return Out(r);
  }
};

ostrel::server::RegisterServant<EEBankDetailsServantImpl> registration(
    ostrel::EEBankDetailsService::kName);

}  // namespace
