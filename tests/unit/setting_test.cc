#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "setting.h"

namespace ostrel {
namespace base {
namespace {

std::wstring Describe(Setting const& s) {
  return s.GetScope() + L"/" + s.GetOwner() + L"/" + s.GetSection() + L"/" + s.GetKey() + L"=" +
         s.GetValue().str();
}

std::vector<std::wstring> Describe(std::vector<Setting> const& settings) {
  std::vector<std::wstring> out;
  for (Setting const& s : settings) out.push_back(Describe(s));
  return out;
}

TEST(SettingParseTest, ReadsSectionsKeysAndValues) {
  std::string const text =
      "\xEF\xBB\xBF# comment\r\n"
      "; another\n"
      "\n"
      "[Callback]\n"
      "  MaxHits\t=  500  \r\n"
      "[CLIENT / jdoe / Display]\n"
      "Title = Payroll = 2024\n"
      "Empty =\n"
      "Card = \xF0\x9F\x82\xA1\n"
      "[Callback]\n"
      "MaxHits = 7";  // no final newline
  SettingsFile const file = Setting::Parse(text);
  EXPECT_TRUE(file.errors.empty());
  EXPECT_EQ(Describe(file.entries), (std::vector<std::wstring>{
                                        L"SYSTEM/SYSTEM/Callback/MaxHits=500",
                                        L"CLIENT/jdoe/Display/Title=Payroll = 2024",
                                        L"CLIENT/jdoe/Display/Empty=",
                                        L"CLIENT/jdoe/Display/Card=\U0001F0A1",
                                        L"SYSTEM/SYSTEM/Callback/MaxHits=7",
                                    }));
}

TEST(SettingParseTest, ReportsBadLinesAndKeepsTheRest) {
  std::string const text =
      "orphan = 1\n"      // 1: before any section
      "[A]\n"             // 2
      "\n"                // 3
      "no equals sign\n"  // 4
      " = value\n"        // 5
      "good = yes\n"      // 6
      "[x/y]\n"           // 7: two parts
      "lost = 1\n"        // 8: its section was rejected
      "[/y/z]\n"          // 9
      "[]\n"              // 10
      "[B\n"              // 11
      "[s/o/B]\n"         // 12
      "fine = 2\n";       // 13
  SettingsFile const file = Setting::Parse(text);
  EXPECT_EQ(Describe(file.entries),
            (std::vector<std::wstring>{L"SYSTEM/SYSTEM/A/good=yes", L"s/o/B/fine=2"}));
  std::string const bad_header = ": expected '[Section]' or '[Scope/Owner/Section]'";
  EXPECT_EQ(file.errors, (std::vector<std::string>{
                             "line 1: key outside of a section",
                             "line 4: expected 'key = value'",
                             "line 5: empty key",
                             "line 7" + bad_header,
                             "line 8: key outside of a section",
                             "line 9" + bad_header,
                             "line 10" + bad_header,
                             "line 11" + bad_header,
                         }));
}

TEST(SettingParseTest, ArbitraryBytesNeverBreakTheReader) {
  std::mt19937 rng(3);
  char const alphabet[] = "[]/=#; \t\r\nab\xC3\xA4\xFF\0";
  for (int i = 0; i < 3000; ++i) {
    std::string text(rng() % 64, '\0');
    for (char& c : text) c = alphabet[rng() % (sizeof alphabet)];
    SettingsFile const file = Setting::Parse(text);
    for (Setting const& s : file.entries) {
      ASSERT_FALSE(s.GetKey().empty());
      ASSERT_FALSE(s.GetSection().empty());
    }
  }
}

// Each test gets its own directory, and OSTREL_SETTINGS is restored after it.
class SettingFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char dir_template[] = "/tmp/ostrel_setting_XXXXXX";
    ASSERT_NE(mkdtemp(dir_template), nullptr);
    dir_ = dir_template;
    char const* env = std::getenv("OSTREL_SETTINGS");
    if (env != nullptr) saved_env_.reset(new std::string(env));
    char cwd[PATH_MAX];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    saved_cwd_ = cwd;
  }

