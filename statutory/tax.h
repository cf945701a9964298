// Wage tax of an employee: the tax record of one validity period (Tax), the
// record object that adds the employee and the server's findings (EETax),
// its filter, and the tax servant's queries. Tax records are never deleted.
#ifndef OSTREL_STATUTORY_TAX_H_
#define OSTREL_STATUTORY_TAX_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "tax_kind.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The tax record of one validity period.
//
// A new Tax has a tax card presented, tax bracket 1, taxation
// TAXACATION_BY_TAX_CARD (2), PAYE findings PAYE_FINDINGS_BY_EMPLOYER (1),
// church-tax deduction set, every other flag false, every other number and
// enum 0, and every date, amount and text empty; it counts as unchanged.
// Built from a struct, or copied, it takes that identity and keeps the value
// as its saved value.
//
// Dates and amounts read from text that is not one give the undefined date
// or the empty amount.
class Tax : public RecordPart<tax::TaxStruct> {
 public:
  Tax();
  using RecordPart::RecordPart;

  // Forgets the identity; the struct keeps its own.
  void ClearObjectStruct() { SetObjectStruct(ObjectStruct()); }

  // The record's fields, in wire order. FreeAllowanceDaily is spelled with a
  // lower-case f.
  std::string GetOidEmployee() const { return field::Text(Value().oidEmployee); }
  void SetOidEmployee(std::string const& v) { field::Set(Value().oidEmployee, v); }
  bool GetTaxCardPresented() const { return Value().taxCardPresented; }
  void SetTaxCardPresented(bool v) { field::Set(Value().taxCardPresented, v); }
  long GetIssueYearTaxCard() const { return Value().issueYearTaxCard; }
  void SetIssueYearTaxCard(long v) { field::Set(Value().issueYearTaxCard, v); }
  base::VDate GetEntryDateTaxCard() const { return field::Date(Value().entryDateTaxCard); }
  void SetEntryDateTaxCard(base::VDate const& v) { field::Set(Value().entryDateTaxCard, v); }
  base::VDate GetDateDelivered() const { return field::Date(Value().dateDelivered); }
  void SetDateDelivered(base::VDate const& v) { field::Set(Value().dateDelivered, v); }
  base::VDate GetDateReturned() const { return field::Date(Value().dateReturned); }
  void SetDateReturned(base::VDate const& v) { field::Set(Value().dateReturned, v); }
  std::string GetOidCommunity() const { return field::Text(Value().oidCommunity); }
  void SetOidCommunity(std::string const& v) { field::Set(Value().oidCommunity, v); }
  std::string GetOidTaxOffice() const { return field::Text(Value().oidTaxOffice); }
  void SetOidTaxOffice(std::string const& v) { field::Set(Value().oidTaxOffice, v); }
  base::VDate GetIssueDateTaxCard() const { return field::Date(Value().issueDateTaxCard); }
  void SetIssueDateTaxCard(base::VDate const& v) { field::Set(Value().issueDateTaxCard, v); }
  std::string GetPseudonym() const { return field::Text(Value().pseudonym); }
  void SetPseudonym(std::string const& v) { field::Set(Value().pseudonym, v); }
  long GetTaxBracket() const { return Value().taxBracket; }
  void SetTaxBracket(long v) { field::Set(Value().taxBracket, v); }
  base::VFixed GetChildRelief() const { return field::Fixed(Value().childRelief); }
  void SetChildRelief(base::VFixed const& v) { field::Set(Value().childRelief, v); }
  tax::ChurchTaxEnum GetChurchTaxEmployee() const { return Value().churchTaxEmployee; }
  void SetChurchTaxEmployee(tax::ChurchTaxEnum v) { field::Set(Value().churchTaxEmployee, v); }
  tax::ChurchTaxEnum GetChurchTaxSpouse() const { return Value().churchTaxSpouse; }
  void SetChurchTaxSpouse(tax::ChurchTaxEnum v) { field::Set(Value().churchTaxSpouse, v); }
  base::VFixed GetFreeAllowanceYY() const { return field::Fixed(Value().freeAllowanceYY); }
  void SetFreeAllowanceYY(base::VFixed const& v) { field::Set(Value().freeAllowanceYY, v); }
  base::VFixed GetFreeAllowanceMM() const { return field::Fixed(Value().freeAllowanceMM); }
  void SetFreeAllowanceMM(base::VFixed const& v) { field::Set(Value().freeAllowanceMM, v); }
  base::VFixed GetAddAmountYY() const { return field::Fixed(Value().addAmountYY); }
  void SetAddAmountYY(base::VFixed const& v) { field::Set(Value().addAmountYY, v); }
  base::VFixed GetAddAmountMM() const { return field::Fixed(Value().addAmountMM); }
  void SetAddAmountMM(base::VFixed const& v) { field::Set(Value().addAmountMM, v); }
  tax::TaxacationEnum GetTaxacation() const { return Value().taxacation; }
  void SetTaxacation(tax::TaxacationEnum v) { field::Set(Value().taxacation, v); }
  tax::PAYETaxFindingsEnum GetPayeTaxFindings() const { return Value().payeTaxFindings; }
  void SetPayeTaxFindings(tax::PAYETaxFindingsEnum v) { field::Set(Value().payeTaxFindings, v); }
  bool GetPayeTax() const { return Value().payeTax; }
  void SetPayeTax(bool v) { field::Set(Value().payeTax, v); }
  bool GetChurchTax() const { return Value().churchTax; }
  void SetChurchTax(bool v) { field::Set(Value().churchTax, v); }
  bool GetSolidarityCharge() const { return Value().solidarityCharge; }
  void SetSolidarityCharge(bool v) { field::Set(Value().solidarityCharge, v); }
  tax::IncomeTaxReturnYYEnum GetIncomeTaxReturnYY() const { return Value().incomeTaxReturnYY; }
  void SetIncomeTaxReturnYY(tax::IncomeTaxReturnYYEnum v) {
    field::Set(Value().incomeTaxReturnYY, v);
  }
  bool GetChurchTaxDomicile() const { return Value().churchTaxDomicile; }
  void SetChurchTaxDomicile(bool v) { field::Set(Value().churchTaxDomicile, v); }
  std::string GetOidFederalState() const { return field::Text(Value().oidFederalState); }
  void SetOidFederalState(std::string const& v) { field::Set(Value().oidFederalState, v); }
  bool GetAssociationEE() const { return Value().associationEE; }
  void SetAssociationEE(bool v) { field::Set(Value().associationEE, v); }
  bool GetErPaysContribut() const { return Value().erPaysContribut; }
  void SetErPaysContribut(bool v) { field::Set(Value().erPaysContribut, v); }
  tax::DevRedHHBenfGrpEnum GetDevRedHHBenfGrp() const { return Value().devRedHHBenfGrp; }
  void SetDevRedHHBenfGrp(tax::DevRedHHBenfGrpEnum v) { field::Set(Value().devRedHHBenfGrp, v); }
  tax::DevRedHHBenfRateEnum GetDevRedHHBenfRate() const { return Value().devRedHHBenfRate; }
  void SetDevRedHHBenfRate(tax::DevRedHHBenfRateEnum v) { field::Set(Value().devRedHHBenfRate, v); }
  bool GetCtfcGfBwoutTax() const { return Value().ctfcGfBwoutTax; }
  void SetCtfcGfBwoutTax(bool v) { field::Set(Value().ctfcGfBwoutTax, v); }
  long GetCtfcYYGfBwoutTax() const { return Value().ctfcYYGfBwoutTax; }
  void SetCtfcYYGfBwoutTax(long v) { field::Set(Value().ctfcYYGfBwoutTax, v); }
  base::VDate GetRegistrGfBwoutTax() const { return field::Date(Value().registrGfBwoutTax); }
  void SetRegistrGfBwoutTax(base::VDate const& v) { field::Set(Value().registrGfBwoutTax, v); }
  std::string GetOidtaxofGfBwoutTax() const { return field::Text(Value().oidtaxofGfBwoutTax); }
  void SetOidtaxofGfBwoutTax(std::string const& v) { field::Set(Value().oidtaxofGfBwoutTax, v); }
  base::VDate GetDateCtfcGfBwoutTax() const { return field::Date(Value().dateCtfcGfBwoutTax); }
  void SetDateCtfcGfBwoutTax(base::VDate const& v) { field::Set(Value().dateCtfcGfBwoutTax, v); }
  std::string GetTaxNumber() const { return field::Text(Value().taxNumber); }
  void SetTaxNumber(std::string const& v) { field::Set(Value().taxNumber, v); }
  bool GetCtfcDBAwoutTax() const { return Value().ctfcDBAwoutTax; }
  void SetCtfcDBAwoutTax(bool v) { field::Set(Value().ctfcDBAwoutTax, v); }
  base::VDate GetRegistrDBAwoutTax() const { return field::Date(Value().registrDBAwoutTax); }
  void SetRegistrDBAwoutTax(base::VDate const& v) { field::Set(Value().registrDBAwoutTax, v); }
  base::VDate GetFromDBAwoutTax() const { return field::Date(Value().fromDBAwoutTax); }
  void SetFromDBAwoutTax(base::VDate const& v) { field::Set(Value().fromDBAwoutTax, v); }
  base::VDate GetUntilDBAwoutTax() const { return field::Date(Value().untilDBAwoutTax); }
  void SetUntilDBAwoutTax(base::VDate const& v) { field::Set(Value().untilDBAwoutTax, v); }
  std::string GetOidtaxofDBAwoutTax() const { return field::Text(Value().oidtaxofDBAwoutTax); }
  void SetOidtaxofDBAwoutTax(std::string const& v) { field::Set(Value().oidtaxofDBAwoutTax, v); }
  base::VDate GetDateCtfcDBAwoutTax() const { return field::Date(Value().dateCtfcDBAwoutTax); }
  void SetDateCtfcDBAwoutTax(base::VDate const& v) { field::Set(Value().dateCtfcDBAwoutTax, v); }
  bool GetOldAgeReliefAmount() const { return Value().oldAgeReliefAmount; }
  void SetOldAgeReliefAmount(bool v) { field::Set(Value().oldAgeReliefAmount, v); }
  bool GetPensionFreeDues() const { return Value().pensionFreeDues; }
  void SetPensionFreeDues(bool v) { field::Set(Value().pensionFreeDues, v); }
  bool GetWageTaxCertificate() const { return Value().wageTaxCertificate; }
  void SetWageTaxCertificate(bool v) { field::Set(Value().wageTaxCertificate, v); }
  bool GetRedOfChurchTax() const { return Value().redOfChurchTax; }
  void SetRedOfChurchTax(bool v) { field::Set(Value().redOfChurchTax, v); }
  base::VFixed GetMonthlyEarnings() const { return field::Fixed(Value().monthlyEarnings); }
  void SetMonthlyEarnings(base::VFixed const& v) { field::Set(Value().monthlyEarnings, v); }
  std::string GetMemo() const { return field::Text(Value().memo); }
  void SetMemo(std::string const& v) { field::Set(Value().memo, v); }
  base::VFixed GetPension() const { return field::Fixed(Value().pension); }
  void SetPension(base::VFixed const& v) { field::Set(Value().pension, v); }
  base::VDate GetStartDateOfPension() const { return field::Date(Value().startDateOfPension); }
  void SetStartDateOfPension(base::VDate const& v) { field::Set(Value().startDateOfPension, v); }
  base::VFixed GetBonusOfPension() const { return field::Fixed(Value().bonusOfPension); }
  void SetBonusOfPension(base::VFixed const& v) { field::Set(Value().bonusOfPension, v); }
  bool GetChurchTaxDeduction() const { return Value().churchTaxDeduction; }
  void SetChurchTaxDeduction(bool v) { field::Set(Value().churchTaxDeduction, v); }
  bool GetComputationOfUnderpaymentIncomeTax() const {
    return Value().computationOfUnderpaymentIncomeTax;
  }
  void SetComputationOfUnderpaymentIncomeTax(bool v) {
    field::Set(Value().computationOfUnderpaymentIncomeTax, v);
  }
  bool GetComputationOfUnderpaymentChurchTax() const {
    return Value().computationOfUnderpaymentChurchTax;
  }
  void SetComputationOfUnderpaymentChurchTax(bool v) {
    field::Set(Value().computationOfUnderpaymentChurchTax, v);
  }
  bool GetComputationOfUnderpaymentSolidarityCharge() const {
    return Value().computationOfUnderpaymentSolidarityCharge;
  }
  void SetComputationOfUnderpaymentSolidarityCharge(bool v) {
    field::Set(Value().computationOfUnderpaymentSolidarityCharge, v);
  }
  tax::EvaluationTargetOfPaymentEnum GetEvaluationTargetOfPayment() const {
    return Value().evaluationTargetOfPayment;
  }
  void SetEvaluationTargetOfPayment(tax::EvaluationTargetOfPaymentEnum v) {
    field::Set(Value().evaluationTargetOfPayment, v);
  }
  base::VFixed GetTaxOfSwitzerland() const { return field::Fixed(Value().taxOfSwitzerland); }
  void SetTaxOfSwitzerland(base::VFixed const& v) { field::Set(Value().taxOfSwitzerland, v); }
  std::string GetTin() const { return field::Text(Value().tin); }
  void SetTin(std::string const& v) { field::Set(Value().tin, v); }
  base::VFixed GetPercentageSplit() const { return field::Fixed(Value().percentageSplit); }
  void SetPercentageSplit(base::VFixed const& v) { field::Set(Value().percentageSplit, v); }
  bool GetSidelineEmployer() const { return Value().sidelineEmployer; }
  void SetSidelineEmployer(bool v) { field::Set(Value().sidelineEmployer, v); }
  base::VFixed GetAddAmountWeekly() const { return field::Fixed(Value().addAmountWeekly); }
  void SetAddAmountWeekly(base::VFixed const& v) { field::Set(Value().addAmountWeekly, v); }
  base::VFixed GetAddAmountDaily() const { return field::Fixed(Value().addAmountDaily); }
  void SetAddAmountDaily(base::VFixed const& v) { field::Set(Value().addAmountDaily, v); }
  base::VFixed GetFreeAllowanceWeekly() const { return field::Fixed(Value().freeAllowanceWeekly); }
  void SetFreeAllowanceWeekly(base::VFixed const& v) { field::Set(Value().freeAllowanceWeekly, v); }
  base::VFixed GetfreeAllowanceDaily() const { return field::Fixed(Value().freeAllowanceDaily); }
  void SetfreeAllowanceDaily(base::VFixed const& v) { field::Set(Value().freeAllowanceDaily, v); }
  bool GetNoElstam() const { return Value().noElstam; }
  void SetNoElstam(bool v) { field::Set(Value().noElstam, v); }
  bool GetReregister() const { return Value().reregister; }
  void SetReregister(bool v) { field::Set(Value().reregister, v); }
  bool GetCrossBorderFrance() const { return Value().crossBorderFrance; }
  void SetCrossBorderFrance(bool v) { field::Set(Value().crossBorderFrance, v); }
};

