#include "vdate.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace ostrel {
namespace base {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int month0, int year) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month0 == 1 && IsLeapYear(year) ? 29 : kDays[month0];
}

bool IsCalendarDate(int day, int month0, int year) {
  return year >= 1 && year <= 9999 && month0 >= 0 && month0 <= 11 && day >= 1 &&
         day <= DaysInMonth(month0, year);
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  std::int64_t const era = (y >= 0 ? y : y - 399) / 400;
  std::int64_t const yoe = y - era * 400;
  std::int64_t const doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  std::int64_t const doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(std::int64_t z, std::int64_t* y, int* m, int* d) {
  z += 719468;
  std::int64_t const era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t const doe = z - era * 146097;
  std::int64_t const yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t const doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t const mp = (5 * doy + 2) / 153;
  *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *y = yoe + era * 400 + (*m <= 2);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads between min_digits and max_digits decimal digits at *pos.
bool ReadNumber(char const* text, std::size_t size, std::size_t* pos, int min_digits,
                int max_digits, int* value) {
  int n = 0, v = 0;
  while (*pos < size && n < max_digits && IsDigit(text[*pos])) {
    v = v * 10 + (text[*pos] - '0');
    ++*pos;
    ++n;
  }
  *value = v;
  return n >= min_digits;
}

bool ReadChar(char const* text, std::size_t size, std::size_t* pos, char c) {
  if (*pos >= size || text[*pos] != c) return false;
  ++*pos;
  return true;
}

}  // namespace

VDate::VDate() : VDate(Today()) {}

VDate::VDate(int day, int month0, int year) {
  if (IsCalendarDate(day, month0, year)) {
    SetValid(day, month0, year);
  } else {
    SetState(State::kUndefined);
  }
}

VDate::VDate(char const* text) {
  if (text == nullptr) {
    SetState(State::kEmpty);
  } else {
    Parse(text, std::strlen(text));
  }
}

VDate::VDate(std::string const& text) { Parse(text.data(), text.size()); }

VDate VDate::Today() {
  std::time_t const now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return VDate(-1, -1, -1);
  return VDate(local.tm_mday, local.tm_mon, local.tm_year + 1900);
}

void VDate::SetValid(int day, int month0, int year) {
  state_ = State::kValid;
  day_ = day;
  month0_ = month0;
  year_ = year;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month0 + 1, day);
  wire_ = buf;
}

void VDate::SetState(State state) {
  state_ = state;
  day_ = month0_ = year_ = -1;
  wire_ = state == State::kEmpty ? "" : "0000-00-00";
}

void VDate::Parse(char const* text, std::size_t size) {
  std::size_t begin = 0, end = size;
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (begin == end) {
    SetState(State::kEmpty);
    return;
  }
  int day = 0, month = 0, year = 0;
  bool ok = false;
  std::size_t pos = begin;
  if (end - begin == 10 && text[begin + 4] == '-') {
    ok = ReadNumber(text, end, &pos, 4, 4, &year) && ReadChar(text, end, &pos, '-') &&
         ReadNumber(text, end, &pos, 2, 2, &month) && ReadChar(text, end, &pos, '-') &&
         ReadNumber(text, end, &pos, 2, 2, &day);
  } else {
    ok = ReadNumber(text, end, &pos, 1, 2, &day) && ReadChar(text, end, &pos, '.') &&
         ReadNumber(text, end, &pos, 1, 2, &month) && ReadChar(text, end, &pos, '.') &&
         ReadNumber(text, end, &pos, 4, 4, &year);
  }
  if (ok && pos == end && IsCalendarDate(day, month - 1, year)) {
    SetValid(day, month - 1, year);
  } else {
    SetState(State::kUndefined);
  }
}

std::string VDate::ToDisplay() const {
  switch (state_) {
    case State::kEmpty:
      return std::string();
    case State::kUndefined:
      return "00.00.0000";
    case State::kValid:
      break;
  }
  char buf[48];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", day_, month0_ + 1, year_);
  return buf;
}

bool VDate::IsDifferent(VDate const& other) const { return !(*this == other); }

VDate VDate::GetFirstOfMonth() const {
  if (!IsValid()) return *this;
  return VDate(1, month0_, year_);
}

VDate VDate::AddDays(int days) const {
  if (!IsValid()) return *this;
  std::int64_t y = 0;
  int m = 0, d = 0;
  CivilFromDays(DaysFromCivil(year_, month0_ + 1, day_) + days, &y, &m, &d);
  if (y < 1 || y > 9999) return VDate(-1, -1, -1);
  return VDate(d, m - 1, static_cast<int>(y));
}

bool VDate::operator==(VDate const& o) const {
  return state_ == o.state_ && day_ == o.day_ && month0_ == o.month0_ && year_ == o.year_;
}

bool VDate::operator<(VDate const& o) const {
  if (state_ != o.state_) return state_ < o.state_;
  if (year_ != o.year_) return year_ < o.year_;
  if (month0_ != o.month0_) return month0_ < o.month0_;
  return day_ < o.day_;
}

}  // namespace base
}  // namespace ostrel
