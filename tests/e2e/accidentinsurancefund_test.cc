// Accident insurance end to end against the reference server: the flat
// record keyed by the employee, the three-way Commit whose remove-new
// argument follows the valid-until date, the part classes of risk, the
// queries and what a failure leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_suite.h"
#include "round_trip.h"
#include "statutory/accidentinsurancefund.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VException;
using base::VFixed;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::Field;
using testing::Filter;
using testing::Optional;
using testing::Skip;
using testing::WireTable;

using Record = EEAccidentInsuranceFund;
using Part = EePartClassOfRisk;
namespace aif = accidentinsurancefund;

// A new record of the employee from 1 January 2026 in class of risk
// `risk` of fund "BG-ETEM".
Record NewRecord(std::string const& oid, std::string const& risk = "0421") {
  Record r;
  r.SetRoot(Employee(oid));
  r.SetOidAccidentInsuranceFund("BG-ETEM");
  r.SetClassOfRisk(risk);
  r.SetPercentage(VFixed("100"));
  r.SetValidFrom(VDate(1, 0, 2026));
  return r;
}

Part NewPart(std::string const& risk, char const* percentage) {
  Part p;
  p.SetOidAccidentInsuranceFund("BG-BAU");
  p.SetClassOfRisk(risk);
  p.SetPercentage(VFixed(percentage));
  return p;
}

std::vector<std::string> Risks(std::vector<Part*>* parts) {
  return testing::Map(parts, [](Part const& p) { return p.GetClassOfRisk(); });
}

// Codes of the server's findings, which the record carries unchanged.
std::vector<long> Findings(Record const& r) {
  std::vector<long> codes;
  auto const errors = r.ToIdl().errors;
  for (CORBA::ULong i = 0; i < errors.length(); ++i) codes.push_back(errors[i].errorCode);
  return codes;
}

using AccidentInsuranceFund = testing::RecordTest;

TEST_F(AccidentInsuranceFund, RemoveNewFollowsTheValidUntilDateNotTheFlag) {
  Record r = NewRecord("EMP-1");
  ASSERT_TRUE(r.IsNew());
  r.Commit();
  EXPECT_EQ(CallsOf("createEEAccidentInsuranceFund").at(0).arguments, (Args{L"EMP-1"}));
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetObjectid(), "EMP-1");
  EXPECT_EQ(r.GetValidUntil(), VDate(31, 11, 2099));
  EXPECT_EQ(r.GetRoot().GetSurname(), L"Müller") << "the server's short view";

  r.SetRemoveNew(false);
  r.Commit();  // open end: true, whatever the flag says
  r.SetValidUntil(VDate(30, 5, 2027));
  r.SetRemoveNew(true);
  r.Commit();  // another end: false
  auto sets = CallsOf("setEEAccidentInsuranceFund");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{L"EMP-1", L"true", L"2026-01-01"}));
  EXPECT_EQ(sets[1].arguments, (Args{L"EMP-1", L"false", L"2026-01-01"}));
  EXPECT_EQ(r.GetValidUntil(), VDate(30, 5, 2027));

  r.SetValidFrom(VDate(1, 6, 2027));
  r.SetValidUntil(VDate(""));
  r.Commit();  // a new valid-from date adds; an empty end is not the open end
  r.SetValidFrom(VDate(1, 0, 2028));
  r.SetValidUntil(VDate(31, 11, 2099));
  r.SetRemoveNew(false);
  r.Commit();
  auto adds = CallsOf("addEEAccidentInsuranceFund");
  ASSERT_EQ(adds.size(), 2u);
  EXPECT_EQ(adds[0].arguments, (Args{L"EMP-1", L"false", L"2027-07-01"}));
  EXPECT_EQ(adds[1].arguments, (Args{L"EMP-1", L"true", L"2028-01-01"}));
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2028));
  EXPECT_EQ(CallsOf("setEEAccidentInsuranceFund").size(), 2u);
}

TEST_F(AccidentInsuranceFund, IdentityIsTheEmployeesLastChangeTheRecords) {
  Record r = NewRecord("EMP-2");
  r.Commit();
  auto const s = r.ToIdl();
  EXPECT_EQ(r.GetObjectid(), "EMP-2");
  EXPECT_EQ(r.GetObjectID(), "EMP-2");
  EXPECT_NE(std::string(s.objectStruct.objectid), "EMP-2") << "the period has an id of its own";
  EXPECT_EQ(r.GetLastChangedUserID().str(), L"test");
  EXPECT_EQ(r.GetLastChangedDate(), base::VDateTime(std::string(s.objectStruct.timestamp)));
  EXPECT_EQ(r.GetLastuserid(), "seed") << "the employee's, not the record's";

  r.SetObjectid("EMP-9");
  r.SetTimestamp("2026-05-04T03:02:01");
  r.SetLastuserid(base::VString(L"clerk"));
  auto const changed = r.ToIdl();
  EXPECT_EQ(std::string(changed.root.objectStruct.objectid), "EMP-9");
  EXPECT_EQ(std::string(changed.root.objectStruct.timestamp), "2026-05-04T03:02:01");
  EXPECT_EQ(std::wstring(changed.root.objectStruct.lastuserid.in()), L"clerk");
  EXPECT_EQ(std::string(changed.objectStruct.objectid), std::string(s.objectStruct.objectid));
}

