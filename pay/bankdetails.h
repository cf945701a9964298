// Bank details: how and to which account an employee's net pay is paid out
// (mode of payment, account and owner, retention, truncation, paying company
// account, ranking among several bank details), with the findings the server
// attaches to the record.
#ifndef OSTREL_PAY_BANKDETAILS_H_
#define OSTREL_PAY_BANKDETAILS_H_

#include <string>
#include <vector>

#include "bank_account.h"
#include "bankdetails_fields.h"
#include "bankdetails_kind.h"
#include "bo.h"
#include "defaults.h"
#include "employee/employee.h"
#include "field.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

// The time-independent part: the employee the bank details belong to.
//
// A new root holds a default EmployeeShort and counts as unchanged. Unlike
// the parts of most records, one built from a struct takes neither that
// struct's identity nor a saved value (ResetBo() then returns to an empty
// struct); a copy saves what it copied.
//
// BankDetailsRoot carries Get/Set of every plain member of BankDetailsRootStruct (generated
// accessors).
class BankDetailsRoot
    : public BankDetailsRootStructFields<base::BO<bankdetails::BankDetailsRootStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple();

  BankDetailsRoot();
  explicit BankDetailsRoot(bankdetails::BankDetailsRootStruct const& s)
      : BankDetailsRootStructFields(s) {}
  BankDetailsRoot(BankDetailsRoot const& o) : BankDetailsRootStructFields(o) { MakeBoCopy(); }
  BankDetailsRoot& operator=(BankDetailsRoot const&) = default;

  // The employee's short view (the getter keeps the name it has always had).
  EmployeeShort GetRoot() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of the bank details.
//
// A new period has the defaults of kDefaults (bank transfer SEPA, ranking
// number 99, truncation scale TRUNCATE_TO_NONE, for salary, retroactive
// calculations and deductions from net income) and zero, false or empty in
// every other member. It counts as unchanged.
//
// Built from a struct it takes neither that struct's identity nor a saved
// value, like the root; a copy saves what it copied.
//
// BankDetailsTP carries Get/Set of every plain member of BankDetailsTPStruct (generated accessors).
class BankDetailsTP : public BankDetailsTPStructFields<base::BO<bankdetails::BankDetailsTPStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&bankdetails::BankDetailsTPStruct::rankingNumber>(99),
      DefaultOf<&bankdetails::BankDetailsTPStruct::truncationScale>(
          ::com::ostrel::personnel::domain::employee::bankdetails::TRUNCATE_TO_NONE),
      DefaultOf<&bankdetails::BankDetailsTPStruct::typeOfBankTransferEnum>(
          ::com::ostrel::personnel::framework::basictypes::BANK_TRANSFER_SEPA),
      DefaultOf<&bankdetails::BankDetailsTPStruct::includedRetroactiveCalculation>(true),
      DefaultOf<&bankdetails::BankDetailsTPStruct::deductionFromNetIncome>(true),
      DefaultOf<&bankdetails::BankDetailsTPStruct::forSalary>(true));

  using ModeOfPaymentEnum = bankdetails::ModeOfPaymentEnum;
  using TruncationEnum = bankdetails::TruncationEnum;
  using TruncationScaleEnum = bankdetails::TruncationScaleEnum;
  using TypeOfBankTransferEnum =
      com::ostrel::personnel::framework::basictypes::TypeOfBankTransferEnum;

  BankDetailsTP();
  explicit BankDetailsTP(bankdetails::BankDetailsTPStruct const& s)
      : BankDetailsTPStructFields(s) {}
  BankDetailsTP(BankDetailsTP const& o) : BankDetailsTPStructFields(o) { MakeBoCopy(); }
  BankDetailsTP& operator=(BankDetailsTP const&) = default;

  personnel::BankAccount GetBankAccount() const {
    return personnel::BankAccount(Value().bankAccount);
  }
  void SetBankAccount(personnel::BankAccount const& v) { Value().bankAccount = v.ToIdl(); }
};

// Selection of GetActiveEEBankDetailss and GetActiveEEBankDetailsCB.
// Several filters in one query select what any of them selects.
//
// A new filter is cleared (ClearEEBankDetailsFilter): the five optional
// values (mode of payment, repetition of name, truncation, truncation scale,
// personnel number) unset, every text "", the fixed date of withdrawal the
// empty date, list display 0.
class EEBankDetailsFilter {
 public:
  using ListDisplayOfEmployeeEnum =
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  EEBankDetailsFilter() { ClearEEBankDetailsFilter(); }

  // Back to the state of a new filter.
  void ClearEEBankDetailsFilter();

