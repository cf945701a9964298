#include "time/absent_time.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEAbsentTimeService>;
using absenttime::EEAbsentTimeServant_ptr;
using Token = AccessToken_ptr;

// --- root part ----------------------------------------------------------

EEAbsentTimeRoot::EEAbsentTimeRoot() {
  SetEmployeeShort(EmployeeShort());
  SetIsDeleted(false);
  MakeBoCopy();
}
EEAbsentTimeRoot::EEAbsentTimeRoot(absenttime::AbsentTimeRootStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
EEAbsentTimeRoot::EEAbsentTimeRoot(EEAbsentTimeRoot const& o) : BO(o) { MakeBoCopy(); }

EmployeeShort EEAbsentTimeRoot::GetEmployeeShort() const {
  return EmployeeShort(Value().employeeShort);
}
void EEAbsentTimeRoot::SetEmployeeShort(EmployeeShort const& v) {
  Value().employeeShort = v.ToIdl();
}
std::string EEAbsentTimeRoot::GetOidAbsentTime() const {
  return field::Text(Value().oidAbsentTime);
}
void EEAbsentTimeRoot::SetOidAbsentTime(std::string const& v) {
  field::SetText(Value().oidAbsentTime, v);
}
bool EEAbsentTimeRoot::GetIsDeleted() const { return Value().isDeleted; }
void EEAbsentTimeRoot::SetIsDeleted(bool v) { Value().isDeleted = v; }

// --- period part --------------------------------------------------------

EEAbsentTimeTP::EEAbsentTimeTP() {
  SetTypeOfBirth(0);
  SetIndexOfConsequence(0);
  SetHalfLeaveDay(false);
  SetWaitingDay(false);
  // Not a default of its own; set so that no flag of a new period is
  // indeterminate on the wire.
  SetPrintOnStatementOfEarnings(false);
  MakeBoCopy();
}
EEAbsentTimeTP::EEAbsentTimeTP(absenttime::AbsentTimeTPStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
EEAbsentTimeTP::EEAbsentTimeTP(EEAbsentTimeTP const& o) : BO(o) { MakeBoCopy(); }

base::VDate EEAbsentTimeTP::GetEffectiveFrom() const {
  return field::Date(Value().timePeriod.effectiveFrom);
}
void EEAbsentTimeTP::SetEffectiveFrom(base::VDate const& v) {
  field::SetDate(Value().timePeriod.effectiveFrom, v);
}
base::VDate EEAbsentTimeTP::GetEffectiveUntil() const {
  return field::Date(Value().timePeriod.effectiveUntil);
}
void EEAbsentTimeTP::SetEffectiveUntil(base::VDate const& v) {
  field::SetDate(Value().timePeriod.effectiveUntil, v);
}
base::VDate EEAbsentTimeTP::GetInternalValidFrom() const {
  return field::Date(Value().timePeriod.internalValidFrom);
}
void EEAbsentTimeTP::SetInternalValidFrom(base::VDate const& v) {
  field::SetDate(Value().timePeriod.internalValidFrom, v);
}
base::VDate EEAbsentTimeTP::GetValidUntil() const {
  return field::Date(Value().timePeriod.validUntil);
}
void EEAbsentTimeTP::SetValidUntil(base::VDate const& v) {
  field::SetDate(Value().timePeriod.validUntil, v);
}
std::string EEAbsentTimeTP::GetOidPredecessorEEAbsentTime() const {
  return field::Text(Value().oidPredecessorEEAbsentTime);
}
void EEAbsentTimeTP::SetOidPredecessorEEAbsentTime(std::string const& v) {
  field::SetText(Value().oidPredecessorEEAbsentTime, v);
}
base::VFixed EEAbsentTimeTP::GetNumberOfHours() const {
  return field::Fixed(Value().numberOfHours);
}
void EEAbsentTimeTP::SetNumberOfHours(base::VFixed const& v) {
  field::SetFixed(Value().numberOfHours, v);
}
std::string EEAbsentTimeTP::GetOidCostUnit() const { return field::Text(Value().oidCostUnit); }
void EEAbsentTimeTP::SetOidCostUnit(std::string const& v) {
  field::SetText(Value().oidCostUnit, v);
}
std::string EEAbsentTimeTP::GetOidCostCenter() const { return field::Text(Value().oidCostCenter); }
void EEAbsentTimeTP::SetOidCostCenter(std::string const& v) {
  field::SetText(Value().oidCostCenter, v);
}
bool EEAbsentTimeTP::GetHalfLeaveDay() const { return Value().halfLeaveDay; }
void EEAbsentTimeTP::SetHalfLeaveDay(bool v) { Value().halfLeaveDay = v; }
base::VFixed EEAbsentTimeTP::GetComparisonNet() const {
  return field::Fixed(Value().comparisonNet);
}
void EEAbsentTimeTP::SetComparisonNet(base::VFixed const& v) {
  field::SetFixed(Value().comparisonNet, v);
}
base::VFixed EEAbsentTimeTP::GetStickPay() const { return field::Fixed(Value().stickPay); }
void EEAbsentTimeTP::SetStickPay(base::VFixed const& v) { field::SetFixed(Value().stickPay, v); }
bool EEAbsentTimeTP::GetPrintOnStatementOfEarnings() const {
  return Value().printOnStatementOfEarnings;
}
void EEAbsentTimeTP::SetPrintOnStatementOfEarnings(bool v) {
  Value().printOnStatementOfEarnings = v;
}
long EEAbsentTimeTP::GetIndexOfConsequence() const { return Value().indexOfConsequence; }
void EEAbsentTimeTP::SetIndexOfConsequence(long v) {
  Value().indexOfConsequence = static_cast<CORBA::Long>(v);
}
base::VDate EEAbsentTimeTP::GetDueDate() const { return field::Date(Value().dueDate); }
void EEAbsentTimeTP::SetDueDate(base::VDate const& v) { field::SetDate(Value().dueDate, v); }
long EEAbsentTimeTP::GetTypeOfBirth() const { return Value().typeOfBirth; }
void EEAbsentTimeTP::SetTypeOfBirth(long v) { Value().typeOfBirth = static_cast<CORBA::Long>(v); }
std::string EEAbsentTimeTP::GetAdditionalInfo() const {
  return field::Text(Value().additionalInfo);
}
void EEAbsentTimeTP::SetAdditionalInfo(std::string const& v) {
  field::SetText(Value().additionalInfo, v);
}
base::VFixed EEAbsentTimeTP::GetNumberOfWorkingHours() const {
  return field::Fixed(Value().numberOfWorkingHours);
}
void EEAbsentTimeTP::SetNumberOfWorkingHours(base::VFixed const& v) {
  field::SetFixed(Value().numberOfWorkingHours, v);
}
std::string EEAbsentTimeTP::GetErrorMessage() const { return field::Text(Value().errorMessage); }
void EEAbsentTimeTP::SetErrorMessage(std::string const& v) {
  field::SetText(Value().errorMessage, v);
}
bool EEAbsentTimeTP::GetWaitingDay() const { return Value().waitingDay; }
void EEAbsentTimeTP::SetWaitingDay(bool v) { Value().waitingDay = v; }
std::string EEAbsentTimeTP::GetAbandonment() const { return field::Text(Value().abandonment); }
void EEAbsentTimeTP::SetAbandonment(std::string const& v) {
  field::SetText(Value().abandonment, v);
}

// --- filter -------------------------------------------------------------

EEAbsentTimeFilter::EEAbsentTimeFilter() {
  SetFromDate(base::VDate(-1, -1, -1));
  SetUntilDate(base::VDate(-1, -1, -1));
  SetAfterJournalized(true);
  SetAbsentTimeKey("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(-1, -1, -1));
  SetWithDeleted(false);
  SetListDisplayOfEmployeeEnum(
      static_cast<com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum>(0));
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
  SetAbsenceOfEau(false);
}
void EEAbsentTimeFilter::SetFromDate(base::VDate const& v) { field::SetDate(filter_.fromDate, v); }
void EEAbsentTimeFilter::SetUntilDate(base::VDate const& v) {
  field::SetDate(filter_.untilDate, v);
}
void EEAbsentTimeFilter::SetAfterJournalized(bool v) { filter_.afterJournalized = v; }
void EEAbsentTimeFilter::SetAbsentTimeKey(std::string const& v) {
  field::SetText(filter_.absentTimeKey, v);
}
void EEAbsentTimeFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EEAbsentTimeFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void EEAbsentTimeFilter::ClearPnr() { filter_.pnr._default(); }
void EEAbsentTimeFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void EEAbsentTimeFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EEAbsentTimeFilter::SetWithDeleted(bool v) { filter_.withDeleted = v; }
void EEAbsentTimeFilter::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void EEAbsentTimeFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}
void EEAbsentTimeFilter::SetAbsenceOfEau(bool v) { filter_.absenceOfEau = v; }

// --- report entry -------------------------------------------------------

EauEEAbsentTime::EauEEAbsentTime() {
  SetReasonOfInterrupt(0);
  MakeBoCopy();
}
EauEEAbsentTime::EauEEAbsentTime(absenttime::EauEEAbsentTimeStruct const& s) : BO(s) {
  // The reason is not taken over from the struct.
  SetReasonOfInterrupt(0);
  MakeBoCopy();
}
std::string EauEEAbsentTime::GetOidEEAbsentTimeTP() const {
  return field::Text(Value().oidEEAbsentTimeTP);
}
void EauEEAbsentTime::SetOidEEAbsentTimeTP(std::string const& v) {
  field::SetText(Value().oidEEAbsentTimeTP, v);
}
int EauEEAbsentTime::GetReasonOfInterrupt() const { return Value().reasonOfInterrupt; }
void EauEEAbsentTime::SetReasonOfInterrupt(int v) { Value().reasonOfInterrupt = v; }

// --- record operations --------------------------------------------------

namespace {

auto const kCreate = [](EEAbsentTimeServant_ptr s, Token t, auto const& v) {
  return s->createEEAbsentTime(t, v);
};
auto const kSet = [](EEAbsentTimeServant_ptr s, Token t, auto const& v, bool removeNew) {
  return s->setEEAbsentTime(t, v, removeNew);
};
auto const kDelete = [](EEAbsentTimeServant_ptr s, Token t, char const* e, char const* o,
                        CORBA::Long v) { s->deleteEEAbsentTime(t, e, o, v); };

}  // namespace

void EEAbsentTime::Commit() { CommitTwoWay<EEAbsentTimeService>(kCreate, kSet); }

void EEAbsentTime::Delete() { StandardDelete<EEAbsentTimeService>(kDelete, OnFailure::kKeep); }

std::vector<EEAbsentTime*>* EEAbsentTime::GetActiveEEAbsentTimes(
    std::vector<EEAbsentTimeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, auto const& f, auto const& o) {
        return s->getActiveEEAbsentTimes(t, f, o);
      },
      ToIdlSeq<absenttime::EEAbsentTimeFilterSeq>(filters), sort.ToIdl());
}

