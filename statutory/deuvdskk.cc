#include "statutory/deuvdskk.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEDeuvDskkService>;
using Stub = Remote_::Stub;

EEDeuvDskkRoot::EEDeuvDskkRoot() {
  ApplyDefaults(Value(), kDefaults);
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

EEDeuvDskkTP::EEDeuvDskkTP() { MakeBoCopy(); }

void EEDeuvDskkFilter::ClearEEDeuvDskkFilter() {
  base::VDate const empty("");
  SetFromDate(empty);
  SetUntilDate(empty);
  SetAfterJournalized(true);
  SetKennung("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(empty);
  SetWithDeleted(false);
}

void EEDeuvDskk::Commit() {
  CommitTwoWay<EEDeuvDskkService>(&Stub::createEEDeuvDskk, &Stub::setEEDeuvDskk);
}

void EEDeuvDskk::Delete() {
  StandardDelete<EEDeuvDskkService>(&Stub::deleteEEDeuvDskk, OnFailure::kKeep);
}

std::vector<EEDeuvDskk*>* EEDeuvDskk::GetActiveEEDeuvDskks(
    std::vector<EEDeuvDskkFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEDeuvDskk>(&Stub::getActiveEEDeuvDskks,
                                   ToIdlSeq<deuvdskk::EEDeuvDskkFilterSeq>(filters), sort.ToIdl());
}

EEDeuvDskk::Callback* EEDeuvDskk::GetActiveEEDeuvDskkCB(
    std::vector<EEDeuvDskkFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEEDeuvDskksCB,
                                   ToIdlSeq<deuvdskk::EEDeuvDskkFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEDeuvDskk*>* EEDeuvDskk::GetAllEEDeuvDskksHistory(std::string oid) {
  return Remote_::List<EEDeuvDskk>(&Stub::getAllEEDeuvDskkHistory, oid.c_str());
}

std::vector<EEDeuvDskk*>* EEDeuvDskk::GetActiveEffectiveEEDeuvDskksHistory(std::string oid) {
  return Remote_::List<EEDeuvDskk>(&Stub::getActiveEffectiveEEDeuvDskkHistory, oid.c_str());
}

std::vector<EEDeuvDskk*>* EEDeuvDskk::GetEffectiveEEDeuvDskksHistory(std::string oid,
                                                                     base::VDate date) {
  return Remote_::List<EEDeuvDskk>(&Stub::getEffectiveEEDeuvDskkHistory, oid.c_str(),
                                   date.ToIdl().c_str());
}

EEDeuvDskk EEDeuvDskk::GetObjectFromObjectId(std::string const& oid, base::VDate const& date) {
  return Remote_::Fetch<EEDeuvDskk>(&Stub::getObjectFromObjectId, oid.c_str(),
                                    date.ToIdl().c_str());
}

}  // namespace ostrel
