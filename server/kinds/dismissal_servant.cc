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
#include <string>

#include "dismissal_kind.h"
#include "employees.h"
#include "per_employee.h"
#include "registry.h"

namespace {

namespace ds = ostrel::dismissal;
using Op = ostrel::ops::DismissalServant;
using com::ostrel::serverbase::access::AccessToken_ptr;

struct DismissalTable {
  using Record = ds::EEDismissalStruct;
  using Seq = ds::EEDismissalSeq;
  using FilterSeq = ds::EEDismissalFilterSeq;
  using Callback = ds::EEDismissalStructCallback;
  static constexpr char kPrefix[] = "DSM";

  static ostrel::server::SortKeys<Record> OwnSortKeys() {
    return {
        {"endOfEmployment",
         ostrel::server::per_employee::ByPeriod<Record, &ds::DismissalStruct::endOfEmployment>}};
  }
  // Only the employee criteria.
  static bool Matches(const ds::EEDismissalFilterStruct&, const Record&) { return true; }
};

class DismissalServantImpl
    : public POA_com::ostrel::personnel::domain::employee::elena::dismissal::DismissalServant,
      public ostrel::server::PerEmployeeServant<DismissalTable> {
 public:
  using PerEmployeeServant::PerEmployeeServant;

  void deleteDismissal(AccessToken_ptr token, const char* oidEmployee) override {
    const std::wstring user = Enter(token, Op::deleteDismissal{}, oidEmployee);
    ostrel::server::KnownEmployee(core_, oidEmployee);
    if (records().store().Has(oidEmployee)) records().store().Delete(user, oidEmployee, 0, nullptr);
  }

  ds::EEDismissalStruct* createDismissal(AccessToken_ptr t, const ds::DismissalStruct& d) override {
    return CreatePeriod(t, Op::createDismissal::kName, d);
  }
  ds::EEDismissalStruct* addDismissal(AccessToken_ptr t, const ds::DismissalStruct& d,
                                      CORBA::Boolean rn) override {
    return AddPeriod(t, Op::addDismissal::kName, d, rn);
  }
  ds::EEDismissalStruct* setDismissal(AccessToken_ptr t, const ds::DismissalStruct& d,
                                      CORBA::Boolean rn) override {
    return SetPeriod(t, Op::setDismissal::kName, d, rn);
  }
  ds::EEDismissalSeq* getActiveDismissal(AccessToken_ptr t, const ds::EEDismissalFilterSeq& f,
                                         const SortierungStruct& o) override {
    return Active(t, Op::getActiveDismissal::kName, f, o);
  }
  void getActiveDismissalCB(AccessToken_ptr t, const ds::EEDismissalFilterSeq& f,
                            const SortierungStruct& o,
                            ds::EEDismissalStructCallback_ptr cb) override {
    ActiveCB(t, Op::getActiveDismissalCB::kName, f, o, cb);
  }
  ds::EEDismissalSeq* getActiveEffectiveDismissalHistory(AccessToken_ptr t,
                                                         const char* e) override {
    return ActiveHistory(t, Op::getActiveEffectiveDismissalHistory::kName, e);
  }
  ds::EEDismissalSeq* getAllDismissalHistory(AccessToken_ptr t, const char* e) override {
    return AllHistory(t, Op::getAllDismissalHistory::kName, e);
  }
  ds::EEDismissalSeq* getEffectiveDismissalHistory(AccessToken_ptr t, const char* e,
                                                   const char* at) override {
    // The date is checked under the name the IDL gives it.
    Enter(t, Op::getEffectiveDismissalHistory{}, e, at);
    return records().template NewSeq<ds::EEDismissalSeq>(records().store().EffectiveHistory(e, at));
  }
};

ostrel::server::RegisterServant<DismissalServantImpl> registration(ostrel::DismissalService::kName);

}  // namespace
