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

namespace mensurex::cli {

// The units an amount is written in.
enum class Target {
  kOneUnit,   // the unit of `to_unit` bytes
  kReadable,  // the readable one of a ladder of units (see ReadableUnitIndex)
  kAllUnits,  // each of the seven units, bytes first
};

// How a unit of the ladder is labelled: by its name (B, KB .. EB; with
// steps of 1000, KB .. EB and the binary KiB .. EiB), up to exabytes, a
// whole number of bytes then without a fraction; or by numfmt's suffix (k
// or K .. Q, or Ki .. Qi, none in bytes), up to quetta, which zeros of the
// layout do not pad.
enum class Labels { kNames, kSuffixes, kBinarySuffixes };

// How many fraction digits a value has when `places` does not say.
enum class Fraction {
  kExact,      // all of them
  kAsWritten,  // as many as the number was written with, none after a suffix
  kReadable,   // in the ladder: one below 10, none from 10, none in bytes
};

// One conversion: the amount is read in its unit, multiplied by the exact
// ratio of that unit to the target's, and written in the target unit with
// its separator, rounding and layout.
struct ConversionSettings {
  EntrySeparators separators;

  // Reading. An amount is a number and a unit: a unit's name, or with
  // `suffixes`, a suffix of that scale (kNone: none), apart from the number
  // by the unit separator or one blank at most.
  std::optional<Scale> suffixes;
  // Units step by 1000, not 1024: the names K, KB and kilobyte read, the
  // ladder and the seven units written.
  bool decimal = false;
  // The size in bytes of the unit of an amount written without one.
  Ratio from_unit;

  // Writing.
  Target target = Target::kAllUnits;
  // The size in bytes of the one unit, or of the ladder's lowest step.
  Ratio to_unit;
  Labels labels = Labels::kNames;
  // The one unit's label, written after the unit separator; empty: none.
  std::string one_unit_label;
  // Rounds every value to this many fraction digits.
  std::optional<std::size_t> places;
  Fraction fraction = Fraction::kExact;
  Rounding rounding = Rounding::kNearest;
  // Between a value and its label.
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
  // separator, and each value's unit label after the unit separator. In
  // the ladder of unit names a value in bytes that is whole has no
  // fraction. Each result is laid out by the settings' layout and followed
  // by `end`. Returns true then. Otherwise appends nothing, sets *message
  // to a one-line reason that quotes the offending text (the amount as
  // written, or its unit; bounded and printable: see QuoteForMessage), and
  // returns false.
  bool Convert(std::string_view amount, std::string_view end, std::string* out,
               std::string* message);

  // How many results Convert gives for one amount: 1 or 7.
  std::size_t ResultCount() const {
    return settings_.target == Target::kAllUnits ? kStorageUnitCount : 1;
  }

 private:
  // Reads *text into decimal_ and the size of its unit in bytes (after a
  // suffix, also the fraction digits written); false with *message when it
  // does not read.
  bool ReadNamed(std::string_view* text, Ratio* size, std::string* message);
  bool ReadSuffixed(std::string_view* text, Ratio* size, std::size_t* places,
                    std::string* message);
  bool AppendValue(const Decimal& value, Ratio ratio,
                   std::optional<std::size_t> places, std::string* out);
  bool AppendReadable(const Decimal& value, Ratio ratio, int index,
                      std::string* out);
  // Appends the value at `ratio` in the ladder's unit `index` (the one
  // unit when negative) with its label and layout; false when too long.
  bool AppendResult(const Decimal& value, Ratio ratio, int index,
                    std::optional<std::size_t> places, std::string_view end,
                    std::string* out);

  ConversionSettings settings_;
  ExactConverter exact_;
  Decimal decimal_;  // reused, so that its digits keep their memory
  std::string scratch_;
  std::string grouped_;
};

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_AMOUNT_CONVERTER_H_