  void SetModeOfPayment(bankdetails::ModeOfPaymentEnum v) {
    filter_.modeOfPayment.modeofpayment(v);
  }
  void ClearModeOfPayment() { filter_.modeOfPayment._default(); }
  void SetOidBank(std::string const& v) { field::Set(filter_.oidBank, v); }
  void SetAccountNumber(std::string const& v) { field::Set(filter_.accountNumber, v); }
  void SetReasonForTransfer(std::string const& v) { field::Set(filter_.reasonForTransfer, v); }
  void SetOwnerOfAccount(std::string const& v) { field::Set(filter_.ownerOfAccount, v); }
  void SetRepetitionOfNameType(bool v) { filter_.repetitionOfNameType.repetitionofname(v); }
  void ClearRepetitionOfNameType() { filter_.repetitionOfNameType._default(); }
  void SetTruncationType(bankdetails::TruncationEnum v) { filter_.truncationType.truncation(v); }
  void ClearTruncationType() { filter_.truncationType._default(); }
  void SetTruncationScaleType(bankdetails::TruncationScaleEnum v) {
    filter_.truncationScaleType.truncationscale(v);
  }
  void ClearTruncationScaleType() { filter_.truncationScaleType._default(); }
  void SetOidCompanyAccount(std::string const& v) { field::Set(filter_.oidCompanyAccount, v); }
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

  bankdetails::EEBankDetailsFilterStruct ToIdl() const { return filter_; }

 private:
  bankdetails::EEBankDetailsFilterStruct filter_{};
};

// Bank details of an employee: root part, one period and the server's
// findings (the error list).
//
// Commit sends createEEBankDetails for a new object; for a stored one
// addEEBankDetails when the valid-from date differs from the stored internal
// valid-from date (the new period starts there), setEEBankDetails
// otherwise; both with the remove-new flag. The answer, findings included,
// becomes the current and saved value. Delete sends the employee's object
// id, the object id and the version. A failed Commit, Delete or
// GetMigrationEmployee returns the object to its last saved value, then
// raises. There is no restore.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements (see DeleteAll), never null.
class EEBankDetails
    : public PersonnelRecord<bankdetails::EEBankDetailsStruct, BankDetailsRoot, BankDetailsTP> {
 public:
  using Callback = base::VCallback<
      EEBankDetails,
      POA_com::ostrel::personnel::domain::employee::bankdetails::EEBankDetailsStructCallback,
      bankdetails::EEBankDetailsSeq>;

  // Default root and period part, no findings.
  EEBankDetails() = default;
  explicit EEBankDetails(bankdetails::EEBankDetailsStruct const& s) : PersonnelRecord(s) {}
  // A copy starts with error count 0; assignment copies the count.
  EEBankDetails(EEBankDetails const& o) : PersonnelRecord(o) {}
  EEBankDetails& operator=(EEBankDetails const&) = default;

  void Commit();
  void Delete();

  // The server's migration of this record (the current value is sent as it
  // is, its internal valid-from date untouched): the answer replaces root,
  // period and findings and becomes the saved value, as after a Commit.
  void GetMigrationEmployee();

  // The findings: a new vector of new Error objects in the server's order,
  // owned by the caller. Each call also sets the error count to their number.
  std::vector<personnel::Error*>* GetErrors() { return errors_.Get(Value().errors); }
  // Replaces the findings by copies of `errors` (null: none); the error
  // count stays until the next GetErrors.
  void SetErrors(std::vector<personnel::Error*> const* errors) {
    ErrorList::Set(Value().errors, errors);
  }
  // The number of findings the last GetErrors delivered; 0 before.
  int GetErrorCount() const { return errors_.Count(); }

  static std::vector<EEBankDetails*>* GetActiveEEBankDetailss(
      std::vector<EEBankDetailsFilter*> const* filters, base::Sortierung const& sort);
  // Starts a stream of at most `max_hits` bank details (0: no limit); the
  // caller owns the returned callback object.
  static Callback* GetActiveEEBankDetailsCB(std::vector<EEBankDetailsFilter*> const* filters,
                                            base::Sortierung const& sort, unsigned int max_hits);
  // The histories of every bank details of employee `oid_employee`.
  static std::vector<EEBankDetails*>* GetAllEEBankDetailssHistory(std::string oid_employee);
  static std::vector<EEBankDetails*>* GetActiveEffectiveEEBankDetailssHistory(
      std::string oid_employee);
  static std::vector<EEBankDetails*>* GetEffectiveEEBankDetailssHistory(std::string oid_employee,
                                                                        base::VDate effective);
  // The bank details of employee `oid_employee` as new objects for another
  // employee, valid from `valid_from` (a date's wire text, passed as it is).
  static std::vector<EEBankDetails*>* GetBankDetailsForEmployeeCopy(std::string const& oid_employee,
                                                                    std::string const& valid_from);
  // The bank details with object id `oid` at an effective and a valid time
  // point.
  static EEBankDetails GetObjectFromObjectId(std::string const& oid, base::VDate const& effective,
                                             base::VDate const& valid);

 private:
  ErrorList errors_;
};

}  // namespace ostrel

#endif  // OSTREL_PAY_BANKDETAILS_H_
