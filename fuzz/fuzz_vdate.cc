// Any text read as a date gives a date whose wire text (ToIdl and c_str)
// and display text read back to it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "vdate.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  ostrel::base::VDate const d(text);
  ostrel::base::VDate const back(d.ToIdl());
  if (back != d || back.ToIdl() != d.ToIdl()) __builtin_trap();
  if (std::string(d.c_str()) != d.ToIdl()) __builtin_trap();
  ostrel::base::VDate const shown(d.ToDisplay());
  if (shown.ToIdl() != d.ToIdl()) __builtin_trap();
  (void)d.GetFirstOfMonth();
  (void)d.AddDays(static_cast<int>(size) - 128);
  return 0;
}
