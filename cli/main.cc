// mensurex: exact conversions of storage amounts for shells and scripts.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/line_reader.h"
#include "cli/options.h"
#include "cli/pipeline.h"
#include "cli/text.h"
#include "identity/names.h"

namespace mensurex::cli {
namespace {

// Writes all of `text` to fd; false with errno set on failure.
bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t count = ::write(fd, text.data(), text.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

bool WriteStream(Output::Stream stream, std::string_view text) {
  return WriteAll(
      stream == Output::Stream::kOut ? STDOUT_FILENO : STDERR_FILENO, text);
}

// Whether standard output and standard error reach the same terminal, file
// or pipe, where the order of results and complaints shows.
bool SharePlace() {
  struct stat out {};
  struct stat err {};
  if (fstat(STDOUT_FILENO, &out) != 0 || fstat(STDERR_FILENO, &err) != 0) {
    return true;
  }
  return (out.st_dev == err.st_dev && out.st_ino == err.st_ino) ||
         (isatty(STDOUT_FILENO) != 0 && isatty(STDERR_FILENO) != 0);
}

int Run(const std::vector<std::string>& arguments) {
  const std::variant<Options, UsageError> parsed = ParseOptions(arguments);
  Output output(WriteStream, SharePlace());
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    output.Complain(error->message);
    output.Flush();
    WriteAll(STDERR_FILENO, std::string("Try '") + identity::kCommandProgram +
                                " --help' for more information.\n");
    return kExitFailed;
  }
  const Options& options = std::get<Options>(parsed);
  if (options.action != Options::Action::kConvert) {
    *output.buffer() = options.action == Options::Action::kHelp
                           ? std::string(HelpText())
                           : std::string(identity::kCommandProgram) + " " +
                                 identity::kVersionText + "\n";
    return output.Finish(kExitConverted);
  }
  for (const std::string& notice : options.notices) output.Complain(notice);
  if (!options.amounts.empty()) return ConvertArgumentAmounts(options, &output);
  LineReader reader(
      STDIN_FILENO, kMaxTextBytes, Output::kBlockBytes,
      [&output] { output.Flush(); }, options.zero_terminated ? '\0' : '\n');
  return ConvertLines(options, &reader, &output);
}

}  // namespace
}  // namespace mensurex::cli

int main(int argc, char** argv) {
  try {
    return mensurex::cli::Run({argv + 1, argv + argc});
  } catch (const std::exception& error) {
    // Out of memory, in effect: lines and results are bounded.
    const std::string line = std::string(mensurex::identity::kCommandProgram) +
                             ": " + error.what() + "\n";
    mensurex::cli::WriteAll(STDERR_FILENO, line);
    return mensurex::cli::kExitFailed;
  }
}
