// Every struct the servants of bank details, fixed, variable and scale
// payments receive, sent through the raw stub with one declared date,
// number or time stamp at a time malformed: each must be refused naming the
// operation, the member and the text. The members come from the structs'
// declarations (idl/*_kind.h), so a struct a servant receives without
// passing it to the check, or without a declaration, fails here. Plain
// arguments that hold a date are tried the same way.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "pay/bankdetails.h"
#include "pay/fixedpayment.h"
#include "pay/scalepayment.h"
#include "pay/varpayment.h"
#include "record_suite.h"
#include "reference_server.h"
#include "string_converter.h"
#include "wire_text_probe.h"

namespace ostrel {
namespace {

using testing::ProbeWireTexts;
using testing::RawToken;
namespace ax = com::ostrel::serverbase::applicationexception;

// Reports how many (member, malformed text) pairs were sent in this run.
class ProbeReport : public ::testing::Environment {
 public:
  void TearDown() override { std::printf("wire-text probes sent: %d\n", testing::ProbeCount()); }
};
::testing::Environment* const g_report = ::testing::AddGlobalTestEnvironment(new ProbeReport);

template <class Seq, class Struct>
Seq One(Struct const& s) {
  Seq seq;
  seq.length(1);
  seq[0] = s;
  return seq;
}

// `call` sends "31.12.2099" as the plain argument `member` of `operation`.
template <class Call>
void ExpectDateRefused(char const* operation, char const* member, Call call) {
  SCOPED_TRACE(std::string(operation) + " " + member);
  try {
    call("31.12.2099");
    ADD_FAILURE() << "accepted";
  } catch (ax::DomainException const& e) {
    std::string const message =
        base::StringConverter::Convert(base::StringConverter::JoinSurrogates(e.message.in()));
    EXPECT_EQ(message,
              std::string(operation) + ": " + member + " '31.12.2099' is not a date (YYYY-MM-DD)");
  }
}

com::ostrel::serverbase::query::SortierungStruct Sort() { return base::Sortierung().ToIdl(); }

using PayWireTexts = testing::RecordTest;

TEST_F(PayWireTexts, BankDetails) {
  using R = Remote<EEBankDetailsService>;
  EEBankDetails record;
  BankDetailsRoot root = record.GetRoot();
  root.SetEmployeeShort(testing::Employee("EMP-1"));
  record.SetRoot(root);
  bankdetails::EEBankDetailsStruct const s = record.ToIdl();
  ProbeWireTexts("createEEBankDetails", s, [](auto const& v) {
    bankdetails::EEBankDetailsStruct_var r = R::Access()->createEEBankDetails(RawToken(), v);
  });
  ProbeWireTexts("addEEBankDetails", s, [](auto const& v) {
    bankdetails::EEBankDetailsStruct_var r = R::Access()->addEEBankDetails(RawToken(), v, true);
  });
  ProbeWireTexts("setEEBankDetails", s, [](auto const& v) {
    bankdetails::EEBankDetailsStruct_var r = R::Access()->setEEBankDetails(RawToken(), v, false);
  });
  ProbeWireTexts("getMigrationEmployee", s, [](auto const& v) {
    bankdetails::EEBankDetailsStruct_var r = R::Access()->getMigrationEmployee(RawToken(), v);
  });

  auto const filter = EEBankDetailsFilter().ToIdl();
  using Filters = bankdetails::EEBankDetailsFilterSeq;
  ProbeWireTexts("getActiveEEBankDetails", filter, [](auto const& f) {
    bankdetails::EEBankDetailsSeq_var r =
        R::Access()->getActiveEEBankDetails(RawToken(), One<Filters>(f), Sort());
  });
  ProbeWireTexts("getActiveEEBankDetailsCB", filter, [](auto const& f) {
    R::Access()->getActiveEEBankDetailsCB(RawToken(), One<Filters>(f), Sort(),
                                          bankdetails::EEBankDetailsStructCallback::_nil());
  });

  ExpectDateRefused("getObjectFromObjectId", "effectiveTimePoint", [](char const* d) {
    bankdetails::EEBankDetailsStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "BD-1", d, "");
  });
  ExpectDateRefused("getObjectFromObjectId", "validTimePoint", [](char const* d) {
    bankdetails::EEBankDetailsStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "BD-1", "", d);
  });
  ExpectDateRefused("getEffectiveEEBankDetailsHistory", "EffectiveTimePoint", [](char const* d) {
    bankdetails::EEBankDetailsSeq_var r =
        R::Access()->getEffectiveEEBankDetailsHistory(RawToken(), "EMP-1", d);
  });
  ExpectDateRefused("getBankDetailsForEmployeeCopy", "validFrom", [](char const* d) {
    bankdetails::EEBankDetailsSeq_var r =
        R::Access()->getBankDetailsForEmployeeCopy(RawToken(), "EMP-1", d);
  });
}

