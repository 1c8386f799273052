// One whole calculation per iteration, as the Calculate command runs it: the
// numeric test, then the conversion (parsing, seven values) and the seven
// texts.
#include <benchmark/benchmark.h>

#include "mensurex/conversion.h"
#include "mensurex/entry.h"

namespace mensurex {
namespace {

void BM_WholeConversion(benchmark::State& state) {
  const StorageUnit unit = *UnitFromIndex(static_cast<int>(state.range(0)));
  const EntrySeparators separators;
  const std::string entry = "1,234.5678";
  state.SetLabel(std::string(UnitCaption(unit)));
  for (auto _ : state) {
    const bool numeric = IsNumericEntry(entry, separators);
    benchmark::DoNotOptimize(numeric);
    auto texts = ConvertEntryToTexts(unit, entry, separators);
    benchmark::DoNotOptimize(texts);
  }
}
BENCHMARK(BM_WholeConversion)->DenseRange(0, 6);

void BM_EntryToDouble(benchmark::State& state) {
  const EntrySeparators separators;
  for (auto _ : state) {
    auto value = EntryToDouble("1,234.5678", separators);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_EntryToDouble);

void BM_DivideByExabyte(benchmark::State& state) {
  const ScaledDecimal exabyte = EXABYTE_EXACT();
  for (auto _ : state) {
    auto value = ScaledDecimal::Divide(1234.5678, exabyte);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_DivideByExabyte);

void BM_FromDouble(benchmark::State& state) {
  for (auto _ : state) {
    auto value = ScaledDecimal::FromDouble(0.000000000931322574615478515625);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_FromDouble);

}  // namespace
}  // namespace mensurex
