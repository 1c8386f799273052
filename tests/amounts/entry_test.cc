#include "amounts/entry.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace mensurex {
namespace {

// Separators with groups of three and ASCII digits only.
EntrySeparators Separators(std::string decimal, std::string grouping) {
  return LocaleEntrySeparators(std::move(decimal), std::move(grouping), 3, 3,
                               U'0');
}

const EntrySeparators kUs = Separators(".", ",");
const EntrySeparators kGerman = Separators(",", ".");
// French: decimal comma, narrow no-break space (U+202F) between groups.
const EntrySeparators kFrench = Separators(",", "\u202F");

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Accepted {
  std::string text;
  double value;
};

void PrintTo(const Accepted& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

// All three functions must agree: a value exactly when the test says
// numeric, and the exact decimal rounds to the same double.
void ExpectValue(std::string_view text, const EntrySeparators& separators,
                 double expected) {
  EXPECT_TRUE(IsNumericEntry(text, separators)) << text;
  const Outcome<double> value = EntryToDouble(text, separators);
  ASSERT_TRUE(value.ok()) << text;
  EXPECT_EQ(*value, expected) << text;
  EXPECT_EQ(std::signbit(*value), std::signbit(expected)) << text;
  const Outcome<Decimal> decimal = EntryToDecimal(text, separators);
  ASSERT_TRUE(decimal.ok()) << text;
  EXPECT_EQ(decimal->negative, std::signbit(expected)) << text;
  if (decimal->digits.size() <= 1000) {
    const std::string exact = (decimal->negative ? "-0" : "0") +
                              decimal->digits + "e" +
                              std::to_string(decimal->exponent);
    EXPECT_EQ(std::strtod(exact.c_str(), nullptr), expected) << text;
  }
}

void ExpectRefused(std::string_view text, const EntrySeparators& separators) {
  EXPECT_FALSE(IsNumericEntry(text, separators)) << text;
  const Outcome<double> value = EntryToDouble(text, separators);
  ASSERT_FALSE(value.ok()) << text;
  EXPECT_EQ(value.failure(), ConversionFailure::kNotNumeric);
  const Outcome<Decimal> decimal = EntryToDecimal(text, separators);
  ASSERT_FALSE(decimal.ok()) << text;
  EXPECT_EQ(decimal.failure(), ConversionFailure::kNotNumeric);
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
        Accepted{"0.0001e999999999999999999999999", kInf},
        // What a paste from a terminal or a spreadsheet cell brings.
        Accepted{"100\n", 100}, Accepted{"\r\n100\r\n", 100},
        Accepted{"\u00A0100\u202F", 100}, Accepted{"\u2007-1.5\t\n", -1.5},
        // Every space separator, as every door reads them.
        Accepted{"\u2009"
                 "1\u3000",
                 1}));

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
                    "1\xc3",
                    "\u0661"
                    "2",
                    "\u0966\u0E51", "1'000",
                    // Blanks inside the number.
                    "1\u00A0000", "1\n000", "1\r\n0", "1\n.5", "- 1\n"));

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

// Locales whose numbers are not "groups of three with one character".
struct LocaleCase {
  const char* locale;
  std::string text;
  std::optional<double> value;  // nullopt: refused
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
  *os << c.locale << " \"" << c.text << '"';
}

EntrySeparators LocaleByName(std::string_view name) {
  if (name == "hi_IN") return LocaleEntrySeparators(".", ",", 3, 2, U'0');
  if (name == "hi_IN or 3") {
    EntrySeparators separators = LocaleEntrySeparators(".", ",", 3, 3, U'0');
    separators.alternative_higher_group_size = 2;
    return separators;
  }
  if (name == "fr_FR") return kFrench;
  if (name == "de_DE") return kGerman;
  if (name == "de_CH") return LocaleEntrySeparators(".", "\u2019", 3, 3, U'0');
  if (name == "ar_EG") {
    return LocaleEntrySeparators("\u066B", "\u066C", 3, 3, U'\u0660');
  }
  if (name == "ar_EG, typed .") {
    EntrySeparators separators =
        LocaleEntrySeparators("\u066B", "\u066C", 3, 3, U'\u0660');
    separators.decimal_alternatives = {"."};
    return separators;
  }
  return kUs;
}

