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

// The digits after the decimal separator of a number as written.
std::size_t FractionDigits(std::string_view number, std::string_view decimal) {
  const std::size_t at = number.find(decimal);
  if (at == std::string_view::npos) return 0;
  const std::string_view fraction = number.substr(at + decimal.size());
  return static_cast<std::size_t>(
      std::find_if_not(fraction.begin(), fraction.end(), IsAsciiDigit) -
      fraction.begin());
}

// The size in bytes of numfmt's suffix under `scale` (K = 1000 or 1024, Ki
// = 1024, up to Q and Qi; k is K), or nullopt when the scale does not read
// it.
std::optional<Ratio> NumfmtSuffixSize(std::string_view suffix, Scale scale) {
  if (suffix.empty() || suffix.size() > 2 || scale == Scale::kNone) {
    return std::nullopt;
  }
  const std::size_t found =
      suffix[0] == 'k' ? 0 : kUnitPrefixes.find(suffix[0]);
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

}  // namespace

std::optional<Scale> ScaleNamed(std::string_view name, bool input) {
  const auto* const found = std::ranges::find(kScaleNames, name);
  const auto scale = static_cast<Scale>(found - kScaleNames.begin());
  if (found == kScaleNames.end() || (!input && scale == Scale::kAuto)) {
    return std::nullopt;
  }
  return scale;
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

bool AmountConverter::ReadSuffixed(std::string_view* text_read, Ratio* size,
                                   std::size_t* places, std::string* message) {
  const Scale from = *settings_.suffixes;
  const std::string_view text = *text_read;
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
  if (blanks_apart ||
      !ReadEntryDecimal(number, settings_.separators, &decimal_)) {
    *message = QuoteForMessage(text) + " is not a number";
    return false;
  }
  *size = settings_.from_unit;
  // As many fraction digits as the number was written with, none after a
  // suffix.
  *places =
      suffix.empty() ? FractionDigits(number, settings_.separators.decimal) : 0;
  if (!suffix.empty()) {
    const std::optional<Ratio> suffix_size = NumfmtSuffixSize(suffix, from);
    if (from == Scale::kNone) {
      *message = QuoteForMessage(text) +
                 " has a unit suffix, which --from=none does not read "
                 "(try --from=auto)";
      return false;
    }
    if (!suffix_size) {
      *message = QuoteForMessage(suffix) + " is not a unit suffix of --from=" +
                 std::string(kScaleNames[static_cast<std::size_t>(from)]) +
                 (from == Scale::kAuto   ? " (K .. Q, Ki .. Qi)"
                  : from == Scale::kIecI ? " (Ki .. Qi)"
                                         : " (K .. Q)");
      return false;
    }
    *size = *size * *suffix_size;
  }
  return true;
}

}  // namespace mensurex::cli
