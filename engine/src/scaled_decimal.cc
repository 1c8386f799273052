#include "scaled_decimal.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <limits>

#include "amounts/big_integer.h"
#include "amounts/doubles.h"
#include "amounts/utf8.h"

namespace mensurex {
namespace {

// Magnitudes and their wide intermediate products and quotients are big
// integers; only a result below 2^96 goes back into a ScaledDecimal.

BigInteger MagnitudeOf(const ScaledDecimal& value) {
  return FromWords(value.low64(), value.high32());
}

bool FitsIn96(const BigInteger& magnitude) { return BitWidth(magnitude) <= 96; }

// The value of a magnitude below 2^96.
ScaledDecimal Make(bool negative, const BigInteger& magnitude, int scale) {
  assert(FitsIn96(magnitude));
  std::uint64_t low = 0;
  std::uint64_t high = 0;
  ToWords(magnitude, &low, &high);
  return *ScaledDecimal::FromParts(negative, static_cast<std::uint32_t>(high),
                                   low, scale);
}

BigInteger TenTo(int exponent) {
  assert(exponent >= 0);
  return PowerOfTen(static_cast<unsigned long>(exponent));
}

// Every operation of the type rounds to nearest, ties to even.
BigInteger RoundedToEven(const BigInteger& numerator, const BigInteger& divisor,
                         bool* exact = nullptr) {
  return RoundedQuotient(numerator, divisor, Rounding::kNearestEven, false,
                         exact);
}

// Removes decimal places that are zero, as long as the scale stays >= 0.
void DropTrailingZeros(BigInteger* magnitude, int* scale) {
  while (*scale > 0 && *magnitude != 0 && IsDivisibleBy(*magnitude, 10)) {
    *magnitude /= 10;
    --*scale;
  }
}

// Rounds magnitude / 10^scale to the largest scale of at most kMaxScale at
// which the rounded magnitude is below 2^96, to nearest, ties to even, once
// from the exact value. False when even scale 0 does not fit.
bool FitMagnitude(BigInteger* magnitude, int* scale) {
  for (int drop = std::max(0, *scale - ScaledDecimal::kMaxScale);; ++drop) {
    const BigInteger rounded =
        drop == 0 ? *magnitude : RoundedToEven(*magnitude, TenTo(drop));
    if (FitsIn96(rounded)) {
      *magnitude = rounded;
      *scale -= drop;
      return true;
    }
    if (drop >= *scale) return false;
  }
}

// The longest scientific form of a double with 14 places: "d.", 14 digits,
// "e-" and at most three exponent digits ("1.00000000000000e-308"). The
// library writes nothing longer, so the buffer below always suffices.
constexpr std::size_t kLongestFifteenDigitText = 2 + 14 + 2 + 3;
static_assert(std::numeric_limits<double>::max_exponent10 < 1000 &&
              std::numeric_limits<double>::min_exponent10 -
                      std::numeric_limits<double>::max_digits10 >
                  -1000);

// The finite double rounded to 15 significant digits, to nearest, ties to
// even: size ~ digits * 10^exponent. The library's scientific form
// "d.ddde+x" is exactly rounded.
void RoundToFifteenDigits(double size, std::uint64_t* digits, int* exponent) {
  std::array<char, kLongestFifteenDigitText + 1> text{};  // and a NUL
  const char* const end =
      WriteScientific(size, 14, text.data(), text.data() + text.size());
  std::uint64_t value = 0;
  int count = 0;
  const char* p = text.data();
  for (; p != end && *p != 'e'; ++p) {
    if (*p == '.') continue;
    value = value * 10 + static_cast<std::uint64_t>(*p - '0');
    ++count;
  }
  // p is at the "e", followed by the exponent's sign and digits; from_chars
  // reads a "-" but no "+".
  int decimal_exponent = 0;
  std::from_chars(p + (p[1] == '+' ? 2 : 1), end, decimal_exponent);
  *digits = value;
  *exponent = decimal_exponent - (count - 1);
}

// 2^96 - 1 has 29 decimal digits.
constexpr std::size_t kMaxMagnitudeDigits = 29;

}  // namespace

std::optional<ScaledDecimal> ScaledDecimal::FromParts(bool negative,
                                                      std::uint32_t high32,
                                                      std::uint64_t low64,
                                                      int scale) {
  if (scale < 0 || scale > kMaxScale) return std::nullopt;
  ScaledDecimal result;
  result.high32_ = high32;
  result.low64_ = low64;
  result.scale_ = static_cast<std::uint8_t>(scale);
  result.negative_ = negative && !result.is_zero();
  return result;
}

std::optional<ScaledDecimal> ScaledDecimal::FromText(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  std::string_view integer_digits = text;
  std::string_view fraction_digits;
  if (const auto point = text.find('.'); point != std::string_view::npos) {
    integer_digits = text.substr(0, point);
    fraction_digits = text.substr(point + 1);
    if (fraction_digits.empty()) return std::nullopt;
  }
  if (integer_digits.empty()) return std::nullopt;
  const auto all_digits = [](std::string_view digits) {
    return std::all_of(digits.begin(), digits.end(), IsAsciiDigit);
  };
  if (!all_digits(integer_digits) || !all_digits(fraction_digits)) {
    return std::nullopt;
  }
  // Zeros at the end of the fraction do not change the value.
  fraction_digits =
      fraction_digits.substr(0, fraction_digits.find_last_not_of('0') + 1);
  if (fraction_digits.size() > static_cast<std::size_t>(kMaxScale)) {
    return std::nullopt;
  }
  std::string digits(integer_digits);
  digits.append(fraction_digits);
  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.size() > kMaxMagnitudeDigits) return std::nullopt;
  BigInteger magnitude;
  if (!digits.empty()) SetDecimalDigits(digits, &magnitude);
  if (!FitsIn96(magnitude)) return std::nullopt;
  return Make(negative, magnitude, static_cast<int>(fraction_digits.size()));
}

