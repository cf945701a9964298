// The server refuses any date, amount or time stamp of the pension-scheme
// and notification structs that is not in wire form, naming the operation,
// the member and the text, before it reads anything else.
#include <gtest/gtest.h>

#include <string>

#include "reference_server.h"
#include "remote.h"
#include "statutory/deuvdskk.h"
#include "statutory/pensionscheme.h"
#include "wire_text_probe.h"

namespace ostrel {
namespace {

using testing::ProbeWireTexts;
using testing::RawToken;

class NewStatutoryWireTexts : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }
};

EmployeeShort Employee(std::string const& oid) {
  EmployeeShort e;
  e.SetObjectid(oid);
  return e;
}

TEST_F(NewStatutoryWireTexts, PensionScheme) {
  auto servant = Remote<EEPensionSchemeService>::Access();
  EEPensionScheme scheme;
  scheme.SetRoot([] {
    EEPensionSchemeRoot root;
    root.SetEe(Employee("EMP-1"));
    return root;
  }());
  ProbeWireTexts("createEEPensionScheme", scheme.ToIdl(), [&](auto const& s) {
    pensionscheme::EEPensionSchemeStruct_var answer = servant->createEEPensionScheme(RawToken(), s);
  });
  ProbeWireTexts("checkForAdvice", scheme.ToIdl(), [&](auto const& s) {
    CORBA::String_var answer = servant->checkForAdvice(RawToken(), s, "2026-01-01");
  });
  ProbeWireTexts("getActiveEEPensionSchemes", EEPensionSchemeFilter().ToIdl(), [&](auto const& f) {
    pensionscheme::EEPensionSchemeFilterSeq filters;
    filters.length(1);
    filters[0] = f;
    pensionscheme::EEPensionSchemeSeq_var answer =
        servant->getActiveEEPensionSchemes(RawToken(), filters, base::Sortierung().ToIdl());
  });
}

TEST_F(NewStatutoryWireTexts, Notification) {
  auto servant = Remote<EEDeuvDskkService>::Access();
  EEDeuvDskk notification;
  notification.SetRoot([] {
    EEDeuvDskkRoot root;
    root.SetEmployeeShort(Employee("EMP-1"));
    return root;
  }());
  ProbeWireTexts("createEEDeuvDskk", notification.ToIdl(), [&](auto const& s) {
    deuvdskk::EEDeuvDskkStruct_var answer = servant->createEEDeuvDskk(RawToken(), s);
  });
  ProbeWireTexts("getActiveEEDeuvDskks", EEDeuvDskkFilter().ToIdl(), [&](auto const& f) {
    deuvdskk::EEDeuvDskkFilterSeq filters;
    filters.length(1);
    filters[0] = f;
    deuvdskk::EEDeuvDskkSeq_var answer =
        servant->getActiveEEDeuvDskks(RawToken(), filters, base::Sortierung().ToIdl());
  });
}

}  // namespace
}  // namespace ostrel
