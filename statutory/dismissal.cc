#include "statutory/dismissal.h"

#include "field.h"
#include "remote.h"

namespace ostrel {

using Remote_ = Remote<DismissalService>;
using dismissal::DismissalServant_ptr;
using Token = AccessToken_ptr;

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
DismissalTP::DismissalTP(dismissal::DismissalStruct const& s) : BO(s) {
  SetObjectStruct(s.objectStruct);
  MakeBoCopy();
}
DismissalTP::DismissalTP(DismissalTP const& o) : BO(o) { MakeBoCopy(); }

std::string DismissalTP::GetOidEmployee() const { return field::Text(Value().oidEmployee); }
void DismissalTP::SetOidEmployee(std::string const& v) { field::SetText(Value().oidEmployee, v); }
base::VDate DismissalTP::GetEndOfEmployment() const { return field::Date(Value().endOfEmployment); }
void DismissalTP::SetEndOfEmployment(base::VDate const& v) {
  field::SetDate(Value().endOfEmployment, v);
}
dismissal::LimitedWorkPermitEnum DismissalTP::GetLimitedWorkPermit() const {
  return Value().limitedWorkPermit;
}
void DismissalTP::SetLimitedWorkPermit(dismissal::LimitedWorkPermitEnum v) {
  Value().limitedWorkPermit = v;
}
bool DismissalTP::GetWrittenContract() const { return Value().writtenContract; }
void DismissalTP::SetWrittenContract(bool v) { Value().writtenContract = v; }
base::VDate DismissalTP::GetResidPermitLtdBy() const {
  return field::Date(Value().residPermitLtdBy);
}
void DismissalTP::SetResidPermitLtdBy(base::VDate const& v) {
  field::SetDate(Value().residPermitLtdBy, v);
}
base::VDate DismissalTP::GetCloseOfLimitedContract() const {
  return field::Date(Value().closeOfLimitedContract);
}
void DismissalTP::SetCloseOfLimitedContract(base::VDate const& v) {
  field::SetDate(Value().closeOfLimitedContract, v);
}
base::VDate DismissalTP::GetLastExtensionLimitedContract() const {
  return field::Date(Value().lastExtensionLimitedContract);
}
void DismissalTP::SetLastExtensionLimitedContract(base::VDate const& v) {
  field::SetDate(Value().lastExtensionLimitedContract, v);
}
bool DismissalTP::GetLimitedTwoMonth() const { return Value().limitedTwoMonth; }
void DismissalTP::SetLimitedTwoMonth(bool v) { Value().limitedTwoMonth = v; }
base::VDate DismissalTP::GetDateDsmRgn() const { return field::Date(Value().dateDsmRgn); }
void DismissalTP::SetDateDsmRgn(base::VDate const& v) { field::SetDate(Value().dateDsmRgn, v); }
bool DismissalTP::GetExemption() const { return Value().exemption; }
void DismissalTP::SetExemption(bool v) { Value().exemption = v; }
base::VDate DismissalTP::GetExemptionFrom() const { return field::Date(Value().exemptionFrom); }
void DismissalTP::SetExemptionFrom(base::VDate const& v) {
  field::SetDate(Value().exemptionFrom, v);
}
base::VDate DismissalTP::GetExemptionUntil() const { return field::Date(Value().exemptionUntil); }
void DismissalTP::SetExemptionUntil(base::VDate const& v) {
  field::SetDate(Value().exemptionUntil, v);
}
base::VDate DismissalTP::GetLastPayment() const { return field::Date(Value().lastPayment); }
void DismissalTP::SetLastPayment(base::VDate const& v) { field::SetDate(Value().lastPayment, v); }
dismissal::TypeOfDismissalEnum DismissalTP::GetTypeOfDismissal() const {
  return Value().typeOfDismissal;
}
void DismissalTP::SetTypeOfDismissal(dismissal::TypeOfDismissalEnum v) {
  Value().typeOfDismissal = v;
}
bool DismissalTP::GetWrittenDismissal() const { return Value().writtenDismissal; }
void DismissalTP::SetWrittenDismissal(bool v) { Value().writtenDismissal = v; }
bool DismissalTP::GetDismissalForOperationalReasons() const {
  return Value().dismissalForOperationalReasons;
}
void DismissalTP::SetDismissalForOperationalReasons(bool v) {
  Value().dismissalForOperationalReasons = v;
}
dismissal::TypeOfActionEnum DismissalTP::GetActionAgainstUnlawfulDismissal() const {
  return Value().actionAgainstUnlawfulDismissal;
}
void DismissalTP::SetActionAgainstUnlawfulDismissal(dismissal::TypeOfActionEnum v) {
  Value().actionAgainstUnlawfulDismissal = v;
}
dismissal::TypeOfDeliveryEnum DismissalTP::GetTypeOfDelivery() const {
  return Value().typeOfDelivery;
}
void DismissalTP::SetTypeOfDelivery(dismissal::TypeOfDeliveryEnum v) { Value().typeOfDelivery = v; }
bool DismissalTP::GetBecauseContraryToContractBehavior() const {
  return Value().becauseContraryToContractBehavior;
}
void DismissalTP::SetBecauseContraryToContractBehavior(bool v) {
  Value().becauseContraryToContractBehavior = v;
}
bool DismissalTP::GetAlreadyDissuasion() const { return Value().alreadyDissuasion; }
void DismissalTP::SetAlreadyDissuasion(bool v) { Value().alreadyDissuasion = v; }
base::VDate DismissalTP::GetDateOfDissuasion() const {
  return field::Date(Value().dateOfDissuasion);
}
void DismissalTP::SetDateOfDissuasion(base::VDate const& v) {
  field::SetDate(Value().dateOfDissuasion, v);
}
std::string DismissalTP::GetTextContraryToContractBehavior() const {
  return field::Text(Value().textContraryToContractBehavior);
}
void DismissalTP::SetTextContraryToContractBehavior(std::string const& v) {
  field::SetText(Value().textContraryToContractBehavior, v);
}
bool DismissalTP::GetAgreementOfDismissal() const { return Value().agreementOfDismissal; }
void DismissalTP::SetAgreementOfDismissal(bool v) { Value().agreementOfDismissal = v; }
dismissal::TypeOfSocialSelectionEnum DismissalTP::GetSocialSelection() const {
  return Value().socialSelection;
}
void DismissalTP::SetSocialSelection(dismissal::TypeOfSocialSelectionEnum v) {
  Value().socialSelection = v;
}
std::string DismissalTP::GetTextSocialSelection() const {
  return field::Text(Value().textSocialSelection);
}
void DismissalTP::SetTextSocialSelection(std::string const& v) {
  field::SetText(Value().textSocialSelection, v);
}
base::VDate DismissalTP::GetSentenceOfDismissalAt() const {
  return field::Date(Value().sentenceOfDismissalAt);
}
void DismissalTP::SetSentenceOfDismissalAt(base::VDate const& v) {
  field::SetDate(Value().sentenceOfDismissalAt, v);
}
base::VDate DismissalTP::GetSentenceOfDismissalTOThe() const {
  return field::Date(Value().sentenceOfDismissalTOThe);
}
void DismissalTP::SetSentenceOfDismissalTOThe(base::VDate const& v) {
  field::SetDate(Value().sentenceOfDismissalTOThe, v);
}
long DismissalTP::GetValueForTimeUnit() const { return Value().valueForTimeUnit; }
void DismissalTP::SetValueForTimeUnit(long v) {
  Value().valueForTimeUnit = static_cast<CORBA::Long>(v);
}
dismissal::TimeUnitOfTermOfNoticeEnum DismissalTP::GetTimeUnit() const { return Value().timeUnit; }
void DismissalTP::SetTimeUnit(dismissal::TimeUnitOfTermOfNoticeEnum v) { Value().timeUnit = v; }
dismissal::TimingOfTermOfNoticeEnum DismissalTP::GetTiming() const { return Value().timing; }
void DismissalTP::SetTiming(dismissal::TimingOfTermOfNoticeEnum v) { Value().timing = v; }
bool DismissalTP::GetTerminationByER() const { return Value().terminationByER; }
void DismissalTP::SetTerminationByER(bool v) { Value().terminationByER = v; }
bool DismissalTP::GetTerminationUnlimeited() const { return Value().terminationUnlimeited; }
void DismissalTP::SetTerminationUnlimeited(bool v) { Value().terminationUnlimeited = v; }
std::string DismissalTP::GetTextTerminationUnlimited() const {
  return field::Text(Value().textTerminationUnlimited);
}
void DismissalTP::SetTextTerminationUnlimited(std::string const& v) {
  field::SetText(Value().textTerminationUnlimited, v);
}
std::string DismissalTP::GetTextTerminationLimited() const {
  return field::Text(Value().textTerminationLimited);
}
void DismissalTP::SetTextTerminationLimited(std::string const& v) {
  field::SetText(Value().textTerminationLimited, v);
}
bool DismissalTP::GetOnlyByCompensation() const { return Value().onlyByCompensation; }
void DismissalTP::SetOnlyByCompensation(bool v) { Value().onlyByCompensation = v; }
bool DismissalTP::GetAlsoDismissal() const { return Value().alsoDismissal; }
void DismissalTP::SetAlsoDismissal(bool v) { Value().alsoDismissal = v; }
dismissal::PaymentOfBenefitsEnum DismissalTP::GetPaymentOfBenefits() const {
  return Value().paymentOfBenefits;
}
void DismissalTP::SetPaymentOfBenefits(dismissal::PaymentOfBenefitsEnum v) {
  Value().paymentOfBenefits = v;
}
std::string DismissalTP::GetTextUncertitude() const { return field::Text(Value().textUncertitude); }
void DismissalTP::SetTextUncertitude(std::string const& v) {
  field::SetText(Value().textUncertitude, v);
}
dismissal::AlongPaymentEnum DismissalTP::GetAlongPayment() const { return Value().alongPayment; }
void DismissalTP::SetAlongPayment(dismissal::AlongPaymentEnum v) { Value().alongPayment = v; }
base::VDate DismissalTP::GetAlongPaymentUntil() const {
  return field::Date(Value().alongPaymentUntil);
}
void DismissalTP::SetAlongPaymentUntil(base::VDate const& v) {
  field::SetDate(Value().alongPaymentUntil, v);
}
dismissal::CompensationForHolidayEnum DismissalTP::GetCompensationForHolidays() const {
  return Value().compensationForHolidays;
}
void DismissalTP::SetCompensationForHolidays(dismissal::CompensationForHolidayEnum v) {
  Value().compensationForHolidays = v;
}
base::VDate DismissalTP::GetSubsequentHoliday() const {
  return field::Date(Value().subsequentHoliday);
}
void DismissalTP::SetSubsequentHoliday(base::VDate const& v) {
  field::SetDate(Value().subsequentHoliday, v);
}
dismissal::PreRetirementPayEnum DismissalTP::GetPreRetirementPay() const {
  return Value().preRetirementPay;
}
void DismissalTP::SetPreRetirementPay(dismissal::PreRetirementPayEnum v) {
  Value().preRetirementPay = v;
}
base::VDate DismissalTP::GetPreRetirementPayBeginn() const {
  return field::Date(Value().preRetirementPayBeginn);
}
void DismissalTP::SetPreRetirementPayBeginn(base::VDate const& v) {
  field::SetDate(Value().preRetirementPayBeginn, v);
}
base::VFixed DismissalTP::GetPreriterimentperc() const {
  return field::Fixed(Value().preriterimentperc);
}
void DismissalTP::SetPreriterimentperc(base::VFixed const& v) {
  field::SetFixed(Value().preriterimentperc, v);
}
bool DismissalTP::GetHalfMonthlySalary() const { return Value().halfMonthlySalary; }
void DismissalTP::SetHalfMonthlySalary(bool v) { Value().halfMonthlySalary = v; }
bool DismissalTP::GetAlsoCompensation() const { return Value().alsoCompensation; }
void DismissalTP::SetAlsoCompensation(bool v) { Value().alsoCompensation = v; }
std::string DismissalTP::GetOidemploffice() const { return field::Text(Value().oidemploffice); }
void DismissalTP::SetOidemploffice(std::string const& v) {
  field::SetText(Value().oidemploffice, v);
}
bool DismissalTP::GetKuendigungAusWichtigemGrd() const { return Value().kuendigungAusWichtigemGrd; }
void DismissalTP::SetKuendigungAusWichtigemGrd(bool v) { Value().kuendigungAusWichtigemGrd = v; }
dismissal::GrundUngewissEnum DismissalTP::GetGrundUngewiss() const { return Value().grundUngewiss; }
void DismissalTP::SetGrundUngewiss(dismissal::GrundUngewissEnum v) { Value().grundUngewiss = v; }

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
void EEDismissalFilter::SetOidPCompany(std::string const& v) {
  field::SetText(filter_.oidPCompany, v);
}
void EEDismissalFilter::SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
void EEDismissalFilter::ClearPnr() { filter_.pnr._default(); }
void EEDismissalFilter::SetSurname(std::string const& v) { field::SetText(filter_.surname, v); }
void EEDismissalFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  field::SetDate(filter_.fixedDateOfWithDrawal, v);
}
void EEDismissalFilter::SetListDisplayOfEmployeeEnum(
    com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}

