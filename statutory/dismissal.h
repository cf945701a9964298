// Dismissal certificate data: what an employer certifies when an employment
// ends, one record per employee and validity period: the period
// (DismissalTP), the record object with the employee (EEDismissal), its
// filter, and the dismissal servant's queries.
#ifndef OSTREL_STATUTORY_DISMISSAL_H_
#define OSTREL_STATUTORY_DISMISSAL_H_

#include <string>
#include <vector>

#include "bo.h"
#include "dismissal_kind.h"
#include "employee/employee.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The dismissal data of one validity period.
//
// A new period has limited work permit WORK_PERMIT_UNLIMITED (1), type of
// dismissal DISMISSAL_END_OF_CONTRACT (6), action against unlawful dismissal
// ACTION_UNKNOWN (2), type of delivery DELIVERY_UNKNOWN (2), social
// selection SOCIAL_SELECTION_NOT_MADE (1), time unit TERM_UNIT_NONE (4),
// timing TERM_TIMING_NONE (5), payment of benefits, along payment,
// compensation for holidays and pre-retirement pay 1 (no), GrundUngewiss 0,
// every flag false, ValueForTimeUnit 0 and every date, text and amount
// empty; it counts as unchanged. Built from a struct, or copied, it takes
// that identity and keeps the value as its saved value.
class DismissalTP : public RecordPart<dismissal::DismissalStruct> {
 public:
  DismissalTP();
  using RecordPart::RecordPart;

