#include "employee_basic_filter.h"

namespace ostrel {
namespace personnel {

EmployeeBasicFilter::EmployeeBasicFilter() { ClearEmployeeBasicFilter(); }

void EmployeeBasicFilter::ClearEmployeeBasicFilter() {
  filter_.oidPCompany = "";
  filter_.surname = L"";
  // An empty date text means "no value" on the wire.
  filter_.fixedDateOfWithDrawal = "";
  filter_.listDisplayOfEmployeeEnum =
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES;
}

void EmployeeBasicFilter::SetOidPCompany(std::string const& v) { filter_.oidPCompany = v.c_str(); }
void EmployeeBasicFilter::SetSurname(std::wstring const& v) { filter_.surname = v.c_str(); }
void EmployeeBasicFilter::SetFixedDateOfWithDrawal(base::VDate const& v) {
  filter_.fixedDateOfWithDrawal = v.ToIdl().c_str();
}
void EmployeeBasicFilter::SetListDisplayOfEmployeeEnum(ListDisplayEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}

EmployeeBasicFilter::StructType EmployeeBasicFilter::ToIdl() const { return filter_; }

}  // namespace personnel
}  // namespace ostrel
