// Text helpers of the reference server: UTF-8 and wide text, numbers.
#ifndef OSTREL_SERVER_TEXT_H_
#define OSTREL_SERVER_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::server {

// UTF-8 to wide text (one wchar_t per code point); malformed bytes become U+FFFD.
std::wstring Widen(std::string_view utf8);
// Wide text to UTF-8.
std::string Narrow(std::wstring_view wide);

// A decimal number as the client writes fixed-point values: optional sign,
// digits, optionally a point and more digits.
bool IsDecimal(std::string_view text);
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_TEXT_H_
