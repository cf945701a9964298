// Value positions end to end against the reference server's seed (January
// and February 2024 per employee): the seven queries, the arguments they
// send, and how causers and consequences link positions.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "calculation/valueposition.h"
#include "record_suite.h"
#include "reference_server.h"
#include "remote.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using base::VDate;
using testing::CallsOf;
using testing::InjectFault;
using Positions =
    std::unique_ptr<std::vector<EEValuePosition*>, void (*)(std::vector<EEValuePosition*>*)>;

Positions Own(std::vector<EEValuePosition*>* v) {
  return Positions(v, &DeleteAll<EEValuePosition>);
}

VDate const kJanuary(1, 0, 2024);
VDate const kEndOfJanuary(31, 0, 2024);
VDate const kOpen(-1, -1, -1);

// "key result" per position, in the order received.
std::vector<std::string> Lines(std::vector<EEValuePosition*> const& positions) {
  std::vector<std::string> out;
  for (EEValuePosition const* p : positions) {
    out.push_back(std::to_string(p->GetValueTypeKey()) + " " + p->GetResult().ToIdl());
  }
  return out;
}

template <class F>
base::VException Raised(F f) {
  try {
    f();
  } catch (base::VException const& e) {
    return e;
  }
  ADD_FAILURE() << "no VException";
  return base::VException(L"", L"", L"", 0, false);
}

class ValuePositionTest : public testing::RecordTest {
 protected:
  // EMP-1's January position of a value type.
  static EEValuePosition January(long key) {
    Positions all = Own(EEValuePosition::GetValuePositionsEE("EMP-1", kJanuary, kEndOfJanuary));
    for (EEValuePosition const* p : *all) {
      if (p->GetValueTypeKey() == key) return *p;
    }
    ADD_FAILURE() << "no position " << key;
    return EEValuePosition();
  }
};

TEST_F(ValuePositionTest, EmployeeAndEmployerPositionsOfAMonth) {
  Positions ee = Own(EEValuePosition::GetValuePositionsEE("EMP-1", kJanuary, kEndOfJanuary));
  EXPECT_EQ(Lines(*ee), (std::vector<std::string>{"1000 5200.00", "1100 325.00", "3000 5525.00",
                                                  "4000 1105.00", "9000 4420.00"}));
  EXPECT_EQ(CallsOf("getValuePositionsEE").at(0).arguments,
            (std::vector<std::wstring>{L"EMP-1", L"2024-01-01", L"2024-01-31"}));
  ASSERT_EQ(ee->size(), 5u);
  EEValuePosition const& overtime = *(*ee)[1];
  EXPECT_EQ(overtime.GetShortDescription(), L"Überstunden");
  EXPECT_EQ(overtime.GetBezug(), "EE");
  EXPECT_EQ(overtime.GetFactor1().ToIdl(), "10.00");
  EXPECT_EQ(overtime.GetFactor2().ToIdl(), "32.50");
  EXPECT_EQ(overtime.GetPercentage().ToIdl(), "25.00");
  EXPECT_EQ(overtime.GetEffectiveUntil(), kEndOfJanuary);
  EXPECT_EQ(overtime.GetShortDescriptionPO(), L"Gesamtbrutto");
  EXPECT_EQ(overtime.GetShortDescriptionCC(), L"Verwaltung");
  EXPECT_FALSE(overtime.GetObjectID().empty());

  Positions er = Own(EEValuePosition::GetValuePositionsER("EMP-1", kJanuary, kEndOfJanuary));
  EXPECT_EQ(Lines(*er), (std::vector<std::string>{"5000 513.83", "5900 6038.83"}));
}

TEST_F(ValuePositionTest, ThePeriodSelectsMonths) {
  // Undefined dates leave the period open: both months.
  EXPECT_EQ(Own(EEValuePosition::GetValuePositionsEE("EMP-1", kOpen, kOpen))->size(), 11u);
  EXPECT_EQ(CallsOf("getValuePositionsEE").at(0).arguments,
            (std::vector<std::wstring>{L"EMP-1", L"0000-00-00", L"0000-00-00"}));
  Positions february = Own(EEValuePosition::GetValuePositionsEE("EMP-1", VDate(1, 1, 2024), kOpen));
  ASSERT_EQ(february->size(), 6u);
  EXPECT_EQ(february->front()->GetEffectiveFrom(), VDate(1, 1, 2024));
  // EMP-3 withdrew at the end of January; EMP-4 was never calculated.
  EXPECT_TRUE(
      Own(EEValuePosition::GetValuePositionsEE("EMP-3", VDate(1, 1, 2024), kOpen))->empty());
  Positions none = Own(EEValuePosition::GetValuePositionsER("EMP-4", kOpen, kOpen));
  ASSERT_NE(none.get(), nullptr);
  EXPECT_TRUE(none->empty());
}

