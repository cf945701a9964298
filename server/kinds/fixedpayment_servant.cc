// Fixed payments in the reference server: every operation of
// FixedPaymentServant on the generic record store.
//
// Values the server fills into every fixed payment it answers with:
//   - the employee's short view as it is now (the one the client sent when
//     the employee is not one of the server's);
//   - oidFixedPayment: the object id of the period itself.
//
// Evaluation rows (getEva…, by employee) are built from the stored periods:
// the value type's number and description (see pay_elements.h), the
// period's validity, its interval, factors and result, as entered. Active:
// each fixed payment's latest period; all: every period of every fixed
// payment; active effective: the periods not superseded; effective: those
// in force at the date. Fixed payments in creation order, periods by start.
//
// printFixedPayments streams a report of the fixed payments not deleted:
// the line "Fixed payments: <n>", then one line per payment
// "<pnr> <surname>: <number> <description> <factor1> x <factor2> = <result>".
//
// Filter fields (several filters: any of them; none: every record):
//   fromDate, untilDate       the payment's period overlaps them;
//   afterJournalized          only periods ending after the employee's
//                             journalizedUntil (always for an employee never
//                             journalized);
//   vtn, pnr                  the value type's number, the personnel number;
//   oidPCompany               the employee's company;
//   surname                   the employee's surname begins with it;
//   listDisplayOfEmployeeEnum active (withdrawal not before
//                             fixedDateOfWithDrawal, today where unset),
//                             withdrawn, or all employees;
//   extendedFilter            cost centre and cost unit of the period
//                             (department and employee group are not held).
//
// Sort keys: oidValueType, effectiveFrom, personnelNumber, surname, objectid.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "dates.h"
#include "fixedpayment.hh"
#include "pay_elements.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace fp = com::ostrel::personnel::domain::employee::fixedpayment;
namespace emp = com::ostrel::personnel::domain::employee;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace pay = ostrel::server::pay;
using ostrel::server::Arg;
using ostrel::server::RecordArg;
using Store = ostrel::server::RecordStore<fp::FixedPaymentStruct>;
using com::ostrel::serverbase::access::AccessToken_ptr;

constexpr char kName[] =
    "com.ostrel.personnel.servantimpl.employee.fixedpayment.FixedPaymentServantImpl";

std::wstring Describe(const fp::FixedPaymentFilterStruct& f) {
  using pay::OptArg;
  return pay::Fields({
      {"fromDate", Arg(f.fromDate.in())},
      {"untilDate", Arg(f.untilDate.in())},
      {"afterJournalized", Arg(bool(f.afterJournalized))},
      {"vtn", OptArg(f.vtn, [](auto& u) { return std::to_wstring(u.vtn()); })},
      {"oidPCompany", Arg(f.oidPCompany.in())},
      {"pnr", OptArg(f.pnr, [](auto& u) { return std::to_wstring(u.pnr()); })},
      {"surname", Arg(f.surname.in())},
      {"fixedDateOfWithDrawal", Arg(f.fixedDateOfWithDrawal.in())},
      {"extendedFilter", pay::ExtendedArg(f.extendedFilter)},
      {"listDisplayOfEmployeeEnum", std::to_wstring(f.listDisplayOfEmployeeEnum)},
  });
}

bool Matches(const fp::FixedPaymentFilterStruct& f, const fp::FixedPaymentStruct& r) {
  const emp::EmployeeShortStruct& e = r.root.employeeShort;
  const fp::FixedPaymentTPStruct& tp = r.history;
  if (!pay::MatchesCommon(f, e, tp)) return false;
  if (f.vtn._d() && f.vtn.vtn() != pay::ValueTypeOf(r.root.oidValueType.in()).number) {
    return false;
  }
  return pay::Displayed(f.listDisplayOfEmployeeEnum, e, f.fixedDateOfWithDrawal.in());
}

