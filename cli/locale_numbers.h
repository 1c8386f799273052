// The entry separators of the C library's numeric locale.
#ifndef MENSUREX_CLI_LOCALE_NUMBERS_H_
#define MENSUREX_CLI_LOCALE_NUMBERS_H_

#include <optional>

#include "mensurex/entry.h"

namespace mensurex::cli {

// The separators that the numeric locale `name` states: its decimal point,
// its thousands separator and its digit grouping. "" names the locale that
// the environment chooses (LC_ALL, then LC_NUMERIC, then LANG); an
// environment that names a locale which is not installed gives the C
// locale's separators, as every C program then uses. nullopt when an
// explicit name is not an installed locale.
//
// The C locale has a decimal point and no grouping at all, so "1,024" is
// refused there. A separator that is not valid UTF-8 (a locale in another
// character set) is not used: the decimal separator is then ".", and
// grouping is not accepted. The process's numeric locale is left as "C".
std::optional<EntrySeparators> NumericLocaleSeparators(const char* name);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LOCALE_NUMBERS_H_
