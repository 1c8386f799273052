// One amount, as a line of input, a field of one or the program's
// arguments, converted to the text the program prints for it.
#ifndef MENSUREX_CLI_AMOUNT_CONVERTER_H_
#define MENSUREX_CLI_AMOUNT_CONVERTER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "cli/text.h"
#include "mensurex/decimal.h"
#include "mensurex/entry.h"
#include "mensurex/units.h"

namespace mensurex::cli {

struct ConversionSettings {
  EntrySeparators separators;
  // The unit of amounts written without one.
  Unit default_unit;
  // Every amount in this unit alone; without it, and without `automatic`,
  // in all seven.
  std::optional<Unit> only_unit;
  // Every amount in its readable unit (see ReadableUnit).
  bool automatic = false;
  // Unit names without "i" (K, KB, kilobyte) are powers of 1000, and so
  // are the units printed for all seven and for `automatic`.
  bool si = false;
  // Rounds every value to this many fraction digits.
  std::optional<std::size_t> places;
  Rounding rounding = Rounding::kNearest;
  // No value is printed longer than this.
  std::size_t max_value_bytes = kMaxTextBytes;
  // The unit follows the value of `only_unit` too (it always follows the
  // others), after this text.
  bool show_unit = false;
  std::string unit_separator = "\t";
  // Text before and after each result (the value with its unit), and the
  // width in characters it is padded to with spaces, on the left unless
  // `pad_right`, or with zeros after the sign when `pad_zeros`.
  std::string prefix;
  std::string suffix;
  std::size_t width = 0;
  bool pad_right = false;
  bool pad_zeros = false;
};

class AmountConverter {
 public:
  explicit AmountConverter(ConversionSettings settings);

  // An amount is a number in the separators' grammar, optionally followed
  // by a unit name (see UnitFromName), with or without blanks between
  // them: "1.5 GB", "1.5GB", "2048". Trailing letters are always read as
  // the unit, so "1E" is one exabyte; an exponent ends in digits ("1E3").
  //
  // The exact value is appended to *out, with every digit (or rounded to
  // the settings' places), never an exponent, with the separators' decimal
  // separator: for one unit the value alone (or with its unit when
  // `show_unit`), for `automatic` the value, the unit separator and the
  // unit, and for all seven the same for each unit, bytes first. Each
  // result is laid out by the settings' prefix, width and suffix and
  // followed by `end`. Returns true then. Otherwise appends nothing, sets
  // *message to a one-line reason that quotes the offending text (bounded,
  // printable; see QuoteForMessage), and returns false.
  bool Convert(std::string_view amount, std::string_view end, std::string* out,
               std::string* message);

  // How many results Convert gives for one amount: 1 or 7.
  std::size_t ResultCount() const;

 private:
  // Appends one result with its layout; false when it is too long.
  bool AppendResult(const Decimal& value, Unit from, Unit to, bool with_unit,
                    std::string_view end, std::string* out);

  ConversionSettings settings_;
  ExactConverter exact_;
  Decimal decimal_;  // reused, so that its digits keep their memory
  std::string scratch_;
};

// `text` in double quotes, safe to print on a terminal: valid UTF-8 is kept
// except for control and text-direction characters; those, bytes that are
// not valid UTF-8, the quote and the backslash are written as escapes
// (\t, \", \\, \x00, \u202E). After `max_chars` characters the text is cut
// and "..." follows the closing quote.
std::string QuoteForMessage(std::string_view text, std::size_t max_chars = 40);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_AMOUNT_CONVERTER_H_
