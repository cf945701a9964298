// Value positions in the reference server: the seed of value_positions.h and
// the seven queries of ValuePositionServant.
//
// Every query takes the employee (or the position) and a period: first date
// from, second date until, either open when not set; a position belongs to
// the period when its effective period overlaps it.
//   - EE / ER positions: bezug "EE" / "ER", seed order.
//   - Summarised: the employee's EE positions of the period, one per value
//     type key in ascending order, factor1 and result summed, effective from
//     the earliest to the latest month; a summary has no object identity and
//     no links.
//   - User positions: those with a document number (entered by users).
//   - Causers of a position: the EE (…ER: the ER) positions of the period
//     that feed it; consequences: the position it feeds, that one's, and so
//     on up the chain.
// The position sent must be a stored one (unknown object id:
// PersistencyException) of the employee it names (else DomainException).
// An unknown employee raises PersistencyException.
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "core.h"
#include "dates.h"
#include "employees.h"
#include "record_servant.h"
#include "registry.h"
#include "text.h"
#include "value_positions.h"
#include "valueposition_kind.h"

namespace ostrel::server {
namespace {

namespace vp = com::ostrel::personnel::domain::employee::valueposition;
namespace ee = com::ostrel::personnel::domain::employee;
using Position = vp::ValuePositionStruct;

// --- amounts --------------------------------------------------------------

// Amounts in hundredths, written with two decimals.
std::string Money(long long cents) {
  char buf[32];
  const char* sign = cents < 0 ? "-" : "";
  const long long a = cents < 0 ? -cents : cents;
  std::snprintf(buf, sizeof buf, "%s%lld.%02lld", sign, a / 100, a % 100);
  return buf;
}

// A decimal text in hundredths; more decimals are cut.
long long Cents(const std::string& text) {
  if (!IsDecimal(text)) return 0;
  const bool negative = text[0] == '-';
  const std::string digits = negative ? text.substr(1) : text;
  const size_t point = digits.find('.');
  const std::string whole = digits.substr(0, point);
  std::string fraction = point == std::string::npos ? "" : digits.substr(point + 1);
  fraction = (fraction + "00").substr(0, 2);
  const long long v = std::stoll(whole.empty() ? "0" : whole) * 100 + std::stoll(fraction);
  return negative ? -v : v;
}

// amount * percent / 100, both in hundredths, rounded half up.
long long Percent(long long cents, long long percent_hundredths) {
  return (cents * percent_hundredths + 5000) / 10000;
}

// --- seed -----------------------------------------------------------------

struct Pay {
  const char* oid_employee;
  long long salary;          // cents a month
  long long overtime_hours;  // hundredths of an hour a month
  long long overtime_rate;   // cents an hour
  long long bonus;           // cents, February only
  bool piece_work;
};

const Pay kPay[] = {
    {"EMP-1", 520000, 1000, 3250, 50000, false}, {"EMP-2", 280000, 0, 0, 0, true},
    {"EMP-3", 310000, 500, 2200, 0, false},      {"EMP-5", 450000, 800, 2900, 75000, false},
    {"EMP-6", 395000, 0, 0, 0, false},           {"EMP-7", 340000, 1200, 2400, 30000, false},
};
const Pay kDefaultPay = {"", 300000, 0, 0, 0, false};

struct Month {
  const char* first;
  const char* last;
  const char* stamp;
};
const Month kMonths[] = {{"2024-01-01", "2024-01-31", "2024-01-29T18:00:00"},
                         {"2024-02-01", "2024-02-29", "2024-02-28T18:00:00"}};

struct Table {
  std::mutex mu;
  std::vector<Position> positions;  // seed order
};

class MonthBuilder {
 public:
  MonthBuilder(std::vector<Position>& out, const ee::EmployeeShortStruct& e, const Month& m)
      : out_(out), employee_(e), month_(m) {}

