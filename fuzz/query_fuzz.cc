// Fuzzes the desktop search's query reader, which answers any client on the
// session bus. The first input byte picks the language, by its value modulo
// 16 ('0' English .. '?' Persian, in the order of kLanguages); the rest is
// the query. Any property that fails aborts, which the fuzzer reports.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"
#include "doors.h"

namespace {

using mensurex::StorageUnit;
using mensurex::fuzz::Check;
using mensurex::fuzz::SearchDoor;
using mensurex::fuzz::TargetWords;
using mensurex::search::Answer;

struct Language {
  const char* locale;  // Qt's, from which the search takes its separators
  TargetWords words;
};

// The target words of the search's translations.
const Language kLanguages[] = {
    {"en_US", {}},
    {"de_DE", {"in", "nach", "zu"}},
    {"fr_FR", {"en", "vers"}},
    {"ru_RU", {"\u0432"}},
    {"uk_UA", {"\u0432", "\u0443", "\u043D\u0430"}},
    {"ja_JP", {"\u306F\u4F55", "\u3092"}},
    {"zh_CN", {"\u7B49\u4E8E\u591A\u5C11", "\u6362\u7B97\u6210", "\u8F6C"}},
    {"ko_KR", {"\uB294 \uBA87", "\uC740 \uBA87", "\uC744", "\uB97C"}},
    {"ar_EG", {}},
    {"hi_IN", {}},
    {"de_CH", {"in", "nach", "zu"}},
    {"tr_TR", {"ka\u00E7"}},
    {"cs_CZ", {"v", "na"}},
    {"sv_SE", {"i", "till"}},
    {"es_ES", {"en", "a"}},
    {"fa_IR", {}},
};

bool SameAnswer(const std::optional<Answer>& a,
                const std::optional<Answer>& b) {
  if (a.has_value() != b.has_value()) return false;
  if (!a) return true;
  if (a->amount != b->amount || a->from != b->from ||
      a->from_label != b->from_label || a->kilo_label != b->kilo_label ||
      a->conversions.size() != b->conversions.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a->conversions.size(); ++i) {
    const auto& x = a->conversions[i];
    const auto& y = b->conversions[i];
    if (x.unit != y.unit || x.label != y.label || x.exact != y.exact ||
        x.shown != y.shown) {
      return false;
    }
  }
  return true;
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++count;
  }
  return count;
}

void CheckAnswer(const Answer& answer, SearchDoor* door) {
  const std::vector<mensurex::search::Conversion>& conversions =
      answer.conversions;
  Check(!answer.from_label.empty() && !answer.kilo_label.empty(),
        "the amount's unit is named", answer.amount);
  if (!SearchDoor::NamesTarget(answer)) {
    Check(conversions.size() == mensurex::kStorageUnitCount - 1,
          "without a target, every other unit", answer.amount);
    unsigned seen = 1U << static_cast<unsigned>(UnitIndex(answer.from));
    for (const auto& conversion : conversions) {
      const unsigned bit = 1U
                           << static_cast<unsigned>(UnitIndex(conversion.unit));
      Check((seen & bit) == 0, "each unit once, never the amount's own",
            answer.amount);
      seen |= bit;
    }
  }
  const std::string_view decimal = door->DecimalSeparator();
  for (const auto& conversion : conversions) {
    Check(!conversion.label.empty(), "a result's unit is named",
          conversion.exact);
    Check(mensurex::fuzz::IsPlainNumber(conversion.exact, decimal),
          "a result is a plain number", conversion.exact);
    if (CharCount(conversion.exact) <= mensurex::fuzz::kShownChars) {
      Check(conversion.shown == conversion.exact,
            "a short result is shown whole", conversion.exact);
    } else {
      const std::string_view shown = conversion.shown;
      Check(shown.ends_with("\u2026") &&
                CharCount(shown) == mensurex::fuzz::kShownChars &&
                conversion.exact.starts_with(shown.substr(0, shown.size() - 3)),
            "a long result is shown by its start", conversion.exact);
    }
  }
  // Every conversion is the amount as typed, and so is the amount read
  // again as the answer states it.
  const std::string bytes = door->BytesOf(answer);
  Check(door->BytesTyped(answer) == bytes, "the results are the amount typed",
        answer.amount);
  for (std::size_t i = 1; i < conversions.size(); ++i) {
    Answer one;
    one.conversions = {conversions[i]};
    Check(door->BytesOf(one) == bytes, "every result is the same amount",
          conversions[i].exact);
  }
  // Read again as the answer states it, the amount is the same; asked for
  // one of its results by name, the reader answers with that result. An
  // answer to a named unit vouches for the length of that one result only,
  // so it is read again with its unit named.
  const std::string stated = answer.amount + " " + answer.from_label;
  const mensurex::search::Conversion& last = conversions.back();
  const std::string targeted = stated + " in " + last.label;
  const std::string again = SearchDoor::NamesTarget(answer) ? targeted : stated;
  if (targeted.size() <= mensurex::fuzz::kMaxQueryBytes) {
    const std::optional<Answer> reread = door->Ask(again);
    Check(reread.has_value() && door->BytesOf(*reread) == bytes,
          "the amount as stated reads the same", again);
    const std::optional<Answer> one = door->Ask(targeted);
    Check(one.has_value() && SearchDoor::NamesTarget(*one) &&
              one->conversions.front().exact == last.exact,
          "a result asked for by name is the same", targeted);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size == 0) return 0;
  const std::size_t index = data[0] % std::size(kLanguages);
  const Language& language = kLanguages[index];
  // One door per language, as the provider keeps one: its converter's state
  // carries from one query to the next.
  static std::vector<std::optional<SearchDoor>> doors(std::size(kLanguages));
  if (!doors[index]) {
    doors[index].emplace(mensurex::fuzz::LocaleSeparators(language.locale),
                         language.words);
  }
  SearchDoor& door = *doors[index];

  const std::string_view query(reinterpret_cast<const char*>(data + 1),
                               size - 1);
  const std::optional<Answer> answer = door.Ask(query);
  if (query.size() + 2 <= mensurex::fuzz::kMaxQueryBytes) {
    const std::string padded = " " + std::string(query) + "\t";
    Check(SameAnswer(door.Ask(padded), answer),
          "blanks at either end change nothing", query);
  }
  if (answer) CheckAnswer(*answer, &door);
  return 0;
}
