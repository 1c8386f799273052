// Lines of a file descriptor, read through one buffer of bounded size.
#ifndef MENSUREX_CLI_LINE_READER_H_
#define MENSUREX_CLI_LINE_READER_H_

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace mensurex::cli {

class LineReader {
 public:
  enum class Status {
    kLine,     // *line holds the next line
    kTooLong,  // the next line was longer than the limit; it is skipped
    kEnd,      // no more input
    kError,    // reading failed; error() holds the errno value
  };

  // Lines of up to max_line_bytes bytes (not counting the line break) are
  // returned; longer ones are read through and dropped, so memory stays
  // at about max_line_bytes + read_bytes whatever the input.
  //
  // `before_wait` runs whenever the next read would wait for input, so that
  // the caller can deliver what it has before its writer sends more.
  LineReader(int fd, std::size_t max_line_bytes,
             std::size_t read_bytes = std::size_t{64} * 1024,
             std::function<void()> before_wait = {});

  // The next line without its line feed, and without a carriage return
  // before it (CR LF line ends). A last line without a line feed counts;
  // input that ends with a line feed has no empty line after it. Any bytes,
  // NUL included, are passed on. *line stays valid until the next call.
  Status Next(std::string_view* line);

  int error() const { return error_; }

 private:
  // Reads more input after the kept bytes; false at the end or on error.
  bool Fill();

  std::function<void()> before_wait_;
  int fd_;
  std::size_t max_line_bytes_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // first byte not yet returned
  std::size_t scanned_ = 0;  // bytes from begin_ known to hold no line feed
  std::size_t end_ = 0;      // end of the bytes read
  bool at_end_ = false;
  int error_ = 0;
};

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LINE_READER_H_
