#include "cli/options.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstddef>
#include <limits>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "amounts/units.h"
#include "amounts/utf8.h"
#include "cli/help_text.h"
#include "cli/quoting.h"
#include "cli/text.h"
#include "identity/names.h"
#include "locale_numbers.h"

namespace mensurex::cli {
namespace {

// Codes of the long options without a short name.
enum {
  kToOption = CHAR_MAX + 1,
  kFromOption,
  kFromUnitOption,
  kToUnitOption,
  kSiOption,
  kPrecisionOption,
  kRoundOption,
  kShowUnitOption,
  kUnitSeparatorOption,
  kPaddingOption,
  kFormatOption,
  kSuffixOption,
  kFieldOption,
  kHeaderOption,
  kInvalidOption,
  kLocaleOption,
  kDecimalOption,
  kGroupingOption,
  kDebugOption,
  kVersionOption,
};

// getopt_long takes any unambiguous abbreviation of these ("--prec"); one
// that fits several ("--fr": --from and --from-unit) is refused.
constexpr option kLongOptions[] = {
    {"to", required_argument, nullptr, kToOption},
    {"from", required_argument, nullptr, kFromOption},
    {"from-unit", required_argument, nullptr, kFromUnitOption},
    {"to-unit", required_argument, nullptr, kToUnitOption},
    {"si", no_argument, nullptr, kSiOption},
    {"precision", required_argument, nullptr, kPrecisionOption},
    {"round", required_argument, nullptr, kRoundOption},
    {"show-unit", no_argument, nullptr, kShowUnitOption},
    {"unit-separator", required_argument, nullptr, kUnitSeparatorOption},
    {"padding", required_argument, nullptr, kPaddingOption},
    {"format", required_argument, nullptr, kFormatOption},
    {"suffix", required_argument, nullptr, kSuffixOption},
    {"field", required_argument, nullptr, kFieldOption},
    {"delimiter", required_argument, nullptr, 'd'},
    {"header", optional_argument, nullptr, kHeaderOption},
    {"zero-terminated", no_argument, nullptr, 'z'},
    {"invalid", required_argument, nullptr, kInvalidOption},
    {"locale", required_argument, nullptr, kLocaleOption},
    {"decimal", required_argument, nullptr, kDecimalOption},
    {"grouping", optional_argument, nullptr, kGroupingOption},
    {"debug", no_argument, nullptr, kDebugOption},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, kVersionOption},
    {nullptr, 0, nullptr, 0},
};
// "-": words come back in order as code 1; ":": a missing value is ':'.
constexpr char kShortOptions[] = "-:d:zh";

constexpr std::pair<std::string_view, Rounding> kRoundings[] = {
    {"up", Rounding::kUp},
    {"down", Rounding::kDown},
    {"from-zero", Rounding::kFromZero},
    {"towards-zero", Rounding::kTowardsZero},
    {"nearest", Rounding::kNearest}};
constexpr std::pair<std::string_view, InvalidMode> kInvalidModes[] = {
    {"abort", InvalidMode::kAbort},
    {"fail", InvalidMode::kFail},
    {"warn", InvalidMode::kWarn},
    {"ignore", InvalidMode::kIgnore}};

// What the command line says that is settled only once all of it is read:
// the units and scales need --si, the separators --locale, the precision
// the decimal separator's length, and the style the whole line.
struct Given {
  std::optional<std::string> to;
  std::optional<std::string> from;
  std::optional<std::string> from_unit;
  std::optional<std::string> to_unit;
  std::optional<std::string> locale;
  std::optional<std::string> decimal;
  std::optional<std::string> grouping;
  std::optional<std::string> precision;
  std::optional<std::string> format_places;
  std::optional<std::string> unit_separator;
  bool si = false;
  bool show_unit = false;
  bool format = false;
  bool format_width = false;
  bool padding = false;
  bool round = false;
  bool invalid = false;
  bool group_written = false;  // a bare --grouping
  std::vector<std::string> words;

