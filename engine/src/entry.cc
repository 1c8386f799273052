// Placeholder: replaced by the real implementation.
#include "mensurex/entry.h"

namespace mensurex {

bool IsNumericEntry(std::string_view, const EntrySeparators&) { return false; }
Outcome<double> EntryToDouble(std::string_view, const EntrySeparators&) { return ConversionFailure::kNotNumeric; }

}  // namespace mensurex