TEST_F(PayWireTexts, FixedPayments) {
  using R = Remote<FixedPaymentService>;
  FixedPayment record;
  FixedPaymentRoot root = record.GetRoot();
  root.SetEmployeeShort(testing::Employee("EMP-1"));
  record.SetRoot(root);
  fixedpayment::FixedPaymentStruct const s = record.ToIdl();
  ProbeWireTexts("createFixedPayment", s, [](auto const& v) {
    fixedpayment::FixedPaymentStruct_var r = R::Access()->createFixedPayment(RawToken(), v);
  });
  ProbeWireTexts("addFixedPayment", s, [](auto const& v) {
    fixedpayment::FixedPaymentStruct_var r = R::Access()->addFixedPayment(RawToken(), v, false);
  });
  ProbeWireTexts("setFixedPayment", s, [](auto const& v) {
    fixedpayment::FixedPaymentStruct_var r = R::Access()->setFixedPayment(RawToken(), v, true);
  });

  auto const filter = FixedPaymentFilter().ToIdl();
  using Filters = fixedpayment::FixedPaymentFilterSeq;
  ProbeWireTexts("getActiveFixedPayments", filter, [](auto const& f) {
    fixedpayment::FixedPaymentSeq_var r =
        R::Access()->getActiveFixedPayments(RawToken(), One<Filters>(f), Sort());
  });
  ProbeWireTexts("getActiveFixedPaymentsCB", filter, [](auto const& f) {
    R::Access()->getActiveFixedPaymentsCB(RawToken(), One<Filters>(f), Sort(),
                                          fixedpayment::EEFixedPaymentStructCallback::_nil());
  });

  ExpectDateRefused("getObjectFromObjectId", "effectiveTimePoint", [](char const* d) {
    fixedpayment::FixedPaymentStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "FP-1", d, "");
  });
  ExpectDateRefused("getObjectFromObjectId", "validTimePoint", [](char const* d) {
    fixedpayment::FixedPaymentStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "FP-1", "", d);
  });
  ExpectDateRefused("getEffectiveFixedPaymentHistory", "destinationTimePoint", [](char const* d) {
    fixedpayment::FixedPaymentSeq_var r =
        R::Access()->getEffectiveFixedPaymentHistory(RawToken(), "FP-1", d);
  });
  ExpectDateRefused("getFixedPaymentsForEmployeeCopy", "validFrom", [](char const* d) {
    fixedpayment::FixedPaymentSeq_var r =
        R::Access()->getFixedPaymentsForEmployeeCopy(RawToken(), "EMP-1", d);
  });
  ExpectDateRefused("getEvaEffectiveFixedPaymentHistory", "destinationTimePoint",
                    [](char const* d) {
                      fixedpayment::EvaFixedPaymentSeq_var r =
                          R::Access()->getEvaEffectiveFixedPaymentHistory(RawToken(), "EMP-1", d);
                    });
}

