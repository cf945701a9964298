// What the servants of per-employee records (tax, insurance, pension funds,
// dismissal data) share. Such a record (layout EmployeeRecordLayout) is the
// employee's short view followed by one period whose third field is
// oidEmployee; the store keeps one record per employee, keyed by the
// employee's object id.
//
//   - Writes name the employee by the short view's object id, or, where that
//     is empty, by the period's oidEmployee; the two must agree and the
//     employee must be one of the server's. The record is written with the
//     employee's short view and oidEmployee filled in.
//   - Answers carry the employee's short view as it is now.
//   - Linked histories: the employee's, then those of the employees linked
//     to it by copies (LinkedEmployees, employee_records.h) that have a
//     record of the kind.
//   - Copies for a new employee have no identities and no oidEmployee.
//   - Filters' employee criteria: company and personnel number equal,
//     surname a prefix of the employee's, and the list display (active:
//     not withdrawn before fixedDateOfWithDrawal, today where unset;
//     withdrawn; all).
//
// PerEmployeeServant<Table> is the servant of such a kind; the kind's
// table names its types, store prefix, own sort keys, own filter fields
// and findings, and its servant adds its own rules and one-line forwarders.
#ifndef OSTREL_SERVER_KINDS_PER_EMPLOYEE_H_
#define OSTREL_SERVER_KINDS_PER_EMPLOYEE_H_

#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee.hh"
#include "employee_records.h"
#include "employees.h"
#include "record_layout.h"
#include "record_servant.h"
#include "record_store.h"
#include "sequences.h"
#include "sorting.h"
#include "text.h"

namespace ostrel::server {

namespace per_employee {

namespace emp = com::ostrel::personnel::domain::employee;
namespace pbt = com::ostrel::personnel::framework::basictypes;

// The employee criteria of a filter.
struct Criteria {
  const char* oidPCompany = "";
  std::optional<long> pnr;
  std::wstring surname;  // a prefix
  const char* fixedDateOfWithDrawal = "";
  pbt::ListDisplayOfEmployeeEnum listDisplay = pbt::LIST_ALL_EMPLOYEES;
};

inline std::wstring SurnameOf(const char* surname) { return Widen(surname); }
inline std::wstring SurnameOf(const CORBA::WChar* surname) { return surname; }

// The employee criteria of any kind's filter (the members share their
// names): the one reading of them, whatever text type the surname has.
template <class Filter>
Criteria CriteriaOf(const Filter& f) {
  Criteria c;
  c.oidPCompany = f.oidPCompany.in();
  if (f.pnr._d()) c.pnr = f.pnr.pnr();
  c.surname = SurnameOf(f.surname.in());
  c.fixedDateOfWithDrawal = f.fixedDateOfWithDrawal.in();
  c.listDisplay = f.listDisplayOfEmployeeEnum;
  return c;
}

inline bool Withdrawn(const emp::EmployeeShortStruct& e, const std::string& fixedDate) {
  const std::string withdrawal = e.dateOfWithDrawal.in();
  if (dates::IsUnset(withdrawal)) return false;
  return withdrawal < (dates::IsUnset(fixedDate) ? dates::Today() : fixedDate);
}

inline bool Matches(const Criteria& c, const emp::EmployeeShortStruct& e) {
  if (*c.oidPCompany && std::strcmp(c.oidPCompany, e.oidPCompany.in()) != 0) return false;
  if (c.pnr && *c.pnr != e.personnelNumber) return false;
  if (std::wstring_view(e.surname.in()).substr(0, c.surname.size()) != c.surname) return false;
  switch (c.listDisplay) {
    case pbt::LIST_ACTIVE_EMPLOYEES:
      return !Withdrawn(e, c.fixedDateOfWithDrawal);
    case pbt::LIST_WITHDRAWN_EMPLOYEES:
      return Withdrawn(e, c.fixedDateOfWithDrawal);
    default:
      return true;
  }
}

// Appends one finding to a record's error list.
inline void AddFinding(pbt::ErrorSeq& errors, CORBA::Long code, const std::wstring& message,
                       const char* attribute) {
  auto& e = ostrel::server::AppendNew(errors);
  e.errorCode = code;
  e.message = message.c_str();
  e.attributeName = attribute;
}

// A filter sequence as a predicate: any filter may match; no filter
// matches everything.
template <class Struct, class FilterSeq, class Match>
std::function<bool(const Struct&)> MatchesAny(const FilterSeq& filters, Match match) {
  return [&filters, match](const Struct& r) {
    if (filters.length() == 0) return true;
    for (CORBA::ULong i = 0; i < filters.length(); ++i) {
      if (match(filters[i], r)) return true;
    }
    return false;
  };
}

// Sort keys every per-employee kind understands: personnelNumber, surname,
// oidPCompany, objectid (the employee's) and effectiveFrom; a kind adds its
// own to the map.
template <class Struct>
std::map<std::string, SortField<Struct>> SortFields() {
  using L = ::ostrel::RecordLayout<Struct>;
  using S = Struct;
  return {
      {"personnelNumber",
       [](const S& a, const S& b) {
         return CompareValue(L::RootPart(a).personnelNumber, L::RootPart(b).personnelNumber);
       }},
      {"surname",
       [](const S& a, const S& b) {
         return CompareWide(L::RootPart(a).surname.in(), L::RootPart(b).surname.in());
       }},
      {"oidPCompany",
       [](const S& a, const S& b) {
         return CompareText(L::RootPart(a).oidPCompany.in(), L::RootPart(b).oidPCompany.in());
       }},
      {"objectid",
       [](const S& a, const S& b) { return CompareNatural(L::EmployeeOid(a), L::EmployeeOid(b)); }},
      {"effectiveFrom",
       [](const S& a, const S& b) {
         return CompareText(L::Period(a).effectiveFrom.in(), L::Period(b).effectiveFrom.in());
       }},
  };
}

// A sort key on a member of the period: `{"taxBracket", ByPeriod<R, &TaxStruct::taxBracket>}`.
template <class Struct, auto Member>
int ByPeriod(const Struct& a, const Struct& b) {
  using L = ::ostrel::RecordLayout<Struct>;
  const auto& x = L::PeriodPart(a).*Member;
  const auto& y = L::PeriodPart(b).*Member;
  if constexpr (std::is_same_v<std::decay_t<decltype(x)>, CORBA::String_member>) {
    return CompareText(x.in(), y.in());
  } else {
    return CompareValue(x, y);
  }
}

template <class Table, class = void>
struct HasFindings : std::false_type {};
template <class Table>
struct HasFindings<Table,
                   std::void_t<decltype(Table::Findings(std::declval<typename Table::Record&>()))>>
    : std::true_type {};

}  // namespace per_employee

// The store of one per-employee kind and the steps its servant shares.
template <class Struct>
class EmployeeRecords {
 public:
  using Layout = ::ostrel::RecordLayout<Struct>;
  using Store = RecordStore<Struct>;
  // The server's own fields of an answer (its findings), filled anew on
  // every answer.
  using Decorate = std::function<void(Struct&)>;

