// Nested vectors and the error list: who owns what, and when the error count
// changes.
#include "nested.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace ostrel {
namespace {

using ErrorSeq = ErrorList::ErrorSeq;

std::vector<personnel::Error*> MakeErrors(int n) {
  std::vector<personnel::Error*> v;
  for (int i = 0; i < n; ++i) {
    auto* e = new personnel::Error;
    e->SetErrorCode(100 + i);
    v.push_back(e);
  }
  return v;
}

void Free(std::vector<personnel::Error*> const& v) {
  for (auto* e : v) delete e;
}

TEST(ErrorList, CountFollowsTheLastReadingOnly) {
  ErrorList list;
  ErrorSeq seq;
  EXPECT_EQ(list.Count(), 0);
  auto errors = MakeErrors(3);
  ErrorList::Set(seq, &errors);
  EXPECT_EQ(list.Count(), 0);  // setting does not count
  std::unique_ptr<std::vector<personnel::Error*>> got(list.Get(seq));
  EXPECT_EQ(list.Count(), 3);
  ASSERT_EQ(got->size(), 3u);
  EXPECT_EQ((*got)[2]->GetErrorCode(), 102);
  // The returned objects are copies: changing them leaves the record alone.
  (*got)[0]->SetErrorCode(7);
  EXPECT_EQ(seq[0].errorCode, 100);
  Free(*got);
  Free(errors);
}

TEST(ErrorList, NullEmptiesTheSequence) {
  ErrorList list;
  ErrorSeq seq;
  auto errors = MakeErrors(2);
  ErrorList::Set(seq, &errors);
  ErrorList::Set(seq, nullptr);
  EXPECT_EQ(seq.length(), 0u);
  std::unique_ptr<std::vector<personnel::Error*>> got(list.Get(seq));
  EXPECT_TRUE(got->empty());
  EXPECT_EQ(list.Count(), 0);
  Free(errors);
}

}  // namespace
}  // namespace ostrel
