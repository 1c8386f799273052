#include "print_conversation.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <random>
#include <string_view>
#include <vector>

#include "cups_library.h"
#include "cups_queue.h"

namespace mensurex::ui {
namespace {

using Clock = ConversationTimes::Clock;
using std::chrono::milliseconds;

// Time for what comes after each stage: the cancel of a failed job, then
// the child's end and the outcome, well before the deadline.
constexpr milliseconds kCancelTime{1500};
constexpr milliseconds kEndMargin{1000};
// How often the print looks whether it has been abandoned.
constexpr milliseconds kAbandonCheck{100};

// Records between the print and its child, over a stream socket: one byte of
// kind, four bytes of length (least significant first), the payload.
enum Kind : char {
  kStep = 'T',      // child: what it waits for now, as a phrase
  kPaper = 'P',     // child: "width length margin", hundredths of a mm
  kDocument = 'D',  // print: the PDF for that paper, maybe empty
  kSent = 'S',      // child: the whole document went out
  kOutcome = 'O',   // child: the outcome as a digit, then its reason
};
constexpr std::size_t kHeaderSize = 5;
// No record comes near this; a longer one means the stream is corrupt.
constexpr std::uint32_t kLongestRecord = std::uint32_t{1} << 30;

// Rounded up, so that a wait never ends before `until`.
int MillisecondsUntil(Clock::time_point until) {
  const auto left =
      std::chrono::ceil<milliseconds>(until - Clock::now()).count();
  return static_cast<int>(std::clamp<decltype(left)>(left, 0, 60000));
}

enum class Wait { kReady, kTimedOut, kFailed };

// Waits for `events` on `fd` until `until`.
Wait WaitFor(int fd, short events, Clock::time_point until) {
  for (;;) {
    pollfd polled{fd, events, 0};
    const int ready = poll(&polled, 1, MillisecondsUntil(until));
    if (ready > 0) return Wait::kReady;
    if (ready == 0) {
      if (Clock::now() >= until) return Wait::kTimedOut;
    } else if (errno != EINTR) {
      return Wait::kFailed;
    }
  }
}

bool WriteAll(int fd, std::string_view data, Clock::time_point until) {
  while (!data.empty()) {
    const ssize_t sent =
        send(fd, data.data(), data.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent > 0) {
      data.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent < 0 && errno == EINTR) {
      continue;
    } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (WaitFor(fd, POLLOUT, until) != Wait::kReady) return false;
    } else {
      return false;
    }
  }
  return true;
}

bool WriteRecord(int fd, Kind kind, std::string_view payload,
                 Clock::time_point until) {
  if (payload.size() >= kLongestRecord) return false;
  const auto length = static_cast<std::uint32_t>(payload.size());
  const std::array<char, kHeaderSize> header = {
      kind, char(length & 0xff), char((length >> 8) & 0xff),
      char((length >> 16) & 0xff), char((length >> 24) & 0xff)};
  return WriteAll(fd, std::string_view(header.data(), header.size()), until) &&
         WriteAll(fd, payload, until);
}

// Reads records from a stream, waiting no longer than told.
class RecordReader {
 public:
  enum class Result { kRecord, kWaiting, kClosed };

  explicit RecordReader(int fd) : fd_(fd) {}

  // The next record into `kind` and `payload`, when it is whole by `until`.
  Result Next(char& kind, std::string& payload, Clock::time_point until) {
    for (;;) {
      if (inbox_.size() >= kHeaderSize) {
        std::uint32_t length = 0;
        for (std::size_t byte = 4; byte >= 1; --byte) {
          length = (length << 8) | static_cast<unsigned char>(inbox_[byte]);
        }
        if (length >= kLongestRecord) return Result::kClosed;
        if (inbox_.size() >= kHeaderSize + length) {
          kind = inbox_[0];
          payload.assign(inbox_, kHeaderSize, length);
          inbox_.erase(0, kHeaderSize + length);
          return Result::kRecord;
        }
      }
      switch (WaitFor(fd_, POLLIN, until)) {
        case Wait::kReady:
          break;
        case Wait::kTimedOut:
          return Result::kWaiting;
        case Wait::kFailed:
          return Result::kClosed;
      }
      const ssize_t got =
          recv(fd_, buffer_.data(), buffer_.size(), MSG_DONTWAIT);
      if (got == 0) return Result::kClosed;
      if (got < 0) {
        if (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK) continue;
        return Result::kClosed;
      }
      inbox_.append(buffer_.data(), static_cast<std::size_t>(got));
    }
  }

