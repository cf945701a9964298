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
#include "employee/employee.h"
#include "employee_extended_filter.h"
#include "master.hh"
#include "note.h"
#include "personnel_bo.h"
#include "sortierung.h"
#include "vcallback.h"
#include "vdate.h"
#include "vstring.h"

namespace ostrel {

namespace master = com::ostrel::personnel::domain::employee::master;
namespace contacts = com::ostrel::personnel::domain::employee::contacts;
namespace notes = com::ostrel::personnel::domain::employee::notes;
using OctetSeq = com::ostrel::framework::basictypes::OctetSeq;

// The employee's short view is the root part, so the record is keyed by the
// employee: one master record per employee.
template <>
struct RecordLayout<master::EEMasterStruct>
    : EmployeeRecordLayout<&master::EEMasterStruct::root, &master::EEMasterStruct::history> {};

struct MasterService {
  using Servant = master::MasterServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.master.MasterServantImpl";
};

// One logged contact with the employee, with an optional task reminder.
//
// A new one holds a default Contact, no reminder date and no reminder. Built
// from a struct it takes that struct's identity.
class EmployeeContact : public base::BO<contacts::EmployeeContactStruct> {
 public:
  EmployeeContact();
  explicit EmployeeContact(contacts::EmployeeContactStruct const& s);

  personnel::Contact GetContact() const;
  void SetContact(personnel::Contact const& v);
  base::VDate GetTaskReminderDate() const;
  void SetTaskReminderDate(base::VDate const& v);
  bool GetCreateTaskReminder() const;
  void SetCreateTaskReminder(bool v);
};

// One note on the employee, with an optional task reminder.
//
// A new one holds a default Note, no reminder date and no reminder. Built
// from a struct it takes that struct's identity.
class EmployeeNote : public base::BO<notes::EmployeeNoteStruct> {
 public:
  EmployeeNote();
  explicit EmployeeNote(notes::EmployeeNoteStruct const& s);

  personnel::Note GetNote() const;
  void SetNote(personnel::Note const& v);
  base::VDate GetTaskReminderDate() const;
  void SetTaskReminderDate(base::VDate const& v);
  bool GetCreateTaskReminder() const;
  void SetCreateTaskReminder(bool v);
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
class Master : public base::BO<master::MasterStruct> {
 public:
  Master();
  explicit Master(master::MasterStruct const& s);
  Master(Master const& o);
  Master& operator=(Master const&) = default;

  std::string GetOidEmployee() const;
  void SetOidEmployee(std::string const& v);
  std::wstring GetSurname() const;
  void SetSurname(std::wstring const& v);
  std::wstring GetFirstname() const;
  void SetFirstname(std::wstring const& v);
  base::VDate GetDateOfBirth() const;
  void SetDateOfBirth(base::VDate const& v);
  std::string GetOidStateLanguage() const;
  void SetOidStateLanguage(std::string const& v);
  std::string GetNamePrefix() const;
  void SetNamePrefix(std::string const& v);
  std::string GetNameAffix() const;
  void SetNameAffix(std::string const& v);
  std::string GetTitle() const;
  void SetTitle(std::string const& v);
  SexEnum GetSexEnum() const;
  void SetSexEnum(SexEnum v);
  master::CivilStatusEnum GetCivilStatus() const;
  void SetCivilStatus(master::CivilStatusEnum v);
  master::FormOfAddressEnum GetFormOfAddrEnum() const;
  void SetFormOfAddrEnum(master::FormOfAddressEnum v);
  std::string GetFormOfAddress() const;
  void SetFormOfAddress(std::string const& v);
  std::string GetFormOfLetter() const;
  void SetFormOfLetter(std::string const& v);
  std::string GetStreet() const;
  void SetStreet(std::string const& v);
  std::string GetStreetNumber() const;
  void SetStreetNumber(std::string const& v);
  std::string GetOidState() const;
  void SetOidState(std::string const& v);
  std::string GetPostalCode() const;
  void SetPostalCode(std::string const& v);
  std::string GetDomicile() const;
  void SetDomicile(std::string const& v);
  std::string GetAddressAddendum() const;
  void SetAddressAddendum(std::string const& v);
  personnel::Communication GetPrivateCommunication() const;
  void SetPrivateCommunication(personnel::Communication const& v);
  personnel::Communication GetCompanyCommunication() const;
  void SetCompanyCommunication(personnel::Communication const& v);
  std::string GetMemo() const;
  void SetMemo(std::string const& v);

