// What end-to-end tests of record kinds share: a fixture that resets the
// server before each test, small helpers, and a typed suite of the standard
// record behaviour that a kind enables with a traits block:
//
//   struct DismissalKind {
//     using Record = EEDismissal;
//     static constexpr char kSet[] = "setDismissal";        // a Commit of a stored record
//     static constexpr char kDelete[] = "deleteDismissal";  // "" when Delete sends nothing
//     static constexpr Failure kFailedCommit = Failure::kReset;
//     static constexpr Failure kFailedDelete = Failure::kReset;
//     // A new, committable record of employee `oid`; `mark` is a value of one
//     // of its fields that a test can change and read back.
//     static Record New(std::string const& oid, int mark);
//     static int Mark(Record const& r);
//     static void SetMark(Record& r, int mark);
//     // Optional parts; a kind leaves out what it does not have.
//     static auto AllHistory(std::string const& oid);  // list of the employee's periods
//     static auto Stream(unsigned max_hits);          // streamed query of every record
//     static auto EmployeeCopy(std::string const& oid, base::VDate const& valid_from);
//   };
//   namespace testing {  // the macro finds the suite's names only from here
//   INSTANTIATE_TYPED_TEST_SUITE_P(Dismissal, StandardRecord, ::testing::Types<DismissalKind>);
//   }
//
// The suite covers what every kind must do alike; a kind's own tests cover
// only what sets it apart.
#ifndef OSTREL_TESTS_SUPPORT_RECORD_SUITE_H_
#define OSTREL_TESTS_SUPPORT_RECORD_SUITE_H_

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <type_traits>
#include <vector>

#include "employee/employee.h"
#include "ownership.h"
#include "reference_server.h"
#include "vexception.h"

namespace ostrel {
namespace testing {

namespace ref = com::ostrel::reference;
using Args = std::vector<std::wstring>;

// Every test starts from a clean server: seeded data only, no faults, an
// empty call log.
class RecordTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetServer(); }
};

// An employee's short view that names only the employee.
inline EmployeeShort Employee(std::string const& oid) {
  EmployeeShort e;
  e.SetObjectid(oid);
  return e;
}

inline std::wstring Wide(std::string const& s) { return std::wstring(s.begin(), s.end()); }

// Takes a list result and maps each record through `f`.
template <class R, class F>
auto Map(std::vector<R*>* result, F f) {
  std::vector<std::decay_t<decltype(f(std::declval<R const&>()))>> out;
  for (auto const& r : TakeOwnership(result)) out.push_back(f(*r));
  return out;
}

// What a failed remote operation leaves in the object.
enum class Failure {
  kReset,  // the last saved value
  kKeep,   // the unsaved changes
};

template <class Kind>
class StandardRecord : public RecordTest {};

TYPED_TEST_SUITE_P(StandardRecord);

namespace suite_detail {
template <class K, class = void>
struct HasAllHistory : std::false_type {};
template <class K>
struct HasAllHistory<K, std::void_t<decltype(K::AllHistory(std::string()))>> : std::true_type {};
template <class K, class = void>
struct HasStream : std::false_type {};
template <class K>
struct HasStream<K, std::void_t<decltype(K::Stream(1u))>> : std::true_type {};
template <class K, class = void>
struct HasEmployeeCopy : std::false_type {};
template <class K>
struct HasEmployeeCopy<
    K, std::void_t<decltype(K::EmployeeCopy(std::string(), base::VDate(-1, -1, -1)))>>
    : std::true_type {};
}  // namespace suite_detail

// A failed Commit of a stored record raises the server's message and
// leaves the object as the kind's rule says.
TYPED_TEST_P(StandardRecord, FailedCommitRaisesTheMessageAndFollowsItsRule) {
  using K = TypeParam;
  auto r = K::New("EMP-1", 11);
  r.Commit();
  K::SetMark(r, 12);
  InjectFault(K::kSet, ref::RAISE_DOMAIN, L"refused \U0001F0A1 by rule");
  try {
    r.Commit();
    FAIL() << "Commit must raise";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"refused \U0001F0A1 by rule");
    EXPECT_EQ(e.GetCode(), base::VException::kDomain);
  }
  EXPECT_EQ(K::Mark(r), K::kFailedCommit == Failure::kReset ? 11 : 12);
  EXPECT_FALSE(r.IsNew());

  // A server that cannot be reached is a failure like any other.
  InjectFault(K::kSet, ref::RAISE_SYSTEM);
  K::SetMark(r, 13);
  EXPECT_THROW(r.Commit(), base::VException);
  EXPECT_EQ(K::Mark(r), K::kFailedCommit == Failure::kReset ? 11 : 13);
}

