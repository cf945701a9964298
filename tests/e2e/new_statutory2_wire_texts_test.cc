// The reference server refuses a date or fixed-point number in any other
// text form, in every struct the accident insurance and disability servants
// receive, naming the operation and the member.
#include <gtest/gtest.h>

#include "reference_server.h"
#include "remote.h"
#include "statutory/accidentinsurancefund.h"
#include "statutory/disability.h"
#include "wire_text_probe.h"

namespace ostrel {
namespace {

using testing::ProbeWireTexts;
using testing::RawToken;

class NewStatutoryWireTexts : public ::testing::Test {
 protected:
  void SetUp() override { testing::ResetServer(); }
};

EmployeeShort Employee(char const* oid) {
  EmployeeShort e;
  e.SetObjectid(oid);
  return e;
}

TEST_F(NewStatutoryWireTexts, AccidentInsuranceFund) {
  auto servant = Remote<EEAccidentInsuranceFundService>::Access();
  EEAccidentInsuranceFund record;
  record.SetRoot(Employee("EMP-1"));
  ProbeWireTexts("createEEAccidentInsuranceFund", record.ToIdl(), [&](auto const& s) {
    delete servant->createEEAccidentInsuranceFund(RawToken(), s);
  });
  ProbeWireTexts("getActiveEEAccidentInsuranceFund", EEAccidentInsuranceFundFilter().ToIdl(),
                 [&](auto const& f) {
                   accidentinsurancefund::EEAccidentInsuranceFundFilterSeq filters;
                   filters.length(1);
                   filters[0] = f;
                   delete servant->getActiveEEAccidentInsuranceFund(RawToken(), filters,
                                                                    base::Sortierung().ToIdl());
                 });
}

TEST_F(NewStatutoryWireTexts, Disability) {
  auto servant = Remote<EEDisabilityService>::Access();
  EEDisability record;
  DisabilityRoot root = record.GetRoot();
  root.SetEmployeeShort(Employee("EMP-1"));
  record.SetRoot(root);
  ProbeWireTexts("createEEDisability", record.ToIdl(),
                 [&](auto const& s) { delete servant->createEEDisability(RawToken(), s); });
  ProbeWireTexts("getActiveEEDisabilities", EEDisabilityFilter().ToIdl(), [&](auto const& f) {
    disability::EEDisabilityFilterSeq filters;
    filters.length(1);
    filters[0] = f;
    delete servant->getActiveEEDisabilities(RawToken(), filters, base::Sortierung().ToIdl());
  });
  // Plain date arguments are checked the same way.
  EXPECT_THROW(delete servant->getStructBeforeCreate(RawToken(), "EMP-1", "01.07.2026"),
               com::ostrel::serverbase::applicationexception::DomainException);
}

}  // namespace
}  // namespace ostrel