EEAbsentTime::Callback* EEAbsentTime::GetActiveEEAbsentTimeCB(
    std::vector<EEAbsentTimeFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](EEAbsentTimeServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveEEAbsentTimesCB(t, f, o, cb);
      },
      ToIdlSeq<absenttime::EEAbsentTimeFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetAllEEAbsentTimesHistory(std::string oid) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& o) {
        return s->getAllEEAbsentTimeHistory(t, o.c_str());
      },
      oid);
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetActiveEffectiveEEAbsentTimesHistory(std::string oid) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& o) {
        return s->getActiveEffectiveEEAbsentTimeHistory(t, o.c_str());
      },
      oid);
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetEffectiveEEAbsentTimesHistory(std::string oid,
                                                                           base::VDate date) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& o, std::string const& d) {
        return s->getEffectiveEEAbsentTimeHistory(t, o.c_str(), d.c_str());
      },
      oid, date.ToIdl());
}

EEAbsentTime EEAbsentTime::GetObjectFromObjectId(std::string const& oid, base::VDate const& date) {
  return Remote_::Fetch<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& o, std::string const& d) {
        return s->getObjectFromObjectId(t, o.c_str(), d.c_str());
      },
      oid, date.ToIdl());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetAbsentTimesForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& e, std::string const& v) {
        return s->getAbsentTimesForEmployeeCopy(t, e.c_str(), v.c_str());
      },
      oid_employee, valid_from);
}

