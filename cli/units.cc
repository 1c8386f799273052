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

std::optional<Unit> UnitFromName(std::string_view name, bool si) {
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
  const Unit unit{static_cast<StorageUnit>(index), si && index > 0};
  const std::string_view rest = text.substr(1);
  const std::string_view long_name = kLongNames[index];
  if (text == long_name ||
      (text.size() == long_name.size() + 1 && text.back() == 's' &&
       text.substr(0, long_name.size()) == long_name)) {
    return unit;
  }
  if (index == 0) {
    if (rest.empty()) return unit;  // "B"
  } else if (rest.empty() || rest == "b") {
    return unit;  // "K", "KB"
  } else if (rest == "i" || rest == "ib") {
    return Unit{unit.storage, false};  // "Ki", "KiB"
  }
  return std::nullopt;
}

std::string_view UnitLabel(Unit unit, bool iec_labels) {
  constexpr std::array<std::string_view, kStorageUnitCount> kBinary = {
      "B", "KB", "MB", "GB", "TB", "PB", "EB"};
  constexpr std::array<std::string_view, kStorageUnitCount> kIec = {
      "B", "KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
  constexpr std::array<std::string_view, kStorageUnitCount> kDecimal = {
      "B", "kB", "MB", "GB", "TB", "PB", "EB"};
  const auto index = static_cast<std::size_t>(UnitIndex(unit.storage));
  if (unit.decimal) return kDecimal[index];
  return iec_labels ? kIec[index] : kBinary[index];
}

exact::Ratio RatioBetween(Unit from, Unit to) {
  // 1024^i = 2^(10i); 1000^i = 2^(3i) * 5^(3i).
  const auto twos = [](Unit unit) {
    return (unit.decimal ? 3 : 10) * UnitIndex(unit.storage);
  };
  const auto fives = [](Unit unit) {
    return unit.decimal ? 3 * UnitIndex(unit.storage) : 0;
  };
  return {twos(from) - twos(to), fives(from) - fives(to)};
}

}  // namespace mensurex::cli
