#include "pay/scalepayment.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<ScalePaymentService>;
using Stub = Remote_::Stub;

ScalePaymentRoot::ScalePaymentRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

ScalePaymentTP::ScalePaymentTP() {
  ApplyDefaults(Value(), kDefaults);
  NewInterval();
  MakeBoCopy();
}

ScalePaymentDevelopment::ScalePaymentDevelopment() {
  Value().personnelnumber = 0;
  Value().payScaleLevelKey = 0;
  Value().valueTypeNumber = 0;
  Value().interval = personnel::Interval(true).ToIdl();
  MakeBoCopy();
}

ScalePaymentFilter::ScalePaymentFilter() {
  SetFromDate(base::VDate(-1, -1, -1));
  SetUntilDate(base::VDate(-1, -1, -1));
  SetAfterJournalized(true);
  SetOidPayScale("");
  SetOidPayScaleGroup("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  ClearPayScaleLevel();
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplayOfEmployeeEnum>(0));
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

void ScalePayment::Commit() {
  CommitThreeWay<ScalePaymentService>(&Stub::createScalePayment, &Stub::addScalePayment,
                                      &Stub::setScalePayment);
}

void ScalePayment::Delete() {
  StandardDelete<ScalePaymentService>(&Stub::deleteScalePayment, OnFailure::kReset);
}

ScalePayment::Callback* ScalePayment::GetActiveScalePaymentsCB(
    std::vector<ScalePaymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveScalePaymentsCB,
                                   ToIdlSeq<scalepayment::ScalePaymentFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<ScalePayment*>* ScalePayment::GetAllScalePaymentHistory(std::string oid) {
  return Remote_::List<ScalePayment>(&Stub::getAllScalePaymentHistory, oid.c_str());
}

std::vector<ScalePayment*>* ScalePayment::GetActiveEffectiveScalePaymentHistory(std::string oid) {
  return Remote_::List<ScalePayment>(&Stub::getActiveEffectiveScalePaymentHistory, oid.c_str());
}

std::vector<ScalePayment*>* ScalePayment::GetEffectiveScalePaymentHistory(std::string oid,
                                                                          base::VDate destination) {
  return Remote_::List<ScalePayment>(&Stub::getEffectiveScalePaymentHistory, oid.c_str(),
                                     destination.c_str());
}

std::vector<ScalePayment*>* ScalePayment::GetScalePaymentsForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<ScalePayment>(&Stub::getScalePaymentsForEmployeeCopy, oid_employee.c_str(),
                                     valid_from.c_str());
}

ScalePayment ScalePayment::GetObjectFromObjectId(std::string oid, std::string effective,
                                                 base::VDate valid) {
  return Remote_::Fetch<ScalePayment>(&Stub::getObjectFromObjectId, oid.c_str(), effective.c_str(),
                                      valid.c_str());
}

std::vector<ScalePaymentDevelopment*>* ScalePayment::GetScalePaymentDevelopment(
    std::vector<std::string> const* oids, base::VDate effective, bool noHistory) {
  scalepayment::StringSeq ids;
  if (oids != nullptr) {
    ids.length(static_cast<CORBA::ULong>(oids->size()));
    for (CORBA::ULong i = 0; i < ids.length(); ++i) ids[i] = (*oids)[i].c_str();
  }
  return Remote_::List<ScalePaymentDevelopment>(&Stub::getScalePaymentDevelopments, ids,
                                                effective.c_str(), CORBA::Boolean(noHistory));
}

}  // namespace ostrel