  void TearDown() override {
    if (saved_env_) {
      setenv("OSTREL_SETTINGS", saved_env_->c_str(), 1);
    } else {
      unsetenv("OSTREL_SETTINGS");
    }
    ASSERT_EQ(chdir(saved_cwd_.c_str()), 0);
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  std::string Write(std::string const& name, std::string const& text) {
    std::string const path = dir_ + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  static std::vector<std::wstring> Get(wchar_t const* scope, wchar_t const* owner) {
    std::vector<Setting*> settings = Setting::GetSettings(VString(scope), owner);
    std::vector<std::wstring> out;
    for (Setting* s : settings) {
      out.push_back(Describe(*s));
      delete s;
    }
    return out;
  }

  std::string dir_;
  std::string saved_cwd_;
  std::unique_ptr<std::string> saved_env_;
};

TEST_F(SettingFileTest, GetSettingsFiltersByScopeAndOwnerAndRereads) {
  std::string const path = Write("a.ini",
                                 "[Callback]\nMaxHits = 5\n"
                                 "[CLIENT/jdoe/X]\nk = v\n"
                                 "[Other]\nMaxHits = 6\n"
                                 "bad line\n");
  setenv("OSTREL_SETTINGS", path.c_str(), 1);
  EXPECT_EQ(Setting::SettingsPath(), path);
  EXPECT_EQ(Get(L"SYSTEM", L"SYSTEM"), (std::vector<std::wstring>{
                                           L"SYSTEM/SYSTEM/Callback/MaxHits=5",
                                           L"SYSTEM/SYSTEM/Other/MaxHits=6",
                                       }));
  EXPECT_EQ(Get(L"CLIENT", L"jdoe"), (std::vector<std::wstring>{L"CLIENT/jdoe/X/k=v"}));
  EXPECT_TRUE(Get(L"CLIENT", L"JDOE").empty());

  Write("a.ini", "[Callback]\nMaxHits = 9\n");
  EXPECT_EQ(Get(L"SYSTEM", L"SYSTEM"),
            (std::vector<std::wstring>{L"SYSTEM/SYSTEM/Callback/MaxHits=9"}));
}

TEST_F(SettingFileTest, FileLocation) {
  std::string const missing = dir_ + "/missing.ini";
  setenv("OSTREL_SETTINGS", missing.c_str(), 1);
  EXPECT_TRUE(Get(L"SYSTEM", L"SYSTEM").empty());
  EXPECT_EQ(Setting::Load(missing).errors,
            std::vector<std::string>{"cannot read settings file '" + missing + "'"});
  EXPECT_EQ(Setting::Load(dir_).errors.size(), 1u);  // a directory

  // Without the variable the working directory's file is used, if any.
  unsetenv("OSTREL_SETTINGS");
  ASSERT_EQ(chdir(dir_.c_str()), 0);
  EXPECT_EQ(Setting::SettingsPath(), "");
  EXPECT_TRUE(Get(L"SYSTEM", L"SYSTEM").empty());
  Write("ostrel.ini", "[Callback]\nMaxHits = 1\n");
  EXPECT_EQ(Get(L"SYSTEM", L"SYSTEM"),
            (std::vector<std::wstring>{L"SYSTEM/SYSTEM/Callback/MaxHits=1"}));
}

TEST(WToITest, BehavesLikeTheCLibrary) {
  struct Case {
    wchar_t const* in;
    int out;
  } const cases[] = {
      {L"42", 42},
      {L" \t\n-17abc", -17},
      {L"+5", 5},
      {L"12 34", 12},
      {L"", 0},
      {L"abc", 0},
      {L"- 5", 0},
      {L"+-5", 0},
      {L"2147483647", INT_MAX},
      {L"2147483648", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"-2147483649", INT_MIN},
      {L"000000000000000000000012", 12},
      {L"99999999999999999999999999", INT_MAX},
      {L"-99999999999999999999999999", INT_MIN},
  };
  for (Case const& c : cases) EXPECT_EQ(WToI(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace base
}  // namespace ostrel
