// What the servants of the pay elements (bank details, fixed, variable and
// scale payments) share: the employee as the server knows it, the employee
// criteria of their filters, the value types payments are booked under,
// exact decimal products, the text of a filter in the call log, and the
// servant template (PayElementServant) that a kind fills with a small table.
//
// Value types. A value type's object id is "VT-<number>". Known numbers:
//   1000 Base salary          1100 Overtime (preset factor 2: 25.00)
//   1500 One-off bonus        2000 Travel allowance (preset factor 2: 0.30)
//   3100 Shift premium (preset factor 2: 12.50)
// Any other "VT-<number>" reads as "Value type <number>" and is not known;
// any other id has number 0 and the id as its description.
#ifndef OSTREL_SERVER_KINDS_PAY_ELEMENTS_H_
#define OSTREL_SERVER_KINDS_PAY_ELEMENTS_H_

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee.hh"
#include "employees.h"
#include "personnel.hh"
#include "record_layout.h"
#include "record_servant.h"
#include "record_store.h"
#include "serverbase.hh"
#include "sorting.h"
#include "text.h"

namespace ostrel::server::pay {

namespace emp = com::ostrel::personnel::domain::employee;
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;

[[noreturn]] inline void Domain(const std::string& message) {
  throw ax::DomainException(Widen(message).c_str());
}
[[noreturn]] inline void Persistency(const std::string& message) {
  throw ax::PersistencyException(Widen(message).c_str());
}

// --- value types -------------------------------------------------------

struct ValueType {
  long number = 0;
  std::string description;
  std::string preset_factor2;  // "" when there is none
  bool known = false;
};

inline ValueType ValueTypeOf(const std::string& oid) {
  struct Entry {
    long number;
    const char* description;
    const char* preset_factor2;
  };
  static const Entry kCatalogue[] = {
      {1000, "Base salary", ""},        {1100, "Overtime", "25.00"},
      {1500, "One-off bonus", ""},      {2000, "Travel allowance", "0.30"},
      {3100, "Shift premium", "12.50"},
  };
  ValueType v;
  v.description = oid;
  if (oid.rfind("VT-", 0) != 0 || oid.size() == 3 ||
      oid.find_first_not_of("0123456789", 3) != std::string::npos || oid.size() > 12) {
    return v;
  }
  v.number = std::strtol(oid.c_str() + 3, nullptr, 10);
  v.description = "Value type " + std::to_string(v.number);
  for (const Entry& e : kCatalogue) {
    if (e.number == v.number) {
      v.description = e.description;
      v.preset_factor2 = e.preset_factor2;
      v.known = true;
    }
  }
  return v;
}

// --- exact decimals ----------------------------------------------------

// A decimal text as units of 10^-scale; nothing for a text that is no
// number or too long to hold.
struct Decimal {
  long long units = 0;
  int scale = 0;
};

inline std::optional<Decimal> ParseExact(std::string_view text) {
  if (!IsDecimal(text)) return std::nullopt;
  Decimal d;
  bool negative = false;
  bool fraction = false;
  int digits = 0;
  for (char c : text) {
    if (c == '-') {
      negative = true;
    } else if (c == '.') {
      fraction = true;
    } else if (c >= '0' && c <= '9') {
      if (++digits > 17) return std::nullopt;
      d.units = d.units * 10 + (c - '0');
      if (fraction) ++d.scale;
    }
  }
  if (negative) d.units = -d.units;
  return d;
}

// The decimal's text with all its places.
inline std::string Format(Decimal d) {
  const bool negative = d.units < 0;
  std::string digits = std::to_string(negative ? -d.units : d.units);
  if (d.scale > 0) {
    const size_t scale = static_cast<size_t>(d.scale);
    if (digits.size() <= scale) digits.insert(0, scale + 1 - digits.size(), '0');
    digits.insert(digits.size() - scale, ".");
  }
  return (negative ? "-" : "") + digits;
}

// The product of decimal texts rounded half away from zero to `scale`
// places; nothing when a factor is no number or the product overflows.
inline std::optional<std::string> Product(std::initializer_list<std::string_view> factors,
                                          int scale = 2) {
  Decimal p{1, 0};
  for (std::string_view f : factors) {
    std::optional<Decimal> d = ParseExact(f);
    if (!d || __builtin_mul_overflow(p.units, d->units, &p.units)) return std::nullopt;
    p.scale += d->scale;
  }
  // Only the first place dropped decides the rounding.
  while (p.scale > scale) {
    const long long dropped = p.units % 10;
    p.units /= 10;
    --p.scale;
    if (p.scale == scale && (dropped >= 5 || dropped <= -5)) p.units += dropped < 0 ? -1 : 1;
  }
  while (p.scale < scale) {
    if (__builtin_mul_overflow(p.units, 10LL, &p.units)) return std::nullopt;
    ++p.scale;
  }
  return Format(p);
}

// a + b with the places of the longer; nothing when either is no number or
// the sum overflows.
inline std::optional<std::string> Sum(std::string_view a, std::string_view b) {
  std::optional<Decimal> x = ParseExact(a);
  std::optional<Decimal> y = ParseExact(b);
  if (!x || !y) return std::nullopt;
  for (Decimal* d : {&*x, &*y}) {
    while (d->scale < std::max(x->scale, y->scale)) {
      if (__builtin_mul_overflow(d->units, 10LL, &d->units)) return std::nullopt;
      ++d->scale;
    }
  }
  Decimal s{0, x->scale};
  if (__builtin_add_overflow(x->units, y->units, &s.units)) return std::nullopt;
  return Format(s);
}

// --- the employee ------------------------------------------------------

// The server's short view of the employee; the given one for an employee the
// server does not know.
inline emp::EmployeeShortStruct Employee(Core& core, const emp::EmployeeShortStruct& given) {
  std::optional<emp::EmployeeShortStruct> e = FindEmployee(core, given.objectStruct.objectid.in());
  return e ? *e : given;
}

// The company must be given and be the employee's.
inline void CheckCompany(const emp::EmployeeShortStruct& e, const std::string& company) {
  if (company.empty()) throw ax::ApplicationLayerException(L"no company given");
  if (company != e.oidPCompany.in()) {
    Domain("employee '" + std::string(e.objectStruct.objectid.in()) +
           "' does not belong to company '" + company + "'");
  }
}

// Withdrawn before the fixed date (today where unset).
inline bool Withdrawn(const emp::EmployeeShortStruct& e, const std::string& fixedDate) {
  const std::string withdrawal = e.dateOfWithDrawal.in();
  if (dates::IsUnset(withdrawal)) return false;
  return withdrawal < (dates::IsUnset(fixedDate) ? dates::Today() : fixedDate);
}

// active: not withdrawn; withdrawn; all employees.
inline bool Displayed(pbt::ListDisplayOfEmployeeEnum display, const emp::EmployeeShortStruct& e,
                      const std::string& fixedDate) {
  switch (display) {
    case pbt::LIST_ACTIVE_EMPLOYEES:
      return !Withdrawn(e, fixedDate);
    case pbt::LIST_WITHDRAWN_EMPLOYEES:
      return Withdrawn(e, fixedDate);
    default:
      return true;
  }
}

// "" matches everything.
inline bool Same(const char* wanted, const char* actual) {
  return *wanted == '\0' || std::strcmp(wanted, actual) == 0;
}

// The employee's surname begins with `prefix` (UTF-8).
inline bool SurnameStartsWith(const emp::EmployeeShortStruct& e, const char* prefix) {
  const std::wstring p = Widen(prefix);
  return std::wstring_view(e.surname.in()).substr(0, p.size()) == p;
}

// --- periods -----------------------------------------------------------

// The days a period's payment covers: the effective dates where set, the
// validity where not.
struct Span {
  std::string from;
  std::string until;
};
inline Span SpanOf(const pbt::TimePeriodStruct& tp) {
  std::string from = tp.effectiveFrom.in();
  std::string until = tp.effectiveUntil.in();
  if (dates::IsUnset(from)) from = tp.internalValidFrom.in();
  if (dates::IsUnset(until)) until = tp.validUntil.in();
  if (dates::IsUnset(until)) until = dates::kOpenEnd;
  return {from, until};
}

// The span overlaps [from, until]; an unset bound is open.
inline bool Overlaps(const pbt::TimePeriodStruct& tp, const std::string& from,
                     const std::string& until) {
  const Span s = SpanOf(tp);
  if (!dates::IsUnset(from) && s.until < from) return false;
  if (!dates::IsUnset(until) && s.from > until) return false;
  return true;
}

// The span ends after the employee was journalized (always, when never).
inline bool AfterJournalized(const pbt::TimePeriodStruct& tp, const emp::EmployeeShortStruct& e) {
  const std::string journalized = e.journalizedUntil.in();
  return dates::IsUnset(journalized) || SpanOf(tp).until > journalized;
}

// --- call log ----------------------------------------------------------

// A filter as "{name=value;...}", its members in wire order; an opt union
// that is not set shows as "-".
inline std::wstring Fields(std::initializer_list<std::pair<const char*, std::wstring>> fields) {
  std::wstring out = L"{";
  for (const auto& [name, value] : fields) {
    if (out.size() > 1) out += L";";
    out += Widen(name) + L"=" + value;
  }
  return out + L"}";
}

template <class Union, class Get>
std::wstring OptArg(const Union& u, Get get) {
  return u._d() ? get(u) : std::wstring(L"-");
}

inline std::wstring ExtendedArg(
    const com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct& x) {
  return Widen(std::string(x.oidCostCenter.in()) + "/" + x.oidCostUnit.in() + "/" +
               x.oidDepartment.in() + "/" + x.oidEmployeeGroup.in());
}

// Every filter of a sequence, in order.
template <class Seq, class Describe>
std::wstring FiltersArg(const Seq& filters, Describe describe) {
  std::wstring out = L"[";
  for (CORBA::ULong i = 0; i < filters.length(); ++i) {
    if (i > 0) out += L",";
    out += describe(filters[i]);
  }
  return out + L"]";
}

// The conditions every pay element's filter shares: the period overlaps the
// filter's dates, lies after the journalized date if asked, and the
// employee's company, personnel number, surname and the period's cost centre
// and cost unit match where the filter names them.
template <class Filter, class TP>
bool MatchesCommon(const Filter& f, const emp::EmployeeShortStruct& e, const TP& tp) {
  return Overlaps(tp.timePeriod, f.fromDate.in(), f.untilDate.in()) &&
         (!f.afterJournalized || AfterJournalized(tp.timePeriod, e)) &&
         Same(f.oidPCompany.in(), e.oidPCompany.in()) &&
         (!f.pnr._d() || f.pnr.pnr() == e.personnelNumber) &&
         SurnameStartsWith(e, f.surname.in()) &&
         Same(f.extendedFilter.oidCostCenter.in(), tp.oidCostCenter.in()) &&
         Same(f.extendedFilter.oidCostUnit.in(), tp.oidCostUnit.in());
}

// --- the servant template ------------------------------------------------

// A kind's servant derives from PayElementServant<Kind>, where Kind is its
// table:
//
//   struct FixedPaymentKind {
//     using Struct = fp::FixedPaymentStruct;      // the record
//     using Seq = fp::FixedPaymentSeq;
//     using Filter = fp::FixedPaymentFilterStruct;
//     using FilterSeq = fp::FixedPaymentFilterSeq;
//     using Callback = fp::EEFixedPaymentStructCallback;
//     static constexpr char kPrefix[] = "FP";       // of the record ids
//     static constexpr bool kHistoryByEmployee = false;
//     // What the server fills in besides the employee's short view.
//     static void Decorate(Struct& r);
//     static std::wstring Describe(const Filter& f);  // the call log's text
//     // A record passes a filter when every condition holds.
//     static constexpr Condition<Filter, Struct> kConditions[] = {...};
//     // The kind's own sort keys, besides the employee's.
//     static inline const std::vector<SortKey<Struct>> kSortKeys = {...};
//   };
//
// and declares each IDL operation as a one-line call of the matching step
// below, where its own rules (checks, presets) do not ask for more.

template <class Filter, class Struct>
using Condition = bool (*)(const Filter&, const Struct&);

template <class Struct>
using SortKey = std::pair<const char*, SortField<Struct>>;

template <class Struct, class Get>
SortField<Struct> ByValue(Get get) {
  return [get](const Struct& a, const Struct& b) { return CompareValue(get(a), get(b)); };
}
template <class Struct, class Get>
SortField<Struct> ByText(Get get) {
  return [get](const Struct& a, const Struct& b) { return CompareText(get(a), get(b)); };
}
// Digit runs compare as numbers ("VT-900" before "VT-1000").
template <class Struct, class Get>
SortField<Struct> ByNatural(Get get) {
  return [get](const Struct& a, const Struct& b) { return CompareNatural(get(a), get(b)); };
}

// The conditions most kinds' filters share.
template <class Filter, class Struct>
bool Common(const Filter& f, const Struct& r) {
  using L = ::ostrel::RecordLayout<Struct>;
  return MatchesCommon(f, L::RootPart(r).employeeShort, L::PeriodPart(r));
}
template <class Filter, class Struct>
bool ListDisplay(const Filter& f, const Struct& r) {
  using L = ::ostrel::RecordLayout<Struct>;
  return Displayed(f.listDisplayOfEmployeeEnum, L::RootPart(r).employeeShort,
                   f.fixedDateOfWithDrawal.in());
}

// Which periods a history query answers.
enum class Periods { kAll, kActive, kEffective };

template <class Kind>
class PayElementServant : public RecordServant {
 public:
  using Struct = typename Kind::Struct;
  using Seq = typename Kind::Seq;
  using FilterSeq = typename Kind::FilterSeq;
  using Layout = ::ostrel::RecordLayout<Struct>;
  using Store = RecordStore<Struct>;
  using Sort = com::ostrel::serverbase::query::SortierungStruct;
  using Token = com::ostrel::serverbase::access::AccessToken_ptr;

