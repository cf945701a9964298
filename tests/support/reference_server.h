// Starts and stops the reference application server in a child process, so
// that tests talk to it over IIOP on loopback.
#ifndef OSTREL_TESTS_SUPPORT_REFERENCE_SERVER_H_
#define OSTREL_TESTS_SUPPORT_REFERENCE_SERVER_H_

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

#include "reference.hh"

namespace ostrel {
namespace testing {

class ReferenceServer {
 public:
  ReferenceServer() = default;
  ~ReferenceServer();
  ReferenceServer(ReferenceServer const&) = delete;
  ReferenceServer& operator=(ReferenceServer const&) = delete;

  // Its standard error goes to `path` (appended) from the next Start() on.
  void LogTo(std::string path) { log_ = std::move(path); }
  // Starts the server on `port` (0: a free one) and waits for it to listen.
  void Start(int port = 0, std::vector<std::string> const& extra_args = {});
  // SIGTERM, then waits for the process; SIGKILL if it does not end.
  void Stop();
  // SIGKILL without waiting for an orderly end.
  void Kill();
  // Waits for a process that ends by itself (an injected exit); its status.
  int WaitForExit();
  bool IsRunning() const { return pid_ > 0; }
  int Port() const { return port_; }
  pid_t Pid() const { return pid_; }

 private:
  void StartOnce(int port, std::vector<std::string> const& extra_args);

  pid_t pid_ = -1;
  int port_ = 0;
  std::string log_;
};

// The reference server every test of a binary shares (shared_environment.cc
// starts and stops it).
ReferenceServer& SharedServer();

// The server's control servant, through the runtime's ORB.
com::ostrel::reference::ControlServant_ptr Control();

// Puts the shared server back to a clean state: empty stores, no faults, an
// empty call log, default batch size.
void ResetServer();

// The server's call log as (operation, arguments) text.
struct Call {
  std::string operation;
  std::vector<std::wstring> arguments;
};
std::vector<Call> Calls();
// Calls of one operation only.
std::vector<Call> CallsOf(std::string const& operation);

// A fault for the next `count` calls of `operation`.
void InjectFault(std::string const& operation, com::ostrel::reference::FaultKindEnum kind,
                 std::wstring const& message = L"", int delay_ms = 0, int count = 1, int minor = 0);

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_SUPPORT_REFERENCE_SERVER_H_
