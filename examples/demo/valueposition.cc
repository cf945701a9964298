// The results of the last calculation: the value positions of one employee
// and, for the first of them, the positions that caused it.
#include <iostream>
#include <string>
#include <vector>

#include "calculation/valueposition.h"
#include "ownership.h"
#include "walk.h"

namespace demo {
namespace {

void ReadValuePositions(Walk& walk) {
  std::string const oid_employee = "EMP-1";
  auto const positions = TakeOwnership(ostrel::EEValuePosition::GetValuePositionsEE(
      oid_employee, VDate(1, 1, 2024), VDate(29, 2, 2024)));
  std::cout << "employee value positions of " << oid_employee
            << " in January and February 2024: " << positions.size() << "\n";
  for (auto const& p : positions) {
    std::cout << "  " << p->GetValueTypeKey() << " " << U8(p->GetShortDescription()) << ": "
              << p->GetResult().ToIdl() << "\n";
  }
  std::string result = std::to_string(positions.size()) + " positions";
  std::string operations = "GetValuePositionsEE";
  if (!positions.empty()) {
    auto const causers = TakeOwnership(ostrel::EEValuePosition::GetCausersOfValuePosition(
        *positions.front(), VDate(1, 1, 2024), VDate(29, 2, 2024)));
    operations += ", GetCausersOfValuePosition";
    result += ", " + std::to_string(causers.size()) + " causer(s) of the first";
  }
  walk.Touch("value positions", operations, result);
}

Register value_positions(510, ReadValuePositions);

}  // namespace
}  // namespace demo
