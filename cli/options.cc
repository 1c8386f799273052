#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/text.h"
#include "locale_numbers.h"
#include "mensurex/units.h"
#include "mensurex/utf8.h"

namespace mensurex::cli {
namespace {

// What the command line says before units, layout and separators are
// resolved.
struct Draft {
  Options options;
  std::optional<std::string> to;
  std::optional<std::string> from;
  std::optional<std::string> locale;
  std::optional<std::string> decimal;
  std::optional<std::string> grouping;
  std::optional<std::string> precision;
  std::optional<std::string> padding;
  std::optional<std::string> format;
  std::optional<std::string> unit_separator;
  bool round = false;
  std::vector<std::string> words;
};

using Problem = std::optional<UsageError>;
// Takes an option's value (nullptr when an optional one is not given).
using Parser = Problem (*)(const char* value, Draft* draft);

struct OptionRow {
  const char* name;
  int has_arg;
  char short_name;  // 0: long only
  Parser parse;
};

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

// Ranges in order, overlapping and adjacent ones joined, so that a line's
// fields are matched in one pass.
void Normalize(std::vector<FieldRange>* ranges) {
  std::sort(ranges->begin(), ranges->end(),
            [](const FieldRange& a, const FieldRange& b) {
              return a.first < b.first;
            });
  std::vector<FieldRange> joined;
  for (const FieldRange& range : *ranges) {
    if (!joined.empty() && (joined.back().last >= range.first - 1)) {
      joined.back().last = std::max(joined.back().last, range.last);
    } else {
      joined.push_back(range);
    }
  }
  *ranges = std::move(joined);
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

// Keeps an option's value for a later step.
template <std::optional<std::string> Draft::*member>
Problem Keep(const char* value, Draft* draft) {
  draft->*member = value;
  return std::nullopt;
}

Problem Round(const char* value, Draft* draft) {
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
  draft->options.conversion.rounding = *mode;
  draft->round = true;
  return std::nullopt;
}

Problem Invalid(const char* value, Draft* draft) {
  const auto mode =
      Choice<InvalidMode>(value, {{"abort", InvalidMode::kAbort},
                                  {"fail", InvalidMode::kFail},
                                  {"warn", InvalidMode::kWarn},
                                  {"ignore", InvalidMode::kIgnore}});
  if (!mode) {
    return UsageError{QuoteForMessage(value) +
                      " is not an --invalid mode (abort, fail, warn, ignore)"};
  }
  draft->options.invalid = *mode;
  return std::nullopt;
}

Problem Field(const char* value, Draft* draft) {
  auto fields = FieldList(value);
  if (!fields) {
    return UsageError{QuoteForMessage(value) +
                      " is not a field list (N, N-M, -M, N-, joined by "
                      "commas; fields count from 1)"};
  }
  std::vector<FieldRange>& all = draft->options.fields;
  all.insert(all.end(), fields->begin(), fields->end());
  Normalize(&all);
  return std::nullopt;
}

Problem Delimiter(const char* value, Draft* draft) {
  const std::string_view text = value;
  if (text.empty() || FrontUtf8Char(text).length != text.size()) {
    return UsageError{"the delimiter " + QuoteForMessage(text) +
                      " is not one character"};
  }
  draft->options.delimiter = text;
  return std::nullopt;
}

Problem Header(const char* value, Draft* draft) {
  const auto lines =
      value == nullptr ? std::optional<std::size_t>(1)
                       : Count(value, std::numeric_limits<std::size_t>::max());
  if (!lines) {
    return UsageError{"--header takes a number of lines, not " +
                      QuoteForMessage(value)};
  }
  draft->options.header_lines = *lines;
  return std::nullopt;
}

template <bool ConversionSettings::*member>
Problem Set(const char*, Draft* draft) {
  draft->options.conversion.*member = true;
  return std::nullopt;
}

template <Options::Action action>
Problem Act(const char*, Draft* draft) {
  draft->options.action = action;
  return std::nullopt;
}

Problem ZeroTerminated(const char*, Draft* draft) {
  draft->options.zero_terminated = true;
  return std::nullopt;
}

constexpr std::array<OptionRow, 20> kOptions = {{
    {"to", required_argument, 0, Keep<&Draft::to>},
    {"from", required_argument, 0, Keep<&Draft::from>},
    {"si", no_argument, 0, Set<&ConversionSettings::si>},
    {"precision", required_argument, 0, Keep<&Draft::precision>},
    {"round", required_argument, 0, Round},
    {"show-unit", no_argument, 0, Set<&ConversionSettings::show_unit>},
    {"unit-separator", required_argument, 0, Keep<&Draft::unit_separator>},
    {"padding", required_argument, 0, Keep<&Draft::padding>},
    {"format", required_argument, 0, Keep<&Draft::format>},
    {"field", required_argument, 0, Field},
    {"delimiter", required_argument, 'd', Delimiter},
    {"header", optional_argument, 0, Header},
    {"zero-terminated", no_argument, 'z', ZeroTerminated},
    {"invalid", required_argument, 0, Invalid},
    {"locale", required_argument, 0, Keep<&Draft::locale>},
    {"decimal", required_argument, 0, Keep<&Draft::decimal>},
    {"grouping", required_argument, 0, Keep<&Draft::grouping>},
    {"help", no_argument, 'h', Act<Options::Action::kHelp>},
    {"version", no_argument, 0, Act<Options::Action::kVersion>},
    {nullptr, 0, 0, nullptr},
}};
// Long options without a short name come back as kLongCode + their index.
constexpr int kLongCode = 256;

// "-": words come back in order as option 1; ":": a missing value is ':'.
std::string ShortOptions() {
  std::string text = "-:";
  for (const OptionRow& row : kOptions) {
    if (row.short_name == 0) continue;
    text.push_back(row.short_name);
    if (row.has_arg == required_argument) text.push_back(':');
  }
  return text;
}

std::vector<option> LongOptions() {
  std::vector<option> options;
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    const OptionRow& row = kOptions[i];
    options.push_back({row.name, row.has_arg, nullptr,
                       row.short_name != 0 ? row.short_name
                                           : kLongCode + static_cast<int>(i)});
  }
  return options;
}

const OptionRow* OptionRowFor(int code) {
  if (code >= kLongCode) {
    return &kOptions[static_cast<std::size_t>(code - kLongCode)];
  }
  for (const OptionRow& row : kOptions) {
    if (row.name != nullptr && row.short_name == code) return &row;
  }
  return nullptr;
}

// An option's argument: "-" and then a letter or "-".
bool IsOption(std::string_view argument) {
  return argument.size() >= 2 && argument[0] == '-' &&
         (argument[1] == '-' || IsAsciiLetter(argument[1]));
}

// Sorts the arguments into options, handed to their parsers, and words.
// Each option (a long one, or a cluster of short ones) is read by
// getopt_long together with the argument after it, which it may take as
// its value; any other argument is a word.
Problem ScanArguments(const std::vector<std::string>& arguments, Draft* draft) {
  static const std::string short_options = ShortOptions();
  static const std::vector<option> long_options = LongOptions();
  for (std::size_t i = 0; i < arguments.size();) {
    const std::string& argument = arguments[i];
    if (argument == "--") {
      for (++i; i < arguments.size(); ++i) draft->words.push_back(arguments[i]);
      break;
    }
    if (!IsOption(argument)) {
      draft->words.push_back(argument);
      ++i;
      continue;
    }
    std::string program = "mensurex";
    std::string text = argument;
    std::string next = i + 1 < arguments.size() ? arguments[i + 1] : "";
    std::array<char*, 4> argv = {program.data(), text.data(), next.data(),
                                 nullptr};
    const int argc = i + 1 < arguments.size() ? 3 : 2;
    if (argc == 2) argv[2] = nullptr;
    optind = 0;  // a fresh scan, as glibc documents
    opterr = 0;
    do {
      const int code = getopt_long(argc, argv.data(), short_options.c_str(),
                                   long_options.data(), nullptr);
      const OptionRow* row = OptionRowFor(code);
      if (code == ':') {
        return UsageError{"option " + QuoteForMessage(argument) +
                          " needs a value"};
      }
      if (row == nullptr) {
        return UsageError{"unknown or ambiguous option " +
                          QuoteForMessage(argument)};
      }
      if (Problem problem = row->parse(optarg, draft)) return problem;
      if (draft->options.action != Options::Action::kConvert) {
        return std::nullopt;
      }
    } while (optind < 2);
    i += static_cast<std::size_t>(optind - 1);
  }
  return std::nullopt;
}

Problem ResolveUnits(const Draft& draft, ConversionSettings* conversion) {
  const auto unit = [&](const std::string& name) -> std::optional<Unit> {
    const auto named = UnitFromName(name, conversion->si, FoldLetterCase);
    return named ? std::optional<Unit>(named->unit) : std::nullopt;
  };
  const auto unknown = [](const std::string& name) {
    return UsageError{QuoteForMessage(name) + " is not a known unit"};
  };
  if (draft.from) {
    const std::optional<Unit> from = unit(*draft.from);
    if (!from) return unknown(*draft.from);
    conversion->default_unit = *from;
  }
  if (draft.to && *draft.to == "auto") {
    conversion->automatic = true;
  } else if (draft.to) {
    const std::optional<Unit> to = unit(*draft.to);
    if (!to) return unknown(*draft.to);
    conversion->only_unit = *to;
  }
  if (!draft.options.fields.empty() && !draft.to) {
    return UsageError{"--field needs --to (a unit, or auto)"};
  }
  return std::nullopt;
}

// Reads FORMAT: text, "%[-][0][WIDTH][.PRECISION]f", text; "%%" is "%".
Problem ParseFormat(std::string_view format, ConversionSettings* conversion,
                    bool* has_width, std::optional<std::string>* places) {
  const UsageError refused{
      QuoteForMessage(format) +
      " is not a format (TEXT%[-][0][WIDTH][.PRECISION]fTEXT)"};
  std::string* text = &conversion->prefix;
  bool seen = false;
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      text->push_back(format[i]);
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      text->push_back('%');
      ++i;
      continue;
    }
    if (seen) return refused;
    seen = true;
    std::size_t j = i + 1;
    for (; j < format.size() && (format[j] == '-' || format[j] == '0'); ++j) {
      (format[j] == '-' ? conversion->pad_right : conversion->pad_zeros) = true;
    }
    const std::size_t width_start = j;
    while (j < format.size() && IsAsciiDigit(format[j])) ++j;
    if (j > width_start) {
      const auto width =
          Count(format.substr(width_start, j - width_start), kMaxTextBytes);
      if (!width) return refused;
      conversion->width = *width;
      *has_width = true;
    }
    if (j < format.size() && format[j] == '.') {
      const std::size_t digits = ++j;
      while (j < format.size() && IsAsciiDigit(format[j])) ++j;
      *places = std::string(format.substr(digits, j - digits));
      if (places->value().empty()) *places = "0";
    }
    if (j == format.size() || format[j] != 'f') return refused;
    i = j;
    text = &conversion->suffix;
  }
  if (!seen) return refused;
  if (conversion->pad_right) conversion->pad_zeros = false;
  return std::nullopt;
}

