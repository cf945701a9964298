#include "pay/scale_payment.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<ScalePaymentService>;
using scalepayment::ScalePaymentServant_ptr;
using Token = AccessToken_ptr;
namespace basictypes = com::ostrel::personnel::framework::basictypes;

// --- root part ----------------------------------------------------------

ScalePaymentRoot::ScalePaymentRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}
ScalePaymentRoot::ScalePaymentRoot(scalepayment::ScalePaymentRootStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
ScalePaymentRoot::ScalePaymentRoot(ScalePaymentRoot const& o) : BO(o) { MakeBoCopy(); }

EmployeeShort ScalePaymentRoot::GetEmployeeShort() const {
  return EmployeeShort(Value().employeeShort);
}
void ScalePaymentRoot::SetEmployeeShort(EmployeeShort const& v) {
  Value().employeeShort = v.ToIdl();
}
std::string ScalePaymentRoot::GetOidPayScale() const { return field::Text(Value().oidPayScale); }
void ScalePaymentRoot::SetOidPayScale(std::string const& v) {
  field::SetText(Value().oidPayScale, v);
}

// --- period part --------------------------------------------------------

ScalePaymentTP::ScalePaymentTP() {
  NewInterval();
  SetPayScaleLevel(0);
  SetPrintOnStatementOfEarnings(true);
  SetNoAutomaticIncrease(false);
  MakeBoCopy();
}
ScalePaymentTP::ScalePaymentTP(scalepayment::ScalePaymentTPStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
ScalePaymentTP::ScalePaymentTP(ScalePaymentTP const& o) : BO(o) { MakeBoCopy(); }

void ScalePaymentTP::NewInterval() { Value().interval = personnel::Interval(true).ToIdl(); }

std::string ScalePaymentTP::GetOidScalePayment() const {
  return field::Text(Value().oidScalePayment);
}
void ScalePaymentTP::SetOidScalePayment(std::string const& v) {
  field::SetText(Value().oidScalePayment, v);
}
std::string ScalePaymentTP::GetOidPayScaleGroup() const {
  return field::Text(Value().oidPayScaleGroup);
}
void ScalePaymentTP::SetOidPayScaleGroup(std::string const& v) {
  field::SetText(Value().oidPayScaleGroup, v);
}
long ScalePaymentTP::GetPayScaleLevel() const { return Value().payScaleLevel; }
void ScalePaymentTP::SetPayScaleLevel(long v) {
  Value().payScaleLevel = static_cast<CORBA::Long>(v);
}
personnel::Interval ScalePaymentTP::GetInterval() const {
  return personnel::Interval(Value().interval);
}
void ScalePaymentTP::SetInterval(personnel::Interval const& v) { Value().interval = v.ToIdl(); }
base::VFixed ScalePaymentTP::GetPercentage() const { return field::Fixed(Value().percentage); }
void ScalePaymentTP::SetPercentage(base::VFixed const& v) {
  field::SetFixed(Value().percentage, v);
}
base::VFixed ScalePaymentTP::GetPerformanceFactor() const {
  return field::Fixed(Value().performanceFactor);
}
void ScalePaymentTP::SetPerformanceFactor(base::VFixed const& v) {
  field::SetFixed(Value().performanceFactor, v);
}
std::string ScalePaymentTP::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void ScalePaymentTP::SetOidCostUnit(std::string const& v) {
  field::SetText(Value().oidCostUnit, v);
}
std::string ScalePaymentTP::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void ScalePaymentTP::SetOidCostCenter(std::string const& v) {
  field::SetText(Value().oidCostCenter, v);
}
bool ScalePaymentTP::GetPrintOnStatementOfEarnings() const {
  return Value().printOnStatementOfEarnings;
}
void ScalePaymentTP::SetPrintOnStatementOfEarnings(bool v) {
  Value().printOnStatementOfEarnings = v;
}
base::VDate ScalePaymentTP::GetLastUpgrading() const { return field::Date(Value().lastUpgrading); }
void ScalePaymentTP::SetLastUpgrading(base::VDate const& v) {
  field::SetDate(Value().lastUpgrading, v);
}
base::VDate ScalePaymentTP::GetNextUpgrading() const { return field::Date(Value().nextUpgrading); }
void ScalePaymentTP::SetNextUpgrading(base::VDate const& v) {
  field::SetDate(Value().nextUpgrading, v);
}
bool ScalePaymentTP::GetNoAutomaticIncrease() const { return Value().noAutomaticIncrease; }
void ScalePaymentTP::SetNoAutomaticIncrease(bool v) { Value().noAutomaticIncrease = v; }

// --- development row ----------------------------------------------------

ScalePaymentDevelopment::ScalePaymentDevelopment() {
  Value().personnelnumber = 0;
  Value().payScaleLevelKey = 0;
  Value().valueTypeNumber = 0;
  Value().interval = personnel::Interval(true).ToIdl();
  MakeBoCopy();
}
ScalePaymentDevelopment::ScalePaymentDevelopment(
    scalepayment::ScalePaymentDevelopmentStruct const& s)
    : BO(s) {
  MakeBoCopy();
}

long ScalePaymentDevelopment::GetPersonnelnumber() const { return Value().personnelnumber; }
std::wstring ScalePaymentDevelopment::GetName() const { return field::Wide(Value().name); }
std::wstring ScalePaymentDevelopment::GetPayScaleKey() const {
  return field::Wide(Value().payScaleKey);
}
std::wstring ScalePaymentDevelopment::GetPayScaleGroupKey() const {
  return field::Wide(Value().payScaleGroupKey);
}
long ScalePaymentDevelopment::GetPayScaleLevelKey() const { return Value().payScaleLevelKey; }
std::wstring ScalePaymentDevelopment::GetPayScaleLevelDescription() const {
  return field::Wide(Value().payScaleLevelDescription);
}
base::VFixed ScalePaymentDevelopment::GetAmount() const { return field::Fixed(Value().amount); }
long ScalePaymentDevelopment::GetValueTypeNumber() const { return Value().valueTypeNumber; }
std::wstring ScalePaymentDevelopment::GetValueTypeDescription() const {
  return field::Wide(Value().valueTypeDescription);
}
base::VDate ScalePaymentDevelopment::GetValidFrom() const { return field::Date(Value().validFrom); }
base::VDate ScalePaymentDevelopment::GetValidUntil() const {
  return field::Date(Value().validUntil);
}
personnel::Interval ScalePaymentDevelopment::GetInterval() const {
  return personnel::Interval(Value().interval);
}

// --- filter -------------------------------------------------------------

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
  SetListDisplayOfEmployeeEnum(static_cast<basictypes::ListDisplayOfEmployeeEnum>(0));
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}
void ScalePaymentFilter::SetFromDate(base::VDate const& v) { field::SetDate(filter_.fromDate, v); }
void ScalePaymentFilter::SetUntilDate(base::VDate const& v) {
  field::SetDate(filter_.untilDate, v);
}
void ScalePaymentFilter::SetAfterJournalized(bool v) { filter_.afterJournalized = v; }
void ScalePaymentFilter::SetOidPayScale(std::string const& v) {
  field::SetText(filter_.oidPayScale, v);
}
void ScalePaymentFilter::SetOidPayScaleGroup(std::string const& v) {
  field::SetText(filter_.oidPayScaleGroup, v);
}
void ScalePaymentFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void ScalePaymentFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void ScalePaymentFilter::ClearPnr() { filter_.pnr._default(); }
void ScalePaymentFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void ScalePaymentFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void ScalePaymentFilter::SetPayScaleLevel(long v) {
  filter_.payScaleLevel.payScaleLevel(static_cast<CORBA::Long>(v));
}
void ScalePaymentFilter::ClearPayScaleLevel() { filter_.payScaleLevel._default(); }
void ScalePaymentFilter::SetListDisplayOfEmployeeEnum(basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void ScalePaymentFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}

// --- record operations --------------------------------------------------

namespace {

auto const kCreate = [](ScalePaymentServant_ptr s, Token t, auto const& v) {
  return s->createScalePayment(t, v);
};
auto const kAdd = [](ScalePaymentServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->addScalePayment(t, v, removeNew);
};
auto const kSet = [](ScalePaymentServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->setScalePayment(t, v, removeNew);
};
auto const kDelete = [](ScalePaymentServant_ptr s, Token t, char const* e, char const* o,
                        CORBA::Long v) { s->deleteScalePayment(t, e, o, v); };

}  // namespace

void ScalePayment::Commit() { CommitThreeWay<ScalePaymentService>(kCreate, kAdd, kSet); }

void ScalePayment::Delete() { StandardDelete<ScalePaymentService>(kDelete, OnFailure::kReset); }

ScalePayment::Callback* ScalePayment::GetActiveScalePaymentsCB(
    std::vector<ScalePaymentFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](ScalePaymentServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveScalePaymentsCB(t, f, o, cb);
      },
      ToIdlSeq<scalepayment::ScalePaymentFilterSeq>(filters), sort.ToIdl());
}

