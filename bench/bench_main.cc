// The main() of every benchmark: starts the reference server in its own
// process (calls go over IIOP on 127.0.0.1, not short-circuited), logs in as
// the benchmark user, runs the benchmarks and stops the server by PID.
#include <benchmark/benchmark.h>

#include "ostrel.h"
#include "reference_server.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  ostrel::testing::ReferenceServer server;
  server.Start();
  ostrel::base::Ostrel::Instance()->SetEndpoint("127.0.0.1", server.Port());
  ostrel::base::Ostrel::Instance()->Login(L"bench", L"bench");
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ostrel::base::Ostrel::Instance()->Logout();
  server.Stop();
  return 0;
}
