// Any text read as a date gives a date whose wire text reads back to it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "vdate.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  ostrel::base::VDate const d(text);
  ostrel::base::VDate const back(d.ToIdl());
  if (back != d || back.ToIdl() != d.ToIdl()) __builtin_trap();
  ostrel::base::VDate const shown(d.c_str());
  if (shown.ToIdl() != d.ToIdl()) __builtin_trap();
  (void)d.GetFirstOfMonth();
  (void)d.AddDays(static_cast<int>(size) - 128);
  return 0;
}
