// VFixed: an exact decimal number, as amounts and factors travel on the wire.
#ifndef OSTREL_BASE_VFIXED_H_
#define OSTREL_BASE_VFIXED_H_

#include <cstdint>
#include <string>

namespace ostrel {
namespace base {

// A signed decimal number held exactly (never as binary floating point), or
// the empty value, which stands for "no value".
//
// A value has a magnitude of at most 38 significant digits and a scale (the
// number of digits after the decimal point) of 0..30. The scale is part of
// the value's text but not of its numeric value: "1.5" == "1.50", yet each
// writes back as it was read.
//
// Text format (wire): an optional '-', one or more digits, and optionally a
// '.' followed by one or more digits: "0", "-12", "1.50", "0.001". There is no
// '+', no exponent and no thousands separator; surrounding spaces or tabs are
// skipped. Leading zeros of the integer part are dropped ("007.5" reads as
// "7.5"), and a negative zero is written without its sign ("-0.00" reads as
// "0.00"). Empty or blank text gives the empty value, and so does any text
// that does not match the format or exceeds the limits above; reading never
// throws. ToIdl() of the empty value is "", so VFixed(v.ToIdl()) == v and
// VFixed(v.ToIdl()).ToIdl() == v.ToIdl() hold for every v.
//
// The empty value is equal only to itself and orders before every number.
// Arithmetic on it throws std::invalid_argument. Arithmetic whose result
// exceeds 38 significant digits throws std::overflow_error.
class VFixed {
 public:
  // The largest scale a value can have.
  static constexpr int kMaxScale = 30;

  // The empty value.
  VFixed() = default;
  // The integer, with scale 0. Implicit, so that `amount * 2` reads
  // naturally; a floating-point argument does not compile, as it could not be
  // represented exactly.
  VFixed(int value) : VFixed(static_cast<long long>(value)) {}
  VFixed(long value) : VFixed(static_cast<long long>(value)) {}
  VFixed(long long value);
  VFixed(double) = delete;
  // Reads the wire text; a null pointer gives the empty value.
  explicit VFixed(char const* text);
  explicit VFixed(std::string const& text);

  VFixed(VFixed const&) = default;
  VFixed& operator=(VFixed const&) = default;
  virtual ~VFixed() = default;

  // 0 with scale 0.
  static VFixed Zero() { return VFixed(0); }

  // The wire text; "" for the empty value.
  std::string ToIdl() const;
  // Same as ToIdl().
  std::string toString() const { return ToIdl(); }

  bool IsEmpty() const { return empty_; }
  // The number of fraction digits; 0 for the empty value.
  int GetScale() const { return scale_; }

  // Exact sum and difference; the scale is the larger of the two scales.
  VFixed operator+(VFixed const& o) const;
  VFixed operator-(VFixed const& o) const;
  // Exact product; the scale is the sum of the two scales. Where that sum
  // exceeds kMaxScale the product is rounded half away from zero to
  // kMaxScale digits.
  VFixed operator*(VFixed const& o) const;

  // *this / divisor rounded half away from zero to `scale` fraction digits.
  // Throws std::domain_error when divisor is zero and std::invalid_argument
  // when scale is outside 0..kMaxScale.
  VFixed Divide(VFixed const& divisor, int scale) const;

  // The value with exactly `scale` fraction digits, rounded half away from
  // zero when digits are dropped and padded with zeros otherwise
  // (VFixed("2.345").Round(2) is "2.35", VFixed("1.5").Round(3) is "1.500").
  // Throws std::invalid_argument when scale is outside 0..kMaxScale.
  VFixed Round(int scale) const;

  // Comparison by numeric value.
  bool operator==(VFixed const& o) const { return Compare(o) == 0; }
  bool operator!=(VFixed const& o) const { return Compare(o) != 0; }
  bool operator<(VFixed const& o) const { return Compare(o) < 0; }
  bool operator<=(VFixed const& o) const { return Compare(o) <= 0; }
  bool operator>(VFixed const& o) const { return Compare(o) > 0; }
  bool operator>=(VFixed const& o) const { return Compare(o) >= 0; }

 private:
  // A value; the magnitude must be below 10^38.
  VFixed(bool negative, std::uint64_t hi, std::uint64_t lo, int scale);

  // -1, 0 or 1 as *this is less than, equal to or greater than o.
  int Compare(VFixed const& o) const;

  bool empty_ = true;
  bool negative_ = false;  // never set for a zero magnitude
  int scale_ = 0;
  // The value is (negative_ ? -1 : 1) * magnitude / 10^scale_, where the
  // magnitude is hi_ * 2^64 + lo_ and below 10^38.
  std::uint64_t hi_ = 0;
  std::uint64_t lo_ = 0;
};

}  // namespace base
}  // namespace ostrel

#endif  // OSTREL_BASE_VFIXED_H_
