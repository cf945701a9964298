// Supplementary pension funds: an employee's membership in the ZVK or the
// VBLU fund, per validity period. The two record kinds are twins: the
// periods (ZVKTP, VBLUTP) differ, the record objects (EEZVK, EEVBLU) and
// their filters share one shape, PensionFundRecord and PensionFundFilter.
#ifndef OSTREL_STATUTORY_PENSIONFUNDS_H_
#define OSTREL_STATUTORY_PENSIONFUNDS_H_

#include <string>
#include <vector>

#include "bo.h"
#include "defaults.h"
#include "employee/employee.h"
#include "nested.h"
#include "personnel_bo.h"
#include "personnel_error.h"
#include "sortierung.h"
#include "vblu_fields.h"
#include "vblu_kind.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"
#include "zvk_fields.h"
#include "zvk_kind.h"

namespace ostrel {

// One period of a ZVK membership.
//
// A new period has AddAmount3No63EStG set, every other flag false, all four
// enums 0, both numbers of children 0, AdvancementTypeAsCtPays 0 and every
// text, date and amount empty; it counts as unchanged. Built from a struct,
// or copied, it takes that identity and keeps the value as its saved value.
//
// ZVKTP carries Get/Set of every plain member of ZVKStruct (generated accessors).
class ZVKTP : public ZVKStructFields<RecordPart<zvk::ZVKStruct>> {
 public:
  static inline auto const kDefaults =
      std::make_tuple(DefaultOf<&zvk::ZVKStruct::addAmount3No63EStG>(true));

  ZVKTP();
  using ZVKStructFields::ZVKStructFields;
  int GetNumberOfChildren() const { return Value().numberOfChildren; }
  void SetNumberOfChildren(int v) { field::Set(Value().numberOfChildren, v); }
  int GetNumberOfChildrenAfter() const { return Value().numberOfChildrenAfter; }
  void SetNumberOfChildrenAfter(int v) { field::Set(Value().numberOfChildrenAfter, v); }
};

// One period of a VBLU membership.
//
// A new period has implementation path VBLU_PATH_DIRECT_COMMITMENT (5),
// ConsumptionExemtionLimit set, every other flag false, both contribution
// percentages and the carried-forward amount the number 0 (text "0", not
// empty), the numbers 0 and every other text, date and amount empty; it
// counts as unchanged. Built from a struct, or copied, it takes that
// identity and keeps the value as its saved value.
//
// VBLUTP carries Get/Set of every plain member of VBLUStruct (generated accessors).
class VBLUTP : public VBLUStructFields<RecordPart<vblu::VBLUStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(
      DefaultOf<&vblu::VBLUStruct::vbluImplementationPath>(vblu::VBLU_PATH_DIRECT_COMMITMENT),
      DefaultOf<&vblu::VBLUStruct::consumptionExemtionLimit>(true),
      DefaultOf<&vblu::VBLUStruct::contPercEE>(base::VFixed(0)),
      DefaultOf<&vblu::VBLUStruct::contPercER>(base::VFixed(0)),
      DefaultOf<&vblu::VBLUStruct::carriedForward>(base::VFixed(0)));

  VBLUTP();
  using VBLUStructFields::VBLUStructFields;

  // The period's fields, in wire order.
};

// Selection of a pension fund's list queries. Several filters in one query
// select what any of them selects. The defaults (see EEZVKFilter and
// EEVBLUFilter) are: no company, fund or surname, personnel number cleared,
// the empty withdrawal date, list display LIST_ACTIVE_EMPLOYEES (0).
template <class FilterStruct>
class PensionFundFilter {
 public:
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetOidRecipient(std::string const& v) { field::Set(filter_.oidRecipient, v); }
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

  FilterStruct ToIdl() const { return filter_; }

 protected:
  PensionFundFilter() { Clear(); }
  void Clear();

 private:
  FilterStruct filter_{};
};

class EEZVKFilter : public PensionFundFilter<zvk::EEZVKFilterStruct> {
 public:
  EEZVKFilter() = default;
  void ClearEEZVKFilter() { Clear(); }
};

class EEVBLUFilter : public PensionFundFilter<vblu::EEVBLUFilterStruct> {
 public:
  EEVBLUFilter() = default;
  void ClearEEVBLUFilter() { Clear(); }
};

