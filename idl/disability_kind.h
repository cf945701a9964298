// The disability module as the library and the reference server both see
// it: the servant's name and which texts of the received structs hold dates.
#ifndef OSTREL_IDL_DISABILITY_KIND_H_
#define OSTREL_IDL_DISABILITY_KIND_H_

#include <tuple>

#include "disability.hh"
#include "employee_kind.h"
#include "personnel_texts.h"
#include "wire_texts.h"

namespace ostrel {

namespace disability = com::ostrel::personnel::domain::employee::disability;

struct EEDisabilityService {
  using Servant = disability::EEDisabilityServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.disability.EEDisabilityServantImpl";
};

template <>
struct WireTexts<disability::DisabilityRootStruct> {
  using S = disability::DisabilityRootStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::objectStruct>{"objectStruct"},
                      wire::Nested<&S::employeeShort>{"employeeShort"});
};
// The level of disability is a degree as the notice writes it, not a
// number the server computes with.
template <>
struct WireTexts<disability::DisabilityTPStruct> {
  using S = disability::DisabilityTPStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"}, wire::Nested<&S::timePeriod>{"timePeriod"},
      wire::Date<&S::dateOfBirth>{"dateOfBirth"}, wire::Date<&S::dateOfEntry>{"dateOfEntry"},
      wire::Date<&S::dateOfWithDrawel>{"dateOfWithDrawel"},
      wire::Date<&S::proofValidFrom>{"proofValidFrom"},
      wire::Date<&S::proofValidUntil>{"proofValidUntil"},
      wire::Date<&S::diccontinuationHeS>{"diccontinuationHeS"},
      wire::Date<&S::startOfEducation>{"startOfEducation"},
      wire::Date<&S::endOfEducation>{"endOfEducation"});
};
template <>
struct WireTexts<disability::EEDisabilityStruct> {
  using S = disability::EEDisabilityStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Nested<&S::root>{"root"}, wire::Nested<&S::history>{"history"});
};
template <>
struct WireTexts<disability::EEDisabilityFilterStruct> {
  using S = disability::EEDisabilityFilterStruct;
  static constexpr auto kMembers =
      std::make_tuple(wire::Date<&S::fixedDateOfWithDrawal>{"fixedDateOfWithDrawal"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_DISABILITY_KIND_H_
