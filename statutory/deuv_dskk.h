// Social-insurance notifications: per notification its identifier
// (`Kennung`), whether it was deleted and whether it was entered manually
// (root part) and, per period, the notification's indicators, reporting
// amounts split by health, pension and unemployment insurance, and the
// number of social-insurance days. The values are the notification
// procedure's; they are carried, not interpreted.
#ifndef OSTREL_STATUTORY_DEUV_DSKK_H_
#define OSTREL_STATUTORY_DEUV_DSKK_H_

#include <string>
#include <vector>

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
class EEDeuvDskkRoot : public RecordPart<deuvdskk::DeuvDskkRootStruct> {
 public:
  EEDeuvDskkRoot();
  using RecordPart::RecordPart;

  EmployeeShort GetEmployeeShort() const { return EmployeeShort(Value().employeeShort); }
  void SetEmployeeShort(EmployeeShort const& v) { Value().employeeShort = v.ToIdl(); }
  std::string GetKennung() const { return field::Text(Value().kennung); }
  void SetKennung(std::string const& v) { field::Set(Value().kennung, v); }
  bool GetIsDeleted() const { return Value().isDeleted; }
  void SetIsDeleted(bool v) { field::Set(Value().isDeleted, v); }
  bool GetIsManually() const { return Value().isManually; }
  void SetIsManually(bool v) { field::Set(Value().isManually, v); }
};

// One period of a notification.
//
// A new period has both enum indicators 0, no social-insurance days, and
// every amount and text empty. Built from a struct, or copied, it takes that
// identity and keeps the value as its saved value.
class EEDeuvDskkTP : public RecordPart<deuvdskk::DeuvDskkTPStruct> {
 public:
  EEDeuvDskkTP();
  using RecordPart::RecordPart;

  KennzMomeEnum GetKennzMome() const { return Value().kennzMome; }
  void SetKennzMome(KennzMomeEnum v) { field::Set(Value().kennzMome, v); }
  KennzGlzEnum GetKennzGlz() const { return Value().kennzGlz; }
  void SetKennzGlz(KennzGlzEnum v) { field::Set(Value().kennzGlz, v); }
  base::VFixed GetGaeg() const { return field::Fixed(Value().gaeg); }
  void SetGaeg(base::VFixed const& v) { field::Set(Value().gaeg, v); }
  base::VFixed GetEgaeg() const { return field::Fixed(Value().egaeg); }
  void SetEgaeg(base::VFixed const& v) { field::Set(Value().egaeg, v); }
  std::string GetKennzrk() const { return field::Text(Value().kennzrk); }
  void SetKennzrk(std::string const& v) { field::Set(Value().kennzrk, v); }
  long GetSvtg() const { return field::Long(Value().svtg); }
  void SetSvtg(long v) { field::Set(Value().svtg, v); }
  base::VFixed GetGaegkv() const { return field::Fixed(Value().gaegkv); }
  void SetGaegkv(base::VFixed const& v) { field::Set(Value().gaegkv, v); }
  base::VFixed GetGaegrv() const { return field::Fixed(Value().gaegrv); }
  void SetGaegrv(base::VFixed const& v) { field::Set(Value().gaegrv, v); }
  base::VFixed GetGaegalv() const { return field::Fixed(Value().gaegalv); }
  void SetGaegalv(base::VFixed const& v) { field::Set(Value().gaegalv, v); }
  base::VFixed GetEgakv() const { return field::Fixed(Value().egakv); }
  void SetEgakv(base::VFixed const& v) { field::Set(Value().egakv, v); }
  base::VFixed GetEgarv() const { return field::Fixed(Value().egarv); }
  void SetEgarv(base::VFixed const& v) { field::Set(Value().egarv, v); }
  base::VFixed GetEgaalv() const { return field::Fixed(Value().egaalv); }
  void SetEgaalv(base::VFixed const& v) { field::Set(Value().egaalv, v); }
  std::string GetKennzKvl() const { return field::Text(Value().kennzKvl); }
  void SetKennzKvl(std::string const& v) { field::Set(Value().kennzKvl, v); }
  std::string GetKennzRvl() const { return field::Text(Value().kennzRvl); }
  void SetKennzRvl(std::string const& v) { field::Set(Value().kennzRvl, v); }
  std::string GetKennzAlvl() const { return field::Text(Value().kennzAlvl); }
  void SetKennzAlvl(std::string const& v) { field::Set(Value().kennzAlvl, v); }
  std::string GetKennzKve() const { return field::Text(Value().kennzKve); }
  void SetKennzKve(std::string const& v) { field::Set(Value().kennzKve, v); }
  std::string GetKennzRve() const { return field::Text(Value().kennzRve); }
  void SetKennzRve(std::string const& v) { field::Set(Value().kennzRve, v); }
  std::string GetKennzAlve() const { return field::Text(Value().kennzAlve); }
  void SetKennzAlve(std::string const& v) { field::Set(Value().kennzAlve, v); }
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

#endif  // OSTREL_STATUTORY_DEUV_DSKK_H_
