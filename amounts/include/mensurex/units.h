// The vocabulary of units: every name the program reads after an amount or
// as a target, what each means with and without SI, the labels written for
// each, and the languages' own unit words. The rule for the most readable
// unit of an amount lives here too, so that every door shows the same one.
#ifndef MENSUREX_AMOUNTS_UNITS_H_
#define MENSUREX_AMOUNTS_UNITS_H_

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "mensurex/decimal.h"
#include "mensurex/storage_unit.h"

namespace mensurex {

// One of the seven units, each 1024 times the one below, or with `decimal`
// 1000 times (kB .. EB).
struct Unit {
  StorageUnit storage = StorageUnit::kBytes;
  bool decimal = false;
};

// How a unit was named, which the labels written for it follow.
enum class UnitNaming { kSymbol, kIec, kLanguage };

struct NamedUnit {
  Unit unit;
  UnitNaming naming = UnitNaming::kSymbol;
  std::size_t language = 0;  // with kLanguage, the row of kLanguageUnitWords
};

// A language's own unit symbols, bytes first, which are also the labels
// written for them, and the longer words its windows label results with.
struct LanguageUnitWords {
  std::string_view language;
  std::array<std::string_view, kStorageUnitCount> symbols;
  std::array<std::string_view, kStorageUnitCount> words;
};
extern const std::array<LanguageUnitWords, 3> kLanguageUnitWords;

// Whether two UTF-8 texts are equal once their characters are width folded
// (FoldWidth) and case folded (FoldCase).
bool EqualFolded(std::string_view a, std::string_view b);

// The unit a UTF-8 name stands for, its full-width letters read as ASCII
// and letter case ignored (FoldCase): the symbol (B, KB .. EB, kB), the
// one-letter prefix (K .. E), the IEC symbol (KiB .. EiB) or prefix
// (Ki .. Ei), the long name, singular or plural (byte, kilobytes, kibibyte),
// or a language's own symbol or word (Ko, КБ, Кбайт). The IEC forms and the
// languages' words are always binary; the others are decimal when `si` is
// set. nullopt for anything else.
std::optional<NamedUnit> UnitFromName(std::string_view name, bool si);

// The label written beside a value: B, kB, MB .. EB for decimal units; for
// binary ones KiB .. EiB when named kIec, the language's symbol when named
// kLanguage, else B, KB .. EB.
std::string_view UnitLabel(Unit unit, UnitNaming naming,
                           std::size_t language = 0);

// size(from) / size(to).
Ratio RatioBetween(Unit from, Unit to);

// Whether a character, its width folded, may be part of a unit's name:
// Latin, Greek and Cyrillic letters.
bool IsUnitLetter(char32_t c);

// A text split before the unit letters at its end: the number without
// blanks at either end, and the unit's name (empty when there is none).
std::pair<std::string_view, std::string_view> SplitUnitName(
    std::string_view text);

// The size in bytes of the unit `index` steps above bytes: 1000^index with
// `decimal`, 1024^index without.
constexpr Ratio UnitSize(int index, bool decimal) {
  return decimal ? Ratio{3 * index, 3 * index} : Ratio{10 * index, 0};
}

// The unit an amount of value * to_bytes bytes reads best in, as its index
// among bytes and the `top` units above it (each 1000 times the one below
// with `decimal`, 1024 times without): the largest in which its exact value
// is at least 1 (bytes when there is none), or the one above that when the
// value, rounded there to `places`, reaches the step to it. Decided without
// writing the value out.
int ReadableUnitIndex(ExactConverter& exact, const Decimal& value,
                      Ratio to_bytes, bool decimal, int top,
                      std::optional<std::size_t> places, Rounding rounding);

// ReadableUnitIndex among the seven units for an amount in `from`; units
// above bytes are decimal with `si`.
Unit ReadableUnit(ExactConverter& exact, const Decimal& value, Unit from,
                  bool si, std::optional<std::size_t> places,
                  Rounding rounding);

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_UNITS_H_
