#include "pay/varpayment.h"

#include <exception>

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<VarPaymentService>;
using Stub = Remote_::Stub;

VarPaymentRoot::VarPaymentRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

VarPaymentFilter::VarPaymentFilter() {
  ClearVarPaymentFilter();
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

void VarPaymentFilter::ClearVarPaymentFilter() {
  SetFromDate(base::VDate(""));
  SetUntilDate(base::VDate(""));
  SetAfterJournalized(true);
  ClearVtn();
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetOidCostCenterVP("");
  SetOidCostUnitVP("");
}

namespace {

// The company travels with the record it is taken from.
auto const kCreate = [](Stub* s, AccessToken_ptr t, varpayment::VarPaymentStruct const& v) {
  return s->createVarPayment(t, v, v.varPaymentRoot.employeeShort.oidPCompany);
};
auto const kSet = [](Stub* s, AccessToken_ptr t, varpayment::VarPaymentStruct const& v,
                     bool removeNew) {
  return s->setVarPayment(t, v, removeNew, v.varPaymentRoot.employeeShort.oidPCompany);
};

}  // namespace

void VarPayment::Commit() { CommitTwoWay<VarPaymentService>(kCreate, kSet, OnFailure::kKeep); }

void VarPayment::Delete() {
  RemoteWrite<VarPaymentService>(
      [this](Stub* s, AccessToken_ptr t) {
        s->deleteVarPayment(t, EmployeeOid(), Value().varPaymentTP.oidVarPayment.in(),
                            static_cast<CORBA::Long>(GetVersion()), OidPCompany());
      },
      OnFailure::kKeep);
}

std::vector<VarPayment*>* VarPayment::GetActiveVarPayments(
    std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
    std::string oidPCompany) {
  return Remote_::List<VarPayment>(&Stub::getActiveVarPayments,
                                   ToIdlSeq<varpayment::VarPaymentFilterSeq>(filters), sort.ToIdl(),
                                   oidPCompany.c_str());
}

std::vector<VarPayment*>* VarPayment::GetActiveVarPaymentsEvaluated(
    std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
    std::string oidPCompany) {
  return Remote_::List<VarPayment>(&Stub::getActiveVarPaymentsEvaluated,
                                   ToIdlSeq<varpayment::VarPaymentFilterSeq>(filters), sort.ToIdl(),
                                   oidPCompany.c_str());
}

VarPayment::Callback* VarPayment::GetActiveVarPaymentsCB(
    std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
    std::string oidPCompany, unsigned int max_hits) {
  // The company comes after the callback reference, which Stream puts last.
  return Remote_::Stream<Callback>(
      max_hits,
      [&oidPCompany](Stub* s, AccessToken_ptr t, auto const& f, auto const& o, auto cb) {
        s->getActiveVarPaymentsCB(t, f, o, cb, oidPCompany.c_str());
      },
      ToIdlSeq<varpayment::VarPaymentFilterSeq>(filters), sort.ToIdl());
}

std::vector<VarPayment*>* VarPayment::GetAllVarPaymentHistory(std::string oid,
                                                              std::string oidPCompany) {
  return Remote_::List<VarPayment>(&Stub::getAllVarPaymentHistory, oid.c_str(),
                                   oidPCompany.c_str());
}

std::vector<VarPayment*>* VarPayment::GetActiveEffectiveVarPaymentHistory(std::string oid,
                                                                          std::string oidPCompany) {
  return Remote_::List<VarPayment>(&Stub::getActiveEffectiveVarPaymentHistory, oid.c_str(),
                                   oidPCompany.c_str());
}

std::vector<VarPayment*>* VarPayment::GetEffectiveVarPaymentHistory(std::string oid,
                                                                    base::VDate destination,
                                                                    std::string oidPCompany) {
  return Remote_::List<VarPayment>(&Stub::getEffectiveVarPaymentHistory, oid.c_str(),
                                   destination.c_str(), oidPCompany.c_str());
}

std::vector<VarPayment*>* VarPayment::GetVarPaymentsForEmployeeCopy(std::string const& oid_employee,
                                                                    std::string const& valid_from) {
  return Remote_::List<VarPayment>(&Stub::getVarPaymentsForEmployeeCopy, oid_employee.c_str(),
                                   valid_from.c_str());
}

VarPayment VarPayment::GetObjectFromObjectId(std::string oid, base::VDate effective,
                                             base::VDate valid) {
  return Remote_::Fetch<VarPayment>(&Stub::getObjectFromObjectId, oid.c_str(), effective.c_str(),
                                    valid.c_str());
}

VarPayment VarPayment::CheckPreValues(VarPayment entry, std::string oidPCompany) {
  varpayment::VarPaymentStruct_var answer;
  try {
    answer =
        Remote_::Access()->checkPreValues(Remote_::Token(), entry.ToIdl(), oidPCompany.c_str());
  } catch (CORBA::Exception& e) {
    // Raised from the handler, so the handlers below do not see it.
    base::Ostrel::Instance()->ConvertException(e);
  } catch (std::exception const& e) {
    return Unanswered(entry, e.what());
  } catch (...) {
    return Unanswered(entry, "the check could not be made");
  }
  return VarPayment(answer.in());
}

VarPayment VarPayment::Unanswered(VarPayment const& entry, std::string const& why) {
  VarPayment result(entry);
  VarPaymentTP tp = result.GetVarPaymentTP();
  tp.SetErrorMessage(why);
  result.SetVarPaymentTP(tp);
  result.MakeBoCopy();
  return result;
}

std::vector<VarPayment*>* VarPayment::CreateVarPayments(std::vector<VarPayment*>* entries,
                                                        std::string oidPCompany) {
  return Remote_::List<VarPayment>(&Stub::createVarPaymentSeq,
                                   ToIdlSeq<varpayment::VarPaymentSeq>(entries),
                                   oidPCompany.c_str());
}

}  // namespace ostrel
