// mensurex run as a whole program: exact digits, rounding, fields, bad lines,
// arguments, locales, refusals, exit codes and output that cannot be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

struct Outcome {
  int status = -1;  // the exit status, or -1 when the program did not exit
  std::string out;
  std::string err;
  long max_rss_kib = 0;
};

// Input made of pieces, each repeated: {{"9", 100 << 20}} is 100 MB of 9s
// without holding them in memory.
struct Piece {
  std::string text;
  std::size_t times = 1;
};

// A temporary file holding `pieces`, read from its start.
std::FILE* InputFile(const std::vector<Piece>& pieces) {
  std::FILE* file = std::tmpfile();
  for (const Piece& piece : pieces) {
    for (std::size_t i = 0; i < piece.times; ++i) {
      std::fwrite(piece.text.data(), 1, piece.text.size(), file);
    }
  }
  std::fflush(file);
  std::rewind(file);
  return file;
}

std::string Contents(std::FILE* file) {
  std::string text;
  std::rewind(file);
  std::array<char, 65536> chunk{};
  std::size_t n = 0;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), file)) > 0) {
    text.append(chunk.data(), n);
  }
  std::fclose(file);
  return text;
}

// Runs mensurex with `arguments`, standard input `input` and only the
// given environment (besides the sanitizers' options and LOCPATH, where a
// package build keeps the locales it generates); stdout goes to
// `stdout_path` instead of being read when one is given.
Outcome RunMensurex(const std::vector<std::string>& arguments,
                    const std::vector<Piece>& input = {},
                    std::vector<std::string> environment = {"LC_ALL=C"},
                    const char* stdout_path = nullptr) {
  for (const char* name :
       {"ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS", "LOCPATH"}) {
    if (const char* value = std::getenv(name)) {
      environment.push_back(std::string(name) + "=" + value);
    }
  }
  std::vector<char*> argv = {const_cast<char*>(MENSUREX_PATH)};
  argv.reserve(arguments.size() + 2);
  for (const std::string& a : arguments) {
    argv.push_back(const_cast<char*>(a.c_str()));
  }
  argv.push_back(nullptr);
  std::vector<char*> envp;
  envp.reserve(environment.size() + 1);
  for (const std::string& e : environment) {
    envp.push_back(const_cast<char*>(e.c_str()));
  }
  envp.push_back(nullptr);

  std::FILE* in = InputFile(input);
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const pid_t child = fork();
  if (child == 0) {
    dup2(fileno(in), 0);
    dup2(stdout_path ? open(stdout_path, O_WRONLY) : fileno(out), 1);
    dup2(fileno(err), 2);
    execve(MENSUREX_PATH, argv.data(), envp.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  std::fclose(in);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Contents(out),
          Contents(err), usage.ru_maxrss};
}

Outcome RunLines(const std::vector<std::string>& arguments,
                 const std::string& lines,
                 std::vector<std::string> environment = {"LC_ALL=C"}) {
  return RunMensurex(arguments, {{lines}}, std::move(environment));
}

// Runs the installed numfmt with `arguments` on `input` under LC_ALL=locale.
Outcome RunNumfmt(const std::vector<std::string>& arguments,
                  const std::string& input, const char* locale) {
  std::string command = "numfmt";
  for (const std::string& argument : arguments) {
    command += " '" + argument + "'";
  }
  Outcome numfmt;
  std::FILE* in = InputFile({{input}});
  std::FILE* err = std::tmpfile();
  const std::string shell = "LC_ALL=" + std::string(locale) + " " + command +
                            " <&" + std::to_string(fileno(in)) + " 2>&" +
                            std::to_string(fileno(err));
  std::FILE* pipe = popen(shell.c_str(), "r");
  std::array<char, 4096> chunk{};
  std::size_t n = 0;
  while ((n = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
    numfmt.out.append(chunk.data(), n);
  }
  const int status = pclose(pipe);
  numfmt.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  numfmt.err = Contents(err);
  std::fclose(in);
  return numfmt;
}

constexpr std::array<std::string_view, 7> kSymbols = {"B",  "KB", "MB", "GB",
                                                      "TB", "PB", "EB"};

struct Case {
  std::vector<std::string> arguments;
  std::string input;
  std::string out;
  int status = 0;
};

void ExpectCases(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const Outcome run = RunLines(c.arguments, c.input);
    EXPECT_EQ(run.out, c.out) << testing::PrintToString(c.arguments) << " "
                              << testing::PrintToString(c.input) << run.err;
    EXPECT_EQ(run.status, c.status) << testing::PrintToString(c.arguments);
  }
}

TEST(MensurexTest, PrintsEveryDigitOfTheExactValue) {
  const std::string googol_bytes = "1" + std::string(400, '0') + "\n";
  ExpectCases({
      {{"--to", "B", "1125899906842624"}, "", "1125899906842624\n"},
      {{"--to", "PB", "1125899906842624"}, "", "1\n"},
      {{"--to", "EB", "18446744073709551616", "B"}, "", "16\n"},
      {{"--to", "EB", "1", "B"},
       "",
       "0.000000000000000000867361737988403547205962240695953369140625\n"},
      {{"--to", "EB", "79228162514264337593543950336", "B"},
       "",
       "68719476736\n"},
      {{"--to", "B"},
       "\xEF\xBB\xBF"
       "68719476736 EB\n1E400\n0.1 EB\n-1.5e-3 kb\n0e99 EB\n2e-40\n",
       "79228162514264337593543950336\n" + googol_bytes +
           "115292150460684697.6\n-1.536\n0\n"
           "0.0000000000000000000000000000000000000002\n"},
      {{"1", "KB"},
       "",
       "1024\tB\n1\tKB\n0.0009765625\tMB\n0.00000095367431640625\tGB\n"
       "0.000000000931322574615478515625\tTB\n"
       "0.0000000000009094947017729282379150390625\tPB\n"
       "0.00000000000000088817841970012523233890533447265625\tEB\n"},
      {{"--si", "1.5", "GB"},
       "",
       "1500000000\tB\n1500000\tkB\n1500\tMB\n1.5\tGB\n0.0015\tTB\n"
       "0.0000015\tPB\n0.0000000015\tEB\n"},
      {{"--si", "--to", "GiB", "1", "TB"}, "", "931.322574615478515625\n"},
      {{"--si", "--to", "KB", "1", "KiB"}, "", "1.024\n"},
      {{"--to", "auto"},
       "1600000000\n0\n1023\n-1024\n1 EB\n",
       "1.490116119384765625\tGB\n0\tB\n1023\tB\n-1\tKB\n1\tEB\n"},
      {{"--to", "auto", "--precision", "1", "1600000000"}, "", "1.5\tGB\n"},
      // Rounded at 30 places it stays below 1024 TB.
      {{"--to", "auto", "--precision", "30", "1125899906842623"},
       "",
       "1023.999999999999090505298227071762\tTB\n"},
      // Amounts as long as a unit's size in digits, and plain numbers with
      // zeros at either end.
      {{"--to", "auto"},
       "1023\n1024\n1E3\n1048575\n1048576\n0001048576.000\n-0.0\n.5\n5.\n",
       "1023\tB\n1\tKB\n1000\tB\n1023.9990234375\tKB\n1\tMB\n1\tMB\n0\tB\n"
       "0.5\tB\n5\tB\n"},
  });
}

TEST(MensurexTest, ChoosesTheUnitAfterRounding) {
  // 1048575 B is 1023.9990234375 KB; 999999 B is 999.999 kB.
  struct Row {
    const char* mode;
    const char* binary;  // 1048575 and -1048575, --precision 1
    const char* si;      // 999999, --precision 1
  };
  const Row rows[] = {
      {"nearest", "1.0\tMB\n-1.0\tMB\n", "1.0\tMB\n"},
      {"up", "1.0\tMB\n-1023.9\tKB\n", "1.0\tMB\n"},
      {"down", "1023.9\tKB\n-1.0\tMB\n", "999.9\tkB\n"},
      {"from-zero", "1.0\tMB\n-1.0\tMB\n", "1.0\tMB\n"},
      {"towards-zero", "1023.9\tKB\n-1023.9\tKB\n", "999.9\tkB\n"},
  };
  std::vector<Case> cases;
  for (const Row& row : rows) {
    const std::vector<std::string> args = {"--to", "auto",    "--precision",
                                           "1",    "--round", row.mode};
    cases.push_back({args, "1048575\n-1048575\n", row.binary});
    std::vector<std::string> si = args;
    si.emplace_back("--si");
    cases.push_back({si, "999999\n", row.si});
  }
  cases.push_back({{"--to", "auto", "--precision", "1"},
                   "1023.96\n1023.5 KB\n1023.99 EB\n",
                   "1.0\tKB\n1023.5\tKB\n1024.0\tEB\n"});
  cases.push_back({{"--to", "auto", "--round", "up"}, "1025\n", "2\tKB\n"});
  // With SI the step from bytes is 1000 too.
  cases.push_back({{"--si", "--to", "auto", "--precision", "1"},
                   "999.95\n-999.96\n0.99999kB\n999.94\n",
                   "1.0\tkB\n-1.0\tkB\n1.0\tkB\n999.9\tB\n"});
  cases.push_back(
      {{"--si", "--to", "auto", "--precision", "0", "--round", "up"},
       "999.1\n",
       "1\tkB\n"});
  ExpectCases(cases);
}

TEST(MensurexTest, ConvertedFieldsStayOneField) {
  ExpectCases({
      {{"-d", ",", "--field", "2", "--to", "auto", "--precision", "1"},
       "a,152765718,b\n",
       "a,145.7MB,b\n"},
      {{"-d", "\t", "--field", "1", "--to", "auto"}, "1536\tx\n", "1.5KB\tx\n"},
      {{"-d", ":", "--field", "1", "--to", "KB", "--show-unit"},
       "2048:x\n",
       "2KB:x\n"},
      {{"--field", "1", "--to", "auto", "--unit-separator", " "},
       "2048 x\r\n",
       "2 KB x\r\n"},
      {{"--to", "KB", "--show-unit"}, "2048\r\n", "2\tKB\r\n"},
      {{"-z", "--to", "KB"},
       std::string("1024\0002048", 9),
       std::string("1\0002", 3)},
      // A width lays a field out after one blank, as numfmt does.
      {{"--to", "auto", "--field", "2-3", "--padding", "5"},
       "a         1024 1536\nbbbb   1048576  1.5\n",
       "a   1KB 1.5KB\nbbbb   1MB  1.5B\n"},
      // Line feeds within NUL-ended lines part fields, written as spaces.
      {{"-z", "--field", "3", "--to=si"},
       std::string("A\nB 1001 C\0D\tE\n2002\0", 20),
       std::string("A B 1.1k C\0D\tE 2.1k\0", 20)},
      {{"-d", ",", "--to", "KB", "--field", "1", "--padding", "-4"},
       "2048,x\n",
       "2   ,x\n"},
      {{"--to", "KB", "--format", "[%08.2f]%%"}, "-1536\n", "[-0001.50]%\n"},
      // Zeros pad a unit name's result whole; whole bytes keep no fraction.
      {{"--si", "--to", "auto", "--precision", "1", "--format", "%08f"},
       "5\n2048\n",
       "000005\tB\n002.0\tkB\n"},
  });
}

TEST(MensurexTest, SortHOrdersAutomaticFields) {
  const char* const sizes[] = {"1073741823", "1023", "1048575",   "4097",
                               "1610612736", "0",    "1048576000"};
  std::string input;
  for (const char* size : sizes)
    input += std::string(size) + "\t/" + size + "\n";
  const Outcome run =
      RunLines({"--to", "auto", "--precision", "1", "--field", "1"}, input);
  char path[] = "/tmp/mensurex-sort-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, run.out.data(), run.out.size()),
            static_cast<ssize_t>(run.out.size()));
  close(fd);
  std::FILE* sorted =
      popen(("LC_ALL=C sort -s -h " + std::string(path)).c_str(), "r");
  std::string order;
  std::array<char, 256> line{};
  while (std::fgets(line.data(), line.size(), sorted) != nullptr) {
    order +=
        std::string(line.data()).substr(std::string(line.data()).find('/'));
  }
  pclose(sorted);
  unlink(path);
  EXPECT_EQ(order,
            "/0\n/1023\n/4097\n/1048575\n/1048576000\n/1073741823\n"
            "/1610612736\n");
}