// --precision, --round, --padding, --format and --unit-separator; after the
// separators, since a result's length limit bounds the precision.
Problem ResolveLayout(const Draft& draft, ConversionSettings* conversion) {
  std::optional<std::string> places = draft.precision;
  bool has_width = false;
  if (draft.format) {
    std::optional<std::string> format_places;
    if (Problem problem = ParseFormat(*draft.format, conversion, &has_width,
                                      &format_places)) {
      return problem;
    }
    if (format_places && places) {
      return UsageError{
          "--precision and a precision in --format exclude "
          "each other"};
    }
    if (format_places) places = format_places;
  }
  if (draft.padding) {
    if (has_width) {
      return UsageError{"--padding and a width in --format exclude each other"};
    }
    std::string_view text = *draft.padding;
    const bool right = text.starts_with('-');
    if (right) text.remove_prefix(1);
    const auto width = Count(text, kMaxTextBytes);
    if (!width || *width == 0) {
      return UsageError{"--padding takes a width from 1 to " +
                        std::to_string(kMaxTextBytes) +
                        " characters (negative: padded on the right), not " +
                        QuoteForMessage(*draft.padding)};
    }
    conversion->width = *width;
    conversion->pad_right = right;
  }
  if (draft.unit_separator) {
    conversion->unit_separator = *draft.unit_separator;
  } else if (!draft.options.fields.empty()) {
    conversion->unit_separator.clear();
  }
  // The longest precision with which zero still fits a result.
  const std::size_t max_places =
      conversion->max_value_bytes - 1 - conversion->separators.decimal.size();
  if (places) {
    const auto count = Count(*places, max_places);
    if (!count) {
      return UsageError{
          "--precision takes a whole number of digits from 0 "
          "to " +
          std::to_string(max_places) + ", not " + QuoteForMessage(*places)};
    }
    conversion->places = count;
  } else if (draft.round) {
    conversion->places = 0;  // --round alone rounds to whole units
  }
  return std::nullopt;
}

