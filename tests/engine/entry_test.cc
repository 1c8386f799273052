#include "mensurex/entry.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace mensurex {
namespace {

const EntrySeparators kUs{".", ","};
const EntrySeparators kGerman{",", "."};
// French: decimal comma, narrow no-break space (U+202F) between groups.
const EntrySeparators kFrench{",", "\u202F"};

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Accepted {
  std::string text;
  double value;
};

void PrintTo(const Accepted& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

// Both functions must agree: a value exactly when the test says numeric.
void ExpectValue(std::string_view text, const EntrySeparators& separators,
                 double expected) {
  EXPECT_TRUE(IsNumericEntry(text, separators)) << text;
  const Outcome<double> value = EntryToDouble(text, separators);
  ASSERT_TRUE(value.ok()) << text;
  EXPECT_EQ(*value, expected) << text;
  EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << text;
}

void ExpectRefused(std::string_view text, const EntrySeparators& separators) {
  EXPECT_FALSE(IsNumericEntry(text, separators)) << text;
  const Outcome<double> value = EntryToDouble(text, separators);
  ASSERT_FALSE(value.ok()) << text;
  EXPECT_EQ(value.failure(), ConversionFailure::kNotNumeric);
}

class UsAcceptedTest : public testing::TestWithParam<Accepted> {};
TEST_P(UsAcceptedTest, HasValue) {
  ExpectValue(GetParam().text, kUs, GetParam().value);
}
INSTANTIATE_TEST_SUITE_P(
    Entries, UsAcceptedTest,
    testing::Values(
        Accepted{"100", 100}, Accepted{"  100 \t", 100}, Accepted{"\t100", 100},
        Accepted{"-2.5", -2.5}, Accepted{"+.5", 0.5}, Accepted{"1,024", 1024},
        Accepted{"1.5E3", 1500}, Accepted{"1e-3", 0.001}, Accepted{"1.", 1},
        Accepted{"1.e2", 100}, Accepted{"1,048,576", 1048576},
        Accepted{"12,345.5", 12345.5},
        Accepted{"-1,000,000.25E-2", -10000.0025}, Accepted{"007", 7},
        Accepted{"0.011", 0.011}, Accepted{"1E+3", 1000}, Accepted{"-0", -0.0},
        Accepted{"0e999999999999999", 0}, Accepted{"1E400", kInf},
        Accepted{"-1E400", -kInf}, Accepted{"1E-400", 0},
        Accepted{"-1E-400", -0.0}, Accepted{"1e999999999999999999", kInf},
        Accepted{"1e-999999999999999999", 0},
        Accepted{"0.0001e999999999999999999999999", kInf}));

class UsRefusedTest : public testing::TestWithParam<std::string> {};
TEST_P(UsRefusedTest, IsNotNumeric) { ExpectRefused(GetParam(), kUs); }
INSTANTIATE_TEST_SUITE_P(
    Entries, UsRefusedTest,
    testing::Values("", "   ", "\t", "abc", "12abc", "1.2.3", "--1", "1e",
                    "1e+", "e5", ".", "+", "-", "+-1", "- 1", "1 000",
                    // Misplaced grouping separators.
                    "1,5", "10,24", "0,011", ",100", "1,,024", "1,0245",
                    "1,024,", "1,024,5", "1,02", "1234,567", "0,100", "1.5,000",
                    "1e1,000", "1,024 ,000",
                    // Forms of other number readers.
                    "1D3", "1d3", "$5", "5$", "(5)", "&H10", "&O17", "0x10",
                    "inf", "nan", "1.5%",
                    // Other characters and scripts.
                    std::string("1\0", 2),
                    std::string("\0"
                                "1",
                                2),
                    "\xff"
                    "1",
                    "1\xc3", "\u0661\u0662", "\uFF11\uFF12", "1\u00A0000",
                    "\u00A01", "1\n", "\n1", "1\r"));

TEST(EntryGermanTest, CommaIsTheDecimalSeparator) {
  ExpectValue("1.024", kGerman, 1024);
  ExpectValue("1,5", kGerman, 1.5);
  ExpectValue("-1.048.576,25", kGerman, -1048576.25);
  ExpectValue("1,5E3", kGerman, 1500);
  ExpectValue(",5", kGerman, 0.5);
  ExpectRefused("0.5", kGerman);
  ExpectRefused("1.5", kGerman);
  ExpectRefused("1,024.5", kGerman);
  ExpectRefused("1,2,3", kGerman);
}

TEST(EntrySpaceGroupingTest, OrdinarySpaceStandsForTheNoBreakSpace) {
  ExpectValue("1\u202F024,5", kFrench, 1024.5);
  ExpectValue("1 048 576", kFrench, 1048576);
  ExpectValue(" 1 024 ", kFrench, 1024);
  ExpectRefused("1 02", kFrench);
  ExpectRefused("1  024", kFrench);
  ExpectRefused("1\u00A0024", kFrench);
  ExpectRefused("1.5", kFrench);
  ExpectValue("1\u00A0024", EntrySeparators{",", "\u00A0"}, 1024);
  ExpectValue("1 024", EntrySeparators{",", "\u00A0"}, 1024);
}

TEST(EntrySeparatorsTest, DecimalWinsWhenBothAreTheSame) {
  const EntrySeparators same{",", ","};
  ExpectValue("1,5", same, 1.5);
  ExpectValue("1,024", same, 1.024);
  ExpectRefused("1,024,5", same);
}

// glibc's strtod rounds correctly; the entry must give the same double.
double Strtod(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

TEST(EntryRoundingTest, LongDigitStringsRoundToNearest) {
  const std::string long_fraction = "0.1" + std::string(500, '0') + "1";
  ExpectValue(long_fraction, kUs, Strtod(long_fraction));
  ExpectValue("1234567890123456789012345678901234567890", kUs,
              Strtod("1234567890123456789012345678901234567890"));
  // 2^53 + 1 lies halfway between two doubles: ties go to even, and any
  // non-zero digit however far behind decides upwards.
  const std::string halfway = "9007199254740993";
  ExpectValue(halfway, kUs, 9007199254740992.0);
  ExpectValue(halfway + "." + std::string(5000, '0'), kUs, 9007199254740992.0);
  ExpectValue(halfway + "." + std::string(5000, '0') + "1", kUs,
              9007199254740994.0);
  ExpectValue("4.9e-324", kUs, std::numeric_limits<double>::denorm_min());
  ExpectValue("2e-324", kUs, 0);
  ExpectValue("1.7976931348623157e308", kUs,
              std::numeric_limits<double>::max());
  ExpectValue("1.7976931348623159e308", kUs, kInf);
}

TEST(EntryRoundingTest, AgreesWithStrtodOnRandomLongNumbers) {
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 3000; ++i) {
    std::string digits;
    const int count = 1 + static_cast<int>(random() % 45);
    for (int d = 0; d < count; ++d) {
      digits.push_back(static_cast<char>('0' + random() % 10));
    }
    const std::size_t point = random() % (digits.size() + 1);
    std::string text = digits.substr(0, point) + "." + digits.substr(point);
    if (point == 0 && text.size() == 1) text = "0";
    text += 'e';
    text += std::to_string(static_cast<int>(random() % 700) - 350);
    ExpectValue(text, kUs, Strtod(text));
  }
}

TEST(EntryRoundingTest, AgreesWithStrtodNearHalfwayPoints) {
  // The exact midpoint of two neighbouring doubles, written out in full,
  // then nudged by a digit far behind it.
  std::mt19937_64 random(7);
  for (int i = 0; i < 300; ++i) {
    const double low =
        std::ldexp(static_cast<double>(random() % (std::uint64_t{1} << 53)),
                   static_cast<int>(random() % 200) - 100);
    const long double midpoint =
        (static_cast<long double>(low) +
         static_cast<long double>(std::nextafter(low, kInf))) /
        2;
    char buffer[1200];
    auto* const end = std::to_chars(buffer, buffer + sizeof buffer, midpoint,
                                    std::chars_format::fixed, 200)
                          .ptr;
    std::string exact(buffer, end);
    while (exact.back() == '0') exact.pop_back();
    for (const std::string& text :
         {exact, exact + "0000000001", exact.substr(0, exact.size() - 1)}) {
      ExpectValue(text, kUs, Strtod(text));
    }
  }
}

// Huge texts: accepted or refused as their form says, in linear time.
TEST(EntryBadInputTest, HugeTextsAreSafe) {
  constexpr std::size_t kTenMegabytes = std::size_t{10} * 1024 * 1024;
  ExpectValue(std::string(kTenMegabytes, '1'), kUs, kInf);
  ExpectValue(std::string(kTenMegabytes, '0') + "1", kUs, 1);
  ExpectValue("0." + std::string(kTenMegabytes, '0') + "1", kUs, 0);
  ExpectValue(
      std::string(kTenMegabytes, ' ') + "5" + std::string(kTenMegabytes, '\t'),
      kUs, 5);
  ExpectRefused(std::string(kTenMegabytes, ','), kUs);
  ExpectRefused(std::string(kTenMegabytes, '.'), kUs);
  ExpectRefused("1" + std::string(kTenMegabytes, '\0'), kUs);
  ExpectRefused(std::string(kTenMegabytes, '\xff'), kUs);
  std::string grouped = "1";
  for (int i = 0; i < 1000000; ++i) grouped += ",000";
  ExpectValue(grouped, kUs, kInf);
  ExpectValue("1e" + std::string(kTenMegabytes, '9'), kUs, kInf);
  ExpectValue("1e-" + std::string(kTenMegabytes, '9'), kUs, 0);
}

}  // namespace
}  // namespace mensurex
