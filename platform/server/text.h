// Text helpers of the reference server: UTF-8 and wide text, numbers.
#ifndef OSTREL_SERVER_TEXT_H_
#define OSTREL_SERVER_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::server {

// Wide text in this server is UTF-16 code units, one per wchar_t: that is
// what the ORB's native wide code set UTF-16 hands over and accepts. A
// character outside the BMP is a surrogate pair; a wchar_t above 0xFFFF
// cannot be sent at all.

// UTF-8 to wide text; malformed bytes become U+FFFD.
std::wstring Widen(std::string_view utf8);
// Wide text to UTF-8; a lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view wide);

// A decimal number as the client writes fixed-point values: optional sign,
// digits, optionally a point and more digits.
bool IsDecimal(std::string_view text);
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_TEXT_H_
