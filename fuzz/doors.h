// The doors through which a stranger's text reaches the program, each by the
// entry point that reads it: the desktop search's query reader, mensurex's
// command line with the lines that follow it, and the window's entry. The
// fuzz targets reach the program through this header alone.
#ifndef MENSUREX_FUZZ_DOORS_H_
#define MENSUREX_FUZZ_DOORS_H_

#include <unistd.h>

#include <QLocale>
#include <QString>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "amounts/entry.h"
#include "amounts/exact_decimal.h"
#include "amounts/storage_unit.h"
#include "amounts/units.h"
#include "amounts/utf8.h"
#include "cli/amount_converter.h"
#include "cli/line_reader.h"
#include "cli/options.h"
#include "cli/pipeline.h"
#include "locale/locale_separators.h"
#include "locale_numbers.h"
#include "search/query.h"

namespace mensurex::fuzz {

// The words a language may put before a query's target unit, besides "in"
// and "to".
using TargetWords = std::vector<std::string>;

// What a door makes of an amount's text.
struct Reading {
  enum class Kind {
    kRefused,       // not an amount
    kBeyondLimits,  // an amount, but its results are longer than the door
                    // writes
    kBytes,         // an amount of `bytes` bytes
  };
  Kind kind = Kind::kRefused;
  // Every digit, with the locale's decimal separator.
  std::string bytes;
};

inline constexpr std::size_t kMaxQueryBytes = search::kMaxQueryBytes;
inline constexpr std::size_t kMaxSearchResultBytes = search::kMaxResultBytes;
inline constexpr std::size_t kShownChars = search::kShownChars;

// The separators the window and the search take from Qt's locale `name`
// ("de_DE").
inline EntrySeparators LocaleSeparators(const char* name) {
  return SeparatorsOf(QLocale(QString::fromLatin1(name)));
}

// The separators mensurex takes from the C library's locale `name`
// ("de_DE", "C"), with what it reads besides where Qt's data differ; the C
// locale's when that locale is not installed.
inline EntrySeparators CommandSeparators(const char* name) {
  std::string locale = name;
  if (locale != "C") locale += ".UTF-8";
  std::string unavailable;
  return cli::EntrySeparatorsFor(
      cli::NumericLocaleConventions(locale.c_str(), &unavailable)
          .value_or(cli::NumericConventions()));
}

// The search door: its answer to one query.
class SearchDoor {
 public:
  SearchDoor(const EntrySeparators& separators, const TargetWords& words)
      : answerer_(Language(separators, words)), read_(separators) {
    written_.decimal = separators.decimal;
    written_.grouping.clear();
  }

  std::optional<search::Answer> Ask(std::string_view query) {
    return answerer_.Ask(query);
  }

  // The amount an answer stands for, in bytes: the value of any of its
  // conversions times its unit's size.
  std::string BytesOf(const search::Answer& answer) {
    const search::Conversion& conversion = answer.conversions.front();
    return Bytes(conversion.exact, written_, conversion.unit);
  }

  // The amount as the answer quotes it, read by the entry grammar, in
  // bytes.
  std::string BytesTyped(const search::Answer& answer) {
    return Bytes(answer.amount, read_, answer.from);
  }

  // The decimal separator its results are written with.
  const std::string& DecimalSeparator() const { return written_.decimal; }

  // Whether the query named the unit to convert to ("1 GB in MB").
  static bool NamesTarget(const search::Answer& answer) {
    return answer.conversions.size() == 1;
  }

 private:
  std::string Bytes(std::string_view number, const EntrySeparators& separators,
                    StorageUnit unit) {
    const Outcome<Decimal> value = EntryToDecimal(number, separators);
    if (!value) std::abort();
    std::string bytes;
    if (!exact_.AppendText(*value, {10 * UnitIndex(unit), 0}, std::nullopt,
                           Rounding::kNearest, written_.decimal,
                           std::string::npos, &bytes)) {
      std::abort();
    }
    return bytes;
  }

  static search::QueryLanguage Language(const EntrySeparators& separators,
                                        const TargetWords& words) {
    search::QueryLanguage language;
    language.separators = separators;
    language.target_words.insert(language.target_words.end(), words.begin(),
                                 words.end());
    return language;
  }

