#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "string_converter.h"
#include "vdate.h"
#include "vdatetime.h"
#include "vfixed.h"
#include "vstring.h"

namespace ostrel {
namespace base {
namespace {

// --- StringConverter and VString -------------------------------------------

std::wstring Fffd(int n) { return std::wstring(n, L'\xFFFD'); }

TEST(StringConverterTest, EncodesEveryLengthIncludingNonBmp) {
  std::wstring const wide = L"a\u00E4\u20AC\U0001D518\U0001F0A1";
  std::string const utf8 = "a\xC3\xA4\xE2\x82\xAC\xF0\x9D\x94\x98\xF0\x9F\x82\xA1";
  EXPECT_EQ(StringConverter::Convert(wide), utf8);
  EXPECT_EQ(StringConverter::Convert(wide.c_str()), utf8);
  EXPECT_EQ(StringConverter::ToWide(utf8), wide);
  EXPECT_EQ(StringConverter::Convert(nullptr), "");
  std::wstring const with_nul(L"a\0b", 3);
  EXPECT_EQ(StringConverter::ToWide(StringConverter::Convert(with_nul)), with_nul);
}

TEST(StringConverterTest, EveryScalarValueRoundTrips) {
  std::wstring all;
  for (wchar_t c = 1; c <= 0x10FFFF; ++c) {
    if (c < 0xD800 || c > 0xDFFF) all.push_back(c);
  }
  EXPECT_TRUE(StringConverter::ToWide(StringConverter::Convert(all)) == all);
}

TEST(StringConverterTest, IllFormedUtf8BecomesReplacementCharacters) {
  struct Case {
    std::string in;
    std::wstring out;
  } const cases[] = {
      {"\x80", Fffd(1)},              // stray continuation byte
      {"\xC0\xAF", Fffd(2)},          // overlong '/'
      {"\xE0\x80\x80", Fffd(3)},      // overlong NUL
      {"\xED\xA0\x80", Fffd(3)},      // encoded surrogate
      {"\xF4\x90\x80\x80", Fffd(4)},  // above U+10FFFF
      {"\xF5\xFF", Fffd(2)},          // never valid bytes
      {"\xE2\x82", Fffd(1)},          // truncated at the end
      {"\xE2\x82"
       "A\xF0\x9F\x82",
       Fffd(1) + L"A" + Fffd(1)},
      {"\xF0\x9F\x82\xA1\xA1", L"\U0001F0A1" + Fffd(1)},
  };
  for (Case const& c : cases) EXPECT_EQ(StringConverter::ToWide(c.in), c.out) << c.in;
}

TEST(StringConverterTest, InvalidWideValuesBecomeReplacementCharacters) {
  std::string const fffd = "\xEF\xBF\xBD";
  EXPECT_EQ(StringConverter::Convert(std::wstring(1, wchar_t(0xD800))), fffd);
  EXPECT_EQ(StringConverter::Convert(std::wstring(1, wchar_t(0xDC00)) + L"x"), fffd + "x");
  EXPECT_EQ(StringConverter::Convert(std::wstring(1, wchar_t(0x110000))), fffd);
  EXPECT_EQ(StringConverter::Convert(std::wstring(1, wchar_t(-1))), fffd);
  // A UTF-16 pair is combined into the character it encodes.
  std::wstring const pair = {wchar_t(0xD83C), wchar_t(0xDCA1)};
  EXPECT_EQ(StringConverter::Convert(pair), "\xF0\x9F\x82\xA1");
}

TEST(StringConverterTest, RandomBytesGiveWellFormedText) {
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    std::string bytes(rng() % 16, '\0');
    for (char& b : bytes) b = static_cast<char>(0x7F + rng() % 0x81);
    std::wstring const wide = StringConverter::ToWide(bytes);
    for (wchar_t c : wide) ASSERT_TRUE(c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF));
    std::string const utf8 = StringConverter::Convert(wide);
    ASSERT_EQ(StringConverter::ToWide(utf8), wide);
  }
}

TEST(VStringTest, ConstructorsAgreeAndKeepNonBmpCharacters) {
  VString const from_wide(L"\U0001D518 \U0001F0A1");
  VString const from_narrow(std::string("\xF0\x9D\x94\x98 \xF0\x9F\x82\xA1"));
  EXPECT_EQ(from_wide, from_narrow);
  EXPECT_EQ(from_wide.length(), 3u);
  EXPECT_STREQ(from_wide.c_str(), "\xF0\x9D\x94\x98 \xF0\x9F\x82\xA1");
  EXPECT_STREQ(from_narrow.wc_str(), L"\U0001D518 \U0001F0A1");
  EXPECT_EQ(std::wstring(from_narrow), L"\U0001D518 \U0001F0A1");

  EXPECT_TRUE(VString(static_cast<wchar_t const*>(nullptr)).empty());
  EXPECT_TRUE(VString(static_cast<char const*>(nullptr)).empty());
  EXPECT_STREQ(VString("a\xFF").c_str(), "a\xEF\xBF\xBD");  // c_str agrees with wc_str
  EXPECT_LT(VString(L"a"), VString(L"b"));
  EXPECT_NE(VString(L"a"), VString(L"A"));
}

TEST(VStringTest, CopyOwnsItsText) {
  VString* original = new VString(L"\u00FCber");
  VString copy(*original);
  VString assigned;
  assigned = *original;
  delete original;
  EXPECT_STREQ(copy.c_str(),
               "\xC3\xBC"
               "ber");
  EXPECT_STREQ(assigned.wc_str(), L"\u00FCber");
}

// --- VDate -------------------------------------------------------------------

TEST(VDateTest, FormatsOfRealUndefinedAndEmptyDates) {
  VDate const end(31, 11, 2099);
  EXPECT_EQ(end.ToIdl(), "2099-12-31");
  EXPECT_STREQ(end.c_str(), "2099-12-31");
  EXPECT_EQ(end.ToDisplay(), "31.12.2099");
  EXPECT_EQ(end.GetDay(), 31);
  EXPECT_EQ(end.GetMonth(), 11);
  EXPECT_EQ(end.GetYear(), 2099L);

  VDate const undefined(-1, -1, -1);
  EXPECT_TRUE(undefined.IsUndefined());
  EXPECT_EQ(undefined.ToIdl(), "0000-00-00");
  EXPECT_STREQ(undefined.c_str(), "0000-00-00");
  EXPECT_EQ(undefined.ToDisplay(), "00.00.0000");

  for (VDate const& empty : {VDate(""), VDate(static_cast<char const*>(nullptr)), VDate("  ")}) {
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.ToIdl(), "");
    EXPECT_STREQ(empty.c_str(), "");
    EXPECT_EQ(empty.ToDisplay(), "");
  }
  EXPECT_TRUE(VDate(30, 1, 2024).IsUndefined());  // 30 February
  EXPECT_TRUE(VDate(1, 12, 2024).IsUndefined());  // month 12 is out of range
}

