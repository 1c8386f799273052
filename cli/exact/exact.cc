#include "cli/exact/exact.h"

#include <gmp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace mensurex::exact {
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

// floor(log10(base^power)) for base 2 or 5.
std::int64_t FloorLog10(unsigned long base, unsigned long power) {
  if (power == 0) return 0;
  if (power < 1000) {
    // floor(n * log10(2)) = (n * 78913) >> 18 for n below 1650; 5^n is
    // 10^n / 2^n, and n * log10(2) is never a whole number.
    const auto twos = static_cast<std::int64_t>((power * 78913) >> 18);
    return base == 2 ? twos : static_cast<std::int64_t>(power) - twos - 1;
  }
  return static_cast<std::int64_t>(std::floor(
      static_cast<double>(power) * std::log10(static_cast<double>(base))));
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

constexpr std::array<Uint128, 39> kPowersOfTen = [] {
  std::array<Uint128, 39> powers{};
  Uint128 power = 1;
  for (Uint128& entry : powers) {
    entry = power;
    power *= 10;
  }
  return powers;
}();

// N in 128 bits, for the common short amounts: digits below 10^19 times
// base^power below 2^64.
bool FitsSmall(const Plan& plan, Uint128* n) {
  if (plan.digits.size() > 19 || plan.power > (plan.base == 2 ? 63u : 27u)) {
    return false;
  }
  std::uint64_t digits = 0;
  for (const char c : plan.digits) {
    digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
  }
  std::uint64_t factor = 1;
  for (unsigned long i = 0; i < plan.power; ++i) factor *= plan.base;
  *n = static_cast<Uint128>(digits) * factor;
  return true;
}

// digits * 10^shift in 128 bits, when it fits.
bool ScaledSmall(std::string_view digits, std::int64_t shift, Uint128* n) {
  if (digits.size() > 19 || shift < 0 || shift >= 39) return false;
  std::uint64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return !__builtin_mul_overflow(static_cast<Uint128>(value),
                                 kPowersOfTen[static_cast<std::size_t>(shift)],
                                 n);
}

bool RoundsAway(Rounding rounding, bool negative, int against_half) {
  switch (rounding) {
    case Rounding::kUp:
      return !negative;
    case Rounding::kDown:
      return negative;
    case Rounding::kFromZero:
      return true;
    case Rounding::kTowardsZero:
      return false;
    case Rounding::kNearest:
      break;
  }
  return against_half >= 0;
}

}  // namespace

struct Converter::Numbers {
  Numbers() {
    mpz_init(n);
    mpz_init(divisor);
    mpz_init(remainder);
  }
  ~Numbers() {
    mpz_clear(n);
    mpz_clear(divisor);
    mpz_clear(remainder);
  }
  Numbers(const Numbers&) = delete;
  Numbers& operator=(const Numbers&) = delete;

  // The digits of N = digits * base^power.
  std::string_view Product(const Plan& plan) {
    Uint128 small = 0;
    if (FitsSmall(plan, &small)) return SmallDigits(small);
    Load(plan);
    return Digits();
  }

  // The digits of N / 10^drop, rounded, given drop <= max_digits.
  std::string_view Quotient(const Plan& plan, std::int64_t drop,
                            Rounding rounding, bool negative) {
    Uint128 small = 0;
    if (FitsSmall(plan, &small)) {
      Uint128 quotient = 0;
      Uint128 remainder = small;
      if (drop < static_cast<std::int64_t>(kPowersOfTen.size())) {
        const Uint128 divisor = kPowersOfTen[static_cast<std::size_t>(drop)];
        quotient = small / divisor;
        remainder = small % divisor;
        const int against_half = 2 * remainder < divisor    ? -1
                                 : 2 * remainder == divisor ? 0
                                                            : 1;
        if (remainder != 0 && RoundsAway(rounding, negative, against_half)) {
          ++quotient;
        }
      } else if (RoundsAway(rounding, negative, -1)) {
        // Every 128-bit N is below half of 10^39.
        quotient = 1;
      }
      return SmallDigits(quotient);
    }
    Load(plan);
    mpz_ui_pow_ui(divisor, 10, static_cast<unsigned long>(drop));
    mpz_tdiv_qr(n, remainder, n, divisor);
    const bool exact = mpz_sgn(remainder) == 0;
    mpz_mul_2exp(remainder, remainder, 1);
    if (!exact && RoundsAway(rounding, negative, mpz_cmp(remainder, divisor))) {
      mpz_add_ui(n, n, 1);
    }
    return Digits();
  }

