// Text helpers of the reference server: UTF-8 and wide text, numbers.
#ifndef OSTREL_SERVER_TEXT_H_
#define OSTREL_SERVER_TEXT_H_

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::server {

// Wide text the server makes itself is UTF-16 code units, one per wchar_t,
// so a character outside the BMP is a surrogate pair. Units travel intact
// whatever the native wide code set; a single wchar_t above 0xFFFF does not
// (omniORB 4.2 refuses it under UTF-16 and writes a wrong length under UCS-4).

// UTF-8 to wide text; malformed bytes become U+FFFD.
std::wstring Widen(std::string_view utf8);
// Wide text to UTF-8; a lone surrogate becomes U+FFFD.
std::string Narrow(std::wstring_view wide);
// Splits every wchar_t above 0xFFFF into its surrogate pair, for wide text
// received from a client that the server sends out again.
std::wstring ToUnits(std::wstring_view wide);

// A decimal number as the client writes fixed-point values: optional sign,
// digits, optionally a point and more digits.
bool IsDecimal(std::string_view text);
std::optional<double> ParseDecimal(std::string_view text);

}  // namespace ostrel::server

#endif  // OSTREL_SERVER_TEXT_H_
