#include "cli/line_reader.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace mensurex::cli {
namespace {

// The lines of `input` as the reader returns them, "<too long>" for a line
// it skips, with a given line limit and read size; input is fed through a
// pipe by a child process, so reads really return in pieces.
std::vector<std::string> ReadAll(const std::string& input, std::size_t limit,
                                 std::size_t read_bytes) {
  int fds[2];
  if (pipe(fds) != 0) return {"<no pipe>"};
  const pid_t writer = fork();
  if (writer == 0) {
    close(fds[0]);
    std::string_view rest = input;
    while (!rest.empty()) {
      const ssize_t n =
          write(fds[1], rest.data(), std::min<size_t>(3, rest.size()));
      if (n <= 0) _exit(1);
      rest.remove_prefix(static_cast<std::size_t>(n));
    }
    _exit(0);
  }
  close(fds[1]);
  LineReader reader(fds[0], limit, read_bytes);
  std::vector<std::string> lines;
  std::string_view line;
  for (;;) {
    const LineReader::Status status = reader.Next(&line);
    if (status == LineReader::Status::kEnd) break;
    if (status == LineReader::Status::kError) {
      lines.emplace_back("<error>");
      break;
    }
    lines.emplace_back(status == LineReader::Status::kTooLong ? "<too long>"
                                                              : line);
  }
  close(fds[0]);
  waitpid(writer, nullptr, 0);
  return lines;
}

TEST(LineReaderTest, SplitsLinesWhateverTheReadSize) {
  struct Case {
    std::string input;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\n", {""}},
      {"1\n22\n", {"1", "22"}},
      {"1\n22", {"1", "22"}},
      {"1\r\n\r\n22\r", {"1", "", "22"}},
      {"a\rb\n", {"a\rb"}},
      {std::string("1\0002\n", 4), {std::string("1\0002", 3)}},
      {"12345\n123456\n1234567890123\n6\n",
       {"12345", "<too long>", "<too long>", "6"}},
      {"1\n12345678", {"1", "<too long>"}},
      {"123456789012345678901234567890\n\n", {"<too long>", ""}},
  };
  for (const std::size_t read_bytes : {1, 2, 3, 7, 64}) {
    for (const Case& c : cases) {
      EXPECT_EQ(ReadAll(c.input, 5, read_bytes), c.lines)
          << "read size " << read_bytes << ", input "
          << testing::PrintToString(c.input);
    }
  }
}

}  // namespace
}  // namespace mensurex::cli
