#include "wire_check.h"

#include "dates.h"
#include "serverbase.hh"
#include "text.h"

namespace ostrel::server {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDigits(std::string_view t) {
  if (t.empty()) return false;
  for (char c : t) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

bool IsFixed(std::string_view t) {
  if (!t.empty() && t.front() == '-') t.remove_prefix(1);
  const auto point = t.find('.');
  if (point == std::string_view::npos) return IsDigits(t);
  return IsDigits(t.substr(0, point)) && IsDigits(t.substr(point + 1));
}

bool IsInRange(std::string_view t, std::size_t at, unsigned max) {
  if (!IsDigit(t[at]) || !IsDigit(t[at + 1])) return false;
  return static_cast<unsigned>((t[at] - '0') * 10 + (t[at + 1] - '0')) <= max;
}

bool IsTimestamp(std::string_view t) {
  if (t.size() < 19 || t[10] != 'T' || t[13] != ':' || t[16] != ':') return false;
  if (!dates::IsValid(t.substr(0, 10))) return false;
  if (!IsInRange(t, 11, 23) || !IsInRange(t, 14, 59) || !IsInRange(t, 17, 59)) return false;
  if (t.size() == 19) return true;
  const std::string_view fraction = t.substr(20);
  return t[19] == '.' && fraction.size() <= 6 && IsDigits(fraction);
}

const char* Expected(TextKind kind) {
  switch (kind) {
    case TextKind::kDate:
      return "a date (YYYY-MM-DD)";
    case TextKind::kFixed:
      return "a fixed-point number (digits with a decimal point)";
    case TextKind::kTimestamp:
    default:
      return "a time stamp (YYYY-MM-DDTHH:MM:SS)";
  }
}

}  // namespace

bool IsWireText(TextKind kind, std::string_view text) {
  if (text.empty()) return true;
  switch (kind) {
    case TextKind::kDate:
      return dates::IsUnset(text) || dates::IsValid(text);
    case TextKind::kFixed:
      return IsFixed(text);
    case TextKind::kTimestamp:
      return IsTimestamp(text);
  }
  return false;
}

void RefuseText(const char* operation, const std::string& member, TextKind kind,
                std::string_view text) {
  const std::string message = std::string(operation) + ": " + member + " '" + std::string(text) +
                              "' is not " + Expected(kind);
  throw com::ostrel::serverbase::applicationexception::DomainException(Widen(message).c_str());
}

}  // namespace ostrel::server
