#include "cli/units.h"

#include <array>
#include <cstddef>

namespace mensurex::cli {
namespace {

constexpr std::array<std::string_view, kStorageUnitCount> kLongNames = {
    "byte",     "kilobyte", "megabyte", "gigabyte",
    "terabyte", "petabyte", "exabyte"};
// The first letter of each unit's symbol and name, lower case.
constexpr std::string_view kInitials = "bkmgtpe";

}  // namespace

std::optional<StorageUnit> UnitFromName(std::string_view name) {
  // Lower case, and short enough for the longest name, "kilobytes".
  std::array<char, 9> lower{};
  if (name.empty() || name.size() > lower.size()) return std::nullopt;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    lower[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  const std::string_view text(lower.data(), name.size());
  const std::size_t index = kInitials.find(text[0]);
  if (index == std::string_view::npos) return std::nullopt;
  const std::optional<StorageUnit> unit =
      UnitFromIndex(static_cast<int>(index));
  const std::string_view rest = text.substr(1);
  const std::string_view long_name = kLongNames[index];
  if (text == long_name ||
      (text.size() == long_name.size() + 1 && text.back() == 's' &&
       text.substr(0, long_name.size()) == long_name)) {
    return unit;
  }
  if (unit == StorageUnit::kBytes) {
    if (rest.empty()) return unit;  // "B"
  } else if (rest.empty() || rest == "b" || rest == "ib") {
    return unit;  // "K", "KB", "KiB"
  }
  return std::nullopt;
}

}  // namespace mensurex::cli
