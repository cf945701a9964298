// Employment in the reference server: one record per employee, keyed by the
// employee (employee_records.h), with the life-cycle steps of an employment.
//
// Rules a client can rely on:
//   - Answers carry the employee's short view as it is now and the findings
//     of the server's checks (errors: code, message, member name):
//       1 "probation ends before it starts" (probationEnd)
//       2 "a limited employment needs an end date" (employmentLtdBy)
//       3 "the cost-centre split adds up to <p> %, not 100 %" (partCostCenters)
//       4 "the cost-unit split adds up to <p> %, not 100 %" (partCostUnits)
//     New shares of the splits (no object id) get "PCC-<n>" / "PCU-<n>".
//   - Dates must be dates and percentages numbers; a withdrawal must not lie
//     before the entry (DomainException).
//   - createEmployment: the root names an employee that has no employment
//     yet. add/set: a personnelnumberNew other than 0 and the employee's own
//     gives the employee that number (DomainException when another employee
//     of the company has it).
//   - Every write copies the entry and withdrawal dates of the latest period
//     into the employee's short view.
//   - correctionOfEntry: the sent dateOfEntry (required) replaces the old
//     entry date, with dateOfEntrySI, in every period that had it; the sent
//     period is written as set writes it. Refused when the employee withdrew
//     before the new date.
//   - withDrawal: dateOfWithDrawal required, the employee not withdrawn yet
//     (its latest period has no withdrawal date). The sent record becomes a
//     new period when its internal valid-from date differs from that of its
//     period, and is written over its period otherwise.
//   - cancellationOfWithDrawal: the withdrawal date of the latest period
//     (DomainException without one) is removed, with the SI date, reason and
//     death flag, from every period that has it. Answer: the latest period.
//   - reEntry: the employee must be withdrawn; the re-entry date (dateOfEntry)
//     and the new period's internal valid-from date must lie after the
//     withdrawal. The period is added without withdrawal data.
//   - cancellationOfReEntry: the periods from the re-entry on take the entry
//     and withdrawal data of the withdrawn period before it
//     (DomainException when the latest period is no re-entry). Answer: the
//     latest period.
//   - getMigrationEmployee: personnelnumberOld names the source employee as
//     "<company key>/<personnel number>"; the record comes back, not stored,
//     with the source's entry date (also as SI entry date and contract start)
//     and cost centre.
//   - Filters (several: any of them; none: every employment): company,
//     personnel number, plant, employee circle, group, function, cost centre,
//     cost unit, organisational unit, department and both persons in charge
//     equal; surname: the employee's starts with it; memo: the employee's
//     master memo contains it; list display as for master data. Sort keys:
//     personnelNumber, surname, dateOfEntry, oidCostCenter, oidPCompany.
//     getActiveEmploymentWithDrawalCB selects among the employments whose
//     latest period has a withdrawal date.
//   - Linked histories: as for master data.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employee_records.h"
#include "employees.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sequences.h"
#include "sorting.h"
#include "text.h"

