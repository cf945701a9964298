// The employee's servants (employee, master data, employment, entry, entry
// reasons) check every date, amount and time stamp they receive before
// anything else: each received struct is sent through the raw stub with one
// declared text malformed at a time, and each date argument once.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>

#include "employee_kind.h"
#include "employment_kind.h"
#include "entry_kind.h"
#include "entryreason_kind.h"
#include "master_kind.h"
#include "record_suite.h"
#include "remote.h"
#include "string_converter.h"
#include "wire_text_probe.h"

namespace ostrel {
namespace {

using testing::One;
using testing::ProbeWireTexts;
using testing::RawToken;
namespace basictypes = com::ostrel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;

class EmployeeWireTexts : public testing::RecordTest {
 protected:
  static void TearDownTestSuite() {
    std::cout << "wire-text probes sent: " << testing::ProbeCount() << "\n";
  }
  com::ostrel::serverbase::query::SortierungStruct const sort_{};
};

TEST_F(EmployeeWireTexts, Employee) {
  auto servant = Remote<EmployeeService>::Access();
  auto const no_callback = basictypes::ReportFileStructCallback::_nil();
  ProbeWireTexts("setJournalize", employee::EmployeeExtendedStruct{},
                 [&](employee::EmployeeExtendedStruct const& s) {
                   servant->setJournalize(RawToken(), One<employee::EmployeeExtendedSeq>(s),
                                          no_callback);
                 });
  ProbeWireTexts("getEmployees", employee::EmployeeFilterStruct{},
                 [&](employee::EmployeeFilterStruct const& f) {
                   employee::EmployeeExtendedSeq_var r = servant->getEmployees(
                       RawToken(), One<employee::EmployeeFilterSeq>(f), sort_);
                 });
  ProbeWireTexts("restoreInValuation", employee::EmployeeRootStruct{},
                 [&](employee::EmployeeRootStruct const& s) {
                   servant->restoreInValuation(RawToken(), One<employee::EmployeeRootSeq>(s));
                 });
  ProbeWireTexts("calculate", employee::EmployeeForCalculateStruct{},
                 [&](employee::EmployeeForCalculateStruct const& s) {
                   servant->calculate(RawToken(), One<employee::EmployeeForCalculateSeq>(s));
                 });
  ProbeWireTexts("calculateExtend", employee::EmployeeForCalculateExtendStruct{},
                 [&](employee::EmployeeForCalculateExtendStruct const& s) {
                   servant->calculateExtend(RawToken(),
                                            One<employee::EmployeeForCalculateExtendSeq>(s));
                 });
  ProbeWireTexts("deselectionOfRetroactiveCalculation", employee::EmployeeWaitForCalculateStruct{},
                 [&](employee::EmployeeWaitForCalculateStruct const& s) {
                   servant->deselectionOfRetroactiveCalculation(
                       RawToken(), "C-1", One<employee::EmployeeWaitForCalculateSeq>(s));
                 });
}

TEST_F(EmployeeWireTexts, Master) {
  auto servant = Remote<MasterService>::Access();
  ProbeWireTexts("createMaster", master::EEMasterStruct{}, [&](master::EEMasterStruct const& s) {
    master::EEMasterStruct_var r = servant->createMaster(RawToken(), s);
  });
  ProbeWireTexts("getActiveMaster", master::EEMasterFilterStruct{},
                 [&](master::EEMasterFilterStruct const& f) {
                   master::EEMasterSeq_var r = servant->getActiveMaster(
                       RawToken(), One<master::EEMasterFilterSeq>(f), sort_);
                 });
}

TEST_F(EmployeeWireTexts, Employment) {
  auto servant = Remote<EmploymentService>::Access();
  using Record = employment::EEEmploymentStruct;
  ProbeWireTexts("createEmployment", Record{}, [&](Record const& s) {
    employment::EEEmploymentStruct_var r = servant->createEmployment(RawToken(), s);
  });
  ProbeWireTexts("getActiveEmployment", employment::EEEmploymentFilterStruct{},
                 [&](employment::EEEmploymentFilterStruct const& f) {
                   employment::EEEmploymentSeq_var r = servant->getActiveEmployment(
                       RawToken(), One<employment::EEEmploymentFilterSeq>(f), sort_);
                 });
  // The Dbt attributes travel in a union: the walk enters the selected case,
  // and the refusal names the text's whole path.
  Record s{};
  employment::DbtStruct d{};
  d.dateOfApplication = "2026-02-30";
  s.employment.dbt.dbt(d);
  try {
    employment::EEEmploymentStruct_var r = servant->setEmployment(RawToken(), s, 0, true);
    ADD_FAILURE() << "accepted";
  } catch (ax::DomainException const& e) {
    std::string const message =
        base::StringConverter::Convert(base::StringConverter::JoinSurrogates(e.message.in()));
    EXPECT_NE(message.find("setEmployment: employment.dbt.dbt.dateOfApplication '2026-02-30'"),
              std::string::npos)
        << message;
  }
}

TEST_F(EmployeeWireTexts, EntryAndEntryReasons) {
  auto entries = Remote<EntryService>::Access();
  ProbeWireTexts("createEmployee", entry::EntryStruct{}, [&](entry::EntryStruct const& s) {
    master::EEMasterStruct_var r = entries->createEmployee(RawToken(), s, false, "");
  });
  auto reasons = Remote<EntryReasonService>::Access();
  ProbeWireTexts("createEntryReason", entryreason::EntryReasonStruct{},
                 [&](entryreason::EntryReasonStruct const& s) {
                   entryreason::EntryReasonStruct_var r = reasons->createEntryReason(RawToken(), s);
                 });
}

// A date that travels as a plain argument is refused by name.
TEST_F(EmployeeWireTexts, DateArguments) {
  char const* const bad = "31.12.2099";
  auto refused = [&](char const* operation, char const* argument, std::function<void()> call) {
    SCOPED_TRACE(operation);
    try {
      call();
      ADD_FAILURE() << "accepted";
    } catch (ax::DomainException const& e) {
      std::string const message =
          base::StringConverter::Convert(base::StringConverter::JoinSurrogates(e.message.in()));
      EXPECT_NE(message.find(operation), std::string::npos) << message;
      EXPECT_NE(message.find(std::string(argument) + " '" + bad + "'"), std::string::npos)
          << message;
    }
  };
  auto ee = Remote<EmployeeService>::Access();
  refused("getGrossInformation", "dateEffectiveFrom", [&] {
    com::ostrel::personnel::domain::employee::valueposition::ValuePositionSeq_var r =
        ee->getGrossInformation(RawToken(), "EMP-1", bad, "2024-01-31");
  });
  refused("getGrossInformation", "dateValidFrom", [&] {
    com::ostrel::personnel::domain::employee::valueposition::ValuePositionSeq_var r =
        ee->getGrossInformation(RawToken(), "EMP-1", "2024-01-31", bad);
  });
  auto ms = Remote<MasterService>::Access();
  refused("getObjectFromObjectId", "effectiveTimePoint", [&] {
    master::EEMasterStruct_var r = ms->getObjectFromObjectId(RawToken(), "EMP-1", bad, "");
  });
  refused("getObjectFromObjectId", "validTimePoint", [&] {
    master::EEMasterStruct_var r = ms->getObjectFromObjectId(RawToken(), "EMP-1", "", bad);
  });
  refused("getEffectiveMasterHistory", "EffectiveTimePoint", [&] {
    master::EEMasterSeq_var r = ms->getEffectiveMasterHistory(RawToken(), "EMP-1", bad);
  });
  auto em = Remote<EmploymentService>::Access();
  refused("getEffectiveEmploymentHistory", "EffectiveTimePoint", [&] {
    employment::EEEmploymentSeq_var r = em->getEffectiveEmploymentHistory(RawToken(), "EMP-1", bad);
  });
  auto en = Remote<EntryService>::Access();
  refused("getMigrationEmployees", "dateOfBirth", [&] {
    entry::MigrationEmployeeSeq_var r =
        en->getMigrationEmployees(RawToken(), "ALT-A", "", L"", L"", bad);
  });
  refused("createEmployee", "journalizedUntil", [&] {
    master::EEMasterStruct_var r = en->createEmployee(RawToken(), entry::EntryStruct{}, true, bad);
  });
  auto er = Remote<EntryReasonService>::Access();
  refused("getEffectiveEntryReasonHistory", "destinationTimePoint", [&] {
    entryreason::EntryReasonSeq_var r = er->getEffectiveEntryReasonHistory(RawToken(), "ER-1", bad);
  });
}

}  // namespace

// This binary runs no kind through the standard suite.
namespace testing {
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StandardRecord);
}  // namespace testing
}  // namespace ostrel
