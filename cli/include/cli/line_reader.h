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
    kLine,   // *line holds the next line, or the last piece of a long one
    kPiece,  // *line holds a piece of a line longer than the limit; more
             // pieces may follow, and then a kLine with its last piece
    kEnd,    // no more input
    kError,  // reading failed; error() holds the errno value
  };

  // Lines end with `delimiter`. Lines of up to max_line_bytes bytes (not
  // counting their end) come whole; longer ones come in pieces, so memory
  // stays at about max_line_bytes + read_bytes whatever the input.
  //
  // `before_wait` runs whenever the next read would wait for input, so that
  // the caller can deliver what it has before its writer sends more.
  LineReader(int fd, std::size_t max_line_bytes,
             std::size_t read_bytes = std::size_t{64} * 1024,
             std::function<void()> before_wait = {}, char delimiter = '\n');

  // The next line (or piece) without its end. With a line feed as the
  // delimiter, a carriage return before it is taken as part of the end
  // (CR LF line ends) unless the line came in pieces. A last line without
  // an end counts; input that ends with one has no empty line after it.
  // Any bytes, NUL included, are passed on. *line stays valid until the
  // next call.
  Status Next(std::string_view* line);

  // How the last kLine ended: the delimiter, "\r\n", or "" when the input
  // ended without one (the carriage return of such a last line is given as
  // "\r\n").
  std::string_view ending() const { return ending_; }

  int error() const { return error_; }

 private:
  // Reads more input after the kept bytes; false at the end or on error.
  bool Fill();
  // Sets ending_ for a line that ended with `end`, taking a carriage
  // return from *line into it where one belongs there.
  void TakeEnding(std::string_view end, std::string_view* line);

  std::function<void()> before_wait_;
  int fd_;
  std::size_t max_line_bytes_;
  char delimiter_;
  std::vector<char> buffer_;
  std::size_t begin_ = 0;    // first byte not yet returned
  std::size_t scanned_ = 0;  // bytes from begin_ known to hold no delimiter
  std::size_t end_ = 0;      // end of the bytes read
  bool in_pieces_ = false;   // within a line that comes in pieces
  bool at_end_ = false;
  int error_ = 0;
  std::string_view ending_;
};

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LINE_READER_H_
