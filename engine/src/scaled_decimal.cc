#include "mensurex/scaled_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
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

// "00", "01", ..., "99" in one string.
constexpr std::array<char, 200> kDigitPairs = [] {
  std::array<char, 200> pairs{};
  for (std::size_t i = 0; i < 100; ++i) {
    pairs[2 * i] = static_cast<char>('0' + i / 10);
    pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
  }
  return pairs;
}();

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
// "d.ddde+x": value = digits * 10^exponent.
bool ReadScientific(const char* begin, const char* end, std::uint64_t* digits,
                    int* exponent) {
  std::uint64_t value = 0;
  int count = 0;
  const char* p = begin;
  for (; p != end && *p != 'e'; ++p) {
    if (*p == '.') continue;
    value = value * 10 + static_cast<std::uint64_t>(*p - '0');
    ++count;
  }
  if (p == end || p + 1 == end) return false;
  ++p;
  if (*p == '+') ++p;
  int decimal_exponent = 0;
  if (std::from_chars(p, end, decimal_exponent).ec != std::errc()) return false;
  *digits = value;
  *exponent = decimal_exponent - (count - 1);
  return true;
}

// The exactly rounded 15-digit form from the library (to nearest, ties to
// even); correct for every double, but slow.
bool RoundToFifteenDigitsByLibrary(double size, std::uint64_t* digits,
                                   int* exponent) {
  std::array<char, 40> text{};
  const auto [end, error] =
      std::to_chars(text.data(), text.data() + text.size(), size,
                    std::chars_format::scientific, 14);
  return error == std::errc() &&
         ReadScientific(text.data(), end, digits, exponent);
}

// The fast way to the same digits. The double is scaled by a power of ten
// into [10^14, 10^15) in 64-bit long double arithmetic: at most two
// roundings with a relative error of 2^-64 each, so the scaled value is
// within 2^-13 of the exact one. That decides the rounding unless the
// fraction lies within 2^-10 of one half; then false, and the caller asks
// the library. Near a whole number an error cannot change the rounded
// result.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the fast rounding needs a 64-bit long double mantissa");

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
// so), and then the error bound above would not hold; the first conversion
// finds out, and from then on every double takes the library's way.
bool LongDoubleIsExtended() {
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

struct ExactDecimal {
  std::uint64_t magnitude;
  int scale;
};

// 5^0 .. 5^21; 5^22 exceeds 10^15.
constexpr std::array<std::uint64_t, 22> kPowersOfFive = [] {
  std::array<std::uint64_t, 22> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& entry : powers) {
    entry = power;
    power *= 5;
  }
  return powers;
}();

// A normal double that is m * 2^-k with m odd and k >= 1 is
// exactly m * 5^k / 10^k, and m * 5^k has no trailing zero. When that has at
// most 15 digits it is already its own rounding, at scale k. Results of
// whole entries divided by powers of 1024 are mostly of this kind.
std::optional<ExactDecimal> ExactBinaryFraction(double size) {
  const auto bits = std::bit_cast<std::uint64_t>(size);
  constexpr std::uint64_t kFractionMask = (std::uint64_t{1} << 52) - 1;
  std::uint64_t mantissa = (bits & kFractionMask) | (kFractionMask + 1);
  const int trailing = std::countr_zero(mantissa);
  mantissa >>= trailing;
  // size = mantissa * 2^-k.
  const int k = 1075 - static_cast<int>((bits >> 52) & 0x7FF) - trailing;
  if (k < 1 || k >= static_cast<int>(kPowersOfFive.size())) {
    return std::nullopt;
  }
  std::uint64_t magnitude = 0;
  if (__builtin_mul_overflow(
          mantissa, kPowersOfFive[static_cast<std::size_t>(k)], &magnitude) ||
      magnitude >= kPowersOfTen[15]) {
    return std::nullopt;
  }
  return ExactDecimal{magnitude, k};
}

// Moves kStep trailing zeros, when there are that many, from digits into
// exponent. The divisor is a constant, so this takes no division.
template <int kStep>
void StripZeros(std::uint64_t* digits, int* exponent) {
  constexpr std::uint64_t kPower = kPowersOfTen[kStep];
  if (*digits % kPower == 0) {
    *digits /= kPower;
    *exponent += kStep;
  }
}

