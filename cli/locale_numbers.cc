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

std::optional<NumericConventions> NumericLocaleConventions(const char* name) {
  NumericConventions conventions;
  if (std::setlocale(LC_NUMERIC, name) == nullptr) {
    std::setlocale(LC_NUMERIC, "C");
    if (*name != '\0') return std::nullopt;
    return conventions;
  }
  const std::lconv* stated = std::localeconv();
  const std::string decimal = stated->decimal_point;
  const std::string thousands = stated->thousands_sep;
  const std::string grouping = stated->grouping;
  std::setlocale(LC_NUMERIC, "C");

  if (!decimal.empty() && IsValidUtf8(decimal)) conventions.decimal = decimal;
  // grouping[0] is the size of the group next to the decimal point and
  // grouping[1] that of the groups further left; the last size given
  // repeats. 0 or CHAR_MAX first (or no size at all) means that digits are
  // not grouped; CHAR_MAX later means no further groups, which the entry
  // grammar cannot state, so the size before it repeats instead.
  const auto size = [&](std::size_t i) {
    return i < grouping.size()
               ? static_cast<int>(static_cast<unsigned char>(grouping[i]))
               : 0;
  };
  const auto usable = [](int group) { return group > 0 && group < CHAR_MAX; };
  if (!usable(size(0)) || !IsValidUtf8(thousands)) return conventions;
  conventions.grouping = thousands;
  conventions.first_group_size = size(0);
  conventions.higher_group_size = usable(size(1)) ? size(1) : size(0);
  return conventions;
}

EntrySeparators EntrySeparatorsFor(const NumericConventions& conventions) {
  return LocaleEntrySeparators(conventions.decimal, conventions.grouping,
                               conventions.first_group_size,
                               conventions.higher_group_size, U'0');
}

}  // namespace mensurex::cli
