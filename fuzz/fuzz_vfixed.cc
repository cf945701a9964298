// Any text read as a fixed-point number either is empty or reads back
// unchanged; arithmetic on it never crashes.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "vfixed.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  ostrel::base::VFixed const v(text);
  ostrel::base::VFixed const back(v.ToIdl());
  if (back.ToIdl() != v.ToIdl() || !(back == v)) __builtin_trap();
  if (v.IsEmpty()) return 0;
  try {
    (void)(v * v);
    (void)(v + v - v);
    (void)v.Divide(ostrel::base::VFixed(7), 4);
    (void)v.Round(2);
  } catch (std::overflow_error const&) {
    // Results beyond 38 digits are refused, by design.
  }
  return 0;
}