Problem ResolveSeparators(const Draft& draft, Options* options) {
  if (draft.locale && draft.locale->empty()) {
    return UsageError{"the locale name cannot be empty"};
  }
  std::optional<NumericConventions> conventions = NumericLocaleConventions(
      draft.locale ? draft.locale->c_str() : "", &options->locale_notice);
  if (!conventions) {
    return UsageError{QuoteForMessage(*draft.locale) +
                      " is not an installed locale"};
  }
  if (draft.decimal) {
    // What the user names wins over what the locale says.
    if (!draft.grouping && *draft.decimal == conventions->grouping) {
      conventions->grouping.clear();
    }
    conventions->decimal = *draft.decimal;
  }
  if (draft.grouping) conventions->grouping = *draft.grouping;
  if (auto problem =
          SeparatorProblem(conventions->decimal, conventions->grouping)) {
    if (!draft.decimal && !draft.grouping) {
      *problem += " in the locale's conventions";
    }
    return UsageError{*problem};
  }
  if (!options->locale_notice.empty()) {
    options->locale_notice = "the locale " +
                             QuoteForMessage(options->locale_notice) +
                             " is not installed; amounts are read with " +
                             QuoteForMessage(conventions->decimal) +
                             " as the decimal separator and " +
                             (conventions->grouping.empty()
                                  ? std::string("no grouping")
                                  : QuoteForMessage(conventions->grouping) +
                                        " as the grouping separator");
  }
  options->conversion.separators = EntrySeparatorsFor(*conventions);
  return std::nullopt;
}

