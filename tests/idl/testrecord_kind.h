// The test record module as the library and the reference server both see
// it: the servant's name and which texts of the received structs hold dates
// and fixed-point numbers.
#ifndef OSTREL_TESTS_IDL_TESTRECORD_KIND_H_
#define OSTREL_TESTS_IDL_TESTRECORD_KIND_H_

#include <tuple>

#include "testrecord.hh"
#include "wire_texts.h"

namespace ostrel {

namespace testrecord = com::ostrel::personnel::domain::employee::testrecord;

struct TestRecordService {
  using Servant = testrecord::TestRecordServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.testrecord.TestRecordServantImpl";
};

template <>
struct WireTexts<testrecord::TestEmployeeStruct> {
  using S = testrecord::TestEmployeeStruct;
  static constexpr auto kMembers = std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"});
};
template <>
struct WireTexts<testrecord::TestRecordRootStruct> {
  using S = testrecord::TestRecordRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
template <>
struct WireTexts<testrecord::TestRecordTPStruct> {
  using S = testrecord::TestRecordTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Fixed<&S::amount>{"amount"}, wire::Date<&S::dueDate>{"dueDate"});
};
template <>
struct WireTexts<testrecord::TestRecordStruct> {
  using S = testrecord::TestRecordStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<testrecord::TestRecordFilterStruct> {
  using S = testrecord::TestRecordFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fromDate>{"fromDate"}, wire::Date<&S::untilDate>{"untilDate"});
};

}  // namespace ostrel

#endif  // OSTREL_TESTS_IDL_TESTRECORD_KIND_H_
