#include "statutory/dismissal.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<DismissalService>;
using Stub = Remote_::Stub;

// --- the period -------------------------------------------------------------

DismissalTP::DismissalTP() {
  Value() = dismissal::DismissalStruct();
  SetLimitedWorkPermit(dismissal::WORK_PERMIT_UNLIMITED);
  SetWrittenContract(false);
  SetLimitedTwoMonth(false);
  SetExemption(false);
  SetTypeOfDismissal(dismissal::DISMISSAL_END_OF_CONTRACT);
  SetWrittenDismissal(false);
  SetDismissalForOperationalReasons(false);
  SetActionAgainstUnlawfulDismissal(dismissal::ACTION_UNKNOWN);
  SetTypeOfDelivery(dismissal::DELIVERY_UNKNOWN);
  SetBecauseContraryToContractBehavior(false);
  SetAlreadyDissuasion(false);
  SetAgreementOfDismissal(false);
  SetSocialSelection(dismissal::SOCIAL_SELECTION_NOT_MADE);
  SetValueForTimeUnit(0);
  SetTimeUnit(dismissal::TERM_UNIT_NONE);
  SetTiming(dismissal::TERM_TIMING_NONE);
  SetTerminationByER(false);
  SetTerminationUnlimeited(false);
  SetOnlyByCompensation(false);
  SetAlsoDismissal(false);
  SetPaymentOfBenefits(dismissal::BENEFITS_NOT_PAID);
  SetAlongPayment(dismissal::ALONG_PAYMENT_NO);
  SetCompensationForHolidays(dismissal::HOLIDAY_NOT_COMPENSATED);
  SetPreRetirementPay(dismissal::PRE_RETIREMENT_PAY_NO);
  SetHalfMonthlySalary(false);
  SetAlsoCompensation(false);
  SetKuendigungAusWichtigemGrd(false);
  SetGrundUngewiss(dismissal::REASON_CERTAIN);
  MakeBoCopy();
}

// --- filter ---------------------------------------------------------------

EEDismissalFilter::EEDismissalFilter() { ClearEEDismissalFilter(); }

void EEDismissalFilter::ClearEEDismissalFilter() {
  SetOidPCompany("");
  ClearPnr();
  SetSurname("");
  SetFixedDateOfWithDrawal(base::VDate(""));
  SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
}

// --- record object ----------------------------------------------------------

void EEDismissal::Commit() {
  // Only the period travels; the answer is the whole record.
  CommitThreeWay<DismissalService>(
      SendingPart<&dismissal::EEDismissalStruct::history>(&Stub::createDismissal),
      SendingPart<&dismissal::EEDismissalStruct::history>(&Stub::addDismissal),
      SendingPart<&dismissal::EEDismissalStruct::history>(&Stub::setDismissal));
}

void EEDismissal::Delete() {
  // The employee alone names what is deleted.
  RemoteWrite<DismissalService>(
      [this](auto servant, auto token) { servant->deleteDismissal(token, EmployeeOid()); },
      OnFailure::kReset);
}

std::vector<EEDismissal*>* EEDismissal::GetActiveDismissals(
    std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEDismissal>(
      &Stub::getActiveDismissal, ToIdlSeq<dismissal::EEDismissalFilterSeq>(filters), sort.ToIdl());
}

EEDismissal::Callback* EEDismissal::GetActiveDismissalsCB(
    std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream<Callback>(max_hits, &Stub::getActiveDismissalCB,
                                   ToIdlSeq<dismissal::EEDismissalFilterSeq>(filters),
                                   sort.ToIdl());
}

std::vector<EEDismissal*>* EEDismissal::GetAllDismissalHistory(std::string oid_employee) {
  return Remote_::List<EEDismissal>(&Stub::getAllDismissalHistory, oid_employee.c_str());
}

std::vector<EEDismissal*>* EEDismissal::GetActiveEffectiveDismissalHistory(
    std::string oid_employee) {
  return Remote_::List<EEDismissal>(&Stub::getActiveEffectiveDismissalHistory,
                                    oid_employee.c_str());
}

std::vector<EEDismissal*>* EEDismissal::GetEffectiveDismissalHistory(std::string oid_employee,
                                                                     base::VDate date) {
  return Remote_::List<EEDismissal>(&Stub::getEffectiveDismissalHistory, oid_employee.c_str(),
                                    date.c_str());
}

}  // namespace ostrel
