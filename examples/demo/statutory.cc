// The statutory records in force, one list query per kind.
#include <iostream>
#include <string>
#include <vector>

#include "ownership.h"
#include "statutory/accidentinsurancefund.h"
#include "statutory/deuvdskk.h"
#include "statutory/dismissal.h"
#include "statutory/insurance.h"
#include "statutory/pensionfunds.h"
#include "statutory/tax.h"
#include "walk.h"

namespace demo {
namespace {

// Lists one kind's active records with an empty selection (everything) and
// notes how many there are.
template <class Record, class Filter>
void Note(Walk& walk, std::string const& kind, std::string const& operation,
          std::vector<Record*>* (*list)(std::vector<Filter*> const*,
                                        ostrel::base::Sortierung const&)) {
  std::vector<Filter*> every;
  ostrel::base::Sortierung unsorted;
  auto const rows = TakeOwnership(list(&every, unsorted));
  std::cout << "  " << kind << ": " << rows.size() << "\n";
  walk.Touch(kind, operation, std::to_string(rows.size()) + " active");
}

void ReadStatutoryRecords(Walk& walk) {
  std::cout << "statutory records in force:\n";
  Note(walk, "tax", "GetActiveTax", &ostrel::EETax::GetActiveTax);
  Note(walk, "insurance", "GetActiveInsurances", &ostrel::EEInsurance::GetActiveInsurances);
  Note(walk, "accident insurance fund", "GetActiveEEAccidentInsuranceFunds",
       &ostrel::EEAccidentInsuranceFund::GetActiveEEAccidentInsuranceFunds);
  Note(walk, "ZVK", "GetActiveEEZVKs", &ostrel::EEZVK::GetActiveEEZVKs);
  Note(walk, "VBLU", "GetActiveEEVBLUs", &ostrel::EEVBLU::GetActiveEEVBLUs);
  Note(walk, "dismissal", "GetActiveDismissals", &ostrel::EEDismissal::GetActiveDismissals);
  Note(walk, "DEUV notifications", "GetActiveEEDeuvDskks",
       &ostrel::EEDeuvDskk::GetActiveEEDeuvDskks);
}

Register statutory(290, ReadStatutoryRecords);

}  // namespace
}  // namespace demo
