// The VBLU pension-fund module as the library and the reference server
// both see it: the record's layout, the servant's name and which texts of
// the received structs hold dates and amounts.
#ifndef OSTREL_IDL_VBLU_KIND_H_
#define OSTREL_IDL_VBLU_KIND_H_

#include <tuple>

#include "employee_kind.h"
#include "personnel_texts.h"
#include "record_layout.h"
#include "vblu.hh"
#include "wire_texts.h"

namespace ostrel {

namespace vblu = com::ostrel::personnel::domain::employee::vblu;

// The employee's short view first, then the period; keyed by the employee.
template <>
struct RecordLayout<vblu::EEVBLUStruct>
    : EmployeeRecordLayout<&vblu::EEVBLUStruct::employeeShort, &vblu::EEVBLUStruct::history> {};

struct EEVBLUService {
  using Servant = vblu::EEVBLUServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.vblu.EEVBLUServantImpl";
};

template <>
struct WireTexts<vblu::VBLUStruct> {
  using S = vblu::VBLUStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateOfEntryVBLU>{"dateOfEntryVBLU"},
      wire::Date<&S::dateOfWithDrawalVBLU>{"dateOfWithDrawalVBLU"},
      wire::Fixed<&S::contPercEE>{"contPercEE"}, wire::Fixed<&S::contPercER>{"contPercER"},
      wire::Fixed<&S::carriedForward>{"carriedForward"},
      wire::Fixed<&S::monthCompValueErAddCont>{"monthCompValueErAddCont"});
};

template <>
struct WireTexts<vblu::EEVBLUStruct> {
  using S = vblu::EEVBLUStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::employeeShort>{"employeeShort"},
                      wire::Nested<&S::history>{"history"}, wire::NestedSeq<&S::errors>{"errors"});
};

template <>
struct WireTexts<vblu::EEVBLUFilterStruct> {
  using S = vblu::EEVBLUFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_VBLU_KIND_H_
