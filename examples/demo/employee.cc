// The employees of a company, one employee's master data, and the master
// data of a company streamed in batches.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "employee/master.h"
#include "ownership.h"
#include "vexception.h"
#include "walk.h"

namespace demo {
namespace {

void SearchEmployees(Walk& walk) {
  ostrel::EmployeeFilter company;
  company.SetOidPCompany("C-1");  // active employees only: a new filter lists those
  std::vector<ostrel::EmployeeFilter*> filters{&company};
  Sortierung by_surname;
  by_surname.AddKey("surname");
  auto rows = TakeOwnership(ostrel::Employee::GetEmployees(&filters, by_surname));
  std::cout << "active employees of company C-1, by surname: " << rows.size() << "\n";
  for (auto const& row : rows) {
    ostrel::EmployeeShort e = row->GetEe().GetEeShort();
    std::cout << "  " << e.GetObjectid() << "  " << Name(e) << ", entered "
              << Date(e.GetDateOfEntry()) << ", journalized until " << Date(e.GetJournalizedUntil())
              << "\n";
  }
  walk.Touch("employee", "GetEmployees", std::to_string(rows.size()) + " active employees of C-1");
}

void ShowMasterData(Walk& walk) {
  std::string const oid_employee = "EMP-1";
  // Empty dates: the period in force today, as known today.
  ostrel::EEMaster m = ostrel::EEMaster::GetObjectFromObjectId(oid_employee, VDate(), VDate());
  ostrel::Master h = m.GetHistory();
  std::cout << "master data of " << oid_employee << ": " << h.GetTitle() << " "
            << U8(h.GetFirstname()) << " " << U8(h.GetSurname()) << ", born "
            << Date(h.GetDateOfBirth()) << ", " << h.GetStreet() << " " << h.GetStreetNumber()
            << ", " << h.GetPostalCode() << " " << h.GetDomicile() << " (valid from "
            << Date(m.GetInternalValidFrom()) << ")\n";
  walk.Touch("master data", "GetObjectFromObjectId", U8(h.GetSurname()) + " of " + oid_employee);
}

// Long lists come in batches: the server calls back into this process.
void StreamMasterData(Walk& walk) {
  std::string const oid_company = "C-2";
  std::vector<ostrel::EEMasterFilter*> all;
  Sortierung by_pnr;
  by_pnr.AddKey("personnelNumber");
  ostrel::OwnedCallback<ostrel::EEMaster::Callback> stream =
      TakeOwnership(ostrel::EEMaster::GetActiveMasterCB(oid_company, &all, by_pnr, 0));
  if (!stream->WaitForEnd(std::chrono::seconds(10))) {
    std::cout << "the stream did not end within 10 s\n";
    return;
  }
  if (VException const* failure = stream->GetException()) throw *failure;
  unsigned int batches = 0, size = 0;
  while (stream->TakeBatchSize(&size)) ++batches;
  auto received = TakeOwnership(stream->TakeAll());
  std::cout << "master data of company " << oid_company << " streamed: " << stream->GetReceived()
            << " records in " << batches << " batch(es)\n";
  for (auto const& m : received) {
    std::cout << "  " << Name(m->GetRoot()) << ", born " << Date(m->GetHistory().GetDateOfBirth())
              << ", " << m->GetHistory().GetDomicile() << "\n";
  }
  walk.Touch("master data", "GetActiveMasterCB",
             std::to_string(stream->GetReceived()) + " records in " + std::to_string(batches) +
                 " batch(es)");
}

Register search(100, SearchEmployees);
Register master(110, ShowMasterData);
Register stream(190, StreamMasterData);

}  // namespace
}  // namespace demo