EEAbsentTime EEAbsentTime::CheckPreValues(EEAbsentTime absentTime, std::string oidPCompany) {
  absenttime::EEAbsentTimeStruct_var answer;
  try {
    Remote_::Servant_var servant = Remote_::Access();
    absenttime::EEAbsentTimeStruct const s = absentTime.ToIdl();
    answer = servant->checkPreValues(Remote_::Token(), s, oidPCompany.c_str());
  } catch (CORBA::Exception& e) {
    // Raised from the handler, so the catch-all below does not see it.
    base::Ostrel::Instance()->ConvertException(e);
  } catch (...) {
    // Nothing was answered; the caller gets its own absent time back.
    return absentTime;
  }
  return EEAbsentTime(answer.in());
}

std::vector<EEAbsentTime*>* EEAbsentTime::CreateEEAbsentTimes(
    std::vector<EEAbsentTime*>* absentTimes, std::string oidPCompany) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, auto const& seq, std::string const& c) {
        return s->createEEAbsentTimeSeq(t, seq, c.c_str());
      },
      ToIdlSeq<absenttime::EEAbsentTimeSeq>(absentTimes), oidPCompany);
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetPredecessorEEAbsentTimes(
    base::VDate const& maxValidUntil, std::string const& oidEmployee,
    std::string const& oidAbsentTime) {
  return Remote_::List<EEAbsentTime>(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& d, std::string const& e,
         std::string const& a) {
        return s->getPredecessorEEAbsentTimes(t, d.c_str(), e.c_str(), a.c_str());
      },
      maxValidUntil.ToIdl(), oidEmployee, oidAbsentTime);
}

