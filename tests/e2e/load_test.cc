// Several client threads, each with its own business objects, create, update
// and delete records at the same time. Afterwards every record that should
// exist is there with the expected version, and nothing else is: nothing
// lost, nothing duplicated.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "ownership.h"
#include "reference_server.h"
#include "testrecord.h"

namespace ostrel {
namespace {

constexpr int kThreads = 6;
constexpr int kRecordsPerThread = 40;
constexpr int kUpdates = 3;

struct Expected {
  long version;
  std::string key;
};

TEST(Load, ConcurrentClientsLoseNothing) {
  testing::ResetServer();
  std::map<std::string, Expected> expected[kThreads];
  std::atomic<int> failures{0};
  auto const start = std::chrono::steady_clock::now();

  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([t, &expected, &failures] {
      try {
        for (int i = 0; i < kRecordsPerThread; ++i) {
          TestRecord r;
          TestRecordRoot root = r.GetRoot();
          root.SetOidEmployee("EMP-" + std::to_string(t));
          root.SetOidPCompany("C-LOAD");
          root.SetPersonnelNumber(t * 1000 + i);
          root.SetKey("T" + std::to_string(t) + "-" + std::to_string(i));
          r.SetRoot(root);
          r.Commit();
          // Every third record is deleted again, the others updated.
          if (i % 3 == 0) {
            r.Delete();
            continue;
          }
          for (int u = 0; u < kUpdates; ++u) {
            TestRecordTP tp = r.GetHistory();
            tp.SetCount(u + 1);
            r.SetHistory(tp);
            r.Commit();
          }
          expected[t][r.GetObjectid()] = {r.GetVersion(), r.GetRoot().GetKey()};
        }
      } catch (base::VException const& e) {
        ADD_FAILURE() << "thread " << t << ": " << e.what();
        ++failures;
      }
    });
  }
  for (auto& th : threads) th.join();
  auto const elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(failures.load(), 0);

  TestRecordFilter company;
  company.SetOidPCompany("C-LOAD");
  std::vector<TestRecordFilter*> filters{&company};
  auto stored = TakeOwnership(TestRecord::GetActiveTestRecords(&filters, base::Sortierung()));

  std::map<std::string, Expected> all;
  for (auto const& per_thread : expected) all.insert(per_thread.begin(), per_thread.end());
  ASSERT_EQ(stored.size(), all.size());
  for (auto const& r : stored) {
    auto it = all.find(r->GetObjectid());
    ASSERT_NE(it, all.end()) << "unexpected record " << r->GetObjectid();
    EXPECT_EQ(r->GetVersion(), it->second.version);
    EXPECT_EQ(r->GetRoot().GetKey(), it->second.key);
    EXPECT_EQ(r->GetHistory().GetCount(), kUpdates);
    all.erase(it);
  }
  EXPECT_TRUE(all.empty());
  std::printf("load: %d threads, %zu records kept, %d calls, %.2f s\n", kThreads, stored.size(),
              kThreads * kRecordsPerThread * (1 + kUpdates),
              std::chrono::duration<double>(elapsed).count());
}

TEST(Load, LoginWhileOtherThreadsCall) {
  testing::ResetServer();
  std::atomic<bool> stop{false};
  std::atomic<int> calls{0};
  std::atomic<int> refused{0};
  std::vector<std::thread> callers;
  for (int t = 0; t < 3; ++t) {
    callers.emplace_back([&] {
      std::vector<TestRecordFilter*> none;
      while (!stop) {
        try {
          TakeOwnership(TestRecord::GetActiveTestRecords(&none, base::Sortierung()));
          ++calls;
        } catch (base::VException const&) {
          ++refused;  // a call between a logout and the next login
        }
      }
    });
  }
  for (int i = 0; i < 20; ++i) base::Ostrel::Instance()->Login(L"test", L"test");
  stop = true;
  for (auto& th : callers) th.join();
  EXPECT_GT(calls.load(), 0);
  EXPECT_EQ(refused.load(), 0);
}

}  // namespace
}  // namespace ostrel
