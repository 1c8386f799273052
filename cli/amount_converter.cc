#include "cli/amount_converter.h"

#include <optional>
#include <string>
#include <utility>

#include "amounts/utf8.h"
#include "cli/quoting.h"
#include "cli/text.h"

namespace mensurex::cli {
namespace {

// The text after the last digit of an amount that is not a number as a
// whole, when it reads as an unknown unit after a number: letters of any
// script, but no ASCII digit, sign or punctuation ("5 ｘｂ", "3 €").
std::optional<std::string_view> TrailingWord(
    std::string_view text, const EntrySeparators& separators) {
  std::size_t end = text.size();
  while (end > 0) {
    const Utf8Char back = BackUtf8Char(text.substr(0, end));
    if (back.length == 0) {
      --end;  // a byte of no character: part of the word
      continue;
    }
    if (IsAsciiDigit(back.code) || IsFullWidthDigit(back.code)) break;
    if (back.code < 0x80 && !IsAsciiLetter(back.code) && !IsBlank(back.code)) {
      return std::nullopt;
    }
    end -= back.length;
  }
  const std::string_view word = TrimBlanks(text.substr(end));
  if (end == 0 || word.empty() ||
      !IsNumericEntry(text.substr(0, end), separators)) {
    return std::nullopt;
  }
  return word;
}

}  // namespace

AmountConverter::AmountConverter(ConversionSettings settings)
    : settings_(std::move(settings)) {}

bool AmountConverter::AppendValue(const Decimal& value, Ratio ratio,
                                  std::optional<std::size_t> places,
                                  std::string* out) {
  return exact_.AppendText(value, ratio, places, settings_.rounding,
                           settings_.separators.decimal, kMaxTextBytes, out);
}

bool AmountConverter::AppendReadable(const Decimal& value, Ratio ratio,
                                     int index, std::string* out) {
  std::optional<std::size_t> places = settings_.places;
  if (!places && settings_.fraction == Fraction::kReadable) {
    // One fraction digit below 10, none when it rounds to 10 or more.
    places = index == 0 || exact_.RoundsToAtLeast(value, ratio, 1,
                                                  settings_.rounding, 10)
                 ? 0
                 : 1;
  }
  if (index == 0 && places.value_or(0) > 0 &&
      settings_.labels == Labels::kNames) {
    // A whole number of bytes has no fraction to show.
    const std::size_t start = out->size();
    if (AppendValue(value, ratio, std::nullopt, out)) {
      if (std::string_view(*out).substr(start).find(
              settings_.separators.decimal) == std::string_view::npos) {
        return true;
      }
      out->resize(start);
    }
  }
  return AppendValue(value, ratio, places, out);
}

bool AmountConverter::AppendResult(const Decimal& value, Ratio ratio, int index,
                                   std::optional<std::size_t> places,
                                   std::string_view end, std::string* out) {
  const ConversionSettings& s = settings_;
  const bool plain = s.layout.plain();
  std::string* const text = plain ? out : &scratch_;
  if (!plain) scratch_.clear();
  if (!(s.target == Target::kReadable
            ? AppendReadable(value, ratio, index, text)
            : AppendValue(value, ratio, places, text))) {
    return false;  // the caller takes back what was written
  }
  std::size_t unit_chars = 0;  // numfmt pads the number alone with zeros
  if (index < 0) {
    if (!s.one_unit_label.empty()) {
      text->append(s.unit_separator);
      text->append(s.one_unit_label);
    }
  } else if (s.labels == Labels::kNames) {
    text->append(s.unit_separator);
    const Unit unit{static_cast<StorageUnit>(index), s.decimal};
    text->append(
        UnitLabel(unit, s.decimal ? UnitNaming::kIec : UnitNaming::kSymbol));
  } else if (index > 0) {
    const std::size_t number_end = text->size();
    text->append(s.unit_separator);
    const auto prefix = static_cast<std::size_t>(index - 1);
    text->push_back(s.decimal && prefix == 0 ? 'k' : kUnitPrefixes[prefix]);
    if (s.labels == Labels::kBinarySuffixes) text->push_back('i');
    unit_chars = CharCount(std::string_view(*text).substr(number_end));
  }
  text->append(s.suffix);
  if (!plain) {
    AppendLaidOut(s.layout, s.separators, scratch_,
                  unit_chars + CharCount(s.suffix), &grouped_, out);
  }
  out->append(end);
  return true;
}

bool AmountConverter::ReadNamed(std::string_view* text_read, Ratio* size,
                                std::string* message) {
  // Blanks before a suffix that came off go with it.
  std::string_view& text = *text_read;
  if (!settings_.suffix.empty()) text = TrimBlanks(text);
  // Most amounts are ASCII digits and letters, split where the letters
  // start; any other is split by the whole vocabulary.
  std::size_t letters = text.size();
  while (letters > 0 && IsAsciiLetter(text[letters - 1])) --letters;
  const auto [number, unit_name] =
      letters > 0 && IsAsciiDigit(text[letters - 1])
          ? std::pair(text.substr(0, letters), text.substr(letters))
          : SplitUnitName(text);
  const auto unknown_unit = [&](std::string_view name) {
    *message = QuoteForMessage(name) + " is not a known unit";
    return false;
  };
  const auto not_a_number = [&] {
    if (const auto word = TrailingWord(text, settings_.separators)) {
      return unknown_unit(*word);
    }
    *message = QuoteForMessage(text) + " is not a number";
    return false;
  };
  *size = settings_.from_unit;
  if (!unit_name.empty()) {
    const std::optional<NamedUnit> named =
        UnitFromName(unit_name, settings_.decimal);
    if (!named) {
      if (!IsNumericEntry(number, settings_.separators)) return not_a_number();
      return unknown_unit(unit_name);
    }
    *size = RatioBetween(named->unit, {});
  }
  if (!ReadEntryDecimal(number, settings_.separators, &decimal_)) {
    return not_a_number();
  }
  return true;
}

bool AmountConverter::Convert(std::string_view amount, std::string_view end,
                              std::string* out, std::string* message) {
  const ConversionSettings& s = settings_;
  std::string_view text = TrimBlanks(amount);
  if (!s.suffix.empty() && text.ends_with(s.suffix)) {
    text.remove_suffix(s.suffix.size());
  }
  Ratio size;
  std::size_t written_places = 0;
  if (!(s.suffixes ? ReadSuffixed(&text, &size, &written_places, message)
                   : ReadNamed(&text, &size, message))) {
    return false;
  }
  const Decimal& value = decimal_;
  const Ratio ratio = size / s.to_unit;
  const std::size_t start = out->size();
  const std::optional<std::size_t> places =
      s.places || s.fraction != Fraction::kAsWritten
          ? s.places
          : std::optional<std::size_t>(written_places);
  const auto append = [&](Ratio at, int index) {
    if (AppendResult(value, at, index, places, end, out)) return true;
    out->resize(start);
    *message =
        QuoteForMessage(text) +
        (exact_.AtLeastOne(value, at) ? " is too large" : " is too small") +
        " to convert: its result would be longer than " +
        std::to_string(kMaxTextBytes) + " bytes";
    return false;
  };
  if (s.target == Target::kOneUnit) return append(ratio, -1);
  if (s.target == Target::kReadable) {
    // Sizes without a fraction from 10 on carry as whole units do.
    const std::optional<std::size_t> carry_places =
        s.places || s.fraction != Fraction::kReadable
            ? s.places
            : std::optional<std::size_t>(0);
    const int top = s.labels == Labels::kNames
                        ? static_cast<int>(kStorageUnitCount) - 1
                        : static_cast<int>(kUnitPrefixes.size());
    const int index = ReadableUnitIndex(exact_, value, ratio, s.decimal, top,
                                        carry_places, s.rounding);
    return append(ratio / UnitSize(index, s.decimal), index);
  }
  for (int index = 0; index < static_cast<int>(kStorageUnitCount); ++index) {
    if (!append(ratio / UnitSize(index, s.decimal), index)) return false;
  }
  return true;
}

}  // namespace mensurex::cli
