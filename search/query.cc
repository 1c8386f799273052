#include "mensurex/search/query.h"

#include <array>
#include <utility>

#include "mensurex/utf8.h"

namespace mensurex::search {
namespace {

// How a unit was named, which the labels of its results follow.
enum class Naming { kSymbol, kIec, kLanguage };

struct NamedUnit {
  StorageUnit unit = StorageUnit::kBytes;
  Naming naming = Naming::kSymbol;
};

constexpr std::array<std::string_view, kStorageUnitCount> kSymbols = {
    "B", "KB", "MB", "GB", "TB", "PB", "EB"};
constexpr std::array<std::string_view, kStorageUnitCount> kIecSymbols = {
    "B", "KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
constexpr std::array<std::string_view, kStorageUnitCount> kNames = {
    "byte",     "kilobyte", "megabyte", "gigabyte",
    "terabyte", "petabyte", "exabyte"};
constexpr std::array<std::string_view, kStorageUnitCount> kIecNames = {
    "byte",     "kibibyte", "mebibyte", "gibibyte",
    "tebibyte", "pebibyte", "exbibyte"};

// The letters a unit's name is written in: Latin, Greek and Cyrillic.
bool IsUnitLetter(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         (c >= U'\u00C0' && c <= U'\u024F' && c != U'\u00D7' &&
          c != U'\u00F7') ||
         (c >= U'\u0370' && c <= U'\u04FF');
}

// Folded for a comparison that ignores the case of ASCII and Russian
// letters, the scripts of the unit names that the languages use.
char32_t FoldCase(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= U'\u0410' && c <= U'\u042F')) {
    return c + 32;
  }
  return c == U'\u0401' ? U'\u0451' : c;
}

// Equal but for letter case, as FoldCase sees it.
bool SameFolded(std::string_view a, std::string_view b) {
  while (!a.empty() && !b.empty()) {
    const Utf8Char x = FrontUtf8Char(a);
    const Utf8Char y = FrontUtf8Char(b);
    if (x.length == 0 || y.length == 0 ||
        FoldCase(x.code) != FoldCase(y.code)) {
      return false;
    }
    a.remove_prefix(x.length);
    b.remove_prefix(y.length);
  }
  return a.empty() && b.empty();
}

// The character at the end of a UTF-8 text; length 0 when the text is empty
// or does not end with a well-formed character.
Utf8Char BackUtf8Char(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && text.size() - start < 3 &&
         (static_cast<unsigned char>(text[start - 1]) & 0xC0u) == 0x80u) {
    --start;
  }
  if (start == 0) return {};
  const Utf8Char c = FrontUtf8Char(text.substr(start - 1));
  return c.length == text.size() - start + 1 ? c : Utf8Char{};
}

std::optional<NamedUnit> UnitNamed(std::string_view name,
                                   const QueryLanguage& language) {
  std::string_view singular = name;
  if (singular.size() > 1 &&
      FoldCase(static_cast<unsigned char>(singular.back())) == U's') {
    singular.remove_suffix(1);
  }
  for (int i = 0; i < kStorageUnitCount; ++i) {
    const auto unit = static_cast<StorageUnit>(i);
    const auto at = static_cast<std::size_t>(i);
    if (SameFolded(name, kSymbols[at]) || SameFolded(singular, kNames[at])) {
      return NamedUnit{unit, Naming::kSymbol};
    }
    if (SameFolded(name, kIecSymbols[at]) ||
        SameFolded(singular, kIecNames[at])) {
      return NamedUnit{unit, i == 0 ? Naming::kSymbol : Naming::kIec};
    }
  }
  for (int i = 0; i < kStorageUnitCount; ++i) {
    const std::string& symbol =
        language.unit_symbols[static_cast<std::size_t>(i)];
    if (!symbol.empty() && SameFolded(name, symbol)) {
      return NamedUnit{static_cast<StorageUnit>(i), Naming::kLanguage};
    }
  }
  return std::nullopt;
}

std::string Label(Naming naming, StorageUnit unit,
                  const QueryLanguage& language) {
  const auto at = static_cast<std::size_t>(UnitIndex(unit));
  switch (naming) {
    case Naming::kIec:
      return std::string(kIecSymbols[at]);
    case Naming::kLanguage:
      return language.unit_symbols[at];
    case Naming::kSymbol:
      break;
  }
  return std::string(kSymbols[at]);
}

// Full-width Latin letters (what East Asian input methods type) become
// ASCII, and the ideographic space an ASCII space; full-width digits and
// separators are the entry grammar's own. Requires well-formed UTF-8.
std::string Fold(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  while (!text.empty()) {
    const Utf8Char c = FrontUtf8Char(text);
    if (c.code >= U'\uFF21' && c.code <= U'\uFF3A') {
      folded.push_back(static_cast<char>('A' + (c.code - U'\uFF21')));
    } else if (c.code >= U'\uFF41' && c.code <= U'\uFF5A') {
      folded.push_back(static_cast<char>('a' + (c.code - U'\uFF41')));
    } else if (c.code == U'\u3000') {
      folded.push_back(' ');
    } else {
      folded.append(text.substr(0, c.length));
    }
    text.remove_prefix(c.length);
  }
  return folded;
}

