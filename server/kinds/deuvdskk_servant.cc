// Social-insurance notifications in the reference server: EEDeuvDskkServant
// on the generic record store ("DD-<n>"). The server carries the
// notification's indicators and amounts as they are sent.
//
// Writes name an employee of the server's (root.employeeShort); the record
// is stored with the employee's short view as it is then, and answers carry
// it as it is now. set keeps a notification with its employee: naming
// another one is refused.
//
// Filter fields (several filters: any of them; none: every notification not
// deleted):
//   fromDate, untilDate    the period's validity overlaps [from, until];
//   afterJournalized       only notifications whose period ends after the
//                          employee's journalizedUntil;
//   kennung                equal to the root's identifier;
//   oidPCompany, pnr, surname
//                          the employee criteria every kind shares
//                          (per_employee.h);
//   fixedDateOfWithDrawal  when set: only employees not withdrawn before it;
//   withDeleted            deleted notifications too.
// Sort keys: personnelNumber, surname, objectid, kennung, effectiveFrom.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "dates.h"
#include "deuvdskk_kind.h"
#include "employees.h"
#include "per_employee.h"
#include "record_servant.h"
#include "record_store.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace {

namespace dd = ostrel::deuvdskk;
namespace pbt = com::ostrel::personnel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;
namespace dates = ostrel::server::dates;
namespace per_employee = ostrel::server::per_employee;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::DateArg;
using ostrel::server::RecordArg;
using ostrel::server::Widen;
using R = dd::EEDeuvDskkStruct;
using Store = ostrel::server::RecordStore<R>;
using com::ostrel::serverbase::access::AccessToken_ptr;

std::string EmployeeOf(const R& r) { return r.root.employeeShort.objectStruct.objectid.in(); }

bool Matches(const dd::EEDeuvDskkFilterStruct& f, const R& r) {
  if (r.root.isDeleted && !f.withDeleted) return false;
  const auto& tp = r.history.timePeriod;
  const std::string from = f.fromDate.in();
  const std::string until = f.untilDate.in();
  if (!dates::IsUnset(from) && tp.validUntil.in() < from) return false;
  if (!dates::IsUnset(until) && tp.internalValidFrom.in() > until) return false;
  if (f.afterJournalized) {
    const std::string journalized = r.root.employeeShort.journalizedUntil.in();
    if (!dates::IsUnset(journalized) && tp.validUntil.in() <= journalized) return false;
  }
  if (*f.kennung.in() && std::string(f.kennung.in()) != r.root.kennung.in()) return false;
  // No list display in this filter: CriteriaOf does not apply.
  per_employee::Criteria c;
  c.oidPCompany = f.oidPCompany.in();
  if (f.pnr._d()) c.pnr = f.pnr.pnr();
  c.surname = Widen(f.surname.in());
  c.fixedDateOfWithDrawal = f.fixedDateOfWithDrawal.in();
  c.listDisplay = dates::IsUnset(c.fixedDateOfWithDrawal) ? pbt::LIST_ALL_EMPLOYEES
                                                          : pbt::LIST_ACTIVE_EMPLOYEES;
  return per_employee::Matches(c, r.root.employeeShort);
}

