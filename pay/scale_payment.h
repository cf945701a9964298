// Scale payments: pay fixed by a collective pay scale (pay scale, group and
// level, percentage and performance factor, payment interval, cost
// assignment, upgrading dates, printing and automatic increases), and the
// read-only development view of the amounts that result over time.
#ifndef OSTREL_PAY_SCALE_PAYMENT_H_
#define OSTREL_PAY_SCALE_PAYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "interval.h"
#include "personnel_bo.h"
#include "scalepayment.hh"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace scalepayment = com::ostrel::personnel::domain::employee::scalepayment;

struct ScalePaymentService {
  using Servant = scalepayment::ScalePaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.scalepayment.ScalePaymentServantImpl";
};

// The time-independent part: the employee and the pay scale.
//
// A new root holds a default EmployeeShort and no pay scale. Built from a
// struct it takes that struct's identity and keeps the struct as its saved
// value; a copy also saves what it copied.
class ScalePaymentRoot : public base::BO<scalepayment::ScalePaymentRootStruct> {
 public:
  ScalePaymentRoot();
  explicit ScalePaymentRoot(scalepayment::ScalePaymentRootStruct const& s);
  ScalePaymentRoot(ScalePaymentRoot const& o);
  ScalePaymentRoot& operator=(ScalePaymentRoot const&) = default;

  EmployeeShort GetEmployeeShort() const;
  void SetEmployeeShort(EmployeeShort const& v);
  std::string GetOidPayScale() const;
  void SetOidPayScale(std::string const& v);
};

// One period of a scale payment.
//
// A new period is due every month once (NewInterval), has pay-scale level
// 0, prints on the statement of earnings and takes part in automatic
// increases; ids, percentage, performance factor and both upgrading dates
// are empty. It counts as unchanged. Built from a struct it takes that
// struct's identity and keeps the struct as its saved value; a copy also
// saves what it copied.
//
// OidScalePayment is filled by the server.
class ScalePaymentTP : public base::BO<scalepayment::ScalePaymentTPStruct> {
 public:
  ScalePaymentTP();
  explicit ScalePaymentTP(scalepayment::ScalePaymentTPStruct const& s);
  ScalePaymentTP(ScalePaymentTP const& o);
  ScalePaymentTP& operator=(ScalePaymentTP const&) = default;

  // Every month flag set and a count of 1; nothing else changes.
  void NewInterval();

  std::string GetOidScalePayment() const;
  void SetOidScalePayment(std::string const& v);
  std::string GetOidPayScaleGroup() const;
  void SetOidPayScaleGroup(std::string const& v);
  long GetPayScaleLevel() const;
  void SetPayScaleLevel(long v);
  personnel::Interval GetInterval() const;
  void SetInterval(personnel::Interval const& v);
  base::VFixed GetPercentage() const;
  void SetPercentage(base::VFixed const& v);
  base::VFixed GetPerformanceFactor() const;
  void SetPerformanceFactor(base::VFixed const& v);
  std::string GetOidCostUnit() const;
  void SetOidCostUnit(std::string const& v);
  std::string GetOidCostCenter() const;
  void SetOidCostCenter(std::string const& v);
  bool GetPrintOnStatementOfEarnings() const;
  void SetPrintOnStatementOfEarnings(bool v);
  base::VDate GetLastUpgrading() const;
  void SetLastUpgrading(base::VDate const& v);
  base::VDate GetNextUpgrading() const;
  void SetNextUpgrading(base::VDate const& v);
  bool GetNoAutomaticIncrease() const;
  void SetNoAutomaticIncrease(bool v);
};

// One row of the development view: the amount of one scale payment over one
// validity, with the employee, the pay scale's keys and the value type.
// Read-only.
class ScalePaymentDevelopment : public base::BO<scalepayment::ScalePaymentDevelopmentStruct> {
 public:
  // Numbers 0, empty texts and dates, due every month once.
  ScalePaymentDevelopment();
  explicit ScalePaymentDevelopment(scalepayment::ScalePaymentDevelopmentStruct const& s);

  long GetPersonnelnumber() const;
  std::wstring GetName() const;
  std::wstring GetPayScaleKey() const;
  std::wstring GetPayScaleGroupKey() const;
  long GetPayScaleLevelKey() const;
  std::wstring GetPayScaleLevelDescription() const;
  base::VFixed GetAmount() const;
  long GetValueTypeNumber() const;
  std::wstring GetValueTypeDescription() const;
  base::VDate GetValidFrom() const;
  base::VDate GetValidUntil() const;
  personnel::Interval GetInterval() const;
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
  ScalePaymentFilter();

  void SetFromDate(base::VDate const& v);
  void SetUntilDate(base::VDate const& v);
  void SetAfterJournalized(bool v);
  void SetOidPayScale(std::string const& v);
  void SetOidPayScaleGroup(std::string const& v);
  void SetOidPCompany(std::string const& v);
  void SetPnr(long v);
  void ClearPnr();
  void SetSurname(std::string const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetPayScaleLevel(long v);
  void ClearPayScaleLevel();
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);

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
  // empty sends none) at `effective`, which travels as its display text
  // (c_str(), "DD.MM.YYYY"), not its wire text. `noHistory` asks for the
  // period in force only instead of every period.
  static std::vector<ScalePaymentDevelopment*>* GetScalePaymentDevelopment(
      std::vector<std::string> const* oids, base::VDate effective, bool noHistory);
};

}  // namespace ostrel

#endif  // OSTREL_PAY_SCALE_PAYMENT_H_
