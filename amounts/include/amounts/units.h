// The vocabulary of units: every name the program reads after an amount or
// as a target, what each means with and without SI, the labels written for
// each, and the languages' own unit words. The rule for the most readable
// unit of an amount lives here too, so that every door shows the same one.
#ifndef MENSUREX_AMOUNTS_UNITS_H_
#define MENSUREX_AMOUNTS_UNITS_H_

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

#include "amounts/exact_decimal.h"
#include "amounts/storage_unit.h"

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
  // With kLanguage, which of the program's languages named it (an index
  // that only UnitLabel reads).
  std::size_t language = 0;
};

// The prefix letters of the scales above bytes, kilo to quetta, each 1000
// or 1024 times the one before; the first six name the units KB .. EB.
inline constexpr std::string_view kUnitPrefixes = "KMGTPEZYRQ";

// Whether two UTF-8 texts are equal once their characters are width folded
// (FoldWidth) and case folded (FoldCase).
bool EqualFolded(std::string_view a, std::string_view b);

// The unit a UTF-8 name stands for, its full-width letters read as ASCII
// and letter case ignored (FoldCase): the symbol (B, KB .. EB, kB, and
// KByte .. EByte), the one-letter prefix (K .. E), the IEC symbol
// (KiB .. EiB) or prefix (Ki .. Ei), the long name, singular or plural
// (byte, kilobytes, kibibyte), a language's own symbol or word (Ko, КБ,
// Кбайт, ГиБ, जीबी), the words its window shows for the units among them,
// or a prefix written apart from the word for bytes (Giga Byte, جيجا بايت).
// The IEC forms and the languages' words are always binary; the others are
// decimal when `si` is set. nullopt for anything else.
std::optional<NamedUnit> UnitFromName(std::string_view name, bool si);

// The label written beside a value: B, kB, MB .. EB for decimal units; for
// binary ones KiB .. EiB when named kIec, the language's symbol when named
// kLanguage, else B, KB .. EB.
std::string_view UnitLabel(Unit unit, UnitNaming naming,
                           std::size_t language = 0);

// size(from) / size(to).
Ratio RatioBetween(Unit from, Unit to);

// Whether a character is a letter of a script whose words are written
// apart: Latin, Greek and Cyrillic. Two of them side by side belong to one
// word ("GBin" is no "GB in"); other scripts join words and particles
// without a blank ("MBに", "메가바이트로", "למגה־בייט").
bool IsSpacedWordLetter(char32_t c);

// A text split before the letters and marks of any script at its end, with
// the marks that join a name's parts between them, and the prefix before
// them where it is written apart from the word for bytes ("2 جيجا بايت"):
// the number without blanks at either end, and the unit's name (empty when
// there is none).
std::pair<std::string_view, std::string_view> SplitUnitName(
    std::string_view text);

// As SplitUnitName, but where the letters at the end are no unit's name as
// a whole, the longest end of them that is one, where a word may start
// (not between two IsSpacedWordLetter letters): "1 GB בMB" ends in "MB",
// "1.5GバイトをMバイト" in "Mバイト". The letters before it stay with the
// text before. As SplitUnitName when no end of them is a unit's name.
std::pair<std::string_view, std::string_view> SplitLastUnitName(
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
