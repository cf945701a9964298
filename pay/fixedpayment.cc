#include "pay/fixedpayment.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<FixedPaymentService>;
using Stub = Remote_::Stub;

FixedPaymentRoot::FixedPaymentRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

FixedPaymentTP::FixedPaymentTP() {
  NewInterval();
  SetNoAutomaticIncrease(false);
  MakeBoCopy();
}

EvaFixedPayment::EvaFixedPayment() {
  Value().vTypeKey = 0;
  Value().interval = personnel::Interval(true).ToIdl();
  MakeBoCopy();
}

FixedPaymentFilter::FixedPaymentFilter() {
  SetFromDate(base::VDate(-1, -1, -1));
  SetUntilDate(base::VDate(-1, -1, -1));
  SetAfterJournalized(true);
  ClearVtn();
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplayOfEmployeeEnum>(0));
}

void FixedPayment::Commit() {
  CommitThreeWay<FixedPaymentService>(&Stub::createFixedPayment, &Stub::addFixedPayment,
                                      &Stub::setFixedPayment);
}

void FixedPayment::Delete() {
  StandardDelete<FixedPaymentService>(&Stub::deleteFixedPayment, OnFailure::kReset);
}

std::vector<FixedPayment*>* FixedPayment::GetActiveFixedPayments(
    std::vector<FixedPaymentFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<FixedPayment>(&Stub::getActiveFixedPayments,
                                     ToIdlSeq<fixedpayment::FixedPaymentFilterSeq>(filters),
                                     sort.ToIdl());
}

FixedPayment::Callback* FixedPayment::GetActiveFixedPaymentsCB(
    std::vector<FixedPaymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveFixedPaymentsCB,
                                   ToIdlSeq<fixedpayment::FixedPaymentFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<FixedPayment*>* FixedPayment::GetAllFixedPaymentHistory(std::string oid) {
  return Remote_::List<FixedPayment>(&Stub::getAllFixedPaymentHistory, oid.c_str());
}

std::vector<FixedPayment*>* FixedPayment::GetActiveEffectiveFixedPaymentHistory(std::string oid) {
  return Remote_::List<FixedPayment>(&Stub::getActiveEffectiveFixedPaymentHistory, oid.c_str());
}

std::vector<FixedPayment*>* FixedPayment::GetEffectiveFixedPaymentHistory(std::string oid,
                                                                          base::VDate destination) {
  return Remote_::List<FixedPayment>(&Stub::getEffectiveFixedPaymentHistory, oid.c_str(),
                                     destination.c_str());
}

std::vector<FixedPayment*>* FixedPayment::GetFixedPaymentsForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<FixedPayment>(&Stub::getFixedPaymentsForEmployeeCopy, oid_employee.c_str(),
                                     valid_from.c_str());
}

FixedPayment FixedPayment::GetObjectFromObjectId(std::string oid, std::string effective,
                                                 base::VDate valid) {
  return Remote_::Fetch<FixedPayment>(&Stub::getObjectFromObjectId, oid.c_str(), effective.c_str(),
                                      valid.c_str());
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaFixedPayments(std::string oid_employee) {
  return Remote_::List<EvaFixedPayment>(&Stub::getEvaActiveFixedPayments, oid_employee.c_str());
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaAllFixedPaymentHistory(
    std::string oid_employee) {
  return Remote_::List<EvaFixedPayment>(&Stub::getEvaAllFixedPaymentHistory, oid_employee.c_str());
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaActiveEffectiveFixedPaymentHistory(
    std::string oid_employee) {
  return Remote_::List<EvaFixedPayment>(&Stub::getEvaActiveEffectiveFixedPaymentHistory,
                                        oid_employee.c_str());
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaEffectiveFixedPaymentHistory(
    std::string oid_employee, base::VDate destination) {
  return Remote_::List<EvaFixedPayment>(&Stub::getEvaEffectiveFixedPaymentHistory,
                                        oid_employee.c_str(), destination.c_str());
}

}  // namespace ostrel
