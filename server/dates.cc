#include "dates.h"

#include <cstdio>
#include <ctime>

namespace ostrel::server::dates {
namespace {

// Civil-date arithmetic on the proleptic Gregorian calendar (H. Hinnant).
long DaysFromCivil(long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<long>(yoe) + era * 400 + (m <= 2);
}

bool Digits(std::string_view text, size_t from, size_t count, unsigned& value) {
  value = 0;
  for (size_t i = from; i < from + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
  }
  return true;
}

std::tm UtcNow() {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  return tm;
}

}  // namespace

bool IsUnset(std::string_view text) { return text.empty() || text == "0000-00-00"; }

std::optional<long> ToDays(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  unsigned y, m, d;
  if (!Digits(text, 0, 4, y) || !Digits(text, 5, 2, m) || !Digits(text, 8, 2, d)) {
    return std::nullopt;
  }
  if (y == 0 || m < 1 || m > 12 || d < 1) return std::nullopt;
  static const unsigned kLength[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  if (d > kLength[m - 1] + (m == 2 && leap ? 1 : 0)) return std::nullopt;
  return DaysFromCivil(y, m, d);
}

std::string FromDays(long days) {
  long y;
  unsigned m, d;
  CivilFromDays(days, y, m, d);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04ld-%02u-%02u", y, m, d);
  return buf;
}

bool IsValid(std::string_view text) { return ToDays(text).has_value(); }

std::string DayBefore(std::string_view text) { return FromDays(ToDays(text).value() - 1); }

std::string Today() {
  std::tm tm = UtcNow();
  char buf[16];
  std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
  return buf;
}

std::string NowStamp() {
  std::tm tm = UtcNow();
  char buf[32];
  std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%S", &tm);
  return buf;
}

}  // namespace ostrel::server::dates
