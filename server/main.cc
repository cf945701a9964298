// reference_server --port N [--host H] [--publish H:P] [--tls-cert FILE [--tls-ca FILE]]
//                  [--bidir-only] [--batch-size N] [--batch-delay-ms N] [--quiet]
//
// Serves the login, the control and every registered record kind on
// 127.0.0.1 (or H), over TLS only when given a certificate; references name
// H:P when given --publish (a server behind a relay). Prints
// "PORT <n>" once ready; stops on the control's shutdown(), SIGTERM or
// SIGINT.
#include <pthread.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <memory>
#include <string>
#include <thread>

#include "control.h"
#include "core.h"
#include "new_servant.h"
#include "orb_setup.h"
#include "registry.h"
#include "session.h"

namespace {

using ostrel::server::Options;

constexpr char kLoginName[] = "com.ostrel.serverbase.access.LoginServantImpl";
constexpr char kControlName[] = "com.ostrel.reference.ControlServantImpl";

int Usage(const char* why) {
  std::fprintf(stderr,
               "reference_server: %s\n"
               "usage: reference_server --port N [--host H] [--publish H:P]\n"
               "                        [--tls-cert FILE [--tls-ca FILE]]\n"
               "                        [--bidir-only] [--batch-size N] [--batch-delay-ms N] "
               "[--quiet]\n",
               why);
  return 2;
}

bool Number(const char* text, int min, int& out) {
  char* end = nullptr;
  long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < min || value > 1000000000L) return false;
  out = static_cast<int>(value);
  return true;
}

// 0 when the arguments are fine, else the exit code.
int Parse(int argc, char** argv, Options& options, ostrel::server::Listen& listen) {
  bool have_port = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--quiet") {
      options.quiet = true;
      continue;
    }
    if (arg == "--bidir-only") {
      listen.bidir_only = true;
      continue;
    }
    if (i + 1 >= argc) return Usage(("missing value of " + arg).c_str());
    const char* value = argv[++i];
    bool ok = false;
    if (arg == "--port") {
      ok = Number(value, 0, options.port) && options.port <= 65535;
      have_port = true;
    } else if (arg == "--host" || arg == "--tls-cert" || arg == "--tls-ca" || arg == "--publish") {
      std::string& field = arg == "--host"       ? listen.host
                           : arg == "--tls-cert" ? listen.tls_cert
                           : arg == "--tls-ca"   ? listen.tls_ca
                                                 : listen.publish;
      field = value;
      ok = !field.empty();
    } else if (arg == "--batch-size") {
      ok = Number(value, 1, options.batch_size);
    } else if (arg == "--batch-delay-ms") {
      ok = Number(value, 0, options.batch_delay_ms);
    } else {
      return Usage(("unknown argument " + arg).c_str());
    }
    if (!ok) return Usage(("bad value of " + arg).c_str());
  }
  if (!listen.tls_ca.empty() && listen.tls_cert.empty()) return Usage("--tls-ca needs --tls-cert");
  listen.port = options.port;
  return have_port ? 0 : Usage("--port is required");
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  ostrel::server::Listen listen;
  if (int code = Parse(argc, argv, options, listen)) return code;

  // Every thread (the ORB's too) inherits the blocked set; one thread takes
  // the signals with sigtimedwait.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  CORBA::ORB_var orb;
  try {
    orb = ostrel::server::InitOrb(listen, options.quiet);
    CORBA::Object_var obj = orb->resolve_initial_references("RootPOA");
    PortableServer::POA_var root = PortableServer::POA::_narrow(obj);
    PortableServer::POA_var named = ostrel::server::NamedAdapter(orb);
    auto core = std::make_unique<ostrel::server::Core>(root, options);

    CORBA::Object_var login = ostrel::server::ActivateNamed(
        named, kLoginName,
        ostrel::server::NewServant<ostrel::server::LoginServantImpl>(core->sessions()));
    CORBA::Object_var control = ostrel::server::ActivateNamed(
        named, kControlName, ostrel::server::NewServant<ostrel::server::ControlServantImpl>(*core));
    for (const auto& entry : ostrel::server::Registry::Servants()) {
      CORBA::Object_var ref = ostrel::server::ActivateNamed(named, entry.name, entry.make(*core));
    }
    core->Reset();

    PortableServer::POAManager_var root_manager = root->the_POAManager();
    root_manager->activate();
    PortableServer::POAManager_var named_manager = named->the_POAManager();
    named_manager->activate();

    const int port = ostrel::server::ListeningPort(login);
    if (port <= 0) {
      std::fprintf(stderr, "reference_server: cannot tell the listening port\n");
      return 1;
    }
    std::printf("PORT %d\n", port);
    std::fflush(stdout);

    std::thread signals([&core, &stop_signals] {
      const timespec tick{0, 200 * 1000 * 1000};
      while (!core->StopRequested()) {
        if (sigtimedwait(&stop_signals, nullptr, &tick) > 0) core->RequestStop();
      }
    });
    core->WaitForStop();
    signals.join();

    // Streams first (they call out through the ORB), then the upcalls.
    core->streamer().Stop();
    orb->shutdown(true);
    ostrel::server::ReleaseAdapters();
    orb->destroy();  // deletes the servants, which may still use the core
    core.reset();
  } catch (const CORBA::INITIALIZE&) {
    std::fprintf(stderr, "reference_server: cannot listen on %s:%d%s\n", listen.host.c_str(),
                 options.port, listen.tls_cert.empty() ? "" : " (or cannot use the certificate)");
    return 1;
  } catch (const CORBA::Exception& e) {
    std::fprintf(stderr, "reference_server: %s\n", e._name());
    return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "reference_server: %s\n", e.what());
    return 1;
  }
  return 0;
}
