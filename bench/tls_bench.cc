// What the transport costs: the same operations with callbacks over the
// client's own connection (the default), with a listening callback endpoint,
// and over TLS (default callbacks), each as the raw stub call and through the
// business object, in one run. A one-record commit on a warm connection and
// a list of 1,000 records. Starts a plain and a TLS reference server
// (throw-away certificates). Unless told otherwise it repeats each benchmark
// 5 times in random order, so that no mode always runs first, and prints
// medians and ratios after the usual table. Times are wall-clock (the
// calling thread mostly waits); "switches" counts the process's context
// switches per call.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "ostrel.h"
#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

using Service = TestRecordService;

enum Mode { kDefault, kListening, kTls };
char const* const kModeNames[] = {"Default", "Listening", "Tls"};

std::string g_certs;
int g_plain_port = 0;
int g_tls_port = 0;
int g_current = -1;

std::string CertsScript() { return std::string(OSTREL_SOURCE_DIR) + "/scripts/make-test-certs.sh"; }

void Fill() {
  testing::Control()->reset();
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
}

// Restarts the runtime in `mode`, logged in at its server.
void Use(Mode mode) {
  if (g_current == mode) return;
  base::Ostrel::Shutdown();
  unsetenv("OSTREL_TRANSPORT");
  unsetenv("OSTREL_CALLBACK_ENDPOINT");
  if (mode == kTls) {
    std::ifstream in(g_certs + "/client.pass");
    std::string password;
    std::getline(in, password);
    setenv("OSTREL_TRANSPORT", "tls", 1);
    setenv("OSTREL_TLS_CA_FILE", (g_certs + "/ca.pem").c_str(), 1);
    setenv("OSTREL_TLS_CERT_FILE", (g_certs + "/client.pem").c_str(), 1);
    setenv("OSTREL_TLS_KEY_PASSWORD", password.c_str(), 1);
  } else if (mode == kListening) {
    setenv("OSTREL_CALLBACK_ENDPOINT", "127.0.0.1", 1);
  }
  base::Ostrel::Instance()->SetEndpoint("127.0.0.1", mode == kTls ? g_tls_port : g_plain_port);
  base::Ostrel::Instance()->Login(L"bench", L"bench");
  g_current = mode;
}

// Context switches of this process (all its threads) so far: a reply that
// one ORB thread reads and hands to the calling thread costs two more per
// call than one the calling thread reads itself.
long ContextSwitches() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_nvcsw + u.ru_nivcsw;
}

// Runs body() per iteration and reports the context switches per call.
template <class Body>
void Measure(benchmark::State& state, Body body) {
  long const before = ContextSwitches();
  for (auto _ : state) body();
  state.counters["switches"] = benchmark::Counter(static_cast<double>(ContextSwitches() - before) /
                                                  static_cast<double>(state.iterations()));
}

TestRecord FirstRecord() {
  std::vector<TestRecordFilter*> none;
  auto* list = TestRecord::GetActiveTestRecords(&none, base::Sortierung());
  TestRecord r = *list->front();
  DeleteAll(list);
  return r;
}

void CommitBusinessObject(benchmark::State& state, Mode mode) {
  Use(mode);
  TestRecord r = FirstRecord();
  r.Commit();  // the connection is warm before the first timed commit
  long count = 0;
  Measure(state, [&] {
    TestRecordTP tp = r.GetHistory();
    tp.SetCount(++count);
    r.SetHistory(tp);
    r.Commit();
  });
}

void CommitRawStub(benchmark::State& state, Mode mode) {
  Use(mode);
  testrecord::TestRecordStruct_var s = new testrecord::TestRecordStruct(FirstRecord().ToIdl());
  auto servant = Remote<Service>::Access();
  s = servant->setTestRecord(base::Ostrel::Instance()->GetAccessToken(), s.in(), true);
  long count = 0;
  Measure(state, [&] {
    s->history.count = static_cast<CORBA::Long>(++count);
    s = servant->setTestRecord(base::Ostrel::Instance()->GetAccessToken(), s.in(), true);
  });
}