namespace ostrel::server {
namespace {

namespace em = com::ostrel::personnel::domain::employee::employment;
namespace ms = com::ostrel::personnel::domain::employee::master;
namespace ee = com::ostrel::personnel::domain::employee;
namespace bt = com::ostrel::personnel::framework::basictypes;
using com::ostrel::serverbase::query::SortierungStruct;
using Store = RecordStore<em::EEEmploymentStruct>;

Store& EmploymentStore(Core& core);

std::string OidOf(const em::EEEmploymentStruct& r) { return r.root.objectStruct.objectid.in(); }
std::string PeriodOf(const em::EEEmploymentStruct& r) {
  return r.employment.objectStruct.objectid.in();
}
std::string IvfOf(const em::EEEmploymentStruct& r) {
  return r.employment.timePeriod.internalValidFrom.in();
}

std::string DayAfter(const std::string& date) { return dates::FromDays(*dates::ToDays(date) + 1); }

// --- checks and findings --------------------------------------------------

// The Dbt attributes of a received record, empty when it has none: the wire
// check does not look into the union.
const em::DbtStruct& DbtOf(const em::EEEmploymentStruct& r) {
  static const em::DbtStruct kNone{};
  return r.employment.dbt._d() ? r.employment.dbt.dbt() : kNone;
}

void Check(const em::EEEmploymentStruct& r) {
  const em::EmploymentStruct& e = r.employment;
  const std::string entry = e.dateOfEntry.in();
  const std::string withdrawal = e.dateOfWithDrawal.in();
  if (!dates::IsUnset(entry) && !dates::IsUnset(withdrawal) && withdrawal < entry) {
    store_detail::Domain("the withdrawal (" + withdrawal + ") lies before the entry (" + entry +
                         ")");
  }
}

template <class Parts>
double SumOf(const Parts& parts) {
  double sum = 0;
  for (CORBA::ULong i = 0; i < parts.length(); ++i) {
    sum += ParseDecimal(parts[i].percentage.in()).value_or(0);
  }
  return sum;
}

std::string Percent(double p) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", p);
  return text;
}

bt::ErrorSeq Findings(const em::EmploymentStruct& e) {
  bt::ErrorSeq out;
  auto add = [&out](CORBA::Long code, const std::string& message, const char* member) {
    auto& f = ostrel::server::AppendNew(out);
    f.errorCode = code;
    f.message = Widen(message).c_str();
    f.attributeName = member;
  };
  const std::string start = e.probationStart.in();
  const std::string end = e.probationEnd.in();
  if (!dates::IsUnset(start) && !dates::IsUnset(end) && end < start) {
    add(1, "probation ends before it starts", "probationEnd");
  }
  if (e.limitedEmployment && dates::IsUnset(e.employmentLtdBy.in())) {
    add(2, "a limited employment needs an end date", "employmentLtdBy");
  }
  if (e.partCostCenters.length() > 0 && SumOf(e.partCostCenters) != 100) {
    add(3,
        "the cost-centre split adds up to " + Percent(SumOf(e.partCostCenters)) + " %, not 100 %",
        "partCostCenters");
  }
  if (e.partCostUnits.length() > 0 && SumOf(e.partCostUnits) != 100) {
    add(4, "the cost-unit split adds up to " + Percent(SumOf(e.partCostUnits)) + " %, not 100 %",
        "partCostUnits");
  }
  return out;
}

// New shares of a split get an identity.
template <class Parts>
void Identify(Parts& parts, const char* prefix, const std::wstring& user) {
  static std::atomic<long> next{1};
  for (CORBA::ULong i = 0; i < parts.length(); ++i) {
    auto& id = parts[i].objectStruct;
    if (*id.objectid.in() != '\0') continue;
    id.objectid = (std::string(prefix) + "-" + std::to_string(next++)).c_str();
    id.version = 1;
    id.timestamp = dates::NowStamp().c_str();
    id.lastuserid = user.c_str();
  }
}

// The record as clients see it.
em::EEEmploymentStruct Answer(Core& core, em::EEEmploymentStruct r) {
  if (std::optional<ee::EmployeeShortStruct> sv = FindEmployee(core, OidOf(r))) r.root = *sv;
  r.errors = Findings(r.employment);
  return r;
}

// The record as the store keeps it: split shares identified, no findings.
em::EEEmploymentStruct Prepared(em::EEEmploymentStruct r, const std::wstring& user) {
  r.employment.oidEmployee = r.root.objectStruct.objectid;
  Identify(r.employment.partCostCenters, "PCC", user);
  Identify(r.employment.partCostUnits, "PCU", user);
  r.errors.length(0);
  return r;
}

// The short view shows the entry and withdrawal dates of the latest period.
void SyncDates(Core& core, const std::wstring& user, const std::string& oidEmployee) {
  const em::EmploymentStruct latest = EmploymentStore(core).Get(oidEmployee, "").employment;
  UpdateEmployee(core, oidEmployee, user, [&latest](ee::EmployeeShortStruct& sv) {
    sv.dateOfEntry = latest.dateOfEntry;
    sv.dateOfWithDrawal = latest.dateOfWithDrawal;
  });
}

bool Withdrawn(const em::EEEmploymentStruct& r) {
  return !dates::IsUnset(r.employment.dateOfWithDrawal.in());
}

void ClearWithdrawal(em::EmploymentStruct& e) {
  e.dateOfWithDrawal = "";
  e.dateOfWithDrawalSI = "";
  e.oidWithDrawalReason = "";
  e.withDrawalDeath = false;
}

void TakeEntryAndWithdrawal(em::EmploymentStruct& to, const em::EmploymentStruct& from) {
  to.dateOfEntry = from.dateOfEntry;
  to.dateOfEntrySI = from.dateOfEntrySI;
  to.dateOfWithDrawal = from.dateOfWithDrawal;
  to.dateOfWithDrawalSI = from.dateOfWithDrawalSI;
  to.oidWithDrawalReason = from.oidWithDrawalReason;
  to.withDrawalDeath = from.withDrawalDeath;
}

// The stored period the sent record was read from; the latest one when it
// names none.
em::EEEmploymentStruct StoredPeriod(Store& store, const em::EEEmploymentStruct& sent) {
  const std::string period = PeriodOf(sent);
  if (period.empty()) return store.Get(OidOf(sent), "");
  std::optional<em::EEEmploymentStruct> p = store.FindByPeriod(period);
  if (!p || OidOf(*p) != OidOf(sent)) {
    store_detail::Persistency("unknown object id '" + period + "'");
  }
  return *p;
}

// A withdrawal on the sent record's dateOfWithDrawal (see withDrawal).
em::EEEmploymentStruct Withdraw(Core& core, const std::wstring& user,
                                const em::EEEmploymentStruct& sent, bool removeNew) {
  Check(sent);
  const std::string oid = OidOf(sent);
  Store& store = EmploymentStore(core);
  const std::string date = sent.employment.dateOfWithDrawal.in();
  if (dates::IsUnset(date)) store_detail::Domain("no date of withdrawal given");
  const em::EEEmploymentStruct latest = store.Get(oid, "");
  if (Withdrawn(latest)) {
    store_detail::Domain("employee '" + oid + "' already withdrew on " +
                         latest.employment.dateOfWithDrawal.in());
  }
  const em::EEEmploymentStruct in = Prepared(sent, user);
  const em::EEEmploymentStruct stored = IvfOf(in) != IvfOf(StoredPeriod(store, sent))
                                            ? store.Add(user, in, removeNew)
                                            : store.Set(user, in, removeNew);
  SyncDates(core, user, oid);
  return stored;
}

// --- filters --------------------------------------------------------------

bool Matches(Core& core, const em::EEEmploymentFilterStruct& f, const em::EEEmploymentStruct& r) {
  const em::EmploymentStruct& e = r.employment;
  const ee::EmployeeShortStruct& sv = r.root;
  auto equal_if_set = [](const char* wanted, const char* value) {
    return *wanted == '\0' || std::strcmp(wanted, value) == 0;
  };
  if (!equal_if_set(f.oidPCompany.in(), sv.oidPCompany.in())) return false;
  if (f.pnr._d() && f.pnr.pnr() != sv.personnelNumber) return false;
  if (std::wstring(sv.surname.in()).rfind(Widen(f.surname.in()), 0) != 0) return false;
  const std::pair<const char*, const char*> equal[] = {
      {f.oidPlant.in(), e.oidPlant.in()},
      {f.oidEmployeeCircle.in(), e.oidEmployeeCircle.in()},
      {f.oidEmployeeGroup.in(), e.oidEmployeeGroup.in()},
      {f.oidEmployeeFunction.in(), e.oidEmployeeFunction.in()},
      {f.oidCostCenter.in(), e.oidCostCenter.in()},
      {f.oidCostUnit.in(), e.oidCostUnit.in()},
      {f.oidOrgUnit.in(), e.oidOrgUnit.in()},
      {f.oidDepartment.in(), e.oidDepartment.in()},
      {f.oidPersonInCharge1.in(), e.oidPersonInCharge1.in()},
      {f.oidPersonInCharge2.in(), e.oidPersonInCharge2.in()},
  };
  for (const auto& [wanted, value] : equal) {
    if (!equal_if_set(wanted, value)) return false;
  }
  const std::string memo = f.memo.in();
  if (!memo.empty()) {
    std::optional<ms::EEMasterStruct> m = FindMasterRecord(core, OidOf(r));
    if (!m || std::string(m->history.memo.in()).find(memo) == std::string::npos) return false;
  }
  return Listed(e.dateOfWithDrawal.in(), f.listDisplayOfEmployeeEnum, f.fixedDateOfWithDrawal.in());
}

// A filter in the call log: the criteria that are set, the list display
// always. "oidPCompany=C-1;pnr=1001;listDisplay=0"
std::wstring FilterArg(const em::EEEmploymentFilterStruct& f) {
  std::wstring out;
  auto add = [&out](const wchar_t* name, const std::string& value) {
    if (value.empty()) return;
    if (!out.empty()) out += L";";
    out += name;
    out += L"=" + Widen(value);
  };
  add(L"memo", f.memo.in());
  add(L"oidPCompany", f.oidPCompany.in());
  if (f.pnr._d()) add(L"pnr", std::to_string(f.pnr.pnr()));
  add(L"surname", f.surname.in());
  add(L"fixedDateOfWithDrawal", f.fixedDateOfWithDrawal.in());
  add(L"oidPlant", f.oidPlant.in());
  add(L"oidEmployeeCircle", f.oidEmployeeCircle.in());
  add(L"oidEmployeeGroup", f.oidEmployeeGroup.in());
  add(L"oidEmployeeFunction", f.oidEmployeeFunction.in());
  add(L"oidCostCenter", f.oidCostCenter.in());
  add(L"oidCostUnit", f.oidCostUnit.in());
  add(L"oidOrgUnit", f.oidOrgUnit.in());
  add(L"oidDepartment", f.oidDepartment.in());
  add(L"oidPersonInCharge1", f.oidPersonInCharge1.in());
  add(L"oidPersonInCharge2", f.oidPersonInCharge2.in());
  add(L"listDisplay", std::to_string(static_cast<int>(f.listDisplayOfEmployeeEnum)));
  return out;
}

CallArgs ListArgs(const em::EEEmploymentFilterSeq& filters, const SortierungStruct& sort) {
  CallArgs args = {CountArg(filters)};
  for (CORBA::ULong i = 0; i < filters.length(); ++i) args.push_back(FilterArg(filters[i]));
  args.push_back(Arg(sort));
  return args;
}

// The record, the internal valid-from date it carries, and the flag.
CallArgs WriteArgs(const em::EEEmploymentStruct& r, bool removeNew) {
  return {RecordArg(r), Arg(r.employment.timePeriod.internalValidFrom.in()), Arg(removeNew)};
}

// The record kind's table for the shared per-employee servant.
struct EmploymentTable {
  using Record = em::EEEmploymentStruct;
  using Seq = em::EEEmploymentSeq;
  using FilterSeq = em::EEEmploymentFilterSeq;
  static constexpr char kStore[] = "EM";
  static Record Answer(Core& core, Record r) { return server::Answer(core, std::move(r)); }
  static bool Matches(Core& core, const em::EEEmploymentFilterStruct& f, const Record& r) {
    return server::Matches(core, f, r);
  }
  static const std::map<std::string, SortField<Record>>& SortKeys() {
    using R = Record;
    using E = em::EmploymentStruct;
    using S = ee::EmployeeShortStruct;
    static const std::map<std::string, SortField<R>> kKeys = {
        {"personnelNumber", MemberKey<&R::root, &S::personnelNumber>()},
        {"surname", MemberKey<&R::root, &S::surname>()},
        {"dateOfEntry", MemberKey<&R::employment, &E::dateOfEntry>()},
        {"oidCostCenter", MemberKey<&R::employment, &E::oidCostCenter>()},
        {"oidPCompany", MemberKey<&R::root, &S::oidPCompany>()},
    };
    return kKeys;
  }
};

// --- seed -----------------------------------------------------------------

struct SeedEmployment {
  const char* oid;
  const char* plant;
  const char* cost_center;
  const char* cost_unit;
  const char* department;
  const char* person_in_charge;
  const char* earned_income;
};

const SeedEmployment kEmployments[] = {
    {"EMP-1", "PL-1", "CC-100", "CU-10", "DEP-A", "PIC-1", "5200.00"},
    {"EMP-2", "PL-1", "CC-200", "CU-10", "DEP-B", "PIC-2", "3900.00"},
    {"EMP-3", "PL-1", "CC-100", "CU-20", "DEP-A", "PIC-1", "2800.00"},
    {"EMP-5", "PL-2", "CC-300", "CU-30", "DEP-C", "PIC-3", "4100.00"},
    {"EMP-6", "PL-2", "CC-300", "CU-30", "DEP-C", "PIC-3", "6100.00"},
    {"EMP-7", "PL-2", "CC-310", "CU-30", "DEP-D", "PIC-3", "3300.00"},
};

void Seed(Core& core) {
  for (const SeedEmployment& s : kEmployments) {
    std::optional<ee::EmployeeShortStruct> sv = FindEmployee(core, s.oid);
    if (!sv || dates::IsUnset(sv->dateOfEntry.in())) continue;
    em::EEEmploymentStruct r{};
    r.root = *sv;
    em::EmploymentStruct e{};
    const char* entry = sv->dateOfEntry.in();
    e.timePeriod.effectiveFrom = entry;
    e.timePeriod.internalValidFrom = entry;
    e.timePeriod.validUntil = dates::kOpenEnd;
    e.dateOfEntry = entry;
    e.dateOfEntrySI = entry;
    e.contractStart = entry;
    e.oidEntryReason = "ER-1";
    e.oidPlant = s.plant;
    e.oidEmployeeCircle = "EC-1";
    e.oidCostCenter = s.cost_center;
    e.oidCostUnit = s.cost_unit;
    e.oidDepartment = s.department;
    e.oidPersonInCharge1 = s.person_in_charge;
    e.earnedIncome = s.earned_income;
    e.typeOfEmployment = em::TYPE_OF_EMPLOYMENT_FULL_TIME;
    e.typeOfEarnedIncom = em::TYPE_OF_EARNED_INCOME_MONTHLY;
    if (std::string(s.oid) == "EMP-2") {
      ostrel::server::AppendNew(e.partCostCenters);
      ostrel::server::AppendNew(e.partCostCenters);
      e.partCostCenters[0].oidCostCenter = "CC-200";
      e.partCostCenters[0].percentage = "60.00";
      e.partCostCenters[1].oidCostCenter = "CC-210";
      e.partCostCenters[1].percentage = "40.00";
    }
    r.employment = e;
    CreateEmploymentRecord(core, L"seed", r);
    const std::string withdrawal = sv->dateOfWithDrawal.in();
    if (!dates::IsUnset(withdrawal)) WithdrawEmployee(core, L"seed", s.oid, withdrawal);
  }
}

RegisterSeeder seeder(kEmployeeRecordsSeedOrder, Seed);

// --- servant --------------------------------------------------------------

class EmploymentServantImpl
    : public POA_com::ostrel::personnel::domain::employee::employment::EmploymentServant,
      public EmployeeRecordServant<EmploymentTable> {
 public:
  explicit EmploymentServantImpl(Core& core) : EmployeeRecordServant(core) {}

  em::EEEmploymentStruct* createEmployment(AccessToken_ptr token,
                                           const em::EEEmploymentStruct& r) override {
    const std::wstring user =
        Enter(token, "createEmployment",
              {RecordArg(r), Arg(r.employment.timePeriod.internalValidFrom.in())}, r, DbtOf(r));
    return Out(CreateEmploymentRecord(core_, user, r));
  }

  em::EEEmploymentStruct* addEmployment(AccessToken_ptr token, const em::EEEmploymentStruct& r,
                                        CORBA::Long personnelnumberNew,
                                        CORBA::Boolean removeNew) override {
    CallArgs args = WriteArgs(r, removeNew);
    args.insert(args.end() - 1, Arg(personnelnumberNew));
    const std::wstring user = Enter(token, "addEmployment", std::move(args), r, DbtOf(r));
    return Out(Write(user, r, personnelnumberNew, [&](const em::EEEmploymentStruct& s) {
      return store_.Add(user, s, removeNew);
    }));
  }

  em::EEEmploymentStruct* setEmployment(AccessToken_ptr token, const em::EEEmploymentStruct& r,
                                        CORBA::Long personnelnumberNew,
                                        CORBA::Boolean removeNew) override {
    CallArgs args = WriteArgs(r, removeNew);
    args.insert(args.end() - 1, Arg(personnelnumberNew));
    const std::wstring user = Enter(token, "setEmployment", std::move(args), r, DbtOf(r));
    return Out(Write(user, r, personnelnumberNew, [&](const em::EEEmploymentStruct& s) {
      return store_.Set(user, s, removeNew);
    }));
  }

  em::EEEmploymentSeq* getActiveEmployment(AccessToken_ptr token,
                                           const em::EEEmploymentFilterSeq& filter,
                                           const SortierungStruct& sort) override {
    Enter(token, "getActiveEmployment", ListArgs(filter, sort), filter);
    return new em::EEEmploymentSeq(ToSeq<em::EEEmploymentSeq>(SelectSome(filter, sort, false)));
  }

  void getActiveEmploymentCB(AccessToken_ptr token, const em::EEEmploymentFilterSeq& filter,
                             const SortierungStruct& sort,
                             em::EEEmploymentStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveEmploymentCB", ListArgs(filter, sort), filter);
    StreamSelection(filter, sort, false, callback, call);
  }

  em::EEEmploymentSeq* getActiveEffectiveEmploymentHistory(AccessToken_ptr t,
                                                           const char* oid) override {
    return ActiveHistory(t, "getActiveEffectiveEmploymentHistory", oid);
  }

  em::EEEmploymentSeq* getAllEmploymentHistory(AccessToken_ptr t, const char* oid) override {
    return AllHistory(t, "getAllEmploymentHistory", oid);
  }

  em::EEEmploymentSeq* getEffectiveEmploymentHistory(AccessToken_ptr t, const char* oid,
                                                     const char* effective) override {
    return EffectiveHistory(t, "getEffectiveEmploymentHistory", oid, effective);
  }

  em::EEEmploymentStruct* correctionOfEntry(AccessToken_ptr token, const em::EEEmploymentStruct& r,
                                            CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "correctionOfEntry", WriteArgs(r, removeNew), r, DbtOf(r));
    Check(r);
    const std::string oid = OidOf(r);
    const std::string entry = r.employment.dateOfEntry.in();
    if (dates::IsUnset(entry)) store_detail::Domain("no date of entry given");
    const em::EEEmploymentStruct latest = store_.Get(oid, "");
    const std::string withdrawal = latest.employment.dateOfWithDrawal.in();
    if (!dates::IsUnset(withdrawal) && withdrawal < entry) {
      store_detail::Domain("the employee withdrew (" + withdrawal + ") before " + entry);
    }
    const em::EEEmploymentStruct target = StoredPeriod(store_, r);
    const std::string old_entry = target.employment.dateOfEntry.in();
    for (em::EEEmploymentStruct p : store_.ActiveHistory(oid)) {
      if (PeriodOf(p) == PeriodOf(target) || old_entry != p.employment.dateOfEntry.in()) continue;
      p.employment.dateOfEntry = r.employment.dateOfEntry;
      p.employment.dateOfEntrySI = r.employment.dateOfEntrySI;
      store_.Set(user, p, false);
    }
    const em::EEEmploymentStruct stored = store_.Set(user, Prepared(r, user), removeNew);
    SyncDates(core_, user, oid);
    return Out(stored);
  }

