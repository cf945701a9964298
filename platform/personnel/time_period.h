// TimePeriod: the validity of one period of a record, on its own.
#ifndef OSTREL_PERSONNEL_TIME_PERIOD_H_
#define OSTREL_PERSONNEL_TIME_PERIOD_H_

#include "bo.h"
#include "personnel.hh"
#include "vdate.h"

namespace ostrel {
namespace personnel {

// The four dates of a period. A default TimePeriod has all four empty. Every
// constructor takes the saved value, so ResetBo() returns to the constructed
// state.
class TimePeriod
    : public base::BO<com::ostrel::personnel::framework::basictypes::TimePeriodStruct> {
 public:
  TimePeriod();
  explicit TimePeriod(StructType const& s);
  TimePeriod(TimePeriod const& o);
  TimePeriod& operator=(TimePeriod const&) = default;

  base::VDate GetEffectiveFrom() const;
  base::VDate GetEffectiveUntil() const;
  base::VDate GetInternalValidFrom() const;
  base::VDate GetValidUntil() const;

  void SetEffectiveFrom(base::VDate const& v);
  void SetEffectiveUntil(base::VDate const& v);
  void SetInternalValidFrom(base::VDate const& v);
  void SetValidUntil(base::VDate const& v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_TIME_PERIOD_H_