Outcome<ScaledDecimal> ScaledDecimal::FromDouble(double value) {
  if (!std::isfinite(value)) return ConversionFailure::kOverflow;
  if (value == 0) return ScaledDecimal();
  const bool negative = std::signbit(value);
  const double size = std::fabs(value);
  // Checked on the double itself: 2^96 would otherwise round down to 15
  // digits that fit. No double below 2^96 rounds up to it.
  if (size >= 0x1p96) return ConversionFailure::kOverflow;
  // Rounds to at most 10^-29, and then to zero at the last decimal place.
  if (size < 1e-29) return ScaledDecimal();

  std::uint64_t digits = 0;
  int exponent = 0;
  RoundToFifteenDigits(size, &digits, &exponent);
  while (digits % 10 == 0) {
    digits /= 10;
    ++exponent;
  }
  // digits * 10^exponent, with no zero at the end of digits.
  if (exponent <= 0 && exponent >= -kMaxScale) {
    return *FromParts(negative, 0, digits, -exponent);
  }
  BigInteger magnitude = FromWords(digits, 0);
  int scale = 0;
  if (exponent > 0) {
    magnitude *= TenTo(exponent);
  } else {
    scale = -exponent;
  }
  if (!FitMagnitude(&magnitude, &scale)) return ConversionFailure::kOverflow;
  DropTrailingZeros(&magnitude, &scale);
  return Make(negative, magnitude, scale);
}

Outcome<ScaledDecimal> ScaledDecimal::Multiply(const ScaledDecimal& a,
                                               const ScaledDecimal& b) {
  BigInteger product = MagnitudeOf(a) * MagnitudeOf(b);
  int scale = a.scale_ + b.scale_;
  if (!FitMagnitude(&product, &scale)) return ConversionFailure::kOverflow;
  return Make(a.negative_ != b.negative_, product, scale);
}

Outcome<ScaledDecimal> ScaledDecimal::Divide(const ScaledDecimal& a,
                                             const ScaledDecimal& b) {
  if (b.is_zero()) return ConversionFailure::kOverflow;
  if (a.is_zero()) return ScaledDecimal();
  const BigInteger dividend = MagnitudeOf(a);
  const BigInteger divisor = MagnitudeOf(b);
  // a / b = ma / mb * 10^(sb - sa) exceeds 2^(bits - 1) * 10^(sb - sa), so
  // its t-place form fits 96 bits only for
  // t < (97 - bits) / log2(10) - (sb - sa). Start at the largest such t (the
  // divisor 3.321 errs upwards) and take one place fewer while the rounded
  // quotient does not fit.
  const int bits = BitWidth(dividend) - BitWidth(divisor);
  int scale =
      std::min(kMaxScale, (97 - bits) * 1000 / 3321 - (b.scale_ - a.scale_));
  for (; scale >= 0; --scale) {
    // a / b * 10^t = ma * 10^(sb + t - sa) / mb: the power of ten goes to the
    // dividend or the divisor, whichever keeps it whole.
    const int exponent = b.scale_ + scale - a.scale_;
    bool exact = false;
    BigInteger magnitude =
        exponent < 0
            ? RoundedToEven(dividend, divisor * TenTo(-exponent), &exact)
            : RoundedToEven(dividend * TenTo(exponent), divisor, &exact);
    if (!FitsIn96(magnitude)) continue;
    int result_scale = scale;
    if (exact) DropTrailingZeros(&magnitude, &result_scale);
    return Make(a.negative_ != b.negative_, magnitude, result_scale);
  }
  return ConversionFailure::kOverflow;
}

std::string ScaledDecimal::ToText(std::string_view decimal_separator) const {
  if (is_zero()) return "0";
  std::string text = negative_ ? "-" : "";
  std::string digits;
  AppendPlainDecimal(DecimalDigits(MagnitudeOf(*this), &digits), -scale_,
                     decimal_separator, &text);
  return text;
}

bool operator==(const ScaledDecimal& a, const ScaledDecimal& b) {
  if (a.is_zero() || b.is_zero()) return a.is_zero() && b.is_zero();
  if (a.negative_ != b.negative_) return false;
  const int scale = std::max(a.scale_, b.scale_);
  return MagnitudeOf(a) * TenTo(scale - a.scale_) ==
         MagnitudeOf(b) * TenTo(scale - b.scale_);
}

}  // namespace mensurex
