// VDate: a calendar date as the application and the server exchange it.
#ifndef OSTREL_BASE_VDATE_H_
#define OSTREL_BASE_VDATE_H_

#include <cstddef>
#include <string>

namespace ostrel {
namespace base {

// A VDate is in one of three states:
//   - a real date: a day of the proleptic Gregorian calendar in the years
//     1 to 9999;
//   - the undefined date: VDate(-1, -1, -1), and what every constructor gives
//     for input that is not a date;
//   - the empty date: VDate(""), "no value" on the wire.
//
// Text formats:
//   wire (ToIdl, c_str)  "YYYY-MM-DD", e.g. "2099-12-31"; undefined
//                        "0000-00-00"; empty "".
//   display (ToDisplay)  "DD.MM.YYYY", e.g. "31.12.2099"; undefined
//                        "00.00.0000"; empty "".
// The text constructors accept either format with any number of surrounding
// spaces or tabs; in the display format day and month may have one digit
// ("1.2.2023"). Text that is empty or blank gives the empty date; any other
// text that is not a calendar date (29.02.2023, 2023-13-01, "0000-00-00",
// garbage of any length) gives the undefined date. VDate(d.ToIdl()) == d and
// VDate(d.ToDisplay()) == d hold for every date.
//
// Order: empty < undefined < every real date, and real dates in calendar
// order. Two dates are equal when they are in the same state and, for real
// dates, on the same day.
//
// A VDate is a value: copies are independent, and const member functions may
// be called from several threads at once.
class VDate {
 public:
  // Today's date in the local time zone.
  VDate();
  // Day (1..31), zero-based month (0..11) and year (1..9999). Any combination
  // that is not a calendar date gives the undefined date; VDate(-1, -1, -1)
  // is the usual way to write it.
  VDate(int day, int month0, int year);
  // Reads the wire or the display text; a null pointer gives the empty date.
  explicit VDate(char const* text);
  explicit VDate(std::string const& text);

  VDate(VDate const&) = default;
  VDate& operator=(VDate const&) = default;
  virtual ~VDate() = default;

  // Today's date in the local time zone.
  static VDate Today();

  // The wire text.
  virtual std::string ToIdl() const { return wire_; }
  // The wire text as a C string, for operations that take a date as a string
  // argument; the pointer stays valid while the object lives and is not
  // assigned to.
  virtual char const* c_str() const { return wire_.c_str(); }
  // The display text, for people.
  std::string ToDisplay() const;

  bool IsUndefined() const { return state_ == State::kUndefined; }
  bool IsEmpty() const { return state_ == State::kEmpty; }
  // True for a real calendar date.
  bool IsValid() const { return state_ == State::kValid; }

  // Day of the month (1..31), zero-based month (0..11) and year of a real
  // date; -1 each for the undefined and the empty date.
  int GetDay() const { return day_; }
  int GetMonth() const { return month0_; }
  virtual long GetYear() const { return year_; }

  // !(*this == other).
  virtual bool IsDifferent(VDate const& other) const;

  // The first day of this date's month; the undefined and the empty date
  // return themselves.
  virtual VDate GetFirstOfMonth() const;

  // The date `days` days later (earlier when negative). A result outside the
  // years 1..9999 is the undefined date; the undefined and the empty date
  // return themselves.
  VDate AddDays(int days) const;

  bool operator==(VDate const& o) const;
  bool operator!=(VDate const& o) const { return !(*this == o); }
  bool operator<(VDate const& o) const;
  bool operator>(VDate const& o) const { return o < *this; }
  bool operator<=(VDate const& o) const { return !(o < *this); }
  bool operator>=(VDate const& o) const { return !(*this < o); }

 private:
  // Declared in the order of the total order above.
  enum class State { kEmpty, kUndefined, kValid };

  void SetValid(int day, int month0, int year);
  void SetState(State state);
  void Parse(char const* text, std::size_t size);

  State state_ = State::kUndefined;
  int day_ = -1;
  int month0_ = -1;
  int year_ = -1;
  std::string wire_;
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_VDATE_H_
