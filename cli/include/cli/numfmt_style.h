// numfmt's way of reading and writing amounts: scales of suffixes and unit
// sizes.
#ifndef MENSUREX_CLI_NUMFMT_STYLE_H_
#define MENSUREX_CLI_NUMFMT_STYLE_H_

#include <array>
#include <optional>
#include <string_view>

#include "amounts/exact_decimal.h"

namespace mensurex::cli {

// numfmt's scales: which suffixes follow a number on input (K = 1000 for
// si, 1024 for iec; Ki = 1024 for iec-i; either for auto), and which the
// readable unit is written with on output (k/K, or Ki); none: no suffix.
enum class Scale { kNone, kAuto, kSi, kIec, kIecI };
// The names of the scales, in the order of Scale.
inline constexpr std::array<std::string_view, 5> kScaleNames = {
    "none", "auto", "si", "iec", "iec-i"};

// The scale a name stands for; "auto" only on input.
std::optional<Scale> ScaleNamed(std::string_view name, bool input);

// A size for --from-unit and --to-unit: a whole number, with a suffix or
// not (1K = 1000, 1Ki = 1024), whose only prime factors are 2 and 5, so
// that every result stays a finite decimal.
std::optional<Ratio> UnitSizeNamed(std::string_view text);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_NUMFMT_STYLE_H_
