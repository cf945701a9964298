// Absent times in the reference server: every operation of
// EEAbsentTimeServant on the generic record store.
//
// Values the server fills into every absent time it answers with:
//   - the employee's short view as it is now (the one the client sent when
//     the employee is not one of the server's);
//   - numberOfWorkingHours: 8 hours per working day (Monday to Friday) from
//     effectiveFrom to effectiveUntil (effectiveFrom alone while the end is
//     open), 4 hours for a half leave day; empty while the period is not
//     possible;
//   - errorMessage: why the period is not possible (no start, an end before
//     the start, a half leave day over more than one day), empty when it is.
//
// Absence keys (the absence type's object id) "EFK", "EFU" and "EFS" are
// those with continued pay (sickness, accident, sickness of a child): only
// for them isEFKorEFUorEFSallowed answers true, and only their absences
// count as absences of EAU (electronic certificate of incapacity) in the
// filter.
//
// Filter fields (several filters: any of them; none: every absent time not
// deleted):
//   fromDate, untilDate       the absence overlaps [fromDate, untilDate];
//   afterJournalized          only absences that end after the employee's
//                             journalizedUntil (an open end always does);
//   absentTimeKey, oidPCompany, pnr
//                             equal to the absence type, the employee's
//                             company, the employee's personnel number;
//   surname                   the employee's surname begins with it;
//   listDisplayOfEmployeeEnum active (withdrawal not before
//                             fixedDateOfWithDrawal, today where unset),
//                             withdrawn, or all employees;
//   withDeleted               deleted absent times too;
//   extendedFilter            cost centre and cost unit of the period
//                             (department and employee group are not held);
//   absenceOfEau              only absences with a key of continued pay.
//
// Sort keys: effectiveFrom, personnelNumber, surname, oidAbsentTime,
// objectid.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "absenttime_kind.h"
#include "dates.h"
#include "employee_records.h"
#include "employees.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace at = com::ostrel::personnel::domain::employee::absenttime;
namespace emp = com::ostrel::personnel::domain::employee;
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace basictypes = com::ostrel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using Store = ostrel::server::RecordStore<at::EEAbsentTimeStruct>;
using com::ostrel::serverbase::access::AccessToken_ptr;

constexpr long kHoursPerDayTimes100 = 800;

bool IsContinuedPayKey(std::string_view key) {
  return key == "EFK" || key == "EFU" || key == "EFS";
}

[[noreturn]] void Domain(const std::string& message) {
  throw ax::DomainException(Widen(message).c_str());
}

// Monday 0 .. Sunday 6; day 0 (1970-01-01) was a Thursday.
int Weekday(long days) { return static_cast<int>(((days % 7) + 7 + 3) % 7); }

// Working days (Monday to Friday) in [first, last].
long WorkingDays(long first, long last) {
  if (last < first) return 0;
  const long weeks = (last - first + 1) / 7;
  long count = weeks * 5;
  for (long d = first + weeks * 7; d <= last; ++d) {
    if (Weekday(d) < 5) ++count;
  }
  return count;
}

std::string Hours(long times100) {
  char text[32];
  std::snprintf(text, sizeof text, "%ld.%02ld", times100 / 100, times100 % 100);
  return text;
}

// The absence's first and last day; an open end is the end of validity.
struct Span {
  std::string from;
  std::string until;
};
Span SpanOf(const at::AbsentTimeTPStruct& tp) {
  std::string from = tp.timePeriod.effectiveFrom.in();
  std::string until = tp.timePeriod.effectiveUntil.in();
  if (dates::IsUnset(from)) from = tp.timePeriod.internalValidFrom.in();
  if (dates::IsUnset(until)) until = dates::kOpenEnd;
  return {from, until};
}

// Why the period cannot be, or "" when it can. Its dates are wire dates:
// what the server receives is checked on the way in.
std::string PeriodError(const at::AbsentTimeTPStruct& tp) {
  const std::string from = tp.timePeriod.effectiveFrom.in();
  const std::string until = tp.timePeriod.effectiveUntil.in();
  if (dates::IsUnset(from)) return "the absence has no start";
  if (dates::IsUnset(until)) return "";
  if (until < from) return "the absence ends (" + until + ") before it starts (" + from + ")";
  if (tp.halfLeaveDay && until != from) return "a half leave day lasts one day";
  return "";
}