TEST(VDateTest, ReadsWireAndDisplayText) {
  struct Case {
    char const* in;
    char const* wire;
  } const valid[] = {
      {"2024-02-29", "2024-02-29"}, {"29.02.2024", "2024-02-29"}, {" 1.2.2023\t", "2023-02-01"},
      {"29.02.2000", "2000-02-29"}, {"0001-01-01", "0001-01-01"}, {"9999-12-31", "9999-12-31"},
  };
  for (Case const& c : valid) EXPECT_EQ(VDate(c.in).ToIdl(), c.wire) << c.in;

  char const* const invalid[] = {
      "29.02.2023", "2023-02-29",  "29.02.1900",          "2023-13-01", "2023-00-10", "32.01.2023",
      "0000-00-00", "00.00.0000",  "10000-01-01",         "2023-1-01",  "2023/01/01", "1.2.23",
      "123.1.2023", "2023-01-01x", "2023-01-01T00:00:00", "-1.-1.-1",   "abc",
  };
  for (char const* in : invalid) EXPECT_TRUE(VDate(in).IsUndefined()) << in;
  EXPECT_TRUE(VDate(std::string("2023-01-01\0", 11)).IsUndefined());
  EXPECT_TRUE(VDate(std::string(100000, '9')).IsUndefined());
}

