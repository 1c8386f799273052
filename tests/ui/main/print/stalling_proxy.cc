#include "stalling_proxy.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

namespace mensurex::testing {
namespace {

using Clock = std::chrono::steady_clock;
using Mode = StallingProxy::Mode;

// Where a document's upload begins in the client's stream.
constexpr std::string_view kPdfMagic = "%PDF-";
constexpr std::string_view kEndOfHeader = "\r\n\r\n";
// The job's name in a Create-Job request: a name attribute, as no other
// request of a print carries it.
constexpr std::string_view kJobName("\x42\x00\x08job-name", 11);

// Small segments and buffers on the proxy's side, so that a client whose
// upload is no longer read soon finds its own writes blocked. Reads are small
// too, so that little of a document is taken in the read that finds its
// start.
constexpr int kSegment = 536;
constexpr int kReceiveBuffer = 4 * 1024;
constexpr std::size_t kReadSize = 2048;
constexpr auto kDrip = std::chrono::milliseconds(150);

constexpr std::string_view kAskPassword =
    "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"CUPS\"\r\n"
    "Content-Length: 0\r\n\r\n";

constexpr std::string_view kRedirect =
    "HTTP/1.1 302 Found\r\nLocation: /\r\nContent-Length: 0\r\n\r\n";
constexpr std::string_view kForbidden =
    "HTTP/1.1 403 Forbidden\r\nContent-Length: 0\r\n\r\n";
constexpr std::string_view kGarbage = "\x01garbage\r\n\r\n";
// The start of an answer whose header never ends, and a line of it.
constexpr std::string_view kEndlessHeaderStart = "HTTP/1.1 200 OK\r\n";
constexpr std::string_view kEndlessHeaderLine = "X-Filler: x\r\n";

enum class State { kRelaying, kNotReading, kSwallowing, kSilent, kAnswering };

struct Connection {
  int client = -1;
  int server = -1;
  State state = State::kRelaying;
  std::string seen;           // the client's bytes not yet passed on
  std::string tail;           // the last few bytes passed on, for the marker
  bool hold_answers = false;  // the scheduler's bytes are dropped
  std::string to_client;      // the scheduler's bytes not yet trickled on
  bool flooding = false;
  std::size_t flood_offset = 0;  // where the next flood block resumes
  bool endless_header = false;   // an answer whose header never ends
  std::size_t header_sent = 0;   // how much of it went out
};

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Writes all of `data`, or gives up when the peer has not read for a while
// (the socket has a send timeout).
bool SendAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t sent = send(fd, data.data(), data.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

int ConnectUnix(const QByteArray& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= qsizetype(sizeof address.sun_path)) return -1;
  std::memcpy(address.sun_path, path.constData(), path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

void SetSendTimeout(int fd) {
  const timeval timeout{5, 0};
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
}

std::string Chunk(const std::string& data) {
  char size[16];
  std::snprintf(size, sizeof size, "%zx\r\n", data.size());
  return size + data + "\r\n";
}

// An IPP attribute of `tag`; an empty name adds a value to the one before.
std::string Attribute(char tag, std::string_view name, std::string_view value) {
  std::string out(1, tag);
  for (const std::string_view part : {name, value}) {
    out += char(part.size() >> 8);
    out += char(part.size() & 0xff);
    out += part;
  }
  return out;
}

// The start of a successful reply whose attributes never end, and a block
// of further values to follow it as often as the client reads.
const std::string& FloodStart() {
  static const std::string start =
      "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n"
      "Transfer-Encoding: chunked\r\n\r\n" +
      Chunk(std::string("\x02\x00\x00\x00\x00\x00\x00\x01\x01", 9) +
            Attribute('\x47', "attributes-charset", "utf-8") +
            Attribute('\x48', "attributes-natural-language", "en") + '\x04' +
            Attribute('\x41', "x", std::string(200, 'x')));
  return start;
}
const std::string& FloodBlock() {
  static const std::string block = [] {
    std::string values;
    while (values.size() < 60000) {
      values += Attribute('\x41', "", std::string(200, 'x'));
    }
    return Chunk(values);
  }();
  return block;
}

// An IPP reply "server-error-busy" to any request.
const std::string& BusyReply() {
  static const std::string reply = [] {
    const std::string body =
        std::string("\x02\x00\x05\x07\x00\x00\x00\x01\x01", 9) +
        Attribute('\x47', "attributes-charset", "utf-8") +
        Attribute('\x48', "attributes-natural-language", "en") + '\x03';
    return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\n"
           "Content-Length: " +
           std::to_string(body.size()) + "\r\n\r\n" + body;
  }();
  return reply;
}

// What the proxy answers each request with in `mode`, where it answers.
std::string_view CannedAnswer(Mode mode) {
  switch (mode) {
    case Mode::kAskPassword:
      return kAskPassword;
    case Mode::kRedirect:
      return kRedirect;
    case Mode::kForbidden:
      return kForbidden;
    case Mode::kGarbage:
      return kGarbage;
    case Mode::kBusyAfterDocument:
      return BusyReply();
    default:
      return FloodStart();
  }
}

}  // namespace

StallingProxy::StallingProxy(const QString& upstream, Mode mode,
                             int lifetime_ms)
    : upstream_(upstream.toUtf8()), mode_(mode) {
  if (pipe2(wake_, O_CLOEXEC) != 0) return;
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  // Accepted sockets inherit both.
  setsockopt(fd, IPPROTO_TCP, TCP_MAXSEG, &kSegment, sizeof kSegment);
  setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &kReceiveBuffer, sizeof kReceiveBuffer);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd, 8) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    return;
  }
  listener_ = fd;
  qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") +
                             QByteArray::number(ntohs(address.sin_port)));
  thread_ = std::thread([this, lifetime_ms] { Run(lifetime_ms); });
}

