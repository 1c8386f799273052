// mensurex: exact conversions of storage amounts for shells and scripts.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
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
// Output is written in blocks of about this size, and whenever the input
// would keep the results waiting.
constexpr std::size_t kOutputBlock = std::size_t{64} * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// Standard output. Every write to it goes through Flush, which keeps the
// first failure; after one, nothing more is written.
class Output {
 public:
  Output() { buffer_.reserve(kOutputBlock + 4096); }

  std::string* buffer() { return &buffer_; }
  bool failed() const { return error_ != 0; }

  void MaybeFlush() {
    if (buffer_.size() >= kOutputBlock) Flush();
  }

  void Flush() {
    if (error_ == 0 && !WriteAll(STDOUT_FILENO, buffer_)) error_ = errno;
    buffer_.clear();
  }

  // The exit status after a last flush: `status`, or a report and 1 when
  // any write failed.
  int Finish(int status) {
    Flush();
    if (error_ == 0) return status;
    Complain(std::string("cannot write the results: ") + std::strerror(error_));
    return kExitFailed;
  }

 private:
  std::string buffer_;
  int error_ = 0;
};

bool IsFieldBlank(char c) { return c == ' ' || c == '\t'; }

// Converts lines, or the chosen fields of lines, and decides what a bad one
// leaves in the output.
class LineConverter {
 public:
  LineConverter(const Options& options, Output* output)
      : options_(options), converter_(options.conversion), output_(output) {}

  // Appends the results of `line`; false when the run must stop
  // (--invalid=abort). `number` is 0 for the arguments' amount.
  bool Convert(std::string_view line, std::size_t number) {
    if (options_.fields.empty()) {
      std::string* const out = output_->buffer();
      if (converter_.Convert(line, out, &message_)) {
        if (converter_.ResultCount() == 1) out->push_back('\n');
        return true;
      }
      return Bad(line, number, 0);
    }
    return ConvertFields(line, number);
  }

  // A line too long to hold: its results are empty lines.
  bool TooLong(std::size_t number) {
    message_ = "line is too long (more than " + std::to_string(kMaxLineBytes) +
               " bytes)";
    return Bad({}, number, 0);
  }

  bool any_bad() const { return any_bad_; }

 private:
  bool Selected(std::size_t field) const {
    for (const FieldRange& range : options_.fields) {
      if (field >= range.first && field <= range.last) return true;
    }
    return false;
  }

  // Only the chosen fields change; whatever is between them is copied.
  bool ConvertFields(std::string_view line, std::size_t number) {
    std::string* const out = output_->buffer();
    const std::size_t start = out->size();
    std::vector<std::string> complaints;
    std::size_t field = 0;
    std::size_t i = 0;
    for (;;) {
      std::size_t end = 0;
      if (options_.delimiter) {
        end = std::min(line.find(*options_.delimiter, i), line.size());
      } else {
        const std::size_t blanks = i;
        while (i < line.size() && IsFieldBlank(line[i])) ++i;
        out->append(line.substr(blanks, i - blanks));
        if (i == line.size()) break;
        end = i;
        while (end < line.size() && !IsFieldBlank(line[end])) ++end;
      }
      ++field;
      const std::string_view text = line.substr(i, end - i);
      if (!Selected(field)) {
        out->append(text);
      } else if (!converter_.Convert(text, out, &message_)) {
        if (options_.invalid == InvalidMode::kAbort) {
          out->resize(start);
          return Bad(line, number, field);
        }
        any_bad_ = true;
        complaints.push_back(Where(number, field) + message_);
        out->append(text);
      }
      if (end == line.size()) break;
      if (options_.delimiter) {
        out->append(*options_.delimiter);
        end += options_.delimiter->size();
      }
      i = end;
    }
    out->push_back('\n');
    if (!complaints.empty() && options_.invalid != InvalidMode::kIgnore) {
      // Results of earlier lines come out before the complaints, so a
      // terminal shows both in input order.
      const std::string built = out->substr(start);
      out->resize(start);
      output_->Flush();
      for (const std::string& complaint : complaints) Complain(complaint);
      out->append(built);
    }
    return true;
  }

  static std::string Where(std::size_t number, std::size_t field) {
    std::string where = number > 0 ? "line " + std::to_string(number) : "";
    if (field > 0) {
      where += (where.empty() ? "field " : ", field ") + std::to_string(field);
    }
    return where.empty() ? where : where + ": ";
  }

  // A bad line (or field, with --invalid=abort): reported, and the line's
  // text in place of each of its results.
  bool Bad(std::string_view line, std::size_t number, std::size_t field) {
    any_bad_ = true;
    if (options_.invalid != InvalidMode::kIgnore) {
      output_->Flush();
      Complain(Where(number, field) + message_);
    }
    if (options_.invalid == InvalidMode::kAbort) return false;
    // The arguments' amount has no line to keep in step with.
    if (number == 0) return true;
    std::string* const out = output_->buffer();
    for (std::size_t i = 0; i < converter_.ResultCount(); ++i) {
      out->append(line);
      out->push_back('\n');
    }
    return true;
  }

  const Options& options_;
  AmountConverter converter_;
  Output* output_;
  std::string message_;
  bool any_bad_ = false;
};

int ExitStatus(const Options& options, bool any_bad, bool aborted) {
  if (aborted) return kExitFailed;
  return any_bad && options.invalid == InvalidMode::kFail ? kExitFailed
                                                          : kExitConverted;
}

int ConvertLines(const Options& options, Output* output) {
  LineConverter lines(options, output);
  LineReader reader(STDIN_FILENO, kMaxLineBytes, kOutputBlock,
                    [output] { output->Flush(); });
  std::string_view line;
  for (std::size_t number = 1;; ++number) {
    const LineReader::Status read = reader.Next(&line);
    if (read == LineReader::Status::kEnd) break;
    if (read == LineReader::Status::kError) {
      output->Flush();
      Complain(std::string("cannot read standard input: ") +
               std::strerror(reader.error()));
      return output->Finish(kExitFailed);
    }
    bool go_on = true;
    if (read == LineReader::Status::kTooLong) {
      go_on = lines.TooLong(number);
    } else {
      if (number == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
      }
      if (number <= options.header_lines) {
        output->buffer()->append(line);
        output->buffer()->push_back('\n');
      } else {
        go_on = lines.Convert(line, number);
      }
    }
    if (!go_on) return output->Finish(kExitFailed);
    output->MaybeFlush();
    if (output->failed()) break;
  }
  return output->Finish(ExitStatus(options, lines.any_bad(), false));
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
    return output.Finish(kExitConverted);
  }
  if (options.action == Options::Action::kVersion) {
    *output.buffer() = std::string("mensurex ") + kVersionText + "\n";
    return output.Finish(kExitConverted);
  }
  if (!options.locale_notice.empty()) Complain(options.locale_notice);
  if (!options.has_amount) return ConvertLines(options, &output);
  LineConverter lines(options, &output);
  const bool go_on = lines.Convert(options.amount, 0);
  return output.Finish(ExitStatus(options, lines.any_bad(), !go_on));
}

}  // namespace
}  // namespace mensurex::cli

int main(int argc, char** argv) {
  try {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return mensurex::cli::Run(arguments);
  } catch (const std::exception& error) {
    // Out of memory, in effect: lines and results are bounded.
    mensurex::cli::Complain(error.what());
    return 1;
  }
}