class LocaleEntryTest : public testing::TestWithParam<LocaleCase> {};
TEST_P(LocaleEntryTest, ReadsTheLocalesOwnForms) {
  const LocaleCase& c = GetParam();
  if (c.value) {
    ExpectValue(c.text, LocaleByName(c.locale), *c.value);
  } else {
    ExpectRefused(c.text, LocaleByName(c.locale));
  }
}
INSTANTIATE_TEST_SUITE_P(
    Entries, LocaleEntryTest,
    testing::Values(
        // Groups of three next to the decimal separator, then of two.
        LocaleCase{"hi_IN", "12,34,567.5", 1234567.5},
        LocaleCase{"hi_IN", "1,00,000", 100000},
        LocaleCase{"hi_IN", "12,345", 12345},
        LocaleCase{"hi_IN", "1,000", 1000},
        LocaleCase{"hi_IN", "1234567", 1234567},
        LocaleCase{"hi_IN", "1,234,567", std::nullopt},
        LocaleCase{"hi_IN", "123,456", std::nullopt},
        LocaleCase{"hi_IN", "1,00,00", std::nullopt},
        LocaleCase{"hi_IN", "12,3456", std::nullopt},
        LocaleCase{"hi_IN", "0,00,000", std::nullopt},
        // Every kind of space where the locale groups with one.
        LocaleCase{"fr_FR", "1\u202F024,5", 1024.5},
        LocaleCase{"fr_FR", "1\u00A0234,5", 1234.5},
        LocaleCase{"fr_FR", "1 048\u2009576", 1048576},
        LocaleCase{"fr_FR", "1\u2007024", 1024},
        LocaleCase{"fr_FR", " 1 024 ", 1024},
        LocaleCase{"fr_FR", "1 02", std::nullopt},
        LocaleCase{"fr_FR", "1  024", std::nullopt},
        LocaleCase{"fr_FR", "1\u3000024", 1024},
        LocaleCase{"fr_FR", "1.5", std::nullopt},
        // The keyboard's apostrophe for the typographic one.
        LocaleCase{"de_CH", "1'234.5", 1234.5},
        LocaleCase{"de_CH", "1\u2019234.5", 1234.5},
        LocaleCase{"de_CH", "1'23", std::nullopt},
        LocaleCase{"de_CH", "1`234", std::nullopt},
        // Native digits, or ASCII ones, but never both in one entry.
        LocaleCase{"ar_EG", "\u0661\u066B\u0665", 1.5},
        LocaleCase{"ar_EG", "\u0661\u066C\u0662\u0663\u0664\u066B\u0665",
                   1234.5},
        LocaleCase{"ar_EG", "-\u0669\u0660E\u0662", -9000},
        LocaleCase{"ar_EG", "1\u066C234\u066B5", 1234.5},
        LocaleCase{"ar_EG",
                   "\u0661"
                   "2",
                   std::nullopt},
        LocaleCase{"ar_EG",
                   "\u0661\u066B"
                   "5",
                   std::nullopt},
        LocaleCase{"ar_EG", "1E\u0663", std::nullopt},
        LocaleCase{"ar_EG", "\u0660\u066C\u0661\u0662\u0663", std::nullopt},
        // Every digit system of the program's languages, in every locale.
        LocaleCase{"ar_EG", "\u06F1\u06F5", 15},
        LocaleCase{"en_US", "\u0661\u066C\u0660\u0662\u0664", std::nullopt},
        LocaleCase{"en_US", "\u0661,\u0660\u0662\u0664.\u0665", 1024.5},
        LocaleCase{"hi_IN", "\u0967\u096B,\u0966\u0966\u0966.\u096B", 15000.5},
        LocaleCase{"de_DE", "\u0E51,\u0E55", 1.5},
        LocaleCase{"hi_IN", "\u0967\u0661", std::nullopt},
        // A second size for the higher groups, where two sources of a
        // locale's conventions differ.
        LocaleCase{"hi_IN or 3", "1,50,000", 150000},
        LocaleCase{"hi_IN or 3", "1,234,567", 1234567},
        LocaleCase{"hi_IN or 3", "1,234,56,789", std::nullopt},
        LocaleCase{"hi_IN or 3", "1234,567", std::nullopt},
        LocaleCase{"ar_EG", "1.5", std::nullopt},
        // A "." typed for the decimal separator, in either digit form.
        LocaleCase{"ar_EG, typed .", "1.5", 1.5},
        LocaleCase{"ar_EG, typed .", "1\u066C234.5", 1234.5},
        LocaleCase{"ar_EG, typed .", "\u0661.\u0665", 1.5},
        LocaleCase{"ar_EG, typed .", "1\u066B5", 1.5},
        LocaleCase{"ar_EG, typed .", "1.2.3", std::nullopt},
        LocaleCase{"ar_EG, typed .", "1,5", std::nullopt},
        // What an East Asian input method types, in full width or not.
        LocaleCase{"en_US", "\uFF11\uFF10\uFF12\uFF14", 1024},
        LocaleCase{"en_US", "-\uFF11\uFF0C\uFF10\uFF12\uFF14\uFF0E\uFF15",
                   -1024.5},
        LocaleCase{"en_US", "\uFF11,\uFF10\uFF12\uFF14.\uFF15e\uFF13", 1024500},
        LocaleCase{"de_DE", "\uFF11\uFF0E\uFF10\uFF12\uFF14\uFF0C\uFF15",
                   1024.5},
        LocaleCase{"fr_FR", "\uFF11\uFF0C\uFF15", 1.5},
        LocaleCase{"en_US", "1\uFF0E5", 1.5},
        LocaleCase{"en_US",
                   "\uFF11"
                   "024",
                   std::nullopt},
        LocaleCase{"en_US", "\uFF11e3", std::nullopt},
        LocaleCase{"en_US", "\uFF11\uFF25\uFF13", std::nullopt},
        LocaleCase{"en_US", "\uFF11\uFF0C\uFF15", std::nullopt},
        LocaleCase{"fr_FR", "\uFF11\uFF0E\uFF15", std::nullopt},
        LocaleCase{"ar_EG", "\u0661\uFF12", std::nullopt},
        // U+0661 in an overlong three-byte form is no character at all.
        LocaleCase{"ar_EG", "\xE0\x99\xA1", std::nullopt}));

