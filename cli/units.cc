#include "cli/units.h"

#include <array>
#include <cstddef>

namespace mensurex::cli {
namespace {

constexpr std::array<std::string_view, kStorageUnitCount> kSymbols = {
    "B", "KB", "MB", "GB", "TB", "PB", "EB"};
constexpr std::array<std::string_view, kStorageUnitCount> kLongNames = {
    "byte",     "kilobyte", "megabyte", "gigabyte",
    "terabyte", "petabyte", "exabyte"};

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<StorageUnit> UnitFromName(std::string_view name) {
  for (const StorageUnit unit : kAllStorageUnits) {
    const auto index = static_cast<std::size_t>(UnitIndex(unit));
    const std::string_view symbol = kSymbols[index];
    const std::string_view long_name = kLongNames[index];
    if (EqualsIgnoringCase(name, symbol) ||
        EqualsIgnoringCase(name, long_name)) {
      return unit;
    }
    if (name.size() == long_name.size() + 1 && Lower(name.back()) == 's' &&
        EqualsIgnoringCase(name.substr(0, long_name.size()), long_name)) {
      return unit;
    }
    if (unit == StorageUnit::kBytes) continue;
    // "K" and "KiB" for "KB".
    if (name.size() == 1 && Lower(name[0]) == Lower(symbol[0])) return unit;
    if (name.size() == 3 && Lower(name[0]) == Lower(symbol[0]) &&
        Lower(name[1]) == 'i' && Lower(name[2]) == 'b') {
      return unit;
    }
  }
  return std::nullopt;
}

std::string_view UnitSymbol(StorageUnit unit) {
  return kSymbols[static_cast<std::size_t>(UnitIndex(unit))];
}

}  // namespace mensurex::cli