TEST(VDateTest, EveryDayRoundTripsAndFollowsTheCalendar) {
  VDate d(1, 0, 1);
  long days = 1;
  for (;;) {
    ASSERT_EQ(VDate(d.ToIdl()), d);
    ASSERT_EQ(VDate(d.ToDisplay()), d);
    ASSERT_EQ(std::string(d.c_str()), d.ToIdl());
    VDate const next = d.AddDays(1);
    if (next.IsUndefined()) break;
    ++days;
    ASSERT_LT(d, next);
    bool const same_month = next.GetMonth() == d.GetMonth() && next.GetDay() == d.GetDay() + 1;
    bool const next_month =
        next.GetDay() == 1 &&
        (next.GetMonth() == d.GetMonth() + 1 ||
         (next.GetMonth() == 0 && d.GetMonth() == 11 && next.GetYear() == d.GetYear() + 1));
    ASSERT_TRUE(same_month || next_month) << d.ToIdl() << " -> " << next.ToIdl();
    d = next;
  }
  EXPECT_EQ(d.ToIdl(), "9999-12-31");
  EXPECT_EQ(days, 3652059L);  // 9999 years of the Gregorian calendar
}

TEST(VDateTest, AddDaysAndFirstOfMonth) {
  EXPECT_EQ(VDate(1, 0, 1970).AddDays(19723).ToIdl(), "2024-01-01");
  EXPECT_EQ(VDate(1, 2, 2024).AddDays(-1).ToIdl(), "2024-02-29");
  EXPECT_TRUE(VDate(1, 0, 1).AddDays(-1).IsUndefined());
  EXPECT_TRUE(VDate(1, 0, 2000).AddDays(INT_MAX).IsUndefined());
  EXPECT_TRUE(VDate(1, 0, 2000).AddDays(INT_MIN).IsUndefined());
  EXPECT_TRUE(VDate("").AddDays(1).IsEmpty());

  EXPECT_EQ(VDate(31, 11, 2099).GetFirstOfMonth().ToIdl(), "2099-12-01");
  EXPECT_TRUE(VDate(-1, -1, -1).GetFirstOfMonth().IsUndefined());
  EXPECT_TRUE(VDate("").GetFirstOfMonth().IsEmpty());
}

TEST(VDateTest, TotalOrder) {
  std::vector<VDate> dates = {VDate(1, 0, 2000), VDate(-1, -1, -1), VDate(31, 11, 1999), VDate(""),
                              VDate(2, 0, 2000)};
  std::sort(dates.begin(), dates.end());
  std::vector<std::string> wire;
  for (VDate const& d : dates) wire.push_back(d.ToIdl());
  EXPECT_EQ(wire,
            (std::vector<std::string>{"", "0000-00-00", "1999-12-31", "2000-01-01", "2000-01-02"}));
  VDate const a(5, 4, 2020), b("05.05.2020");
  EXPECT_TRUE(a == b && a <= b && a >= b && !(a < b) && !a.IsDifferent(b));
  EXPECT_TRUE(a.IsDifferent(VDate("")) && VDate("") != VDate(-1, -1, -1));
  EXPECT_TRUE(VDate(1, 0, 2021) > a);
}

TEST(VDateTest, DefaultIsTodayAndCopiesOwnTheirText) {
  VDate const today;
  VDate const again = VDate::Today();
  EXPECT_TRUE(today.IsValid());
  EXPECT_TRUE(today == again || today.AddDays(1) == again);

  VDate* original = new VDate(1, 0, 2000);
  VDate copy(*original);
  delete original;
  EXPECT_STREQ(copy.c_str(), "2000-01-01");
  copy = VDate(-1, -1, -1);
  EXPECT_STREQ(copy.c_str(), "0000-00-00");
}