 private:
  int fd_;
  std::string inbox_;
  std::vector<char> buffer_ = std::vector<char>(std::size_t{64} * 1024);
};

std::string FormatPaper(const Paper& paper) {
  const auto hundredths = [](qreal mm) {
    return std::to_string(std::lround(mm * 100));
  };
  return hundredths(paper.size_mm.width()) + " " +
         hundredths(paper.size_mm.height()) + " " + hundredths(paper.margin_mm);
}

Paper ParsePaper(std::string_view text, const Paper& fallback) {
  std::array<int, 3> values{};
  const char* next = text.data();
  const char* const end = text.data() + text.size();
  for (int& value : values) {
    while (next < end && *next == ' ') ++next;
    const auto [stop, error] = std::from_chars(next, end, value);
    if (error != std::errc() || value < 0) return fallback;
    next = stop;
  }
  if (values[0] == 0 || values[1] == 0) return fallback;
  return Paper{QSizeF(values[0] / 100.0, values[1] / 100.0), values[2] / 100.0};
}

// The child's side: the whole exchange, reported record by record. Never
// returns, and touches nothing of the parent's but libcups and plain memory:
// the parent's other threads, and the locks they may hold, are not here.
[[noreturn]] void RunChild(int fd, const ConversationTimes& times,
                           const Paper& fallback, const std::string& title,
                           const std::string& job_name) {
  std::signal(SIGPIPE, SIG_IGN);
  // Should the parent be gone, the kernel ends the child a little later.
  std::signal(SIGALRM, SIG_DFL);
  alarm(static_cast<unsigned>(MillisecondsUntil(times.end) / 1000 + 2));
  // Only the channel stays open: no window, bus or socket of the parent's
  // lives on in the child.
  if (fd != 3) {
    if (dup2(fd, 3) != 3) _exit(1);
    fd = 3;
  }
  close_range(4, ~0U, 0);

  try {
    const auto hung_up = [fd] {
      pollfd polled{fd, POLLRDHUP, 0};
      return poll(&polled, 1, 0) > 0 &&
             (polled.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
    };
    QueueProgress progress;
    progress.step = [fd, &times](const std::string& what) {
      WriteRecord(fd, kStep, what, times.end);
    };
    progress.document_sent = [fd, &times] {
      WriteRecord(fd, kSent, {}, times.end);
    };
    std::string why;
    PrintOutcome outcome = PrintOutcome::kFailed;
    {
      auto queue = DefaultPrintQueue::Open(
          {times.exchange_until, times.cancel_until}, hung_up, progress, why);
      if (queue) {
        WriteRecord(fd, kPaper, FormatPaper(queue->DefaultPaper(fallback)),
                    times.end);
        RecordReader reader(fd);
        char kind = 0;
        std::string pdf;
        progress.step("waiting for the page to be made");
        if (reader.Next(kind, pdf, times.exchange_until) ==
                RecordReader::Result::kRecord &&
            kind == kDocument) {
          outcome = queue->SubmitPdf(
              QByteArray::fromRawData(pdf.data(), qsizetype(pdf.size())), title,
              job_name, why);
        } else {
          why = "no page came to print";
        }
      }
    }
    WriteRecord(fd, kOutcome,
                std::string(1, char('0' + static_cast<int>(outcome))) + why,
                times.end);
    _exit(0);
  } catch (...) {
    _exit(1);
  }
}

}  // namespace

ConversationTimes ConversationTimes::Before(Clock::time_point deadline) {
  ConversationTimes times;
  times.end = deadline - kEndMargin;
  times.cancel_until = times.end - milliseconds(250);
  times.exchange_until = times.cancel_until - kCancelTime;
  return times;
}

std::string MarkedJobName(const QString& title) {
  // Zero-width characters, two bits each: 64 random bits in 32 of them.
  static constexpr std::array<std::string_view, 4> kDigits = {
      "\u200b", "\u200c", "\u200d", "\u2060"};
  std::uint64_t mark = 0;
  try {
    std::random_device random;
    mark = (std::uint64_t{random()} << 32) ^ random();
  } catch (const std::exception&) {
    // Without a random source, the time and the process still tell prints
    // apart.
    mark = static_cast<std::uint64_t>(Clock::now().time_since_epoch().count()) ^
           (std::uint64_t(getpid()) << 40);
  }
  std::string marked;
  for (int digit = 0; digit < 32; ++digit, mark >>= 2) {
    marked += kDigits[mark & 3];
  }
  // A job's name holds at most 255 bytes; the title is cut whole characters
  // at a time.
  std::string name = title.toStdString();
  std::size_t room = 255 - marked.size();
  if (name.size() > room) {
    while (room > 0 &&
           (static_cast<unsigned char>(name[room]) & 0xc0) == 0x80) {
      --room;
    }
    name.resize(room);
  }
  return name + marked;
}

namespace {

// Follows the child's records until its outcome, its end or times.end, and
// sends it the page once it names the paper. True when the outcome came;
// `step` is then or else the last step the child reported.
bool FollowChild(int fd, const ConversationTimes& times, const Paper& fallback,
                 const std::function<QByteArray(const Paper&)>& make_pdf,
                 const std::atomic<bool>& abandoned, std::atomic<bool>& sent,
                 std::string& step, ConversationResult& result) {
  RecordReader reader(fd);
  bool hung_up = false;
  for (;;) {
    if (abandoned && !hung_up) {
      // The child stops waiting for the scheduler, and cancels what it made.
      shutdown(fd, SHUT_WR);
      hung_up = true;
    }
    char kind = 0;
    std::string payload;
    const auto read = reader.Next(
        kind, payload, std::min(times.end, Clock::now() + kAbandonCheck));
    if (read == RecordReader::Result::kClosed) return false;
    if (read == RecordReader::Result::kWaiting) {
      if (Clock::now() >= times.end) return false;
      continue;
    }
    switch (kind) {
      case kStep:
        step = payload;
        break;
      case kSent:
        sent = true;
        break;
      case kPaper:
        if (!hung_up) {
          WriteRecord(fd, kDocument,
                      make_pdf(ParsePaper(payload, fallback)).toStdString(),
                      times.exchange_until);
        }
        break;
      case kOutcome:
        if (!payload.empty() && payload[0] >= '0' && payload[0] <= '2') {
          result.outcome = static_cast<PrintOutcome>(payload[0] - '0');
          result.why = payload.substr(1);
          return true;
        }
        break;
      default:
        break;
    }
  }
}

}  // namespace

ConversationResult RunPrintConversation(
    const ConversationTimes& times, const Paper& fallback,
    const std::string& title, const std::string& job_name,
    const std::function<QByteArray(const Paper&)>& make_pdf,
    const std::atomic<bool>& abandoned, std::atomic<bool>& sent) {
  ConversationResult result;
  // Loaded here, so that the child finds it bound.
  std::string load_error;
  if (SystemCupsLibrary(&load_error) == nullptr) {
    result.why = "libcups could not be loaded: " + load_error;
    return result;
  }
  std::array<int, 2> ends{-1, -1};
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends.data()) != 0) {
    result.why = std::string("no channel to the print's process: ") +
                 std::strerror(errno);
    return result;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    RunChild(ends[1], times, fallback, title, job_name);
  }
  const int fd = ends[0];
  close(ends[1]);
  if (child < 0) {
    result.why =
        std::string("no process for the print: ") + std::strerror(errno);
    close(fd);
    return result;
  }

  std::string step = "starting";
  const bool told =
      FollowChild(fd, times, fallback, make_pdf, abandoned, sent, step, result);
  // Whatever the child still waits for ends with it, connections and all.
  kill(child, SIGKILL);
  while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  close(fd);
  if (!told) {
    result.why = step + ": no answer (cut off at the deadline)";
    // Once the page has gone out only the scheduler can say it failed.
    if (sent) {
      result.outcome = PrintOutcome::kMayHavePrinted;
      result.why = "the whole document went out; " + result.why;
    }
  }
  return result;
}

}  // namespace mensurex::ui
