// The value-position module (the personnel core's) as the library and the
// reference server both see it: the servant's name and which texts of a
// position hold dates and fixed-point numbers.
#ifndef OSTREL_IDL_VALUEPOSITION_KIND_H_
#define OSTREL_IDL_VALUEPOSITION_KIND_H_

#include <tuple>

#include "valueposition.hh"
#include "wire_texts.h"

namespace ostrel {

namespace valueposition = com::ostrel::personnel::domain::employee::valueposition;

struct ValuePositionService {
  using Servant = valueposition::ValuePositionServant;
  static constexpr char kName[] =
      "com.ostrel.personnel.servantimpl.employee.valueposition.ValuePositionServantImpl";
};

template <>
struct WireTexts<valueposition::ValuePositionStruct> {
  using S = valueposition::ValuePositionStruct;
  static constexpr auto kMembers = std::make_tuple(
      wire::Nested<&S::objectStruct>{"objectStruct"},
      wire::Date<&S::effectiveFrom>{"effectiveFrom"},
      wire::Date<&S::effectiveUntil>{"effectiveUntil"}, wire::Date<&S::validFrom>{"validFrom"},
      wire::Date<&S::validUntil>{"validUntil"}, wire::Fixed<&S::factor1>{"factor1"},
      wire::Fixed<&S::factor2>{"factor2"}, wire::Fixed<&S::result>{"result"},
      wire::Fixed<&S::percentage>{"percentage"},
      wire::Fixed<&S::performanceFactor>{"performanceFactor"},
      wire::Fixed<&S::eraCorrectionFactor>{"eraCorrectionFactor"},
      wire::Date<&S::documentDate>{"documentDate"},
      wire::Fixed<&S::setupTimeAndUnit>{"setupTimeAndUnit"}, wire::Fixed<&S::yield>{"yield"},
      wire::Fixed<&S::targetOfTimeAndUnit>{"targetOfTimeAndUnit"},
      wire::Fixed<&S::totalTarget>{"totalTarget"},
      wire::Fixed<&S::rateOfLaborUtilisation>{"rateOfLaborUtilisation"},
      wire::Date<&S::bookingDate>{"bookingDate"});
};

}  // namespace ostrel

#endif  // OSTREL_IDL_VALUEPOSITION_KIND_H_
