// Master data: the personal record of an employee over time (names, birth,
// address, communication, photo, service account) with the employee's
// contacts and notes, the name prefix and affix look-ups, and the delete
// checks of a whole employee.
#ifndef OSTREL_EMPLOYEE_MASTER_H_
#define OSTREL_EMPLOYEE_MASTER_H_

#include <string>
#include <vector>

#include "bo.h"
#include "communication.h"
#include "contact.h"
#include "contacts_fields.h"
#include "defaults.h"
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "master.hh"
#include "master_fields.h"
#include "master_kind.h"
#include "nested.h"
#include "note.h"
#include "notes_fields.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vstring.h"

namespace ostrel {

using OctetSeq = com::ostrel::framework::basictypes::OctetSeq;

// One logged contact with the employee, with an optional task reminder.
//
// A new one holds a default Contact, no reminder date and no reminder. Built
// from a struct or copied it takes that identity and holds the value as
// saved.
//
// EmployeeContact carries Get/Set of every plain member of EmployeeContactStruct (generated
// accessors).
class EmployeeContact
    : public EmployeeContactStructFields<RecordPart<contacts::EmployeeContactStruct>> {
 public:
  EmployeeContact();
  using EmployeeContactStructFields::EmployeeContactStructFields;

  personnel::Contact GetContact() const { return personnel::Contact(Value().contact); }
  void SetContact(personnel::Contact const& v) { Value().contact = v.ToIdl(); }
};

// One note on the employee, with an optional task reminder.
//
// A new one holds a default Note, no reminder date and no reminder. Built
// from a struct or copied it takes that identity and holds the value as
// saved.
//
// EmployeeNote carries Get/Set of every plain member of EmployeeNoteStruct (generated accessors).
class EmployeeNote : public EmployeeNoteStructFields<RecordPart<notes::EmployeeNoteStruct>> {
 public:
  EmployeeNote();
  using EmployeeNoteStructFields::EmployeeNoteStructFields;

  personnel::Note GetNote() const { return personnel::Note(Value().note); }
  void SetNote(personnel::Note const& v) { Value().note = v.ToIdl(); }
};

// One period of an employee's master data.
//
// A new Master has sex 1, civil status 0, form of address 0, special access
// level 0, every flag false (special access, SOE per e-mail, service ban, no
// MFA for the service user) and every text, date and photo empty. Built from
// a struct it does not take the struct's identity (EEMaster holds the
// record's); a copy keeps what it copied as its saved value.
//
// DateOfBirthELSTAM is text the server formats; it is not read as a date.
//
// Master carries Get/Set of every plain member of MasterStruct (generated accessors).
class Master : public MasterStructFields<base::BO<master::MasterStruct>> {
 public:
  static inline auto const kDefaults = std::make_tuple(DefaultOf<&master::MasterStruct::sexEnum>(
      ::com::ostrel::personnel::domain::employee::SEX_MALE));

  Master();
  explicit Master(master::MasterStruct const& s) : MasterStructFields(s) {}
  Master(Master const& o) : MasterStructFields(o) { MakeBoCopy(); }
  Master& operator=(Master const&) = default;

  personnel::Communication GetPrivateCommunication() const {
    return personnel::Communication(Value().privateCommunication);
  }
  void SetPrivateCommunication(personnel::Communication const& v) {
    Value().privateCommunication = v.ToIdl();
  }
  personnel::Communication GetCompanyCommunication() const {
    return personnel::Communication(Value().companyCommunication);
  }
  void SetCompanyCommunication(personnel::Communication const& v) {
    Value().companyCommunication = v.ToIdl();
  }

  // The photo's bytes. The server keeps photos apart from the record: while
  // this object holds no bytes and has a photo file name, the first call
  // fetches them (getPhoto with the employee, this period's object id and
  // version) and keeps them, so later calls do not ask again. Without a file
  // name the result is empty and the server is not asked. A failed fetch
  // raises base::VException and leaves the object as it was.
  OctetSeq GetPhoto();
  // Replaces the bytes; no remote call.
  void SetPhoto(OctetSeq const& v) { Value().photo = v; }
  base::VString GetPhotoFileName() const {
    return base::VString(field::Wide(Value().photoFileName));
  }
  void SetPhotoFileName(base::VString const& v) { field::Set(Value().photoFileName, v); }

  int GetSpecialAccessLevel() const { return static_cast<int>(Value().specialAccessLevel); }
  void SetSpecialAccessLevel(int v) { field::Set(Value().specialAccessLevel, v); }
};

// One entry of the name-affix list ("Jr.", a title of nobility, ...).
//
// NameAffix carries Get/Set of every plain member of NameAffixStruct (generated accessors).
class NameAffix : public NameAffixStructFields<base::BO<master::NameAffixStruct>> {
 public:
  NameAffix() = default;
  explicit NameAffix(master::NameAffixStruct const& s) : NameAffixStructFields(s) {}

  // The server's list, in its order; a new vector of new objects that the
  // caller owns.
  static std::vector<NameAffix*>* GetNameAffixList();
};

// One entry of the name-prefix list ("von", "van", ...).
//
// NamePrefix carries Get/Set of every plain member of NamePrefixStruct (generated accessors).
class NamePrefix : public NamePrefixStructFields<base::BO<master::NamePrefixStruct>> {
 public:
  NamePrefix() = default;
  explicit NamePrefix(master::NamePrefixStruct const& s) : NamePrefixStructFields(s) {}

  // The server's list, in its order; a new vector of new objects that the
  // caller owns.
  static std::vector<NamePrefix*>* GetNamePrefixList();
};

// Selection of GetActiveMaster and GetActiveMasterCB. Several filters in one
// query select what any of them selects.
//
// A new filter is cleared (ClearEEMasterFilter) and holds a default extended
// filter.
class EEMasterFilter {
 public:
  EEMasterFilter();

