// Setting: one entry of the settings file, and the reader of that file.
#ifndef OSTREL_BASE_SETTING_H_
#define OSTREL_BASE_SETTING_H_

#include <string>
#include <vector>

#include "vstring.h"

namespace ostrel {
namespace base {

struct SettingsFile;

// One "key = value" entry of the settings file, with the scope, owner and
// section it was found under.
//
// Where the file is: the path in the environment variable OSTREL_SETTINGS
// when that is set and not empty; otherwise ./ostrel.ini when it exists;
// otherwise there are no settings.
//
// File format, UTF-8 text (ill-formed bytes read as U+FFFD; a leading byte
// order mark is skipped; lines end in LF or CR LF):
//
//   # A comment; so is a line starting with ';'. Blank lines are ignored.
//   [Callback]                  a section of scope "SYSTEM", owner "SYSTEM"
//   MaxHits = 500               key "MaxHits", value "500"
//   [CLIENT/jdoe/Display]       scope "CLIENT", owner "jdoe", section "Display"
//   Title = Payroll = 2024      value "Payroll = 2024" (split at the first '=')
//   Empty =                     an empty value
//
// Keys, values and the parts of a section header are trimmed of surrounding
// spaces and tabs; a comment must be on a line of its own. A section header
// names one part (the section) or three parts separated by '/', none empty.
// These lines are errors: a key line before any section header, a key line
// with an empty key, a header with another number of parts or an empty part,
// and any other line. Scope, owner, section and key are compared exactly
// (case matters), and a key may occur more than once.
class Setting {
 public:
  Setting(std::wstring scope, std::wstring owner, std::wstring section, std::wstring key,
          VString value);

  std::wstring GetScope() const { return scope_; }
  std::wstring GetOwner() const { return owner_; }
  std::wstring GetSection() const { return section_; }
  std::wstring GetKey() const { return key_; }
  VString GetValue() const { return value_; }

  // The settings of the given scope and owner, in file order, each created
  // with new; the caller deletes them. The file is read afresh on each call;
  // a missing file gives no settings and lines in error are skipped (use
  // Load() to see why).
  static std::vector<Setting*> GetSettings(VString const& scope, std::wstring const& owner);

  // The path of the settings file in use, as described above; "" when there
  // is none.
  static std::string SettingsPath();

  // Reads settings text. Errors read "line N: <what>", with N counted from 1,
  // e.g. "line 3: expected 'key = value'".
  static SettingsFile Parse(std::string const& text);

  // Reads a settings file; when it cannot be read the only error is
  // "cannot read settings file '<path>'".
  static SettingsFile Load(std::string const& path);

 private:
  std::wstring scope_;
  std::wstring owner_;
  std::wstring section_;
  std::wstring key_;
  VString value_;
};

// The result of reading a settings file: the entries in file order, and one
// message per line that could not be read (such lines are skipped; the rest
// of the file is still read).
struct SettingsFile {
  std::vector<Setting> entries;
  std::vector<std::string> errors;
};

// Reads an int the way C's _wtoi does: leading white space, an optional sign
// and the digits that follow; reading stops at the first other character.
// Text without such digits gives 0; a value outside the range of int gives
// INT_MAX or INT_MIN.
int WToI(std::wstring const& text);

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_SETTING_H_
