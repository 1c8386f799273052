#include "amounts/units.h"

#include <algorithm>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

#include "amounts/utf8.h"
#include "backend.h"

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

// Each row's words and their forms, folded (FoldUnitName), to the unit
// they name; the first row to name a spelling keeps it.
const std::unordered_map<std::string, NamedUnit>& LanguageNames() {
  static const std::unordered_map<std::string, NamedUnit> names = [] {
    std::unordered_map<std::string, NamedUnit> map;
    const auto split = [](std::string_view list) {
      std::vector<std::string_view> parts;
      while (!list.empty()) {
        const std::size_t bar = std::min(list.find('|'), list.size());
        parts.push_back(list.substr(0, bar));
        list.remove_prefix(std::min(bar + 1, list.size()));
      }
      return parts;
    };
    for (std::size_t row = 0; row < kLanguageUnitWords.size(); ++row) {
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
            map.emplace(FoldUnitName(std::string(word) + std::string(ending)),
                        named);
          }
        }
      }
    }
    return map;
  }();
  return names;
}

// How many characters the longest name of LanguageNames has.
std::size_t LongestLanguageName() {
  // A loop, not a view: clang 14, which builds the fuzz targets, cannot
  // take libstdc++ 12's views over a map.
  static const std::size_t longest = [] {
    std::size_t chars = 0;
    for (const auto& [name, unit] : LanguageNames()) {
      chars = std::max(chars, CharCount(name));
    }
    return chars;
  }();
  return longest;
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

const std::array<LanguageUnitWords, 14> kLanguageUnitWords = {{
    // fr
    {{"o", "Ko", "Mo", "Go", "To", "Po", "Eo"},
     {"octet", "kilooctet", "mégaoctet", "gigaoctet", "téraoctet", "pétaoctet",
      "exaoctet"},
     "s"},
    // ru
    {{"Б", "КБ", "МБ", "ГБ", "ТБ", "ПБ", "ЭБ"},
     {"байт", "килобайт|Кбайт", "мегабайт|Мбайт", "гигабайт|Гбайт",
      "терабайт|Тбайт", "петабайт|Пбайт", "эксабайт|Эбайт"},
     "а|ов|ы"},
    // uk
    {{"Б", "КБ", "МБ", "ГБ", "ТБ", "ПБ", "ЕБ"},
     {"байт", "кілобайт|Кбайт", "мегабайт|Мбайт", "гігабайт|Гбайт",
      "терабайт|Тбайт", "петабайт|Пбайт", "ексабайт|Ебайт"},
     "а|ів|и"},
    // cs
    {{},
     {"bajt", "kilobajt", "megabajt", "gigabajt", "terabajt", "petabajt",
      "exabajt"},
     "y|ů|u|ech"},
    // pl
    {{},
     {"bajt", "kilobajt", "megabajt", "gigabajt", "terabajt", "petabajt",
      "eksabajt"},
     "y|ów|a|ach"},
    // tr
    {{},
     {"bayt", "kilobayt", "megabayt", "gigabayt", "terabayt", "petabayt",
      "eksabayt"},
     "lar"},
    // ar
    {{},
     {"بايت", "كيلوبايت", "ميغابايت|ميجابايت", "غيغابايت|جيجابايت|جيغابايت",
      "تيرابايت", "بيتابايت", "إكسابايت"},
     "ات"},
    // fa
    {{},
     {"بایت", "کیلوبایت", "مگابایت", "گیگابایت", "ترابایت", "پتابایت",
      "اگزابایت"},
     "\u200Cها"},
    // he
    {{},
     {"בייט|בית|בתים", "קילו־בייט", "מגה־בייט", "ג׳יגה־בייט|גיגה־בייט",
      "טרה־בייט", "פטה־בייט", "אקסה־בייט"},
     "ים"},
    // hi
    {{},
     {"बाइट", "किलोबाइट", "मेगाबाइट", "गीगाबाइट|गिगाबाइट", "टेराबाइट", "पेटाबाइट",
      "एक्साबाइट"},
     "्स"},
    // ja
    {{},
     {"バイト", "Kバイト|キロバイト", "Mバイト|メガバイト",
      "Gバイト|ギガバイト", "Tバイト|テラバイト", "Pバイト|ペタバイト",
      "Eバイト|エクサバイト"},
     ""},
    // ko
    {{},
     {"바이트", "킬로바이트", "메가바이트", "기가바이트", "테라바이트",
      "페타바이트", "엑사바이트"},
     ""},
    // th
    {{},
     {"ไบต์", "กิโลไบต์", "เมกะไบต์", "กิกะไบต์", "เทระไบต์", "เพตะไบต์",
      "เอกซะไบต์|เอ็กซะไบต์"},
     ""},
    // zh_CN
    {{},
     {"字节", "千字节", "兆字节", "吉字节", "太字节", "拍字节", "艾字节"},
     ""},
}};

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
  const auto& names = LanguageNames();
  const auto found = names.find(FoldUnitName(name));
  if (found == names.end()) return std::nullopt;
  return found->second;
}

std::string_view UnitLabel(Unit unit, UnitNaming naming, std::size_t language) {
  const auto index = static_cast<std::size_t>(UnitIndex(unit.storage));
  if (unit.decimal) return kDecimalSymbols[index];
  switch (naming) {
    case UnitNaming::kIec:
      return kIecSymbols[index];
    case UnitNaming::kLanguage:
      if (!kLanguageUnitWords[language].symbols[index].empty()) {
        return kLanguageUnitWords[language].symbols[index];
      }
      break;
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
  if (c < 0x80) return IsAsciiLetter(c);
  return IsLetterOrMark(c);
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
  // Joining marks count between two letters only.
  std::size_t start = text.size();
  std::size_t letters_end = text.size();  // where the last letter taken ends
  for (Utf8Char c = BackUtf8Char(text); c.length != 0;
       c = BackUtf8Char(text.substr(0, start))) {
    if (IsUnitLetter(c.code)) {
      start -= c.length;
      letters_end = start;
    } else if (IsNameJoiner(c.code) && start < text.size() &&
               IsUnitLetter(
                   BackUtf8Char(text.substr(0, start - c.length)).code)) {
      start -= c.length;
    } else {
      break;
    }
  }
  return {TrimBlanks(text.substr(0, letters_end)), text.substr(letters_end)};
}

std::pair<std::string_view, std::string_view> SplitLastUnitName(
    std::string_view text) {
  const auto whole = SplitUnitName(text);
  const std::string_view letters = whole.second;
  if (letters.empty() || UnitFromName(letters, false)) return whole;
  // The starts of the letters' ends no longer than the longest name with a
  // few joining marks, the longest first.
  const std::size_t kLongestName = LongestLanguageName() + 8;
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
