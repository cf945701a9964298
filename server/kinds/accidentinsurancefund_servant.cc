// Accident insurance of employees in the reference server: one flat record
// per employee with its periods (per_employee.h), every operation of
// EEAccidentInsuranceFundServant. There is no delete.
//
// Writes send the whole record; the employee is named by the short view's
// object id or, where that is empty, by oidEmployee (they must agree, and
// the employee must be one of the server's). A second record for an
// employee is refused by the store.
//
// Findings (errors) the server puts into every answer, computed anew each
// time (what the client sends as errors is not kept). Percentages are read
// to four decimal places.
//   2001 percentage                the record's percentage is not between 0
//                                  and 100;
//   2002 partClassOfRisks          the record has part classes of risk whose
//                                  percentages do not add up to 100;
//   2003 oidAccidentInsuranceFund  a class of risk (of the record or of a
//                                  part) without a fund.
//
// Filter fields (several filters: any of them; none: every record):
// classOfRisk matches the record's class or that of one of its parts;
// serialNumberAlpha, oidAccidentInsuranceFund and
// oidDifferentAccidentInsuranceFund are equal where given; the employee
// criteria of per_employee.h. The extended filter is not held here.
//
// Sort keys: those of per_employee.h and classOfRisk.
#include <cctype>
#include <cstring>
#include <optional>
#include <string>

#include "accidentinsurancefund_kind.h"
#include "per_employee.h"
#include "registry.h"
#include "text.h"

namespace {

namespace aif = ostrel::accidentinsurancefund;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::Widen;
using ostrel::server::per_employee::AddFinding;
using R = aif::EEAccidentInsuranceFundStruct;

constexpr long kHundredPercent = 100 * 10000;

// A wire fixed-point text in ten-thousandths; digits beyond the fourth
// decimal are dropped. Nothing for the empty text.
std::optional<long> TenThousandths(const char* text) {
  if (*text == '\0') return std::nullopt;
  const bool negative = *text == '-';
  if (negative) ++text;
  long value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text) {
    value = value * 10 + (*text - '0');
  }
  int decimals = 0;
  if (*text == '.') {
    for (++text; std::isdigit(static_cast<unsigned char>(*text)) && decimals < 4; ++text) {
      value = value * 10 + (*text - '0');
      ++decimals;
    }
  }
  for (; decimals < 4; ++decimals) value *= 10;
  return negative ? -value : value;
}

void Check(R& r) {
  r.errors.length(0);
  const std::optional<long> percentage = TenThousandths(r.percentage.in());
  if (percentage && (*percentage < 0 || *percentage > kHundredPercent)) {
    AddFinding(r.errors, 2001, L"percentage " + Widen(r.percentage.in()) + L" is not 0 to 100",
               "percentage");
  }
  long parts = 0;
  bool fundMissing = *r.classOfRisk.in() && !*r.oidAccidentInsuranceFund.in();
  for (CORBA::ULong i = 0; i < r.partClassOfRisks.length(); ++i) {
    const auto& p = r.partClassOfRisks[i];
    parts += TenThousandths(p.percentage.in()).value_or(0);
    fundMissing = fundMissing || (*p.classOfRisk.in() && !*p.oidAccidentInsuranceFund.in());
  }
  if (r.partClassOfRisks.length() > 0 && parts != kHundredPercent) {
    AddFinding(r.errors, 2002, L"the part classes of risk do not add up to 100 percent",
               "partClassOfRisks");
  }
  if (fundMissing) {
    AddFinding(r.errors, 2003, L"a class of risk without an accident insurance fund",
               "oidAccidentInsuranceFund");
  }
}

bool Given(const CORBA::String_member& wanted, const CORBA::String_member& value) {
  return *wanted.in() && std::strcmp(wanted.in(), value.in()) != 0;
}

bool HasClassOfRisk(const R& r, const char* classOfRisk) {
  if (std::strcmp(r.classOfRisk.in(), classOfRisk) == 0) return true;
  for (CORBA::ULong i = 0; i < r.partClassOfRisks.length(); ++i) {
    if (std::strcmp(r.partClassOfRisks[i].classOfRisk.in(), classOfRisk) == 0) return true;
  }
  return false;
}

