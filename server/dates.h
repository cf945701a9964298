// Dates as they travel: "YYYY-MM-DD". The undefined date "0000-00-00" and the
// empty text both mean "no value". Valid date texts compare like the dates.
#ifndef OSTREL_SERVER_DATES_H_
#define OSTREL_SERVER_DATES_H_

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::server::dates {

// Open end of a validity.
inline constexpr char kOpenEnd[] = "2099-12-31";

bool IsUnset(std::string_view text);
// Days since 1970-01-01, or nothing for a text that is not a calendar date.
std::optional<long> ToDays(std::string_view text);
std::string FromDays(long days);
bool IsValid(std::string_view text);
// The day before a valid date.
std::string DayBefore(std::string_view text);
// Today and now in UTC; the time stamp is "YYYY-MM-DDTHH:MM:SS".
std::string Today();
std::string NowStamp();

}  // namespace ostrel::server::dates

#endif  // OSTREL_SERVER_DATES_H_