// The text split before its trailing letters, the first part without blanks
// at its end.
std::pair<std::string_view, std::string_view> SplitUnit(std::string_view text) {
  std::size_t start = text.size();
  for (Utf8Char c = BackUtf8Char(text); c.length != 0 && IsUnitLetter(c.code);
       c = BackUtf8Char(text.substr(0, start))) {
    start -= c.length;
  }
  return {TrimEntryBlanks(text.substr(0, start)), text.substr(start)};
}

// `text` without `word` at its end, or nullopt when it does not end with it.
// A word that starts with a letter must follow a blank, so that "GBin" is
// never read as "GB in".
std::optional<std::string_view> WithoutWord(std::string_view text,
                                            std::string_view word) {
  if (word.empty() || text.size() <= word.size()) return std::nullopt;
  const std::size_t start = text.size() - word.size();
  if (!SameFolded(text.substr(start), word)) return std::nullopt;
  const std::string_view head = text.substr(0, start);
  if (IsUnitLetter(FrontUtf8Char(word).code) &&
      EntryBlankLengthAtBack(head) == 0) {
    return std::nullopt;
  }
  return TrimEntryBlanks(head);
}

exact::Ratio RatioBetween(StorageUnit from, StorageUnit to) {
  return {10 * (UnitIndex(from) - UnitIndex(to)), 0};
}

std::string Shorten(std::string_view text) {
  std::string_view rest = text;
  std::size_t kept = 0;
  for (std::size_t chars = 0; chars + 1 < kShownChars && !rest.empty();
       ++chars) {
    const std::size_t length = FrontUtf8Char(rest).length;
    kept += length;
    rest.remove_prefix(length);
  }
  if (rest.empty() || FrontUtf8Char(rest).length == rest.size()) {
    return std::string(text);
  }
  return std::string(text.substr(0, kept)) + "\u2026";
}

}  // namespace

Answerer::Answerer(QueryLanguage language) : language_(std::move(language)) {}

std::optional<Answer> Answerer::Ask(std::string_view query) {
  if (query.size() > kMaxQueryBytes || !IsWellFormedUtf8(query)) {
    return std::nullopt;
  }
  const std::string folded = Fold(query);
  std::string_view text = TrimEntryBlanks(folded);
  for (const std::string& word : language_.after_target_words) {
    if (const std::optional<std::string_view> head = WithoutWord(text, word)) {
      text = *head;
      break;
    }
  }
  const auto [rest, last_name] = SplitUnit(text);
  const std::optional<NamedUnit> last = UnitNamed(last_name, language_);
  if (!last) return std::nullopt;

  std::string_view amount = rest;
  NamedUnit from = *last;
  std::optional<NamedUnit> target;
  if (!IsNumericEntry(amount, language_.separators)) {
    std::optional<std::string_view> head;
    for (const std::string& word : language_.target_words) {
      if ((head = WithoutWord(rest, word))) break;
    }
    if (!head) return std::nullopt;
    const auto [head_amount, from_name] = SplitUnit(*head);
    const std::optional<NamedUnit> named = UnitNamed(from_name, language_);
    if (!named) return std::nullopt;
    amount = head_amount;
    from = *named;
    target = last;
  }
  Outcome<EntryDecimal> parsed = EntryToDecimal(amount, language_.separators);
  if (!parsed) return std::nullopt;
  const exact::Decimal value{parsed->negative, parsed->digits,
                             parsed->exponent};

  Answer answer;
  answer.amount = std::string(amount);
  answer.from = from.unit;
  answer.from_label = Label(from.naming, from.unit, language_);
  answer.kilo_label = Label(from.naming, StorageUnit::kKilobytes, language_);
  const Naming naming = target.value_or(from).naming;

  std::vector<StorageUnit> order;
  if (target) {
    order.push_back(target->unit);
  } else {
    int readable = UnitIndex(StorageUnit::kBytes);
    for (int i = kStorageUnitCount - 1; i > 0; --i) {
      if (converter_.AtLeastOne(value,
                                RatioBetween(from.unit, *UnitFromIndex(i)))) {
        readable = i;
        break;
      }
    }
    for (int distance = 0; distance < kStorageUnitCount; ++distance) {
      for (const int i : {readable - distance, readable + distance}) {
        const std::optional<StorageUnit> unit = UnitFromIndex(i);
        if (unit && *unit != from.unit &&
            (order.empty() || order.back() != *unit)) {
          order.push_back(*unit);
        }
      }
    }
  }
  for (const StorageUnit unit : order) {
    Conversion conversion;
    conversion.unit = unit;
    conversion.label = Label(naming, unit, language_);
    if (!converter_.AppendText(value, RatioBetween(from.unit, unit),
                               std::nullopt, exact::Rounding::kNearest,
                               language_.separators.decimal, kMaxResultBytes,
                               &conversion.exact)) {
      return std::nullopt;
    }
    conversion.shown = Shorten(conversion.exact);
    answer.conversions.push_back(std::move(conversion));
  }
  return answer;
}

}  // namespace mensurex::search