  // Options that only numfmt's style lays out or reads: alone, with no
  // conversion of mensurex's own, they make a line numfmt's.
  bool numfmt_layout = false;
  bool OwnConversion() const {
    return to || from || si || show_unit || precision;
  }
};

// The options whose values are read once the whole line is.
constexpr std::pair<int, std::optional<std::string> Given::*> kKeptValues[] = {
    {kToOption, &Given::to},
    {kFromOption, &Given::from},
    {kFromUnitOption, &Given::from_unit},
    {kToUnitOption, &Given::to_unit},
    {kPrecisionOption, &Given::precision},
    {kUnitSeparatorOption, &Given::unit_separator},
    {kLocaleOption, &Given::locale},
    {kDecimalOption, &Given::decimal}};

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

// numfmt's field lists: "N", "N-M", "-M", "N-", "-", separated by commas
// or blanks, sorted and with overlapping and adjacent ranges joined, so
// that a line's fields are matched in one pass.
std::optional<std::vector<FieldRange>> FieldList(std::string_view text) {
  // The largest number stands for an open end ("N-"), so a field number
  // stays below it.
  constexpr std::size_t kMax = std::numeric_limits<std::size_t>::max();
  std::vector<FieldRange> ranges;
  for (;;) {
    const std::size_t end = std::min(text.find_first_of(", \t"), text.size());
    const std::string_view item = text.substr(0, end);
    // "N" is the range N-N; either end of a range may be left open.
    const std::size_t dash = item.find('-');
    const bool single = dash == std::string_view::npos;
    const std::string_view low = item.substr(0, dash);
    const std::string_view high = single ? item : item.substr(dash + 1);
    const auto first = !single && low.empty() ? std::optional<std::size_t>(1)
                                              : Count(low, kMax - 1);
    const auto last = !single && high.empty() ? std::optional<std::size_t>(kMax)
                                              : Count(high, kMax - 1);
    if (!first || !last || *first == 0 || *first > *last) return std::nullopt;
    ranges.push_back({*first, *last});
    if (end == text.size()) break;
    text.remove_prefix(end + 1);
  }
  std::ranges::sort(ranges, {}, &FieldRange::first);
  std::vector<FieldRange> joined;
  for (const FieldRange& range : ranges) {
    if (!joined.empty() && joined.back().last >= range.first - 1) {
      joined.back().last = std::max(joined.back().last, range.last);
    } else {
      joined.push_back(range);
    }
  }
  return joined;
}

using Problem = std::optional<UsageError>;

// Reads FORMAT: text, "%[-][0]['][WIDTH][.PRECISION]f", text; "%%" is "%".
// A width pads the number with zeros after the 0 flag (not after -) and
// is otherwise the padding's, *has_width then.
Problem ParseFormat(std::string_view format, ResultLayout* layout,
                    bool* has_width, std::optional<std::string>* places) {
  const UsageError refused{
      QuoteForMessage(format) +
      " is not a format (TEXT%[-][0]['][WIDTH][.PRECISION]fTEXT)"};
  std::string* text = &layout->prefix;
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
    // A space flag is read and ignored, as numfmt does.
    std::size_t j =
        std::min(format.find_first_not_of("-0' ", i + 1), format.size());
    const std::string_view flags = format.substr(i + 1, j - i - 1);
    const bool left = flags.find('-') != std::string_view::npos;
    bool zeros = flags.find('0') != std::string_view::npos;
    if (flags.find('\'') != std::string_view::npos) layout->group_digits = true;
    layout->pad_right = layout->pad_right || left;
    const std::size_t width_start = j;
    while (j < format.size() && IsAsciiDigit(format[j])) ++j;
    if (j > width_start) {
      const auto width =
          Count(format.substr(width_start, j - width_start), kMaxTextBytes);
      if (!width) return refused;
      zeros = zeros && !left;
      (zeros ? layout->zero_width : layout->width) = *width;
      *has_width = !zeros;
    }
    if (j < format.size() && format[j] == '.') {
      const std::size_t digits = ++j;
      while (j < format.size() && IsAsciiDigit(format[j])) ++j;
      // "%.f" has no fraction digits.
      places->emplace(j > digits ? format.substr(digits, j - digits) : "0");
    }
    if (j == format.size() || format[j] != 'f') return refused;
    i = j;
    text = &layout->suffix;
  }
  if (!seen) return refused;
  return std::nullopt;
}

