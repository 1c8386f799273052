#include "stalling_proxy.h"

#include <cups/cups.h>
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
#include <vector>

namespace mensurex::testing {
namespace {

// Where a document's upload begins in the client's stream.
constexpr char kPdfMagic[] = "%PDF-";
constexpr std::size_t kMagicLength = sizeof kPdfMagic - 1;

// Small segments and buffers on the proxy's side, so that a client whose
// upload is no longer read soon finds its own writes blocked.
// Reads are small too, so that little of a document is taken in the read
// that finds its start.
constexpr int kSegment = 536;
constexpr int kReceiveBuffer = 4 * 1024;
constexpr std::size_t kReadSize = 2048;

enum class State { kRelaying, kNotReading, kSwallowing, kSilent };

struct Connection {
  int client = -1;
  int server = -1;
  State state = State::kRelaying;
  std::vector<char> tail;  // the client's last few bytes, for the magic
};

void CloseFd(int& fd) {
  if (fd >= 0) close(fd);
  fd = -1;
}

// Writes all of `data`, or gives up when the peer has not read for a while
// (the socket has a send timeout).
bool SendAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<std::size_t>(sent);
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
  cupsSetServer(nullptr);
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
  cupsSetServer(nullptr);
}

void StallingProxy::Run(int lifetime_ms) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::milliseconds(lifetime_ms);
  std::vector<Connection> connections;
  std::vector<char> buffer(kReadSize);

  while (Clock::now() < end) {
    // Polled: the wake pipe, the listener, then each connection's two ends.
    std::vector<pollfd> polled = {{wake_[0], POLLIN, 0},
                                  {listener_, POLLIN, 0}};
    for (const Connection& connection : connections) {
      // A connection no longer read is still watched for its client hanging
      // up, which ends it.
      polled.push_back(
          {connection.client,
           static_cast<short>(connection.state == State::kNotReading ? POLLRDHUP
                                                                     : POLLIN),
           0});
      polled.push_back({connection.server, POLLIN, 0});
    }
    if (poll(polled.data(), polled.size(), 200) < 0) break;
    if (polled[0].revents != 0) break;

    for (std::size_t index = 0; index < connections.size(); ++index) {
      Connection& connection = connections[index];
      const short from_client = polled[2 + 2 * index].revents;
      const short from_server = polled[2 + 2 * index + 1].revents;
      bool open = true;
      if (from_client != 0) {
        if (connection.state == State::kNotReading) {
          open = false;  // the client hung up
        } else {
          const State was = connection.state;
          const ssize_t got = recv(connection.client, buffer.data(),
                                   buffer.size(), MSG_DONTWAIT);
          open = got > 0 || (got < 0 && errno == EAGAIN);
          std::size_t relay = got > 0 && was == State::kRelaying
                                  ? static_cast<std::size_t>(got)
                                  : 0;
          if (relay > 0 && mode_ != Mode::kPass && !stalled_) {
            // Look for the magic, also across the previous read's end.
            std::vector<char> seen = connection.tail;
            seen.insert(seen.end(), buffer.begin(), buffer.begin() + got);
            const auto found = std::search(seen.begin(), seen.end(), kPdfMagic,
                                           kPdfMagic + kMagicLength);
            if (found != seen.end()) {
              // Everything before the magic still goes through.
              const auto before = found - seen.begin();
              const auto carried =
                  static_cast<std::ptrdiff_t>(connection.tail.size());
              relay = before > carried
                          ? static_cast<std::size_t>(before - carried)
                          : 0;
              connection.state = mode_ == Mode::kStopReadingHalfway
                                     ? State::kNotReading
                                     : State::kSwallowing;
              stalled_ = true;
            }
            const auto keep = static_cast<std::ptrdiff_t>(
                std::min(seen.size(), kMagicLength - 1));
            connection.tail.assign(seen.end() - keep, seen.end());
          }
          if (open && relay > 0 &&
              !SendAll(connection.server, buffer.data(), relay)) {
            open = false;
          }
        }
      }
      if (open && from_server != 0) {
        const ssize_t got =
            recv(connection.server, buffer.data(), buffer.size(), MSG_DONTWAIT);
        open = got > 0 || (got < 0 && errno == EAGAIN);
        // A stalled connection never answers.
        if (got > 0 && connection.state == State::kRelaying &&
            !SendAll(connection.client, buffer.data(),
                     static_cast<std::size_t>(got))) {
          open = false;
        }
      }
      if (!open) {
        CloseFd(connection.client);
        CloseFd(connection.server);
      }
    }
    std::erase_if(connections,
                  [](const Connection& c) { return c.client < 0; });

    if (polled[1].revents != 0) {
      Connection connection;
      connection.client = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection.client < 0) continue;
      SetSendTimeout(connection.client);
      if (mode_ == Mode::kSilent) {
        // No scheduler behind it; poll() skips the missing end.
        connection.state = State::kSilent;
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