  // Appends a position and returns its index.
  size_t Add(long key, const wchar_t* description, const char* bezug, const std::string& factor1,
             const std::string& factor2, long long result) {
    Position p{};
    const std::string oid = "VP-" + std::to_string(out_.size() + 1);
    p.objectStruct.objectid = oid.c_str();
    p.objectStruct.version = 1;
    p.objectStruct.timestamp = month_.stamp;
    p.objectStruct.lastuserid = L"payroll";
    p.effectiveFrom = month_.first;
    p.effectiveUntil = month_.last;
    p.validFrom = month_.first;
    p.validUntil = dates::kOpenEnd;
    p.oidEmployee = employee_.objectStruct.objectid;
    p.valueTypeKey = static_cast<CORBA::Long>(key);
    p.oidValueType = ("VT-" + std::to_string(key)).c_str();
    p.shortDescription = description;
    p.oidParentObject = "";
    p.shortDescriptionPO = L"";
    p.oidGenesisObject = "";
    p.shortDescriptionGO = L"";
    p.factor1 = factor1.c_str();
    p.factor2 = factor2.c_str();
    p.result = Money(result).c_str();
    p.bezug = bezug;
    p.percentage = "";
    p.performanceFactor = "";
    const bool first_company = std::string(employee_.oidPCompany.in()) == "C-1";
    p.oidCostCenter = first_company ? "CC-100" : "CC-200";
    p.costCenterKey = first_company ? "100" : "200";
    p.shortDescriptionCC = first_company ? L"Verwaltung" : L"Fertigung Süd";
    p.oidCostUnit = "";
    p.costUnitKey = "";
    p.shortDescriptionCU = L"";
    p.eraCorrectionFactor = "";
    p.documentDate = "";
    p.documentNumber = "";
    p.orderNumber = "";
    p.partNumber = "";
    p.setupTimeAndUnit = "";
    p.yield = "";
    p.targetOfTimeAndUnit = "";
    p.totalTarget = "";
    p.rateOfLaborUtilisation = "";
    p.bookingDate = "";
    p.stageNumber = "";
    out_.push_back(std::move(p));
    return out_.size() - 1;
  }

  Position& operator[](size_t i) { return out_[i]; }

  void Feeds(size_t from, size_t into) {
    out_[from].oidParentObject = out_[into].objectStruct.objectid;
    out_[from].shortDescriptionPO = out_[into].shortDescription;
  }

  void Genesis(size_t i, const std::string& oid, const wchar_t* description) {
    out_[i].oidGenesisObject = oid.c_str();
    out_[i].shortDescriptionGO = description;
  }

