#include "cli/options.h"

#include <cstddef>
#include <string_view>

#include "cli/amount_converter.h"
#include "cli/locale_numbers.h"
#include "cli/units.h"

namespace mensurex::cli {
namespace {

bool IsOption(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return false;
  const char c = argument[1];
  return c == '-' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments) {
  Options options;
  std::optional<std::string> locale_name;
  std::optional<std::string> decimal;
  std::optional<std::string> grouping;
  std::vector<std::string_view> words;

  bool options_ended = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    if (options_ended || !IsOption(argument)) {
      words.push_back(argument);
      continue;
    }
    if (argument == "--") {
      options_ended = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      options.action = Options::Action::kHelp;
      return options;
    }
    if (argument == "--version") {
      options.action = Options::Action::kVersion;
      return options;
    }
    // Options with a value: "--to GB" or "--to=GB".
    std::string_view name = argument;
    std::optional<std::string_view> value;
    if (const std::size_t equals = argument.find('=');
        equals != std::string_view::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
    }
    if (name != "--to" && name != "--from" && name != "--locale" &&
        name != "--decimal" && name != "--grouping") {
      return UsageError{"unknown option " + QuoteForMessage(argument)};
    }
    if (!value) {
      if (i + 1 == arguments.size()) {
        return UsageError{"option " + std::string(name) + " needs a value"};
      }
      value = arguments[++i];
    }
    if (name == "--to" || name == "--from") {
      const std::optional<StorageUnit> unit = UnitFromName(*value);
      if (!unit) {
        return UsageError{QuoteForMessage(*value) + " is not a known unit"};
      }
      if (name == "--to") {
        options.to = *unit;
      } else {
        options.from = *unit;
      }
    } else if (name == "--locale") {
      locale_name = std::string(*value);
    } else if (name == "--decimal") {
      if (value->empty()) {
        return UsageError{"the decimal separator cannot be empty"};
      }
      decimal = std::string(*value);
    } else {
      grouping = std::string(*value);
    }
  }

  if (locale_name && locale_name->empty()) {
    return UsageError{"the locale name cannot be empty"};
  }
  std::optional<NumericConventions> conventions =
      NumericLocaleConventions(locale_name ? locale_name->c_str() : "");
  if (!conventions) {
    return UsageError{QuoteForMessage(*locale_name) +
                      " is not an installed locale"};
  }
  if (decimal) conventions->decimal = *decimal;
  if (grouping) conventions->grouping = *grouping;
  options.separators = EntrySeparatorsFor(*conventions);

  for (const std::string_view word : words) {
    if (options.has_amount) options.amount.push_back(' ');
    options.amount.append(word);
    options.has_amount = true;
  }
  return options;
}

std::string HelpText() {
  return R"(Usage: mensurex [OPTION]... [AMOUNT [UNIT]]
Convert a quantity of digital storage between bytes, kilobytes, megabytes,
gigabytes, terabytes, petabytes and exabytes, each 1024 times the one below,
and print the exact results as plain decimal numbers.

With an AMOUNT, print its value in all seven units, bytes first, one per line
as VALUE<TAB>UNIT. Without one, read standard input, one amount per line, and
print the results of each line in turn.

  --to UNIT        print the value in UNIT alone
  --from UNIT      the unit of amounts written without one (default: B)
  --locale NAME    read and write numbers as the locale NAME does (C: "."
                   and no grouping) instead of as LC_ALL, LC_NUMERIC or LANG
  --decimal SEP    the decimal separator
  --grouping SEP   the digit-grouping separator ("" for none)
  -h, --help       show this help and exit
  --version        show the version and exit

Units, in any letter case: B, KB, MB, GB, TB, PB, EB; K, M, G, T, P, E;
KiB .. EiB; and the names byte .. exabyte, singular or plural.

Exit status: 0 when every amount converted, 1 when any did not, 2 for a
mistake in the options.

Examples:
  mensurex 1.5 GB
  printf '1.5 GB\n100 MB\n' | mensurex --to KB
)";
}

}  // namespace mensurex::cli
