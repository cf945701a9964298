#include "sorting.h"

#include <cstring>
#include <cwchar>
#include <optional>

namespace ostrel::server {

int CompareText(const char* a, const char* b) { return std::strcmp(a, b); }

int CompareWide(const CORBA::WChar* a, const CORBA::WChar* b) { return std::wcscmp(a, b); }

int CompareNatural(const char* a, const char* b) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  while (*a && *b) {
    if (digit(*a) && digit(*b)) {
      while (*a == '0') ++a;
      while (*b == '0') ++b;
      size_t la = 0, lb = 0;
      while (digit(a[la])) ++la;
      while (digit(b[lb])) ++lb;
      if (la != lb) return la < lb ? -1 : 1;
      if (int c = std::strncmp(a, b, la)) return c;
      a += la;
      b += lb;
    } else {
      if (*a != *b) return static_cast<unsigned char>(*a) < static_cast<unsigned char>(*b) ? -1 : 1;
      ++a;
      ++b;
    }
  }
  return *a ? 1 : *b ? -1 : 0;
}

int CompareDecimal(const char* a, const char* b) {
  const std::optional<double> x = ParseDecimal(a);
  const std::optional<double> y = ParseDecimal(b);
  if (x && y) return CompareValue(*x, *y);
  if (x.has_value() != y.has_value()) return x ? 1 : -1;
  return std::strcmp(a, b);
}

}  // namespace ostrel::server
