// Fuzzes mensurex's command line together with the lines it then converts.
// The input is the arguments, one per line, then an empty line, then what
// standard input holds: "--to=KB\n--field=2\n\n1 2048\n". Lines are held up
// to a few hundred bytes, so that the handling of longer ones is reached.
// Any property that fails aborts, which the fuzzer reports.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "checks.h"
#include "doors.h"

namespace {

using mensurex::fuzz::Check;
using mensurex::fuzz::CommandRun;

constexpr std::size_t kMaxArguments = 32;
constexpr std::size_t kMaxLineBytes = 384;
constexpr std::size_t kReadBytes = 96;

// Every line of what the command writes on standard error is one complaint,
// safe to show on a terminal.
void CheckComplaints(std::string_view err) {
  while (!err.empty()) {
    const std::size_t end = err.find('\n');
    Check(end != std::string_view::npos, "complaints end with a line feed",
          err);
    const std::string_view line = err.substr(0, end);
    Check(line.starts_with("mensurex: "), "a complaint names the program",
          line);
    Check(mensurex::fuzz::IsSafeText(line),
          "a complaint is safe to show on a terminal", line);
    err.remove_prefix(end + 1);
  }
}

// The number of lines the reader gives: a last line without an end counts.
std::size_t LineCount(std::string_view input, char delimiter) {
  std::size_t count = 0;
  for (const char c : input) count += c == delimiter ? 1 : 0;
  return count + (!input.empty() && input.back() != delimiter ? 1 : 0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  // Without --locale, amounts are read as the environment's locale says;
  // the same for every run.
  setenv("LC_ALL", "C.UTF-8", 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t blank_line = text.find("\n\n");
  const std::string_view head = text.substr(0, blank_line);
  const std::string_view input = blank_line == std::string_view::npos
                                     ? std::string_view()
                                     : text.substr(blank_line + 2);
  // No argument holds a NUL.
  if (head.find('\0') != std::string_view::npos) return 0;
  std::vector<std::string> arguments;
  for (std::string_view rest = head; !rest.empty();) {
    const std::size_t end = rest.find('\n');
    arguments.emplace_back(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  if (arguments.size() > kMaxArguments) return 0;

  // Whether both streams reach one place decides only when complaints are
  // written; the input's length picks it.
  const CommandRun run = mensurex::fuzz::RunCommand(
      arguments, input, size % 2 == 0, kMaxLineBytes, kReadBytes);
  CheckComplaints(run.err);
  if (run.usage_error) {
    Check(run.out.empty() && run.err.find('\n') + 1 == run.err.size(),
          "a usage error is one complaint and nothing else", run.err);
    return 0;
  }
  const mensurex::cli::Options& options = run.options;
  const int failed = options.failed_status;
  Check(run.status == mensurex::cli::kExitConverted || run.status == failed,
        "converted or failed");
  if (options.action != mensurex::cli::Options::Action::kConvert) return 0;

  // Results and lines stay in step: each line gives its results, or its
  // text in their place, each followed by the line's end.
  const std::size_t per_line = mensurex::fuzz::ResultsPerLine(options);
  const char delimiter = options.zero_terminated ? '\0' : '\n';
  const std::size_t written = LineCount(run.out, delimiter);
  if (const std::size_t amounts =
          mensurex::fuzz::ArgumentAmountCount(options)) {
    // A bad amount may have no line to stand in for.
    Check(written % per_line == 0 && written <= amounts * per_line,
          "each amount gives its results", run.out);
    return 0;
  }
  const std::size_t lines = LineCount(input, delimiter);
  const std::size_t header = std::min(lines, options.header_lines);
  const std::size_t expected = header + (lines - header) * per_line;
  const bool stopped = options.invalid == mensurex::cli::InvalidMode::kAbort &&
                       run.status == failed;
  Check(stopped ? written <= expected : written == expected,
        "every line gives its results", run.out);
  return 0;
}
