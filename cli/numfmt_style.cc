#include "cli/numfmt_style.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string>

#include "amounts/units.h"
#include "amounts/utf8.h"
#include "cli/amount_converter.h"
#include "cli/quoting.h"

namespace mensurex::cli {
namespace {

// numfmt's suffixes, kilo to quetta.
constexpr std::string_view kNumfmtPrefixes = kUnitPrefixes;

// The digits after the decimal separator of a number as written.
std::size_t FractionDigits(std::string_view number, std::string_view decimal) {
  const std::size_t at = number.find(decimal);
  if (at == std::string_view::npos) return 0;
  const std::string_view fraction = number.substr(at + decimal.size());
  return static_cast<std::size_t>(
      std::find_if_not(fraction.begin(), fraction.end(), IsAsciiDigit) -
      fraction.begin());
}

}  // namespace

std::optional<Scale> ScaleNamed(std::string_view name, bool input) {
  const auto* const found = std::ranges::find(kScaleNames, name);
  const auto scale = static_cast<Scale>(found - kScaleNames.begin());
  if (found == kScaleNames.end() || (!input && scale == Scale::kAuto)) {
    return std::nullopt;
  }
  return scale;
}

std::optional<Ratio> NumfmtSuffixSize(std::string_view suffix, Scale scale) {
  if (suffix.empty() || suffix.size() > 2 || scale == Scale::kNone) {
    return std::nullopt;
  }
  const std::size_t found =
      suffix[0] == 'k' ? 0 : kNumfmtPrefixes.find(suffix[0]);
  if (found == std::string_view::npos) return std::nullopt;
  const int index = static_cast<int>(found) + 1;
  const bool binary = suffix.size() == 2;
  if (binary && suffix[1] != 'i') return std::nullopt;
  if (binary ? scale == Scale::kSi || scale == Scale::kIec
             : scale == Scale::kIecI) {
    return std::nullopt;
  }
  return UnitSize(index, !binary && scale != Scale::kIec);
}

std::optional<Ratio> UnitSizeNamed(std::string_view text) {
  // A suffix alone counts one of it ("K" is 1000).
  std::uint64_t count = 1;
  const char* const end = text.data() + text.size();
  const char* digits_end = text.data();
  if (!text.empty() && IsAsciiDigit(text[0])) {
    const auto read = std::from_chars(text.data(), end, count);
    if (read.ec != std::errc() || count == 0) return std::nullopt;
    digits_end = read.ptr;
  }
  const std::string_view suffix(digits_end,
                                static_cast<std::size_t>(end - digits_end));
  Ratio size;
  if (!suffix.empty() || digits_end == text.data()) {
    const auto suffix_size = NumfmtSuffixSize(suffix, Scale::kAuto);
    if (!suffix_size) return std::nullopt;
    size = *suffix_size;
  }
  for (; count % 2 == 0; count /= 2) ++size.twos;
  for (; count % 5 == 0; count /= 5) ++size.fives;
  if (count != 1) return std::nullopt;
  return size;
}

bool AmountConverter::ConvertNumfmt(std::string_view text, std::string_view end,
                                    std::string* out, std::string* message) {
  const NumfmtStyle& style = *settings_.numfmt;
  if (!settings_.suffix.empty() && text.ends_with(settings_.suffix)) {
    text.remove_suffix(settings_.suffix.size());
  }
  const auto letters = static_cast<std::size_t>(
      std::find_if_not(text.rbegin(), text.rend(), IsAsciiLetter) -
      text.rbegin());
  std::string_view number = text.substr(0, text.size() - letters);
  const std::string_view suffix = text.substr(text.size() - letters);
  // The unit separator written between a number and its suffix reads back.
  if (!suffix.empty() && !settings_.unit_separator.empty() &&
      number.ends_with(settings_.unit_separator)) {
    number.remove_suffix(settings_.unit_separator.size());
  }
  // One blank at most stands between a number and its suffix.
  bool blanks_apart = false;
  if (!suffix.empty()) {
    const Utf8Char last = BackUtf8Char(number);
    if (last.length != 0 && IsBlank(last.code)) {
      number.remove_suffix(last.length);
    }
    blanks_apart = BlankLengthAtBack(number) != 0;
  }
  number = TrimBlanks(number);
  Outcome<Decimal> parsed = EntryToDecimal(number, settings_.separators);
  if (blanks_apart || !parsed) {
    *message = QuoteForMessage(text) + " is not a number";
    return false;
  }
  Ratio to_bytes = style.from_unit / style.to_unit;
  if (!suffix.empty()) {
    const std::optional<Ratio> size = NumfmtSuffixSize(suffix, style.from);
    if (style.from == Scale::kNone) {
      *message = QuoteForMessage(text) +
                 " has a unit suffix, which --from=none does not read "
                 "(try --from=auto)";
      return false;
    }
    if (!size) {
      *message =
          QuoteForMessage(suffix) + " is not a unit suffix of --from=" +
          std::string(kScaleNames[static_cast<std::size_t>(style.from)]) +
          (style.from == Scale::kAuto   ? " (K .. Q, Ki .. Qi)"
           : style.from == Scale::kIecI ? " (Ki .. Qi)"
                                        : " (K .. Q)");
      return false;
    }
    to_bytes = to_bytes * *size;
  }
  decimal_ = std::move(*parsed);
  const Decimal& value = decimal_;
  // As many fraction digits as the number was written with.
  const std::optional<std::size_t> places =
      settings_.places ? settings_.places
      : suffix.empty() ? FractionDigits(number, settings_.separators.decimal)
                       : 0;
  return AppendNumfmt(value, to_bytes, places, end, out) ||
         TooLong(text, value, to_bytes, message);
}

bool AmountConverter::AppendNumfmt(const Decimal& value, Ratio to_bytes,
                                   std::optional<std::size_t> places,
                                   std::string_view end, std::string* out) {
  const NumfmtStyle& style = *settings_.numfmt;
  const ConversionSettings& s = settings_;
  const bool plain = s.layout.plain();
  std::string* const result = plain ? out : &scratch_;
  if (!plain) scratch_.clear();
  const std::size_t start = result->size();
  bool fits = false;
  std::size_t unit_chars = 0;  // numfmt pads the number alone with zeros
  if (style.to == Scale::kNone) {
    fits = AppendValue(value, to_bytes, places, result);
  } else {
    const bool decimal = style.to == Scale::kSi;
    // Sizes without a fraction from 10 on carry as whole units do.
    const int index =
        ReadableUnitIndex(exact_, value, to_bytes, decimal,
                          static_cast<int>(kNumfmtPrefixes.size()),
                          s.places.value_or(0), s.rounding);
    fits = AppendReadable(value, to_bytes / UnitSize(index, decimal), index,
                          result);
    if (fits && index > 0) {
      const std::size_t number_end = result->size();
      result->append(s.unit_separator);
      const auto prefix = static_cast<std::size_t>(index - 1);
      result->push_back(decimal && prefix == 0 ? 'k' : kNumfmtPrefixes[prefix]);
      if (style.to == Scale::kIecI) result->push_back('i');
      unit_chars = CharCount(std::string_view(*result).substr(number_end));
    }
  }
  if (!fits) {
    result->resize(start);
    return false;
  }
  // Zeros pad the number alone; the width counts the suffix.
  result->append(s.suffix);
  if (!plain) {
    AppendLaidOut(s.layout, s.separators, scratch_,
                  unit_chars + CharCount(s.suffix), &grouped_, out);
  }
  out->append(end);
  return true;
}

}  // namespace mensurex::cli
