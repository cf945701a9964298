// The employee in the reference server: the seeded employees (employees.h),
// the search, the calculation hand-over with its two result lists,
// journalizing and the check-up report.
//
// Rules a client can rely on:
//   - Filters: any filter of a sequence may match; an empty sequence matches
//     every employee. Within a filter every criterion that is set must hold:
//     company equal; personnel number: its decimal text starts with the given
//     digits (other text: DomainException); surname starts with the given
//     text; journalized-until date equal; in-valuation and state-of-valuation
//     flags equal; deselected: the employee has (or has not) a deselected
//     entry in the retroactive queue (for the queue itself: the entry is
//     deselected). List display: 0 active, 1 withdrawn, 2 all, an employee
//     counting as withdrawn when it withdrew before the fixed date of
//     withdrawal (today when that is not set). The extended filter travels
//     but does not select. Sort keys: "personnelNumber", "surname",
//     "oidPCompany" (the queue also "effectiveFromOfCalculationCase");
//     without keys the seed order (queue and results: order of arrival).
//   - calculate / calculateExtend: unknown employees and invalid dates fail
//     the whole call before anything changes. An employee without date of
//     entry cannot be calculated: its result entry carries a DomainException
//     "employee <pnr> has no date of entry" (member "dateOfEntry") and the
//     employee's state of valuation turns false. Otherwise the employee is in
//     valuation from the calculation date (unset: the day after its
//     journalized-until date). A calculation date on or before the
//     journalized-until date reaches into journalized months: the result
//     carries it as date of reverse projection and the employee joins the
//     retroactive queue ("WFC-<n>", deselection allowed), once per date.
//     Each employee has one result entry, its latest. calculateExtend also
//     calculates oidEmployeeCalculate when it is given and another employee.
//   - deselectionOfRetroactiveCalculation: the entries must exist, belong to
//     the company, allow deselection and not be deselected yet (all checked
//     before any is changed); a deselected entry stays in the queue with
//     calculateNecessary false, deselectBy and deselectOn set.
//   - restoreInValuation: the employees leave valuation (in valuation false,
//     state of valuation true, valuation dates and message cleared).
//   - Journalizing moves journalizedUntil to the target date (setJournalize:
//     the sent nextJournalizing, else the stored one; setJournalizeWithFilter:
//     the stored one) and nextJournalizing to the last day of the following
//     month; it ends valuation. Skipped, with a report line saying why: a
//     failed last calculation, no target date, a target not after the
//     journalized-until date. Report: a heading, one line per employee, a
//     total line.
//   - Check-up of a company: one line per employee ("ok", or errors: no date
//     of entry, withdrawal before entry; warning: last calculation failed);
//     sets lastCheck to today, stateOfLastCheck (no errors) and
//     warningStateOfCheck (number of warnings).
//   - Every change raises the employee's version and stamps it.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee_kind.h"
#include "employee_records.h"
#include "employees.h"
#include "record_servant.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"
#include "value_positions.h"

namespace ostrel::server {
namespace {

namespace ee = com::ostrel::personnel::domain::employee;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace bt = com::ostrel::personnel::framework::basictypes;
namespace basictypes = com::ostrel::framework::basictypes;
namespace reports = com::ostrel::personnel::domain::reports;
namespace vp = com::ostrel::personnel::domain::employee::valueposition;
using com::ostrel::serverbase::query::SortierungStruct;

// --- state ----------------------------------------------------------------

struct Employee {
  ee::EmployeeExtendedStruct ext{};
  bool successor = false;
  bool er_pays_ni_surcharge = false;

