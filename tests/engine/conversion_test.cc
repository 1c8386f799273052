#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "conversion_steps.h"
#include "tests/shared/edge_case_rows.h"

// The row's name in test output.
namespace mensurex::testing {
void PrintTo(const EdgeCaseRow& row, std::ostream* os) { *os << row.name; }
}  // namespace mensurex::testing

namespace mensurex {
namespace {

using mensurex::testing::EdgeCaseRow;
using mensurex::testing::kEdgeCaseRows;

ResultTexts TextsOf(const EdgeCaseRow& row) {
  ResultTexts texts;
  std::copy(row.texts.begin(), row.texts.end(), texts.begin());
  return texts;
}

const EntrySeparators kUs = LocaleEntrySeparators(".", ",", 3, 3, U'0');

class ConversionTableTest : public ::testing::TestWithParam<EdgeCaseRow> {};

TEST_P(ConversionTableTest, GivesAllSevenTexts) {
  const EdgeCaseRow& row = GetParam();
  const auto texts = ConvertEntryToTexts(row.unit, row.entry, kUs);
  ASSERT_TRUE(texts.ok());
  EXPECT_EQ(*texts, TextsOf(row));
}

// German separators: the same digits, with a decimal comma both ways.
TEST_P(ConversionTableTest, GivesTheSameDigitsWithGermanSeparators) {
  const auto to_comma = [](std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
  };
  const EdgeCaseRow& row = GetParam();
  const auto texts =
      ConvertEntryToTexts(row.unit, to_comma(row.entry),
                          LocaleEntrySeparators(",", ".", 3, 3, U'0'));
  ASSERT_TRUE(texts.ok());
  for (std::size_t i = 0; i < row.texts.size(); ++i) {
    EXPECT_EQ((*texts)[i], to_comma(row.texts[i])) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ConversionTableTest,
                         ::testing::ValuesIn(kEdgeCaseRows));

TEST(ConversionTest, ZeroGivesZeroInEveryUnit) {
  for (const StorageUnit unit : kAllStorageUnits) {
    for (const char* zero : {"0", "-0", "0.000", "0e5"}) {
      const auto texts = ConvertEntryToTexts(unit, zero, kUs);
      ASSERT_TRUE(texts.ok());
      for (const std::string& text : *texts) EXPECT_EQ(text, "0");
    }
  }
}

struct FailureCase {
  std::string entry;
  StorageUnit unit;
  ConversionFailure failure;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << '"' << c.entry << "\" unit " << UnitIndex(c.unit);
}

class ConversionFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ConversionFailureTest, FailsAsAWhole) {
  const FailureCase& c = GetParam();
  const auto texts = ConvertEntryToTexts(c.unit, c.entry, kUs);
  ASSERT_FALSE(texts.ok());
  EXPECT_EQ(texts.failure(), c.failure);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ConversionFailureTest,
    ::testing::Values(
        // The bytes value reaches 2^96.
        FailureCase{"68719476736", StorageUnit::kExabytes,
                    ConversionFailure::kOverflow},
        FailureCase{"-68719476736", StorageUnit::kExabytes,
                    ConversionFailure::kOverflow},
        FailureCase{"70368744177664", StorageUnit::kPetabytes,
                    ConversionFailure::kOverflow},
        FailureCase{"72057594037927936", StorageUnit::kTerabytes,
                    ConversionFailure::kOverflow},
        FailureCase{"79228162514264337593543950336", StorageUnit::kBytes,
                    ConversionFailure::kOverflow},
        FailureCase{"1e300", StorageUnit::kMegabytes,
                    ConversionFailure::kOverflow},
        // Beyond the double range: an overflow, not a refusal.
        FailureCase{"1E400", StorageUnit::kKilobytes,
                    ConversionFailure::kOverflow},
        FailureCase{"1.7e308", StorageUnit::kGigabytes,
                    ConversionFailure::kOverflow},
        FailureCase{"abc", StorageUnit::kBytes, ConversionFailure::kNotNumeric},
        FailureCase{"1,5", StorageUnit::kKilobytes,
                    ConversionFailure::kNotNumeric},
        FailureCase{"", StorageUnit::kExabytes,
                    ConversionFailure::kNotNumeric}));

TEST(ConversionTest, LargestEntriesStillConvert) {
  // Just below 2^(96 - 10 * index) of each unit.
  const std::array<std::string, kStorageUnitCount> largest = {
      "79228162514264300000000000000",
      "77371252455336200000000000",
      "75557863725914300000000",
      "73786976294838200000",
      "72057594037927900",
      "70368744177663",
      "68719476735"};
  for (const StorageUnit unit : kAllStorageUnits) {
    const std::string& entry =
        largest[static_cast<std::size_t>(UnitIndex(unit))];
    EXPECT_TRUE(ConvertEntryToTexts(unit, entry, kUs).ok())
        << "unit " << UnitIndex(unit);
  }
}

TEST(ConversionTest, FormatResultsFailsWithoutAnyText) {
  // A double value beyond 2^96 in a later position spoils all seven.
  const ConversionResult result{
      {ResultValue(1.0), ResultValue(2.0), ResultValue(3.0), ResultValue(4.0),
       ResultValue(5.0), ResultValue(6.0), ResultValue(1e30)}};
  const auto texts = FormatResults(result, ".");
  ASSERT_FALSE(texts.ok());
  EXPECT_EQ(texts.failure(), ConversionFailure::kOverflow);
}

}  // namespace
}  // namespace mensurex
