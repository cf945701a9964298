// Where the server calls back: over the client's own connection by default,
// or to the configured listening address, whose host the callback
// references carry as the server receives them.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ostrel.h"
#include "reference_server.h"
#include "testrecord.h"
#include "tls_support.h"

namespace ostrel {
namespace {

using testing::Env;
using testing::RestartRuntime;

// A callback object of the runtime's callback POA, for asking the server how
// a reference to it arrives.
struct Probe : public virtual POA_com::ostrel::serverbase::query::AllCallback {
  void finished() override {}
  void setException(com::ostrel::serverbase::query::DatabaseExceptionStruct const&) override {}
  void setDomainException(
      com::ostrel::serverbase::applicationexception::DomainExceptionStruct const&) override {}
};

class CallbackEndpoint : public ::testing::Test {
 protected:
  void TearDown() override { testing::RestoreSharedRuntime(); }

  // Starts `server`, points a runtime configured by `env` at it, logs in.
  static void Connect(testing::ReferenceServer& server, std::vector<std::string> const& args,
                      Env const& env) {
    server.Start(0, args);
    RestartRuntime(env);
    base::Ostrel::Instance()->SetEndpoint("127.0.0.1", server.Port());
    base::Ostrel::Instance()->Login(L"test", L"test");
    testing::ResetServer();
    for (int i = 0; i < 7; ++i) {
      TestRecord r;
      TestRecordRoot root = r.GetRoot();
      root.SetOidEmployee("EMP-2");
      root.SetOidPCompany("C-9");
      root.SetPersonnelNumber(300 + i);
      root.SetKey("CB-" + std::to_string(i));
      r.SetRoot(root);
      r.Commit();
    }
    com::ostrel::reference::ControlServant_var(testing::Control())->setBatchSize(3);
  }

  // What the server makes of a callback reference this runtime hands out.
  static std::string AddressSeenByServer() {
    PortableServer::POA_var poa = base::Ostrel::Instance()->CallbackPoa();
    auto* probe = new Probe;
    PortableServer::ObjectId_var id = poa->activate_object(probe);
    probe->_remove_ref();
    CORBA::Object_var ref = poa->id_to_reference(id);
    CORBA::String_var address =
        com::ostrel::reference::ControlServant_var(testing::Control())->referenceAddress(ref);
    poa->deactivate_object(id);
    return address.in();
  }

  // Number of records a streamed query delivered, or -1 when it did not end.
  static long Stream(int wait_ms = 6000) {
    std::vector<TestRecordFilter*> none;
    std::unique_ptr<TestRecord::Callback> cb(
        TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), 0));
    if (!cb->WaitForEnd(std::chrono::milliseconds(wait_ms)) || !cb->IsFinished()) return -1;
    return static_cast<long>(cb->GetReceived());
  }
};

TEST_F(CallbackEndpoint, ConfiguredAddressIsWhatTheServerReceivesAndCalls) {
  testing::ReferenceServer server;
  Connect(server, {}, {{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2"}});
  std::string const address = AddressSeenByServer();
  EXPECT_EQ(address.rfind("127.0.0.2:", 0), 0u) << address;
  EXPECT_EQ(address.find(" tls"), std::string::npos) << address;
  EXPECT_EQ(Stream(), 7);
}

TEST_F(CallbackEndpoint, ConfiguredPortIsUsed) {
  int const port = testing::FreePort();
  testing::ReferenceServer server;
  Connect(server, {}, {{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2:" + std::to_string(port)}});
  EXPECT_EQ(AddressSeenByServer(), "127.0.0.2:" + std::to_string(port));
  EXPECT_EQ(Stream(), 7);
}

// A server that never connects to clients still streams to a client that
// keeps the default, and to no other.
TEST_F(CallbackEndpoint, DefaultCallsBackOverTheClientsOwnConnection) {
  testing::ReferenceServer server;
  Connect(server, {"--bidir-only"}, {});
  EXPECT_EQ(Stream(), 7);

  testing::ReferenceServer other;
  Connect(other, {"--bidir-only"}, {{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.1"}});
  EXPECT_EQ(Stream(), -1);
}

// Pauses between batches longer than the client keeps an idle connection.
TEST_F(CallbackEndpoint, SlowStreamOverTheClientsOwnConnectionCompletes) {
  testing::ReferenceServer server;
  Connect(server, {"--bidir-only"}, {});
  com::ostrel::reference::ControlServant_var(testing::Control())->setBatchDelay(2500);
  EXPECT_EQ(Stream(8000), 7);
}

TEST_F(CallbackEndpoint, TlsCallbacksToAListeningEndpointAreTls) {
  testing::ReferenceServer server;
  Env env = testing::TlsClient();
  env.emplace_back("OSTREL_CALLBACK_ENDPOINT", "127.0.0.2");
  Connect(server, testing::TlsServerArgs(), env);
  std::string const address = AddressSeenByServer();
  EXPECT_EQ(address.rfind("127.0.0.2:", 0), 0u) << address;
  EXPECT_NE(address.find(" tls"), std::string::npos) << address;
  EXPECT_EQ(Stream(), 7);
}

TEST_F(CallbackEndpoint, MalformedSettingsStopTheStartNamingThem) {
  struct Case {
    Env env;
    char const* named;
  };
  std::vector<Case> const cases = {
      {{{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2:port"}}, "OSTREL_CALLBACK_ENDPOINT"},
      {{{"OSTREL_CALLBACK_ENDPOINT", ":7100"}}, "OSTREL_CALLBACK_ENDPOINT"},
      {{{"OSTREL_TRANSPORT", "ssl"}}, "OSTREL_TRANSPORT"},
      {{{"OSTREL_TRANSPORT", "tls"}}, "OSTREL_TLS_CA_FILE"},
      {{{"OSTREL_TRANSPORT", "tls"}, {"OSTREL_TLS_CA_FILE", "/nonexistent/ca.pem"}},
       "/nonexistent/ca.pem"},
      {{{"OSTREL_TRANSPORT", "tls"},
        {"OSTREL_TLS_CA_FILE", testing::Cert("ca.pem")},
        {"OSTREL_TLS_CERT_FILE", testing::Cert("client.pem")},
        {"OSTREL_TLS_KEY_PASSWORD", "not-the-password"}},
       "wrong password?"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.named);
    RestartRuntime(c.env);
    try {
      base::Ostrel::Instance();
      ADD_FAILURE() << "a malformed setting must stop the start";
    } catch (base::VException const& e) {
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace ostrel
