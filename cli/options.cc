#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <map>
#include <string_view>

#include "cli/locale_numbers.h"
#include "cli/units.h"
#include "mensurex/utf8.h"

namespace mensurex::cli {
namespace {

enum LongOnly : int {
  kTo = 256,
  kFrom,
  kLocale,
  kDecimal,
  kGrouping,
  kPrecision,
  kRound,
  kSi,
  kInvalid,
  kField,
  kHeader,
  kVersion,
};

constexpr std::array<option, 15> kLongOptions = {{
    {"to", required_argument, nullptr, kTo},
    {"from", required_argument, nullptr, kFrom},
    {"locale", required_argument, nullptr, kLocale},
    {"decimal", required_argument, nullptr, kDecimal},
    {"grouping", required_argument, nullptr, kGrouping},
    {"precision", required_argument, nullptr, kPrecision},
    {"round", required_argument, nullptr, kRound},
    {"si", no_argument, nullptr, kSi},
    {"invalid", required_argument, nullptr, kInvalid},
    {"field", required_argument, nullptr, kField},
    {"delimiter", required_argument, nullptr, 'd'},
    {"header", optional_argument, nullptr, kHeader},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
}};
// "-": words come back in order as option 1; ":": a missing value is ':'.
constexpr const char* kShortOptions = "-:hd:";

// An option's argument: "-" and then a letter or "-".
bool IsOption(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return false;
  const char c = argument[1];
  return c == '-' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A whole decimal number of at most `max`.
std::optional<std::size_t> Count(std::string_view text, std::size_t max) {
  std::size_t value = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > max) {
    return std::nullopt;
  }
  return value;
}

// numfmt's field lists: "N", "N-M", "-M", "N-", "-", joined by commas.
std::optional<std::vector<FieldRange>> FieldList(std::string_view text) {
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  std::vector<FieldRange> ranges;
  for (;;) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    const std::size_t dash = item.find('-');
    FieldRange range;
    if (dash == std::string_view::npos) {
      const auto n = Count(item, kMax);
      if (!n || *n == 0) return std::nullopt;
      range = {*n, *n};
    } else {
      const std::string_view low = item.substr(0, dash);
      const std::string_view high = item.substr(dash + 1);
      const auto first =
          low.empty() ? std::optional<std::size_t>(1) : Count(low, kMax);
      const auto last =
          high.empty() ? std::optional<std::size_t>(kMax) : Count(high, kMax);
      if (!first || !last || *first == 0 || *first > *last) return std::nullopt;
      range = {*first, *last};
    }
    ranges.push_back(range);
    if (comma == std::string_view::npos) return ranges;
    text.remove_prefix(comma + 1);
  }
}

template <typename Value>
std::optional<Value> Choice(
    std::string_view text,
    std::initializer_list<std::pair<std::string_view, Value>> choices) {
  for (const auto& [name, value] : choices) {
    if (text == name) return value;
  }
  return std::nullopt;
}

}  // namespace