// numfmt's style when a scale or a unit size is named.
Problem ResolveNumfmt(const Given& given, Options* options) {
  Scale from = Scale::kNone;
  Scale to = Scale::kNone;
  ConversionSettings& conversion = options->conversion;
  for (const auto& [name, input, scale] : {std::tuple(&given.from, true, &from),
                                           std::tuple(&given.to, false, &to)}) {
    if (!*name) continue;
    const std::optional<Scale> named = ScaleNamed(**name, input);
    if (!named) {
      return UsageError{
          QuoteForMessage(**name) + " is not a scale (" +
          (input ? "none, auto, si, iec, iec-i" : "none, si, iec, iec-i") +
          "), which numfmt's options take instead of units"};
    }
    *scale = *named;
  }
  for (const auto& [text, option, size] :
       {std::tuple(&given.from_unit, "--from-unit", &conversion.from_unit),
        std::tuple(&given.to_unit, "--to-unit", &conversion.to_unit)}) {
    if (!*text) continue;
    const std::optional<Ratio> named = UnitSizeNamed(**text);
    if (!named) {
      return UsageError{std::string(option) +
                        " takes a size such as 512, 4096, 1K or 1Ki (whole, "
                        "and a product of 2s and 5s), not " +
                        QuoteForMessage(**text)};
    }
    *size = *named;
  }
  conversion.suffixes = from;
  const bool scaled = to != Scale::kNone;
  conversion.target = scaled ? Target::kReadable : Target::kOneUnit;
  conversion.fraction = scaled ? Fraction::kReadable : Fraction::kAsWritten;
  conversion.decimal = to == Scale::kSi;
  conversion.labels =
      to == Scale::kIecI ? Labels::kBinarySuffixes : Labels::kSuffixes;
  if (!given.round) conversion.rounding = Rounding::kFromZero;
  if (!given.invalid) options->invalid = InvalidMode::kAbort;
  if (options->fields.empty()) options->fields.push_back({1, 1});
  options->numfmt_blanks = options->echo_lone_amount = true;
  options->failed_status = kExitInvalidNumber;
  if (given.group_written && given.format) {
    return UsageError{"--grouping cannot be combined with --format"};
  }
  if (scaled && conversion.layout.group_digits) {
    return UsageError{"grouping cannot be combined with --to"};
  }
  if (options->debug && from == Scale::kNone && to == Scale::kNone &&
      !given.padding && !given.format &&
      !options->conversion.layout.group_digits) {
    options->notices.emplace_back("no conversion option specified");
  }
  return std::nullopt;
}

