#include "amounts/units.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <unordered_map>
#include <vector>

#include "amounts/utf8.h"
#include "backend.h"

namespace mensurex {
namespace {

using UnitNames = std::array<std::string_view, kStorageUnitCount>;

constexpr UnitNames kNames = {"byte",     "kilobyte", "megabyte", "gigabyte",
                              "terabyte", "petabyte", "exabyte"};
constexpr UnitNames kIecNames = {"byte",     "kibibyte", "mebibyte", "gibibyte",
                                 "tebibyte", "pebibyte", "exbibyte"};

// The labels written for the units, NUL-terminated: B, KB .. EB; B, kB .. EB
// for decimal units; B, KiB .. EiB for IEC ones.
using Label = std::array<char, 4>;
constexpr auto kLabels = [] {
  std::array<std::array<Label, kStorageUnitCount>, 3> labels{};
  for (int i = 1; i < kStorageUnitCount; ++i) {
    const char prefix = kUnitPrefixes[static_cast<std::size_t>(i - 1)];
    labels[0][i] = {prefix, 'B'};
    labels[1][i] = {i == 1 ? 'k' : prefix, 'B'};
    labels[2][i] = {prefix, 'i', 'B'};
  }
  for (auto& kind : labels) kind[0] = {'B'};
  return labels;
}();

// A language of the program and its names of the units, bytes first:
// its own symbols, which are also the labels written for its units (empty
// where it has none, and B, KB .. EB are written); its words ("|" between a
// unit's), those its window shows first; and the endings of the words'
// other forms, each read after every word ("|" between). Generated from the
// windows' translations and unit_spellings.txt.
struct LanguageUnitWords {
  UnitNames symbols;
  UnitNames words;
  std::string_view endings;
};
constexpr LanguageUnitWords kLanguageUnitWords[] = {
#include "language_unit_words.inc"
};

// `name` is `word`, or its plural with an "s".
bool SameWord(std::string_view name, std::string_view word) {
  if (EqualFolded(name, word)) return true;
  return !name.empty() && (name.back() == 's' || name.back() == 'S') &&
         EqualFolded(name.substr(0, name.size() - 1), word);
}

// The marks that join a unit name's parts, or that many leave out: read
// within a name, and left out when names are compared.
bool IsNameJoiner(char32_t c) {
  switch (FoldWidth(c)) {
    case U'-':       // the hyphen that keyboards type for all of these
    case U'\'':      // and for the geresh
    case U'\u00AD':  // soft hyphen
    case U'\u00B7':  // middle dot
    case U'\u05BE':  // Hebrew maqaf
    case U'\u05F3':  // Hebrew geresh
    case U'\u0640':  // Arabic tatweel
    case U'\u200C':  // zero width non-joiner, as Persian writes it
    case U'\u200D':  // zero width joiner
    case U'\u2010':  // hyphen
    case U'\u2011':  // non-breaking hyphen
    case U'\u2019':  // right single quotation mark, for the geresh
    case U'\u30FB':  // katakana middle dot
    case U'\uFF65':  // halfwidth katakana middle dot
      return true;
    default:
      return false;
  }
}

// The letter that Arabic and Persian keyboards' variants of a letter are
// read as.
char32_t FoldArabicLetter(char32_t c) {
  switch (c) {
    case U'\u064A':      // Arabic yeh
    case U'\u0649':      // alef maksura
      return U'\u06CC';  // Farsi yeh
    case U'\u0643':      // Arabic kaf
      return U'\u06A9';  // keheh
    case U'\u0622':      // alef with madda
    case U'\u0623':      // alef with hamza above
    case U'\u0625':      // alef with hamza below
      return U'\u0627';
    default:
      return c;
  }
}

// A unit name as the languages' names are compared: width and case folded
// (FoldWidth, FoldCase), without the marks that join a word's parts or that
// many leave out (hyphens, the Hebrew maqaf and geresh, apostrophes, middle
// dots, ZWNJ and ZWJ, the Arabic tatweel), and with the Arabic letters that
// Arabic and Persian keyboards type differently read alike (yeh, kaf, alef
// with hamza or madda). UTF-8 in, UTF-8 out.
std::string FoldUnitName(std::string_view name) {
  std::string folded;
  folded.reserve(name.size());
  while (!name.empty()) {
    const Utf8Char c = FrontUtf8Char(name);
    if (c.length == 0) {
      folded.push_back(name.front());
      name.remove_prefix(1);
      continue;
    }
    name.remove_prefix(c.length);
    if (IsNameJoiner(c.code)) continue;
    folded += Utf8Text(FoldArabicLetter(FoldCase(FoldWidth(c.code))));
  }
  return folded;
}

// Whether a character, its width folded, may be part of a unit's name: a
// letter or a combining mark of any script (Unicode's categories L and M).
bool IsUnitLetter(char32_t c) {
  c = FoldWidth(c);
  if (c < 0x80) return IsAsciiLetter(c);
  return IsLetterOrMark(c);
}

// The unit of a symbol or prefix in any letter case, its full-width
// letters read as ASCII (B, K, KB, Ki, KiB .. EiB), or of a prefix before
// "byte" or "bytes" as German writes the symbols (KByte, GBytes); nullopt
// for any other name.
std::optional<NamedUnit> SymbolUnit(std::string_view name, bool si) {
  std::array<char, 6> upper{};  // GBYTES
  std::size_t size = 0;
  for (; !name.empty(); ++size) {
    const auto byte = static_cast<unsigned char>(name.front());
    const Utf8Char c = byte < 0x80 ? Utf8Char{byte, 1} : FrontUtf8Char(name);
    const char32_t folded = FoldCase(FoldWidth(c.code));
    if (c.length == 0 || folded >= 0x80 || size == upper.size()) {
      return std::nullopt;
    }
    upper[size] = static_cast<char>(
        folded >= 'a' && folded <= 'z' ? folded - 'a' + 'A' : folded);
    name.remove_prefix(c.length);
  }
  const std::string_view text(upper.data(), size);
  if (text == "B") return NamedUnit{{StorageUnit::kBytes, false}};
  const std::size_t prefix =
      kUnitPrefixes.substr(0, kStorageUnitCount - 1).find(text.substr(0, 1));
  if (text.empty() || prefix == std::string_view::npos) return std::nullopt;
  const auto storage = static_cast<StorageUnit>(prefix + 1);
  const std::string_view rest = text.substr(1);
  if (rest.empty() || rest == "B" || rest == "BYTE" || rest == "BYTES") {
    return NamedUnit{{storage, si}};
  }
  if (rest == "I" || rest == "IB") {
    return NamedUnit{{storage, false}, UnitNaming::kIec};
  }
  return std::nullopt;
}

// The unit of a symbol (SymbolUnit) or of a long name, singular or plural
// (byte, kilobytes, kibibyte); nullopt for any other name.
std::optional<NamedUnit> SymbolOrNameUnit(std::string_view name, bool si) {
  if (auto symbol = SymbolUnit(name, si)) return symbol;
  for (std::size_t i = 0; i < kStorageUnitCount; ++i) {
    const auto storage = static_cast<StorageUnit>(i);
    if (SameWord(name, kNames[i])) {
      return NamedUnit{{storage, si && i > 0}, UnitNaming::kSymbol};
    }
    if (i > 0 && SameWord(name, kIecNames[i])) {
      return NamedUnit{{storage, false}, UnitNaming::kIec};
    }
  }
  return std::nullopt;
}

// Every language's words and their forms, folded (FoldUnitName), to the
// unit they name; the first language to name a spelling keeps it. Forms
// that SymbolOrNameUnit reads stay its own (the windows' "Kilobytes",
// "KB"), so that they are decimal with SI in every spelling. `longest` is
// how many characters the longest of them has.
struct LanguageNameTable {
  std::unordered_map<std::string, NamedUnit> units;
  std::size_t longest = 0;
};
const LanguageNameTable& LanguageNames() {
  static const LanguageNameTable names = [] {
    LanguageNameTable table;
    auto& map = table.units;
    const auto split = [](std::string_view list) {
      std::vector<std::string_view> parts;
      while (!list.empty()) {
        const std::size_t bar = std::min(list.find('|'), list.size());
        parts.push_back(list.substr(0, bar));
        list.remove_prefix(std::min(bar + 1, list.size()));
      }
      return parts;
    };
    for (std::size_t row = 0; row < std::size(kLanguageUnitWords); ++row) {
      const LanguageUnitWords& language = kLanguageUnitWords[row];
      std::vector<std::string_view> endings = split(language.endings);
      endings.insert(endings.begin(), std::string_view());
      for (std::size_t i = 0; i < kStorageUnitCount; ++i) {
        const NamedUnit named{
            {static_cast<StorageUnit>(i), false}, UnitNaming::kLanguage, row};
        if (!language.symbols[i].empty()) {
          map.emplace(FoldUnitName(language.symbols[i]), named);
        }
        for (const std::string_view word : split(language.words[i])) {
          for (const std::string_view ending : endings) {
            const std::string form = std::string(word) + std::string(ending);
            if (!SymbolOrNameUnit(form, false)) {
              map.emplace(FoldUnitName(form), named);
            }
          }
        }
      }
    }
    // A loop, not a view: clang 14, which builds the fuzz targets, cannot
    // take libstdc++ 12's views over a map.
    for (const auto& [name, unit] : map) {
      table.longest = std::max(table.longest, CharCount(name));
    }
    return table;
  }();
  return names;
}

// Where the unit letters at the end of a text start, with the marks that
// join a name's parts between them (IsUnitLetter, IsNameJoiner).
std::size_t UnitLettersStart(std::string_view text) {
  // Joining marks count between two letters only.
  std::size_t start = text.size();
  std::size_t letters = text.size();  // where the last letter taken starts
  for (Utf8Char c = BackUtf8Char(text); c.length != 0;
       c = BackUtf8Char(text.substr(0, start))) {
    if (IsUnitLetter(c.code)) {
      start -= c.length;
      letters = start;
    } else if (IsNameJoiner(c.code) && start < text.size() &&
               IsUnitLetter(
                   BackUtf8Char(text.substr(0, start - c.length)).code)) {
      start -= c.length;
    } else {
      break;
    }
  }
  return letters;
}

// The unit of a prefix written apart from the word for bytes, read as the
// one word that they make ("جيجا بايت", "Giga Byte"); nullopt for any other
// name. The word for bytes has at least three letters, so that no symbol
// (B, Б, o) joins the letters before it ("1 K B").
std::optional<NamedUnit> TwoWordUnit(std::string_view name, bool si) {
  const std::size_t start = UnitLettersStart(name);
  const std::string_view bytes = name.substr(start);
  const std::string_view head = name.substr(0, start);
  const std::string_view prefix =
      head.substr(0, head.size() - BlankLengthAtBack(head));
  if (prefix.size() == head.size() || prefix.empty() ||
      UnitLettersStart(prefix) != 0 || CharCount(bytes) < 3) {
    return std::nullopt;
  }
  const auto byte = UnitFromName(bytes, si);
  auto joined = UnitFromName(std::string(prefix) + std::string(bytes), si);
  if (!byte || byte->unit.storage != StorageUnit::kBytes || !joined ||
      joined->unit.storage == StorageUnit::kBytes) {
    return std::nullopt;
  }
  return joined;
}

}  // namespace

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
  if (auto unit = SymbolOrNameUnit(name, si)) return unit;
  if (name.empty() || !IsWellFormedUtf8(name)) return std::nullopt;
  if (auto words = TwoWordUnit(name, si)) return words;
  const auto& names = LanguageNames().units;
  const auto found = names.find(FoldUnitName(name));
  if (found == names.end()) return std::nullopt;
  return found->second;
}

