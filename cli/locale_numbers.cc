#include "locale_numbers.h"

#include <langinfo.h>
#include <unicode/dcfmtsym.h>
#include <unicode/decimfmt.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <string>

#include "amounts/utf8.h"
#include "cli/quoting.h"
#include "cli/text.h"

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

// Adds to `conventions` what CLDR, which the window and the desktop search
// read numbers by, states otherwise for a locale name such as
// "hi_IN.UTF-8": the separators of the locale's default numbering system
// and the size of its higher digit groups. C and POSIX read as CLDR's root.
void AddAlsoRead(std::string_view name, NumericConventions* conventions) {
  name = name.substr(0, name.find_first_of(".@"));
  const icu::Locale locale = name == "C" || name == "POSIX"
                                 ? icu::Locale::getRoot()
                                 : icu::Locale(std::string(name).c_str());
  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols symbols(locale, status);
  const std::unique_ptr<icu::NumberFormat> format(
      icu::NumberFormat::createInstance(locale, status));
  const auto* decimal_format =
      dynamic_cast<const icu::DecimalFormat*>(format.get());
  if (U_FAILURE(status) || decimal_format == nullptr) return;
  std::string decimal;
  std::string grouping;
  symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol)
      .toUTF8String(decimal);
  symbols.getConstSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol)
      .toUTF8String(grouping);
  const int higher = decimal_format->getSecondaryGroupingSize() > 0
                         ? decimal_format->getSecondaryGroupingSize()
                         : decimal_format->getGroupingSize();
  NumericConventions::AlsoRead& also = conventions->also_read;
  if (decimal != conventions->decimal) also.decimal = decimal;
  if (grouping != conventions->grouping) also.grouping = grouping;
  if (higher > 0 && higher != conventions->higher_group_size) {
    also.higher_group_size = higher;
  }
}

// What kind of character would make a separator ambiguous, or nullptr.
const char* AmbiguousKind(char32_t code) {
  if (IsControlCharacter(code)) return "a control character";
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
