// The entry separators of the C library's numeric locales.
#ifndef MENSUREX_CLI_LOCALE_NUMBERS_H_
#define MENSUREX_CLI_LOCALE_NUMBERS_H_

#include <optional>
#include <string>
#include <string_view>

#include "amounts/entry.h"

namespace mensurex::cli {

// How a locale writes numbers, as it states it.
struct NumericConventions {
  std::string decimal = ".";
  std::string grouping;  // empty: digits are not grouped
  int first_group_size = 3;
  int higher_group_size = 3;
  // What CLDR, which the window and the desktop search read numbers by,
  // states where it differs from the C library's: read as well, never
  // written. Empty (0): nothing further.
  struct AlsoRead {
    std::string decimal;
    std::string grouping;
    int higher_group_size = 0;
  };
  AlsoRead also_read;
};

// The conventions of the C library's numeric locale `name`: its decimal
// point, thousands separator and digit grouping. "" names the locale that
// the environment chooses (LC_ALL, then LC_NUMERIC, then LANG); when that
// locale is not installed the C locale's conventions are given and
// *unavailable names it. nullopt when an explicit name is not an installed
// locale. The process's own locale is neither read nor changed.
//
// The C locale has a decimal point and no grouping, but CLDR's root groups
// with ",", so "1,024" is read there as in the window and the search.
std::optional<NumericConventions> NumericLocaleConventions(
    const char* name, std::string* unavailable);

// Why `decimal` and `grouping` cannot be told from the digits, signs,
// exponent and each other in an amount, as a phrase such as "the decimal
// separator \"e\" is a letter"; nullopt when they can. Each must be one
// UTF-8 character; the grouping may also be empty (no grouping).
std::optional<std::string> SeparatorProblem(std::string_view decimal,
                                            std::string_view grouping);

// The entry separators for `conventions` (see LocaleEntrySeparators), with
// what it also reads. Digits are those of every door (kDigitZeros).
EntrySeparators EntrySeparatorsFor(const NumericConventions& conventions);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LOCALE_NUMBERS_H_