TEST_F(AccidentInsuranceFund, FailedCommitReturnsToTheSavedRecord) {
  Record r = NewRecord("EMP-1", "0100");
  r.Commit();
  r.SetClassOfRisk("0200");
  r.SetValidFrom(VDate(1, 3, 2026));
  testing::InjectFault("addEEAccidentInsuranceFund", testing::ref::RAISE_DOMAIN, L"fund closed");
  try {
    r.Commit();
    FAIL() << "Commit must raise";
  } catch (VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"fund closed");
  }
  EXPECT_EQ(r.GetClassOfRisk(), "0100");
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 0, 2026));
  EXPECT_FALSE(r.IsNew());

  // One record per employee: a second one is refused and stays new, back
  // to its default values.
  Record second = NewRecord("EMP-1", "0300");
  EXPECT_THROW(second.Commit(), VException);
  EXPECT_TRUE(second.IsNew());
  EXPECT_EQ(second.GetClassOfRisk(), "");
  EXPECT_EQ(second.GetPercentage().ToIdl(), VFixed(0).ToIdl());
}

TEST_F(AccidentInsuranceFund, PartClassesOfRiskTravelInOrderAndDoNothingThemselves) {
  Record r = NewRecord("EMP-1");
  Part first = NewPart("1100", "60");
  Part second = NewPart("2200", "30");
  second.SetCorporateSector("construction");
  std::vector<Part*> parts = {&first, &second};
  r.SetPartClassOfRisks(&parts);
  first.SetClassOfRisk("changed later");  // the record holds copies
  r.Commit();
  EXPECT_EQ(Risks(r.GetPartClassOfRisks()), (std::vector<std::string>{"1100", "2200"}));
  EXPECT_EQ(Findings(r), (std::vector<long>{2002})) << "60 and 30 are not 100 percent";

  auto got = TakeOwnership(r.GetPartClassOfRisks());
  got[1]->SetPercentage(VFixed("40"));
  got[1]->SetClassOfRisk("2300");
  EXPECT_EQ(Risks(r.GetPartClassOfRisks())[1], "2200") << "a getter's parts are the caller's";
  std::vector<Part*> fixed = {got[0].get(), got[1].get()};
  r.SetPartClassOfRisks(&fixed);
  r.Commit();
  EXPECT_TRUE(Findings(r).empty());
  auto stored = TakeOwnership(r.GetPartClassOfRisks());
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[1]->GetClassOfRisk(), "2300");
  EXPECT_EQ(stored[1]->GetCorporateSector(), "construction");
  EXPECT_EQ(stored[1]->GetPercentage().ToIdl(), VFixed("40").ToIdl());

  testing::Control()->clearCalls();
  stored[0]->SetClassOfRisk("local");
  stored[0]->Commit();
  stored[0]->Delete();
  r.Delete();
  EXPECT_TRUE(testing::Calls().empty());
  EXPECT_EQ(stored[0]->GetClassOfRisk(), "local");
  auto history = TakeOwnership(Record::GetAllEEAccidentInsuranceFundHistory("EMP-1"));
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(Risks(history[0]->GetPartClassOfRisks()), (std::vector<std::string>{"1100", "2300"}));

  r.SetPartClassOfRisks(nullptr);
  r.Commit();
  EXPECT_TRUE(Risks(r.GetPartClassOfRisks()).empty());
}

