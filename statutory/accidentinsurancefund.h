// Accident insurance of an employee: per validity period the statutory
// accident insurance fund, class of risk, corporate sector and percentages,
// and the part classes of risk where the work is split between several.
// The record is never deleted.
#ifndef OSTREL_STATUTORY_ACCIDENTINSURANCEFUND_H_
#define OSTREL_STATUTORY_ACCIDENTINSURANCEFUND_H_

#include <string>
#include <vector>

#include "accidentinsurancefund_fields.h"
#include "accidentinsurancefund_kind.h"
#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "personnel_bo.h"
#include "py_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

using SpecialUVReasonEnum = accidentinsurancefund::SpecialUVReasonEnum;

// One part of the employee's work under a class of risk of its own.
//
// A new part is all empty, both percentages included. Built from a struct,
// or copied, it takes that identity and keeps the value as its saved value.
// Commit and Delete do nothing: a part is stored with its record.
//
// EePartClassOfRisk carries Get/Set of every plain member of PartClassOfRiskStruct (generated
// accessors).
class EePartClassOfRisk
    : public PartClassOfRiskStructFields<RecordPart<partclassofrisk::PartClassOfRiskStruct>> {
 public:
  using PartClassOfRiskStructFields::PartClassOfRiskStructFields;

  void Commit() {}
  void Delete() {}
};

// Selection of the list and stream queries. Several filters in one query
// select what any of them selects.
//
// A new filter (and one after ClearEEAccidentInsuranceFundFilter) has no
// personnel number (cleared), the undefined withdrawal date
// VDate(-1, -1, -1), list display 0, a default extended filter and every
// text empty.
class EEAccidentInsuranceFundFilter {
 public:
  using ListDisplay = com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  EEAccidentInsuranceFundFilter() { ClearEEAccidentInsuranceFundFilter(); }
  void ClearEEAccidentInsuranceFundFilter();

  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetClassOfRisk(std::string const& v) { field::Set(filter_.classOfRisk, v); }
  void SetSerialNumberAlpha(std::string const& v) { field::Set(filter_.serialNumberAlpha, v); }
  void SetOidAccidentInsuranceFund(std::string const& v) {
    field::Set(filter_.oidAccidentInsuranceFund, v);
  }
  void SetOidDifferentAccidentInsuranceFund(std::string const& v) {
    field::Set(filter_.oidDifferentAccidentInsuranceFund, v);
  }
  void SetListDisplayOfEmployeeEnum(ListDisplay v) { filter_.listDisplayOfEmployeeEnum = v; }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }

  accidentinsurancefund::EEAccidentInsuranceFundFilterStruct ToIdl() const { return filter_; }

 private:
  accidentinsurancefund::EEAccidentInsuranceFundFilterStruct filter_{};
};

// An employee's accident insurance of one validity period: one flat struct
// (the employee's short view, the record's identity and period, the fields,
// the part classes of risk and the server's findings). Keyed by the
// employee: GetObjectid() is the employee's object id, and the record is
// new until it was created or read from the server; setting the employee
// does not change that. The findings travel unchanged; there is no accessor
// for them.
//
// A new record holds a default EmployeeShort, both percentages 0 (the
// number, not the empty text), reason 0, no part classes of risk and every
// other text empty.
//
// Commit sends the whole record: createEEAccidentInsuranceFund for a new
// one, addEEAccidentInsuranceFund when the valid-from date differs from the
// stored internal valid-from date, else setEEAccidentInsuranceFund; the
// remove-new argument follows the valid-until date (see PyBO). A failed
// Commit returns to the last saved value. Delete does nothing.
//
// Every failure reaches the caller as base::VException. List results are
// new vectors of new objects that the caller owns, never null.
//
// EEAccidentInsuranceFund carries Get/Set of every plain member of EEAccidentInsuranceFundStruct
// (generated accessors).
class EEAccidentInsuranceFund : public EEAccidentInsuranceFundStructFields<
                                    PyBO<accidentinsurancefund::EEAccidentInsuranceFundStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&accidentinsurancefund::EEAccidentInsuranceFundStruct::percentage>(base::VFixed(0)),
      DefaultOf<&accidentinsurancefund::EEAccidentInsuranceFundStruct::aifPercent>(
          base::VFixed(0)));

  using Callback = base::VCallback<EEAccidentInsuranceFund,
                                   POA_com::ostrel::personnel::domain::employee::
                                       accidentinsurancefund::EEAccidentInsuranceFundStructCallback,
                                   accidentinsurancefund::EEAccidentInsuranceFundSeq>;

  EEAccidentInsuranceFund();
  explicit EEAccidentInsuranceFund(accidentinsurancefund::EEAccidentInsuranceFundStruct const& s)
      : EEAccidentInsuranceFundStructFields(s) {}

  // The employee.
  EmployeeShort GetRoot() const { return EmployeeShort(Value().root); }
  void SetRoot(EmployeeShort const& v) { Value().root = v.ToIdl(); }

  // A new vector of new parts, in order; the caller owns both.
  std::vector<EePartClassOfRisk*>* GetPartClassOfRisks() const;
  // Replaces the parts with copies of the vector's elements, in order; null
  // empties them. The elements stay the caller's.
  void SetPartClassOfRisks(std::vector<EePartClassOfRisk*> const* v);

  void Commit();

  static std::vector<EEAccidentInsuranceFund*>* GetActiveEEAccidentInsuranceFunds(
      std::vector<EEAccidentInsuranceFundFilter*> const* filters, base::Sortierung const& sort);
  // Starts a stream of at most `max_hits` records (0: no limit); the caller
  // owns the returned callback object.
  static Callback* GetActiveEEAccidentInsuranceFundsCB(
      std::vector<EEAccidentInsuranceFundFilter*> const* filters, base::Sortierung const& sort,
      unsigned int max_hits);
  // The string of the history queries is the employee's object id.
  static std::vector<EEAccidentInsuranceFund*>* GetAllEEAccidentInsuranceFundHistory(
      std::string oid_employee);
  static std::vector<EEAccidentInsuranceFund*>* GetActiveEffectiveEEAccidentInsuranceFundHistory(
      std::string oid_employee);
  static std::vector<EEAccidentInsuranceFund*>* GetEffectiveEEAccidentInsuranceFundHistory(
      std::string oid_employee, base::VDate date);
  static EEAccidentInsuranceFund GetObjectFromObjectId(std::string const& oid_employee,
                                                       base::VDate const& effective,
                                                       base::VDate const& valid);
  // The employee's records as templates for a new employee, valid from
  // `valid_from` (a date's wire text, passed as it is).
  static std::vector<EEAccidentInsuranceFund*>* GetAccidentInsuranceFundsForEmployeeCopy(
      std::string const& oid_employee, std::string const& valid_from);
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_ACCIDENTINSURANCEFUND_H_
