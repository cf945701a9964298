// Company pension schemes: per scheme the employee and the implementation way
// (root part) and, per period, membership, the contributions of employer and
// employee (each as current pay or as extra payment, with its months, value
// type and amount), the recipient with its address and bank data,
// carried-forward amounts, contract type, revaluation and advancement. An
// employee may have several schemes; each is a record object of its own.
#ifndef OSTREL_STATUTORY_PENSION_SCHEME_H_
#define OSTREL_STATUTORY_PENSION_SCHEME_H_

#include <string>
#include <vector>

#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "interval.h"
#include "pensionscheme_kind.h"
#include "personnel_bo.h"
#include "postal_address.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

using ImplementationWayEnum = pensionscheme::ImplementationWayEnum;
using ContractTypeEnum = pensionscheme::ContractTypeEnum;
using ModeOfPaymentEnum = com::ostrel::personnel::domain::global::recipient::ModeOfPaymentEnum;
using TypeOfBankTransferEnum =
    com::ostrel::personnel::framework::basictypes::TypeOfBankTransferEnum;

// The time-independent part: the employee (`Ee`) and the implementation way.
//
// A new root holds a default EmployeeShort and implementation way 0. Built
// from a struct, or copied, it takes that identity and keeps the value as its
// saved value.
class EEPensionSchemeRoot : public RecordPart<pensionscheme::PensionSchemeRootStruct> {
 public:
  EEPensionSchemeRoot();
  using RecordPart::RecordPart;

  EmployeeShort GetEe() const { return EmployeeShort(Value().ee); }
  void SetEe(EmployeeShort const& v) { Value().ee = v.ToIdl(); }
  ImplementationWayEnum GetImplementationWay() const { return Value().implementationWay; }
  void SetImplementationWay(ImplementationWayEnum v) { field::Set(Value().implementationWay, v); }
};

// One period of a scheme.
//
// A new period has contract type 3, type of bank transfer 1, revaluation
// set, neither lump-sum taxation nor group insurance, mode of payment 0,
// carried-forward year and both advancement types 0, the four contribution
// intervals Interval(false) (no month), a default postal address, and every
// amount, date and text empty. Built from a struct, or copied, it takes that
// identity and keeps the value as its saved value.
//
// Nested values (intervals, postal address) are returned as new objects and
// set as copies of the argument's value.
class EEPensionSchemeTP : public RecordPart<pensionscheme::PensionSchemeTPStruct> {
 public:
  using Interval = personnel::Interval;
  using PostalAddress = personnel::PostalAddress;

  EEPensionSchemeTP();
  using RecordPart::RecordPart;

  bool GetLumpSumTaxacation() const { return Value().lumpSumTaxacation; }
  void SetLumpSumTaxacation(bool v) { field::Set(Value().lumpSumTaxacation, v); }
  bool GetGroupInsurance() const { return Value().groupInsurance; }
  void SetGroupInsurance(bool v) { field::Set(Value().groupInsurance, v); }
  base::VDate GetDateOfEntry() const { return field::Date(Value().dateOfEntry); }
  void SetDateOfEntry(base::VDate const& v) { field::Set(Value().dateOfEntry, v); }
  base::VDate GetDateOfWithDrawal() const { return field::Date(Value().dateOfWithDrawal); }
  void SetDateOfWithDrawal(base::VDate const& v) { field::Set(Value().dateOfWithDrawal, v); }
  std::string GetMembershipNumber() const { return field::Text(Value().membershipNumber); }
  void SetMembershipNumber(std::string const& v) { field::Set(Value().membershipNumber, v); }

  // Employer, as part of the current pay.
  Interval GetErExpensesPays() const { return Interval(Value().erExpensesPays); }
  void SetErExpensesPays(Interval const& v) { Value().erExpensesPays = v.ToIdl(); }
  std::string GetOidVtERpaysAsCtPay() const { return field::Text(Value().oidVtERpaysAsCtPay); }
  void SetOidVtERpaysAsCtPay(std::string const& v) { field::Set(Value().oidVtERpaysAsCtPay, v); }
  base::VFixed GetDuesERpaysAsCtPay() const { return field::Fixed(Value().duesERpaysAsCtPay); }
  void SetDuesERpaysAsCtPay(base::VFixed const& v) { field::Set(Value().duesERpaysAsCtPay, v); }

