// The test record module beside its IDL: the servant's name. What follows from
// the IDL itself (wire texts, fields, operations) is generated into
// testrecord_idl.h.
#ifndef OSTREL_TESTS_IDL_TESTRECORD_KIND_H_
#define OSTREL_TESTS_IDL_TESTRECORD_KIND_H_

#include "testrecord_idl.h"

namespace ostrel {

namespace testrecord = com::ostrel::personnel::domain::employee::testrecord;

struct TestRecordService {
  using Servant = testrecord::TestRecordServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.testrecord.TestRecordServantImpl";
};

}  // namespace ostrel

#endif  // OSTREL_TESTS_IDL_TESTRECORD_KIND_H_
