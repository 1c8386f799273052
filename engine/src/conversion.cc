// Placeholder: replaced by the real implementation.
#include "mensurex/conversion.h"

namespace mensurex {

ScaledDecimal PETABYTE_EXACT() { return {}; }
ScaledDecimal EXABYTE_EXACT() { return {}; }
Outcome<ScaledDecimal> ResultValue::ToScaledDecimal() const { return ConversionFailure::kOverflow; }
Outcome<ConversionResult> ConvertEntry(StorageUnit, std::string_view, const EntrySeparators&) { return ConversionFailure::kNotNumeric; }
Outcome<ResultTexts> FormatResults(const ConversionResult&, std::string_view) { return ConversionFailure::kOverflow; }
Outcome<ResultTexts> ConvertEntryToTexts(StorageUnit, std::string_view, const EntrySeparators&) { return ConversionFailure::kNotNumeric; }

}  // namespace mensurex
