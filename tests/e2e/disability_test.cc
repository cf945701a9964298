// Disabilities end to end against the reference server: the record the
// server prepares from the employee's data, the two-way Commit, the long
// Delete, the queries by the disability's object id, and what a failure
// leaves behind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record_suite.h"
#include "round_trip.h"
#include "statutory/disability.h"

namespace ostrel {
namespace {

using base::VDate;
using base::VException;
using testing::Args;
using testing::CallsOf;
using testing::Employee;
using testing::Field;
using testing::Filter;
using testing::Optional;
using testing::Skip;
using testing::WireTable;
namespace pbt = com::ostrel::personnel::framework::basictypes;

// A new disability of the employee from 1 January 2026 with the proof's
// reference number `proof`.
EEDisability NewDisability(std::string const& oid, std::string const& proof) {
  EEDisability r;
  DisabilityRoot root = r.GetRoot();
  root.SetEmployeeShort(Employee(oid));
  root.SetReferenceNoProof(proof);
  r.SetRoot(root);
  r.SetValidFrom(VDate(1, 0, 2026));
  return r;
}

void SetLevel(EEDisability& r, std::string const& level) {
  DisabilityTP tp = r.GetHistory();
  tp.SetLevelOfDisability(level);
  r.SetHistory(tp);
}

std::string Proof(EEDisability const& r) { return r.GetRoot().GetReferenceNoProof(); }

using Disability = testing::RecordTest;

TEST_F(Disability, StructBeforeCreateIsTheEmployeesDataAndStaysNew) {
  EEDisability r = EEDisability::GetStructBeforeCreate("EMP-2", VDate(1, 6, 2026));
  EXPECT_EQ(CallsOf("getStructBeforeCreate").at(0).arguments, (Args{L"EMP-2", L"2026-07-01"}));
  EXPECT_TRUE(r.IsNew());
  EXPECT_EQ(r.GetValidFrom(), VDate(1, 6, 2026));
  EXPECT_EQ(r.GetRoot().GetEmployeeShort().GetSurname(), L"Schäfer");
  DisabilityTP tp = r.GetHistory();
  EXPECT_EQ(tp.GetSex(), employee::SEX_FEMALE);
  EXPECT_EQ(tp.GetDateOfBirth(), VDate(2, 6, 1990));
  EXPECT_EQ(tp.GetDomicile(), "Köln");
  EXPECT_EQ(tp.GetDateOfEntry(), VDate(1, 0, 2019));
  EXPECT_EQ(tp.GetDateOfWithDrawel(), VDate(""));

  // The answer is also the saved value.
  SetLevel(r, "50");
  r.ResetBo();
  EXPECT_EQ(r.GetHistory().GetLevelOfDisability(), "");

  SetLevel(r, "60");
  r.Commit();
  EXPECT_EQ(CallsOf("createEEDisability").size(), 1u);
  EXPECT_FALSE(r.IsNew());
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 6, 2026));
  EXPECT_EQ(r.GetHistory().GetDomicile(), "Köln");

  try {
    EEDisability::GetStructBeforeCreate("EMP-99", VDate(1, 6, 2026));
    FAIL() << "an unknown employee must be refused";
  } catch (VException const& e) {
    EXPECT_EQ(e.GetCode(), VException::kPersistency);
  }
  EXPECT_THROW(EEDisability::GetStructBeforeCreate("EMP-2", VDate(-1, -1, -1)), VException);
}

TEST_F(Disability, CommitCreatesThenSetsWithTheObjectsFlag) {
  EEDisability r = NewDisability("EMP-1", "AZ-1");
  r.Commit();
  EXPECT_EQ(CallsOf("createEEDisability").at(0).arguments, (Args{L"<new>"}));
  std::string const oid = r.GetObjectid();
  EXPECT_FALSE(oid.empty());
  EXPECT_NE(oid, "EMP-1") << "keyed by its own id";

  SetLevel(r, "30");
  r.Commit();
  r.SetRemoveNew(false);
  r.SetValidFrom(VDate(1, 3, 2026));  // two-way: still a set, with the new date
  r.Commit();
  auto sets = CallsOf("setEEDisability");
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].arguments, (Args{testing::Wide(oid), L"true"}));
  EXPECT_EQ(sets[1].arguments, (Args{testing::Wide(oid), L"false"}));
  EXPECT_EQ(r.GetInternalValidFrom(), VDate(1, 3, 2026));
  EXPECT_EQ(r.GetHistory().GetLevelOfDisability(), "30");
}

