#include "mensurex/scaled_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

#include "wide_uint.h"

namespace mensurex {
namespace {

using internal::WideUint;

// Removes decimal places that are zero, as long as the scale stays >= 0.
void DropTrailingZeros(WideUint* magnitude, int* scale) {
  while (*scale > 0 && !magnitude->is_zero()) {
    WideUint shorter = *magnitude;
    if (shorter.DivSmall(10) != 0) break;
    *magnitude = shorter;
    --*scale;
  }
}

// Rounds magnitude / 10^scale to the largest scale of at most kMaxScale at
// which the rounded magnitude is below 2^96, to nearest, ties to even, once
// from the exact value. False when even scale 0 does not fit.
bool FitMagnitude(WideUint* magnitude, int* scale) {
  for (int drop = std::max(0, *scale - ScaledDecimal::kMaxScale);; ++drop) {
    WideUint rounded = *magnitude;
    if (drop > 0) {
      const WideUint divisor = WideUint::PowerOfTen(drop);
      WideUint remainder;
      WideUint::DivMod(*magnitude, divisor, &rounded, &remainder);
      internal::RoundQuotientHalfEven(remainder, divisor, &rounded);
    }
    if (rounded.FitsIn96()) {
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
  std::array<char, kLongestFifteenDigitText> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), size,
                    std::chars_format::scientific, 14);
  assert(error == std::errc());
  std::uint64_t value = 0;
  int count = 0;
  const char* p = text.data();
  for (; p != end && *p != 'e'; ++p) {
    if (*p == '.') continue;
    value = value * 10 + static_cast<std::uint64_t>(*p - '0');
    ++count;
  }
  // p is at the "e", followed by the exponent's sign and digits.
  const bool negative = p + 1 < end && p[1] == '-';
  int decimal_exponent = 0;
  for (p += 2; p < end; ++p)
    decimal_exponent = decimal_exponent * 10 + (*p - '0');
  if (negative) decimal_exponent = -decimal_exponent;
  *digits = value;
  *exponent = decimal_exponent - (count - 1);
}

// The fast way to the same digits, where long double has the x87's 64-bit
// mantissa. The double is scaled by a power of ten into [10^14, 10^15): at
// most two roundings with a relative error of 2^-64 each, so the scaled value
// is within 2^-13 of the exact one. That decides the rounding unless the
// fraction lies within 2^-10 of one half; then false, and the caller asks
// the library. Near a whole number an error cannot change the rounded
// result.
// Seven-unit conversions take about 1.6 times numfmt's time with it and 2.4
// times without (bench/cli/run.sh).
#if defined(MENSUREX_PORTABLE_ARITHMETIC)
constexpr bool kQuickRounding = false;
#else
constexpr bool kQuickRounding = std::numeric_limits<long double>::digits == 64;
#endif

// 10^0 .. 10^27, all exact in a 64-bit mantissa (5^27 < 2^64).
constexpr std::array<long double, 28> kLongPowersOfTen = [] {
  std::array<long double, 28> powers{};
  long double power = 1;
  for (long double& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

// True when long double arithmetic keeps its 64-bit mantissa. The x87
// unit's precision can be lowered at run time (nothing in this program does
// so, but a debugger or valgrind may), and then the error bound above would
// not hold; the first conversion finds out, and from then on every double
// takes the library's way.
bool LongDoubleIsExtended() {
  if constexpr (!kQuickRounding) return false;
  static const bool extended = [] {
    volatile long double one = 1;
    volatile long double tiny = 0x1p-63L;
    return one + tiny != one;
  }();
  return extended;
}

bool RoundToFifteenDigitsQuickly(double size, std::uint64_t* digits,
                                 int* exponent) {
  if (!LongDoubleIsExtended()) return false;
  // size * 10^(14 - p) for the decimal exponent p.
  const auto scaled = [size](int p) -> long double {
    const int n = 14 - p;
    if (n < 0) return static_cast<long double>(size) / kLongPowersOfTen[-n];
    const long double power =
        n <= 27 ? kLongPowersOfTen[n]
                : kLongPowersOfTen[27] * kLongPowersOfTen[n - 27];
    return static_cast<long double>(size) * power;
  };
  // With size = 1.f * 2^e (a normal double, as every size here is) and p =
  // floor(e * log10(2)): 10^p <= 2^e <= size < 10^(p + 2). 0.30103 is close
  // enough to log10(2) for every e that occurs here (|e| < 100).
  const int e =
      static_cast<int>((std::bit_cast<std::uint64_t>(size) >> 52) & 0x7FF) -
      1023;
  int p = e * 30103 / 100000;
  if (e * 30103 % 100000 < 0) --p;  // division rounds towards zero
  long double value = scaled(p);
  if (value >= 1e15L) value = scaled(++p);
  // Adding and taking away 2^63 leaves no bits below the units: the nearest
  // whole number, found without switching the x87 rounding mode.
  const long double nearest = (value + 0x1p63L) - 0x1p63L;
  if (std::fabs(std::fabs(value - nearest) - 0.5L) < 0x1p-10L) return false;
  // Below 2^51, so exact as a double.
  *digits = static_cast<std::uint64_t>(static_cast<double>(nearest));
  *exponent = p - 14;
  return true;
}

WideUint MagnitudeOf(const ScaledDecimal& value) {
  return WideUint(value.high32(), value.low64());
}

int BitWidth(const ScaledDecimal& value) {
  return static_cast<int>(value.high32() != 0
                              ? 64 + std::bit_width(value.high32())
                              : std::bit_width(value.low64()));
}

struct ScaledQuotient {
  WideUint rounded;
  bool exact = false;
};

// a / b * 10^t = ma * 10^(sb + t - sa) / mb, rounded to nearest, ties to
// even, once from the exact remainder. The power of ten goes to the
// numerator or the divisor, whichever keeps it whole.
ScaledQuotient QuotientAtScale(const ScaledDecimal& a, const ScaledDecimal& b,
                               int t) {
  const int exponent = b.scale() + t - a.scale();
  WideUint numerator = MagnitudeOf(a);
  WideUint divisor = MagnitudeOf(b);
  WideUint& scaled = exponent < 0 ? divisor : numerator;
  scaled = WideUint::Mul(scaled, WideUint::PowerOfTen(std::abs(exponent)));
  WideUint quotient;
  WideUint remainder;
  WideUint::DivMod(numerator, divisor, &quotient, &remainder);
  internal::RoundQuotientHalfEven(remainder, divisor, &quotient);
  return {quotient, remainder.is_zero()};
}

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
  bool negative = false;
  if (!text.empty() && text.front() == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  std::string_view integer_digits = text;
  std::string_view fraction_digits;
  if (const auto point = text.find('.'); point != std::string_view::npos) {
    integer_digits = text.substr(0, point);
    fraction_digits = text.substr(point + 1);
    if (fraction_digits.empty()) return std::nullopt;
  }
  if (integer_digits.empty()) return std::nullopt;
  const auto all_digits = [](std::string_view digits) {
    for (const char c : digits) {
      if (c < '0' || c > '9') return false;
    }
    return true;
  };
  if (!all_digits(integer_digits) || !all_digits(fraction_digits)) {
    return std::nullopt;
  }
  // Zeros at the end of the fraction do not change the value.
  while (!fraction_digits.empty() && fraction_digits.back() == '0') {
    fraction_digits.remove_suffix(1);
  }
  if (fraction_digits.size() > static_cast<std::size_t>(kMaxScale)) {
    return std::nullopt;
  }
  // Nine digits at a time.
  WideUint magnitude;
  std::uint32_t chunk = 0;
  std::uint32_t chunk_factor = 1;
  for (const std::string_view digits : {integer_digits, fraction_digits}) {
    for (const char c : digits) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(c - '0');
      chunk_factor *= 10;
      if (chunk_factor == 1000000000U) {
        magnitude.MulAdd(chunk_factor, chunk);
        if (!magnitude.FitsIn96()) return std::nullopt;
        chunk = 0;
        chunk_factor = 1;
      }
    }
  }
  magnitude.MulAdd(chunk_factor, chunk);
  if (!magnitude.FitsIn96()) return std::nullopt;
  return FromParts(negative, magnitude.high32(), magnitude.low64(),
                   static_cast<int>(fraction_digits.size()));
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
  if (!RoundToFifteenDigitsQuickly(size, &digits, &exponent)) {
    RoundToFifteenDigits(size, &digits, &exponent);
  }
  while (digits % 10 == 0) {
    digits /= 10;
    ++exponent;
  }
  // digits * 10^exponent, with no zero at the end of digits.
  if (exponent <= 0 && exponent >= -kMaxScale) {
    return *FromParts(negative, 0, digits, -exponent);
  }
  WideUint magnitude(digits);
  int scale = 0;
  if (exponent > 0) {
    magnitude = WideUint::Mul(magnitude, WideUint::PowerOfTen(exponent));
  } else {
    scale = -exponent;
  }
  if (!FitMagnitude(&magnitude, &scale)) return ConversionFailure::kOverflow;
  DropTrailingZeros(&magnitude, &scale);
  return *FromParts(negative, magnitude.high32(), magnitude.low64(), scale);
}

Outcome<ScaledDecimal> ScaledDecimal::Multiply(const ScaledDecimal& a,
                                               const ScaledDecimal& b) {
  WideUint product = WideUint::Mul(MagnitudeOf(a), MagnitudeOf(b));
  int scale = a.scale_ + b.scale_;
  if (!FitMagnitude(&product, &scale)) return ConversionFailure::kOverflow;
  return *FromParts(a.negative_ != b.negative_, product.high32(),
                    product.low64(), scale);
}

Outcome<ScaledDecimal> ScaledDecimal::Multiply(const ScaledDecimal& a,
                                               double b) {
  const Outcome<ScaledDecimal> converted = FromDouble(b);
  if (!converted) return converted.failure();
  return Multiply(a, *converted);
}

Outcome<ScaledDecimal> ScaledDecimal::Divide(const ScaledDecimal& a,
                                             const ScaledDecimal& b) {
  if (b.is_zero()) return ConversionFailure::kOverflow;
  if (a.is_zero()) return ScaledDecimal();
  // a / b = ma / mb * 10^(sb - sa) exceeds 2^(bits - 1) * 10^(sb - sa), so
  // its t-place form fits 96 bits only for
  // t < (97 - bits) / log2(10) - (sb - sa). Start at the largest such t (the
  // divisor 3.321 errs upwards) and take one place fewer while the rounded
  // quotient does not fit.
  const int bits = BitWidth(a) - BitWidth(b);
  int scale =
      std::min(kMaxScale, (97 - bits) * 1000 / 3321 - (b.scale_ - a.scale_));
  for (; scale >= 0; --scale) {
    const ScaledQuotient quotient = QuotientAtScale(a, b, scale);
    if (!quotient.rounded.FitsIn96()) continue;
    WideUint magnitude = quotient.rounded;
    int result_scale = scale;
    if (quotient.exact) DropTrailingZeros(&magnitude, &result_scale);
    return *FromParts(a.negative_ != b.negative_, magnitude.high32(),
                      magnitude.low64(), result_scale);
  }
  return ConversionFailure::kOverflow;
}

Outcome<ScaledDecimal> ScaledDecimal::Divide(double a, const ScaledDecimal& b) {
  const Outcome<ScaledDecimal> converted = FromDouble(a);
  if (!converted) return converted.failure();
  return Divide(*converted, b);
}

std::string ScaledDecimal::ToText(std::string_view decimal_separator) const {
  // The magnitude's digits, right-aligned in the buffer: [first, end). Below
  // 2^96 they are at most 29, and at least scale + 1 with leading zeros.
  std::array<char, 32> buffer{};
  char* const end = buffer.data() + buffer.size();
  char* first = end;
  std::uint64_t rest = low64_;
  if (high32_ != 0) {
    WideUint magnitude = MagnitudeOf(*this);
    while (magnitude.high32() != 0) {
      // Nine digits of the low end; more digits follow above them.
      std::uint32_t chunk = magnitude.DivSmall(1000000000U);
      for (int i = 0; i < 9; ++i, chunk /= 10) {
        *--first = static_cast<char>('0' + chunk % 10);
      }
    }
    rest = magnitude.low64();
  }
  for (; rest != 0; rest /= 10) {
    *--first = static_cast<char>('0' + rest % 10);
  }
  const std::size_t scale = scale_;
  while (static_cast<std::size_t>(end - first) < scale + 1) *--first = '0';
  char* const point = end - scale;
  // Zeros at the end of the fraction are not shown.
  char* fraction_end = end;
  while (fraction_end > point && fraction_end[-1] == '0') --fraction_end;

  if (negative_) *--first = '-';
  if (fraction_end == point) return std::string(first, point);
  std::string text(first, point);
  text.append(decimal_separator);
  text.append(point, fraction_end);
  return text;
}

bool operator==(const ScaledDecimal& a, const ScaledDecimal& b) {
  if (a.is_zero() || b.is_zero()) return a.is_zero() && b.is_zero();
  if (a.negative_ != b.negative_) return false;
  const int scale = std::max(a.scale_, b.scale_);
  return WideUint::Mul(MagnitudeOf(a),
                       WideUint::PowerOfTen(scale - a.scale_)) ==
         WideUint::Mul(MagnitudeOf(b), WideUint::PowerOfTen(scale - b.scale_));
}

}  // namespace mensurex
