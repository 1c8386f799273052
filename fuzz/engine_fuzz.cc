// Fuzzes the entry test, the entry conversion and the whole conversion.
// The first input byte picks the separators and the unit; the rest is the
// entry text. Any property that fails aborts, which the fuzzer reports.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "amounts/entry.h"
#include "engine/window_conversion.h"
#include "scaled_decimal.h"
#include "tests/shared/fifteen_digits.h"

namespace {

using mensurex::ConversionFailure;
using mensurex::EntrySeparators;

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
  }
}

const EntrySeparators kSeparators[] = {
    mensurex::LocaleEntrySeparators(".", ",", 3, 3, U'0'),  // US English
    mensurex::LocaleEntrySeparators(",", ".", 3, 3, U'0'),  // German
    // French: narrow no-break space
    mensurex::LocaleEntrySeparators(",", "\u202F", 3, 3, U'0'),
    mensurex::LocaleEntrySeparators(",", ",", 3, 3, U'0'),  // both the same
    // Arabic decimal and thousands separators
    mensurex::LocaleEntrySeparators("\u066B", "\u066C", 3, 3, U'0'),
    // Indian: groups of three, then of two
    mensurex::LocaleEntrySeparators(".", ",", 3, 2, U'0'),
    // Arabic with its own digits
    mensurex::LocaleEntrySeparators("\u066B", "\u066C", 3, 3, U'\u0660'),
    // The same, with "." typed for its decimal separator
    [] {
      EntrySeparators typed =
          mensurex::LocaleEntrySeparators("\u066B", "\u066C", 3, 3, U'\u0660');
      typed.decimal_alternatives = {"."};
      return typed;
    }(),
};

bool IsPlainAscii(std::string_view text) {
  for (const char c : text) {
    if (std::string_view("0123456789+-.eE \t").find(c) ==
        std::string_view::npos) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  // Low three bits: the separators; the rest: the unit.
  const EntrySeparators& separators =
      kSeparators[(data[0] & 7U) % std::size(kSeparators)];
  const auto unit = *mensurex::UnitFromIndex((data[0] >> 3) % 7);
  const std::string_view text(reinterpret_cast<const char*>(data + 1),
                              size - 1);

  const bool numeric = mensurex::IsNumericEntry(text, separators);
  const auto value = mensurex::EntryToDouble(text, separators);
  Check(numeric == value.ok(), "test and conversion agree");
  if (value.ok()) {
    Check(!std::isnan(*value), "no NaN");
    // Without grouping, the US grammar is the C library's own.
    if (&separators == &kSeparators[0] && IsPlainAscii(text)) {
      const std::string copy(text);
      const double expected = std::strtod(copy.c_str(), nullptr);
      Check(
          *value == expected && std::signbit(*value) == std::signbit(expected),
          "same double as strtod");
    }
    // Every double that needs no rounding to 28 places keeps exactly the
    // digits printf rounds it to.
    const double size = std::fabs(*value);
    if (size >= 1e-13 && size < 0x1p96) {
      const auto decimal = mensurex::ScaledDecimal::FromDouble(size);
      const auto expected = mensurex::ScaledDecimal::FromText(
          mensurex::testing::FifteenDigitsByPrintf(size));
      Check(decimal.ok() && expected && *decimal == *expected,
            "15 significant digits as printf rounds them");
    }
    const std::string padded = "\u00A0 \t" + std::string(text) + "\t\u202F\r\n";
    const auto again = mensurex::EntryToDouble(padded, separators);
    Check(again.ok() && std::memcmp(&*again, &*value, sizeof(double)) == 0,
          "blanks change nothing");
  } else {
    Check(value.failure() == ConversionFailure::kNotNumeric,
          "refusal is kNotNumeric");
  }

  const auto texts = mensurex::ConvertEntryToTexts(unit, text, separators);
  if (!numeric) {
    Check(!texts.ok() && texts.failure() == ConversionFailure::kNotNumeric,
          "a refused entry never converts");
    return 0;
  }
  if (!texts.ok()) {
    Check(texts.failure() == ConversionFailure::kOverflow,
          "an accepted entry fails only by overflow");
    return 0;
  }
  for (const std::string& result : *texts) {
    Check(!result.empty() && result != "-0", "a plain number");
    Check(result.find_first_of("eE+") == std::string::npos, "no exponent");
  }
  return 0;
}
