#include "cli/line_reader.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace mensurex::cli {

LineReader::LineReader(int fd, std::size_t max_line_bytes,
                       std::size_t read_bytes,
                       std::function<void()> before_wait)
    : before_wait_(std::move(before_wait)),
      fd_(fd),
      max_line_bytes_(max_line_bytes),
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

LineReader::Status LineReader::Next(std::string_view* line) {
  bool skipping = false;  // inside a line that is too long
  for (;;) {
    const char* const start = buffer_.data() + begin_;
    const auto* feed = static_cast<const char*>(
        std::memchr(start + scanned_, '\n', end_ - begin_ - scanned_));
    if (feed != nullptr) {
      const auto length = static_cast<std::size_t>(feed - start);
      begin_ += length + 1;
      scanned_ = 0;
      if (skipping || length > max_line_bytes_) return Status::kTooLong;
      *line = std::string_view(start, length);
      if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
      return Status::kLine;
    }
    scanned_ = end_ - begin_;
    if (scanned_ > max_line_bytes_) {
      // Keeps nothing of a line that cannot be returned.
      skipping = true;
      begin_ = end_;
      scanned_ = 0;
    }
    if (!Fill()) {
      if (error_ != 0) return Status::kError;
      const std::size_t rest = end_ - begin_;
      begin_ = end_;
      scanned_ = 0;
      if (skipping) return Status::kTooLong;
      if (rest == 0) return Status::kEnd;
      *line = std::string_view(buffer_.data() + end_ - rest, rest);
      if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
      return Status::kLine;
    }
  }
}

}  // namespace mensurex::cli
