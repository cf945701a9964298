#include "statutory/accidentinsurancefund.h"

#include "nested.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEAccidentInsuranceFundService>;
using Stub = Remote_::Stub;
using FilterSeq = accidentinsurancefund::EEAccidentInsuranceFundFilterSeq;

void EEAccidentInsuranceFundFilter::ClearEEAccidentInsuranceFundFilter() {
  filter_ = accidentinsurancefund::EEAccidentInsuranceFundFilterStruct();
  ClearPnr();
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplay>(0));
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

EEAccidentInsuranceFund::EEAccidentInsuranceFund() {
  ApplyDefaults(Value(), kDefaults);
  SetRoot(EmployeeShort());
  SetPartClassOfRisks(nullptr);
  MakeBoCopy();
}

std::vector<EePartClassOfRisk*>* EEAccidentInsuranceFund::GetPartClassOfRisks() const {
  return NewVector<EePartClassOfRisk>(Value().partClassOfRisks);
}

void EEAccidentInsuranceFund::SetPartClassOfRisks(std::vector<EePartClassOfRisk*> const* v) {
  AssignSeq(Value().partClassOfRisks, v);
}

void EEAccidentInsuranceFund::Commit() {
  CommitRecord<EEAccidentInsuranceFundService>(&Stub::createEEAccidentInsuranceFund,
                                               &Stub::addEEAccidentInsuranceFund,
                                               &Stub::setEEAccidentInsuranceFund);
}

std::vector<EEAccidentInsuranceFund*>* EEAccidentInsuranceFund::GetActiveEEAccidentInsuranceFunds(
    std::vector<EEAccidentInsuranceFundFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEAccidentInsuranceFund>(&Stub::getActiveEEAccidentInsuranceFund,
                                                ToIdlSeq<FilterSeq>(filters), sort.ToIdl());
}

EEAccidentInsuranceFund::Callback* EEAccidentInsuranceFund::GetActiveEEAccidentInsuranceFundsCB(
    std::vector<EEAccidentInsuranceFundFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEEAccidentInsuranceFundCB,
                                   ToIdlSeq<FilterSeq>(filters), sort.ToIdl());
}

std::vector<EEAccidentInsuranceFund*>*
EEAccidentInsuranceFund::GetAllEEAccidentInsuranceFundHistory(std::string oid_employee) {
  return Remote_::List<EEAccidentInsuranceFund>(&Stub::getAllEEAccidentInsuranceFundHistory,
                                                oid_employee.c_str());
}

std::vector<EEAccidentInsuranceFund*>*
EEAccidentInsuranceFund::GetActiveEffectiveEEAccidentInsuranceFundHistory(
    std::string oid_employee) {
  return Remote_::List<EEAccidentInsuranceFund>(
      &Stub::getActiveEffectiveEEAccidentInsuranceFundHistory, oid_employee.c_str());
}

std::vector<EEAccidentInsuranceFund*>*
EEAccidentInsuranceFund::GetEffectiveEEAccidentInsuranceFundHistory(std::string oid_employee,
                                                                    base::VDate date) {
  return Remote_::List<EEAccidentInsuranceFund>(&Stub::getEffectiveEEAccidentInsuranceFundHistory,
                                                oid_employee.c_str(), date.c_str());
}

EEAccidentInsuranceFund EEAccidentInsuranceFund::GetObjectFromObjectId(
    std::string const& oid_employee, base::VDate const& effective, base::VDate const& valid) {
  return Remote_::Fetch<EEAccidentInsuranceFund>(&Stub::getObjectFromObjectId, oid_employee.c_str(),
                                                 effective.c_str(), valid.c_str());
}

std::vector<EEAccidentInsuranceFund*>*
EEAccidentInsuranceFund::GetAccidentInsuranceFundsForEmployeeCopy(std::string const& oid_employee,
                                                                  std::string const& valid_from) {
  return Remote_::List<EEAccidentInsuranceFund>(&Stub::getAccidentInsuranceFundsForEmployeeCopy,
                                                oid_employee.c_str(), valid_from.c_str());
}

}  // namespace ostrel
