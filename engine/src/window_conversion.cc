#include "engine/window_conversion.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "conversion_steps.h"
#include "conversion_table.h"

namespace mensurex {
namespace {

// The divisor of the chained cells: each such value is the one before it
// (one unit smaller) divided by 1024.
constexpr int kChainDivisor = 1024;

// Every cell is one the conversion below can compute: a plain or exact cell
// scales by the unit distance between its row and column, with a factor
// that its kind holds, and a chained cell has a double to its left.
constexpr bool IsComputable(const ConversionRow& row, int row_index) {
  for (std::size_t column = 0; column < row.size(); ++column) {
    const ConversionCell& cell = row[column];
    const int distance = row_index - static_cast<int>(column);
    const int magnitude = distance < 0 ? -distance : distance;
    switch (cell.kind) {
      case CellKind::kPlain:
        if (cell.shift != 10 * distance) return false;
        break;
      case CellKind::kExact:
        if (cell.shift != 10 * distance || magnitude < 5) return false;
        break;
      case CellKind::kChained:
        if (column == 0 || row[column - 1].kind == CellKind::kExact) {
          return false;
        }
        break;
    }
  }
  return true;
}
static_assert([] {
  for (std::size_t row = 0; row < kConversionTable.size(); ++row) {
    if (!IsComputable(kConversionTable[row], static_cast<int>(row))) {
      return false;
    }
  }
  return true;
}());

// 2^50 and 2^60, made exactly from their decimal text (a double would keep
// only 15 significant digits of them).
ScaledDecimal PETABYTE_EXACT() {
  return *ScaledDecimal::FromText("1125899906842624");
}

ScaledDecimal EXABYTE_EXACT() {
  return *ScaledDecimal::FromText("1152921504606846976");
}

// x (the entry's double as a ScaledDecimal) divided by the exact 2^-shift or
// multiplied by the exact 2^shift.
Outcome<ScaledDecimal> ExactCell(const ScaledDecimal& x, int shift) {
  static const ScaledDecimal petabyte = PETABYTE_EXACT();
  static const ScaledDecimal exabyte = EXABYTE_EXACT();
  const ScaledDecimal& factor = std::abs(shift) == 50 ? petabyte : exabyte;
  return shift < 0 ? ScaledDecimal::Divide(x, factor)
                   : ScaledDecimal::Multiply(factor, x);
}

}  // namespace

Outcome<ScaledDecimal> ResultValue::ToScaledDecimal() const {
  if (const auto* decimal = std::get_if<ScaledDecimal>(&value_)) {
    return *decimal;
  }
  return ScaledDecimal::FromDouble(std::get<double>(value_));
}

Outcome<ConversionResult> ConvertEntry(StorageUnit unit, std::string_view entry,
                                       const EntrySeparators& separators) {
  // The entry is read once: every cell that uses it would read the same
  // unchanged text and get the same double.
  const Outcome<double> parsed = EntryToDouble(entry, separators);
  if (!parsed) return parsed.failure();
  const double x = *parsed;
  // Placeholders until the row below is complete.
  const ResultValue unset(0.0);
  ConversionResult result{{unset, unset, unset, unset, unset, unset, unset}};

  const ConversionRow& cells =
      kConversionTable[static_cast<std::size_t>(UnitIndex(unit))];
  // x as a ScaledDecimal, made once for the exact cells of the row.
  std::optional<Outcome<ScaledDecimal>> exact_x;
  double left = 0;  // the last double value, which a chained cell divides
  for (std::size_t column = 0; column < cells.size(); ++column) {
    const ConversionCell& cell = cells[column];
    if (cell.kind == CellKind::kExact) {
      if (!exact_x) exact_x = ScaledDecimal::FromDouble(x);
      if (!*exact_x) return ConversionFailure::kOverflow;
      const Outcome<ScaledDecimal> value = ExactCell(**exact_x, cell.shift);
      if (!value) return ConversionFailure::kOverflow;
      result.values[column] = ResultValue(*value);
      continue;
    }
    const double value = cell.kind == CellKind::kChained
                             ? left / static_cast<double>(kChainDivisor)
                             : std::ldexp(x, cell.shift);
    if (!std::isfinite(value)) return ConversionFailure::kOverflow;
    left = value;
    result.values[column] = ResultValue(value);
  }
  return result;
}

Outcome<ResultTexts> FormatResults(const ConversionResult& result,
                                   std::string_view decimal_separator) {
  // There is never a partial result: an overflow in any value fails the
  // whole.
  ResultTexts texts;
  for (std::size_t i = 0; i < result.values.size(); ++i) {
    const Outcome<ScaledDecimal> decimal = result.values[i].ToScaledDecimal();
    if (!decimal) return decimal.failure();
    texts[i] = decimal->ToText(decimal_separator);
  }
  return texts;
}

Outcome<ResultTexts> ConvertEntryToTexts(StorageUnit unit,
                                         std::string_view entry,
                                         const EntrySeparators& separators) {
  const Outcome<ConversionResult> result =
      ConvertEntry(unit, entry, separators);
  if (!result) return result.failure();
  return FormatResults(*result, separators.decimal);
}

}  // namespace mensurex
