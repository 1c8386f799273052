#include "cli/amount_converter.h"

#include <array>
#include <cstdint>
#include <utility>

#include "cli/units.h"
#include "mensurex/conversion.h"

namespace mensurex::cli {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' ||
         c == '\f';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The length of the valid UTF-8 sequence at the front of `text` and its
// code point, or length 0 when the first byte does not start one.
std::pair<std::size_t, char32_t> DecodeUtf8(std::string_view text) {
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint8_t>(text[i]);
  };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80) return {1, lead};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1Fu;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0Fu;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07u;
    minimum = 0x10000;
  } else {
    return {0, 0};
  }
  if (text.size() < length) return {0, 0};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {0, 0};
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return {0, 0};
  }
  return {length, code};
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
    const auto [length, code] = DecodeUtf8(text);
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

AmountConverter::AmountConverter(EntrySeparators separators,
                                 StorageUnit default_unit,
                                 std::optional<StorageUnit> only_unit)
    : separators_(std::move(separators)),
      default_unit_(default_unit),
      only_unit_(only_unit) {}

bool AmountConverter::Convert(std::string_view amount, std::string* out,
                              std::string* message) const {
  const std::string_view text = TrimBlanks(amount);
  std::size_t letters = 0;
  while (letters < text.size() &&
         IsAsciiLetter(text[text.size() - 1 - letters])) {
    ++letters;
  }
  const std::string_view number = text.substr(0, text.size() - letters);
  const std::string_view unit_name = text.substr(text.size() - letters);
  const auto not_a_number = [&] {
    const std::string_view shown = TrimBlanks(number);
    *message = QuoteForMessage(shown.empty() ? text : shown);
    *message += " is not a number";
    return false;
  };
  const auto too_large = [&] {
    *message = QuoteForMessage(text) + " is too large to convert";
    return false;
  };

  StorageUnit unit = default_unit_;
  if (!unit_name.empty()) {
    const std::optional<StorageUnit> named = UnitFromName(unit_name);
    if (!named) {
      if (!IsNumericEntry(number, separators_)) return not_a_number();
      *message = QuoteForMessage(unit_name) + " is not a known unit";
      return false;
    }
    unit = *named;
  }

  const Outcome<ConversionResult> result =
      ConvertEntry(unit, number, separators_);
  if (!result) {
    return result.failure() == ConversionFailure::kNotNumeric ? not_a_number()
                                                              : too_large();
  }
  if (only_unit_) {
    // The bytes value is the largest of the seven in size, so when it has a
    // text form every value has one, as the window requires of all seven.
    const std::size_t index = static_cast<std::size_t>(UnitIndex(*only_unit_));
    const Outcome<ScaledDecimal> bytes = result->values[0].ToScaledDecimal();
    if (!bytes) return too_large();
    const Outcome<ScaledDecimal> value =
        index == 0 ? bytes : result->values[index].ToScaledDecimal();
    if (!value) return too_large();
    out->append(value->ToText(separators_.decimal));
    out->push_back('\n');
    return true;
  }
  const Outcome<ResultTexts> texts =
      FormatResults(*result, separators_.decimal);
  if (!texts) return too_large();
  static constexpr std::array<std::string_view, kStorageUnitCount> kLineEnds = {
      "\tB\n", "\tKB\n", "\tMB\n", "\tGB\n", "\tTB\n", "\tPB\n", "\tEB\n"};
  for (std::size_t i = 0; i < kLineEnds.size(); ++i) {
    out->append((*texts)[i]);
    out->append(kLineEnds[i]);
  }
  return true;
}

}  // namespace mensurex::cli
