// Exact decimal text of a decimal amount scaled by a ratio of unit sizes.
// Every ratio between the units is 2^a * 5^b, so every result is a finite
// decimal and is printed whole, or rounded only when asked.
#ifndef MENSUREX_CLI_EXACT_EXACT_H_
#define MENSUREX_CLI_EXACT_EXACT_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace mensurex::exact {

// (negative ? -1 : 1) * digits * 10^exponent, with `digits` ASCII '0'..'9'
// without leading zeros (empty for zero).
struct Decimal {
  bool negative = false;
  std::string_view digits;
  std::int64_t exponent = 0;
};

// The factor 2^twos * 5^fives.
struct Ratio {
  int twos = 0;
  int fives = 0;
};

// How a value is brought to a number of decimal places.
enum class Rounding {
  kUp,           // towards +infinity
  kDown,         // towards -infinity
  kFromZero,     // away from zero
  kTowardsZero,  // towards zero
  kNearest,      // to the nearest, ties away from zero
};

class Converter {
 public:
  Converter();
  ~Converter();
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Appends the text of amount * ratio to *out: a minus sign when negative
  // (never for zero), the integer digits, and then `decimal` and the
  // fraction. Without `places` every digit is written and the fraction has
  // no trailing zeros (none at all for an integer); with it the value is
  // rounded by `rounding` to exactly that many fraction digits. No exponent,
  // no grouping. Returns false and appends nothing when the text would be
  // longer than max_length bytes; that is known before any work that grows
  // with the result, so 1e999999999 costs nothing.
  bool AppendText(const Decimal& amount, Ratio ratio,
                  std::optional<std::size_t> places, Rounding rounding,
                  std::string_view decimal, std::size_t max_length,
                  std::string* out);

  // Whether |amount * ratio| >= 1.
  bool AtLeastOne(const Decimal& amount, Ratio ratio);

 private:
  struct Numbers;  // GMP state, reused from one call to the next
  std::unique_ptr<Numbers> numbers_;
};

}  // namespace mensurex::exact

#endif  // MENSUREX_CLI_EXACT_EXACT_H_