// --- VDateTime ---------------------------------------------------------------

TEST(VDateTimeTest, ReadsAndWritesTimeStamps) {
  char const* const canonical[] = {"2024-02-29T23:59:59", "2024-02-29T00:00:00.5",
                                   "0001-01-01T00:00:00.000000", "9999-12-31T23:59:59.999999"};
  for (char const* in : canonical) {
    VDateTime const t(in);
    EXPECT_TRUE(t.IsValid()) << in;
    EXPECT_EQ(t.ToIdl(), in);
    EXPECT_EQ(VDateTime(t.ToIdl()), t);
  }
  EXPECT_EQ(VDateTime(" 2024-01-02 03:04:05.060 ").ToIdl(), "2024-01-02T03:04:05.060");
  EXPECT_EQ(VDateTime("2024-01-02T03:04:05").GetDate(), VDate(2, 0, 2024));

  char const* const invalid[] = {"2024-01-02",
                                 "2024-01-02T03:04",
                                 "2024-01-02T24:00:00",
                                 "2024-01-02T23:60:00",
                                 "2024-01-02T23:59:60",
                                 "2023-02-29T00:00:00",
                                 "2024-01-02T03:04:05.",
                                 "2024-01-02T03:04:05.1234567",
                                 "2024-01-02T03:04:05Z",
                                 "2024-01-02T3:04:05",
                                 "garbage"};
  for (char const* in : invalid) {
    VDateTime const t(in);
    EXPECT_FALSE(t.IsValid() || t.IsEmpty()) << in;
    EXPECT_EQ(t.ToIdl(), "") << in;
    EXPECT_TRUE(t.GetDate().IsUndefined());
  }
  for (VDateTime const& e :
       {VDateTime(), VDateTime(""), VDateTime(static_cast<char const*>(nullptr))}) {
    EXPECT_TRUE(e.IsEmpty());
    EXPECT_EQ(e.ToIdl(), "");
    EXPECT_TRUE(e.GetDate().IsEmpty());
  }
}

TEST(VDateTimeTest, OrderByInstant) {
  VDateTime const half("2024-01-01T00:00:00.5"), half6("2024-01-01T00:00:00.500000");
  EXPECT_EQ(half, half6);
  EXPECT_LT(half, VDateTime("2024-01-01T00:00:00.51"));
  EXPECT_LT(VDateTime("2023-12-31T23:59:59.999999"), VDateTime("2024-01-01T00:00:00"));
  EXPECT_LT(VDateTime(), VDateTime("x"));
  EXPECT_LT(VDateTime("x"), VDateTime("0001-01-01T00:00:00"));
  EXPECT_EQ(VDateTime("x"), VDateTime("y"));
}

TEST(VDateTimeTest, NowIsValidAndRoundTrips) {
  VDateTime const now = VDateTime::Now();
  ASSERT_TRUE(now.IsValid());
  EXPECT_EQ(now.ToIdl().size(), 26u);
  EXPECT_EQ(VDateTime(now.ToIdl()), now);
  VDate const today = VDate::Today();
  EXPECT_TRUE(now.GetDate() == today || now.GetDate().AddDays(1) == today);
  EXPECT_LE(now, VDateTime::Now());
}

// --- VFixed ------------------------------------------------------------------

std::string const kMax38(38, '9');

