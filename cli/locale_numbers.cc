#include "locale_numbers.h"

#include <langinfo.h>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <string>

#include "amounts/utf8.h"
#include "cli/quoting.h"

namespace mensurex::cli {
namespace {

// The locale name that decides LC_NUMERIC, as the C library reads it.
std::string EnvironmentLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// Where Qt's locale data states numbers otherwise than the C library's, by
// the locale's name without its codeset and modifier, or by its language
// alone: the decimal and grouping separators and the size of the higher
// digit groups. The program's languages' locales and C; a test holds the
// table to Qt's data.
struct QtNumbers {
  std::string_view locale;
  std::string_view decimal;
  std::string_view grouping;
  int higher_group_size;
};
constexpr QtNumbers kQtNumbers[] = {
    {"C", ".", ",", 3},
    {"POSIX", ".", ",", 3},
    {"ar", "\u066B", "\u066C", 3},  // with Arabic-Indic digits
    {"fa", "\u066B", "\u066C", 3},  // with Persian digits
    {"el", ",", ".", 3},
    {"hi", ".", ",", 2},
};

// Adds to `conventions` what the row of kQtNumbers for a locale name such
// as "hi_IN.UTF-8" states otherwise.
void AddAlsoRead(std::string_view name, NumericConventions* conventions) {
  name = name.substr(0, name.find_first_of(".@"));
  const std::string_view language = name.substr(0, name.find('_'));
  for (const QtNumbers& qt : kQtNumbers) {
    if (qt.locale != name && qt.locale != language) continue;
    NumericConventions::AlsoRead& also = conventions->also_read;
    if (qt.decimal != conventions->decimal) also.decimal = qt.decimal;
    if (qt.grouping != conventions->grouping) also.grouping = qt.grouping;
    if (qt.higher_group_size != conventions->higher_group_size) {
      also.higher_group_size = qt.higher_group_size;
    }
    return;
  }
}

// What kind of character would make a separator ambiguous, or nullptr.
const char* AmbiguousKind(char32_t code) {
  if (code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x2028 ||
      code == 0x2029) {
    return "a control character";
  }
  const char32_t narrow = FoldWidth(code);
  if (IsAsciiDigit(narrow)) return "a digit";
  if (IsAsciiLetter(narrow)) return "a letter";
  if (narrow == '+' || narrow == '-' || code == 0x2212) {
    return "a sign";
  }
  return nullptr;
}

std::optional<std::string> OneProblem(std::string_view role,
                                      std::string_view separator) {
  const std::string named =
      "the " + std::string(role) + " separator " + QuoteForMessage(separator);
  const Utf8Char front = FrontUtf8Char(separator);
  if (front.length == 0) {
    return named + (separator.empty() ? " is empty" : " is not valid UTF-8");
  }
  if (front.length != separator.size()) {
    return named + " is more than one character";
  }
  if (const char* kind = AmbiguousKind(front.code)) {
    return named + " is " + kind;
  }
  return std::nullopt;
}

}  // namespace

std::optional<NumericConventions> NumericLocaleConventions(
    const char* name, std::string* unavailable) {
  NumericConventions conventions;
  const std::string chosen = *name != '\0' ? name : EnvironmentLocaleName();
  const locale_t locale = newlocale(LC_NUMERIC_MASK, name, nullptr);
  if (locale == nullptr) {
    if (*name != '\0') return std::nullopt;
    *unavailable = chosen;
    AddAlsoRead(chosen, &conventions);
    return conventions;
  }
  conventions.decimal = nl_langinfo_l(RADIXCHAR, locale);
  const std::string thousands = nl_langinfo_l(THOUSEP, locale);
  const std::string grouping = nl_langinfo_l(GROUPING, locale);
  freelocale(locale);

  // grouping[0] is the size of the group next to the decimal point and
  // grouping[1] that of the groups further left; the last size given
  // repeats. 0 or CHAR_MAX first (or no size at all) means that digits are
  // not grouped; CHAR_MAX later means no further groups, which the entry
  // grammar cannot state, so the size before it repeats instead.
  const auto size = [&](std::size_t i) {
    return i < grouping.size()
               ? static_cast<int>(static_cast<unsigned char>(grouping[i]))
               : 0;
  };
  const auto usable = [](int group) { return group > 0 && group < CHAR_MAX; };
  if (usable(size(0)) && !thousands.empty()) {
    conventions.grouping = thousands;
    conventions.first_group_size = size(0);
    conventions.higher_group_size = usable(size(1)) ? size(1) : size(0);
  }
  AddAlsoRead(chosen, &conventions);
  return conventions;
}

std::optional<std::string> SeparatorProblem(std::string_view decimal,
                                            std::string_view grouping) {
  if (auto problem = OneProblem("decimal", decimal)) return problem;
  if (grouping.empty()) return std::nullopt;
  if (auto problem = OneProblem("grouping", grouping)) return problem;
  if (decimal == grouping) {
    return "the decimal and grouping separators are both " +
           QuoteForMessage(decimal);
  }
  return std::nullopt;
}

EntrySeparators EntrySeparatorsFor(const NumericConventions& conventions) {
  EntrySeparators separators = LocaleEntrySeparators(
      conventions.decimal, conventions.grouping, conventions.first_group_size,
      conventions.higher_group_size, U'0');
  const NumericConventions::AlsoRead& also = conventions.also_read;
  if (!also.decimal.empty())
    separators.decimal_alternatives.push_back(also.decimal);
  if (!also.grouping.empty()) {
    separators.grouping_alternatives.push_back(also.grouping);
  }
  separators.alternative_higher_group_size = also.higher_group_size;
  return separators;
}

}  // namespace mensurex::cli