  search::Answerer answerer_;
  EntrySeparators read_;     // how amounts are typed
  EntrySeparators written_;  // how results are written: no grouping
  ExactConverter exact_;
};

// mensurex run in process: its arguments, then its standard input.
struct CommandRun {
  bool usage_error = false;
  cli::Options options;  // as read, when there was no usage error
  int status = 0;
  std::string out;
  std::string err;
};

// How many amounts the arguments hold; their results come instead of
// standard input's.
inline std::size_t ArgumentAmountCount(const cli::Options& options) {
  return options.amounts.size();
}

// The results of one line, or of one amount of the arguments.
inline std::size_t ResultsPerLine(const cli::Options& options) {
  if (!options.fields.empty()) return 1;
  return cli::AmountConverter(options.conversion).ResultCount();
}

// Runs mensurex on `input`, read through a pipe in chunks of `read_bytes`,
// holding lines of up to `max_line_bytes` (its own limit is a mebibyte).
// `interleave`: standard output and standard error reach the same place.
inline CommandRun RunCommand(const std::vector<std::string>& arguments,
                             std::string_view input, bool interleave,
                             std::size_t max_line_bytes,
                             std::size_t read_bytes) {
  CommandRun run;
  auto parsed = cli::ParseOptions(arguments);
  if (auto* error = std::get_if<cli::UsageError>(&parsed)) {
    run.usage_error = true;
    run.status = cli::kExitFailed;
    run.err = "mensurex: " + error->message + "\n";
    return run;
  }
  run.options = std::move(std::get<cli::Options>(parsed));
  cli::Output output(
      [&run](cli::Output::Stream stream, std::string_view text) {
        (stream == cli::Output::Stream::kOut ? run.out : run.err).append(text);
        return true;
      },
      interleave);
  const cli::Options& options = run.options;
  if (options.action != cli::Options::Action::kConvert) {
    run.status = output.Finish(cli::kExitConverted);
    return run;
  }
  for (const std::string& notice : options.notices) output.Complain(notice);
  if (ArgumentAmountCount(options) > 0) {
    run.status = cli::ConvertArgumentAmounts(options, &output);
    return run;
  }
  // The whole input fits the pipe (the fuzzers' inputs are a few KiB).
  std::array<int, 2> pipe_ends{};
  if (::pipe(pipe_ends.data()) != 0) std::abort();
  for (std::string_view rest = input; !rest.empty();) {
    const ssize_t written = ::write(pipe_ends[1], rest.data(), rest.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) std::abort();
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  ::close(pipe_ends[1]);
  cli::LineReader reader(
      pipe_ends[0], max_line_bytes, read_bytes, [&output] { output.Flush(); },
      options.zero_terminated ? '\0' : '\n');
  run.status = cli::ConvertLines(options, &reader, &output);
  ::close(pipe_ends[0]);
  return run;
}

// mensurex's reading of one amount (a line of its input) with the given
// separators: its value in bytes, exact.
class CommandAmountDoor {
 public:
  explicit CommandAmountDoor(const EntrySeparators& separators)
      : converter_(Settings(separators)), decimal_(separators.decimal) {}

  // The decimal separator its results are written with.
  const std::string& DecimalSeparator() const { return decimal_; }

  Reading Read(std::string_view text) {
    out_.clear();
    Reading reading;
    if (converter_.Convert(text, {}, &out_, &message_)) {
      reading.kind = Reading::Kind::kBytes;
      reading.bytes = out_;
    } else if (message_.ends_with(" bytes")) {
      // "... is too large to convert: its result would be longer than N
      // bytes"; the text it quotes always comes before.
      reading.kind = Reading::Kind::kBeyondLimits;
    }
    return reading;
  }

 private:
  static cli::ConversionSettings Settings(const EntrySeparators& separators) {
    cli::ConversionSettings settings;
    settings.separators = separators;
    settings.target = cli::Target::kOneUnit;  // in bytes
    return settings;
  }

  cli::AmountConverter converter_;
  std::string decimal_;
  std::string out_;
  std::string message_;
};

// Whether a text ends with a unit's name, which mensurex reads as the
// amount's unit.
inline bool NamesUnit(std::string_view text) {
  return !SplitUnitName(TrimBlanks(text)).second.empty();
}

// The window's reading of its entry: the number, as a double; nullopt when
// it is refused.
inline std::optional<double> WindowReads(std::string_view entry,
                                         const EntrySeparators& separators) {
  const Outcome<double> value = EntryToDouble(entry, separators);
  if (!value) return std::nullopt;
  return *value;
}

}  // namespace mensurex::fuzz

#endif  // MENSUREX_FUZZ_DOORS_H_
