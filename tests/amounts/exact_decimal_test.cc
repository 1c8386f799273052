#include "amounts/exact_decimal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "amounts/units.h"

namespace mensurex {
namespace {

constexpr Rounding kRoundings[] = {Rounding::kUp,       Rounding::kDown,
                                   Rounding::kFromZero, Rounding::kTowardsZero,
                                   Rounding::kNearest,  Rounding::kNearestEven};

// Each amount against each ratio, place count and rounding through the
// 128-bit path and through big integers alone: the texts and answers must
// be the same. The amounts and ratios sit where the short path gives up:
// 19 and 20 digits, 2^63 and 2^64, 5^27 and 5^28, shifts of 38 and 39
// places, 2^127 and 2^128, products that just overflow 128 bits, and ties.
TEST(ExactConverterTest, ShortPathAndBigIntegersWriteTheSameDigits) {
  const std::vector<Decimal> amounts = {
      {false, "", 0},
      {false, "1", 0},
      {true, "5", -1},
      {false, "15", -1},
      {true, "25", -1},
      {false, "1024", 0},
      {false, "9999999999999999999", 0},                      // 19 digits
      {true, "10000000000000000000", 0},                      // 20 digits
      {false, "18446744073709551615", 0},                     // 2^64 - 1
      {false, "18446744073709551616", 0},                     // 2^64
      {false, "9223372036854775808", 0},                      // 2^63
      {false, "170141183460469231731687303715884105727", 0},  // 2^127 - 1
      {false, "340282366920938463463374607431768211455", 0},  // 2^128 - 1
      {false, "3402823669209384634", 19},  // near 2^128, as digits * 10^19
      {false, "1", 38},
      {true, "1", 39},
      {false, "123456789", -30},
      {false, "5", -39},
      {false, "7450580596923828125", 0},  // 5^27
      {false, "15", 0},
  };
  const std::vector<Ratio> ratios = {
      {0, 0},    {10, 0},  {-10, 0},  {63, 0},   {64, 0},   {-63, 0}, {-64, 0},
      {127, 0},  {128, 0}, {-127, 0}, {-128, 0}, {0, 27},   {0, 28},  {0, -27},
      {-30, -3}, {40, 10}, {-1, 0},   {1, 0},    {-70, 30}, {30, -70}};
  const std::vector<std::optional<std::size_t>> place_counts = {
      std::nullopt, 0, 1, 2, 19, 20, 38, 39};
  ExactConverter short_path;
  ExactConverter big_only;
  big_only.UseBigIntegersOnly();
  for (const Decimal& amount : amounts) {
    for (const Ratio ratio : ratios) {
      SCOPED_TRACE(testing::Message()
                   << (amount.negative ? "-" : "") << amount.digits << "e"
                   << amount.exponent << " * 2^" << ratio.twos << " * 5^"
                   << ratio.fives);
      EXPECT_EQ(short_path.AtLeastOne(amount, ratio),
                big_only.AtLeastOne(amount, ratio));
      for (const auto places : place_counts) {
        for (const Rounding rounding : kRoundings) {
          SCOPED_TRACE(testing::Message()
                       << "places " << places.value_or(99) << " rounding "
                       << static_cast<int>(rounding));
          std::string expected;
          std::string written;
          const bool fits = big_only.AppendText(amount, ratio, places, rounding,
                                                ".", 400, &expected);
          EXPECT_EQ(short_path.AppendText(amount, ratio, places, rounding, ".",
                                          400, &written),
                    fits);
          EXPECT_EQ(written, expected);
          if (places) {
            for (const unsigned bound : {1u, 10u, 1000u, 1024u}) {
              EXPECT_EQ(short_path.RoundsToAtLeast(amount, ratio, *places,
                                                   rounding, bound),
                        big_only.RoundsToAtLeast(amount, ratio, *places,
                                                 rounding, bound));
            }
          }
          for (const bool decimal : {false, true}) {
            EXPECT_EQ(ReadableUnitIndex(short_path, amount, ratio, decimal, 10,
                                        places, rounding),
                      ReadableUnitIndex(big_only, amount, ratio, decimal, 10,
                                        places, rounding));
          }
        }
      }
    }
  }
}

// Both paths could agree on a wrong text; a few known ones anchor them.
TEST(ExactConverterTest, WritesKnownTexts) {
  struct Case {
    Decimal amount;
    Ratio ratio;
    std::optional<std::size_t> places;
    Rounding rounding;
    std::string text;
  };
  const std::vector<Case> cases = {
      {{false, "1", 0},
       {64, 0},
       std::nullopt,
       Rounding::kNearest,
       "18446744073709551616"},
      {{false, "1", 0},
       {-10, 0},
       std::nullopt,
       Rounding::kNearest,
       "0.0009765625"},
      {{false, "25", -1}, {0, 0}, 0, Rounding::kNearestEven, "2"},
      {{true, "25", -1}, {0, 0}, 0, Rounding::kNearest, "-3"},
      {{true, "1", 0}, {-70, 0}, 2, Rounding::kDown, "-0.01"},
      {{true, "1", 0}, {-70, 0}, 2, Rounding::kUp, "0.00"},
      {{false, "15", 0}, {-1, 0}, 0, Rounding::kNearestEven, "8"},
  };
  for (const bool big_only : {false, true}) {
    ExactConverter exact;
    if (big_only) exact.UseBigIntegersOnly();
    for (const Case& c : cases) {
      std::string text;
      ASSERT_TRUE(exact.AppendText(c.amount, c.ratio, c.places, c.rounding, ".",
                                   100, &text));
      EXPECT_EQ(text, c.text) << c.amount.digits << " big only " << big_only;
    }
  }
}

}  // namespace
}  // namespace mensurex
