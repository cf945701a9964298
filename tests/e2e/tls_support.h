// What the TLS and callback-endpoint tests share: throw-away certificates,
// restarting the runtime with another configuration, and free ports.
#ifndef OSTREL_TESTS_E2E_TLS_SUPPORT_H_
#define OSTREL_TESTS_E2E_TLS_SUPPORT_H_

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ostrel.h"
#include "reference_server.h"

namespace ostrel {
namespace testing {

using Env = std::vector<std::pair<char const*, std::string>>;

inline std::string ReadFile(std::string const& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The certificates of scripts/make-test-certs.sh, made once per process in a
// temporary directory that is removed at exit.
inline std::string const& Certs() {
  struct Dir {
    std::string path;
    Dir() {
      char tmpl[] = "/tmp/ostrel-certs-XXXXXX";
      if (mkdtemp(tmpl) == nullptr) throw std::runtime_error("mkdtemp failed");
      path = tmpl;
      std::string const script = std::string(OSTREL_SOURCE_DIR) + "/scripts/make-test-certs.sh";
      if (std::system((script + " " + path + " >/dev/null").c_str()) != 0) {
        throw std::runtime_error("make-test-certs.sh failed");
      }
    }
    ~Dir() { std::system(("rm -rf " + path).c_str()); }
  };
  static Dir dir;
  return dir.path;
}

inline std::string Cert(char const* name) { return Certs() + "/" + name; }

// A TLS client that trusts `ca` and, when `with_cert`, has the test client
// certificate (its key under a password).
inline Env TlsClient(char const* ca = "ca.pem", bool with_cert = true) {
  Env env = {{"OSTREL_TRANSPORT", "tls"}, {"OSTREL_TLS_CA_FILE", Cert(ca)}};
  if (with_cert) {
    std::string password = ReadFile(Cert("client.pass"));
    while (!password.empty() && password.back() == '\n') password.pop_back();
    env.emplace_back("OSTREL_TLS_CERT_FILE", Cert("client.pem"));
    env.emplace_back("OSTREL_TLS_KEY_PASSWORD", password);
  }
  return env;
}

// A TLS client whose callback endpoint listens on `host`: it shows the
// certificate made for that endpoint (127.0.0.2) to the server and to
// callers.
inline Env ListeningTlsClient(std::string const& host = "127.0.0.2",
                              char const* cert = "callback.pem") {
  return {{"OSTREL_TRANSPORT", "tls"},
          {"OSTREL_TLS_CA_FILE", Cert("ca.pem")},
          {"OSTREL_TLS_CERT_FILE", Cert(cert)},
          {"OSTREL_CALLBACK_ENDPOINT", host}};
}

inline char const* const kRuntimeVariables[] = {"OSTREL_TRANSPORT",
                                                "OSTREL_TLS_CA_FILE",
                                                "OSTREL_TLS_CERT_FILE",
                                                "OSTREL_TLS_KEY_FILE",
                                                "OSTREL_TLS_KEY_PASSWORD",
                                                "OSTREL_CALLBACK_ENDPOINT",
                                                "OSTREL_PASSWORD",
                                                "OSTREL_USER",
                                                "OSTREL_SERVER"};

// Starts the runtime afresh with `env` on top of the test environment; the
// next Ostrel::Instance() reads it.
inline void RestartRuntime(Env const& env) {
  base::Ostrel::Shutdown();
  for (char const* name : kRuntimeVariables) unsetenv(name);
  for (auto const& [name, value] : env) setenv(name, value.c_str(), 1);
}

// Back to the plain runtime, logged in at the shared server.
inline void RestoreSharedRuntime() {
  RestartRuntime({});
  base::Ostrel::Instance()->SetEndpoint("127.0.0.1", SharedServer().Port());
  base::Ostrel::Instance()->Login(L"test", L"test");
}

inline std::vector<std::string> TlsServerArgs(char const* cert = "server.pem",
                                              bool require_client_cert = true) {
  std::vector<std::string> args = {"--tls-cert", Cert(cert)};
  if (require_client_cert) {
    args.push_back("--tls-ca");
    args.push_back(Cert("ca.pem"));
  }
  return args;
}

// What tests/support/peer_tool did: its exit status (-1: killed by a
// signal) and what it printed.
struct PeerRun {
  int status = -1;
  std::string output;
};

// Runs peer_tool with `args` in the test environment, with the runtime's
// variables replaced by `env`.
inline PeerRun RunPeer(std::vector<std::string> const& args, Env const& env) {
  std::vector<std::string> environment;
  for (char** e = environ; *e != nullptr; ++e) {
    bool runtime = false;
    for (char const* name : kRuntimeVariables) {
      std::size_t const n = std::strlen(name);
      runtime = runtime || (std::strncmp(*e, name, n) == 0 && (*e)[n] == '=');
    }
    if (!runtime) environment.emplace_back(*e);
  }
  for (auto const& [name, value] : env) environment.push_back(std::string(name) + "=" + value);
  std::vector<std::string> argv_text = {OSTREL_PEER_TOOL};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv, envp;
  for (auto& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto& e : environment) envp.push_back(e.data());
  envp.push_back(nullptr);

  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  pid_t const pid = fork();
  if (pid == 0) {
    dup2(fds[1], 1);
    close(fds[0]);
    close(fds[1]);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  close(fds[1]);
  PeerRun run;
  char buf[512];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) {
    run.output.append(buf, static_cast<std::size_t>(n));
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

// A port that was free a moment ago.
inline int FreePort() {
  int const s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof a;
  bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
  getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
  close(s);
  return ntohs(a.sin_port);
}

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_E2E_TLS_SUPPORT_H_
