// Test binaries that include this file share one reference server: started
// before the first test, the runtime pointed at it and logged in as "test".
#include <gtest/gtest.h>

#include "ostrel.h"
#include "reference_server.h"

namespace ostrel {
namespace testing {
namespace {

class SharedServerEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    SharedServer().Start();
    base::Ostrel::Instance()->SetEndpoint("127.0.0.1", SharedServer().Port());
    base::Ostrel::Instance()->Login(L"test", L"test");
  }
  void TearDown() override {
    try {
      base::Ostrel::Instance()->Logout();
    } catch (base::VException&) {
      // The server may be gone after a fault test.
    }
    SharedServer().Stop();
  }
};

::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new SharedServerEnvironment);

}  // namespace

}  // namespace testing
}  // namespace ostrel
