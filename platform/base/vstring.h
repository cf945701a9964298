// VString: wide text that also hands out its UTF-8 form.
#ifndef OSTREL_BASE_VSTRING_H_
#define OSTREL_BASE_VSTRING_H_

#include <cstddef>
#include <string>

namespace ostrel {
namespace base {

// An immutable piece of Unicode text, held as wide text (one wchar_t per code
// point). Narrow input is read as UTF-8 and narrow output is UTF-8; the
// conversions are those of StringConverter, so ill-formed input becomes
// U+FFFD and characters outside the Basic Multilingual Plane survive both
// directions intact.
//
// The pointers returned by c_str() and wc_str() stay valid as long as the
// object lives and is not assigned to. Both forms are computed at
// construction, so const member functions are safe to call from several
// threads at once.
class VString {
 public:
  // The empty text.
  VString() = default;
  // The constructors are implicit so that a VString can be passed wherever
  // text is at hand. A null pointer gives the empty text.
  VString(wchar_t const* text);
  VString(std::wstring text);
  // UTF-8 input.
  VString(char const* utf8);
  VString(std::string const& utf8);

  VString(VString const&) = default;
  VString(VString&&) noexcept = default;
  VString& operator=(VString const&) = default;
  VString& operator=(VString&&) noexcept = default;
  virtual ~VString() = default;

  // The text as UTF-8.
  char const* c_str() const { return utf8_.c_str(); }
  // The wide text.
  wchar_t const* wc_str() const { return text_.c_str(); }
  std::wstring const& str() const { return text_; }
  operator std::wstring() const { return text_; }

  bool empty() const { return text_.empty(); }
  // The number of code points.
  std::size_t length() const { return text_.length(); }

  // Compare the wide text, code point by code point.
  bool operator==(VString const& o) const { return text_ == o.text_; }
  bool operator!=(VString const& o) const { return text_ != o.text_; }
  bool operator<(VString const& o) const { return text_ < o.text_; }

 private:
  std::wstring text_;
  std::string utf8_;
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_VSTRING_H_
