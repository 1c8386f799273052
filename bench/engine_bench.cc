// One whole calculation per iteration, as the Calculate command runs it: the
// numeric test, then the conversion (parsing, seven values) and the seven
// texts.
#include <benchmark/benchmark.h>

#include <string>

#include "amounts/entry.h"
#include "engine/window_conversion.h"
#include "scaled_decimal.h"

namespace mensurex {
namespace {

// range(0): the unit index; range(1): 0 for a whole number, whose results
// are mostly exact binary fractions, 1 for a grouped decimal, whose results
// all need rounding to 15 digits.
void BM_WholeConversion(benchmark::State& state) {
  const StorageUnit unit = *UnitFromIndex(static_cast<int>(state.range(0)));
  const std::string entry = state.range(1) == 0 ? "100" : "1,234.5678";
  const EntrySeparators separators;
  state.SetLabel("unit " + std::to_string(UnitIndex(unit)) + " \"" + entry +
                 "\"");
  for (auto _ : state) {
    const bool numeric = IsNumericEntry(entry, separators);
    benchmark::DoNotOptimize(numeric);
    auto texts = ConvertEntryToTexts(unit, entry, separators);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_WholeConversion)->ArgsProduct({{0, 1, 2, 3, 4, 5, 6}, {0, 1}});

void BM_EntryToDouble(benchmark::State& state) {
  const EntrySeparators separators;
  for (auto _ : state) {
    auto value = EntryToDouble("1,234.5678", separators);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_EntryToDouble);

void BM_FromDouble(benchmark::State& state) {
  for (auto _ : state) {
    auto value = ScaledDecimal::FromDouble(0.000000000931322574615478515625);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_FromDouble);

void BM_ToText(benchmark::State& state) {
  const ScaledDecimal value =
      *ScaledDecimal::FromText("0.000000000000909494701772928");
  for (auto _ : state) {
    auto text = value.ToText(".");
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_ToText);

}  // namespace
}  // namespace mensurex
