// Variable payments in the reference server: every operation of
// VarPaymentServant on the generic record store.
//
// Values the server fills into every variable payment it answers with:
//   - the employee's short view as it is now (the one the client sent when
//     the employee is not one of the server's);
//   - oidVarPayment: the object id of the period itself. deleteVarPayment
//     takes this id (not the record's) and deletes the record it belongs to.
//
// The check (checkPreValues, the evaluated list, and every write, which
// refuses an entry that fails it with a DomainException carrying the
// message). An entry is not acceptable, first reason wins, when:
//   - it has no value type, or one the server does not know (pay_elements.h);
//   - its employee does not belong to the company given.
// (A factor, result, percentage or performance factor that is no number is
// refused with the other malformed texts before, wire_check.h.)
// Preset values, filled where empty: factor2 from the value type (where it
// has one), percentage 100, performanceFactor 1, and result
// factor1 x factor2 x percentage / 100 x performanceFactor, rounded to
// cents, once both factors are there. checkPreValues and the evaluated list
// answer the entry with its presets and errorMessage (empty when
// acceptable); the plain lists answer what was stored.
//
// The company: every write and check needs one ("no company given" raises
// ApplicationLayerException), and it must be the employee's company. Lists
// show only payments of the given company's employees ("" for all); the
// history queries refuse a payment of another company.
//
// createVarPaymentSeq stores all or nothing: every entry is checked first.
//
// Filter fields (several filters: any of them; none: every record):
//   fromDate, untilDate       the payment's period overlaps them;
//   afterJournalized          only periods ending after the employee's
//                             journalizedUntil;
//   vtn, pnr                  the value type's number, the personnel number;
//   oidPCompany               the employee's company;
//   surname                   the employee's surname begins with it;
//   fixedDateOfWithDrawal     where set, employees not withdrawn before it;
//   extendedFilter, oidCostCenterVP, oidCostUnitVP
//                             cost centre and cost unit of the period.
//
// Sort keys: oidValueType, effectiveFrom, personnelNumber, surname, objectid.
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "pay_elements.h"
#include "registry.h"
#include "text.h"
#include "varpayment_kind.h"

namespace {

namespace vp = com::ostrel::personnel::domain::employee::varpayment;
namespace emp = com::ostrel::personnel::domain::employee;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
namespace pay = ostrel::server::pay;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using pay::Periods;

struct VarPaymentKind {
  using Struct = vp::VarPaymentStruct;
  using Seq = vp::VarPaymentSeq;
  using Filter = vp::VarPaymentFilterStruct;
  using FilterSeq = vp::VarPaymentFilterSeq;
  using Callback = vp::EEVarPaymentStructCallback;
  using R = Struct;
  using F = Filter;
  static constexpr char kPrefix[] = "VAR";
  static constexpr bool kHistoryByEmployee = false;

  static void Decorate(R& r) {
    r.varPaymentTP.oidVarPayment = r.varPaymentTP.objectStruct.objectid;
  }

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
        {"oidCostCenterVP", Arg(f.oidCostCenterVP.in())},
        {"oidCostUnitVP", Arg(f.oidCostUnitVP.in())},
    });
  }

  static constexpr pay::Condition<F, R> kConditions[] = {
      pay::Common<F, R>,
      [](const F& f, const R& r) {
        return !f.vtn._d() ||
               f.vtn.vtn() == pay::ValueTypeOf(r.varPaymentRoot.oidValueType.in()).number;
      },
      // No list display: only a fixed date given excludes the withdrawn.
      [](const F& f, const R& r) {
        const std::string fixed = f.fixedDateOfWithDrawal.in();
        return dates::IsUnset(fixed) || !pay::Withdrawn(r.varPaymentRoot.employeeShort, fixed);
      },
      [](const F& f, const R& r) {
        return pay::Same(f.oidCostCenterVP.in(), r.varPaymentTP.oidCostCenter.in()) &&
               pay::Same(f.oidCostUnitVP.in(), r.varPaymentTP.oidCostUnit.in());
      },
  };

  static inline const std::vector<pay::SortKey<R>> kSortKeys = {
      {"oidValueType",
       pay::ByNatural<R>([](const R& r) { return r.varPaymentRoot.oidValueType.in(); })},
      {"effectiveFrom",
       pay::ByText<R>([](const R& r) { return r.varPaymentTP.timePeriod.effectiveFrom.in(); })},
  };
};

// Why the entry is not acceptable for the company, or "" when it is.
std::string Problem(const vp::VarPaymentStruct& r, const std::string& company) {
  const std::string oid_value_type = r.varPaymentRoot.oidValueType.in();
  if (oid_value_type.empty()) return "no value type";
  if (!pay::ValueTypeOf(oid_value_type).known) {
    return "unknown value type '" + oid_value_type + "'";
  }
  const emp::EmployeeShortStruct& e = r.varPaymentRoot.employeeShort;
  if (company != e.oidPCompany.in()) {
    return "employee '" + std::string(e.objectStruct.objectid.in()) +
           "' does not belong to company '" + company + "'";
  }
  return "";
}

