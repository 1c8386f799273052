#include "scaled_decimal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/shared/fifteen_digits.h"

namespace mensurex {
namespace {

// ---------------------------------------------------------------------------
// An exact reference written apart from the engine: non-negative integers as
// decimal digit strings (most significant first, no leading zeros, "0" for
// zero), so that dropping decimal places is cutting characters.

using Digits = std::string;

Digits Normalised(const Digits& d) {
  const std::size_t first = d.find_first_not_of('0');
  return first == Digits::npos ? "0" : d.substr(first);
}

int CompareDigits(const Digits& a, const Digits& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

Digits AddDigits(const Digits& a, const Digits& b) {
  Digits sum;
  int carry = 0;
  for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
    const int x = i < a.size() ? a[a.size() - 1 - i] - '0' : 0;
    const int y = i < b.size() ? b[b.size() - 1 - i] - '0' : 0;
    sum.push_back(static_cast<char>('0' + (x + y + carry) % 10));
    carry = (x + y + carry) / 10;
  }
  std::reverse(sum.begin(), sum.end());
  return Normalised(sum);
}

// a - b for a >= b.
Digits SubtractDigits(const Digits& a, const Digits& b) {
  Digits difference = a;
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::size_t at = a.size() - 1 - i;
    int x =
        a[at] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    borrow = x < 0 ? 1 : 0;
    difference[at] = static_cast<char>('0' + x + 10 * borrow);
  }
  return Normalised(difference);
}

Digits MultiplyDigits(const Digits& a, const Digits& b) {
  std::vector<int> product(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) {
      product[i + j + 1] += (a[i] - '0') * (b[j] - '0');
    }
  }
  for (std::size_t i = product.size() - 1; i > 0; --i) {
    product[i - 1] += product[i] / 10;
    product[i] %= 10;
  }
  Digits text;
  for (const int d : product) text.push_back(static_cast<char>('0' + d));
  return Normalised(text);
}

// Schoolbook long division, one decimal digit at a time.
void DivideDigits(const Digits& numerator, const Digits& divisor,
                  Digits* quotient, Digits* remainder) {
  std::array<Digits, 10> multiples;
  multiples[0] = "0";
  for (int i = 1; i < 10; ++i)
    multiples[i] = AddDigits(multiples[i - 1], divisor);
  Digits q;
  Digits r = "0";
  for (const char c : numerator) {
    r += c;
    r = Normalised(r);
    int digit = 9;
    while (CompareDigits(multiples[digit], r) > 0) --digit;
    r = SubtractDigits(r, multiples[digit]);
    q.push_back(static_cast<char>('0' + digit));
  }
  *quotient = Normalised(q);
  *remainder = r;
}

const Digits kTwoPow96 = "79228162514264337593543950336";

struct Reference {
  bool negative;
  Digits magnitude;
  int scale;
};

Digits MagnitudeDigits(const ScaledDecimal& d) {
  return AddDigits(
      MultiplyDigits(std::to_string(d.high32()), "18446744073709551616"),
      std::to_string(d.low64()));
}

// kept rounded up when the dropped digits (and a non-zero tail behind them,
// if any) are more than half of one unit of kept, or exactly half and kept
// is odd.
Digits RoundHalfEven(const Digits& kept, const Digits& dropped,
                     bool nonzero_tail) {
  const bool odd = (kept.back() - '0') % 2 == 1;
  const bool rest_nonzero =
      nonzero_tail || dropped.find_first_not_of('0', 1) != Digits::npos;
  const bool up =
      dropped[0] > '5' || (dropped[0] == '5' && (rest_nonzero || odd));
  return up ? AddDigits(kept, "1") : kept;
}

// Splits value into the part above the last `count` digits and those digits.
void SplitLast(const Digits& value, int count, Digits* kept, Digits* dropped) {
  const Digits padded =
      Digits(std::max<std::size_t>(
                 0, count + 1 - std::min<std::size_t>(value.size(), count + 1)),
             '0') +
      value;
  *kept = Normalised(padded.substr(0, padded.size() - count));
  *dropped = padded.substr(padded.size() - count);
}