TEST_F(ValuePositionTest, SummarisedPositionsAddUpTheMonths) {
  Positions sums = Own(EEValuePosition::GetSummarisedValuePositions("EMP-1", kOpen, kOpen));
  EXPECT_EQ(Lines(*sums),
            (std::vector<std::string>{"1000 10400.00", "1100 650.00", "1500 500.00",
                                      "3000 11550.00", "4000 2310.00", "9000 9240.00"}));
  ASSERT_EQ(sums->size(), 6u);
  EEValuePosition const& overtime = *(*sums)[1];
  EXPECT_EQ(overtime.GetFactor1().ToIdl(), "20.00");  // hours
  EXPECT_EQ(overtime.GetEffectiveFrom(), kJanuary);
  EXPECT_EQ(overtime.GetEffectiveUntil(), VDate(29, 1, 2024));
  EXPECT_TRUE(overtime.IsNew());  // a summary is no stored position
  EXPECT_EQ(CallsOf("getSummarisedValuePositions").at(0).arguments,
            (std::vector<std::wstring>{L"EMP-1", L"0000-00-00", L"0000-00-00"}));

  Positions january =
      Own(EEValuePosition::GetSummarisedValuePositions("EMP-1", kJanuary, kEndOfJanuary));
  EXPECT_EQ(Lines(*january).front(), "1000 5200.00");
}

TEST_F(ValuePositionTest, UserPositionsCarryTheirDocument) {
  Positions user = Own(EEValuePosition::GetUserValuePositions("EMP-1", kOpen, kOpen));
  ASSERT_EQ(user->size(), 1u);
  EEValuePosition const& bonus = *user->front();
  EXPECT_EQ(bonus.GetValueTypeKey(), 1500);
  EXPECT_EQ(bonus.GetShortDescription(), L"Einmalzahlung Prämie");
  EXPECT_EQ(bonus.GetDocumentNumber(), "BEL-EMP-1");
  EXPECT_EQ(bonus.GetDocumentDate(), VDate(12, 1, 2024));
  EXPECT_EQ(bonus.GetBookingDate(), VDate(14, 1, 2024));
  EXPECT_TRUE(
      Own(EEValuePosition::GetUserValuePositions("EMP-1", kJanuary, kEndOfJanuary))->empty());
  EXPECT_TRUE(Own(EEValuePosition::GetUserValuePositions("EMP-2", kOpen, kOpen))->empty());
}

TEST_F(ValuePositionTest, PieceWorkBringsItsProductionFigures) {
  Positions ee = Own(EEValuePosition::GetValuePositionsEE("EMP-2", kJanuary, kEndOfJanuary));
  ASSERT_EQ(Lines(*ee), (std::vector<std::string>{"1000 2800.00", "1200 2484.00", "3000 5284.00",
                                                  "4000 1056.80", "9000 4227.20"}));
  EEValuePosition const& piece = *(*ee)[1];
  EXPECT_EQ(piece.GetOrderNumber(), "A-4711");
  EXPECT_EQ(piece.GetPartNumber(), "T-0815");
  EXPECT_EQ(piece.GetStageNumber(), "30");
  EXPECT_EQ(piece.GetSetupTimeAndUnit().ToIdl(), "1.50");
  EXPECT_EQ(piece.GetYield().ToIdl(), "480");
  EXPECT_EQ(piece.GetTargetOfTimeAndUnit().ToIdl(), "0.25");
  EXPECT_EQ(piece.GetTotalTarget().ToIdl(), "120.00");
  EXPECT_EQ(piece.GetRateOfLaborUtilisation().ToIdl(), "112.50");
  EXPECT_EQ(piece.GetPerformanceFactor().ToIdl(), "1.125");
  EXPECT_EQ(piece.GetEraCorrectionFactor().ToIdl(), "1.0000");
  EXPECT_EQ(piece.GetOidCostUnit(), "CU-7");
  EXPECT_EQ(piece.GetCostUnitKey(), "7");
  EXPECT_EQ(piece.GetShortDescriptionCU(), L"Kostenträger Nord");
  EXPECT_EQ(piece.GetOidGenesisObject(), "PW-EMP-2");
  EXPECT_EQ(piece.GetShortDescriptionGO(), L"Akkordschein");
}