// --- record object ----------------------------------------------------------

void EEDismissal::ResetEffectiveFrom() { Period().effectiveFrom = ""; }

void EEDismissal::Commit() {
  // Only the period travels; the answer is the whole record.
  CommitThreeWay<DismissalService>(
      [](DismissalServant_ptr s, Token t, dismissal::EEDismissalStruct const& v) {
        return s->createDismissal(t, v.history);
      },
      [](DismissalServant_ptr s, Token t, dismissal::EEDismissalStruct const& v, bool removeNew) {
        return s->addDismissal(t, v.history, removeNew);
      },
      [](DismissalServant_ptr s, Token t, dismissal::EEDismissalStruct const& v, bool removeNew) {
        return s->setDismissal(t, v.history, removeNew);
      });
}

void EEDismissal::Delete() {
  // The employee alone names what is deleted.
  RemoteWrite<DismissalService>(
      [this](DismissalServant_ptr s, Token t) { s->deleteDismissal(t, EmployeeOid()); },
      OnFailure::kReset);
}

std::vector<EEDismissal*>* EEDismissal::GetActiveDismissals(
    std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort) {
  return Remote_::List<EEDismissal>([](DismissalServant_ptr s, Token t, auto const& f,
                                       auto const& o) { return s->getActiveDismissal(t, f, o); },
                                    ToIdlSeq<dismissal::EEDismissalFilterSeq>(filters),
                                    sort.ToIdl());
}

