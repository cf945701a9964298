#include "setting.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

#include "string_converter.h"

namespace ostrel {
namespace base {
namespace {

constexpr char kDefaultPath[] = "./ostrel.ini";
constexpr wchar_t kSystem[] = L"SYSTEM";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

std::wstring Trim(std::wstring const& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

std::string LineError(std::size_t line, char const* what) {
  return "line " + std::to_string(line) + ": " + what;
}

bool FileExists(char const* path) {
  std::ifstream in(path);
  return in.good();
}

}  // namespace

Setting::Setting(std::wstring scope, std::wstring owner, std::wstring section, std::wstring key,
                 VString value)
    : scope_(std::move(scope)),
      owner_(std::move(owner)),
      section_(std::move(section)),
      key_(std::move(key)),
      value_(std::move(value)) {}

SettingsFile Setting::Parse(std::string const& text) {
  SettingsFile result;
  std::wstring wide = StringConverter::ToWide(text);
  if (!wide.empty() && wide[0] == 0xFEFF) wide.erase(0, 1);

  bool in_section = false;
  std::wstring scope, owner, section;
  std::size_t line_no = 0, start = 0;
  while (start < wide.size()) {
    std::size_t stop = wide.find(L'\n', start);
    if (stop == std::wstring::npos) stop = wide.size();
    std::wstring raw = wide.substr(start, stop - start);
    start = stop + 1;
    ++line_no;
    if (!raw.empty() && raw.back() == L'\r') raw.pop_back();
    std::wstring const line = Trim(raw);
    if (line.empty() || line[0] == L'#' || line[0] == L';') continue;

    if (line.front() == L'[') {
      std::vector<std::wstring> parts;
      bool const closed = line.size() >= 2 && line.back() == L']';
      std::wstring const inner = closed ? line.substr(1, line.size() - 2) : std::wstring();
      std::size_t from = 0;
      for (;;) {
        std::size_t const slash = inner.find(L'/', from);
        parts.push_back(Trim(inner.substr(from, slash - from)));
        if (slash == std::wstring::npos) break;
        from = slash + 1;
      }
      bool const any_empty =
          std::any_of(parts.begin(), parts.end(), [](std::wstring const& p) { return p.empty(); });
      if (!closed || any_empty || (parts.size() != 1 && parts.size() != 3)) {
        result.errors.push_back(
            LineError(line_no, "expected '[Section]' or '[Scope/Owner/Section]'"));
        // Keys up to the next good header would land in the wrong section.
        in_section = false;
        continue;
      }
      in_section = true;
      if (parts.size() == 1) {
        scope = owner = kSystem;
        section = parts[0];
      } else {
        scope = parts[0];
        owner = parts[1];
        section = parts[2];
      }
      continue;
    }

    std::size_t const eq = line.find(L'=');
    if (eq == std::wstring::npos) {
      result.errors.push_back(LineError(line_no, "expected 'key = value'"));
      continue;
    }
    std::wstring key = Trim(line.substr(0, eq));
    if (key.empty()) {
      result.errors.push_back(LineError(line_no, "empty key"));
      continue;
    }
    if (!in_section) {
      result.errors.push_back(LineError(line_no, "key outside of a section"));
      continue;
    }
    result.entries.emplace_back(scope, owner, section, std::move(key),
                                VString(Trim(line.substr(eq + 1))));
  }
  return result;
}

SettingsFile Setting::Load(std::string const& path) {
  std::error_code ec;
  std::ifstream in;
  // A directory opens without error but reads as nothing.
  if (!std::filesystem::is_directory(path, ec)) in.open(path, std::ios::binary);
  std::ostringstream text;
  if (in) text << in.rdbuf();
  if (!in.is_open() || in.bad()) {
    SettingsFile result;
    result.errors.push_back("cannot read settings file '" + path + "'");
    return result;
  }
  return Parse(text.str());
}

std::string Setting::SettingsPath() {
  char const* env = std::getenv("OSTREL_SETTINGS");
  if (env != nullptr && env[0] != '\0') return env;
  return FileExists(kDefaultPath) ? kDefaultPath : "";
}

std::vector<Setting*> Setting::GetSettings(VString const& scope, std::wstring const& owner) {
  std::vector<Setting*> result;
  std::string const path = SettingsPath();
  if (path.empty()) return result;
  SettingsFile const file = Load(path);
  for (Setting const& s : file.entries) {
    if (s.scope_ == scope.str() && s.owner_ == owner) result.push_back(new Setting(s));
  }
  return result;
}

int WToI(std::wstring const& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == L' ' || (text[i] >= L'\t' && text[i] <= L'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  // Accumulated as a negative number, whose range includes INT_MIN.
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = value * 10 - (text[i] - L'0');
    if (value < INT_MIN) return negative ? INT_MIN : INT_MAX;
  }
  if (negative) return static_cast<int>(value);
  return value == INT_MIN ? INT_MAX : static_cast<int>(-value);
}

}  // namespace base
}  // namespace ostrel