  const ee::EmployeeShortStruct& shortView() const { return ext.ee.eeShort; }
  ee::EmployeeShortStruct& shortView() { return ext.ee.eeShort; }
  std::string oid() const { return shortView().objectStruct.objectid.in(); }
};

struct Result {  // of the latest calculation of one employee
  std::string oid_employee;
  std::string reverse_projection;
  std::string calculated_at;
  std::wstring error;  // empty: calculated
};

struct Waiting {                               // entry of the retroactive queue
  ee::EmployeeWaitForCalculateStruct entry{};  // eeAddOnStruct filled on output
  std::string oid_employee;
};

struct Table {
  std::mutex mu;
  std::vector<Employee> employees;  // seed order
  std::vector<Result> results;      // order of arrival
  std::vector<Waiting> waiting;     // order of arrival
  int next_waiting = 1;
};

struct SeedEmployee {
  const char* oid;
  const char* company;
  long pnr;
  const char* title;
  const wchar_t* surname;
  const char* name_prefix;
  const wchar_t* firstname;
  ee::SexEnum sex;
  const char* entry;
  const char* withdrawal;
  const char* journalized;
  bool successor;
  bool er_pays_ni_surcharge;
};

const SeedEmployee kEmployees[] = {
    {"EMP-1", "C-1", 1001, "Dr.", L"Müller", "", L"Jürgen", ee::SEX_MALE, "2015-04-01", "",
     "2024-02-29", false, false},
    {"EMP-2", "C-1", 1002, "", L"Schäfer", "", L"Anna-Lena", ee::SEX_FEMALE, "2019-01-01", "",
     "2024-02-29", false, true},
    {"EMP-3", "C-1", 1003, "", L"Øberg", "", L"Søren", ee::SEX_MALE, "2023-10-01", "2024-01-31",
     "2024-01-31", false, false},
    {"EMP-4", "C-1", 1004, "", L"Weiß", "", L"Zoë", ee::SEX_DIVERSE, "", "", "", false, false},
    {"EMP-5", "C-2", 2001, "", L"Nowak", "", L"Łukasz", ee::SEX_MALE, "2020-07-01", "",
     "2024-01-31", true, false},
    {"EMP-6", "C-2", 2002, "", L"Brandt", "von", L"Élodie", ee::SEX_FEMALE, "2021-03-15", "",
     "2024-01-31", false, false},
    {"EMP-7", "C-2", 1001, "", L"Yılmaz", "", L"Ayşe", ee::SEX_FEMALE, "2022-05-01", "",
     "2024-01-31", false, true},
};

// Companies that owe the insolvency levy.
const std::set<std::string> kInsolvencyDuty = {"C-1"};

struct SeedWaiting {
  const char* oid_employee;
  const char* effective_from;
  const char* valid_from;
  const char* created_on;
  const char* created_by;
  const char* class_of_basic;
  bt::InitiateObjectTypeEnum initiated_by;
  bool deselection_allowed;
};

const SeedWaiting kWaiting[] = {
    {"EMP-2", "2023-11-01", "2024-02-10", "2024-02-10T09:30:00", "payroll", "FixedPayment",
     bt::INITIATED_BY_EMPLOYEE, true},
    {"EMP-7", "2023-12-01", "2024-02-20", "2024-02-20T14:00:00", "payscale", "PayScale",
     bt::INITIATED_BY_PAY_SCALE, false},
    {"EMP-5", "2024-01-01", "2024-02-21", "2024-02-21T10:15:00", "admin", "Company",
     bt::INITIATED_BY_COMPANY, true},
};

// The last day of the month after the one `date` lies in.
std::string EndOfNextMonth(const std::string& date) {
  const long year = std::stol(date.substr(0, 4));
  const long month = std::stol(date.substr(5, 2));
  const long y = month >= 11 ? year + 1 : year;
  const long m = (month + 1) % 12 + 1;  // the month after next, 1..12
  char first[16];
  std::snprintf(first, sizeof first, "%04ld-%02ld-01", y, m);
  return dates::DayBefore(first);
}

bool WithdrawnBy(const ee::EmployeeShortStruct& e, const std::string& date) {
  const std::string withdrawal = e.dateOfWithDrawal.in();
  return !dates::IsUnset(withdrawal) && withdrawal <= date;
}

// Where journalizing goes next: nothing once the employee has left.
std::string NextJournalizing(const ee::EmployeeShortStruct& e) {
  const std::string journalized = e.journalizedUntil.in();
  if (dates::IsUnset(journalized) || WithdrawnBy(e, journalized)) return "";
  return EndOfNextMonth(journalized);
}

void Seed(Table& t) {
  t.employees.clear();
  t.results.clear();
  t.waiting.clear();
  t.next_waiting = 1;
  for (const SeedEmployee& s : kEmployees) {
    Employee e;
    ee::EmployeeStruct& emp = e.ext.ee;
    ee::EmployeeShortStruct& sv = emp.eeShort;
    sv.objectStruct.objectid = s.oid;
    sv.objectStruct.version = 1;
    sv.objectStruct.timestamp = "2024-03-01T08:00:00";
    sv.objectStruct.lastuserid = L"seed";
    sv.oidPCompany = s.company;
    sv.personnelNumber = static_cast<CORBA::Long>(s.pnr);
    sv.title = s.title;
    sv.surname = s.surname;
    sv.namePrefix = s.name_prefix;
    sv.firstname = s.firstname;
    sv.sexEnum = s.sex;
    sv.dateOfEntry = s.entry;
    sv.dateOfWithDrawal = s.withdrawal;
    sv.journalizedUntil = s.journalized;
    const bool in_valuation = std::string(s.oid) == "EMP-6";
    emp.inValuation = in_valuation;
    emp.stateOfValuation = true;
    emp.valuationEffectiveFrom = in_valuation ? "2024-02-01" : "";
    emp.valuationValidFrom = in_valuation ? "2024-02-15" : "";
    emp.stateOfValMessage = "";
    e.ext.nextJournalizing = NextJournalizing(sv).c_str();
    e.ext.lastCheck = "";
    e.ext.stateOfLastCheck = false;
    e.ext.warningStateOfCheck = 0;
    e.successor = s.successor;
    e.er_pays_ni_surcharge = s.er_pays_ni_surcharge;
    t.employees.push_back(std::move(e));
  }
  for (const SeedWaiting& s : kWaiting) {
    Waiting w;
    w.oid_employee = s.oid_employee;
    ee::EmployeeWaitForCalculateStruct& q = w.entry;
    const std::string oid = "WFC-" + std::to_string(t.next_waiting++);
    q.objectStruct.objectid = oid.c_str();
    q.objectStruct.version = 1;
    q.objectStruct.timestamp = s.created_on;
    q.objectStruct.lastuserid = Widen(s.created_by).c_str();
    q.effectiveFromOfCalculationCase = s.effective_from;
    q.validFromOfCalculationCase = s.valid_from;
    q.createdOn = s.created_on;
    q.createdBY = s.created_by;
    q.classOfBasic = s.class_of_basic;
    q.initiateObjectType = s.initiated_by;
    q.deselectionIsAllowed = s.deselection_allowed;
    q.calculateNecessary = true;
    q.deselectBy = "";
    q.deselectOn = "";
    t.waiting.push_back(std::move(w));
  }
}

// One table per server core, seeded on first use and by the seeder.
Table& TableOf(Core& core) {
  static std::mutex mu;
  static std::map<const Core*, std::unique_ptr<Table>> tables;
  std::lock_guard<std::mutex> lock(mu);
  std::unique_ptr<Table>& slot = tables[&core];
  if (!slot) {
    slot = std::make_unique<Table>();
    Seed(*slot);
  }
  return *slot;
}

RegisterSeeder seeder(kEmployeeSeedOrder, [](Core& core) {
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  Seed(t);
});

Employee* Find(Table& t, const std::string& oid) {
  for (Employee& e : t.employees) {
    if (e.oid() == oid) return &e;
  }
  return nullptr;
}

[[noreturn]] void Unknown(const std::string& oid) {
  store_detail::Persistency("unknown object id '" + oid + "'");
}

Employee& Known(Table& t, const std::string& oid) {
  Employee* e = Find(t, oid);
  if (e == nullptr) Unknown(oid);
  return *e;
}

void Touch(Employee& e, const std::wstring& user) {
  ee::EmployeeShortStruct& sv = e.shortView();
  sv.objectStruct.version += 1;
  sv.objectStruct.timestamp = dates::NowStamp().c_str();
  sv.objectStruct.lastuserid = user.c_str();
}

void NeedCompany(const char* oidPCompany) {
  if (*oidPCompany == '\0') store_detail::ApplicationLayer("no company given");
}

void NeedCallback(CORBA::Object_ptr callback) {
  if (CORBA::is_nil(callback)) store_detail::ApplicationLayer("no callback given");
}

// "1001 Müller, Jürgen"
std::wstring Who(const ee::EmployeeShortStruct& e) {
  return std::to_wstring(e.personnelNumber) + L" " + e.surname.in() + L", " + e.firstname.in();
}

// "31.03.2024"
std::wstring Display(const std::string& date) {
  return Widen(date.substr(8, 2) + "." + date.substr(5, 2) + "." + date.substr(0, 4));
}

// --- filters --------------------------------------------------------------

void CheckFilters(const ee::EmployeeFilterSeq& filters) {
  for (CORBA::ULong i = 0; i < filters.length(); ++i) {
    const ee::EmployeeFilterStruct& f = filters[i];
    const std::string pnr = f.personnelnumber.in();
    if (pnr.find_first_not_of("0123456789") != std::string::npos) {
      store_detail::Domain("personnel number '" + pnr + "' is not a number");
    }
  }
}

bool Matches(const ee::EmployeeFilterStruct& f, const Employee& e, bool deselected) {
  const ee::EmployeeShortStruct& sv = e.shortView();
  const std::string company = f.oidPCompany.in();
  if (!company.empty() && company != sv.oidPCompany.in()) return false;
  const std::string pnr = f.personnelnumber.in();
  if (std::to_string(sv.personnelNumber).rfind(pnr, 0) != 0) return false;
  if (std::wstring(sv.surname.in()).rfind(f.surname.in(), 0) != 0) return false;
  const std::string journalized = f.journalizedUntil.in();
  if (!dates::IsUnset(journalized) && journalized != sv.journalizedUntil.in()) return false;
  if (f.inValuation._d() && f.inValuation.inValuation() != e.ext.ee.inValuation) return false;
  if (f.stateOfValuation._d() &&
      f.stateOfValuation.stateOfValuation() != e.ext.ee.stateOfValuation) {
    return false;
  }
  if (f.deselected._d() && f.deselected.deselected() != deselected) return false;
  return Listed(sv.dateOfWithDrawal.in(), f.listDisplayOfEmployeeEnum,
                f.fixedDateOfWithDrawal.in());
}

bool MatchesAny(const ee::EmployeeFilterSeq& filters, const Employee& e, bool deselected) {
  if (filters.length() == 0) return true;
  for (CORBA::ULong i = 0; i < filters.length(); ++i) {
    if (Matches(filters[i], e, deselected)) return true;
  }
  return false;
}

bool HasDeselectedEntry(const Table& t, const std::string& oid) {
  for (const Waiting& w : t.waiting) {
    if (w.oid_employee == oid && !w.entry.calculateNecessary) return true;
  }
  return false;
}

// A filter in the call log: the criteria that are set, the list display
// always. "oidPCompany=C-1;inValuation=true;listDisplay=0"
std::wstring FilterArg(const ee::EmployeeFilterStruct& f) {
  std::wstring out;
  auto add = [&out](const wchar_t* name, const std::wstring& value) {
    if (value.empty()) return;
    if (!out.empty()) out += L";";
    out += name;
    out += L"=" + value;
  };
  auto flag = [](bool v) { return std::wstring(v ? L"true" : L"false"); };
  add(L"oidPCompany", Widen(f.oidPCompany.in()));
  add(L"personnelnumber", Widen(f.personnelnumber.in()));
  add(L"surname", f.surname.in());
  add(L"journalizedUntil", Widen(f.journalizedUntil.in()));
  if (f.inValuation._d()) add(L"inValuation", flag(f.inValuation.inValuation()));
  if (f.stateOfValuation._d()) {
    add(L"stateOfValuation", flag(f.stateOfValuation.stateOfValuation()));
  }
  add(L"fixedDateOfWithDrawal", Widen(f.fixedDateOfWithDrawal.in()));
  add(L"listDisplay", std::to_wstring(static_cast<int>(f.listDisplayOfEmployeeEnum)));
  if (f.deselected._d()) add(L"deselected", flag(f.deselected.deselected()));
  add(L"oidCostCenter", Widen(f.extendedFilter.oidCostCenter.in()));
  add(L"oidCostUnit", Widen(f.extendedFilter.oidCostUnit.in()));
  add(L"oidDepartment", Widen(f.extendedFilter.oidDepartment.in()));
  add(L"oidEmployeeGroup", Widen(f.extendedFilter.oidEmployeeGroup.in()));
  return out;
}

// "[n]", then each filter.
CallArgs FilterArgs(const ee::EmployeeFilterSeq& filters) {
  CallArgs args = {CountArg(filters)};
  for (CORBA::ULong i = 0; i < filters.length(); ++i) args.push_back(FilterArg(filters[i]));
  return args;
}

// --- sorting --------------------------------------------------------------

template <class S, class ShortOf>
std::function<bool(const S&, const S&)> Ordering(const SortierungStruct& sort, ShortOf of,
                                                 std::map<std::string, SortField<S>> fields = {}) {
  fields.emplace("personnelNumber", [of](const S& a, const S& b) {
    return CompareValue(of(a).personnelNumber, of(b).personnelNumber);
  });
  fields.emplace("surname", [of](const S& a, const S& b) {
    return CompareWide(of(a).surname.in(), of(b).surname.in());
  });
  fields.emplace("oidPCompany", [of](const S& a, const S& b) {
    return CompareText(of(a).oidPCompany.in(), of(b).oidPCompany.in());
  });
  return MakeOrdering<S>(sort, fields);
}

template <class Seq, class S>
Seq* Sorted(std::vector<S> items, const std::function<bool(const S&, const S&)>& less) {
  if (less) std::stable_sort(items.begin(), items.end(), less);
  return new Seq(ToSeq<Seq>(items));
}

// --- output ---------------------------------------------------------------

ee::EmployeeRootStruct RootOf(const Employee& e) {
  const ee::EmployeeShortStruct& sv = e.shortView();
  ee::EmployeeRootStruct r{};
  r.objectStruct = sv.objectStruct;
  r.oidPCompany = sv.oidPCompany;
  r.personnelnumber = sv.personnelNumber;
  r.journalizedUntil = sv.journalizedUntil;
  r.inValuation = e.ext.ee.inValuation;
  r.stateOfValuation = e.ext.ee.stateOfValuation;
  r.valuationEffectiveFrom = e.ext.ee.valuationEffectiveFrom;
  r.valuationValidFrom = e.ext.ee.valuationValidFrom;
  r.stateOfValMessage = e.ext.ee.stateOfValMessage;
  return r;
}

ee::EmployeeAddOnStruct AddOnOf(const Employee& e) {
  const ee::EmployeeShortStruct& sv = e.shortView();
  ee::EmployeeAddOnStruct a{};
  a.employeeRoot = RootOf(e);
  a.title = sv.title;
  a.surname = sv.surname;
  a.namePrefix = sv.namePrefix;
  a.firstname = sv.firstname;
  a.sex = sv.sexEnum;
  a.dateOfEntry = sv.dateOfEntry;
  a.dateOfWithDrawal = sv.dateOfWithDrawal;
  return a;
}

ee::EmployeeAfterCalculateStruct ResultOf(const Employee& e, const Result& r) {
  ee::EmployeeAfterCalculateStruct out{};
  out.employee = e.ext.ee;
  out.dateOfReverseProjection = r.reverse_projection.c_str();
  out.dateLastCalculationOfEmployee = r.calculated_at.c_str();
  if (r.error.empty()) {
    out.exception._default();
  } else {
    ax::DomainExceptionStruct d{};
    d.message = r.error.c_str();
    d.domainClass = L"Employee";
    d.memberName = L"dateOfEntry";
    out.exception.domainException(d);
  }
  return out;
}

// --- calculation ----------------------------------------------------------

void Calculate(Table& t, Employee& e, std::string from, const std::wstring& user) {
  ee::EmployeeShortStruct& sv = e.shortView();
  ee::EmployeeStruct& emp = e.ext.ee;
  const std::string journalized = sv.journalizedUntil.in();
  if (dates::IsUnset(from)) {
    from = !dates::IsUnset(journalized)           ? dates::FromDays(*dates::ToDays(journalized) + 1)
           : !dates::IsUnset(sv.dateOfEntry.in()) ? std::string(sv.dateOfEntry.in())
                                                  : dates::Today();
  }
  Result r;
  r.oid_employee = e.oid();
  r.calculated_at = dates::NowStamp();
  if (dates::IsUnset(sv.dateOfEntry.in())) {
    r.error = L"employee " + std::to_wstring(sv.personnelNumber) + L" has no date of entry";
    emp.inValuation = false;
    emp.stateOfValuation = false;
    emp.stateOfValMessage = Narrow(r.error).c_str();
  } else {
    emp.inValuation = true;
    emp.stateOfValuation = true;
    emp.valuationEffectiveFrom = from.c_str();
    emp.valuationValidFrom = dates::Today().c_str();
    emp.stateOfValMessage = "";
    if (!dates::IsUnset(journalized) && from <= journalized) {
      r.reverse_projection = from;
      const bool queued = std::any_of(t.waiting.begin(), t.waiting.end(), [&](const Waiting& w) {
        return w.oid_employee == r.oid_employee && w.entry.calculateNecessary &&
               from == w.entry.effectiveFromOfCalculationCase.in();
      });
      if (!queued) {
        Waiting w;
        w.oid_employee = r.oid_employee;
        ee::EmployeeWaitForCalculateStruct& q = w.entry;
        const std::string oid = "WFC-" + std::to_string(t.next_waiting++);
        const std::string now = dates::NowStamp();
        q.objectStruct.objectid = oid.c_str();
        q.objectStruct.version = 1;
        q.objectStruct.timestamp = now.c_str();
        q.objectStruct.lastuserid = user.c_str();
        q.effectiveFromOfCalculationCase = from.c_str();
        q.validFromOfCalculationCase = dates::Today().c_str();
        q.createdOn = now.c_str();
        q.createdBY = Narrow(user).c_str();
        q.classOfBasic = "Employee";
        q.initiateObjectType = bt::INITIATED_BY_EMPLOYEE;
        q.deselectionIsAllowed = true;
        q.calculateNecessary = true;
        q.deselectBy = "";
        q.deselectOn = "";
        t.waiting.push_back(std::move(w));
      }
    }
  }
  t.results.erase(std::remove_if(t.results.begin(), t.results.end(),
                                 [&](const Result& x) { return x.oid_employee == r.oid_employee; }),
                  t.results.end());
  t.results.push_back(std::move(r));
  Touch(e, user);
}

// --- reports ------------------------------------------------------------

// A heading, the employees' lines, a total line.
basictypes::ReportFileSeq Report(const std::wstring& heading,
                                 const std::vector<std::wstring>& lines,
                                 const std::wstring& total) {
  basictypes::ReportFileSeq out;
  out.length(static_cast<CORBA::ULong>(lines.size() + 2));
  out[0] = heading.c_str();
  for (size_t i = 0; i < lines.size(); ++i)
    out[static_cast<CORBA::ULong>(i + 1)] = lines[i].c_str();
  out[out.length() - 1] = total.c_str();
  return out;
}

class Journal {
 public:
  explicit Journal(const std::wstring& user) : user_(user) {}

