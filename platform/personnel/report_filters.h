// Report filters: the three ways a report run selects its employees.
#ifndef OSTREL_PERSONNEL_REPORT_FILTERS_H_
#define OSTREL_PERSONNEL_REPORT_FILTERS_H_

#include <string>

#include "employee_extended_filter.h"
#include "personnel.hh"
#include "vdate.h"

namespace ostrel {

// Employees of a company by a range of personnel numbers. A new filter has an
// empty company id, both bounds 0 (open), lists active employees (enum value
// 0) and a default extended filter.
class ReportFirstFilter {
 public:
  using StructType = com::ostrel::personnel::domain::reports::ReportFirstFilterStruct;
  using ListDisplayEnum = com::ostrel::personnel::framework::basictypes::ListDisplayOfEmployeeEnum;

  ReportFirstFilter();
  virtual ~ReportFirstFilter() = default;
  ReportFirstFilter(ReportFirstFilter const&) = default;
  ReportFirstFilter& operator=(ReportFirstFilter const&) = default;

  void SetOidPCompany(std::string const& v);
  void SetFromPersonnelNumber(long v);
  void SetUntilPersonnelNumber(long v);
  void SetListDisplayOfEmployeeEnum(ListDisplayEnum v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);

  // A copy of the criteria.
  virtual StructType ToIdl() const;

 private:
  StructType filter_;
};

// One employee picked by hand; a report run takes a list of them. A new
// filter has an empty employee id and personnel number 0.
class ReportSecondFilter {
 public:
  using StructType = com::ostrel::personnel::domain::reports::ReportSecondFilterStruct;

  ReportSecondFilter();
  virtual ~ReportSecondFilter() = default;
  ReportSecondFilter(ReportSecondFilter const&) = default;
  ReportSecondFilter& operator=(ReportSecondFilter const&) = default;

  void SetOidEmployee(std::string const& v);
  void SetPersonnelNumber(long v);

  // A copy of the criteria.
  virtual StructType ToIdl() const;

 private:
  StructType filter_;
};

// Employees of a company who entered (or, with SetWithdrawn(true), withdrew)
// within a date range. A new filter has an empty company id, both dates empty
// (open), withdrawn false and a default extended filter.
class ReportThirdFilter {
 public:
  using StructType = com::ostrel::personnel::domain::reports::ReportThirdFilterStruct;

  ReportThirdFilter();
  virtual ~ReportThirdFilter() = default;
  ReportThirdFilter(ReportThirdFilter const&) = default;
  ReportThirdFilter& operator=(ReportThirdFilter const&) = default;

  void SetOidPCompany(std::string const& v);
  void SetFromDate(base::VDate const& v);
  void SetUntilDate(base::VDate const& v);
  void SetWithdrawn(bool v);
  void SetExtendedFilter(personnel::EmployeeExtendedFilter const& v);

  // A copy of the criteria.
  virtual StructType ToIdl() const;

 private:
  StructType filter_;
};

}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_REPORT_FILTERS_H_