std::vector<ScalePayment*>* ScalePayment::GetAllScalePaymentHistory(std::string oid) {
  return Remote_::List<ScalePayment>(
      [](ScalePaymentServant_ptr s, Token t, std::string const& o) {
        return s->getAllScalePaymentHistory(t, o.c_str());
      },
      oid);
}

std::vector<ScalePayment*>* ScalePayment::GetActiveEffectiveScalePaymentHistory(std::string oid) {
  return Remote_::List<ScalePayment>(
      [](ScalePaymentServant_ptr s, Token t, std::string const& o) {
        return s->getActiveEffectiveScalePaymentHistory(t, o.c_str());
      },
      oid);
}

std::vector<ScalePayment*>* ScalePayment::GetEffectiveScalePaymentHistory(std::string oid,
                                                                          base::VDate destination) {
  return Remote_::List<ScalePayment>(
      [](ScalePaymentServant_ptr s, Token t, std::string const& o, std::string const& d) {
        return s->getEffectiveScalePaymentHistory(t, o.c_str(), d.c_str());
      },
      oid, destination.ToIdl());
}

std::vector<ScalePayment*>* ScalePayment::GetScalePaymentsForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<ScalePayment>(
      [](ScalePaymentServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getScalePaymentsForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

ScalePayment ScalePayment::GetObjectFromObjectId(std::string oid, std::string effective,
                                                 base::VDate valid) {
  return Remote_::Fetch<ScalePayment>(
      [](ScalePaymentServant_ptr s, Token t, std::string const& o, std::string const& e,
         std::string const& v) {
        return s->getObjectFromObjectId(t, o.c_str(), e.c_str(), v.c_str());
      },
      oid, effective, valid.ToIdl());
}

std::vector<ScalePaymentDevelopment*>* ScalePayment::GetScalePaymentDevelopment(
    std::vector<std::string> const* oids, base::VDate effective, bool noHistory) {
  scalepayment::StringSeq ids;
  if (oids != nullptr) {
    ids.length(static_cast<CORBA::ULong>(oids->size()));
    for (CORBA::ULong i = 0; i < ids.length(); ++i) ids[i] = (*oids)[i].c_str();
  }
  return Remote_::List<ScalePaymentDevelopment>(
      [](ScalePaymentServant_ptr s, Token t, scalepayment::StringSeq const& i, std::string const& d,
         bool h) { return s->getScalePaymentDevelopments(t, i, d.c_str(), h); },
      ids, std::string(effective.c_str()), noHistory);
}

}  // namespace ostrel
