// EmployeeExtendedFilter: organisational criteria nested in employee filters.
#ifndef OSTREL_PERSONNEL_EMPLOYEE_EXTENDED_FILTER_H_
#define OSTREL_PERSONNEL_EMPLOYEE_EXTENDED_FILTER_H_

#include <string>

#include "personnel.hh"

namespace ostrel {
namespace personnel {

// Narrows an employee list to a cost centre, cost unit, department or
// employee group. An empty id does not restrict; a new filter (and one after
// ClearEmployeeExtendedFilter) restricts nothing.
class EmployeeExtendedFilter {
 public:
  using StructType = com::ostrel::personnel::framework::filter::EmployeeExtendedFilterStruct;

  EmployeeExtendedFilter();

  void ClearEmployeeExtendedFilter();
  void SetOidCostCenter(std::string const& v);
  void SetOidCostUnit(std::string const& v);
  void SetOidDepartment(std::string const& v);
  void SetOidEmployeeGroup(std::string const& v);

  // A copy of the criteria.
  StructType ToIdl() const;

 private:
  StructType filter_;
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_EMPLOYEE_EXTENDED_FILTER_H_