std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments) {
  // getopt_long reads "-1" as an option; such words are handed to it
  // without their "-" and given it back here.
  std::vector<char*> argv;
  std::map<const char*, const std::string*> negatives;
  argv.push_back(const_cast<char*>("mensurex"));
  for (const std::string& argument : arguments) {
    char* const text = const_cast<char*>(argument.c_str());
    if (argument.size() > 1 && argument[0] == '-' && !IsOption(argument)) {
      negatives[text + 1] = &argument;
      argv.push_back(text + 1);
    } else {
      argv.push_back(text);
    }
  }
  argv.push_back(nullptr);
  const auto original = [&](const char* text) -> std::string {
    const auto found = negatives.find(text);
    return found == negatives.end() ? std::string(text) : *found->second;
  };

  Options options;
  std::optional<std::string> to_name;
  std::optional<std::string> from_name;
  std::optional<std::string> locale_name;
  std::optional<std::string> decimal;
  std::optional<std::string> grouping;
  std::vector<std::string> words;
  ConversionSettings& conversion = options.conversion;

  optind = 0;  // a fresh scan, as glibc documents
  opterr = 0;
  const int argc = static_cast<int>(argv.size()) - 1;
  for (;;) {
    const int option = getopt_long(argc, argv.data(), kShortOptions,
                                   kLongOptions.data(), nullptr);
    if (option == -1) break;
    const std::string value = optarg != nullptr ? original(optarg) : "";
    const std::string given =
        original(argv[static_cast<std::size_t>(std::max(optind - 1, 1))]);
    switch (option) {
      case 1:
        words.push_back(value);
        break;
      case 'h':
        options.action = Options::Action::kHelp;
        return options;
      case kVersion:
        options.action = Options::Action::kVersion;
        return options;
      case kTo:
        to_name = value;
        break;
      case kFrom:
        from_name = value;
        break;
      case kLocale:
        if (value.empty()) return UsageError{"the locale name cannot be empty"};
        locale_name = value;
        break;
      case kDecimal:
        decimal = value;
        break;
      case kGrouping:
        grouping = value;
        break;
      case kPrecision: {
        const auto places = Count(value, conversion.max_value_bytes);
        if (!places) {
          return UsageError{
              "--precision takes a whole number of digits from 0 "
              "to " +
              std::to_string(conversion.max_value_bytes) + ", not " +
              QuoteForMessage(value)};
        }
        conversion.places = places;
        break;
      }
      case kRound: {
        using exact::Rounding;
        const auto mode =
            Choice<Rounding>(value, {{"up", Rounding::kUp},
                                     {"down", Rounding::kDown},
                                     {"from-zero", Rounding::kFromZero},
                                     {"towards-zero", Rounding::kTowardsZero},
                                     {"nearest", Rounding::kNearest}});
        if (!mode) {
          return UsageError{QuoteForMessage(value) +
                            " is not a rounding mode (up, down, from-zero, "
                            "towards-zero, nearest)"};
        }
        conversion.rounding = *mode;
        break;
      }
      case kSi:
        conversion.si = true;
        break;
      case kInvalid: {
        const auto mode =
            Choice<InvalidMode>(value, {{"abort", InvalidMode::kAbort},
                                        {"fail", InvalidMode::kFail},
                                        {"warn", InvalidMode::kWarn},
                                        {"ignore", InvalidMode::kIgnore}});
        if (!mode) {
          return UsageError{QuoteForMessage(value) +
                            " is not an --invalid mode (abort, fail, warn, "
                            "ignore)"};
        }
        options.invalid = *mode;
        break;
      }
      case kField: {
        auto fields = FieldList(value);
        if (!fields) {
          return UsageError{QuoteForMessage(value) +
                            " is not a field list (N, N-M, -M, N-, joined by "
                            "commas; fields count from 1)"};
        }
        options.fields.insert(options.fields.end(), fields->begin(),
                              fields->end());
        break;
      }
      case 'd':
        if (FrontUtf8Char(value).length != value.size() || value.empty()) {
          return UsageError{"the delimiter " + QuoteForMessage(value) +
                            " is not one character"};
        }
        options.delimiter = value;
        break;
      case kHeader: {
        const auto lines =
            optarg == nullptr
                ? std::optional<std::size_t>(1)
                : Count(value, std::numeric_limits<std::size_t>::max());
        if (!lines) {
          return UsageError{"--header takes a number of lines, not " +
                            QuoteForMessage(value)};
        }
        options.header_lines = *lines;
        break;
      }
      case ':':
        return UsageError{"option " + QuoteForMessage(given) +
                          " needs a value"};
      default:
        return UsageError{"unknown or ambiguous option " +
                          QuoteForMessage(given)};
    }
  }
  for (int i = optind; i < argc; ++i)
    words.push_back(original(argv[static_cast<std::size_t>(i)]));

  const auto unit =
      [&](const std::string& name) -> std::variant<Unit, UsageError> {
    if (const std::optional<Unit> found = UnitFromName(name, conversion.si)) {
      return *found;
    }
    return UsageError{QuoteForMessage(name) + " is not a known unit"};
  };
  if (from_name) {
    auto from = unit(*from_name);
    if (auto* error = std::get_if<UsageError>(&from)) return *error;
    conversion.default_unit = std::get<Unit>(from);
  }
  if (to_name && *to_name == "auto") {
    conversion.automatic = true;
  } else if (to_name) {
    auto to = unit(*to_name);
    if (auto* error = std::get_if<UsageError>(&to)) return *error;
    conversion.only_unit = std::get<Unit>(to);
  }
  if (!options.fields.empty() && !to_name) {
    return UsageError{"--field needs --to (a unit, or auto)"};
  }

  std::optional<NumericConventions> conventions = NumericLocaleConventions(
      locale_name ? locale_name->c_str() : "", &options.locale_notice);
  if (!conventions) {
    return UsageError{QuoteForMessage(*locale_name) +
                      " is not an installed locale"};
  }
  if (decimal) conventions->decimal = *decimal;
  if (grouping) conventions->grouping = *grouping;
  if (auto problem =
          SeparatorProblem(conventions->decimal, conventions->grouping)) {
    if (!decimal && !grouping) {
      *problem += " in the locale's conventions";
    }
    return UsageError{*problem};
  }
  if (!options.locale_notice.empty()) {
    options.locale_notice = "the locale " +
                            QuoteForMessage(options.locale_notice) +
                            " is not installed; amounts are read with " +
                            QuoteForMessage(conventions->decimal) +
                            " as the decimal separator and " +
                            (conventions->grouping.empty()
                                 ? std::string("no grouping")
                                 : QuoteForMessage(conventions->grouping) +
                                       " as the grouping separator");
  }
  conversion.separators = EntrySeparatorsFor(*conventions);

  if (words.size() > 2 || (words.size() == 2 && !words[0].empty() &&
                           IsAsciiLetter(words[0].back()))) {
    const std::size_t extra = words.size() == 2 ? 1 : 2;
    const std::size_t more = words.size() - extra - 1;
    return UsageError{QuoteForMessage(words[extra]) +
                      (more == 0 ? " is one argument too many"
                                 : " and the " + std::to_string(more) +
                                       " after it are arguments too many") +
                      " (an amount is a number and a unit)"};
  }
  for (const std::string& word : words) {
    if (options.has_amount) options.amount.push_back(' ');
    options.amount.append(word);
    options.has_amount = true;
  }
  return options;
}

