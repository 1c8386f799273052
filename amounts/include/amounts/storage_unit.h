// The seven binary storage units, bytes to exabytes, each 1024 times the one
// below it.
#ifndef MENSUREX_AMOUNTS_STORAGE_UNIT_H_
#define MENSUREX_AMOUNTS_STORAGE_UNIT_H_

#include <array>
#include <optional>

namespace mensurex {

// The index is fixed: it is the index of the unit's button in the main
// window's unit selector and the position of the unit's value in a
// ConversionResult.
enum class StorageUnit : int {
  kBytes = 0,
  kKilobytes = 1,
  kMegabytes = 2,
  kGigabytes = 3,
  kTerabytes = 4,
  kPetabytes = 5,
  kExabytes = 6,
};

inline constexpr int kStorageUnitCount = 7;

inline constexpr std::array<StorageUnit, kStorageUnitCount> kAllStorageUnits = {
    StorageUnit::kBytes,     StorageUnit::kKilobytes, StorageUnit::kMegabytes,
    StorageUnit::kGigabytes, StorageUnit::kTerabytes, StorageUnit::kPetabytes,
    StorageUnit::kExabytes};

constexpr int UnitIndex(StorageUnit unit) { return static_cast<int>(unit); }

// The unit of index 0 to 6; nullopt for any other index.
constexpr std::optional<StorageUnit> UnitFromIndex(int index) {
  if (index < 0 || index >= kStorageUnitCount) return std::nullopt;
  return static_cast<StorageUnit>(index);
}

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_STORAGE_UNIT_H_