  // The period's fields, in wire order.
  std::string GetOidEmployee() const { return field::Text(Value().oidEmployee); }
  void SetOidEmployee(std::string const& v) { field::Set(Value().oidEmployee, v); }
  base::VDate GetEndOfEmployment() const { return field::Date(Value().endOfEmployment); }
  void SetEndOfEmployment(base::VDate const& v) { field::Set(Value().endOfEmployment, v); }
  dismissal::LimitedWorkPermitEnum GetLimitedWorkPermit() const {
    return Value().limitedWorkPermit;
  }
  void SetLimitedWorkPermit(dismissal::LimitedWorkPermitEnum v) {
    field::Set(Value().limitedWorkPermit, v);
  }
  bool GetWrittenContract() const { return Value().writtenContract; }
  void SetWrittenContract(bool v) { field::Set(Value().writtenContract, v); }
  base::VDate GetResidPermitLtdBy() const { return field::Date(Value().residPermitLtdBy); }
  void SetResidPermitLtdBy(base::VDate const& v) { field::Set(Value().residPermitLtdBy, v); }
  base::VDate GetCloseOfLimitedContract() const {
    return field::Date(Value().closeOfLimitedContract);
  }
  void SetCloseOfLimitedContract(base::VDate const& v) {
    field::Set(Value().closeOfLimitedContract, v);
  }
  base::VDate GetLastExtensionLimitedContract() const {
    return field::Date(Value().lastExtensionLimitedContract);
  }
  void SetLastExtensionLimitedContract(base::VDate const& v) {
    field::Set(Value().lastExtensionLimitedContract, v);
  }
  bool GetLimitedTwoMonth() const { return Value().limitedTwoMonth; }
  void SetLimitedTwoMonth(bool v) { field::Set(Value().limitedTwoMonth, v); }
  base::VDate GetDateDsmRgn() const { return field::Date(Value().dateDsmRgn); }
  void SetDateDsmRgn(base::VDate const& v) { field::Set(Value().dateDsmRgn, v); }
  bool GetExemption() const { return Value().exemption; }
  void SetExemption(bool v) { field::Set(Value().exemption, v); }
  base::VDate GetExemptionFrom() const { return field::Date(Value().exemptionFrom); }
  void SetExemptionFrom(base::VDate const& v) { field::Set(Value().exemptionFrom, v); }
  base::VDate GetExemptionUntil() const { return field::Date(Value().exemptionUntil); }
  void SetExemptionUntil(base::VDate const& v) { field::Set(Value().exemptionUntil, v); }
  base::VDate GetLastPayment() const { return field::Date(Value().lastPayment); }
  void SetLastPayment(base::VDate const& v) { field::Set(Value().lastPayment, v); }
  dismissal::TypeOfDismissalEnum GetTypeOfDismissal() const { return Value().typeOfDismissal; }
  void SetTypeOfDismissal(dismissal::TypeOfDismissalEnum v) {
    field::Set(Value().typeOfDismissal, v);
  }
  bool GetWrittenDismissal() const { return Value().writtenDismissal; }
  void SetWrittenDismissal(bool v) { field::Set(Value().writtenDismissal, v); }
  bool GetDismissalForOperationalReasons() const { return Value().dismissalForOperationalReasons; }
  void SetDismissalForOperationalReasons(bool v) {
    field::Set(Value().dismissalForOperationalReasons, v);
  }
  dismissal::TypeOfActionEnum GetActionAgainstUnlawfulDismissal() const {
    return Value().actionAgainstUnlawfulDismissal;
  }
  void SetActionAgainstUnlawfulDismissal(dismissal::TypeOfActionEnum v) {
    field::Set(Value().actionAgainstUnlawfulDismissal, v);
  }
  dismissal::TypeOfDeliveryEnum GetTypeOfDelivery() const { return Value().typeOfDelivery; }
  void SetTypeOfDelivery(dismissal::TypeOfDeliveryEnum v) { field::Set(Value().typeOfDelivery, v); }
  bool GetBecauseContraryToContractBehavior() const {
    return Value().becauseContraryToContractBehavior;
  }
  void SetBecauseContraryToContractBehavior(bool v) {
    field::Set(Value().becauseContraryToContractBehavior, v);
  }
  bool GetAlreadyDissuasion() const { return Value().alreadyDissuasion; }
  void SetAlreadyDissuasion(bool v) { field::Set(Value().alreadyDissuasion, v); }
  base::VDate GetDateOfDissuasion() const { return field::Date(Value().dateOfDissuasion); }
  void SetDateOfDissuasion(base::VDate const& v) { field::Set(Value().dateOfDissuasion, v); }
  std::string GetTextContraryToContractBehavior() const {
    return field::Text(Value().textContraryToContractBehavior);
  }
  void SetTextContraryToContractBehavior(std::string const& v) {
    field::Set(Value().textContraryToContractBehavior, v);
  }
  bool GetAgreementOfDismissal() const { return Value().agreementOfDismissal; }
  void SetAgreementOfDismissal(bool v) { field::Set(Value().agreementOfDismissal, v); }
  dismissal::TypeOfSocialSelectionEnum GetSocialSelection() const {
    return Value().socialSelection;
  }
  void SetSocialSelection(dismissal::TypeOfSocialSelectionEnum v) {
    field::Set(Value().socialSelection, v);
  }
  std::string GetTextSocialSelection() const { return field::Text(Value().textSocialSelection); }
  void SetTextSocialSelection(std::string const& v) { field::Set(Value().textSocialSelection, v); }
  base::VDate GetSentenceOfDismissalAt() const {
    return field::Date(Value().sentenceOfDismissalAt);
  }
  void SetSentenceOfDismissalAt(base::VDate const& v) {
    field::Set(Value().sentenceOfDismissalAt, v);
  }
  base::VDate GetSentenceOfDismissalTOThe() const {
    return field::Date(Value().sentenceOfDismissalTOThe);
  }
  void SetSentenceOfDismissalTOThe(base::VDate const& v) {
    field::Set(Value().sentenceOfDismissalTOThe, v);
  }
  long GetValueForTimeUnit() const { return Value().valueForTimeUnit; }
  void SetValueForTimeUnit(long v) { field::Set(Value().valueForTimeUnit, v); }
  dismissal::TimeUnitOfTermOfNoticeEnum GetTimeUnit() const { return Value().timeUnit; }
  void SetTimeUnit(dismissal::TimeUnitOfTermOfNoticeEnum v) { field::Set(Value().timeUnit, v); }
  dismissal::TimingOfTermOfNoticeEnum GetTiming() const { return Value().timing; }
  void SetTiming(dismissal::TimingOfTermOfNoticeEnum v) { field::Set(Value().timing, v); }
  bool GetTerminationByER() const { return Value().terminationByER; }
  void SetTerminationByER(bool v) { field::Set(Value().terminationByER, v); }
  bool GetTerminationUnlimeited() const { return Value().terminationUnlimeited; }
  void SetTerminationUnlimeited(bool v) { field::Set(Value().terminationUnlimeited, v); }
  std::string GetTextTerminationUnlimited() const {
    return field::Text(Value().textTerminationUnlimited);
  }
  void SetTextTerminationUnlimited(std::string const& v) {
    field::Set(Value().textTerminationUnlimited, v);
  }
  std::string GetTextTerminationLimited() const {
    return field::Text(Value().textTerminationLimited);
  }
  void SetTextTerminationLimited(std::string const& v) {
    field::Set(Value().textTerminationLimited, v);
  }
  bool GetOnlyByCompensation() const { return Value().onlyByCompensation; }
  void SetOnlyByCompensation(bool v) { field::Set(Value().onlyByCompensation, v); }
  bool GetAlsoDismissal() const { return Value().alsoDismissal; }
  void SetAlsoDismissal(bool v) { field::Set(Value().alsoDismissal, v); }
  dismissal::PaymentOfBenefitsEnum GetPaymentOfBenefits() const {
    return Value().paymentOfBenefits;
  }
  void SetPaymentOfBenefits(dismissal::PaymentOfBenefitsEnum v) {
    field::Set(Value().paymentOfBenefits, v);
  }
  std::string GetTextUncertitude() const { return field::Text(Value().textUncertitude); }
  void SetTextUncertitude(std::string const& v) { field::Set(Value().textUncertitude, v); }
  dismissal::AlongPaymentEnum GetAlongPayment() const { return Value().alongPayment; }
  void SetAlongPayment(dismissal::AlongPaymentEnum v) { field::Set(Value().alongPayment, v); }
  base::VDate GetAlongPaymentUntil() const { return field::Date(Value().alongPaymentUntil); }
  void SetAlongPaymentUntil(base::VDate const& v) { field::Set(Value().alongPaymentUntil, v); }
  dismissal::CompensationForHolidayEnum GetCompensationForHolidays() const {
    return Value().compensationForHolidays;
  }
  void SetCompensationForHolidays(dismissal::CompensationForHolidayEnum v) {
    field::Set(Value().compensationForHolidays, v);
  }
  base::VDate GetSubsequentHoliday() const { return field::Date(Value().subsequentHoliday); }
  void SetSubsequentHoliday(base::VDate const& v) { field::Set(Value().subsequentHoliday, v); }
  dismissal::PreRetirementPayEnum GetPreRetirementPay() const { return Value().preRetirementPay; }
  void SetPreRetirementPay(dismissal::PreRetirementPayEnum v) {
    field::Set(Value().preRetirementPay, v);
  }
  base::VDate GetPreRetirementPayBeginn() const {
    return field::Date(Value().preRetirementPayBeginn);
  }
  void SetPreRetirementPayBeginn(base::VDate const& v) {
    field::Set(Value().preRetirementPayBeginn, v);
  }
  base::VFixed GetPreriterimentperc() const { return field::Fixed(Value().preriterimentperc); }
  void SetPreriterimentperc(base::VFixed const& v) { field::Set(Value().preriterimentperc, v); }
  bool GetHalfMonthlySalary() const { return Value().halfMonthlySalary; }
  void SetHalfMonthlySalary(bool v) { field::Set(Value().halfMonthlySalary, v); }
  bool GetAlsoCompensation() const { return Value().alsoCompensation; }
  void SetAlsoCompensation(bool v) { field::Set(Value().alsoCompensation, v); }
  std::string GetOidemploffice() const { return field::Text(Value().oidemploffice); }
  void SetOidemploffice(std::string const& v) { field::Set(Value().oidemploffice, v); }
  bool GetKuendigungAusWichtigemGrd() const { return Value().kuendigungAusWichtigemGrd; }
  void SetKuendigungAusWichtigemGrd(bool v) { field::Set(Value().kuendigungAusWichtigemGrd, v); }
  dismissal::GrundUngewissEnum GetGrundUngewiss() const { return Value().grundUngewiss; }
  void SetGrundUngewiss(dismissal::GrundUngewissEnum v) { field::Set(Value().grundUngewiss, v); }
};