// numfmt's style when a scale or a unit size is named, or numfmt's layout
// options come without a conversion of mensurex's own; mensurex's units
// otherwise.
Problem ResolveUnits(const Given& given, Options* options) {
  if ((given.from && ScaleNamed(*given.from, true)) ||
      (given.to && ScaleNamed(*given.to, false)) || given.from_unit ||
      given.to_unit || (given.numfmt_layout && !given.OwnConversion())) {
    return ResolveNumfmt(given, options);
  }
  ConversionSettings* conversion = &options->conversion;
  conversion->decimal = given.si;
  // The unit that `name` names, into *unit; otherwise the problem.
  const auto read_unit = [&](const std::string& name, Unit* unit) -> Problem {
    const auto named = UnitFromName(name, given.si);
    if (!named) {
      return UsageError{QuoteForMessage(name) + " is not a known unit"};
    }
    *unit = named->unit;
    return std::nullopt;
  };
  if (given.from) {
    Unit from;
    if (auto problem = read_unit(*given.from, &from)) return problem;
    conversion->from_unit = RatioBetween(from, {});
  }
  if (options->fields.empty() && options->delimiter) {
    options->fields.push_back({1, 1});
  }
  if (given.to && *given.to == "human") {
    // As ls -h and du -h write sizes, rounded up unless --round says.
    conversion->target = Target::kReadable;
    conversion->fraction = Fraction::kReadable;
    if (!given.round) conversion->rounding = Rounding::kUp;
  } else if ((given.to && *given.to == "auto") ||
             (!given.to && !options->fields.empty())) {
    conversion->target = Target::kReadable;
  } else if (given.to) {
    Unit to;
    if (auto problem = read_unit(*given.to, &to)) return problem;
    conversion->target = Target::kOneUnit;
    conversion->to_unit = RatioBetween(to, {});
    if (given.show_unit) {
      conversion->one_unit_label =
          UnitLabel(to, given.si ? UnitNaming::kIec : UnitNaming::kSymbol);
    }
  }
  return std::nullopt;
}

Problem ResolveSeparators(const Given& given, Options* options) {
  if (given.locale && given.locale->empty()) {
    return UsageError{"the locale name cannot be empty"};
  }
  std::string unavailable;
  std::optional<NumericConventions> conventions = NumericLocaleConventions(
      given.locale ? given.locale->c_str() : "", &unavailable);
  if (!conventions) {
    return UsageError{QuoteForMessage(*given.locale) +
                      " is not an installed locale"};
  }
  // What the user names wins over what the locale says.
  if (given.decimal || given.grouping) conventions->also_read = {};
  if (given.decimal) {
    if (!given.grouping && *given.decimal == conventions->grouping) {
      conventions->grouping.clear();
    }
    conventions->decimal = *given.decimal;
  }
  if (given.grouping) conventions->grouping = *given.grouping;
  if (auto problem =
          SeparatorProblem(conventions->decimal, conventions->grouping)) {
    if (!given.decimal && !given.grouping) {
      *problem += " in the locale's conventions";
    }
    return UsageError{*problem};
  }
  if (!unavailable.empty()) {
    options->notices.push_back("the locale " + QuoteForMessage(unavailable) +
                               " is not installed; amounts are read with " +
                               QuoteForMessage(conventions->decimal) +
                               " as the decimal separator and " +
                               (conventions->grouping.empty()
                                    ? std::string("no grouping")
                                    : QuoteForMessage(conventions->grouping) +
                                          " as the grouping separator"));
  }
  options->conversion.separators = EntrySeparatorsFor(*conventions);
  return std::nullopt;
}

// The precision, bounded by the longest with which zero still fits a
// result.
Problem ResolvePlaces(const Given& given, ConversionSettings* conversion) {
  if (given.format_places && given.precision) {
    return UsageError{
        "--precision and a precision in --format exclude each other"};
  }
  const std::optional<std::string>& places =
      given.precision ? given.precision : given.format_places;
  const std::size_t max_places =
      kMaxTextBytes - 1 - conversion->separators.decimal.size();
  if (places) {
    const auto count = Count(*places, max_places);
    if (!count) {
      return UsageError{
          "--precision takes a whole number of digits from 0 to " +
          std::to_string(max_places) + ", not " + QuoteForMessage(*places)};
    }
    conversion->places = count;
  } else if (given.round && conversion->fraction == Fraction::kExact) {
    conversion->places = 0;  // --round alone rounds to whole units
  }
  return std::nullopt;
}

