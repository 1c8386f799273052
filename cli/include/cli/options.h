// The command line of mensurex.
#ifndef MENSUREX_CLI_OPTIONS_H_
#define MENSUREX_CLI_OPTIONS_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/amount_converter.h"

namespace mensurex::cli {

enum ExitStatus : int {
  kExitConverted = 0,  // every amount converted, or the mode forgave it
  kExitFailed = 1,     // an amount did not convert, reading or writing failed,
                       // or the command line is wrong (as numfmt says it)
  kExitInvalidNumber = 2,  // in numfmt's style, an amount that did not
                           // convert
};

// What happens to a line (or field) that does not convert.
enum class InvalidMode {
  kAbort,   // report it and stop
  kFail,    // report it, write its text in place of its results, exit 1
  kWarn,    // the same, but exit 0
  kIgnore,  // write its text in place of its results, silently
};

// Fields first to last, counted from 1.
struct FieldRange {
  std::size_t first = 1;
  std::size_t last = 1;
};

struct Options {
  enum class Action { kConvert, kHelp, kVersion };
  Action action = Action::kConvert;
  ConversionSettings conversion;
  // kAbort in numfmt's style unless --invalid says otherwise.
  InvalidMode invalid = InvalidMode::kFail;
  // The fields of a line that hold amounts, in order and not overlapping;
  // empty: the whole line is one (field 1 with a delimiter or in numfmt's
  // style). A converted field never adds a field: a unit is joined to its
  // value unless a unit separator is given. With fields separated by
  // blanks, a converted field after spaces keeps its right edge where the
  // input had it while it fits (the spaces give or take the difference, one
  // stays at least), so that right-aligned columns stay aligned; with a
  // width (--padding, --format) it is laid out at that width after one
  // blank, as numfmt does.
  std::vector<FieldRange> fields;
  // What separates fields; nullopt: runs of blanks (spaces and tabs, and
  // line feeds within NUL-ended lines, which are written as spaces);
  // empty: nothing, the whole line is one field.
  std::optional<std::string> delimiter;
  // Lines at the start of the input that are passed through unchanged,
  // however long.
  std::size_t header_lines = 0;
  // Lines end with NUL instead of a line feed, in the input and the output.
  bool zero_terminated = false;
  // The amounts given as arguments ("1.5 GB", "2048"), each converted as a
  // line is; empty when the amounts come from standard input.
  std::vector<std::string> amounts;
  // What to say once on standard error before converting: that the
  // environment's locale could not be loaded, and --debug's warnings.
  std::vector<std::string> notices;
  // --debug: numfmt's warnings, also that some amounts did not convert.
  bool debug = false;
  // Blanks before a field, as numfmt reads them: the first separates it
  // and is written as a space, the others pad it to its width. Otherwise a
  // converted field keeps its right edge and tabs stay (see `fields`).
  bool numfmt_blanks = false;
  // The exit status when an amount did not convert and `invalid` does not
  // forgive it.
  int failed_status = kExitFailed;
  // A lone amount of the arguments that does not convert is written back
  // in place of its result, as a line's is; otherwise it is only reported,
  // as it has no other results to keep in step with.
  bool echo_lone_amount = false;
};

// What is wrong with a command line, as one line without the program name;
// the program adds a pointer to its help and exits with status 1.
struct UsageError {
  std::string message;
};

// Reads the arguments after the program name in one getopt_long scan
// (long options may be abbreviated while they stay unambiguous; "--" ends
// the options). An argument that starts with "-" and then no letter ("-1",
// "-.5") is an amount, so negative amounts need no "--". The separators
// come from the environment's numeric locale unless --locale names
// another, and --decimal and --grouping=SEP replace either; a --decimal
// that is the locale's grouping separator turns grouping off.
//
// numfmt's options mean what they mean to numfmt: a scale after --from or
// --to (none, auto, si, iec, iec-i), --from-unit or --to-unit turn on its
// style (see Scale), and so do its layout options (--padding,
// --format, --suffix, a bare --grouping, --debug) when no option of
// mensurex's own conversion is given (--to or --from with a unit, --si,
// --precision, --show-unit); its defaults then: field 1 of each line,
// --round=from-zero, --invalid=abort, no unit separator. A bare --grouping
// groups the digits written. Values of --round and --invalid may be
// abbreviated while they stay unambiguous. Problems with an option are
// worded as numfmt words them. The scan starts afresh at every call.
std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments);

// The text that --help prints, which the manual page is made from.
std::string_view HelpText();

// A long option as the command line reads it, for the shell's completion:
// whether it takes a value, and the values it takes where they are a fixed
// list (the units, numfmt's scales, the modes).
struct OptionWords {
  std::string_view name;  // without "--"
  bool takes_value = false;
  std::vector<std::string> values;
};
std::vector<OptionWords> DescribeOptions();

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_OPTIONS_H_
