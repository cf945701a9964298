// Entry and entry reasons without a server: defaults, identity, the error
// list, and that an entry's Commit and Delete do nothing.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "employee/entry.h"
#include "own_members.h"
#include "ownership.h"

namespace ostrel {
namespace {

using base::VDate;
using testing::Accessor;
using testing::Flag;

TEST(EntryDefaults, ANewEntryIsOneDefaultPersonWithoutNumber) {
  Entry const e;
  EXPECT_EQ(e.GetSex(), static_cast<SexEnum>(1));
  EXPECT_EQ(e.GetPersonnelNumber(), 0);
  EXPECT_EQ(e.GetCivilStatus(), static_cast<master::CivilStatusEnum>(0));
  EXPECT_EQ(e.GetInsolvencyEntryReason(), static_cast<employment::InsolvencyEntryReasonEnum>(0));
  EXPECT_FALSE(e.GetLimitedByPurpose());
  EXPECT_EQ(e.GetErrorCount(), 0);
  EXPECT_TRUE(e.GetDateOfEntry().IsEmpty());
  EXPECT_TRUE(e.IsNew());

  Entry nothing_happens;  // no server runs here: a remote call would raise
  nothing_happens.SetSurname(L"Neu");
  EXPECT_NO_THROW(nothing_happens.Commit());
  EXPECT_NO_THROW(nothing_happens.Delete());
  EXPECT_EQ(nothing_happens.GetSurname(), L"Neu");
}

TEST(EntryIdentity, BuiltFromAStructItTakesItsIdentity) {
  entry::EntryStruct s = Entry().ToIdl();
  s.objectStruct.objectid = "EN-1";
  s.personnelNumber = 4711;
  Entry const e(s);
  EXPECT_EQ(e.GetObjectID(), "EN-1");
  EXPECT_FALSE(e.IsNew());
  EXPECT_EQ(e.GetPersonnelNumber(), 4711);
  Entry const copy(e);
  EXPECT_EQ(copy.GetObjectID(), "EN-1");
}

TEST(EntryAccessors, EachReachesAFieldOfItsOwn) {
  testing::ExpectOwnMembers<Entry, std::string>(
      {{"OidPCompany", &Entry::GetOidPCompany, &Entry::SetOidPCompany},
       {"OidStateLanguage", &Entry::GetOidStateLanguage, &Entry::SetOidStateLanguage},
       {"NamePrefix", &Entry::GetNamePrefix, &Entry::SetNamePrefix},
       {"NameAffix", &Entry::GetNameAffix, &Entry::SetNameAffix},
       {"Title", &Entry::GetTitle, &Entry::SetTitle},
       {"FormOfAddress", &Entry::GetFormOfAddress, &Entry::SetFormOfAddress},
       {"FormOfLetter", &Entry::GetFormOfLetter, &Entry::SetFormOfLetter},
       {"Street", &Entry::GetStreet, &Entry::SetStreet},
       {"StreetNumber", &Entry::GetStreetNumber, &Entry::SetStreetNumber},
       {"OidState", &Entry::GetOidState, &Entry::SetOidState},
       {"PostalCode", &Entry::GetPostalCode, &Entry::SetPostalCode},
       {"Domicile", &Entry::GetDomicile, &Entry::SetDomicile},
       {"AddressAddendum", &Entry::GetAddressAddendum, &Entry::SetAddressAddendum},
       {"OidEntryReason", &Entry::GetOidEntryReason, &Entry::SetOidEntryReason},
       {"OidOccupationPriorER", &Entry::GetOidOccupationPriorER, &Entry::SetOidOccupationPriorER},
       {"OidOccupationGroupPriorER", &Entry::GetOidOccupationGroupPriorER,
        &Entry::SetOidOccupationGroupPriorER},
       {"OidOccupationReEntry", &Entry::GetOidOccupationReEntry, &Entry::SetOidOccupationReEntry},
       {"OidOccupationGroupReEntry", &Entry::GetOidOccupationGroupReEntry,
        &Entry::SetOidOccupationGroupReEntry},
       {"OidPlant", &Entry::GetOidPlant, &Entry::SetOidPlant},
       {"OidEmployeeCircle", &Entry::GetOidEmployeeCircle, &Entry::SetOidEmployeeCircle},
       {"OidDepartment", &Entry::GetOidDepartment, &Entry::SetOidDepartment},
       {"OidOrgUnit", &Entry::GetOidOrgUnit, &Entry::SetOidOrgUnit},
       {"OidCostCenter", &Entry::GetOidCostCenter, &Entry::SetOidCostCenter},
       {"OidCostUnit", &Entry::GetOidCostUnit, &Entry::SetOidCostUnit},
       {"OidPersonInCharge1", &Entry::GetOidPersonInCharge1, &Entry::SetOidPersonInCharge1},
       {"OidPersonInCharge2", &Entry::GetOidPersonInCharge2, &Entry::SetOidPersonInCharge2},
       {"OidEmployeeGroup", &Entry::GetOidEmployeeGroup, &Entry::SetOidEmployeeGroup},
       {"OidEmployeeFunction", &Entry::GetOidEmployeeFunction, &Entry::SetOidEmployeeFunction},
       {"PCompanyKeyOfMigration", &Entry::GetPCompanyKeyOfMigration,
        &Entry::SetPCompanyKeyOfMigration},
       {"PersonnelnumberOfMigration", &Entry::GetPersonnelnumberOfMigration,
        &Entry::SetPersonnelnumberOfMigration},
       {"OidPlantPlace", &Entry::GetOidPlantPlace, &Entry::SetOidPlantPlace}},
      testing::TextNo);
  testing::ExpectOwnMembers<Entry, std::wstring>(
      {{"Surname", &Entry::GetSurname, &Entry::SetSurname},
       {"Firstname", &Entry::GetFirstname, &Entry::SetFirstname}},
      testing::WideNo);
  testing::ExpectOwnMembers<Entry, VDate>(
      {{"DateOfBirth", &Entry::GetDateOfBirth, &Entry::SetDateOfBirth},
       {"DateOfEntry", &Entry::GetDateOfEntry, &Entry::SetDateOfEntry},
       {"DateOfEntrySI", &Entry::GetDateOfEntrySI, &Entry::SetDateOfEntrySI},
       {"ContractStart", &Entry::GetContractStart, &Entry::SetContractStart},
       {"ProbationStart", &Entry::GetProbationStart, &Entry::SetProbationStart},
       {"ProbationEnd", &Entry::GetProbationEnd, &Entry::SetProbationEnd},
       {"AllowableEntryDate", &Entry::GetAllowableEntryDate, &Entry::SetAllowableEntryDate},
       {"EntryDateBranche", &Entry::GetEntryDateBranche, &Entry::SetEntryDateBranche},
       {"EmploymentLtdBy", &Entry::GetEmploymentLtdBy, &Entry::SetEmploymentLtdBy},
       {"WorkPermitLtdBy", &Entry::GetWorkPermitLtdBy, &Entry::SetWorkPermitLtdBy},
       {"ResidPermitLtdBy", &Entry::GetResidPermitLtdBy, &Entry::SetResidPermitLtdBy},
       {"PassportValidTo", &Entry::GetPassportValidTo, &Entry::SetPassportValidTo}},
      testing::DateNo);
  testing::ExpectOwnFlags<Entry>(
      {{"LimitedEmployment", &Entry::GetLimitedEmployment, &Entry::SetLimitedEmployment},
       {"LimitedWorkPermit", &Entry::GetLimitedWorkPermit, &Entry::SetLimitedWorkPermit},
       {"LtdResidencePermit", &Entry::GetLtdResidencePermit, &Entry::SetLtdResidencePermit},
       {"AutomaticPersonInCharge1", &Entry::GetAutomaticPersonInCharge1,
        &Entry::SetAutomaticPersonInCharge1},
       {"AutomaticPersonInCharge2", &Entry::GetAutomaticPersonInCharge2,
        &Entry::SetAutomaticPersonInCharge2},
       {"LimitedByPurpose", &Entry::GetLimitedByPurpose, &Entry::SetLimitedByPurpose}});
}

TEST(EntryErrors, TheCountIsThatOfTheLastListHandedOut) {
  Entry e;
  personnel::Error a;
  a.SetMessage(L"no date of birth");
  std::vector<personnel::Error*> given = {&a};
  e.SetErrors(&given);
  a.SetMessage(L"changed by the caller");
  EXPECT_EQ(e.GetErrorCount(), 0);
  auto errors = TakeOwnership(e.GetErrors());
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0]->GetMessage(), L"no date of birth");
  EXPECT_EQ(e.GetErrorCount(), 1);
  e.SetErrors(nullptr);
  EXPECT_TRUE(TakeOwnership(e.GetErrors()).empty());
  EXPECT_EQ(e.GetErrorCount(), 0);
}

