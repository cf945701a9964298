// Failures reach the caller as VException with the server's message intact:
// each declared exception, a refused login, a call without login, a dead
// server, a server that does not answer in time.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using testing::InjectFault;

class Runtime : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }

  // A list query, the simplest remote operation.
  static void List() {
    std::vector<TestRecordFilter*> none;
    DeleteAll(TestRecord::GetActiveTestRecords(&none, base::Sortierung()));
  }

  static base::VException ListFailure() {
    try {
      List();
    } catch (base::VException const& e) {
      return e;
    }
    ADD_FAILURE() << "the call did not fail";
    return base::VException(L"", L"", L"", 0, false);
  }
};

TEST_F(Runtime, EachDeclaredExceptionKeepsItsMessage) {
  struct Case {
    ref::FaultKindEnum kind;
    int code;
    std::wstring source;
  } const cases[] = {
      {ref::RAISE_ACCESS_DENIED, base::VException::kAccessDenied, L"AccessDeniedException"},
      {ref::RAISE_APPLICATION_LAYER, base::VException::kApplicationLayer,
       L"ApplicationLayerException"},
      {ref::RAISE_PERSISTENCY, base::VException::kPersistency, L"PersistencyException"},
      {ref::RAISE_DOMAIN, base::VException::kDomain, L"DomainException"},
  };
  for (auto const& c : cases) {
    std::wstring const message = L"refused: " + c.source + L" \U0001D518";
    InjectFault("getActiveTestRecords", c.kind, message);
    base::VException e = ListFailure();
    EXPECT_EQ(e.GetMessage(), message);
    EXPECT_EQ(e.GetCode(), c.code);
    EXPECT_EQ(e.GetSource(), c.source);
    EXPECT_TRUE(e.IsRemote());
  }
  List();  // faults apply once
}

TEST_F(Runtime, SystemExceptionsCarryNameMinorAndCompletion) {
  InjectFault("getActiveTestRecords", ref::RAISE_SYSTEM, L"", 0, 1, 0x41);
  base::VException e = ListFailure();
  EXPECT_EQ(e.GetCode(), base::VException::kSystem);
  EXPECT_EQ(e.GetSource(), L"TRANSIENT");
  EXPECT_EQ(e.GetMinor(), 0x41u);
  EXPECT_EQ(e.GetCompletion(), base::VException::kCompletedNo);
  EXPECT_NE(e.GetMessage().find(L"TRANSIENT"), std::wstring::npos);
}

TEST_F(Runtime, ACallWithoutLoginIsRefused) {
  base::Ostrel::Instance()->Logout();
  EXPECT_FALSE(base::Ostrel::Instance()->IsLoggedIn());
  base::VException e = ListFailure();
  EXPECT_EQ(e.GetCode(), base::VException::kAccessDenied);
  base::Ostrel::Instance()->Login(L"test", L"test");
  List();
}

TEST_F(Runtime, AWrongPasswordIsRefused) {
  try {
    base::Ostrel::Instance()->Login(L"test", L"wrong");
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"login refused for user 'test'");
  }
  base::Ostrel::Instance()->Login(L"test", L"test");
}

TEST_F(Runtime, AHungServerGivesATimeOut) {
  // The tests run with a call time-out of 3 s.
  InjectFault("getActiveTestRecords", ref::DELAY, L"", 5000);
  auto start = std::chrono::steady_clock::now();
  base::VException e = ListFailure();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_EQ(e.GetSource(), L"TIMEOUT");
  EXPECT_EQ(e.GetCode(), base::VException::kSystem);
}

TEST_F(Runtime, ADeadServerFailsCleanlyAndARestartedOneServesAgain) {
  TestRecord r;
  r.Commit();
  int const port = testing::SharedServer().Port();
  testing::SharedServer().Kill();

  base::VException e = ListFailure();
  EXPECT_EQ(e.GetCode(), base::VException::kSystem);
  EXPECT_TRUE(e.GetSource() == L"TRANSIENT" || e.GetSource() == L"COMM_FAILURE")
      << std::string(e.what());
  TestRecord changed = r;
  EXPECT_THROW(changed.Commit(), base::VException);

  testing::SharedServer().Start(port);
  // The new server knows no token of ours.
  EXPECT_EQ(ListFailure().GetCode(), base::VException::kAccessDenied);
  base::Ostrel::Instance()->Login(L"test", L"test");
  List();
}

TEST_F(Runtime, ServerExitInTheMiddleOfACall) {
  int const port = testing::SharedServer().Port();
  InjectFault("getActiveTestRecords", ref::EXIT_PROCESS);
  base::VException e = ListFailure();
  EXPECT_EQ(e.GetCode(), base::VException::kSystem);
  testing::SharedServer().WaitForExit();
  testing::SharedServer().Start(port);
  base::Ostrel::Instance()->Login(L"test", L"test");
  List();
}

TEST_F(Runtime, ServerExitInTheMiddleOfAStream) {
  for (int i = 0; i < 50; ++i) TestRecord().Commit();
  testing::Control()->setBatchSize(10);
  testing::Control()->setBatchDelay(10);
  int const port = testing::SharedServer().Port();
  InjectFault("getActiveTestRecordsCB", ref::STREAM_EXIT_HALFWAY);
  std::vector<TestRecordFilter*> none;
  std::unique_ptr<TestRecord::Callback> cb(
      TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), 0));
  testing::SharedServer().WaitForExit();
  // The stream never ends: the callback reports that instead of hanging.
  EXPECT_FALSE(cb->WaitForEnd(std::chrono::milliseconds(300)));
  EXPECT_FALSE(cb->IsFinished());
  EXPECT_GT(cb->GetReceived(), 0u);
  EXPECT_LT(cb->GetReceived(), 50u);
  auto partial = cb->TakeAll();
  for (auto* r : partial) delete r;

  testing::SharedServer().Start(port);
  // The first call after a restart may still meet the old connection.
  EXPECT_THROW(List(), base::VException);
  base::Ostrel::Instance()->Login(L"test", L"test");
  List();
}

}  // namespace
}  // namespace ostrel
