// Conversion of one entry, in one unit, into all seven units.
#ifndef MENSUREX_ENGINE_WINDOW_CONVERSION_H_
#define MENSUREX_ENGINE_WINDOW_CONVERSION_H_

#include <array>
#include <string>
#include <string_view>

#include "amounts/entry.h"
#include "amounts/failure.h"
#include "amounts/storage_unit.h"

namespace mensurex {

// The seven result texts, in unit order, as the result boxes show them.
using ResultTexts = std::array<std::string, kStorageUnitCount>;

// Converts the entry text, a quantity in `unit`, into all seven units by the
// fixed conversion table and writes each value as plain decimal text with
// the separators' decimal separator: everything the window needs for one
// calculation. All seven texts or a failure: kNotNumeric when the text is not
// accepted, kOverflow when a value becomes infinite (an entry beyond the
// double range included) or reaches 2^96 in size.
Outcome<ResultTexts> ConvertEntryToTexts(StorageUnit unit,
                                         std::string_view entry,
                                         const EntrySeparators& separators);

}  // namespace mensurex

#endif  // MENSUREX_ENGINE_WINDOW_CONVERSION_H_
