#include "employee/employment.h"

#include "field.h"
#include "remote.h"
#include "vexception.h"

namespace ostrel {

using Remote_ = Remote<EmploymentService>;
using Stub = Remote_::Stub;

// --- period part --------------------------------------------------------

Employment::Employment() {
  ApplyDefaults(Value(), kDefaults);
  ClearIsDBT();
  MakeBoCopy();
}
Dbt Employment::GetDbt() {
  if (!IsDBT()) throw base::InternalException(L"Employment::GetDbt: no relevant in union!");
  return Dbt(Value().dbt.dbt());
}

// --- filter -------------------------------------------------------------

EEEmploymentFilter::EEEmploymentFilter() { ClearEEEmploymentFilter(); }

void EEEmploymentFilter::ClearEEEmploymentFilter() {
  ClearPnr();
  SetMemo("");
  SetOidPCompany("");
  SetSurname("");
  SetOidPlant("");
  SetOidEmployeeCircle("");
  SetOidEmployeeGroup("");
  SetOidEmployeeFunction("");
  SetOidCostCenter("");
  SetOidCostUnit("");
  SetOidOrgUnit("");
  SetOidDepartment("");
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetListDisplayOfEmployeeEnum(
      static_cast<com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum>(0));
}

// --- record -------------------------------------------------------------

std::vector<personnel::Error*>* EEEmployment::GetErrors() { return errors_.Get(Value().errors); }

void EEEmployment::Commit() {
  CommitThreeWay<EmploymentService>(
      &Stub::createEmployment,
      [this](Stub* s, AccessToken_ptr t, auto const& v, bool removeNew) {
        return s->addEmployment(t, v, different_personnelnumber_, removeNew);
      },
      [this](Stub* s, AccessToken_ptr t, auto const& v, bool removeNew) {
        return s->setEmployment(t, v, different_personnelnumber_, removeNew);
      },
      OnFailure::kReset, RemoveNew::kOpenValidUntil);
}

template <class Op, class... A>
void EEEmployment::LifeCycle(bool sets_valid_from, Op op, A... args) {
  RemoteWrite<EmploymentService>(
      [&](Stub* s, AccessToken_ptr t) {
        if (sets_valid_from) SetInternalValidFrom(GetValidFrom());
        employment::EEEmploymentStruct_var r = (s->*op)(t, ToIdl(), args...);
        TakeOver(r.in());
      },
      OnFailure::kReset);
}

// The life-cycle steps never remove the new period.
void EEEmployment::CorrectionOfEntry() { LifeCycle(true, &Stub::correctionOfEntry, false); }
void EEEmployment::WithDrawal() { LifeCycle(true, &Stub::withDrawal, false); }
void EEEmployment::CancellationOfWithDrawal() {
  LifeCycle(false, &Stub::cancellationOfWithDrawal, false);
}
void EEEmployment::ReEntry() { LifeCycle(true, &Stub::reEntry, false); }
void EEEmployment::CancellationOfReEntry() {
  LifeCycle(false, &Stub::cancellationOfReEntry, false);
}
void EEEmployment::GetMigrationEmployee() { LifeCycle(false, &Stub::getMigrationEmployee); }

std::vector<EEEmployment*>* EEEmployment::GetActiveEmployments(
    std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEEmployment>(&Stub::getActiveEmployment,
                                     ToIdlSeq<employment::EEEmploymentFilterSeq>(filters),
                                     sort.ToIdl());
}

EEEmployment::Callback* EEEmployment::GetActiveEEEmploymentsCB(
    std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEmploymentCB,
                                   ToIdlSeq<employment::EEEmploymentFilterSeq>(filters),
                                   sort.ToIdl());
}

EEEmployment::Callback* EEEmployment::GetActiveEmploymentWithDrawalCB(
    std::vector<EEEmploymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEmploymentWithDrawalCB,
                                   ToIdlSeq<employment::EEEmploymentFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEEmployment*>* EEEmployment::GetActiveEffectiveEmploymentHistory(
    std::string oidEmployee) {
  return Remote_::List<EEEmployment>(&Stub::getActiveEffectiveEmploymentHistory,
                                     oidEmployee.c_str());
}

std::vector<EEEmployment*>* EEEmployment::GetAllEmploymentHistory(std::string oidEmployee) {
  return Remote_::List<EEEmployment>(&Stub::getAllEmploymentHistory, oidEmployee.c_str());
}

std::vector<EEEmployment*>* EEEmployment::GetEffectiveEmploymentHistory(std::string oidEmployee,
                                                                        base::VDate effective) {
  return Remote_::List<EEEmployment>(&Stub::getEffectiveEmploymentHistory, oidEmployee.c_str(),
                                     effective.c_str());
}

std::vector<EEEmployment*>* EEEmployment::GetLinkedActiveEffectiveEmploymentHistory(
    std::string oidEmployee) {
  return Remote_::List<EEEmployment>(&Stub::getLinkedActiveEffectiveEmploymentHistory,
                                     oidEmployee.c_str());
}

std::vector<EEEmployment*>* EEEmployment::GetLinkedAllEmploymentHistory(std::string oidEmployee) {
  return Remote_::List<EEEmployment>(&Stub::getLinkedAllEmploymentHistory, oidEmployee.c_str());
}

EEEmployment EEEmployment::GetObjectFromObjectId(std::string const& oidEmployee,
                                                 base::VDate const& effective,
                                                 base::VDate const& valid) {
  return Remote_::Fetch<EEEmployment>(&Stub::getObjectFromObjectId, oidEmployee.c_str(),
                                      effective.c_str(), valid.c_str());
}

}  // namespace ostrel