  // Employer, as extra payment.
  Interval GetErPaysAsExtra() const { return Interval(Value().erPaysAsExtra); }
  void SetErPaysAsExtra(Interval const& v) { Value().erPaysAsExtra = v.ToIdl(); }
  std::string GetOidVtERpaysAsExtra() const { return field::Text(Value().oidVtERpaysAsExtra); }
  void SetOidVtERpaysAsExtra(std::string const& v) { field::Set(Value().oidVtERpaysAsExtra, v); }
  base::VFixed GetDuesERpaysAsExtra() const { return field::Fixed(Value().duesERpaysAsExtra); }
  void SetDuesERpaysAsExtra(base::VFixed const& v) { field::Set(Value().duesERpaysAsExtra, v); }

  // Employee, as part of the current pay.
  Interval GetEeExpensesPays() const { return Interval(Value().eeExpensesPays); }
  void SetEeExpensesPays(Interval const& v) { Value().eeExpensesPays = v.ToIdl(); }
  std::string GetOidVtEEpaysAsCtPay() const { return field::Text(Value().oidVtEEpaysAsCtPay); }
  void SetOidVtEEpaysAsCtPay(std::string const& v) { field::Set(Value().oidVtEEpaysAsCtPay, v); }
  base::VFixed GetDuesEEpaysAsCtPay() const { return field::Fixed(Value().duesEEpaysAsCtPay); }
  void SetDuesEEpaysAsCtPay(base::VFixed const& v) { field::Set(Value().duesEEpaysAsCtPay, v); }
  std::string GetOidVtAssignToCurrentPay() const {
    return field::Text(Value().oidVtAssignToCurrentPay);
  }
  void SetOidVtAssignToCurrentPay(std::string const& v) {
    field::Set(Value().oidVtAssignToCurrentPay, v);
  }

  // Employee, as extra payment.
  Interval GetEePaysAsExtra() const { return Interval(Value().eePaysAsExtra); }
  void SetEePaysAsExtra(Interval const& v) { Value().eePaysAsExtra = v.ToIdl(); }
  std::string GetOidVtEEpaysAsExtra() const { return field::Text(Value().oidVtEEpaysAsExtra); }
  void SetOidVtEEpaysAsExtra(std::string const& v) { field::Set(Value().oidVtEEpaysAsExtra, v); }
  base::VFixed GetDuesEEpaysAsExtra() const { return field::Fixed(Value().duesEEpaysAsExtra); }
  void SetDuesEEpaysAsExtra(base::VFixed const& v) { field::Set(Value().duesEEpaysAsExtra, v); }
  std::string GetOidVtAssignToExtraPay() const {
    return field::Text(Value().oidVtAssignToExtraPay);
  }
  void SetOidVtAssignToExtraPay(std::string const& v) {
    field::Set(Value().oidVtAssignToExtraPay, v);
  }

  // The recipient and how it is paid.
  std::string GetOidRecipient() const { return field::Text(Value().oidRecipient); }
  void SetOidRecipient(std::string const& v) { field::Set(Value().oidRecipient, v); }
  std::string GetNameOfRecipient() const { return field::Text(Value().nameOfRecipient); }
  void SetNameOfRecipient(std::string const& v) { field::Set(Value().nameOfRecipient, v); }
  PostalAddress GetPostalAddress() const { return PostalAddress(Value().postalAddress); }
  void SetPostalAddress(PostalAddress const& v) { Value().postalAddress = v.ToIdl(); }
  ModeOfPaymentEnum GetModeOfPayment() const { return Value().modeOfPayment; }
  void SetModeOfPayment(ModeOfPaymentEnum v) { field::Set(Value().modeOfPayment, v); }
  std::string GetReasonForTransfer() const { return field::Text(Value().reasonForTransfer); }
  void SetReasonForTransfer(std::string const& v) { field::Set(Value().reasonForTransfer, v); }
  std::string GetOidBank() const { return field::Text(Value().oidBank); }
  void SetOidBank(std::string const& v) { field::Set(Value().oidBank, v); }
  std::string GetAccountNumber() const { return field::Text(Value().accountNumber); }
  void SetAccountNumber(std::string const& v) { field::Set(Value().accountNumber, v); }
  std::string GetOidCompanyAccount() const { return field::Text(Value().oidCompanyAccount); }
  void SetOidCompanyAccount(std::string const& v) { field::Set(Value().oidCompanyAccount, v); }

