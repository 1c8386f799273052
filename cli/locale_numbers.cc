#include "cli/locale_numbers.h"

#include <climits>
#include <clocale>
#include <cstdint>
#include <string>
#include <string_view>

namespace mensurex::cli {
namespace {

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = lead <= 0xEF ? 3 : 0;
    } else if (lead >= 0xC2) {
      length = 2;
    } else if (lead >= 0x80) {
      length = 0;
    }
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<std::uint8_t>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

}  // namespace

std::optional<EntrySeparators> NumericLocaleSeparators(const char* name) {
  EntrySeparators separators;
  separators.decimal = ".";
  separators.grouping.clear();
  if (std::setlocale(LC_NUMERIC, name) == nullptr) {
    std::setlocale(LC_NUMERIC, "C");
    if (*name != '\0') return std::nullopt;
    return separators;
  }
  const std::lconv* conventions = std::localeconv();
  const std::string decimal = conventions->decimal_point;
  const std::string thousands = conventions->thousands_sep;
  const std::string grouping = conventions->grouping;
  std::setlocale(LC_NUMERIC, "C");

  if (!decimal.empty() && IsValidUtf8(decimal)) separators.decimal = decimal;
  // grouping[0] is the size of the group next to the decimal point; 0 or
  // CHAR_MAX (or no entry at all) means that digits are not grouped.
  const bool grouped = !grouping.empty() && grouping[0] > 0 &&
                       grouping[0] != CHAR_MAX && IsValidUtf8(thousands);
  if (grouped) separators.grouping = thousands;
  return separators;
}

}  // namespace mensurex::cli