Store::Ordering Ordering(const fp::SortierungStruct& sort) {
  using ostrel::server::CompareNatural;
  using ostrel::server::CompareText;
  using ostrel::server::SortField;
  using R = fp::FixedPaymentStruct;
  static const std::map<std::string, SortField<R>> kFields = [] {
    auto f =
        ostrel::server::EmployeeSortFields<R>([](const R& r) -> const auto& { return r.root; });
    f.emplace("oidValueType", [](const R& a, const R& b) {
      return CompareNatural(a.root.oidValueType.in(), b.root.oidValueType.in());
    });
    f.emplace("effectiveFrom", [](const R& a, const R& b) {
      return CompareText(a.history.timePeriod.effectiveFrom.in(),
                         b.history.timePeriod.effectiveFrom.in());
    });
    return f;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

fp::EvaFixedPaymentStruct Eva(const fp::FixedPaymentStruct& r) {
  const pay::ValueType v = pay::ValueTypeOf(r.root.oidValueType.in());
  fp::EvaFixedPaymentStruct e{};
  e.vTypeKey = static_cast<CORBA::Long>(v.number);
  e.description = v.description.c_str();
  e.timePeriod = r.history.timePeriod;
  e.interval = r.history.interval;
  e.factor1 = r.history.factor1;
  e.factor2 = r.history.factor2;
  e.result = r.history.result;
  return e;
}

class FixedPaymentServantImpl
    : public POA_com::ostrel::personnel::domain::employee::fixedpayment::FixedPaymentServant,
      public ostrel::server::RecordServant {
 public:
  explicit FixedPaymentServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<fp::FixedPaymentStruct>("FP")) {}

  fp::FixedPaymentStruct* createFixedPayment(AccessToken_ptr token,
                                             const fp::FixedPaymentStruct& r) override {
    const std::wstring user = Enter(token, "createFixedPayment", {RecordArg(r)});
    return Out(store_.Create(user, r));
  }

  fp::FixedPaymentStruct* addFixedPayment(AccessToken_ptr token, const fp::FixedPaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "addFixedPayment", {RecordArg(r), Arg(removeNew)});
    return Out(store_.Add(user, r, removeNew));
  }

  fp::FixedPaymentStruct* setFixedPayment(AccessToken_ptr token, const fp::FixedPaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setFixedPayment", {RecordArg(r), Arg(removeNew)});
    return Out(store_.Set(user, r, removeNew));
  }

  void deleteFixedPayment(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                          CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteFixedPayment", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  fp::FixedPaymentStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                const char* effective, const char* valid) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective), Arg(valid)});
    return Out(store_.GetAt(oid, effective, valid));
  }

  fp::FixedPaymentSeq* getActiveFixedPayments(AccessToken_ptr token,
                                              const fp::FixedPaymentFilterSeq& filter,
                                              const fp::SortierungStruct& sort) override {
    Enter(token, "getActiveFixedPayments", {pay::FiltersArg(filter, Describe), Arg(sort)});
    return new fp::FixedPaymentSeq(Select(filter, Ordering(sort)));
  }

  void getActiveFixedPaymentsCB(AccessToken_ptr token, const fp::FixedPaymentFilterSeq& filter,
                                const fp::SortierungStruct& sort,
                                fp::EEFixedPaymentStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "getActiveFixedPaymentsCB",
                                        {pay::FiltersArg(filter, Describe), Arg(sort)});
    NeedCallback(callback);
    Stream<fp::EEFixedPaymentStructCallback>(callback, Select(filter, Ordering(sort)), call);
  }

  fp::FixedPaymentSeq* getActiveEffectiveFixedPaymentHistory(AccessToken_ptr token,
                                                             const char* oid) override {
    Enter(token, "getActiveEffectiveFixedPaymentHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  fp::FixedPaymentSeq* getAllFixedPaymentHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllFixedPaymentHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  fp::FixedPaymentSeq* getEffectiveFixedPaymentHistory(AccessToken_ptr token, const char* oid,
                                                       const char* date) override {
    Enter(token, "getEffectiveFixedPaymentHistory", {Arg(oid), Arg(date)});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

  fp::FixedPaymentSeq* getFixedPaymentsForEmployeeCopy(AccessToken_ptr token,
                                                       const char* oidEmployee,
                                                       const char* validFrom) override {
    Enter(token, "getFixedPaymentsForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

  fp::EvaFixedPaymentSeq* getEvaActiveFixedPayments(AccessToken_ptr token,
                                                    const char* oidEmployee) override {
    Enter(token, "getEvaActiveFixedPayments", {Arg(oidEmployee)});
    return EvaSeq(OfEmployee(oidEmployee));
  }

  fp::EvaFixedPaymentSeq* getEvaActiveEffectiveFixedPaymentHistory(
      AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getEvaActiveEffectiveFixedPaymentHistory", {Arg(oidEmployee)});
    return EvaSeq(
        Periods(oidEmployee, [this](const std::string& oid) { return store_.ActiveHistory(oid); }));
  }

  fp::EvaFixedPaymentSeq* getEvaAllFixedPaymentHistory(AccessToken_ptr token,
                                                       const char* oidEmployee) override {
    Enter(token, "getEvaAllFixedPaymentHistory", {Arg(oidEmployee)});
    return EvaSeq(
        Periods(oidEmployee, [this](const std::string& oid) { return store_.AllHistory(oid); }));
  }

  fp::EvaFixedPaymentSeq* getEvaEffectiveFixedPaymentHistory(AccessToken_ptr token,
                                                             const char* oidEmployee,
                                                             const char* date) override {
    Enter(token, "getEvaEffectiveFixedPaymentHistory", {Arg(oidEmployee), Arg(date)});
    const std::string at = date;
    pay::CheckDate(at);
    return EvaSeq(Periods(oidEmployee, [this, &at](const std::string& oid) {
      return store_.EffectiveHistory(oid, at);
    }));
  }

  void printFixedPayments(AccessToken_ptr token,
                          fp::FixedPaymentReportFileStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "printFixedPayments", {});
    NeedCallback(callback);
    std::vector<std::string> lines;
    for (const fp::FixedPaymentStruct& stored : store_.List({})) {
      const fp::FixedPaymentStruct r = Decorated(stored);
      const pay::ValueType v = pay::ValueTypeOf(r.root.oidValueType.in());
      lines.push_back(std::to_string(r.root.employeeShort.personnelNumber) + " " +
                      ostrel::server::Narrow(r.root.employeeShort.surname.in()) + ": " +
                      std::to_string(v.number) + " " + v.description + " " +
                      r.history.factor1.in() + " x " + r.history.factor2.in() + " = " +
                      r.history.result.in());
    }
    fp::FixedPaymentReportFileSeq report;
    report.length(static_cast<CORBA::ULong>(lines.size() + 1));
    report[0] = ("Fixed payments: " + std::to_string(lines.size())).c_str();
    for (CORBA::ULong i = 0; i < lines.size(); ++i) report[i + 1] = lines[i].c_str();
    Stream<fp::FixedPaymentReportFileStructCallback>(callback, std::move(report), call);
  }

 private:
  static void NeedCallback(CORBA::Object_ptr callback) {
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
  }

  fp::FixedPaymentStruct Decorated(fp::FixedPaymentStruct r) {
    r.root.employeeShort = pay::Employee(core_, r.root.employeeShort);
    r.history.oidFixedPayment = r.history.objectStruct.objectid;
    return r;
  }

  fp::FixedPaymentStruct* Out(const fp::FixedPaymentStruct& r) {
    return new fp::FixedPaymentStruct(Decorated(r));
  }

  fp::FixedPaymentSeq* OutSeq(const std::vector<fp::FixedPaymentStruct>& items) {
    auto* seq = new fp::FixedPaymentSeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Decorated(items[i]);
    return seq;
  }

  static fp::EvaFixedPaymentSeq* EvaSeq(const std::vector<fp::FixedPaymentStruct>& items) {
    auto* seq = new fp::EvaFixedPaymentSeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Eva(items[i]);
    return seq;
  }

  // The employee's fixed payments not deleted, each with its latest period.
  std::vector<fp::FixedPaymentStruct> OfEmployee(const std::string& oidEmployee) {
    return store_.List([&oidEmployee](const fp::FixedPaymentStruct& r) {
      return oidEmployee == r.root.employeeShort.objectStruct.objectid.in();
    });
  }

  // The periods `history(oid)` gives for each of the employee's fixed
  // payments.
  template <class History>
  std::vector<fp::FixedPaymentStruct> Periods(const std::string& oidEmployee, History history) {
    std::vector<fp::FixedPaymentStruct> items;
    for (const fp::FixedPaymentStruct& r : OfEmployee(oidEmployee)) {
      for (fp::FixedPaymentStruct& p : history(r.root.objectStruct.objectid.in())) {
        items.push_back(std::move(p));
      }
    }
    return items;
  }

  // Filters see the employee as it is now, so the store lists everything
  // and the filters run outside its lock. A bad sort key fails before.
  fp::FixedPaymentSeq Select(const fp::FixedPaymentFilterSeq& filters,
                             const Store::Ordering& order) {
    std::vector<fp::FixedPaymentStruct> items;
    for (const fp::FixedPaymentStruct& stored : store_.List({})) {
      fp::FixedPaymentStruct r = Decorated(stored);
      bool keep = filters.length() == 0;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) keep = Matches(filters[i], r);
      if (keep) items.push_back(std::move(r));
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return ostrel::server::ToSeq<fp::FixedPaymentSeq>(items);
  }

  Store& store_;
};

ostrel::server::RegisterServant<FixedPaymentServantImpl> registration(kName);

}  // namespace
