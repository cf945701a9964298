// Dismissal certificate data in the reference server: one record per
// employee with its periods (per_employee.h), every operation of
// DismissalServant.
//
// Writes send only the period; its oidEmployee names the employee.
// deleteDismissal deletes the employee's record; for an employee of the
// server without one it does nothing, for an unknown employee it raises.
//
// Filter fields (several filters: any of them): the employee criteria of
// per_employee.h.
//
// Sort keys: those of per_employee.h and endOfEmployment.
#include <map>
#include <string>
#include <vector>

#include "dismissal.hh"
#include "employees.h"
#include "per_employee.h"
#include "record_servant.h"
#include "registry.h"
#include "sorting.h"
#include "text.h"

namespace ds = com::ostrel::personnel::domain::employee::elena::dismissal;

template <>
struct ostrel::RecordLayout<ds::EEDismissalStruct>
    : ostrel::EmployeeRecordLayout<&ds::EEDismissalStruct::employeeShort,
                                   &ds::EEDismissalStruct::history> {};

namespace {

namespace ax = com::ostrel::serverbase::applicationexception;
using com::ostrel::serverbase::access::AccessToken_ptr;
using ostrel::server::Arg;
using ostrel::server::CountArg;
using ostrel::server::IdArg;
using ostrel::server::Widen;
using Records = ostrel::server::EmployeeRecords<ds::EEDismissalStruct>;

constexpr char kName[] =
    "com.ostrel.personnel.servantimpl.employee.elena.dismissal.DismissalServantImpl";

bool Matches(const ds::EEDismissalFilterStruct& f, const ds::EEDismissalStruct& r) {
  ostrel::server::per_employee::Criteria c;
  c.oidPCompany = f.oidPCompany.in();
  if (f.pnr._d()) c.pnr = f.pnr.pnr();
  c.surname = Widen(f.surname.in());
  c.fixedDateOfWithDrawal = f.fixedDateOfWithDrawal.in();
  c.listDisplay = f.listDisplayOfEmployeeEnum;
  return ostrel::server::per_employee::Matches(c, r.employeeShort);
}

Records::Store::Ordering Ordering(const ds::SortierungStruct& sort) {
  using R = ds::EEDismissalStruct;
  static const std::map<std::string, ostrel::server::SortField<R>> kFields = [] {
    auto fields = ostrel::server::per_employee::SortFields<R>();
    fields["endOfEmployment"] = [](const R& a, const R& b) {
      return ostrel::server::CompareText(a.history.endOfEmployment.in(),
                                         b.history.endOfEmployment.in());
    };
    return fields;
  }();
  return ostrel::server::MakeOrdering<R>(sort, kFields);
}

class DismissalServantImpl
    : public POA_com::ostrel::personnel::domain::employee::elena::dismissal::DismissalServant,
      public ostrel::server::RecordServant {
 public:
  explicit DismissalServantImpl(ostrel::server::Core& core)
      : RecordServant(core), records_(core, "DSM") {}

  ds::EEDismissalStruct* createDismissal(AccessToken_ptr token,
                                         const ds::DismissalStruct& d) override {
    const std::wstring user = Enter(token, "createDismissal", {Arg(d.oidEmployee.in())});
    return records_.New(records_.store().Create(user, records_.PreparedFromPeriod(d)));
  }

  ds::EEDismissalStruct* addDismissal(AccessToken_ptr token, const ds::DismissalStruct& d,
                                      CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(
        token, "addDismissal", {Arg(d.oidEmployee.in()), IdArg(d.objectStruct), Arg(removeNew)});
    return records_.New(records_.store().Add(user, records_.PreparedFromPeriod(d), removeNew));
  }

  ds::EEDismissalStruct* setDismissal(AccessToken_ptr token, const ds::DismissalStruct& d,
                                      CORBA::Boolean removeNew) override {
    const std::wstring user = Enter(
        token, "setDismissal", {Arg(d.oidEmployee.in()), IdArg(d.objectStruct), Arg(removeNew)});
    return records_.New(records_.store().Set(user, records_.PreparedFromPeriod(d), removeNew));
  }

  ds::EEDismissalSeq* getActiveDismissal(AccessToken_ptr token,
                                         const ds::EEDismissalFilterSeq& filter,
                                         const ds::SortierungStruct& sort) override {
    Enter(token, "getActiveDismissal", {CountArg(filter), Arg(sort)});
    return records_.NewSeq<ds::EEDismissalSeq>(records_.store().List(
        ostrel::server::per_employee::MatchesAny<ds::EEDismissalStruct>(filter, Matches),
        Ordering(sort)));
  }

  void getActiveDismissalCB(AccessToken_ptr token, const ds::EEDismissalFilterSeq& filter,
                            const ds::SortierungStruct& sort,
                            ds::EEDismissalStructCallback_ptr callback) override {
    const StreamCall call =
        EnterStream(token, "getActiveDismissalCB", {CountArg(filter), Arg(sort)});
    if (CORBA::is_nil(callback)) throw ax::ApplicationLayerException(L"no callback given");
    Stream<ds::EEDismissalStructCallback>(
        callback,
        records_.ToSeq<ds::EEDismissalSeq>(records_.store().List(
            ostrel::server::per_employee::MatchesAny<ds::EEDismissalStruct>(filter, Matches),
            Ordering(sort))),
        call);
  }

  ds::EEDismissalSeq* getActiveEffectiveDismissalHistory(AccessToken_ptr token,
                                                         const char* oidEmployee) override {
    Enter(token, "getActiveEffectiveDismissalHistory", {Arg(oidEmployee)});
    return records_.NewSeq<ds::EEDismissalSeq>(records_.store().ActiveHistory(oidEmployee));
  }

  ds::EEDismissalSeq* getAllDismissalHistory(AccessToken_ptr token,
                                             const char* oidEmployee) override {
    Enter(token, "getAllDismissalHistory", {Arg(oidEmployee)});
    return records_.NewSeq<ds::EEDismissalSeq>(records_.store().AllHistory(oidEmployee));
  }

  ds::EEDismissalSeq* getEffectiveDismissalHistory(AccessToken_ptr token, const char* oidEmployee,
                                                   const char* effective) override {
    Enter(token, "getEffectiveDismissalHistory", {Arg(oidEmployee), Arg(effective)});
    return records_.NewSeq<ds::EEDismissalSeq>(
        records_.store().EffectiveHistory(oidEmployee, effective));
  }

  void deleteDismissal(AccessToken_ptr token, const char* oidEmployee) override {
    const std::wstring user = Enter(token, "deleteDismissal", {Arg(oidEmployee)});
    ostrel::server::KnownEmployee(core_, oidEmployee);
    if (records_.store().Has(oidEmployee)) records_.store().Delete(user, oidEmployee, 0, nullptr);
  }

 private:
  Records records_;
};

ostrel::server::RegisterServant<DismissalServantImpl> registration(kName);

}  // namespace
