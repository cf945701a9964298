// Master data without a server: defaults, the nested contacts and notes
// (new objects for the caller, copies taken from the caller), the filter's
// clearing, and the photo accessors that need no remote call.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "employee/master.h"
#include "own_members.h"
#include "ownership.h"

namespace ostrel {
namespace {

using base::VDate;
using testing::Accessor;
using testing::Flag;

TEST(MasterDefaults, ANewRecordHoldsADefaultMasterAndNoContactsOrNotes) {
  EEMaster const m;
  EXPECT_TRUE(m.IsNew());
  EXPECT_EQ(m.GetRoot().GetSexEnum(), static_cast<SexEnum>(1));
  EXPECT_EQ(m.GetRoot().GetPersonnelNumber(), 0);
  EXPECT_TRUE(TakeOwnership(m.GetContacts()).empty());
  EXPECT_TRUE(TakeOwnership(m.GetNotes()).empty());

  master::MasterStruct const h = m.GetHistory().ToIdl();
  EXPECT_EQ(h.sexEnum, static_cast<SexEnum>(1));
  EXPECT_EQ(h.civilStatus, static_cast<master::CivilStatusEnum>(0));
  EXPECT_EQ(h.formOfAddrEnum, static_cast<master::FormOfAddressEnum>(0));
  EXPECT_EQ(h.specialAccessLevel, 0);
  for (bool flag : {h.specialAccess, h.sOEperEMail, h.serviceBan, h.noUseMfaForService}) {
    EXPECT_FALSE(flag);
  }
  EXPECT_EQ(h.photo.length(), 0u);
  EXPECT_STREQ(h.dateOfBirth.in(), "");
}

// Contacts and notes are record parts: built from a struct or copied they
// take its identity and save what they hold.
TEST(MasterParts, ContactsAndNotesSaveWhatTheyWereBuiltFrom) {
  contacts::EmployeeContactStruct c = EmployeeContact().ToIdl();
  c.objectStruct.objectid = "CT-4";
  c.taskReminderDate = "2024-03-01";
  c.createTaskReminder = true;
  EmployeeContact contact(c);
  EmployeeContact contact_copy(contact);
  for (EmployeeContact* x : {&contact, &contact_copy}) {
    x->SetTaskReminderDate(VDate(15, 5, 2025));
    x->SetCreateTaskReminder(false);
    x->ResetBo();
    EXPECT_EQ(x->GetTaskReminderDate(), VDate(1, 2, 2024));
    EXPECT_TRUE(x->GetCreateTaskReminder());
    EXPECT_EQ(x->GetObjectID(), "CT-4");
  }

  notes::EmployeeNoteStruct n = EmployeeNote().ToIdl();
  n.objectStruct.objectid = "NT-9";
  n.taskReminderDate = "2023-11-30";
  EmployeeNote note(n);
  note.SetTaskReminderDate(VDate(1, 0, 2026));
  note.ResetBo();
  EXPECT_EQ(note.GetTaskReminderDate(), VDate(30, 10, 2023));
  EXPECT_EQ(EmployeeNote(note).GetObjectID(), "NT-9");
}

TEST(MasterAccessors, EachReachesAFieldOfItsOwn) {
  testing::ExpectOwnMembers<Master, std::string>(
      {{"OidEmployee", &Master::GetOidEmployee, &Master::SetOidEmployee},
       {"OidStateLanguage", &Master::GetOidStateLanguage, &Master::SetOidStateLanguage},
       {"NamePrefix", &Master::GetNamePrefix, &Master::SetNamePrefix},
       {"NameAffix", &Master::GetNameAffix, &Master::SetNameAffix},
       {"Title", &Master::GetTitle, &Master::SetTitle},
       {"FormOfAddress", &Master::GetFormOfAddress, &Master::SetFormOfAddress},
       {"FormOfLetter", &Master::GetFormOfLetter, &Master::SetFormOfLetter},
       {"Street", &Master::GetStreet, &Master::SetStreet},
       {"StreetNumber", &Master::GetStreetNumber, &Master::SetStreetNumber},
       {"OidState", &Master::GetOidState, &Master::SetOidState},
       {"PostalCode", &Master::GetPostalCode, &Master::SetPostalCode},
       {"Domicile", &Master::GetDomicile, &Master::SetDomicile},
       {"AddressAddendum", &Master::GetAddressAddendum, &Master::SetAddressAddendum},
       {"Memo", &Master::GetMemo, &Master::SetMemo},
       {"EtinNumber", &Master::GetEtinNumber, &Master::SetEtinNumber},
       {"DateOfBirthELSTAM", &Master::GetDateOfBirthELSTAM, &Master::SetDateOfBirthELSTAM}},
      testing::TextNo);
  testing::ExpectOwnMembers<Master, std::wstring>(
      {{"Surname", &Master::GetSurname, &Master::SetSurname},
       {"Firstname", &Master::GetFirstname, &Master::SetFirstname},
       {"ServiceEmailAddress", &Master::GetServiceEmailAddress, &Master::SetServiceEmailAddress},
       {"ServicePassword", &Master::GetServicePassword, &Master::SetServicePassword},
       {"ServiceUserCode", &Master::GetServiceUserCode, &Master::SetServiceUserCode},
       {"PasswordSoePerEMail", &Master::GetPasswordSoePerEMail, &Master::SetPasswordSoePerEMail}},
      testing::WideNo);
  testing::ExpectOwnMembers<Master, VDate>(
      {{"DateOfBirth", &Master::GetDateOfBirth, &Master::SetDateOfBirth},
       {"DateOfBanRetroactiveCalculation", &Master::GetDateOfBanRetroactiveCalculation,
        &Master::SetDateOfBanRetroactiveCalculation}},
      testing::DateNo);
  testing::ExpectOwnFlags<Master>(
      {{"SpecialAccess", &Master::GetSpecialAccess, &Master::SetSpecialAccess},
       {"SOEperEMail", &Master::GetSOEperEMail, &Master::SetSOEperEMail},
       {"ServiceBan", &Master::GetServiceBan, &Master::SetServiceBan},
       {"NoUseMfaForService", &Master::GetNoUseMfaForService, &Master::SetNoUseMfaForService}});
}

// Contacts and notes follow one rule; checked for both.
template <class Item, class Get, class Set, class Make, class Subject>
void ExpectCopiesBothWays(Get get, Set set, Make make, Subject subject) {
  EEMaster m;
  Item first = make(L"first");
  Item second = make(L"second");
  std::vector<Item*> given = {&first, &second};
  (m.*set)(&given);
  first = make(L"changed by the caller");  // the record holds copies

  auto once = TakeOwnership((m.*get)());
  auto twice = TakeOwnership((m.*get)());
  ASSERT_EQ(once.size(), 2u);
  EXPECT_EQ(subject(*once[0]), L"first");
  EXPECT_EQ(subject(*once[1]), L"second");
  EXPECT_NE(once[0].get(), twice[0].get());
  *once[0] = make(L"changed by the reader");  // new objects, not the record's
  EXPECT_EQ(subject(*TakeOwnership((m.*get)())[0]), L"first");

  (m.*set)(nullptr);
  EXPECT_TRUE(TakeOwnership((m.*get)()).empty());
}

TEST(MasterNested, ContactsAndNotesAreCopiedInAndHandedOutAsNewObjects) {
  ExpectCopiesBothWays<EmployeeContact>(
      &EEMaster::GetContacts, &EEMaster::SetContacts,
      [](std::wstring const& s) {
        EmployeeContact c;
        personnel::Contact contact;
        contact.SetSubject(s);
        c.SetContact(contact);
        return c;
      },
      [](EmployeeContact const& c) { return c.GetContact().GetSubject(); });
  ExpectCopiesBothWays<EmployeeNote>(
      &EEMaster::GetNotes, &EEMaster::SetNotes,
      [](std::wstring const& s) {
        EmployeeNote n;
        personnel::Note note;
        note.SetSubject(s);
        n.SetNote(note);
        return n;
      },
      [](EmployeeNote const& n) { return n.GetNote().GetSubject(); });
}

TEST(MasterNested, AContactBuiltFromAStructTakesItsIdentity) {
  contacts::EmployeeContactStruct s{};
  s.objectStruct.objectid = "CT-7";
  s.createTaskReminder = true;
  EmployeeContact const c(s);
  EXPECT_EQ(c.GetObjectID(), "CT-7");
  EXPECT_TRUE(c.GetCreateTaskReminder());
  EXPECT_FALSE(EmployeeContact().GetCreateTaskReminder());

  // A master period does not: the record holds the identity.
  master::MasterStruct ms = Master().ToIdl();
  ms.objectStruct.objectid = "MA-EMP-1-P1";
  EXPECT_EQ(Master(ms).GetObjectID(), "");
}

TEST(MasterPhoto, BytesAtHandOrNoFileNameNeedNoServer) {
  Master m;  // no server runs here: a remote call would raise
  EXPECT_EQ(m.GetPhoto().length(), 0u);
  OctetSeq bytes;
  bytes.length(2);
  bytes[0] = 0xff;
  bytes[1] = 0xd8;
  m.SetPhoto(bytes);
  m.SetPhotoFileName(base::VString(L"passbild.jpg"));
  OctetSeq const held = m.GetPhoto();
  ASSERT_EQ(held.length(), 2u);
  EXPECT_EQ(held[1], 0xd8);
  EXPECT_EQ(m.GetPhotoFileName().str(), L"passbild.jpg");
}

void ExpectCleared(EEMasterFilter const& f) {
  master::EEMasterFilterStruct const s = f.ToIdl();
  EXPECT_FALSE(s.sex._d());
  EXPECT_FALSE(s.civilStatusEnum._d());
  EXPECT_FALSE(s.personnelNumber._d());
  EXPECT_STREQ(s.dateOfBirth.in(), "0000-00-00");
  EXPECT_STREQ(s.fixedDateOfWithDrawal.in(), "0000-00-00");
  EXPECT_STREQ(s.dateComparer.in(), "");
  EXPECT_EQ(std::wstring(s.surname.in()), L"");
  EXPECT_EQ(static_cast<int>(s.listDisplayOfEmployeeEnum), 0);
  EXPECT_STREQ(s.extendedFilter.oidCostCenter.in(), "");
}

TEST(MasterFilter, ANewOrClearedFilterSelectsNothingInParticular) {
  ExpectCleared(EEMasterFilter());

  EEMasterFilter f;
  f.SetSex(employee::SEX_MALE);
  f.SetCivilStatusEnum(master::CIVIL_STATUS_SINGLE);
  f.SetPersonnelNumber(1001);
  f.SetSurname(L"Müller");
  f.SetDateOfBirth(VDate(1, 0, 1970));
  f.SetDateComparer(">=");
  f.SetListDisplayOfEmployeeEnum(com::ostrel::personnel::framework::basictypes::LIST_ALL_EMPLOYEES);
  personnel::EmployeeExtendedFilter extended;
  extended.SetOidCostCenter("CC-1");
  f.SetExtendedFilter(extended);
  ASSERT_TRUE(f.ToIdl().sex._d());
  ASSERT_EQ(f.ToIdl().personnelNumber.pnr(), 1001);
  f.ClearEEMasterFilter();
  ExpectCleared(f);
}

}  // namespace
}  // namespace ostrel
