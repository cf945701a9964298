// Bank details in the reference server: every operation of
// EEBankDetailsServant on the generic record store.
//
// Values the server fills into every bank details it answers with:
//   - the employee's short view as it is now (the one the client sent when
//     the employee is not one of the server's);
//   - errors, the findings on the period, in this order:
//       100 bankAccount                    payment by transfer without IBAN
//       101 retentionPercentageFromNetPay  no number, or outside 0..100
//       102 retentionAmountFromNetPay      no number
//       103 retentionAmountFromNetPay      both a percentage and an amount
//       104 rankingNumber                  below 1
//     What the client sends as errors is not kept.
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
#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bankdetails.hh"
#include "dates.h"
#include "employees.h"
#include "pay_elements.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace bd = com::ostrel::personnel::domain::employee::bankdetails;
namespace emp = com::ostrel::personnel::domain::employee;
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace recipient = com::ostrel::personnel::domain::global::recipient;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
namespace pay = ostrel::server::pay;
using ostrel::server::Arg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using Store = ostrel::server::RecordStore<bd::EEBankDetailsStruct>;
using com::ostrel::serverbase::access::AccessToken_ptr;

constexpr char kName[] =
    "com.ostrel.personnel.servantimpl.employee.bankdetails.EEBankDetailsServantImpl";

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
  if (!amount.empty() && !ostrel::server::IsDecimal(amount)) {
    found.push_back(
        Finding(102, L"the retention amount must be a number", "retentionAmountFromNetPay"));
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

std::wstring Describe(const bd::EEBankDetailsFilterStruct& f) {
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
       OptArg(f.truncationScaleType, [](auto& u) { return std::to_wstring(u.truncationscale()); })},
      {"oidCompanyAccount", Arg(f.oidCompanyAccount.in())},
      {"oidPCompany", Arg(f.oidPCompany.in())},
      {"pnr", OptArg(f.pnr, [](auto& u) { return std::to_wstring(u.pnr()); })},
      {"surname", Arg(f.surname.in())},
      {"fixedDateOfWithDrawal", Arg(f.fixedDateOfWithDrawal.in())},
      {"listDisplayOfEmployeeEnum", std::to_wstring(f.listDisplayOfEmployeeEnum)},
  });
}

bool Matches(const bd::EEBankDetailsFilterStruct& f, const bd::EEBankDetailsStruct& r) {
  const emp::EmployeeShortStruct& e = r.root.employeeShort;
  const bd::BankDetailsTPStruct& tp = r.history;
  if (f.modeOfPayment._d() && f.modeOfPayment.modeofpayment() != tp.modeOfPayment) return false;
  if (!pay::Same(f.oidBank.in(), tp.bankAccount.oidBank.in())) return false;
  if (!pay::Same(f.accountNumber.in(), tp.bankAccount.accountNumber.in())) return false;
  if (!pay::Same(f.reasonForTransfer.in(), tp.bankAccount.reasonForTransfer.in())) return false;
  if (!pay::Same(f.ownerOfAccount.in(), tp.ownerOfAccount.in())) return false;
  if (f.repetitionOfNameType._d() &&
      bool(f.repetitionOfNameType.repetitionofname()) != bool(tp.repetitionOfName)) {
    return false;
  }
  if (f.truncationType._d() && f.truncationType.truncation() != tp.truncation) return false;
  if (f.truncationScaleType._d() && f.truncationScaleType.truncationscale() != tp.truncationScale) {
    return false;
  }
  if (!pay::Same(f.oidCompanyAccount.in(), tp.oidCompanyAccount.in())) return false;
  if (!pay::Same(f.oidPCompany.in(), e.oidPCompany.in())) return false;
  if (f.pnr._d() && f.pnr.pnr() != e.personnelNumber) return false;
  if (!pay::SurnameStartsWith(e, f.surname.in())) return false;
  return pay::Displayed(f.listDisplayOfEmployeeEnum, e, f.fixedDateOfWithDrawal.in());
}