TEST(MensurexTest, NamesWhatIsWrong) {
  struct Row {
    std::vector<std::string> arguments;
    int status;
    const char* says;
  };
  const Row rows[] = {
      {{"2", "-MB"}, 1, "invalid option -- 'M'"},
      {{"2", "KB", "-qq"}, 1, "invalid option -- 'q'"},
      {{"-d"}, 1, "option requires an argument -- 'd'"},
      {{"--to", "B", "5 \uFF58\uFF42"},
       1,
       "\"\uFF58\uFF42\" is not a known unit"},
      {{"--to=iec", "--from", "KB"}, 1, "\"KB\" is not a scale"},
      {{"--to-unit=3", "1"}, 1, "--to-unit takes a size"},
      {{"--from=iec", "1Ki"}, 2, "\"Ki\" is not a unit suffix of --from=iec"},
      {{"--from=none", "1K"}, 2, "\"1K\" has a unit suffix"},
      {{"--precision", "1048576", "--to", "KB"}, 1, "from 0 to 1048574"},
      {{"--to", "auto", "1e-999999999999999999999", "B"}, 1, "is too small"},
      {{"--format", "%d"}, 1, "\"%d\" is not a format"},
      {{"--field=1", "--field=2"}, 1, "multiple field specifications"},
  };
  for (const Row& row : rows) {
    const Outcome run = RunLines(row.arguments, "");
    EXPECT_EQ(run.status, row.status) << testing::PrintToString(row.arguments);
    EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
  }
}

