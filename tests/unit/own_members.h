// Checks that every accessor pair of a business object reaches a member of
// its own: a pair that reads or writes a neighbour's member (the usual slip
// in long field lists) shows up as a value read back from the wrong field.
#ifndef OSTREL_TESTS_UNIT_OWN_MEMBERS_H_
#define OSTREL_TESTS_UNIT_OWN_MEMBERS_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vdate.h"
#include "vfixed.h"

namespace ostrel {
namespace testing {

template <class BO, class T>
struct Accessor {
  char const* name;
  T (BO::*get)() const;
  void (BO::*set)(T const&);
};

// Values that differ per index i.
inline std::string TextNo(size_t i) { return "text-" + std::to_string(i); }
inline std::wstring WideNo(size_t i) { return L"wide-" + std::to_wstring(i); }
inline base::VDate DateNo(size_t i) {
  return base::VDate(1 + static_cast<int>(i % 28), 0, 2000 + static_cast<int>(i));
}
inline base::VFixed FixedNo(size_t i) { return base::VFixed((std::to_string(i) + ".25").c_str()); }

inline bool Same(base::VFixed const& a, base::VFixed const& b) { return a.ToIdl() == b.ToIdl(); }
template <class T>
bool Same(T const& a, T const& b) {
  return a == b;
}

// Sets every accessor of the table with a value of its own, then reads them
// all back.
template <class BO, class T, class Make>
void ExpectOwnMembers(std::vector<Accessor<BO, T>> const& table, Make make) {
  BO bo;
  for (size_t i = 0; i < table.size(); ++i) (bo.*table[i].set)(make(i));
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_TRUE(Same((bo.*table[i].get)(), make(i))) << table[i].name;
  }
}

template <class BO>
struct Flag {
  char const* name;
  bool (BO::*get)() const;
  void (BO::*set)(bool);
};

// Sets one flag after the other on a default object: only that one is then
// true (the defaults being false).
template <class BO>
void ExpectOwnFlags(std::vector<Flag<BO>> const& table) {
  for (size_t i = 0; i < table.size(); ++i) {
    BO bo;
    (bo.*table[i].set)(true);
    for (size_t k = 0; k < table.size(); ++k) {
      EXPECT_EQ((bo.*table[k].get)(), k == i)
          << table[i].name << " set, " << table[k].name << " read";
    }
  }
}

}  // namespace testing
}  // namespace ostrel

#endif  // OSTREL_TESTS_UNIT_OWN_MEMBERS_H_
