// The per-employee statutory servants check every date, amount and time
// stamp they receive before anything else: every operation that receives a
// struct gets it through the raw stub with one declared text malformed at a
// time.
#include <gtest/gtest.h>

#include <iostream>
#include <string>

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

using testing::One;
using testing::ProbeWireTexts;
using testing::RawToken;

class StatutoryWireTexts : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }
  static void TearDownTestSuite() {
    std::cout << "wire-text probes sent: " << testing::ProbeCount() << "\n";
  }
  com::ostrel::serverbase::query::SortierungStruct const sort_{};
};

TEST_F(StatutoryWireTexts, Tax) {
  auto s = Remote<TaxService>::Access();
  using T = tax::TaxStruct;
  using F = tax::EETaxFilterStruct;
  ProbeWireTexts("createTax", T{},
                 [&](T const& v) { tax::EETaxStruct_var r = s->createTax(RawToken(), v); });
  ProbeWireTexts("addTax", T{},
                 [&](T const& v) { tax::EETaxStruct_var r = s->addTax(RawToken(), v, true); });
  ProbeWireTexts("setTax", T{},
                 [&](T const& v) { tax::EETaxStruct_var r = s->setTax(RawToken(), v, false); });
  ProbeWireTexts("getMigrationEmployee", tax::EETaxStruct{}, [&](tax::EETaxStruct const& v) {
    tax::EETaxStruct_var r = s->getMigrationEmployee(RawToken(), v);
  });
  ProbeWireTexts("getActiveTax", F{}, [&](F const& f) {
    tax::EETaxSeq_var r = s->getActiveTax(RawToken(), One<tax::EETaxFilterSeq>(f), sort_);
  });
  // The texts are checked before the missing callback is noticed.
  ProbeWireTexts("getActiveTaxCB", F{}, [&](F const& f) {
    s->getActiveTaxCB(RawToken(), One<tax::EETaxFilterSeq>(f), sort_,
                      tax::EETaxStructCallback::_nil());
  });
}

TEST_F(StatutoryWireTexts, Insurance) {
  auto s = Remote<InsuranceService>::Access();
  using In = insurance::EEInsuranceStruct;
  using InVar = insurance::EEInsuranceStruct_var;
  using F = insurance::EEInsuranceFilterStruct;
  ProbeWireTexts("createInsurance", In{},
                 [&](In const& v) { InVar r = s->createInsurance(RawToken(), v); });
  ProbeWireTexts("addInsurance", In{},
                 [&](In const& v) { InVar r = s->addInsurance(RawToken(), v, true, false); });
  ProbeWireTexts("setInsurance", In{},
                 [&](In const& v) { InVar r = s->setInsurance(RawToken(), v, false, true); });
  ProbeWireTexts("getMigrationEmployee", In{},
                 [&](In const& v) { InVar r = s->getMigrationEmployee(RawToken(), v); });
  ProbeWireTexts("getConfirmBeforeSave", In{}, [&](In const& v) {
    CORBA::String_var r = s->getConfirmBeforeSave(RawToken(), v);
  });
  ProbeWireTexts("getActiveInsurance", F{}, [&](F const& f) {
    insurance::EEInsuranceSeq_var r =
        s->getActiveInsurance(RawToken(), One<insurance::EEInsuranceFilterSeq>(f), sort_);
  });
  ProbeWireTexts("getActiveInsuranceCB", F{}, [&](F const& f) {
    s->getActiveInsuranceCB(RawToken(), One<insurance::EEInsuranceFilterSeq>(f), sort_,
                            insurance::EEInsuranceStructCallback::_nil());
  });
}

TEST_F(StatutoryWireTexts, ZVK) {
  auto s = Remote<EEZVKService>::Access();
  using R = zvk::EEZVKStruct;
  using F = zvk::EEZVKFilterStruct;
  ProbeWireTexts("createEEZVK", R{},
                 [&](R const& v) { zvk::EEZVKStruct_var r = s->createEEZVK(RawToken(), v); });
  ProbeWireTexts("addEEZVK", R{},
                 [&](R const& v) { zvk::EEZVKStruct_var r = s->addEEZVK(RawToken(), v, false); });
  ProbeWireTexts("setEEZVK", R{},
                 [&](R const& v) { zvk::EEZVKStruct_var r = s->setEEZVK(RawToken(), v, true); });
  ProbeWireTexts("deleteEEZVK", R{}, [&](R const& v) { s->deleteEEZVK(RawToken(), v); });
  ProbeWireTexts("getActiveEEZVKs", F{}, [&](F const& f) {
    zvk::EEZVKSeq_var r = s->getActiveEEZVKs(RawToken(), One<zvk::EEZVKFilterSeq>(f), sort_);
  });
  ProbeWireTexts("getActiveEEZVKsCB", F{}, [&](F const& f) {
    s->getActiveEEZVKsCB(RawToken(), One<zvk::EEZVKFilterSeq>(f), sort_,
                         zvk::EEZVKStructCallback::_nil());
  });
}

