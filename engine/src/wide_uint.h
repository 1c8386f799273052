// A fixed-capacity unsigned integer of up to 384 bits, the intermediate type
// of the exact decimal arithmetic. Internal to the engine.
#ifndef MENSUREX_ENGINE_SRC_WIDE_UINT_H_
#define MENSUREX_ENGINE_SRC_WIDE_UINT_H_

#include <array>
#include <cstdint>

namespace mensurex::internal {

// Little-endian 32-bit limbs; size_ limbs are in use and the top one is
// never zero (zero has size 0). Every operation keeps that form. Callers
// stay within the capacity: the engine's widest value is a 96-bit magnitude
// times 10^56, about 282 bits.
class WideUint {
 public:
  static constexpr int kMaxLimbs = 12;

  constexpr WideUint() = default;
  explicit WideUint(std::uint64_t value);
  // high32 * 2^64 + low64.
  WideUint(std::uint32_t high32, std::uint64_t low64);

  // 10^exponent, for exponent 0..110.
  static WideUint PowerOfTen(int exponent);

  bool is_zero() const { return size_ == 0; }
  bool is_odd() const { return size_ > 0 && (limbs_[0] & 1U) != 0; }
  // True when the value is below 2^96.
  bool FitsIn96() const { return size_ <= 3; }
  // The low 96 bits, split as a ScaledDecimal holds them.
  std::uint32_t high32() const { return limb(2); }
  std::uint64_t low64() const {
    return (std::uint64_t{limb(1)} << 32) | limb(0);
  }

  // *this = *this * factor + addend.
  void MulAdd(std::uint32_t factor, std::uint32_t addend);
  // *this /= divisor (not zero); returns the remainder.
  std::uint32_t DivSmall(std::uint32_t divisor);

  static WideUint Mul(const WideUint& a, const WideUint& b);
  // quotient = u / v, remainder = u % v; v must not be zero.
  static void DivMod(const WideUint& u, const WideUint& v, WideUint* quotient,
                     WideUint* remainder);

  friend int Compare(const WideUint& a, const WideUint& b);
  friend bool operator==(const WideUint& a, const WideUint& b) {
    return Compare(a, b) == 0;
  }

 private:
  std::uint32_t limb(int i) const { return i < size_ ? limbs_[i] : 0; }
  void Trim();

  std::array<std::uint32_t, kMaxLimbs> limbs_{};
  int size_ = 0;
};

// Rounds quotient = floor(n / d), given remainder = n mod d, to the nearest
// integer, ties to even.
void RoundQuotientHalfEven(const WideUint& remainder, const WideUint& divisor,
                           WideUint* quotient);

}  // namespace mensurex::internal

#endif  // MENSUREX_ENGINE_SRC_WIDE_UINT_H_