 private:
  std::vector<Position>& out_;
  const ee::EmployeeShortStruct& employee_;
  const Month& month_;
};

void SeedMonth(std::vector<Position>& out, const ee::EmployeeShortStruct& e, const Pay& pay,
               const Month& m, bool february) {
  MonthBuilder b(out, e, m);
  const std::string oid = e.objectStruct.objectid.in();
  std::vector<size_t> gross_parts;

  const size_t salary = b.Add(1000, L"Grundgehalt", "EE", Money(pay.salary), "1", pay.salary);
  b.Genesis(salary, "FP-" + oid, L"Festbezug Gehalt");
  gross_parts.push_back(salary);
  long long gross = pay.salary;

  if (pay.overtime_hours > 0) {
    const long long amount = pay.overtime_hours * pay.overtime_rate / 100;
    const size_t i = b.Add(1100, L"Überstunden", "EE", Money(pay.overtime_hours),
                           Money(pay.overtime_rate), amount);
    b[i].percentage = "25.00";
    b.Genesis(i, "VAR-" + oid + "-" + std::string(m.first).substr(0, 7), L"Variable Zahlung");
    gross_parts.push_back(i);
    gross += amount;
  }

  if (pay.piece_work) {
    // 120 target hours at 18.40 with a performance of 112.5 %.
    const long long amount = 12000LL * 1840 * 1125 / 100000;
    const size_t i = b.Add(1200, L"Akkordlohn", "EE", "120.00", "18.40", amount);
    Position& p = b[i];
    p.performanceFactor = "1.125";
    p.eraCorrectionFactor = "1.0000";
    p.oidCostUnit = "CU-7";
    p.costUnitKey = "7";
    p.shortDescriptionCU = L"Kostenträger Nord";
    p.orderNumber = "A-4711";
    p.partNumber = "T-0815";
    p.stageNumber = "30";
    p.setupTimeAndUnit = "1.50";
    p.yield = "480";
    p.targetOfTimeAndUnit = "0.25";
    p.totalTarget = "120.00";
    p.rateOfLaborUtilisation = "112.50";
    b.Genesis(i, "PW-" + oid, L"Akkordschein");
    gross_parts.push_back(i);
    gross += amount;
  }

  if (february && pay.bonus > 0) {
    const size_t i = b.Add(1500, L"Einmalzahlung Prämie", "EE", Money(pay.bonus), "1", pay.bonus);
    Position& p = b[i];
    p.documentDate = "2024-02-12";
    p.documentNumber = ("BEL-" + oid).c_str();
    p.bookingDate = "2024-02-14";
    gross_parts.push_back(i);
    gross += pay.bonus;
  }

  const size_t total = b.Add(3000, L"Gesamtbrutto", "EE", Money(gross), "1", gross);
  for (size_t part : gross_parts) b.Feeds(part, total);

  const long long tax = Percent(gross, 2000);
  const size_t income_tax = b.Add(4000, L"Lohnsteuer", "EE", Money(gross), "1", tax);
  b[income_tax].percentage = "20.00";
  b.Genesis(income_tax, out[total].objectStruct.objectid.in(), L"Gesamtbrutto");

  const size_t payout = b.Add(9000, L"Auszahlungsbetrag", "EE", Money(gross), "1", gross - tax);
  b.Feeds(total, payout);
  b.Feeds(income_tax, payout);

  const long long pension = Percent(gross, 930);
  const size_t er_pension =
      b.Add(5000, L"AG-Anteil Rentenversicherung", "ER", Money(gross), "1", pension);
  b[er_pension].percentage = "9.30";
  b.Genesis(er_pension, out[total].objectStruct.objectid.in(), L"Gesamtbrutto");
  const size_t er_total =
      b.Add(5900, L"Arbeitgeberaufwand", "ER", Money(gross), "1", gross + pension);
  b.Feeds(er_pension, er_total);
}

void Seed(Core& core, Table& t) {
  t.positions.clear();
  for (const ee::EmployeeShortStruct& e : EmployeesOf(core)) {
    if (dates::IsUnset(e.dateOfEntry.in())) continue;
    const Pay* pay = &kDefaultPay;
    for (const Pay& p : kPay) {
      if (std::string(p.oid_employee) == e.objectStruct.objectid.in()) pay = &p;
    }
    for (const Month& m : kMonths) {
      const std::string withdrawal = e.dateOfWithDrawal.in();
      if (!dates::IsUnset(withdrawal) && withdrawal < m.first) continue;
      SeedMonth(t.positions, e, *pay, m, std::string(m.first) == "2024-02-01");
    }
  }
}

Table& TableOf(Core& core) {
  static std::mutex mu;
  static std::map<const Core*, std::unique_ptr<Table>> tables;
  std::lock_guard<std::mutex> lock(mu);
  std::unique_ptr<Table>& slot = tables[&core];
  if (!slot) slot = std::make_unique<Table>();
  return *slot;
}

RegisterSeeder seeder(kValuePositionSeedOrder, [](Core& core) {
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  Seed(core, t);
});

// --- queries --------------------------------------------------------------

struct Period {
  std::string from;
  std::string until;