TEST_F(StatutoryWireTexts, VBLU) {
  auto s = Remote<EEVBLUService>::Access();
  using R = vblu::EEVBLUStruct;
  using F = vblu::EEVBLUFilterStruct;
  ProbeWireTexts("createEEVBLU", R{},
                 [&](R const& v) { vblu::EEVBLUStruct_var r = s->createEEVBLU(RawToken(), v); });
  ProbeWireTexts("addEEVBLU", R{},
                 [&](R const& v) { vblu::EEVBLUStruct_var r = s->addEEVBLU(RawToken(), v, true); });
  ProbeWireTexts("setEEVBLU", R{}, [&](R const& v) {
    vblu::EEVBLUStruct_var r = s->setEEVBLU(RawToken(), v, false);
  });
  ProbeWireTexts("deleteEEVBLU", R{}, [&](R const& v) { s->deleteEEVBLU(RawToken(), v); });
  ProbeWireTexts("getActiveEEVBLUs", F{}, [&](F const& f) {
    vblu::EEVBLUSeq_var r = s->getActiveEEVBLUs(RawToken(), One<vblu::EEVBLUFilterSeq>(f), sort_);
  });
  ProbeWireTexts("getActiveEEVBLUsCB", F{}, [&](F const& f) {
    s->getActiveEEVBLUsCB(RawToken(), One<vblu::EEVBLUFilterSeq>(f), sort_,
                          vblu::EEVBLUStructCallback::_nil());
  });
}

TEST_F(StatutoryWireTexts, Dismissal) {
  auto s = Remote<DismissalService>::Access();
  using D = dismissal::DismissalStruct;
  using DVar = dismissal::EEDismissalStruct_var;
  using F = dismissal::EEDismissalFilterStruct;
  ProbeWireTexts("createDismissal", D{},
                 [&](D const& v) { DVar r = s->createDismissal(RawToken(), v); });
  ProbeWireTexts("addDismissal", D{},
                 [&](D const& v) { DVar r = s->addDismissal(RawToken(), v, false); });
  ProbeWireTexts("setDismissal", D{},
                 [&](D const& v) { DVar r = s->setDismissal(RawToken(), v, true); });
  ProbeWireTexts("getActiveDismissal", F{}, [&](F const& f) {
    dismissal::EEDismissalSeq_var r =
        s->getActiveDismissal(RawToken(), One<dismissal::EEDismissalFilterSeq>(f), sort_);
  });
  ProbeWireTexts("getActiveDismissalCB", F{}, [&](F const& f) {
    s->getActiveDismissalCB(RawToken(), One<dismissal::EEDismissalFilterSeq>(f), sort_,
                            dismissal::EEDismissalStructCallback::_nil());
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

// A servant entered through an operation's generated descriptor checks a
// date argument by its IDL type and names it as the IDL does.
TEST_F(StatutoryWireTexts, DateArgumentCheckedByItsDeclaredType) {
  using Op = ops::DismissalServant::getEffectiveDismissalHistory;
  static_assert(Op::kParams[2].kind == idl::Kind::kDate);
  auto s = Remote<DismissalService>::Access();
  try {
    dismissal::EEDismissalSeq_var r =
        s->getEffectiveDismissalHistory(RawToken(), "EMP-1", "31.12.2099");
    ADD_FAILURE() << "accepted";
  } catch (com::ostrel::serverbase::applicationexception::DomainException const& e) {
    std::string const message =
        base::StringConverter::Convert(base::StringConverter::JoinSurrogates(e.message.in()));
    EXPECT_NE(message.find(std::string(Op::kName) + ": " + Op::kParams[2].name + " '31.12.2099'"),
              std::string::npos)
        << message;
  } catch (CORBA::Exception const& e) {
    ADD_FAILURE() << "refused with " << e._name();
  }
}

}  // namespace
}  // namespace ostrel
