#include "statutory/pensionscheme.h"

#include "remote.h"

namespace ostrel {

using Remote_ = Remote<EEPensionSchemeService>;
using Stub = Remote_::Stub;

EEPensionSchemeRoot::EEPensionSchemeRoot() {
  SetEe(EmployeeShort());
  MakeBoCopy();
}

EEPensionSchemeTP::EEPensionSchemeTP() {
  ApplyDefaults(Value(), kDefaults);
  SetErExpensesPays(Interval(false));
  SetErPaysAsExtra(Interval(false));
  SetEeExpensesPays(Interval(false));
  SetEePaysAsExtra(Interval(false));
  SetPostalAddress(PostalAddress());
  MakeBoCopy();
}

void EEPensionSchemeFilter::ClearEEPensionSchemeFilter() {
  base::VDate const undefined(-1, -1, -1);
  ClearImplementationway();
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(undefined);
  SetListDisplayOfEmployeeEnum(static_cast<ListDisplayOfEmployeeEnum>(0));
  SetDeleted(false);
  SetAfterJournalized(false);
  SetFromDate(undefined);
  SetUntilDate(undefined);
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
}

std::vector<EEPensionScheme*>* EEPensionScheme::Commit(
    std::vector<EEPensionSchemeFilter*> const* filters, base::Sortierung const& sort) {
  return CommitListed<EEPensionSchemeService, EEPensionScheme>(
      &Stub::createEEPensionScheme, &Stub::addEEPensionScheme, &Stub::setEEPensionScheme,
      ToIdlSeq<pensionscheme::EEPensionSchemeFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEPensionScheme*>* EEPensionScheme::Delete(
    std::vector<EEPensionSchemeFilter*> const* filters, base::Sortierung const& sort) {
  std::string const oid = GetObjectid();
  return Remote_::ListWith<EEPensionScheme>(
      [this] { ResetBo(); }, &Stub::deleteEEPensionScheme,
      ToIdlSeq<pensionscheme::EEPensionSchemeFilterSeq>(filters), sort.ToIdl(), EmployeeOid(),
      oid.c_str(), static_cast<CORBA::Long>(GetVersion()));
}

void EEPensionScheme::RestoreEEPensionScheme() {
  StandardDelete<EEPensionSchemeService>(&Stub::restoreEEPensionScheme, OnFailure::kReset);
}

bool EEPensionScheme::IsAlreadyJournalized() const {
  std::string const oid = GetObjectid();
  return Remote_::Call(&Stub::isAlreadyJournalized, EmployeeOid(), oid.c_str(),
                       static_cast<CORBA::Long>(GetVersion()));
}

std::string EEPensionScheme::CheckForAdvice() const {
  std::string const valid_from = GetValidFrom().ToIdl();
  auto advice = Remote_::Call(&Stub::checkForAdvice, ToIdl(), valid_from.c_str());
  return std::string(advice.in());
}

std::vector<EEPensionScheme*>* EEPensionScheme::GetActiveEEPensionSchemes(
    std::vector<EEPensionSchemeFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEPensionScheme>(&Stub::getActiveEEPensionSchemes,
                                        ToIdlSeq<pensionscheme::EEPensionSchemeFilterSeq>(filters),
                                        sort.ToIdl());
}

EEPensionScheme::Callback* EEPensionScheme::GetActiveEEPensionSchemesCB(
    std::vector<EEPensionSchemeFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveEEPensionSchemesCB,
                                   ToIdlSeq<pensionscheme::EEPensionSchemeFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEPensionScheme*>* EEPensionScheme::GetAllEEPensionSchemesHistory(std::string oid) {
  return Remote_::List<EEPensionScheme>(&Stub::getAllEEPensionSchemeHistory, oid.c_str());
}

std::vector<EEPensionScheme*>* EEPensionScheme::GetActiveEffectiveEEPensionSchemesHistory(
    std::string oid) {
  return Remote_::List<EEPensionScheme>(&Stub::getActiveEffectiveEEPensionSchemeHistory,
                                        oid.c_str());
}

std::vector<EEPensionScheme*>* EEPensionScheme::GetEffectiveEEPensionSchemesHistory(
    std::string oid, base::VDate date) {
  return Remote_::List<EEPensionScheme>(&Stub::getEffectiveEEPensionSchemeHistory, oid.c_str(),
                                        date.ToIdl().c_str());
}

EEPensionScheme EEPensionScheme::GetObjectFromObjectId(std::string const& oid,
                                                       base::VDate const& effective,
                                                       base::VDate const& valid) {
  return Remote_::Fetch<EEPensionScheme>(&Stub::getObjectFromObjectId, oid.c_str(),
                                         effective.ToIdl().c_str(), valid.ToIdl().c_str());
}

std::vector<EEPensionScheme*>* EEPensionScheme::GetPensionSchemesForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEPensionScheme>(&Stub::getPensionSchemesForEmployeeCopy,
                                        oid_employee.c_str(), valid_from.c_str());
}

}  // namespace ostrel
