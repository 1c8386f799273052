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

// Reads the digits and the exponent of to_chars' scientific form
// "d.ddde+x": value = digits * 10^exponent; count is the number of digits.
bool ReadScientific(const char* begin, const char* end, std::uint64_t* digits,
                    int* count, int* exponent) {
  std::uint64_t value = 0;
  int n = 0;
  const char* p = begin;
  for (; p != end && *p != 'e'; ++p) {
    if (*p == '.') continue;
    value = value * 10 + static_cast<std::uint64_t>(*p - '0');
    ++n;
  }
  if (p == end || p + 1 == end) return false;
  ++p;
  if (*p == '+') ++p;
  int decimal_exponent = 0;
  if (std::from_chars(p, end, decimal_exponent).ec != std::errc()) return false;
  *digits = value;
  *count = n;
  *exponent = decimal_exponent - (n - 1);
  return true;
}

// The exact value of a finite, positive double rounded once to 15
// significant digits, to nearest, ties to even: size ~ digits * 10^exponent.
//
// The shortest text that reads back as the same double (to_chars' default)
// is usually enough. It lies within half a binary unit of the double, much
// closer than the 15-digit steps, so with at most 15 digits it is the
// rounding itself. With 16 or 17 digits it rounds the same way as the exact
// value unless it is itself halfway between two 15-digit values: a halfway
// point between the double and it would be a shorter or closer text, which
// to_chars would have chosen. Only that case asks for the library's exactly
// rounded 15-digit form (ties to even), which takes longer.
bool RoundToFifteenDigits(double size, std::uint64_t* digits, int* exponent) {
  std::array<char, 40> text;
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), size,
                    std::chars_format::scientific);
  int count = 0;
  if (error != std::errc() ||
      !ReadScientific(text.data(), end, digits, &count, exponent)) {
    return false;
  }
  if (count <= 15) return true;
  const std::uint64_t divisor =
      kPowersOfTen[static_cast<std::size_t>(count - 15)];
  const std::uint64_t remainder = *digits % divisor;
  if (remainder * 2 != divisor) {
    *digits = *digits / divisor + (remainder * 2 > divisor ? 1 : 0);
    *exponent += count - 15;
    return true;
  }
  const auto exact = std::to_chars(text.data(), text.data() + text.size(), size,
                                   std::chars_format::scientific, 14);
  return exact.ec == std::errc() &&
         ReadScientific(text.data(), exact.ptr, digits, &count, exponent);
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
  // Nine digits at a time.
  WideUint magnitude;
  std::uint32_t chunk = 0;
  int chunk_digits = 0;
  for (const std::string_view digits : {integer_digits, fraction_digits}) {
    for (const char c : digits) {
      chunk = chunk * 10 + static_cast<std::uint32_t>(c - '0');
      if (++chunk_digits == 9) {
        magnitude.MulAdd(1000000000U, chunk);
        if (!magnitude.FitsIn96()) return std::nullopt;
        chunk = 0;
        chunk_digits = 0;
      }
    }
  }
  magnitude.MulAdd(static_cast<std::uint32_t>(
                       kPowersOfTen[static_cast<std::size_t>(chunk_digits)]),
                   chunk);
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

  std::uint64_t digits = 0;
  int exponent = 0;  // size ~ digits * 10^exponent
  if (size < 1e15 && size == std::floor(size)) {
    // A whole number of at most 15 digits is already its own rounding.
    digits = static_cast<std::uint64_t>(size);
  } else if (!RoundToFifteenDigits(size, &digits, &exponent)) {
    return ConversionFailure::kOverflow;
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
  std::array<char, 40> reversed;
  std::size_t count = 0;
  if (high32_ == 0) {
    for (std::uint64_t rest = low64_; rest != 0; rest /= 10) {
      reversed[count++] = static_cast<char>('0' + rest % 10);
    }
  } else {
    WideUint magnitude = MagnitudeOf(*this);
    while (!magnitude.is_zero()) {
      std::uint32_t group = magnitude.DivSmall(1000000000U);
      for (int i = 0; i < 9 && (group != 0 || !magnitude.is_zero()); ++i) {
        reversed[count++] = static_cast<char>('0' + group % 10);
        group /= 10;
      }
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

  std::array<char, 40> forward;
  for (std::size_t i = 0; i < count; ++i) forward[i] = reversed[count - 1 - i];
  const std::size_t integer_length = count - scale;
  const std::size_t fraction_length = scale - fraction_start;

  std::string text;
  text.reserve(1 + integer_length + decimal_separator.size() + fraction_length);
  if (negative_) text.push_back('-');
  text.append(forward.data(), integer_length);
  if (fraction_length > 0) {
    text.append(decimal_separator);
    text.append(forward.data() + integer_length, fraction_length);
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
