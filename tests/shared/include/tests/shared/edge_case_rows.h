// The conversions whose seven result texts are known exactly, shared by the
// engine's tests and the main window's: the worked examples of the
// conversion table and its boundary rows (US English separators).
#ifndef MENSUREX_TESTS_SHARED_EDGE_CASE_ROWS_H_
#define MENSUREX_TESTS_SHARED_EDGE_CASE_ROWS_H_

#include <array>

#include "amounts/storage_unit.h"

namespace mensurex::testing {

struct EdgeCaseRow {
  const char* name;
  const char* entry;
  StorageUnit unit;
  // In unit order, bytes first, as the result boxes show them.
  std::array<const char*, kStorageUnitCount> texts;
};

inline constexpr EdgeCaseRow kEdgeCaseRows[] = {
    {"1 KB",
     "1",
     StorageUnit::kKilobytes,
     {"1024", "1", "0.0009765625", "0.00000095367431640625",
      "0.000000000931322574615479", "0.000000000000909494701772928",
      "0.0000000000000008881784197001"}},
    {"1 EB",
     "1",
     StorageUnit::kExabytes,
     {"1152921504606846976", "1125899906842624", "1099511627776", "1073741824",
      "1048576", "1024", "1"}},
    {"1 PB",
     "1",
     StorageUnit::kPetabytes,
     {"1125899906842624", "1099511627776", "1073741824", "1048576", "1024", "1",
      "0.0009765625"}},
    {"1 TB",
     "1",
     StorageUnit::kTerabytes,
     {"1099511627776", "1073741824", "1048576", "1024", "1", "0.0009765625",
      "0.00000095367431640625"}},
    {"100 MB",
     "100",
     StorageUnit::kMegabytes,
     {"104857600", "102400", "100", "0.09765625", "0.000095367431640625",
      "0.0000000931322574615479", "0.0000000000909494701772928"}},
    {"0.1 EB",
     "0.1",
     StorageUnit::kExabytes,
     {"115292150460684697.6", "112589990684262.4", "109951162777.6",
      "107374182.4", "104857.6", "102.4", "0.1"}},
    {"-1 KB",
     "-1",
     StorageUnit::kKilobytes,
     {"-1024", "-1", "-0.0009765625", "-0.00000095367431640625",
      "-0.000000000931322574615479", "-0.000000000000909494701772928",
      "-0.0000000000000008881784197001"}},
    // An exact quotient beside a double cut to 15 digits.
    {"1 B",
     "1",
     StorageUnit::kBytes,
     {"1", "0.0009765625", "0.00000095367431640625",
      "0.000000000931322574615479", "0.000000000000909494701772928",
      "0.0000000000000008881784197001", "0.000000000000000000867361738"}},
    // The largest whole number of exabytes whose bytes fit 96 bits.
    {"largest exabytes",
     "68719476735",
     StorageUnit::kExabytes,
     {"79228162513111416088937103360", "77371252454210367274352640",
      "75557863724814800000000", "73786976293764500000", "72057594036879400",
      "70368744176640", "68719476735"}},
};

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_SHARED_EDGE_CASE_ROWS_H_
