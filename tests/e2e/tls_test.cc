// TLS end to end: a session with a streamed query, every refusal as a clear
// exception within the call time-out, what a relay sees on the wire (also
// when the connection is refused), settings that must not downgrade, and
// passwords and keys in files others can read.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "orb_binding.h"
#include "ostrel.h"
#include "reference_server.h"
#include "relay.h"
#include "testrecord.h"
#include "tls_support.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using testing::Cert;
using testing::RestartRuntime;
using testing::TlsClient;
using testing::TlsServerArgs;

constexpr long kCallTimeoutMs = 3000;  // OSTREL_CALL_TIMEOUT_MS of the e2e tests

class Tls : public ::testing::Test {
 protected:
  // A TLS client whose certificate comes from an authority the servers do
  // not trust.
  static testing::Env ForeignClient() {
    return {{"OSTREL_TRANSPORT", "tls"},
            {"OSTREL_TLS_CA_FILE", Cert("ca.pem")},
            {"OSTREL_TLS_CERT_FILE", Cert("client-other-ca.pem")}};
  }

  void TearDown() override { testing::RestoreSharedRuntime(); }

  static TestRecord NewRecord(std::string const& key, std::wstring const& surname, long pnr) {
    TestRecord r;
    TestRecordRoot root = r.GetRoot();
    root.SetOidEmployee("EMP-7");
    root.SetOidPCompany("C-3");
    root.SetPersonnelNumber(pnr);
    root.SetSurname(surname);
    root.SetKey(key);
    r.SetRoot(root);
    TestRecordTP tp = r.GetHistory();
    tp.SetAmount(base::VFixed("12.50"));
    tp.SetCount(4);
    r.SetHistory(tp);
    r.SetEffectiveFrom(base::VDate(1, 1, 2026));
    r.SetValidFrom(base::VDate(1, 1, 2026));
    return r;
  }

  static std::vector<std::unique_ptr<TestRecord>> ListAll() {
    std::vector<TestRecordFilter*> none;
    std::unique_ptr<std::vector<TestRecord*>> list(
        TestRecord::GetActiveTestRecords(&none, base::Sortierung()));
    return std::vector<std::unique_ptr<TestRecord>>(list->begin(), list->end());
  }

  struct Outcome {
    bool refused = false;
    std::string message;
    long ms = 0;
  };

  // Logs in at host:port with the current runtime.
  static Outcome TryLogin(std::string const& host, int port) {
    base::Ostrel::Instance()->SetEndpoint(host, port);
    Outcome o;
    auto const start = std::chrono::steady_clock::now();
    try {
      base::Ostrel::Instance()->Login(L"test", L"test");
    } catch (base::VException const& e) {
      o.refused = true;
      o.message = e.what();
    }
    o.ms = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start)
                                 .count());
    return o;
  }
};

TEST_F(Tls, SessionWithListCommitFailureAndStream) {
  testing::ReferenceServer server;
  server.Start(0, TlsServerArgs());
  RestartRuntime(TlsClient());
  Outcome const login = TryLogin("127.0.0.1", server.Port());
  ASSERT_FALSE(login.refused) << login.message;
  testing::ResetServer();

  for (long i = 0; i < 5; ++i) {
    TestRecord r = NewRecord("TLS-" + std::to_string(i), L"Größe \U0001F512", 40 + i);
    r.Commit();
  }
  auto list = ListAll();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[3]->GetRoot().GetKey(), "TLS-3");
  EXPECT_EQ(list[3]->GetRoot().GetSurname(), L"Größe \U0001F512");

  TestRecord& record = *list[1];
  TestRecordTP tp = record.GetHistory();
  tp.SetAmount(base::VFixed("99.75"));
  record.SetHistory(tp);
  testing::InjectFault("setTestRecord", ref::RAISE_PERSISTENCY, L"row locked \U0001F510");
  try {
    record.Commit();
    FAIL() << "the commit must fail";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"row locked \U0001F510");
    EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
  }
  EXPECT_EQ(record.GetHistory().GetAmount().ToIdl(), "12.50");

  com::ostrel::reference::ControlServant_var(testing::Control())->setBatchSize(2);
  std::vector<TestRecordFilter*> none;
  std::unique_ptr<TestRecord::Callback> stream(
      TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), 0));
  ASSERT_TRUE(stream->WaitForEnd(std::chrono::milliseconds(10000)));
  EXPECT_TRUE(stream->IsFinished());
  EXPECT_EQ(stream->GetReceived(), 5u);
  auto streamed = stream->TakeAll();
  ASSERT_EQ(streamed.size(), 5u);
  EXPECT_EQ(streamed.back()->GetRoot().GetKey(), "TLS-4");
  for (auto* r : streamed) delete r;
}