TEST_F(PayWireTexts, VarPayments) {
  using R = Remote<VarPaymentService>;
  VarPayment record;
  VarPaymentRoot root = record.GetVarPaymentRoot();
  root.SetEmployeeShort(testing::Employee("EMP-1"));
  root.SetOidValueType("VT-1000");
  record.SetVarPaymentRoot(root);
  varpayment::VarPaymentStruct const s = record.ToIdl();
  ProbeWireTexts("createVarPayment", s, [](auto const& v) {
    varpayment::VarPaymentStruct_var r = R::Access()->createVarPayment(RawToken(), v, "C-1");
  });
  ProbeWireTexts("setVarPayment", s, [](auto const& v) {
    varpayment::VarPaymentStruct_var r = R::Access()->setVarPayment(RawToken(), v, true, "C-1");
  });
  ProbeWireTexts("checkPreValues", s, [](auto const& v) {
    varpayment::VarPaymentStruct_var r = R::Access()->checkPreValues(RawToken(), v, "C-1");
  });
  ProbeWireTexts("createVarPaymentSeq", s, [](auto const& v) {
    varpayment::VarPaymentSeq_var r =
        R::Access()->createVarPaymentSeq(RawToken(), One<varpayment::VarPaymentSeq>(v), "C-1");
  });

  auto const filter = VarPaymentFilter().ToIdl();
  using Filters = varpayment::VarPaymentFilterSeq;
  ProbeWireTexts("getActiveVarPayments", filter, [](auto const& f) {
    varpayment::VarPaymentSeq_var r =
        R::Access()->getActiveVarPayments(RawToken(), One<Filters>(f), Sort(), "C-1");
  });
  ProbeWireTexts("getActiveVarPaymentsEvaluated", filter, [](auto const& f) {
    varpayment::VarPaymentSeq_var r =
        R::Access()->getActiveVarPaymentsEvaluated(RawToken(), One<Filters>(f), Sort(), "C-1");
  });
  ProbeWireTexts("getActiveVarPaymentsCB", filter, [](auto const& f) {
    R::Access()->getActiveVarPaymentsCB(RawToken(), One<Filters>(f), Sort(),
                                        varpayment::EEVarPaymentStructCallback::_nil(), "C-1");
  });

  ExpectDateRefused("getObjectFromObjectId", "effectiveTimePoint", [](char const* d) {
    varpayment::VarPaymentStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "VAR-1", d, "");
  });
  ExpectDateRefused("getObjectFromObjectId", "validTimePoint", [](char const* d) {
    varpayment::VarPaymentStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "VAR-1", "", d);
  });
  ExpectDateRefused("getEffectiveVarPaymentHistory", "destinationTimePoint", [](char const* d) {
    varpayment::VarPaymentSeq_var r =
        R::Access()->getEffectiveVarPaymentHistory(RawToken(), "VAR-1", d, "C-1");
  });
  ExpectDateRefused("getVarPaymentsForEmployeeCopy", "validFrom", [](char const* d) {
    varpayment::VarPaymentSeq_var r =
        R::Access()->getVarPaymentsForEmployeeCopy(RawToken(), "EMP-1", d);
  });
}

TEST_F(PayWireTexts, ScalePayments) {
  using R = Remote<ScalePaymentService>;
  ScalePayment record;
  ScalePaymentRoot root = record.GetRoot();
  root.SetEmployeeShort(testing::Employee("EMP-1"));
  record.SetRoot(root);
  scalepayment::ScalePaymentStruct const s = record.ToIdl();
  ProbeWireTexts("createScalePayment", s, [](auto const& v) {
    scalepayment::ScalePaymentStruct_var r = R::Access()->createScalePayment(RawToken(), v);
  });
  ProbeWireTexts("addScalePayment", s, [](auto const& v) {
    scalepayment::ScalePaymentStruct_var r = R::Access()->addScalePayment(RawToken(), v, true);
  });
  ProbeWireTexts("setScalePayment", s, [](auto const& v) {
    scalepayment::ScalePaymentStruct_var r = R::Access()->setScalePayment(RawToken(), v, false);
  });

  auto const filter = ScalePaymentFilter().ToIdl();
  ProbeWireTexts("getActiveScalePaymentsCB", filter, [](auto const& f) {
    R::Access()->getActiveScalePaymentsCB(RawToken(), One<scalepayment::ScalePaymentFilterSeq>(f),
                                          Sort(),
                                          scalepayment::EEScalePaymentStructCallback::_nil());
  });

  ExpectDateRefused("getObjectFromObjectId", "effectiveTimePoint", [](char const* d) {
    scalepayment::ScalePaymentStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "SP-1", d, "");
  });
  ExpectDateRefused("getObjectFromObjectId", "validTimePoint", [](char const* d) {
    scalepayment::ScalePaymentStruct_var r =
        R::Access()->getObjectFromObjectId(RawToken(), "SP-1", "", d);
  });
  ExpectDateRefused("getEffectiveScalePaymentHistory", "destinationTimePoint", [](char const* d) {
    scalepayment::ScalePaymentSeq_var r =
        R::Access()->getEffectiveScalePaymentHistory(RawToken(), "SP-1", d);
  });
  ExpectDateRefused("getScalePaymentsForEmployeeCopy", "validFrom", [](char const* d) {
    scalepayment::ScalePaymentSeq_var r =
        R::Access()->getScalePaymentsForEmployeeCopy(RawToken(), "EMP-1", d);
  });
  // The development's time point is a date's wire text like every other.
  ExpectDateRefused("getScalePaymentDevelopments", "effectiveTimePoint", [](char const* d) {
    scalepayment::ScalePaymentDevelopmentSeq_var r =
        R::Access()->getScalePaymentDevelopments(RawToken(), scalepayment::StringSeq(), d, true);
  });
}

}  // namespace

// This binary runs no kind through the standard suite.
namespace testing {
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(StandardRecord);
}  // namespace testing
}  // namespace ostrel
