#include "statutory/insurance.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<InsuranceService>;
using Stub = Remote_::Stub;

// --- the insurance record -------------------------------------------------

Insurance::Insurance() {
  ApplyDefaults(Value(), kDefaults);
  MakeBoCopy();
}

bool Insurance::GetCheckBoxNIChildEducationActive(std::string oid_employee,
                                                  base::VDate effective) const {
  return Remote_::Call(&Stub::getCheckBoxNIChildEducationActive, oid_employee.c_str(),
                       effective.c_str());
}

// --- filter ---------------------------------------------------------------

EEInsuranceFilter::EEInsuranceFilter() { ClearEEInsuranceFilter(); }

void EEInsuranceFilter::ClearEEInsuranceFilter() {
  SetOidHealthFund("");
  SetOidHealthFundKVdR("");
  ClearAssessmentDuty();
  ClearPersGroup();
  ClearDuesGroupHI();
  ClearDuesGroupPI();
  ClearDuesGroupUI();
  ClearDuesGroupNI();
  ClearPrivateHI();
  ClearContributionScaleVHI();
  ClearMultiplyEmployment();
  ClearSpecialCategory();
  SetInsuranceNo("");
  SetOidPCompany("");
  ClearPnr();
  SetSurname(L"");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
  SetExtendedFilter(personnel::EmployeeExtendedFilter());
  SetOidSocialInsuranceStatus("");
}

// --- employee and social-insurance number ---------------------------------

SocialInsuranceNo::SocialInsuranceNo(EmployeeShort const& employee, std::string const& number) {
  SetEmployeeShort(employee);
  SetSocialInsuranceNo(number);
  MakeBoCopy();
}

// --- record object ----------------------------------------------------------

void EEInsurance::Commit() {
  bool const change_of_address = change_of_address_;
  auto const with_address = [change_of_address](auto op) {
    return [op, change_of_address](auto servant, auto token, auto const& v, bool remove_new) {
      return (servant->*op)(token, v, remove_new, change_of_address);
    };
  };
  CommitThreeWay<InsuranceService>(&Stub::createInsurance, with_address(&Stub::addInsurance),
                                   with_address(&Stub::setInsurance), OnFailure::kReset,
                                   RemoveNew::kTrueOnAddFalseOnSet);
}

void EEInsurance::GetMigrationEmployee() {
  // The valid-from date goes out as the internal valid-from date of the
  // copy sent; the object changes only with the answer.
  insurance::EEInsuranceStruct sent = ToIdl();
  field::Set(sent.insurance.timePeriod.internalValidFrom, GetValidFrom());
  auto result = Remote_::Call(&Stub::getMigrationEmployee, sent);
  // Not TakeOver: the object stays as new as it was.
  SetValue(result.in());
  MakeBoCopy();
}

std::string EEInsurance::GetConfirmBeforeSave() const {
  return Remote_::Call(&Stub::getConfirmBeforeSave, ToIdl()).in();
}

std::vector<EEInsurance*>* EEInsurance::GetActiveInsurances(
    std::vector<EEInsuranceFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEInsurance>(
      &Stub::getActiveInsurance, ToIdlSeq<insurance::EEInsuranceFilterSeq>(filters), sort.ToIdl());
}

EEInsurance::Callback* EEInsurance::GetActiveEEInsurancesCB(
    std::vector<EEInsuranceFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveInsuranceCB,
                                   ToIdlSeq<insurance::EEInsuranceFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEInsurance*>* EEInsurance::GetAllInsuranceHistory(std::string oid_employee) {
  return Remote_::List<EEInsurance>(&Stub::getAllInsuranceHistory, oid_employee.c_str());
}

std::vector<EEInsurance*>* EEInsurance::GetActiveEffectiveInsuranceHistory(
    std::string oid_employee) {
  return Remote_::List<EEInsurance>(&Stub::getActiveEffectiveInsuranceHistory,
                                    oid_employee.c_str());
}

std::vector<EEInsurance*>* EEInsurance::GetEffectiveInsuranceHistory(std::string oid_employee,
                                                                     base::VDate date) {
  return Remote_::List<EEInsurance>(&Stub::getEffectiveInsuranceHistory, oid_employee.c_str(),
                                    date.c_str());
}

std::vector<EEInsurance*>* EEInsurance::GetLinkedAllInsuranceHistory(std::string oid_employee) {
  return Remote_::List<EEInsurance>(&Stub::getLinkedAllInsuranceHistory, oid_employee.c_str());
}

std::vector<EEInsurance*>* EEInsurance::GetLinkedActiveEffectiveInsuranceHistory(
    std::string oid_employee) {
  return Remote_::List<EEInsurance>(&Stub::getLinkedActiveEffectiveInsuranceHistory,
                                    oid_employee.c_str());
}

EEInsurance EEInsurance::GetObjectFromObjectId(std::string const& oid_employee,
                                               base::VDate const& effective,
                                               base::VDate const& valid) {
  return Remote_::Fetch<EEInsurance>(&Stub::getObjectFromObjectId, oid_employee.c_str(),
                                     effective.c_str(), valid.c_str());
}

std::vector<EEInsurance*>* EEInsurance::GetInsurancesForEmployeeCopy(
    std::string const& oid_employee, std::string const& valid_from) {
  return Remote_::List<EEInsurance>(&Stub::getInsurancesForEmployeeCopy, oid_employee.c_str(),
                                    valid_from.c_str());
}

long EEInsurance::GetActivePersonGroup(std::string const& oid_p_company, long pnr) {
  EEInsuranceFilter filter;
  filter.SetPnr(pnr);
  filter.SetOidPCompany(oid_p_company);
  std::vector<EEInsuranceFilter*> const filters{&filter};
  auto found =
      Remote_::Call(&Stub::getActiveInsurance, ToIdlSeq<insurance::EEInsuranceFilterSeq>(&filters),
                    base::Sortierung().ToIdl());
  if (found->length() == 0) return 0;
  return EEInsurance(found[0]).GetInsurance().GetPersonGroup();
}

bool EEInsurance::GetPensionable(std::string oid_employee, base::VDate effective,
                                 base::VDate valid) {
  return Remote_::Call(&Stub::getPensionable, oid_employee.c_str(), effective.c_str(),
                       valid.c_str());
}

std::string EEInsurance::GetApprenticeFrom(std::string const& oid_employee) {
  return Remote_::Call(&Stub::getApprenticeFrom, oid_employee.c_str()).in();
}

}  // namespace ostrel
