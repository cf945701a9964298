// Master data and employment of the reference server's employees, shared by
// the master, employment, entry and entry-reason servants.
//
// Both records are kept per employee (keyed by the employee's object id).
// Their root part is the employee's short view as it is now; writes keep the
// short view in step: the names come from the latest master period, the
// entry and withdrawal dates from the latest employment period.
#ifndef OSTREL_SERVER_KINDS_EMPLOYEE_RECORDS_H_
#define OSTREL_SERVER_KINDS_EMPLOYEE_RECORDS_H_

#include <optional>
#include <string>
#include <vector>

#include "employment.hh"
#include "master.hh"
#include "record_layout.h"

namespace ostrel {

// The server's view of the records' parts; the client library declares the
// same in employee/master.h and employee/employment.h.
template <>
struct RecordLayout<com::ostrel::personnel::domain::employee::master::EEMasterStruct>
    : EmployeeRecordLayout<
          &com::ostrel::personnel::domain::employee::master::EEMasterStruct::root,
          &com::ostrel::personnel::domain::employee::master::EEMasterStruct::history> {};

template <>
struct RecordLayout<com::ostrel::personnel::domain::employee::employment::EEEmploymentStruct>
    : EmployeeRecordLayout<
          &com::ostrel::personnel::domain::employee::employment::EEEmploymentStruct::root,
          &com::ostrel::personnel::domain::employee::employment::EEEmploymentStruct::employment> {};

namespace server {

class Core;

namespace master_idl = com::ostrel::personnel::domain::employee::master;
namespace employment_idl = com::ostrel::personnel::domain::employee::employment;

// After the employees (kEmployeeSeedOrder), before kinds that read master
// data or employments.
inline constexpr int kEmployeeRecordsSeedOrder = -90;

// --- master_servant.cc ------------------------------------------------------

// Stores the first master record of the employee its root names and returns
// it as the master servant answers. An employee that has master data raises
// PersistencyException.
master_idl::EEMasterStruct CreateMasterRecord(Core& core, const std::wstring& user,
                                              const master_idl::EEMasterStruct& record);

// The employee's master record in force at `date` (the latest for ""), as
// the master servant answers; nothing when the employee has none.
std::optional<master_idl::EEMasterStruct> FindMasterRecord(Core& core,
                                                           const std::string& oidEmployee,
                                                           const std::string& date = "");

// --- employment_servant.cc --------------------------------------------------

// As CreateMasterRecord, for the employment.
employment_idl::EEEmploymentStruct CreateEmploymentRecord(
    Core& core, const std::wstring& user, const employment_idl::EEEmploymentStruct& record);

std::optional<employment_idl::EEEmploymentStruct> FindEmploymentRecord(
    Core& core, const std::string& oidEmployee, const std::string& date = "");

// Withdraws the employee on `date` (a withdrawal as withDrawal does it, with
// a new period from the day after). An employee without employment or
// already withdrawn raises DomainException.
void WithdrawEmployee(Core& core, const std::wstring& user, const std::string& oidEmployee,
                      const std::string& date);

// --- entry_servant.cc -------------------------------------------------------

// The employee and the employees linked to it by copies (createEmployeeCopy,
// in either direction, transitively), the employee first, the others in the
// order the copies were made. Deleted employees are left out.
std::vector<std::string> LinkedEmployees(Core& core, const std::string& oidEmployee);

// An employee of the migration source (a former payroll system).
struct MigrationSourceEmployee {
  const char* company_key;
  const char* personnel_number;
  const wchar_t* first_name;
  const wchar_t* last_name;
  const char* date_of_birth;
  const char* street;
  const char* street_number;
  const char* postal_code;
  const char* domicile;
  const char* date_of_entry;
  const char* oid_cost_center;
};

// The source's employee with the company key and personnel number, or null.
const MigrationSourceEmployee* FindMigrationEmployee(const std::string& companyKey,
                                                     const std::string& personnelNumber);

// Whether an employee of the company other than `exceptOid` has the number.
bool PersonnelNumberUsed(Core& core, const std::string& oidPCompany, long personnelNumber,
                         const std::string& exceptOid = "");

// The company's highest personnel number plus one; 1 for a company without
// employees.
long NextPersonnelNumber(Core& core, const std::string& oidPCompany);

// --- entryreason_servant.cc -------------------------------------------------

// Whether an entry reason with the object id exists and is not deleted.
bool EntryReasonExists(Core& core, const std::string& oidEntryReason);

}  // namespace server
}  // namespace ostrel

#endif  // OSTREL_SERVER_KINDS_EMPLOYEE_RECORDS_H_
