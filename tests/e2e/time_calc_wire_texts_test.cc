// The servants of absent times, value positions and the test record check
// every date and amount they receive before anything else: each received
// struct goes through the raw stub once per operation that takes it, with
// one declared text malformed at a time, and each date argument once.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <string>

#include "absenttime_kind.h"
#include "record_suite.h"
#include "remote.h"
#include "string_converter.h"
#include "testrecord_kind.h"
#include "valueposition_kind.h"
#include "wire_text_probe.h"

namespace ostrel {
namespace {

using testing::One;
using testing::ProbeWireTexts;
using testing::RawToken;
namespace basictypes = com::ostrel::framework::basictypes;
namespace ax = com::ostrel::serverbase::applicationexception;

class TimeCalcWireTexts : public testing::RecordTest {
 protected:
  static void TearDownTestSuite() {
    std::cout << "wire-text probes sent: " << testing::ProbeCount() << "\n";
  }
  com::ostrel::serverbase::query::SortierungStruct const sort_{};
};

TEST_F(TimeCalcWireTexts, AbsentTime) {
  auto servant = Remote<EEAbsentTimeService>::Access();
  using Record = absenttime::EEAbsentTimeStruct;
  using Filter = absenttime::EEAbsentTimeFilterStruct;
  ProbeWireTexts("createEEAbsentTime", Record{}, [&](Record const& s) {
    absenttime::EEAbsentTimeStruct_var r = servant->createEEAbsentTime(RawToken(), s);
  });
  ProbeWireTexts("setEEAbsentTime", Record{}, [&](Record const& s) {
    absenttime::EEAbsentTimeStruct_var r = servant->setEEAbsentTime(RawToken(), s, false);
  });
  ProbeWireTexts("checkPreValues", Record{}, [&](Record const& s) {
    absenttime::EEAbsentTimeStruct_var r = servant->checkPreValues(RawToken(), s, "");
  });
  ProbeWireTexts("createEEAbsentTimeSeq", Record{}, [&](Record const& s) {
    absenttime::EEAbsentTimeSeq_var r =
        servant->createEEAbsentTimeSeq(RawToken(), One<absenttime::EEAbsentTimeSeq>(s), "");
  });
  ProbeWireTexts("getActiveEEAbsentTimes", Filter{}, [&](Filter const& f) {
    absenttime::EEAbsentTimeSeq_var r = servant->getActiveEEAbsentTimes(
        RawToken(), One<absenttime::EEAbsentTimeFilterSeq>(f), sort_);
  });
  // Refused before the stream starts, so no callback is needed.
  ProbeWireTexts("getActiveEEAbsentTimesCB", Filter{}, [&](Filter const& f) {
    servant->getActiveEEAbsentTimesCB(RawToken(), One<absenttime::EEAbsentTimeFilterSeq>(f), sort_,
                                      absenttime::EEAbsentTimeStructCallback::_nil());
  });
}

TEST_F(TimeCalcWireTexts, ValuePosition) {
  auto servant = Remote<ValuePositionService>::Access();
  using Position = valueposition::ValuePositionStruct;
  ProbeWireTexts("getCausersOfValuePosition", Position{}, [&](Position const& p) {
    valueposition::ValuePositionSeq_var r =
        servant->getCausersOfValuePosition(RawToken(), p, "", "");
  });
  ProbeWireTexts("getCausersOfValuePositionER", Position{}, [&](Position const& p) {
    valueposition::ValuePositionSeq_var r =
        servant->getCausersOfValuePositionER(RawToken(), p, "", "");
  });
  ProbeWireTexts("getConsequencesOfValuePosition", Position{}, [&](Position const& p) {
    valueposition::ValuePositionSeq_var r = servant->getConsequencesOfValuePosition(RawToken(), p);
  });
}

TEST_F(TimeCalcWireTexts, TestRecord) {
  auto servant = Remote<TestRecordService>::Access();
  using Record = testrecord::TestRecordStruct;
  using Filter = testrecord::TestRecordFilterStruct;
  using Period = testrecord::TestRecordTPStruct;
  using FilterSeq = testrecord::TestRecordFilterSeq;
  ProbeWireTexts("createTestRecord", Record{}, [&](Record const& s) {
    testrecord::TestRecordStruct_var r = servant->createTestRecord(RawToken(), s);
  });
  ProbeWireTexts("addTestRecord", Record{}, [&](Record const& s) {
    testrecord::TestRecordStruct_var r = servant->addTestRecord(RawToken(), s, true);
  });
  ProbeWireTexts("setTestRecord", Record{}, [&](Record const& s) {
    testrecord::TestRecordStruct_var r = servant->setTestRecord(RawToken(), s, false);
  });
  ProbeWireTexts("deleteTestRecordStruct", Record{},
                 [&](Record const& s) { servant->deleteTestRecordStruct(RawToken(), s); });
  ProbeWireTexts("setTestRecordList", Record{}, [&](Record const& s) {
    testrecord::TestRecordSeq_var r =
        servant->setTestRecordList(RawToken(), FilterSeq(), sort_, s, true);
  });
  ProbeWireTexts("setTestRecordList", Filter{}, [&](Filter const& f) {
    testrecord::TestRecordSeq_var r =
        servant->setTestRecordList(RawToken(), One<FilterSeq>(f), sort_, Record{}, true);
  });
  ProbeWireTexts("deleteTestRecordList", Filter{}, [&](Filter const& f) {
    testrecord::TestRecordSeq_var r =
        servant->deleteTestRecordList(RawToken(), One<FilterSeq>(f), sort_, "", "TR-0", 0);
  });
  ProbeWireTexts("setTestRecordPeriod", Period{}, [&](Period const& p) {
    testrecord::TestRecordStruct_var r = servant->setTestRecordPeriod(RawToken(), p, true, "");
  });
  ProbeWireTexts("getActiveTestRecords", Filter{}, [&](Filter const& f) {
    testrecord::TestRecordSeq_var r =
        servant->getActiveTestRecords(RawToken(), One<FilterSeq>(f), sort_);
  });
  ProbeWireTexts("getActiveTestRecordsCB", Filter{}, [&](Filter const& f) {
    servant->getActiveTestRecordsCB(RawToken(), One<FilterSeq>(f), sort_,
                                    testrecord::TestRecordStructCallback::_nil());
  });
}

TEST_F(TimeCalcWireTexts, DateArguments) {
  char const* const bad = "31.12.2099";
  auto refused = [&](char const* operation, char const* argument, std::function<void()> call) {
    SCOPED_TRACE(std::string(operation) + " " + argument);
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
  auto at = Remote<EEAbsentTimeService>::Access();
  refused("getObjectFromObjectId", "effectiveTimePoint", [&] {
    absenttime::EEAbsentTimeStruct_var r = at->getObjectFromObjectId(RawToken(), "AT-1", bad);
  });
  refused("getEffectiveEEAbsentTimeHistory", "destinationTimePoint", [&] {
    absenttime::EEAbsentTimeSeq_var r =
        at->getEffectiveEEAbsentTimeHistory(RawToken(), "AT-1", bad);
  });
  refused("getPredecessorEEAbsentTimes", "maxValidUntil", [&] {
    absenttime::EEAbsentTimeSeq_var r =
        at->getPredecessorEEAbsentTimes(RawToken(), bad, "EMP-1", "");
  });
  refused("getAbsentTimesForEmployeeCopy", "validFrom", [&] {
    absenttime::EEAbsentTimeSeq_var r = at->getAbsentTimesForEmployeeCopy(RawToken(), "EMP-1", bad);
  });
  refused("isEFKorEFUorEFSallowed", "validFrom",
          [&] { at->isEFKorEFUorEFSallowed(RawToken(), "EMP-1", "EFK", bad); });

  auto vp = Remote<ValuePositionService>::Access();
  using Stub = Remote<ValuePositionService>::Stub;
  using Query = valueposition::ValuePositionSeq* (Stub::*)(AccessToken_ptr, char const*,
                                                           char const*, char const*);
  std::pair<char const*, Query> const by_employee[] = {
      {"getSummarisedValuePositions", &Stub::getSummarisedValuePositions},
      {"getValuePositionsEE", &Stub::getValuePositionsEE},
      {"getValuePositionsER", &Stub::getValuePositionsER},
      {"getUserValuePositions", &Stub::getUserValuePositions}};
  for (auto [name, op] : by_employee) {
    refused(name, "dateFrom", [&] {
      valueposition::ValuePositionSeq_var r = (vp.in()->*op)(RawToken(), "EMP-1", bad, "");
    });
    refused(name, "dateUntil", [&] {
      valueposition::ValuePositionSeq_var r = (vp.in()->*op)(RawToken(), "EMP-1", "", bad);
    });
  }
  refused("getCausersOfValuePosition", "dateUntil", [&] {
    valueposition::ValuePositionSeq_var r =
        vp->getCausersOfValuePosition(RawToken(), valueposition::ValuePositionStruct{}, "", bad);
  });
  refused("getCausersOfValuePositionER", "dateFrom", [&] {
    valueposition::ValuePositionSeq_var r =
        vp->getCausersOfValuePositionER(RawToken(), valueposition::ValuePositionStruct{}, bad, "");
  });

  auto tr = Remote<TestRecordService>::Access();
  refused("getObjectFromObjectId", "effectiveTimePoint", [&] {
    testrecord::TestRecordStruct_var r = tr->getObjectFromObjectId(RawToken(), "TR-1", bad);
  });
  refused("getObjectFromObjectIdAt", "validTimePoint", [&] {
    testrecord::TestRecordStruct_var r =
        tr->getObjectFromObjectIdAt(RawToken(), "TR-1", "2024-01-01", bad);
  });
  refused("getEffectiveTestRecordHistory", "destinationTimePoint", [&] {
    testrecord::TestRecordSeq_var r = tr->getEffectiveTestRecordHistory(RawToken(), "TR-1", bad);
  });
  refused("getTestRecordsForEmployeeCopy", "validFrom", [&] {
    testrecord::TestRecordSeq_var r = tr->getTestRecordsForEmployeeCopy(RawToken(), "EMP-1", bad);
  });
}

}  // namespace

namespace testing {
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StandardRecord);
}  // namespace testing

}  // namespace ostrel
