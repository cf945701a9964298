// The per-employee statutory servants check every date, amount and time
// stamp they receive before anything else: each received struct is sent
// through the raw stub with one declared text malformed at a time.
#include <gtest/gtest.h>

#include <iostream>

#include "dismissal_kind.h"
#include "insurance_kind.h"
#include "reference_server.h"
#include "remote.h"
#include "tax_kind.h"
#include "vblu_kind.h"
#include "wire_text_probe.h"
#include "zvk_kind.h"

namespace ostrel {
namespace {

using testing::ProbeWireTexts;
using testing::RawToken;

template <class Seq, class S>
Seq One(S const& s) {
  Seq seq;
  seq.length(1);
  seq[0] = s;
  return seq;
}

class StatutoryWireTexts : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }
  static void TearDownTestSuite() {
    std::cout << "wire-text probes sent: " << testing::ProbeCount() << "\n";
  }
  com::ostrel::serverbase::query::SortierungStruct const sort_{};
};

TEST_F(StatutoryWireTexts, Tax) {
  auto servant = Remote<TaxService>::Access();
  ProbeWireTexts("createTax", tax::TaxStruct{}, [&](tax::TaxStruct const& s) {
    tax::EETaxStruct_var r = servant->createTax(RawToken(), s);
  });
  ProbeWireTexts("getMigrationEmployee", tax::EETaxStruct{}, [&](tax::EETaxStruct const& s) {
    tax::EETaxStruct_var r = servant->getMigrationEmployee(RawToken(), s);
  });
  ProbeWireTexts("getActiveTax", tax::EETaxFilterStruct{}, [&](tax::EETaxFilterStruct const& f) {
    tax::EETaxSeq_var r = servant->getActiveTax(RawToken(), One<tax::EETaxFilterSeq>(f), sort_);
  });
}

TEST_F(StatutoryWireTexts, Insurance) {
  auto servant = Remote<InsuranceService>::Access();
  using In = insurance::EEInsuranceStruct;
  ProbeWireTexts("createInsurance", In{}, [&](In const& s) {
    insurance::EEInsuranceStruct_var r = servant->createInsurance(RawToken(), s);
  });
  ProbeWireTexts("getConfirmBeforeSave", In{}, [&](In const& s) {
    CORBA::String_var r = servant->getConfirmBeforeSave(RawToken(), s);
  });
  ProbeWireTexts("getActiveInsurance", insurance::EEInsuranceFilterStruct{},
                 [&](insurance::EEInsuranceFilterStruct const& f) {
                   insurance::EEInsuranceSeq_var r = servant->getActiveInsurance(
                       RawToken(), One<insurance::EEInsuranceFilterSeq>(f), sort_);
                 });
}

TEST_F(StatutoryWireTexts, PensionFunds) {
  auto z = Remote<EEZVKService>::Access();
  ProbeWireTexts("createEEZVK", zvk::EEZVKStruct{}, [&](zvk::EEZVKStruct const& s) {
    zvk::EEZVKStruct_var r = z->createEEZVK(RawToken(), s);
  });
  ProbeWireTexts("deleteEEZVK", zvk::EEZVKStruct{},
                 [&](zvk::EEZVKStruct const& s) { z->deleteEEZVK(RawToken(), s); });
  ProbeWireTexts("getActiveEEZVKs", zvk::EEZVKFilterStruct{}, [&](zvk::EEZVKFilterStruct const& f) {
    zvk::EEZVKSeq_var r = z->getActiveEEZVKs(RawToken(), One<zvk::EEZVKFilterSeq>(f), sort_);
  });

  auto v = Remote<EEVBLUService>::Access();
  ProbeWireTexts("createEEVBLU", vblu::EEVBLUStruct{}, [&](vblu::EEVBLUStruct const& s) {
    vblu::EEVBLUStruct_var r = v->createEEVBLU(RawToken(), s);
  });
  ProbeWireTexts("deleteEEVBLU", vblu::EEVBLUStruct{},
                 [&](vblu::EEVBLUStruct const& s) { v->deleteEEVBLU(RawToken(), s); });
  ProbeWireTexts("getActiveEEVBLUs", vblu::EEVBLUFilterStruct{},
                 [&](vblu::EEVBLUFilterStruct const& f) {
                   vblu::EEVBLUSeq_var r =
                       v->getActiveEEVBLUs(RawToken(), One<vblu::EEVBLUFilterSeq>(f), sort_);
                 });
}

TEST_F(StatutoryWireTexts, Dismissal) {
  auto servant = Remote<DismissalService>::Access();
  using D = dismissal::DismissalStruct;
  ProbeWireTexts("createDismissal", D{}, [&](D const& s) {
    dismissal::EEDismissalStruct_var r = servant->createDismissal(RawToken(), s);
  });
  ProbeWireTexts("setDismissal", D{}, [&](D const& s) {
    dismissal::EEDismissalStruct_var r = servant->setDismissal(RawToken(), s, false);
  });
  ProbeWireTexts("getActiveDismissal", dismissal::EEDismissalFilterStruct{},
                 [&](dismissal::EEDismissalFilterStruct const& f) {
                   dismissal::EEDismissalSeq_var r = servant->getActiveDismissal(
                       RawToken(), One<dismissal::EEDismissalFilterSeq>(f), sort_);
                 });
}

// Plain arguments that hold dates are checked as well.
TEST_F(StatutoryWireTexts, DateArguments) {
  auto expect_refused = [](char const* what, auto call) {
    SCOPED_TRACE(what);
    EXPECT_THROW(call(), com::ostrel::serverbase::applicationexception::DomainException);
  };
  auto tax = Remote<TaxService>::Access();
  expect_refused("effective", [&] {
    tax::EETaxStruct_var r = tax->getObjectFromObjectId(RawToken(), "EMP-1", "01.02.2026", "");
  });
  expect_refused("valid", [&] {
    tax::EETaxStruct_var r = tax->getObjectFromObjectId(RawToken(), "EMP-1", "", "2026-02-30");
  });
  expect_refused("history", [&] {
    tax::EETaxSeq_var r = tax->getEffectiveTaxHistory(RawToken(), "EMP-1", "1.2.2026");
  });
  expect_refused("copy", [&] {
    tax::EETaxSeq_var r = tax->getTaxsForEmployeeCopy(RawToken(), "EMP-1", "2026/02/01");
  });
  auto ins = Remote<InsuranceService>::Access();
  expect_refused("pensionable",
                 [&] { ins->getPensionable(RawToken(), "EMP-1", "", "01.02.2026"); });
  expect_refused("check box", [&] {
    ins->getCheckBoxNIChildEducationActive(RawToken(), "EMP-1", "01.02.2026");
  });
}

}  // namespace
}  // namespace ostrel