// Selection of GetActiveDismissals and GetActiveDismissalsCB. Several
// filters in one query select what any of them selects.
//
// A new filter (and one after ClearEEDismissalFilter) has no company and no
// surname, the personnel number cleared, the empty withdrawal date and list
// display LIST_ACTIVE_EMPLOYEES (0).
class EEDismissalFilter {
 public:
  EEDismissalFilter();

  void ClearEEDismissalFilter();

  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }

  dismissal::EEDismissalFilterStruct ToIdl() const { return filter_; }

 private:
  dismissal::EEDismissalFilterStruct filter_{};
};

// An employee's dismissal data of one validity period, with the employee's
// short view. It is keyed by the employee: GetObjectid() is the employee's
// object id, and the record is new (IsNew()) until it was created or read
// from the server; setting the employee does not change that.
//
// A new EEDismissal holds a default EmployeeShort and a default DismissalTP.
//
// Commit sends only the period (createDismissal; addDismissal when the
// valid-from date differs from the stored internal valid-from date, which
// then takes it; setDismissal otherwise; add and set with the object's
// remove-new flag) and takes over the whole answer. Delete sends only the
// employee's object id of the current value, whether or not the record was
// ever stored. A failed Commit or Delete returns to the last saved value.
class EEDismissal
    : public PersonnelRecord<dismissal::EEDismissalStruct, EmployeeShort, DismissalTP> {
 public:
  using Callback = base::VCallback<
      EEDismissal,
      POA_com::ostrel::personnel::domain::employee::elena::dismissal::EEDismissalStructCallback,
      dismissal::EEDismissalSeq>;

  EEDismissal() = default;
  explicit EEDismissal(dismissal::EEDismissalStruct const& s) : PersonnelRecord(s) {}

  EmployeeShort GetEmployeeShort() const { return GetRoot(); }
  void SetEmployeeShort(EmployeeShort const& v) { SetRoot(v); }

  // Empties the effective-from date; no remote call.
  void ResetEffectiveFrom() { Period().effectiveFrom = ""; }

  void Commit();
  void Delete();

  // Queries; list results are new vectors of new objects, owned by the
  // caller. The string of the history queries is the employee's object id.
  static std::vector<EEDismissal*>* GetActiveDismissals(
      std::vector<EEDismissalFilter*> const* filters, base::Sortierung const& sort);
  static Callback* GetActiveDismissalsCB(std::vector<EEDismissalFilter*> const* filters,
                                         base::Sortierung const& sort, unsigned int max_hits);
  static std::vector<EEDismissal*>* GetAllDismissalHistory(std::string oid_employee);
  static std::vector<EEDismissal*>* GetActiveEffectiveDismissalHistory(std::string oid_employee);
  static std::vector<EEDismissal*>* GetEffectiveDismissalHistory(std::string oid_employee,
                                                                 base::VDate date);

 private:
  using PersonnelRecord::GetRoot;
  using PersonnelRecord::SetRoot;
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_DISMISSAL_H_
