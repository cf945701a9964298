// Scale payments: pay fixed by a collective pay scale (pay scale, group and
// level, percentage and performance factor, payment interval, cost
// assignment, upgrading dates, printing and automatic increases), and the
// read-only development view of the amounts that result over time.
#ifndef OSTREL_PAY_SCALEPAYMENT_H_
#define OSTREL_PAY_SCALEPAYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "interval.h"
#include "personnel_bo.h"
#include "scalepayment_fields.h"
#include "scalepayment_kind.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The time-independent part: the employee and the pay scale.
//
// A new root holds a default EmployeeShort and no pay scale and counts as
// unchanged. Built from a struct or copied it takes that value as its saved
// value and its identity (RecordPart).
//
// ScalePaymentRoot carries Get/Set of every plain member of ScalePaymentRootStruct (generated
// accessors).
class ScalePaymentRoot
    : public ScalePaymentRootStructFields<RecordPart<scalepayment::ScalePaymentRootStruct>> {
 public:
  ScalePaymentRoot();
  using ScalePaymentRootStructFields::ScalePaymentRootStructFields;

  EmployeeShort GetEmployeeShort() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of a scale payment.
//
// A new period is due every month once (NewInterval), has pay-scale level
// 0, prints on the statement of earnings and takes part in automatic
// increases; ids, percentage, performance factor and both upgrading dates
// are empty. It counts as unchanged. Built from a struct or copied it takes
// that value as its saved value and its identity (RecordPart).
//
// OidScalePayment is filled by the server.
//
// ScalePaymentTP carries Get/Set of every plain member of ScalePaymentTPStruct (generated
// accessors).
class ScalePaymentTP
    : public ScalePaymentTPStructFields<RecordPart<scalepayment::ScalePaymentTPStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&scalepayment::ScalePaymentTPStruct::printOnStatementOfEarnings>(true));

  ScalePaymentTP();
  using ScalePaymentTPStructFields::ScalePaymentTPStructFields;

  // Every month flag set and a count of 1; nothing else changes.
  void NewInterval() { Value().interval = personnel::Interval(true).ToIdl(); }

  personnel::Interval GetInterval() const { return personnel::Interval(Value().interval); }
  void SetInterval(personnel::Interval const& v) { Value().interval = v.ToIdl(); }
};

// One row of the development view: the amount of one scale payment over one
// validity, with the employee, the pay scale's keys and the value type.
// Read-only.
//
// ScalePaymentDevelopment carries Get/Set of every plain member of ScalePaymentDevelopmentStruct
// (generated accessors).
class ScalePaymentDevelopment : public ScalePaymentDevelopmentStructFields<
                                    base::BO<scalepayment::ScalePaymentDevelopmentStruct>> {
 public:
  // Numbers 0, empty texts and dates, due every month once.
  ScalePaymentDevelopment();
  explicit ScalePaymentDevelopment(scalepayment::ScalePaymentDevelopmentStruct const& s)
      : ScalePaymentDevelopmentStructFields(s) {
    MakeBoCopy();
  }

  personnel::Interval GetInterval() const { return personnel::Interval(Value().interval); }
};

// Selection of GetActiveScalePaymentsCB. Several filters in one query select
// what any of them selects.
//
// A new filter has from, until and fixed withdrawal date undefined
// (VDate(-1, -1, -1), sent as its wire text), after journalized true, pay
// scale, group, company and surname "", personnel number and pay-scale level
// unset, list display 0 and a default extended filter. There is no
// clear-all.
class ScalePaymentFilter {
 public:
  using ListDisplayOfEmployeeEnum =
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  ScalePaymentFilter();

  void SetFromDate(base::VDate const& v) { field::Set(filter_.fromDate, v); }
  void SetUntilDate(base::VDate const& v) { field::Set(filter_.untilDate, v); }
  void SetAfterJournalized(bool v) { field::Set(filter_.afterJournalized, v); }
  void SetOidPayScale(std::string const& v) { field::Set(filter_.oidPayScale, v); }
  void SetOidPayScaleGroup(std::string const& v) { field::Set(filter_.oidPayScaleGroup, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetPayScaleLevel(long v) {
    filter_.payScaleLevel.payScaleLevel(static_cast<CORBA::Long>(v));
  }
  void ClearPayScaleLevel() { filter_.payScaleLevel._default(); }
  void SetListDisplayOfEmployeeEnum(ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }

  scalepayment::ScalePaymentFilterStruct ToIdl() const { return filter_; }

 private:
  scalepayment::ScalePaymentFilterStruct filter_{};
};

// A scale payment: root part (employee, pay scale) and one period.
//
// Commit sends createScalePayment for a new object; for a stored one
// addScalePayment when the valid-from date differs from the stored internal
// valid-from date (the new period starts there), setScalePayment
// otherwise; both with the remove-new flag. The answer becomes the current
// and saved value. Delete sends the employee's object id, the object id and
// the version. A failed Commit or Delete returns the object to its last
// saved value, then raises.
//
// There is only the streamed list query, no plain one. The history queries
// take the scale payment's object id.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements (see DeleteAll), never null.
class ScalePayment
    : public PersonnelRecord<scalepayment::ScalePaymentStruct, ScalePaymentRoot, ScalePaymentTP> {
 public:
  using Callback = base::VCallback<
      ScalePayment,
      POA_com::ostrel::personnel::domain::employee::scalepayment::EEScalePaymentStructCallback,
      scalepayment::ScalePaymentSeq>;

  // Default root part (no pay scale) and a new period.
  ScalePayment() = default;
  explicit ScalePayment(scalepayment::ScalePaymentStruct const& s) : PersonnelRecord(s) {}

  void Commit();
  void Delete();

  // Starts a stream of at most `max_hits` scale payments (0: no limit); the
  // caller owns the returned callback object.
  static Callback* GetActiveScalePaymentsCB(std::vector<ScalePaymentFilter*> const* filters,
                                            base::Sortierung const& sort, unsigned int max_hits);
  // The history of the scale payment with object id `oid`.
  static std::vector<ScalePayment*>* GetAllScalePaymentHistory(std::string oid);
  static std::vector<ScalePayment*>* GetActiveEffectiveScalePaymentHistory(std::string oid);
  static std::vector<ScalePayment*>* GetEffectiveScalePaymentHistory(std::string oid,
                                                                     base::VDate destination);
  // The scale payments of employee `oid_employee` as new objects for another
  // employee, valid from `valid_from` (a date's wire text, passed as it is).
  static std::vector<ScalePayment*>* GetScalePaymentsForEmployeeCopy(
      std::string const& oid_employee, std::string const& valid_from);
  // The scale payment with object id `oid`. `effective` is sent exactly as
  // given (a date's wire text); only `valid` is converted.
  static ScalePayment GetObjectFromObjectId(std::string oid, std::string effective,
                                            base::VDate valid);

  // The development rows of the scale payments `oids` (in order; null or
  // empty sends none) at `effective`, which travels as its wire text
  // (c_str()). `noHistory` asks for the period in force only instead of
  // every period.
  static std::vector<ScalePaymentDevelopment*>* GetScalePaymentDevelopment(
      std::vector<std::string> const* oids, base::VDate effective, bool noHistory);
};

}  // namespace ostrel

#endif  // OSTREL_PAY_SCALEPAYMENT_H_
