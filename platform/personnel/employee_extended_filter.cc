#include "employee_extended_filter.h"

namespace ostrel {
namespace personnel {

EmployeeExtendedFilter::EmployeeExtendedFilter() { ClearEmployeeExtendedFilter(); }

void EmployeeExtendedFilter::ClearEmployeeExtendedFilter() {
  filter_.oidCostCenter = "";
  filter_.oidCostUnit = "";
  filter_.oidDepartment = "";
  filter_.oidEmployeeGroup = "";
}

void EmployeeExtendedFilter::SetOidCostCenter(std::string const& v) {
  filter_.oidCostCenter = v.c_str();
}
void EmployeeExtendedFilter::SetOidCostUnit(std::string const& v) {
  filter_.oidCostUnit = v.c_str();
}
void EmployeeExtendedFilter::SetOidDepartment(std::string const& v) {
  filter_.oidDepartment = v.c_str();
}
void EmployeeExtendedFilter::SetOidEmployeeGroup(std::string const& v) {
  filter_.oidEmployeeGroup = v.c_str();
}

EmployeeExtendedFilter::StructType EmployeeExtendedFilter::ToIdl() const { return filter_; }

}  // namespace personnel
}  // namespace ostrel
