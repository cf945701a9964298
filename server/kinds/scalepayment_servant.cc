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
// is the date's display text "DD.MM.YYYY"; "" and "00.00.0000" mean none,
// any other text is refused. Per scale payment, in the order of the ids:
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
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "pay_elements.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "scalepayment.hh"
#include "sorting.h"
#include "text.h"

namespace {

namespace sp = com::ostrel::personnel::domain::employee::scalepayment;
namespace emp = com::ostrel::personnel::domain::employee;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
namespace pay = ostrel::server::pay;
using ostrel::server::Arg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using Store = ostrel::server::RecordStore<sp::ScalePaymentStruct>;
using com::ostrel::serverbase::access::AccessToken_ptr;

constexpr char kName[] =
    "com.ostrel.personnel.servantimpl.employee.scalepayment.ScalePaymentServantImpl";

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

// "DD.MM.YYYY" as "YYYY-MM-DD"; "" for no time point; nothing for a text
// that is neither.
std::optional<std::string> FromDisplay(const std::string& text) {
  if (text.empty() || text == "00.00.0000") return std::string();
  int day = 0;
  int month = 0;
  int year = 0;
  char tail = 0;
  if (text.size() != 10 ||
      std::sscanf(text.c_str(), "%2d.%2d.%4d%c", &day, &month, &year, &tail) != 3) {
    return std::nullopt;
  }
  char wire[16];
  std::snprintf(wire, sizeof wire, "%04d-%02d-%02d", year, month, day);
  if (!dates::IsValid(wire)) return std::nullopt;
  return std::string(wire);
}

std::wstring Describe(const sp::ScalePaymentFilterStruct& f) {
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

bool Matches(const sp::ScalePaymentFilterStruct& f, const sp::ScalePaymentStruct& r) {
  const emp::EmployeeShortStruct& e = r.root.employeeShort;
  const sp::ScalePaymentTPStruct& tp = r.history;
  if (!pay::MatchesCommon(f, e, tp)) return false;
  if (!pay::Same(f.oidPayScale.in(), r.root.oidPayScale.in())) return false;
  if (!pay::Same(f.oidPayScaleGroup.in(), tp.oidPayScaleGroup.in())) return false;
  if (f.payScaleLevel._d() && f.payScaleLevel.payScaleLevel() != tp.payScaleLevel) return false;
  return pay::Displayed(f.listDisplayOfEmployeeEnum, e, f.fixedDateOfWithDrawal.in());
}

Store::Ordering Ordering(const sp::SortierungStruct& sort) {
  using ostrel::server::CompareValue;
  using ostrel::server::SortField;
  using R = sp::ScalePaymentStruct;
  static const std::map<std::string, SortField<R>> kFields = [] {
    auto f =
        ostrel::server::EmployeeSortFields<R>([](const R& r) -> const auto& { return r.root; });
    f.emplace("payScaleLevel", [](const R& a, const R& b) {
      return CompareValue(a.history.payScaleLevel, b.history.payScaleLevel);
    });
    return f;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

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
      public ostrel::server::RecordServant {
 public:
  explicit ScalePaymentServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<sp::ScalePaymentStruct>("SP")) {}

  sp::ScalePaymentStruct* createScalePayment(AccessToken_ptr token,
                                             const sp::ScalePaymentStruct& r) override {
    const std::wstring user = Enter(token, "createScalePayment", {RecordArg(r)});
    return Out(store_.Create(user, r));
  }

  sp::ScalePaymentStruct* addScalePayment(AccessToken_ptr token, const sp::ScalePaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "addScalePayment", {RecordArg(r), Arg(removeNew)});
    return Out(store_.Add(user, r, removeNew));
  }

  sp::ScalePaymentStruct* setScalePayment(AccessToken_ptr token, const sp::ScalePaymentStruct& r,
                                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setScalePayment", {RecordArg(r), Arg(removeNew)});
    return Out(store_.Set(user, r, removeNew));
  }

  void deleteScalePayment(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                          CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteScalePayment", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  sp::ScalePaymentStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                const char* effective, const char* valid) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective), Arg(valid)});
    return Out(store_.GetAt(oid, effective, valid));
  }

  void getActiveScalePaymentsCB(AccessToken_ptr token, const sp::ScalePaymentFilterSeq& filter,
                                const sp::SortierungStruct& sort,
                                sp::EEScalePaymentStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "getActiveScalePaymentsCB",
                                        {pay::FiltersArg(filter, Describe), Arg(sort)});
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
    Stream<sp::EEScalePaymentStructCallback>(callback, Select(filter, Ordering(sort)), call);
  }

  sp::ScalePaymentSeq* getActiveEffectiveScalePaymentHistory(AccessToken_ptr token,
                                                             const char* oid) override {
    Enter(token, "getActiveEffectiveScalePaymentHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  sp::ScalePaymentSeq* getAllScalePaymentHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllScalePaymentHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  sp::ScalePaymentSeq* getEffectiveScalePaymentHistory(AccessToken_ptr token, const char* oid,
                                                       const char* date) override {
    Enter(token, "getEffectiveScalePaymentHistory", {Arg(oid), Arg(date)});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

  sp::ScalePaymentSeq* getScalePaymentsForEmployeeCopy(AccessToken_ptr token,
                                                       const char* oidEmployee,
                                                       const char* validFrom) override {
    Enter(token, "getScalePaymentsForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

  sp::ScalePaymentDevelopmentSeq* getScalePaymentDevelopments(AccessToken_ptr token,
                                                              const sp::StringSeq& oids,
                                                              const char* effective,
                                                              CORBA::Boolean noHistory) override {
    std::wstring ids = L"[";
    for (CORBA::ULong i = 0; i < oids.length(); ++i) {
      ids += (i > 0 ? L"," : L"") + Arg(oids[i].in());
    }
    Enter(token, "getScalePaymentDevelopments", {ids + L"]", Arg(effective), Arg(noHistory)});
    const std::optional<std::string> at = FromDisplay(effective);
    if (!at) {
      pay::Domain("effective time point '" + std::string(effective) + "' is not a date DD.MM.YYYY");
    }
    std::vector<sp::ScalePaymentDevelopmentStruct> rows;
    for (CORBA::ULong i = 0; i < oids.length(); ++i) {
      const std::string oid = oids[i].in();
      if (noHistory) {
        rows.push_back(Development(Decorated(store_.Get(oid, *at))));
        continue;
      }
      for (const sp::ScalePaymentStruct& r : store_.ActiveHistory(oid)) {
        if (!at->empty() && *at < std::string(r.history.timePeriod.internalValidFrom.in()))
          continue;
        rows.push_back(Development(Decorated(r)));
      }
    }
    auto* seq = new sp::ScalePaymentDevelopmentSeq;
    *seq = ostrel::server::ToSeq<sp::ScalePaymentDevelopmentSeq>(rows);
    return seq;
  }

 private:
  sp::ScalePaymentStruct Decorated(sp::ScalePaymentStruct r) {
    r.root.employeeShort = pay::Employee(core_, r.root.employeeShort);
    r.history.oidScalePayment = r.history.objectStruct.objectid;
    return r;
  }

  sp::ScalePaymentStruct* Out(const sp::ScalePaymentStruct& r) {
    return new sp::ScalePaymentStruct(Decorated(r));
  }

  sp::ScalePaymentSeq* OutSeq(const std::vector<sp::ScalePaymentStruct>& items) {
    auto* seq = new sp::ScalePaymentSeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Decorated(items[i]);
    return seq;
  }

  // Filters see the employee as it is now, so the store lists everything
  // and the filters run outside its lock. A bad sort key fails before.
  sp::ScalePaymentSeq Select(const sp::ScalePaymentFilterSeq& filters,
                             const Store::Ordering& order) {
    std::vector<sp::ScalePaymentStruct> items;
    for (const sp::ScalePaymentStruct& stored : store_.List({})) {
      sp::ScalePaymentStruct r = Decorated(stored);
      bool keep = filters.length() == 0;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) keep = Matches(filters[i], r);
      if (keep) items.push_back(std::move(r));
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return ostrel::server::ToSeq<sp::ScalePaymentSeq>(items);
  }

  Store& store_;
};

ostrel::server::RegisterServant<ScalePaymentServantImpl> registration(kName);

}  // namespace
