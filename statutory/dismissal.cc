#include "statutory/dismissal.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<DismissalService>;
using Stub = Remote_::Stub;

// --- the period -------------------------------------------------------------

DismissalTP::DismissalTP() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

// --- filter ---------------------------------------------------------------

EEDismissalFilter::EEDismissalFilter() { ClearEEDismissalFilter(); }

void EEDismissalFilter::ClearEEDismissalFilter() {
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
}

// --- record object ----------------------------------------------------------

void EEDismissal::Commit() {
  // Only the period travels; the answer is the whole record.
  CommitThreeWay<DismissalService>(
      SendingPart<&dismissal::EEDismissalStruct::history>(&Stub::createDismissal),
      SendingPart<&dismissal::EEDismissalStruct::history>(&Stub::addDismissal),
      SendingPart<&dismissal::EEDismissalStruct::history>(&Stub::setDismissal));
}

void EEDismissal::Delete() {
  // The employee alone names what is deleted.
  RemoteWrite<DismissalService>(
      [this](auto servant, auto token) { servant->deleteDismissal(token, EmployeeOid()); },
      OnFailure::kReset);
}

std::vector<EEDismissal*>* EEDismissal::GetActiveDismissals(
    std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEDismissal>(
      &Stub::getActiveDismissal, ToIdlSeq<dismissal::EEDismissalFilterSeq>(filters), sort.ToIdl());
}

EEDismissal::Callback* EEDismissal::GetActiveDismissalsCB(
    std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveDismissalCB,
                                   ToIdlSeq<dismissal::EEDismissalFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEDismissal*>* EEDismissal::GetAllDismissalHistory(std::string oid_employee) {
  return Remote_::List<EEDismissal>(&Stub::getAllDismissalHistory, oid_employee.c_str());
}

std::vector<EEDismissal*>* EEDismissal::GetActiveEffectiveDismissalHistory(
    std::string oid_employee) {
  return Remote_::List<EEDismissal>(&Stub::getActiveEffectiveDismissalHistory,
                                    oid_employee.c_str());
}

std::vector<EEDismissal*>* EEDismissal::GetEffectiveDismissalHistory(std::string oid_employee,
                                                                     base::VDate date) {
  return Remote_::List<EEDismissal>(&Stub::getEffectiveDismissalHistory, oid_employee.c_str(),
                                    date.c_str());
}

}  // namespace ostrel
