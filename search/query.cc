#include "search/query.h"

#include <utility>

#include "amounts/utf8.h"

namespace mensurex::search {
namespace {

// `text` without `word` at its end, or nullopt when it does not end with it.
// A word must follow a blank where it and the text before would read as one
// word (IsSpacedWordLetter), so that "GBin" is never read as "GB in"; in
// other scripts particles follow a word directly ("1.5GBを", "MB로").
std::optional<std::string_view> WithoutWord(std::string_view text,
                                            std::string_view word) {
  std::string_view head = text;
  for (std::size_t chars = CharCount(word); chars > 0; --chars) {
    const std::size_t length = BackUtf8Char(head).length;
    if (length == 0) return std::nullopt;
    head.remove_suffix(length);
  }
  if (head.empty() || !EqualFolded(text.substr(head.size()), word) ||
      (IsSpacedWordLetter(FrontUtf8Char(word).code) &&
       IsSpacedWordLetter(BackUtf8Char(head).code))) {
    return std::nullopt;
  }
  return TrimBlanks(head);
}

// The text, or where it has more than kShownChars characters, its first
// kShownChars - 1 and an ellipsis.
std::string Shorten(std::string_view text) {
  if (CharCount(text) <= kShownChars) return std::string(text);
  std::string_view rest = text;
  for (std::size_t chars = 1; chars < kShownChars; ++chars) {
    rest.remove_prefix(FrontUtf8Char(rest).length);
  }
  return std::string(text.substr(0, text.size() - rest.size())) + "\u2026";
}

// The units of every answer but the one to a query with a target.
std::vector<StorageUnit> AnswerOrder(ExactConverter& converter,
                                     const Decimal& value, StorageUnit from) {
  const int readable = UnitIndex(ReadableUnit(converter, value, {from}, false,
                                              std::nullopt, Rounding::kNearest)
                                     .storage);
  std::vector<StorageUnit> order;
  for (int distance = 0; distance < kStorageUnitCount; ++distance) {
    for (const int i : {readable - distance, readable + distance}) {
      const std::optional<StorageUnit> unit = UnitFromIndex(i);
      if (unit && *unit != from && (order.empty() || order.back() != *unit)) {
        order.push_back(*unit);
      }
    }
  }
  return order;
}

}  // namespace

Answerer::Answerer(QueryLanguage language) : language_(std::move(language)) {}

std::optional<Answer> Answerer::Ask(std::string_view query) {
  if (query.size() > kMaxQueryBytes || !IsWellFormedUtf8(query)) {
    return std::nullopt;
  }
  const auto named = [&](std::string_view name) {
    return UnitFromName(name, /*si=*/false);
  };
  std::string_view text = TrimBlanks(query);
  for (const std::string& word : language_.after_target_words) {
    if (const std::optional<std::string_view> head = WithoutWord(text, word)) {
      text = *head;
      break;
    }
  }
  const auto [rest, last_name] = SplitLastUnitName(text);
  const std::optional<NamedUnit> last = named(last_name);
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
    const auto [head_amount, from_name] = SplitLastUnitName(*head);
    const std::optional<NamedUnit> source = named(from_name);
    if (!source) return std::nullopt;
    amount = head_amount;
    from = *source;
    target = last;
  }
  const Outcome<Decimal> value = EntryToDecimal(amount, language_.separators);
  if (!value) return std::nullopt;

  Answer answer;
  answer.amount = std::string(amount);
  answer.from = from.unit.storage;
  answer.from_label = UnitLabel(from.unit, from.naming, from.language);
  answer.kilo_label =
      UnitLabel({StorageUnit::kKilobytes}, from.naming, from.language);
  const NamedUnit naming = target.value_or(from);
  for (const StorageUnit unit :
       target ? std::vector<StorageUnit>{target->unit.storage}
              : AnswerOrder(converter_, *value, from.unit.storage)) {
    Conversion conversion;
    conversion.unit = unit;
    conversion.label = UnitLabel({unit}, naming.naming, naming.language);
    if (!converter_.AppendText(*value, RatioBetween(from.unit, {unit}),
                               std::nullopt, Rounding::kNearest,
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