  explicit PayElementServant(Core& core)
      : RecordServant(core), store_(core.Store<Struct>(Kind::kPrefix)) {}

 protected:
  // --- the standard operations; each logs its arguments and has what it
  // received checked (wire_check.h) first.

  Struct* Create(Token token, const char* op, const Struct& r) {
    const std::wstring user = Enter(token, op, {RecordArg(r)}, r);
    return Out(store_.Create(user, r));
  }
  Struct* Add(Token token, const char* op, const Struct& r, bool removeNew) {
    const std::wstring user = Enter(token, op, {RecordArg(r), Arg(removeNew)}, r);
    return Out(store_.Add(user, r, removeNew));
  }
  Struct* Set(Token token, const char* op, const Struct& r, bool removeNew) {
    const std::wstring user = Enter(token, op, {RecordArg(r), Arg(removeNew)}, r);
    return Out(store_.Set(user, r, removeNew));
  }
  void Delete(Token token, const char* op, const char* oidEmployee, const char* oid,
              CORBA::Long version) {
    const std::wstring user = Enter(token, op, {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }
  Struct* GetAt(Token token, const char* oid, const char* effective, const char* valid) {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    return Out(store_.GetAt(oid, effective, valid));
  }
  Seq* List(Token token, const char* op, const FilterSeq& filters, const Sort& sort) {
    Enter(token, op, {FiltersArg(filters, Kind::Describe), Arg(sort)}, filters);
    return new Seq(ToSeq<Seq>(Select(filters, sort)));
  }
  void StreamList(Token token, const char* op, const FilterSeq& filters, const Sort& sort,
                  typename Kind::Callback::_ptr_type callback) {
    const StreamCall call =
        EnterStream(token, op, {FiltersArg(filters, Kind::Describe), Arg(sort)}, filters);
    NeedCallback(callback);
    Stream<typename Kind::Callback>(callback, ToSeq<Seq>(Select(filters, sort)), call);
  }
  // All or active periods of the record `oid` (of every record of the
  // employee `oid` for a kind with kHistoryByEmployee).
  Seq* History(Token token, const char* op, const char* oid, Periods which) {
    Enter(token, op, {Arg(oid)});
    return OutSeq(HistoryOf(oid, which, ""));
  }
  // The periods in force at a date.
  Seq* EffectiveHistory(Token token, const char* op, const char* oid, DateArg date) {
    Enter(token, op, {Arg(oid), Arg(date.text)}, date);
    return OutSeq(HistoryOf(oid, Periods::kEffective, date.text));
  }
  Seq* CopyForEmployee(Token token, const char* op, const char* oidEmployee,
                       const char* validFrom) {
    Enter(token, op, {Arg(oidEmployee), Arg(validFrom)}, DateArg{"validFrom", validFrom});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

  // --- the pieces the steps are made of.

  // The record as the server answers it: the employee's short view as it is
  // now, and what the kind fills in.
  Struct Decorated(Struct r) const {
    auto& e = Layout::RootPart(r).employeeShort;
    e = Employee(core_, e);
    Kind::Decorate(r);
    return r;
  }
  Struct* Out(const Struct& r) const { return new Struct(Decorated(r)); }
  Seq* OutSeq(const std::vector<Struct>& items) const {
    auto* seq = new Seq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Decorated(items[i]);
    return seq;
  }

  // The decorated records that pass any of the filters (all without one) and
  // `also`, in the sort's order. Filters see the employee as it is now, so
  // the store lists everything and the filters run outside its lock. A bad
  // sort key fails before.
  std::vector<Struct> Select(const FilterSeq& filters, const Sort& sort,
                             const std::function<bool(const Struct&)>& also = {}) const {
    const typename Store::Ordering order = Ordering(sort);
    std::vector<Struct> items;
    for (const Struct& stored : store_.List({})) {
      Struct r = Decorated(stored);
      if (also && !also(r)) continue;
      bool keep = filters.length() == 0;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) keep = Matches(filters[i], r);
      if (keep) items.push_back(std::move(r));
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return items;
  }

  // The periods of one record.
  std::vector<Struct> PeriodsOf(const std::string& oid, Periods which,
                                const std::string& date) const {
    switch (which) {
      case Periods::kAll:
        return store_.AllHistory(oid);
      case Periods::kActive:
        return store_.ActiveHistory(oid);
      case Periods::kEffective:
      default:
        return store_.EffectiveHistory(oid, date);
    }
  }
  // The employee's records not deleted, each with its latest period.
  std::vector<Struct> OfEmployee(const std::string& oidEmployee) const {
    return store_.List(
        [&oidEmployee](const Struct& r) { return oidEmployee == Layout::EmployeeOid(r); });
  }
  // The periods of each of the employee's records, record by record.
  std::vector<Struct> EmployeePeriods(const std::string& oidEmployee, Periods which,
                                      const std::string& date) const {
    std::vector<Struct> items;
    for (const Struct& r : OfEmployee(oidEmployee)) {
      for (Struct& p : PeriodsOf(Layout::RootIdentity(r).objectid.in(), which, date)) {
        items.push_back(std::move(p));
      }
    }
    return items;
  }

  static void NeedCallback(CORBA::Object_ptr callback) {
    if (CORBA::is_nil(callback)) {
      throw com::ostrel::serverbase::applicationexception::ApplicationLayerException(
          L"no callback given");
    }
  }

  Store& store_;

 private:
  std::vector<Struct> HistoryOf(const std::string& oid, Periods which,
                                const std::string& date) const {
    return Kind::kHistoryByEmployee ? EmployeePeriods(oid, which, date)
                                    : PeriodsOf(oid, which, date);
  }

  static bool Matches(const typename Kind::Filter& f, const Struct& r) {
    for (Condition<typename Kind::Filter, Struct> holds : Kind::kConditions) {
      if (!holds(f, r)) return false;
    }
    return true;
  }

  static typename Store::Ordering Ordering(const Sort& sort) {
    static const std::map<std::string, SortField<Struct>> kFields = [] {
      auto fields = EmployeeSortFields<Struct>(
          [](const Struct& r) -> const auto& { return Layout::RootPart(r); });
      for (const auto& [name, field] : Kind::kSortKeys) fields.emplace(name, field);
      return fields;
    }();
    return MakeOrdering<Struct>(sort, kFields);
  }
};

}  // namespace ostrel::server::pay

#endif  // OSTREL_SERVER_KINDS_PAY_ELEMENTS_H_