// Each refusal names the server and why, well within the call time-out, and
// nothing falls back to plain IIOP.
TEST_F(Tls, RefusalsNameTheServerAndTheReason) {
  testing::ReferenceServer good, expired, wrong_name, client_cert, cn_only, ip_only;
  good.Start(0, TlsServerArgs());
  expired.Start(0, TlsServerArgs("server-expired.pem", false));
  std::vector<std::string> args = TlsServerArgs("server-localhost.pem", false);
  args.insert(args.end(), {"--host", "127.0.0.2"});
  wrong_name.Start(0, args);
  client_cert.Start(0, TlsServerArgs("client-plain-key.pem", false));
  cn_only.Start(0, TlsServerArgs("server-cn-only.pem", false));
  ip_only.Start(0, TlsServerArgs("server-ip-only.pem", false));

  struct Case {
    char const* what;
    testing::Env client;
    std::string host;
    int port;
    char const* reason;
  };
  std::vector<Case> const cases = {
      {"other authority", TlsClient("other-ca.pem"), "127.0.0.1", good.Port(), "unknown authority"},
      {"certificate for another name", TlsClient(), "127.0.0.2", wrong_name.Port(),
       "name mismatch (the certificate is for localhost, not 127.0.0.2)"},
      {"expired certificate", TlsClient(), "127.0.0.1", expired.Port(), "expired certificate"},
      {"server showing a certificate for client use", TlsClient(), "127.0.0.1", client_cert.Port(),
       "certificate rejected (unsuitable certificate purpose)"},
      {"name in the subject only", TlsClient(), "localhost", cn_only.Port(),
       "name mismatch (the certificate is for no host name, not localhost)"},
      {"address where the endpoint names a host", TlsClient(), "localhost", ip_only.Port(),
       "name mismatch (the certificate is for 127.0.0.1, not localhost)"},
      {"client certificate of another authority", ForeignClient(), "127.0.0.1", good.Port(),
       "the server refused the connection (unknown CA)"},
      {"no client certificate", TlsClient("ca.pem", false), "127.0.0.1", good.Port(),
       "requires a client certificate"},
      {"plain client, TLS server", {}, "127.0.0.1", good.Port(), "OSTREL_TRANSPORT=tls"},
      {"TLS client, plain server", TlsClient(), "127.0.0.1", testing::SharedServer().Port(),
       "does it serve plain IIOP?"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    RestartRuntime(c.client);
    Outcome const o = TryLogin(c.host, c.port);
    ASSERT_TRUE(o.refused);
    EXPECT_NE(o.message.find(c.host + ":" + std::to_string(c.port)), std::string::npos)
        << o.message;
    EXPECT_NE(o.message.find(c.reason), std::string::npos) << o.message;
    EXPECT_LT(o.ms, kCallTimeoutMs);
  }

  // The control case: the same client and server do talk.
  RestartRuntime(TlsClient());
  Outcome const ok = TryLogin("127.0.0.1", good.Port());
  EXPECT_FALSE(ok.refused) << ok.message;
}

// UTF-16 code units as the ORB writes them (either byte order).
bool HasWide(testing::Relay const& relay, std::string const& ascii) {
  std::string le, be;
  for (char c : ascii) {
    le += c;
    le += '\0';
    be += '\0';
    be += c;
  }
  return relay.Contains(le) || relay.Contains(be);
}

TEST_F(Tls, RelaySeesPasswordsAndRecordsOnlyInPlainMode) {
  for (bool tls : {false, true}) {
    SCOPED_TRACE(tls ? "TLS" : "plain");
    int const port = testing::FreePort();
    testing::Relay relay("127.0.0.1", port);
    std::vector<std::string> args = {"--publish", "127.0.0.1:" + std::to_string(relay.Port())};
    if (tls) {
      std::vector<std::string> more = TlsServerArgs();
      args.insert(args.end(), more.begin(), more.end());
    }
    testing::ReferenceServer server;
    server.Start(port, args);
    RestartRuntime(tls ? TlsClient() : testing::Env{});
    base::Ostrel::Instance()->SetEndpoint("127.0.0.1", relay.Port());
    // The wrong password still travels; its refusal is beside the point.
    EXPECT_THROW(base::Ostrel::Instance()->Login(L"test", L"Kw9-relay-secret"), base::VException);
    base::Ostrel::Instance()->Login(L"test", L"test");
    testing::ResetServer();
    TestRecord r = NewRecord("RELAY-KEY-5521", L"Quastenflosser", 8812);
    r.Commit();
    auto list = ListAll();
    ASSERT_EQ(list.size(), 1u);
    com::ostrel::reference::ControlServant_var(testing::Control())->setBatchSize(1);
    std::vector<TestRecordFilter*> none;
    std::unique_ptr<TestRecord::Callback> stream(
        TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), 0));
    ASSERT_TRUE(stream->WaitForEnd(std::chrono::milliseconds(10000)));
    EXPECT_EQ(stream->GetReceived(), 1u);

    EXPECT_GT(relay.Bytes().size(), 1000u);
    // Every GIOP message starts with its magic: none may travel in clear.
    EXPECT_EQ(relay.Contains("GIOP"), !tls);
    EXPECT_EQ(HasWide(relay, "Kw9-relay-secret"), !tls);
    EXPECT_EQ(HasWide(relay, "Quastenflosser"), !tls);
    EXPECT_EQ(relay.Contains("RELAY-KEY-5521"), !tls);
    EXPECT_EQ(relay.Contains("setTestRecord") || relay.Contains("createTestRecord"), !tls);
    RestartRuntime({});
  }
}