TEST_F(ValuePositionTest, CausersAndConsequencesFollowTheLinks) {
  EEValuePosition gross = January(3000);
  Positions causers = Own(EEValuePosition::GetCausersOfValuePosition(gross, kOpen, kOpen));
  EXPECT_EQ(Lines(*causers), (std::vector<std::string>{"1000 5200.00", "1100 325.00"}));
  std::string const oid = gross.GetObjectID();
  EXPECT_EQ(CallsOf("getCausersOfValuePosition").at(0).arguments,
            (std::vector<std::wstring>{std::wstring(oid.begin(), oid.end()), L"0000-00-00",
                                       L"0000-00-00"}));
  // Only the employer's positions count for the ER form.
  EXPECT_TRUE(Own(EEValuePosition::GetCausersOfValuePositionER(gross, kOpen, kOpen))->empty());

  Positions er = Own(EEValuePosition::GetValuePositionsER("EMP-1", kJanuary, kEndOfJanuary));
  ASSERT_EQ(er->size(), 2u);
  EXPECT_EQ(Lines(*Own(EEValuePosition::GetCausersOfValuePositionER(*er->back(), kJanuary,
                                                                    kEndOfJanuary))),
            (std::vector<std::string>{"5000 513.83"}));
  // A period that misses the causers' month leaves none.
  EXPECT_TRUE(
      Own(EEValuePosition::GetCausersOfValuePosition(gross, VDate(1, 1, 2024), kOpen))->empty());

  Positions consequences = Own(EEValuePosition::GetConsequencesOfValuePosition(January(1000)));
  EXPECT_EQ(Lines(*consequences), (std::vector<std::string>{"3000 5525.00", "9000 4420.00"}));
  EXPECT_TRUE(Own(EEValuePosition::GetConsequencesOfValuePosition(January(9000)))->empty());
}

TEST_F(ValuePositionTest, TheWholePositionTravelsNotOnlyItsId) {
  valueposition::ValuePositionStruct s = January(3000).ToIdl();
  s.oidEmployee = "EMP-2";
  base::VException e =
      Raised([&] { EEValuePosition::GetCausersOfValuePosition(EEValuePosition(s), kOpen, kOpen); });
  EXPECT_EQ(e.GetCode(), base::VException::kDomain);
  EXPECT_NE(e.GetMessage().find(L"does not belong to employee 'EMP-2'"), std::wstring::npos);

  e = Raised([] { EEValuePosition::GetConsequencesOfValuePosition(EEValuePosition()); });
  EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
  EXPECT_EQ(e.GetMessage(), L"unknown object id ''");
}

TEST_F(ValuePositionTest, FailuresArriveAsVExceptions) {
  base::VException e = Raised([] { EEValuePosition::GetValuePositionsER("EMP-99", kOpen, kOpen); });
  EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
  EXPECT_EQ(e.GetMessage(), L"unknown object id 'EMP-99'");

  InjectFault("getUserValuePositions", ref::RAISE_APPLICATION_LAYER, L"Lohnkonto gesperrt");
  e = Raised([] { EEValuePosition::GetUserValuePositions("EMP-1", kOpen, kOpen); });
  EXPECT_EQ(e.GetCode(), base::VException::kApplicationLayer);
  EXPECT_EQ(e.GetMessage(), L"Lohnkonto gesperrt");

  InjectFault("getSummarisedValuePositions", ref::RAISE_SYSTEM, L"", 0, 1, 7);
  e = Raised([] { EEValuePosition::GetSummarisedValuePositions("EMP-1", kOpen, kOpen); });
  EXPECT_EQ(e.GetCode(), base::VException::kSystem);
  EXPECT_EQ(e.GetSource(), L"TRANSIENT");
}

}  // namespace

namespace testing {
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StandardRecord);
}  // namespace testing

}  // namespace ostrel