std::optional<Reference> ReferenceProduct(const ScaledDecimal& a,
                                          const ScaledDecimal& b) {
  const Digits product = MultiplyDigits(MagnitudeDigits(a), MagnitudeDigits(b));
  const int scale = a.scale() + b.scale();
  for (int t = std::min(28, scale); t >= 0; --t) {
    Digits kept = product;
    if (t < scale) {
      Digits dropped;
      SplitLast(product, scale - t, &kept, &dropped);
      kept = RoundHalfEven(kept, dropped, false);
    }
    if (CompareDigits(kept, kTwoPow96) < 0) {
      return Reference{kept != "0" && a.negative() != b.negative(), kept, t};
    }
  }
  return std::nullopt;
}

std::optional<Reference> ReferenceQuotient(const ScaledDecimal& a,
                                           const ScaledDecimal& b) {
  // q28 = floor(a / b * 10^28); every coarser scale cuts digits from it.
  Digits q28;
  Digits remainder;
  const Digits divisor = MagnitudeDigits(b) + Digits(a.scale(), '0');
  DivideDigits(MagnitudeDigits(a) + Digits(b.scale() + 28, '0'), divisor, &q28,
               &remainder);
  const bool inexact = remainder != "0";
  for (int t = 28; t >= 0; --t) {
    Digits kept = q28;
    if (t == 28) {
      const int order = CompareDigits(AddDigits(remainder, remainder), divisor);
      if (order > 0 || (order == 0 && (q28.back() - '0') % 2 == 1)) {
        kept = AddDigits(q28, "1");
      }
    } else {
      Digits dropped;
      SplitLast(q28, 28 - t, &kept, &dropped);
      kept = RoundHalfEven(kept, dropped, inexact);
    }
    if (CompareDigits(kept, kTwoPow96) >= 0) continue;
    int scale = t;
    Digits unused;
    Digits cut;
    SplitLast(q28, 28 - t, &unused, &cut);
    const bool exact = !inexact && cut.find_first_not_of('0') == Digits::npos;
    // An exact quotient keeps only the decimal places it needs.
    while (exact && scale > 0 && (kept == "0" || kept.back() == '0')) {
      if (kept != "0") kept.pop_back();
      --scale;
    }
    return Reference{kept != "0" && a.negative() != b.negative(), kept, scale};
  }
  return std::nullopt;
}

ScaledDecimal RandomDecimal(std::mt19937_64& random) {
  const int kind = static_cast<int>(random() % 5);
  std::uint64_t low = random();
  std::uint32_t high = static_cast<std::uint32_t>(random());
  int scale = static_cast<int>(random() % 29);
  if (kind == 0) {
    // Just below 2^96.
    high = 0xFFFFFFFF;
    low = ~std::uint64_t{0} - random() % 1000;
  } else if (kind == 1) {
    // Near the smallest steps: many decimal places.
    scale = 28 - static_cast<int>(random() % 3);
  } else {
    // Any size.
    const int bits = 1 + static_cast<int>(random() % 96);
    if (bits <= 64) {
      high = 0;
      low = bits == 64 ? low : low & ((std::uint64_t{1} << bits) - 1);
    } else {
      high &= static_cast<std::uint32_t>((std::uint64_t{1} << (bits - 64)) - 1);
    }
  }
  return *ScaledDecimal::FromParts(random() % 2 == 1, high, low, scale);
}

void ExpectMatches(const Outcome<ScaledDecimal>& actual,
                   const std::optional<Reference>& expected,
                   const std::string& what) {
  ASSERT_EQ(actual.ok(), expected.has_value()) << what;
  if (!actual.ok()) {
    EXPECT_EQ(actual.failure(), ConversionFailure::kOverflow) << what;
    return;
  }
  EXPECT_EQ(MagnitudeDigits(*actual), expected->magnitude) << what;
  EXPECT_EQ(actual->scale(), expected->scale) << what;
  EXPECT_EQ(actual->negative(), expected->negative) << what;
}