// Subject alternative names only, as modern clients check them.
TEST_F(Tls, PartialWildcardsAndSubjectNamesNameNoHost) {
  using base::orb_binding::CertificateNamesHost;
  EXPECT_FALSE(CertificateNamesHost(Cert("server-wildcard.pem"), "f1.example.test"));
  EXPECT_FALSE(CertificateNamesHost(Cert("server-wildcard.pem"), "foo.example.test"));
  EXPECT_FALSE(CertificateNamesHost(Cert("server-cn-only.pem"), "localhost"));
  EXPECT_FALSE(CertificateNamesHost(Cert("server-ip-only.pem"), "localhost"));
  // The controls: the same rule accepts what the certificates do name.
  EXPECT_TRUE(CertificateNamesHost(Cert("server-ip-only.pem"), "127.0.0.1"));
  EXPECT_TRUE(CertificateNamesHost(Cert("server.pem"), "localhost"));
  EXPECT_TRUE(CertificateNamesHost(Cert("server-ipv6.pem"), "[::1]"));
  EXPECT_FALSE(CertificateNamesHost(Cert("server-ipv6.pem"), "[::2]"));
}

bool HaveIpv6Loopback() {
  int const s = socket(AF_INET6, SOCK_STREAM, 0);
  if (s < 0) return false;
  sockaddr_in6 a{};
  a.sin6_family = AF_INET6;
  a.sin6_addr = in6addr_loopback;
  bool const ok = bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  close(s);
  return ok;
}

TEST_F(Tls, BracketedIpv6EndpointMatchesItsAddress) {
  if (!HaveIpv6Loopback()) GTEST_SKIP() << "this machine has no IPv6 loopback";
  testing::ReferenceServer server;
  std::vector<std::string> args = TlsServerArgs("server-ipv6.pem");
  args.insert(args.end(), {"--host", "[::1]"});
  server.Start(0, args);
  RestartRuntime(TlsClient());
  Outcome const o = TryLogin("[::1]", server.Port());
  EXPECT_FALSE(o.refused) << o.message;
  // The same server under a name its certificate does not carry.
  RestartRuntime(TlsClient());
  Outcome const other = TryLogin("127.0.0.1", server.Port());
  EXPECT_TRUE(other.refused);
}

