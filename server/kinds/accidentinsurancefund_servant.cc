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
#include <map>
#include <optional>
#include <string>

#include "accidentinsurancefund_kind.h"
#include "per_employee.h"
#include "record_servant.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace aif = com::ostrel::personnel::domain::employee::accidentinsurancefund;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using ostrel::server::per_employee::AddFinding;
using R = aif::EEAccidentInsuranceFundStruct;
using Records = ostrel::server::EmployeeRecords<R>;

constexpr long kHundredPercent = 100 * 10000;

// A wire fixed-point text in ten-thousandths; digits beyond the fourth
// decimal are dropped. Nothing for the empty text.
std::optional<long> TenThousandths(const char* text) {
  if (*text == '\0') return std::nullopt;
  const bool negative = *text == '-';
  if (negative) ++text;
  long value = 0;
  for (; std::isdigit(static_cast<unsigned char>(*text)); ++text)
    value = value * 10 + (*text - '0');
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

void Findings(R& r) {
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

bool Matches(const aif::EEAccidentInsuranceFundFilterStruct& f, const R& r) {
  if (*f.classOfRisk.in() && !HasClassOfRisk(r, f.classOfRisk.in())) return false;
  if (Given(f.serialNumberAlpha, r.serialNumberAlpha)) return false;
  if (Given(f.oidAccidentInsuranceFund, r.oidAccidentInsuranceFund)) return false;
  if (Given(f.oidDifferentAccidentInsuranceFund, r.oidDifferentAccidentInsuranceFund)) {
    return false;
  }
  ostrel::server::per_employee::Criteria c;
  c.oidPCompany = f.oidPCompany.in();
  if (f.pnr._d()) c.pnr = f.pnr.pnr();
  c.surname = Widen(f.surname.in());
  c.fixedDateOfWithDrawal = f.fixedDateOfWithDrawal.in();
  c.listDisplay = f.listDisplayOfEmployeeEnum;
  return ostrel::server::per_employee::Matches(c, r.root);
}

Records::Store::Ordering Ordering(const aif::SortierungStruct& sort) {
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = [] {
    auto fields = ostrel::server::per_employee::SortFields<R>();
    fields["classOfRisk"] = [](const R& a, const R& b) {
      return ostrel::server::CompareText(a.classOfRisk.in(), b.classOfRisk.in());
    };
    return fields;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

class EEAccidentInsuranceFundServantImpl
    : public POA_com::ostrel::personnel::domain::employee::accidentinsurancefund::
          EEAccidentInsuranceFundServant,
      public ostrel::server::RecordServant {
 public:
  explicit EEAccidentInsuranceFundServantImpl(ostrel::server::Core& core)
      : RecordServant(core), records_(core, "AIF", Findings) {}

  R* createEEAccidentInsuranceFund(AccessToken_ptr token, const R& r) override {
    const std::wstring user = Enter(token, "createEEAccidentInsuranceFund", {RecordArg(r)}, r);
    return records_.New(records_.store().Create(user, records_.Prepared(r)));
  }

  R* addEEAccidentInsuranceFund(AccessToken_ptr token, const R& r,
                                CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "addEEAccidentInsuranceFund",
              {RecordArg(r), Arg(r.timePeriod.internalValidFrom.in()), Arg(removeNew)}, r);
    return records_.New(records_.store().Add(user, records_.Prepared(r), removeNew));
  }

  R* setEEAccidentInsuranceFund(AccessToken_ptr token, const R& r,
                                CORBA::Boolean removeNew) override {
    const std::wstring user =
        Enter(token, "setEEAccidentInsuranceFund",
              {RecordArg(r), Arg(r.timePeriod.internalValidFrom.in()), Arg(removeNew)}, r);
    return records_.New(records_.store().Set(user, records_.Prepared(r), removeNew));
  }

  aif::EEAccidentInsuranceFundSeq* getActiveEEAccidentInsuranceFund(
      AccessToken_ptr token, const aif::EEAccidentInsuranceFundFilterSeq& filter,
      const aif::SortierungStruct& sort) override {
    Enter(token, "getActiveEEAccidentInsuranceFund", {CountArg(filter), Arg(sort)}, filter);
    return records_.NewSeq<aif::EEAccidentInsuranceFundSeq>(Listed(filter, sort));
  }

  void getActiveEEAccidentInsuranceFundCB(
      AccessToken_ptr token, const aif::EEAccidentInsuranceFundFilterSeq& filter,
      const aif::SortierungStruct& sort,
      aif::EEAccidentInsuranceFundStructCallback_ptr callback) override {
    const StreamCall call = EnterStream(token, "getActiveEEAccidentInsuranceFundCB",
                                        {CountArg(filter), Arg(sort)}, filter);
    if (CORBA::is_nil(callback)) {
      throw com::ostrel::serverbase::applicationexception::ApplicationLayerException(
          L"no callback given");
    }
    Stream<aif::EEAccidentInsuranceFundStructCallback>(
        callback, records_.ToSeq<aif::EEAccidentInsuranceFundSeq>(Listed(filter, sort)), call);
  }

  aif::EEAccidentInsuranceFundSeq* getActiveEffectiveEEAccidentInsuranceFundHistory(
      AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getActiveEffectiveEEAccidentInsuranceFundHistory", {Arg(oidEmployee)});
    return records_.NewSeq<aif::EEAccidentInsuranceFundSeq>(
        records_.store().ActiveHistory(oidEmployee));
  }

  aif::EEAccidentInsuranceFundSeq* getAllEEAccidentInsuranceFundHistory(
      AccessToken_ptr token, const char* oidEmployee) override {
    Enter(token, "getAllEEAccidentInsuranceFundHistory", {Arg(oidEmployee)});
    return records_.NewSeq<aif::EEAccidentInsuranceFundSeq>(
        records_.store().AllHistory(oidEmployee));
  }

  aif::EEAccidentInsuranceFundSeq* getEffectiveEEAccidentInsuranceFundHistory(
      AccessToken_ptr token, const char* oidEmployee, const char* effective) override {
    Enter(token, "getEffectiveEEAccidentInsuranceFundHistory", {Arg(oidEmployee), Arg(effective)},
          DateArg{"EffectiveTimePoint", effective});
    return records_.NewSeq<aif::EEAccidentInsuranceFundSeq>(
        records_.store().EffectiveHistory(oidEmployee, effective));
  }

  aif::EEAccidentInsuranceFundSeq* getAccidentInsuranceFundsForEmployeeCopy(
      AccessToken_ptr token, const char* oidEmployee, const char* validFrom) override {
    Enter(token, "getAccidentInsuranceFundsForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    return records_.NewSeq<aif::EEAccidentInsuranceFundSeq>(
        records_.Copies(oidEmployee, validFrom));
  }

  R* getObjectFromObjectId(AccessToken_ptr token, const char* oidEmployee, const char* effective,
                           const char* valid) override {
    Enter(token, "getObjectFromObjectId", {Arg(oidEmployee), Arg(effective), Arg(valid)},
          DateArg{"effectiveTimePoint", effective}, DateArg{"validTimePoint", valid});
    return records_.New(records_.store().GetAt(oidEmployee, effective, valid));
  }

 private:
  std::vector<R> Listed(const aif::EEAccidentInsuranceFundFilterSeq& filter,
                        const aif::SortierungStruct& sort) {
    return records_.store().List(ostrel::server::per_employee::MatchesAny<R>(filter, Matches),
                                 Ordering(sort));
  }

  Records records_;
};

ostrel::server::RegisterServant<EEAccidentInsuranceFundServantImpl> registration(
    ostrel::EEAccidentInsuranceFundService::kName);

}  // namespace
