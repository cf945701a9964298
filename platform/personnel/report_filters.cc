#include "report_filters.h"

namespace ostrel {

ReportFirstFilter::ReportFirstFilter() {
  // Strings start empty; the numbers and the enum do not start defined.
  filter_.fromPersonnelNumber = 0;
  filter_.untilPersonnelNumber = 0;
  filter_.listDisplayOfEmployeeEnum =
      com::ostrel::personnel::framework::basictypes::LIST_ACTIVE_EMPLOYEES;
  filter_.extendedFilter = personnel::EmployeeExtendedFilter().ToIdl();
}

void ReportFirstFilter::SetOidPCompany(std::string const& v) { filter_.oidPCompany = v.c_str(); }
void ReportFirstFilter::SetFromPersonnelNumber(long v) { filter_.fromPersonnelNumber = v; }
void ReportFirstFilter::SetUntilPersonnelNumber(long v) { filter_.untilPersonnelNumber = v; }
void ReportFirstFilter::SetListDisplayOfEmployeeEnum(ListDisplayEnum v) {
  filter_.listDisplayOfEmployeeEnum = v;
}
void ReportFirstFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}

ReportFirstFilter::StructType ReportFirstFilter::ToIdl() const { return filter_; }

ReportSecondFilter::ReportSecondFilter() { filter_.personnelNumber = 0; }

void ReportSecondFilter::SetOidEmployee(std::string const& v) { filter_.oidEmployee = v.c_str(); }
void ReportSecondFilter::SetPersonnelNumber(long v) { filter_.personnelNumber = v; }

ReportSecondFilter::StructType ReportSecondFilter::ToIdl() const { return filter_; }

ReportThirdFilter::ReportThirdFilter() {
  filter_.withdrawn = false;
  filter_.extendedFilter = personnel::EmployeeExtendedFilter().ToIdl();
}

void ReportThirdFilter::SetOidPCompany(std::string const& v) { filter_.oidPCompany = v.c_str(); }
void ReportThirdFilter::SetFromDate(base::VDate const& v) { filter_.fromDate = v.ToIdl().c_str(); }
void ReportThirdFilter::SetUntilDate(base::VDate const& v) {
  filter_.untilDate = v.ToIdl().c_str();
}
void ReportThirdFilter::SetWithdrawn(bool v) { filter_.withdrawn = v; }
void ReportThirdFilter::SetExtendedFilter(personnel::EmployeeExtendedFilter const& v) {
  filter_.extendedFilter = v.ToIdl();
}

ReportThirdFilter::StructType ReportThirdFilter::ToIdl() const { return filter_; }

}  // namespace ostrel