std::string WorkingHours(const at::AbsentTimeTPStruct& tp) {
  if (!PeriodError(tp).empty()) return "";
  const long first = *dates::ToDays(tp.timePeriod.effectiveFrom.in());
  const std::string until = tp.timePeriod.effectiveUntil.in();
  const long last = dates::IsUnset(until) ? first : *dates::ToDays(until);
  const long days = WorkingDays(first, last);
  return Hours(tp.halfLeaveDay ? days * kHoursPerDayTimes100 / 2 : days * kHoursPerDayTimes100);
}

bool StartsWith(const CORBA::WChar* text, const std::wstring& prefix) {
  return std::wstring_view(text).substr(0, prefix.size()) == prefix;
}

bool Withdrawn(const emp::EmployeeShortStruct& e, const std::string& fixedDate) {
  const std::string withdrawal = e.dateOfWithDrawal.in();
  if (dates::IsUnset(withdrawal)) return false;
  return withdrawal < (dates::IsUnset(fixedDate) ? dates::Today() : fixedDate);
}

bool Matches(const at::EEAbsentTimeFilterStruct& f, const at::EEAbsentTimeStruct& r) {
  const emp::EmployeeShortStruct& e = r.root.employeeShort;
  const Span span = SpanOf(r.history);
  if (r.root.isDeleted && !f.withDeleted) return false;
  if (!dates::IsUnset(f.fromDate.in()) && span.until < f.fromDate.in()) return false;
  if (!dates::IsUnset(f.untilDate.in()) && span.from > f.untilDate.in()) return false;
  if (f.afterJournalized && !dates::IsUnset(e.journalizedUntil.in()) &&
      span.until <= e.journalizedUntil.in()) {
    return false;
  }
  if (*f.absentTimeKey.in() && std::strcmp(f.absentTimeKey.in(), r.root.oidAbsentTime.in()) != 0) {
    return false;
  }
  if (*f.oidPCompany.in() && std::strcmp(f.oidPCompany.in(), e.oidPCompany.in()) != 0) {
    return false;
  }
  if (f.pnr._d() && f.pnr.pnr() != e.personnelNumber) return false;
  if (*f.surname.in() && !StartsWith(e.surname.in(), Widen(f.surname.in()))) return false;
  switch (f.listDisplayOfEmployeeEnum) {
    case pbt::LIST_ACTIVE_EMPLOYEES:
      if (Withdrawn(e, f.fixedDateOfWithDrawal.in())) return false;
      break;
    case pbt::LIST_WITHDRAWN_EMPLOYEES:
      if (!Withdrawn(e, f.fixedDateOfWithDrawal.in())) return false;
      break;
    default:
      break;
  }
  const auto& x = f.extendedFilter;
  if (*x.oidCostCenter.in() && std::strcmp(x.oidCostCenter.in(), r.history.oidCostCenter.in())) {
    return false;
  }
  if (*x.oidCostUnit.in() && std::strcmp(x.oidCostUnit.in(), r.history.oidCostUnit.in())) {
    return false;
  }
  if (f.absenceOfEau && !IsContinuedPayKey(r.root.oidAbsentTime.in())) return false;
  return true;
}

