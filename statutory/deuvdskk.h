// Social-insurance notifications: per notification its identifier
// (`Kennung`), whether it was deleted and whether it was entered manually
// (root part) and, per period, the notification's indicators, reporting
// amounts split by health, pension and unemployment insurance, and the
// number of social-insurance days. The values are the notification
// procedure's; they are carried, not interpreted.
#ifndef OSTREL_STATUTORY_DEUVDSKK_H_
#define OSTREL_STATUTORY_DEUVDSKK_H_

#include <string>
#include <vector>

#include "defaults.h"
#include "deuvdskk_fields.h"
#include "deuvdskk_kind.h"
#include "employee/employee.h"
#include "field.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vfixed.h"

namespace ostrel {

using KennzMomeEnum = deuvdskk::KennzMomeEnum;
using KennzGlzEnum = deuvdskk::KennzGlzEnum;
using KennzBbgueEnum = deuvdskk::KennzBbgueEnum;

// The time-independent part: employee, identifier and state.
//
// A new root holds a default EmployeeShort, no identifier, is not deleted
// and is entered manually. Built from a struct, or copied, it takes that
// identity and keeps the value as its saved value.
//
// EEDeuvDskkRoot carries Get/Set of every plain member of DeuvDskkRootStruct (generated accessors).
class EEDeuvDskkRoot : public DeuvDskkRootStructFields<RecordPart<deuvdskk::DeuvDskkRootStruct>> {
 public:
  static inline auto const kDefaults =
      std::make_tuple(DefaultOf<&deuvdskk::DeuvDskkRootStruct::isManually>(true));

  EEDeuvDskkRoot();
  using DeuvDskkRootStructFields::DeuvDskkRootStructFields;

  EmployeeShort GetEmployeeShort() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
};

// One period of a notification.
//
// A new period has both enum indicators 0, no social-insurance days, and
// every amount and text empty. Built from a struct, or copied, it takes that
// identity and keeps the value as its saved value.
//
// EEDeuvDskkTP carries Get/Set of every plain member of DeuvDskkTPStruct (generated accessors).
class EEDeuvDskkTP : public DeuvDskkTPStructFields<RecordPart<deuvdskk::DeuvDskkTPStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple();

  EEDeuvDskkTP();
  using DeuvDskkTPStructFields::DeuvDskkTPStructFields;
};

// Selection of GetActiveEEDeuvDskks and GetActiveEEDeuvDskkCB.
//
// A new filter (and ClearEEDeuvDskkFilter) selects from and until the empty
// date, after journalized, no identifier, company, personnel number (cleared)
// or surname, withdrawal date empty, without deleted notifications.
class EEDeuvDskkFilter {
 public:
  EEDeuvDskkFilter() { ClearEEDeuvDskkFilter(); }

  void ClearEEDeuvDskkFilter();

  void SetFromDate(base::VDate const& v) { field::Set(filter_.fromDate, v); }
  void SetUntilDate(base::VDate const& v) { field::Set(filter_.untilDate, v); }
  void SetAfterJournalized(bool v) { field::Set(filter_.afterJournalized, v); }
  void SetKennung(std::string const& v) { field::Set(filter_.kennung, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPnr(long v) { filter_.pnr.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPnr() { filter_.pnr._default(); }
  void SetSurname(std::string const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetWithDeleted(bool v) { field::Set(filter_.withDeleted, v); }

  deuvdskk::EEDeuvDskkFilterStruct ToIdl() const { return filter_; }

 private:
  deuvdskk::EEDeuvDskkFilterStruct filter_{};
};

// A notification: root part (employee, identifier, state) and one period.
//
// Commit sends createEEDeuvDskk for a new object, otherwise setEEDeuvDskk
// with the remove-new flag; the server's answer becomes the current and
// saved value. A failed Commit returns to the last saved value, then raises.
// Delete sends the employee's object id, the object id and the version; a
// failed Delete leaves the object as it is.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements to the caller, never null.
class EEDeuvDskk
    : public PersonnelRecord<deuvdskk::EEDeuvDskkStruct, EEDeuvDskkRoot, EEDeuvDskkTP> {
 public:
  using Callback = base::VCallback<
      EEDeuvDskk, POA_com::ostrel::personnel::domain::employee::deuvdskk::EEDeuvDskkStructCallback,
      deuvdskk::EEDeuvDskkSeq>;

  EEDeuvDskk() = default;
  explicit EEDeuvDskk(deuvdskk::EEDeuvDskkStruct const& s) : PersonnelRecord(s) {}

  void Commit();
  void Delete();

  static std::vector<EEDeuvDskk*>* GetActiveEEDeuvDskks(
      std::vector<EEDeuvDskkFilter*> const* filters, base::Sortierung const& sort);
  // Starts a stream of at most `max_hits` notifications (0: no limit); the
  // caller owns the returned callback object.
  static Callback* GetActiveEEDeuvDskkCB(std::vector<EEDeuvDskkFilter*> const* filters,
                                         base::Sortierung const& sort, unsigned int max_hits);
  // The history of the notification with object id `oid`.
  static std::vector<EEDeuvDskk*>* GetAllEEDeuvDskksHistory(std::string oid);
  static std::vector<EEDeuvDskk*>* GetActiveEffectiveEEDeuvDskksHistory(std::string oid);
  static std::vector<EEDeuvDskk*>* GetEffectiveEEDeuvDskksHistory(std::string oid,
                                                                  base::VDate date);
  static EEDeuvDskk GetObjectFromObjectId(std::string const& oid, base::VDate const& date);
};

}  // namespace ostrel

#endif  // OSTREL_STATUTORY_DEUVDSKK_H_
