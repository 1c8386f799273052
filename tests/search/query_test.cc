// Queries read as an amount and a unit, and answered with exact conversions
// in the most readable order; anything else answered with nothing.
#include "search/query.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace mensurex::search {
namespace {

QueryLanguage English() {
  return {LocaleEntrySeparators(".", ",", 3, 3, U'0'), {"in", "to"}, {}};
}

QueryLanguage German() {
  return {
      LocaleEntrySeparators(",", ".", 3, 3, U'0'), {"in", "to", "nach"}, {}};
}

QueryLanguage Russian() {
  return {
      LocaleEntrySeparators(",", "\u00A0", 3, 3, U'0'), {"in", "to", "в"}, {}};
}

QueryLanguage Turkish() {
  return {LocaleEntrySeparators(",", ".", 3, 3, U'0'), {"in", "to", "kaç"}, {}};
}

QueryLanguage Korean() {
  return {LocaleEntrySeparators(".", ",", 3, 3, U'0'),
          {"in", "to", "는 몇", "를", "몇"},
          {"로"}};
}

// "label=exact" for every conversion, in the answer's order.
std::vector<std::string> Answered(const QueryLanguage& language,
                                  const std::string& query) {
  Answerer answerer(language);
  std::vector<std::string> lines;
  if (const auto answer = answerer.Ask(query)) {
    for (const Conversion& conversion : answer->conversions) {
      lines.push_back(conversion.label + "=" + conversion.exact);
    }
  }
  return lines;
}

using Lines = std::vector<std::string>;

TEST(SearchQuery, AnswersAmountsWithEveryOtherUnitMostReadableFirst) {
  const Lines gigabytes = {
      "MB=1536",      "TB=0.00146484375",
      "KB=1572864",   "PB=0.000001430511474609375",
      "B=1610612736", "EB=0.0000000013969838619232177734375"};
  for (const char* query :
       {"1.5 GB", "1.5GB", " 1.5 gb ", "1.5 gigabytes", "１．５ ＧＢ"}) {
    EXPECT_EQ(Answered(English(), query), gigabytes) << query;
  }
  EXPECT_EQ(Answered(German(), "1,5 GB").at(1), "TB=0,00146484375");
  EXPECT_EQ(Answered(German(), "1.536 MB")[0], "GB=1,5");
  EXPECT_EQ(
      Answered(English(), "3 KiB"),
      (Lines{"B=3072", "MiB=0.0029296875", "GiB=0.00000286102294921875",
             "TiB=0.000000002793967723846435546875",
             "PiB=0.0000000000027284841053187847137451171875",
             "EiB=0.00000000000000266453525910037569701671600341796875"}));
  // Less than a byte reads best in bytes, more than 1024 EB in exabytes.
  EXPECT_EQ(Answered(English(), "0.5 KB")[0], "B=512");
  EXPECT_EQ(Answered(English(), "4096 EB")[0], "PB=4194304");
  EXPECT_EQ(Answered(English(), "2048 PB")[0], "EB=2");
}

TEST(SearchQuery, AnswersATargetUnitAlone) {
  EXPECT_EQ(Answered(English(), "1.5 GB in MB"), Lines{"MB=1536"});
  EXPECT_EQ(Answered(English(), "1.5GB TO kib"), Lines{"KiB=1572864"});
  EXPECT_EQ(Answered(English(), "1 GB in GB"), Lines{"GB=1"});
  EXPECT_EQ(Answered(German(), "1,5 GB nach MB"), Lines{"MB=1536"});
  // The language's own unit symbols, in any case, label their results.
  EXPECT_EQ(Answered(Russian(), "1,5 гб в Мб"), Lines{"МБ=1536"});
  EXPECT_EQ(Answered(Russian(), "1,5 ГБ").at(1), "ТБ=0,00146484375");
  EXPECT_EQ(Answered(Russian(), "1,5 GB в KiB"), Lines{"KiB=1572864"});
  // Every language's capitals, the window's own unit words, and the one-
  // and two-letter prefixes.
  EXPECT_EQ(Answered(Turkish(), "1,5 GB KAÇ MB"), Lines{"MB=1536"});
  EXPECT_EQ(Answered(Russian(), "1,5 Гбайт в МБАЙТ"), Lines{"МБ=1536"});
  EXPECT_EQ(Answered(English(), "1 K in B"), Lines{"B=1024"});
  EXPECT_EQ(Answered(English(), "1 Ki to B"), Lines{"B=1024"});
  // A particle may follow the target, as Korean writes it.
  for (const char* query :
       {"1.5GB를 MB로", "1.5 GB를 MB 로", "1.5GB는 몇 MB", "1.5GB 몇MB"}) {
    EXPECT_EQ(Answered(Korean(), query), Lines{"MB=1536"}) << query;
  }
  // Particles and prefixes join the words of scripts that write them so,
  // the languages' own unit words as much as the symbols.
  const auto language = [](std::vector<std::string> words,
                           std::vector<std::string> after = {}) {
    words.insert(words.begin(), {"in", "to"});
    return QueryLanguage{EntrySeparators(), std::move(words), std::move(after)};
  };
  for (const auto& [words, after, query] :
       std::vector<std::tuple<Lines, Lines, std::string>>{
           {{"를"}, {"로"}, "1.5기가바이트를 메가바이트로"},
           {{"を"}, {"に"}, "1.5GバイトをMバイトに"},
           {{"は何"}, {}, "1.5ギガバイトは何メガバイト"},
           {{"ל", "ב"}, {}, "1.5 ג׳יגה־בייט למגה־בייט"},
           {{"ל", "ב"}, {}, "1.5 GB בMB"},
           {{"بال"}, {}, "١.٥ غيغابايت بالميغابايت"},
           {{"เป็นกี่"}, {}, "๑.๕ กิกะไบต์เป็นกี่เมกะไบต์"},
           {{"转"}, {}, "1.5吉字节转兆字节"},
           {{"को"}, {"में"}, "१.५ गीगाबाइट को मेगाबाइट में"},
       }) {
    EXPECT_EQ(Answered(language(words, after), query).size(), 1u) << query;
  }
  // Letters of the scripts that write words apart stay one word.
  EXPECT_EQ(Answered(language({"v"}), "1.5 GB vMB"), Lines{});
  EXPECT_EQ(Answered(language({"v"}), "1.5 GBv MB"), Lines{});
  EXPECT_EQ(Answered(Korean(), "1.5GB를 로"), Lines{});
  EXPECT_EQ(Answered(Korean(), "로"), Lines{});
  EXPECT_EQ(Answered(English(), "1 B to EB"),
            Lines{"EB=0.000000000000000000867361737988403547205962240695953"
                  "369140625"});
}

TEST(SearchQuery, ShortensLongResultsForDisplayOnly) {
  Answerer answerer(English());
  const auto answer = answerer.Ask("1 B in EB");
  ASSERT_TRUE(answer);
  const Conversion& conversion = answer->conversions.at(0);
  EXPECT_EQ(conversion.shown, "0.00000000000000000086736173798\u2026");
  EXPECT_EQ(answerer.Ask("1 KB in B")->conversions.at(0).shown, "1024");
}

TEST(SearchQuery, AnswersNothingButAnAmountAndAUnit) {
  for (const std::string& query :
       std::vector<std::string>{"",
                                "GB",
                                "1.5",
                                "abc GB",
                                "1.5 XB",
                                "1.5 GBin MB",
                                "1.5 GB in",
                                "1.5 GB inMB",
                                "1 XGB",
                                "1 GB ב",
                                "1.5 ギガ",
                                "1.5 GB nach MB",
                                "1,5 GB",
                                "1.5 GB MB",
                                "in MB",
                                "\xFF GB",
                                "1.5 GB in \xC0\xAF",
                                "1e-5000 B",
                                std::string(100'000, '1') + " GB",
                                std::string(kMaxQueryBytes, ' ') + "1 GB"}) {
    EXPECT_EQ(Answered(English(), query), Lines{}) << query.substr(0, 40);
  }
}

}  // namespace
}  // namespace mensurex::search
