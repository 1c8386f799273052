// The command line of mensurex.
#ifndef MENSUREX_CLI_OPTIONS_H_
#define MENSUREX_CLI_OPTIONS_H_

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "mensurex/entry.h"
#include "mensurex/storage_unit.h"

namespace mensurex::cli {

struct Options {
  enum class Action { kConvert, kHelp, kVersion };
  Action action = Action::kConvert;
  StorageUnit from = StorageUnit::kBytes;
  std::optional<StorageUnit> to;
  EntrySeparators separators;
  // The amount given as arguments, its words joined by single spaces
  // ("1.5 GB"); empty when the amounts come from standard input.
  std::string amount;
  bool has_amount = false;
};

// What is wrong with a command line, as one line without the program name.
struct UsageError {
  std::string message;
};

// Reads the arguments after the program name. The separators come from the
// environment's numeric locale unless --locale names another, and
// --decimal and --grouping replace either. An argument that starts with
// "-" and then a digit or a separator ("-1", "-.5") is an amount, so
// negative amounts need no "--".
std::variant<Options, UsageError> ParseOptions(
    const std::vector<std::string>& arguments);

// The text that --help prints.
std::string HelpText();

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_OPTIONS_H_
