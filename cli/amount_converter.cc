#include "cli/amount_converter.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "mensurex/utf8.h"

namespace mensurex::cli {
namespace {

// Whether the integer part of a written value (ASCII digits after an
// optional minus sign) is at least `base`.
bool ReachesBase(std::string_view written, unsigned base) {
  if (!written.empty() && written.front() == '-') written.remove_prefix(1);
  unsigned whole = 0;
  for (const char c : written) {
    if (!IsAsciiDigit(c)) break;
    whole = whole * 10 + static_cast<unsigned>(c - '0');
    if (whole >= base) return true;
  }
  return false;
}

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

// Characters that would change how the rest of a terminal line looks:
// controls, line and paragraph separators, direction marks and overrides,
// and the byte order mark.
bool MustEscape(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) ||
         (code >= 0x200E && code <= 0x200F) ||
         (code >= 0x2028 && code <= 0x202E) ||
         (code >= 0x2066 && code <= 0x2069) || code == 0xFEFF;
}

void AppendHex(std::uint32_t value, int digits, std::string* out) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    out->push_back(kHex[(value >> static_cast<unsigned>(shift)) & 0xFu]);
  }
}

Ratio Times(Ratio a, Ratio b) { return {a.twos + b.twos, a.fives + b.fives}; }

Ratio Over(Ratio a, Ratio b) { return {a.twos - b.twos, a.fives - b.fives}; }

constexpr Ratio kTen{1, 1};

// numfmt's suffixes, kilo to quetta.
constexpr std::string_view kNumfmtPrefixes = "KMGTPEZYRQ";

// The size of unit `index` in bytes: 1000^index or 1024^index.
Ratio UnitSize(int index, bool decimal) {
  return decimal ? Ratio{3 * index, 3 * index} : Ratio{10 * index, 0};
}

// Appends `text` with the digits before its decimal separator grouped.
void AppendGrouped(std::string_view text, const EntrySeparators& separators,
                   std::string* out) {
  const std::size_t sign = text.starts_with('-') ? 1 : 0;
  std::size_t end = sign;
  while (end < text.size() && IsAsciiDigit(text[end])) ++end;
  const auto first = static_cast<std::size_t>(separators.first_group_size);
  const auto higher = static_cast<std::size_t>(separators.higher_group_size);
  if (separators.grouping.empty() || separators.first_group_size < 1 ||
      separators.higher_group_size < 1) {
    out->append(text);
    return;
  }
  out->append(text.substr(0, sign));
  for (std::size_t i = sign; i < end; ++i) {
    const std::size_t after = end - i;  // digits from this one to the end
    if (i > sign &&
        (after == first || (after > first && (after - first) % higher == 0))) {
      out->append(separators.grouping);
    }
    out->push_back(text[i]);
  }
  out->append(text.substr(end));
}

// The digits after the decimal separator of a number as written.
std::size_t FractionDigits(std::string_view number, std::string_view decimal) {
  const std::size_t at = number.find(decimal);
  if (at == std::string_view::npos) return 0;
  std::size_t count = 0;
  for (std::size_t i = at + decimal.size();
       i < number.size() && IsAsciiDigit(number[i]); ++i) {
    ++count;
  }
  return count;
}

std::string_view ScaleName(Scale scale) {
  switch (scale) {
    case Scale::kNone:
      return "none";
    case Scale::kAuto:
      return "auto";
    case Scale::kSi:
      return "si";
    case Scale::kIec:
      return "iec";
    case Scale::kIecI:
      return "iec-i";
  }
  return {};
}

std::string_view ScaleSuffixes(Scale scale) {
  switch (scale) {
    case Scale::kAuto:
      return "K .. Q, Ki .. Qi";
    case Scale::kIecI:
      return "Ki .. Qi";
    case Scale::kNone:
    case Scale::kSi:
    case Scale::kIec:
      break;
  }
  return "K .. Q";
}

std::string TooLongMessage(std::string_view text, bool large,
                           std::size_t max_bytes) {
  return QuoteForMessage(text) + (large ? " is too large" : " is too small") +
         " to convert: its result would be longer than " +
         std::to_string(max_bytes) + " bytes";
}

}  // namespace

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

