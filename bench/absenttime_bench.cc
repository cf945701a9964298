// Absent times through the business objects against the raw ORB stub calls
// of the same operations, in one run against the same reference server: the
// list of 1 and of 1,000 records, a one-record Commit, and a streamed list of
// 10,000 records. bench/ratios.py turns the output into ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ostrel.h"
#include "ownership.h"
#include "reference_server.h"
#include "time/absenttime.h"

namespace ostrel {
namespace {

using Service = EEAbsentTimeService;

// One absence a day from 2 January 2000 on, alternating between the two
// active employees of company C-1 so that no employee's absences overlap.
EEAbsentTime Absence(int i) {
  EEAbsentTime a;
  EEAbsentTimeRoot root = a.GetRoot();
  EmployeeShort e = root.GetEmployeeShort();
  e.SetObjectid(i % 2 == 0 ? "EMP-1" : "EMP-2");
  e.SetOidPCompany("C-1");
  root.SetEmployeeShort(e);
  root.SetOidAbsentTime("URL");
  a.SetRoot(root);
  base::VDate const day = base::VDate(2, 0, 2000).AddDays(i);
  EEAbsentTimeTP tp = a.GetHistory();
  tp.SetEffectiveFrom(day);
  tp.SetEffectiveUntil(day);
  tp.SetNumberOfHours(base::VFixed("8.00"));
  tp.SetAdditionalInfo("bench " + std::to_string(i));
  a.SetHistory(tp);
  a.SetValidFrom(day);
  return a;
}

// Empties the server and stores n absences, a thousand per call.
void FillStore(int n) {
  testing::Control()->reset();
  auto servant = Remote<Service>::Access();
  for (int first = 0; first < n; first += 1000) {
    absenttime::EEAbsentTimeSeq seq;
    const int count = std::min(1000, n - first);
    seq.length(static_cast<CORBA::ULong>(count));
    for (int i = 0; i < count; ++i) seq[static_cast<CORBA::ULong>(i)] = Absence(first + i).ToIdl();
    absenttime::EEAbsentTimeSeq_var stored =
        servant->createEEAbsentTimeSeq(base::Ostrel::Instance()->GetAccessToken(), seq, "C-1");
  }
}

void ListBusinessObject(benchmark::State& state, int n) {
  FillStore(n);
  std::vector<EEAbsentTimeFilter*> none;
  for (auto _ : state) {
    auto list = TakeOwnership(EEAbsentTime::GetActiveEEAbsentTimes(&none, base::Sortierung()));
    if (list.size() != static_cast<size_t>(n)) state.SkipWithError("wrong size");
  }
}

void ListRawStub(benchmark::State& state, int n) {
  FillStore(n);
  auto servant = Remote<Service>::Access();
  absenttime::EEAbsentTimeFilterSeq none;
  base::Sortierung sort;
  for (auto _ : state) {
    absenttime::EEAbsentTimeSeq_var seq = servant->getActiveEEAbsentTimes(
        base::Ostrel::Instance()->GetAccessToken(), none, sort.ToIdl());
    if (seq->length() != static_cast<CORBA::ULong>(n)) state.SkipWithError("wrong size");
  }
}

void BM_CommitAbsentTime_BusinessObject(benchmark::State& state) {
  FillStore(0);
  EEAbsentTime a = Absence(0);
  a.Commit();
  int hours = 0;
  for (auto _ : state) {
    EEAbsentTimeTP tp = a.GetHistory();
    tp.SetNumberOfHours(base::VFixed(++hours % 24));
    a.SetHistory(tp);
    a.Commit();
  }
}
BENCHMARK(BM_CommitAbsentTime_BusinessObject)->Unit(benchmark::kMicrosecond);

void BM_CommitAbsentTime_RawStub(benchmark::State& state) {
  FillStore(0);
  auto servant = Remote<Service>::Access();
  absenttime::EEAbsentTimeStruct_var s =
      servant->createEEAbsentTime(base::Ostrel::Instance()->GetAccessToken(), Absence(0).ToIdl());
  int hours = 0;
  for (auto _ : state) {
    s->history.numberOfHours = std::to_string(++hours % 24).c_str();
    s = servant->setEEAbsentTime(base::Ostrel::Instance()->GetAccessToken(), s.in(), true);
  }
}
BENCHMARK(BM_CommitAbsentTime_RawStub)->Unit(benchmark::kMicrosecond);

constexpr int kStreamed = 10000;

void BM_StreamAbsentTimes10000_BusinessObject(benchmark::State& state) {
  FillStore(kStreamed);
  std::vector<EEAbsentTimeFilter*> none;
  for (auto _ : state) {
    auto callback =
        TakeOwnership(EEAbsentTime::GetActiveEEAbsentTimeCB(&none, base::Sortierung(), 0));
    if (!callback->WaitForEnd(std::chrono::seconds(60))) state.SkipWithError("stream hung");
    if (TakeOwnership(callback->TakeAll()).size() != kStreamed) state.SkipWithError("wrong size");
  }
}
BENCHMARK(BM_StreamAbsentTimes10000_BusinessObject)->Unit(benchmark::kMicrosecond);

// The least a raw client of the stream does: count what arrives and wait for
// the end.
class CountingCallback
    : public POA_com::ostrel::personnel::domain::employee::absenttime::EEAbsentTimeStructCallback {
 public:
  void putData(absenttime::EEAbsentTimeSeq const& data) override {
    std::lock_guard<std::mutex> lock(mutex_);
    received_ += data.length();
  }
  void finished() override { End(); }
  void setException(com::ostrel::serverbase::query::DatabaseExceptionStruct const&) override {
    End();
  }
  void setDomainException(
      com::ostrel::serverbase::applicationexception::DomainExceptionStruct const&) override {
    End();
  }
  CORBA::ULong WaitForEnd() {
    std::unique_lock<std::mutex> lock(mutex_);
    ended_.wait(lock, [this] { return done_; });
    return received_;
  }

 private:
  void End() {
    std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
    ended_.notify_all();
  }
  std::mutex mutex_;
  std::condition_variable ended_;
  CORBA::ULong received_ = 0;
  bool done_ = false;
};

void BM_StreamAbsentTimes10000_RawStub(benchmark::State& state) {
  FillStore(kStreamed);
  auto servant = Remote<Service>::Access();
  absenttime::EEAbsentTimeFilterSeq none;
  base::Sortierung sort;
  for (auto _ : state) {
    CountingCallback callback;
    PortableServer::POA_var poa = base::Ostrel::Instance()->CallbackPoa();
    PortableServer::ObjectId_var id = base::Ostrel::Instance()->ActivateCallback(&callback);
    CORBA::Object_var ref = poa->id_to_reference(id.in());
    absenttime::EEAbsentTimeStructCallback_var cb =
        absenttime::EEAbsentTimeStructCallback::_narrow(ref.in());
    servant->getActiveEEAbsentTimesCB(base::Ostrel::Instance()->GetAccessToken(), none,
                                      sort.ToIdl(), cb.in());
    if (callback.WaitForEnd() != kStreamed) state.SkipWithError("wrong size");
    poa->deactivate_object(id.in());
    // The POA lets go of the servant only after its last upcall returned.
    try {
      for (;;) {
        poa->id_to_servant(id.in());
        std::this_thread::yield();
      }
    } catch (PortableServer::POA::ObjectNotActive&) {
    }
  }
}
BENCHMARK(BM_StreamAbsentTimes10000_RawStub)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace ostrel

// The list sizes share one body each; the names keep the pairing ratios.py
// expects.
[[maybe_unused]] static bool const kListsRegistered = [] {
  using ostrel::ListBusinessObject;
  using ostrel::ListRawStub;
  for (int n : {1, 1000}) {
    const std::string op = "BM_ListAbsentTimes" + std::to_string(n);
    benchmark::RegisterBenchmark((op + "_BusinessObject").c_str(), ListBusinessObject, n)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((op + "_RawStub").c_str(), ListRawStub, n)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();