  long GetCarriedForwardYear() const { return field::Long(Value().carriedForwardYear); }
  void SetCarriedForwardYear(long v) { field::Set(Value().carriedForwardYear, v); }
  base::VFixed GetCarriedForwardSIPaymentNew() const {
    return field::Fixed(Value().carriedForwardSIPaymentNew);
  }
  void SetCarriedForwardSIPaymentNew(base::VFixed const& v) {
    field::Set(Value().carriedForwardSIPaymentNew, v);
  }
  base::VFixed GetCarriedForwardSIPaymentOld() const {
    return field::Fixed(Value().carriedForwardSIPaymentOld);
  }
  void SetCarriedForwardSIPaymentOld(base::VFixed const& v) {
    field::Set(Value().carriedForwardSIPaymentOld, v);
  }
  ContractTypeEnum GetContractTypeEnum() const { return Value().contractTypeEnum; }
  void SetContractTypeEnum(ContractTypeEnum v) { field::Set(Value().contractTypeEnum, v); }
  bool GetRevaluation() const { return Value().revaluation; }
  void SetRevaluation(bool v) { field::Set(Value().revaluation, v); }
  std::string GetIban() const { return field::Text(Value().iban); }
  void SetIban(std::string const& v) { field::Set(Value().iban, v); }
  TypeOfBankTransferEnum GetTypeOfBankTransferEnum() const {
    return Value().typeOfBankTransferEnum;
  }
  void SetTypeOfBankTransferEnum(TypeOfBankTransferEnum v) {
    field::Set(Value().typeOfBankTransferEnum, v);
  }
  long GetAdvancementTypeAsCtPays() const { return field::Long(Value().advancementTypeAsCtPays); }
  void SetAdvancementTypeAsCtPays(long v) { field::Set(Value().advancementTypeAsCtPays, v); }
  base::VFixed GetAdvancementDuesAsCtPays() const {
    return field::Fixed(Value().advancementDuesAsCtPays);
  }
  void SetAdvancementDuesAsCtPays(base::VFixed const& v) {
    field::Set(Value().advancementDuesAsCtPays, v);
  }
  long GetAdvancementTypeAsExtra() const { return field::Long(Value().advancementTypeAsExtra); }
  void SetAdvancementTypeAsExtra(long v) { field::Set(Value().advancementTypeAsExtra, v); }
  base::VFixed GetAdvancementDuesAsExtra() const {
    return field::Fixed(Value().advancementDuesAsExtra);
  }
  void SetAdvancementDuesAsExtra(base::VFixed const& v) {
    field::Set(Value().advancementDuesAsExtra, v);
  }
  std::string GetOidForCheckingOfLimit() const {
    return field::Text(Value().oidForCheckingOfLimit);
  }
  void SetOidForCheckingOfLimit(std::string const& v) {
    field::Set(Value().oidForCheckingOfLimit, v);
  }
};

// Selection of GetActiveEEPensionSchemes and GetActiveEEPensionSchemesCB.
//
// A new filter (and ClearEEPensionSchemeFilter) selects with implementation
// way and personnel number cleared, no company or surname, withdrawal, from
// and until date undefined, list display 0, neither deleted nor after
// journalized, and a default extended filter.
class EEPensionSchemeFilter {
 public:
  EEPensionSchemeFilter() { ClearEEPensionSchemeFilter(); }

  void ClearEEPensionSchemeFilter();

  void SetImplementationway(ImplementationWayEnum v) {
    filter_.implementationway.implementationway(v);
  }
  void ClearImplementationway() { filter_.implementationway._default(); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetListDisplayOfEmployeeEnum(ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }
  void SetDeleted(bool v) { field::Set(filter_.deleted, v); }
  void SetAfterJournalized(bool v) { field::Set(filter_.afterJournalized, v); }
  void SetFromDate(base::VDate const& v) { field::Set(filter_.fromDate, v); }
  void SetUntilDate(base::VDate const& v) { field::Set(filter_.untilDate, v); }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }

