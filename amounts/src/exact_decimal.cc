#include "amounts/exact_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <limits>

#include "amounts/big_integer.h"

namespace mensurex {
namespace {

// Far beyond any exponent whose result fits in memory, and far from the
// limits of int64 arithmetic.
constexpr std::int64_t kExponentBound = std::int64_t{1} << 40;

// The value as N * 10^scale with N = digits * base^power.
struct Plan {
  std::string_view digits;
  std::int64_t scale = 0;
  unsigned long base = 2;
  unsigned long power = 0;
  // Bounds of the number of decimal digits of N (N > 0).
  std::int64_t min_digits = 0;
  std::int64_t max_digits = 0;
};

// floor(log10(base^power)) for base 2 or 5 and a power below 1650:
// floor(n * log10(2)) = (n * 78913) >> 18 there; 5^n is 10^n / 2^n, and
// n * log10(2) is never a whole number.
std::int64_t FloorLog10(unsigned long base, unsigned long power) {
  if (power == 0) return 0;
  const auto twos = static_cast<std::int64_t>((power * 78913) >> 18);
  return base == 2 ? twos : static_cast<std::int64_t>(power) - twos - 1;
}

Plan MakePlan(const Decimal& amount, Ratio ratio) {
  Plan plan;
  std::string_view digits = amount.digits;
  std::int64_t exponent =
      std::clamp(amount.exponent, -kExponentBound, kExponentBound);
  // Trailing zeros belong to the scale, so that N stays small.
  while (!digits.empty() && digits.back() == '0') {
    digits.remove_suffix(1);
    ++exponent;
  }
  plan.digits = digits;
  // 2^a * 5^b = 10^min(a, b) * (2^(a-b) or 5^(b-a)).
  const int tens = std::min(ratio.twos, ratio.fives);
  plan.scale = exponent + tens;
  plan.base = ratio.twos > ratio.fives ? 2 : 5;
  plan.power =
      static_cast<unsigned long>(std::max(ratio.twos, ratio.fives) - tens);
  // digits in [10^(L-1), 10^L) and base^power in [10^f, 10^(f+1)).
  const auto f = FloorLog10(plan.base, plan.power);
  const auto length = static_cast<std::int64_t>(digits.size());
  plan.min_digits = length + f;
  plan.max_digits = length + f + 1;
  return plan;
}

__extension__ using Uint128 = unsigned __int128;

// 10^0 .. 10^38, all that 128 bits hold.
constexpr std::array<Uint128, 39> kPowersOfTen = [] {
  std::array<Uint128, 39> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i)
    powers[i] = powers[i - 1] * 10;
  return powers;
}();

// 10^exponent for an exponent below 39.
Uint128 SmallPowerOfTen(std::int64_t exponent) {
  return kPowersOfTen[static_cast<std::size_t>(exponent)];
}

// digits * 10^shift in 128 bits, when it fits: most amounts are short.
bool ScaledSmall(std::string_view digits, std::int64_t shift, Uint128* n) {
  if (digits.size() > 19 || shift < 0 || shift >= 39) return false;
  std::uint64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (shift < 20) {  // 64 bits times 64 bits always fits 128
    *n = static_cast<Uint128>(value) *
         static_cast<std::uint64_t>(SmallPowerOfTen(shift));
    return true;
  }
  return !__builtin_mul_overflow(static_cast<Uint128>(value),
                                 SmallPowerOfTen(shift), n);
}

// The decimal digits of a 128-bit value, written backwards from the end of
// `buffer`, 19 at a time in 64-bit arithmetic.
std::string_view SmallDigits(Uint128 value, std::array<char, 40>* buffer) {
  constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000u;
  char* const end = buffer->data() + buffer->size();
  char* begin = end;
  while (value >= kTen19) {
    auto low = static_cast<std::uint64_t>(value % kTen19);
    value /= kTen19;
    for (int i = 0; i < 19; ++i, low /= 10) {
      *--begin = static_cast<char>('0' + low % 10);
    }
  }
  auto high = static_cast<std::uint64_t>(value);
  do {
    *--begin = static_cast<char>('0' + high % 10);
    high /= 10;
  } while (high != 0);
  return {begin, static_cast<std::size_t>(end - begin)};
}

// Rounds *q, the quotient of a division that left `rest`, where `half` is
// half the divisor, as for a value of that sign.
void RoundSmallQuotient(Uint128 rest, Uint128 half, Rounding rounding,
                        bool negative, Uint128* q) {
  const int against_half = int{rest > half} - int{rest < half};
  if (rest != 0 &&
      RoundsAway(rounding, negative, against_half, (*q & 1) != 0)) {
    ++*q;
  }
}

// amount * 2^twos * 10^places rounded to a whole number into *q, for a
// ratio without fives and an amount that fits 128 bits at that many places,
// as most byte counts do. False for any other.
bool SmallRounded(const Decimal& amount, Ratio ratio, std::size_t places,
                  Rounding rounding, Uint128* q) {
  Uint128 scaled = 0;
  if (ratio.fives != 0 || ratio.twos <= -128 || ratio.twos >= 128 ||
      !ScaledSmall(amount.digits,
                   amount.exponent + static_cast<std::int64_t>(places),
                   &scaled)) {
    return false;
  }
  if (ratio.twos >= 0) {
    const auto k = static_cast<unsigned>(ratio.twos);
    if (k > 0 && (scaled >> (128 - k)) != 0) return false;
    *q = scaled << k;
    return true;
  }
  const auto k = static_cast<unsigned>(-ratio.twos);
  *q = scaled >> k;
  const Uint128 rest = scaled - (*q << k);
  RoundSmallQuotient(rest, Uint128{1} << (k - 1), rounding, amount.negative, q);
  return true;
}

// Whether the integer part of a written value (ASCII digits after an
// optional minus sign) is at least `bound`.
bool IntegerPartReaches(std::string_view written, unsigned bound) {
  if (!written.empty() && written.front() == '-') written.remove_prefix(1);
  unsigned long long whole = 0;
  for (const char c : written) {
    if (c < '0' || c > '9') break;
    whole = whole * 10 + static_cast<unsigned>(c - '0');
    if (whole >= bound) return true;
  }
  return false;
}

}  // namespace