TEST_F(AccidentInsuranceFund, QueriesSendTheirArgumentsInOrder) {
  Record r = NewRecord("EMP-1", "0100");
  r.Commit();
  r.SetClassOfRisk("0200");
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();

  auto risk = [](Record const& x) { return x.GetClassOfRisk(); };
  EXPECT_EQ(testing::Map(Record::GetActiveEffectiveEEAccidentInsuranceFundHistory("EMP-1"), risk),
            (std::vector<std::string>{"0100", "0200"}));
  EXPECT_EQ(
      testing::Map(Record::GetEffectiveEEAccidentInsuranceFundHistory("EMP-1", VDate(15, 2, 2026)),
                   risk),
      (std::vector<std::string>{"0100"}));
  EXPECT_EQ(CallsOf("getEffectiveEEAccidentInsuranceFundHistory").at(0).arguments,
            (Args{L"EMP-1", L"2026-03-15"}));

  Record at = Record::GetObjectFromObjectId("EMP-1", VDate(2, 1, 2026), VDate(3, 7, 2026));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{L"EMP-1", L"2026-02-02", L"2026-08-03"}));
  EXPECT_FALSE(at.IsNew());
  EXPECT_EQ(at.GetClassOfRisk(), "0200");
  EXPECT_EQ(at.GetValidFrom(), VDate(1, 6, 2026)) << "taken from the internal valid-from date";

  auto copies =
      TakeOwnership(Record::GetAccidentInsuranceFundsForEmployeeCopy("EMP-1", "2027-04-01"));
  EXPECT_EQ(CallsOf("getAccidentInsuranceFundsForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2027-04-01"}));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(copies[0]->IsNew());
  EXPECT_EQ(copies[0]->GetOidEmployee(), "");
  EXPECT_EQ(copies[0]->GetValidFrom(), VDate(1, 3, 2027));
}

TEST_F(AccidentInsuranceFund, FiltersSelectByTheirFields) {
  Record one = NewRecord("EMP-1", "0100");
  Part part = NewPart("0900", "100");
  std::vector<Part*> parts = {&part};
  one.SetPartClassOfRisks(&parts);
  one.Commit();
  Record two = NewRecord("EMP-5", "0200");
  two.SetSerialNumberAlpha("A7");
  two.SetOidDifferentAccidentInsuranceFund("BG-RCI");
  two.Commit();
  NewRecord("EMP-3", "0900").Commit();  // withdrawn in January 2024

  auto employees = [](std::vector<EEAccidentInsuranceFundFilter*> const& filters) {
    base::Sortierung sort;
    return testing::Map(Record::GetActiveEEAccidentInsuranceFunds(&filters, sort),
                        [](Record const& r) { return r.GetObjectid(); });
  };
  EEAccidentInsuranceFundFilter by_risk;
  by_risk.SetClassOfRisk("0900");  // a part's class counts; EMP-3 is withdrawn
  EXPECT_EQ(employees({&by_risk}), (std::vector<std::string>{"EMP-1"}));
  by_risk.SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ALL_EMPLOYEES);
  EXPECT_EQ(employees({&by_risk}), (std::vector<std::string>{"EMP-1", "EMP-3"}));
  by_risk.SetFixedDateOfWithDrawal(VDate(1, 0, 2024));
  by_risk.SetListDisplayOfEmployeeEnum(
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES);
  EXPECT_EQ(employees({&by_risk}), (std::vector<std::string>{"EMP-1", "EMP-3"}))
      << "not yet withdrawn on 1 January 2024";

  EEAccidentInsuranceFundFilter by_fund;
  by_fund.SetOidDifferentAccidentInsuranceFund("BG-RCI");
  EEAccidentInsuranceFundFilter by_number;
  by_number.SetPnr(1001);
  by_number.SetOidPCompany("C-1");
  EXPECT_EQ(employees({&by_fund, &by_number}), (std::vector<std::string>{"EMP-1", "EMP-5"}));
  by_number.ClearPnr();
  by_number.SetSurname("Sch");
  EXPECT_TRUE(employees({&by_number}).empty());
  by_number.SetSurname("Mü");
  EXPECT_EQ(employees({&by_number}), (std::vector<std::string>{"EMP-1"}));
  EEAccidentInsuranceFundFilter by_serial;
  by_serial.SetSerialNumberAlpha("A7");
  by_serial.SetOidAccidentInsuranceFund("BG-ETEM");
  EXPECT_EQ(employees({&by_serial}), (std::vector<std::string>{"EMP-5"}));
  by_serial.SetOidAccidentInsuranceFund("BG-BAU");
  EXPECT_TRUE(employees({&by_serial}).empty());
}