  // Journalizes one employee up to `target`, or says why not.
  void Add(Employee& e, const std::string& target) {
    ee::EmployeeShortStruct& sv = e.shortView();
    const std::string journalized = sv.journalizedUntil.in();
    std::wstring why;
    if (!e.ext.ee.stateOfValuation) {
      why = L"last calculation failed";
    } else if (dates::IsUnset(target)) {
      why = L"nothing to journalize";
    } else if (!dates::IsUnset(journalized) && target <= journalized) {
      why = L"already journalized until " + Display(journalized);
    }
    if (!why.empty()) {
      lines_.push_back(Who(sv) + L": skipped, " + why);
      ++skipped_;
      return;
    }
    sv.journalizedUntil = target.c_str();
    e.ext.nextJournalizing = NextJournalizing(sv).c_str();
    e.ext.ee.inValuation = false;
    Touch(e, user_);
    lines_.push_back(Who(sv) + L": journalized until " + Display(target));
    ++journalized_;
  }

  basictypes::ReportFileSeq ToReport() const {
    return Report(L"Journalizing of " + std::to_wstring(lines_.size()) + L" employees", lines_,
                  L"Journalized: " + std::to_wstring(journalized_) + L", skipped: " +
                      std::to_wstring(skipped_));
  }

 private:
  const std::wstring user_;
  std::vector<std::wstring> lines_;
  int journalized_ = 0;
  int skipped_ = 0;
};

// --- servant --------------------------------------------------------------

class EmployeeServantImpl : public POA_com::ostrel::personnel::domain::employee::EmployeeServant,
                            public RecordServant {
 public:
  explicit EmployeeServantImpl(Core& core) : RecordServant(core) {}

  void setJournalize(AccessToken_ptr token, const ee::EmployeeExtendedSeq& employees,
                     basictypes::ReportFileStructCallback_ptr callback) override {
    CallArgs args;
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      args.push_back(Widen(std::string(employees[i].ee.eeShort.objectStruct.objectid.in()) + ":" +
                           employees[i].nextJournalizing.in()));
    }
    const StreamCall call = EnterStream(token, "setJournalize", std::move(args), employees);
    NeedCallback(callback);
    Journal journal(call.user);
    {
      Table& t = table();
      std::lock_guard<std::mutex> lock(t.mu);
      std::vector<Employee*> targets;
      for (CORBA::ULong i = 0; i < employees.length(); ++i) {
        targets.push_back(&Known(t, employees[i].ee.eeShort.objectStruct.objectid.in()));
      }
      for (CORBA::ULong i = 0; i < employees.length(); ++i) {
        const std::string sent = employees[i].nextJournalizing.in();
        const std::string target =
            dates::IsUnset(sent) ? std::string(targets[i]->ext.nextJournalizing.in()) : sent;
        journal.Add(*targets[i], target);
      }
    }
    Stream<basictypes::ReportFileStructCallback>(callback, journal.ToReport(), call);
  }

