#include "mensurex/scaled_decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "wide_uint.h"

namespace mensurex {
namespace {

using internal::WideUint;

constexpr std::array<std::uint64_t, 20> kPowersOfTen = {
    1ULL,
    10ULL,
    100ULL,
    1000ULL,
    10000ULL,
    100000ULL,
    1000000ULL,
    10000000ULL,
    100000000ULL,
    1000000000ULL,
    10000000000ULL,
    100000000000ULL,
    1000000000000ULL,
    10000000000000ULL,
    100000000000000ULL,
    1000000000000000ULL,
    10000000000000000ULL,
    100000000000000000ULL,
    1000000000000000000ULL,
    10000000000000000000ULL};

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
// which the rounded magnitude is below 2^96. Rounding is to nearest, ties to
// even, and happens once: the digits dropped are only remembered (the last
// one and whether any before it was non-zero), never rounded one by one.
// nullopt when even scale 0 does not fit.
std::optional<ScaledDecimal> FitMagnitude(bool negative, WideUint magnitude,
                                          int scale) {
  std::uint32_t last_dropped = 0;
  bool dropped_nonzero_before = false;
  int dropped = 0;
  const auto drop_digit = [&] {
    dropped_nonzero_before = dropped_nonzero_before || last_dropped != 0;
    last_dropped = magnitude.DivSmall(10);
    ++dropped;
  };
  while (scale - dropped > ScaledDecimal::kMaxScale) drop_digit();
  while (true) {
    WideUint rounded = magnitude;
    if (last_dropped > 5 ||
        (last_dropped == 5 && (dropped_nonzero_before || rounded.is_odd()))) {
      rounded.MulAdd(1, 1);
    }
    if (rounded.FitsIn96()) {
      return ScaledDecimal::FromParts(negative, rounded.high32(),
                                      rounded.low64(), scale - dropped);
    }
    if (scale - dropped == 0) return std::nullopt;
    drop_digit();
  }
}

WideUint MagnitudeOf(const ScaledDecimal& value) {
  return WideUint(value.high32(), value.low64());
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
  WideUint magnitude;
  for (const std::string_view digits : {integer_digits, fraction_digits}) {
    for (const char c : digits) {
      magnitude.MulAdd(10, static_cast<std::uint32_t>(c - '0'));
      if (!magnitude.FitsIn96()) return std::nullopt;
    }
  }
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

  std::uint64_t digits = 0;
  int exponent = 0;  // size ~ digits * 10^exponent
  if (size < 1e15 && size == std::floor(size)) {
    // A whole number of at most 15 digits is already its own rounding.
    digits = static_cast<std::uint64_t>(size);
  } else {
    // The exact binary value rounded once to 15 significant digits; the
    // library rounds to nearest, ties to even. Form: d.ddddddddddddddde[+-]x
    std::array<char, 32> text{};
    const auto [end, error] =
        std::to_chars(text.data(), text.data() + text.size(), size,
                      std::chars_format::scientific, 14);
    if (error != std::errc()) return ConversionFailure::kOverflow;
    const char* p = text.data();
    for (; p != end && *p != 'e'; ++p) {
      if (*p != '.')
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
    }
    int decimal_exponent = 0;
    if (p == end ||
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, decimal_exponent)
                .ec != std::errc()) {
      return ConversionFailure::kOverflow;
    }
    exponent = decimal_exponent - 14;
  }
  while (digits % 10 == 0) {
    digits /= 10;
    ++exponent;
  }

