// The numeric test and the text-to-double conversion of the entry text.
// Both share one grammar, so every text that one accepts the other accepts.
#ifndef MENSUREX_AMOUNTS_ENTRY_H_
#define MENSUREX_AMOUNTS_ENTRY_H_

#include <string>
#include <string_view>
#include <vector>

#include "amounts/exact_decimal.h"
#include "amounts/failure.h"

namespace mensurex {

// The locale's way of writing numbers, as the entry grammar needs it. Texts
// are UTF-8, one character each (which may take several bytes, such as
// U+00A0 or U+202F). The engine never asks the platform; the caller passes
// what its locale says, normally through LocaleEntrySeparators.
struct EntrySeparators {
  std::string decimal = ".";
  std::string grouping = ",";
  // Digit group sizes of the integer part, counted leftwards from the decimal
  // separator: the group next to it has first_group_size digits, every group
  // further left higher_group_size ("12,34,567" has 3 and 2). Grouping is not
  // accepted at all when either size is below 1.
  int first_group_size = 3;
  int higher_group_size = 3;
  // A further size accepted for the groups further left, where two sources
  // of a locale's conventions differ (3 and 2 in hi_IN); 0 for none. One
  // number keeps one size throughout.
  int alternative_higher_group_size = 0;
  // Further characters accepted wherever `grouping` is, as UTF-8 (what
  // keyboards type for it).
  std::vector<std::string> grouping_alternatives;
  // Further characters read as the decimal separator (the "." that users of
  // a locale with the Arabic decimal separator U+066B often type); where one
  // could also be a grouping separator, the decimal reading wins.
  std::vector<std::string> decimal_alternatives;
  // The locale's own zero digit (U+0660 in ar_EG); it and the nine code
  // points after it are read as 0..9, besides the digits of kDigitZeros.
  char32_t native_zero = U'0';
};

// A locale's separators as it states them, with the keyboard alternatives
// added: every space separator where the grouping is a space of any kind,
// U+0027 where it is U+2019.
EntrySeparators LocaleEntrySeparators(std::string decimal, std::string grouping,
                                      int first_group_size,
                                      int higher_group_size,
                                      char32_t native_zero);

// True when the whole UTF-8 text, ignoring blanks (IsBlank) at either end, is a
// number in the accepted grammar (documented in entry.cc). Never fails; any
// text is safe, however long or malformed.
bool IsNumericEntry(std::string_view text, const EntrySeparators& separators);

// The value of an accepted text, rounded to the nearest double. A text beyond
// the double range (1E400) gives an infinity, which the conversion reports as
// kOverflow. Fails with kNotNumeric exactly when IsNumericEntry is false.
Outcome<double> EntryToDouble(std::string_view text,
                              const EntrySeparators& separators);

// The exact value an accepted text writes, with `digits` without leading or
// trailing zeros (empty for zero). Exponents beyond any value that still
// fits a 1 MiB text saturate, never overflow. Fails with kNotNumeric exactly
// when IsNumericEntry is false. Linear in the text's length.
Outcome<Decimal> EntryToDecimal(std::string_view text,
                                const EntrySeparators& separators);
// The same into *decimal, whose digits keep their memory from one amount to
// the next; false, with *decimal unspecified, for a text EntryToDecimal
// refuses.
bool ReadEntryDecimal(std::string_view text, const EntrySeparators& separators,
                      Decimal* decimal);

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_ENTRY_H_