  ee::EmployeeExtendedSeq* getEmployees(AccessToken_ptr token, const ee::EmployeeFilterSeq& filter,
                                        const SortierungStruct& sort) override {
    CallArgs args = FilterArgs(filter);
    args.push_back(Arg(sort));
    Enter(token, "getEmployees", std::move(args), filter);
    return Sorted<ee::EmployeeExtendedSeq>(Select(filter), ExtendedOrdering(sort));
  }

  ee::EmployeeExtendedStruct* getEmployeeExtended(AccessToken_ptr token,
                                                  const char* oidEmployee) override {
    Enter(token, "getEmployeeExtended", {Arg(oidEmployee)});
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    return new ee::EmployeeExtendedStruct(Known(t, oidEmployee).ext);
  }

  ee::EmployeeAfterCalculateSeq* getEmployeesAfterCalculate(AccessToken_ptr token,
                                                            const ee::EmployeeFilterSeq& filter,
                                                            const SortierungStruct& sort) override {
    CallArgs args = FilterArgs(filter);
    args.push_back(Arg(sort));
    Enter(token, "getEmployeesAfterCalculate", std::move(args), filter);
    CheckFilters(filter);
    using S = ee::EmployeeAfterCalculateStruct;
    const auto less = Ordering<S>(
        sort, [](const S& s) -> const ee::EmployeeShortStruct& { return s.employee.eeShort; });
    std::vector<S> out;
    {
      Table& t = table();
      std::lock_guard<std::mutex> lock(t.mu);
      for (const Result& r : t.results) {
        const Employee& e = Known(t, r.oid_employee);
        if (MatchesAny(filter, e, HasDeselectedEntry(t, r.oid_employee))) {
          out.push_back(ResultOf(e, r));
        }
      }
    }
    return Sorted<ee::EmployeeAfterCalculateSeq>(std::move(out), less);
  }