// What distinguishes the twins' record objects: their structs and their
// servant's operations.
struct ZVKKind {
  using Struct = zvk::EEZVKStruct;
  using Seq = zvk::EEZVKSeq;
  using TP = ZVKTP;
  using Filter = EEZVKFilter;
  using FilterSeq = zvk::EEZVKFilterSeq;
  using Service = EEZVKService;
  using POACallback = POA_com::ostrel::personnel::domain::employee::zvk::EEZVKStructCallback;
  using Stub = Remote<EEZVKService>::Stub;
  static constexpr auto kCreate = &Stub::createEEZVK;
  static constexpr auto kAdd = &Stub::addEEZVK;
  static constexpr auto kSet = &Stub::setEEZVK;
  static constexpr auto kDelete = &Stub::deleteEEZVK;
  static constexpr auto kActive = &Stub::getActiveEEZVKs;
  static constexpr auto kActiveCB = &Stub::getActiveEEZVKsCB;
  static constexpr auto kAllHistory = &Stub::getAllEEZVKHistory;
  static constexpr auto kActiveEffectiveHistory = &Stub::getActiveEffectiveEEZVKHistory;
  static constexpr auto kEffectiveHistory = &Stub::getEffectiveEEZVKHistory;
  static constexpr auto kObjectFromObjectId = &Stub::getObjectFromObjectId;
  static constexpr auto kForEmployeeCopy = &Stub::getZVKsForEmployeeCopy;
};
struct VBLUKind {
  using Struct = vblu::EEVBLUStruct;
  using Seq = vblu::EEVBLUSeq;
  using TP = VBLUTP;
  using Filter = EEVBLUFilter;
  using FilterSeq = vblu::EEVBLUFilterSeq;
  using Service = EEVBLUService;
  using POACallback = POA_com::ostrel::personnel::domain::employee::vblu::EEVBLUStructCallback;
  using Stub = Remote<EEVBLUService>::Stub;
  static constexpr auto kCreate = &Stub::createEEVBLU;
  static constexpr auto kAdd = &Stub::addEEVBLU;
  static constexpr auto kSet = &Stub::setEEVBLU;
  static constexpr auto kDelete = &Stub::deleteEEVBLU;
  static constexpr auto kActive = &Stub::getActiveEEVBLUs;
  static constexpr auto kActiveCB = &Stub::getActiveEEVBLUsCB;
  static constexpr auto kAllHistory = &Stub::getAllEEVBLUHistory;
  static constexpr auto kActiveEffectiveHistory = &Stub::getActiveEffectiveEEVBLUHistory;
  static constexpr auto kEffectiveHistory = &Stub::getEffectiveEEVBLUHistory;
  static constexpr auto kObjectFromObjectId = &Stub::getObjectFromObjectId;
  static constexpr auto kForEmployeeCopy = &Stub::getVBLUsForEmployeeCopy;
};

// A pension fund membership of one validity period, with the employee's
// short view and the server's findings on it. It is keyed by the employee:
// GetObjectid() is the employee's object id, and the record is new
// (IsNew()) until it was created or read from the server; setting the
// employee does not change that.
//
// A new record holds a default EmployeeShort and a default period, no
// findings and error count 0.
//
// Commit sends the whole record: create for a new object; add when the
// valid-from date differs from the stored internal valid-from date (which
// then takes it); set otherwise; add and set with the object's remove-new
// flag. Delete sends the whole current value, changed or not. A failed
// Commit or Delete returns to the last saved value.
template <class Record, class Kind>
class PensionFundRecord
    : public PersonnelRecord<typename Kind::Struct, EmployeeShort, typename Kind::TP> {
  using Base = PersonnelRecord<typename Kind::Struct, EmployeeShort, typename Kind::TP>;

 public:
  using Callback = base::VCallback<Record, typename Kind::POACallback, typename Kind::Seq>;

  EmployeeShort GetEmployeeShort() const { return this->GetRoot(); }
  void SetEmployeeShort(EmployeeShort const& v) { this->SetRoot(v); }
  using Base::GetHistory;
  using Base::SetHistory;

  // The server's findings: a new vector of new errors, which the caller
  // owns; the error count becomes their number.
  std::vector<personnel::Error*>* GetErrors() { return errors_.Get(this->Value().errors); }
  // Replaces the findings with copies of the vector's elements (null: none);
  // the error count stays.
  void SetErrors(std::vector<personnel::Error*> const* v) {
    ErrorList::Set(this->Value().errors, v);
  }
  // The number of findings the last GetErrors returned; 0 before.
  int GetErrorCount() const { return errors_.Count(); }

  // Empties the effective-from date; no remote call.
  void ResetEffectiveFrom() { this->Period().effectiveFrom = ""; }

  void Commit();
  void Delete();

 protected:
  PensionFundRecord() = default;
  explicit PensionFundRecord(typename Kind::Struct const& s) : Base(s) {}

  // The queries, named by the twins.
  static std::vector<Record*>* Active(std::vector<typename Kind::Filter*> const* filters,
                                      base::Sortierung const& sort);
  static Callback* ActiveCB(std::vector<typename Kind::Filter*> const* filters,
                            base::Sortierung const& sort, unsigned int max_hits);
  static std::vector<Record*>* AllHistory(std::string const& oid_employee);
  static std::vector<Record*>* ActiveEffectiveHistory(std::string const& oid_employee);
  static std::vector<Record*>* EffectiveHistory(std::string const& oid_employee,
                                                base::VDate const& date);
  static Record ObjectFromObjectId(std::string const& oid_employee, base::VDate const& effective,
                                   base::VDate const& valid);
  static std::vector<Record*>* ForEmployeeCopy(std::string const& oid_employee,
                                               std::string const& valid_from);

 private:
  using Base::GetRoot;
  using Base::SetRoot;
  using Remote_ = Remote<typename Kind::Service>;

  ErrorList errors_;
};

