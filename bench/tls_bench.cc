// The same operations over plain IIOP and over TLS, in one run: a one-record
// commit on a warm connection and a list of 1,000 records. Starts a plain
// and a TLS reference server (throw-away certificates) and prints TLS/plain
// ratios after the usual table.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ostrel.h"
#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

std::string g_certs;
int g_port[2] = {0, 0};  // plain, TLS
int g_current = -1;

std::string CertsScript() {
  std::string const file = __FILE__;
  return file.substr(0, file.rfind("/bench/")) + "/scripts/make-test-certs.sh";
}

// Restarts the runtime for plain IIOP or TLS, logged in at that server, with
// 1,000 records stored.
void Use(bool tls) {
  if (g_current == static_cast<int>(tls)) return;
  base::Ostrel::Shutdown();
  if (tls) {
    std::ifstream in(g_certs + "/client.pass");
    std::string password;
    std::getline(in, password);
    setenv("OSTREL_TRANSPORT", "tls", 1);
    setenv("OSTREL_TLS_CA_FILE", (g_certs + "/ca.pem").c_str(), 1);
    setenv("OSTREL_TLS_CERT_FILE", (g_certs + "/client.pem").c_str(), 1);
    setenv("OSTREL_TLS_KEY_PASSWORD", password.c_str(), 1);
  } else {
    unsetenv("OSTREL_TRANSPORT");
  }
  base::Ostrel::Instance()->SetEndpoint("127.0.0.1", g_port[tls]);
  base::Ostrel::Instance()->Login(L"bench", L"bench");
  com::ostrel::reference::ControlServant_var(testing::Control())->reset();
  for (int i = 0; i < 1000; ++i) {
    TestRecord r;
    TestRecordRoot root = r.GetRoot();
    root.SetOidEmployee("EMP-1");
    root.SetOidPCompany("C-1");
    root.SetSurname(L"Benchmark");
    root.SetKey("bench-" + std::to_string(i));
    r.SetRoot(root);
    r.Commit();
  }
  g_current = tls;
}

void Commit(benchmark::State& state, bool tls) {
  Use(tls);
  std::vector<TestRecordFilter*> none;
  auto* list = TestRecord::GetActiveTestRecords(&none, base::Sortierung());
  TestRecord r = *list->front();
  DeleteAll(list);
  long count = 0;
  r.Commit();  // the connection is warm before the first timed commit
  for (auto _ : state) {
    TestRecordTP tp = r.GetHistory();
    tp.SetCount(++count);
    r.SetHistory(tp);
    r.Commit();
  }
}

void List1000(benchmark::State& state, bool tls) {
  Use(tls);
  std::vector<TestRecordFilter*> none;
  for (auto _ : state) {
    auto* result = TestRecord::GetActiveTestRecords(&none, base::Sortierung());
    if (result->size() != 1000) state.SkipWithError("wrong size");
    DeleteAll(result);
  }
}

// The console table, then per operation the TLS time over the plain time
// (medians when repeated).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(std::vector<Run> const& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (Run const& r : runs) {
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      std::string name = r.run_name.function_name;
      times_[name] = r.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    for (char const* op : {"Commit", "List1000"}) {
      auto plain = times_.find(std::string("BM_") + op + "_Plain");
      auto tls = times_.find(std::string("BM_") + op + "_Tls");
      if (plain == times_.end() || tls == times_.end()) continue;
      std::printf("%-10s plain %10.1f us  TLS %10.1f us  ratio %5.2f\n", op, plain->second,
                  tls->second, tls->second / plain->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  using namespace ostrel;
  benchmark::Initialize(&argc, argv);
  char tmpl[] = "/tmp/ostrel-bench-certs-XXXXXX";
  if (mkdtemp(tmpl) == nullptr) return 1;
  g_certs = tmpl;
  if (std::system((CertsScript() + " " + g_certs + " >/dev/null").c_str()) != 0) return 1;
  testing::ReferenceServer plain, tls;
  plain.Start();
  tls.Start(0, {"--tls-cert", g_certs + "/server.pem", "--tls-ca", g_certs + "/ca.pem"});
  g_port[0] = plain.Port();
  g_port[1] = tls.Port();

  // Plain first, then TLS: the runtime restarts once.
  benchmark::RegisterBenchmark("BM_Commit_Plain", Commit, false)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_List1000_Plain", List1000, false)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_Commit_Tls", Commit, true)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("BM_List1000_Tls", List1000, true)->Unit(benchmark::kMicrosecond);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  base::Ostrel::Instance()->Logout();
  base::Ostrel::Shutdown();
  plain.Stop();
  tls.Stop();
  std::system(("rm -rf " + g_certs).c_str());
  return 0;
}
