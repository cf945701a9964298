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
#include "record_layout.h"
#include "sortierung.h"
#include "tax.hh"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace tax = com::ostrel::personnel::domain::employee::tax;

// The employee's short view first, then the tax record.
template <>
struct RecordLayout<tax::EETaxStruct>
    : EmployeeRecordLayout<&tax::EETaxStruct::employeeShort, &tax::EETaxStruct::tax> {};

struct TaxService {
  using Servant = tax::TaxServant;
  static constexpr char kName[] = "com.ostrel.personnel.servantimpl.employee.tax.TaxServantImpl";
};

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
class Tax : public base::BO<tax::TaxStruct> {
 public:
  Tax();
  explicit Tax(tax::TaxStruct const& s);
  Tax(Tax const& o);
  Tax& operator=(Tax const&) = default;

  // Forgets the identity; the struct keeps its own.
  void ClearObjectStruct();

  // The record's fields, in wire order. FreeAllowanceDaily is spelled with a
  // lower-case f.
  std::string GetOidEmployee() const;
  void SetOidEmployee(std::string const& v);
  bool GetTaxCardPresented() const;
  void SetTaxCardPresented(bool v);
  long GetIssueYearTaxCard() const;
  void SetIssueYearTaxCard(long v);
  base::VDate GetEntryDateTaxCard() const;
  void SetEntryDateTaxCard(base::VDate const& v);
  base::VDate GetDateDelivered() const;
  void SetDateDelivered(base::VDate const& v);
  base::VDate GetDateReturned() const;
  void SetDateReturned(base::VDate const& v);
  std::string GetOidCommunity() const;
  void SetOidCommunity(std::string const& v);
  std::string GetOidTaxOffice() const;
  void SetOidTaxOffice(std::string const& v);
  base::VDate GetIssueDateTaxCard() const;
  void SetIssueDateTaxCard(base::VDate const& v);
  std::string GetPseudonym() const;
  void SetPseudonym(std::string const& v);
  long GetTaxBracket() const;
  void SetTaxBracket(long v);
  base::VFixed GetChildRelief() const;
  void SetChildRelief(base::VFixed const& v);
  tax::ChurchTaxEnum GetChurchTaxEmployee() const;
  void SetChurchTaxEmployee(tax::ChurchTaxEnum v);
  tax::ChurchTaxEnum GetChurchTaxSpouse() const;
  void SetChurchTaxSpouse(tax::ChurchTaxEnum v);
  base::VFixed GetFreeAllowanceYY() const;
  void SetFreeAllowanceYY(base::VFixed const& v);
  base::VFixed GetFreeAllowanceMM() const;
  void SetFreeAllowanceMM(base::VFixed const& v);
  base::VFixed GetAddAmountYY() const;
  void SetAddAmountYY(base::VFixed const& v);
  base::VFixed GetAddAmountMM() const;
  void SetAddAmountMM(base::VFixed const& v);
  tax::TaxacationEnum GetTaxacation() const;
  void SetTaxacation(tax::TaxacationEnum v);
  tax::PAYETaxFindingsEnum GetPayeTaxFindings() const;
  void SetPayeTaxFindings(tax::PAYETaxFindingsEnum v);
  bool GetPayeTax() const;
  void SetPayeTax(bool v);
  bool GetChurchTax() const;
  void SetChurchTax(bool v);
  bool GetSolidarityCharge() const;
  void SetSolidarityCharge(bool v);
  tax::IncomeTaxReturnYYEnum GetIncomeTaxReturnYY() const;
  void SetIncomeTaxReturnYY(tax::IncomeTaxReturnYYEnum v);
  bool GetChurchTaxDomicile() const;
  void SetChurchTaxDomicile(bool v);
  std::string GetOidFederalState() const;
  void SetOidFederalState(std::string const& v);
  bool GetAssociationEE() const;
  void SetAssociationEE(bool v);
  bool GetErPaysContribut() const;
  void SetErPaysContribut(bool v);
  tax::DevRedHHBenfGrpEnum GetDevRedHHBenfGrp() const;
  void SetDevRedHHBenfGrp(tax::DevRedHHBenfGrpEnum v);
  tax::DevRedHHBenfRateEnum GetDevRedHHBenfRate() const;
  void SetDevRedHHBenfRate(tax::DevRedHHBenfRateEnum v);
  bool GetCtfcGfBwoutTax() const;
  void SetCtfcGfBwoutTax(bool v);
  long GetCtfcYYGfBwoutTax() const;
  void SetCtfcYYGfBwoutTax(long v);
  base::VDate GetRegistrGfBwoutTax() const;
  void SetRegistrGfBwoutTax(base::VDate const& v);
  std::string GetOidtaxofGfBwoutTax() const;
  void SetOidtaxofGfBwoutTax(std::string const& v);
  base::VDate GetDateCtfcGfBwoutTax() const;
  void SetDateCtfcGfBwoutTax(base::VDate const& v);
  std::string GetTaxNumber() const;
  void SetTaxNumber(std::string const& v);
  bool GetCtfcDBAwoutTax() const;
  void SetCtfcDBAwoutTax(bool v);
  base::VDate GetRegistrDBAwoutTax() const;
  void SetRegistrDBAwoutTax(base::VDate const& v);
  base::VDate GetFromDBAwoutTax() const;
  void SetFromDBAwoutTax(base::VDate const& v);
  base::VDate GetUntilDBAwoutTax() const;
  void SetUntilDBAwoutTax(base::VDate const& v);
  std::string GetOidtaxofDBAwoutTax() const;
  void SetOidtaxofDBAwoutTax(std::string const& v);
  base::VDate GetDateCtfcDBAwoutTax() const;
  void SetDateCtfcDBAwoutTax(base::VDate const& v);
  bool GetOldAgeReliefAmount() const;
  void SetOldAgeReliefAmount(bool v);
  bool GetPensionFreeDues() const;
  void SetPensionFreeDues(bool v);
  bool GetWageTaxCertificate() const;
  void SetWageTaxCertificate(bool v);
  bool GetRedOfChurchTax() const;
  void SetRedOfChurchTax(bool v);
  base::VFixed GetMonthlyEarnings() const;
  void SetMonthlyEarnings(base::VFixed const& v);
  std::string GetMemo() const;
  void SetMemo(std::string const& v);
  base::VFixed GetPension() const;
  void SetPension(base::VFixed const& v);
  base::VDate GetStartDateOfPension() const;
  void SetStartDateOfPension(base::VDate const& v);
  base::VFixed GetBonusOfPension() const;
  void SetBonusOfPension(base::VFixed const& v);
  bool GetChurchTaxDeduction() const;
  void SetChurchTaxDeduction(bool v);
  bool GetComputationOfUnderpaymentIncomeTax() const;
  void SetComputationOfUnderpaymentIncomeTax(bool v);
  bool GetComputationOfUnderpaymentChurchTax() const;
  void SetComputationOfUnderpaymentChurchTax(bool v);
  bool GetComputationOfUnderpaymentSolidarityCharge() const;
  void SetComputationOfUnderpaymentSolidarityCharge(bool v);
  tax::EvaluationTargetOfPaymentEnum GetEvaluationTargetOfPayment() const;
  void SetEvaluationTargetOfPayment(tax::EvaluationTargetOfPaymentEnum v);
  base::VFixed GetTaxOfSwitzerland() const;
  void SetTaxOfSwitzerland(base::VFixed const& v);
  std::string GetTin() const;
  void SetTin(std::string const& v);
  base::VFixed GetPercentageSplit() const;
  void SetPercentageSplit(base::VFixed const& v);
  bool GetSidelineEmployer() const;
  void SetSidelineEmployer(bool v);
  base::VFixed GetAddAmountWeekly() const;
  void SetAddAmountWeekly(base::VFixed const& v);
  base::VFixed GetAddAmountDaily() const;
  void SetAddAmountDaily(base::VFixed const& v);
  base::VFixed GetFreeAllowanceWeekly() const;
  void SetFreeAllowanceWeekly(base::VFixed const& v);
  base::VFixed GetfreeAllowanceDaily() const;
  void SetfreeAllowanceDaily(base::VFixed const& v);
  bool GetNoElstam() const;
  void SetNoElstam(bool v);
  bool GetReregister() const;
  void SetReregister(bool v);
  bool GetCrossBorderFrance() const;
  void SetCrossBorderFrance(bool v);
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

  void SetTaxBracket(long v);
  void ClearTaxBracket();
  void SetTaxacation(tax::TaxacationEnum v);
  void ClearTaxacation();
  void SetPAYETaxFindings(tax::PAYETaxFindingsEnum v);
  void ClearPAYETaxFindings();
  void SetIncomeTaxReturnYY(tax::IncomeTaxReturnYYEnum v);
  void ClearIncomeTaxReturnYY();
  void SetAssociationEE(bool v);
  void ClearAssociationEE();
  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::string const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);

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
  std::vector<personnel::Error*>* GetErrors();
  // Replaces the findings with copies of the vector's elements (null: none);
  // the error count stays.
  void SetErrors(std::vector<personnel::Error*> const* v);
  // The number of findings the last GetErrors returned; 0 before.
  int GetErrorCount() const { return errors_.Count(); }

  void Commit();
  void Delete() {}

  // Fills the object with what the server derives for a migrated employee
  // from it (sent with the valid-from date as internal valid-from date); the
  // answer becomes the saved value, the identity stays.
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
