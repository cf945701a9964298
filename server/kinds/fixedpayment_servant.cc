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
#include <string>
#include <vector>

#include "fixedpayment_kind.h"
#include "pay_elements.h"
#include "registry.h"
#include "text.h"

namespace {

namespace fp = com::ostrel::personnel::domain::employee::fixedpayment;
namespace pay = ostrel::server::pay;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::DateArg;
using pay::Periods;

struct FixedPaymentKind {
  using Struct = fp::FixedPaymentStruct;
  using Seq = fp::FixedPaymentSeq;
  using Filter = fp::FixedPaymentFilterStruct;
  using FilterSeq = fp::FixedPaymentFilterSeq;
  using Callback = fp::EEFixedPaymentStructCallback;
  using R = Struct;
  using F = Filter;
  static constexpr char kPrefix[] = "FP";
  static constexpr bool kHistoryByEmployee = false;

  static void Decorate(R& r) { r.history.oidFixedPayment = r.history.objectStruct.objectid; }

  static std::wstring Describe(const F& f) {
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

  static constexpr pay::Condition<F, R> kConditions[] = {
      pay::Common<F, R>,
      [](const F& f, const R& r) {
        return !f.vtn._d() || f.vtn.vtn() == pay::ValueTypeOf(r.root.oidValueType.in()).number;
      },
      pay::ListDisplay<F, R>,
  };

  static inline const std::vector<pay::SortKey<R>> kSortKeys = {
      {"oidValueType", pay::ByNatural<R>([](const R& r) { return r.root.oidValueType.in(); })},
      {"effectiveFrom",
       pay::ByText<R>([](const R& r) { return r.history.timePeriod.effectiveFrom.in(); })},
  };
};

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

fp::EvaFixedPaymentSeq* EvaSeq(const std::vector<fp::FixedPaymentStruct>& items) {
  auto* seq = new fp::EvaFixedPaymentSeq;
  seq->length(static_cast<CORBA::ULong>(items.size()));
  for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Eva(items[i]);
  return seq;
}

class FixedPaymentServantImpl
    : public POA_com::ostrel::personnel::domain::employee::fixedpayment::FixedPaymentServant,
      public pay::PayElementServant<FixedPaymentKind> {
 public:
  using PayElementServant::PayElementServant;

  fp::FixedPaymentStruct* createFixedPayment(AccessToken_ptr token,
                                             const fp::FixedPaymentStruct& r) override {
    return Create(token, "createFixedPayment", r);
  }
  fp::FixedPaymentStruct* addFixedPayment(AccessToken_ptr token, const fp::FixedPaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    return Add(token, "addFixedPayment", r, removeNew);
  }
  fp::FixedPaymentStruct* setFixedPayment(AccessToken_ptr token, const fp::FixedPaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    return Set(token, "setFixedPayment", r, removeNew);
  }
  void deleteFixedPayment(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                          CORBA::Long version) override {
    Delete(token, "deleteFixedPayment", oidEmployee, oid, version);
  }
  fp::FixedPaymentStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                const char* effective, const char* valid) override {
    return GetAt(token, oid, effective, valid);
  }
  fp::FixedPaymentSeq* getActiveFixedPayments(AccessToken_ptr token,
                                              const fp::FixedPaymentFilterSeq& filter,
                                              const fp::SortierungStruct& sort) override {
    return List(token, "getActiveFixedPayments", filter, sort);
  }
  void getActiveFixedPaymentsCB(AccessToken_ptr token, const fp::FixedPaymentFilterSeq& filter,
                                const fp::SortierungStruct& sort,
                                fp::EEFixedPaymentStructCallback_ptr callback) override {
    StreamList(token, "getActiveFixedPaymentsCB", filter, sort, callback);
  }
  fp::FixedPaymentSeq* getActiveEffectiveFixedPaymentHistory(AccessToken_ptr token,
                                                             const char* oid) override {
    return History(token, "getActiveEffectiveFixedPaymentHistory", oid, Periods::kActive);
  }
  fp::FixedPaymentSeq* getAllFixedPaymentHistory(AccessToken_ptr token, const char* oid) override {
    return History(token, "getAllFixedPaymentHistory", oid, Periods::kAll);
  }
  fp::FixedPaymentSeq* getEffectiveFixedPaymentHistory(AccessToken_ptr token, const char* oid,
                                                       const char* date) override {
    return EffectiveHistory(token, "getEffectiveFixedPaymentHistory", oid,
                            {"destinationTimePoint", date});
  }
  fp::FixedPaymentSeq* getFixedPaymentsForEmployeeCopy(AccessToken_ptr token,
                                                       const char* oidEmployee,
                                                       const char* validFrom) override {
    return CopyForEmployee(token, "getFixedPaymentsForEmployeeCopy", oidEmployee, validFrom);
  }

  // Evaluation rows, by employee.
  fp::EvaFixedPaymentSeq* getEvaActiveFixedPayments(AccessToken_ptr token,
                                                    const char* oidEmployee) override {
    Enter(token, "getEvaActiveFixedPayments", {Arg(oidEmployee)});
    return EvaSeq(OfEmployee(oidEmployee));
  }
  fp::EvaFixedPaymentSeq* getEvaActiveEffectiveFixedPaymentHistory(
      AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getEvaActiveEffectiveFixedPaymentHistory", {Arg(oidEmployee)});
    return EvaSeq(EmployeePeriods(oidEmployee, Periods::kActive, ""));
  }
  fp::EvaFixedPaymentSeq* getEvaAllFixedPaymentHistory(AccessToken_ptr token,
                                                       const char* oidEmployee) override {
    Enter(token, "getEvaAllFixedPaymentHistory", {Arg(oidEmployee)});
    return EvaSeq(EmployeePeriods(oidEmployee, Periods::kAll, ""));
  }
  fp::EvaFixedPaymentSeq* getEvaEffectiveFixedPaymentHistory(AccessToken_ptr token,
                                                             const char* oidEmployee,
                                                             const char* date) override {
    Enter(token, "getEvaEffectiveFixedPaymentHistory", {Arg(oidEmployee), Arg(date)},
          DateArg{"destinationTimePoint", date});
    return EvaSeq(EmployeePeriods(oidEmployee, Periods::kEffective, date));
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
};

ostrel::server::RegisterServant<FixedPaymentServantImpl> registration(
    ostrel::FixedPaymentService::kName);

}  // namespace
