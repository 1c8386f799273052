#include "cli/line_reader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace mensurex::cli {

LineReader::LineReader(int fd, std::size_t max_line_bytes,
                       std::size_t read_bytes,
                       std::function<void()> before_wait, char delimiter)
    : before_wait_(std::move(before_wait)),
      fd_(fd),
      max_line_bytes_(max_line_bytes),
      delimiter_(delimiter),
      buffer_(max_line_bytes + 1 + read_bytes) {}

bool LineReader::Fill() {
  if (at_end_ || error_ != 0) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (before_wait_) {
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, 0) == 0) before_wait_();
  }
  for (;;) {
    const ssize_t count =
        ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
    if (count > 0) {
      end_ += static_cast<std::size_t>(count);
      return true;
    }
    if (count == 0) {
      at_end_ = true;
      return false;
    }
    if (errno != EINTR) {
      error_ = errno;
      return false;
    }
  }
}

void LineReader::TakeEnding(std::string_view end, std::string_view* line) {
  ending_ = end;
  if (delimiter_ == '\n' && !in_pieces_ && !line->empty() &&
      line->back() == '\r') {
    line->remove_suffix(1);
    ending_ = "\r\n";
  }
  in_pieces_ = false;
}

LineReader::Status LineReader::Next(std::string_view* line) {
  for (;;) {
    const char* const start = buffer_.data() + begin_;
    const auto* found = static_cast<const char*>(
        std::memchr(start + scanned_, delimiter_, end_ - begin_ - scanned_));
    const std::size_t length = found != nullptr
                                   ? static_cast<std::size_t>(found - start)
                                   : end_ - begin_;
    if (length > max_line_bytes_) {
      // Hands on what is held of a line that cannot be held whole.
      *line = std::string_view(start, length);
      begin_ += length;
      scanned_ = 0;
      in_pieces_ = true;
      return Status::kPiece;
    }
    if (found != nullptr) {
      begin_ += length + 1;
      scanned_ = 0;
      *line = std::string_view(start, length);
      TakeEnding(std::string_view(&delimiter_, 1), line);
      return Status::kLine;
    }
    scanned_ = length;
    if (!Fill()) {
      if (error_ != 0) return Status::kError;
      const std::size_t rest = end_ - begin_;
      if (rest == 0 && !in_pieces_) return Status::kEnd;
      *line = std::string_view(buffer_.data() + begin_, rest);
      begin_ = end_;
      scanned_ = 0;
      TakeEnding({}, line);
      return Status::kLine;
    }
  }
}

}  // namespace mensurex::cli
