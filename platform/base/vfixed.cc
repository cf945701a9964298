#include "vfixed.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

namespace ostrel {
namespace base {
namespace {

// An unsigned 512-bit integer, wide enough for every intermediate result:
// a magnitude (< 10^38) scaled by at most 10^60 stays below 2^330.
class Wide {
 public:
  static constexpr int kLimbs = 16;

  Wide() { limbs_.fill(0); }

  static Wide From(std::uint64_t hi, std::uint64_t lo) {
    Wide w;
    w.limbs_[0] = static_cast<std::uint32_t>(lo);
    w.limbs_[1] = static_cast<std::uint32_t>(lo >> 32);
    w.limbs_[2] = static_cast<std::uint32_t>(hi);
    w.limbs_[3] = static_cast<std::uint32_t>(hi >> 32);
    return w;
  }

  std::uint64_t Lo() const { return limbs_[0] | (std::uint64_t{limbs_[1]} << 32); }
  std::uint64_t Hi() const { return limbs_[2] | (std::uint64_t{limbs_[3]} << 32); }

  bool IsZero() const {
    return std::all_of(limbs_.begin(), limbs_.end(), [](std::uint32_t l) { return l == 0; });
  }

  // *this = *this * m + add.
  void MulAdd(std::uint32_t m, std::uint32_t add) {
    std::uint64_t carry = add;
    for (std::uint32_t& l : limbs_) {
      std::uint64_t const v = std::uint64_t{l} * m + carry;
      l = static_cast<std::uint32_t>(v);
      carry = v >> 32;
    }
  }

  // *this /= d; returns the remainder.
  std::uint32_t DivSmall(std::uint32_t d) {
    std::uint64_t rem = 0;
    for (int i = kLimbs - 1; i >= 0; --i) {
      std::uint64_t const v = (rem << 32) | limbs_[i];
      limbs_[i] = static_cast<std::uint32_t>(v / d);
      rem = v % d;
    }
    return static_cast<std::uint32_t>(rem);
  }