std::string_view UnitLabel(Unit unit, UnitNaming naming, std::size_t language) {
  const auto index = static_cast<std::size_t>(UnitIndex(unit.storage));
  if (unit.decimal) return kLabels[1][index].data();
  if (naming == UnitNaming::kLanguage &&
      !kLanguageUnitWords[language].symbols[index].empty()) {
    return kLanguageUnitWords[language].symbols[index];
  }
  return kLabels[naming == UnitNaming::kIec ? 2 : 0][index].data();
}

Ratio RatioBetween(Unit from, Unit to) {
  return UnitSize(UnitIndex(from.storage), from.decimal) /
         UnitSize(UnitIndex(to.storage), to.decimal);
}

bool IsSpacedWordLetter(char32_t c) {
  c = FoldWidth(c);
  return IsAsciiLetter(c) ||
         (c >= U'\u00C0' && c <= U'\u024F' && c != U'\u00D7' &&
          c != U'\u00F7') ||
         (c >= U'\u0370' && c <= U'\u04FF');
}

std::pair<std::string_view, std::string_view> SplitUnitName(
    std::string_view text) {
  std::size_t start = UnitLettersStart(text);
  // A prefix written apart from the word for bytes belongs to the name.
  const std::string_view head = text.substr(0, start);
  const std::size_t prefix =
      UnitLettersStart(head.substr(0, start - BlankLengthAtBack(head)));
  if (start < text.size() && TwoWordUnit(text.substr(prefix), false)) {
    start = prefix;
  }
  return {TrimBlanks(text.substr(0, start)), text.substr(start)};
}

