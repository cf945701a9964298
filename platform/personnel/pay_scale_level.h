// PayScaleLevel: one level of a pay-scale group, as offered by the server.
#ifndef OSTREL_PERSONNEL_PAY_SCALE_LEVEL_H_
#define OSTREL_PERSONNEL_PAY_SCALE_LEVEL_H_

#include <string>

#include "bo.h"
#include "personnel.hh"
#include "vfixed.h"

namespace ostrel {

// Built from a server struct it takes over the struct's identity, so it is
// not new. A default PayScaleLevel is new, level 0, texts and amount empty.
// Every constructor takes the saved value, so ResetBo() returns to the
// constructed state.
class PayScaleLevel
    : public base::BO<
          com::ostrel::personnel::domain::payscale::payscalegroup::PayScaleLevelStruct> {
 public:
  PayScaleLevel();
  explicit PayScaleLevel(StructType const& s);
  PayScaleLevel(PayScaleLevel const& o);
  PayScaleLevel& operator=(PayScaleLevel const&) = default;

  std::string GetOidPayScaleGroup() const;
  long GetLevel() const;
  std::wstring GetDescription() const;
  base::VFixed GetAmount() const;

  void SetOidPayScaleGroup(std::string const& v);
  void SetLevel(long v);
  void SetDescription(std::wstring const& v);
  void SetAmount(base::VFixed const& v);
};

}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_PAY_SCALE_LEVEL_H_