  EmployeeRecords(Core& core, const std::string& prefix, Decorate decorate = {})
      : core_(core), store_(core.Store<Struct>(prefix)), decorate_(std::move(decorate)) {}

  Store& store() { return store_; }

  // The employee a written record names (see the top of this file).
  static std::string EmployeeOf(const Struct& s) {
    const std::string by_short = Layout::EmployeeOid(s);
    const std::string by_record = Layout::PeriodPart(s).oidEmployee.in();
    if (!by_short.empty() && !by_record.empty() && by_short != by_record) {
      store_detail::Domain("the record names employee '" + by_record + "', not '" + by_short + "'");
    }
    return by_short.empty() ? by_record : by_short;
  }

  // The record a struct names for deleting: the short view's object id,
  // else oidEmployee; the rest of the struct does not matter.
  static std::string KeyOf(const Struct& s) {
    const std::string by_short = Layout::EmployeeOid(s);
    return by_short.empty() ? std::string(Layout::PeriodPart(s).oidEmployee.in()) : by_short;
  }

  // The record ready to be written: the employee's short view and
  // oidEmployee filled in.
  Struct Prepared(const Struct& in) const {
    const std::string oid = EmployeeOf(in);
    Struct s = in;
    Layout::RootPart(s) = KnownEmployee(core_, oid);
    Layout::PeriodPart(s).oidEmployee = oid.c_str();
    return s;
  }

  // The same for a record of which only the period was sent.
  template <class Period>
  Struct PreparedFromPeriod(const Period& period) const {
    Struct s{};
    Layout::PeriodPart(s) = period;
    return Prepared(s);
  }

  // An answer: the employee as it is now, the server's findings.
  Struct Out(Struct s) const {
    if (auto e = FindEmployee(core_, Layout::EmployeeOid(s))) Layout::RootPart(s) = *e;
    if (decorate_) decorate_(s);
    return s;
  }
  Struct* New(const Struct& s) const { return new Struct(Out(s)); }

  template <class Seq>
  Seq ToSeq(const std::vector<Struct>& items) const {
    Seq seq;
    seq.length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq.length(); ++i) seq[i] = Out(items[i]);
    return seq;
  }
  template <class Seq>
  Seq* NewSeq(const std::vector<Struct>& items) const {
    return new Seq(ToSeq<Seq>(items));
  }

