// Absent-time business objects without a server: defaults, what the parts
// save, and every period field in its own wire member.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "time/absenttime.h"

namespace ostrel {
namespace {

using TP = EEAbsentTimeTP;
using TPStruct = absenttime::AbsentTimeTPStruct;
using TimePeriod = com::ostrel::personnel::framework::basictypes::TimePeriodStruct;

TEST(EEAbsentTimeDefaults, NewRecordRootAndPeriod) {
  EEAbsentTime r;
  EXPECT_TRUE(r.IsNew());
  EXPECT_TRUE(r.GetRemoveNew());

  EEAbsentTimeRoot const root = r.GetRoot();
  EXPECT_FALSE(root.GetIsDeleted());
  EXPECT_EQ(root.GetOidAbsentTime(), "");
  EXPECT_EQ(root.GetEmployeeShort().GetPersonnelNumber(), 0);
  EXPECT_EQ(root.GetEmployeeShort().GetSexEnum(), static_cast<SexEnum>(1));

  TP const tp = r.GetHistory();
  EXPECT_EQ(tp.GetTypeOfBirth(), 0);
  EXPECT_EQ(tp.GetIndexOfConsequence(), 0);
  EXPECT_FALSE(tp.GetHalfLeaveDay());
  EXPECT_FALSE(tp.GetWaitingDay());
  EXPECT_FALSE(tp.GetPrintOnStatementOfEarnings());
  EXPECT_TRUE(tp.GetNumberOfHours().ToIdl().empty());
  EXPECT_TRUE(tp.GetErrorMessage().empty());
}

TEST(EEAbsentTimeDefaults, NewFilterSelectsAsDocumented) {
  absenttime::EEAbsentTimeFilterStruct const f = EEAbsentTimeFilter().ToIdl();
  EXPECT_STREQ(f.fromDate, "0000-00-00");
  EXPECT_STREQ(f.untilDate, "0000-00-00");
  EXPECT_STREQ(f.fixedDateOfWithDrawal, "0000-00-00");
  EXPECT_TRUE(f.afterJournalized);
  EXPECT_FALSE(f.withDeleted);
  EXPECT_FALSE(f.absenceOfEau);
  EXPECT_FALSE(f.pnr._d());
  EXPECT_EQ(static_cast<int>(f.listDisplayOfEmployeeEnum), 0);
  for (char const* text :
       {f.absentTimeKey.in(), f.oidPCompany.in(), f.surname.in(),
        f.extendedFilter.oidCostCenter.in(), f.extendedFilter.oidCostUnit.in(),
        f.extendedFilter.oidDepartment.in(), f.extendedFilter.oidEmployeeGroup.in()}) {
    EXPECT_STREQ(text, "");
  }
}

TEST(EauEEAbsentTime, TheReasonOfAStructIsNotKept) {
  absenttime::EauEEAbsentTimeStruct s{};
  s.oidEEAbsentTimeTP = "AT-1-P1";
  s.reasonOfInterrupt = 5;
  EauEEAbsentTime const from_struct(s);
  EXPECT_EQ(from_struct.GetOidEEAbsentTimeTP(), "AT-1-P1");
  EXPECT_EQ(from_struct.ToIdl().reasonOfInterrupt, 0);

  EXPECT_EQ(EauEEAbsentTime().GetReasonOfInterrupt(), 0);
}

// Absent-time parts built from a struct take its identity and save it; a
// copy saves what it copied.
TEST(EEAbsentTimeParts, FromStructAndCopiesSaveTheirValue) {
  TPStruct s = TP().ToIdl();
  s.objectStruct.objectid = "AT-1-P2";
  s.additionalInfo = "stored";
  TP tp(s);
  EXPECT_EQ(tp.GetObjectID(), "AT-1-P2");
  tp.SetAdditionalInfo("copied");
  TP copy(tp);
  copy.SetAdditionalInfo("edited");
  copy.ResetBo();
  EXPECT_EQ(copy.GetAdditionalInfo(), "copied");
  tp.ResetBo();
  EXPECT_EQ(tp.GetAdditionalInfo(), "stored");

  absenttime::AbsentTimeRootStruct rs = EEAbsentTimeRoot().ToIdl();
  rs.objectStruct.objectid = "AT-1";
  rs.oidAbsentTime = "EFK";
  EEAbsentTimeRoot root(rs);
  EXPECT_EQ(root.GetObjectID(), "AT-1");
  root.SetOidAbsentTime("EFU");
  root.ResetBo();
  EXPECT_EQ(root.GetOidAbsentTime(), "EFK");
}

// --- every period field, one at a time -----------------------------------

std::string AsText(base::VDate const& v) { return v.ToIdl(); }
std::string AsText(base::VFixed const& v) { return v.ToIdl(); }
std::string AsText(std::string const& v) { return v; }
std::string AsText(bool v) { return v ? "true" : "false"; }
std::string AsText(long v) { return std::to_string(v); }
std::string AsText(CORBA::String_member const& v) { return v.in(); }
std::string AsText(CORBA::Long v) { return std::to_string(v); }

using Wire = std::function<std::string(TPStruct const&)>;

template <class M>
Wire Member(M TPStruct::*m) {
  return [m](TPStruct const& s) { return AsText(s.*m); };
}
Wire PeriodMember(CORBA::String_member TimePeriod::*m) {
  return [m](TPStruct const& s) { return AsText(s.timePeriod.*m); };
}

struct Field {
  std::string name;
  std::function<void(TP&)> set;
  std::function<std::string(TP const&)> get;
  Wire wire;
  std::string value;  // the wire text after set
};

template <class C, class P, class R>
Field Row(std::string name, void (C::*set)(P), R (C::*get)() const, Wire wire,
          std::decay_t<P> value) {
  return Field{name, [set, value](TP& tp) { (tp.*set)(value); },
               [get](TP const& tp) { return AsText((tp.*get)()); }, wire, AsText(value)};
}

std::vector<Field> PeriodFields() {
  using base::VDate;
  using base::VFixed;
  using S = TPStruct;
  return {
      Row("EffectiveFrom", &TP::SetEffectiveFrom, &TP::GetEffectiveFrom,
          PeriodMember(&TimePeriod::effectiveFrom), VDate(2, 2, 2026)),
      Row("EffectiveUntil", &TP::SetEffectiveUntil, &TP::GetEffectiveUntil,
          PeriodMember(&TimePeriod::effectiveUntil), VDate(6, 2, 2026)),
      Row("InternalValidFrom", &TP::SetInternalValidFrom, &TP::GetInternalValidFrom,
          PeriodMember(&TimePeriod::internalValidFrom), VDate(1, 2, 2026)),
      Row("ValidUntil", &TP::SetValidUntil, &TP::GetValidUntil,
          PeriodMember(&TimePeriod::validUntil), VDate(31, 11, 2099)),
      Row("OidPredecessorEEAbsentTime", &TP::SetOidPredecessorEEAbsentTime,
          &TP::GetOidPredecessorEEAbsentTime, Member(&S::oidPredecessorEEAbsentTime),
          std::string("AT-0")),
      Row("NumberOfHours", &TP::SetNumberOfHours, &TP::GetNumberOfHours, Member(&S::numberOfHours),
          VFixed("7.50")),
      Row("OidCostUnit", &TP::SetOidCostUnit, &TP::GetOidCostUnit, Member(&S::oidCostUnit),
          std::string("CU-1")),
      Row("OidCostCenter", &TP::SetOidCostCenter, &TP::GetOidCostCenter, Member(&S::oidCostCenter),
          std::string("CC-1")),
      Row("HalfLeaveDay", &TP::SetHalfLeaveDay, &TP::GetHalfLeaveDay, Member(&S::halfLeaveDay),
          true),
      Row("ComparisonNet", &TP::SetComparisonNet, &TP::GetComparisonNet, Member(&S::comparisonNet),
          VFixed("2150.25")),
      Row("StickPay", &TP::SetStickPay, &TP::GetStickPay, Member(&S::stickPay), VFixed("-12.5")),
      Row("PrintOnStatementOfEarnings", &TP::SetPrintOnStatementOfEarnings,
          &TP::GetPrintOnStatementOfEarnings, Member(&S::printOnStatementOfEarnings), true),
      Row("IndexOfConsequence", &TP::SetIndexOfConsequence, &TP::GetIndexOfConsequence,
          Member(&S::indexOfConsequence), 3L),
      Row("DueDate", &TP::SetDueDate, &TP::GetDueDate, Member(&S::dueDate), VDate(14, 7, 2026)),
      Row("TypeOfBirth", &TP::SetTypeOfBirth, &TP::GetTypeOfBirth, Member(&S::typeOfBirth), 2L),
      Row("AdditionalInfo", &TP::SetAdditionalInfo, &TP::GetAdditionalInfo,
          Member(&S::additionalInfo), std::string("note")),
      Row("NumberOfWorkingHours", &TP::SetNumberOfWorkingHours, &TP::GetNumberOfWorkingHours,
          Member(&S::numberOfWorkingHours), VFixed("40.00")),
      Row("ErrorMessage", &TP::SetErrorMessage, &TP::GetErrorMessage, Member(&S::errorMessage),
          std::string("bad period")),
      Row("WaitingDay", &TP::SetWaitingDay, &TP::GetWaitingDay, Member(&S::waitingDay), true),
      Row("Abandonment", &TP::SetAbandonment, &TP::GetAbandonment, Member(&S::abandonment),
          std::string("waived")),
  };
}

TEST(EEAbsentTimeTP, EveryFieldTravelsInItsOwnMember) {
  std::vector<Field> const fields = PeriodFields();
  TPStruct const fresh = TP().ToIdl();
  for (Field const& f : fields) {
    SCOPED_TRACE(f.name);
    ASSERT_NE(f.wire(fresh), f.value) << "the value must differ from the default";
    TP tp;
    f.set(tp);
    TPStruct const s = tp.ToIdl();
    EXPECT_EQ(f.wire(s), f.value);
    for (Field const& other : fields) {
      if (&other != &f) {
        EXPECT_EQ(other.wire(s), other.wire(fresh)) << other.name << " changed";
      }
    }
    EXPECT_EQ(f.get(TP(s)), f.value);

    // And through the record object's period part.
    EEAbsentTime r;
    r.SetHistory(tp);
    EXPECT_EQ(f.get(r.GetHistory()), f.value);
  }
}

}  // namespace
}  // namespace ostrel
