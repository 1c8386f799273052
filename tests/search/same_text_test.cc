// The same text means the same amount through every door: each amount text
// of the table is converted to bytes by mensurex's converter and by the
// search's answerer, and both give the same exact value or both refuse; the
// window, under the locale the doors are given, reads its number alike.
#include <gtest/gtest.h>

#include <QLocale>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "amounts/entry.h"
#include "amounts/units.h"
#include "cli/amount_converter.h"
#include "locale/locale_separators.h"
#include "locale_numbers.h"
#include "search/query.h"

namespace mensurex {
namespace {

struct Door {
  explicit Door(const EntrySeparators& separators)
      : Door(separators, separators) {}
  // mensurex with its own separators, the search with the window's.
  Door(const EntrySeparators& command_separators,
       const EntrySeparators& search_separators)
      : command(Settings(command_separators)),
        search({search_separators, {"in", "to"}, {}}) {}

  static cli::ConversionSettings Settings(const EntrySeparators& separators) {
    cli::ConversionSettings settings;
    settings.separators = separators;
    settings.target = cli::Target::kOneUnit;  // in bytes
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
      "мБАЙТ",  "GByte",    "Mega Byte", "ГиБ"};
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
       {"",        "KB",      "abc KB",     "1.2.3 KB", "--1 KB",
        "1e KB",   "1 XB",    "1 K B",      "1,5 KB",   "1 KiBs",
        "1 \xFF",  "1 KB KB", "1\u2009KBx", "1 €",      "１2 KB",
        "0x10 KB", "1 KİB",   "1 in bytes", "1 Mio",    "1 GiByte"}) {
    EXPECT_EQ(door.Command(text), "refused") << text;
    EXPECT_EQ(door.Search(text), "refused") << text;
  }
}

// Qt's locale `name` ("ar_EG", "C"), as the window and the search take it.
QLocale QtLocale(const std::string& name) {
  return name == "C" ? QLocale::c() : QLocale(QString::fromStdString(name));
}

// mensurex's separators under the C library's locale `name`.
EntrySeparators CommandSeparators(const std::string& name) {
  std::string unavailable;
  const auto conventions = cli::NumericLocaleConventions(
      (name == "C" ? name : name + ".UTF-8").c_str(), &unavailable);
  if (!conventions) ADD_FAILURE() << name << " is not installed";
  return cli::EntrySeparatorsFor(
      conventions.value_or(cli::NumericConventions()));
}

// The window's reading of a text's number with its unit's button chosen, in
// bytes; nullopt when it refuses the number or has no such unit's button.
std::optional<double> WindowBytes(const std::string& text,
                                  const EntrySeparators& separators) {
  const auto [number, name] = SplitUnitName(text);
  const auto unit = UnitFromName(name, false);
  const Outcome<double> value = EntryToDouble(number, separators);
  if (!unit || !value) return std::nullopt;
  return *value * std::ldexp(1.0, 10 * UnitIndex(unit->unit.storage));
}

// Texts that each door reads under each locale with its own conventions
// (the C library's for mensurex, Qt's for the window and the search): each
// "LOCALE TEXT" and its bytes, or "refused" where every door refuses it.
TEST(SameTextTest, EveryDoorReadsTheLocalesOwnTextsAlike) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> rows = {
      {"1610612736",
       {"ar_EG ١٫٥ GB", "ar_EG 1.5 غيغابايت", "fa_IR ۱٫۵ GB",
        "fa_IR ۱٫۵ گیگا‌بایت", "hi_IN १.५ GB",
        "hi_IN १.५ गीगाबाइट", "th_TH ๑.๕ กิกะไบต์", "ja_JP 1.5 Gバイト",
        "ja_JP １．５ギガ・バイト", "ko_KR 1.5기가바이트", "zh_CN 1.5 吉字节",
        "ru_RU 1,5 Гигабайт", "uk_UA 1,5 Гігабайт", "cs_CZ 1,5 Gigabajtů",
        "pl_PL 1,5 gigabajta", "tr_TR 1,5 Gigabayt",
        // Two words for one, the symbols in the script's letters, the
        // binary symbols and words, GByte.
        "ar_EG 1.5 جيجا بايت", "fa_IR ۱٫۵ گیگا بایت", "he_IL 1.5 ג׳יגה בייט",
        "hi_IN १.५ गीगा बाइट", "ko_KR 1.5 기가 바이트", "ja_JP 1.5 ギガ バイト",
        "tr_TR 1,5 giga bayt", "hi_IN 1.5 जीबी", "ru_RU 1,5 ГиБ",
        "uk_UA 1,5 ГіБ", "ru_RU 1,5 гибибайта", "fr_FR 1,5 Gio",
        "cs_CZ 1,5 gibibajtu", "ja_JP 1.5ギビバイト", "ko_KR 1.5기비바이트",
        "de_DE 1,5 GByte", "sv_SE 1,5 Gbyte"}},
      {"2147483648", {"ar_EG 2 جيجا بايت", "hi_IN 2 जीबी"}},
      {"1048576", {"C 1,024 KB", "C 1，024 KB", "fr_FR 1 Mégaoctets"}},
      {"153600000", {"hi_IN 1,50,000 KB"}},
      {"1073741824", {"he_IL 1 ג׳יגה־בייט"}},
      {"2048", {"he_IL 2 קילו-בייט"}},
      {"1024,5", {"el_GR 1.024,5 B"}},
      {"1180591620717411303424", {"ar_EG ١٬٠٢٤ إكسابايت"}},
      {"refused", {"C 1,5 KB", "ar_EG 1٥ KB", "hi_IN 1,5 GB"}},
  };
  for (const auto& [bytes, texts] : rows) {
    for (const std::string& row : texts) {
      const std::string locale = row.substr(0, row.find(' '));
      const std::string text = row.substr(locale.size() + 1);
      const EntrySeparators window = SeparatorsOf(QtLocale(locale));
      Door door(CommandSeparators(locale), window);
      EXPECT_EQ(door.Command(text), bytes) << row;
      EXPECT_EQ(door.Search(text), bytes) << row;
      std::string point = bytes;
      std::replace(point.begin(), point.end(), ',', '.');
      EXPECT_EQ(WindowBytes(text, window),
                bytes == "refused"
                    ? std::nullopt
                    : std::optional(std::strtod(point.c_str(), nullptr)))
          << row;
    }
  }
}