TEST_F(Disability, DeleteSendsTheEmployeeTheIdAndTheVersion) {
  EEDisability r = NewDisability("EMP-3", "AZ-3");
  r.Commit();
  SetLevel(r, "40");
  r.Commit();
  r.Delete();
  EXPECT_EQ(CallsOf("deleteEEDisability").at(0).arguments,
            (Args{L"EMP-3", testing::Wide(r.GetObjectid()), std::to_wstring(r.GetVersion())}));
  EXPECT_EQ(r.GetVersion(), 2);
  std::vector<EEDisabilityFilter*> none;
  EXPECT_TRUE(
      TakeOwnership(EEDisability::GetActiveEEDisabilitys(&none, base::Sortierung())).empty());
}

// The server checks that the proof and the education do not end before
// they start; the refused object is back at its saved value.
TEST_F(Disability, PeriodsOutOfOrderAreRefused) {
  EEDisability r = NewDisability("EMP-1", "AZ-9");
  r.Commit();
  DisabilityTP tp = r.GetHistory();
  tp.SetProofValidFrom(VDate(1, 0, 2026));
  tp.SetProofValidUntil(VDate(31, 11, 2025));
  r.SetHistory(tp);
  try {
    r.Commit();
    FAIL() << "Commit must raise";
  } catch (VException const& e) {
    EXPECT_EQ(e.GetCode(), VException::kDomain);
    EXPECT_NE(e.GetMessage().find(L"2025-12-31"), std::wstring::npos) << e.GetMessage().c_str();
  }
  EXPECT_EQ(r.GetHistory().GetProofValidUntil(), VDate(""));

  tp = r.GetHistory();
  tp.SetStartOfEducation(VDate(1, 8, 2026));
  tp.SetEndOfEducation(VDate(31, 7, 2026));
  r.SetHistory(tp);
  EXPECT_THROW(r.Commit(), VException);
  tp.SetEndOfEducation(VDate(1, 8, 2026));  // one day is fine
  r.SetHistory(tp);
  r.Commit();
  EXPECT_EQ(r.GetHistory().GetEndOfEducation(), VDate(1, 8, 2026));

  EEDisability nobody = NewDisability("", "AZ-0");
  EXPECT_THROW(nobody.Commit(), VException);
  EXPECT_TRUE(nobody.IsNew());
}

TEST_F(Disability, QueriesAskByTheDisabilitysId) {
  EEDisability r = NewDisability("EMP-1", "AZ-1");
  SetLevel(r, "30");
  r.Commit();
  SetLevel(r, "50");
  r.SetValidFrom(VDate(1, 6, 2026));
  r.Commit();  // two-way: replaces the one period
  std::string const oid = r.GetObjectid();

  auto level = [](EEDisability const& x) { return x.GetHistory().GetLevelOfDisability(); };
  EXPECT_EQ(testing::Map(EEDisability::GetAllEEDisabilitysHistory(oid), level).size(), 1u);
  EXPECT_EQ(testing::Map(EEDisability::GetActiveEffectiveEEDisabilitysHistory(oid), level),
            (std::vector<std::string>{"50"}));
  EXPECT_EQ(
      testing::Map(EEDisability::GetEffectiveEEDisabilitysHistory(oid, VDate(4, 7, 2026)), level),
      (std::vector<std::string>{"50"}));
  EXPECT_EQ(CallsOf("getEffectiveEEDisabilityHistory").at(0).arguments,
            (Args{testing::Wide(oid), L"2026-08-04"}));

  EEDisability at = EEDisability::GetObjectFromObjectId(oid, VDate(5, 8, 2026));
  EXPECT_EQ(CallsOf("getObjectFromObjectId").at(0).arguments,
            (Args{testing::Wide(oid), L"2026-09-05"}));
  EXPECT_EQ(Proof(at), "AZ-1");
  EXPECT_EQ(at.GetValidFrom(), VDate(1, 6, 2026));

  auto copies = TakeOwnership(EEDisability::GetDisabilitysForEmployeeCopy("EMP-1", "2027-02-01"));
  EXPECT_EQ(CallsOf("getDisabilitiesForEmployeeCopy").at(0).arguments,
            (Args{L"EMP-1", L"2027-02-01"}));
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_TRUE(copies[0]->IsNew());
  EXPECT_EQ(copies[0]->GetRoot().GetEmployeeShort().GetObjectid(), "");
  EXPECT_EQ(copies[0]->GetInternalValidFrom(), VDate(1, 1, 2027));
}

