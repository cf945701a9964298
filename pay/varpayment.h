// Variable payments: one-off or irregular pay elements entered for an
// employee for a period (value type, two factors and their result,
// percentage, performance factor, cost assignment, the server's error
// message, a free text), entered in bulk: the server checks entries against
// their preset values, creates many at once and answers an evaluated list.
#ifndef OSTREL_PAY_VARPAYMENT_H_
#define OSTREL_PAY_VARPAYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "field.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "varpayment_fields.h"
#include "varpayment_kind.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The time-independent part: the employee (whose company every write sends
// along) and the value type.
//
// A new root holds a default EmployeeShort and no value type and counts as
// unchanged. Built from a struct or copied it takes that value as its saved
// value and its identity (RecordPart).
//
// VarPaymentRoot carries Get/Set of every plain member of VarPaymentRootStruct (generated
// accessors).
class VarPaymentRoot
    : public VarPaymentRootStructFields<RecordPart<varpayment::VarPaymentRootStruct>> {
 public:
  VarPaymentRoot();
  using VarPaymentRootStructFields::VarPaymentRootStructFields;

  // The employee's short view.
  EmployeeShort GetRoot() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of a variable payment.
//
// A new period has every field empty; there are no defaults. Built from a
// struct or copied it takes that value as its saved value and its identity
// (RecordPart).
//
// OidVarPayment and ErrorMessage are filled by the server: OidVarPayment
// names the period, and Delete sends it; ErrorMessage says why an entry is
// not acceptable (see VarPayment::CheckPreValues).
//
// VarPaymentTP carries Get/Set of every plain member of VarPaymentTPStruct (generated accessors).
class VarPaymentTP : public VarPaymentTPStructFields<RecordPart<varpayment::VarPaymentTPStruct>> {
 public:
  VarPaymentTP() { MakeBoCopy(); }
  using VarPaymentTPStructFields::VarPaymentTPStructFields;
};

// Selection of the variable-payment list queries. Several filters in one
// query select what any of them selects.
//
// A new filter is cleared (ClearVarPaymentFilter) and holds a default
// extended filter. There is no list-display field.
class VarPaymentFilter {
 public:
  VarPaymentFilter();

  // From, until and fixed withdrawal date the empty date (VDate(""), sent as
  // ""), after journalized true, value type number and personnel number
  // unset, company, surname and both cost-object ids "". The extended
  // filter stays as it was.
  void ClearVarPaymentFilter();

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
  // The cost centre and cost unit of the payment's period.
  void SetOidCostCenterVP(std::string const& v) { field::Set(filter_.oidCostCenterVP, v); }
  void SetOidCostUnitVP(std::string const& v) { field::Set(filter_.oidCostUnitVP, v); }

  varpayment::VarPaymentFilterStruct ToIdl() const { return filter_; }

 private:
  varpayment::VarPaymentFilterStruct filter_{};
};

// A variable payment: root part (employee, value type) and one period,
// reached through GetVarPaymentRoot / GetVarPaymentTP.
//
// The company id. Commit and Delete send the company of the record's own
// employee (the OidPCompany of its EmployeeShort); the static operations
// take it from the caller, as their last argument.
//
// Commit sends createVarPayment (record, company) for a new object and
// setVarPayment (record, remove-new flag, company) for a stored one, also
// when the valid-from date changed: there is no add. Both carry the
// valid-from date as internal valid-from date. The answer becomes the
// current and saved value. A failed Commit keeps the unsaved changes in the
// object, then raises.
//
// Delete sends the employee's object id, the period's OidVarPayment (not the
// record's object id), the record's version and the company. A failed
// Delete leaves the object as it is.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements (see DeleteAll), never null.
class VarPayment
    : public PersonnelRecord<varpayment::VarPaymentStruct, VarPaymentRoot, VarPaymentTP> {
 public:
  using Callback = base::VCallback<
      VarPayment,
      POA_com::ostrel::personnel::domain::employee::varpayment::EEVarPaymentStructCallback,
      varpayment::VarPaymentSeq>;

  // Default root part and an empty period.
  VarPayment() = default;
  explicit VarPayment(varpayment::VarPaymentStruct const& s) : PersonnelRecord(s) {}

  VarPaymentRoot GetVarPaymentRoot() const { return GetRoot(); }
  void SetVarPaymentRoot(VarPaymentRoot const& r) { SetRoot(r); }
  VarPaymentTP GetVarPaymentTP() const { return GetHistory(); }
  void SetVarPaymentTP(VarPaymentTP const& p) { SetHistory(p); }

  void Commit();
  void Delete();

  static std::vector<VarPayment*>* GetActiveVarPayments(
      std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
      std::string oidPCompany);
  // The server's evaluated list; sends exactly what GetActiveVarPayments
  // sends.
  static std::vector<VarPayment*>* GetActiveVarPaymentsEvaluated(
      std::vector<VarPaymentFilter*> const* filters, base::Sortierung const& sort,
      std::string oidPCompany);
  // Starts a stream of at most `max_hits` variable payments (0: no limit);
  // the company travels after the callback. The caller owns the returned
  // callback object.
  static Callback* GetActiveVarPaymentsCB(std::vector<VarPaymentFilter*> const* filters,
                                          base::Sortierung const& sort, std::string oidPCompany,
                                          unsigned int max_hits);
  // The history of the variable payment with object id `oid`.
  static std::vector<VarPayment*>* GetAllVarPaymentHistory(std::string oid,
                                                           std::string oidPCompany);
  static std::vector<VarPayment*>* GetActiveEffectiveVarPaymentHistory(std::string oid,
                                                                       std::string oidPCompany);
  static std::vector<VarPayment*>* GetEffectiveVarPaymentHistory(std::string oid,
                                                                 base::VDate destination,
                                                                 std::string oidPCompany);
  // The variable payments of employee `oid_employee` as new objects for
  // another employee, valid from `valid_from` (a date's wire text, passed as
  // it is).
  static std::vector<VarPayment*>* GetVarPaymentsForEmployeeCopy(std::string const& oid_employee,
                                                                 std::string const& valid_from);
  // The variable payment with object id `oid` at an effective and a valid
  // time point; no company id.
  static VarPayment GetObjectFromObjectId(std::string oid, base::VDate effective,
                                          base::VDate valid);

  // The server's check of `entry` (its current value; its valid-from date is
  // not sent) for company `oidPCompany`: a new object with the preset values
  // filled in and, for an entry that is not acceptable, its ErrorMessage.
  // `entry` itself is not changed.
  //
  // A remote failure raises base::VException. Any other failure while
  // preparing or making the call (for example no server configured) leaves
  // no answer; it is not raised, and the result is a copy of `entry` as it
  // was passed (its current value, which is also the copy's saved value,
  // with its internal valid-from date as valid-from date) whose
  // ErrorMessage holds the failure's text, as for an entry the server does
  // not accept.
  static VarPayment CheckPreValues(VarPayment entry, std::string oidPCompany);

  // Stores every entry of `entries` (their current values, in order;
  // valid-from dates are not sent, the objects are not changed or freed) for
  // company `oidPCompany`. Returns one new object per stored payment, in the
  // server's order. An empty vector sends an empty sequence.
  static std::vector<VarPayment*>* CreateVarPayments(std::vector<VarPayment*>* entries,
                                                     std::string oidPCompany);

 private:
  // The record kind's own names replace these.
  using PersonnelRecord::GetHistory;
  using PersonnelRecord::GetRoot;
  using PersonnelRecord::SetHistory;
  using PersonnelRecord::SetRoot;

  // The result of CheckPreValues when the call failed other than remotely:
  // a copy of `entry` whose ErrorMessage, also saved, says why.
  static VarPayment Unanswered(VarPayment const& entry, std::string const& why);

  // The company of the record's employee.
  char const* OidPCompany() const { return Value().varPaymentRoot.employeeShort.oidPCompany.in(); }
};

}  // namespace ostrel

#endif  // OSTREL_PAY_VARPAYMENT_H_
