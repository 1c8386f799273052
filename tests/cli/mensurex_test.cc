// mensurex run as a whole program: arguments, standard input, locales,
// refusals and exit codes, and its digits against the engine's.
#include <fcntl.h>
#include <gtest/gtest.h>
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

#include "mensurex/conversion.h"
#include "tests/shared/edge_case_rows.h"

namespace {

using mensurex::StorageUnit;

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

constexpr std::array<std::string_view, 7> kSymbols = {"B",  "KB", "MB", "GB",
                                                      "TB", "PB", "EB"};

// The seven texts of the window's own engine call for an entry.
mensurex::ResultTexts EngineTexts(std::string_view entry, StorageUnit unit) {
  return *mensurex::ConvertEntryToTexts(unit, entry,
                                        mensurex::EntrySeparators{});
}

TEST(MensurexTest, PrintsTheWindowsDigitsForEveryUnit) {
  // The known rows, then entries in every unit against the engine's call.
  std::vector<std::pair<std::string, mensurex::ResultTexts>> cases;
  for (const mensurex::testing::EdgeCaseRow& row :
       mensurex::testing::kEdgeCaseRows) {
    mensurex::ResultTexts texts;
    std::copy(row.texts.begin(), row.texts.end(), texts.begin());
    cases.emplace_back(std::string(row.entry) + " " +
                           std::string(kSymbols[mensurex::UnitIndex(row.unit)]),
                       texts);
  }
  for (const std::string_view entry :
       {"0", "0.1", "1.5", "1e-3", "123456789.125"}) {
    for (const StorageUnit unit : mensurex::kAllStorageUnits) {
      cases.emplace_back(std::string(entry) + " " +
                             std::string(kSymbols[mensurex::UnitIndex(unit)]),
                         EngineTexts(entry, unit));
    }
  }
  std::string input, all_units;
  std::array<std::string, 7> one_unit;
  for (const auto& [line, texts] : cases) {
    input += line + "\n";
    for (std::size_t i = 0; i < 7; ++i) {
      all_units += texts[i] + "\t" + std::string(kSymbols[i]) + "\n";
      one_unit[i] += texts[i] + "\n";
    }
  }
  const Outcome all = RunLines({}, input);
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_EQ(all.out, all_units);
  for (std::size_t i = 0; i < 7; ++i) {
    const Outcome one = RunLines({"--to", std::string(kSymbols[i])}, input);
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_EQ(one.out, one_unit[i]) << "--to " << kSymbols[i];
  }
}

TEST(MensurexTest, ArgumentsAreOneAmount) {
  std::string block;
  const mensurex::ResultTexts texts =
      EngineTexts("1.5", StorageUnit::kGigabytes);
  for (std::size_t i = 0; i < 7; ++i)
    block += texts[i] + "\t" + std::string(kSymbols[i]) + "\n";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"1.5", "GB"},
        {"1.5GB"},
        {"1.5 GB"},
        {"--from", "G", "1.5"},
        {"--", "1.5", "GB"},
        {"--from=gb", "1.5"}}) {
    const Outcome run = RunMensurex(args);
    EXPECT_EQ(run.status, 0) << testing::PrintToString(args) << run.err;
    EXPECT_EQ(run.out, block) << testing::PrintToString(args);
  }
  EXPECT_EQ(RunMensurex({"-1", "KB", "--to=B"}).out, "-1024\n");
  EXPECT_EQ(RunMensurex({"--to", "B", "68719476735", "EB"}).out,
            "79228162513111416088937103360\n");
  EXPECT_EQ(RunMensurex({"--to", "B", "16", "EB"}).out,
            "18446744073709551616\n");
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
      names.insert(names.end(), {letter, letter + "iB", letter + "IB"});
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
      {{"LC_ALL=de_CH.UTF-8"}, {"1'234.5"}, "1234.5\n"},
      {{"LC_ALL=en_IN.UTF-8"}, {"12,34,567.5"}, "1234567.5\n"},
      {{"LC_ALL=en_IN.UTF-8"}, {"1,234,567"}, ""},
      {{"LC_ALL=de_DE.UTF-8"}, {"--locale", "C", "1.5", "KB"}, "1536\n"},
      {{"LC_ALL=de_DE.UTF-8"}, {"--locale=C", "1,5"}, ""},
      {{"LC_ALL=C"}, {"--locale", "de_DE.UTF-8", "1,5"}, "1,5\n"},
      {{"LC_ALL=C"}, {"1,024"}, ""},
      {{"LC_ALL=C"},
       {"--decimal", ",", "--grouping", ".", "1.024,5"},
       "1024,5\n"},
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
}

TEST(MensurexTest, ReportsEachBadLineAndGoesOn) {
  const Outcome run =
      RunLines({"--to", "B"},
               "1.5 GB\n16 EB\nabc\n12 XB\n68719476736 EB\n1E400\n\n1.2.3 "
               "KB\n-1e-3 kb\r\n" +
                   std::string("\0\xFF\x1B[2J\"\\\xE2\x80\xAE!", 12) + "\n" +
                   std::string(100, '7') + "?\n2");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "1610612736\n18446744073709551616\n-1.024\n2\n");
  EXPECT_EQ(run.err,
            "mensurex: line 3: \"abc\" is not a number\n"
            "mensurex: line 4: \"XB\" is not a known unit\n"
            "mensurex: line 5: \"68719476736 EB\" is too large to convert\n"
            "mensurex: line 6: \"1E400\" is too large to convert\n"
            "mensurex: line 7: \"\" is not a number\n"
            "mensurex: line 8: \"1.2.3\" is not a number\n"
            "mensurex: line 10: \"\\x00\\xFF\\x1B[2J\\\"\\\\\\u202E!\" is not "
            "a number\n"
            "mensurex: line 11: \"" +
                std::string(40, '7') + "\"... is not a number\n");
}

TEST(MensurexTest, RefusesBadOptionsWithStatusTwo) {
  const std::vector<std::string> mistakes[] = {{"--bogus"},
                                               {"-x", "1"},
                                               {"--to"},
                                               {"--to", "XB", "1"},
                                               {"--from=", "1"},
                                               {"--locale", "xx_XX", "1"},
                                               {"--decimal", "", "1"},
                                               {"--locale="}};
  for (const std::vector<std::string>& args : mistakes) {
    const Outcome run = RunLines(args, "1\n");
    EXPECT_EQ(run.status, 2) << testing::PrintToString(args);
    EXPECT_EQ(run.out, "");
    // One line that names the program and points to the help.
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_EQ(run.err.rfind("mensurex: ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find("mensurex --help"), std::string::npos) << run.err;
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
  EXPECT_EQ(run.out, "1024\n1024\n");
  EXPECT_EQ(run.err,
            "mensurex: line 2: line is too long (more than 1048576 bytes)\n"
            "mensurex: line 4: line is too long (more than 1048576 bytes)\n");
  EXPECT_LT(run.max_rss_kib, 48 * 1024);
}

TEST(MensurexTest, AFailedWriteIsNoSuccess) {
  const Outcome run = RunMensurex({"1", "KB"}, {}, {"LC_ALL=C"}, "/dev/full");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("mensurex: cannot write"), std::string::npos)
      << run.err;
}

}  // namespace
