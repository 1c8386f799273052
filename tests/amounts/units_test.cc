#include "amounts/units.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "amounts/entry.h"

namespace mensurex {
namespace {

TEST(UnitFromNameTest, ReadsEveryFormOfEveryUnit) {
  struct Case {
    const char* name;
    bool si;
    int index;
    bool decimal;
    UnitNaming naming;
  };
  for (const Case& c : {
           Case{"B", false, 0, false, UnitNaming::kSymbol},
           Case{"bytes", true, 0, false, UnitNaming::kSymbol},
           Case{"K", false, 1, false, UnitNaming::kSymbol},
           Case{"kB", true, 1, true, UnitNaming::kSymbol},
           Case{"Ki", true, 1, false, UnitNaming::kIec},
           Case{"KiB", false, 1, false, UnitNaming::kIec},
           Case{"kibibytes", true, 1, false, UnitNaming::kIec},
           Case{"ｋｂ", false, 1, false, UnitNaming::kSymbol},
           Case{"Megabyte", true, 2, true, UnitNaming::kSymbol},
           Case{"EXBIBYTE", false, 6, false, UnitNaming::kIec},
           // The symbols as German writes them, and two words for one.
           Case{"GByte", true, 3, true, UnitNaming::kSymbol},
           Case{"ｋＢｙｔｅｓ", false, 1, false, UnitNaming::kSymbol},
           Case{"Giga Byte", true, 3, true, UnitNaming::kSymbol},
           Case{"Go", true, 3, false, UnitNaming::kLanguage},
           Case{"Кбайт", false, 1, false, UnitNaming::kLanguage},
           Case{"ЕБ", false, 6, false, UnitNaming::kLanguage},
           // Unicode's case folding, every alphabet alike.
           Case{"гБАЙТ", false, 3, false, UnitNaming::kLanguage},
       }) {
    const auto named = UnitFromName(c.name, c.si);
    ASSERT_TRUE(named) << c.name;
    EXPECT_EQ(UnitIndex(named->unit.storage), c.index) << c.name;
    EXPECT_EQ(named->unit.decimal, c.decimal) << c.name;
    EXPECT_EQ(named->naming, c.naming) << c.name;
  }
  // The languages' words in their other forms and spellings: with or
  // without joining marks, with the letters other keyboards type.
  for (const auto& [name, index] :
       std::vector<std::pair<const char*, int>>{{"Gigabajtů", 3},
                                                {"kilobajta", 1},
                                                {"Мегабайтов", 2},
                                                {"mégaoctets", 2},
                                                {"קילו־בייט", 1},
                                                {"קילובייט", 1},
                                                {"ג'יגה-בייט", 3},
                                                {"گیگا‌بایت", 3},
                                                {"بایت‌ها", 0},
                                                {"كيلوبايت", 1},
                                                {"کیلوبایت", 1},
                                                {"اكسابايت", 6},
                                                {"ギガ・バイト", 3},
                                                {"Ｇバイト", 3},
                                                {"गीगाबाइट्स", 3},
                                                {"เอกซะไบต์", 6},
                                                {"吉字节", 3},
                                                {"جيجا بايت", 3},
                                                {"ميغا\u00A0بايت", 2},
                                                {"گیگا بایت", 3},
                                                {"ג׳יגה בייט", 3},
                                                {"기가 바이트", 3},
                                                {"जीबी", 3},
                                                {"केबी", 1},
                                                {"ГиБ", 3},
                                                {"эксбибайтов", 6},
                                                {"ЕіБ", 6},
                                                {"Gio", 3},
                                                {"gibibajtů", 3},
                                                {"ギビバイト", 3},
                                                {"기비바이트", 3}}) {
    const auto named = UnitFromName(name, true);
    ASSERT_TRUE(named) << name;
    EXPECT_EQ(UnitIndex(named->unit.storage), index) << name;
    EXPECT_EQ(named->naming, UnitNaming::kLanguage) << name;
  }
  for (const char* name : {"", "Bi", "KiBs", "kbs", "bytess", "X", "Кб\xFF",
                           "KİB", "バイトス", "字", "-", "ـ", "בייטס", "K B",
                           "in bytes", "بايت بايت", "Giga  Byte x", "Mio",
                           // The windows' English words are read as English.
                           "kilo-byte", "K-B"}) {
    EXPECT_FALSE(UnitFromName(name, false)) << name;
  }
}

TEST(UnitLabelTest, FollowsTheNaming) {
  const Unit kilo{StorageUnit::kKilobytes};
  EXPECT_EQ(UnitLabel(kilo, UnitNaming::kSymbol), "KB");
  EXPECT_EQ(UnitLabel(kilo, UnitNaming::kIec), "KiB");
  EXPECT_EQ(UnitLabel({StorageUnit::kKilobytes, true}, UnitNaming::kIec), "kB");
  // A language's own symbols where it has them, else B, KB .. EB.
  for (const auto& [name, label] :
       std::vector<std::pair<const char*, const char*>>{{"Ko", "Ko"},
                                                        {"ЭиБ", "ЭБ"},
                                                        {"ЕіБ", "ЕБ"},
                                                        {"ексабайт", "ЕБ"},
                                                        {"एक्साबाइट", "EB"},
                                                        {"Exaoctets", "Eo"}}) {
    const auto named = UnitFromName(name, false);
    ASSERT_TRUE(named) << name;
    EXPECT_EQ(UnitLabel(named->unit, named->naming, named->language), label)
        << name;
  }
}

TEST(SplitLastUnitNameTest, FindsTheNameWhereAWordMayStart) {
  using Split = std::pair<std::string_view, std::string_view>;
  for (const auto& [text, split] : {
           std::pair{"1 GB בMB", Split{"1 GB ב", "MB"}},
           std::pair{"1 ג׳יגה־בייט למגה־בייט",
                     Split{"1 ג׳יגה־בייט ל", "מגה־בייט"}},
           std::pair{"1.5GバイトをMバイト", Split{"1.5Gバイトを", "Mバイト"}},
           std::pair{"1 GB بالميغابايت", Split{"1 GB بال", "ميغابايت"}},
           std::pair{"1.5 kilobyte", Split{"1.5", "kilobyte"}},
           std::pair{"2 جيجا بايت", Split{"2", "جيجا بايت"}},
           std::pair{"1 GB in bytes", Split{"1 GB in", "bytes"}},
           // Latin letters side by side are one word.
           std::pair{"1 GB inMB", Split{"1 GB", "inMB"}},
           std::pair{"1 XKB", Split{"1", "XKB"}},
           std::pair{"5-KB", Split{"5-", "KB"}},
           std::pair{"1 קילו־", Split{"1 קילו־", ""}},
       }) {
    EXPECT_EQ(SplitLastUnitName(text), split) << text;
  }
}

// The readable unit of an amount in bytes, written as `places` digits.
std::string Readable(const char* amount, bool si,
                     std::optional<std::size_t> places,
                     Rounding rounding = Rounding::kNearest) {
  ExactConverter exact;
  const Outcome<Decimal> value = EntryToDecimal(amount, EntrySeparators());
  const Unit unit =
      ReadableUnit(exact, *value, {StorageUnit::kBytes}, si, places, rounding);
  return std::string(UnitLabel(unit, UnitNaming::kSymbol));
}

TEST(ReadableUnitTest, CarriesWhenRoundingReachesTheStep) {
  EXPECT_EQ(Readable("0.5", false, std::nullopt), "B");
  EXPECT_EQ(Readable("1023.95", false, 1), "KB");
  EXPECT_EQ(Readable("1023.94", false, 1), "B");
  EXPECT_EQ(Readable("1023.95", false, std::nullopt), "B");
  // With SI every step is 1000, the one from bytes too.
  EXPECT_EQ(Readable("999.95", true, 1), "kB");
  EXPECT_EQ(Readable("999.5", true, 0), "kB");
  EXPECT_EQ(Readable("999.1", true, 0, Rounding::kUp), "kB");
  EXPECT_EQ(Readable("-999.96", true, 1), "kB");
  EXPECT_EQ(Readable("999949.9", true, 1), "kB");
  EXPECT_EQ(Readable("999950", true, 1), "MB");
  EXPECT_EQ(Readable("1e30", true, 1), "EB");
}

}  // namespace
}  // namespace mensurex
