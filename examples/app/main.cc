// Lists the active employees of a company and the absent times of one of
// them, from the application server named by OSTREL_SERVER (user and
// password from OSTREL_USER and OSTREL_PASSWORD, or the settings file).
//
//   app [company [personnel number]]     default: C-1 and its first employee
//
// Exits with 1 when the server refuses or cannot be reached, with 2 on bad
// arguments or when there is no such active employee.
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "ostrel.h"
#include "ownership.h"
#include "string_converter.h"
#include "time/absenttime.h"

namespace {

using ostrel::TakeOwnership;
using ostrel::base::StringConverter;
using ostrel::base::VDate;

std::string Date(VDate const& d) { return d.IsValid() ? d.c_str() : "-"; }

int Run(std::string const& company, long wanted_pnr) {
  ostrel::base::Ostrel::Instance()->Login();

  ostrel::EmployeeFilter active;  // a new filter selects the active employees
  active.SetOidPCompany(company);
  std::vector<ostrel::EmployeeFilter*> filters{&active};
  ostrel::base::Sortierung by_pnr;
  by_pnr.AddKey("personnelNumber");
  auto employees = TakeOwnership(ostrel::Employee::GetEmployees(&filters, by_pnr));
  std::cout << "active employees of " << company << ": " << employees.size() << "\n";
  long pnr = 0;
  for (auto const& row : employees) {
    ostrel::EmployeeShort e = row->GetEe().GetEeShort();
    std::cout << "  " << e.GetPersonnelNumber() << "  " << e.GetObjectid() << "  "
              << StringConverter::Convert(e.GetSurname()) << ", "
              << StringConverter::Convert(e.GetFirstname()) << "\n";
    bool const wanted = wanted_pnr == 0 || wanted_pnr == e.GetPersonnelNumber();
    if (pnr == 0 && wanted) pnr = e.GetPersonnelNumber();
  }
  if (pnr == 0) {
    std::cerr << "no active employee " << (wanted_pnr ? std::to_string(wanted_pnr) + " " : "")
              << "in " << company << "\n";
    return 2;
  }

  // Personnel numbers are unique within a company only.
  ostrel::EEAbsentTimeFilter of_one;
  of_one.SetOidPCompany(company);
  of_one.SetPnr(pnr);
  of_one.SetAfterJournalized(false);  // the journalized months too
  std::vector<ostrel::EEAbsentTimeFilter*> absent_filters{&of_one};
  auto absences = TakeOwnership(
      ostrel::EEAbsentTime::GetActiveEEAbsentTimes(&absent_filters, ostrel::base::Sortierung()));
  std::cout << "absent times of " << pnr << ": " << absences.size() << "\n";
  for (auto const& a : absences) {
    std::cout << "  " << a->GetRoot().GetOidAbsentTime() << "  "
              << Date(a->GetHistory().GetEffectiveFrom()) << " - "
              << Date(a->GetHistory().GetEffectiveUntil()) << "\n";
  }

  ostrel::base::Ostrel::Instance()->Logout();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3) {
    std::cerr << "usage: app [company [personnel number]]\n";
    return 2;
  }
  std::string const company = argc > 1 ? argv[1] : "C-1";
  long pnr = 0;
  if (argc > 2) {
    char* end = nullptr;
    pnr = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || pnr <= 0) {
      std::cerr << "not a personnel number: " << argv[2] << "\n";
      return 2;
    }
  }
  try {
    return Run(company, pnr);
  } catch (ostrel::base::VException const& e) {
    std::cerr << "app: " << e.what() << "\n";
    return 1;
  }
}