std::string EEAbsentTime::GetCalendarParameterString(std::string const& oidEmployee, int year) {
  auto text = Remote_::Call(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& e, int y) {
        return s->getCalendarParameterString(t, e.c_str(), static_cast<CORBA::Long>(y));
      },
      oidEmployee, year);
  return std::string(text.in());
}

bool EEAbsentTime::IsEFKorEFUorEFSallowed(std::string const& oidEmployee,
                                          std::string const& absenttimeKey,
                                          base::VDate const& validFrom) {
  return Remote_::Call(
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& e, std::string const& k,
         std::string const& v) {
        return s->isEFKorEFUorEFSallowed(t, e.c_str(), k.c_str(), v.c_str());
      },
      oidEmployee, absenttimeKey, validFrom.ToIdl());
}

EEAbsentTime::ReportCallback* EEAbsentTime::CreateFromEEAbsentTime(
    std::string const& oidPCompany, std::vector<EauEEAbsentTime*> const* entries) {
  absenttime::EauEEAbsentTimeSeq const seq = ToIdlSeq<absenttime::EauEEAbsentTimeSeq>(entries);
  return Remote_::Stream(
      new ReportCallback(),
      [](EEAbsentTimeServant_ptr s, Token t, std::string const& c, auto const& e, auto cb) {
        s->createFromEEAbsentTime(t, c.c_str(), e, cb);
      },
      oidPCompany, seq);
}

}  // namespace ostrel