// Every field of the record and of a part, each with its own value, through
// the server and back.
TEST_F(AccidentInsuranceFund, EveryFieldTravelsAtItsPosition) {
  using EmployeeShortStruct = employee::EmployeeShortStruct;
  WireTable<Record> const fields({
      Skip<Record, EmployeeShortStruct>(1),
      Skip<Record, ObjectStruct>(2),
      Skip<Record, TimePeriodStruct>(3),
      Field(4, &Record::SetOidEmployee, &Record::GetOidEmployee, std::string("EMP-6")),
      Field(5, &Record::SetOidAccidentInsuranceFund, &Record::GetOidAccidentInsuranceFund),
      Field(6, &Record::SetOidDifferentAccidentInsuranceFund,
            &Record::GetOidDifferentAccidentInsuranceFund),
      Field(7, &Record::SetClassOfRisk, &Record::GetClassOfRisk),
      Field(8, &Record::SetSerialNumberAlpha, &Record::GetSerialNumberAlpha),
      Field(9, &Record::SetCorporateSector, &Record::GetCorporateSector),
      Field(10, &Record::SetPercentage, &Record::GetPercentage),
      Field(11, &Record::SetAifPercent, &Record::GetAifPercent),
      Field(12, &Record::SetSpecialUVReason, &Record::GetSpecialUVReason),
      Skip<Record, partclassofrisk::PartClassOfRiskSeq>(13),
      Skip<Record, com::ostrel::personnel::framework::basictypes::ErrorSeq>(14),
  });
  Record start;
  start.SetRoot(Employee("EMP-6"));
  start.SetValidFrom(VDate(1, 0, 2026));
  testing::ExpectRoundTrips(fields, start, [](Record r) {
    r.Commit();
    return r;
  });

  WireTable<Part> const part_fields({
      Skip<Part, ObjectStruct>(1),
      Field(2, &Part::SetOidAccidentInsuranceFund, &Part::GetOidAccidentInsuranceFund),
      Field(3, &Part::SetOidDifferentAccidentInsuranceFund,
            &Part::GetOidDifferentAccidentInsuranceFund),
      Field(4, &Part::SetClassOfRisk, &Part::GetClassOfRisk),
      Field(5, &Part::SetSerialNumberAlpha, &Part::GetSerialNumberAlpha),
      Field(6, &Part::SetPercentage, &Part::GetPercentage),
      Field(7, &Part::SetCorporateSector, &Part::GetCorporateSector),
      Field(8, &Part::SetAifPercent, &Part::GetAifPercent),
  });
  Record holder = NewRecord("EMP-7");
  testing::ExpectRoundTrips(part_fields, Part(), [&holder](Part p) {
    std::vector<Part*> one = {&p};
    holder.SetPartClassOfRisks(&one);
    holder.Commit();
    return *TakeOwnership(holder.GetPartClassOfRisks()).at(0);
  });
}

TEST_F(AccidentInsuranceFund, FilterFieldsSitAtTheirPositions) {
  using F = EEAccidentInsuranceFundFilter;
  WireTable<F> const fields({
      Filter(1, &F::SetOidPCompany),
      Optional(2, &F::SetPnr),
      Filter(3, &F::SetSurname),
      Filter(4, &F::SetFixedDateOfWithDrawal),
      Filter(5, &F::SetClassOfRisk),
      Filter(6, &F::SetSerialNumberAlpha),
      Filter(7, &F::SetOidAccidentInsuranceFund),
      Filter(8, &F::SetOidDifferentAccidentInsuranceFund),
      Filter(9, &F::SetListDisplayOfEmployeeEnum),
      Skip<F, com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct>(10),
  });
  for (int round = 0; round < testing::WireValues::kRounds; ++round) {
    F f;
    fields.Fill(f, round);
    for (std::string const& m : fields.PositionMismatches(f.ToIdl(), round)) {
      ADD_FAILURE() << "round " << round << ": " << m;
    }
  }
}

// The standard behaviour, as every record kind shows it; the mark is the
// class of risk.
struct AccidentInsuranceFundKind {
  using Record = EEAccidentInsuranceFund;
  static constexpr char kSet[] = "setEEAccidentInsuranceFund";
  static constexpr char kDelete[] = "";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kKeep;
  static Record New(std::string const& oid, int mark) {
    return NewRecord(oid, std::to_string(mark));
  }
  static int Mark(Record const& r) { return std::stoi(r.GetClassOfRisk()); }
  static void SetMark(Record& r, int mark) { r.SetClassOfRisk(std::to_string(mark)); }
  static auto AllHistory(std::string const& oid) {
    return Record::GetAllEEAccidentInsuranceFundHistory(oid);
  }
  static auto Stream(unsigned max_hits) {
    std::vector<EEAccidentInsuranceFundFilter*> none;
    return Record::GetActiveEEAccidentInsuranceFundsCB(&none, base::Sortierung(), max_hits);
  }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return Record::GetAccidentInsuranceFundsForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite is instantiated where it is declared.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(AccidentInsuranceFund, StandardRecord,
                               ::testing::Types<AccidentInsuranceFundKind>);
}  // namespace testing
}  // namespace ostrel