TEST(VFixedTest, ReadsAndWritesWireText) {
  struct Case {
    std::string in;
    std::string out;
  } const cases[] = {
      {"0", "0"},
      {"-12", "-12"},
      {"1.50", "1.50"},
      {"0.001", "0.001"},
      {"007.5", "7.5"},
      {"-0", "0"},
      {"-0.00", "0.00"},
      {" 3.14\t", "3.14"},
      {kMax38, kMax38},
      {"-" + kMax38, "-" + kMax38},
      {"0." + std::string(29, '0') + "1", "0." + std::string(29, '0') + "1"},
      {std::string(100, '0') + "1", "1"},
  };
  for (Case const& c : cases) {
    VFixed const v(c.in);
    EXPECT_EQ(v.ToIdl(), c.out) << c.in;
    EXPECT_EQ(v.toString(), c.out);
    EXPECT_EQ(VFixed(v.ToIdl()).ToIdl(), c.out);
  }
  EXPECT_EQ(VFixed("1.50").GetScale(), 2);
  EXPECT_EQ(VFixed(INT_MIN).ToIdl(), "-2147483648");
  EXPECT_EQ(VFixed(LLONG_MIN).ToIdl(), "-9223372036854775808");
  EXPECT_EQ(VFixed::Zero().ToIdl(), "0");
}

TEST(VFixedTest, UnreadableTextIsEmpty) {
  std::string const invalid[] = {
      "",
      "  ",
      "+1",
      "1e5",
      "1,000",
      "1.",
      ".5",
      "-",
      "--1",
      "1.2.3",
      "0x10",
      "1 000",
      "nan",
      "1-",
      "1" + kMax38,                       // 39 digits
      "0." + std::string(30, '0') + "1",  // scale 31
      std::string(100000, '7'),
  };
  for (std::string const& in : invalid) {
    EXPECT_TRUE(VFixed(in).IsEmpty()) << in;
    EXPECT_EQ(VFixed(in).ToIdl(), "");
  }
  EXPECT_TRUE(VFixed(static_cast<char const*>(nullptr)).IsEmpty());
  EXPECT_TRUE(VFixed().IsEmpty());
}

TEST(VFixedTest, AdditionSubtractionAndMultiplicationAreExact) {
  EXPECT_EQ((VFixed("0.1") + VFixed("0.2")).ToIdl(), "0.3");
  EXPECT_EQ((VFixed("1.50") + VFixed("2.5")).ToIdl(), "4.00");
  EXPECT_EQ((VFixed("1") - VFixed("2.5")).ToIdl(), "-1.5");
  EXPECT_EQ((VFixed("1.5") - VFixed("1.5")).ToIdl(), "0.0");
  EXPECT_EQ((VFixed("-3") - VFixed("-5")).ToIdl(), "2");
  EXPECT_EQ((VFixed("1.5") * VFixed("-0.20")).ToIdl(), "-0.300");
  EXPECT_EQ((VFixed("-2") * VFixed("0")).ToIdl(), "0");
  EXPECT_EQ((VFixed(std::string(19, '9')) * VFixed(std::string(19, '9'))).ToIdl(),
            std::string(18, '9') + "8" + std::string(18, '0') + "1");
  // A product beyond the largest scale is rounded half away from zero.
  VFixed const a("0.000000000000001"), b("-0.0000000000000015");
  EXPECT_EQ((a * b).ToIdl(), "-0." + std::string(29, '0') + "2");

  VFixed const max(kMax38);
  EXPECT_EQ((max + VFixed("-" + kMax38)).ToIdl(), "0");
  EXPECT_THROW(max + VFixed(1), std::overflow_error);
  EXPECT_THROW(VFixed("-" + kMax38) - VFixed(1), std::overflow_error);
  EXPECT_THROW(max * max, std::overflow_error);
  EXPECT_THROW(VFixed() + VFixed(1), std::invalid_argument);
  EXPECT_THROW(VFixed(1) * VFixed(), std::invalid_argument);
}

