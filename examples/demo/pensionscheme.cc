// A company pension scheme committed through the list the application shows.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "statutory/pensionscheme.h"
#include "walk.h"

namespace demo {
namespace {

// Two copies of one record: the one that commits second is out of date.
void ShowSchemes(char const* what,
                 std::vector<std::unique_ptr<ostrel::EEPensionScheme>> const& list) {
  std::cout << what << list.size() << "\n";
  for (auto const& s : list) {
    ostrel::EEPensionSchemeTP tp = s->GetHistory();
    std::cout << "  " << s->GetObjectid() << " v" << s->GetVersion() << ": membership "
              << tp.GetMembershipNumber() << ", employer pays " << tp.GetDuesERpaysAsCtPay().ToIdl()
              << " a month, valid from " << Date(s->GetInternalValidFrom()) << "\n";
  }
}

// A pension scheme's writes answer the list the application shows: here the
// schemes of company C-1, by personnel number.
void EnterPensionScheme(Walk& walk) {
  std::string const oid_employee = "EMP-1";
  ostrel::EEPensionScheme scheme;
  ostrel::EEPensionSchemeRoot root = scheme.GetRoot();
  ostrel::EmployeeShort employee;
  employee.SetObjectid(oid_employee);
  root.SetEe(employee);
  scheme.SetRoot(root);
  ostrel::EEPensionSchemeTP tp = scheme.GetHistory();
  tp.SetDateOfEntry(VDate(1, 3, 2026));
  tp.SetMembershipNumber("BV-20260401");
  ostrel::personnel::Interval monthly(true);
  tp.SetErExpensesPays(monthly);
  tp.SetDuesERpaysAsCtPay(VFixed("100.00"));
  scheme.SetHistory(tp);
  scheme.SetValidFrom(VDate(1, 3, 2026));

  ostrel::EEPensionSchemeFilter company;
  company.SetOidPCompany("C-1");
  std::vector<ostrel::EEPensionSchemeFilter*> filters{&company};
  Sortierung by_pnr;
  by_pnr.AddKey("personnelNumber");
  auto none = TakeOwnership(scheme.Commit(&filters, by_pnr));
  std::cout << "pension scheme " << scheme.GetObjectid() << " created for " << oid_employee
            << " (the answer to a create is no list: " << none.size() << ")\n";

  tp = scheme.GetHistory();
  tp.SetDuesERpaysAsCtPay(VFixed("125.00"));
  scheme.SetHistory(tp);
  std::string const advice = scheme.CheckForAdvice();
  std::cout << "  advice before saving: " << (advice.empty() ? "none" : advice) << "\n";
  ShowSchemes("  after raising the employer's share, the list shows ",
              TakeOwnership(scheme.Commit(&filters, by_pnr)));
  walk.Touch("pension scheme", "Commit (create, listed set), CheckForAdvice",
             scheme.GetObjectid() + " v" + std::to_string(scheme.GetVersion()));
}

Register scheme(200, EnterPensionScheme);

}  // namespace
}  // namespace demo