// The server refuses the client's certificate after its own handshake
// (TLS 1.3), so its alert may meet a connection the client already gave up
// on; the reason must arrive all the same, every time.
TEST_F(Tls, RefusedClientCertificateNamesTheReasonEveryTime) {
  testing::ReferenceServer server;
  server.Start(0, TlsServerArgs());
  std::string const where = "127.0.0.1:" + std::to_string(server.Port());
  for (int run = 0; run < 10; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    RestartRuntime(ForeignClient());
    Outcome const o = TryLogin("127.0.0.1", server.Port());
    ASSERT_TRUE(o.refused);
    EXPECT_NE(o.message.find(where), std::string::npos) << o.message;
    EXPECT_NE(o.message.find("refused the connection (unknown CA)"), std::string::npos)
        << o.message;
  }
}

// Accepts connections and never answers.
class SilentServer {
 public:
  SilentServer() {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    listen(fd_, 8);
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~SilentServer() { close(fd_); }
  int Port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

TEST_F(Tls, SilentServerTimeOutNamesTheServerAndTheLimit) {
  SilentServer silent;
  for (bool tls : {false, true}) {
    SCOPED_TRACE(tls ? "TLS" : "plain");
    RestartRuntime(tls ? TlsClient() : testing::Env{});
    Outcome const o = TryLogin("127.0.0.1", silent.Port());
    ASSERT_TRUE(o.refused);
    EXPECT_NE(o.message.find("127.0.0.1:" + std::to_string(silent.Port())), std::string::npos)
        << o.message;
    EXPECT_NE(o.message.find(std::to_string(kCallTimeoutMs) + " ms"), std::string::npos)
        << o.message;
    EXPECT_GE(o.ms, kCallTimeoutMs - 100);
  }
}

// Refused connections, whichever side refuses, carry nothing readable: no
// GIOP message and no password crosses in clear before the refusal.
TEST_F(Tls, RefusedConnectionsCarryNoRequestInClear) {
  testing::ReferenceServer server, client_cert;
  server.Start(0, TlsServerArgs());
  client_cert.Start(0, TlsServerArgs("client-plain-key.pem", false));
  struct Case {
    char const* what;
    testing::Env client;
    int port;
  };
  std::vector<Case> const cases = {
      {"client does not trust the server", TlsClient("other-ca.pem"), server.Port()},
      {"server does not trust the client", ForeignClient(), server.Port()},
      {"server shows a client certificate", TlsClient(), client_cert.Port()},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    testing::Relay relay("127.0.0.1", c.port);
    RestartRuntime(c.client);
    base::Ostrel::Instance()->SetEndpoint("127.0.0.1", relay.Port());
    EXPECT_THROW(base::Ostrel::Instance()->Login(L"test", L"Kw9-refused-secret"), base::VException);
    EXPECT_GT(relay.Bytes().size(), 100u);
    EXPECT_FALSE(relay.Contains("GIOP"));
    EXPECT_FALSE(HasWide(relay, "Kw9-refused-secret"));
  }
}

// A TLS client that returns from main without shutting the runtime down,
// with callbacks over its own connection and with a listening endpoint
// (whose accepting thread the ORB stops at exit).
TEST_F(Tls, ClientProcessExitingWithoutShutdownExitsCleanly) {
  testing::ReferenceServer server;
  server.Start(0, TlsServerArgs());
  testing::Env common = {{"OSTREL_SERVER", "127.0.0.1:" + std::to_string(server.Port())},
                         {"OSTREL_USER", "test"},
                         {"OSTREL_PASSWORD", "test"}};
  std::vector<testing::Env> clients = {TlsClient(), testing::ListeningTlsClient()};
  for (testing::Env env : clients) {
    env.insert(env.end(), common.begin(), common.end());
    SCOPED_TRACE(env.back().first);
    testing::PeerRun const run = testing::RunPeer({"login"}, env);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("listed "), std::string::npos) << run.output;
  }
}

// Settings files with Transport = tls: an empty environment variable is
// no setting at all, so the file's TLS stands and nothing travels in clear.
class EmptyEnvironment : public Tls {
 protected:
  void TearDown() override {
    setenv("OSTREL_SETTINGS", previous_.c_str(), 1);
    Tls::TearDown();
  }
  std::string previous_;
};

TEST_F(EmptyEnvironment, EmptyVariablesKeepTheFilesTls) {
  int const port = testing::FreePort();
  testing::Relay relay("127.0.0.1", port);
  testing::ReferenceServer server;
  std::vector<std::string> args = TlsServerArgs();
  args.insert(args.end(), {"--publish", "127.0.0.1:" + std::to_string(relay.Port())});
  server.Start(port, args);

  std::string const path = testing::Certs() + "/tls.ini";
  std::ofstream(path) << "[Server]\nEndpoint = 127.0.0.1:" << relay.Port()
                      << "\nTransport = tls\nTlsCaFile = " << Cert("ca.pem")
                      << "\nTlsCertFile = " << Cert("client.pem")
                      << "\nTlsKeyPassword = " << testing::TlsClient()[3].second << "\n";
  chmod(path.c_str(), 0600);
  char const* previous = std::getenv("OSTREL_SETTINGS");
  previous_ = previous ? previous : "";
  setenv("OSTREL_SETTINGS", path.c_str(), 1);
  RestartRuntime({{"OSTREL_TRANSPORT", ""},
                  {"OSTREL_TLS_CA_FILE", ""},
                  {"OSTREL_TLS_KEY_PASSWORD", ""},
                  {"OSTREL_SERVER", ""}});
  EXPECT_TRUE(base::Ostrel::Instance()->Config().tls);
  EXPECT_THROW(base::Ostrel::Instance()->Login(L"test", L"Kw9-empty-env-secret"), base::VException);
  base::Ostrel::Instance()->Login(L"test", L"test");
  EXPECT_GT(relay.Bytes().size(), 1000u);
  EXPECT_FALSE(relay.Contains("GIOP"));
  EXPECT_FALSE(HasWide(relay, "Kw9-empty-env-secret"));
}

class SettingsFilePassword : public Tls {
 protected:
  void SetUp() override {
    path_ = testing::Certs() + "/login.ini";
    std::ofstream(path_) << "[Server]\nUser = test\nPassword = test\n";
    char const* previous = std::getenv("OSTREL_SETTINGS");
    previous_ = previous ? previous : "";
    setenv("OSTREL_SETTINGS", path_.c_str(), 1);
  }
  void TearDown() override {
    setenv("OSTREL_SETTINGS", previous_.c_str(), 1);
    Tls::TearDown();
  }
  std::string path_, previous_;
};

TEST_F(SettingsFilePassword, ReadableByOthersIsRefusedNamingTheFix) {
  chmod(path_.c_str(), 0644);
  RestartRuntime({});
  base::Ostrel::Instance()->SetEndpoint("127.0.0.1", testing::SharedServer().Port());
  try {
    base::Ostrel::Instance()->Login();
    FAIL() << "a password from a file others can read must not be used";
  } catch (base::VException const& e) {
    std::string const m = e.what();
    EXPECT_NE(m.find("'" + path_ + "'"), std::string::npos) << m;
    EXPECT_NE(m.find("chmod 600 " + path_), std::string::npos) << m;
  }
  EXPECT_FALSE(base::Ostrel::Instance()->IsLoggedIn());
}

TEST_F(SettingsFilePassword, OwnerOnlyFileLogsIn) {
  chmod(path_.c_str(), 0600);
  RestartRuntime({});
  base::Ostrel::Instance()->SetEndpoint("127.0.0.1", testing::SharedServer().Port());
  base::Ostrel::Instance()->Login();
  EXPECT_TRUE(base::Ostrel::Instance()->IsLoggedIn());
}

TEST_F(SettingsFilePassword, EnvironmentPasswordIsNotAffected) {
  chmod(path_.c_str(), 0644);
  RestartRuntime({{"OSTREL_PASSWORD", "test"}});
  base::Ostrel::Instance()->SetEndpoint("127.0.0.1", testing::SharedServer().Port());
  base::Ostrel::Instance()->Login();
  EXPECT_TRUE(base::Ostrel::Instance()->IsLoggedIn());
}

TEST_F(SettingsFilePassword, KeyPasswordReadableByOthersStopsTheStart) {
  std::ofstream(path_, std::ios::app) << "TlsKeyPassword = anything\n";
  chmod(path_.c_str(), 0640);
  RestartRuntime({{"OSTREL_TRANSPORT", "tls"}, {"OSTREL_TLS_CA_FILE", Cert("ca.pem")}});
  try {
    base::Ostrel::Instance();
    FAIL() << "the key's password must not be taken from this file";
  } catch (base::VException const& e) {
    EXPECT_NE(std::string(e.what()).find("chmod 600 " + path_), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace ostrel
