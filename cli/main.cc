// mensurex: the conversion engine for shells and scripts.
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/amount_converter.h"
#include "cli/line_reader.h"
#include "cli/options.h"
#include "cli/version.h"

namespace mensurex::cli {
namespace {

constexpr int kExitConverted = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Longer lines are refused without being held: no amount needs a megabyte.
constexpr std::size_t kMaxLineBytes = std::size_t{1} << 20;
// Output is written in blocks of about this size, never line by line.
constexpr std::size_t kOutputBlock = std::size_t{64} * 1024;

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

void Complain(std::string_view text) {
  std::string line = "mensurex: ";
  line.append(text);
  line.push_back('\n');
  WriteAll(STDERR_FILENO, line);
}

class Output {
 public:
  Output() { buffer_.reserve(kOutputBlock + 4096); }

  std::string* buffer() { return &buffer_; }

  // Writes the buffer once it holds a block; false when writing failed.
  bool MaybeFlush() { return buffer_.size() < kOutputBlock || Flush(); }

  bool Flush() {
    const bool written = WriteAll(STDOUT_FILENO, buffer_);
    buffer_.clear();
    return written;
  }

 private:
  std::string buffer_;
};

int ReportWriteError() {
  Complain(std::string("cannot write the results: ") + std::strerror(errno));
  return kExitFailed;
}

int ConvertLines(const AmountConverter& converter, Output* output) {
  LineReader reader(STDIN_FILENO, kMaxLineBytes);
  std::string message;
  std::string prefix;
  int status = kExitConverted;
  std::string_view line;
  for (unsigned long long number = 1;; ++number) {
    const LineReader::Status read = reader.Next(&line);
    if (read == LineReader::Status::kEnd) break;
    if (read == LineReader::Status::kError) {
      if (!output->Flush()) return ReportWriteError();
      Complain(std::string("cannot read standard input: ") +
               std::strerror(reader.error()));
      return kExitFailed;
    }
    const bool converted = read == LineReader::Status::kLine &&
                           converter.Convert(line, output->buffer(), &message);
    if (!converted) {
      // Results of earlier lines come out before the complaint, so a
      // terminal shows both in input order.
      if (!output->Flush()) return ReportWriteError();
      if (read == LineReader::Status::kTooLong) {
        message = "line is too long (more than " +
                  std::to_string(kMaxLineBytes) + " bytes)";
      }
      std::array<char, 24> digits{};
      auto* const end =
          std::to_chars(digits.data(), digits.data() + digits.size(), number)
              .ptr;
      prefix = "line ";
      prefix.append(digits.data(), end);
      prefix += ": ";
      Complain(prefix + message);
      status = kExitFailed;
    }
    if (!output->MaybeFlush()) return ReportWriteError();
  }
  if (!output->Flush()) return ReportWriteError();
  return status;
}

int Run(const std::vector<std::string>& arguments) {
  const std::variant<Options, UsageError> parsed = ParseOptions(arguments);
  if (const auto* error = std::get_if<UsageError>(&parsed)) {
    Complain(error->message + " (try \"mensurex --help\")");
    return kExitUsage;
  }
  const Options& options = std::get<Options>(parsed);
  Output output;
  if (options.action == Options::Action::kHelp) {
    output.buffer()->append(HelpText());
  } else if (options.action == Options::Action::kVersion) {
    *output.buffer() = std::string("mensurex ") + kVersionText + "\n";
  }
  if (options.action != Options::Action::kConvert) {
    return output.Flush() ? kExitConverted : ReportWriteError();
  }

  const AmountConverter converter(options.separators, options.from, options.to);
  if (!options.has_amount) return ConvertLines(converter, &output);
  std::string message;
  int status = kExitConverted;
  if (!converter.Convert(options.amount, output.buffer(), &message)) {
    Complain(message);
    status = kExitFailed;
  }
  if (!output.Flush()) return ReportWriteError();
  return status;
}

}  // namespace
}  // namespace mensurex::cli

int main(int argc, char** argv) {
  try {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return mensurex::cli::Run(arguments);
  } catch (const std::exception& error) {
    // Out of memory, in effect: the lines are bounded, so this is rare.
    mensurex::cli::Complain(error.what());
    return mensurex::cli::kExitFailed;
  }
}