void List1000BusinessObject(benchmark::State& state, Mode mode) {
  Use(mode);
  std::vector<TestRecordFilter*> none;
  Measure(state, [&] {
    auto* result = TestRecord::GetActiveTestRecords(&none, base::Sortierung());
    if (result->size() != 1000) state.SkipWithError("wrong size");
    DeleteAll(result);
  });
}

void List1000RawStub(benchmark::State& state, Mode mode) {
  Use(mode);
  auto servant = Remote<Service>::Access();
  testrecord::TestRecordFilterSeq filters;
  base::Sortierung sort;
  Measure(state, [&] {
    testrecord::TestRecordSeq_var seq = servant->getActiveTestRecords(
        base::Ostrel::Instance()->GetAccessToken(), filters, sort.ToIdl());
    if (seq->length() != 1000) state.SkipWithError("wrong size");
  });
}

// The console table, then per operation and mode the medians of the raw
// stub and the business object, the business object over the raw stub,
// and each mode over the listening mode (TLS: over the default mode).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(std::vector<Run> const& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (Run const& r : runs) {
      bool const median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
      if (r.run_type == Run::RT_Aggregate && !median) continue;
      std::string const name = r.run_name.function_name;
      if (median || times_.count(name) == 0) times_[name] = r.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%-9s %-9s %12s %12s %8s %14s %14s\n", "operation", "mode", "raw stub us",
                "object us", "obj/raw", "raw vs base", "obj vs base");
    for (char const* op : {"Commit", "List1000"}) {
      for (int m = kDefault; m <= kTls; ++m) {
        double const raw = Time(op, "RawStub", m), bo = Time(op, "BusinessObject", m);
        int const base = m == kTls ? kDefault : kListening;
        double const raw_base = Time(op, "RawStub", base),
                     bo_base = Time(op, "BusinessObject", base);
        if (raw <= 0 || bo <= 0) continue;
        std::printf("%-9s %-9s %12.1f %12.1f %8.2f %8.2f (%-4.4s) %8.2f (%-4.4s)\n", op,
                    kModeNames[m], raw, bo, bo / raw, raw_base > 0 ? raw / raw_base : 0,
                    kModeNames[base], bo_base > 0 ? bo / bo_base : 0, kModeNames[base]);
      }
    }
  }

 private:
  double Time(char const* op, char const* way, int mode) const {
    auto it = times_.find(std::string("BM_") + op + "_" + way + "/" + kModeNames[mode]);
    return it == times_.end() ? 0 : it->second;
  }
  std::map<std::string, double> times_;
};

}  // namespace
}  // namespace ostrel

int main(int argc, char** argv) {
  using namespace ostrel;
  std::vector<char*> args(argv, argv + argc);
  char repetitions[] = "--benchmark_repetitions=5";
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  char aggregates[] = "--benchmark_report_aggregates_only=true";
  char min_time[] = "--benchmark_min_time=0.2";
  bool repeated = false;
  for (int i = 1; i < argc; ++i) {
    repeated = repeated || std::strncmp(argv[i], "--benchmark_repetitions", 23) == 0;
  }
  if (!repeated) args.insert(args.end(), {repetitions, interleave, aggregates, min_time});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  char tmpl[] = "/tmp/ostrel-bench-certs-XXXXXX";
  if (mkdtemp(tmpl) == nullptr) return 1;
  g_certs = tmpl;
  if (std::system((CertsScript() + " " + g_certs + " >/dev/null").c_str()) != 0) return 1;
  testing::ReferenceServer plain, tls;
  plain.Start();
  tls.Start(0, {"--tls-cert", g_certs + "/server.pem", "--tls-ca", g_certs + "/ca.pem"});
  g_plain_port = plain.Port();
  g_tls_port = tls.Port();
  Use(kDefault);
  Fill();
  Use(kTls);
  Fill();

  for (Mode mode : {kDefault, kListening, kTls}) {
    std::string const suffix = std::string("/") + kModeNames[mode];
    benchmark::RegisterBenchmark(("BM_Commit_RawStub" + suffix).c_str(), CommitRawStub, mode)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("BM_Commit_BusinessObject" + suffix).c_str(),
                                 CommitBusinessObject, mode)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("BM_List1000_RawStub" + suffix).c_str(), List1000RawStub, mode)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(("BM_List1000_BusinessObject" + suffix).c_str(),
                                 List1000BusinessObject, mode)
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
  }
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
