// The two steps of a conversion: the seven values, then their texts.
#ifndef MENSUREX_ENGINE_SRC_CONVERSION_STEPS_H_
#define MENSUREX_ENGINE_SRC_CONVERSION_STEPS_H_

#include <array>
#include <string_view>
#include <variant>

#include "engine/window_conversion.h"
#include "scaled_decimal.h"

namespace mensurex {

// One of the seven values of a conversion: a double or a ScaledDecimal.
class ResultValue {
 public:
  explicit ResultValue(double value) : value_(value) {}
  explicit ResultValue(const ScaledDecimal& value) : value_(value) {}

  // A ScaledDecimal unchanged; a double by ScaledDecimal::FromDouble (15
  // significant digits), which fails with kOverflow at 2^96 or more.
  Outcome<ScaledDecimal> ToScaledDecimal() const;

 private:
  std::variant<double, ScaledDecimal> value_;
};

// The seven values of one conversion, in unit order (bytes first).
struct ConversionResult {
  std::array<ResultValue, kStorageUnitCount> values;
};

// The seven values by the fixed conversion table (plain double cells, exact
// cells and cells chained by division by 1024). kNotNumeric when the text is
// not accepted, kOverflow when a double cell becomes infinite or an exact
// cell reaches 2^96 in size. A double value of 2^96 or more is still a value
// here; FormatResults then fails on it.
Outcome<ConversionResult> ConvertEntry(StorageUnit unit, std::string_view entry,
                                       const EntrySeparators& separators);

// The text forms of all seven values with the given decimal separator, or
// kOverflow when any of them does not fit a ScaledDecimal; then no text is
// made at all.
Outcome<ResultTexts> FormatResults(const ConversionResult& result,
                                   std::string_view decimal_separator);

}  // namespace mensurex

#endif  // MENSUREX_ENGINE_SRC_CONVERSION_STEPS_H_
