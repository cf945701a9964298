// Business objects against the raw ORB stub call of the same operation, in
// the same run and against the same reference server: a one-record commit and
// a list of 1,000 records. bench/ratios.py turns the output into ratios.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ostrel.h"
#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

using Service = TestRecordService;

TestRecord StoredRecord() {
  TestRecord r;
  TestRecordRoot root = r.GetRoot();
  root.SetOidEmployee("EMP-1");
  root.SetOidPCompany("C-1");
  root.SetSurname(L"Benchmark");
  root.SetKey("bench");
  r.SetRoot(root);
  r.Commit();
  return r;
}

void FillStore(int n) {
  testing::Control()->reset();
  for (int i = 0; i < n; ++i) StoredRecord();
}

void BM_Commit_BusinessObject(benchmark::State& state) {
  testing::Control()->reset();
  TestRecord r = StoredRecord();
  long count = 0;
  for (auto _ : state) {
    TestRecordTP tp = r.GetHistory();
    tp.SetCount(++count);
    r.SetHistory(tp);
    r.Commit();
  }
}
BENCHMARK(BM_Commit_BusinessObject)->Unit(benchmark::kMicrosecond);

void BM_Commit_RawStub(benchmark::State& state) {
  testing::Control()->reset();
  testrecord::TestRecordStruct_var s = new testrecord::TestRecordStruct(StoredRecord().ToIdl());
  auto servant = Remote<Service>::Access();
  long count = 0;
  for (auto _ : state) {
    s->history.count = static_cast<CORBA::Long>(++count);
    s = servant->setTestRecord(base::Ostrel::Instance()->GetAccessToken(), s.in(), true);
  }
}
BENCHMARK(BM_Commit_RawStub)->Unit(benchmark::kMicrosecond);

void BM_List1000_BusinessObject(benchmark::State& state) {
  FillStore(1000);
  std::vector<TestRecordFilter*> none;
  for (auto _ : state) {
    auto* result = TestRecord::GetActiveTestRecords(&none, base::Sortierung());
    if (result->size() != 1000) state.SkipWithError("wrong size");
    DeleteAll(result);
  }
}
BENCHMARK(BM_List1000_BusinessObject)->Unit(benchmark::kMicrosecond);

void BM_List1000_RawStub(benchmark::State& state) {
  FillStore(1000);
  auto servant = Remote<Service>::Access();
  testrecord::TestRecordFilterSeq filters;
  base::Sortierung sort;
  for (auto _ : state) {
    testrecord::TestRecordSeq_var seq = servant->getActiveTestRecords(
        base::Ostrel::Instance()->GetAccessToken(), filters, sort.ToIdl());
    if (seq->length() != 1000) state.SkipWithError("wrong size");
  }
}
BENCHMARK(BM_List1000_RawStub)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrel
