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

// numfmt's scales: which suffixes follow a number on input (K = 1000 for
// si, 1024 for iec; Ki = 1024 for iec-i; either for auto), and which the
// readable unit is written with on output (k/K, or Ki); none: no suffix.
enum class Scale { kNone, kAuto, kSi, kIec, kIecI };

// How amounts are read and written in numfmt's style: a number with
// numfmt's suffixes, times from_unit, divided by to_unit, written either
// as a number (to = kNone) or in the largest unit of the scale with a
// suffix (no suffix in bytes). Without a precision, a number keeps as many
// fraction digits as it was written with (none after a suffix), and a
// scaled value has one below 10 and none from 10 (none in bytes).
struct NumfmtStyle {
  Scale from = Scale::kNone;
  Scale to = Scale::kNone;
  Ratio from_unit;  // the sizes of the units, 2^a * 5^b
  Ratio to_unit;
};

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
  // The integer digits of every value are grouped with the separators'
  // grouping separator and group sizes.
  bool group_output = false;
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

// The size in bytes of numfmt's suffix under `scale` (K = 1000 or 1024, Ki
// = 1024, up to Q and Qi; k is K), or nullopt when the scale does not read
// it.
std::optional<Ratio> NumfmtSuffixSize(std::string_view suffix, Scale scale);

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
  // result is laid out by the settings' prefix, width and suffix and
  // followed by `end`. Returns true then. Otherwise appends nothing, sets
  // *message to a one-line reason that quotes the offending text (the
  // amount as written, or its unit; bounded and printable: see
  // QuoteForMessage), and returns false.
  bool Convert(std::string_view amount, std::string_view end, std::string* out,
               std::string* message);

  // How many results Convert gives for one amount: 1 or 7.
  std::size_t ResultCount() const;

 private:
  bool AppendValue(const Decimal& value, Ratio ratio,
                   std::optional<std::size_t> places, std::string* out);
  // The places of a value at `ratio` in the readable unit `index`.
  std::optional<std::size_t> ReadablePlaces(const Decimal& value, Ratio ratio,
                                            int index);
  // Appends a value at `ratio` in the readable unit `index` with its places:
  // whole bytes without a fraction (in mensurex's style), and with
  // `readable_places` none from 10 on. False when it is too long.
  bool AppendReadable(const Decimal& value, Ratio ratio, int index,
                      std::string* out);
  // Appends value * to_bytes in the largest of numfmt's units (bytes, then
  // each 1000 times the one below when `decimal`, else 1024, up to Q) in
  // which it is at least 1 after rounding, and sets *index to that unit's.
  // False when it is too long.
  bool AppendNumfmtScaled(const Decimal& value, Ratio to_bytes, bool decimal,
                          std::string* out, int* index);
  // Appends `text` with the settings' layout (grouping, prefix, width,
  // suffix) and `end`; zeros pad all but its last `unit_chars` characters
  // to the width.
  void AppendLaidOut(std::string_view text, std::string_view end,
                     std::string* out, std::size_t unit_chars = 0);
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

  std::string grouped_;

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