// The words are amounts: each word, or a number and the word without
// digits after it, its unit ("1.5 GB"), which only whole lines join.
void JoinAmounts(const std::vector<std::string>& words, Options* options) {
  const EntrySeparators& separators = options->conversion.separators;
  const bool join = options->fields.empty();
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string amount = words[i];
    if (join && i + 1 < words.size() && IsNumericEntry(words[i], separators) &&
        std::none_of(words[i + 1].begin(), words[i + 1].end(), IsAsciiDigit)) {
      amount += ' ';
      amount += words[++i];
      // A prefix apart from the word for bytes ("2 Giga Byte") is one name.
      if (i + 1 < words.size() &&
          UnitFromName(words[i] + ' ' + words[i + 1], false)) {
        amount += ' ';
        amount += words[++i];
      }
    }
    options->amounts.push_back(std::move(amount));
  }
}

// The settings that the whole command line decides, once it is read.
Problem Resolve(const Given& given, Options* options) {
  ConversionSettings& conversion = options->conversion;
  Problem problem = ResolveUnits(given, options);
  if (!problem) problem = ResolveSeparators(given, options);
  if (!problem) problem = ResolvePlaces(given, &conversion);
  if (problem) return problem;
  if (given.unit_separator) {
    conversion.unit_separator = *given.unit_separator;
  } else if (!options->fields.empty()) {
    conversion.unit_separator.clear();
  }
  JoinAmounts(given.words, options);
  return std::nullopt;
}

// An argument that starts with "-" and then no letter or "-" ("-1", "-.5")
// is a negative amount, not a cluster of short options.
bool IsNegativeAmount(std::string_view argument) {
  return argument.size() >= 2 && argument[0] == '-' && argument[1] != '-' &&
         !IsAsciiLetter(argument[1]);
}

// `text` in single quotes, as the C library's messages quote words.
std::string Quoted(std::string_view text) {
  return QuoteForMessage(text, 80, '\'');
}

// The value of `option` that `text` names, or that it begins and no other
// does ("n": nearest); otherwise nullopt, and *problem says why, as numfmt
// says it.
template <typename Value, std::size_t kCount>
std::optional<Value> Choice(
    std::string_view text, std::string_view option,
    const std::pair<std::string_view, Value> (&choices)[kCount],
    Problem* problem) {
  std::optional<Value> found;
  bool ambiguous = false;
  std::string names;
  for (const auto& [name, value] : choices) {
    if (text == name) return value;
    if (!text.empty() && name.starts_with(text)) {
      ambiguous = found.has_value();
      found = value;
    }
    names += names.empty() ? " " : ", ";
    names += Quoted(name);
  }
  if (found && !ambiguous) return found;
  *problem = UsageError{std::string(ambiguous ? "ambiguous" : "invalid") +
                        " argument " + Quoted(text) + " for " +
                        Quoted("--" + std::string(option)) +
                        "; valid arguments are" + names};
  return std::nullopt;
}

// The C library's words for an option that getopt_long refused in
// `word`: unknown, ambiguous (with the options it may stand for), given a
// value it does not take, or (`missing`) without the value it needs.
UsageError RefusedOption(std::string_view word, int short_option,
                         bool missing) {
  if (!word.starts_with("--")) {
    const std::string letter(1, static_cast<char>(short_option));
    return UsageError{
        (missing ? "option requires an argument -- " : "invalid option -- ") +
        Quoted(letter)};
  }
  const std::string_view name = word.substr(2, word.find('=') - 2);
  std::vector<std::string_view> matches;
  for (const option& known : kLongOptions) {
    if (known.name == nullptr) break;
    const std::string_view candidate = known.name;
    if (candidate == name) {
      matches = {candidate};
      break;
    }
    if (candidate.starts_with(name)) matches.push_back(candidate);
  }
  if (matches.empty()) return UsageError{"unrecognized option " + Quoted(word)};
  if (matches.size() > 1) {
    std::string message =
        "option " + Quoted(word) + " is ambiguous; possibilities:";
    for (const std::string_view match : matches) {
      message += " " + Quoted("--" + std::string(match));
    }
    return UsageError{message};
  }
  return UsageError{
      "option " + Quoted("--" + std::string(matches[0])) +
      (missing ? " requires an argument" : " doesn't allow an argument")};
}

