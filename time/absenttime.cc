#include "time/absenttime.h"

#include <exception>

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEAbsentTimeService>;
using Stub = Remote_::Stub;

// --- parts --------------------------------------------------------------

EEAbsentTimeRoot::EEAbsentTimeRoot() {
  SetEmployeeShort(EmployeeShort());
  MakeBoCopy();
}

EEAbsentTimeTP::EEAbsentTimeTP() { MakeBoCopy(); }

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

EauEEAbsentTime::EauEEAbsentTime() {
  SetReasonOfInterrupt(0);
  MakeBoCopy();
}
EauEEAbsentTime::EauEEAbsentTime(absenttime::EauEEAbsentTimeStruct const& s)
    : EauEEAbsentTimeStructFields(s) {
  // The reason is not taken over from the struct.
  SetReasonOfInterrupt(0);
  MakeBoCopy();
}

// --- record operations --------------------------------------------------

void EEAbsentTime::Commit() {
  CommitTwoWay<EEAbsentTimeService>(&Stub::createEEAbsentTime, &Stub::setEEAbsentTime);
}

void EEAbsentTime::Delete() {
  StandardDelete<EEAbsentTimeService>(&Stub::deleteEEAbsentTime, OnFailure::kKeep);
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetActiveEEAbsentTimes(
    std::vector<EEAbsentTimeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEAbsentTime>(&Stub::getActiveEEAbsentTimes,
                                     ToIdlSeq<absenttime::EEAbsentTimeFilterSeq>(filters),
                                     sort.ToIdl());
}

EEAbsentTime::Callback* EEAbsentTime::GetActiveEEAbsentTimeCB(
    std::vector<EEAbsentTimeFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEEAbsentTimesCB,
                                   ToIdlSeq<absenttime::EEAbsentTimeFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetAllEEAbsentTimesHistory(std::string oid) {
  return Remote_::List<EEAbsentTime>(&Stub::getAllEEAbsentTimeHistory, oid.c_str());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetActiveEffectiveEEAbsentTimesHistory(std::string oid) {
  return Remote_::List<EEAbsentTime>(&Stub::getActiveEffectiveEEAbsentTimeHistory, oid.c_str());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetEffectiveEEAbsentTimesHistory(std::string oid,
                                                                           base::VDate date) {
  return Remote_::List<EEAbsentTime>(&Stub::getEffectiveEEAbsentTimeHistory, oid.c_str(),
                                     date.c_str());
}

EEAbsentTime EEAbsentTime::GetObjectFromObjectId(std::string const& oid, base::VDate const& date) {
  return Remote_::Fetch<EEAbsentTime>(&Stub::getObjectFromObjectId, oid.c_str(), date.c_str());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetAbsentTimesForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEAbsentTime>(&Stub::getAbsentTimesForEmployeeCopy, oid_employee.c_str(),
                                     valid_from.c_str());
}

EEAbsentTime EEAbsentTime::CheckPreValues(EEAbsentTime absentTime, std::string oidPCompany) {
  std::string failure;
  try {
    return Remote_::Fetch<EEAbsentTime>(&Stub::checkPreValues, absentTime.ToIdl(),
                                        oidPCompany.c_str());
  } catch (base::VException const& e) {
    // A remote failure, converted: the caller hears of it.
    if (e.IsRemote()) throw;
    failure = base::StringConverter::Convert(e.GetMessage());
  } catch (std::exception const& e) {
    failure = e.what();
  } catch (...) {
    failure = "the pre-check failed before the server answered";
  }
  // No answer: the caller's own absent time, marked with why.
  EEAbsentTime unchecked(absentTime);
  EEAbsentTimeTP period = unchecked.GetHistory();
  period.SetErrorMessage(failure);
  unchecked.SetHistory(period);
  unchecked.MakeBoCopy();
  return unchecked;
}

std::vector<EEAbsentTime*>* EEAbsentTime::CreateEEAbsentTimes(
    std::vector<EEAbsentTime*>* absentTimes, std::string oidPCompany) {
  return Remote_::List<EEAbsentTime>(&Stub::createEEAbsentTimeSeq,
                                     ToIdlSeq<absenttime::EEAbsentTimeSeq>(absentTimes),
                                     oidPCompany.c_str());
}

std::vector<EEAbsentTime*>* EEAbsentTime::GetPredecessorEEAbsentTimes(
    base::VDate const& maxValidUntil, std::string const& oidEmployee,
    std::string const& oidAbsentTime) {
  return Remote_::List<EEAbsentTime>(&Stub::getPredecessorEEAbsentTimes, maxValidUntil.c_str(),
                                     oidEmployee.c_str(), oidAbsentTime.c_str());
}

std::string EEAbsentTime::GetCalendarParameterString(std::string const& oidEmployee, int year) {
  auto text = Remote_::Call(&Stub::getCalendarParameterString, oidEmployee.c_str(),
                            static_cast<CORBA::Long>(year));
  return std::string(text.in());
}

bool EEAbsentTime::IsEFKorEFUorEFSallowed(std::string const& oidEmployee,
                                          std::string const& absenttimeKey,
                                          base::VDate const& validFrom) {
  return Remote_::Call(&Stub::isEFKorEFUorEFSallowed, oidEmployee.c_str(), absenttimeKey.c_str(),
                       validFrom.c_str());
}

EEAbsentTime::ReportCallback* EEAbsentTime::CreateFromEEAbsentTime(
    std::string const& oidPCompany, std::vector<EauEEAbsentTime*> const* entries) {
  return Remote_::StreamReport<ReportCallback>(&Stub::createFromEEAbsentTime, oidPCompany.c_str(),
                                               ToIdlSeq<absenttime::EauEEAbsentTimeSeq>(entries));
}

}  // namespace ostrel