std::string Describe(const ScaledDecimal& a, const char* op,
                     const ScaledDecimal& b) {
  return a.ToText(".") + " (scale " + std::to_string(a.scale()) + ") " + op +
         " " + b.ToText(".") + " (scale " + std::to_string(b.scale()) + ")";
}

TEST(ScaledDecimalArithmeticTest, MultiplyMatchesExactReference) {
  std::mt19937_64 random(96);
  for (int i = 0; i < 20000; ++i) {
    const ScaledDecimal a = RandomDecimal(random);
    const ScaledDecimal b = RandomDecimal(random);
    ExpectMatches(ScaledDecimal::Multiply(a, b), ReferenceProduct(a, b),
                  Describe(a, "*", b));
    if (HasFatalFailure()) return;
  }
}

TEST(ScaledDecimalArithmeticTest, DivideMatchesExactReference) {
  std::mt19937_64 random(28);
  for (int i = 0; i < 6000; ++i) {
    const ScaledDecimal a = RandomDecimal(random);
    ScaledDecimal b = RandomDecimal(random);
    if (b.is_zero()) b = *ScaledDecimal::FromText("3");
    ExpectMatches(ScaledDecimal::Divide(a, b), ReferenceQuotient(a, b),
                  Describe(a, "/", b));
    if (HasFatalFailure()) return;
  }
}

ScaledDecimal Text(std::string_view text) {
  return ScaledDecimal::FromText(text).value();
}

TEST(ScaledDecimalArithmeticTest, TiesRoundToEven) {
  const ScaledDecimal two = Text("2");
  EXPECT_EQ(ScaledDecimal::Divide(Text("0.0000000000000000000000000003"), two)
                ->ToText("."),
            "0.0000000000000000000000000002");
  EXPECT_EQ(ScaledDecimal::Divide(Text("0.0000000000000000000000000005"), two)
                ->ToText("."),
            "0.0000000000000000000000000002");
  EXPECT_EQ(ScaledDecimal::Multiply(Text("0.00000000000001"),
                                    Text("0.000000000000015"))
                ->ToText("."),
            "0.0000000000000000000000000002");
  EXPECT_EQ(ScaledDecimal::Multiply(Text("0.00000000000001"),
                                    Text("0.000000000000025"))
                ->ToText("."),
            "0.0000000000000000000000000002");
}

TEST(ScaledDecimalArithmeticTest, ExactQuotientKeepsOnlyNeededDigits) {
  const auto quarter = ScaledDecimal::Divide(Text("1.00"), Text("4"));
  ASSERT_TRUE(quarter.ok());
  EXPECT_EQ(quarter->scale(), 2);
  EXPECT_EQ(quarter->ToText("."), "0.25");
  const auto third = ScaledDecimal::Divide(Text("1"), Text("3"));
  EXPECT_EQ(third->ToText("."), "0.3333333333333333333333333333");
  // The integer part leaves room for fewer decimal places.
  EXPECT_EQ(ScaledDecimal::Divide(Text("100"), Text("3"))->ToText("."),
            "33.333333333333333333333333333");
  EXPECT_EQ(ScaledDecimal::Divide(Text("200"), Text("3"))->ToText("."),
            "66.666666666666666666666666667");
}

