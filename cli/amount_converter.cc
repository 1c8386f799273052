#include "cli/amount_converter.h"

#include <optional>
#include <string>
#include <utility>

#include "amounts/utf8.h"
#include "cli/quoting.h"

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

bool AmountConverter::TooLong(std::string_view text, const Decimal& value,
                              Ratio ratio, std::string* message) {
  *message =
      QuoteForMessage(text) +
      (exact_.AtLeastOne(value, ratio) ? " is too large" : " is too small") +
      " to convert: its result would be longer than " +
      std::to_string(settings_.max_value_bytes) + " bytes";
  return false;
}

AmountConverter::AmountConverter(ConversionSettings settings)
    : settings_(std::move(settings)) {}

std::size_t AmountConverter::ResultCount() const {
  return settings_.only_unit || settings_.automatic || settings_.numfmt
             ? 1
             : kStorageUnitCount;
}

bool AmountConverter::AppendValue(const Decimal& value, Ratio ratio,
                                  std::optional<std::size_t> places,
                                  std::string* out) {
  return exact_.AppendText(value, ratio, places, settings_.rounding,
                           settings_.separators.decimal,
                           settings_.max_value_bytes, out);
}

bool AmountConverter::AppendReadable(const Decimal& value, Ratio ratio,
                                     int index, std::string* out) {
  std::optional<std::size_t> places = settings_.places;
  if (!places && settings_.readable_places) {
    // One fraction digit below 10, none when it rounds to 10 or more.
    places = index == 0 || exact_.RoundsToAtLeast(value, ratio, 1,
                                                  settings_.rounding, 10)
                 ? 0
                 : 1;
  }
  if (index == 0 && places.value_or(0) > 0 && !settings_.numfmt) {
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

bool AmountConverter::AppendResult(const Decimal& value, Unit from, Unit to,
                                   bool with_unit, std::string_view end,
                                   std::string* out) {
  const ConversionSettings& s = settings_;
  const bool plain = s.layout.plain();
  std::string* const text = plain ? out : &scratch_;
  if (!plain) scratch_.clear();
  const Ratio ratio = RatioBetween(from, to);
  if (!(s.automatic ? AppendReadable(value, ratio, UnitIndex(to.storage), text)
                    : AppendValue(value, ratio, s.places, text))) {
    return false;
  }
  if (with_unit) {
    text->append(s.unit_separator);
    text->append(UnitLabel(to, s.si ? UnitNaming::kIec : UnitNaming::kSymbol));
  }
  text->append(s.suffix);
  if (!plain) {
    AppendLaidOut(s.layout, s.separators, scratch_, CharCount(s.suffix),
                  &grouped_, out);
  }
  out->append(end);
  return true;
}

bool AmountConverter::Convert(std::string_view amount, std::string_view end,
                              std::string* out, std::string* message) {
  std::string_view text = TrimBlanks(amount);
  if (settings_.numfmt) return ConvertNumfmt(text, end, out, message);
  if (!settings_.suffix.empty() && text.ends_with(settings_.suffix)) {
    text = TrimBlanks(text.substr(0, text.size() - settings_.suffix.size()));
  }
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

  Unit from = settings_.default_unit;
  if (!unit_name.empty()) {
    const std::optional<NamedUnit> named =
        UnitFromName(unit_name, settings_.si);
    if (!named) {
      if (!IsNumericEntry(number, settings_.separators)) return not_a_number();
      return unknown_unit(unit_name);
    }
    from = named->unit;
  }
  Outcome<Decimal> parsed = EntryToDecimal(number, settings_.separators);
  if (!parsed) return not_a_number();
  decimal_ = std::move(*parsed);
  const Decimal& value = decimal_;

  const std::size_t start = out->size();
  const auto too_long = [&](Unit to) {
    out->resize(start);
    return TooLong(text, value, RatioBetween(from, to), message);
  };
  if (settings_.only_unit) {
    return AppendResult(value, from, *settings_.only_unit, settings_.show_unit,
                        end, out) ||
           too_long(*settings_.only_unit);
  }
  if (settings_.automatic) {
    // Sizes without a fraction from 10 on carry as whole units do.
    const std::optional<std::size_t> places =
        settings_.readable_places && !settings_.places
            ? std::optional<std::size_t>(0)
            : settings_.places;
    const Unit to = ReadableUnit(exact_, value, from, settings_.si, places,
                                 settings_.rounding);
    return AppendResult(value, from, to, true, end, out) || too_long(to);
  }
  for (const StorageUnit storage : kAllStorageUnits) {
    const Unit to{storage, settings_.si};
    if (!AppendResult(value, from, to, true, end, out)) return too_long(to);
  }
  return true;
}

}  // namespace mensurex::cli
