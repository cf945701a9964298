// A base salary and a raise, and the evaluation view payroll works with.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "pay/fixedpayment.h"
#include "walk.h"

namespace demo {
namespace {

void SetSalary(ostrel::FixedPayment& p, char const* amount) {
  ostrel::FixedPaymentTP tp = p.GetHistory();
  tp.SetFactor1(VFixed(amount));
  tp.SetFactor2(VFixed(1));
  tp.SetResult(VFixed(amount));
  p.SetHistory(tp);
}

// A base salary from March 2024 and a raise from July: a new valid-from date
// adds a period instead of overwriting the first.
void EnterFixedPayment(Walk& walk) {
  ostrel::FixedPayment salary;
  ostrel::FixedPaymentRoot root = salary.GetRoot();
  ostrel::EmployeeShort e = root.GetEmployeeShort();
  e.SetObjectid("EMP-1");
  root.SetEmployeeShort(e);
  root.SetOidValueType("VT-1000");  // base salary
  salary.SetRoot(root);
  SetSalary(salary, "4250.00");
  salary.SetEffectiveFrom(VDate(1, 2, 2024));
  salary.SetValidFrom(VDate(1, 2, 2024));
  salary.Commit();
  SetSalary(salary, "4400.00");
  salary.SetEffectiveFrom(VDate(1, 6, 2024));
  salary.SetValidFrom(VDate(1, 6, 2024));
  salary.Commit();
  auto periods =
      TakeOwnership(ostrel::FixedPayment::GetAllFixedPaymentHistory(salary.GetObjectid()));
  std::cout << "fixed payment " << salary.GetObjectid() << " of EMP-1 v" << salary.GetVersion()
            << ", " << periods.size() << " periods\n";

  // The evaluation view: what payroll works with, by the employee's id.
  auto rows = TakeOwnership(ostrel::FixedPayment::GetEvaAllFixedPaymentHistory("EMP-1"));
  for (auto const& r : rows) {
    ostrel::personnel::TimePeriod period = r->GetTimePeriod();
    std::cout << "  " << r->GetVTypeKey() << " " << r->GetDescription() << ": "
              << r->GetFactor1().ToIdl() << " x " << r->GetFactor2().ToIdl() << " = "
              << r->GetResult().ToIdl() << ", valid " << Date(period.GetInternalValidFrom())
              << " - " << Date(period.GetValidUntil()) << "\n";
  }
  walk.Touch("fixed payments",
             "Commit (create, add), GetAllFixedPaymentHistory, GetEvaAllFixedPaymentHistory",
             std::to_string(periods.size()) + " periods, " + std::to_string(rows.size()) +
                 " evaluated rows");
}

Register salary(310, EnterFixedPayment);

}  // namespace
}  // namespace demo