// The words are one amount: a number, and a unit after it.
Problem ResolveAmount(const std::vector<std::string>& words, Options* options) {
  if (words.empty()) return std::nullopt;
  // The second word is no unit when the first has one, or is a number.
  const bool second_is_extra =
      words.size() >= 2 &&
      ((!words[0].empty() && IsAsciiLetter(words[0].back())) ||
       IsNumericEntry(words[1], options->conversion.separators));
  if (words.size() > 2 || second_is_extra) {
    const std::size_t extra = second_is_extra ? 1 : 2;
    const std::size_t more = words.size() - extra - 1;
    return UsageError{QuoteForMessage(words[extra]) +
                      (more == 0 ? " is one argument too many"
                                 : " and the " + std::to_string(more) +
                                       " after it are arguments too many") +
                      " (an amount is a number and a unit)"};
  }
  for (const std::string& word : words) {
    if (options->has_amount) options->amount.push_back(' ');
    options->amount.append(word);
    options->has_amount = true;
  }
  if (!options->fields.empty()) {
    return UsageError{
        "--field converts fields of standard input, not the "
        "amount " +
        QuoteForMessage(options->amount)};
  }
  return std::nullopt;
}

}  // namespace

std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments) {
  Draft draft;
  Options& options = draft.options;
  Problem problem = ScanArguments(arguments, &draft);
  if (!problem && options.action != Options::Action::kConvert) return options;
  if (!problem) problem = ResolveUnits(draft, &options.conversion);
  if (!problem) problem = ResolveSeparators(draft, &options);
  if (!problem) problem = ResolveLayout(draft, &options.conversion);
  if (!problem) problem = ResolveAmount(draft.words, &options);
  if (problem) return *problem;
  return options;
}

