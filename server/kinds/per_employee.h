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
#ifndef OSTREL_SERVER_KINDS_PER_EMPLOYEE_H_
#define OSTREL_SERVER_KINDS_PER_EMPLOYEE_H_

#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee.hh"
#include "employee_records.h"
#include "employees.h"
#include "record_layout.h"
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

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_KINDS_PER_EMPLOYEE_H_