  void restoreInValuation(AccessToken_ptr token, const ee::EmployeeRootSeq& employees) override {
    CallArgs args;
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      args.push_back(IdArg(employees[i].objectStruct));
    }
    const std::wstring user = Enter(token, "restoreInValuation", std::move(args), employees);
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    std::vector<Employee*> targets;
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      targets.push_back(&Known(t, employees[i].objectStruct.objectid.in()));
    }
    for (Employee* e : targets) {
      ee::EmployeeStruct& emp = e->ext.ee;
      emp.inValuation = false;
      emp.stateOfValuation = true;
      emp.valuationEffectiveFrom = "";
      emp.valuationValidFrom = "";
      emp.stateOfValMessage = "";
      Touch(*e, user);
    }
  }

  void calculate(AccessToken_ptr token, const ee::EmployeeForCalculateSeq& employees) override {
    CallArgs args;
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      args.push_back(Widen(std::string(employees[i].oidEmployee.in()) + ":" +
                           employees[i].calculateValidFrom.in()));
    }
    const std::wstring user = Enter(token, "calculate", std::move(args), employees);
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    for (CORBA::ULong i = 0; i < employees.length(); ++i) Known(t, employees[i].oidEmployee.in());
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      Calculate(t, Known(t, employees[i].oidEmployee.in()), employees[i].calculateValidFrom.in(),
                user);
    }
  }

  void calculateExtend(AccessToken_ptr token,
                       const ee::EmployeeForCalculateExtendSeq& employees) override {
    CallArgs args;
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      args.push_back(Widen(std::string(employees[i].oidEmployee.in()) + ":" +
                           employees[i].calculateValidFrom.in() + ":" +
                           employees[i].oidEmployeeCalculate.in()));
    }
    const std::wstring user = Enter(token, "calculateExtend", std::move(args), employees);
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      Known(t, employees[i].oidEmployee.in());
      if (*employees[i].oidEmployeeCalculate.in()) Known(t, employees[i].oidEmployeeCalculate.in());
    }
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      const std::string oid = employees[i].oidEmployee.in();
      const std::string also = employees[i].oidEmployeeCalculate.in();
      const std::string from = employees[i].calculateValidFrom.in();
      Calculate(t, Known(t, oid), from, user);
      if (!also.empty() && also != oid) Calculate(t, Known(t, also), from, user);
    }
  }

  ee::EmployeeWaitForCalculateSeq* getEmployeesWaitForCalculate(
      AccessToken_ptr token, const ee::EmployeeFilterSeq& filter,
      const SortierungStruct& sort) override {
    CallArgs args = FilterArgs(filter);
    args.push_back(Arg(sort));
    Enter(token, "getEmployeesWaitForCalculate", std::move(args), filter);
    CheckFilters(filter);
    using S = ee::EmployeeWaitForCalculateStruct;
    // The add-on view has no short view: compare its own members.
    using AddOn = ee::EmployeeAddOnStruct;
    using Root = ee::EmployeeRootStruct;
    static const std::map<std::string, SortField<S>> fields = {
        {"personnelNumber",
         MemberKey<&S::eeAddOnStruct, &AddOn::employeeRoot, &Root::personnelnumber>()},
        {"surname", MemberKey<&S::eeAddOnStruct, &AddOn::surname>()},
        {"oidPCompany", MemberKey<&S::eeAddOnStruct, &AddOn::employeeRoot, &Root::oidPCompany>()},
        {"effectiveFromOfCalculationCase", MemberKey<&S::effectiveFromOfCalculationCase>()},
    };
    const auto less = MakeOrdering<S>(sort, fields);
    std::vector<S> out;
    {
      Table& t = table();
      std::lock_guard<std::mutex> lock(t.mu);
      for (const Waiting& w : t.waiting) {
        const Employee& e = Known(t, w.oid_employee);
        if (!MatchesAny(filter, e, !w.entry.calculateNecessary)) continue;
        S s = w.entry;
        s.eeAddOnStruct = AddOnOf(e);
        out.push_back(std::move(s));
      }
    }
    return Sorted<ee::EmployeeWaitForCalculateSeq>(std::move(out), less);
  }

  vp::ValuePositionSeq* getGrossInformation(AccessToken_ptr token, const char* oidEmployee,
                                            const char* dateEffectiveFrom,
                                            const char* dateValidFrom) override {
    Enter(token, "getGrossInformation",
          {Arg(oidEmployee), Arg(dateEffectiveFrom), Arg(dateValidFrom)},
          DateArg{"dateEffectiveFrom", dateEffectiveFrom}, DateArg{"dateValidFrom", dateValidFrom});
    KnownEmployee(core_, oidEmployee);
    const std::string effective = dateEffectiveFrom;
    const std::string valid = dateValidFrom;
    // The gross wage types run up to the total gross, 3000.
    std::vector<vp::ValuePositionStruct> out;
    for (const vp::ValuePositionStruct& p : ValuePositionsOf(core_, oidEmployee)) {
      if (std::string(p.bezug.in()) != "EE" || p.valueTypeKey < 1000 || p.valueTypeKey > 3000) {
        continue;
      }
      if (!dates::IsUnset(effective) &&
          (effective < p.effectiveFrom.in() || effective > p.effectiveUntil.in())) {
        continue;
      }
      if (!dates::IsUnset(valid) && (valid < p.validFrom.in() || valid > p.validUntil.in())) {
        continue;
      }
      out.push_back(p);
    }
    return new vp::ValuePositionSeq(ToSeq<vp::ValuePositionSeq>(out));
  }

  void EmployeeCheckUpWithCallback(AccessToken_ptr token, const char* oidPCompany,
                                   basictypes::ReportFileStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "EmployeeCheckUpWithCallback", {Arg(oidPCompany)});
    NeedCallback(callback);
    NeedCompany(oidPCompany);
    const std::string company = oidPCompany;
    std::vector<std::wstring> lines;
    int errors_total = 0;
    int warnings_total = 0;
    {
      Table& t = table();
      std::lock_guard<std::mutex> lock(t.mu);
      for (Employee& e : t.employees) {
        const ee::EmployeeShortStruct& sv = e.shortView();
        if (company != sv.oidPCompany.in()) continue;
        std::vector<std::wstring> findings;
        int errors = 0;
        const std::string entry = sv.dateOfEntry.in();
        const std::string withdrawal = sv.dateOfWithDrawal.in();
        if (dates::IsUnset(entry)) {
          findings.push_back(L"error: no date of entry");
          ++errors;
        } else if (!dates::IsUnset(withdrawal) && withdrawal < entry) {
          findings.push_back(L"error: withdrawal before entry");
          ++errors;
        }
        const int warnings = e.ext.ee.stateOfValuation ? 0 : 1;
        if (warnings > 0) findings.push_back(L"warning: last calculation failed");
        std::wstring line = Who(sv) + L": ";
        for (size_t i = 0; i < findings.size(); ++i) line += (i > 0 ? L"; " : L"") + findings[i];
        if (findings.empty()) line += L"ok";
        lines.push_back(line);
        e.ext.lastCheck = dates::Today().c_str();
        e.ext.stateOfLastCheck = errors == 0;
        e.ext.warningStateOfCheck = warnings;
        Touch(e, call.user);
        errors_total += errors;
        warnings_total += warnings;
      }
    }
    if (lines.empty()) store_detail::Persistency("unknown company '" + company + "'");
    Stream<basictypes::ReportFileStructCallback>(
        callback,
        Report(L"Check of company " + Widen(company) + L": " + std::to_wstring(lines.size()) +
                   L" employees",
               lines,
               L"Errors: " + std::to_wstring(errors_total) + L", warnings: " +
                   std::to_wstring(warnings_total)),
        call);
  }

  ee::EmployeeExtendedSeq* getEmployeesForReport(AccessToken_ptr token,
                                                 const char* effectiveTimePoint,
                                                 const char* validTimePoint,
                                                 const ee::EmployeeFilterSeq& filter,
                                                 const SortierungStruct& sort) override {
    CallArgs args = {Arg(effectiveTimePoint), Arg(validTimePoint)};
    for (std::wstring& a : FilterArgs(filter)) args.push_back(std::move(a));
    args.push_back(Arg(sort));
    Enter(token, "getEmployeesForReport", std::move(args),
          DateArg{"effectiveTimePoint", effectiveTimePoint},
          DateArg{"validTimePoint", validTimePoint}, filter);
    return Sorted<ee::EmployeeExtendedSeq>(Select(filter), ExtendedOrdering(sort));
  }

  void deselectionOfRetroactiveCalculation(
      AccessToken_ptr token, const char* oidPCompany,
      const ee::EmployeeWaitForCalculateSeq& employees) override {
    CallArgs args = {Arg(oidPCompany)};
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      args.push_back(IdArg(employees[i].objectStruct));
    }
    const std::wstring user =
        Enter(token, "deselectionOfRetroactiveCalculation", std::move(args), employees);
    NeedCompany(oidPCompany);
    const std::string company = oidPCompany;
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    std::vector<Waiting*> targets;
    for (CORBA::ULong i = 0; i < employees.length(); ++i) {
      const std::string oid = employees[i].objectStruct.objectid.in();
      auto it = std::find_if(t.waiting.begin(), t.waiting.end(), [&](const Waiting& w) {
        return oid == w.entry.objectStruct.objectid.in();
      });
      if (it == t.waiting.end()) Unknown(oid);
      if (company != Known(t, it->oid_employee).shortView().oidPCompany.in()) {
        store_detail::Domain("entry '" + oid + "' does not belong to company '" + company + "'");
      }
      if (!it->entry.deselectionIsAllowed) {
        store_detail::Domain("deselection of entry '" + oid + "' is not allowed");
      }
      if (!it->entry.calculateNecessary) {
        store_detail::Domain("entry '" + oid + "' is already deselected");
      }
      targets.push_back(&*it);
    }
    const std::string now = dates::NowStamp();
    for (Waiting* w : targets) {
      w->entry.calculateNecessary = false;
      w->entry.deselectBy = Narrow(user).c_str();
      w->entry.deselectOn = now.c_str();
      w->entry.objectStruct.version += 1;
      w->entry.objectStruct.timestamp = now.c_str();
      w->entry.objectStruct.lastuserid = user.c_str();
    }
  }

  ee::EmployeeShortSeq* getEmployeesFromReportFirst(
      AccessToken_ptr token, const reports::ReportFirstFilterStruct& filter) override {
    Enter(token, "getEmployeesFromReportFirst",
          {Arg(filter.oidPCompany.in()), Arg(filter.fromPersonnelNumber),
           Arg(filter.untilPersonnelNumber),
           Arg(static_cast<CORBA::Long>(filter.listDisplayOfEmployeeEnum))},
          filter);
    std::vector<ee::EmployeeShortStruct> out;
    for (const ee::EmployeeShortStruct& sv : EmployeesOf(core_, filter.oidPCompany.in())) {
      const long pnr = sv.personnelNumber;
      if (filter.fromPersonnelNumber != 0 && pnr < filter.fromPersonnelNumber) continue;
      if (filter.untilPersonnelNumber != 0 && pnr > filter.untilPersonnelNumber) continue;
      if (Listed(sv.dateOfWithDrawal.in(), filter.listDisplayOfEmployeeEnum, "")) out.push_back(sv);
    }
    return new ee::EmployeeShortSeq(ToSeq<ee::EmployeeShortSeq>(out));
  }

  ee::EmployeeShortSeq* getEmployeesFromReportSecond(
      AccessToken_ptr token, const reports::ReportSecondFilterStructSeq& filters) override {
    CallArgs args = {CountArg(filters)};
    for (CORBA::ULong i = 0; i < filters.length(); ++i) {
      args.push_back(Widen(std::string(filters[i].oidEmployee.in()) + ":" +
                           std::to_string(filters[i].personnelNumber)));
    }
    Enter(token, "getEmployeesFromReportSecond", std::move(args), filters);
    std::vector<ee::EmployeeShortStruct> out;
    std::set<std::string> seen;
    auto add = [&](const ee::EmployeeShortStruct& sv) {
      if (seen.insert(sv.objectStruct.objectid.in()).second) out.push_back(sv);
    };
    for (CORBA::ULong i = 0; i < filters.length(); ++i) {
      if (*filters[i].oidEmployee.in()) {
        add(KnownEmployee(core_, filters[i].oidEmployee.in()));
      } else if (filters[i].personnelNumber != 0) {
        for (const ee::EmployeeShortStruct& sv : EmployeesOf(core_)) {
          if (sv.personnelNumber == filters[i].personnelNumber) add(sv);
        }
      }
    }
    return new ee::EmployeeShortSeq(ToSeq<ee::EmployeeShortSeq>(out));
  }

  ee::ForInitialiseOfInsuranceStruct* getInitialiseOfInsurance(AccessToken_ptr token,
                                                               const char* oidEmployee) override {
    Enter(token, "getInitialiseOfInsurance", {Arg(oidEmployee)});
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    const Employee& e = Known(t, oidEmployee);
    auto* out = new ee::ForInitialiseOfInsuranceStruct{};
    out->oidEmployee = oidEmployee;
    out->insolvencyDuty = kInsolvencyDuty.count(e.shortView().oidPCompany.in()) > 0;
    out->eRPaysNISurcharge = e.er_pays_ni_surcharge;
    return out;
  }

  CORBA::Boolean isSuccessor(AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "isSuccessor", {Arg(oidEmployee)});
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    return Known(t, oidEmployee).successor;
  }

  void getEmployeesCB(AccessToken_ptr token, const ee::EmployeeFilterSeq& filter,
                      const SortierungStruct& sort,
                      ee::EmployeeExtendedStructCallback_ptr callback) override {
    CallArgs args = FilterArgs(filter);
    args.push_back(Arg(sort));
    const StreamCall call = EnterStream(token, "getEmployeesCB", std::move(args), filter);
    NeedCallback(callback);
    std::unique_ptr<ee::EmployeeExtendedSeq> seq(
        Sorted<ee::EmployeeExtendedSeq>(Select(filter), ExtendedOrdering(sort)));
    Stream<ee::EmployeeExtendedStructCallback>(callback, std::move(*seq), call);
  }

  ee::DifferentDatesSeq* getDifferentJournalizeDates(AccessToken_ptr token,
                                                     const ee::EmployeeFilterSeq& filter) override {
    Enter(token, "getDifferentJournalizeDates", FilterArgs(filter), filter);
    std::set<std::string> dates_seen;
    for (const ee::EmployeeExtendedStruct& e : Select(filter)) {
      const std::string d = e.ee.eeShort.journalizedUntil.in();
      if (!dates::IsUnset(d)) dates_seen.insert(d);
    }
    auto* out = new ee::DifferentDatesSeq;
    out->length(static_cast<CORBA::ULong>(dates_seen.size()));
    CORBA::ULong i = 0;
    for (const std::string& d : dates_seen) (*out)[i++] = d.c_str();
    return out;
  }

  void setJournalizeWithFilter(AccessToken_ptr token, const ee::EmployeeFilterSeq& filter,
                               basictypes::ReportFileStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "setJournalizeWithFilter", FilterArgs(filter), filter);
    NeedCallback(callback);
    CheckFilters(filter);
    Journal journal(call.user);
    {
      Table& t = table();
      std::lock_guard<std::mutex> lock(t.mu);
      for (Employee& e : t.employees) {
        if (!MatchesAny(filter, e, HasDeselectedEntry(t, e.oid()))) continue;
        journal.Add(e, e.ext.nextJournalizing.in());
      }
    }
    Stream<basictypes::ReportFileStructCallback>(callback, journal.ToReport(), call);
  }

 private:
  Table& table() { return TableOf(core_); }

  // The employees that match, in seed order.
  std::vector<ee::EmployeeExtendedStruct> Select(const ee::EmployeeFilterSeq& filter) {
    CheckFilters(filter);
    std::vector<ee::EmployeeExtendedStruct> out;
    Table& t = table();
    std::lock_guard<std::mutex> lock(t.mu);
    for (const Employee& e : t.employees) {
      if (MatchesAny(filter, e, HasDeselectedEntry(t, e.oid()))) out.push_back(e.ext);
    }
    return out;
  }

  static std::function<bool(const ee::EmployeeExtendedStruct&, const ee::EmployeeExtendedStruct&)>
  ExtendedOrdering(const SortierungStruct& sort) {
    using S = ee::EmployeeExtendedStruct;
    return Ordering<S>(sort,
                       [](const S& s) -> const ee::EmployeeShortStruct& { return s.ee.eeShort; });
  }
};