// Selection of GetActiveTax and GetActiveEETaxsCB. Several filters in one
// query select what any of them selects.
//
// A new filter (and one after ClearEETaxFilter) has all six optional values
// cleared, no company and no surname, the empty withdrawal date, list display
// LIST_ACTIVE_EMPLOYEES (0) and a default extended filter.
class EETaxFilter {
 public:
  EETaxFilter();

  void ClearEETaxFilter();

  void SetTaxBracket(long v) { filter_.taxBracket.taxbracket(static_cast<CORBA::Long>(v)); }
  void ClearTaxBracket() { filter_.taxBracket._default(); }
  void SetTaxacation(tax::TaxacationEnum v) { filter_.taxacation.taxacation(v); }
  void ClearTaxacation() { filter_.taxacation._default(); }
  void SetPAYETaxFindings(tax::PAYETaxFindingsEnum v) {
    filter_.pAYETaxFindings.pAYETaxFindings(v);
  }
  void ClearPAYETaxFindings() { filter_.pAYETaxFindings._default(); }
  void SetIncomeTaxReturnYY(tax::IncomeTaxReturnYYEnum v) {
    filter_.incomeTaxReturnYY.incomeTaxReturnYY(v);
  }
  void ClearIncomeTaxReturnYY() { filter_.incomeTaxReturnYY._default(); }
  void SetAssociationEE(bool v) { filter_.associationEE.associationEE(v); }
  void ClearAssociationEE() { filter_.associationEE._default(); }
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
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }

  tax::EETaxFilterStruct ToIdl() const { return filter_; }

 private:
  tax::EETaxFilterStruct filter_{};
};

