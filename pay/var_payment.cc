#include "pay/var_payment.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<VarPaymentService>;
using varpayment::VarPaymentServant_ptr;
using Token = AccessToken_ptr;

// --- root part ----------------------------------------------------------

VarPaymentRoot::VarPaymentRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}
VarPaymentRoot::VarPaymentRoot(varpayment::VarPaymentRootStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
VarPaymentRoot::VarPaymentRoot(VarPaymentRoot const& o) : BO(o) { MakeBoCopy(); }

EmployeeShort VarPaymentRoot::GetRoot() const { return EmployeeShort(Value().employeeShort); }
void VarPaymentRoot::SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
std::string VarPaymentRoot::GetOidValueType() const { return field::Text(Value().oidValueType); }
void VarPaymentRoot::SetOidValueType(std::string const& v) {
  field::SetText(Value().oidValueType, v);
}

// --- period part --------------------------------------------------------

VarPaymentTP::VarPaymentTP() { MakeBoCopy(); }
VarPaymentTP::VarPaymentTP(varpayment::VarPaymentTPStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
VarPaymentTP::VarPaymentTP(VarPaymentTP const& o) : BO(o) { MakeBoCopy(); }

std::string VarPaymentTP::GetOidVarPayment() const { return field::Text(Value().oidVarPayment); }
void VarPaymentTP::SetOidVarPayment(std::string const& v) {
  field::SetText(Value().oidVarPayment, v);
}
base::VFixed VarPaymentTP::GetFactor1() const { return field::Fixed(Value().factor1); }
void VarPaymentTP::SetFactor1(base::VFixed const& v) { field::SetFixed(Value().factor1, v); }
base::VFixed VarPaymentTP::GetFactor2() const { return field::Fixed(Value().factor2); }
void VarPaymentTP::SetFactor2(base::VFixed const& v) { field::SetFixed(Value().factor2, v); }
base::VFixed VarPaymentTP::GetResult() const { return field::Fixed(Value().result); }
void VarPaymentTP::SetResult(base::VFixed const& v) { field::SetFixed(Value().result, v); }
base::VFixed VarPaymentTP::GetPercentage() const { return field::Fixed(Value().percentage); }
void VarPaymentTP::SetPercentage(base::VFixed const& v) { field::SetFixed(Value().percentage, v); }
base::VFixed VarPaymentTP::GetPerformanceFactor() const {
  return field::Fixed(Value().performanceFactor);
}
void VarPaymentTP::SetPerformanceFactor(base::VFixed const& v) {
  field::SetFixed(Value().performanceFactor, v);
}
std::string VarPaymentTP::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void VarPaymentTP::SetOidCostUnit(std::string const& v) { field::SetText(Value().oidCostUnit, v); }
std::string VarPaymentTP::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void VarPaymentTP::SetOidCostCenter(std::string const& v) {
  field::SetText(Value().oidCostCenter, v);
}
std::string VarPaymentTP::GetErrorMessage() const { return field::Text(Value().errorMessage); }
void VarPaymentTP::SetErrorMessage(std::string const& v) {
  field::SetText(Value().errorMessage, v);
}
std::wstring VarPaymentTP::GetAdditionalInformation() const {
  return field::Wide(Value().additionalInformation);
}
void VarPaymentTP::SetAdditionalInformation(std::wstring const& v) {
  field::SetWide(Value().additionalInformation, v);
}

// --- filter -------------------------------------------------------------

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

void VarPaymentFilter::SetFromDate(base::VDate const& v) { field::SetDate(filter_.fromDate, v); }
void VarPaymentFilter::SetUntilDate(base::VDate const& v) { field::SetDate(filter_.untilDate, v); }
void VarPaymentFilter::SetAfterJournalized(bool v) { filter_.afterJournalized = v; }
void VarPaymentFilter::SetVtn(long v) { filter_.vtn.vtn(static_cast<CORBA::Long>(v)); }
void VarPaymentFilter::ClearVtn() { filter_.vtn._default(); }
void VarPaymentFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void VarPaymentFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void VarPaymentFilter::ClearPnr() { filter_.pnr._default(); }
void VarPaymentFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void VarPaymentFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void VarPaymentFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}
void VarPaymentFilter::SetOidCostCenterVP(std::string const& v) {
  field::SetText(filter_.oidCostCenterVP, v);
}
void VarPaymentFilter::SetOidCostUnitVP(std::string const& v) {
  field::SetText(filter_.oidCostUnitVP, v);
}

// --- record operations --------------------------------------------------

namespace {

// The company travels with the record it is taken from.
auto const kCreate = [](VarPaymentServant_ptr s, Token t, varpayment::VarPaymentStruct const& v) {
  return s->createVarPayment(t, v, v.varPaymentRoot.employeeShort.oidPCompany);
};
auto const kSet = [](VarPaymentServant_ptr s, Token t, varpayment::VarPaymentStruct const& v,
                     bool removeNew) {
  return s->setVarPayment(t, v, removeNew, v.varPaymentRoot.employeeShort.oidPCompany);
};

}  // namespace

char const* VarPayment::OidPCompany() const {
  return Value().varPaymentRoot.employeeShort.oidPCompany.in();
}

void VarPayment::Commit() { CommitTwoWay<VarPaymentService>(kCreate, kSet, OnFailure::kKeep); }

void VarPayment::Delete() {
  RemoteWrite<VarPaymentService>(
      [this](VarPaymentServant_ptr s, Token t) {
        s->deleteVarPayment(t, EmployeeOid(), Value().varPaymentTP.oidVarPayment.in(),
                            static_cast<CORBA::Long>(GetVersion()), OidPCompany());
      },
      OnFailure::kKeep);
}

std::vector<VarPayment*>* VarPayment::GetActiveVarPayments(
    std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
    std::string oidPCompany) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, auto const& f, auto const& o, std::string const& c) {
        return s->getActiveVarPayments(t, f, o, c.c_str());
      },
      ToIdlSeq<varpayment::VarPaymentFilterSeq>(filters), sort.ToIdl(), oidPCompany);
}

