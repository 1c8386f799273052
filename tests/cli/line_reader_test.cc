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

// The lines of `input` as the reader returns them, each as "TEXT|END", and
// "<long>" before a line that came in pieces, with a given line limit, read
// size and delimiter; input is fed through a pipe by a child process, so
// reads really return in pieces.
std::vector<std::string> ReadAll(const std::string& input, std::size_t limit,
                                 std::size_t read_bytes, char delimiter) {
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
  LineReader reader(fds[0], limit, read_bytes, {}, delimiter);
  std::vector<std::string> lines;
  std::string_view line;
  std::string pieces;
  for (;;) {
    const LineReader::Status status = reader.Next(&line);
    if (status == LineReader::Status::kEnd) break;
    if (status == LineReader::Status::kError) {
      lines.emplace_back("<error>");
      break;
    }
    if (status == LineReader::Status::kPiece) {
      EXPECT_LE(line.size(), limit + 1 + read_bytes);
      pieces = (pieces.empty() ? "<long>" : pieces) + std::string(line);
      continue;
    }
    lines.push_back(pieces + std::string(line) + "|" +
                    std::string(reader.ending()));
    pieces.clear();
  }
  close(fds[0]);
  waitpid(writer, nullptr, 0);
  return lines;
}

TEST(LineReaderTest, SplitsLinesWhateverTheReadSize) {
  struct Case {
    std::string input;
    std::vector<std::string> lines;
    char delimiter = '\n';
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {"", {}},
      {"\n", {"|\n"}},
      {"1\n22\n", {"1|\n", "22|\n"}},
      {"1\n22", {"1|\n", "22|"}},
      {"1\r\n\r\n22\r", {"1|\r\n", "|\r\n", "22|\r\n"}},
      {"a\rb\n", {"a\rb|\n"}},
      {"1\0002\n"s, {"1\0002|\n"s}},
      {"12345\n123456\n1234567890123\n6\n",
       {"12345|\n", "<long>123456|\n", "<long>1234567890123|\n", "6|\n"}},
      {"1\n12345678", {"1|\n", "<long>12345678|"}},
      {"123456789012345678901234567890\r\n\n",
       {"<long>123456789012345678901234567890\r|\n", "|\n"}},
      {"1\r\0002\n\0003"s, {"1\r|\0"s, "2\n|\0"s, "3|"}, '\0'},
  };
  for (const std::size_t read_bytes : {1, 2, 3, 7, 64}) {
    for (const Case& c : cases) {
      EXPECT_EQ(ReadAll(c.input, 5, read_bytes, c.delimiter), c.lines)
          << "read size " << read_bytes << ", input "
          << testing::PrintToString(c.input);
    }
  }
}

}  // namespace
}  // namespace mensurex::cli
