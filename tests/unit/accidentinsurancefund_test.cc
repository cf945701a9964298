// Accident insurance objects without a server: defaults and what copying
// a record keeps.
#include <gtest/gtest.h>

#include <string>

#include "statutory/accidentinsurancefund.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VFixed;

TEST(AccidentInsuranceFundObjects, NewRecordHasZeroPercentagesAndNothingElse) {
  EEAccidentInsuranceFund r;
  auto const s = r.ToIdl();
  EXPECT_EQ(std::string(s.percentage), VFixed(0).ToIdl());
  EXPECT_EQ(std::string(s.aifPercent), VFixed(0).ToIdl());
  EXPECT_NE(std::string(s.percentage), "") << "the number 0, not the empty text";
  EXPECT_EQ(r.GetSpecialUVReason(), static_cast<SpecialUVReasonEnum>(0));
  EXPECT_EQ(s.partClassOfRisks.length(), 0u);
  EXPECT_EQ(std::string(EePartClassOfRisk().ToIdl().percentage), "") << "a part has no default";
  EXPECT_EQ(s.errors.length(), 0u);
  for (std::string const& text :
       {r.GetOidEmployee(), r.GetOidAccidentInsuranceFund(),
        r.GetOidDifferentAccidentInsuranceFund(), r.GetClassOfRisk(), r.GetSerialNumberAlpha(),
        r.GetCorporateSector(), r.GetObjectid()}) {
    EXPECT_EQ(text, "");
  }
  EXPECT_EQ(r.GetRoot().GetSexEnum(), static_cast<SexEnum>(1)) << "a default short view";
  EXPECT_TRUE(r.IsNew());
  // Saved as it is: a reset changes nothing.
  r.SetClassOfRisk("0421");
  r.ResetBo();
  EXPECT_EQ(r.GetClassOfRisk(), "");
  // Delete needs no server.
  r.Delete();
}

// The base's default date would make a new record valid from whatever day
// it was built on.
TEST(AccidentInsuranceFundObjects, NewRecordIsValidFromTheUndefinedDate) {
  EXPECT_EQ(EEAccidentInsuranceFund().GetValidFrom(), VDate(-1, -1, -1));
  EXPECT_NE(EEAccidentInsuranceFund().GetValidFrom(), VDate());
}

TEST(AccidentInsuranceFundObjects, CopyTakesTheStoredValidFromAssignmentTheChangedOne) {
  accidentinsurancefund::EEAccidentInsuranceFundStruct s{};
  s.root.objectStruct.objectid = "EMP-4";
  s.objectStruct.objectid = "AIF-EMP-4-P1";
  s.timePeriod.internalValidFrom = "2026-03-01";
  EEAccidentInsuranceFund stored(s);
  EXPECT_FALSE(stored.IsNew());
  EXPECT_EQ(stored.GetObjectID(), "EMP-4") << "the employee's identity";
  EXPECT_EQ(stored.GetValidFrom(), VDate(1, 2, 2026));

  stored.SetValidFrom(VDate(1, 8, 2026));
  stored.SetRemoveNew(false);
  EEAccidentInsuranceFund copy(stored);
  EXPECT_EQ(copy.GetValidFrom(), VDate(1, 2, 2026));
  EXPECT_TRUE(copy.GetRemoveNew());
  EXPECT_EQ(copy.GetObjectID(), "EMP-4");
  EEAccidentInsuranceFund assigned;
  assigned = stored;
  EXPECT_EQ(assigned.GetValidFrom(), VDate(1, 8, 2026));
  EXPECT_FALSE(assigned.GetRemoveNew());
}

TEST(AccidentInsuranceFundObjects, FilterStartsAndClearsToItsDefaults) {
  EEAccidentInsuranceFundFilter f;
  auto check_defaults = [](accidentinsurancefund::EEAccidentInsuranceFundFilterStruct const& s) {
    EXPECT_FALSE(s.pnr._d());
    EXPECT_EQ(std::string(s.fixedDateOfWithDrawal), VDate(-1, -1, -1).ToIdl());
    EXPECT_EQ(s.listDisplayOfEmployeeEnum, 0);
    EXPECT_EQ(std::string(s.oidPCompany) + s.surname.in() + s.classOfRisk.in() +
                  s.serialNumberAlpha.in() + s.oidAccidentInsuranceFund.in() +
                  s.oidDifferentAccidentInsuranceFund.in(),
              "");
  };
  check_defaults(f.ToIdl());
  f.SetPnr(1001);
  f.SetClassOfRisk("0421");
  f.SetFixedDateOfWithDrawal(VDate(31, 0, 2026));
  EXPECT_TRUE(f.ToIdl().pnr._d());
  EXPECT_EQ(f.ToIdl().pnr.pnr(), 1001);
  f.ClearEEAccidentInsuranceFundFilter();
  check_defaults(f.ToIdl());
}

}  // namespace
}  // namespace ostrel