Problem ReadPadding(std::string_view value, Options* options) {
  const bool right = value.starts_with('-');
  const auto width = Count(value.substr(right ? 1 : 0), kMaxTextBytes);
  if (!width || *width == 0) {
    return UsageError{"--padding takes a width from 1 to " +
                      std::to_string(kMaxTextBytes) +
                      " characters (negative: padded on the right), not " +
                      QuoteForMessage(value)};
  }
  options->conversion.layout.width = *width;
  options->conversion.layout.pad_right =
      options->conversion.layout.pad_right || right;
  return std::nullopt;
}

Problem ReadFields(std::string_view value, Options* options) {
  if (!options->fields.empty()) {
    return UsageError{"multiple field specifications"};
  }
  auto fields = FieldList(value);
  if (!fields) {
    return UsageError{QuoteForMessage(value) +
                      " is not a field list (N, N-M, -M, N-, separated by "
                      "commas or blanks; fields count from 1)"};
  }
  options->fields = std::move(*fields);
  return std::nullopt;
}

Problem ReadDelimiter(std::string_view value, Options* options) {
  // Empty: no delimiter, the whole line is one field. One byte is one
  // character in a single-byte locale, and is split on in any.
  if (value.size() > 1 && FrontUtf8Char(value).length != value.size()) {
    return UsageError{"the delimiter " + QuoteForMessage(value) +
                      " is not one character"};
  }
  options->delimiter = value;
  return std::nullopt;
}

Problem ReadHeader(const char* value, Options* options) {
  const auto lines =
      value == nullptr ? std::optional<std::size_t>(1)
                       : Count(value, std::numeric_limits<std::size_t>::max());
  if (!lines) {
    return UsageError{"--header takes a number of lines, not " +
                      QuoteForMessage(value)};
  }
  options->header_lines = *lines;
  return std::nullopt;
}

// Applies one option that getopt_long returned, `optarg` its value.
Problem ApplyOption(int code, const char* optarg, Options* options,
                    Given* given) {
  ConversionSettings& conversion = options->conversion;
  const std::string_view value = optarg != nullptr ? optarg : "";
  for (const auto& [kept, member] : kKeptValues) {
    if (code == kept) {
      given->*member = value;
      return std::nullopt;
    }
  }
  Problem problem;
  switch (code) {
    case 1:
      given->words.emplace_back(value);
      break;
    case kSiOption:
      given->si = true;
      break;
    case kRoundOption:
      if (const auto mode = Choice(value, "round", kRoundings, &problem)) {
        conversion.rounding = *mode;
        given->round = true;
      }
      break;
    case kShowUnitOption:
      given->show_unit = true;
      break;
    case kPaddingOption: {
      // A width in --format wins; the side comes from either.
      const std::size_t format_width = conversion.layout.width;
      given->padding = given->numfmt_layout = true;
      problem = ReadPadding(value, options);
      if (given->format_width) conversion.layout.width = format_width;
      break;
    }
    case kFormatOption:
      given->format = given->numfmt_layout = true;
      return ParseFormat(value, &conversion.layout, &given->format_width,
                         &given->format_places);
    case kSuffixOption:
      conversion.suffix = value;
      given->numfmt_layout = true;
      break;
    case kFieldOption:
      return ReadFields(value, options);
    case 'd':
      return ReadDelimiter(value, options);
    case kHeaderOption:
      return ReadHeader(optarg, options);
    case 'z':
      options->zero_terminated = true;
      break;
    case kInvalidOption:
      if (const auto mode = Choice(value, "invalid", kInvalidModes, &problem)) {
        options->invalid = *mode;
        given->invalid = true;
      }
      break;
    case kGroupingOption:
      // Alone, the digits written are grouped; with a value, it is the
      // grouping separator read.
      if (optarg == nullptr) {
        conversion.layout.group_digits = given->group_written =
            given->numfmt_layout = true;
      } else {
        given->grouping = value;
      }
      break;
    case kDebugOption:
      options->debug = given->numfmt_layout = true;
      break;
    case 'h':
      options->action = Options::Action::kHelp;
      break;
    case kVersionOption:
      options->action = Options::Action::kVersion;
      break;
  }
  return problem;
}