  pensionscheme::EEPensionSchemeFilterStruct ToIdl() const { return filter_; }

 private:
  pensionscheme::EEPensionSchemeFilterStruct filter_{};
};

// A pension scheme: root part (employee, implementation way) and one period.
//
// Its writes work on the list the caller shows: Commit and Delete take that
// list's filters and sort order and return the server's refreshed list as
// new objects, in the server's order; the caller owns the vector and its
// elements. Commit of a new scheme creates it: the object then holds the
// created record (with its new object id) as its saved value, and the vector
// is empty. Commit of a stored scheme sends add (when the valid-from date
// differs from the stored internal valid-from date, which then takes it) or
// set, with the remove-new flag; the object keeps the values it sent and
// counts as unchanged, so the server's new version reaches the caller only
// through the list. Delete sends the employee's object id, the object id and
// the version and leaves the object as it is.
//
// A failed Commit, Delete or RestoreEEPensionScheme returns the object to its
// last saved value, then raises base::VException; no vector is returned.
// IsAlreadyJournalized and CheckForAdvice only raise. Commit() and Delete()
// without arguments do nothing.
class EEPensionScheme : public PersonnelRecord<pensionscheme::EEPensionSchemeStruct,
                                               EEPensionSchemeRoot, EEPensionSchemeTP> {
 public:
  using Callback = base::VCallback<
      EEPensionScheme,
      POA_com::ostrel::personnel::domain::employee::pensionscheme::EEPensionSchemeStructCallback,
      pensionscheme::EEPensionSchemeSeq>;

  EEPensionScheme() = default;
  explicit EEPensionScheme(pensionscheme::EEPensionSchemeStruct const& s) : PersonnelRecord(s) {}

  std::vector<EEPensionScheme*>* Commit(std::vector<EEPensionSchemeFilter*> const* filters,
                                        base::Sortierung const& sort);
  std::vector<EEPensionScheme*>* Delete(std::vector<EEPensionSchemeFilter*> const* filters,
                                        base::Sortierung const& sort);
  void Commit() {}
  void Delete() {}

  // Restores the deleted scheme this object names (employee, object id,
  // version).
  void RestoreEEPensionScheme();
  // Whether the server has journalized payroll that this version of the
  // scheme was in force for.
  bool IsAlreadyJournalized() const;
  // The server's advice on the current value before it is saved, for the
  // valid-from date; "" when there is none. Nothing is stored.
  std::string CheckForAdvice() const;

  static std::vector<EEPensionScheme*>* GetActiveEEPensionSchemes(
      std::vector<EEPensionSchemeFilter*> const* filters, base::Sortierung const& sort);
  // Starts a stream of at most `max_hits` schemes (0: no limit); the caller
  // owns the returned callback object.
  static Callback* GetActiveEEPensionSchemesCB(std::vector<EEPensionSchemeFilter*> const* filters,
                                               base::Sortierung const& sort, unsigned int max_hits);
  // The history of the scheme with object id `oid`.
  static std::vector<EEPensionScheme*>* GetAllEEPensionSchemesHistory(std::string oid);
  static std::vector<EEPensionScheme*>* GetActiveEffectiveEEPensionSchemesHistory(std::string oid);
  static std::vector<EEPensionScheme*>* GetEffectiveEEPensionSchemesHistory(std::string oid,
                                                                            base::VDate date);
  // The scheme `oid` at an effective and a valid time point.
  static EEPensionScheme GetObjectFromObjectId(std::string const& oid, base::VDate const& effective,
                                               base::VDate const& valid);
  // The schemes of employee `oid_employee` as new objects for another
  // employee, valid from `valid_from` (a date's wire text, passed as it is).
  static std::vector<EEPensionScheme*>* GetPensionSchemesForEmployeeCopy(
      std::string const& oid_employee, std::string const& valid_from);
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_PENSION_SCHEME_H_