TEST_F(Disability, FiltersSelectByTheirFields) {
  EEDisability one = NewDisability("EMP-1", "AZ-1");
  DisabilityTP tp = one.GetHistory();
  tp.SetPersonGroupDisability(disability::PERSON_GROUP_SEVERELY_DISABLED);
  tp.SetIssueOfficeOfProof(disability::OFFICE_PENSION_OFFICE);
  tp.SetIdCardNumber("ID-1");
  one.SetHistory(tp);
  one.Commit();
  EEDisability two = NewDisability("EMP-5", "AZ-5");
  tp = two.GetHistory();
  tp.SetPersonGroupDisability(disability::PERSON_GROUP_EQUALIZED);
  tp.SetIssueOfficeOfProof(disability::OFFICE_EMPLOYMENT_AGENCY);
  two.SetHistory(tp);
  two.Commit();
  NewDisability("EMP-3", "AZ-3").Commit();  // withdrawn in January 2024

  auto proofs = [](std::vector<EEDisabilityFilter*> const& filters) {
    return testing::Map(EEDisability::GetActiveEEDisabilitys(&filters, base::Sortierung()), Proof);
  };
  EEDisabilityFilter all;
  EXPECT_EQ(proofs({&all}), (std::vector<std::string>{"AZ-1", "AZ-5"}));
  all.SetListDisplayOfEmployeeEnum(pbt::LIST_WITHDRAWN_EMPLOYEES);
  EXPECT_EQ(proofs({&all}), (std::vector<std::string>{"AZ-3"}));

  EEDisabilityFilter group;
  group.SetPersonGroupDisability(disability::PERSON_GROUP_EQUALIZED);
  EXPECT_EQ(proofs({&group}), (std::vector<std::string>{"AZ-5"}));
  group.ClearPersonGroupDisability();
  group.SetIssueOfficeOfProof(disability::OFFICE_PENSION_OFFICE);
  EXPECT_EQ(proofs({&group}), (std::vector<std::string>{"AZ-1"}));
  group.ClearIssueOfficeOfProof();
  group.SetIdCardNumber("ID-2");
  EXPECT_TRUE(proofs({&group}).empty());

  EEDisabilityFilter person;
  person.SetPnr(2001);
  person.SetOidPCompany("C-2");
  EEDisabilityFilter reference;
  reference.SetReferenceNoProof("AZ-1");
  reference.SetSurname("Mü");
  EXPECT_EQ(proofs({&person, &reference}), (std::vector<std::string>{"AZ-1", "AZ-5"}));
  person.SetPnr(1001);
  reference.SetSurname("Sch");
  EXPECT_TRUE(proofs({&person, &reference}).empty());
}