  int Compare(Wide const& o) const {
    for (int i = kLimbs - 1; i >= 0; --i) {
      if (limbs_[i] != o.limbs_[i]) return limbs_[i] < o.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

  void Add(Wide const& o) {
    std::uint64_t carry = 0;
    for (int i = 0; i < kLimbs; ++i) {
      std::uint64_t const v = std::uint64_t{limbs_[i]} + o.limbs_[i] + carry;
      limbs_[i] = static_cast<std::uint32_t>(v);
      carry = v >> 32;
    }
  }

  // Requires *this >= o.
  void Sub(Wide const& o) {
    std::uint64_t borrow = 0;
    for (int i = 0; i < kLimbs; ++i) {
      std::uint64_t const v = std::uint64_t{limbs_[i]} - o.limbs_[i] - borrow;
      limbs_[i] = static_cast<std::uint32_t>(v);
      borrow = (v >> 32) != 0 ? 1 : 0;
    }
  }

  bool Bit(int i) const { return (limbs_[i / 32] >> (i % 32)) & 1u; }
  void SetBit(int i) { limbs_[i / 32] |= 1u << (i % 32); }

  void ShiftLeft1() {
    for (int i = kLimbs - 1; i > 0; --i) limbs_[i] = (limbs_[i] << 1) | (limbs_[i - 1] >> 31);
    limbs_[0] <<= 1;
  }

  int BitLength() const {
    for (int i = kLimbs - 1; i >= 0; --i) {
      for (int b = 31; b >= 0; --b) {
        if ((limbs_[i] >> b) & 1u) return i * 32 + b + 1;
      }
    }
    return 0;
  }

  // The product, truncated to 512 bits; callers keep it below that bound.
  static Wide Mul(Wide const& a, Wide const& b) {
    Wide r;
    for (int i = 0; i < kLimbs; ++i) {
      std::uint64_t carry = 0;
      if (a.limbs_[i] == 0) continue;
      for (int j = 0; i + j < kLimbs; ++j) {
        std::uint64_t const v = std::uint64_t{a.limbs_[i]} * b.limbs_[j] + r.limbs_[i + j] + carry;
        r.limbs_[i + j] = static_cast<std::uint32_t>(v);
        carry = v >> 32;
      }
    }
    return r;
  }

  // Binary long division; d must not be zero.
  static void DivMod(Wide const& n, Wide const& d, Wide* q, Wide* r) {
    *q = Wide();
    *r = Wide();
    for (int i = n.BitLength() - 1; i >= 0; --i) {
      r->ShiftLeft1();
      if (n.Bit(i)) r->limbs_[0] |= 1u;
      if (r->Compare(d) >= 0) {
        r->Sub(d);
        q->SetBit(i);
      }
    }
  }

 private:
  std::array<std::uint32_t, kLimbs> limbs_;
};

Wide Pow10(int k) {
  Wide w = Wide::From(0, 1);
  for (int i = 0; i < k; ++i) w.MulAdd(10, 0);
  return w;
}

// Magnitudes are kept below 10^38.
Wide const& Limit() {
  static Wide const limit = Pow10(38);
  return limit;
}

// n / d rounded half away from zero (n is a magnitude).
Wide DivideRounded(Wide const& n, Wide const& d) {
  Wide q, r;
  Wide::DivMod(n, d, &q, &r);
  Wide twice = r;
  twice.Add(r);
  if (twice.Compare(d) >= 0) q.Add(Wide::From(0, 1));
  return q;
}

Wide Scaled(std::uint64_t hi, std::uint64_t lo, int by) {
  return Wide::Mul(Wide::From(hi, lo), Pow10(by));
}

void CheckFits(Wide const& mag) {
  if (mag.Compare(Limit()) >= 0) {
    throw std::overflow_error("VFixed: result exceeds 38 significant digits");
  }
}

void CheckOperands(VFixed const& a, VFixed const& b) {
  if (a.IsEmpty() || b.IsEmpty()) throw std::invalid_argument("VFixed: arithmetic on empty value");
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void CheckScale(int scale) {
  if (scale < 0 || scale > VFixed::kMaxScale) {
    throw std::invalid_argument("VFixed: scale out of range 0.." +
                                std::to_string(VFixed::kMaxScale));
  }
}

}  // namespace

VFixed::VFixed(long long value) : empty_(false), negative_(value < 0) {
  // Unsigned negation also covers the most negative value.
  lo_ = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

VFixed::VFixed(char const* text) : VFixed(text == nullptr ? std::string() : std::string(text)) {}

VFixed::VFixed(std::string const& s) {
  std::size_t begin = 0, end = s.size();
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  std::size_t pos = begin;
  bool const negative = pos < end && s[pos] == '-';
  if (negative) ++pos;
  Wide mag;
  int int_digits = 0, scale = 0;
  bool in_fraction = false;
  for (; pos < end; ++pos) {
    char const c = s[pos];
    if (c == '.' && !in_fraction && int_digits > 0) {
      in_fraction = true;
      continue;
    }
    if (!IsDigit(c)) return;
    if (in_fraction) {
      if (++scale > kMaxScale) return;
    } else {
      ++int_digits;
    }
    mag.MulAdd(10, static_cast<std::uint32_t>(c - '0'));
    if (mag.Compare(Limit()) >= 0) return;
  }
  if (int_digits == 0 || (in_fraction && scale == 0)) return;
  *this = VFixed(negative, mag.Hi(), mag.Lo(), scale);
}

std::string VFixed::ToIdl() const {
  if (empty_) return std::string();
  Wide mag = Wide::From(hi_, lo_);
  std::string digits;  // least significant first
  while (!mag.IsZero()) digits.push_back(static_cast<char>('0' + mag.DivSmall(10)));
  while (digits.size() < static_cast<std::size_t>(scale_) + 1) digits.push_back('0');
  std::string out;
  out.reserve(digits.size() + 2);
  if (negative_) out.push_back('-');
  for (std::size_t i = digits.size(); i-- > 0;) {
    out.push_back(digits[i]);
    if (i == static_cast<std::size_t>(scale_) && i != 0) out.push_back('.');
  }
  return out;
}

VFixed::VFixed(bool negative, std::uint64_t hi, std::uint64_t lo, int scale)
    : empty_(false), negative_(negative && (hi != 0 || lo != 0)), scale_(scale), hi_(hi), lo_(lo) {}

VFixed VFixed::operator+(VFixed const& o) const {
  CheckOperands(*this, o);
  int const scale = std::max(scale_, o.scale_);
  Wide a = Scaled(hi_, lo_, scale - scale_);
  Wide b = Scaled(o.hi_, o.lo_, scale - o.scale_);
  bool negative = negative_;
  if (negative_ == o.negative_) {
    a.Add(b);
  } else if (a.Compare(b) >= 0) {
    a.Sub(b);
  } else {
    b.Sub(a);
    a = b;
    negative = o.negative_;
  }
  CheckFits(a);
  return VFixed(negative, a.Hi(), a.Lo(), scale);
}

VFixed VFixed::operator-(VFixed const& o) const {
  CheckOperands(*this, o);
  return *this + VFixed(!o.negative_, o.hi_, o.lo_, o.scale_);
}

VFixed VFixed::operator*(VFixed const& o) const {
  CheckOperands(*this, o);
  Wide mag = Wide::Mul(Wide::From(hi_, lo_), Wide::From(o.hi_, o.lo_));
  int scale = scale_ + o.scale_;
  if (scale > kMaxScale) {
    mag = DivideRounded(mag, Pow10(scale - kMaxScale));
    scale = kMaxScale;
  }
  CheckFits(mag);
  return VFixed(negative_ != o.negative_, mag.Hi(), mag.Lo(), scale);
}

VFixed VFixed::Divide(VFixed const& divisor, int scale) const {
  CheckOperands(*this, divisor);
  CheckScale(scale);
  if (divisor.hi_ == 0 && divisor.lo_ == 0) throw std::domain_error("VFixed: division by zero");
  // result * 10^scale = n / d with both sides scaled to integers.
  int const shift = divisor.scale_ + scale - scale_;
  Wide n = Wide::From(hi_, lo_);
  Wide d = Wide::From(divisor.hi_, divisor.lo_);
  if (shift >= 0) {
    n = Wide::Mul(n, Pow10(shift));
  } else {
    d = Wide::Mul(d, Pow10(-shift));
  }
  Wide const q = DivideRounded(n, d);
  CheckFits(q);
  return VFixed(negative_ != divisor.negative_, q.Hi(), q.Lo(), scale);
}

VFixed VFixed::Round(int scale) const {
  if (empty_) throw std::invalid_argument("VFixed: arithmetic on empty value");
  CheckScale(scale);
  Wide mag = scale >= scale_ ? Scaled(hi_, lo_, scale - scale_)
                             : DivideRounded(Wide::From(hi_, lo_), Pow10(scale_ - scale));
  CheckFits(mag);
  return VFixed(negative_, mag.Hi(), mag.Lo(), scale);
}

int VFixed::Compare(VFixed const& o) const {
  if (empty_ || o.empty_) return empty_ == o.empty_ ? 0 : (empty_ ? -1 : 1);
  if (negative_ != o.negative_) return negative_ ? -1 : 1;
  int const scale = std::max(scale_, o.scale_);
  int const c = Scaled(hi_, lo_, scale - scale_).Compare(Scaled(o.hi_, o.lo_, scale - o.scale_));
  return negative_ ? -c : c;
}

}  // namespace base
}  // namespace ostrel