  em::EEEmploymentStruct* withDrawal(AccessToken_ptr token, const em::EEEmploymentStruct& r,
                                     CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "withDrawal", WriteArgs(r, removeNew), r, DbtOf(r));
    return Out(Withdraw(core_, user, r, removeNew));
  }

  em::EEEmploymentStruct* cancellationOfWithDrawal(AccessToken_ptr token,
                                                   const em::EEEmploymentStruct& r,
                                                   CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "cancellationOfWithDrawal", WriteArgs(r, removeNew), r, DbtOf(r));
    const std::string oid = OidOf(r);
    const em::EEEmploymentStruct latest = store_.Get(oid, "");
    if (!Withdrawn(latest)) store_detail::Domain("employee '" + oid + "' is not withdrawn");
    const std::string withdrawal = latest.employment.dateOfWithDrawal.in();
    for (em::EEEmploymentStruct p : store_.ActiveHistory(oid)) {
      if (withdrawal != p.employment.dateOfWithDrawal.in()) continue;
      ClearWithdrawal(p.employment);
      store_.Set(user, p, false);
    }
    SyncDates(core_, user, oid);
    return Out(store_.Get(oid, ""));
  }

  em::EEEmploymentStruct* reEntry(AccessToken_ptr token, const em::EEEmploymentStruct& r,
                                  CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "reEntry", WriteArgs(r, removeNew), r, DbtOf(r));
    em::EEEmploymentStruct in = r;
    ClearWithdrawal(in.employment);
    Check(in);
    const std::string oid = OidOf(in);
    const em::EEEmploymentStruct latest = store_.Get(oid, "");
    if (!Withdrawn(latest)) store_detail::Domain("employee '" + oid + "' is not withdrawn");
    const std::string withdrawal = latest.employment.dateOfWithDrawal.in();
    const std::string entry = in.employment.dateOfEntry.in();
    if (dates::IsUnset(entry) || entry <= withdrawal) {
      store_detail::Domain("the re-entry (" + entry + ") must lie after the withdrawal (" +
                           withdrawal + ")");
    }
    const std::string from = IvfOf(in);
    if (dates::IsUnset(from) || from <= withdrawal) {
      store_detail::Domain("the re-entry period (" + from + ") must start after the withdrawal (" +
                           withdrawal + ")");
    }
    const em::EEEmploymentStruct stored = store_.Add(user, Prepared(in, user), removeNew);
    SyncDates(core_, user, oid);
    return Out(stored);
  }

  em::EEEmploymentStruct* cancellationOfReEntry(AccessToken_ptr token,
                                                const em::EEEmploymentStruct& r,
                                                CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "cancellationOfReEntry", WriteArgs(r, removeNew), r, DbtOf(r));
    const std::string oid = OidOf(r);
    std::vector<em::EEEmploymentStruct> periods = store_.ActiveHistory(oid);
    const std::string reentry = periods.back().employment.dateOfEntry.in();
    size_t before = periods.size();
    for (size_t i = periods.size() - 1; i-- > 0;) {
      const std::string withdrawal = periods[i].employment.dateOfWithDrawal.in();
      if (!dates::IsUnset(withdrawal) && withdrawal < reentry) {
        before = i;
        break;
      }
    }
    if (before == periods.size()) store_detail::Domain("employee '" + oid + "' has no re-entry");
    for (size_t i = before + 1; i < periods.size(); ++i) {
      TakeEntryAndWithdrawal(periods[i].employment, periods[before].employment);
      store_.Set(user, periods[i], false);
    }
    SyncDates(core_, user, oid);
    return Out(store_.Get(oid, ""));
  }

  void getActiveEmploymentWithDrawalCB(AccessToken_ptr token,
                                       const em::EEEmploymentFilterSeq& filter,
                                       const SortierungStruct& sort,
                                       em::EEEmploymentStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveEmploymentWithDrawalCB", ListArgs(filter, sort), filter);
    StreamSelection(filter, sort, true, callback, call);
  }

  em::EEEmploymentStruct* getMigrationEmployee(AccessToken_ptr token,
                                               const em::EEEmploymentStruct& created) override {
    Enter(token, "getMigrationEmployee",
          {RecordArg(created), Arg(created.employment.personnelnumberOld.in())}, created,
          DbtOf(created));
    const std::string old = created.employment.personnelnumberOld.in();
    const size_t slash = old.find('/');
    if (slash == std::string::npos || slash == 0 || slash + 1 == old.size()) {
      store_detail::Domain("personnel number old '" + old +
                           "' is not '<company key>/<personnel number>'");
    }
    const MigrationSourceEmployee* source =
        FindMigrationEmployee(old.substr(0, slash), old.substr(slash + 1));
    if (source == nullptr) {
      store_detail::Persistency("no employee '" + old + "' in the migration source");
    }
    em::EEEmploymentStruct r = created;
    r.employment.dateOfEntry = source->date_of_entry;
    r.employment.dateOfEntrySI = source->date_of_entry;
    r.employment.contractStart = source->date_of_entry;
    r.employment.oidCostCenter = source->oid_cost_center;
    return Out(r);
  }

  em::EEEmploymentStruct* getObjectFromObjectId(AccessToken_ptr t, const char* oid,
                                                const char* effective, const char* valid) override {
    return At(t, oid, effective, valid);
  }

  em::EEEmploymentSeq* getLinkedActiveEffectiveEmploymentHistory(AccessToken_ptr t,
                                                                 const char* oid) override {
    return LinkedActiveHistory(t, "getLinkedActiveEffectiveEmploymentHistory", oid);
  }

  em::EEEmploymentSeq* getLinkedAllEmploymentHistory(AccessToken_ptr t, const char* oid) override {
    return LinkedAllHistory(t, "getLinkedAllEmploymentHistory", oid);
  }

 private:
  em::EEEmploymentStruct* Out(const em::EEEmploymentStruct& r) {
    return new em::EEEmploymentStruct(Answer(core_, r));
  }

  // add/set: the write, then the new personnel number, then the short view.
  template <class WriteOp>
  em::EEEmploymentStruct Write(const std::wstring& user, const em::EEEmploymentStruct& r,
                               CORBA::Long personnelnumberNew, WriteOp write) {
    Check(r);
    const std::string oid = OidOf(r);
    const ee::EmployeeShortStruct sv = KnownEmployee(core_, oid);
    const bool renumber = personnelnumberNew != 0 && personnelnumberNew != sv.personnelNumber;
    if (renumber && PersonnelNumberUsed(core_, sv.oidPCompany.in(), personnelnumberNew, oid)) {
      store_detail::Domain("personnel number " + std::to_string(personnelnumberNew) +
                           " is already used in company " + sv.oidPCompany.in());
    }
    const em::EEEmploymentStruct stored = write(Prepared(r, user));
    if (renumber) {
      UpdateEmployee(core_, oid, user, [personnelnumberNew](ee::EmployeeShortStruct& s) {
        s.personnelNumber = personnelnumberNew;
      });
    }
    SyncDates(core_, user, oid);
    return stored;
  }

  void StreamSelection(const em::EEEmploymentFilterSeq& filter, const SortierungStruct& sort,
                       bool withdrawn_only, em::EEEmploymentStructCallback_ptr callback,
                       const StreamCall& call) {
    if (CORBA::is_nil(callback)) store_detail::ApplicationLayer("no callback given");
    Stream<em::EEEmploymentStructCallback>(
        callback, ToSeq<em::EEEmploymentSeq>(SelectSome(filter, sort, withdrawn_only)), call);
  }

  // Every employment a filter selects (only those whose latest period has a
  // withdrawal date when asked), as answered, sorted.
  std::vector<em::EEEmploymentStruct> SelectSome(const em::EEEmploymentFilterSeq& filter,
                                                 const SortierungStruct& sort,
                                                 bool withdrawn_only) {
    return Select(filter, sort, [withdrawn_only](const em::EEEmploymentStruct& r) {
      return !withdrawn_only || Withdrawn(r);
    });
  }
};