TEST(VFixedTest, DivideAndRoundHalfAwayFromZero) {
  EXPECT_EQ(VFixed(1).Divide(VFixed(3), 5).ToIdl(), "0.33333");
  EXPECT_EQ(VFixed(2).Divide(VFixed(3), 2).ToIdl(), "0.67");
  EXPECT_EQ(VFixed(-1).Divide(VFixed(8), 2).ToIdl(), "-0.13");
  EXPECT_EQ(VFixed(-1).Divide(VFixed(3), 0).ToIdl(), "0");
  EXPECT_EQ(VFixed("10").Divide(VFixed("0.25"), 0).ToIdl(), "40");
  EXPECT_EQ(VFixed("0.000001").Divide(VFixed("-1000"), 9).ToIdl(), "-0.000000001");
  EXPECT_THROW(VFixed(1).Divide(VFixed("0.00"), 2), std::domain_error);
  EXPECT_THROW(VFixed(1).Divide(VFixed(3), 31), std::invalid_argument);
  EXPECT_THROW(VFixed(kMax38).Divide(VFixed("0.001"), 0), std::overflow_error);

  EXPECT_EQ(VFixed("2.345").Round(2).ToIdl(), "2.35");
  EXPECT_EQ(VFixed("-2.345").Round(2).ToIdl(), "-2.35");
  EXPECT_EQ(VFixed("2.3449").Round(2).ToIdl(), "2.34");
  EXPECT_EQ(VFixed("9.995").Round(2).ToIdl(), "10.00");
  EXPECT_EQ(VFixed("-0.4").Round(0).ToIdl(), "0");
  EXPECT_EQ(VFixed("1.5").Round(3).ToIdl(), "1.500");
  EXPECT_THROW(VFixed(kMax38).Round(1), std::overflow_error);
  EXPECT_THROW(VFixed(1).Round(-1), std::invalid_argument);
  EXPECT_THROW(VFixed().Round(1), std::invalid_argument);
}

TEST(VFixedTest, ComparesByValue) {
  EXPECT_EQ(VFixed("1.5"), VFixed("1.50"));
  EXPECT_EQ(VFixed("-0.0"), VFixed(0));
  EXPECT_LT(VFixed(-2), VFixed("-1.5"));
  EXPECT_LT(VFixed("-0.001"), VFixed(0));
  EXPECT_LT(VFixed(0), VFixed("0.001"));
  EXPECT_GT(VFixed("10"), VFixed("9.999"));
  EXPECT_EQ(VFixed(), VFixed(""));
  EXPECT_LT(VFixed(), VFixed("-" + kMax38));
  EXPECT_NE(VFixed(), VFixed(0));
}

// Checks the arithmetic against 64-bit integers on random values with small
// scales: a value is mantissa / 10^scale.
TEST(VFixedTest, AgreesWithIntegerArithmetic) {
  auto text = [](std::int64_t mantissa, int scale) {
    std::string digits = std::to_string(mantissa < 0 ? -mantissa : mantissa);
    if (scale > 0) {
      if (digits.size() <= static_cast<std::size_t>(scale)) {
        digits.insert(0, scale + 1 - digits.size(), '0');
      }
      digits.insert(digits.size() - scale, ".");
    }
    return (mantissa < 0 ? "-" : "") + digits;
  };
  std::int64_t const pow10[] = {1, 10, 100, 1000, 10000};
  std::mt19937_64 rng(42);
  for (int i = 0; i < 5000; ++i) {
    std::int64_t const ma = static_cast<std::int64_t>(rng() % 2000000001) - 1000000000;
    std::int64_t const mb = static_cast<std::int64_t>(rng() % 2000000001) - 1000000000;
    int const sa = static_cast<int>(rng() % 5), sb = static_cast<int>(rng() % 5);
    VFixed const a(text(ma, sa)), b(text(mb, sb));
    int const s = std::max(sa, sb);
    std::int64_t const wa = ma * pow10[s - sa], wb = mb * pow10[s - sb];
    ASSERT_EQ((a + b).ToIdl(), text(wa + wb, s));
    ASSERT_EQ((a - b).ToIdl(), text(wa - wb, s));
    ASSERT_EQ((a * b).ToIdl(), text(ma * mb, sa + sb));
    ASSERT_EQ(wa < wb, a < b);
    ASSERT_EQ(wa == wb, a == b);
    if (mb != 0) {
      ASSERT_EQ((a * b).Divide(b, sa).ToIdl(), a.ToIdl());
    }
  }
}

}  // namespace
}  // namespace base
}  // namespace ostrel