// An employee's tax record of one validity period, with the employee's short
// view and the server's findings on the record. It is keyed by the employee:
// GetObjectid() is the employee's object id, and the record is new
// (IsNew()) until it was created or read from the server; setting the
// employee does not change that.
//
// A new EETax holds a default EmployeeShort and a default Tax, no findings
// and error count 0.
//
// Commit sends only the Tax (createTax, addTax when the valid-from date
// differs from the stored internal valid-from date, else setTax, with the
// object's remove-new flag) and takes over the whole answer; a failed Commit
// returns to the last saved value. Delete does nothing: tax records are
// never deleted.
class EETax : public PersonnelRecord<tax::EETaxStruct, EmployeeShort, Tax> {
 public:
  using Callback =
      base::VCallback<EETax, POA_com::ostrel::personnel::domain::employee::tax::EETaxStructCallback,
                      tax::EETaxSeq>;

  EETax() = default;
  explicit EETax(tax::EETaxStruct const& s) : PersonnelRecord(s) {}

  // The employee.
  using PersonnelRecord::GetRoot;
  void SetEmployeeShort(EmployeeShort const& v) { SetRoot(v); }
  Tax GetTax() const { return GetHistory(); }
  void SetTax(Tax const& v) { SetHistory(v); }

  // The server's findings: a new vector of new errors, which the caller
  // owns; the error count becomes their number.
  std::vector<personnel::Error*>* GetErrors() { return errors_.Get(Value().errors); }
  // Replaces the findings with copies of the vector's elements (null: none);
  // the error count stays.
  void SetErrors(std::vector<personnel::Error*> const* v) { ErrorList::Set(Value().errors, v); }
  // The number of findings the last GetErrors returned; 0 before.
  int GetErrorCount() const { return errors_.Count(); }