TEST(MensurexTest, RoundsOnlyWhenAsked) {
  // Ties and near-ties in every mode, both signs; 1 KB is 1024 B exactly.
  struct Row {
    const char* mode;
    const char* out;  // for 2.5, -2.5, 2.4999, -0.0001, 1 KB, all --to B
  };
  const Row rows[] = {
      {"nearest", "3\n-3\n2\n0\n1024\n"},
      {"up", "3\n-2\n3\n0\n1024\n"},
      {"down", "2\n-3\n2\n-1\n1024\n"},
      {"from-zero", "3\n-3\n3\n-1\n1024\n"},
      {"towards-zero", "2\n-2\n2\n0\n1024\n"},
  };
  std::vector<Case> cases;
  for (const Row& row : rows) {
    cases.push_back({{"--to", "B", "--precision", "0", "--round", row.mode},
                     "2.5\n-2.5\n2.4999\n-0.0001\n1 KB\n",
                     row.out});
  }
  cases.push_back({{"--to", "KB", "--precision=3"},
                   "1\n1536\n-0.5\n",
                   "0.001\n1.500\n0.000\n"});
  cases.push_back(
      {{"--to", "KB", "--prec", "2", "--round=up", "--", "-1"}, "", "0.00\n"});
  ExpectCases(cases);
}

TEST(MensurexTest, ArgumentsAreOneAmount) {
  const std::string block =
      "1610612736\tB\n1572864\tKB\n1536\tMB\n1.5\tGB\n0.00146484375\tTB\n"
      "0.000001430511474609375\tPB\n0.000000001396983861923217773437"
      "5\tEB\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"1.5", "GB"},
        {"1.5GB"},
        {"1.5 GB"},
        {"1.5", "Giga", "Byte"},
        {"1.5", "جيجا", "بايت"},
        {"--from", "G", "1.5"},
        {"--", "1.5", "GB"}}) {
    const Outcome run = RunMensurex(args);
    EXPECT_EQ(run.status, 0) << testing::PrintToString(args) << run.err;
    EXPECT_EQ(run.out, block) << testing::PrintToString(args);
  }
  EXPECT_EQ(RunMensurex({"-1", "KB", "--to=B"}).out, "-1024\n");
  EXPECT_EQ(RunMensurex({"--to", "B", "--", "-1", "KB"}).out, "-1024\n");
  EXPECT_EQ(RunMensurex({"--to", "KB", "--from", "-5"}).status, 1);
  // Several amounts, one result each; a number joins the word after it
  // only when that has no digit.
  ExpectCases({
      {{"--to", "auto", "1024", "1048576", "-1.5", "MB"},
       "",
       "1\tKB\n1\tMB\n-1.5\tMB\n"},
      {{"--to", "B", "1.5", "PB", "extra", "1K"},
       "",
       "1688849860263936\nextra\n1024\n",
       1},
      {{"-zd,", "--field=2", "--to=B", "-1", "x,1K"},
       "",
       std::string("-1\0x,1024\0", 10)},
  });
}