WideUint MagnitudeOf(const ScaledDecimal& value) {
  return WideUint(value.high32(), value.low64());
}

int BitWidth(const ScaledDecimal& value) {
  return static_cast<int>(value.high32() != 0
                              ? 64 + std::bit_width(value.high32())
                              : std::bit_width(value.low64()));
}

__extension__ using Uint128 = unsigned __int128;

// 10^0 .. 10^38, all that fit 128 bits.
constexpr std::array<Uint128, 39> kPowersOfTen128 = [] {
  std::array<Uint128, 39> powers{};
  Uint128 power = 1;
  for (Uint128& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

struct ScaledQuotient {
  WideUint rounded;
  bool exact = false;
};

// a / b * 10^t = ma * 10^(sb + t - sa) / mb, rounded to nearest, ties to
// even, once from the exact remainder. The power of ten goes to the
// numerator or the divisor, whichever keeps it whole. Native 128-bit
// arithmetic when everything fits, which is the common case.
ScaledQuotient QuotientAtScale(const ScaledDecimal& a, const ScaledDecimal& b,
                               int t) {
  const int exponent = b.scale() + t - a.scale();
  const int power = exponent < 0 ? -exponent : exponent;
  if (a.high32() == 0 && b.high32() == 0 && power <= 38) {
    Uint128 numerator = a.low64();
    Uint128 divisor = b.low64();
    Uint128& scaled = exponent < 0 ? divisor : numerator;
    if (!__builtin_mul_overflow(scaled, kPowersOfTen128[power], &scaled)) {
      Uint128 quotient = numerator / divisor;
      const Uint128 remainder = numerator % divisor;
      const Uint128 rest = divisor - remainder;
      if (remainder > rest || (remainder == rest && (quotient & 1) != 0)) {
        ++quotient;
      }
      return {WideUint::FromHalves(static_cast<std::uint64_t>(quotient >> 64),
                                   static_cast<std::uint64_t>(quotient)),
              remainder == 0};
    }
  }
  WideUint numerator = MagnitudeOf(a);
  WideUint divisor = MagnitudeOf(b);
  WideUint& scaled = exponent < 0 ? divisor : numerator;
  scaled = WideUint::Mul(scaled, WideUint::PowerOfTen(power));
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
  if (!text.empty() && text.size() <= 19) {
    // A whole number that fits 64 bits, such as the exact unit sizes.
    std::uint64_t magnitude = 0;
    bool whole = true;
    for (const char c : text) {
      if (c < '0' || c > '9') {
        whole = false;
        break;
      }
      magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (whole) return FromParts(negative, 0, magnitude, 0);
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

  if (size < 1e-29) {
    // Rounds to at most 10^-29, and then to zero at the last decimal place.
    return ScaledDecimal();
  }
  if (size < 1e15 &&
      static_cast<double>(static_cast<std::uint64_t>(size)) == size) {
    // A whole number of at most 15 digits is already its own rounding.
    return *FromParts(negative, 0, static_cast<std::uint64_t>(size), 0);
  }
  if (const auto exact = ExactBinaryFraction(size)) {
    return *FromParts(negative, 0, exact->magnitude, exact->scale);
  }
  std::uint64_t digits = 0;
  int exponent = 0;  // size ~ digits * 10^exponent
  if (!RoundToFifteenDigitsQuickly(size, &digits, &exponent) &&
      !RoundToFifteenDigitsByLibrary(size, &digits, &exponent)) {
    return ConversionFailure::kOverflow;
  }
  // Fewer than 16 trailing zeros (digits is 10^14 .. 10^15): one test for
  // each bit of their count.
  StripZeros<8>(&digits, &exponent);
  StripZeros<4>(&digits, &exponent);
  StripZeros<2>(&digits, &exponent);
  StripZeros<1>(&digits, &exponent);
  if (exponent >= 0) {
    // At least 10^29 in size does not fit 96 bits.
    if (exponent > kMaxScale) return ConversionFailure::kOverflow;
    Uint128 magnitude = 0;
    if (__builtin_mul_overflow(
            static_cast<Uint128>(digits),
            kPowersOfTen128[static_cast<std::size_t>(exponent)], &magnitude) ||
        (magnitude >> 96) != 0) {
      return ConversionFailure::kOverflow;
    }
    return *FromParts(negative, static_cast<std::uint32_t>(magnitude >> 64),
                      static_cast<std::uint64_t>(magnitude), 0);
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
  const bool negative = a.negative_ != b.negative_;
  const int scale = a.scale_ + b.scale_;
  if (a.high32_ == 0 && b.high32_ == 0 && scale <= kMaxScale) {
    // The common case: nothing to round.
    const Uint128 product = static_cast<Uint128>(a.low64_) * b.low64_;
    if ((product >> 96) == 0) {
      return *FromParts(negative, static_cast<std::uint32_t>(product >> 64),
                        static_cast<std::uint64_t>(product), scale);
    }
  }
  const WideUint product = WideUint::Mul(MagnitudeOf(a), MagnitudeOf(b));
  const auto fitted = FitMagnitude(negative, product, scale);
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
  // The magnitude's digits, right-aligned in the buffer: [first, end). At
  // most 29 of them with the leading zeros of a fraction; the room to their
  // left takes a separator of up to kInlineSeparator bytes and the sign, so
  // that the whole text is assembled here and copied into its string once.
  constexpr std::size_t kInlineSeparator = 16;
  // Only the part written below is ever read.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init)
  std::array<char, 32 + kInlineSeparator + 1> buffer;
  char* const end = buffer.data() + buffer.size();
  char* first = end;
  const auto put_pair = [&first](std::uint64_t pair) {
    first -= 2;
    first[0] = kDigitPairs[2 * pair];
    first[1] = kDigitPairs[2 * pair + 1];
  };
  std::uint64_t rest = low64_;
  if (high32_ != 0) {
    // The low 19 digits first, then the rest fits 64 bits.
    constexpr std::uint64_t kTenToNineteen = 10000000000000000000ULL;
    const Uint128 magnitude = (static_cast<Uint128>(high32_) << 64) | low64_;
    std::uint64_t low = static_cast<std::uint64_t>(magnitude % kTenToNineteen);
    for (int i = 0; i < 19; ++i, low /= 10) {
      *--first = static_cast<char>('0' + low % 10);
    }
    rest = static_cast<std::uint64_t>(magnitude / kTenToNineteen);
  }
  // Eight digits at a time in 32-bit arithmetic: the blocks do not wait on
  // each other, unlike one long chain of divisions by 100.
  constexpr std::uint64_t kTenToEight = 100000000;
  for (; rest >= kTenToEight; rest /= kTenToEight) {
    auto block = static_cast<std::uint32_t>(rest % kTenToEight);
    for (int i = 0; i < 4; ++i, block /= 100) put_pair(block % 100);
  }
  auto top = static_cast<std::uint32_t>(rest);
  for (; top >= 100; top /= 100) put_pair(top % 100);
  if (top >= 10) {
    put_pair(top);
  } else if (top > 0) {
    *--first = static_cast<char>('0' + top);
  }
  // At least one integer digit.
  const std::size_t scale = scale_;
  if (const auto count = static_cast<std::size_t>(end - first);
      count < scale + 1) {
    first -= scale + 1 - count;
    std::fill(first, end - count, '0');
  }
  char* const point = end - scale;
  // Zeros at the end of the fraction are not shown.
  char* fraction_end = end;
  while (fraction_end > point && fraction_end[-1] == '0') --fraction_end;

  if (fraction_end == point) {
    if (negative_) *--first = '-';
    return std::string(first, point);
  }
  const std::size_t separator_size = decimal_separator.size();
  if (separator_size <= kInlineSeparator) {
    // The integer digits move left to make room for the separator.
    char* out = first - separator_size;
    for (const char* digit = first; digit != point; ++digit) *out++ = *digit;
    first -= separator_size;
    for (const char c : decimal_separator) *out++ = c;
    if (negative_) *--first = '-';
    return std::string(first, fraction_end);
  }
  const auto integer_length = static_cast<std::size_t>(point - first);
  const auto fraction_length = static_cast<std::size_t>(fraction_end - point);
  std::string text(
      (negative_ ? 1 : 0) + integer_length + separator_size + fraction_length,
      '-');
  char* out = text.data() + (negative_ ? 1 : 0);
  out = std::copy(first, point, out);
  out = std::copy(decimal_separator.begin(), decimal_separator.end(), out);
  std::copy(point, fraction_end, out);
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