TEST(ScaledDecimalArithmeticTest, OverflowAndDivisionByZeroFail) {
  const ScaledDecimal max = Text("79228162514264337593543950335");
  EXPECT_TRUE(ScaledDecimal::Multiply(max, Text("1")).ok());
  EXPECT_FALSE(
      ScaledDecimal::Multiply(max, Text("1.0000000000000000000000000001"))
          .ok());
  EXPECT_FALSE(ScaledDecimal::Divide(max, Text("0.5")).ok());
  EXPECT_FALSE(ScaledDecimal::Divide(Text("1"), ScaledDecimal()).ok());
  EXPECT_FALSE(ScaledDecimal::Divide(ScaledDecimal(), ScaledDecimal()).ok());
  EXPECT_FALSE(
      ScaledDecimal::Multiply(Text("1152921504606846976"), Text("68719476736"))
          .ok());
  EXPECT_EQ(
      ScaledDecimal::Multiply(Text("1152921504606846976"), Text("68719476735"))
          ->ToText("."),
      "79228162513111416088937103360");
}

struct FromDoubleCase {
  double value;
  const char* text;
};

void PrintTo(const FromDoubleCase& c, std::ostream* os) { *os << c.text; }

class ScaledDecimalFromDoubleTest
    : public ::testing::TestWithParam<FromDoubleCase> {};