// numfmt's options give numfmt's output: each case runs both programs.
TEST(MensurexTest, SpeaksNumfmt) {
  struct Row {
    std::vector<std::string> arguments;
    std::string input;  // one amount per line
    const char* locale = "C";
  };
  const Row rows[] = {
      {{"--to=iec"},
       "0\n1\n1023\n1024\n1536\n10188\n10239\n15360\n1048575\n1048576\n"
       "1073741824\n-1536\n1023.5\n1.5\n18446744073709551616\n"
       "1180591620717411303424\n"},
      {{"--to=si"}, "999\n1000\n999.95\n999.5\n9999\n99999\n123456789\n"},
      {{"--to=iec-i"}, "1536\n2000000\n"},
      {{"--from=iec"}, "1.5K\n1.1K\n1M\n1G\n1.567\n-2K\n"},
      {{"--from=iec", "--to=iec"}, "1.5Z\n"},
      {{"--from=si"}, "1.0001K\n1.5M\n"},
      {{"--from=auto"}, "1K\n1Ki\n1.5Mi\n"},
      {{"--from=iec-i"}, "1Ki\n"},
      {{"--from=iec", "--to=si"}, "1M\n1.5G\n"},
      {{"--from=si", "--to=iec"}, "1G\n"},
      {{"--from-unit=512"}, "4\n1.5\n"},
      {{"--from-unit=512", "--to=iec"}, "3\n"},
      {{"--to-unit=1024"}, "1536\n1536.50\n"},
      {{"--to-unit=1K"}, "4096\n"},
      {{"--from-unit=K"}, "30\n"},
      {{"--to-unit=G", "--format=%.1f"}, "9991239123\n"},
      {{"--from-unit=1Ki", "--to-unit=4096"}, "10\n"},
      {{"--to=iec", "--format=%.3f"}, "1536\n100\n"},
      {{"--to=iec", "--format=%08.1f"}, "1536\n"},
      {{"--to=iec", "--format=%-8f|"}, "1536\n"},
      {{"--to=iec", "--format=ab%fcd"}, "1536\n"},
      {{"--to=iec", "--format=%.0f"}, "1536\n"},
      {{"--to=iec", "--format=% 6.1f"}, "1536\n"},
      {{"--from=iec", "--padding=8"}, "1K\n"},
      {{"--from=iec", "--padding=-8"}, "1K\n"},
      {{"--field=2", "--to=iec-i", "--padding=12"}, "x 56568936622846 y\n"},
      {{"--field=2", "--to=iec", "--padding=-6"}, "x    2048 y\n"},
      {{"--to=iec", "--padding=6"}, "   2048 x\n"},
      {{"-d", "", "--from=si"}, "4.0 K\n"},
      {{"--field", "1,2 4", "--from-unit=1024"}, "1 2 3 4\n"},
      {{"--to=iec", "--round=nearest"}, "1536.1\n1587\n-1587\n"},
      {{"--to=iec", "--round=up"}, "1587\n-1587\n"},
      {{"--to=iec", "--round=down"}, "1587\n-1587\n"},
      {{"--to=iec", "--round=towards-zero"}, "1587\n-1587\n"},
      {{"--field=2", "--to=iec"}, "a 2048 b\na      2048 b\na 2048000000 b\n"},
      {{"-d:", "--to=iec"}, "2048:x\n"},
      {{"--header", "--to=iec"}, "Size\n2048\n"},
      {{"--to=iec"}, "1024 x\nabc\n2048\n"},
      {{"--to=iec", "--invalid=fail"}, "1024 x\nabc\n2048\n"},
      {{"--to=iec", "--invalid=warn"}, "abc\n2048\n"},
      {{"--to=iec", "--invalid=ignore"}, "abc\n2048\n"},
      {{"--from=iec", "-z"}, std::string("1K\0002K\0", 6)},
      {{"--to=none", "--grouping"}, "1234567.5\n", "en_US.UTF-8"},
      {{"--from=iec", "--grouping"}, "1234567K\n", "de_DE.UTF-8"},
      {{"--to=iec"}, "1536\n", "de_DE.UTF-8"},
      // --suffix is read off and written; widths count it, zeros pad the
      // number alone.
      {{"--suffix=B", "--to=iec"}, "1024\n"},
      {{"--suffix=Foo", "--from=si"}, "70KFoo\n70K\n"},
      {{"--suffix=B", "--to=iec", "--padding=8"}, "1536\n"},
      {{"--suffix=B", "--to=iec", "--format=%08.1f"}, "1536\n"},
      {{"--suffix=B", "--to=iec", "--format=ab%8fcd"}, "1536\n"},
      {{"--suffix=B", "--format=%08f"}, "12\n"},
      {{"--debug", "--header", "--to=iec"}, "Size\n2048\n"},
      {{"--debug", "--to=iec", "--invalid=warn"}, "x\n1024\n"},
      // A last line without its end stays so.
      {{"--from=si"}, "1000"},
      {{"-z", "--from=si"}, std::string("1K\0002K\0", 6)},
      // An empty or blank line is no number.
      {{"--from=auto"}, "\n"},
      {{"--from=auto", "--invalid=ignore"}, "   \n\n1K\n"},
      // Blanks before a field give its width; a separating tab is a space.
      {{"--from=auto"}, " 2Ki\n\t1Ki\n  2K\n"},
      {{"--format=%06f"}, "    1234\n"},
      {{"--padding=6"}, "    1234\n"},
      {{"--field=2", "--to=iec"}, "a\t2048 b\na\t  2048 b\nx 5000000 y\n"},
      // Values of --round and --invalid abbreviated.
      {{"--to=iec", "--round=f"}, "1587\n-1587\n"},
      {{"--to=iec", "--round=near"}, "1587\n"},
      {{"--to=iec", "--round=n"}, "1587\n"},
      {{"--to=iec", "--invalid=w"}, "abc\n2048\n"},
      // What came before a field that stops the run stays written.
      {{"--field=3", "--from=auto"}, "Hello 40M World 90G\n"},
      {{"--field=2-", "--from=auto"}, "Hello 40M   World 90G\n"},
      // A byte is a delimiter in a single-byte locale.
      {{"-d", "\xFF", "--field=2", "--from=si"},
       "1\xFF"
       "2K\xFFx\n"},
      // numfmt's layout options alone read the line as numfmt reads it.
      {{"--padding=10"}, "5\n"},
      {{"--format=%.1f"}, "1\n"},
      {{"--suffix=M"}, "40\n"},
      {{"--grouping"}, "1234567\n", "en_US.UTF-8"},
      {{"--to=iec", "--grouping"}, "1\n"},
      // A width in --format wins over --padding's, whose side holds.
      {{"--padding=8", "--format=%3f"}, "1\n"},
      {{"--format=%3f", "--padding=-8"}, "1\n"},
      // A width after the 0 flag pads the number with zeros, and then the
      // padding or a field's blanks pad it inside the format's text; any
      // other width is the padding's.
      {{"--padding=10", "--format=%06f"}, "12\n"},
      {{"--padding=-10", "--format=%06f"}, "12\n"},
      {{"--padding=3", "--format=%0f"}, "12\n"},
      {{"--format=%-6f", "--padding=10"}, "12\n"},
      {{"--format=%6f"}, "        1234\n"},
      {{"--format=x%06fy"}, "        1234\n"},
  };
  for (const Row& row : rows) {
    const Outcome numfmt = RunNumfmt(row.arguments, row.input, row.locale);
    const std::vector<std::string> environment = {std::string("LC_ALL=") +
                                                  row.locale};
    std::string numfmt_out = numfmt.out;
    // Current numfmt writes k for SI kilo; the installed one may write K.
    if (std::find(row.arguments.begin(), row.arguments.end(), "--to=si") !=
        row.arguments.end()) {
      std::replace(numfmt_out.begin(), numfmt_out.end(), 'K', 'k');
    }
    const Outcome run = RunMensurex(row.arguments, {{row.input}}, environment);
    EXPECT_EQ(run.out, numfmt_out)
        << testing::PrintToString(row.arguments) << " " << row.locale;
    EXPECT_EQ(run.status, numfmt.status)
        << testing::PrintToString(row.arguments) << run.err;
  }
}

