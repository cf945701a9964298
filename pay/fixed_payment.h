// Fixed payments: recurring pay elements of an employee (value type, two
// factors and their result, percentage, performance factor, payment
// interval, cost assignment, exclusion from automatic increases), and the
// read-only evaluation view of an employee's fixed payments.
#ifndef OSTREL_PAY_FIXED_PAYMENT_H_
#define OSTREL_PAY_FIXED_PAYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "fixedpayment.hh"
#include "interval.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "time_period.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace fixedpayment = com::ostrel::personnel::domain::employee::fixedpayment;

struct FixedPaymentService {
  using Servant = fixedpayment::FixedPaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.fixedpayment.FixedPaymentServantImpl";
};

// The time-independent part: the employee and the value type the payment is
// booked under.
//
// A new root holds a default EmployeeShort and no value type. Built from a
// struct it takes that struct's identity and keeps the struct as its saved
// value; a copy also saves what it copied.
class FixedPaymentRoot : public base::BO<fixedpayment::FixedPaymentRootStruct> {
 public:
  FixedPaymentRoot();
  explicit FixedPaymentRoot(fixedpayment::FixedPaymentRootStruct const& s);
  FixedPaymentRoot(FixedPaymentRoot const& o);
  FixedPaymentRoot& operator=(FixedPaymentRoot const&) = default;

  EmployeeShort GetEmployeeShort() const;
  void SetEmployeeShort(EmployeeShort const& v);
  std::string GetOidValueType() const;
  void SetOidValueType(std::string const& v);
};

// One period of a fixed payment.
//
// A new period is due every month once (NewInterval) and takes part in
// automatic increases; ids, factors, result, percentage and performance
// factor are empty. It counts as unchanged. Built from a struct it takes
// that struct's identity and keeps the struct as its saved value; a copy
// also saves what it copied.
//
// OidFixedPayment is filled by the server.
class FixedPaymentTP : public base::BO<fixedpayment::FixedPaymentTPStruct> {
 public:
  FixedPaymentTP();
  explicit FixedPaymentTP(fixedpayment::FixedPaymentTPStruct const& s);
  FixedPaymentTP(FixedPaymentTP const& o);
  FixedPaymentTP& operator=(FixedPaymentTP const&) = default;

  // Every month flag set and a count of 1; nothing else changes.
  void NewInterval();

  std::string GetOidFixedPayment() const;
  void SetOidFixedPayment(std::string const& v);
  personnel::Interval GetInterval() const;
  void SetInterval(personnel::Interval const& v);
  base::VFixed GetFactor1() const;
  void SetFactor1(base::VFixed const& v);
  base::VFixed GetFactor2() const;
  void SetFactor2(base::VFixed const& v);
  base::VFixed GetResult() const;
  void SetResult(base::VFixed const& v);
  base::VFixed GetPercentage() const;
  void SetPercentage(base::VFixed const& v);
  base::VFixed GetPerformanceFactor() const;
  void SetPerformanceFactor(base::VFixed const& v);
  std::string GetOidCostUnit() const;
  void SetOidCostUnit(std::string const& v);
  std::string GetOidCostCenter() const;
  void SetOidCostCenter(std::string const& v);
  bool GetNoAutomaticIncrease() const;
  void SetNoAutomaticIncrease(bool v);
};

// One row of the evaluation view: one period of a fixed payment with its
// value type's key and description. Read-only; Commit and Delete do nothing
// and contact no server.
class EvaFixedPayment : public base::BO<fixedpayment::EvaFixedPaymentStruct> {
 public:
  // Key 0, empty texts and period, due every month once.
  EvaFixedPayment();
  explicit EvaFixedPayment(fixedpayment::EvaFixedPaymentStruct const& s);

  long GetVTypeKey() const;
  std::string GetDescription() const;
  personnel::TimePeriod GetTimePeriod() const;
  personnel::Interval GetInterval() const;
  base::VFixed GetFactor1() const;
  base::VFixed GetFactor2() const;
  base::VFixed GetResult() const;

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
  FixedPaymentFilter();

  void SetFromDate(base::VDate const& v);
  void SetUntilDate(base::VDate const& v);
  void SetAfterJournalized(bool v);
  void SetVtn(long v);
  void ClearVtn();
  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::string const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);

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

#endif  // OSTREL_PAY_FIXED_PAYMENT_H_
