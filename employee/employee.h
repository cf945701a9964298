// The employee as a whole: its short view, which most record kinds embed,
// and the static functions of Employee (search, calculation hand-over,
// journalizing).
#ifndef OSTREL_EMPLOYEE_EMPLOYEE_H_
#define OSTREL_EMPLOYEE_EMPLOYEE_H_

#include <string>

#include "bo.h"
#include "employee.hh"
#include "vdate.h"

namespace ostrel {

namespace employee = com::ostrel::personnel::domain::employee;
using SexEnum = employee::SexEnum;

// The short view of an employee shown in lists and embedded in records.
// Built from a struct it takes the employee's identity; a default one has
// sex 1 and personnel number 0. Commit and Delete do nothing.
class EmployeeShort : public base::BO<employee::EmployeeShortStruct> {
 public:
  EmployeeShort();
  explicit EmployeeShort(employee::EmployeeShortStruct const& s);
  EmployeeShort(EmployeeShort const&) = default;
  EmployeeShort& operator=(EmployeeShort const&) = default;

  std::string GetObjectid() const;
  void SetObjectid(std::string const& v);
  long GetVersion() const;
  void SetVersion(long v);
  std::string GetOidPCompany() const;
  void SetOidPCompany(std::string const& v);
  long GetPersonnelNumber() const;
  void SetPersonnelNumber(long v);
  std::string GetTitle() const;
  void SetTitle(std::string const& v);
  std::wstring GetSurname() const;
  void SetSurname(std::wstring const& v);
  std::string GetNamePrefix() const;
  void SetNamePrefix(std::string const& v);
  std::wstring GetFirstname() const;
  void SetFirstname(std::wstring const& v);
  SexEnum GetSexEnum() const;
  void SetSexEnum(SexEnum v);
  base::VDate GetDateOfEntry() const;
  void SetDateOfEntry(base::VDate const& v);
  base::VDate GetDateOfWithDrawal() const;
  void SetDateOfWithDrawal(base::VDate const& v);
  base::VDate GetJournalizedUntil() const;
  void SetJournalizedUntil(base::VDate const& v);

  void Commit() {}
  void Delete() {}
};

}  // namespace ostrel

#endif  // OSTREL_EMPLOYEE_EMPLOYEE_H_
