#include "statutory/disability.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEDisabilityService>;
using Stub = Remote_::Stub;

DisabilityRoot::DisabilityRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

DisabilityTP::DisabilityTP() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

void EEDisabilityFilter::ClearEEDisabilityFilter() {
  filter_ = disability::EEDisabilityFilterStruct();
  ClearPnr();
  ClearPersonGroupDisability();
  ClearIssueOfficeOfProof();
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplay>(0));
}

void EEDisability::Commit() {
  CommitTwoWay<EEDisabilityService>(&Stub::createEEDisability, &Stub::setEEDisability);
}

void EEDisability::Delete() {
  StandardDelete<EEDisabilityService>(&Stub::deleteEEDisability, OnFailure::kReset);
}

EEDisability EEDisability::GetStructBeforeCreate(std::string const& oid_employee,
                                                 base::VDate const& valid_from) {
  return Remote_::Fetch<EEDisability>(&Stub::getStructBeforeCreate, oid_employee.c_str(),
                                      valid_from.c_str());
}

std::vector<EEDisability*>* EEDisability::GetActiveEEDisabilitys(
    std::vector<EEDisabilityFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEDisability>(&Stub::getActiveEEDisabilities,
                                     ToIdlSeq<disability::EEDisabilityFilterSeq>(filters),
                                     sort.ToIdl());
}

std::vector<EEDisability*>* EEDisability::GetAllEEDisabilitysHistory(std::string oid) {
  return Remote_::List<EEDisability>(&Stub::getAllEEDisabilityHistory, oid.c_str());
}

std::vector<EEDisability*>* EEDisability::GetActiveEffectiveEEDisabilitysHistory(std::string oid) {
  return Remote_::List<EEDisability>(&Stub::getActiveEffectiveEEDisabilityHistory, oid.c_str());
}

std::vector<EEDisability*>* EEDisability::GetEffectiveEEDisabilitysHistory(std::string oid,
                                                                           base::VDate date) {
  return Remote_::List<EEDisability>(&Stub::getEffectiveEEDisabilityHistory, oid.c_str(),
                                     date.c_str());
}

EEDisability EEDisability::GetObjectFromObjectId(std::string const& oid, base::VDate const& date) {
  return Remote_::Fetch<EEDisability>(&Stub::getObjectFromObjectId, oid.c_str(), date.c_str());
}

std::vector<EEDisability*>* EEDisability::GetDisabilitysForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEDisability>(&Stub::getDisabilitiesForEmployeeCopy, oid_employee.c_str(),
                                     valid_from.c_str());
}

}  // namespace ostrel