RegisterServant<EmployeeServantImpl> registration(EmployeeService::kName);

}  // namespace

bool Listed(const char* withdrawal, bt::ListDisplayOfEmployeeEnum display,
            const std::string& fixed) {
  const std::string reference = dates::IsUnset(fixed) ? dates::Today() : fixed;
  const bool withdrawn = !dates::IsUnset(withdrawal) && std::string(withdrawal) < reference;
  switch (display) {
    case bt::LIST_ACTIVE_EMPLOYEES:
      return !withdrawn;
    case bt::LIST_WITHDRAWN_EMPLOYEES:
      return withdrawn;
    default:
      return true;
  }
}

std::optional<ee::EmployeeShortStruct> FindEmployee(Core& core, const std::string& oidEmployee) {
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  const Employee* e = Find(t, oidEmployee);
  if (e == nullptr) return std::nullopt;
  return e->shortView();
}

ee::EmployeeShortStruct KnownEmployee(Core& core, const std::string& oidEmployee) {
  std::optional<ee::EmployeeShortStruct> e = FindEmployee(core, oidEmployee);
  if (!e) Unknown(oidEmployee);
  return *e;
}

std::vector<ee::EmployeeShortStruct> EmployeesOf(Core& core, const std::string& oidPCompany) {
  std::vector<ee::EmployeeShortStruct> out;
  {
    Table& t = TableOf(core);
    std::lock_guard<std::mutex> lock(t.mu);
    for (const Employee& e : t.employees) {
      if (oidPCompany.empty() || oidPCompany == e.shortView().oidPCompany.in()) {
        out.push_back(e.shortView());
      }
    }
  }
  std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) {
    const int c = CompareText(a.oidPCompany.in(), b.oidPCompany.in());
    return c != 0 ? c < 0 : a.personnelNumber < b.personnelNumber;
  });
  return out;
}

