// One amount, as a line of input, a field of one or the program's
// arguments, converted to the text the program prints for it.
#ifndef MENSUREX_CLI_AMOUNT_CONVERTER_H_
#define MENSUREX_CLI_AMOUNT_CONVERTER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "amounts/entry.h"
#include "amounts/exact_decimal.h"
#include "amounts/units.h"
#include "cli/layout.h"
#include "cli/numfmt_style.h"
#include "cli/text.h"

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
  // In the automatic unit, a value has one fraction digit below 10 and none
  // from 10, and none in bytes, unless `places` says otherwise.
  bool readable_places = false;
  // Amounts are read and written as numfmt does; the units, `automatic`
  // and `show_unit` are not used then.
  std::optional<NumfmtStyle> numfmt;
  // Unit names without "i" (K, KB, kilobyte) are powers of 1000, and so
  // are the units printed for all seven and for `automatic`.
  bool si = false;
  // Rounds every value to this many fraction digits.
  std::optional<std::size_t> places;
  Rounding rounding = Rounding::kNearest;
  // No value is printed longer than this.
  std::size_t max_value_bytes = kMaxTextBytes;
  // The unit follows the value of `only_unit` too (it always follows the
  // others), after this text. In numfmt's style the text may also stand
  // between a number and its suffix on input.
  bool show_unit = false;
  std::string unit_separator = "\t";
  // Written after each value and its unit, and taken off an amount that
  // ends with it before it is read, as numfmt's --suffix.
  std::string suffix;
  ResultLayout layout;
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
  // unit, and for all seven the same for each unit, bytes first. In
  // `automatic` a value in bytes that is whole has no fraction. Each
  // result is laid out by the settings' layout and followed by `end`.
  // Returns true then. Otherwise appends nothing, sets *message to a
  // one-line reason that quotes the offending text (the amount as written,
  // or its unit; bounded and printable: see QuoteForMessage), and returns
  // false.
  bool Convert(std::string_view amount, std::string_view end, std::string* out,
               std::string* message);

  // How many results Convert gives for one amount: 1 or 7.
  std::size_t ResultCount() const;

 private:
  bool AppendValue(const Decimal& value, Ratio ratio,
                   std::optional<std::size_t> places, std::string* out);
  // Appends a value at `ratio` in the readable unit `index`: whole bytes
  // without a fraction (in mensurex's style), and with `readable_places`
  // one fraction digit below 10, none from 10 and none in bytes. False
  // when it is too long.
  bool AppendReadable(const Decimal& value, Ratio ratio, int index,
                      std::string* out);
  // Appends one result with its layout; false when it is too long.
  bool AppendResult(const Decimal& value, Unit from, Unit to, bool with_unit,
                    std::string_view end, std::string* out);
  bool ConvertNumfmt(std::string_view text, std::string_view end,
                     std::string* out, std::string* message);
  // Appends value * to_bytes as numfmt writes it (with `places` for a
  // number without a scale), laid out; false when it is too long.
  bool AppendNumfmt(const Decimal& value, Ratio to_bytes,
                    std::optional<std::size_t> places, std::string_view end,
                    std::string* out);

  // Sets *message to why `text` does not convert at `ratio`: its result
  // is too long. Returns false.
  bool TooLong(std::string_view text, const Decimal& value, Ratio ratio,
               std::string* message);

  ConversionSettings settings_;
  ExactConverter exact_;
  Decimal decimal_;  // reused, so that its digits keep their memory
  std::string scratch_;
  std::string grouped_;
};

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_AMOUNT_CONVERTER_H_
