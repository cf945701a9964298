// Disabilities in the reference server: records of an employee with a root
// part and periods on the generic record store (keyed by their own object
// id), every operation of EEDisabilityServant.
//
// getStructBeforeCreate(oidEmployee, validFrom) prepares, without storing,
// the record a new disability of the employee starts from: no identities;
// the employee's short view; a period effective and internally valid from
// validFrom and open to 2099-12-31; sex, date of entry and date of
// withdrawal as the employee's short view has them; date of birth and
// domicile from the employee's master data in force at validFrom (empty
// without master data); every other field as a new period has it. An
// unknown employee is refused (PersistencyException), so is a missing
// validFrom (DomainException).
//
// Writes are refused (DomainException) when the record names no employee
// or one the server does not know (PersistencyException), when the proof is
// valid until a date before it is valid from, or when the education ends
// before it starts. Answers carry the employee's short view as it is now.
//
// Copies for a new employee have no identities and name no employee.
//
// Filter fields (several filters: any of them; none: every record not
// deleted): referenceNoProof and idCardNumber equal where given, the person
// group and issuing office where set, and the employee criteria of
// per_employee.h (company, personnel number, surname as a prefix, list
// display).
//
// Sort keys: personnelNumber, surname, objectid, referenceNoProof,
// effectiveFrom.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dates.h"
#include "disability_kind.h"
#include "employee_records.h"
#include "employees.h"
#include "per_employee.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace ds = com::ostrel::personnel::domain::employee::disability;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using R = ds::EEDisabilityStruct;
using Store = ostrel::server::RecordStore<R>;

[[noreturn]] void Domain(const std::string& message) {
  throw ax::DomainException(Widen(message).c_str());
}

// Two dates of a period in order: an unset one is no conflict.
void CheckOrder(const char* operation, const char* what, const char* from, const char* until) {
  if (dates::IsUnset(from) || dates::IsUnset(until) || std::string(from) <= until) return;
  Domain(std::string(operation) + ": the " + what + " ends (" + until + ") before it starts (" +
         from + ")");
}

bool Matches(const ds::EEDisabilityFilterStruct& f, const R& r) {
  const ds::DisabilityTPStruct& h = r.history;
  if (*f.referenceNoProof.in() &&
      std::string(f.referenceNoProof.in()) != r.root.referenceNoProof.in()) {
    return false;
  }
  if (*f.idCardNumber.in() && std::string(f.idCardNumber.in()) != h.idCardNumber.in()) return false;
  if (f.personGroupDisability._d() &&
      f.personGroupDisability.personGroup() != h.personGroupDisability) {
    return false;
  }
  if (f.issueOfficeOfProof._d() && f.issueOfficeOfProof.office() != h.issueOfficeOfProof) {
    return false;
  }
  return ostrel::server::per_employee::Matches(ostrel::server::per_employee::CriteriaOf(f),
                                               r.root.employeeShort);
}