// ZVK membership. List results are new vectors of new objects, owned by the
// caller; the string of the history queries is the employee's object id.
class EEZVK : public PensionFundRecord<EEZVK, ZVKKind> {
 public:
  EEZVK() = default;
  explicit EEZVK(zvk::EEZVKStruct const& s) : PensionFundRecord(s) {}

  static std::vector<EEZVK*>* GetActiveEEZVKs(std::vector<EEZVKFilter*> const* filters,
                                              base::Sortierung const& sort) {
    return Active(filters, sort);
  }
  static Callback* GetActiveEEZVKsCB(std::vector<EEZVKFilter*> const* filters,
                                     base::Sortierung const& sort, unsigned int max_hits) {
    return ActiveCB(filters, sort, max_hits);
  }
  static std::vector<EEZVK*>* GetAllEEZVKHistory(std::string oid_employee) {
    return AllHistory(oid_employee);
  }
  static std::vector<EEZVK*>* GetActiveEffectiveEEZVKHistory(std::string oid_employee) {
    return ActiveEffectiveHistory(oid_employee);
  }
  static std::vector<EEZVK*>* GetEffectiveEEZVKHistory(std::string oid_employee, base::VDate date) {
    return EffectiveHistory(oid_employee, date);
  }
  static EEZVK GetObjectFromObjectId(std::string const& oid_employee, base::VDate const& effective,
                                     base::VDate const& valid) {
    return ObjectFromObjectId(oid_employee, effective, valid);
  }
  // The employee's records as templates for a new employee.
  static std::vector<EEZVK*>* GetZVKsForEmployeeCopy(std::string const& oid_employee,
                                                     std::string const& valid_from) {
    return ForEmployeeCopy(oid_employee, valid_from);
  }
};

// VBLU membership. List results are new vectors of new objects, owned by the
// caller; the string of the history queries is the employee's object id.
class EEVBLU : public PensionFundRecord<EEVBLU, VBLUKind> {
 public:
  EEVBLU() = default;
  explicit EEVBLU(vblu::EEVBLUStruct const& s) : PensionFundRecord(s) {}

  static std::vector<EEVBLU*>* GetActiveEEVBLUs(std::vector<EEVBLUFilter*> const* filters,
                                                base::Sortierung const& sort) {
    return Active(filters, sort);
  }
  static Callback* GetActiveEEVBLUsCB(std::vector<EEVBLUFilter*> const* filters,
                                      base::Sortierung const& sort, unsigned int max_hits) {
    return ActiveCB(filters, sort, max_hits);
  }
  static std::vector<EEVBLU*>* GetAllEEVBLUHistory(std::string oid_employee) {
    return AllHistory(oid_employee);
  }
  static std::vector<EEVBLU*>* GetActiveEffectiveEEVBLUHistory(std::string oid_employee) {
    return ActiveEffectiveHistory(oid_employee);
  }
  static std::vector<EEVBLU*>* GetEffectiveEEVBLUHistory(std::string oid_employee,
                                                         base::VDate date) {
    return EffectiveHistory(oid_employee, date);
  }
  static EEVBLU GetObjectFromObjectId(std::string const& oid_employee, base::VDate const& effective,
                                      base::VDate const& valid) {
    return ObjectFromObjectId(oid_employee, effective, valid);
  }
  // The employee's records as templates for a new employee.
  static std::vector<EEVBLU*>* GetVBLUsForEmployeeCopy(std::string const& oid_employee,
                                                       std::string const& valid_from) {
    return ForEmployeeCopy(oid_employee, valid_from);
  }
};

extern template class PensionFundFilter<zvk::EEZVKFilterStruct>;
extern template class PensionFundFilter<vblu::EEVBLUFilterStruct>;
extern template class PensionFundRecord<EEZVK, ZVKKind>;
extern template class PensionFundRecord<EEVBLU, VBLUKind>;

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_PENSIONFUNDS_H_