TEST(EntryReasonParts, ANewReasonHasKeyZeroAndItsPartsNoIdentity) {
  EntryReason const r;
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetEntryReasonRoot().GetEntryReason(), 0);
  EXPECT_EQ(r.GetEntryReasonTP().GetShortDescription(), "");

  entryreason::EntryReasonStruct s = r.ToIdl();
  s.entryReasonRoot.objectStruct.objectid = "ER-3";
  s.entryReasonRoot.entryReason = 3;
  s.entryReasonTP.objectStruct.objectid = "ER-3-P1";
  s.entryReasonTP.timePeriod.internalValidFrom = "2000-01-01";
  EntryReason const stored(s);
  EXPECT_EQ(stored.GetObjectid(), "ER-3");
  EXPECT_EQ(stored.GetValidFrom(), VDate(1, 0, 2000));
  EXPECT_EQ(stored.GetEntryReasonRoot().GetEntryReason(), 3);
  EXPECT_EQ(stored.GetEntryReasonRoot().GetObjectID(), "");
  EXPECT_EQ(stored.GetEntryReasonTP().GetObjectID(), "");

  EntryReasonFilter f;
  f.SetEntryReason("3");
  f.SetLongDescription("group");
  EXPECT_STREQ(f.ToIdl().entryReason.in(), "3");
  EXPECT_STREQ(f.ToIdl().shortDescription.in(), "");
  EXPECT_STREQ(f.ToIdl().longDescription.in(), "group");
}

}  // namespace
}  // namespace ostrel