// A failed Delete raises the server's message and leaves the object as the
// kind's rule says; a Delete that sends nothing never fails.
TYPED_TEST_P(StandardRecord, FailedDeleteRaisesTheMessageAndFollowsItsRule) {
  using K = TypeParam;
  auto r = K::New("EMP-1", 21);
  r.Commit();
  K::SetMark(r, 22);
  if (std::string(K::kDelete).empty()) {
    ref::ControlServant_var(Control())->clearCalls();
    r.Delete();
    EXPECT_TRUE(Calls().empty()) << "Delete reached the server";
    EXPECT_EQ(K::Mark(r), 22);
    return;
  }
  InjectFault(K::kDelete, ref::RAISE_PERSISTENCY, L"still in use");
  try {
    r.Delete();
    FAIL() << "Delete must raise";
  } catch (base::VException const& e) {
    EXPECT_EQ(e.GetMessage(), L"still in use");
    EXPECT_EQ(e.GetCode(), base::VException::kPersistency);
  }
  EXPECT_EQ(K::Mark(r), K::kFailedDelete == Failure::kReset ? 21 : 22);
}

// The history of one employee holds that employee's records only, as stored.
TYPED_TEST_P(StandardRecord, HistoryHoldsTheEmployeesRecords) {
  using K = TypeParam;
  if constexpr (suite_detail::HasAllHistory<K>::value) {
    K::New("EMP-1", 31).Commit();
    K::New("EMP-2", 32).Commit();
    auto marks = Map(K::AllHistory("EMP-2"), [](auto const& r) { return K::Mark(r); });
    EXPECT_EQ(marks, std::vector<int>{32});
  } else {
    GTEST_SKIP() << "no history query";
  }
}

// A streamed query delivers what the list would, and stops at the limit.
TYPED_TEST_P(StandardRecord, StreamDeliversUpToTheLimit) {
  using K = TypeParam;
  if constexpr (suite_detail::HasStream<K>::value) {
    K::New("EMP-1", 41).Commit();
    K::New("EMP-2", 42).Commit();
    K::New("EMP-3", 43).Commit();
    auto all = TakeOwnership(K::Stream(0));
    ASSERT_TRUE(all->WaitForEnd(std::chrono::seconds(10)));
    EXPECT_FALSE(all->IsFailed());
    EXPECT_EQ(TakeOwnership(all->TakeAll()).size(), 3u);

    auto two = TakeOwnership(K::Stream(2));
    ASSERT_TRUE(two->WaitForEnd(std::chrono::seconds(10)));
    EXPECT_EQ(TakeOwnership(two->TakeAll()).size(), 2u);
  } else {
    GTEST_SKIP() << "no streamed query";
  }
}

// Copies for a new employee are new records with the stored values.
TYPED_TEST_P(StandardRecord, EmployeeCopiesAreNewRecords) {
  using K = TypeParam;
  if constexpr (suite_detail::HasEmployeeCopy<K>::value) {
    K::New("EMP-2", 51).Commit();
    auto copies = TakeOwnership(K::EmployeeCopy("EMP-2", base::VDate(1, 6, 2026)));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_TRUE(copies[0]->IsNew());
    EXPECT_EQ(K::Mark(*copies[0]), 51);
  } else {
    GTEST_SKIP() << "no employee copy";
  }
}

REGISTER_TYPED_TEST_SUITE_P(StandardRecord, FailedCommitRaisesTheMessageAndFollowsItsRule,
                            FailedDeleteRaisesTheMessageAndFollowsItsRule,
                            HistoryHoldsTheEmployeesRecords, StreamDeliversUpToTheLimit,
                            EmployeeCopiesAreNewRecords);

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_SUPPORT_RECORD_SUITE_H_
