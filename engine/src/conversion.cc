#include "mensurex/conversion.h"

#include <array>
#include <cmath>
#include <utility>

namespace mensurex {
namespace {

constexpr double kStep = 1024.0;
constexpr double k2Pow20 = 1048576.0;
constexpr double k2Pow30 = 1073741824.0;
constexpr double k2Pow40 = 1099511627776.0;
// The divisor of the chained cells: each such value is the one before it
// (one unit smaller) divided by 1024.
constexpr int kChainDivisor = 1024;

bool IsFinite(double value) { return std::isfinite(value); }

// Fills the cells of one row of the conversion table, left to right, in
// place in the row's values.
class RowBuilder {
 public:
  explicit RowBuilder(ConversionResult* row) : values_(&row->values) {}

  // x itself, or x times or divided by a double constant.
  bool Plain(double value) { return AddDouble(value); }
  // The value just computed, divided by 1024.
  bool Chained() {
    return AddDouble(last_double_ / static_cast<double>(kChainDivisor));
  }
  bool Exact(const Outcome<ScaledDecimal>& value) {
    if (!value) return false;
    (*values_)[count_++] = ResultValue(*value);
    return true;
  }

 private:
  bool AddDouble(double value) {
    if (!IsFinite(value)) return false;
    last_double_ = value;
    (*values_)[count_++] = ResultValue(value);
    return true;
  }

  double last_double_ = 0;
  std::array<ResultValue, kStorageUnitCount>* values_;
  std::size_t count_ = 0;
};

// ScaledDecimal::Divide and Multiply for an operand already converted from
// a double: the same results as the overloads that take the double.
Outcome<ScaledDecimal> Quotient(const Outcome<ScaledDecimal>& a,
                                const ScaledDecimal& b) {
  if (!a) return a.failure();
  return ScaledDecimal::Divide(*a, b);
}
Outcome<ScaledDecimal> Product(const ScaledDecimal& a,
                               const Outcome<ScaledDecimal>& b) {
  if (!b) return b.failure();
  return ScaledDecimal::Multiply(a, *b);
}

}  // namespace

ScaledDecimal PETABYTE_EXACT() {
  return *ScaledDecimal::FromText("1125899906842624");
}

ScaledDecimal EXABYTE_EXACT() {
  return *ScaledDecimal::FromText("1152921504606846976");
}

Outcome<ScaledDecimal> ResultValue::ToScaledDecimal() const {
  if (const auto* decimal = std::get_if<ScaledDecimal>(&value_)) {
    return *decimal;
  }
  return ScaledDecimal::FromDouble(std::get<double>(value_));
}

Outcome<ConversionResult> ConvertEntry(StorageUnit unit, std::string_view entry,
                                       const EntrySeparators& separators) {
  static const ScaledDecimal petabyte = PETABYTE_EXACT();
  static const ScaledDecimal exabyte = EXABYTE_EXACT();
  // The entry is read once: every cell that uses it would read the same
  // unchanged text and get the same double.
  const Outcome<double> parsed = EntryToDouble(entry, separators);
  if (!parsed) return parsed.failure();
  const double x = *parsed;
  // Placeholders until the row below is complete.
  const ResultValue unset(0.0);
  ConversionResult result{{unset, unset, unset, unset, unset, unset, unset}};

  RowBuilder row(&result);
  bool ok = false;
  switch (unit) {
    case StorageUnit::kBytes: {
      // Both exact cells start from x as a ScaledDecimal; it is made once.
      const Outcome<ScaledDecimal> exact_x = ScaledDecimal::FromDouble(x);
      ok = row.Plain(x) && row.Plain(x / kStep) && row.Plain(x / k2Pow20) &&
           row.Plain(x / k2Pow30) && row.Plain(x / k2Pow40) &&
           row.Exact(Quotient(exact_x, petabyte)) &&
           row.Exact(Quotient(exact_x, exabyte));
      break;
    }
    case StorageUnit::kKilobytes:
      ok = row.Plain(x * kStep) && row.Plain(x) && row.Plain(x / kStep) &&
           row.Plain(x / k2Pow20) && row.Plain(x / k2Pow30) &&
           row.Plain(x / k2Pow40) &&
           row.Exact(ScaledDecimal::Divide(x, petabyte));
      break;
    case StorageUnit::kMegabytes:
      ok = row.Plain(x * k2Pow20) && row.Plain(x * kStep) && row.Plain(x) &&
           row.Chained() && row.Chained() && row.Chained() && row.Chained();
      break;
    case StorageUnit::kGigabytes:
      ok = row.Plain(x * k2Pow30) && row.Plain(x * k2Pow20) &&
           row.Plain(x * kStep) && row.Plain(x) && row.Chained() &&
           row.Chained() && row.Chained();
      break;
    case StorageUnit::kTerabytes:
      ok = row.Plain(x * k2Pow40) && row.Plain(x * k2Pow30) &&
           row.Plain(x * k2Pow20) && row.Plain(x * kStep) && row.Chained() &&
           row.Chained() && row.Chained();
      break;
    case StorageUnit::kPetabytes:
      ok = row.Exact(ScaledDecimal::Multiply(petabyte, x)) &&
           row.Plain(x * k2Pow40) && row.Plain(x * k2Pow30) &&
           row.Plain(x * k2Pow20) && row.Plain(x * kStep) && row.Chained() &&
           row.Chained();
      break;
    case StorageUnit::kExabytes: {
      const Outcome<ScaledDecimal> exact_x = ScaledDecimal::FromDouble(x);
      ok = row.Exact(Product(exabyte, exact_x)) &&
           row.Exact(Product(petabyte, exact_x)) && row.Plain(x * k2Pow40) &&
           row.Plain(x * k2Pow30) && row.Plain(x * k2Pow20) && row.Chained() &&
           row.Chained();
      break;
    }
  }
  if (!ok) return ConversionFailure::kOverflow;
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
