// Exact decimal amounts, and their text when scaled by a ratio of unit sizes.
// Every ratio between the units is 2^a * 5^b, so every result is a finite
// decimal and is written whole, or rounded only when asked.
#ifndef MENSUREX_AMOUNTS_EXACT_DECIMAL_H_
#define MENSUREX_AMOUNTS_EXACT_DECIMAL_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace mensurex {

// (negative ? -1 : 1) * digits * 10^exponent, with `digits` ASCII '0'..'9'
// without leading zeros (empty for zero).
struct Decimal {
  bool negative = false;
  std::string digits;
  std::int64_t exponent = 0;
};

// The factor 2^twos * 5^fives.
struct Ratio {
  int twos = 0;
  int fives = 0;

  friend constexpr Ratio operator*(Ratio a, Ratio b) {
    return {a.twos + b.twos, a.fives + b.fives};
  }
  friend constexpr Ratio operator/(Ratio a, Ratio b) {
    return {a.twos - b.twos, a.fives - b.fives};
  }
};

// How a value is brought to a number of decimal places.
enum class Rounding {
  kUp,           // towards +infinity
  kDown,         // towards -infinity
  kFromZero,     // away from zero
  kTowardsZero,  // towards zero
  kNearest,      // to the nearest, ties away from zero
  kNearestEven,  // to the nearest, ties to the even neighbour
};

// Whether a value that lies strictly between two neighbours goes to the one
// further from zero. against_half compares the dropped part with half of
// the last place (-1 below, 0 equal, 1 above); `odd` tells whether the
// nearer-to-zero neighbour is odd.
bool RoundsAway(Rounding rounding, bool negative, int against_half, bool odd);

// Appends digits * 10^scale (digits not empty, not zero, no sign) with
// every digit and no trailing zeros in the fraction: "1024", "0.5".
void AppendPlainDecimal(std::string_view digits, std::int64_t scale,
                        std::string_view decimal, std::string* out);

// Appends the integer `digits` (not empty) followed by `zeros` zeros,
// divided by 10^places, with exactly `places` fraction digits.
void AppendFixedDecimal(std::string_view digits, std::size_t zeros,
                        std::size_t places, std::string_view decimal,
                        std::string* out);

class ExactConverter {
 public:
  ExactConverter();
  ~ExactConverter();
  ExactConverter(const ExactConverter&) = delete;
  ExactConverter& operator=(const ExactConverter&) = delete;

  // Appends the text of amount * ratio to *out: a minus sign when negative
  // (never for zero), the integer digits, and then `decimal` and the
  // fraction. Without `places` every digit is written and the fraction has
  // no trailing zeros (none at all for an integer); with it the value is
  // rounded by `rounding` to exactly that many fraction digits. No exponent,
  // no grouping. Returns false and appends nothing when the text would be
  // longer than max_length bytes; that is known before any work that grows
  // with the result, so 1e999999999 costs nothing. |twos| and |fives| stay
  // below 1650 (numfmt's units and unit sizes reach a few hundred).
  bool AppendText(const Decimal& amount, Ratio ratio,
                  std::optional<std::size_t> places, Rounding rounding,
                  std::string_view decimal, std::size_t max_length,
                  std::string* out);

  // Whether |amount * ratio| >= 1.
  bool AtLeastOne(const Decimal& amount, Ratio ratio);

  // floor(log2(|amount * ratio|)) for a whole, nonzero amount that fits 64
  // bits and a ratio that is a power of two: how ladders of 1024 find
  // their unit without a comparison per step. nullopt for any other.
  std::optional<int> BinaryExponent(const Decimal& amount, Ratio ratio);

  // Whether |amount * ratio|, rounded by `rounding` to `places` fraction
  // digits as AppendText rounds it, is at least `bound` (below 10^20).
  // Short amounts are decided in 128 bits without writing them out, and
  // none is written out past its integer part's first few digits.
  bool RoundsToAtLeast(const Decimal& amount, Ratio ratio, std::size_t places,
                       Rounding rounding, unsigned bound);

  // For tests: every later call takes the big-integer path, never the
  // 128-bit one, so that the two can be held against each other.
  void UseBigIntegersOnly();

 private:
  // AppendText past the short amounts that need no BigInteger; false when the
  // text would be longer than `limit`.
  bool AppendLarge(const Decimal& amount, Ratio ratio,
                   std::optional<std::size_t> places, Rounding rounding,
                   std::string_view decimal, std::int64_t limit,
                   std::string* out);

  struct Numbers;  // big-integer state, reused from one call to the next
  std::unique_ptr<Numbers> numbers_;
};

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_EXACT_DECIMAL_H_
