#include "mensurex/units.h"

#include <algorithm>
#include <string>

#include "mensurex/utf8.h"

namespace mensurex {
namespace {

using UnitNames = std::array<std::string_view, kStorageUnitCount>;

constexpr UnitNames kSymbols = {"B", "KB", "MB", "GB", "TB", "PB", "EB"};
constexpr UnitNames kDecimalSymbols = {"B", "kB", "MB", "GB", "TB", "PB", "EB"};
constexpr UnitNames kIecSymbols = {"B",   "KiB", "MiB", "GiB",
                                   "TiB", "PiB", "EiB"};
constexpr UnitNames kNames = {"byte",     "kilobyte", "megabyte", "gigabyte",
                              "terabyte", "petabyte", "exabyte"};
constexpr UnitNames kIecNames = {"byte",     "kibibyte", "mebibyte", "gibibyte",
                                 "tebibyte", "pebibyte", "exbibyte"};

// `name` is `word`, or its plural with an "s".
bool SameWord(std::string_view name, std::string_view word) {
  if (EqualFolded(name, word)) return true;
  return !name.empty() && (name.back() == 's' || name.back() == 'S') &&
         EqualFolded(name.substr(0, name.size() - 1), word);
}

std::optional<NamedUnit> LanguageUnit(std::string_view name) {
  for (std::size_t row = 0; row < kLanguageUnitWords.size(); ++row) {
    const LanguageUnitWords& language = kLanguageUnitWords[row];
    for (std::size_t i = 0; i < kStorageUnitCount; ++i) {
      if (EqualFolded(name, language.symbols[i]) ||
          EqualFolded(name, language.words[i])) {
        return NamedUnit{
            {static_cast<StorageUnit>(i), false}, UnitNaming::kLanguage, row};
      }
    }
  }
  return std::nullopt;
}

// The unit of an ASCII symbol or prefix in any letter case (B, K, KB, Ki,
// KiB .. EiB), the names by far the most read, without folding; nullopt
// for any other name.
std::optional<NamedUnit> AsciiSymbolUnit(std::string_view name, bool si) {
  if (name.empty() || name.size() > 3) return std::nullopt;
  std::array<char, 3> upper{};
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  const std::string_view text(upper.data(), name.size());
  if (text == "B") return NamedUnit{{StorageUnit::kBytes, false}};
  const std::size_t prefix = std::string_view("KMGTPE").find(text[0]);
  if (prefix == std::string_view::npos) return std::nullopt;
  const auto storage = static_cast<StorageUnit>(prefix + 1);
  const std::string_view rest = text.substr(1);
  if (rest.empty() || rest == "B") return NamedUnit{{storage, si}};
  if (rest == "I" || rest == "IB") {
    return NamedUnit{{storage, false}, UnitNaming::kIec};
  }
  return std::nullopt;
}

}  // namespace

const std::array<LanguageUnitWords, 3> kLanguageUnitWords = {{
    {"fr",
     {"o", "Ko", "Mo", "Go", "To", "Po", "Eo"},
     {"octet", "kilooctet", "mégaoctet", "gigaoctet", "téraoctet", "pétaoctet",
      "exaoctet"}},
    {"ru",
     {"Б", "КБ", "МБ", "ГБ", "ТБ", "ПБ", "ЭБ"},
     {"байт", "Кбайт", "Мбайт", "Гбайт", "Тбайт", "Пбайт", "Эбайт"}},
    {"uk",
     {"Б", "КБ", "МБ", "ГБ", "ТБ", "ПБ", "ЕБ"},
     {"байт", "Кбайт", "Мбайт", "Гбайт", "Тбайт", "Пбайт", "Ебайт"}},
}};

bool EqualFolded(std::string_view a, std::string_view b) {
  while (!a.empty() && !b.empty()) {
    // Two ASCII characters, by far the most compared, fold within ASCII.
    const auto x0 = static_cast<unsigned char>(a.front());
    const auto y0 = static_cast<unsigned char>(b.front());
    if (x0 < 0x80 && y0 < 0x80) {
      if (FoldCase(x0) != FoldCase(y0)) return false;
      a.remove_prefix(1);
      b.remove_prefix(1);
      continue;
    }
    const Utf8Char x = FrontUtf8Char(a);
    const Utf8Char y = FrontUtf8Char(b);
    if (x.length == 0 || y.length == 0 ||
        FoldCase(FoldWidth(x.code)) != FoldCase(FoldWidth(y.code))) {
      return false;
    }
    a.remove_prefix(x.length);
    b.remove_prefix(y.length);
  }
  return a.empty() && b.empty();
}

std::optional<NamedUnit> UnitFromName(std::string_view name, bool si) {
  if (auto symbol = AsciiSymbolUnit(name, si)) return symbol;
  if (name.empty() || !IsWellFormedUtf8(name)) return std::nullopt;
  for (std::size_t i = 0; i < kStorageUnitCount; ++i) {
    const auto storage = static_cast<StorageUnit>(i);
    const std::string_view symbol = kSymbols[i];
    if (EqualFolded(name, symbol) || SameWord(name, kNames[i]) ||
        (i > 0 && EqualFolded(name, symbol.substr(0, 1)))) {
      return NamedUnit{{storage, si && i > 0}, UnitNaming::kSymbol};
    }
    const std::string_view iec = kIecSymbols[i];
    if (i > 0 &&
        (EqualFolded(name, iec) || EqualFolded(name, iec.substr(0, 2)) ||
         SameWord(name, kIecNames[i]))) {
      return NamedUnit{{storage, false}, UnitNaming::kIec};
    }
  }
  return LanguageUnit(name);
}

std::string_view UnitLabel(Unit unit, UnitNaming naming, std::size_t language) {
  const auto index = static_cast<std::size_t>(UnitIndex(unit.storage));
  if (unit.decimal) return kDecimalSymbols[index];
  switch (naming) {
    case UnitNaming::kIec:
      return kIecSymbols[index];
    case UnitNaming::kLanguage:
      return kLanguageUnitWords[language].symbols[index];
    case UnitNaming::kSymbol:
      break;
  }
  return kSymbols[index];
}

Ratio RatioBetween(Unit from, Unit to) {
  return UnitSize(UnitIndex(from.storage), from.decimal) /
         UnitSize(UnitIndex(to.storage), to.decimal);
}

bool IsUnitLetter(char32_t c) {
  c = FoldWidth(c);
  return IsAsciiLetter(c) ||
         (c >= U'\u00C0' && c <= U'\u024F' && c != U'\u00D7' &&
          c != U'\u00F7') ||
         (c >= U'\u0370' && c <= U'\u04FF');
}

std::pair<std::string_view, std::string_view> SplitUnitName(
    std::string_view text) {
  std::size_t start = text.size();
  for (Utf8Char c = BackUtf8Char(text); c.length != 0 && IsUnitLetter(c.code);
       c = BackUtf8Char(text.substr(0, start))) {
    start -= c.length;
  }
  return {TrimBlanks(text.substr(0, start)), text.substr(start)};
}

int ReadableUnitIndex(ExactConverter& exact, const Decimal& value,
                      Ratio to_bytes, bool decimal, int top,
                      std::optional<std::size_t> places, Rounding rounding) {
  const auto ratio = [&](int index) {
    return to_bytes / UnitSize(index, decimal);
  };
  // A value at least 1 in a unit is at least 1 in every smaller one. The
  // search starts at the unit that the number of digits points to, which
  // is nearly always the answer, and moves until it is.
  const double digits = static_cast<double>(value.digits.size()) +
                        static_cast<double>(value.exponent) - 1;
  const double log2 =
      digits * 3.321928 + to_bytes.twos + to_bytes.fives * 2.321928;
  int low = static_cast<int>(std::clamp(log2 / (decimal ? 9.965784 : 10.0), 0.0,
                                        static_cast<double>(top)));
  while (low > 0 && !exact.AtLeastOne(value, ratio(low))) --low;
  while (low < top && exact.AtLeastOne(value, ratio(low + 1))) ++low;
  if (places && low < top &&
      exact.RoundsToAtLeast(value, ratio(low), *places, rounding,
                            decimal ? 1000 : 1024)) {
    return low + 1;
  }
  return low;
}

Unit ReadableUnit(ExactConverter& exact, const Decimal& value, Unit from,
                  bool si, std::optional<std::size_t> places,
                  Rounding rounding) {
  const int index = ReadableUnitIndex(exact, value, RatioBetween(from, {}), si,
                                      kStorageUnitCount - 1, places, rounding);
  return {static_cast<StorageUnit>(index), si && index > 0};
}

}  // namespace mensurex
