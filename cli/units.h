// Unit names as people write them after an amount or after --to and --from.
#ifndef MENSUREX_CLI_UNITS_H_
#define MENSUREX_CLI_UNITS_H_

#include <optional>
#include <string_view>

#include "mensurex/storage_unit.h"

namespace mensurex::cli {

// The unit a name stands for, in any letter case: the symbol (B, KB .. EB),
// the one-letter prefix (K .. E), the IEC symbol (KiB .. EiB) or the long
// name, singular or plural (byte, kilobytes). All are the binary units.
// nullopt for anything else.
std::optional<StorageUnit> UnitFromName(std::string_view name);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_UNITS_H_