// Where numfmt stops (near 2^64, at its largest suffix) or rounds in
// binary, mensurex stays exact.
TEST(MensurexTest, StaysExactWhereNumfmtStops) {
  ExpectCases({
      {{"--from=iec"}, "20E\n", "23058430092136939520\n"},
      {{"--to=iec"}, "0.5\n", "1\n"},
      {{"--from=iec", "--to=iec"}, "1023.5Y\n", "1.0R\n"},
      {{"--to=si", "--from=si"}, "1000000Q\n1.5R\n", "1000000Q\n1.5R\n"},
      {{"--from=iec", "--to-unit=1", "--format=%.1f"},
       "16E\n",
       "18446744073709551616.0\n"},
      {{"--to=iec", "--unit-separator", " "}, "100\n1536\n", "100\n1.5 K\n"},
      // Read as newer numfmt reads them.
      {{"--from=iec", "--unit-separator=::"}, "4::K\n", "4096\n"},
      {{"-d", "", "--from=auto"}, "2 K\n2  K\n", "2000\n", 2},
  });
}

// Readable output: whole bytes without a fraction, ls -h's and du -h's
// sizes, fields that keep their column, groups written.
TEST(MensurexTest, WritesReadableOutput) {
  ExpectCases({
      {{"--to", "auto", "--precision", "1"},
       "28\n0\n28.25\n1536\n",
       "28\tB\n0\tB\n28.3\tB\n1.5\tKB\n"},
      {{"--to", "human"},
       "28\n1536\n3584\n10188\n35000\n1048064\n-1536\n",
       "28\tB\n1.5\tKB\n3.5\tKB\n10\tKB\n35\tKB\n1.0\tMB\n-1.5\tKB\n"},
      {{"--to", "human", "--round", "nearest", "--field", "1"},
       "3636 a\n",
       "3.6KB a\n"},
      {{"--field", "2"}, "a   2048 b\n", "a    2KB b\n"},
      {{"-d", ":"}, "2048:x\n", "2KB:x\n"},
      {{"--to", "B", "--grouping", "--grouping=_"},
       "1_234_567\n",
       "1_234_567\n"},
      {{"--to", "B", "--format", "%'13.1f", "--locale", "en_US.UTF-8"},
       "-1234567\n",
       " -1,234,567.0\n"},
      {{"--to", "KB", "--grouping=.", "--decimal", ",", "--grouping"},
       "1.234.567.890\n",
       "1.205.632,705078125\n"},
  });
}