struct AccidentInsuranceFundTable {
  using Record = R;
  using Seq = aif::EEAccidentInsuranceFundSeq;
  using FilterSeq = aif::EEAccidentInsuranceFundFilterSeq;
  using Callback = aif::EEAccidentInsuranceFundStructCallback;
  static constexpr char kPrefix[] = "AIF";

  static ostrel::server::SortKeys<Record> OwnSortKeys() {
    return {{"classOfRisk", ostrel::server::per_employee::ByPeriod<Record, &R::classOfRisk>}};
  }
  static bool Matches(const aif::EEAccidentInsuranceFundFilterStruct& f, const R& r) {
    if (*f.classOfRisk.in() && !HasClassOfRisk(r, f.classOfRisk.in())) return false;
    return !Given(f.serialNumberAlpha, r.serialNumberAlpha) &&
           !Given(f.oidAccidentInsuranceFund, r.oidAccidentInsuranceFund) &&
           !Given(f.oidDifferentAccidentInsuranceFund, r.oidDifferentAccidentInsuranceFund);
  }
  static void Findings(R& r) { Check(r); }
};

class EEAccidentInsuranceFundServantImpl
    : public POA_com::ostrel::personnel::domain::employee::accidentinsurancefund::
          EEAccidentInsuranceFundServant,
      public ostrel::server::PerEmployeeServant<AccidentInsuranceFundTable> {
 public:
  using PerEmployeeServant::PerEmployeeServant;

  R* createEEAccidentInsuranceFund(AccessToken_ptr t, const R& r) override {
    return Create(t, "createEEAccidentInsuranceFund", r);
  }
  R* addEEAccidentInsuranceFund(AccessToken_ptr t, const R& r, CORBA::Boolean removeNew) override {
    return Add(t, "addEEAccidentInsuranceFund", r, removeNew,
               {Arg(r.timePeriod.internalValidFrom.in())});
  }
  R* setEEAccidentInsuranceFund(AccessToken_ptr t, const R& r, CORBA::Boolean removeNew) override {
    return Set(t, "setEEAccidentInsuranceFund", r, removeNew,
               {Arg(r.timePeriod.internalValidFrom.in())});
  }
  aif::EEAccidentInsuranceFundSeq* getActiveEEAccidentInsuranceFund(
      AccessToken_ptr t, const aif::EEAccidentInsuranceFundFilterSeq& f,
      const aif::SortierungStruct& s) override {
    return Active(t, "getActiveEEAccidentInsuranceFund", f, s);
  }
  void getActiveEEAccidentInsuranceFundCB(
      AccessToken_ptr t, const aif::EEAccidentInsuranceFundFilterSeq& f,
      const aif::SortierungStruct& s, aif::EEAccidentInsuranceFundStructCallback_ptr cb) override {
    ActiveCB(t, "getActiveEEAccidentInsuranceFundCB", f, s, cb);
  }
  aif::EEAccidentInsuranceFundSeq* getActiveEffectiveEEAccidentInsuranceFundHistory(
      AccessToken_ptr t, const char* oidEmployee) override {
    return ActiveHistory(t, "getActiveEffectiveEEAccidentInsuranceFundHistory", oidEmployee);
  }
  aif::EEAccidentInsuranceFundSeq* getAllEEAccidentInsuranceFundHistory(
      AccessToken_ptr t, const char* oidEmployee) override {
    return AllHistory(t, "getAllEEAccidentInsuranceFundHistory", oidEmployee);
  }
  aif::EEAccidentInsuranceFundSeq* getEffectiveEEAccidentInsuranceFundHistory(
      AccessToken_ptr t, const char* oidEmployee, const char* effective) override {
    return EffectiveHistory(t, "getEffectiveEEAccidentInsuranceFundHistory", oidEmployee,
                            effective);
  }
  aif::EEAccidentInsuranceFundSeq* getAccidentInsuranceFundsForEmployeeCopy(
      AccessToken_ptr t, const char* oidEmployee, const char* validFrom) override {
    return Copies(t, "getAccidentInsuranceFundsForEmployeeCopy", oidEmployee, validFrom);
  }
  R* getObjectFromObjectId(AccessToken_ptr t, const char* oidEmployee, const char* effective,
                           const char* valid) override {
    return Get(t, oidEmployee, effective, valid);
  }
};

ostrel::server::RegisterServant<EEAccidentInsuranceFundServantImpl> registration(
    ostrel::EEAccidentInsuranceFundService::kName);

}  // namespace
