#include "reference_server.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "ostrel.h"
#include "string_converter.h"

namespace ostrel {
namespace testing {
namespace {

char const kControl[] = "com.ostrel.reference.ControlServantImpl";

// Reads the "PORT <n>" line the server prints once it listens.
int ReadPort(int fd) {
  std::string line;
  char c;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (std::chrono::steady_clock::now() < deadline) {
    ssize_t n = read(fd, &c, 1);
    if (n == 1) {
      if (c == '\n') {
        if (line.rfind("PORT ", 0) == 0) return std::atoi(line.c_str() + 5);
        line.clear();
      } else {
        line += c;
      }
    } else if (n == 0) {
      break;
    }
  }
  return -1;
}

}  // namespace

ReferenceServer::~ReferenceServer() { Stop(); }

void ReferenceServer::Start(int port, std::vector<std::string> const& extra_args) {
  // A fixed port may stay taken for a moment after its last server died while
  // a client still closes its side (bidirectional connections notice at once).
  for (int attempt = 1;; ++attempt) {
    try {
      StartOnce(port, extra_args);
      return;
    } catch (std::runtime_error const&) {
      if (port == 0 || attempt == 30) throw;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
  }
}

void ReferenceServer::StartOnce(int port, std::vector<std::string> const& extra_args) {
  int fds[2];
  if (pipe(fds) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> args = {OSTREL_REFERENCE_SERVER, "--port", std::to_string(port),
                                   "--quiet"};
  args.insert(args.end(), extra_args.begin(), extra_args.end());
  pid_ = fork();
  if (pid_ == 0) {
    // A test binary that crashes must not leave its server running.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    dup2(fds[1], 1);
    if (!log_.empty()) {
      int const log = open(log_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
      if (log >= 0) dup2(log, 2);
    }
    close(fds[0]);
    close(fds[1]);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  port_ = ReadPort(fds[0]);
  close(fds[0]);
  if (port_ <= 0) {
    Kill();
    throw std::runtime_error("reference server did not start");
  }
}

void ReferenceServer::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  for (int i = 0; i < 500; ++i) {
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Kill();
}

void ReferenceServer::Kill() {
  if (pid_ <= 0) return;
  kill(pid_, SIGKILL);
  int status;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

int ReferenceServer::WaitForExit() {
  if (pid_ <= 0) return -1;
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

ReferenceServer& SharedServer() {
  static ReferenceServer* server = new ReferenceServer;
  return *server;
}

com::ostrel::reference::ControlServant_ptr Control() {
  CORBA::Object_var obj = base::Ostrel::Instance()->GetServant(kControl);
  return com::ostrel::reference::ControlServant::_narrow(obj);
}

void ResetServer() {
  com::ostrel::reference::ControlServant_var control = Control();
  control->reset();
  control->clearFaults();
  control->clearCalls();
  control->setBatchSize(100);
  control->setBatchDelay(0);
}

std::vector<Call> Calls() {
  com::ostrel::reference::ControlServant_var control = Control();
  com::ostrel::reference::CallSeq_var calls = control->calls();
  std::vector<Call> out;
  for (CORBA::ULong i = 0; i < calls->length(); ++i) {
    Call c;
    c.operation = calls[i].operation.in();
    for (CORBA::ULong j = 0; j < calls[i].arguments.length(); ++j) {
      c.arguments.emplace_back(calls[i].arguments[j].in());
    }
    out.push_back(std::move(c));
  }
  return out;
}

std::vector<Call> CallsOf(std::string const& operation) {
  std::vector<Call> out;
  for (auto& c : Calls()) {
    if (c.operation == operation) out.push_back(c);
  }
  return out;
}

void InjectFault(std::string const& operation, com::ostrel::reference::FaultKindEnum kind,
                 std::wstring const& message, int delay_ms, int count, int minor) {
  com::ostrel::reference::FaultStruct f{};
  f.operation = operation.c_str();
  f.kind = kind;
  f.message = base::StringConverter::SplitNonBmp(message).c_str();
  f.delayMs = delay_ms;
  f.count = count;
  f.minor = minor;
  com::ostrel::reference::ControlServant_var control = Control();
  control->injectFault(f);
}

}  // namespace testing
}  // namespace ostrel
