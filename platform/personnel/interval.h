// Interval: the months in which a periodic amount is due.
#ifndef OSTREL_PERSONNEL_INTERVAL_H_
#define OSTREL_PERSONNEL_INTERVAL_H_

#include "bo.h"
#include "personnel.hh"

namespace ostrel {
namespace personnel {

// Twelve month flags and a count (how often the amount is due in each flagged
// month). Every constructor takes the saved value, so ResetBo() returns to
// the constructed state.
class Interval : public base::BO<com::ostrel::personnel::framework::basictypes::IntervalStruct> {
 public:
  // Every month flagged, count 1: due once a month.
  Interval();
  // Every month flag set to `every_month`, count 1. Interval(false) is an
  // interval on which nothing is due.
  explicit Interval(bool every_month);
  explicit Interval(StructType const& s);
  Interval(Interval const& o);
  Interval& operator=(Interval const&) = default;

  bool GetJanuary() const;
  bool GetFebruary() const;
  bool GetMarch() const;
  bool GetApril() const;
  bool GetMay() const;
  bool GetJune() const;
  bool GetJuly() const;
  bool GetAugust() const;
  bool GetSeptember() const;
  bool GetOctober() const;
  bool GetNovember() const;
  bool GetDecember() const;
  long GetCount() const;

  void SetJanuary(bool v);
  void SetFebruary(bool v);
  void SetMarch(bool v);
  void SetApril(bool v);
  void SetMay(bool v);
  void SetJune(bool v);
  void SetJuly(bool v);
  void SetAugust(bool v);
  void SetSeptember(bool v);
  void SetOctober(bool v);
  void SetNovember(bool v);
  void SetDecember(bool v);
  void SetCount(long v);
};

}  // namespace personnel
}  // namespace ostrel

#endif  // OSTREL_PERSONNEL_INTERVAL_H_