// Reads `arguments` into *options and *given in one getopt_long scan, from
// a fresh start whatever an earlier scan left. The scan runs to the end,
// so that no cluster of short options is left half read; the first
// problem, or --help or --version, is what counts.
Problem Scan(const std::vector<std::string>& arguments, Options* options,
             Given* given) {
  std::vector<std::string> texts = arguments;
  std::string program = identity::kCommandProgram;
  std::vector<char*> argv = {program.data()};
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(argv.size()) - 1;

  Problem problem;
  // A call with optind = 0 makes getopt_long forget the words of an earlier
  // scan (with "-" at the start of the short options, 1 would not); made on
  // no words, it leaves the scan to start at the first one, whatever that
  // is, with `at` its index.
  opterr = 0;
  optind = 0;
  std::array<char*, 2> no_words = {program.data(), nullptr};
  getopt_long(1, no_words.data(), kShortOptions, kLongOptions, nullptr);
  optind = 1;
  bool in_cluster = false;  // within "-zd," after its first letter
  for (;;) {
    const int at = optind;
    if (!in_cluster && at < argc && IsNegativeAmount(argv[at])) {
      if (!problem) given->words.emplace_back(argv[at]);
      optind = at + 1;
      continue;
    }
    const int code =
        getopt_long(argc, argv.data(), kShortOptions, kLongOptions, nullptr);
    if (code == -1) break;
    in_cluster = optind == at;
    if (problem || options->action != Options::Action::kConvert) continue;
    if (code == '?' || code == ':') {
      problem = RefusedOption(argv[at], optopt, code == ':');
    } else {
      problem = ApplyOption(code, optarg, options, given);
    }
  }
  // What follows "--" is words.
  given->words.insert(given->words.end(), argv.begin() + optind,
                      argv.begin() + argc);
  return problem;
}

}  // namespace

std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments) {
  Options options;
  Given given;
  if (Problem problem = Scan(arguments, &options, &given)) return *problem;
  if (options.action != Options::Action::kConvert) return options;
  if (Problem problem = Resolve(given, &options)) return *problem;
  return options;
}

std::string_view HelpText() { return kHelp; }

std::vector<OptionWords> DescribeOptions() {
  std::vector<std::string> units;
  for (const StorageUnit storage : kAllStorageUnits) {
    const std::string symbol(UnitLabel({storage, false}, UnitNaming::kSymbol));
    const std::string iec(UnitLabel({storage, false}, UnitNaming::kIec));
    units.push_back(symbol);
    if (storage == StorageUnit::kBytes) continue;
    units.push_back(symbol.substr(0, symbol.size() - 1));  // K
    units.push_back(iec.substr(0, iec.size() - 1));        // Ki
    units.push_back(iec);
  }
  const auto names_of = [](const auto& choices) {
    std::vector<std::string> names;
    for (const auto& choice : choices) names.emplace_back(choice.first);
    return names;
  };
  std::vector<OptionWords> described;
  for (const option& known : kLongOptions) {
    if (known.name == nullptr) break;
    OptionWords words{known.name, known.has_arg == required_argument, {}};
    const std::string_view name = known.name;
    if (name == "to" || name == "from") {
      if (name == "to") words.values = {"auto", "human"};
      words.values.insert(words.values.end(), units.begin(), units.end());
      for (const std::string_view scale : kScaleNames) {
        if (ScaleNamed(scale, name == "from")) words.values.emplace_back(scale);
      }
    }
    if (name == "round") words.values = names_of(kRoundings);
    if (name == "invalid") words.values = names_of(kInvalidModes);
    described.push_back(std::move(words));
  }
  return described;
}

}  // namespace mensurex::cli
