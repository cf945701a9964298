// A walk through the record kinds against the application server named by
// OSTREL_SERVER, logged in as OSTREL_USER / OSTREL_PASSWORD: search the
// employees of a company, read one's master data, enter an absent time, a
// bank account, a fixed payment and variable payments in bulk, a company
// pension scheme committed through the list the application shows, a
// disability started from the server's default record, stream a list
// through a callback object, and watch a stale copy being refused.
//
// Every list result and callback object goes straight into TakeOwnership, so
// nothing here is freed by hand.
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "employee/employee.h"
#include "employee/master.h"
#include "ostrel.h"
#include "ownership.h"
#include "pay/bankdetails.h"
#include "pay/fixedpayment.h"
#include "pay/varpayment.h"
#include "statutory/disability.h"
#include "statutory/pensionscheme.h"
#include "string_converter.h"
#include "time/absenttime.h"

namespace {

using ostrel::TakeOwnership;
using ostrel::base::Sortierung;
using ostrel::base::StringConverter;
using ostrel::base::VDate;
using ostrel::base::VException;
using ostrel::base::VFixed;

// The names come as wide text; the terminal wants UTF-8.
std::string U8(std::wstring const& w) { return StringConverter::Convert(w); }

// Unset dates show as "-".
std::string Date(VDate const& d) { return d.IsValid() ? d.ToDisplay() : "-"; }

std::string Name(ostrel::EmployeeShort const& e) {
  return std::to_string(e.GetPersonnelNumber()) + " " + U8(e.GetSurname()) + ", " +
         U8(e.GetFirstname());
}

void SearchEmployees() {
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
}

void ShowMasterData(std::string const& oid_employee) {
  // Empty dates: the period in force today, as known today.
  ostrel::EEMaster m = ostrel::EEMaster::GetObjectFromObjectId(oid_employee, VDate(), VDate());
  ostrel::Master h = m.GetHistory();
  std::cout << "master data of " << oid_employee << ": " << h.GetTitle() << " "
            << U8(h.GetFirstname()) << " " << U8(h.GetSurname()) << ", born "
            << Date(h.GetDateOfBirth()) << ", " << h.GetStreet() << " " << h.GetStreetNumber()
            << ", " << h.GetPostalCode() << " " << h.GetDomicile() << " (valid from "
            << Date(m.GetInternalValidFrom()) << ")\n";
}

void ShowAbsence(char const* what, ostrel::EEAbsentTime const& a) {
  ostrel::EEAbsentTimeTP tp = a.GetHistory();
  std::cout << what << a.GetObjectid() << " v" << a.GetVersion() << ": "
            << a.GetRoot().GetOidAbsentTime() << " " << Date(tp.GetEffectiveFrom()) << " - "
            << Date(tp.GetEffectiveUntil()) << ", " << tp.GetNumberOfWorkingHours().ToIdl()
            << " working hours, valid " << Date(a.GetInternalValidFrom()) << " - "
            << Date(a.GetValidUntil()) << "\n";
}

void SetUntil(ostrel::EEAbsentTime& a, VDate const& until) {
  ostrel::EEAbsentTimeTP tp = a.GetHistory();
  tp.SetEffectiveUntil(until);
  a.SetHistory(tp);
}

// Enters a week of leave, corrects it, lists it back and shows its history.
// Returns the stored absence for the stale-copy step.
ostrel::EEAbsentTime EnterAbsentTime() {
  ostrel::EEAbsentTime leave;
  ostrel::EEAbsentTimeRoot root = leave.GetRoot();
  ostrel::EmployeeShort e = root.GetEmployeeShort();
  e.SetObjectid("EMP-1");
  e.SetOidPCompany("C-1");
  root.SetEmployeeShort(e);
  root.SetOidAbsentTime("URL");
  leave.SetRoot(root);
  ostrel::EEAbsentTimeTP tp = leave.GetHistory();
  tp.SetEffectiveFrom(VDate(2, 2, 2026));  // months count from 0: 2 March 2026
  leave.SetHistory(tp);
  SetUntil(leave, VDate(6, 2, 2026));
  leave.SetValidFrom(VDate(2, 2, 2026));
  leave.Commit();
  ShowAbsence("absent time entered: ", leave);

  // One more day: the stored period changes and the version goes up.
  SetUntil(leave, VDate(9, 2, 2026));
  leave.Commit();
  ShowAbsence("absent time changed: ", leave);

  ostrel::EEAbsentTimeFilter of_1001;
  of_1001.SetOidPCompany("C-1");
  of_1001.SetPnr(1001);
  std::vector<ostrel::EEAbsentTimeFilter*> filters{&of_1001};
  auto listed = TakeOwnership(ostrel::EEAbsentTime::GetActiveEEAbsentTimes(&filters, Sortierung()));
  std::cout << "absent times of 1001 in C-1: " << listed.size() << "\n";
  for (auto const& a : listed) ShowAbsence("  ", *a);

  auto history =
      TakeOwnership(ostrel::EEAbsentTime::GetAllEEAbsentTimesHistory(leave.GetObjectid()));
  std::cout << "history of " << leave.GetObjectid() << ", every period stored: " << history.size()
            << "\n";
  for (auto const& a : history) ShowAbsence("  ", *a);
  return leave;
}

void AddBankAccount() {
  ostrel::EEBankDetails account;
  ostrel::BankDetailsRoot root = account.GetRoot();
  ostrel::EmployeeShort e = root.GetRoot();
  e.SetObjectid("EMP-2");
  root.SetEmployeeShort(e);
  account.SetRoot(root);
  ostrel::BankDetailsTP tp = account.GetHistory();
  ostrel::personnel::BankAccount bank = tp.GetBankAccount();
  bank.SetIban("DE02120300000000202051");
  bank.SetOidBank("BANK-DE");
  tp.SetBankAccount(bank);
  tp.SetOwnerOfAccount("Anna-Lena Schaefer");
  account.SetHistory(tp);
  account.SetValidFrom(VDate(1, 0, 2024));
  account.Commit();
  auto findings = TakeOwnership(account.GetErrors());
  std::cout << "bank account " << account.GetObjectid() << " of "
            << Name(account.GetRoot().GetRoot()) << ": IBAN "
            << account.GetHistory().GetBankAccount().GetIban() << ", ranking "
            << account.GetHistory().GetRankingNumber() << ", " << findings.size() << " findings\n";
  for (auto const& f : findings) {
    std::cout << "  finding " << f->GetErrorCode() << " on " << f->GetAttributeName() << ": "
              << U8(f->GetMessage()) << "\n";
  }
}

void SetSalary(ostrel::FixedPayment& p, char const* amount) {
  ostrel::FixedPaymentTP tp = p.GetHistory();
  tp.SetFactor1(VFixed(amount));
  tp.SetFactor2(VFixed(1));
  tp.SetResult(VFixed(amount));
  p.SetHistory(tp);
}

// A base salary from March 2024 and a raise from July: a new valid-from date
// adds a period instead of overwriting the first.
void EnterFixedPayment() {
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
}

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
void EnterVarPayments() {
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
}

// Long lists come in batches: the server calls back into this process.
void StreamMasterData(std::string const& oid_company) {
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
}

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
void EnterPensionScheme(std::string const& oid_employee) {
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
}

// A new disability starts from the record the server prepares from the
// employee's data.
void EnterDisability(std::string const& oid_employee) {
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
}

void CommitStaleCopy(ostrel::EEAbsentTime& leave) {
  ostrel::EEAbsentTime stale = leave;
  SetUntil(leave, VDate(10, 2, 2026));
  leave.Commit();
  SetUntil(stale, VDate(13, 2, 2026));
  try {
    stale.Commit();
    std::cout << "stale copy was accepted, which it should not be\n";
  } catch (VException const& e) {
    std::cout << "stale copy refused (" << U8(e.GetSource()) << "): " << e.what() << "\n";
    ShowAbsence("  the copy is back at its saved value: ", stale);
  }
}

}  // namespace

int main() {
  try {
    ostrel::base::Ostrel* runtime = ostrel::base::Ostrel::Instance();
    runtime->Login();
    std::cout << "logged in as " << U8(runtime->Config().user) << " at " << runtime->Config().host
              << ":" << runtime->Config().port << "\n\n";

    SearchEmployees();
    ShowMasterData("EMP-1");
    std::cout << "\n";
    ostrel::EEAbsentTime leave = EnterAbsentTime();
    std::cout << "\n";
    AddBankAccount();
    EnterFixedPayment();
    std::cout << "\n";
    EnterVarPayments();
    std::cout << "\n";
    EnterPensionScheme("EMP-1");
    EnterDisability("EMP-2");
    std::cout << "\n";
    StreamMasterData("C-2");
    std::cout << "\n";
    CommitStaleCopy(leave);

    runtime->Logout();
    return 0;
  } catch (VException const& e) {
    std::cerr << "demo failed: " << e.what() << "\n";
    return 1;
  }
}