TEST(MensurexTest, ReadsEveryUnitSpelling) {
  const std::array<std::string_view, 7> long_names = {
      "byte",     "kilobyte", "megabyte", "gigabyte",
      "terabyte", "petabyte", "exabyte"};
  std::string input, expected;
  for (std::size_t i = 0; i < 7; ++i) {
    const std::string symbol(kSymbols[i]);
    const std::string letter = symbol.substr(0, 1);
    const std::string name(long_names[i]);
    std::string lower = symbol;
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    std::vector<std::string> names = {symbol, lower, name, name + "S"};
    if (i > 0)
      names.insert(names.end(),
                   {letter, letter + "iB", letter + "IB", letter + "i",
                    letter + "Byte", letter + "bytes"});
    const std::string bytes = std::to_string(1ULL << (10 * i));
    for (const std::string& spelling : names) {
      for (const char* gap : {" ", ""}) {
        input += "1";
        input += gap;
        input += spelling;
        input += "\n";
        expected += bytes;
        expected += "\n";
      }
    }
  }
  const Outcome run = RunLines({"--to", "B"}, input);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(RunMensurex({"--to", "kib", "--from", "Megabytes", "1"}).out,
            "1024\n");
}

TEST(MensurexTest, FollowsTheLocaleAndItsOverrides) {
  struct Case {
    std::vector<std::string> environment;
    std::vector<std::string> arguments;
    std::string out;  // "" when the amount is refused
  };
  const Case cases[] = {
      {{"LC_ALL=de_DE.UTF-8"}, {"1.234,5", "KB"}, "1264128\n"},
      {{"LC_ALL=de_DE.UTF-8"}, {"--to", "MB", "1,5", "KB"}, "0,00146484375\n"},
      {{"LC_ALL=de_DE.UTF-8"}, {"1,234.5"}, ""},
      {{"LANG=de_DE.UTF-8"}, {"--to", "KB", "1,5"}, "0,00146484375\n"},
      {{"LANG=de_DE.UTF-8", "LC_NUMERIC=en_US.UTF-8"}, {"1,024.5"}, "1024.5\n"},
      {{"LC_ALL=en_US.UTF-8"}, {"1,048,576"}, "1048576\n"},
      {{"LC_ALL=en_US.UTF-8"}, {"1,5"}, ""},
      {{"LC_ALL=fr_FR.UTF-8"}, {"1\u202F234,5"}, "1234,5\n"},
      {{"LC_ALL=fr_FR.UTF-8"}, {"1\u00A0234 567,5"}, "1234567,5\n"},
      {{"LC_ALL=fr_FR.UTF-8"}, {"1\u3000024\u2003KB"}, "1048576\n"},
      {{"LC_ALL=en_US.UTF-8"}, {"--decimal", ",", "1,5"}, "1,5\n"},
      {{"LC_ALL=C"},
       {"--decimal", "\u066B", "10", "100\u066B50"},
       "10\n100\u066B5\n"},
      {{"LC_ALL=de_CH.UTF-8"}, {"1'234.5"}, "1234.5\n"},
      {{"LC_ALL=en_IN.UTF-8"}, {"12,34,567.5"}, "1234567.5\n"},
      {{"LC_ALL=en_IN.UTF-8"}, {"1,234,567"}, ""},
      {{"LC_ALL=de_DE.UTF-8"}, {"--locale", "C", "1.5", "KB"}, "1536\n"},
      {{"LC_ALL=de_DE.UTF-8"}, {"--locale=C", "1,5"}, ""},
      {{"LC_ALL=C"}, {"--locale", "de_DE.UTF-8", "1,5"}, "1,5\n"},
      // What the window reads under the same locale: Qt's data, besides
      // the C library's.
      {{"LC_ALL=C"}, {"1,024"}, "1024\n"},
      {{"LC_ALL=C"}, {"--grouping=", "1,024"}, ""},
      {{"LC_ALL=hi_IN.UTF-8"}, {"1,50,000"}, "150000\n"},
      {{"LC_ALL=fa_IR.UTF-8"}, {"\u06F1\u066B\u06F5", "KB"}, "1536\n"},
      {{"LC_ALL=C"}, {"--decimal", ",", "--grouping=.", "1.024,5"}, "1024,5\n"},
      {{"LC_ALL=en_US.UTF-8"}, {"--grouping=", "1,024"}, ""},
      {{"LC_ALL=no_SUCH.UTF-8"}, {"1.5"}, "1.5\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    if (arguments.front() != "--to")
      arguments.insert(arguments.begin(), {"--to", "B"});
    const Outcome run = RunMensurex(arguments, {}, c.environment);
    EXPECT_EQ(run.out, c.out) << testing::PrintToString(c.environment) << " "
                              << testing::PrintToString(c.arguments);
    EXPECT_EQ(run.status, c.out.empty() ? 1 : 0) << run.err;
  }
  EXPECT_EQ(RunMensurex({"1"}, {}, {"LC_ALL=no_SUCH.UTF-8"}).err,
            "mensurex: the locale \"no_SUCH.UTF-8\" is not installed; amounts "
            "are read with \".\" as the decimal separator and no grouping\n");
}

TEST(MensurexTest, KeepsBadLinesInStepWithTheirResults) {
  const std::string input = "1.5 GB\nabc\n12 XB\n\n1.2.3 KB\n-1e-3 kb\r\n" +
                            std::string("\0\xFF\x1B[2J\"\\\xE2\x80\xAE!", 12) +
                            "\n" + std::string(100, '7') + "?\n1e999999999\n2";
  const std::string bad_out =
      "1610612736\nabc\n12 XB\n\n1.2.3 KB\n-1.024\r\n" +
      std::string("\0\xFF\x1B[2J\"\\\xE2\x80\xAE!", 12) + "\n" +
      std::string(100, '7') + "?\n1e999999999\n2";
  const std::string complaints =
      "mensurex: line 2: \"abc\" is not a number\n"
      "mensurex: line 3: \"XB\" is not a known unit\n"
      "mensurex: line 4: \"\" is not a number\n"
      "mensurex: line 5: \"1.2.3 KB\" is not a number\n"
      "mensurex: line 7: \"\\x00\\xFF\\x1B[2J\\\"\\\\\\u202E!\" is not "
      "a number\n"
      "mensurex: line 8: \"" +
      std::string(40, '7') +
      "\"... is not a number\n"
      "mensurex: line 9: \"1e999999999\" is too large to convert: its result "
      "would be longer than 1048576 bytes\n";
  struct Mode {
    const char* name;
    std::string out;
    std::string err;
    int status;
  };
  const Mode modes[] = {
      {"fail", bad_out, complaints, 1},
      {"warn", bad_out, complaints, 0},
      {"ignore", bad_out, "", 0},
      {"abort", "1610612736\n", complaints.substr(0, complaints.find('\n') + 1),
       1},
  };
  for (const Mode& mode : modes) {
    const Outcome run =
        RunLines({"--to", "B", std::string("--invalid=") + mode.name}, input);
    EXPECT_EQ(run.out, mode.out) << mode.name;
    EXPECT_EQ(run.err, mode.err) << mode.name;
    EXPECT_EQ(run.status, mode.status) << mode.name;
  }
  // Seven results: the line's text seven times.
  const Outcome seven = RunLines({"--invalid=warn"}, "x\n");
  EXPECT_EQ(seven.out, "x\nx\nx\nx\nx\nx\nx\n");
  const Outcome argument = RunMensurex({"1.5", "XB"});
  EXPECT_EQ(argument.status, 1);
  EXPECT_EQ(argument.out, "");
  EXPECT_EQ(argument.err, "mensurex: \"XB\" is not a known unit\n");
  // A complaint quotes the amount as it was written, not a piece of it.
  EXPECT_EQ(RunLines({"--to", "B"}, "no_NL\n12q3QWE\n").err,
            "mensurex: line 1: \"no_NL\" is not a number\n"
            "mensurex: line 2: \"12q3QWE\" is not a number\n");
}

TEST(MensurexTest, ConvertsOnlyTheChosenFields) {
  ExpectCases({
      {{"--to", "KB", "--field", "1"},
       "2048\t/usr\n  1024   a  b \n\t\n3\n",
       "2\t/usr\n     1   a  b \n\t\n0.0029296875\n",
       1},  // a blank line is no amount
      {{"--to=B", "--field=2,4-", "-d", ","},
       "a,1K,b,2K,3K\nx,1M\n,,\n",
       "a,1024,b,2048,3072\nx,1048576\n,,\n",
       1},
      {{"--to", "B", "--field", "-2"}, "1K 2K 3K\n", "1024 2048 3K\n"},
      {{"--to", "auto", "--field", "2", "--header=2", "--precision", "1"},
       "Size\n----\n/a 1073741824 x\n/b 1600000000\n",
       "Size\n----\n/a      1.0GB x\n/b      1.5GB\n"},
  });
  const Outcome bad =
      RunLines({"--to", "B", "--field", "2"}, "1 2 3\nx 1Q y\n");
  EXPECT_EQ(bad.out, "1 2 3\nx 1Q y\n");
  EXPECT_EQ(bad.err, "mensurex: line 2, field 2: \"Q\" is not a known unit\n");
  EXPECT_EQ(bad.status, 1);
}

// Option problems: one line naming the program, a pointer to the help, and
// status 1, as numfmt gives them; numfmt's own options in numfmt's words.
TEST(MensurexTest, RefusesBadOptionsAsNumfmtDoes) {
  const std::vector<std::string> numfmt_mistakes[] = {
      {"--fr=iec", "1"}, {"--fro"},       {"--foo=bar"}, {"--to"},
      {"-x", "1"},       {"-zq"},         {"--help=3"},  {"--he=x"},
      {"--round=odd"},   {"--invalid=x"}, {"--round"},   {"-d"}};
  for (const std::vector<std::string>& args : numfmt_mistakes) {
    const Outcome numfmt = RunNumfmt(args, "1\n", "C");
    const Outcome run = RunLines(args, "1\n");
    EXPECT_EQ(run.status, numfmt.status) << testing::PrintToString(args);
    // numfmt lists the valid values on lines of their own.
    const auto renamed = [](const std::string& line) {
      return "mensurex" + line.substr(line.find(':'));
    };
    const std::string first = numfmt.err.substr(0, numfmt.err.find('\n'));
    EXPECT_EQ(run.err.rfind(renamed(first), 0), 0u) << run.err << numfmt.err;
    const std::string try_line =
        numfmt.err.substr(numfmt.err.rfind('\n', numfmt.err.size() - 2) + 1);
    EXPECT_EQ(run.err.substr(run.err.find('\n') + 1),
              "Try 'mensurex" + try_line.substr(try_line.find(' ', 5)))
        << run.err;
  }

  const std::vector<std::string> mistakes[] = {
      {"--bogus"},
      {"-x", "1"},
      {"--to"},
      {"--to", "XB", "1"},
      {"--from=", "1"},
      {"--locale", "xx_XX", "1"},
      {"--decimal", "", "1"},
      {"--locale="},
      {"--grouping=e", "1e300"},
      {"--decimal", "0", "100"},
      {"--decimal", "-"},
      {"--decimal", "\xFF"},
      {"--grouping=\x1B"},
      {"--decimal", ".."},
      {"--decimal=,", "--grouping=,"},
      {"--f", "1", "--to", "B"},
      {"--fr=gb", "1.5"},
      {"--field", "1, 2"},
      {"--field", "18446744073709551615", "--to", "B"},
      {"--from-unit", "1.5"},
      {"--to", "iec", "--to-unit", "0"},
      {"--from", "iec-x", "1"},
      {"--field", "0", "--to", "B"},
      {"--field", "3-2", "--to", "B"},
      {"--precision", "x"},
      {"--round", "odd"},
      {"--invalid", "maybe"},
      {"--header=-1"},
      {"-d", "ab", "--to", "B"},
      {"--format=%f", "--grouping"}};
  for (const std::vector<std::string>& args : mistakes) {
    const Outcome run = RunLines(args, "1\n");
    EXPECT_EQ(run.status, 1) << testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("mensurex: ", 0), 0u) << run.err;
    EXPECT_EQ(run.err.substr(run.err.find('\n') + 1),
              "Try 'mensurex --help' for more information.\n")
        << run.err;
  }
  // --debug's last warning, as numfmt words it.
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--debug", "1"},
        std::vector<std::string>{"--debug", "--to=iec", "--invalid=warn",
                                 "x"}}) {
    std::string numfmt = RunNumfmt(args, "", "C").err;
    for (std::size_t at = 0;
         (at = numfmt.find("numfmt:", at)) != std::string::npos;) {
      numfmt.replace(at, 6, "mensurex");
    }
    // The amount's own complaint is worded as mensurex words it.
    const std::string err = RunMensurex(args).err;
    const auto last = [](const std::string& text) {
      return text.substr(text.rfind('\n', text.size() - 2) + 1);
    };
    EXPECT_EQ(last(err), last(numfmt)) << err;
  }
  const Outcome help = RunMensurex({"1", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: mensurex", 0), 0u);
  EXPECT_EQ(RunMensurex({"--version"}).out, "mensurex " MENSUREX_VERSION "\n");
  const Outcome bad_amount = RunMensurex({"1.5", "XB"});
  EXPECT_EQ(bad_amount.status, 1);
  EXPECT_EQ(bad_amount.err, "mensurex: \"XB\" is not a known unit\n");
}

TEST(MensurexTest, SurvivesA100MegabyteLineInBoundedMemory) {
  const Outcome run =
      RunMensurex({"--to", "B"}, {{"1 KB\n"},
                                  {std::string(65536, '9'), 1600},
                                  {"\n1 KB\n"},
                                  {std::string(65536, ' '), 1600}});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "1024\n\n1024\n\n");
  EXPECT_EQ(run.err,
            "mensurex: line 2: line is too long (more than 1048576 bytes)\n"
            "mensurex: line 4: line is too long (more than 1048576 bytes)\n");
  EXPECT_LT(run.max_rss_kib, 48 * 1024);
  const std::string header(65536, 'h');
  const Outcome headed =
      RunMensurex({"--header", "--to", "B"}, {{header, 20}, {"\r\n1 KB\n"}});
  EXPECT_EQ(headed.status, 0) << headed.err;
  EXPECT_EQ(headed.out.size(), 20 * header.size() + 7);
  EXPECT_EQ(headed.out.substr(headed.out.size() - 7), "\r\n1024\n");
}