bool RoundsAway(Rounding rounding, bool negative, int against_half, bool odd) {
  switch (rounding) {
    case Rounding::kUp:
      return !negative;
    case Rounding::kDown:
      return negative;
    case Rounding::kFromZero:
      return true;
    case Rounding::kTowardsZero:
      return false;
    case Rounding::kNearestEven:
      return against_half > 0 || (against_half == 0 && odd);
    case Rounding::kNearest:
      break;
  }
  return against_half >= 0;
}

BigInteger PowerOfTen(unsigned long exponent) {
  BigInteger power;
  SetPower(10, exponent, &power);
  return power;
}

BigInteger RoundedQuotient(const BigInteger& numerator,
                           const BigInteger& divisor, Rounding rounding,
                           bool negative, bool* exact) {
  BigInteger quotient;
  BigInteger remainder;
  DivideWithRemainder(numerator, divisor, &quotient, &remainder);
  if (exact != nullptr) *exact = remainder == 0;
  if (remainder != 0) {
    const BigInteger twice = 2 * remainder;
    if (RoundsAway(rounding, negative,
                   int{twice > divisor} - int{twice < divisor},
                   IsOdd(quotient))) {
      ++quotient;
    }
  }
  return quotient;
}

void AppendPlainDecimal(std::string_view digits, std::int64_t scale,
                        std::string_view decimal, std::string* out) {
  while (scale < 0 && digits.back() == '0') {
    digits.remove_suffix(1);
    ++scale;
  }
  if (scale >= 0) {
    out->append(digits);
    out->append(static_cast<std::size_t>(scale), '0');
    return;
  }
  AppendFixedDecimal(digits, 0, static_cast<std::size_t>(-scale), decimal, out);
}

void AppendFixedDecimal(std::string_view digits, std::size_t zeros,
                        std::size_t places, std::string_view decimal,
                        std::string* out) {
  const std::size_t length = digits.size() + zeros;
  if (length <= places) {  // digits is never empty, so places > 0 here
    out->push_back('0');
    out->append(decimal);
    out->append(places - length, '0');
    out->append(digits);
    out->append(zeros, '0');
    return;
  }
  // The integer part is the first length - places of digits and zeros.
  const std::size_t whole = length - places;
  const std::size_t whole_digits = std::min(whole, digits.size());
  out->append(digits.substr(0, whole_digits));
  out->append(whole - whole_digits, '0');
  if (places == 0) return;
  out->append(decimal);
  out->append(digits.substr(whole_digits));
  out->append(places - (digits.size() - whole_digits), '0');
}