TEST_P(ScaledDecimalFromDoubleTest, KeepsFifteenSignificantDigits) {
  const Outcome<ScaledDecimal> decimal =
      ScaledDecimal::FromDouble(GetParam().value);
  ASSERT_TRUE(decimal.ok());
  EXPECT_EQ(decimal->ToText("."), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScaledDecimalFromDoubleTest,
    ::testing::Values(
        FromDoubleCase{0x1p40, "1099511627776"},
        FromDoubleCase{0x1p60, "1152921504606850000"},
        FromDoubleCase{0x1p-30, "0.000000000931322574615479"},
        FromDoubleCase{0x1p-20, "0.00000095367431640625"},
        FromDoubleCase{-0x1p-10, "-0.0009765625"}, FromDoubleCase{0.1, "0.1"},
        FromDoubleCase{-0.0, "0"},
        FromDoubleCase{1e-28, "0.0000000000000000000000000001"},
        FromDoubleCase{4e-29, "0"}, FromDoubleCase{-4e-29, "0"},
        FromDoubleCase{1.5e-28, "0.0000000000000000000000000002"},
        FromDoubleCase{1e15, "1000000000000000"},
        FromDoubleCase{123456789012345678.0, "123456789012346000"},
        FromDoubleCase{0x1p96 - 0x1p43, "79228162514264300000000000000"}));

using mensurex::testing::FifteenDigitsByPrintf;

TEST(ScaledDecimalFromDoubleTest, AgreesWithPrintfOnRandomDoubles) {
  std::mt19937_64 random(15);
  std::vector<double> values;
  values.reserve(20000);
  for (int i = 0; i < 20000; ++i) {
    // Any double from 10^-13 to 2^96 in size.
    values.push_back(
        std::ldexp(1.0 + static_cast<double>(random() >> 12) * 0x1p-52,
                   static_cast<int>(random() % 139) - 43));
  }
  // Doubles whose shortest text has 16 digits ending in 5: halfway cases
  // for the shortest text, decided by the exact value.
  for (int i = 0; i < 2000; ++i) {
    const std::string text =
        "0." + std::to_string(100000000000000 + random() % 900000000000000) +
        "5";
    values.push_back(std::strtod(text.c_str(), nullptr));
  }
  // Around powers of ten, where the number of integer digits changes.
  for (int exponent = -13; exponent <= 28; ++exponent) {
    const double power = std::pow(10.0, exponent);
    for (const double value :
         {std::nextafter(power, 0.0), power, std::nextafter(power, 1e30)}) {
      values.push_back(value);
    }
  }
  for (const double value : values) {
    const Outcome<ScaledDecimal> decimal = ScaledDecimal::FromDouble(value);
    ASSERT_TRUE(decimal.ok()) << value;
    ASSERT_EQ(*decimal, Text(FifteenDigitsByPrintf(value)))
        << FifteenDigitsByPrintf(value);
  }
}

TEST(ScaledDecimalFromDoubleTest, SmallestScaleHoldsTheValue) {
  const auto kilo = ScaledDecimal::FromDouble(1024.0);
  EXPECT_EQ(kilo->scale(), 0);
  EXPECT_EQ(kilo->low64(), 1024U);
  const auto step = ScaledDecimal::FromDouble(0.0009765625);
  EXPECT_EQ(step->scale(), 10);
  EXPECT_EQ(step->low64(), 9765625U);
}

TEST(ScaledDecimalFromDoubleTest, TooLargeOrNotFiniteOverflows) {
  for (const double value :
       {0x1p96, -0x1p96, 1e300, std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN()}) {
    const Outcome<ScaledDecimal> decimal = ScaledDecimal::FromDouble(value);
    ASSERT_FALSE(decimal.ok()) << value;
    EXPECT_EQ(decimal.failure(), ConversionFailure::kOverflow);
  }
}

// The separator is the caller's text, of any length: the longest magnitude
// at the largest scale must keep every digit around it, and the sign.
TEST(ScaledDecimalTextTest, SeparatorsOfAnyLengthKeepEveryDigit) {
  const auto largest =
      *ScaledDecimal::FromParts(true, 0xFFFFFFFF, ~std::uint64_t{0}, 28);
  const std::array<std::string, 5> separators = {
      "", "\u202F", std::string(16, '|'), std::string(17, '|'),
      std::string(100, '|')};
  for (const std::string& separator : separators) {
    EXPECT_EQ(largest.ToText(separator),
              "-7" + separator + "9228162514264337593543950335")
        << separator.size();
    EXPECT_EQ(Text("-0.0000000000000000000000000001").ToText(separator),
              "-0" + separator + "0000000000000000000000000001")
        << separator.size();
  }
}

TEST(ScaledDecimalTextTest, ExactFromTextAndPlainTextForm) {
  EXPECT_EQ(Text("1125899906842624").ToText("."), "1125899906842624");
  EXPECT_EQ(Text("1152921504606846976").ToText("."), "1152921504606846976");
  EXPECT_EQ(Text("-0.5").ToText(","), "-0,5");
  EXPECT_EQ(Text("-0.000").ToText("."), "0");
  EXPECT_EQ(Text("79228162514264337593543950335.000").ToText("."),
            "79228162514264337593543950335");
  EXPECT_EQ(Text("0.00000000000000000000000000010").ToText("."),
            "0.0000000000000000000000000001");
  EXPECT_EQ(ScaledDecimal::FromParts(false, 0xFFFFFFFF, ~std::uint64_t{0}, 28)
                ->ToText("\u066B"),
            "7\u066B9228162514264337593543950335");
  EXPECT_EQ(ScaledDecimal::FromParts(true, 0, 0, 5)->ToText("."), "0");
  EXPECT_FALSE(ScaledDecimal::FromParts(true, 0, 0, 5)->negative());
  EXPECT_EQ(ScaledDecimal::FromParts(false, 0, 1200, 3)->ToText("."), "1.2");
  EXPECT_FALSE(ScaledDecimal::FromParts(false, 0, 1, 29).has_value());
  EXPECT_FALSE(ScaledDecimal::FromParts(false, 0, 1, -1).has_value());
  for (const char* bad :
       {"", "-", "1.", ".5", "1e5", "+1", "1,5", " 1",
        "79228162514264337593543950336", "0.00000000000000000000000000001"}) {
    EXPECT_FALSE(ScaledDecimal::FromText(bad).has_value()) << bad;
  }
}

TEST(ScaledDecimalTextTest, EqualityIsByValue) {
  EXPECT_EQ(Text("1.0"), Text("1"));
  EXPECT_EQ(Text("-0.0"), Text("0"));
  EXPECT_FALSE(Text("-1") == Text("1"));
  EXPECT_FALSE(Text("0.1") == Text("0.01"));
}

}  // namespace
}  // namespace mensurex
