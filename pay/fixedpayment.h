// Fixed payments: recurring pay elements of an employee (value type, two
// factors and their result, percentage, performance factor, payment
// interval, cost assignment, exclusion from automatic increases), and the
// read-only evaluation view of an employee's fixed payments.
#ifndef OSTREL_PAY_FIXEDPAYMENT_H_
#define OSTREL_PAY_FIXEDPAYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "fixedpayment_fields.h"
#include "fixedpayment_kind.h"
#include "interval.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "time_period.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The time-independent part: the employee and the value type the payment is
// booked under.
//
// A new root holds a default EmployeeShort and no value type and counts as
// unchanged. Built from a struct or copied it takes that value as its saved
// value and its identity (RecordPart).
//
// FixedPaymentRoot carries Get/Set of every plain member of FixedPaymentRootStruct (generated
// accessors).
class FixedPaymentRoot
    : public FixedPaymentRootStructFields<RecordPart<fixedpayment::FixedPaymentRootStruct>> {
 public:
  FixedPaymentRoot();
  using FixedPaymentRootStructFields::FixedPaymentRootStructFields;

  EmployeeShort GetEmployeeShort() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of a fixed payment.
//
// A new period is due every month once (NewInterval) and takes part in
// automatic increases; ids, factors, result, percentage and performance
// factor are empty. It counts as unchanged. Built from a struct or copied it
// takes that value as its saved value and its identity (RecordPart).
//
// OidFixedPayment is filled by the server.
//
// FixedPaymentTP carries Get/Set of every plain member of FixedPaymentTPStruct (generated
// accessors).
class FixedPaymentTP
    : public FixedPaymentTPStructFields<RecordPart<fixedpayment::FixedPaymentTPStruct>> {
 public:
  FixedPaymentTP();
  using FixedPaymentTPStructFields::FixedPaymentTPStructFields;

  // Every month flag set and a count of 1; nothing else changes.
  void NewInterval() { Value().interval = personnel::Interval(true).ToIdl(); }

  personnel::Interval GetInterval() const { return personnel::Interval(Value().interval); }
  void SetInterval(personnel::Interval const& v) { Value().interval = v.ToIdl(); }
};

// One row of the evaluation view: one period of a fixed payment with its
// value type's key and description. Read-only; Commit and Delete do nothing
// and contact no server.
//
// EvaFixedPayment carries Get/Set of every plain member of EvaFixedPaymentStruct (generated
// accessors).
class EvaFixedPayment
    : public EvaFixedPaymentStructFields<base::BO<fixedpayment::EvaFixedPaymentStruct>> {
 public:
  // Key 0, empty texts and period, due every month once.
  EvaFixedPayment();
  explicit EvaFixedPayment(fixedpayment::EvaFixedPaymentStruct const& s)
      : EvaFixedPaymentStructFields(s) {
    MakeBoCopy();
  }

  personnel::TimePeriod GetTimePeriod() const { return personnel::TimePeriod(Value().timePeriod); }
  personnel::Interval GetInterval() const { return personnel::Interval(Value().interval); }

  void Commit() {}
  void Delete() {}
};

// Selection of GetActiveFixedPayments and GetActiveFixedPaymentsCB. Several
// filters in one query select what any of them selects.
//
// A new filter has from, until and fixed withdrawal date undefined
// (VDate(-1, -1, -1), sent as its wire text), after journalized true, value
// type number and personnel number unset, company and surname "", a default
// extended filter and list display 0. There is no clear-all.
class FixedPaymentFilter {
 public:
  using ListDisplayOfEmployeeEnum =
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  FixedPaymentFilter();

  void SetFromDate(base::VDate const& v) { field::Set(filter_.fromDate, v); }
  void SetUntilDate(base::VDate const& v) { field::Set(filter_.untilDate, v); }
  void SetAfterJournalized(bool v) { field::Set(filter_.afterJournalized, v); }
  void SetVtn(long v) { filter_.vtn.vtn(static_cast<CORBA::Long>(v)); }
  void ClearVtn() { filter_.vtn._default(); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }
  void SetListDisplayOfEmployeeEnum(ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }

  fixedpayment::FixedPaymentFilterStruct ToIdl() const { return filter_; }

 private:
  fixedpayment::FixedPaymentFilterStruct filter_{};
};

// A fixed payment: root part (employee, value type) and one period.
//
// Commit sends createFixedPayment for a new object; for a stored one
// addFixedPayment when the valid-from date differs from the stored internal
// valid-from date (the new period starts there), setFixedPayment
// otherwise; both with the remove-new flag. The answer becomes the current
// and saved value. Delete sends the employee's object id, the object id and
// the version. A failed Commit or Delete returns the object to its last
// saved value, then raises. There is no restore and no error list.
//
// The history queries take the fixed payment's object id; the evaluation
// queries (GetEva…) take the employee's and answer EvaFixedPayment rows.
//
// The print run (printFixedPayments) streams report lines to a callback
// object the application supplies; no business object starts it.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements (see DeleteAll), never null.
class FixedPayment
    : public PersonnelRecord<fixedpayment::FixedPaymentStruct, FixedPaymentRoot, FixedPaymentTP> {
 public:
  using Callback = base::VCallback<
      FixedPayment,
      POA_com::ostrel::personnel::domain::employee::fixedpayment::EEFixedPaymentStructCallback,
      fixedpayment::FixedPaymentSeq>;

  // Default root part (no value type) and a new period.
  FixedPayment() = default;
  explicit FixedPayment(fixedpayment::FixedPaymentStruct const& s) : PersonnelRecord(s) {}

  void Commit();
  void Delete();

  static std::vector<FixedPayment*>* GetActiveFixedPayments(
      std::vector<FixedPaymentFilter*> const* filters, base::Sortierung const& sort);
  // Starts a stream of at most `max_hits` fixed payments (0: no limit); the
  // caller owns the returned callback object.
  static Callback* GetActiveFixedPaymentsCB(std::vector<FixedPaymentFilter*> const* filters,
                                            base::Sortierung const& sort, unsigned int max_hits);
  // The history of the fixed payment with object id `oid`.
  static std::vector<FixedPayment*>* GetAllFixedPaymentHistory(std::string oid);
  static std::vector<FixedPayment*>* GetActiveEffectiveFixedPaymentHistory(std::string oid);
  static std::vector<FixedPayment*>* GetEffectiveFixedPaymentHistory(std::string oid,
                                                                     base::VDate destination);
  // The fixed payments of employee `oid_employee` as new objects for another
  // employee, valid from `valid_from` (a date's wire text, passed as it is).
  static std::vector<FixedPayment*>* GetFixedPaymentsForEmployeeCopy(
      std::string const& oid_employee, std::string const& valid_from);
  // The fixed payment with object id `oid`. `effective` is sent exactly as
  // given (a date's wire text); only `valid` is converted.
  static FixedPayment GetObjectFromObjectId(std::string oid, std::string effective,
                                            base::VDate valid);

  // Evaluation rows of employee `oid_employee`: of the active fixed
  // payments, of every period, of the periods in force, of the periods in
  // force at `destination`.
  static std::vector<EvaFixedPayment*>* GetEvaFixedPayments(std::string oid_employee);
  static std::vector<EvaFixedPayment*>* GetEvaAllFixedPaymentHistory(std::string oid_employee);
  static std::vector<EvaFixedPayment*>* GetEvaActiveEffectiveFixedPaymentHistory(
      std::string oid_employee);
  static std::vector<EvaFixedPayment*>* GetEvaEffectiveFixedPaymentHistory(std::string oid_employee,
                                                                           base::VDate destination);
};

}  // namespace ostrel

#endif  // OSTREL_PAY_FIXEDPAYMENT_H_
