// VDateTime: a time stamp as the server sends it.
#ifndef OSTREL_BASE_VDATETIME_H_
#define OSTREL_BASE_VDATETIME_H_

#include <cstdint>
#include <string>

#include "vdate.h"

namespace ostrel {
namespace base {

// A date and time of day, to the microsecond, without a time zone: text is
// taken as it stands, and Now() gives UTC, the time base of the server's
// time stamps. It is in one of three
// states:
//   - valid: read from well-formed text, or Now();
//   - empty: no value; the default, and what empty or blank text gives;
//   - invalid: read from text that is not a time stamp.
//
// Text format (wire): "YYYY-MM-DDTHH:MM:SS", optionally followed by '.' and
// 1 to 6 fraction-of-second digits, e.g. "2024-02-29T23:59:59.25". The reader
// also takes a space instead of 'T' and surrounding spaces or tabs. Years
// are 1..9999, the date must exist, hours 0..23, minutes and seconds 0..59.
//
// ToIdl() writes 'T' and exactly the fraction digits that were read, so
// well-formed wire text comes back unchanged; an empty or invalid value
// writes "". VDateTime(t.ToIdl()) == t holds for every valid and empty t.
//
// Order: empty < invalid < every valid value, and valid values in time
// order. Values are compared by the instant they denote, so "...:05.5" and
// "...:05.500" are equal although their texts differ; all invalid values are
// equal to each other.
class VDateTime {
 public:
  // The empty value.
  VDateTime() = default;
  explicit VDateTime(std::string const& text);
  // A null pointer gives the empty value.
  explicit VDateTime(char const* text);

  VDateTime(VDateTime const&) = default;
  VDateTime& operator=(VDateTime const&) = default;
  virtual ~VDateTime() = default;

  // The current local time, with six fraction digits.
  static VDateTime Now();

  // The wire text; "" for an empty or invalid value.
  std::string ToIdl() const;

  bool IsEmpty() const { return state_ == State::kEmpty; }
  bool IsValid() const { return state_ == State::kValid; }

  // The date part of a valid value; the empty date for an empty value and the
  // undefined date for an invalid one.
  VDate GetDate() const;

  bool operator==(VDateTime const& o) const;
  bool operator!=(VDateTime const& o) const { return !(*this == o); }
  bool operator<(VDateTime const& o) const;
  bool operator>(VDateTime const& o) const { return o < *this; }
  bool operator<=(VDateTime const& o) const { return !(o < *this); }
  bool operator>=(VDateTime const& o) const { return !(*this < o); }

 private:
  // Declared in the order of the total order above.
  enum class State { kEmpty, kInvalid, kValid };

  void Parse(std::string const& text);

  State state_ = State::kEmpty;
  int year_ = 0;
  int month_ = 0;  // 1..12
  int day_ = 0;
  int hour_ = 0;
  int minute_ = 0;
  int second_ = 0;
  std::int32_t micros_ = 0;  // the fraction in microseconds
  int fraction_digits_ = 0;  // as read, 0..6
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_VDATETIME_H_
