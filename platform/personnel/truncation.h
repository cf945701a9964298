// Truncation: how a computed amount is rounded.
#ifndef OSTREL_PERSONNEL_TRUNCATION_H_
#define OSTREL_PERSONNEL_TRUNCATION_H_

#include "bo.h"
#include "personnel.hh"
#include "vfixed.h"

namespace ostrel {

// A rounding mode and the unit rounded to. A default Truncation does not
// round (TRUNCATION_NONE) and has an empty unit. Every constructor takes the
// saved value, so ResetBo() returns to the constructed state.
class Truncation
    : public base::BO<com::ostrel::personnel::domain::typeofvalue::basictypes::TruncationStruct> {
 public:
  using ModeEnum = com::ostrel::personnel::domain::typeofvalue::basictypes::TruncationModeEnum;

  Truncation();
  explicit Truncation(StructType const& s);
  Truncation(Truncation const& o);
  Truncation& operator=(Truncation const&) = default;

  ModeEnum GetTruncationMode() const;
  base::VFixed GetTruncationUnit() const;

  void SetTruncationMode(ModeEnum v);
  void SetTruncationUnit(base::VFixed const& v);
};

}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_TRUNCATION_H_