// N = digits * base^power, in 128 bits when it fits there, as it does for
// most amounts, and in a BigInteger otherwise.
struct ExactConverter::Numbers {
  void Load(const Plan& plan) {
    in_small = short_path && plan.digits.size() <= 19 &&
               plan.power <= (plan.base == 2 ? 63u : 27u) &&
               ScaledSmall(plan.digits, 0, &small);
    if (in_small) {
      if (plan.base == 2) {
        small <<= plan.power;
      } else {
        // 5^power = 10^power / 2^power.
        small *= SmallPowerOfTen(static_cast<std::int64_t>(plan.power)) >>
                 plan.power;
      }
      return;
    }
    text.assign(plan.digits.begin(), plan.digits.end());
    SetDecimalDigits(text, &n);
    if (plan.base == 2) {
      n <<= plan.power;
    } else {
      SetPower(5, plan.power, &factor);
      n *= factor;
    }
  }

  // Whether N >= 10^exponent.
  bool AtLeastPowerOfTen(std::int64_t exponent) const {
    if (!in_small) return n >= PowerOfTen(static_cast<unsigned long>(exponent));
    // 2^128 is below 10^39.
    return exponent < 39 && small >= SmallPowerOfTen(exponent);
  }

  // N = N / 10^drop, rounded as for a value of that sign.
  void DivideRounded(std::int64_t drop, Rounding rounding, bool negative) {
    if (!in_small) {
      n = RoundedQuotient(n, PowerOfTen(static_cast<unsigned long>(drop)),
                          rounding, negative);
      return;
    }
    if (drop >= 39) {  // N is below half of 10^drop
      small = RoundsAway(rounding, negative, -1, false) ? 1 : 0;
      return;
    }
    const Uint128 divisor = SmallPowerOfTen(drop);
    const Uint128 rest = small % divisor;
    small /= divisor;
    // 10^drop is even for drop >= 1.
    RoundSmallQuotient(rest, divisor / 2, rounding, negative, &small);
  }

  // The decimal digits of N.
  std::string_view Digits() {
    if (in_small) return SmallDigits(small, &buffer);
    return DecimalDigits(n, &text);
  }

  bool short_path = true;  // whether 128 bits may be used at all
  bool in_small = false;
  Uint128 small = 0;
  BigInteger n;
  BigInteger factor;  // kept, so that its memory is reused
  std::string text;
  std::string rounded;  // RoundsToAtLeast's text of long amounts
  std::array<char, 40> buffer{};
};

ExactConverter::ExactConverter() : numbers_(std::make_unique<Numbers>()) {}
ExactConverter::~ExactConverter() = default;

void ExactConverter::UseBigIntegersOnly() { numbers_->short_path = false; }

bool ExactConverter::AtLeastOne(const Decimal& amount, Ratio ratio) {
  if (numbers_->short_path && ratio.fives == 0 && ratio.twos < 0 &&
      ratio.twos > -128 && amount.exponent >= 0 && !amount.digits.empty()) {
    // A whole amount against 2^k: by the numbers of digits, or in 128 bits
    // when they have as many.
    const auto k = static_cast<unsigned>(-ratio.twos);
    const std::int64_t length = FloorLog10(2, k) + 1;
    const std::int64_t amount_length =
        static_cast<std::int64_t>(amount.digits.size()) +
        std::min(amount.exponent, kExponentBound);
    if (amount_length != length) return amount_length > length;
    Uint128 n = 0;
    if (ScaledSmall(amount.digits, amount.exponent, &n)) return (n >> k) != 0;
  }
  const Plan plan = MakePlan(amount, ratio);
  if (plan.digits.empty()) return false;
  if (plan.scale >= 0 || plan.min_digits - 1 >= -plan.scale) return true;
  if (plan.max_digits <= -plan.scale) return false;
  numbers_->Load(plan);
  return numbers_->AtLeastPowerOfTen(-plan.scale);
}

std::optional<int> ExactConverter::BinaryExponent(const Decimal& amount,
                                                  Ratio ratio) {
  Uint128 n = 0;
  if (!numbers_->short_path || ratio.fives != 0 || ratio.twos <= -1024 ||
      ratio.twos >= 1024 || amount.exponent < 0 || amount.digits.empty() ||
      !ScaledSmall(amount.digits, amount.exponent, &n)) {
    return std::nullopt;
  }
  const auto high = static_cast<std::uint64_t>(n >> 64);
  const auto width = static_cast<int>(
      high != 0 ? 64 + std::bit_width(high)
                : std::bit_width(static_cast<std::uint64_t>(n)));
  return width - 1 + ratio.twos;
}

