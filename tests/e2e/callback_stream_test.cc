// Streamed list queries over the wire: batches arrive on an ORB thread, the
// limit ends the stream from the client, server failures and a vanishing
// server leave the callback object usable.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "record_suite.h"
#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

namespace ref = com::ostrel::reference;
using std::chrono::milliseconds;
using testing::InjectFault;

constexpr milliseconds kEnd(10000);

// Counts notifications; read after the stream ended.
struct Counter : base::VCallbackObserver {
  std::atomic<unsigned> batches{0}, objects{0}, max_hits{0}, finished{0}, exceptions{0};
  std::atomic<unsigned> total{0};
  void OnData(unsigned n) override {
    ++batches;
    objects += n;
  }
  void OnMaxHits(bool) override { ++max_hits; }
  void OnFinished(unsigned n) override {
    ++finished;
    total = n;
  }
  void OnException(base::VException*) override { ++exceptions; }
};

class Streams : public testing::RecordTest {
 protected:
  void SetUp() override {
    RecordTest::SetUp();
    for (int i = 0; i < 250; ++i) {
      TestRecord r;
      TestRecordRoot root = r.GetRoot();
      root.SetOidEmployee("EMP-" + std::to_string(i % 5));
      root.SetOidPCompany("C-1");
      root.SetPersonnelNumber(i);
      root.SetKey("K" + std::to_string(i));
      r.SetRoot(root);
      r.Commit();
    }
    testing::Control()->clearCalls();
  }

  static std::unique_ptr<TestRecord::Callback> Start(unsigned max_hits) {
    std::vector<TestRecordFilter*> none;
    return std::unique_ptr<TestRecord::Callback>(
        TestRecord::GetActiveTestRecordCB(&none, base::Sortierung(), max_hits));
  }
};

TEST_F(Streams, AllBatchesArriveThenTheServerFinishes) {
  auto cb = Start(0);
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  EXPECT_TRUE(cb->IsFinished());
  EXPECT_EQ(cb->GetReceived(), 250u);
  std::vector<unsigned> sizes;
  unsigned size;
  while (cb->TakeBatchSize(&size)) sizes.push_back(size);
  EXPECT_EQ(sizes, (std::vector<unsigned>{100, 100, 50}));
  auto all = cb->TakeAll();
  ASSERT_EQ(all.size(), 250u);
  EXPECT_EQ(all.front()->GetRoot().GetKey(), "K0");
  EXPECT_EQ(all.back()->GetRoot().GetKey(), "K249");
  for (auto* r : all) delete r;
}

TEST_F(Streams, TheLimitEndsTheStreamFromTheClient) {
  testing::Control()->setBatchSize(60);
  auto cb = Start(100);
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  EXPECT_TRUE(cb->IsStopped());
  EXPECT_EQ(cb->GetReceived(), 100u);
  EXPECT_EQ(cb->GetQueuedCount(), 100u);
  // The server's later batches and its own finished() change nothing.
  std::this_thread::sleep_for(milliseconds(200));
  EXPECT_EQ(cb->GetReceived(), 100u);
}

TEST_F(Streams, ObserverHearsLimitAndEndOnce) {
  testing::Control()->setBatchSize(30);
  testing::Control()->setBatchDelay(20);  // time to attach before the first batch
  Counter counter;
  auto cb = Start(100);
  cb->SetObserver(&counter);
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  std::this_thread::sleep_for(milliseconds(300));
  EXPECT_EQ(counter.max_hits.load(), 1u);
  EXPECT_EQ(counter.finished.load(), 1u);
  EXPECT_EQ(counter.total.load(), 100u);
}

TEST_F(Streams, AServerFailureIsKeptInTheCallback) {
  InjectFault("getActiveTestRecordsCB", ref::STREAM_SET_EXCEPTION, L"cursor lost");
  auto cb = Start(0);
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  EXPECT_TRUE(cb->IsFailed());
  ASSERT_NE(cb->GetException(), nullptr);
  EXPECT_EQ(cb->GetException()->GetMessage(), L"cursor lost");
  EXPECT_GT(cb->GetReceived(), 0u);
  EXPECT_LT(cb->GetReceived(), 250u);
}

TEST_F(Streams, ADomainFailureIsConverted) {
  InjectFault("getActiveTestRecordsCB", ref::STREAM_SET_DOMAIN_EXCEPTION, L"bad filter");
  auto cb = Start(0);
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  ASSERT_TRUE(cb->IsFailed());
  EXPECT_EQ(cb->GetException()->GetMessage(), L"bad filter");
}

