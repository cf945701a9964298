// Any settings text parses into entries and error lines, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "setting.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  std::string const text(reinterpret_cast<char const*>(data), size);
  ostrel::base::SettingsFile const file = ostrel::base::Setting::Parse(text);
  for (auto const& s : file.entries) {
    (void)s.GetValue().c_str();
    (void)ostrel::base::WToI(s.GetValue().str());
  }
  return 0;
}