std::string QuoteForMessage(std::string_view text, std::size_t max_chars) {
  std::string quoted = "\"";
  std::size_t chars = 0;
  while (!text.empty()) {
    if (chars == max_chars) {
      quoted += "\"...";
      return quoted;
    }
    ++chars;
    // Printable ASCII but the quote and the backslash stands for itself.
    std::size_t plain = 0;
    while (plain < text.size() && chars + plain <= max_chars &&
           text[plain] >= ' ' && text[plain] < 0x7F && text[plain] != '"' &&
           text[plain] != '\\') {
      ++plain;
    }
    if (plain > 0) {
      quoted.append(text.substr(0, plain));
      text.remove_prefix(plain);
      chars += plain - 1;
      continue;
    }
    const auto [code, length] = FrontUtf8Char(text);
    if (length == 0) {
      quoted += "\\x";
      AppendHex(static_cast<std::uint8_t>(text.front()), 2, &quoted);
      text.remove_prefix(1);
      continue;
    }
    if (code == '"' || code == '\\') {
      quoted.push_back('\\');
      quoted.push_back(static_cast<char>(code));
    } else if (code == '\t') {
      quoted += "\\t";
    } else if (code < 0x80 && MustEscape(code)) {
      quoted += "\\x";
      AppendHex(code, 2, &quoted);
    } else if (MustEscape(code)) {
      quoted += "\\u";
      AppendHex(code, 4, &quoted);
    } else {
      quoted.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  quoted.push_back('"');
  return quoted;
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

std::optional<std::size_t> AmountConverter::ReadablePlaces(const Decimal& value,
                                                           Ratio ratio,
                                                           int index) {
  if (settings_.places || !settings_.readable_places) return settings_.places;
  if (index == 0) return 0;
  return exact_.AtLeastOne(value, Over(ratio, kTen)) ? 0 : 1;
}

bool AmountConverter::AppendReadable(const Decimal& value, Ratio ratio,
                                     int index, std::string* out) {
  const std::size_t start = out->size();
  const std::optional<std::size_t> places = ReadablePlaces(value, ratio, index);
  if (index == 0 && places.value_or(0) > 0 && !settings_.numfmt &&
      AppendValue(value, ratio, std::nullopt, out)) {
    // A whole number of bytes has no fraction to show.
    if (std::string_view(*out).substr(start).find(
            settings_.separators.decimal) == std::string_view::npos) {
      return true;
    }
    out->resize(start);
  }
  if (!AppendValue(value, ratio, places, out)) return false;
  if (places == 1 && settings_.readable_places && !settings_.places &&
      ReachesBase(std::string_view(*out).substr(start), 10)) {
    // Rounded up to 10: no fraction from 10 on.
    out->resize(start);
    return AppendValue(value, ratio, 0, out);
  }
  return true;
}

bool AmountConverter::AppendNumfmtScaled(const Decimal& value, Ratio to_bytes,
                                         bool decimal, std::string* out,
                                         int* index) {
  const auto ratio = [&](int i) {
    return Over(to_bytes, UnitSize(i, decimal));
  };
  const int top = static_cast<int>(kNumfmtPrefixes.size());
  // A value at least 1 in a unit is at least 1 in every smaller one: the
  // unit is found by halving [bytes, top].
  int low = 0;
  int high = top;
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (exact_.AtLeastOne(value, ratio(middle))) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  const std::size_t start = out->size();
  for (int i = low;; ++i) {
    if (!AppendReadable(value, ratio(i), i, out)) return false;
    if (i < top && ReachesBase(std::string_view(*out).substr(start),
                               decimal ? 1000 : 1024)) {
      // Rounded up to the base: the unit above shows it as 1.
      out->resize(start);
      continue;
    }
    *index = i;
    return true;
  }
}

void AmountConverter::AppendLaidOut(std::string_view text, std::string_view end,
                                    std::string* out, std::size_t unit_chars) {
  const ConversionSettings& s = settings_;
  if (s.group_output) {
    grouped_.clear();
    AppendGrouped(text, s.separators, &grouped_);
    text = grouped_;
  }
  out->append(s.prefix);
  std::size_t chars = CharCount(text);
  if (s.pad_zeros) chars -= std::min(chars, unit_chars);
  const std::size_t pad = s.width > chars ? s.width - chars : 0;
  if (s.pad_right) {
    out->append(text);
    out->append(pad, ' ');
  } else if (s.pad_zeros) {
    const bool minus = text.starts_with('-');
    if (minus) out->push_back('-');
    out->append(pad, '0');
    out->append(text.substr(minus ? 1 : 0));
  } else {
    out->append(pad, ' ');
    out->append(text);
  }
  out->append(s.suffix);
  out->append(end);
}

bool AmountConverter::AppendResult(const Decimal& value, Unit from, Unit to,
                                   bool with_unit, std::string_view end,
                                   std::string* out) {
  const ConversionSettings& s = settings_;
  const bool plain =
      s.width == 0 && s.prefix.empty() && s.suffix.empty() && !s.group_output;
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
  if (plain) {
    out->append(end);
  } else {
    AppendLaidOut(scratch_, end, out);
  }
  return true;
}

bool AmountConverter::ConvertNumfmt(std::string_view text, std::string_view end,
                                    std::string* out, std::string* message) {
  const NumfmtStyle& style = *settings_.numfmt;
  std::size_t letters = 0;
  while (letters < text.size() &&
         IsAsciiLetter(text[text.size() - 1 - letters])) {
    ++letters;
  }
  const std::string_view number =
      TrimBlanks(text.substr(0, text.size() - letters));
  const std::string_view suffix = text.substr(text.size() - letters);
  Outcome<Decimal> parsed = EntryToDecimal(number, settings_.separators);
  if (!parsed) {
    *message = QuoteForMessage(text) + " is not a number";
    return false;
  }
  Ratio to_bytes = Over(style.from_unit, style.to_unit);
  if (!suffix.empty()) {
    const std::optional<Ratio> size = NumfmtSuffixSize(suffix, style.from);
    if (style.from == Scale::kNone) {
      *message = QuoteForMessage(text) +
                 " has a unit suffix, which --from=none does not read "
                 "(try --from=auto)";
      return false;
    }
    if (!size) {
      *message = QuoteForMessage(suffix) + " is not a unit suffix of --from=" +
                 std::string(ScaleName(style.from)) + " (" +
                 std::string(ScaleSuffixes(style.from)) + ")";
      return false;
    }
    to_bytes = Times(to_bytes, *size);
  }
  decimal_ = std::move(*parsed);
  const Decimal& value = decimal_;
  // As many fraction digits as the number was written with.
  const std::optional<std::size_t> places =
      settings_.places ? settings_.places
      : suffix.empty() ? FractionDigits(number, settings_.separators.decimal)
                       : 0;
  if (AppendNumfmt(value, to_bytes, places, end, out)) return true;
  *message = TooLongMessage(text, exact_.AtLeastOne(value, to_bytes),
                            settings_.max_value_bytes);
  return false;
}

bool AmountConverter::AppendNumfmt(const Decimal& value, Ratio to_bytes,
                                   std::optional<std::size_t> places,
                                   std::string_view end, std::string* out) {
  const NumfmtStyle& style = *settings_.numfmt;
  const ConversionSettings& s = settings_;
  const bool plain =
      s.width == 0 && s.prefix.empty() && s.suffix.empty() && !s.group_output;
  std::string* const result = plain ? out : &scratch_;
  if (!plain) scratch_.clear();
  const std::size_t start = result->size();
  bool fits = false;
  std::size_t unit_chars = 0;  // numfmt pads the number alone with zeros
  if (style.to == Scale::kNone) {
    fits = AppendValue(value, to_bytes, places, result);
  } else {
    const bool decimal = style.to == Scale::kSi;
    int index = 0;
    fits = AppendNumfmtScaled(value, to_bytes, decimal, result, &index);
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
  if (plain) {
    out->append(end);
  } else {
    AppendLaidOut(scratch_, end, out, unit_chars);
  }
  return true;
}

bool AmountConverter::Convert(std::string_view amount, std::string_view end,
                              std::string* out, std::string* message) {
  const std::string_view text = TrimBlanks(amount);
  if (settings_.numfmt) return ConvertNumfmt(text, end, out, message);
  const auto split = SplitUnitName(text);
  const std::string_view number = split.first;
  const std::string_view unit_name = split.second;
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
    *message =
        TooLongMessage(text, exact_.AtLeastOne(value, RatioBetween(from, to)),
                       settings_.max_value_bytes);
    return false;
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
