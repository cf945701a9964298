// Pension schemes in the reference server: EEPensionSchemeServant on the
// generic record store. An employee may have several schemes; each is a
// record of its own ("PS-<n>").
//
// Writes name an employee of the server's (root.ee); the record is stored
// with the employee's short view as it is then, and answers carry it as it is
// now. add and set keep the scheme with its employee: naming another one is
// refused.
//
// add, set and delete answer the list the client shows: the schemes that the
// filters sent select, in the sort order sent, after the write. A bad sort
// key is refused before anything is written.
//
// Filter fields (several filters: any of them; none: every scheme not
// deleted):
//   implementationway      equal to the root's implementation way;
//   oidPCompany, pnr, surname, listDisplayOfEmployeeEnum,
//   fixedDateOfWithDrawal  the employee criteria every kind shares
//                          (per_employee.h);
//   deleted                the deleted schemes instead of the others (the
//                          list restoreEEPensionScheme picks from);
//   afterJournalized       only schemes whose period ends after the
//                          employee's journalizedUntil;
//   fromDate, untilDate    the period's validity overlaps [from, until];
//   extendedFilter         cost centre and the like are not held by a
//                          scheme: ignored.
// Sort keys: personnelNumber, surname, objectid, implementationWay,
// dateOfEntry, effectiveFrom.
//
// isAlreadyJournalized: the version must be the stored one and the scheme the
// employee's; true when the period of that version starts (effectiveFrom,
// else internalValidFrom) on or before the employee's journalizedUntil, so a
// change of it would touch journalized payroll. False while nothing is
// journalized.
//
// checkForAdvice answers one line per implausible entry, "" when there is
// nothing to advise:
//   - the withdrawal from the scheme lies before the entry into it;
//   - the entry into the scheme lies before the employee's date of entry;
//   - the change is to be valid (validFrom) before the entry into the scheme;
//   - a contribution has an amount other than zero but no month to be paid
//     in (employer or employee, as current pay or as extra payment).
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "dates.h"
#include "employees.h"
#include "pensionscheme_kind.h"
#include "per_employee.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace ps = ostrel::pensionscheme;
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
namespace per_employee = ostrel::server::per_employee;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using R = ps::EEPensionSchemeStruct;
using Store = ostrel::server::RecordStore<R>;
using com::ostrel::serverbase::access::AccessToken_ptr;

std::string OidOf(const R& r) { return r.root.objectStruct.objectid.in(); }
std::string EmployeeOf(const R& r) { return r.root.ee.objectStruct.objectid.in(); }

// The first day the period is in force.
std::string PeriodStart(const R& r) {
  const std::string from = r.history.timePeriod.effectiveFrom.in();
  return dates::IsUnset(from) ? std::string(r.history.timePeriod.internalValidFrom.in()) : from;
}

bool Matches(const ps::EEPensionSchemeFilterStruct& f, const R& r, bool deleted) {
  if (deleted != static_cast<bool>(f.deleted)) return false;
  if (f.implementationway._d() &&
      f.implementationway.implementationway() != r.root.implementationWay) {
    return false;
  }
  if (!per_employee::Matches(per_employee::CriteriaOf(f), r.root.ee)) return false;
  const auto& tp = r.history.timePeriod;
  if (f.afterJournalized) {
    const std::string journalized = r.root.ee.journalizedUntil.in();
    if (!dates::IsUnset(journalized) && tp.validUntil.in() <= journalized) return false;
  }
  if (!dates::IsUnset(f.fromDate.in()) && tp.validUntil.in() < std::string(f.fromDate.in())) {
    return false;
  }
  if (!dates::IsUnset(f.untilDate.in()) &&
      tp.internalValidFrom.in() > std::string(f.untilDate.in())) {
    return false;
  }
  return true;
}