std::vector<VarPayment*>* VarPayment::GetActiveVarPaymentsEvaluated(
    std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
    std::string oidPCompany) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, auto const& f, auto const& o, std::string const& c) {
        return s->getActiveVarPaymentsEvaluated(t, f, o, c.c_str());
      },
      ToIdlSeq<varpayment::VarPaymentFilterSeq>(filters), sort.ToIdl(), oidPCompany);
}

VarPayment::Callback* VarPayment::GetActiveVarPaymentsCB(
    std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
    std::string oidPCompany, unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](VarPaymentServant_ptr s, Token t, auto const& f, auto const& o, std::string const& c,
         auto cb) { s->getActiveVarPaymentsCB(t, f, o, cb, c.c_str()); },
      ToIdlSeq<varpayment::VarPaymentFilterSeq>(filters), sort.ToIdl(), oidPCompany);
}

std::vector<VarPayment*>* VarPayment::GetAllVarPaymentHistory(std::string oid,
                                                              std::string oidPCompany) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, std::string const& o, std::string const& c) {
        return s->getAllVarPaymentHistory(t, o.c_str(), c.c_str());
      },
      oid, oidPCompany);
}

std::vector<VarPayment*>* VarPayment::GetActiveEffectiveVarPaymentHistory(std::string oid,
                                                                          std::string oidPCompany) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, std::string const& o, std::string const& c) {
        return s->getActiveEffectiveVarPaymentHistory(t, o.c_str(), c.c_str());
      },
      oid, oidPCompany);
}

std::vector<VarPayment*>* VarPayment::GetEffectiveVarPaymentHistory(std::string oid,
                                                                    base::VDate destination,
                                                                    std::string oidPCompany) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, std::string const& o, std::string const& d,
         std::string const& c) {
        return s->getEffectiveVarPaymentHistory(t, o.c_str(), d.c_str(), c.c_str());
      },
      oid, destination.ToIdl(), oidPCompany);
}

std::vector<VarPayment*>* VarPayment::GetVarPaymentsForEmployeeCopy(std::string const& oid_employee,
                                                                    std::string const& valid_from) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getVarPaymentsForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

VarPayment VarPayment::GetObjectFromObjectId(std::string oid, base::VDate effective,
                                             base::VDate valid) {
  return Remote_::Fetch<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, std::string const& o, std::string const& e,
         std::string const& v) {
        return s->getObjectFromObjectId(t, o.c_str(), e.c_str(), v.c_str());
      },
      oid, effective.ToIdl(), valid.ToIdl());
}

VarPayment VarPayment::CheckPreValues(VarPayment entry, std::string oidPCompany) {
  varpayment::VarPaymentStruct_var answer;
  try {
    Remote_::Servant_var servant = Remote_::Access();
    varpayment::VarPaymentStruct const s = entry.ToIdl();
    answer = servant->checkPreValues(Remote_::Token(), s, oidPCompany.c_str());
  } catch (CORBA::Exception& e) {
    // Raised from the handler, so the catch-all below does not see it.
    base::Ostrel::Instance()->ConvertException(e);
  } catch (...) {
    // Nothing was answered; the caller gets its own entry back.
    return entry;
  }
  return VarPayment(answer.in());
}

std::vector<VarPayment*>* VarPayment::CreateVarPayments(std::vector<VarPayment*>* entries,
                                                        std::string oidPCompany) {
  return Remote_::List<VarPayment>(
      [](VarPaymentServant_ptr s, Token t, varpayment::VarPaymentSeq const& seq,
         std::string const& c) { return s->createVarPaymentSeq(t, seq, c.c_str()); },
      ToIdlSeq<varpayment::VarPaymentSeq>(entries), oidPCompany);
}

}  // namespace ostrel
