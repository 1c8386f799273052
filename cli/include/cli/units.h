// Unit names as people write them after an amount or after --to and --from.
#ifndef MENSUREX_CLI_UNITS_H_
#define MENSUREX_CLI_UNITS_H_

#include <optional>
#include <string_view>

#include "cli/exact/exact.h"
#include "mensurex/storage_unit.h"

namespace mensurex::cli {

// One of the seven units, each 1024 times the one below, or with `decimal`
// 1000 times (kB .. EB).
struct Unit {
  StorageUnit storage = StorageUnit::kBytes;
  bool decimal = false;
};

// The unit a name stands for, in any letter case: the symbol (B, KB .. EB),
// the one-letter prefix (K .. E), the IEC symbol (KiB .. EiB) or prefix
// (Ki .. Ei), or the long name, singular or plural (byte, kilobytes). The
// IEC symbols and prefixes are always
// binary; the others are decimal when `si` is set. nullopt for anything
// else.
std::optional<Unit> UnitFromName(std::string_view name, bool si = false);

// The label printed beside a value: B, KB .. EB for binary units unless
// `iec_labels`, then KiB .. EiB; B, kB, MB .. EB for decimal ones.
std::string_view UnitLabel(Unit unit, bool iec_labels);

// size(from) / size(to).
exact::Ratio RatioBetween(Unit from, Unit to);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_UNITS_H_
