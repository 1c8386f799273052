#include "cli/amount_converter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "mensurex/utf8.h"

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

}  // namespace

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
  return settings_.only_unit || settings_.automatic ? 1 : kStorageUnitCount;
}

bool AmountConverter::AppendResult(const Decimal& value, Unit from, Unit to,
                                   bool with_unit, std::string_view end,
                                   std::string* out) {
  const ConversionSettings& s = settings_;
  const bool plain = s.width == 0 && s.prefix.empty() && s.suffix.empty();
  std::string* const text = plain ? out : &scratch_;
  if (!plain) scratch_.clear();
  if (!exact_.AppendText(value, RatioBetween(from, to), s.places, s.rounding,
                         s.separators.decimal, s.max_value_bytes, text)) {
    return false;
  }
  if (with_unit) {
    text->append(s.unit_separator);
    text->append(UnitLabel(to, s.si ? UnitNaming::kIec : UnitNaming::kSymbol));
  }
  if (!plain) {
    out->append(s.prefix);
    const std::size_t chars = CharCount(scratch_);
    const std::size_t pad = s.width > chars ? s.width - chars : 0;
    if (s.pad_right) {
      out->append(scratch_);
      out->append(pad, ' ');
    } else if (s.pad_zeros) {
      const bool minus = scratch_.front() == '-';
      if (minus) out->push_back('-');
      out->append(pad, '0');
      out->append(std::string_view(scratch_).substr(minus ? 1 : 0));
    } else {
      out->append(pad, ' ');
      out->append(scratch_);
    }
    out->append(s.suffix);
  }
  out->append(end);
  return true;
}

bool AmountConverter::Convert(std::string_view amount, std::string_view end,
                              std::string* out, std::string* message) {
  const std::string_view text = TrimBlanks(amount);
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
    *message = QuoteForMessage(number.empty() ? text : number);
    *message += " is not a number";
    return false;
  };

  Unit from = settings_.default_unit;
  if (!unit_name.empty()) {
    const std::optional<NamedUnit> named =
        UnitFromName(unit_name, settings_.si, FoldLetterCase);
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
        QuoteForMessage(text) +
        (exact_.AtLeastOne(value, RatioBetween(from, to)) ? " is too large"
                                                          : " is too small") +
        " to convert: its result would be longer than " +
        std::to_string(settings_.max_value_bytes) + " bytes";
    return false;
  };
  if (settings_.only_unit) {
    return AppendResult(value, from, *settings_.only_unit, settings_.show_unit,
                        end, out) ||
           too_long(*settings_.only_unit);
  }
  if (settings_.automatic) {
    const Unit to = ReadableUnit(exact_, value, from, settings_.si,
                                 settings_.places, settings_.rounding);
    return AppendResult(value, from, to, true, end, out) || too_long(to);
  }
  for (const StorageUnit storage : kAllStorageUnits) {
    const Unit to{storage, settings_.si};
    if (!AppendResult(value, from, to, true, end, out)) return too_long(to);
  }
  return true;
}

}  // namespace mensurex::cli