TEST(MensurexTest, AFailedWriteIsNoSuccess) {
  for (const std::vector<Piece>& input :
       {std::vector<Piece>{}, std::vector<Piece>{{"1 KB\n"}}}) {
    const Outcome run =
        RunMensurex(input.empty() ? std::vector<std::string>{"1", "KB"}
                                  : std::vector<std::string>{},
                    input, {"LC_ALL=C"}, "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "mensurex: cannot write the results: No space left on "
              "device\n");
  }
}

TEST(MensurexTest, AnswersEachLineBeforeTheNextArrives) {
  // A coprocess: the answer must come while the input is still open.
  int to_child[2];
  int from_child[2];
  ASSERT_EQ(pipe(to_child), 0);
  ASSERT_EQ(pipe(from_child), 0);
  const pid_t child = fork();
  if (child == 0) {
    dup2(to_child[0], 0);
    dup2(from_child[1], 1);
    close(to_child[1]);
    close(from_child[0]);
    char* argv[] = {const_cast<char*>(MENSUREX_PATH),
                    const_cast<char*>("--to=B"), nullptr};
    char* envp[] = {const_cast<char*>("LC_ALL=C"), nullptr};
    execve(MENSUREX_PATH, argv, envp);
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  std::string answers;
  for (const std::string_view line : {"1 KB\n", "2 KB\n"}) {
    ASSERT_EQ(write(to_child[1], line.data(), line.size()),
              static_cast<ssize_t>(line.size()));
    pollfd ready{from_child[0], POLLIN, 0};
    ASSERT_EQ(poll(&ready, 1, 10000), 1) << "no answer to " << line;
    std::array<char, 64> chunk{};
    const ssize_t n = read(from_child[0], chunk.data(), chunk.size());
    answers.append(chunk.data(),
                   static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
  }
  close(to_child[1]);
  close(from_child[0]);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(answers, "1024\n2048\n");
}

}  // namespace
