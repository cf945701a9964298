// Any text read as a time stamp either is invalid or reads back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "vdatetime.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  ostrel::base::VDateTime const t(text);
  if (t.IsValid()) {
    ostrel::base::VDateTime const back(t.ToIdl());
    if (!back.IsValid() || back.ToIdl() != t.ToIdl()) __builtin_trap();
    (void)t.GetDate();
  } else if (!t.ToIdl().empty()) {
    __builtin_trap();
  }
  return 0;
}
