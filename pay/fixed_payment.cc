#include "pay/fixed_payment.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<FixedPaymentService>;
using fixedpayment::FixedPaymentServant_ptr;
using Token = AccessToken_ptr;
namespace basictypes = com::ostrel::personnel::framework::basictypes;

// --- root part ----------------------------------------------------------

FixedPaymentRoot::FixedPaymentRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}
FixedPaymentRoot::FixedPaymentRoot(fixedpayment::FixedPaymentRootStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
FixedPaymentRoot::FixedPaymentRoot(FixedPaymentRoot const& o) : BO(o) { MakeBoCopy(); }

EmployeeShort FixedPaymentRoot::GetEmployeeShort() const {
  return EmployeeShort(Value().employeeShort);
}
void FixedPaymentRoot::SetEmployeeShort(EmployeeShort const& v) {
  Value().employeeShort = v.ToIdl();
}
std::string FixedPaymentRoot::GetOidValueType() const { return field::Text(Value().oidValueType); }
void FixedPaymentRoot::SetOidValueType(std::string const& v) {
  field::SetText(Value().oidValueType, v);
}

// --- period part --------------------------------------------------------

FixedPaymentTP::FixedPaymentTP() {
  NewInterval();
  SetNoAutomaticIncrease(false);
  MakeBoCopy();
}
FixedPaymentTP::FixedPaymentTP(fixedpayment::FixedPaymentTPStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
FixedPaymentTP::FixedPaymentTP(FixedPaymentTP const& o) : BO(o) { MakeBoCopy(); }

void FixedPaymentTP::NewInterval() { Value().interval = personnel::Interval(true).ToIdl(); }

std::string FixedPaymentTP::GetOidFixedPayment() const {
  return field::Text(Value().oidFixedPayment);
}
void FixedPaymentTP::SetOidFixedPayment(std::string const& v) {
  field::SetText(Value().oidFixedPayment, v);
}
personnel::Interval FixedPaymentTP::GetInterval() const {
  return personnel::Interval(Value().interval);
}
void FixedPaymentTP::SetInterval(personnel::Interval const& v) { Value().interval = v.ToIdl(); }
base::VFixed FixedPaymentTP::GetFactor1() const { return field::Fixed(Value().factor1); }
void FixedPaymentTP::SetFactor1(base::VFixed const& v) { field::SetFixed(Value().factor1, v); }
base::VFixed FixedPaymentTP::GetFactor2() const { return field::Fixed(Value().factor2); }
void FixedPaymentTP::SetFactor2(base::VFixed const& v) { field::SetFixed(Value().factor2, v); }
base::VFixed FixedPaymentTP::GetResult() const { return field::Fixed(Value().result); }
void FixedPaymentTP::SetResult(base::VFixed const& v) { field::SetFixed(Value().result, v); }
base::VFixed FixedPaymentTP::GetPercentage() const { return field::Fixed(Value().percentage); }
void FixedPaymentTP::SetPercentage(base::VFixed const& v) {
  field::SetFixed(Value().percentage, v);
}
base::VFixed FixedPaymentTP::GetPerformanceFactor() const {
  return field::Fixed(Value().performanceFactor);
}
void FixedPaymentTP::SetPerformanceFactor(base::VFixed const& v) {
  field::SetFixed(Value().performanceFactor, v);
}
std::string FixedPaymentTP::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void FixedPaymentTP::SetOidCostUnit(std::string const& v) {
  field::SetText(Value().oidCostUnit, v);
}
std::string FixedPaymentTP::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void FixedPaymentTP::SetOidCostCenter(std::string const& v) {
  field::SetText(Value().oidCostCenter, v);
}
bool FixedPaymentTP::GetNoAutomaticIncrease() const { return Value().noAutomaticIncrease; }
void FixedPaymentTP::SetNoAutomaticIncrease(bool v) { Value().noAutomaticIncrease = v; }

// --- evaluation row -----------------------------------------------------

EvaFixedPayment::EvaFixedPayment() {
  Value().vTypeKey = 0;
  Value().interval = personnel::Interval(true).ToIdl();
  MakeBoCopy();
}
EvaFixedPayment::EvaFixedPayment(fixedpayment::EvaFixedPaymentStruct const& s) : BO(s) {
  MakeBoCopy();
}

long EvaFixedPayment::GetVTypeKey() const { return Value().vTypeKey; }
std::string EvaFixedPayment::GetDescription() const { return field::Text(Value().description); }
personnel::TimePeriod EvaFixedPayment::GetTimePeriod() const {
  return personnel::TimePeriod(Value().timePeriod);
}
personnel::Interval EvaFixedPayment::GetInterval() const {
  return personnel::Interval(Value().interval);
}
base::VFixed EvaFixedPayment::GetFactor1() const { return field::Fixed(Value().factor1); }
base::VFixed EvaFixedPayment::GetFactor2() const { return field::Fixed(Value().factor2); }
base::VFixed EvaFixedPayment::GetResult() const { return field::Fixed(Value().result); }

// --- filter -------------------------------------------------------------

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
  SetListDisplayOfEmployeeEnum(static_cast<basictypes::ListDisplayOfEmployeeEnum>(0));
}
void FixedPaymentFilter::SetFromDate(base::VDate const& v) { field::SetDate(filter_.fromDate, v); }
void FixedPaymentFilter::SetUntilDate(base::VDate const& v) {
  field::SetDate(filter_.untilDate, v);
}
void FixedPaymentFilter::SetAfterJournalized(bool v) { filter_.afterJournalized = v; }
void FixedPaymentFilter::SetVtn(long v) { filter_.vtn.vtn(static_cast<CORBA::Long>(v)); }
void FixedPaymentFilter::ClearVtn() { filter_.vtn._default(); }
void FixedPaymentFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void FixedPaymentFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void FixedPaymentFilter::ClearPnr() { filter_.pnr._default(); }
void FixedPaymentFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void FixedPaymentFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void FixedPaymentFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}
void FixedPaymentFilter::SetListDisplayOfEmployeeEnum(basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}