Store::Ordering Ordering(const dd::SortierungStruct& sort) {
  using ostrel::server::CompareText;
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = [] {
    auto f =
        ostrel::server::EmployeeSortFields<R>([](const R& r) -> const auto& { return r.root; });
    f.emplace("kennung", [](const R& a, const R& b) {
      return CompareText(a.root.kennung.in(), b.root.kennung.in());
    });
    f.emplace("effectiveFrom", [](const R& a, const R& b) {
      return CompareText(a.history.timePeriod.effectiveFrom.in(),
                         b.history.timePeriod.effectiveFrom.in());
    });
    return f;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

class EEDeuvDskkServantImpl
    : public POA_com::ostrel::personnel::domain::employee::deuvdskk::EEDeuvDskkServant,
      public ostrel::server::RecordServant {
 public:
  explicit EEDeuvDskkServantImpl(ostrel::server::Core& core)
      : RecordServant(core), store_(core.Store<R>("DD")) {}

  R* createEEDeuvDskk(AccessToken_ptr token, const R& r) override {
    const std::wstring user = Enter(token, "createEEDeuvDskk", {RecordArg(r)}, r);
    return Out(store_.Create(user, WithEmployee(r)));
  }

  R* setEEDeuvDskk(AccessToken_ptr token, const R& r, CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(token, "setEEDeuvDskk", {RecordArg(r), Arg(removeNew)}, r);
    const R given = WithEmployee(r);
    const std::string stored = EmployeeOf(store_.Get(r.root.objectStruct.objectid.in(), ""));
    if (stored != EmployeeOf(given)) {
      throw ax::DomainException(
          Widen("notification '" + std::string(r.root.objectStruct.objectid.in()) +
                "' belongs to employee '" + stored + "', not '" + EmployeeOf(given) + "'")
              .c_str());
    }
    return Out(store_.Set(user, given, removeNew));
  }

  void deleteEEDeuvDskk(AccessToken_ptr token, const char* oidEmployee, const char* oid,
                        CORBA::Long version) override {
    const std::wstring user =
        Enter(token, "deleteEEDeuvDskk", {Arg(oidEmployee), Arg(oid), Arg(version)});
    const std::string employee = oidEmployee;
    store_.Delete(user, oid, version, &employee);
  }

  R* getObjectFromObjectId(AccessToken_ptr token, const char* oid, const char* effective) override {
    Enter(token, "getObjectFromObjectId", {Arg(oid), Arg(effective)},
          DateArg{"effectiveTimePoint", effective});
    return Out(store_.Get(oid, effective));
  }

  dd::EEDeuvDskkSeq* getActiveEEDeuvDskks(AccessToken_ptr token,
                                          const dd::EEDeuvDskkFilterSeq& filter,
                                          const dd::SortierungStruct& sort) override {
    Enter(token, "getActiveEEDeuvDskks", {CountArg(filter), Arg(sort)}, filter);
    return new dd::EEDeuvDskkSeq(Select(filter, Ordering(sort)));
  }

  void getActiveEEDeuvDskksCB(AccessToken_ptr token, const dd::EEDeuvDskkFilterSeq& filter,
                              const dd::SortierungStruct& sort,
                              dd::EEDeuvDskkStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveEEDeuvDskksCB", {CountArg(filter), Arg(sort)}, filter);
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
    Stream<dd::EEDeuvDskkStructCallback>(callback, Select(filter, Ordering(sort)), call);
  }

  dd::EEDeuvDskkSeq* getActiveEffectiveEEDeuvDskkHistory(AccessToken_ptr token,
                                                         const char* oid) override {
    Enter(token, "getActiveEffectiveEEDeuvDskkHistory", {Arg(oid)});
    return OutSeq(store_.ActiveHistory(oid));
  }

  dd::EEDeuvDskkSeq* getAllEEDeuvDskkHistory(AccessToken_ptr token, const char* oid) override {
    Enter(token, "getAllEEDeuvDskkHistory", {Arg(oid)});
    return OutSeq(store_.AllHistory(oid));
  }

  dd::EEDeuvDskkSeq* getEffectiveEEDeuvDskkHistory(AccessToken_ptr token, const char* oid,
                                                   const char* date) override {
    Enter(token, "getEffectiveEEDeuvDskkHistory", {Arg(oid), Arg(date)},
          DateArg{"destinationTimePoint", date});
    return OutSeq(store_.EffectiveHistory(oid, date));
  }

 private:
  // The record with the employee's short view as the server has it; an
  // employee it does not know is refused.
  R WithEmployee(const R& in) {
    R r = in;
    r.root.employeeShort = ostrel::server::KnownEmployee(core_, EmployeeOf(in));
    return r;
  }

  R Decorated(R r) {
    if (auto e = ostrel::server::FindEmployee(core_, EmployeeOf(r))) r.root.employeeShort = *e;
    return r;
  }

  R* Out(const R& r) { return new R(Decorated(r)); }

  dd::EEDeuvDskkSeq* OutSeq(const std::vector<R>& items) {
    auto* seq = new dd::EEDeuvDskkSeq;
    seq->length(static_cast<CORBA::ULong>(items.size()));
    for (CORBA::ULong i = 0; i < seq->length(); ++i) (*seq)[i] = Decorated(items[i]);
    return seq;
  }

  // Filters see the employee as it is now, so they run outside the store's
  // lock.
  dd::EEDeuvDskkSeq Select(const dd::EEDeuvDskkFilterSeq& filters, const Store::Ordering& order) {
    std::vector<R> items;
    for (const R& stored : store_.List({}, {}, true)) {
      const R r = Decorated(stored);
      bool keep = filters.length() == 0 && !r.root.isDeleted;
      for (CORBA::ULong i = 0; i < filters.length() && !keep; ++i) keep = Matches(filters[i], r);
      if (keep) items.push_back(r);
    }
    if (order) std::stable_sort(items.begin(), items.end(), order);
    return ostrel::server::ToSeq<dd::EEDeuvDskkSeq>(items);
  }

  Store& store_;
};

ostrel::server::RegisterServant<EEDeuvDskkServantImpl> registration(
    ostrel::EEDeuvDskkService::kName);

}  // namespace
