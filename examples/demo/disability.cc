// A disability started from the record the server prepares.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "statutory/disability.h"
#include "walk.h"

namespace demo {
namespace {

// A new disability starts from the record the server prepares from the
// employee's data.
void EnterDisability(Walk& walk) {
  std::string const oid_employee = "EMP-2";
  ostrel::EEDisability d =
      ostrel::EEDisability::GetStructBeforeCreate(oid_employee, VDate(1, 4, 2026));
  ostrel::DisabilityTP tp = d.GetHistory();
  std::cout << "disability record prepared for " << oid_employee << ": born "
            << Date(tp.GetDateOfBirth()) << ", entered " << Date(tp.GetDateOfEntry())
            << ", valid from " << Date(d.GetInternalValidFrom()) << "\n";
  ostrel::DisabilityRoot root = d.GetRoot();
  root.SetReferenceNoProof("AZ-50-2026");
  d.SetRoot(root);
  tp.SetLevelOfDisability("50");
  tp.SetProofValidFrom(VDate(15, 3, 2026));
  tp.SetProofValidUntil(VDate(31, 2, 2031));
  d.SetHistory(tp);
  d.Commit();
  std::cout << "  stored as " << d.GetObjectid() << " v" << d.GetVersion() << ", level "
            << d.GetHistory().GetLevelOfDisability() << ", proof valid "
            << Date(d.GetHistory().GetProofValidFrom()) << " - "
            << Date(d.GetHistory().GetProofValidUntil()) << "\n";
  walk.Touch("disability", "GetStructBeforeCreate, Commit (create)",
             d.GetObjectid() + ", level " + d.GetHistory().GetLevelOfDisability());
}

Register disability(210, EnterDisability);

}  // namespace
}  // namespace demo
