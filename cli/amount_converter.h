// One amount, as a line of input or the program's arguments, converted to
// the lines the program prints.
#ifndef MENSUREX_CLI_AMOUNT_CONVERTER_H_
#define MENSUREX_CLI_AMOUNT_CONVERTER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "mensurex/entry.h"
#include "mensurex/storage_unit.h"

namespace mensurex::cli {

class AmountConverter {
 public:
  // Amounts written without a unit are in `default_unit`. With `only_unit`
  // a conversion prints that unit's value alone; without it, all seven.
  AmountConverter(EntrySeparators separators, StorageUnit default_unit,
                  std::optional<StorageUnit> only_unit);

  // An amount is a number in the separators' grammar, optionally followed
  // by a unit name (see UnitFromName), with or without blanks between
  // them: "1.5 GB", "1.5GB", "2048". Trailing letters are always read as
  // the unit, so "1E" is one exabyte; an exponent ends in digits ("1E3").
  //
  // On success appends to *out either the one value and a line feed, or
  // seven lines "VALUE<TAB>SYMBOL", bytes first, and returns true. The
  // digits are the main window's for the same entry and unit: the same
  // conversion and text form, never an exponent, with the decimal
  // separator of `separators`. Otherwise appends nothing, sets *message to
  // a one-line reason that quotes the offending text (bounded, printable;
  // see QuoteForMessage), and returns false.
  bool Convert(std::string_view amount, std::string* out,
               std::string* message) const;

 private:
  EntrySeparators separators_;
  StorageUnit default_unit_;
  std::optional<StorageUnit> only_unit_;
};

// `text` in double quotes, safe to print on a terminal: valid UTF-8 is kept
// except for control and text-direction characters; those, bytes that are
// not valid UTF-8, the quote and the backslash are written as escapes
// (\t, \", \\, \x00, \u202E). After `max_chars` characters the text is cut
// and "..." follows the closing quote.
std::string QuoteForMessage(std::string_view text, std::size_t max_chars = 40);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_AMOUNT_CONVERTER_H_
