// The command's run once its options are read: amounts from the arguments
// or lines from a reader, converted into an output that keeps results and
// complaints in step.
#ifndef MENSUREX_CLI_PIPELINE_H_
#define MENSUREX_CLI_PIPELINE_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

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

// Converts every line of `reader`, or the amounts of the arguments, and
// returns the exit status.
int ConvertLines(const Options& options, LineReader* reader, Output* output);
int ConvertArgumentAmounts(const Options& options, Output* output);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_PIPELINE_H_