  // Texts empty; sex, civil status and personnel number unset; date of birth
  // and fixed date of withdrawal the undefined date; list display 0; a
  // default extended filter.
  void ClearEEMasterFilter();

  void SetOidStateLanguage(std::string const& v) { field::Set(filter_.oidStateLanguage, v); }
  void SetSex(SexEnum v) { filter_.sex.sex(v); }
  void ClearSex() { filter_.sex._default(); }
  void SetCivilStatusEnum(master::CivilStatusEnum v) { filter_.civilStatusEnum.civilStatus(v); }
  void ClearCivilStatusEnum() { filter_.civilStatusEnum._default(); }
  void SetPostalCode(std::string const& v) { field::Set(filter_.postalCode, v); }
  void SetOidPCompany(std::string const& v) { field::Set(filter_.oidPCompany, v); }
  void SetPersonnelNumber(long v) { filter_.personnelNumber.pnr(static_cast<CORBA::Long>(v)); }
  void ClearPersonnelNumber() { filter_.personnelNumber._default(); }
  void SetSurname(std::wstring const& v) { field::Set(filter_.surname, v); }
  void SetFixedDateOfWithDrawal(base::VDate const& v) {
    field::Set(filter_.fixedDateOfWithDrawal, v);
  }
  void SetFormOfAddress(std::string const& v) { field::Set(filter_.formOfAddress, v); }
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v) {
    field::Set(filter_.listDisplayOfEmployeeEnum, v);
  }
  void SetFirstname(std::wstring const& v) { field::Set(filter_.firstname, v); }
  void SetDateOfBirth(base::VDate const& v) { field::Set(filter_.dateOfBirth, v); }
  // How the date of birth compares; the server's text, sent unchanged.
  void SetDateComparer(std::string const& v) { field::Set(filter_.dateComparer, v); }
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
    filter_.extendedFilter = v.ToIdl();
  }

  master::EEMasterFilterStruct ToIdl() const { return filter_; }

 private:
  master::EEMasterFilterStruct filter_{};
};

// An employee's master record: the employee's short view (root part), one
// master period (period part), and the employee's contacts and notes.
//
// Commit sends createMaster for a new object, addMaster when the valid-from
// date differs from the stored internal valid-from date (which then takes
// it), setMaster otherwise; add and set carry the remove-new flag. The
// server's answer becomes the current and saved value; a failed Commit
// returns to the last saved value, then raises.
//
// Delete deletes the whole employee (deleteEmployee with the root part's
// object id and version, that is the employee's); a failed Delete leaves the
// object as it is.
//
// Every failure reaches the caller as base::VException. Queries returning a
// vector hand over the vector and its elements to the caller, never null.
class EEMaster : public PersonnelRecord<master::EEMasterStruct, EmployeeShort, Master> {
 public:
  using Callback =
      base::VCallback<EEMaster,
                      POA_com::ostrel::personnel::domain::employee::master::EEMasterStructCallback,
                      master::EEMasterSeq>;

  EEMaster() = default;
  explicit EEMaster(master::EEMasterStruct const& s) : PersonnelRecord(s) {}

  void Commit();
  void Delete();

  // The contacts and notes travel with the record. The getters return a new
  // vector of new objects that the caller owns; the setters copy the
  // objects (which stay the caller's), and a null vector empties the list.
  std::vector<EmployeeContact*>* GetContacts() const {
    return NewVector<EmployeeContact>(Value().contacts);
  }
  void SetContacts(std::vector<EmployeeContact*> const* v) { AssignSeq(Value().contacts, v); }
  std::vector<EmployeeNote*>* GetNotes() const { return NewVector<EmployeeNote>(Value().notes); }
  void SetNotes(std::vector<EmployeeNote*> const* v) { AssignSeq(Value().notes, v); }

  static std::vector<EEMaster*>* GetActiveMaster(std::vector<EEMasterFilter*> const* filters,
                                                 base::Sortierung const& sort);
  // Starts a stream over the employees of company `oidPCompany` (sent before
  // the filters) of at most `max_hits` records (0: no limit); the caller
  // owns the returned callback object.
  static Callback* GetActiveMasterCB(std::string oidPCompany,
                                     std::vector<EEMasterFilter*> const* filters,
                                     base::Sortierung const& sort, unsigned int max_hits);
  static std::vector<EEMaster*>* GetActiveEffectiveMasterHistory(std::string oidEmployee);
  static std::vector<EEMaster*>* GetAllMasterHistory(std::string oidEmployee);
  static std::vector<EEMaster*>* GetEffectiveMasterHistory(std::string oidEmployee,
                                                           base::VDate effective);
  // The histories of the employee and of the employees linked to it.
  static std::vector<EEMaster*>* GetLinkedActiveEffectiveMasterHistory(std::string oidEmployee);
  static std::vector<EEMaster*>* GetLinkedAllMasterHistory(std::string oidEmployee);
  // The record in force at the effective date as it was known at the valid
  // date (both sent, in this order).
  static EEMaster GetObjectFromObjectId(std::string const& oidEmployee,
                                        base::VDate const& effective, base::VDate const& valid);

  // Whether the server would delete the employee; raises only when the
  // server cannot be asked.
  static bool DeletePossible(std::string const& oidEmployee);
  // Whether the employee has accounts; raises only when the server cannot be
  // asked.
  static bool ExistsAccounts(std::string const& oidEmployee);
  // Removes the employee's service user; the master record as the server
  // returns it afterwards.
  static EEMaster DeleteServiceUser(std::string const& oidEmployee);
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_MASTER_H_