std::string HelpText() {
  return R"(Usage: mensurex [OPTION]... [AMOUNT [UNIT]]
Convert amounts of digital storage between bytes, kilobytes, megabytes,
gigabytes, terabytes, petabytes and exabytes, each 1024 times the one below,
and print the exact results: every digit, no exponent, nothing rounded unless
--precision or --round asks for it.

With an AMOUNT, convert it; without one, read standard input, one amount per
line (or per chosen field), and answer each line before reading on. Without
--to, each amount gives seven lines VALUE<TAB>UNIT, bytes first.

  --to UNIT          print the value in UNIT alone; "auto": in the largest
                     unit in which it is at least 1, or the one above when
                     rounding carries it to 1024 (1000 with --si), as
                     VALUE<TAB>UNIT (VALUEUNIT in a field)
  --from UNIT        the unit of amounts written without one (default: B)
  --si               K, KB, kB .. E, EB and kilobyte .. exabyte mean powers of
                     1000; Ki, KiB .. Ei, EiB stay powers of 1024
  --precision N      round to N digits after the decimal separator
  --round MODE       how to round: up, down, from-zero, towards-zero, or
                     nearest (default; ties away from zero); without
                     --precision, to whole units
  --show-unit        print the unit after the value of --to UNIT too
  --unit-separator SEP  the text between value and unit (default: a tab, and
                     nothing in a field)
  --padding N        pad each result to N characters, on the left (on the
                     right when N is negative)
  --format FORMAT    lay each result out as FORMAT: text, then %f with the
                     flags - (pad on the right) and 0 (pad with zeros), a
                     width and a .PRECISION, then text; %% is a %
  --field LIST       convert only these fields (N, N-M, -M, N- joined by
                     commas); the rest of the line is kept byte for byte;
                     needs --to; no amount arguments
  -d, --delimiter X  fields are separated by the character X (default: runs
                     of spaces and tabs)
  --header[=N]       pass the first N lines (default 1) through unchanged
  -z, --zero-terminated  lines end with NUL, not a line feed
  --invalid MODE     for an amount that does not convert: abort (stop),
                     fail (default: report it, print its text in place of its
                     results, exit 1), warn (the same, exit 0), ignore
                     (print its text, say nothing)
  --locale NAME      read and write numbers as the locale NAME does (C: "."
                     and no grouping) instead of as LC_ALL, LC_NUMERIC or LANG
  --decimal SEP      the decimal separator; when it is the locale's grouping
                     separator, grouping is off unless --grouping is given
  --grouping SEP     the digit-grouping separator ("" for none)
  -h, --help         show this help and exit
  --version          show the version and exit

Units, in any letter case: B, KB, MB, GB, TB, PB, EB; K, M, G, T, P, E;
Ki .. Ei; KiB .. EiB; and the names byte .. exabyte, singular or plural.
Long options may be shortened while they stay unambiguous; "--" ends the
options.

Exit status: 0 when every amount converted (or --invalid=warn or ignore),
1 when any did not or output failed, 2 for a mistake in the options.

Examples:
  $ mensurex --to EB 1 B
  0.000000000000000000867361737988403547205962240695953369140625
  $ mensurex --si --to GiB 1 TB
  931.322574615478515625
  $ mensurex --to auto --precision 1 1048575
  1.0	MB
  $ du -b --max-depth=1 /usr/share | mensurex --to auto --precision 1 --field 1 | sort -h
  $ df -B1 | mensurex --header --to auto --precision 1 --field 2-4 --padding 8
  $ find . -type f -printf '%s\n' | mensurex --to KB
)";
}

}  // namespace mensurex::cli
