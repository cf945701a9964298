#include "string_converter.h"

#include <cstddef>
#include <cstdint>

namespace ostrel {
namespace base {
namespace {

static_assert(sizeof(wchar_t) == 4, "wide text is expected to be UTF-32");

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(std::uint32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(std::uint32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(std::uint32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string FromWide(wchar_t const* text, std::size_t size) {
  std::string out;
  out.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    // Reinterpreting as unsigned maps negative wchar_t values out of range.
    std::uint32_t c = static_cast<std::uint32_t>(text[i]);
    if (IsHighSurrogate(c) && i + 1 < size &&
        IsLowSurrogate(static_cast<std::uint32_t>(text[i + 1]))) {
      std::uint32_t low = static_cast<std::uint32_t>(text[++i]);
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
    } else if (IsHighSurrogate(c) || IsLowSurrogate(c) || c > 0x10FFFF) {
      c = kReplacement;
    }
    AppendUtf8(c, &out);
  }
  return out;
}

}  // namespace

std::string StringConverter::Convert(std::wstring const& text) {
  return FromWide(text.data(), text.size());
}

std::string StringConverter::Convert(wchar_t const* text) {
  if (text == nullptr) return std::string();
  return FromWide(text, std::char_traits<wchar_t>::length(text));
}

std::wstring StringConverter::ToWide(std::string const& text) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t const size = text.size();
  std::size_t i = 0;
  while (i < size) {
    std::uint32_t const b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
      out.push_back(static_cast<wchar_t>(b));
      ++i;
      continue;
    }
    // The length of the sequence and the range its second byte must be in;
    // the narrow second-byte ranges exclude overlong forms, surrogates and
    // values above U+10FFFF.
    int length = 0;
    std::uint32_t lo = 0x80, hi = 0xBF, c = 0;
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
      c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      c = b & 0x0F;
      if (b == 0xE0) lo = 0xA0;
      if (b == 0xED) hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      c = b & 0x07;
      if (b == 0xF0) lo = 0x90;
      if (b == 0xF4) hi = 0x8F;
    } else {
      out.push_back(static_cast<wchar_t>(kReplacement));
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool ok = true;
    for (int k = 1; k < length; ++k, ++j) {
      if (j >= size) {
        ok = false;
        break;
      }
      std::uint32_t const cb = static_cast<unsigned char>(text[j]);
      if (cb < lo || cb > hi) {
        ok = false;
        break;
      }
      c = (c << 6) | (cb & 0x3F);
      lo = 0x80;
      hi = 0xBF;
    }
    // On failure the bytes consumed so far form one ill-formed subsequence;
    // the byte that broke it may start the next sequence.
    out.push_back(static_cast<wchar_t>(ok ? c : kReplacement));
    i = j;
  }
  return out;
}

std::wstring StringConverter::SplitNonBmp(std::wstring const& text) {
  std::wstring out;
  out.reserve(text.size());
  for (wchar_t c : text) {
    auto cp = static_cast<unsigned long>(c);
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
      cp -= 0x10000;
      out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(c);
    }
  }
  return out;
}

std::wstring StringConverter::JoinSurrogates(wchar_t const* text) {
  std::wstring out;
  if (text == nullptr) return out;
  for (; *text; ++text) {
    auto hi = static_cast<unsigned long>(text[0]);
    auto lo = static_cast<unsigned long>(text[1]);
    if (hi >= 0xD800 && hi <= 0xDBFF && lo >= 0xDC00 && lo <= 0xDFFF) {
      out.push_back(static_cast<wchar_t>(0x10000 + ((hi - 0xD800) << 10) + (lo - 0xDC00)));
      ++text;
    } else {
      out.push_back(text[0]);
    }
  }
  return out;
}

}  // namespace base
}  // namespace ostrel
