#include "time_period.h"

namespace ostrel {
namespace personnel {

TimePeriod::TimePeriod() { MakeBoCopy(); }

TimePeriod::TimePeriod(StructType const& s) : BO(s) { MakeBoCopy(); }

TimePeriod::TimePeriod(TimePeriod const& o) : BO(o) { MakeBoCopy(); }

base::VDate TimePeriod::GetEffectiveFrom() const { return base::VDate(Value().effectiveFrom.in()); }
base::VDate TimePeriod::GetEffectiveUntil() const {
  return base::VDate(Value().effectiveUntil.in());
}
base::VDate TimePeriod::GetInternalValidFrom() const {
  return base::VDate(Value().internalValidFrom.in());
}
base::VDate TimePeriod::GetValidUntil() const { return base::VDate(Value().validUntil.in()); }

void TimePeriod::SetEffectiveFrom(base::VDate const& v) {
  Value().effectiveFrom = v.ToIdl().c_str();
}
void TimePeriod::SetEffectiveUntil(base::VDate const& v) {
  Value().effectiveUntil = v.ToIdl().c_str();
}
void TimePeriod::SetInternalValidFrom(base::VDate const& v) {
  Value().internalValidFrom = v.ToIdl().c_str();
}
void TimePeriod::SetValidUntil(base::VDate const& v) { Value().validUntil = v.ToIdl().c_str(); }

}  // namespace personnel
}  // namespace ostrel
