#include "vdatetime.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <tuple>

namespace ostrel {
namespace base {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads exactly `digits` decimal digits at *pos.
bool ReadFixed(std::string const& s, std::size_t end, std::size_t* pos, int digits, int* value) {
  if (end - *pos < static_cast<std::size_t>(digits)) return false;
  int v = 0;
  for (int i = 0; i < digits; ++i) {
    char const c = s[*pos + i];
    if (!IsDigit(c)) return false;
    v = v * 10 + (c - '0');
  }
  *pos += digits;
  *value = v;
  return true;
}

bool ReadChar(std::string const& s, std::size_t end, std::size_t* pos, char c) {
  if (*pos >= end || s[*pos] != c) return false;
  ++*pos;
  return true;
}

}  // namespace

VDateTime::VDateTime(std::string const& text) { Parse(text); }

VDateTime::VDateTime(char const* text) {
  if (text != nullptr) Parse(text);
}

void VDateTime::Parse(std::string const& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  if (begin == end) {
    state_ = State::kEmpty;
    return;
  }
  state_ = State::kInvalid;
  std::size_t pos = begin;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
  if (!(ReadFixed(s, end, &pos, 4, &y) && ReadChar(s, end, &pos, '-') &&
        ReadFixed(s, end, &pos, 2, &mo) && ReadChar(s, end, &pos, '-') &&
        ReadFixed(s, end, &pos, 2, &d))) {
    return;
  }
  if (!ReadChar(s, end, &pos, 'T') && !ReadChar(s, end, &pos, ' ')) return;
  if (!(ReadFixed(s, end, &pos, 2, &h) && ReadChar(s, end, &pos, ':') &&
        ReadFixed(s, end, &pos, 2, &mi) && ReadChar(s, end, &pos, ':') &&
        ReadFixed(s, end, &pos, 2, &sec))) {
    return;
  }
  int digits = 0;
  std::int32_t micros = 0;
  if (ReadChar(s, end, &pos, '.')) {
    while (pos < end && digits < 6 && IsDigit(s[pos])) {
      micros = micros * 10 + (s[pos] - '0');
      ++digits;
      ++pos;
    }
    if (digits == 0) return;
    for (int i = digits; i < 6; ++i) micros *= 10;
  }
  if (pos != end || !VDate(d, mo - 1, y).IsValid() || h > 23 || mi > 59 || sec > 59) return;
  state_ = State::kValid;
  year_ = y;
  month_ = mo;
  day_ = d;
  hour_ = h;
  minute_ = mi;
  second_ = sec;
  micros_ = micros;
  fraction_digits_ = digits;
}

VDateTime VDateTime::Now() {
  using std::chrono::system_clock;
  system_clock::time_point const now = system_clock::now();
  std::time_t const t = system_clock::to_time_t(now);
  auto const micros =
      std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() %
      1000000;
  // UTC, as the application server stamps its records, so that Now()
  // compares with a stored time stamp.
  std::tm utc{};
  VDateTime result;
  if (gmtime_r(&t, &utc) == nullptr) {
    result.state_ = State::kInvalid;
    return result;
  }
  result.state_ = State::kValid;
  result.year_ = utc.tm_year + 1900;
  result.month_ = utc.tm_mon + 1;
  result.day_ = utc.tm_mday;
  result.hour_ = utc.tm_hour;
  result.minute_ = utc.tm_min;
  // A leap second (tm_sec 60) is folded into the second before it.
  result.second_ = utc.tm_sec > 59 ? 59 : utc.tm_sec;
  result.micros_ = static_cast<std::int32_t>(micros < 0 ? micros + 1000000 : micros);
  result.fraction_digits_ = 6;
  return result;
}

std::string VDateTime::ToIdl() const {
  if (state_ != State::kValid) return std::string();
  char buf[64];
  int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", year_, month_, day_,
                        hour_, minute_, second_);
  std::string out(buf, static_cast<std::size_t>(n));
  if (fraction_digits_ > 0) {
    std::snprintf(buf, sizeof buf, "%06d", static_cast<int>(micros_));
    out.push_back('.');
    out.append(buf, static_cast<std::size_t>(fraction_digits_));
  }
  return out;
}

VDate VDateTime::GetDate() const {
  switch (state_) {
    case State::kEmpty:
      return VDate("");
    case State::kInvalid:
      break;
    case State::kValid:
      return VDate(day_, month_ - 1, year_);
  }
  return VDate(-1, -1, -1);
}

bool VDateTime::operator==(VDateTime const& o) const {
  if (state_ != o.state_) return false;
  if (state_ != State::kValid) return true;
  return std::tie(year_, month_, day_, hour_, minute_, second_, micros_) ==
         std::tie(o.year_, o.month_, o.day_, o.hour_, o.minute_, o.second_, o.micros_);
}

bool VDateTime::operator<(VDateTime const& o) const {
  if (state_ != o.state_) return state_ < o.state_;
  if (state_ != State::kValid) return false;
  return std::tie(year_, month_, day_, hour_, minute_, second_, micros_) <
         std::tie(o.year_, o.month_, o.day_, o.hour_, o.minute_, o.second_, o.micros_);
}

}  // namespace base
}  // namespace ostrel
