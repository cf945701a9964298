// Where the server calls back: over the client's own connection by default,
// or to the configured listening address, whose host the callback
// references carry as the server receives them. Only the server can
// deliver: nothing listens by default, keys cannot be guessed, a TLS
// endpoint admits the server alone, and the server calls back only an
// endpoint it can verify.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bitset>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "ostrel.h"
#include "reference_server.h"
#include "string_converter.h"
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
    PortableServer::ObjectId_var id = base::Ostrel::Instance()->ActivateCallback(probe);
    probe->_remove_ref();
    CORBA::Object_var ref = poa->id_to_reference(id);
    CORBA::String_var address =
        com::ostrel::reference::ControlServant_var(testing::Control())->referenceAddress(ref);
    poa->deactivate_object(id);
    return address.in();
  }

  static std::unique_ptr<TestRecord::Callback> StartStream() {
    std::vector<TestRecordFilter*> none;
    return std::unique_ptr<TestRecord::Callback>(
        TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), 0));
  }

  static std::string Ior(TestRecord::Callback& cb) {
    CORBA::Object_var ref = cb._this();
    CORBA::String_var text = base::Ostrel::Instance()->Orb()->object_to_string(ref);
    return text.in();
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
  Connect(server, testing::TlsServerArgs(), testing::ListeningTlsClient());
  std::string const address = AddressSeenByServer();
  EXPECT_EQ(address.rfind("127.0.0.2:", 0), 0u) << address;
  EXPECT_NE(address.find(" tls"), std::string::npos) << address;
  EXPECT_EQ(Stream(), 7);
}

// Sockets of this process in the listening state, IPv4 and IPv6.
std::size_t ListeningSockets() {
  std::set<std::string> inodes;
  for (char const* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
    std::ifstream in(table);
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
      fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >>
          timeout >> inode;
      if (state == "0A") inodes.insert("socket:[" + inode + "]");
    }
  }
  std::size_t mine = 0;
  if (DIR* fds = opendir("/proc/self/fd")) {
    while (dirent* e = readdir(fds)) {
      char target[64] = "";
      std::string const path = std::string("/proc/self/fd/") + e->d_name;
      ssize_t const n = readlink(path.c_str(), target, sizeof target - 1);
      if (n > 0 && inodes.count(std::string(target, static_cast<std::size_t>(n))) > 0) ++mine;
    }
    closedir(fds);
  }
  return mine;
}