bool ExactConverter::RoundsToAtLeast(const Decimal& amount, Ratio ratio,
                                     std::size_t places, Rounding rounding,
                                     unsigned bound) {
  // Rounding moves a value by less than 1, so a value in [2^e, 2^(e+1))
  // stays below a bound above 2^(e+1) and reaches one below 2^e.
  if (const std::optional<int> e = BinaryExponent(amount, ratio);
      e && *e >= 0 && *e < 40) {
    if ((std::uint64_t{2} << *e) < bound) return false;
    if ((std::uint64_t{1} << *e) > bound) return true;
  }
  Uint128 q = 0;
  if (numbers_->short_path && places < 20 &&
      SmallRounded(amount, ratio, places, rounding, &q)) {
    return q >= bound * SmallPowerOfTen(static_cast<std::int64_t>(places));
  }
  // A value below `bound` has a short integer part, so its text is at most
  // this much longer than its fraction; a longer one, which is not written
  // out, reaches the bound.
  constexpr std::size_t kShortIntegerPart = 24;
  const std::size_t limit =
      places > std::numeric_limits<std::size_t>::max() - kShortIntegerPart
          ? std::numeric_limits<std::size_t>::max()
          : places + kShortIntegerPart;
  std::string& written = numbers_->rounded;
  written.clear();
  return !AppendText(amount, ratio, places, rounding, ".", limit, &written) ||
         IntegerPartReaches(written, bound);
}

bool ExactConverter::AppendText(const Decimal& amount, Ratio ratio,
                                std::optional<std::size_t> places,
                                Rounding rounding, std::string_view decimal,
                                std::size_t max_length, std::string* out) {
  const auto limit = static_cast<std::int64_t>(std::min<std::size_t>(
      max_length, std::numeric_limits<std::int32_t>::max()));
  if (places && *places > static_cast<std::size_t>(limit)) return false;
  const std::size_t start = out->size();
  Uint128 small = 0;
  const bool is_small = places && numbers_->short_path &&
                        SmallRounded(amount, ratio, *places, rounding, &small);
  if (is_small) {
    if (amount.negative && small != 0) out->push_back('-');
    AppendFixedDecimal(SmallDigits(small, &numbers_->buffer), 0, *places,
                       decimal, out);
  }
  const bool written = is_small || AppendLarge(amount, ratio, places, rounding,
                                               decimal, limit, out);
  if (!written || static_cast<std::int64_t>(out->size() - start) > limit) {
    out->resize(start);
    return false;
  }
  return true;
}

bool ExactConverter::AppendLarge(const Decimal& amount, Ratio ratio,
                                 std::optional<std::size_t> places,
                                 Rounding rounding, std::string_view decimal,
                                 std::int64_t limit, std::string* out) {
  const Plan plan = MakePlan(amount, ratio);
  const auto place_count = static_cast<std::int64_t>(places.value_or(0));
  const std::int64_t fraction_part =
      place_count > 0 ? static_cast<std::int64_t>(decimal.size()) + place_count
                      : 0;
  const std::int64_t sign = amount.negative ? 1 : 0;
  Numbers& num = *numbers_;
  if (plan.digits.empty()) {
    if (1 + fraction_part > limit) return false;
    AppendFixedDecimal("0", 0, static_cast<std::size_t>(place_count), decimal,
                       out);
    return true;
  }
  if (!places || plan.scale + place_count >= 0) {
    // Nothing to round: N and zeros on either side.
    const std::int64_t shortest =
        places            ? plan.min_digits + plan.scale + fraction_part
        : plan.scale >= 0 ? plan.min_digits + plan.scale
                          : std::max(plan.min_digits, -plan.scale + 1);
    if (sign + shortest > limit) return false;
    num.Load(plan);
    if (amount.negative) out->push_back('-');
    if (places) {
      AppendFixedDecimal(num.Digits(),
                         static_cast<std::size_t>(plan.scale + place_count),
                         static_cast<std::size_t>(place_count), decimal, out);
    } else {
      AppendPlainDecimal(num.Digits(), plan.scale, decimal, out);
    }
    return true;
  }
  // q = N / 10^drop, rounded; its last place_count digits are the
  // fraction.
  const std::int64_t drop = -(plan.scale + place_count);
  if (sign + std::max<std::int64_t>(plan.min_digits + plan.scale, 1) +
          fraction_part >
      limit) {
    return false;
  }
  std::string_view digits = "0";
  if (drop <= plan.max_digits) {
    num.Load(plan);
    num.DivideRounded(drop, rounding, amount.negative);
    digits = num.Digits();
  } else if (RoundsAway(rounding, amount.negative, -1, false)) {
    // N < 10^(drop - 1): below half of the last place.
    digits = "1";
  }
  if (amount.negative && digits != "0") out->push_back('-');
  AppendFixedDecimal(digits, 0, static_cast<std::size_t>(place_count), decimal,
                     out);
  return true;
}

}  // namespace mensurex
