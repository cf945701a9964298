// Company pension schemes: per scheme the employee and the implementation way
// (root part) and, per period, membership, the contributions of employer and
// employee (each as current pay or as extra payment, with its months, value
// type and amount), the recipient with its address and bank data,
// carried-forward amounts, contract type, revaluation and advancement. An
// employee may have several schemes; each is a record object of its own.
#ifndef OSTREL_STATUTORY_PENSIONSCHEME_H_
#define OSTREL_STATUTORY_PENSIONSCHEME_H_

#include <string>
#include <vector>

#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "interval.h"
#include "pensionscheme_fields.h"
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
//
// EEPensionSchemeRoot carries Get/Set of every plain member of PensionSchemeRootStruct (generated
// accessors).
class EEPensionSchemeRoot
    : public PensionSchemeRootStructFields<RecordPart<pensionscheme::PensionSchemeRootStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple();

  EEPensionSchemeRoot();
  using PensionSchemeRootStructFields::PensionSchemeRootStructFields;

  EmployeeShort GetEe() const { return EmployeeShort(Value().ee); }
  void SetEe(EmployeeShort const& v) { Value().ee = v.ToIdl(); }
};

// One period of a scheme.
//
// A new period has the defaults of kDefaults, zero, false or empty in every
// other plain member, the four contribution intervals Interval(false) (no
// month) and a default postal address. Built from a struct, or copied, it takes that
// identity and keeps the value as its saved value.
//
// Nested values (intervals, postal address) are returned as new objects and
// set as copies of the argument's value.
//
// EEPensionSchemeTP carries Get/Set of every plain member of PensionSchemeTPStruct (generated
// accessors).
class EEPensionSchemeTP
    : public PensionSchemeTPStructFields<RecordPart<pensionscheme::PensionSchemeTPStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&pensionscheme::PensionSchemeTPStruct::contractTypeEnum>(
          ::com::ostrel::personnel::domain::employee::pensionscheme::CONTRACT_TYPE_TAX_FREE),
      DefaultOf<&pensionscheme::PensionSchemeTPStruct::revaluation>(true),
      DefaultOf<&pensionscheme::PensionSchemeTPStruct::typeOfBankTransferEnum>(
          ::com::ostrel::personnel::framework::basictypes::BANK_TRANSFER_SEPA));

  using Interval = personnel::Interval;
  using PostalAddress = personnel::PostalAddress;

  EEPensionSchemeTP();
  using PensionSchemeTPStructFields::PensionSchemeTPStructFields;

  // Employer, as part of the current pay.
  Interval GetErExpensesPays() const { return Interval(Value().erExpensesPays); }
  void SetErExpensesPays(Interval const& v) { Value().erExpensesPays = v.ToIdl(); }

  // Employer, as extra payment.
  Interval GetErPaysAsExtra() const { return Interval(Value().erPaysAsExtra); }
  void SetErPaysAsExtra(Interval const& v) { Value().erPaysAsExtra = v.ToIdl(); }

  // Employee, as part of the current pay.
  Interval GetEeExpensesPays() const { return Interval(Value().eeExpensesPays); }
  void SetEeExpensesPays(Interval const& v) { Value().eeExpensesPays = v.ToIdl(); }

  // Employee, as extra payment.
  Interval GetEePaysAsExtra() const { return Interval(Value().eePaysAsExtra); }
  void SetEePaysAsExtra(Interval const& v) { Value().eePaysAsExtra = v.ToIdl(); }

  // The recipient and how it is paid.
  PostalAddress GetPostalAddress() const { return PostalAddress(Value().postalAddress); }
  void SetPostalAddress(PostalAddress const& v) { Value().postalAddress = v.ToIdl(); }
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

#endif  // OSTREL_STATUTORY_PENSIONSCHEME_H_