Store::Ordering Ordering(const at::SortierungStruct& sort) {
  using ostrel::server::MemberKey;
  using R = at::EEAbsentTimeStruct;
  using TP = at::AbsentTimeTPStruct;
  using Period = pbt::TimePeriodStruct;
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = [] {
    auto f =
        ostrel::server::EmployeeSortFields<R>([](const R& r) -> const auto& { return r.root; });
    f.emplace("effectiveFrom", MemberKey<&R::history, &TP::timePeriod, &Period::effectiveFrom>());
    f.emplace("oidAbsentTime", MemberKey<&R::root, &at::AbsentTimeRootStruct::oidAbsentTime>());
    return f;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

class EEAbsentTimeServantImpl
    : public POA_com::ostrel::personnel::domain::employee::absenttime::EEAbsentTimeServant,
      public ostrel::server::RecordServant {
 public:
  explicit EEAbsentTimeServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<at::EEAbsentTimeStruct>("AT")) {}

  at::EEAbsentTimeStruct* createEEAbsentTime(AccessToken_ptr token,
                                             const at::EEAbsentTimeStruct& r) override {
    const std::wstring user = Enter(token, "createEEAbsentTime", {RecordArg(r)}, r);
    return Out(store_.Create(user, r));
  }

  at::EEAbsentTimeStruct* setEEAbsentTime(AccessToken_ptr token, const at::EEAbsentTimeStruct& r,
                                          CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setEEAbsentTime", {RecordArg(r), Arg(removeNew)}, r);
    return Out(store_.Set(user, r, removeNew));
  }

  void deleteEEAbsentTime(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                          CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteEEAbsentTime", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  at::EEAbsentTimeStruct* getObjectFromObjectId(AccessToken_ptr token, const char* oid,
                                                const char* effective) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective)},
          DateArg{"effectiveTimePoint", effective});
    return Out(store_.Get(oid, effective));
  }

  at::EEAbsentTimeSeq* getActiveEEAbsentTimes(AccessToken_ptr token,
                                              const at::EEAbsentTimeFilterSeq& filter,
                                              const at::SortierungStruct& sort) override {
    Enter(token, "getActiveEEAbsentTimes", {CountArg(filter), Arg(sort)}, filter);
    return new at::EEAbsentTimeSeq(Select(filter, Ordering(sort)));
  }

  void getActiveEEAbsentTimesCB(AccessToken_ptr token, const at::EEAbsentTimeFilterSeq& filter,
                                const at::SortierungStruct& sort,
                                at::EEAbsentTimeStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveEEAbsentTimesCB", {CountArg(filter), Arg(sort)}, filter);
    NeedCallback(callback);
    Stream<at::EEAbsentTimeStructCallback>(callback, Select(filter, Ordering(sort)), call);
  }

  at::EEAbsentTimeSeq* getActiveEffectiveEEAbsentTimeHistory(AccessToken_ptr token,
                                                             const char* oid) override {
    Enter(token, "getActiveEffectiveEEAbsentTimeHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  at::EEAbsentTimeSeq* getAllEEAbsentTimeHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllEEAbsentTimeHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  at::EEAbsentTimeSeq* getEffectiveEEAbsentTimeHistory(AccessToken_ptr token, const char* oid,
                                                       const char* date) override {
    Enter(token, "getEffectiveEEAbsentTimeHistory", {Arg(oid), Arg(date)},
          DateArg{"destinationTimePoint", date});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

  // The employee's absences of the type (any type when none is given),
  // not deleted, ending no later than maxValidUntil (no limit when unset),
  // by start.
  at::EEAbsentTimeSeq* getPredecessorEEAbsentTimes(AccessToken_ptr token, const char* maxValidUntil,
                                                   const char* oidEmployee,
                                                   const char* oidAbsentTime) override {
    Enter(token, "getPredecessorEEAbsentTimes",
          {Arg(maxValidUntil), Arg(oidEmployee), Arg(oidAbsentTime)},
          DateArg{"maxValidUntil", maxValidUntil});
    const std::string max = maxValidUntil;
    const std::string employee = oidEmployee;
    const std::string type = oidAbsentTime;
    std::vector<at::EEAbsentTimeStruct> found = store_.List([&](const at::EEAbsentTimeStruct& r) {
      if (employee != r.root.employeeShort.objectStruct.objectid.in()) return false;
      if (!type.empty() && type != r.root.oidAbsentTime.in()) return false;
      return dates::IsUnset(max) || SpanOf(r.history).until <= max;
    });
    std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
      return SpanOf(a.history).from < SpanOf(b.history).from;
    });
    return OutSeq(found);
  }

  at::EEAbsentTimeSeq* getAbsentTimesForEmployeeCopy(AccessToken_ptr token, const char* oidEmployee,
                                                     const char* validFrom) override {
    Enter(token, "getAbsentTimesForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    return OutSeq(store_.CopyForEmployee(oidEmployee, validFrom));
  }

  // "employee=<oid>;company=<oidPCompany>;year=<year>;workingDays=<n>;
  // absentDays=<m>": the working days (Monday to Friday) of the year, and
  // those of them on which the employee is absent (absent times not
  // deleted).
  char* getCalendarParameterString(AccessToken_ptr token, const char* oidEmployee,
                                   CORBA::Long year) override {
    Enter(token, "getCalendarParameterString", {Arg(oidEmployee), Arg(year)});
    if (year < 1 || year > 9999) Domain("invalid year " + std::to_string(year));
    const emp::EmployeeShortStruct e = ostrel::server::KnownEmployee(core_, oidEmployee);
    char first_text[16];
    char last_text[16];
    std::snprintf(first_text, sizeof first_text, "%04d-01-01", static_cast<int>(year));
    std::snprintf(last_text, sizeof last_text, "%04d-12-31", static_cast<int>(year));
    const long first = *dates::ToDays(first_text);
    const long last = *dates::ToDays(last_text);

    std::set<long> absent;
    const std::string employee = oidEmployee;
    for (const at::EEAbsentTimeStruct& r : store_.List({})) {
      if (employee != r.root.employeeShort.objectStruct.objectid.in()) continue;
      if (!PeriodError(r.history).empty()) continue;
      const Span span = SpanOf(r.history);
      const long from = std::max(first, *dates::ToDays(span.from));
      const long until = std::min(last, *dates::ToDays(span.until));
      for (long d = from; d <= until; ++d) {
        if (Weekday(d) < 5) absent.insert(d);
      }
    }
    const std::string text = "employee=" + employee + ";company=" + e.oidPCompany.in() +
                             ";year=" + std::to_string(year) +
                             ";workingDays=" + std::to_string(WorkingDays(first, last)) +
                             ";absentDays=" + std::to_string(absent.size());
    return CORBA::string_dup(text.c_str());
  }

  CORBA::Boolean isEFKorEFUorEFSallowed(AccessToken_ptr token, const char* oidEmployee,
                                        const char* absenttimeKey, const char* validFrom) override {
    Enter(token, "isEFKorEFUorEFSallowed", {Arg(oidEmployee), Arg(absenttimeKey), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    return IsContinuedPayKey(absenttimeKey);
  }

  // Stores all or nothing: every absent time is checked first (company, no
  // object id yet, a possible period).
  at::EEAbsentTimeSeq* createEEAbsentTimeSeq(AccessToken_ptr token,
                                             const at::EEAbsentTimeSeq& absentTimes,
                                             const char* oidPCompany) override {
    const std::wstring user = Enter(token, "createEEAbsentTimeSeq",
                                    {CountArg(absentTimes), Arg(oidPCompany)}, absentTimes);
    for (CORBA::ULong i = 0; i < absentTimes.length(); ++i) {
      const at::EEAbsentTimeStruct& r = absentTimes[i];
      CheckCompany(r, oidPCompany);
      const std::string oid = r.root.objectStruct.objectid.in();
      if (!oid.empty()) {
        throw ax::ApplicationLayerException(
            Widen("create: absent time already has object id '" + oid + "'").c_str());
      }
      const std::string error = PeriodError(r.history);
      if (!error.empty()) Domain("absent time " + std::to_string(i + 1) + ": " + error);
    }
    std::vector<at::EEAbsentTimeStruct> created;
    for (CORBA::ULong i = 0; i < absentTimes.length(); ++i) {
      created.push_back(store_.Create(user, absentTimes[i]));
    }
    return OutSeq(created);
  }

  // The absent time as the server would take it, not stored.
  at::EEAbsentTimeStruct* checkPreValues(AccessToken_ptr token, const at::EEAbsentTimeStruct& r,
                                         const char* oidPCompany) override {
    Enter(token, "checkPreValues", {RecordArg(r), Arg(oidPCompany)}, r);
    CheckCompany(r, oidPCompany);
    return Out(r);
  }

  // First line: "EAU report of company <oidPCompany>: <n> absence period(s)";
  // then per entry, in order: "<pnr> <surname>, <first name>: <key>
  // <from>..<until or open> reason <reasonOfInterrupt>".
  void createFromEEAbsentTime(AccessToken_ptr token, const char* oidPCompany,
                              const at::EauEEAbsentTimeSeq& entries,
                              basictypes::ReportFileStructCallback_ptr callback) override {
    std::vector<std::wstring> args{Arg(oidPCompany)};
    for (CORBA::ULong i = 0; i < entries.length(); ++i) {
      args.push_back(Arg(entries[i].oidEEAbsentTimeTP.in()) + L":" +
                     Arg(entries[i].reasonOfInterrupt));
    }
    const StreamCall call = EnterStream(token, "createFromEEAbsentTime", std::move(args), entries);
    NeedCallback(callback);
    basictypes::ReportFileSeq report;
    report.length(entries.length() + 1);
    report[0] = (L"EAU report of company " + Widen(oidPCompany) + L": " +
                 std::to_wstring(entries.length()) + L" absence period(s)")
                    .c_str();
    for (CORBA::ULong i = 0; i < entries.length(); ++i) {
      const std::string period = entries[i].oidEEAbsentTimeTP.in();
      std::optional<at::EEAbsentTimeStruct> found = store_.FindByPeriod(period);
      if (!found) {
        throw ax::PersistencyException(Widen("unknown object id '" + period + "'").c_str());
      }
      at::EEAbsentTimeStruct r = Decorated(*found);
      CheckCompany(r, oidPCompany);
      const emp::EmployeeShortStruct& e = r.root.employeeShort;
      const std::string until = r.history.timePeriod.effectiveUntil.in();
      report[i + 1] = (std::to_wstring(e.personnelNumber) + L" " + e.surname.in() + L", " +
                       e.firstname.in() + L": " + Widen(r.root.oidAbsentTime.in()) + L" " +
                       Widen(r.history.timePeriod.effectiveFrom.in()) + L".." +
                       (dates::IsUnset(until) ? L"open" : Widen(until)) + L" reason " +
                       std::to_wstring(entries[i].reasonOfInterrupt))
                          .c_str();
    }
    Stream<basictypes::ReportFileStructCallback>(callback, std::move(report), call);
  }

 private:
  static void NeedCallback(CORBA::Object_ptr callback) {
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
  }

  // The company must be given and be the employee's.
  void CheckCompany(const at::EEAbsentTimeStruct& r, const char* oidPCompany) {
    const std::string company = oidPCompany;
    if (company.empty()) throw ax::ApplicationLayerException(L"no company given");
    const emp::EmployeeShortStruct e = Employee(r.root.employeeShort);
    if (company != e.oidPCompany.in()) {
      Domain("employee '" + std::string(e.objectStruct.objectid.in()) +
             "' does not belong to company '" + company + "'");
    }
  }

  // The server's short view of the employee; the given one for an employee
  // the server does not know.
  emp::EmployeeShortStruct Employee(const emp::EmployeeShortStruct& given) {
    std::optional<emp::EmployeeShortStruct> e =
        ostrel::server::FindEmployee(core_, given.objectStruct.objectid.in());
    return e ? *e : given;
  }

  at::EEAbsentTimeStruct Decorated(at::EEAbsentTimeStruct r) {
    r.root.employeeShort = Employee(r.root.employeeShort);
    r.history.numberOfWorkingHours = WorkingHours(r.history).c_str();
    r.history.errorMessage = PeriodError(r.history).c_str();
    return r;
  }

  at::EEAbsentTimeStruct* Out(const at::EEAbsentTimeStruct& r) {
    return new at::EEAbsentTimeStruct(Decorated(r));
  }

  at::EEAbsentTimeSeq Seq(const std::vector<at::EEAbsentTimeStruct>& items) {
    at::EEAbsentTimeSeq seq;
    seq.length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq.length(); ++i) seq[i] = Decorated(items[i]);
    return seq;
  }

  at::EEAbsentTimeSeq* OutSeq(const std::vector<at::EEAbsentTimeStruct>& items) {
    return new at::EEAbsentTimeSeq(Seq(items));
  }

  // Filters see the employee as it is now, so the store lists everything
  // and the filters run outside its lock. A bad sort key fails before.
  at::EEAbsentTimeSeq Select(const at::EEAbsentTimeFilterSeq& filters,
                             const Store::Ordering& order) {
    std::vector<at::EEAbsentTimeStruct> items;
    for (const at::EEAbsentTimeStruct& stored : store_.List({}, {}, true)) {
      at::EEAbsentTimeStruct r = Decorated(stored);
      bool keep = filters.length() == 0 && !r.root.isDeleted;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) keep = Matches(filters[i], r);
      if (keep) items.push_back(std::move(r));
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return ostrel::server::ToSeq<at::EEAbsentTimeSeq>(items);
  }

  Store& store_;
};

ostrel::server::RegisterServant<EEAbsentTimeServantImpl> registration(
    ostrel::EEAbsentTimeService::kName);

}  // namespace
