// Wage tax of an employee: the tax record of one validity period (Tax), the
// record object that adds the employee and the server's findings (EETax),
// its filter, and the tax servant's queries. Tax records are never deleted.
#ifndef OSTREL_STATUTORY_TAX_H_
#define OSTREL_STATUTORY_TAX_H_

#include <string>
#include <vector>

#include "bo.h"
#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "tax_fields.h"
#include "tax_kind.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The tax record of one validity period.
//
// A new Tax has the defaults of kDefaults and zero, false or empty in every
// other member; it counts as unchanged.
// Built from a struct, or copied, it takes that identity and keeps the value
// as its saved value.
//
// Dates and amounts read from text that is not one give the undefined date
// or the empty amount.
//
// Tax carries Get/Set of every plain member of TaxStruct (generated accessors).
class Tax : public TaxStructFields<RecordPart<tax::TaxStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&tax::TaxStruct::taxCardPresented>(true), DefaultOf<&tax::TaxStruct::taxBracket>(1),
      DefaultOf<&tax::TaxStruct::taxacation>(tax::TAXACATION_BY_TAX_CARD),
      DefaultOf<&tax::TaxStruct::payeTaxFindings>(tax::PAYE_FINDINGS_BY_EMPLOYER),
      DefaultOf<&tax::TaxStruct::churchTaxDeduction>(true));

  Tax();
  using TaxStructFields::TaxStructFields;

  // Forgets the identity; the struct keeps its own.
  void ClearObjectStruct() { SetObjectStruct(ObjectStruct()); }

  // The record's fields, in wire order. FreeAllowanceDaily is spelled with a
  // lower-case f.
  base::VFixed GetfreeAllowanceDaily() const { return field::Fixed(Value().freeAllowanceDaily); }
  void SetfreeAllowanceDaily(base::VFixed const& v) { field::Set(Value().freeAllowanceDaily, v); }
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