RegisterServant<EmploymentServantImpl> registration(EmploymentService::kName);

Store& EmploymentStore(Core& core) {
  return core.Store<em::EEEmploymentStruct>(EmploymentTable::kStore);
}

}  // namespace

em::EEEmploymentStruct CreateEmploymentRecord(Core& core, const std::wstring& user,
                                              const em::EEEmploymentStruct& record) {
  Check(record);
  const std::string oid = OidOf(record);
  if (!oid.empty()) KnownEmployee(core, oid);
  const em::EEEmploymentStruct stored = EmploymentStore(core).Create(user, Prepared(record, user));
  SyncDates(core, user, oid);
  return Answer(core, stored);
}

std::optional<em::EEEmploymentStruct> FindEmploymentRecord(Core& core,
                                                           const std::string& oidEmployee,
                                                           const std::string& date) {
  Store& store = EmploymentStore(core);
  if (!store.Has(oidEmployee)) return std::nullopt;
  return Answer(core, store.Get(oidEmployee, date));
}

void WithdrawEmployee(Core& core, const std::wstring& user, const std::string& oidEmployee,
                      const std::string& date) {
  Store& store = EmploymentStore(core);
  if (!store.Has(oidEmployee)) {
    store_detail::Domain("employee '" + oidEmployee + "' has no employment");
  }
  if (dates::IsUnset(date)) store_detail::Domain("no date of withdrawal given");
  em::EEEmploymentStruct r = store.Get(oidEmployee, "");
  r.employment.dateOfWithDrawal = date.c_str();
  r.employment.dateOfWithDrawalSI = date.c_str();
  r.employment.timePeriod.internalValidFrom = DayAfter(date).c_str();
  r.employment.timePeriod.effectiveFrom = DayAfter(date).c_str();
  Withdraw(core, user, r, false);
}

}  // namespace ostrel::server
