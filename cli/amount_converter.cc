#include "cli/amount_converter.h"

#include <cstdint>
#include <string>
#include <utility>

#include "cli/units.h"
#include "mensurex/utf8.h"

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

bool AmountConverter::AppendValue(const exact::Decimal& value, Unit from,
                                  Unit to, std::string* out) {
  return exact_.AppendText(value, RatioBetween(from, to), settings_.places,
                           settings_.rounding, settings_.separators.decimal,
                           settings_.max_value_bytes, out);
}

bool AmountConverter::Convert(std::string_view amount, std::string* out,
                              std::string* message) {
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

  Unit from = settings_.default_unit;
  if (!unit_name.empty()) {
    const std::optional<Unit> named = UnitFromName(unit_name, settings_.si);
    if (!named) {
      if (!IsNumericEntry(number, settings_.separators)) return not_a_number();
      *message = QuoteForMessage(unit_name) + " is not a known unit";
      return false;
    }
    from = *named;
  }
  Outcome<EntryDecimal> parsed = EntryToDecimal(number, settings_.separators);
  if (!parsed) return not_a_number();
  decimal_ = std::move(*parsed);
  const exact::Decimal value{decimal_.negative, decimal_.digits,
                             decimal_.exponent};

  const std::size_t start = out->size();
  const auto too_long = [&] {
    out->resize(start);
    *message = QuoteForMessage(text) +
               " is too large to convert: its result would be longer than " +
               std::to_string(settings_.max_value_bytes) + " bytes";
    return false;
  };
  if (settings_.only_unit) {
    return AppendValue(value, from, *settings_.only_unit, out) || too_long();
  }
  if (settings_.automatic) {
    Unit to{StorageUnit::kExabytes, settings_.si};
    while (to.storage != StorageUnit::kBytes &&
           !exact_.AtLeastOne(value, RatioBetween(from, to))) {
      to.storage = static_cast<StorageUnit>(UnitIndex(to.storage) - 1);
    }
    if (!AppendValue(value, from, to, out)) return too_long();
    out->push_back('\t');
    out->append(UnitLabel(to, settings_.si));
    return true;
  }
  for (const StorageUnit storage : kAllStorageUnits) {
    const Unit to{storage, settings_.si};
    if (!AppendValue(value, from, to, out)) return too_long();
    out->push_back('\t');
    out->append(UnitLabel(to, settings_.si));
    out->push_back('\n');
  }
  return true;
}

}  // namespace mensurex::cli