  void Commit();
  void Delete() {}

  // Fills the object with what the server derives for a migrated employee
  // from it (sent with the valid-from date as internal valid-from date); the
  // answer becomes the saved value, the identity stays. On failure the
  // object is unchanged, its internal valid-from date included.
  void GetMigrationEmployee();

  // Queries; list results are new vectors of new objects, owned by the
  // caller. The string of the history queries is the employee's object id.
  static std::vector<EETax*>* GetActiveTax(std::vector<EETaxFilter*> const* filters,
                                           base::Sortierung const& sort);
  static Callback* GetActiveEETaxsCB(std::vector<EETaxFilter*> const* filters,
                                     base::Sortierung const& sort, unsigned int max_hits);
  static std::vector<EETax*>* GetAllTaxHistory(std::string oid_employee);
  static std::vector<EETax*>* GetActiveEffectiveTaxHistory(std::string oid_employee);
  static std::vector<EETax*>* GetEffectiveTaxHistory(std::string oid_employee, base::VDate date);
  // The histories of the employee and of the employees the server links to
  // it.
  static std::vector<EETax*>* GetLinkedAllTaxHistory(std::string oid_employee);
  static std::vector<EETax*>* GetLinkedActiveEffectiveTaxHistory(std::string oid_employee);
  static EETax GetObjectFromObjectId(std::string const& oid_employee, base::VDate const& effective,
                                     base::VDate const& valid);
  // The employee's records as templates for a new employee.
  static std::vector<EETax*>* GetTaxsForEmployeeCopy(std::string const& oid_employee,
                                                     std::string const& valid_from);

 private:
  using PersonnelRecord::GetHistory;
  using PersonnelRecord::SetHistory;
  using PersonnelRecord::SetRoot;

  ErrorList errors_;
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_TAX_H_
