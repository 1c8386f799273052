// The entry separators of the C library's numeric locale.
#ifndef MENSUREX_CLI_LOCALE_NUMBERS_H_
#define MENSUREX_CLI_LOCALE_NUMBERS_H_

#include <optional>
#include <string>

#include "mensurex/entry.h"

namespace mensurex::cli {

// How a locale writes numbers, as it states it.
struct NumericConventions {
  std::string decimal = ".";
  std::string grouping;  // empty: digits are not grouped
  int first_group_size = 3;
  int higher_group_size = 3;
};

// The conventions of the C library's numeric locale `name`: its decimal
// point, thousands separator and digit grouping. "" names the locale that
// the environment chooses (LC_ALL, then LC_NUMERIC, then LANG); an
// environment that names a locale which is not installed gives the C
// locale's conventions, as every C program then uses. nullopt when an
// explicit name is not an installed locale.
//
// The C locale has a decimal point and no grouping at all, so "1,024" is
// refused there. A separator that is not valid UTF-8 (a locale in another
// character set) is not used: the decimal separator is then ".", and
// grouping is not accepted. The process's numeric locale is left as "C".
std::optional<NumericConventions> NumericLocaleConventions(const char* name);

// The entry separators for `conventions`, with the keyboard alternatives
// of the grouping separator. The C library states no native digits, so
// only ASCII digits are read.
EntrySeparators EntrySeparatorsFor(const NumericConventions& conventions);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LOCALE_NUMBERS_H_
