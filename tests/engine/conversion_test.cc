#include "mensurex/conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace mensurex {
namespace {

struct ConversionCase {
  std::string entry;
  StorageUnit unit;
  ResultTexts texts;
};

void PrintTo(const ConversionCase& c, std::ostream* os) {
  *os << '"' << c.entry << "\" " << UnitCaption(c.unit);
}

const ConversionCase kCases[] = {
    {"1",
     StorageUnit::kKilobytes,
     {"1024", "1", "0.0009765625", "0.00000095367431640625",
      "0.000000000931322574615479", "0.000000000000909494701772928",
      "0.0000000000000008881784197001"}},
    {"1",
     StorageUnit::kExabytes,
     {"1152921504606846976", "1125899906842624", "1099511627776", "1073741824",
      "1048576", "1024", "1"}},
    {"1",
     StorageUnit::kPetabytes,
     {"1125899906842624", "1099511627776", "1073741824", "1048576", "1024", "1",
      "0.0009765625"}},
    {"1",
     StorageUnit::kTerabytes,
     {"1099511627776", "1073741824", "1048576", "1024", "1", "0.0009765625",
      "0.00000095367431640625"}},
    {"100",
     StorageUnit::kMegabytes,
     {"104857600", "102400", "100", "0.09765625", "0.000095367431640625",
      "0.0000000931322574615479", "0.0000000000909494701772928"}},
    {"0.1",
     StorageUnit::kExabytes,
     {"115292150460684697.6", "112589990684262.4", "109951162777.6",
      "107374182.4", "104857.6", "102.4", "0.1"}},
    {"-1",
     StorageUnit::kKilobytes,
     {"-1024", "-1", "-0.0009765625", "-0.00000095367431640625",
      "-0.000000000931322574615479", "-0.000000000000909494701772928",
      "-0.0000000000000008881784197001"}},
    {"1",
     StorageUnit::kBytes,
     {"1", "0.0009765625", "0.00000095367431640625",
      "0.000000000931322574615479", "0.000000000000909494701772928",
      "0.0000000000000008881784197001", "0.000000000000000000867361738"}},
    {"68719476735",
     StorageUnit::kExabytes,
     {"79228162513111416088937103360", "77371252454210367274352640",
      "75557863724814800000000", "73786976293764500000", "72057594036879400",
      "70368744176640", "68719476735"}},
};

class ConversionTableTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTableTest, GivesAllSevenTexts) {
  const ConversionCase& c = GetParam();
  const auto texts = ConvertEntryToTexts(c.unit, c.entry, EntrySeparators{});
  ASSERT_TRUE(texts.ok());
  EXPECT_EQ(*texts, c.texts);
}

// German separators: the same digits, with a decimal comma both ways.
TEST_P(ConversionTableTest, GivesTheSameDigitsWithGermanSeparators) {
  const auto to_comma = [](std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
  };
  const ConversionCase& c = GetParam();
  const auto texts = ConvertEntryToTexts(
      c.unit, to_comma(c.entry), LocaleEntrySeparators(",", ".", 3, 3, U'0'));
  ASSERT_TRUE(texts.ok());
  for (std::size_t i = 0; i < c.texts.size(); ++i) {
    EXPECT_EQ((*texts)[i], to_comma(c.texts[i])) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ConversionTableTest, testing::ValuesIn(kCases));

TEST(ConversionTest, ZeroGivesZeroInEveryUnit) {
  for (const StorageUnit unit : kAllStorageUnits) {
    for (const char* zero : {"0", "-0", "0.000", "0e5"}) {
      const auto texts = ConvertEntryToTexts(unit, zero, EntrySeparators{});
      ASSERT_TRUE(texts.ok());
      for (const std::string& text : *texts) EXPECT_EQ(text, "0");
    }
  }
}

TEST(ConversionTest, ResultKindsFollowTheTable) {
  // Exact cells hold decimals; every other cell holds a double.
  const std::array<std::array<bool, kStorageUnitCount>, kStorageUnitCount>
      decimal = {{{false, false, false, false, false, true, true},
                  {false, false, false, false, false, false, true},
                  {},
                  {},
                  {},
                  {true, false, false, false, false, false, false},
                  {true, true, false, false, false, false, false}}};
  for (const StorageUnit unit : kAllStorageUnits) {
    const auto result = ConvertEntry(unit, "3", EntrySeparators{});
    ASSERT_TRUE(result.ok());
    for (std::size_t i = 0; i < kStorageUnitCount; ++i) {
      EXPECT_EQ(result->values[i].is_decimal(),
                decimal[static_cast<std::size_t>(UnitIndex(unit))][i])
          << UnitCaption(unit) << " " << i;
    }
  }
}

struct FailureCase {
  std::string entry;
  StorageUnit unit;
  ConversionFailure failure;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << '"' << c.entry << "\" " << UnitCaption(c.unit);
}

class ConversionFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ConversionFailureTest, FailsAsAWhole) {
  const FailureCase& c = GetParam();
  const auto texts = ConvertEntryToTexts(c.unit, c.entry, EntrySeparators{});
  ASSERT_FALSE(texts.ok());
  EXPECT_EQ(texts.failure(), c.failure);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ConversionFailureTest,
    testing::Values(
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
    EXPECT_TRUE(ConvertEntryToTexts(unit, entry, EntrySeparators{}).ok())
        << UnitCaption(unit);
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

TEST(ConversionTest, ExactConstantsComeFromTheirText) {
  EXPECT_EQ(PETABYTE_EXACT().ToText("."), "1125899906842624");
  EXPECT_EQ(EXABYTE_EXACT().ToText("."), "1152921504606846976");
}

}  // namespace
}  // namespace mensurex