  // n = digits * base^power.
  void Load(const Plan& plan) {
    text.assign(plan.digits.begin(), plan.digits.end());
    text.push_back('\0');
    mpz_set_str(n, text.data(), 10);
    if (plan.power == 0) return;
    if (plan.base == 2) {
      mpz_mul_2exp(n, n, plan.power);
    } else {
      mpz_ui_pow_ui(divisor, 5, plan.power);
      mpz_mul(n, n, divisor);
    }
  }

  // The decimal digits of n.
  std::string_view Digits() {
    text.resize(mpz_sizeinbase(n, 10) + 2);
    mpz_get_str(text.data(), 10, n);
    return {text.data()};
  }

  std::string_view SmallDigits(Uint128 value) {
    constexpr std::uint64_t kTen19 = 10'000'000'000'000'000'000u;
    char* const end = small_text.data() + small_text.size();
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

  mpz_t n{};
  mpz_t divisor{};
  mpz_t remainder{};
  std::vector<char> text;
  std::array<char, 48> small_text{};
};

Converter::Converter() : numbers_(std::make_unique<Numbers>()) {}
Converter::~Converter() = default;

bool Converter::AtLeastOne(const Decimal& amount, Ratio ratio) {
  Uint128 n = 0;
  if (ratio.fives == 0 && ratio.twos <= 0 && ratio.twos > -128 &&
      ScaledSmall(amount.digits, amount.exponent, &n)) {
    // A whole amount and a binary ratio: n / 2^k >= 1.
    return n != 0 && (n >> static_cast<unsigned>(-ratio.twos)) != 0;
  }
  const Plan plan = MakePlan(amount, ratio);
  if (plan.digits.empty()) return false;
  if (plan.scale >= 0 || plan.min_digits - 1 >= -plan.scale) return true;
  if (plan.max_digits <= -plan.scale) return false;
  numbers_->Load(plan);
  mpz_ui_pow_ui(numbers_->divisor, 10, static_cast<unsigned long>(-plan.scale));
  return mpz_cmp(numbers_->n, numbers_->divisor) >= 0;
}

namespace {

// Appends digits * 10^scale with every digit and no trailing zeros in the
// fraction; `digits` is not empty and not zero.
void AppendWhole(std::string_view digits, std::int64_t scale,
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
  const auto fraction = static_cast<std::size_t>(-scale);
  if (digits.size() <= fraction) {
    out->push_back('0');
    out->append(decimal);
    out->append(fraction - digits.size(), '0');
    out->append(digits);
    return;
  }
  out->append(digits.substr(0, digits.size() - fraction));
  out->append(decimal);
  out->append(digits.substr(digits.size() - fraction));
}

// Appends the integer `digits` followed by `zeros` zeros, divided by
// 10^places, with exactly `places` fraction digits.
void AppendFixed(std::string_view digits, std::size_t zeros, std::size_t places,
                 std::string_view decimal, std::string* out) {
  if (places == 0) {
    out->append(digits);
    out->append(zeros, '0');
  } else if (digits.size() + zeros <= places) {
    out->push_back('0');
    out->append(decimal);
    out->append(places - digits.size() - zeros, '0');
    out->append(digits);
    out->append(zeros, '0');
  } else if (zeros >= places) {
    out->append(digits);
    out->append(zeros - places, '0');
    out->append(decimal);
    out->append(places, '0');
  } else {
    const std::size_t whole = digits.size() + zeros - places;
    out->append(digits.substr(0, whole));
    out->append(decimal);
    out->append(digits.substr(whole));
    out->append(zeros, '0');
  }
}

}  // namespace

bool Converter::AppendText(const Decimal& amount, Ratio ratio,
                           std::optional<std::size_t> places, Rounding rounding,
                           std::string_view decimal, std::size_t max_length,
                           std::string* out) {
  const auto limit = static_cast<std::int64_t>(std::min<std::size_t>(
      max_length, std::numeric_limits<std::int32_t>::max()));
  Uint128 scaled = 0;
  if (places && ratio.fives == 0 && ratio.twos < 0 && ratio.twos > -128 &&
      ScaledSmall(amount.digits,
                  amount.exponent + static_cast<std::int64_t>(*places),
                  &scaled)) {
    // A binary ratio below 1, rounded: q = amount * 10^places / 2^k, all in
    // 128 bits, as most byte counts are.
    const auto k = static_cast<unsigned>(-ratio.twos);
    Uint128 q = scaled >> k;
    const Uint128 rest = scaled - (q << k);
    const Uint128 half = Uint128{1} << (k - 1);
    const int against_half = rest < half ? -1 : rest == half ? 0 : 1;
    if (rest != 0 && RoundsAway(rounding, amount.negative, against_half)) ++q;
    const std::size_t start = out->size();
    if (amount.negative && q != 0) out->push_back('-');
    AppendFixed(numbers_->SmallDigits(q), 0, *places, decimal, out);
    if (static_cast<std::int64_t>(out->size() - start) > limit) {
      out->resize(start);
      return false;
    }
    return true;
  }
  const Plan plan = MakePlan(amount, ratio);
  if (places && *places > static_cast<std::size_t>(limit)) return false;
  const auto place_count = static_cast<std::int64_t>(places.value_or(0));
  const std::int64_t fraction_part =
      place_count > 0 ? static_cast<std::int64_t>(decimal.size()) + place_count
                      : 0;
  const std::int64_t sign = amount.negative ? 1 : 0;
  const std::size_t start = out->size();
  Numbers& num = *numbers_;

  if (plan.digits.empty()) {
    if (1 + fraction_part > limit) return false;
    AppendFixed("0", 0, static_cast<std::size_t>(place_count), decimal, out);
    return true;
  }

  if (!places || plan.scale + place_count >= 0) {
    // Nothing to round: N and zeros on either side.
    std::int64_t shortest = 0;
    if (places) {
      shortest = plan.min_digits + plan.scale + fraction_part;
    } else if (plan.scale >= 0) {
      shortest = plan.min_digits + plan.scale;
    } else {
      shortest = std::max(plan.min_digits, -plan.scale + 1);
    }
    if (sign + shortest > limit) return false;
    const std::string_view digits = num.Product(plan);
    if (amount.negative) out->push_back('-');
    if (places) {
      AppendFixed(digits, static_cast<std::size_t>(plan.scale + place_count),
                  static_cast<std::size_t>(place_count), decimal, out);
    } else {
      AppendWhole(digits, plan.scale, decimal, out);
    }
  } else {
    // q = N / 10^drop, and the remainder decides whether it moves away
    // from zero.
    const std::int64_t drop = -(plan.scale + place_count);
    if (sign + std::max<std::int64_t>(plan.min_digits - drop, 1) +
            fraction_part >
        limit) {
      return false;
    }
    std::string_view digits = "0";
    if (drop <= plan.max_digits) {
      digits = num.Quotient(plan, drop, rounding, amount.negative);
    } else if (RoundsAway(rounding, amount.negative, -1)) {
      // N < 10^(drop - 1): below half of the last place.
      digits = "1";
    }
    if (amount.negative && digits != "0") out->push_back('-');
    AppendFixed(digits, 0, static_cast<std::size_t>(place_count), decimal, out);
  }
  if (static_cast<std::int64_t>(out->size() - start) > limit) {
    out->resize(start);
    return false;
  }
  return true;
}

}  // namespace mensurex::exact
