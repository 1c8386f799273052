// The numeric test and the text-to-double conversion of the entry text.
// Both share one grammar, so every text that one accepts the other accepts.
#ifndef MENSUREX_ENGINE_ENTRY_H_
#define MENSUREX_ENGINE_ENTRY_H_

#include <string>
#include <string_view>

#include "mensurex/failure.h"

namespace mensurex {

// The locale's separators, as UTF-8 text (one character each, which may take
// several bytes, such as U+00A0 or U+202F). The engine never asks the
// platform; the caller passes what its locale says.
struct EntrySeparators {
  std::string decimal = ".";
  std::string grouping = ",";
};

// True when the whole UTF-8 text, ignoring blanks at either end, is a number
// in the accepted grammar (documented in entry.cc). Never fails; any text is
// safe, however long or malformed.
bool IsNumericEntry(std::string_view text, const EntrySeparators& separators);

// The value of an accepted text, rounded to the nearest double. A text beyond
// the double range (1E400) gives an infinity, which the conversion reports as
// kOverflow. Fails with kNotNumeric exactly when IsNumericEntry is false.
Outcome<double> EntryToDouble(std::string_view text,
                              const EntrySeparators& separators);

}  // namespace mensurex

#endif  // MENSUREX_ENGINE_ENTRY_H_