Store::Ordering Ordering(const bd::SortierungStruct& sort) {
  using ostrel::server::CompareValue;
  using ostrel::server::SortField;
  using R = bd::EEBankDetailsStruct;
  static const std::map<std::string, SortField<R>> kFields = [] {
    auto f =
        ostrel::server::EmployeeSortFields<R>([](const R& r) -> const auto& { return r.root; });
    f.emplace("rankingNumber", [](const R& a, const R& b) {
      return CompareValue(a.history.rankingNumber, b.history.rankingNumber);
    });
    return f;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

std::string NormalizedIban(const char* iban) {
  std::string out;
  for (const char* c = iban; *c; ++c) {
    if (*c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
  }
  return out;
}

class EEBankDetailsServantImpl
    : public POA_com::ostrel::personnel::domain::employee::bankdetails::EEBankDetailsServant,
      public ostrel::server::RecordServant {
 public:
  explicit EEBankDetailsServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<bd::EEBankDetailsStruct>("BD")) {}

  bd::EEBankDetailsStruct* createEEBankDetails(AccessToken_ptr token,
                                               const bd::EEBankDetailsStruct& r) override {
    const std::wstring user = Enter(token, "createEEBankDetails", {RecordArg(r)});
    return Out(store_.Create(user, r));
  }

  bd::EEBankDetailsStruct* addEEBankDetails(AccessToken_ptr token, const bd::EEBankDetailsStruct& r,
                                            CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "addEEBankDetails", {RecordArg(r), Arg(removeNew)});
    return Out(store_.Add(user, r, removeNew));
  }

  bd::EEBankDetailsStruct* setEEBankDetails(AccessToken_ptr token, const bd::EEBankDetailsStruct& r,
                                            CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setEEBankDetails", {RecordArg(r), Arg(removeNew)});
    return Out(store_.Set(user, r, removeNew));
  }

  void deleteEEBankDetails(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                           CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteEEBankDetails", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  bd::EEBankDetailsStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                 const char* effective,
                                                 const char* valid) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective), Arg(valid)});
    return Out(store_.GetAt(oid, effective, valid));
  }

  void getActiveEEBankDetailsCB(AccessToken_ptr token, const bd::EEBankDetailsFilterSeq& filter,
                                const bd::SortierungStruct& sort,
                                bd::EEBankDetailsStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "getActiveEEBankDetailsCB",
                                        {pay::FiltersArg(filter, Describe), Arg(sort)});
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
    Stream<bd::EEBankDetailsStructCallback>(callback, Select(filter, Ordering(sort)), call);
  }

  bd::EEBankDetailsSeq* getActiveEffectiveEEBankDetailsHistory(AccessToken_ptr token,
                                                               const char* oidEmployee) override {
    Enter(token, "getActiveEffectiveEEBankDetailsHistory", {Arg(oidEmployee)});
    return OfEmployee(oidEmployee,
                      [this](const std::string& oid) { return store_.ActiveHistory(oid); });
  }

  bd::EEBankDetailsSeq* getAllEEBankDetailsHistory(AccessToken_ptr token,
                                                   const char* oidEmployee) override {
    Enter(token, "getAllEEBankDetailsHistory", {Arg(oidEmployee)});
    return OfEmployee(oidEmployee,
                      [this](const std::string& oid) { return store_.AllHistory(oid); });
  }

  bd::EEBankDetailsSeq* getEffectiveEEBankDetailsHistory(AccessToken_ptr token,
                                                         const char* oidEmployee,
                                                         const char* effective) override {
    Enter(token, "getEffectiveEEBankDetailsHistory", {Arg(oidEmployee), Arg(effective)});
    const std::string date = effective;
    pay::CheckDate(date);
    return OfEmployee(oidEmployee, [this, &date](const std::string& oid) {
      return store_.EffectiveHistory(oid, date);
    });
  }

  bd::EEBankDetailsSeq* getActiveEEBankDetails(AccessToken_ptr token,
                                               const bd::EEBankDetailsFilterSeq& filter,
                                               const bd::SortierungStruct& sort) override {
    Enter(token, "getActiveEEBankDetails", {pay::FiltersArg(filter, Describe), Arg(sort)});
    return new bd::EEBankDetailsSeq(Select(filter, Ordering(sort)));
  }

  bd::EEBankDetailsStruct* getMigrationEmployee(AccessToken_ptr token,
                                                const bd::EEBankDetailsStruct& existing) override {
    Enter(token, "getMigrationEmployee", {RecordArg(existing)});
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

  bd::EEBankDetailsSeq* getBankDetailsForEmployeeCopy(AccessToken_ptr token,
                                                      const char* oidEmployee,
                                                      const char* validFrom) override {
    Enter(token, "getBankDetailsForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

 private:
  bd::EEBankDetailsStruct Decorated(bd::EEBankDetailsStruct r) {
    r.root.employeeShort = pay::Employee(core_, r.root.employeeShort);
    r.errors = Findings(r.history);
    return r;
  }

  bd::EEBankDetailsStruct* Out(const bd::EEBankDetailsStruct& r) {
    return new bd::EEBankDetailsStruct(Decorated(r));
  }

  bd::EEBankDetailsSeq* OutSeq(const std::vector<bd::EEBankDetailsStruct>& items) {
    auto* seq = new bd::EEBankDetailsSeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Decorated(items[i]);
    return seq;
  }

  // The periods `history(oid)` gives for each bank details of the employee.
  template <class History>
  bd::EEBankDetailsSeq* OfEmployee(const std::string& oidEmployee, History history) {
    std::vector<bd::EEBankDetailsStruct> items;
    for (const bd::EEBankDetailsStruct& r : store_.List({})) {
      if (oidEmployee != r.root.employeeShort.objectStruct.objectid.in()) continue;
      for (bd::EEBankDetailsStruct& p : history(r.root.objectStruct.objectid.in())) {
        items.push_back(std::move(p));
      }
    }
    return OutSeq(items);
  }

  // Filters see the employee as it is now, so the store lists everything
  // and the filters run outside its lock. A bad sort key fails before.
  bd::EEBankDetailsSeq Select(const bd::EEBankDetailsFilterSeq& filters,
                              const Store::Ordering& order) {
    std::vector<bd::EEBankDetailsStruct> items;
    for (const bd::EEBankDetailsStruct& stored : store_.List({})) {
      bd::EEBankDetailsStruct r = Decorated(stored);
      bool keep = filters.length() == 0;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) keep = Matches(filters[i], r);
      if (keep) items.push_back(std::move(r));
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return ostrel::server::ToSeq<bd::EEBankDetailsSeq>(items);
  }

  Store& store_;
};

ostrel::server::RegisterServant<EEBankDetailsServantImpl> registration(kName);

}  // namespace