// --- record operations --------------------------------------------------

namespace {

auto const kCreate = [](FixedPaymentServant_ptr s, Token t, auto const& v) {
  return s->createFixedPayment(t, v);
};
auto const kAdd = [](FixedPaymentServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->addFixedPayment(t, v, removeNew);
};
auto const kSet = [](FixedPaymentServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->setFixedPayment(t, v, removeNew);
};
auto const kDelete = [](FixedPaymentServant_ptr s, Token t, char const* e, char const* o,
                        CORBA::Long v) { s->deleteFixedPayment(t, e, o, v); };

}  // namespace

void FixedPayment::Commit() { CommitThreeWay<FixedPaymentService>(kCreate, kAdd, kSet); }

void FixedPayment::Delete() { StandardDelete<FixedPaymentService>(kDelete, OnFailure::kReset); }

std::vector<FixedPayment*>* FixedPayment::GetActiveFixedPayments(
    std::vector<FixedPaymentFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<FixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, auto const& f, auto const& o) {
        return s->getActiveFixedPayments(t, f, o);
      },
      ToIdlSeq<fixedpayment::FixedPaymentFilterSeq>(filters), sort.ToIdl());
}

FixedPayment::Callback* FixedPayment::GetActiveFixedPaymentsCB(
    std::vector<FixedPaymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](FixedPaymentServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveFixedPaymentsCB(t, f, o, cb);
      },
      ToIdlSeq<fixedpayment::FixedPaymentFilterSeq>(filters), sort.ToIdl());
}

std::vector<FixedPayment*>* FixedPayment::GetAllFixedPaymentHistory(std::string oid) {
  return Remote_::List<FixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& o) {
        return s->getAllFixedPaymentHistory(t, o.c_str());
      },
      oid);
}

std::vector<FixedPayment*>* FixedPayment::GetActiveEffectiveFixedPaymentHistory(std::string oid) {
  return Remote_::List<FixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& o) {
        return s->getActiveEffectiveFixedPaymentHistory(t, o.c_str());
      },
      oid);
}

std::vector<FixedPayment*>* FixedPayment::GetEffectiveFixedPaymentHistory(std::string oid,
                                                                          base::VDate destination) {
  return Remote_::List<FixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& o, std::string const& d) {
        return s->getEffectiveFixedPaymentHistory(t, o.c_str(), d.c_str());
      },
      oid, destination.ToIdl());
}

std::vector<FixedPayment*>* FixedPayment::GetFixedPaymentsForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<FixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getFixedPaymentsForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

FixedPayment FixedPayment::GetObjectFromObjectId(std::string oid, std::string effective,
                                                 base::VDate valid) {
  return Remote_::Fetch<FixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& o, std::string const& e,
         std::string const& v) {
        return s->getObjectFromObjectId(t, o.c_str(), e.c_str(), v.c_str());
      },
      oid, effective, valid.ToIdl());
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaFixedPayments(std::string oid_employee) {
  return Remote_::List<EvaFixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& e) {
        return s->getEvaActiveFixedPayments(t, e.c_str());
      },
      oid_employee);
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaAllFixedPaymentHistory(
    std::string oid_employee) {
  return Remote_::List<EvaFixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& e) {
        return s->getEvaAllFixedPaymentHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaActiveEffectiveFixedPaymentHistory(
    std::string oid_employee) {
  return Remote_::List<EvaFixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& e) {
        return s->getEvaActiveEffectiveFixedPaymentHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EvaFixedPayment*>* FixedPayment::GetEvaEffectiveFixedPaymentHistory(
    std::string oid_employee, base::VDate destination) {
  return Remote_::List<EvaFixedPayment>(
      [](FixedPaymentServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEvaEffectiveFixedPaymentHistory(t, e.c_str(), d.c_str());
      },
      oid_employee, destination.ToIdl());
}

}  // namespace ostrel