Store::Ordering Ordering(const ps::SortierungStruct& sort) {
  using ostrel::server::CompareNatural;
  using ostrel::server::CompareText;
  using ostrel::server::CompareValue;
  using ostrel::server::CompareWide;
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = {
      {"personnelNumber",
       [](const R& a, const R& b) {
         return CompareValue(a.root.ee.personnelNumber, b.root.ee.personnelNumber);
       }},
      {"surname",
       [](const R& a, const R& b) {
         return CompareWide(a.root.ee.surname.in(), b.root.ee.surname.in());
       }},
      {"objectid",
       [](const R& a, const R& b) {
         return CompareNatural(a.root.objectStruct.objectid.in(),
                               b.root.objectStruct.objectid.in());
       }},
      {"implementationWay",
       [](const R& a, const R& b) {
         return CompareValue(a.root.implementationWay, b.root.implementationWay);
       }},
      {"dateOfEntry",
       [](const R& a, const R& b) {
         return CompareText(a.history.dateOfEntry.in(), b.history.dateOfEntry.in());
       }},
      {"effectiveFrom",
       [](const R& a, const R& b) {
         return CompareText(PeriodStart(a).c_str(), PeriodStart(b).c_str());
       }},
  };
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

// Whether an amount is given and not zero.
bool IsPaid(const char* amount) {
  const auto value = ostrel::server::ParseDecimal(amount);
  return value && *value != 0.0;
}

bool HasMonth(const pbt::IntervalStruct& i) {
  return i.january || i.february || i.march || i.april || i.may || i.june || i.july || i.august ||
         i.september || i.october || i.november || i.december;
}

std::vector<std::string> Advice(const R& r, const std::string& validFrom) {
  std::vector<std::string> advice;
  const auto& tp = r.history;
  const std::string entry = tp.dateOfEntry.in();
  const std::string withdrawal = tp.dateOfWithDrawal.in();
  const std::string employee_entry = r.root.ee.dateOfEntry.in();
  if (!dates::IsUnset(entry) && !dates::IsUnset(withdrawal) && withdrawal < entry) {
    advice.push_back("withdrawal " + withdrawal + " lies before the entry " + entry);
  }
  if (!dates::IsUnset(entry) && !dates::IsUnset(employee_entry) && entry < employee_entry) {
    advice.push_back("entry " + entry + " lies before the employee's date of entry " +
                     employee_entry);
  }
  if (!dates::IsUnset(entry) && !dates::IsUnset(validFrom) && validFrom < entry) {
    advice.push_back("valid from " + validFrom + " lies before the entry " + entry);
  }
  const struct {
    const char* what;
    const pbt::IntervalStruct& months;
    const char* amount;
  } contributions[] = {
      {"employer's contribution as current pay", tp.erExpensesPays, tp.duesERpaysAsCtPay.in()},
      {"employer's contribution as extra payment", tp.erPaysAsExtra, tp.duesERpaysAsExtra.in()},
      {"employee's contribution as current pay", tp.eeExpensesPays, tp.duesEEpaysAsCtPay.in()},
      {"employee's contribution as extra payment", tp.eePaysAsExtra, tp.duesEEpaysAsExtra.in()},
  };
  for (const auto& c : contributions) {
    if (IsPaid(c.amount) && !HasMonth(c.months)) {
      advice.push_back(std::string(c.what) + " " + c.amount + " has no month to be paid in");
    }
  }
  return advice;
}

class EEPensionSchemeServantImpl
    : public POA_com::ostrel::personnel::domain::employee::pensionscheme::EEPensionSchemeServant,
      public ostrel::server::RecordServant {
 public:
  explicit EEPensionSchemeServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<R>("PS")) {}

  R* createEEPensionScheme(AccessToken_ptr token, const R& r) override {
    const std::wstring user = Enter(token, "createEEPensionScheme", {RecordArg(r)}, r);
    return Out(store_.Create(user, WithEmployee(r)));
  }

  ps::EEPensionSchemeSeq* addEEPensionScheme(AccessToken_ptr token,
                                             const ps::EEPensionSchemeFilterSeq& filter,
                                             const ps::SortierungStruct& sort, const R& r,
                                             CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "addEEPensionScheme",
              {CountArg(filter), Arg(sort), RecordArg(r), Arg(removeNew)}, filter, r);
    const Store::Ordering order = Ordering(sort);
    store_.Add(user, Unmoved(r), removeNew);
    return new ps::EEPensionSchemeSeq(Select(filter, order));
  }

  ps::EEPensionSchemeSeq* setEEPensionScheme(AccessToken_ptr token,
                                             const ps::EEPensionSchemeFilterSeq& filter,
                                             const ps::SortierungStruct& sort, const R& r,
                                             CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "setEEPensionScheme",
              {CountArg(filter), Arg(sort), RecordArg(r), Arg(removeNew)}, filter, r);
    const Store::Ordering order = Ordering(sort);
    store_.Set(user, Unmoved(r), removeNew);
    return new ps::EEPensionSchemeSeq(Select(filter, order));
  }

  ps::EEPensionSchemeSeq* deleteEEPensionScheme(AccessToken_ptr token,
                                                const ps::EEPensionSchemeFilterSeq& filter,
                                                const ps::SortierungStruct& sort,
                                                const char* oidEmployee, const char* oid,
                                                CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteEEPensionScheme",
              {CountArg(filter), Arg(sort), Arg(oidEmployee), Arg(oid), Arg(version)}, filter);
    const Store::Ordering order = Ordering(sort);
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
    return new ps::EEPensionSchemeSeq(Select(filter, order));
  }

  void restoreEEPensionScheme(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                              CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "restoreEEPensionScheme", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Restore(user, oid, version, &employee);
  }

  R* getObjectFromObjectId(AccessToken_ptr token, const char* oid, const char* effective,
                           const char* valid) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    return Out(store_.GetAt(oid, effective, valid));
  }

  ps::EEPensionSchemeSeq* getActiveEEPensionSchemes(AccessToken_ptr token,
                                                    const ps::EEPensionSchemeFilterSeq& filter,
                                                    const ps::SortierungStruct& sort) override {
    Enter(token, "getActiveEEPensionSchemes", {CountArg(filter), Arg(sort)}, filter);
    return new ps::EEPensionSchemeSeq(Select(filter, Ordering(sort)));
  }

  void getActiveEEPensionSchemesCB(AccessToken_ptr token,
                                   const ps::EEPensionSchemeFilterSeq& filter,
                                   const ps::SortierungStruct& sort,
                                   ps::EEPensionSchemeStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveEEPensionSchemesCB", {CountArg(filter), Arg(sort)}, filter);
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
    Stream<ps::EEPensionSchemeStructCallback>(callback, Select(filter, Ordering(sort)), call);
  }

  ps::EEPensionSchemeSeq* getActiveEffectiveEEPensionSchemeHistory(AccessToken_ptr token,
                                                                   const char* oid) override {
    Enter(token, "getActiveEffectiveEEPensionSchemeHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  ps::EEPensionSchemeSeq* getAllEEPensionSchemeHistory(AccessToken_ptr token,
                                                       const char* oid) override {
    Enter(token, "getAllEEPensionSchemeHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  ps::EEPensionSchemeSeq* getEffectiveEEPensionSchemeHistory(AccessToken_ptr token, const char* oid,
                                                             const char* date) override {
    Enter(token, "getEffectiveEEPensionSchemeHistory", {Arg(oid), Arg(date)},
          DateArg{"EffectiveTimePoint", date});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

  CORBA::Boolean isAlreadyJournalized(AccessToken_ptr token, const char* oidEmployee,
                                      const char* oid, CORBA::Long version) override {
    Enter(token, "isAlreadyJournalized", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const R r = Decorated(store_.Get(oid, ""));
    if (EmployeeOf(r) != oidEmployee) {
      throw ax::PersistencyException(Widen("pension scheme '" + std::string(oid) +
                                           "' does not belong to employee '" + oidEmployee + "'")
                                         .c_str());
    }
    if (r.root.objectStruct.version != version) {
      throw ax::PersistencyException(Widen("stale version " + std::to_string(version) + " of '" +
                                           oid + "' (stored version " +
                                           std::to_string(r.root.objectStruct.version) + ")")
                                         .c_str());
    }
    const std::string journalized = r.root.ee.journalizedUntil.in();
    return !dates::IsUnset(journalized) && PeriodStart(r) <= journalized;
  }

  ps::EEPensionSchemeSeq* getPensionSchemesForEmployeeCopy(AccessToken_ptr token,
                                                           const char* oidEmployee,
                                                           const char* validFrom) override {
    Enter(token, "getPensionSchemesForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

  char* checkForAdvice(AccessToken_ptr token, const R& r, const char* validFrom) override {
    Enter(token, "checkForAdvice", {RecordArg(r), Arg(validFrom)}, r,
          DateArg{"validFrom", validFrom});
    std::string text;
    for (const std::string& line : Advice(WithEmployee(r), validFrom)) {
      text += (text.empty() ? "" : "\n") + line;
    }
    return CORBA::string_dup(text.c_str());
  }

 private:
  // The record with the employee's short view as the server has it; an
  // employee it does not know is refused.
  R WithEmployee(const R& in) {
    R r = in;
    r.root.ee = ostrel::server::KnownEmployee(core_, EmployeeOf(in));
    return r;
  }

  // As WithEmployee, for a stored scheme, which stays with its employee.
  R Unmoved(const R& in) {
    R r = WithEmployee(in);
    const std::string stored = EmployeeOf(store_.Get(OidOf(in), ""));
    if (stored != EmployeeOf(r)) {
      throw ax::DomainException(Widen("pension scheme '" + OidOf(in) + "' belongs to employee '" +
                                      stored + "', not '" + EmployeeOf(r) + "'")
                                    .c_str());
    }
    return r;
  }

  R Decorated(R r) {
    if (auto e = ostrel::server::FindEmployee(core_, EmployeeOf(r))) r.root.ee = *e;
    return r;
  }

  R* Out(const R& r) { return new R(Decorated(r)); }

  ps::EEPensionSchemeSeq* OutSeq(const std::vector<R>& items) {
    ps::EEPensionSchemeSeq* seq = new ps::EEPensionSchemeSeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Decorated(items[i]);
    return seq;
  }

  // Filters see the employee as it is now, so they run outside the store's
  // lock. A scheme carries no deleted mark: the store's two lists tell.
  ps::EEPensionSchemeSeq Select(const ps::EEPensionSchemeFilterSeq& filters,
                                const Store::Ordering& order) {
    std::set<std::string> live;
    for (const R& r : store_.List({})) live.insert(OidOf(r));
    std::vector<R> items;
    for (const R& stored : store_.List({}, {}, true)) {
      const R r = Decorated(stored);
      const bool deleted = live.count(OidOf(r)) == 0;
      bool keep = filters.length() == 0 && !deleted;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) {
        keep = Matches(filters[i], r, deleted);
      }
      if (keep) items.push_back(r);
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return ostrel::server::ToSeq<ps::EEPensionSchemeSeq>(items);
  }

  Store& store_;
};

ostrel::server::RegisterServant<EEPensionSchemeServantImpl> registration(
    ostrel::EEPensionSchemeService::kName);

}  // namespace