TEST(EntrySeparatorsTest, DecimalWinsWhenBothAreTheSame) {
  const EntrySeparators same = Separators(",", ",");
  ExpectValue("1,5", same, 1.5);
  ExpectValue("1,024", same, 1.024);
  ExpectRefused("1,024,5", same);
}

// Every digit is kept, however many a double would lose.
TEST(EntryDecimalTest, KeepsEveryDigit) {
  const auto expect = [](std::string_view text,
                         const EntrySeparators& separators, bool negative,
                         std::string_view digits, std::int64_t exponent) {
    const Outcome<Decimal> decimal = EntryToDecimal(text, separators);
    ASSERT_TRUE(decimal.ok()) << text;
    EXPECT_EQ(decimal->negative, negative) << text;
    EXPECT_EQ(decimal->digits, digits) << text;
    EXPECT_EQ(decimal->exponent, exponent) << text;
  };
  expect("1,152,921,504,606,846,977", kUs, false, "1152921504606846977", 0);
  expect(" -0.00120E5 ", kUs, true, "12", 1);
  expect("1.048.576,500", kGerman, false, "10485765", -1);
  expect("007", kUs, false, "7", 0);
  expect("0.000", kUs, false, "", 0);
  expect("-0e999999999999999", kUs, true, "", 0);
  expect("\u0661\u066C\u0662\u0663\u0664\u066B\u0665", LocaleByName("ar_EG"),
         false, "12345", -1);
  expect("1" + std::string(100, '0') + "1", kUs, false,
         "1" + std::string(100, '0') + "1", 0);
  // Saturated exponents still order the values correctly.
  const Outcome<Decimal> huge = EntryToDecimal("1e99999999999999999999", kUs);
  const Outcome<Decimal> tiny = EntryToDecimal("1e-99999999999999999999", kUs);
  ASSERT_TRUE(huge.ok() && tiny.ok());
  EXPECT_GT(huge->exponent, 1'000'000'000);
  EXPECT_LT(tiny->exponent, -1'000'000'000);
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