// The entry with its preset values and the verdict of the check.
vp::VarPaymentStruct Evaluated(vp::VarPaymentStruct r, const std::string& company) {
  vp::VarPaymentTPStruct& tp = r.varPaymentTP;
  const std::string problem = Problem(r, company);
  tp.errorMessage = problem.c_str();
  if (!problem.empty()) return r;
  const pay::ValueType v = pay::ValueTypeOf(r.varPaymentRoot.oidValueType.in());
  if (!*tp.factor2.in()) tp.factor2 = v.preset_factor2.c_str();
  if (!*tp.percentage.in()) tp.percentage = "100";
  if (!*tp.performanceFactor.in()) tp.performanceFactor = "1";
  if (!*tp.result.in() && *tp.factor1.in() && *tp.factor2.in()) {
    std::optional<std::string> result = pay::Product(
        {tp.factor1.in(), tp.factor2.in(), tp.percentage.in(), "0.01", tp.performanceFactor.in()});
    if (result) tp.result = result->c_str();
  }
  return r;
}

class VarPaymentServantImpl
    : public POA_com::ostrel::personnel::domain::employee::varpayment::VarPaymentServant,
      public pay::PayElementServant<VarPaymentKind> {
 public:
  using PayElementServant::PayElementServant;

  vp::VarPaymentStruct* createVarPayment(AccessToken_ptr token, const vp::VarPaymentStruct& r,
                                         const char* oidPCompany) override {
    const std::wstring user = Enter(token, "createVarPayment", {RecordArg(r), Arg(oidPCompany)}, r);
    Admissible(r, oidPCompany, "");
    return Out(store_.Create(user, r));
  }

  vp::VarPaymentStruct* setVarPayment(AccessToken_ptr token, const vp::VarPaymentStruct& r,
                                      CORBA::Boolean removeNew, const char* oidPCompany) override {
    const std::wstring user =
        Enter(token, "setVarPayment", {RecordArg(r), Arg(removeNew), Arg(oidPCompany)}, r);
    Admissible(r, oidPCompany, "");
    return Out(store_.Set(user, r, removeNew));
  }

  void deleteVarPayment(AccessToken_ptr token, const char* oidEmployee, const char* oidVarPayment,
                        CORBA::Long version, const char* oidPCompany) override {
    const std::wstring user =
        Enter(token, "deleteVarPayment",
              {Arg(oidEmployee), Arg(oidVarPayment), Arg(version), Arg(oidPCompany)});
    const std::string period = oidVarPayment;
    std::optional<vp::VarPaymentStruct> r = store_.FindByPeriod(period);
    if (!r) pay::Persistency("unknown variable payment period '" + period + "'");
    pay::CheckCompany(pay::Employee(core_, r->varPaymentRoot.employeeShort), oidPCompany);
    const std::string employee = oidEmployee;
    store_.Delete(user, r->varPaymentRoot.objectStruct.objectid.in(), version, &employee);
  }

  vp::VarPaymentStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                              const char* effective, const char* valid) override {
    return GetAt(token, oid, effective, valid);
  }

  vp::VarPaymentSeq* getActiveVarPayments(AccessToken_ptr token,
                                          const vp::VarPaymentFilterSeq& filter,
                                          const vp::SortierungStruct& sort,
                                          const char* oidPCompany) override {
    Enter(token, "getActiveVarPayments",
          {pay::FiltersArg(filter, VarPaymentKind::Describe), Arg(sort), Arg(oidPCompany)}, filter);
    return new vp::VarPaymentSeq(Selected(filter, sort, oidPCompany, false));
  }

  vp::VarPaymentSeq* getActiveVarPaymentsEvaluated(AccessToken_ptr token,
                                                   const vp::VarPaymentFilterSeq& filter,
                                                   const vp::SortierungStruct& sort,
                                                   const char* oidPCompany) override {
    Enter(token, "getActiveVarPaymentsEvaluated",
          {pay::FiltersArg(filter, VarPaymentKind::Describe), Arg(sort), Arg(oidPCompany)}, filter);
    return new vp::VarPaymentSeq(Selected(filter, sort, oidPCompany, true));
  }

  void getActiveVarPaymentsCB(AccessToken_ptr token, const vp::VarPaymentFilterSeq& filter,
                              const vp::SortierungStruct& sort,
                              vp::EEVarPaymentStructCallback_ptr callback,
                              const char* oidPCompany) override {
    const StreamCall call = EnterStream(
        token, "getActiveVarPaymentsCB",
        {pay::FiltersArg(filter, VarPaymentKind::Describe), Arg(sort), Arg(oidPCompany)}, filter);
    NeedCallback(callback);
    Stream<vp::EEVarPaymentStructCallback>(callback, Selected(filter, sort, oidPCompany, false),
                                           call);
  }

  vp::VarPaymentSeq* getActiveEffectiveVarPaymentHistory(AccessToken_ptr token, const char* oid,
                                                         const char* oidPCompany) override {
    Enter(token, "getActiveEffectiveVarPaymentHistory", {Arg(oid), Arg(oidPCompany)});
    OfCompany(oid, oidPCompany);
    return OutSeq(PeriodsOf(oid, Periods::kActive, ""));
  }

  vp::VarPaymentSeq* getAllVarPaymentHistory(AccessToken_ptr token, const char* oid,
                                             const char* oidPCompany) override {
    Enter(token, "getAllVarPaymentHistory", {Arg(oid), Arg(oidPCompany)});
    OfCompany(oid, oidPCompany);
    return OutSeq(PeriodsOf(oid, Periods::kAll, ""));
  }

  vp::VarPaymentSeq* getEffectiveVarPaymentHistory(AccessToken_ptr token, const char* oid,
                                                   const char* date,
                                                   const char* oidPCompany) override {
    Enter(token, "getEffectiveVarPaymentHistory", {Arg(oid), Arg(date), Arg(oidPCompany)},
          DateArg{"destinationTimePoint", date});
    OfCompany(oid, oidPCompany);
    return OutSeq(PeriodsOf(oid, Periods::kEffective, date));
  }

  vp::VarPaymentSeq* createVarPaymentSeq(AccessToken_ptr token, const vp::VarPaymentSeq& entries,
                                         const char* oidPCompany) override {
    const std::wstring user =
        Enter(token, "createVarPaymentSeq", {CountArg(entries), Arg(oidPCompany)}, entries);
    for (CORBA::ULong i = 0; i < entries.length(); ++i) {
      const vp::VarPaymentStruct& r = entries[i];
      const std::string oid = r.varPaymentRoot.objectStruct.objectid.in();
      if (!oid.empty()) {
        throw ax::ApplicationLayerException(
            ostrel::server::Widen("create: variable payment already has object id '" + oid + "'")
                .c_str());
      }
      Admissible(r, oidPCompany, "variable payment " + std::to_string(i + 1) + ": ");
    }
    std::vector<vp::VarPaymentStruct> created;
    created.reserve(entries.length());
    for (CORBA::ULong i = 0; i < entries.length(); ++i) {
      created.push_back(store_.Create(user, entries[i]));
    }
    return OutSeq(created);
  }

  vp::VarPaymentStruct* checkPreValues(AccessToken_ptr token, const vp::VarPaymentStruct& r,
                                       const char* oidPCompany) override {
    Enter(token, "checkPreValues", {RecordArg(r), Arg(oidPCompany)}, r);
    const std::string company = oidPCompany;
    if (company.empty()) throw ax::ApplicationLayerException(L"no company given");
    return new vp::VarPaymentStruct(Evaluated(Decorated(r), company));
  }

  vp::VarPaymentSeq* getVarPaymentsForEmployeeCopy(AccessToken_ptr token, const char* oidEmployee,
                                                   const char* validFrom) override {
    return CopyForEmployee(token, "getVarPaymentsForEmployeeCopy", oidEmployee, validFrom);
  }

 private:
  // A write of `r` for `company`: the company must be the employee's and the
  // entry acceptable; `where` starts the message of a refusal.
  void Admissible(const vp::VarPaymentStruct& r, const std::string& company,
                  const std::string& where) {
    const vp::VarPaymentStruct d = Decorated(r);
    pay::CheckCompany(d.varPaymentRoot.employeeShort, company);
    const std::string problem = Problem(d, company);
    if (!problem.empty()) pay::Domain(where + problem);
  }

  // The payment must exist and, where a company is given, be one of its.
  void OfCompany(const std::string& oid, const std::string& company) {
    const vp::VarPaymentStruct r = Decorated(store_.Get(oid, ""));
    if (!company.empty() && company != r.varPaymentRoot.employeeShort.oidPCompany.in()) {
      pay::Persistency("variable payment '" + oid + "' does not belong to company '" + company +
                       "'");
    }
  }

  // The company's payments only ("" for all); evaluated, each is checked for
  // the company given or, without one, for its employee's own.
  vp::VarPaymentSeq Selected(const vp::VarPaymentFilterSeq& filters,
                             const vp::SortierungStruct& sort, const std::string& company,
                             bool evaluated) {
    std::vector<vp::VarPaymentStruct> items =
        Select(filters, sort, [&company](const vp::VarPaymentStruct& r) {
          return pay::Same(company.c_str(), r.varPaymentRoot.employeeShort.oidPCompany.in());
        });
    if (evaluated) {
      for (vp::VarPaymentStruct& r : items) {
        const std::string check_for =
            company.empty() ? std::string(r.varPaymentRoot.employeeShort.oidPCompany.in())
                            : company;
        r = Evaluated(std::move(r), check_for);
      }
    }
    return ostrel::server::ToSeq<vp::VarPaymentSeq>(items);
  }
};

ostrel::server::RegisterServant<VarPaymentServantImpl> registration(
    ostrel::VarPaymentService::kName);

}  // namespace