// Whatever number the window writes under a language's locale (grouped,
// in its own digits), mensurex reads as the window does.
TEST(SameTextTest, MensurexReadsWhatTheWindowReadsInEveryLanguage) {
  std::ifstream list(MENSUREX_SOURCE_DIR "/translations/LANGUAGES");
  std::vector<std::string> locales = {"C"};
  for (std::string line; std::getline(list, line);) {
    if (!line.empty() && line.front() != '#') {
      locales.push_back(line.substr(line.find(' ') + 1));
    }
  }
  ASSERT_EQ(locales.size(), 24u);
  for (const std::string& name : locales) {
    QLocale locale = QtLocale(name);
    locale.setNumberOptions(QLocale::DefaultNumberOptions);  // grouped
    const EntrySeparators window = SeparatorsOf(locale);
    const EntrySeparators command = CommandSeparators(name);
    for (const QString& written :
         {locale.toString(1234567.5, 'f', 1), locale.toString(150000),
          locale.toString(-1024.25, 'f', 2), locale.toString(12345678)}) {
      const std::string text = written.toStdString();
      const Outcome<double> read = EntryToDouble(text, window);
      if (!read) continue;  // not even the window reads it
      const Outcome<double> by_command = EntryToDouble(text, command);
      ASSERT_TRUE(by_command) << name << ": " << text;
      EXPECT_EQ(*by_command, *read) << name << ": " << text;
    }
  }
}

}  // namespace
}  // namespace mensurex
