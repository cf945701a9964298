// Variable payments: one-off or irregular pay elements entered for an
// employee for a period (value type, two factors and their result,
// percentage, performance factor, cost assignment, the server's error
// message, a free text), entered in bulk: the server checks entries against
// their preset values, creates many at once and answers an evaluated list.
#ifndef OSTREL_PAY_VAR_PAYMENT_H_
#define OSTREL_PAY_VAR_PAYMENT_H_

#include <string>
#include <vector>

#include "bo.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "personnel_bo.h"
#include "record_layout.h"
#include "sortierung.h"
#include "varpayment.hh"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

namespace varpayment = com::ostrel::personnel::domain::employee::varpayment;

// The record's parts are named after the record kind.
template <>
struct RecordLayout<varpayment::VarPaymentStruct>
    : MemberLayout<&varpayment::VarPaymentStruct::varPaymentRoot,
                   &varpayment::VarPaymentStruct::varPaymentTP> {};

struct VarPaymentService {
  using Servant = varpayment::VarPaymentServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.varpayment.VarPaymentServantImpl";
};

// The time-independent part: the employee (whose company every write sends
// along) and the value type.
//
// A new root holds a default EmployeeShort and no value type. Built from a
// struct it takes that struct's identity and keeps the struct as its saved
// value; a copy also saves what it copied.
class VarPaymentRoot : public base::BO<varpayment::VarPaymentRootStruct> {
 public:
  VarPaymentRoot();
  explicit VarPaymentRoot(varpayment::VarPaymentRootStruct const& s);
  VarPaymentRoot(VarPaymentRoot const& o);
  VarPaymentRoot& operator=(VarPaymentRoot const&) = default;

  // The employee's short view.
  EmployeeShort GetRoot() const;
  void SetEmployeeShort(EmployeeShort const& v);
  std::string GetOidValueType() const;
  void SetOidValueType(std::string const& v);
};

// One period of a variable payment.
//
// A new period has every field empty; there are no defaults. Built from a
// struct it takes that struct's identity and keeps the struct as its saved
// value; a copy also saves what it copied.
//
// OidVarPayment and ErrorMessage are filled by the server: OidVarPayment
// names the period, and Delete sends it; ErrorMessage says why an entry is
// not acceptable (see VarPayment::CheckPreValues).
class VarPaymentTP : public base::BO<varpayment::VarPaymentTPStruct> {
 public:
  VarPaymentTP();
  explicit VarPaymentTP(varpayment::VarPaymentTPStruct const& s);
  VarPaymentTP(VarPaymentTP const& o);
  VarPaymentTP& operator=(VarPaymentTP const&) = default;

  std::string GetOidVarPayment() const;
  void SetOidVarPayment(std::string const& v);
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
  std::string GetErrorMessage() const;
  void SetErrorMessage(std::string const& v);
  std::wstring GetAdditionalInformation() const;
  void SetAdditionalInformation(std::wstring const& v);
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
  // The cost centre and cost unit of the payment's period.
  void SetOidCostCenterVP(std::string const& v);
  void SetOidCostUnitVP(std::string const& v);

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
  // A remote failure raises base::VException. Any other exception while
  // preparing or making the call (for example no server configured) is
  // swallowed; there is no answer then, and the result is a copy of `entry`
  // as it was passed: its current value, which is also the copy's saved
  // value, with its internal valid-from date as valid-from date.
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

  // The company of the record's employee.
  char const* OidPCompany() const;
};

}  // namespace ostrel

#endif  // OSTREL_PAY_VAR_PAYMENT_H_
