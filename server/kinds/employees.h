// The employees of the reference server, for every record kind's servant.
//
// The employee servant seeds them at start and on every reset, before any
// other kind's seeder runs (order kEmployeeSeedOrder; seed with a higher
// order to see them). Other servants wrap their answers with the employee's
// short view, which changes when employees are journalized (journalizedUntil).
//
// Seed (object id, company, personnel number, name, entry / withdrawal,
// journalized until):
//   EMP-1  C-1  1001  Dr. Jürgen Müller     2015-04-01 / -           2024-02-29
//   EMP-2  C-1  1002  Anna-Lena Schäfer     2019-01-01 / -           2024-02-29
//   EMP-3  C-1  1003  Søren Øberg           2023-10-01 / 2024-01-31  2024-01-31
//   EMP-4  C-1  1004  Zoë Weiß              -          / -           -
//   EMP-5  C-2  2001  Łukasz Nowak          2020-07-01 / -           2024-01-31
//   EMP-6  C-2  2002  Élodie von Brandt     2021-03-15 / -           2024-01-31
//   EMP-7  C-2  1001  Ayşe Yılmaz           2022-05-01 / -           2024-01-31
// EMP-4 has no date of entry yet and cannot be calculated; EMP-5 was created
// as a successor; EMP-6 is in valuation.
#ifndef OSTREL_SERVER_KINDS_EMPLOYEES_H_
#define OSTREL_SERVER_KINDS_EMPLOYEES_H_

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "employee.hh"

namespace ostrel::server {

class Core;

inline constexpr int kEmployeeSeedOrder = -100;

// The employee's short view as it is now; nothing for an unknown id.
std::optional<com::ostrel::personnel::domain::employee::EmployeeShortStruct> FindEmployee(
    Core& core, const std::string& oidEmployee);

// As FindEmployee; an unknown id raises PersistencyException
// "unknown object id '<oid>'".
com::ostrel::personnel::domain::employee::EmployeeShortStruct KnownEmployee(
    Core& core, const std::string& oidEmployee);

// The employees of a company ("" for all), ordered by company and personnel
// number.
std::vector<com::ostrel::personnel::domain::employee::EmployeeShortStruct> EmployeesOf(
    Core& core, const std::string& oidPCompany = "");

// Adds an employee (entry of a new employee): the short view as given, with
// a new object id "EMP-<n>", version 1 and the user's stamp. Returns it.
com::ostrel::personnel::domain::employee::EmployeeShortStruct AddEmployee(
    Core& core, com::ostrel::personnel::domain::employee::EmployeeShortStruct employee,
    const std::wstring& user);

// Changes an employee's short view (names, dates, personnel number) through
// `change`; the identity stays, and the version is raised only when
// something changed. Returns the short view as it is then. An unknown id
// raises PersistencyException.
com::ostrel::personnel::domain::employee::EmployeeShortStruct UpdateEmployee(
    Core& core, const std::string& oidEmployee, const std::wstring& user,
    const std::function<void(com::ostrel::personnel::domain::employee::EmployeeShortStruct&)>&
        change);

// Whether a list display shows an employee who withdrew on `withdrawal`
// (unset: not withdrawn): active ones, withdrawn ones or all, withdrawn
// meaning before `fixed` (today when that is not set).
bool Listed(const char* withdrawal,
            com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum display,
            const std::string& fixed);

// Removes an employee and what this servant keeps of it (calculation
// results, queue entries); the records of other kinds are the caller's.
void RemoveEmployee(Core& core, const std::string& oidEmployee);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_KINDS_EMPLOYEES_H_
