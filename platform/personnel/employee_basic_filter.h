// EmployeeBasicFilter: the plain employee selection of lists that have no
// filter of their own.
#ifndef OSTREL_PERSONNEL_EMPLOYEE_BASIC_FILTER_H_
#define OSTREL_PERSONNEL_EMPLOYEE_BASIC_FILTER_H_

#include <string>

#include "personnel.hh"
#include "vdate.h"

namespace ostrel {
namespace personnel {

// Selects employees by company, surname and employment state. A new filter
// (and one after ClearEmployeeBasicFilter) has empty texts, an empty fixed
// date of withdrawal and lists active employees (enum value 0).
class EmployeeBasicFilter {
 public:
  using StructType = com::ostrel::personnel::framework::filter::EmployeeBasicFilterStruct;
  using ListDisplayEnum = com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  EmployeeBasicFilter();

  void ClearEmployeeBasicFilter();
  void SetOidPCompany(std::string const& v);
  void SetSurname(std::wstring const& v);
  void SetFixedDateOfWithDrawal(base::VDate const& v);
  void SetListDisplayOfEmployeeEnum(ListDisplayEnum v);

  // A copy of the criteria.
  StructType ToIdl() const;

 private:
  StructType filter_;
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_EMPLOYEE_BASIC_FILTER_H_
