// Scale payments in the reference server: every operation of
// ScalePaymentServant on the generic record store.
//
// Values the server fills into every scale payment it answers with:
//   - the employee's short view as it is now (the one the client sent when
//     the employee is not one of the server's);
//   - oidScalePayment: the object id of the period itself.
//
// Pay scales the server knows (object id: key), all booked under value
// type 1000 "Base salary":
//   PS-METAL   "Metall- und Elektroindustrie"
//     PSG-EG05 "EG 05"  level 1: 2950.00, each further level +120.00
//     PSG-EG09 "EG 09"  level 1: 3780.50, each further level +150.00
//   PS-PUBLIC  "TVöD"
//     PSG-E09A "E 9a"   level 1: 3500.00, each further level +110.00
// Level n is described as "Stufe n"; level 0 takes the amount of level 1.
// An unknown pay scale or group shows its object id as key, no value type
// and no amount.
//
// Development rows (getScalePaymentDevelopments). The effective time point
// is a date's wire text; "" and "0000-00-00" mean none. Per scale payment,
// in the order of the ids:
// with noHistory the period in force at the time point (the latest without
// one); otherwise every period not superseded that starts by the time point
// (all without one), by start. Each row: personnel number, "<surname>,
// <first name>", the keys of pay scale and group, the level and its
// description, the amount (level amount x percentage / 100 x performance
// factor, 100 and 1 where empty, in cents), the value type, the period's
// internal valid-from and valid-until dates and its interval.
//
// Filter fields (several filters: any of them; none: every record):
//   fromDate, untilDate       the payment's period overlaps them;
//   afterJournalized          only periods ending after the employee's
//                             journalizedUntil;
//   oidPayScale, oidPayScaleGroup, payScaleLevel, pnr
//                             equal, where given;
//   oidPCompany               the employee's company;
//   surname                   the employee's surname begins with it;
//   listDisplayOfEmployeeEnum active (withdrawal not before
//                             fixedDateOfWithDrawal, today where unset),
//                             withdrawn, or all employees;
//   extendedFilter            cost centre and cost unit of the period.
//
// Sort keys: payScaleLevel, personnelNumber, surname, objectid.
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "pay_elements.h"
#include "registry.h"
#include "scalepayment_kind.h"
#include "text.h"

namespace {

namespace sp = com::ostrel::personnel::domain::employee::scalepayment;
namespace emp = com::ostrel::personnel::domain::employee;
namespace dates = ostrel::server::dates;
namespace pay = ostrel::server::pay;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::DateArg;
using ostrel::server::Widen;
using pay::Periods;

struct PayScale {
  const char* oid;
  const wchar_t* key;
};
struct Group {
  const char* oid;
  const char* pay_scale;
  const wchar_t* key;
  const char* level1;
  const char* step;
};
constexpr PayScale kPayScales[] = {
    {"PS-METAL", L"Metall- und Elektroindustrie"},
    {"PS-PUBLIC", L"TV\u00F6D"},
};
constexpr Group kGroups[] = {
    {"PSG-EG05", "PS-METAL", L"EG 05", "2950.00", "120.00"},
    {"PSG-EG09", "PS-METAL", L"EG 09", "3780.50", "150.00"},
    {"PSG-E09A", "PS-PUBLIC", L"E 9a", "3500.00", "110.00"},
};

const PayScale* FindPayScale(const std::string& oid) {
  for (const PayScale& p : kPayScales) {
    if (oid == p.oid) return &p;
  }
  return nullptr;
}

const Group* FindGroup(const std::string& oid) {
  for (const Group& g : kGroups) {
    if (oid == g.oid) return &g;
  }
  return nullptr;
}

// The level's amount: level 1's plus a step per further level.
std::string LevelAmount(const Group& g, long level) {
  const std::optional<std::string> steps =
      pay::Product({g.step, std::to_string(level > 1 ? level - 1 : 0)});
  const std::optional<std::string> total = steps ? pay::Sum(g.level1, *steps) : std::nullopt;
  return total ? *total : "";
}

struct ScalePaymentKind {
  using Struct = sp::ScalePaymentStruct;
  using Seq = sp::ScalePaymentSeq;
  using Filter = sp::ScalePaymentFilterStruct;
  using FilterSeq = sp::ScalePaymentFilterSeq;
  using Callback = sp::EEScalePaymentStructCallback;
  using R = Struct;
  using F = Filter;
  static constexpr char kPrefix[] = "SP";
  static constexpr bool kHistoryByEmployee = false;

