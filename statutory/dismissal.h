// Dismissal certificate data: what an employer certifies when an employment
// ends, one record per employee and validity period: the period
// (DismissalTP), the record object with the employee (EEDismissal), its
// filter, and the dismissal servant's queries.
#ifndef OSTREL_STATUTORY_DISMISSAL_H_
#define OSTREL_STATUTORY_DISMISSAL_H_

#include <string>
#include <vector>

#include "bo.h"
#include "dismissal.hh"
#include "employee/employee.h"
#include "personnel_bo.h"
#include "record_layout.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace dismissal = com::ostrel::personnel::domain::employee::elena::dismissal;

// The employee's short view first, then the period.
template <>
struct RecordLayout<dismissal::EEDismissalStruct>
    : EmployeeRecordLayout<&dismissal::EEDismissalStruct::employeeShort,
                           &dismissal::EEDismissalStruct::history> {};

struct DismissalService {
  using Servant = dismissal::DismissalServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.elena.dismissal.DismissalServantImpl";
};

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
class DismissalTP : public base::BO<dismissal::DismissalStruct> {
 public:
  DismissalTP();
  explicit DismissalTP(dismissal::DismissalStruct const& s);
  DismissalTP(DismissalTP const& o);
  DismissalTP& operator=(DismissalTP const&) = default;

  // The period's fields, in wire order.
  std::string GetOidEmployee() const;
  void SetOidEmployee(std::string const& v);
  base::VDate GetEndOfEmployment() const;
  void SetEndOfEmployment(base::VDate const& v);
  dismissal::LimitedWorkPermitEnum GetLimitedWorkPermit() const;
  void SetLimitedWorkPermit(dismissal::LimitedWorkPermitEnum v);
  bool GetWrittenContract() const;
  void SetWrittenContract(bool v);
  base::VDate GetResidPermitLtdBy() const;
  void SetResidPermitLtdBy(base::VDate const& v);
  base::VDate GetCloseOfLimitedContract() const;
  void SetCloseOfLimitedContract(base::VDate const& v);
  base::VDate GetLastExtensionLimitedContract() const;
  void SetLastExtensionLimitedContract(base::VDate const& v);
  bool GetLimitedTwoMonth() const;
  void SetLimitedTwoMonth(bool v);
  base::VDate GetDateDsmRgn() const;
  void SetDateDsmRgn(base::VDate const& v);
  bool GetExemption() const;
  void SetExemption(bool v);
  base::VDate GetExemptionFrom() const;
  void SetExemptionFrom(base::VDate const& v);
  base::VDate GetExemptionUntil() const;
  void SetExemptionUntil(base::VDate const& v);
  base::VDate GetLastPayment() const;
  void SetLastPayment(base::VDate const& v);
  dismissal::TypeOfDismissalEnum GetTypeOfDismissal() const;
  void SetTypeOfDismissal(dismissal::TypeOfDismissalEnum v);
  bool GetWrittenDismissal() const;
  void SetWrittenDismissal(bool v);
  bool GetDismissalForOperationalReasons() const;
  void SetDismissalForOperationalReasons(bool v);
  dismissal::TypeOfActionEnum GetActionAgainstUnlawfulDismissal() const;
  void SetActionAgainstUnlawfulDismissal(dismissal::TypeOfActionEnum v);
  dismissal::TypeOfDeliveryEnum GetTypeOfDelivery() const;
  void SetTypeOfDelivery(dismissal::TypeOfDeliveryEnum v);
  bool GetBecauseContraryToContractBehavior() const;
  void SetBecauseContraryToContractBehavior(bool v);
  bool GetAlreadyDissuasion() const;
  void SetAlreadyDissuasion(bool v);
  base::VDate GetDateOfDissuasion() const;
  void SetDateOfDissuasion(base::VDate const& v);
  std::string GetTextContraryToContractBehavior() const;
  void SetTextContraryToContractBehavior(std::string const& v);
  bool GetAgreementOfDismissal() const;
  void SetAgreementOfDismissal(bool v);
  dismissal::TypeOfSocialSelectionEnum GetSocialSelection() const;
  void SetSocialSelection(dismissal::TypeOfSocialSelectionEnum v);
  std::string GetTextSocialSelection() const;
  void SetTextSocialSelection(std::string const& v);
  base::VDate GetSentenceOfDismissalAt() const;
  void SetSentenceOfDismissalAt(base::VDate const& v);
  base::VDate GetSentenceOfDismissalTOThe() const;
  void SetSentenceOfDismissalTOThe(base::VDate const& v);
  long GetValueForTimeUnit() const;
  void SetValueForTimeUnit(long v);
  dismissal::TimeUnitOfTermOfNoticeEnum GetTimeUnit() const;
  void SetTimeUnit(dismissal::TimeUnitOfTermOfNoticeEnum v);
  dismissal::TimingOfTermOfNoticeEnum GetTiming() const;
  void SetTiming(dismissal::TimingOfTermOfNoticeEnum v);
  bool GetTerminationByER() const;
  void SetTerminationByER(bool v);
  bool GetTerminationUnlimeited() const;
  void SetTerminationUnlimeited(bool v);
  std::string GetTextTerminationUnlimited() const;
  void SetTextTerminationUnlimited(std::string const& v);
  std::string GetTextTerminationLimited() const;
  void SetTextTerminationLimited(std::string const& v);
  bool GetOnlyByCompensation() const;
  void SetOnlyByCompensation(bool v);
  bool GetAlsoDismissal() const;
  void SetAlsoDismissal(bool v);
  dismissal::PaymentOfBenefitsEnum GetPaymentOfBenefits() const;
  void SetPaymentOfBenefits(dismissal::PaymentOfBenefitsEnum v);
  std::string GetTextUncertitude() const;
  void SetTextUncertitude(std::string const& v);
  dismissal::AlongPaymentEnum GetAlongPayment() const;
  void SetAlongPayment(dismissal::AlongPaymentEnum v);
  base::VDate GetAlongPaymentUntil() const;
  void SetAlongPaymentUntil(base::VDate const& v);
  dismissal::CompensationForHolidayEnum GetCompensationForHolidays() const;
  void SetCompensationForHolidays(dismissal::CompensationForHolidayEnum v);
  base::VDate GetSubsequentHoliday() const;
  void SetSubsequentHoliday(base::VDate const& v);
  dismissal::PreRetirementPayEnum GetPreRetirementPay() const;
  void SetPreRetirementPay(dismissal::PreRetirementPayEnum v);
  base::VDate GetPreRetirementPayBeginn() const;
  void SetPreRetirementPayBeginn(base::VDate const& v);
  base::VFixed GetPreriterimentperc() const;
  void SetPreriterimentperc(base::VFixed const& v);
  bool GetHalfMonthlySalary() const;
  void SetHalfMonthlySalary(bool v);
  bool GetAlsoCompensation() const;
  void SetAlsoCompensation(bool v);
  std::string GetOidemploffice() const;
  void SetOidemploffice(std::string const& v);
  bool GetKuendigungAusWichtigemGrd() const;
  void SetKuendigungAusWichtigemGrd(bool v);
  dismissal::GrundUngewissEnum GetGrundUngewiss() const;
  void SetGrundUngewiss(dismissal::GrundUngewissEnum v);
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

  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::string const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);

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
  void ResetEffectiveFrom();

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
