// Starts a program and reports how long its window named TITLE took to be
// mapped on the X server, and the program's peak resident memory a moment
// later. The watcher listens for the server's MapNotify event, so the time
// is not quantised by polling; its resolution is the monotonic clock's.
//
// Usage: map_watch TITLE SETTLE_MS PROGRAM [ARG...]
// Prints: <milliseconds to map> <peak resident kilobytes> <CPU milliseconds
// the program used until then>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(30);

struct FreeDeleter {
  void operator()(void* p) const { std::free(p); }  // NOLINT: xcb replies
};
template <typename T>
using XcbReply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  const XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
      connection,
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)),
                      name),
      nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::string WindowTitle(xcb_connection_t* connection, xcb_window_t window,
                        xcb_atom_t property) {
  const XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
      connection,
      xcb_get_property(connection, 0, window, property,
                       XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
      nullptr));
  if (!reply) return {};
  const auto* data =
      static_cast<const char*>(xcb_get_property_value(reply.get()));
  return {data,
          static_cast<size_t>(xcb_get_property_value_length(reply.get()))};
}

long PeakResidentKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0)
      return std::strtol(line.c_str() + 6, nullptr, 10);
  }
  return -1;
}

// CPU time used so far by all threads of the process, from the scheduler's
// nanosecond accounting; unlike wall time, it hardly depends on machine load.
double CpuMilliseconds(pid_t pid) {
  const std::string task_dir = "/proc/" + std::to_string(pid) + "/task";
  double total_ns = 0;
  std::error_code error;
  for (const auto& task :
       std::filesystem::directory_iterator(task_dir, error)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double running_ns = 0;
    if (schedstat >> running_ns) total_ns += running_ns;
  }
  return total_ns / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s TITLE SETTLE_MS PROGRAM [ARG...]\n",
                 argv[0]);
    return EXIT_FAILURE;
  }
  const std::string title = argv[1];
  const int settle_ms = std::atoi(argv[2]);

  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection) != 0) {
    std::fprintf(stderr, "map_watch: cannot open the X display\n");
    return EXIT_FAILURE;
  }
  const xcb_screen_t* screen =
      xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK,
                               &mask);
  const xcb_atom_t net_wm_name = InternAtom(connection, "_NET_WM_NAME");
  xcb_flush(connection);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child < 0) return EXIT_FAILURE;
  if (child == 0) {
    // The program's own output would mix with the figures.
    const int null_fd = open("/dev/null", O_WRONLY);
    if (null_fd >= 0) {
      dup2(null_fd, STDOUT_FILENO);
      dup2(null_fd, STDERR_FILENO);
      close(null_fd);
    }
    execvp(argv[3], argv + 3);
    _exit(127);
  }

  double elapsed_ms = -1;
  double cpu_ms = -1;
  pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
  while (elapsed_ms < 0 && Clock::now() - start < kTimeout) {
    xcb_generic_event_t* raw = xcb_poll_for_event(connection);
    if (raw == nullptr) {
      if (xcb_connection_has_error(connection) != 0) break;
      if (waitpid(child, nullptr, WNOHANG) == child) {
        std::fprintf(stderr, "map_watch: %s ended before its window showed\n",
                     argv[3]);
        xcb_disconnect(connection);
        return EXIT_FAILURE;
      }
      poll(&fd, 1, 100);
      continue;
    }
    const XcbReply<xcb_generic_event_t> event(raw);
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
    const Clock::time_point mapped = Clock::now();
    const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(raw);
    if (WindowTitle(connection, map->window, net_wm_name) == title ||
        WindowTitle(connection, map->window, XCB_ATOM_WM_NAME) == title) {
      elapsed_ms =
          std::chrono::duration<double, std::milli>(mapped - start).count();
      cpu_ms = CpuMilliseconds(child);
    }
  }

  long peak_kb = -1;
  if (elapsed_ms >= 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(settle_ms));
    peak_kb = PeakResidentKb(child);
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  xcb_disconnect(connection);
  if (elapsed_ms < 0 || peak_kb < 0) {
    std::fprintf(stderr, "map_watch: no window named '%s' was mapped\n",
                 title.c_str());
    return EXIT_FAILURE;
  }
  std::printf("%.3f %ld %.3f\n", elapsed_ms, peak_kb, cpu_ms);
  return EXIT_SUCCESS;
}