TEST_F(CallbackEndpoint, DefaultModeListensNowhere) {
  testing::ReferenceServer server;
  Connect(server, {"--bidir-only"}, {});
  EXPECT_EQ(Stream(), 7);
  EXPECT_EQ(ListeningSockets(), 0u);
  // The control: a listening endpoint is seen as one.
  RestartRuntime({{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2"}});
  base::Ostrel::Instance();
  EXPECT_GE(ListeningSockets(), 1u);
}

// Consecutive keys share no more bits than random ones would: a time or a
// counter in them would.
TEST_F(CallbackEndpoint, CallbackKeysAreRandom) {
  testing::ReferenceServer server;
  Connect(server, {}, {});
  std::vector<std::string> ids;
  for (int i = 0; i < 32; ++i) {
    auto* probe = new Probe;
    PortableServer::ObjectId_var id = base::Ostrel::Instance()->ActivateCallback(probe);
    probe->_remove_ref();
    ASSERT_GE(id->length(), 16u);
    ids.emplace_back(reinterpret_cast<char const*>(id->get_buffer()), id->length());
    PortableServer::POA_var poa = base::Ostrel::Instance()->CallbackPoa();
    poa->deactivate_object(id);
  }
  for (std::size_t i = 1; i < ids.size(); ++i) {
    std::size_t differing = 0;
    for (std::size_t b = 0; b < 16; ++b) {
      differing += std::bitset<8>(static_cast<unsigned char>(ids[i][b] ^ ids[i - 1][b])).count();
    }
    EXPECT_GE(differing, 32u) << "keys " << i - 1 << " and " << i;
  }
}

// Another process on the machine tries to end a running stream early; the
// stream still delivers every record and finishes. Once it ended, a control
// call with the stream's exact reference shows where the intruder was
// stopped: before the object (no connection, or a refused handshake), or
// at it (an unknown key).
TEST_F(CallbackEndpoint, ForeignProcessCannotEndARunningStream) {
  // The intruder dials the callback endpoint at 127.0.0.2 as its "server".
  auto tls_peer = [](char const* cert) {
    return Env{{"OSTREL_TRANSPORT", "tls"},
               {"OSTREL_TLS_CA_FILE", testing::Cert("ca.pem")},
               {"OSTREL_TLS_CERT_FILE", testing::Cert(cert)},
               {"OSTREL_SERVER", "127.0.0.2:1"}};
  };
  struct Case {
    char const* what;
    std::vector<std::string> server;
    Env client;
    Env intruder;
    bool guess;           // a neighbouring key instead of the stream's own
    char const* refused;  // the intruder's exception
    bool control;         // whether the control call can connect
  };
  std::vector<Case> const cases = {
      {"default: nothing to connect to", {}, {}, {}, false, "TRANSIENT", false},
      {"listening, plain: a guessed key",
       {},
       {{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2"}},
       {},
       true,
       "OBJECT_NOT_EXIST",
       true},
      {"listening, TLS: a client certificate of the same authority", testing::TlsServerArgs(),
       testing::ListeningTlsClient(), tls_peer("client-plain-key.pem"), false, nullptr, true},
      {"listening, TLS: a certificate for another host", testing::TlsServerArgs(),
       testing::ListeningTlsClient(), tls_peer("callback.pem"), false, nullptr, true},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    testing::ReferenceServer server;
    Connect(server, c.server, c.client);
    com::ostrel::reference::ControlServant_var(testing::Control())->setBatchDelay(400);
    auto cb = StartStream();
    std::string const exact = Ior(*cb);
    std::string ior = exact;
    if (c.guess) {
      // The key's last hex digit, changed: the next key of a counter.
      PortableServer::POA_var poa = base::Ostrel::Instance()->CallbackPoa();
      CORBA::Object_var ref = cb->_this();
      PortableServer::ObjectId_var id = poa->reference_to_id(ref);
      char hex[3];
      std::string key;
      for (CORBA::ULong i = 0; i < id->length(); ++i) {
        std::snprintf(hex, sizeof hex, "%02x", id[i]);
        key += hex;
      }
      std::size_t const at = ior.find(key);
      ASSERT_NE(at, std::string::npos);
      char& last = ior[at + key.size() - 1];
      last = last == '0' ? '1' : '0';
    }
    testing::PeerRun const run = testing::RunPeer({"call-finished", ior}, c.intruder);
    ASSERT_EQ(run.output.rfind("refused: ", 0), 0u) << run.output;
    if (c.refused != nullptr) {
      EXPECT_EQ(run.output, std::string("refused: ") + c.refused + "\n");
    } else {
      EXPECT_EQ(run.output.find("OBJECT_NOT_EXIST"), std::string::npos) << run.output;
    }
    ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(8000)));
    EXPECT_TRUE(cb->IsFinished());
    EXPECT_EQ(cb->GetReceived(), 7u);

    if (c.control) {
      // The server's own certificate gets through; the ended stream does not.
      Env const control = c.server.empty() ? c.intruder : tls_peer("server.pem");
      EXPECT_EQ(testing::RunPeer({"call-finished", exact}, control).output,
                "refused: OBJECT_NOT_EXIST\n");
    }
  }
}

// After its end a stream's reference reaches nothing, even from a process
// that knows it exactly.
TEST_F(CallbackEndpoint, EndedStreamRefusesLateCalls) {
  testing::ReferenceServer server;
  Env const listening = {{"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2"}};
  Connect(server, {}, listening);
  auto cb = StartStream();
  std::string const ior = Ior(*cb);
  ASSERT_TRUE(cb->WaitForEnd(std::chrono::milliseconds(6000)));
  testing::PeerRun const run = testing::RunPeer({"call-finished", ior}, listening);
  EXPECT_EQ(run.output, "refused: OBJECT_NOT_EXIST\n");
  EXPECT_TRUE(cb->IsFinished());
  EXPECT_EQ(cb->GetReceived(), 7u);
}

// The server delivers only to an endpoint whose certificate it can verify
// and that names the host in the callback reference; otherwise it logs the
// refusal, and the client's stream fails at its wait limit saying that
// nothing arrived, not as an empty result.
TEST_F(CallbackEndpoint, ServerCallsBackOnlyEndpointsItCanVerify) {
  struct Case {
    char const* what;
    std::vector<std::string> server;
    Env client;
    char const* logged;
  };
  std::vector<Case> const cases = {
      {"certificate for another host", testing::TlsServerArgs(),
       testing::ListeningTlsClient("127.0.0.3"), "127.0.0.3"},
      {"no authorities to verify it with", testing::TlsServerArgs("server.pem", false),
       testing::ListeningTlsClient(), "refused: self-signed certificate in certificate chain"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    std::string const log = testing::Certs() + "/server.log";
    std::remove(log.c_str());
    testing::ReferenceServer server;
    server.LogTo(log);
    Connect(server, c.server, c.client);
    auto cb = StartStream();
    // A poll before the call time-out (3 s) passed is no verdict yet.
    EXPECT_FALSE(cb->WaitForEnd(std::chrono::milliseconds(0)));
    EXPECT_FALSE(cb->IsFailed());
    EXPECT_FALSE(cb->WaitForEnd(std::chrono::milliseconds(4000)));
    EXPECT_TRUE(cb->IsFailed());
    EXPECT_FALSE(cb->IsFinished());
    EXPECT_EQ(cb->GetReceived(), 0u);
    ASSERT_NE(cb->GetException(), nullptr);
    std::string const why = base::StringConverter::Convert(cb->GetException()->GetMessage());
    EXPECT_NE(why.find("no delivery arrived from the application server 127.0.0.1:" +
                       std::to_string(server.Port())),
              std::string::npos)
        << why;
    server.Stop();
    std::string const text = testing::ReadFile(log);
    EXPECT_NE(text.find("refused"), std::string::npos) << text;
    EXPECT_NE(text.find(c.logged), std::string::npos) << text;
  }
}

// A copy of a test key file that everyone may read.
std::string ReadableByOthers(char const* name) {
  std::string const copy = testing::Certs() + "/readable-" + name;
  std::ofstream(copy) << testing::ReadFile(testing::Cert(name));
  chmod(copy.c_str(), 0644);
  return copy;
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
      {{{"OSTREL_TRANSPORT", "tls"},
        {"OSTREL_TLS_CA_FILE", testing::Cert("ca.pem")},
        {"OSTREL_TLS_CERT_FILE", testing::Cert("client-wrong-key.pem")}},
       "does not belong to the certificate"},
      {{{"OSTREL_TRANSPORT", "tls"},
        {"OSTREL_TLS_CA_FILE", testing::Cert("ca.pem")},
        {"OSTREL_TLS_CERT_FILE", ReadableByOthers("callback.pem")}},
       "chmod 600"},
      {{{"OSTREL_TRANSPORT", "tls"},
        {"OSTREL_TLS_CA_FILE", testing::Cert("ca.pem")},
        {"OSTREL_CALLBACK_ENDPOINT", "127.0.0.2"}},
       "OSTREL_TLS_CERT_FILE"},
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