  if (exponent >= 0) {
    // At least 10^29 in size does not fit 96 bits.
    if (exponent > kMaxScale) return ConversionFailure::kOverflow;
    const WideUint magnitude =
        WideUint::Mul(WideUint(digits), WideUint::PowerOfTen(exponent));
    if (!magnitude.FitsIn96()) return ConversionFailure::kOverflow;
    return *FromParts(negative, magnitude.high32(), magnitude.low64(), 0);
  }
  int scale = -exponent;
  if (scale > kMaxScale) {
    // Round off the digits beyond the last decimal place, to nearest, ties
    // to even. digits < 10^15, so dropping 16 or more leaves zero.
    const int drop = scale - kMaxScale;
    if (drop >= 16) return ScaledDecimal();
    const std::uint64_t divisor = kPowersOfTen[static_cast<std::size_t>(drop)];
    const std::uint64_t remainder = digits % divisor;
    digits /= divisor;
    if (remainder * 2 > divisor ||
        (remainder * 2 == divisor && digits % 2 == 1)) {
      ++digits;
    }
    scale = kMaxScale;
    while (scale > 0 && digits != 0 && digits % 10 == 0) {
      digits /= 10;
      --scale;
    }
  }
  return *FromParts(negative, 0, digits, scale);
}

Outcome<ScaledDecimal> ScaledDecimal::Multiply(const ScaledDecimal& a,
                                               const ScaledDecimal& b) {
  const WideUint product = WideUint::Mul(MagnitudeOf(a), MagnitudeOf(b));
  const auto fitted =
      FitMagnitude(a.negative_ != b.negative_, product, a.scale_ + b.scale_);
  if (!fitted) return ConversionFailure::kOverflow;
  return *fitted;
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
  const bool negative = a.negative_ != b.negative_;
  // a / b = (ma * 10^sb) / (mb * 10^sa); scaled by 10^t for t decimal places.
  const WideUint numerator =
      WideUint::Mul(MagnitudeOf(a), WideUint::PowerOfTen(b.scale_));
  const WideUint divisor =
      WideUint::Mul(MagnitudeOf(b), WideUint::PowerOfTen(a.scale_));
  WideUint quotient;
  WideUint remainder;
  WideUint::DivMod(numerator, divisor, &quotient, &remainder);
  if (!quotient.FitsIn96()) return ConversionFailure::kOverflow;

  // The most decimal places that the integer part leaves room for; one fewer
  // when the fraction or the rounding carries past 2^96.
  int scale = 0;
  for (WideUint grown = quotient; scale < kMaxScale; ++scale) {
    grown.MulAdd(10, 0);
    if (!grown.FitsIn96()) break;
  }
  for (; scale >= 0; --scale) {
    WideUint::DivMod(WideUint::Mul(numerator, WideUint::PowerOfTen(scale)),
                     divisor, &quotient, &remainder);
    // Rounded to nearest, ties to even, once from the exact remainder.
    internal::RoundQuotientHalfEven(remainder, divisor, &quotient);
    if (quotient.FitsIn96()) break;
  }
  if (scale < 0) return ConversionFailure::kOverflow;
  if (remainder.is_zero()) DropTrailingZeros(&quotient, &scale);
  return *FromParts(negative, quotient.high32(), quotient.low64(), scale);
}

Outcome<ScaledDecimal> ScaledDecimal::Divide(double a, const ScaledDecimal& b) {
  const Outcome<ScaledDecimal> converted = FromDouble(a);
  if (!converted) return converted.failure();
  return Divide(*converted, b);
}

std::string ScaledDecimal::ToText(std::string_view decimal_separator) const {
  // Decimal digits of the magnitude, least significant first, in groups of
  // nine.
  std::array<char, 40> reversed{};
  std::size_t count = 0;
  WideUint magnitude = MagnitudeOf(*this);
  while (!magnitude.is_zero()) {
    std::uint32_t group = magnitude.DivSmall(1000000000U);
    for (int i = 0; i < 9 && (group != 0 || !magnitude.is_zero()); ++i) {
      reversed[count++] = static_cast<char>('0' + group % 10);
      group /= 10;
    }
  }
  // At least one integer digit.
  const std::size_t scale = scale_;
  while (count < scale + 1) reversed[count++] = '0';
  // Zeros at the end of the fraction are not shown.
  std::size_t fraction_start = 0;
  while (fraction_start < scale && reversed[fraction_start] == '0') {
    ++fraction_start;
  }

  std::string text;
  text.reserve(count + decimal_separator.size() + 1);
  if (negative_) text.push_back('-');
  for (std::size_t i = count; i > scale; --i) text.push_back(reversed[i - 1]);
  if (fraction_start < scale) {
    text.append(decimal_separator);
    for (std::size_t i = scale; i > fraction_start; --i) {
      text.push_back(reversed[i - 1]);
    }
  }
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