  static void Decorate(R& r) { r.history.oidScalePayment = r.history.objectStruct.objectid; }

  static std::wstring Describe(const F& f) {
    using pay::OptArg;
    return pay::Fields({
        {"fromDate", Arg(f.fromDate.in())},
        {"untilDate", Arg(f.untilDate.in())},
        {"afterJournalized", Arg(bool(f.afterJournalized))},
        {"oidPayScale", Arg(f.oidPayScale.in())},
        {"oidPayScaleGroup", Arg(f.oidPayScaleGroup.in())},
        {"oidPCompany", Arg(f.oidPCompany.in())},
        {"pnr", OptArg(f.pnr, [](auto& u) { return std::to_wstring(u.pnr()); })},
        {"surname", Arg(f.surname.in())},
        {"fixedDateOfWithDrawal", Arg(f.fixedDateOfWithDrawal.in())},
        {"payScaleLevel",
         OptArg(f.payScaleLevel, [](auto& u) { return std::to_wstring(u.payScaleLevel()); })},
        {"listDisplayOfEmployeeEnum", std::to_wstring(f.listDisplayOfEmployeeEnum)},
        {"extendedFilter", pay::ExtendedArg(f.extendedFilter)},
    });
  }

  static constexpr pay::Condition<F, R> kConditions[] = {
      pay::Common<F, R>,
      [](const F& f, const R& r) { return pay::Same(f.oidPayScale.in(), r.root.oidPayScale.in()); },
      [](const F& f, const R& r) {
        return pay::Same(f.oidPayScaleGroup.in(), r.history.oidPayScaleGroup.in());
      },
      [](const F& f, const R& r) {
        return !f.payScaleLevel._d() || f.payScaleLevel.payScaleLevel() == r.history.payScaleLevel;
      },
      pay::ListDisplay<F, R>,
  };

