// Variable payments of two employees entered in one call, and their
// evaluated list.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "ownership.h"
#include "pay/varpayment.h"
#include "walk.h"

namespace demo {
namespace {

ostrel::VarPayment MarchPayment(std::string const& oid_employee, std::string const& value_type,
                                char const* factor1) {
  ostrel::VarPayment p;
  ostrel::VarPaymentRoot root = p.GetVarPaymentRoot();
  ostrel::EmployeeShort e = root.GetRoot();
  e.SetObjectid(oid_employee);
  e.SetOidPCompany("C-1");
  root.SetEmployeeShort(e);
  root.SetOidValueType(value_type);
  p.SetVarPaymentRoot(root);
  ostrel::VarPaymentTP tp = p.GetVarPaymentTP();
  tp.SetFactor1(VFixed(factor1));
  p.SetVarPaymentTP(tp);
  p.SetEffectiveFrom(VDate(1, 2, 2024));
  p.SetEffectiveUntil(VDate(31, 2, 2024));
  p.SetValidFrom(VDate(1, 2, 2024));
  return p;
}

void ShowVarPayment(ostrel::VarPayment const& p) {
  ostrel::VarPaymentTP tp = p.GetVarPaymentTP();
  std::cout << "  " << p.GetObjectid() << " " << Name(p.GetVarPaymentRoot().GetRoot()) << ", "
            << p.GetVarPaymentRoot().GetOidValueType() << ": " << tp.GetFactor1().ToIdl() << " x "
            << tp.GetFactor2().ToIdl() << " = " << tp.GetResult().ToIdl() << "\n";
}

// March's overtime and shift premiums of two employees, entered in one call.
void EnterVarPayments(Walk& walk) {
  ostrel::VarPayment overtime1 = MarchPayment("EMP-1", "VT-1100", "12");
  ostrel::VarPayment overtime2 = MarchPayment("EMP-2", "VT-1100", "7.5");
  ostrel::VarPayment shifts = MarchPayment("EMP-2", "VT-3100", "4");
  std::vector<ostrel::VarPayment*> entries{&overtime1, &overtime2, &shifts};
  // All or nothing: one bad entry stores none of them.
  auto created = TakeOwnership(ostrel::VarPayment::CreateVarPayments(&entries, "C-1"));
  std::cout << "variable payments entered in one call: " << created.size() << "\n";

  // The evaluated list fills in the value types' rates and the results.
  std::vector<ostrel::VarPaymentFilter*> all;
  auto evaluated =
      TakeOwnership(ostrel::VarPayment::GetActiveVarPaymentsEvaluated(&all, Sortierung(), "C-1"));
  for (auto const& p : evaluated) ShowVarPayment(*p);
  walk.Touch("variable payments", "CreateVarPayments, GetActiveVarPaymentsEvaluated",
             std::to_string(created.size()) + " created, " + std::to_string(evaluated.size()) +
                 " evaluated");
}

Register payments(320, EnterVarPayments);

}  // namespace
}  // namespace demo