TEST_F(Disability, EveryFieldTravelsAtItsPosition) {
  using Root = DisabilityRoot;
  using TP = DisabilityTP;
  WireTable<Root> const root_fields({
      Skip<Root, ObjectStruct>(1),
      Skip<Root, employee::EmployeeShortStruct>(2),
      Field(3, &Root::SetReferenceNoProof, &Root::GetReferenceNoProof),
  });
  WireTable<TP> const tp_fields({
      Skip<TP, ObjectStruct>(1),
      Skip<TP, TimePeriodStruct>(2),
      Field(3, &TP::SetStdCompanyNumber, &TP::GetStdCompanyNumber),
      Field(4, &TP::SetSex, &TP::GetSex),
      Field(5, &TP::SetDateOfBirth, &TP::GetDateOfBirth),
      Field(6, &TP::SetDomicile, &TP::GetDomicile),
      Field(7, &TP::SetOccupationKey, &TP::GetOccupationKey),
      Field(8, &TP::SetOccupationDesignation, &TP::GetOccupationDesignation),
      Field(9, &TP::SetWorkingTime, &TP::GetWorkingTime),
      Field(10, &TP::SetDateOfEntry, &TP::GetDateOfEntry),
      Field(11, &TP::SetDateOfWithDrawel, &TP::GetDateOfWithDrawel),
      Field(12, &TP::SetPersonGroupDisability, &TP::GetPersonGroupDisability),
      Field(13, &TP::SetIssueOfficeOfProof, &TP::GetIssueOfficeOfProof),
      Field(14, &TP::SetDomicileOffice, &TP::GetDomicileOffice),
      Field(15, &TP::SetProofValidFrom, &TP::GetProofValidFrom),
      Field(16, &TP::SetProofValidUntil, &TP::GetProofValidUntil),
      Field(17, &TP::SetDiccontinuationHeS, &TP::GetDiccontinuationHeS),
      Field(18, &TP::SetStartOfEducation, &TP::GetStartOfEducation),
      Field(19, &TP::SetEndOfEducation, &TP::GetEndOfEducation),
      Field(20, &TP::SetIdCardNumber, &TP::GetIdCardNumber),
      Field(21, &TP::SetNoticeOfAdmission, &TP::GetNoticeOfAdmission),
      Field(22, &TP::SetWorkingPlaceCollective, &TP::GetWorkingPlaceCollective),
      Field(23, &TP::SetWorkingPlaceOfApprentice, &TP::GetWorkingPlaceOfApprentice),
      Field(24, &TP::SetWorkingPlaceOfParagraph73, &TP::GetWorkingPlaceOfParagraph73),
      Field(25, &TP::SetLevelOfDisability, &TP::GetLevelOfDisability),
  });
  EEDisability r = NewDisability("EMP-6", "");
  r.Commit();
  testing::ExpectRoundTrips(root_fields, r.GetRoot(), [&r](Root root) {
    r.SetRoot(root);
    r.Commit();
    return r.GetRoot();
  });
  testing::ExpectRoundTrips(tp_fields, r.GetHistory(), [&r](TP tp) {
    r.SetHistory(tp);
    r.Commit();
    return EEDisability::GetObjectFromObjectId(r.GetObjectid(), VDate("")).GetHistory();
  });
}

TEST_F(Disability, FilterFieldsSitAtTheirPositions) {
  using F = EEDisabilityFilter;
  WireTable<F> const fields({
      Filter(1, &F::SetReferenceNoProof),
      Filter(2, &F::SetOidPCompany),
      Optional(3, &F::SetPnr),
      Filter(4, &F::SetSurname),
      Filter(5, &F::SetFixedDateOfWithDrawal),
      Filter(6, &F::SetIdCardNumber),
      Optional(7, &F::SetPersonGroupDisability),
      Optional(8, &F::SetIssueOfficeOfProof),
      Filter(9, &F::SetListDisplayOfEmployeeEnum),
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
// level of disability. Histories are asked by the disability, not by the
// employee, and there is no stream.
struct DisabilityKind {
  using Record = EEDisability;
  static constexpr char kSet[] = "setEEDisability";
  static constexpr char kDelete[] = "deleteEEDisability";
  static constexpr testing::Failure kFailedCommit = testing::Failure::kReset;
  static constexpr testing::Failure kFailedDelete = testing::Failure::kReset;
  static Record New(std::string const& oid, int mark) {
    Record r = NewDisability(oid, "AZ-" + oid);
    SetMark(r, mark);
    return r;
  }
  static int Mark(Record const& r) { return std::stoi(r.GetHistory().GetLevelOfDisability()); }
  static void SetMark(Record& r, int mark) { SetLevel(r, std::to_string(mark)); }
  static auto EmployeeCopy(std::string const& oid, VDate const& valid_from) {
    return Record::GetDisabilitysForEmployeeCopy(oid, valid_from.ToIdl());
  }
};

}  // namespace

// The suite is instantiated where it is declared.
namespace testing {
INSTANTIATE_TYPED_TEST_SUITE_P(Disability, StandardRecord, ::testing::Types<DisabilityKind>);
}  // namespace testing
}  // namespace ostrel
