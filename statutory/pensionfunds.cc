#include "statutory/pensionfunds.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Token = AccessToken_ptr;

// --- ZVK period -------------------------------------------------------------

ZVKTP::ZVKTP() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

// --- VBLU period ------------------------------------------------------------

VBLUTP::VBLUTP() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

// --- filters ----------------------------------------------------------------

template <class FilterStruct>
void PensionFundFilter<FilterStruct>::Clear() {
  SetOidPCompany("");
  SetOidRecipient("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
}

template class PensionFundFilter<zvk::EEZVKFilterStruct>;
template class PensionFundFilter<vblu::EEVBLUFilterStruct>;

// --- record objects ---------------------------------------------------------

template <class Record, class Kind>
void PensionFundRecord<Record, Kind>::Commit() {
  this->template CommitThreeWay<typename Kind::Service>(Kind::kCreate, Kind::kAdd, Kind::kSet);
}

template <class Record, class Kind>
void PensionFundRecord<Record, Kind>::Delete() {
  // The whole current value identifies what is deleted.
  this->template RemoteWrite<typename Kind::Service>(
      [this](auto servant, auto token) { (servant->*Kind::kDelete)(token, this->ToIdl()); },
      OnFailure::kReset);
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::Active(
    std::vector<typename Kind::Filter*> const* filters, base::Sortierung const& sort) {
  return Remote_::template List<Record>(Kind::kActive, ToIdlSeq<typename Kind::FilterSeq>(filters),
                                        sort.ToIdl());
}

template <class Record, class Kind>
typename PensionFundRecord<Record, Kind>::Callback* PensionFundRecord<Record, Kind>::ActiveCB(
    std::vector<typename Kind::Filter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::template Stream<Callback>(
      max_hits, Kind::kActiveCB, ToIdlSeq<typename Kind::FilterSeq>(filters), sort.ToIdl());
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::AllHistory(std::string const& oid_employee) {
  return Remote_::template List<Record>(Kind::kAllHistory, oid_employee.c_str());
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::ActiveEffectiveHistory(
    std::string const& oid_employee) {
  return Remote_::template List<Record>(Kind::kActiveEffectiveHistory, oid_employee.c_str());
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::EffectiveHistory(
    std::string const& oid_employee, base::VDate const& date) {
  return Remote_::template List<Record>(Kind::kEffectiveHistory, oid_employee.c_str(),
                                        date.c_str());
}

template <class Record, class Kind>
Record PensionFundRecord<Record, Kind>::ObjectFromObjectId(std::string const& oid_employee,
                                                           base::VDate const& effective,
                                                           base::VDate const& valid) {
  return Remote_::template Fetch<Record>(Kind::kObjectFromObjectId, oid_employee.c_str(),
                                         effective.c_str(), valid.c_str());
}

template <class Record, class Kind>
std::vector<Record*>* PensionFundRecord<Record, Kind>::ForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::template List<Record>(Kind::kForEmployeeCopy, oid_employee.c_str(),
                                        valid_from.c_str());
}

template class PensionFundRecord<EEZVK, ZVKKind>;
template class PensionFundRecord<EEVBLU, VBLUKind>;

}  // namespace ostrel
