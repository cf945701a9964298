// StringConverter: conversions between UTF-8 text and wide text.
#ifndef OSTREL_BASE_STRING_CONVERTER_H_
#define OSTREL_BASE_STRING_CONVERTER_H_

#include <string>

namespace ostrel {
namespace base {

// Converts between UTF-8 (std::string) and wide text (std::wstring, one
// wchar_t per Unicode code point, i.e. UTF-32).
//
// Neither direction fails or throws (other than std::bad_alloc); what cannot
// be represented becomes U+FFFD REPLACEMENT CHARACTER:
//   - UTF-8 to wide: every maximal ill-formed subsequence (a stray
//     continuation byte, a truncated sequence, an overlong form, an encoded
//     surrogate, a value above U+10FFFF, the bytes C0, C1, F5..FF) gives one
//     U+FFFD, and decoding resumes at the next byte that can start a sequence.
//   - wide to UTF-8: a high surrogate immediately followed by a low surrogate
//     is combined into the one code point they encode (text that came in as
//     UTF-16); every other surrogate, and every value outside 0..0x10FFFF,
//     gives U+FFFD.
// Embedded NUL characters are converted like any other character.
// Valid text round-trips exactly: ToWide(Convert(w)) == w for every w made of
// Unicode scalar values, and Convert(ToWide(s)) == s for every valid UTF-8 s.
class StringConverter {
 public:
  StringConverter() = delete;

  // Wide text to UTF-8.
  static std::string Convert(std::wstring const& text);
  // Wide text to UTF-8; a null pointer gives "".
  static std::string Convert(wchar_t const* text);

  // UTF-8 to wide text.
  static std::wstring ToWide(std::string const& text);

  // Wide text on the wire travels as UTF-16 code units, one per wchar_t: the
  // ORB marshals a wchar_t above 0xFFFF with a wrong length. SplitNonBmp
  // turns each such character into its surrogate pair before sending;
  // JoinSurrogates turns received pairs back into single characters (a lone
  // surrogate stays as it is).
  static std::wstring SplitNonBmp(std::wstring const& text);
  static std::wstring JoinSurrogates(wchar_t const* text);
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_STRING_CONVERTER_H_