StallingProxy::~StallingProxy() {
  if (thread_.joinable()) {
    const char stop = 0;
    (void)!write(wake_[1], &stop, 1);
    thread_.join();
  }
  CloseFd(listener_);
  CloseFd(wake_[0]);
  CloseFd(wake_[1]);
  qputenv("CUPS_SERVER", upstream_);
}

void StallingProxy::Run(int lifetime_ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(lifetime_ms);
  const bool answers = mode_ == Mode::kFlood || mode_ == Mode::kAskPassword ||
                       mode_ == Mode::kRedirect || mode_ == Mode::kForbidden ||
                       mode_ == Mode::kGarbage;
  // After the first upload, which goes through unanswered, every later
  // connection is answered by the proxy, or not at all.
  const bool after_document = mode_ == Mode::kSilentAfterDocument ||
                              mode_ == Mode::kBusyAfterDocument ||
                              mode_ == Mode::kEndlessHeaderAfterDocument;
  const bool stalls_upload =
      mode_ == Mode::kStopReadingHalfway || mode_ == Mode::kSwallowDocument;
  const bool holds_answer = mode_ == Mode::kLateJobAnswer ||
                            mode_ == Mode::kLateDocumentAnswer ||
                            after_document;
  const std::string_view marker =
      mode_ == Mode::kLateJobAnswer ? kJobName : kPdfMagic;
  auto next_drip = Clock::now() + kDrip;
  std::vector<Connection> connections;
  std::vector<char> buffer(kReadSize);

  while (Clock::now() < end) {
    // Polled: the wake pipe, the listener, then each connection's two ends.
    std::vector<pollfd> polled = {{wake_[0], POLLIN, 0},
                                  {listener_, POLLIN, 0}};
    for (const Connection& connection : connections) {
      // A connection no longer read is still watched for its client hanging
      // up, which ends it.
      short events =
          connection.state == State::kNotReading ? POLLRDHUP : POLLIN;
      if (connection.flooding) events |= POLLOUT;
      polled.push_back({connection.client, events, 0});
      polled.push_back({connection.server, POLLIN, 0});
    }
    if (poll(polled.data(), polled.size(), 20) < 0) break;
    if (polled[0].revents != 0) break;
    const bool drip = Clock::now() >= next_drip;
    if (drip) next_drip += kDrip;

    for (std::size_t index = 0; index < connections.size(); ++index) {
      Connection& c = connections[index];
      const short from_client = polled[2 + 2 * index].revents;
      const short from_server = polled[2 + 2 * index + 1].revents;
      bool open = true;
      if (c.state == State::kNotReading) {
        open = from_client == 0;  // the client hung up
      } else if ((from_client & (POLLIN | POLLHUP | POLLERR)) != 0) {
        const ssize_t got =
            recv(c.client, buffer.data(), buffer.size(), MSG_DONTWAIT);
        open = got > 0 || (got < 0 && errno == EAGAIN);
        if (got > 0) c.seen.append(buffer.data(), static_cast<size_t>(got));
      }
      if (open && c.state == State::kAnswering) {
        // Each request's header is answered as soon as it is complete.
        const auto header = c.seen.find(kEndOfHeader);
        if (c.flooding || c.endless_header) {
          c.seen.clear();
        } else if (header != std::string::npos) {
          c.seen.erase(0, header + kEndOfHeader.size());
          stalled_ = true;
          ++answered_;
          c.flooding = mode_ == Mode::kFlood;
          c.endless_header = mode_ == Mode::kEndlessHeaderAfterDocument;
          if (!c.endless_header) {
            open = SendAll(c.client, CannedAnswer(mode_));
          }
        }
      } else if (open && c.state == State::kRelaying) {
        std::size_t relay = c.seen.size();
        if ((stalls_upload || holds_answer) && !stalled_) {
          // The marker may begin in the last few bytes of the previous read.
          const std::string look = c.tail + c.seen;
          const auto found = look.find(marker);
          if (found != std::string::npos && holds_answer) {
            c.hold_answers = true;
            stalled_ = true;
          } else if (found != std::string::npos) {
            // Everything before the upload still goes through.
            relay = found > c.tail.size() ? found - c.tail.size() : 0;
            c.state = mode_ == Mode::kStopReadingHalfway ? State::kNotReading
                                                         : State::kSwallowing;
            stalled_ = true;
          }
          c.tail = look.substr(look.size() -
                               std::min(look.size(), marker.size() - 1));
        }
        open = SendAll(c.server, std::string_view(c.seen).substr(0, relay));
        c.seen.clear();
      } else if (c.state != State::kRelaying) {
        c.seen.clear();
      }
      if (open && c.flooding && (from_client & POLLOUT) != 0) {
        // As fast as the client reads, each block whole, one after another.
        const std::string& block = FloodBlock();
        ssize_t sent = 0;
        while ((sent = send(c.client, block.data() + c.flood_offset,
                            block.size() - c.flood_offset,
                            MSG_NOSIGNAL | MSG_DONTWAIT)) > 0) {
          c.flood_offset = (c.flood_offset + sent) % block.size();
        }
        open = errno == EAGAIN;
      }
      if (open && drip && c.endless_header) {
        // One byte each drip: never idle long enough for a client to give
        // up, never done.
        const std::size_t offset = c.header_sent++;
        const char next =
            offset < kEndlessHeaderStart.size()
                ? kEndlessHeaderStart[offset]
                : kEndlessHeaderLine[(offset - kEndlessHeaderStart.size()) %
                                     kEndlessHeaderLine.size()];
        open = SendAll(c.client, std::string_view(&next, 1));
      }
      if (open && from_server != 0) {
        const ssize_t got =
            recv(c.server, buffer.data(), buffer.size(), MSG_DONTWAIT);
        open = got > 0 || (got < 0 && errno == EAGAIN);
        // A stalled connection never answers.
        if (got > 0 && c.state == State::kRelaying && !c.hold_answers) {
          c.to_client.append(buffer.data(), static_cast<size_t>(got));
        }
      }
      if (open && !c.to_client.empty() && (mode_ != Mode::kTrickle || drip)) {
        const std::size_t count =
            mode_ == Mode::kTrickle ? 1 : c.to_client.size();
        stalled_ = stalled_ || mode_ == Mode::kTrickle;
        open =
            SendAll(c.client, std::string_view(c.to_client).substr(0, count));
        c.to_client.erase(0, count);
      }
      if (!open) {
        CloseFd(c.client);
        CloseFd(c.server);
      }
    }
    std::erase_if(connections,
                  [](const Connection& c) { return c.client < 0; });

    if (polled[1].revents != 0) {
      Connection connection;
      connection.client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection.client < 0) continue;
      SetSendTimeout(connection.client);
      const bool answering = answers || (after_document && stalled_ &&
                                         mode_ != Mode::kSilentAfterDocument);
      if (mode_ == Mode::kSilent || answering ||
          (mode_ == Mode::kSilentAfterDocument && stalled_)) {
        // No scheduler behind it; poll() skips the missing end.
        connection.state = answering ? State::kAnswering : State::kSilent;
        stalled_ = stalled_ || !answering;
      } else {
        connection.server = ConnectUnix(upstream_);
        if (connection.server < 0) {
          CloseFd(connection.client);
          continue;
        }
        SetSendTimeout(connection.server);
      }
      connections.push_back(std::move(connection));
    }
  }
  for (Connection& connection : connections) {
    CloseFd(connection.client);
    CloseFd(connection.server);
  }
}

}  // namespace mensurex::testing