TEST_F(Streams, AStreamThatStopsLeavesTheCallbackWaiting) {
  InjectFault("getActiveTestRecordsCB", ref::STREAM_STOP_HALFWAY);
  auto cb = Start(0);
  EXPECT_FALSE(cb->WaitForEnd(milliseconds(500)));
  EXPECT_FALSE(cb->IsFinished());
  EXPECT_GT(cb->GetQueuedCount(), 0u);
  // Destroying it frees what is queued and takes it off the POA.
}

TEST_F(Streams, DestroyingTheCallbackMidStreamIsSafe) {
  testing::Control()->setBatchSize(10);
  testing::Control()->setBatchDelay(5);
  for (int i = 0; i < 5; ++i) {
    auto cb = Start(0);
    std::this_thread::sleep_for(milliseconds(15 * i));
  }
  // The server noticed the vanished callbacks and still answers.
  auto cb = Start(0);
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  EXPECT_EQ(cb->GetReceived(), 250u);
}

// Holds the first delivery until released; counts what arrives once the
// callback object is being destroyed.
struct Holding : base::VCallbackObserver {
  std::mutex mutex;
  std::condition_variable changed;
  bool inside = false;
  bool released = false;
  std::atomic<bool> destroying{false};
  std::atomic<unsigned> late{0};
  void OnData(unsigned) override {
    if (destroying) ++late;
    std::unique_lock<std::mutex> lock(mutex);
    inside = true;
    changed.notify_all();
    changed.wait(lock, [this] { return released; });
  }
  void OnFinished(unsigned) override {
    if (destroying) ++late;
  }
  void OnException(base::VException*) override {
    if (destroying) ++late;
  }
  bool WaitInside() {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, kEnd, [this] { return inside; });
  }
  void Release() {
    std::lock_guard<std::mutex> lock(mutex);
    released = true;
    changed.notify_all();
  }
};

// The application deletes its callback object while a batch is being
// delivered: deletion waits for that batch, later batches reach nothing of
// it, and the server's stream ends without harm.
TEST_F(Streams, DeletionDuringADeliveryWaitsAndLaterBatchesAreTurnedAway) {
  testing::Control()->setBatchSize(10);
  testing::Control()->setBatchDelay(20);  // time to attach before the first batch
  Holding holding;
  auto cb = Start(0);
  cb->SetObserver(&holding);
  TestRecord::Callback::Reference ref = cb->_this();
  com::ostrel::serverbase::query::AllCallback_var keep = ref;
  ASSERT_TRUE(holding.WaitInside());

  std::atomic<bool> deleted{false};
  std::thread deleter([&] {
    holding.destroying = true;
    cb.reset();
    deleted = true;
  });
  std::this_thread::sleep_for(milliseconds(100));
  EXPECT_FALSE(deleted) << "deletion did not wait for the delivery in progress";
  holding.Release();
  deleter.join();

  // A call on the old reference reaches nothing of the deleted object: the
  // POA refuses it, or, while it still finishes deactivating, the closed
  // gate turns it away.
  try {
    keep->finished();
  } catch (CORBA::OBJECT_NOT_EXIST const&) {
  }
  std::this_thread::sleep_for(milliseconds(200));  // the server's next batch
  EXPECT_EQ(holding.late.load(), 0u);

  auto next = Start(0);
  ASSERT_TRUE(next->WaitForEnd(kEnd));
  EXPECT_EQ(next->GetReceived(), 250u);
}

TEST_F(Streams, AFailingStartRaisesAndLeavesNoCallback) {
  InjectFault("getActiveTestRecordsCB", ref::RAISE_ACCESS_DENIED, L"not yours");
  try {
    Start(0);
    FAIL();
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"not yours");
    EXPECT_EQ(e.GetCode(), base::VException::kAccessDenied);
  }
}

TEST_F(Streams, ReportLinesKeepCharactersOutsideTheBmp) {
  std::unique_ptr<TestRecord::ReportCallback> cb(TestRecord::CreateTestReport("C-1", 40));
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  ASSERT_EQ(cb->GetReceived(), 40u);
  std::unique_ptr<base::VString> first(cb->Take());
  EXPECT_EQ(first->str(), L"line 1 of report C-1 \U0001D518\U0001F0A1");
}

TEST_F(Streams, ReportLimitComesFromTheSettings) {
  // The tests run with [Callback] MaxHits = 250.
  std::unique_ptr<TestRecord::ReportCallback> cb(TestRecord::CreateTestReport("C-1", 400));
  ASSERT_TRUE(cb->WaitForEnd(kEnd));
  EXPECT_EQ(cb->GetMaxHits(), 250u);
  EXPECT_EQ(cb->GetReceived(), 250u);
  EXPECT_TRUE(cb->IsStopped());
}

}  // namespace

namespace testing {
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StandardRecord);
}  // namespace testing

}  // namespace ostrel
