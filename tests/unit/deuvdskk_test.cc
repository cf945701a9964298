// Defaults of the notification parts and filter.
#include <gtest/gtest.h>

#include <type_traits>

#include "statutory/deuvdskk.h"

namespace ostrel {
namespace {

using base::VDate;

// Declared by the module for the procedure; no struct carries it.
static_assert(std::is_enum_v<KennzBbgueEnum>);

TEST(DeuvDskkDefaults, RootIsManualAndNotDeleted) {
  EEDeuvDskkRoot const root;
  EXPECT_TRUE(root.GetIsManually());
  EXPECT_FALSE(root.GetIsDeleted());
  EXPECT_EQ(root.GetKennung(), "");
  EXPECT_EQ(root.GetEmployeeShort().GetPersonnelNumber(), 0);
}

TEST(DeuvDskkDefaults, Period) {
  EEDeuvDskkTP const tp;
  EXPECT_EQ(tp.GetKennzMome(), static_cast<KennzMomeEnum>(0));
  EXPECT_EQ(tp.GetKennzGlz(), static_cast<KennzGlzEnum>(0));
  EXPECT_EQ(tp.GetSvtg(), 0);
  EXPECT_EQ(std::string(tp.ToIdl().gaeg.in()), "");
  EXPECT_EQ(tp.GetKennzAlve(), "");
}

TEST(DeuvDskkFilter, SelectsAfterJournalizedWithoutDeleted) {
  EEDeuvDskkFilter f;
  f.SetFromDate(VDate(1, 0, 2020));
  f.SetAfterJournalized(false);
  f.SetKennung("K");
  f.SetPnr(12);
  f.SetWithDeleted(true);
  f.ClearEEDeuvDskkFilter();
  for (EEDeuvDskkFilter const& g : {EEDeuvDskkFilter(), f}) {
    deuvdskk::EEDeuvDskkFilterStruct const s = g.ToIdl();
    EXPECT_TRUE(s.afterJournalized);
    EXPECT_FALSE(s.withDeleted);
    EXPECT_FALSE(s.pnr._d());
    EXPECT_EQ(std::string(s.kennung.in()), "");
    // The empty date, not the undefined one.
    EXPECT_EQ(std::string(s.fromDate.in()), VDate("").ToIdl());
    EXPECT_EQ(std::string(s.untilDate.in()), VDate("").ToIdl());
    EXPECT_EQ(std::string(s.fixedDateOfWithDrawal.in()), VDate("").ToIdl());
  }
}

}  // namespace
}  // namespace ostrel