ee::EmployeeShortStruct AddEmployee(Core& core, ee::EmployeeShortStruct employee,
                                    const std::wstring& user) {
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  long last = 0;
  for (const Employee& e : t.employees) {
    const std::string oid = e.oid();
    if (oid.rfind("EMP-", 0) == 0) last = std::max(last, std::atol(oid.c_str() + 4));
  }
  Employee e;
  ee::EmployeeShortStruct& sv = e.shortView();
  sv = employee;
  sv.objectStruct.objectid = ("EMP-" + std::to_string(last + 1)).c_str();
  sv.objectStruct.version = 1;
  sv.objectStruct.timestamp = dates::NowStamp().c_str();
  sv.objectStruct.lastuserid = user.c_str();
  e.ext.ee.inValuation = false;
  e.ext.ee.stateOfValuation = true;
  e.ext.nextJournalizing = NextJournalizing(sv).c_str();
  e.ext.stateOfLastCheck = false;
  e.ext.warningStateOfCheck = 0;
  t.employees.push_back(e);
  return sv;
}

ee::EmployeeShortStruct UpdateEmployee(
    Core& core, const std::string& oidEmployee, const std::wstring& user,
    const std::function<void(ee::EmployeeShortStruct&)>& change) {
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  Employee& e = Known(t, oidEmployee);
  ee::EmployeeShortStruct sv = e.shortView();
  change(sv);
  sv.objectStruct = e.shortView().objectStruct;
  const ee::EmployeeShortStruct& old = e.shortView();
  const bool same =
      std::string(sv.oidPCompany.in()) == old.oidPCompany.in() &&
      sv.personnelNumber == old.personnelNumber && std::string(sv.title.in()) == old.title.in() &&
      std::wstring(sv.surname.in()) == old.surname.in() &&
      std::string(sv.namePrefix.in()) == old.namePrefix.in() &&
      std::wstring(sv.firstname.in()) == old.firstname.in() && sv.sexEnum == old.sexEnum &&
      std::string(sv.dateOfEntry.in()) == old.dateOfEntry.in() &&
      std::string(sv.dateOfWithDrawal.in()) == old.dateOfWithDrawal.in() &&
      std::string(sv.journalizedUntil.in()) == old.journalizedUntil.in();
  if (!same) {
    e.shortView() = sv;
    Touch(e, user);
  }
  return e.shortView();
}

void RemoveEmployee(Core& core, const std::string& oidEmployee) {
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  auto of = [&oidEmployee](const auto& x) { return x.oid_employee == oidEmployee; };
  t.employees.erase(std::remove_if(t.employees.begin(), t.employees.end(),
                                   [&](const Employee& e) { return e.oid() == oidEmployee; }),
                    t.employees.end());
  t.results.erase(std::remove_if(t.results.begin(), t.results.end(), of), t.results.end());
  t.waiting.erase(std::remove_if(t.waiting.begin(), t.waiting.end(), of), t.waiting.end());
}

}  // namespace ostrel::server
