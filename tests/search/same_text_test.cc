// The same text means the same amount through every door: each amount text
// of the table is converted to bytes by mensurex's converter and by the
// search's answerer, and both give the same exact value or both refuse.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "cli/amount_converter.h"
#include "mensurex/search/query.h"

namespace mensurex {
namespace {

struct Door {
  explicit Door(const EntrySeparators& separators)
      : command(Settings(separators)), search({separators, {"in", "to"}, {}}) {}

  static cli::ConversionSettings Settings(const EntrySeparators& separators) {
    cli::ConversionSettings settings;
    settings.separators = separators;
    settings.only_unit = Unit{StorageUnit::kBytes};
    return settings;
  }

  // `mensurex --to B`'s value, or "refused".
  std::string Command(const std::string& text) {
    std::string out;
    std::string message;
    return command.Convert(text, "", &out, &message) ? out : "refused";
  }

  // The search's bytes answer, or "refused".
  std::string Search(const std::string& text) {
    const auto answer = search.Ask(text + " in B");
    return answer ? answer->conversions.at(0).exact : "refused";
  }

  cli::AmountConverter command;
  search::Answerer search;
};

std::vector<std::string> Texts(const std::vector<std::string>& numbers) {
  const std::vector<std::string> units = {
      "B",      "b",        "bytes",     "K",         "KB",        "kB",
      "kb",     "Ki",       "KiB",       "kibibyte",  "Kilobytes", "ｋｂ",
      "ＫｉＢ", "MEGABYTE", "mebibytes", "GB",        "Go",        "ГБ",
      "Гбайт",  "ГБАЙТ",    "Кбайт",     "TiB",       "tebibyte",  "PB",
      "ПБ",     "EB",       "EiB",       "exbibytes", "E",         "Eo",
      "мБАЙТ"};
  const std::vector<std::string> blanks = {"",       " ",  "\u00A0",
                                           "\u3000", "\t", "\u202F"};
  std::vector<std::string> texts;
  std::size_t turn = 0;
  for (const std::string& number : numbers) {
    for (const std::string& unit : units) {
      const std::string& blank = blanks[turn++ % blanks.size()];
      std::string text = blank;
      for (const std::string* part : {&number, &blank, &unit, &blank}) {
        text += *part;
      }
      texts.push_back(std::move(text));
    }
  }
  return texts;
}

void ExpectSameAnswers(const EntrySeparators& separators,
                       const std::vector<std::string>& texts) {
  Door door(separators);
  for (const std::string& text : texts) {
    EXPECT_EQ(door.Command(text), door.Search(text)) << text;
  }
}

TEST(SameTextTest, BothDoorsReadEveryAmountAlike) {
  const std::vector<std::string> numbers = {
      "1",   "1.5",  "-2.25",  "+.5", "1,024",
      "1e3", "1E-2", "１．５", "0",   "12,345.678e-1"};
  const std::vector<std::string> texts = Texts(numbers);
  ASSERT_GE(texts.size(), 150u);
  ExpectSameAnswers(EntrySeparators(), texts);

  Door door{EntrySeparators()};
  EXPECT_EQ(door.Command("1 kibibyte"), "1024");
  EXPECT_EQ(door.Command("1 ｋｂ"), "1024");
  EXPECT_EQ(door.Search("1.5 Гбайт"), "1610612736");
}

TEST(SameTextTest, BothDoorsReadTheLocalesSeparatorsAlike) {
  ExpectSameAnswers(LocaleEntrySeparators(",", "\u202F", 3, 3, U'0'),
                    Texts({"1,5", "1 024,5", "1\u00A0024", "-0,5e2"}));
  ExpectSameAnswers(LocaleEntrySeparators(",", ".", 3, 3, U'0'),
                    Texts({"1.024,25", "2,5E1"}));
}

TEST(SameTextTest, BothDoorsRefuseTheSameTexts) {
  Door door{EntrySeparators()};
  for (const std::string text :
       {"", "KB", "abc KB", "1.2.3 KB", "--1 KB", "1e KB", "1 XB", "1 K B",
        "1,5 KB", "1 KiBs", "1 \xFF", "1 KB KB", "1\u2009KBx", "1 €", "１2 KB",
        "0x10 KB", "1 KİB"}) {
    EXPECT_EQ(door.Command(text), "refused") << text;
    EXPECT_EQ(door.Search(text), "refused") << text;
  }
}

}  // namespace
}  // namespace mensurex