  // The photo's bytes. The server keeps photos apart from the record: while
  // this object holds no bytes and has a photo file name, the first call
  // fetches them (getPhoto with the employee, this period's object id and
  // version) and keeps them, so later calls do not ask again. Without a file
  // name the result is empty and the server is not asked. A failed fetch
  // raises base::VException and leaves the object as it was.
  OctetSeq GetPhoto();
  // Replaces the bytes; no remote call.
  void SetPhoto(OctetSeq const& v);
  base::VString GetPhotoFileName() const;
  void SetPhotoFileName(base::VString const& v);

  std::string GetEtinNumber() const;
  void SetEtinNumber(std::string const& v);
  base::VDate GetDateOfBanRetroactiveCalculation() const;
  void SetDateOfBanRetroactiveCalculation(base::VDate const& v);
  bool GetSpecialAccess() const;
  void SetSpecialAccess(bool v);
  bool GetSOEperEMail() const;
  void SetSOEperEMail(bool v);
  int GetSpecialAccessLevel() const;
  void SetSpecialAccessLevel(int v);
  std::string GetDateOfBirthELSTAM() const;
  void SetDateOfBirthELSTAM(std::string const& v);
  std::wstring GetServiceEmailAddress() const;
  void SetServiceEmailAddress(std::wstring const& v);
  std::wstring GetServicePassword() const;
  void SetServicePassword(std::wstring const& v);
  bool GetServiceBan() const;
  void SetServiceBan(bool v);
  std::wstring GetServiceUserCode() const;
  void SetServiceUserCode(std::wstring const& v);
  std::wstring GetPasswordSoePerEMail() const;
  void SetPasswordSoePerEMail(std::wstring const& v);
  bool GetNoUseMfaForService() const;
  void SetNoUseMfaForService(bool v);
};

// One entry of the name-affix list ("Jr.", a title of nobility, ...).
class NameAffix : public base::BO<master::NameAffixStruct> {
 public:
  NameAffix();
  explicit NameAffix(master::NameAffixStruct const& s);

  std::string GetNameAffix() const;

  // The server's list, in its order; a new vector of new objects that the
  // caller owns.
  static std::vector<NameAffix*>* GetNameAffixList();
};

// One entry of the name-prefix list ("von", "van", ...).
class NamePrefix : public base::BO<master::NamePrefixStruct> {
 public:
  NamePrefix();
  explicit NamePrefix(master::NamePrefixStruct const& s);

  std::string GetNamePrefix() const;

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

  void SetOidStateLanguage(std::string const& v);
  void SetSex(SexEnum v);
  void ClearSex();
  void SetCivilStatusEnum(master::CivilStatusEnum v);
  void ClearCivilStatusEnum();
  void SetPostalCode(std::string const& v);
  void SetOidPCompany(std::string const& v);
  void SetPersonnelNumber(long v);
  void ClearPersonnelNumber();
  void SetSurname(std::wstring const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetFormOfAddress(std::string const& v);
  void SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum v);
  void SetFirstname(std::wstring const& v);
  void SetDateOfBirth(base::VDate const& v);
  // How the date of birth compares; the server's text, sent unchanged.
  void SetDateComparer(std::string const& v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);

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
  std::vector<EmployeeContact*>* GetContacts() const;
  void SetContacts(std::vector<EmployeeContact*> const* v);
  std::vector<EmployeeNote*>* GetNotes() const;
  void SetNotes(std::vector<EmployeeNote*> const* v);

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
