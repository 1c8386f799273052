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
  std::optional<std::string> from_unit;
  std::optional<std::string> to_unit;
  bool round = false;
  bool invalid = false;
  bool group_output = false;
  std::vector<std::string> words;
};

using Problem = std::optional<UsageError>;
// Takes an option's value (nullptr when an optional one is not given).
using Parser = Problem (*)(const char* value, Draft* draft);

struct OptionRow {
  const char* name = nullptr;
  int has_arg = no_argument;
  char short_name = 0;  // 0: long only
  Parser parse = nullptr;
  // An optional value may also be the next argument, when that can be a
  // separator (see Grouping).
  bool value_may_follow = false;
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
  draft->invalid = true;
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

// Without a value, the digits written are grouped; with one, it is the
// grouping separator read.
Problem Grouping(const char* value, Draft* draft) {
  if (value == nullptr) {
    draft->group_output = true;
  } else {
    draft->grouping = value;
  }
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

constexpr std::array<OptionRow, 22> kOptions = {{
    {"to", required_argument, 0, Keep<&Draft::to>},
    {"from", required_argument, 0, Keep<&Draft::from>},
    {"from-unit", required_argument, 0, Keep<&Draft::from_unit>},
    {"to-unit", required_argument, 0, Keep<&Draft::to_unit>},
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
    {"grouping", optional_argument, 0, Grouping, true},
    {"help", no_argument, 'h', Act<Options::Action::kHelp>},
    {"version", no_argument, 0, Act<Options::Action::kVersion>},
    {nullptr, 0, 0, nullptr},
}};
// Long options without a short name come back as kLongCode + the index of
// their row, or of the row whose name theirs extends ("from-unit" has the
// code of "from"), so that getopt_long takes an abbreviation of both
// ("--fr") for the shorter; the index it reports tells them apart.
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

int LongCode(std::size_t index) {
  if (kOptions[index].name == nullptr) return 0;
  const std::string_view name = kOptions[index].name;
  for (std::size_t i = 0; i < index; ++i) {
    const std::string_view shorter = kOptions[i].name;
    if (name.starts_with(shorter) && name.size() > shorter.size() &&
        name[shorter.size()] == '-' &&
        kOptions[i].has_arg == kOptions[index].has_arg) {
      return kLongCode + static_cast<int>(i);
    }
  }
  return kLongCode + static_cast<int>(index);
}

std::vector<option> LongOptions() {
  std::vector<option> options;
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    const OptionRow& row = kOptions[i];
    options.push_back({row.name, row.has_arg, nullptr,
                       row.short_name != 0 ? row.short_name : LongCode(i)});
  }
  return options;
}

const OptionRow* OptionRowFor(int code, int long_index) {
  if (long_index >= 0) return &kOptions[static_cast<std::size_t>(long_index)];
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

// Whether an argument can be a separator: empty, or one character that is
// not a digit.
bool CanBeSeparator(std::string_view argument) {
  return argument.empty() ||
         (FrontUtf8Char(argument).length == argument.size() &&
          !IsAsciiDigit(argument[0]));
}

// Sorts the arguments into options, handed to their parsers, and words, in
// one getopt_long scan. The scan always runs to the end, so that it leaves
// no cluster of short options half read for the next one; the first
// problem, or --help or --version, is what counts.
Problem ScanArguments(const std::vector<std::string>& arguments, Draft* draft) {
  static const std::string short_options = ShortOptions();
  static const std::vector<option> long_options = LongOptions();
  std::vector<std::string> texts = arguments;
  std::string program = "mensurex";
  std::vector<char*> argv = {program.data()};
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(argv.size()) - 1;
  const auto argument = [&](int i) { return std::string_view(argv[i]); };

  Problem problem;
  const auto done = [&] {
    return problem || draft->options.action != Options::Action::kConvert;
  };
  bool in_cluster = false;  // within "-zd," after its first letter
  opterr = 0;
  optind = 1;
  for (;;) {
    const int at = optind;
    if (!in_cluster && at < argc && argument(at).size() >= 2 &&
        argument(at)[0] == '-' && !IsOption(argument(at))) {
      // A negative amount, not a cluster of short options.
      if (!done()) draft->words.emplace_back(argument(at));
      ++optind;
      continue;
    }
    int long_index = -1;
    const int code = getopt_long(argc, argv.data(), short_options.c_str(),
                                 long_options.data(), &long_index);
    if (code == -1) break;
    in_cluster = optind == at;
    if (done()) continue;
    if (code == 1) {
      draft->words.emplace_back(optarg);
      continue;
    }
    const std::string quoted = QuoteForMessage(argument(at));
    if (code == ':') {
      problem = UsageError{"option " + quoted + " needs a value"};
      continue;
    }
    const OptionRow* row =
        code == '?' ? nullptr : OptionRowFor(code, long_index);
    if (row == nullptr) {
      problem = UsageError{"unknown or ambiguous option " + quoted};
      continue;
    }
    const char* value = optarg;
    if (value == nullptr && row->value_may_follow && optind < argc &&
        CanBeSeparator(argument(optind))) {
      value = argv[optind++];
    }
    problem = row->parse(value, draft);
  }
  // What follows "--" is words.
  for (int i = optind; i < argc; ++i) {
    if (!done()) draft->words.emplace_back(argument(i));
  }
  return problem;
}

std::optional<Scale> ScaleNamed(std::string_view name, bool input) {
  if (input && name == "auto") return Scale::kAuto;
  return Choice<Scale>(name, {{"none", Scale::kNone},
                              {"si", Scale::kSi},
                              {"iec", Scale::kIec},
                              {"iec-i", Scale::kIecI}});
}

// A size for --from-unit and --to-unit: a whole number, with a suffix or
// not (1K = 1000, 1Ki = 1024), whose only prime factors are 2 and 5, so
// that every result stays a finite decimal.
std::optional<Ratio> UnitSizeNamed(std::string_view text) {
  std::size_t digits = 0;
  while (digits < text.size() && IsAsciiDigit(text[digits])) ++digits;
  auto count =
      Count(text.substr(0, digits), std::numeric_limits<std::uint64_t>::max());
  if (!count || *count == 0) return std::nullopt;
  Ratio size;
  if (digits < text.size()) {
    const auto suffix = NumfmtSuffixSize(text.substr(digits), Scale::kAuto);
    if (!suffix) return std::nullopt;
    size = *suffix;
  }
  for (; *count % 2 == 0; *count /= 2) ++size.twos;
  for (; *count % 5 == 0; *count /= 5) ++size.fives;
  if (*count != 1) return std::nullopt;
  return size;
}

Problem ResolveNumfmt(const Draft& draft, Options* options) {
  NumfmtStyle style;
  const auto scale = [](const std::optional<std::string>& name, bool input,
                        Scale* scale) -> Problem {
    if (!name) return std::nullopt;
    const std::optional<Scale> named = ScaleNamed(*name, input);
    if (!named) {
      return UsageError{
          QuoteForMessage(*name) + " is not a scale (" +
          (input ? "none, auto, si, iec, iec-i" : "none, si, iec, iec-i") +
          "), which numfmt's options take instead of units"};
    }
    *scale = *named;
    return std::nullopt;
  };
  const auto size = [](const std::optional<std::string>& text,
                       std::string_view option, Ratio* ratio) -> Problem {
    if (!text) return std::nullopt;
    const std::optional<Ratio> named = UnitSizeNamed(*text);
    if (!named) {
      return UsageError{std::string(option) +
                        " takes a size such as 512, 4096, 1K or 1Ki (whole, "
                        "and a product of 2s and 5s), not " +
                        QuoteForMessage(*text)};
    }
    *ratio = *named;
    return std::nullopt;
  };
  if (Problem problem = scale(draft.from, true, &style.from)) return problem;
  if (Problem problem = scale(draft.to, false, &style.to)) return problem;
  if (Problem problem =
          size(draft.from_unit, "--from-unit", &style.from_unit)) {
    return problem;
  }
  if (Problem problem = size(draft.to_unit, "--to-unit", &style.to_unit)) {
    return problem;
  }
  ConversionSettings& conversion = options->conversion;
  conversion.numfmt = style;
  conversion.readable_places = true;
  if (!draft.round) conversion.rounding = Rounding::kFromZero;
  if (!draft.invalid) options->invalid = InvalidMode::kAbort;
  if (options->fields.empty()) options->fields.push_back({1, 1});
  return std::nullopt;
}

// numfmt's style when a scale or a unit size is named; mensurex's units
// otherwise.
Problem ResolveUnits(const Draft& draft, Options* options) {
  const bool scale_named = (draft.from && ScaleNamed(*draft.from, true)) ||
                           (draft.to && ScaleNamed(*draft.to, false));
  if (scale_named || draft.from_unit || draft.to_unit) {
    return ResolveNumfmt(draft, options);
  }
  ConversionSettings* conversion = &options->conversion;
  const auto unit = [&](const std::string& name) -> std::optional<Unit> {
    const auto named = UnitFromName(name, conversion->si);
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
  if (options->fields.empty() && options->delimiter) {
    options->fields.push_back({1, 1});
  }
  if (draft.to && *draft.to == "human") {
    // As ls -h and du -h write sizes, rounded up unless --round says.
    conversion->automatic = true;
    conversion->readable_places = true;
    if (!draft.round) conversion->rounding = Rounding::kUp;
  } else if ((draft.to && *draft.to == "auto") ||
             (!draft.to && !options->fields.empty())) {
    conversion->automatic = true;
  } else if (draft.to) {
    const std::optional<Unit> to = unit(*draft.to);
    if (!to) return unknown(*draft.to);
    conversion->only_unit = *to;
  }
  return std::nullopt;
}

// Reads FORMAT: text, "%[-][0]['][WIDTH][.PRECISION]f", text; "%%" is "%".
Problem ParseFormat(std::string_view format, ConversionSettings* conversion,
                    bool* has_width, std::optional<std::string>* places) {
  const UsageError refused{
      QuoteForMessage(format) +
      " is not a format (TEXT%[-][0]['][WIDTH][.PRECISION]fTEXT)"};
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
    for (; j < format.size() &&
           (format[j] == '-' || format[j] == '0' || format[j] == '\'');
         ++j) {
      (format[j] == '-'   ? conversion->pad_right
       : format[j] == '0' ? conversion->pad_zeros
                          : conversion->group_output) = true;
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
  } else if (!draft.options.fields.empty() || conversion->numfmt) {
    conversion->unit_separator.clear();
  }
  if (draft.group_output) conversion->group_output = true;
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
  } else if (draft.round && !conversion->readable_places) {
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
  // What the user names wins over what the locale says.
  if (draft.decimal || draft.grouping) conventions->also_read = {};
  if (draft.decimal) {
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

// The words are amounts: each word, or a number and the word without
// digits after it, its unit ("1.5 GB"), which only whole lines join.
void ResolveAmounts(const std::vector<std::string>& words, Options* options) {
  const EntrySeparators& separators = options->conversion.separators;
  const bool join = !options->conversion.numfmt && options->fields.empty();
  for (std::size_t i = 0; i < words.size(); ++i) {
    std::string amount = words[i];
    if (join && i + 1 < words.size() && IsNumericEntry(words[i], separators) &&
        std::none_of(words[i + 1].begin(), words[i + 1].end(), IsAsciiDigit)) {
      amount += ' ';
      amount += words[++i];
    }
    options->amounts.push_back(std::move(amount));
  }
}

}  // namespace

std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments) {
  Draft draft;
  Options& options = draft.options;
  Problem problem = ScanArguments(arguments, &draft);
  if (!problem && options.action != Options::Action::kConvert) return options;
  if (!problem) problem = ResolveUnits(draft, &options);
  if (!problem) problem = ResolveSeparators(draft, &options);
  if (!problem) problem = ResolveLayout(draft, &options.conversion);
  if (problem) return *problem;
  ResolveAmounts(draft.words, &options);
  return options;
}

std::string HelpText() {
  return R"(Usage: mensurex [OPTION]... [AMOUNT [UNIT]]...
Convert amounts of digital storage between bytes, kilobytes, megabytes,
gigabytes, terabytes, petabytes and exabytes, each 1024 times the one below,
and print the exact results: every digit, no exponent, nothing rounded unless
--precision or --round asks for it. numfmt's options work too (see below).

With AMOUNTs, convert each; without, read standard input, one amount per
line (or per chosen field), and answer each line before reading on. Without
--to, each amount gives seven lines VALUE<TAB>UNIT, bytes first.

  --to UNIT          print the value in UNIT alone; "auto": in the largest
                     unit in which it is at least 1, or the one above when
                     rounding carries it to 1024 (1000 with --si), as
                     VALUE<TAB>UNIT (VALUEUNIT in a field), whole bytes
                     without a fraction; "human": the same as ls -h and du -h
                     write it, one decimal below 10 and none from 10, rounded
                     up
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
                     flags - (pad on the right), 0 (pad with zeros) and '
                     (group the digits), a width and a .PRECISION, then text;
                     %% is a %
  --field LIST       convert only these fields (N, N-M, -M, N- joined by
                     commas), to --to or else to the readable unit; the rest
                     of the line is kept byte for byte, and a field after
                     spaces keeps its right edge, so columns stay aligned
  -d, --delimiter X  fields are separated by the character X (default: runs
                     of spaces and tabs); without --field, field 1 converts
  --header[=N]       pass the first N lines (default 1) through unchanged
  -z, --zero-terminated  lines end with NUL, not a line feed
  --invalid MODE     for an amount that does not convert: abort (stop),
                     fail (default: report it, print its text in place of its
                     results, exit 1), warn (the same, exit 0), ignore
                     (print its text, say nothing)
  --locale NAME      read and write numbers as the locale NAME does (C: "."
                     and "," read, no grouping written) instead of as LC_ALL,
                     LC_NUMERIC or LANG
  --decimal SEP      the decimal separator; when it is the locale's grouping
                     separator, grouping is off unless --grouping is given
  --grouping [SEP]   the digit-grouping separator read ("" for none); alone,
                     group the digits written with the locale's separator
  -h, --help         show this help and exit
  --version          show the version and exit

numfmt's options, as numfmt's manual describes them; any of the first four
turns numfmt's style on: one result per amount with numfmt's suffixes, field
1 of each line, --round=from-zero, --invalid=abort, and exit status 2 for an
amount that does not convert. Every figure stays exact, at any size.
  --from=SCALE       read suffixes: none (default: no suffix), auto (K = 1000,
                     Ki = 1024), si (K = 1000), iec (K = 1024), iec-i (Ki)
  --to=SCALE         write none (a number, with as many decimals as it was
                     written with) or the readable suffix of si (k, M .. Q),
                     iec (K .. Q) or iec-i (Ki .. Qi): one decimal below 10,
                     none from 10, none in bytes
  --from-unit=N      amounts count units of N bytes (512, 1K, 1Ki; whole, and
                     a product of 2s and 5s)
  --to-unit=N        results count units of N bytes
  --round, --padding, --format, --field, -d, --header, -z, --invalid,
  --unit-separator and --grouping as above.

Units, in any letter case: B, KB, MB, GB, TB, PB, EB; K, M, G, T, P, E;
Ki .. Ei; KiB .. EiB; and the names byte .. exabyte, singular or plural.
Long options may be shortened while they stay unambiguous; "--" ends the
options.

Exit status: 0 when every amount converted (or --invalid=warn or ignore),
1 when any did not or output failed, 2 for a mistake in the options (and in
numfmt's style, for an amount that did not convert).

Examples:
  $ mensurex --to EB 1 B
  0.000000000000000000867361737988403547205962240695953369140625
  $ mensurex --si --to GiB 1 TB
  931.322574615478515625
  $ mensurex --to auto --precision 1 1048575 28
  1.0	MB
  28	B
  $ mensurex --from=iec --to=si 1.5G 20E
  1.7G
  24E
  $ du -b --max-depth=1 /usr/share | mensurex --to human --field 1 | sort -h
  $ df -B1 | mensurex --header --field 2-4 --to=iec
  $ find . -type f -printf '%s\n' | mensurex --to KB
)";
}

}  // namespace mensurex::cli