Store::Ordering Ordering(const ds::SortierungStruct& sort) {
  using ostrel::server::CompareText;
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = [] {
    auto f =
        ostrel::server::EmployeeSortFields<R>([](const R& r) -> const auto& { return r.root; });
    f.emplace("referenceNoProof", [](const R& a, const R& b) {
      return CompareText(a.root.referenceNoProof.in(), b.root.referenceNoProof.in());
    });
    f.emplace("effectiveFrom", [](const R& a, const R& b) {
      return CompareText(a.history.timePeriod.effectiveFrom.in(),
                         b.history.timePeriod.effectiveFrom.in());
    });
    return f;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

class EEDisabilityServantImpl
    : public POA_com::ostrel::personnel::domain::employee::disability::EEDisabilityServant,
      public ostrel::server::RecordServant {
 public:
  explicit EEDisabilityServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<R>("DIS")) {}

  R* getStructBeforeCreate(AccessToken_ptr token, const char* oidEmployee,
                           const char* validFrom) override {
    Enter(token, "getStructBeforeCreate", {Arg(oidEmployee), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    if (dates::IsUnset(validFrom)) Domain("getStructBeforeCreate: no valid-from date");
    R r{};
    r.root.employeeShort = ostrel::server::KnownEmployee(core_, oidEmployee);
    ds::DisabilityTPStruct& h = r.history;
    h.timePeriod.effectiveFrom = validFrom;
    h.timePeriod.internalValidFrom = validFrom;
    h.timePeriod.validUntil = dates::kOpenEnd;
    h.sex = r.root.employeeShort.sexEnum;
    h.dateOfEntry = r.root.employeeShort.dateOfEntry;
    h.dateOfWithDrawel = r.root.employeeShort.dateOfWithDrawal;
    if (auto master = ostrel::server::FindMasterRecord(core_, oidEmployee, validFrom)) {
      h.dateOfBirth = master->history.dateOfBirth;
      h.domicile = master->history.domicile;
    }
    return new R(r);
  }

  R* createEEDisability(AccessToken_ptr token, const R& r) override {
    const std::wstring user = Enter(token, "createEEDisability", {RecordArg(r)}, r);
    return Out(store_.Create(user, Checked("createEEDisability", r)));
  }

  R* setEEDisability(AccessToken_ptr token, const R& r, CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setEEDisability", {RecordArg(r), Arg(removeNew)}, r);
    return Out(store_.Set(user, Checked("setEEDisability", r), removeNew));
  }

  void deleteEEDisability(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                          CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteEEDisability", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  R* getObjectFromObjectId(AccessToken_ptr token, const char* oid, const char* effective) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective)},
          DateArg{"effectiveTimePoint", effective});
    return Out(store_.Get(oid, effective));
  }

  ds::EEDisabilitySeq* getActiveEEDisabilities(AccessToken_ptr token,
                                               const ds::EEDisabilityFilterSeq& filter,
                                               const ds::SortierungStruct& sort) override {
    Enter(token, "getActiveEEDisabilities", {CountArg(filter), Arg(sort)}, filter);
    return OutSeq(
        store_.List(ostrel::server::per_employee::MatchesAny<R>(filter, Matches), Ordering(sort)));
  }

  ds::EEDisabilitySeq* getActiveEffectiveEEDisabilityHistory(AccessToken_ptr token,
                                                             const char* oid) override {
    Enter(token, "getActiveEffectiveEEDisabilityHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  ds::EEDisabilitySeq* getAllEEDisabilityHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllEEDisabilityHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  ds::EEDisabilitySeq* getEffectiveEEDisabilityHistory(AccessToken_ptr token, const char* oid,
                                                       const char* date) override {
    Enter(token, "getEffectiveEEDisabilityHistory", {Arg(oid), Arg(date)},
          DateArg{"destinationTimePoint", date});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

  ds::EEDisabilitySeq* getDisabilitiesForEmployeeCopy(AccessToken_ptr token,
                                                      const char* oidEmployee,
                                                      const char* validFrom) override {
    Enter(token, "getDisabilitiesForEmployeeCopy", {Arg(oidEmployee), Arg(validFrom)},
          DateArg{"validFrom", validFrom});
    std::vector<R> copies = store_.CopyForEmployee(oidEmployee, validFrom);
    for (R& c : copies) c.root.employeeShort = {};
    return OutSeq(copies);
  }

 private:
  // The record to be written: a known employee, proof and education in
  // order; the employee's short view as the server has it.
  R Checked(const char* operation, const R& in) const {
    const std::string oid = in.root.employeeShort.objectStruct.objectid.in();
    if (oid.empty()) Domain(std::string(operation) + ": the disability names no employee");
    R r = in;
    r.root.employeeShort = ostrel::server::KnownEmployee(core_, oid);
    CheckOrder(operation, "proof's validity", r.history.proofValidFrom, r.history.proofValidUntil);
    CheckOrder(operation, "education", r.history.startOfEducation, r.history.endOfEducation);
    return r;
  }

  // An answer: the employee's short view as it is now.
  R Answer(R r) const {
    if (auto e =
            ostrel::server::FindEmployee(core_, r.root.employeeShort.objectStruct.objectid.in())) {
      r.root.employeeShort = *e;
    }
    return r;
  }
  R* Out(const R& r) const { return new R(Answer(r)); }
  ds::EEDisabilitySeq* OutSeq(const std::vector<R>& items) const {
    auto* seq = new ds::EEDisabilitySeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Answer(items[i]);
    return seq;
  }

  Store& store_;
};

ostrel::server::RegisterServant<EEDisabilityServantImpl> registration(
    ostrel::EEDisabilityService::kName);

}  // namespace