std::pair<std::string_view, std::string_view> SplitLastUnitName(
    std::string_view text) {
  const auto whole = SplitUnitName(text);
  const std::string_view letters = whole.second;
  if (letters.empty() || UnitFromName(letters, false)) return whole;
  // The starts of the letters' ends no longer than the longest name with a
  // few joining marks, the longest first.
  const std::size_t kLongestName = LanguageNames().longest + 8;
  std::vector<std::size_t> starts;
  for (std::size_t end = letters.size();
       end > 0 && starts.size() <= kLongestName;) {
    // The letters are well-formed: SplitUnitName took them as characters.
    end -=
        std::max<std::size_t>(1, BackUtf8Char(letters.substr(0, end)).length);
    if (end > 0) starts.push_back(end);
  }
  std::reverse(starts.begin(), starts.end());
  const std::string_view head = text.substr(0, text.size() - letters.size());
  for (const std::size_t start : starts) {
    const char32_t before = BackUtf8Char(letters.substr(0, start)).code;
    const char32_t first = FrontUtf8Char(letters.substr(start)).code;
    if (IsNameJoiner(first) ||
        (IsSpacedWordLetter(before) && IsSpacedWordLetter(first)) ||
        !UnitFromName(letters.substr(start), false)) {
      continue;
    }
    return {TrimBlanks(text.substr(0, head.size() + start)),
            letters.substr(start)};
  }
  return whole;
}

