// The command's run once its options are read: amounts from the arguments
// or lines from a reader, converted into an output that keeps results and
// complaints in step.
#ifndef MENSUREX_CLI_PIPELINE_H_
#define MENSUREX_CLI_PIPELINE_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/amount_converter.h"
#include "cli/line_reader.h"
#include "cli/options.h"

namespace mensurex::cli {

// Standard output and standard error. Results and complaints are held and
// written in blocks of about kBlockBytes, and whenever Flush is called.
// The first failed write to standard output is kept; after it, nothing
// more is written there.
class Output {
 public:
  enum class Stream { kOut, kErr };
  // Writes all of a text; false with errno set when it cannot.
  using Writer = std::function<bool(Stream, std::string_view)>;
  static constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;

  // With `interleave` (both streams reach the same terminal or file) each
  // complaint is written at once, after the results before it; otherwise
  // complaints are gathered and written after each block of results, so
  // that a million of them cost about what a million results do.
  Output(Writer writer, bool interleave);

  std::string* buffer() { return &out_; }
  // The bytes of standard output so far, written or held.
  std::size_t produced() const { return flushed_ + out_.size(); }
  bool failed() const { return error_ != 0; }

  // "mensurex: TEXT" as a line on standard error.
  void Complain(std::string_view text);
  void MaybeFlush() {
    if (out_.size() >= kBlockBytes || err_.size() >= kBlockBytes) Flush();
  }
  void Flush();
  // The exit status after a last flush: `status`, or a report and
  // kExitFailed when any write to standard output failed.
  int Finish(int status);

 private:
  Writer write_;
  bool interleave_;
  std::string out_;
  std::string err_;
  std::size_t flushed_ = 0;
  int error_ = 0;
};

// Converts lines, or the chosen fields of lines, and decides what a bad one
// leaves in the output.
class LineConverter {
 public:
  LineConverter(const Options& options, Output* output);

  // Appends the results of `line`, each result (or the line, with
  // --field) followed by `end`; false when the run must stop
  // (--invalid=abort). `number` is 0 for the arguments' amounts.
  bool Convert(std::string_view line, std::string_view end, std::size_t number);
  // A line too long to hold: its results are empty lines.
  bool TooLong(std::string_view end, std::size_t number);

  bool any_bad() const { return any_bad_; }

 private:
  bool ConvertFields(std::string_view line, std::string_view end,
                     std::size_t number);
  // A converted field after the blanks before it (see Options::fields and
  // Options::numfmt_blanks); false when it does not convert, with nothing
  // appended.
  bool AppendField(std::string_view blanks, std::string_view text,
                   std::string* out);
  bool AppendNumfmtField(std::string_view blanks, std::string_view text,
                         std::string* out);
  bool Bad(std::string_view line, std::string_view end, std::size_t number,
           std::size_t field);
  // A field that did not convert: its text kept, or (--invalid=abort) the
  // line so far and false.
  bool BadField(std::string_view blanks, std::string_view text,
                std::string_view line, std::string_view end, std::size_t number,
                std::size_t field);

  const Options& options_;
  AmountConverter converter_;
  Output* output_;
  std::string message_;
  std::string complaint_;
  std::string scratch_;
  std::string spaced_blanks_;
  std::vector<std::string> complaints_;
  std::size_t line_start_ = 0;  // where the line's output starts
  bool any_bad_ = false;
};

// Converts every line of `reader`, or the amounts of the arguments, and
// returns the exit status.
int ConvertLines(const Options& options, LineReader* reader, Output* output);
int ConvertArgumentAmounts(const Options& options, Output* output);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_PIPELINE_H_