EEDismissal::Callback* EEDismissal::GetActiveDismissalsCB(
    std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort,
    unsigned int max_hits) {
  return Remote_::Stream(
      new Callback(max_hits),
      [](DismissalServant_ptr s, Token t, auto const& f, auto const& o, auto cb) {
        s->getActiveDismissalCB(t, f, o, cb);
      },
      ToIdlSeq<dismissal::EEDismissalFilterSeq>(filters), sort.ToIdl());
}

std::vector<EEDismissal*>* EEDismissal::GetAllDismissalHistory(std::string oid_employee) {
  return Remote_::List<EEDismissal>(
      [](DismissalServant_ptr s, Token t, std::string const& e) {
        return s->getAllDismissalHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEDismissal*>* EEDismissal::GetActiveEffectiveDismissalHistory(
    std::string oid_employee) {
  return Remote_::List<EEDismissal>(
      [](DismissalServant_ptr s, Token t, std::string const& e) {
        return s->getActiveEffectiveDismissalHistory(t, e.c_str());
      },
      oid_employee);
}

std::vector<EEDismissal*>* EEDismissal::GetEffectiveDismissalHistory(std::string oid_employee,
                                                                     base::VDate date) {
  return Remote_::List<EEDismissal>(
      [](DismissalServant_ptr s, Token t, std::string const& e, std::string const& d) {
        return s->getEffectiveDismissalHistory(t, e.c_str(), d.c_str());
      },
      oid_employee, date.ToIdl());
}

}  // namespace ostrel