  Period(const char* f, const char* u) : from(f), until(u) {}
  bool Contains(const Position& p) const {
    if (!dates::IsUnset(from) && std::string(p.effectiveUntil.in()) < from) return false;
    if (!dates::IsUnset(until) && std::string(p.effectiveFrom.in()) > until) return false;
    return true;
  }
};

bool IsKind(const Position& p, const char* bezug) { return std::string(p.bezug.in()) == bezug; }

vp::ValuePositionSeq* Out(const std::vector<Position>& items) {
  return new vp::ValuePositionSeq(ToSeq<vp::ValuePositionSeq>(items));
}

class ValuePositionServantImpl
    : public POA_com::ostrel::personnel::domain::employee::valueposition::ValuePositionServant,
      public RecordServant {
 public:
  explicit ValuePositionServantImpl(Core& core) : RecordServant(core) {}

  vp::ValuePositionSeq* getSummarisedValuePositions(AccessToken_ptr token, const char* oidEmployee,
                                                    const char* dateFrom,
                                                    const char* dateUntil) override {
    Enter(token, "getSummarisedValuePositions", {Arg(oidEmployee), Arg(dateFrom), Arg(dateUntil)},
          DateArg{"dateFrom", dateFrom}, DateArg{"dateUntil", dateUntil});
    const Period period(dateFrom, dateUntil);
    std::map<long, Position> sums;
    for (const Position& p : Positions(oidEmployee)) {
      if (!IsKind(p, "EE") || !period.Contains(p)) continue;
      auto [it, first] = sums.try_emplace(p.valueTypeKey);
      Position& s = it->second;
      if (first) {
        s = Summary(p);
        continue;
      }
      s.factor1 = Money(Cents(s.factor1.in()) + Cents(p.factor1.in())).c_str();
      s.result = Money(Cents(s.result.in()) + Cents(p.result.in())).c_str();
      if (std::string(p.effectiveFrom.in()) < s.effectiveFrom.in())
        s.effectiveFrom = p.effectiveFrom;
      if (std::string(p.effectiveUntil.in()) > s.effectiveUntil.in()) {
        s.effectiveUntil = p.effectiveUntil;
      }
    }
    std::vector<Position> out;
    for (auto& [key, s] : sums) out.push_back(s);
    return Out(out);
  }

  vp::ValuePositionSeq* getCausersOfValuePosition(AccessToken_ptr token,
                                                  const Position& valuePosition,
                                                  const char* dateFrom,
                                                  const char* dateUntil) override {
    Enter(token, "getCausersOfValuePosition",
          {IdArg(valuePosition.objectStruct), Arg(dateFrom), Arg(dateUntil)}, valuePosition,
          DateArg{"dateFrom", dateFrom}, DateArg{"dateUntil", dateUntil});
    return Causers(valuePosition, Period(dateFrom, dateUntil), "EE");
  }

  vp::ValuePositionSeq* getValuePositionsEE(AccessToken_ptr token, const char* oidEmployee,
                                            const char* dateFrom, const char* dateUntil) override {
    Enter(token, "getValuePositionsEE", {Arg(oidEmployee), Arg(dateFrom), Arg(dateUntil)},
          DateArg{"dateFrom", dateFrom}, DateArg{"dateUntil", dateUntil});
    return OfKind(oidEmployee, Period(dateFrom, dateUntil), "EE");
  }

  vp::ValuePositionSeq* getValuePositionsER(AccessToken_ptr token, const char* oidEmployee,
                                            const char* dateFrom, const char* dateUntil) override {
    Enter(token, "getValuePositionsER", {Arg(oidEmployee), Arg(dateFrom), Arg(dateUntil)},
          DateArg{"dateFrom", dateFrom}, DateArg{"dateUntil", dateUntil});
    return OfKind(oidEmployee, Period(dateFrom, dateUntil), "ER");
  }

  vp::ValuePositionSeq* getCausersOfValuePositionER(AccessToken_ptr token,
                                                    const Position& valuePosition,
                                                    const char* dateFrom,
                                                    const char* dateUntil) override {
    Enter(token, "getCausersOfValuePositionER",
          {IdArg(valuePosition.objectStruct), Arg(dateFrom), Arg(dateUntil)}, valuePosition,
          DateArg{"dateFrom", dateFrom}, DateArg{"dateUntil", dateUntil});
    return Causers(valuePosition, Period(dateFrom, dateUntil), "ER");
  }

  vp::ValuePositionSeq* getUserValuePositions(AccessToken_ptr token, const char* oidEmployee,
                                              const char* dateFrom,
                                              const char* dateUntil) override {
    Enter(token, "getUserValuePositions", {Arg(oidEmployee), Arg(dateFrom), Arg(dateUntil)},
          DateArg{"dateFrom", dateFrom}, DateArg{"dateUntil", dateUntil});
    const Period period(dateFrom, dateUntil);
    std::vector<Position> out;
    for (const Position& p : Positions(oidEmployee)) {
      if (*p.documentNumber.in() && period.Contains(p)) out.push_back(p);
    }
    return Out(out);
  }

  vp::ValuePositionSeq* getConsequencesOfValuePosition(AccessToken_ptr token,
                                                       const Position& valuePosition) override {
    Enter(token, "getConsequencesOfValuePosition", {IdArg(valuePosition.objectStruct)},
          valuePosition);
    const Position start = Stored(valuePosition);
    const std::vector<Position> all = Positions(start.oidEmployee.in());
    std::vector<Position> out;
    std::string next = start.oidParentObject.in();
    while (!next.empty()) {
      const Position* parent = nullptr;
      for (const Position& p : all) {
        if (next == p.objectStruct.objectid.in()) parent = &p;
      }
      if (parent == nullptr) break;
      out.push_back(*parent);
      next = parent->oidParentObject.in();
    }
    return Out(out);
  }

 private:
  // The employee's positions; PersistencyException for an unknown employee.
  std::vector<Position> Positions(const std::string& oidEmployee) {
    KnownEmployee(core_, oidEmployee);
    return ValuePositionsOf(core_, oidEmployee);
  }

  // The stored position the client sent.
  Position Stored(const Position& sent) {
    const std::string oid = sent.objectStruct.objectid.in();
    Table& t = TableOf(core_);
    std::lock_guard<std::mutex> lock(t.mu);
    for (const Position& p : t.positions) {
      if (oid != p.objectStruct.objectid.in()) continue;
      if (std::string(sent.oidEmployee.in()) != p.oidEmployee.in()) {
        store_detail::Domain("value position '" + oid + "' does not belong to employee '" +
                             sent.oidEmployee.in() + "'");
      }
      return p;
    }
    store_detail::Persistency("unknown object id '" + oid + "'");
  }

  vp::ValuePositionSeq* Causers(const Position& sent, const Period& period, const char* bezug) {
    const Position target = Stored(sent);
    const std::string oid = target.objectStruct.objectid.in();
    std::vector<Position> out;
    for (const Position& p : Positions(target.oidEmployee.in())) {
      if (IsKind(p, bezug) && oid == p.oidParentObject.in() && period.Contains(p)) {
        out.push_back(p);
      }
    }
    return Out(out);
  }

  vp::ValuePositionSeq* OfKind(const std::string& oidEmployee, const Period& period,
                               const char* bezug) {
    std::vector<Position> out;
    for (const Position& p : Positions(oidEmployee)) {
      if (IsKind(p, bezug) && period.Contains(p)) out.push_back(p);
    }
    return Out(out);
  }

  // A summary line starts as the first position of its key, without identity
  // and links.
  static Position Summary(const Position& p) {
    Position s = p;
    store_detail::ClearIdentity(s.objectStruct);
    s.oidParentObject = "";
    s.shortDescriptionPO = L"";
    s.oidGenesisObject = "";
    s.shortDescriptionGO = L"";
    s.documentDate = "";
    s.documentNumber = "";
    s.bookingDate = "";
    return s;
  }
};

RegisterServant<ValuePositionServantImpl> registration(ValuePositionService::kName);

}  // namespace

std::vector<vp::ValuePositionStruct> ValuePositionsOf(Core& core, const std::string& oidEmployee) {
  std::vector<vp::ValuePositionStruct> out;
  Table& t = TableOf(core);
  std::lock_guard<std::mutex> lock(t.mu);
  for (const Position& p : t.positions) {
    if (oidEmployee == p.oidEmployee.in()) out.push_back(p);
  }
  return out;
}

}  // namespace ostrel::server