int ReadableUnitIndex(ExactConverter& exact, const Decimal& value,
                      Ratio to_bytes, bool decimal, int top,
                      std::optional<std::size_t> places, Rounding rounding) {
  const auto ratio = [&](int index) {
    return to_bytes / UnitSize(index, decimal);
  };
  // On a ladder of 1024 a short whole value's unit is its power of two's.
  const std::optional<int> exponent =
      decimal ? std::nullopt : exact.BinaryExponent(value, to_bytes);
  int low = 0;
  if (exponent) {
    low = std::clamp(*exponent / 10, 0, top);
  } else {
    // A value at least 1 in a unit is at least 1 in every smaller one. The
    // search starts at the unit that the number of digits points to, which
    // is nearly always the answer, and moves until it is.
    const double digits = static_cast<double>(value.digits.size()) +
                          static_cast<double>(value.exponent) - 1;
    const double log2 =
        digits * 3.321928 + to_bytes.twos + to_bytes.fives * 2.321928;
    low = static_cast<int>(std::clamp(log2 / (decimal ? 9.965784 : 10.0), 0.0,
                                      static_cast<double>(top)));
    while (low > 0 && !exact.AtLeastOne(value, ratio(low))) --low;
    while (low < top && exact.AtLeastOne(value, ratio(low + 1))) ++low;
  }
  // Rounding moves a value by less than 1, so one below 512 stays below
  // 1024.
  if (places && low < top && (!exponent || *exponent - 10 * low >= 9) &&
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