  static inline const std::vector<pay::SortKey<R>> kSortKeys = {
      {"payScaleLevel", pay::ByValue<R>([](const R& r) { return r.history.payScaleLevel; })},
  };
};

sp::ScalePaymentDevelopmentStruct Development(const sp::ScalePaymentStruct& r) {
  const emp::EmployeeShortStruct& e = r.root.employeeShort;
  const sp::ScalePaymentTPStruct& tp = r.history;
  const std::string oid_pay_scale = r.root.oidPayScale.in();
  const std::string oid_group = tp.oidPayScaleGroup.in();
  const PayScale* scale = FindPayScale(oid_pay_scale);
  const Group* group = FindGroup(oid_group);
  sp::ScalePaymentDevelopmentStruct d{};
  d.personnelnumber = e.personnelNumber;
  d.name = (std::wstring(e.surname.in()) + L", " + e.firstname.in()).c_str();
  d.payScaleKey = scale ? scale->key : Widen(oid_pay_scale).c_str();
  d.payScaleGroupKey = group ? group->key : Widen(oid_group).c_str();
  d.payScaleLevelKey = tp.payScaleLevel;
  d.payScaleLevelDescription =
      tp.payScaleLevel > 0 ? (L"Stufe " + std::to_wstring(tp.payScaleLevel)).c_str() : L"";
  d.amount = "";
  d.valueTypeNumber = 0;
  d.valueTypeDescription = L"";
  if (scale && group && oid_pay_scale == group->pay_scale) {
    const std::string percentage = *tp.percentage.in() ? tp.percentage.in() : "100";
    const std::string factor = *tp.performanceFactor.in() ? tp.performanceFactor.in() : "1";
    const std::optional<std::string> amount =
        pay::Product({LevelAmount(*group, tp.payScaleLevel), percentage, "0.01", factor});
    if (amount) d.amount = amount->c_str();
    const pay::ValueType v = pay::ValueTypeOf("VT-1000");
    d.valueTypeNumber = static_cast<CORBA::Long>(v.number);
    d.valueTypeDescription = Widen(v.description).c_str();
  }
  d.validFrom = tp.timePeriod.internalValidFrom;
  d.validUntil = tp.timePeriod.validUntil;
  d.interval = tp.interval;
  return d;
}

class ScalePaymentServantImpl
    : public POA_com::ostrel::personnel::domain::employee::scalepayment::ScalePaymentServant,
      public pay::PayElementServant<ScalePaymentKind> {
 public:
  using PayElementServant::PayElementServant;

  sp::ScalePaymentStruct* createScalePayment(AccessToken_ptr token,
                                             const sp::ScalePaymentStruct& r) override {
    return Create(token, "createScalePayment", r);
  }
  sp::ScalePaymentStruct* addScalePayment(AccessToken_ptr token, const sp::ScalePaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    return Add(token, "addScalePayment", r, removeNew);
  }
  sp::ScalePaymentStruct* setScalePayment(AccessToken_ptr token, const sp::ScalePaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    return Set(token, "setScalePayment", r, removeNew);
  }
  void deleteScalePayment(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                          CORBA::Long version) override {
    Delete(token, "deleteScalePayment", oidEmployee, oid, version);
  }
  sp::ScalePaymentStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                const char* effective, const char* valid) override {
    return GetAt(token, oid, effective, valid);
  }
  void getActiveScalePaymentsCB(AccessToken_ptr token, const sp::ScalePaymentFilterSeq& filter,
                                const sp::SortierungStruct& sort,
                                sp::EEScalePaymentStructCallback_ptr callback) override {
    StreamList(token, "getActiveScalePaymentsCB", filter, sort, callback);
  }
  sp::ScalePaymentSeq* getActiveEffectiveScalePaymentHistory(AccessToken_ptr token,
                                                             const char* oid) override {
    return History(token, "getActiveEffectiveScalePaymentHistory", oid, Periods::kActive);
  }
  sp::ScalePaymentSeq* getAllScalePaymentHistory(AccessToken_ptr token, const char* oid) override {
    return History(token, "getAllScalePaymentHistory", oid, Periods::kAll);
  }
  sp::ScalePaymentSeq* getEffectiveScalePaymentHistory(AccessToken_ptr token, const char* oid,
                                                       const char* date) override {
    return EffectiveHistory(token, "getEffectiveScalePaymentHistory", oid,
                            {"destinationTimePoint", date});
  }
  sp::ScalePaymentSeq* getScalePaymentsForEmployeeCopy(AccessToken_ptr token,
                                                       const char* oidEmployee,
                                                       const char* validFrom) override {
    return CopyForEmployee(token, "getScalePaymentsForEmployeeCopy", oidEmployee, validFrom);
  }

  sp::ScalePaymentDevelopmentSeq* getScalePaymentDevelopments(AccessToken_ptr token,
                                                              const sp::StringSeq& oids,
                                                              const char* effective,
                                                              CORBA::Boolean noHistory) override {
    std::wstring ids = L"[";
    for (CORBA::ULong i = 0; i < oids.length(); ++i) {
      ids += (i > 0 ? L"," : L"") + Arg(oids[i].in());
    }
    Enter(token, "getScalePaymentDevelopments", {ids + L"]", Arg(effective), Arg(noHistory)},
          DateArg{"effectiveTimePoint", effective});
    const std::string at = dates::IsUnset(effective) ? "" : effective;
    std::vector<sp::ScalePaymentDevelopmentStruct> rows;
    for (CORBA::ULong i = 0; i < oids.length(); ++i) {
      const std::string oid = oids[i].in();
      if (noHistory) {
        rows.push_back(Development(Decorated(store_.Get(oid, at))));
        continue;
      }
      for (const sp::ScalePaymentStruct& r : store_.ActiveHistory(oid)) {
        if (!at.empty() && at < std::string(r.history.timePeriod.internalValidFrom.in())) continue;
        rows.push_back(Development(Decorated(r)));
      }
    }
    return new sp::ScalePaymentDevelopmentSeq(
        ostrel::server::ToSeq<sp::ScalePaymentDevelopmentSeq>(rows));
  }
};

ostrel::server::RegisterServant<ScalePaymentServantImpl> registration(
    ostrel::ScalePaymentService::kName);

}  // namespace