  // The employee's records as templates for a new employee: identities and
  // oidEmployee cleared, internal valid-from date validFrom.
  std::vector<Struct> Copies(const std::string& oidEmployee, const std::string& validFrom) const {
    std::vector<Struct> out = store_.CopyForEmployee(oidEmployee, validFrom);
    for (Struct& s : out) Layout::PeriodPart(s).oidEmployee = "";
    return out;
  }

  // The employee's history (all periods or the active ones) followed by
  // those of the linked employees that have a record of this kind.
  std::vector<Struct> LinkedHistory(const std::string& oidEmployee, bool all) const {
    KnownEmployee(core_, oidEmployee);
    std::vector<Struct> out;
    for (const std::string& oid : LinkedEmployees(core_, oidEmployee)) {
      if (oid != oidEmployee && !store_.Has(oid)) continue;
      std::vector<Struct> h = all ? store_.AllHistory(oid) : store_.ActiveHistory(oid);
      out.insert(out.end(), h.begin(), h.end());
    }
    return out;
  }

 private:
  Core& core_;
  Store& store_;
  Decorate decorate_;
};

// The servant of a per-employee kind. Table:
//
//   struct TaxTable {
//     using Record = EETaxStruct;  // also Seq, FilterSeq, Callback
//     static constexpr char kPrefix[] = "TAX";
//     static SortKeys<Record> OwnSortKeys() {
//       return {{"taxBracket", per_employee::ByPeriod<Record, &TaxStruct::taxBracket>}};
//     }
//     // The kind's own filter fields; the employee criteria are checked here.
//     static bool Matches(const EETaxFilterStruct& f, const Record& r);
//     static void Findings(Record& r);  // optional: the server's findings
//   };
//
// Every operation hands what it received to Enter, which checks its wire
// texts before anything is read.
template <class Struct>
using SortKeys = std::map<std::string, SortField<Struct>>;

template <class Table>
class PerEmployeeServant : public RecordServant {
 public:
  using Record = typename Table::Record;
  using Seq = typename Table::Seq;
  using FilterSeq = typename Table::FilterSeq;
  using Callback = typename Table::Callback;
  using Records = EmployeeRecords<Record>;
  using SortierungStruct = com::ostrel::serverbase::query::SortierungStruct;

  explicit PerEmployeeServant(Core& core)
      : RecordServant(core), records_(core, Table::kPrefix, Decoration()) {}

 protected:
  // Writes that send the whole record.
  Record* Create(AccessToken_ptr token, const char* op, const Record& r) {
    const std::wstring user = Enter(token, op, {RecordArg(r)}, r);
    return records_.New(records_.store().Create(user, records_.Prepared(r)));
  }
  Record* Add(AccessToken_ptr token, const char* op, const Record& r, bool removeNew,
              CallArgs more = {}) {
    const std::wstring user = Enter(token, op, WriteArgs(RecordArg(r), {}, removeNew, more), r);
    return records_.New(records_.store().Add(user, records_.Prepared(r), removeNew));
  }
  Record* Set(AccessToken_ptr token, const char* op, const Record& r, bool removeNew,
              CallArgs more = {}) {
    const std::wstring user = Enter(token, op, WriteArgs(RecordArg(r), {}, removeNew, more), r);
    return records_.New(records_.store().Set(user, records_.Prepared(r), removeNew));
  }
  // Deletes the employee's record the struct names, whatever else it holds.
  void Delete(AccessToken_ptr token, const char* op, const Record& r) {
    const std::wstring user = Enter(token, op, {RecordArg(r)}, r);
    records_.store().Delete(user, Records::KeyOf(r), 0, nullptr);
  }

  // Writes that send only the period; its oidEmployee names the employee.
  template <class Period>
  Record* CreatePeriod(AccessToken_ptr token, const char* op, const Period& p) {
    const std::wstring user = Enter(token, op, {Arg(p.oidEmployee.in())}, p);
    return records_.New(records_.store().Create(user, records_.PreparedFromPeriod(p)));
  }
  template <class Period>
  Record* AddPeriod(AccessToken_ptr token, const char* op, const Period& p, bool removeNew) {
    const std::wstring user =
        Enter(token, op, WriteArgs(Arg(p.oidEmployee.in()), IdArg(p.objectStruct), removeNew), p);
    return records_.New(records_.store().Add(user, records_.PreparedFromPeriod(p), removeNew));
  }
  template <class Period>
  Record* SetPeriod(AccessToken_ptr token, const char* op, const Period& p, bool removeNew) {
    const std::wstring user =
        Enter(token, op, WriteArgs(Arg(p.oidEmployee.in()), IdArg(p.objectStruct), removeNew), p);
    return records_.New(records_.store().Set(user, records_.PreparedFromPeriod(p), removeNew));
  }

