// ScaledDecimal: a signed decimal fixed-point number with a 96-bit magnitude
// and a power-of-ten scale of 0 to 28, with the value semantics of the OLE
// Automation DECIMAL type. Every result passes through it on its way to the
// screen.
#ifndef MENSUREX_ENGINE_SRC_SCALED_DECIMAL_H_
#define MENSUREX_ENGINE_SRC_SCALED_DECIMAL_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "amounts/failure.h"

namespace mensurex {

// Value = (negative ? -1 : 1) * magnitude / 10^scale, where magnitude is an
// unsigned integer below 2^96 and scale is 0..28.
//
// Rounding: every operation that cannot keep all digits rounds to nearest,
// ties to even, once, from the exact value.
//
// The type is a small immutable value; copy it freely.
class ScaledDecimal {
 public:
  static constexpr int kMaxScale = 28;

  // Zero, scale 0.
  constexpr ScaledDecimal() = default;

  // From its parts: magnitude = high32 * 2^64 + low64. nullopt when scale is
  // outside 0..28. A zero magnitude is never negative (the sign is dropped).
  static std::optional<ScaledDecimal> FromParts(bool negative,
                                                std::uint32_t high32,
                                                std::uint64_t low64, int scale);

  // Exact conversion from plain ASCII decimal text: an optional '-', digits,
  // and optionally '.' followed by digits ("1152921504606846976", "-0.5").
  // nullopt when the text has another form, or when its value cannot be held
  // exactly (magnitude of 2^96 or more, or more than 28 fraction digits that
  // are not trailing zeros).
  static std::optional<ScaledDecimal> FromText(std::string_view text);

  // The double's exact binary value rounded to 15 significant decimal digits,
  // then rounded to at most 28 fraction digits, with the smallest scale that
  // holds it: 1024.0 gives magnitude 1024 scale 0, 0.0009765625 gives
  // magnitude 9765625 scale 10. Fails with kOverflow for an infinity, a NaN
  // or a double of 2^96 or more in size. -0.0 gives zero. Ties round to
  // even at both steps.
  static Outcome<ScaledDecimal> FromDouble(double value);

  // The exact product, rounded once to the nearest value the type can hold
  // (largest scale of at most 28 at which the magnitude fits). kOverflow when
  // it does not fit even at scale 0.
  static Outcome<ScaledDecimal> Multiply(const ScaledDecimal& a,
                                         const ScaledDecimal& b);

  // The exact quotient, rounded once to the nearest value the type can hold;
  // an exact quotient keeps only the digits it needs. kOverflow when the
  // quotient is 2^96 or more in size, or when the divisor is zero.
  static Outcome<ScaledDecimal> Divide(const ScaledDecimal& a,
                                       const ScaledDecimal& b);

  bool negative() const { return negative_; }
  int scale() const { return scale_; }
  std::uint32_t high32() const { return high32_; }
  std::uint64_t low64() const { return low64_; }
  bool is_zero() const { return high32_ == 0 && low64_ == 0; }

  // Text form: '-' when negative (never for zero), the integer digits ("0"
  // when the integer part is zero) and, only when the fraction is not zero,
  // decimal_separator followed by the fraction digits without trailing zeros.
  // No exponent, no grouping, no '+'.
  std::string ToText(std::string_view decimal_separator) const;

  // Equality of value: 1.0 (scale 1) equals 1 (scale 0).
  friend bool operator==(const ScaledDecimal& a, const ScaledDecimal& b);

 private:
  bool negative_ = false;
  std::uint8_t scale_ = 0;
  std::uint32_t high32_ = 0;
  std::uint64_t low64_ = 0;
};

}  // namespace mensurex

#endif  // MENSUREX_ENGINE_SRC_SCALED_DECIMAL_H_
