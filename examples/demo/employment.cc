// An employee's employment periods, the reasons of entry the company
// offers, and the next personnel number still free.
#include <iostream>
#include <string>
#include <vector>

#include "employee/employment.h"
#include "employee/entry.h"
#include "ownership.h"
#include "walk.h"

namespace demo {
namespace {

void ReadEmployment(Walk& walk) {
  std::string const oid_employee = "EMP-1";
  auto const periods = TakeOwnership(ostrel::EEEmployment::GetAllEmploymentHistory(oid_employee));
  std::cout << "employment periods of " << oid_employee << ": " << periods.size() << "\n";
  for (auto const& p : periods) {
    std::cout << "  " << p->GetObjectid() << " valid " << Date(p->GetInternalValidFrom()) << "\n";
  }
  walk.Touch("employment", "GetAllEmploymentHistory",
             std::to_string(periods.size()) + " period(s) of " + oid_employee);
}

void OfferEntry(Walk& walk) {
  std::vector<ostrel::EntryReasonFilter*> every;
  ostrel::base::Sortierung unsorted;
  auto const reasons = TakeOwnership(ostrel::EntryReason::GetActiveEntryReasons(&every, unsorted));
  std::cout << "reasons of entry on offer: " << reasons.size() << "\n";
  walk.Touch("entry reasons", "GetActiveEntryReasons", std::to_string(reasons.size()) + " active");

  long const next = ostrel::Entry::GetNextNotUsedPersonnelnumber("C-1", 1000);
  std::cout << "next free personnel number of C-1 from 1000: " << next << "\n";
  walk.Touch("entry", "GetNextNotUsedPersonnelnumber", std::to_string(next));
}

Register employment(120, ReadEmployment);
Register entry(130, OfferEntry);

}  // namespace
}  // namespace demo