  Seq* Active(AccessToken_ptr token, const char* op, const FilterSeq& filter,
              const SortierungStruct& sort) {
    Enter(token, op, {CountArg(filter), Arg(sort)}, filter);
    return new Seq(Listed(filter, sort));
  }
  void ActiveCB(AccessToken_ptr token, const char* op, const FilterSeq& filter,
                const SortierungStruct& sort, typename Callback::_ptr_type callback) {
    const StreamCall call = EnterStream(token, op, {CountArg(filter), Arg(sort)}, filter);
    if (CORBA::is_nil(callback)) {
      throw com::ostrel::serverbase::applicationexception::ApplicationLayerException(
          L"no callback given");
    }
    RecordServant::Stream<Callback>(callback, Listed(filter, sort), call);
  }

  Seq* ActiveHistory(AccessToken_ptr token, const char* op, const char* oidEmployee) {
    Enter(token, op, {Arg(oidEmployee)});
    return records_.template NewSeq<Seq>(records_.store().ActiveHistory(oidEmployee));
  }
  Seq* AllHistory(AccessToken_ptr token, const char* op, const char* oidEmployee) {
    Enter(token, op, {Arg(oidEmployee)});
    return records_.template NewSeq<Seq>(records_.store().AllHistory(oidEmployee));
  }
  Seq* EffectiveHistory(AccessToken_ptr token, const char* op, const char* oidEmployee,
                        const char* effective) {
    Enter(token, op, {Arg(oidEmployee), Arg(effective)}, DateArg{"effectiveTimePoint", effective});
    return records_.template NewSeq<Seq>(records_.store().EffectiveHistory(oidEmployee, effective));
  }
  // The histories of the employee and of the employees linked to it.
  Seq* LinkedHistory(AccessToken_ptr token, const char* op, const char* oidEmployee, bool all) {
    Enter(token, op, {Arg(oidEmployee)});
    return records_.template NewSeq<Seq>(records_.LinkedHistory(oidEmployee, all));
  }

  Record* Get(AccessToken_ptr token, const char* oidEmployee, const char* effective,
              const char* valid) {
    Enter(token, "getObjectFromObjectId", {Arg(oidEmployee), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    return records_.New(records_.store().GetAt(oidEmployee, effective, valid));
  }

  Seq* Copies(AccessToken_ptr token, const char* op, const char* oidEmployee,
              const char* validFrom) {
    Enter(token, op, {Arg(oidEmployee), Arg(validFrom)}, DateArg{"validFrom", validFrom});
    return records_.template NewSeq<Seq>(records_.Copies(oidEmployee, validFrom));
  }

  // What getMigrationEmployee starts from: the record sent, with the
  // employee's short view and oidEmployee filled in; not stored.
  Record Migrating(AccessToken_ptr token, const Record& created) {
    Enter(token, "getMigrationEmployee", {RecordArg(created)}, created);
    return records_.Prepared(created);
  }

  Records& records() { return records_; }

 private:
  static CallArgs WriteArgs(std::wstring first, std::optional<std::wstring> id, bool removeNew,
                            const CallArgs& more = {}) {
    CallArgs args{std::move(first)};
    if (id) args.push_back(std::move(*id));
    args.push_back(Arg(removeNew));
    args.insert(args.end(), more.begin(), more.end());
    return args;
  }

  static typename Records::Decorate Decoration() {
    if constexpr (per_employee::HasFindings<Table>::value) {
      return [](Record& r) { Table::Findings(r); };
    } else {
      return {};
    }
  }

  template <class Filter>
  static bool Matches(const Filter& f, const Record& r) {
    return Table::Matches(f, r) &&
           per_employee::Matches(per_employee::CriteriaOf(f), Records::Layout::RootPart(r));
  }

  Seq Listed(const FilterSeq& filter, const SortierungStruct& sort) {
    static const SortKeys<Record> kKeys = [] {
      SortKeys<Record> keys = per_employee::SortFields<Record>();
      for (auto& [name, key] : Table::OwnSortKeys()) keys[name] = key;
      return keys;
    }();
    return records_.template ToSeq<Seq>(records_.store().List(
        per_employee::MatchesAny<Record>(
            filter, [](const auto& f, const Record& r) { return Matches(f, r); }),
        MakeOrdering<Record>(sort, kKeys)));
  }

  Records records_;
};

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_KINDS_PER_EMPLOYEE_H_
