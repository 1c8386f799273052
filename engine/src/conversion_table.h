// The conversion table: how each value of a conversion is computed, by
// selected unit (row) and result unit (column). The kind of a cell shows in
// the digits of its result, so the table is fixed data, not a formula.
#ifndef MENSUREX_ENGINE_SRC_CONVERSION_TABLE_H_
#define MENSUREX_ENGINE_SRC_CONVERSION_TABLE_H_

#include <array>
#include <cstddef>

#include "amounts/storage_unit.h"

namespace mensurex {

enum class CellKind {
  // x times 2^shift in double arithmetic (x itself for shift 0, a division
  // by 2^-shift for a negative shift). A double.
  kPlain,
  // The double value of the cell to the left divided by 1024.
  kChained,
  // x as a ScaledDecimal (15 significant digits) times the exact 2^shift, or
  // divided by the exact 2^-shift. A ScaledDecimal.
  kExact,
};

struct ConversionCell {
  CellKind kind = CellKind::kPlain;
  int shift = 0;  // unused by chained cells
};

using ConversionRow = std::array<ConversionCell, kStorageUnitCount>;

namespace conversion_cells {
constexpr ConversionCell P(int shift) { return {CellKind::kPlain, shift}; }
constexpr ConversionCell E(int shift) { return {CellKind::kExact, shift}; }
inline constexpr ConversionCell C = {CellKind::kChained, 0};
}  // namespace conversion_cells

// Rows and columns in unit order, bytes first.
inline constexpr std::array<ConversionRow, kStorageUnitCount> kConversionTable =
    [] {
      using conversion_cells::C;
      using conversion_cells::E;
      using conversion_cells::P;
      return std::array<ConversionRow, kStorageUnitCount>{{
          {P(0), P(-10), P(-20), P(-30), P(-40), E(-50), E(-60)},
          {P(10), P(0), P(-10), P(-20), P(-30), P(-40), E(-50)},
          {P(20), P(10), P(0), C, C, C, C},
          {P(30), P(20), P(10), P(0), C, C, C},
          {P(40), P(30), P(20), P(10), C, C, C},
          {E(50), P(40), P(30), P(20), P(10), C, C},
          {E(60), E(50), P(40), P(30), P(20), C, C},
      }};
    }();

}  // namespace mensurex

#endif  // MENSUREX_ENGINE_SRC_CONVERSION_TABLE_H_