std::string HelpText() {
  return R"(Usage: mensurex [OPTION]... [AMOUNT [UNIT]]
Convert amounts of digital storage between bytes, kilobytes, megabytes,
gigabytes, terabytes, petabytes and exabytes, each 1024 times the one below,
and print the exact results: every digit, no exponent, nothing rounded unless
--precision asks for it.

With an AMOUNT, convert it; without one, read standard input, one amount per
line (or per chosen field), and answer each line before reading on. Without
--to, each amount gives seven lines VALUE<TAB>UNIT, bytes first.

  --to UNIT          print the value in UNIT alone; "auto": in the largest
                     unit in which it is at least 1, as VALUE<TAB>UNIT
  --from UNIT        the unit of amounts written without one (default: B)
  --si               K, KB, kB .. E, EB and kilobyte .. exabyte mean powers of
                     1000; KiB .. EiB stay powers of 1024
  --precision N      round to N digits after the decimal separator
  --round MODE       how --precision rounds: up, down, from-zero,
                     towards-zero, or nearest (default; ties away from zero)
  --field LIST       convert only these fields (N, N-M, -M, N- joined by
                     commas); the rest of the line is kept byte for byte;
                     needs --to
  -d, --delimiter X  fields are separated by the character X (default: runs
                     of spaces and tabs)
  --header[=N]       pass the first N lines (default 1) through unchanged
  --invalid MODE     for an amount that does not convert: abort (stop),
                     fail (default: report it, print its text in place of its
                     results, exit 1), warn (the same, exit 0), ignore
                     (print its text, say nothing)
  --locale NAME      read and write numbers as the locale NAME does (C: "."
                     and no grouping) instead of as LC_ALL, LC_NUMERIC or LANG
  --decimal SEP      the decimal separator
  --grouping SEP     the digit-grouping separator ("" for none)
  -h, --help         show this help and exit
  --version          show the version and exit

Units, in any letter case: B, KB, MB, GB, TB, PB, EB; K, M, G, T, P, E;
KiB .. EiB; and the names byte .. exabyte, singular or plural. Long options
may be shortened while they stay unambiguous; "--" ends the options.

Exit status: 0 when every amount converted (or --invalid=warn or ignore),
1 when any did not or output failed, 2 for a mistake in the options.

Examples:
  $ mensurex --to EB 1 B
  0.000000000000000000867361737988403547205962240695953369140625
  $ mensurex --si --to GiB 1 TB
  931.322574615478515625
  $ du -b -s /usr/share/doc | mensurex --to auto --precision 1 --field 1
  141.6	MB	/usr/share/doc
  $ df -B1 --output=size,target / | mensurex --header --to GB --field 1
  $ find . -type f -printf '%s\n' | mensurex --to KB
)";
}

}  // namespace mensurex::cli
