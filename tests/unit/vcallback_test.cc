// The callback template driven directly, without an ORB: limits, observer
// notifications, queues and flags.
#include "vcallback.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "testrecord.h"

namespace ostrel {
namespace {

using Callback = TestRecord::Callback;
using ReportCallback = TestRecord::ReportCallback;

testrecord::TestRecordSeq Batch(unsigned int n, unsigned int first = 0) {
  testrecord::TestRecordSeq seq;
  seq.length(n);
  for (unsigned int i = 0; i < n; ++i) {
    seq[i] = testrecord::TestRecordStruct{};  // length() leaves the numbers indeterminate
    seq[i].root.objectStruct.objectid = ("TR-" + std::to_string(first + i)).c_str();
  }
  return seq;
}

// Records every notification, slot by slot.
struct Recorder : base::VCallbackObserver {
  std::vector<unsigned int> data, direct, finished;
  int max_hits = 0;
  std::vector<std::wstring> exceptions;
  void OnData(unsigned int n) override { data.push_back(n); }
  void OnDirectData(unsigned int n) override { direct.push_back(n); }
  void OnMaxHits(bool reached) override { max_hits += reached ? 1 : 100; }
  void OnFinished(unsigned int n) override { finished.push_back(n); }
  void OnException(base::VException* e) override { exceptions.push_back(e->GetMessage()); }
};

void Free(std::vector<TestRecord*> const& v) {
  for (auto* r : v) delete r;
}

TEST(VCallback, LimitCutsDeliveryAndFinishesOnce) {
  Callback cb(1000);
  Recorder rec;
  cb.SetObserver(&rec);
  cb.putData(Batch(600));
  cb.putData(Batch(600, 600));
  cb.putData(Batch(600, 1200));  // after the limit: ignored
  EXPECT_EQ(rec.data, (std::vector<unsigned int>{600, 400, 1000}));
  EXPECT_EQ(rec.max_hits, 1);
  EXPECT_EQ(rec.finished, (std::vector<unsigned int>{1000}));
  EXPECT_EQ(cb.GetReceived(), 1000u);
  EXPECT_TRUE(cb.IsStopped());
  auto all = cb.TakeAll();
  ASSERT_EQ(all.size(), 1000u);
  EXPECT_EQ(all.front()->GetObjectID(), "TR-0");
  EXPECT_EQ(all.back()->GetObjectID(), "TR-999");
  Free(all);
}

TEST(VCallback, NoLimitQueuesEverythingUntilServerFinishes) {
  Callback cb(0);
  cb.putData(Batch(700));
  cb.putData(Batch(700));
  EXPECT_FALSE(cb.IsStopped());
  EXPECT_EQ(cb.GetQueuedCount(), 1400u);
  cb.finished();
  EXPECT_TRUE(cb.IsFinished());
  unsigned int size = 0;
  ASSERT_TRUE(cb.TakeBatchSize(&size));
  EXPECT_EQ(size, 700u);
  ASSERT_TRUE(cb.TakeBatchSize(&size));
  EXPECT_EQ(size, 700u);
  EXPECT_FALSE(cb.TakeBatchSize(&size));
}

TEST(VCallback, NoLimitStopKeepsReceivingPastTheLimit) {
  Callback cb(10);
  Recorder rec;
  cb.SetObserver(&rec);
  cb.SetNoLimitStop(true);
  cb.putData(Batch(10));
  cb.putData(Batch(15));  // cut at the next multiple of the limit
  EXPECT_EQ(rec.data, (std::vector<unsigned int>{10, 10}));
  EXPECT_EQ(rec.max_hits, 0);
  EXPECT_FALSE(cb.IsStopped());
}

TEST(VCallback, EmptyDeliveryStillCounts) {
  Callback with_observer(5);
  Recorder rec;
  with_observer.SetObserver(&rec);
  with_observer.putData(Batch(0));
  with_observer.PutData(Batch(0));
  EXPECT_EQ(rec.data, (std::vector<unsigned int>{0}));
  EXPECT_EQ(rec.direct, (std::vector<unsigned int>{0}));
  EXPECT_FALSE(with_observer.IsStopped());

  Callback without(5);
  without.putData(Batch(0));
  unsigned int size = 99;
  ASSERT_TRUE(without.TakeBatchSize(&size));
  EXPECT_EQ(size, 0u);
}

TEST(VCallback, FinishedTwiceNotifiesOnceAndReportsQueuedObjects) {
  Callback cb(0);
  Recorder rec;
  cb.SetObserver(&rec);
  cb.putData(Batch(3));
  delete cb.Take();
  cb.finished();
  cb.finished();
  EXPECT_EQ(rec.data, (std::vector<unsigned int>{3, 2}));
  EXPECT_EQ(rec.finished, (std::vector<unsigned int>{3}));
  EXPECT_FALSE(cb.IsFinished());  // an observer heard of it instead
  cb.putData(Batch(4));           // after the end: ignored
  EXPECT_EQ(cb.GetReceived(), 3u);
}

// An observer that changes the observer in the middle of a delivery: the
// rest of that delivery (limit, end) still goes to the one it started with.
TEST(VCallback, OneDeliveryTellsOneObserver) {
  for (bool detach : {false, true}) {
    SCOPED_TRACE(detach ? "detached" : "replaced");
    Callback cb(5);
    Recorder later;
    struct Switching : Recorder {
      std::function<void()> on_data;
      void OnData(unsigned int n) override {
        Recorder::OnData(n);
        on_data();
      }
    } first;
    first.on_data = [&] { cb.SetObserver(detach ? nullptr : &later); };
    cb.SetObserver(&first);
    cb.putData(Batch(5));
    EXPECT_EQ(first.data, (std::vector<unsigned int>{5, 5}));  // the batch, then still queued
    EXPECT_EQ(first.max_hits, 1);
    EXPECT_EQ(first.finished, (std::vector<unsigned int>{5}));
    EXPECT_TRUE(later.data.empty());
    EXPECT_EQ(later.max_hits, 0);
    EXPECT_TRUE(later.finished.empty());
    unsigned int size = 0;
    EXPECT_FALSE(cb.TakeBatchSize(&size));  // the delivery was told, not queued
    EXPECT_FALSE(cb.IsFinished());
  }
}

TEST(VCallback, ServerFailuresAreKeptOrReported) {
  Callback quiet(0);
  base::DatabaseExceptionStruct db{};
  db.message = L"table locked";
  db.source = L"db";
  db.detail = L"row 7";
  quiet.setException(db);
  EXPECT_TRUE(quiet.IsFailed());
  ASSERT_NE(quiet.GetException(), nullptr);
  EXPECT_EQ(quiet.GetException()->GetMessage(), L"table locked");
  EXPECT_EQ(quiet.GetException()->GetCode(), 8888);
  EXPECT_FALSE(quiet.IsStopped());  // a failure does not end the stream
  EXPECT_TRUE(quiet.WaitForEnd(std::chrono::milliseconds(0)));

  Callback observed(0);
  Recorder rec;
  observed.SetObserver(&rec);
  base::DomainExceptionStruct de{};
  de.message = L"period overlaps";
  observed.setDomainException(de);
  EXPECT_EQ(rec.exceptions, (std::vector<std::wstring>{L"period overlaps"}));
  EXPECT_FALSE(observed.IsFailed());

  observed.finished();
  observed.setException(db);  // after the end: ignored
  EXPECT_EQ(rec.exceptions.size(), 1u);
}

TEST(VCallback, WaitForEndTimesOutOnASilentStream) {
  Callback cb(0);
  cb.putData(Batch(2));
  EXPECT_FALSE(cb.WaitForEnd(std::chrono::milliseconds(20)));
  // Queued objects are freed with the callback object.
}

TEST(VCallback, ConcurrentDeliveryAndTaking) {
  Callback cb(0);
  constexpr int kBatches = 200;
  std::thread orb([&] {
    for (int i = 0; i < kBatches; ++i) cb.putData(Batch(10, i * 10));
    cb.finished();
  });
  std::size_t taken = 0;
  std::string last;
  bool in_order = true;
  while (!cb.WaitForEnd(std::chrono::milliseconds(0)) || cb.GetQueuedCount() > 0) {
    while (TestRecord* r = cb.Take()) {
      std::string id = r->GetObjectID();
      in_order =
          in_order && (last.empty() || std::stoi(id.substr(3)) == std::stoi(last.substr(3)) + 1);
      last = id;
      delete r;
      ++taken;
    }
  }
  orb.join();
  EXPECT_EQ(taken, kBatches * 10u);
  EXPECT_TRUE(in_order);
}

class ReportLimit : public ::testing::Test {
 protected:
  void WriteSettings(std::string const& text) {
    path_ = ::testing::TempDir() + "vcallback_settings.ini";
    std::ofstream(path_) << text;
    setenv("OSTREL_SETTINGS", path_.c_str(), 1);
  }
  void TearDown() override {
    unsetenv("OSTREL_SETTINGS");
    std::remove(path_.c_str());
  }
  std::string path_;
};

TEST_F(ReportLimit, ComesFromSettingsLastOneWins) {
  WriteSettings("[Callback]\nMaxHits = 100\nMaxHits = 250\n[Other]\nMaxHits = 7\n");
  EXPECT_EQ(ReportCallback().GetMaxHits(), 250u);
}

TEST_F(ReportLimit, DefaultsTo1000AndNonNumberMeansNoLimit) {
  WriteSettings("[Callback]\nOther = 1\n");
  EXPECT_EQ(ReportCallback().GetMaxHits(), 1000u);
  WriteSettings("[Callback]\nMaxHits = none\n");
  EXPECT_EQ(ReportCallback().GetMaxHits(), 0u);
}

TEST(ReportCallback, QueuesWideLinesIntact) {
  ReportCallback cb(0);
  com::ostrel::framework::basictypes::ReportFileSeq lines;
  lines.length(2);
  lines[0] = L"a \U0001D518";
  lines[1] = L"\U0001F0A1";
  cb.putData(lines);
  std::unique_ptr<base::VString> first(cb.Take());
  std::unique_ptr<base::VString> second(cb.Take());
  EXPECT_EQ(first->str(), L"a \U0001D518");
  EXPECT_EQ(second->str(), L"\U0001F0A1");
}

}  // namespace
}  // namespace ostrel
