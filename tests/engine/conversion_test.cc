#include "mensurex/conversion.h"

#include <gtest/gtest.h>

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

INSTANTIATE_TEST_SUITE_P(Table, ConversionTableTest, testing::ValuesIn(kCases));

}  // namespace
}  // namespace mensurex
