// Disability objects without a server: the defaults of the parts and of
// the filter.
#include <gtest/gtest.h>

#include <string>

#include "statutory/disability.h"

namespace ostrel {
namespace {

using base::VDate;

TEST(DisabilityObjects, NewPeriodHasSexOneAndEverythingElseEmpty) {
  DisabilityTP tp;
  EXPECT_EQ(tp.GetSex(), static_cast<SexEnum>(1));
  EXPECT_EQ(tp.GetWorkingTime(), static_cast<WorkingTimeEnum>(0));
  EXPECT_EQ(tp.GetPersonGroupDisability(), static_cast<PersonGroupDisabilityEnum>(0));
  EXPECT_EQ(tp.GetIssueOfficeOfProof(), static_cast<OfficeEnum>(0));
  EXPECT_FALSE(tp.GetWorkingPlaceCollective());
  EXPECT_FALSE(tp.GetWorkingPlaceOfApprentice());
  EXPECT_FALSE(tp.GetWorkingPlaceOfParagraph73());
  for (VDate const& d :
       {tp.GetDateOfBirth(), tp.GetDateOfEntry(), tp.GetDateOfWithDrawel(), tp.GetProofValidFrom(),
        tp.GetProofValidUntil(), tp.GetDiccontinuationHeS(), tp.GetStartOfEducation(),
        tp.GetEndOfEducation()}) {
    EXPECT_EQ(d, VDate(""));
  }
  EXPECT_EQ(tp.GetStdCompanyNumber() + tp.GetDomicile() + tp.GetOccupationKey() +
                tp.GetOccupationDesignation() + tp.GetDomicileOffice() + tp.GetIdCardNumber() +
                tp.GetNoticeOfAdmission() + tp.GetLevelOfDisability(),
            "");

  EEDisability r;
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetHistory().GetSex(), static_cast<SexEnum>(1));
  EXPECT_EQ(r.GetRoot().GetReferenceNoProof(), "");
  EXPECT_EQ(r.GetRoot().GetEmployeeShort().GetSexEnum(), static_cast<SexEnum>(1));
}

TEST(DisabilityObjects, FilterWithdrawalDateIsUndefinedNotEmpty) {
  EEDisabilityFilter f;
  auto check_defaults = [](disability::EEDisabilityFilterStruct const& s) {
    EXPECT_EQ(std::string(s.fixedDateOfWithDrawal), VDate(-1, -1, -1).ToIdl());
    EXPECT_NE(std::string(s.fixedDateOfWithDrawal), VDate("").ToIdl());
    EXPECT_FALSE(s.pnr._d());
    EXPECT_FALSE(s.personGroupDisability._d());
    EXPECT_FALSE(s.issueOfficeOfProof._d());
    EXPECT_EQ(s.listDisplayOfEmployeeEnum, 0);
  };
  check_defaults(f.ToIdl());
  f.SetPersonGroupDisability(disability::PERSON_GROUP_EQUALIZED);
  f.SetIssueOfficeOfProof(disability::OFFICE_OTHER);
  f.SetFixedDateOfWithDrawal(VDate(""));
  auto const set = f.ToIdl();
  EXPECT_EQ(set.personGroupDisability.personGroup(), disability::PERSON_GROUP_EQUALIZED);
  EXPECT_EQ(set.issueOfficeOfProof.office(), disability::OFFICE_OTHER);
  f.ClearEEDisabilityFilter();
  check_defaults(f.ToIdl());
}

}  // namespace
}  // namespace ostrel
