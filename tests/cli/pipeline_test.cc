// The pipeline in process: what reaches each stream, in which writes.
#include "cli/pipeline.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <variant>
#include <vector>

#include "cli/text.h"

namespace mensurex::cli {
namespace {

// Every write as "out:TEXT" or "err:TEXT", in order.
std::vector<std::string> Writes(const std::vector<std::string>& arguments,
                                const std::string& input, bool interleave,
                                int* status) {
  const auto parsed = ParseOptions(arguments);
  const Options& options = std::get<Options>(parsed);
  std::vector<std::string> writes;
  Output output(
      [&](Output::Stream stream, std::string_view text) {
        writes.push_back((stream == Output::Stream::kOut ? "out:" : "err:") +
                         std::string(text));
        return true;
      },
      interleave);
  std::FILE* file = std::tmpfile();
  std::fputs(input.c_str(), file);
  std::fflush(file);
  std::rewind(file);
  LineReader reader(fileno(file), kMaxTextBytes);
  *status = ConvertLines(options, &reader, &output);
  std::fclose(file);
  return writes;
}

TEST(PipelineTest, ComplaintsKeepTheirPlaceOnlyWhereItShows) {
  const std::vector<std::string> arguments = {"--locale=C", "--to", "KB",
                                              "--field", "1"};
  const std::string input = "1024 a\nx b\n2048 c\ny\n";
  const std::string x = "mensurex: line 2, field 1: \"x\" is not a number\n";
  const std::string y = "mensurex: line 4, field 1: \"y\" is not a number\n";
  int status = 0;
  EXPECT_EQ(Writes(arguments, input, true, &status),
            (std::vector<std::string>{"out:1 a\n", "err:" + x, "out:x b\n2 c\n",
                                      "err:" + y, "out:y\n"}));
  EXPECT_EQ(status, kExitFailed);
  // Elsewhere: one write for each stream.
  EXPECT_EQ(
      Writes(arguments, input, false, &status),
      (std::vector<std::string>{"out:1 a\nx b\n2 c\ny\n", "err:" + x + y}));
  EXPECT_EQ(
      Writes({"--locale=C", "--to=B", "--invalid=warn"}, "x\n1\n", false,
             &status),
      (std::vector<std::string>{
          "out:x\n1\n", "err:mensurex: line 1: \"x\" is not a number\n"}));
  EXPECT_EQ(status, kExitConverted);
  // A last line without its end has none, whenever its complaint is written.
  for (const bool interleave : {true, false}) {
    const auto writes =
        Writes({"--locale=C", "--to=B"}, "1\nx", interleave, &status);
    EXPECT_EQ(writes.back().back(), interleave ? 'x' : '\n');
    EXPECT_EQ(writes.front(), interleave ? "out:1\n" : "out:1\nx");
  }
}

// One process parses many command lines (as a fuzzer does): a scan that
// stopped inside a cluster of short options leaves nothing for the next.
TEST(PipelineTest, EachParseStartsAfresh) {
  EXPECT_TRUE(std::holds_alternative<UsageError>(ParseOptions({"-zq", "1"})));
  EXPECT_TRUE(std::holds_alternative<UsageError>(ParseOptions({"-zd"})));
  // A scan that ends in a cluster leaves getopt a pointer into its words,
  // whose memory may come back to anyone.
  for (const std::vector<std::string>& first :
       std::vector<std::vector<std::string>>{{"-zh"}, {"-\xFE\xF5"}}) {
    ParseOptions(first);
    const std::vector<std::string> reused(8, std::string(3, 'z'));
    for (const std::string amount : {"1", "-1"}) {
      const auto next = ParseOptions({amount});
      ASSERT_TRUE(std::holds_alternative<Options>(next)) << first[0];
      EXPECT_EQ(std::get<Options>(next).amounts,
                std::vector<std::string>{amount});
    }
  }
  const auto parsed = ParseOptions(
      {"-1", "-zd,", "--from=KB", "--to-u=1Ki", "-2.5", "--", "-3"});
  ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));  // KB: no scale
  const auto numfmt = ParseOptions(
      {"-1", "-zd,", "--from=iec", "--to-u=1Ki", "-2.5", "--", "-3", "--to"});
  const Options& options = std::get<Options>(numfmt);
  EXPECT_TRUE(options.zero_terminated);
  EXPECT_EQ(options.delimiter, ",");
  EXPECT_EQ(options.amounts,
            (std::vector<std::string>{"-1", "-2.5", "-3", "--to"}));
  EXPECT_EQ(options.conversion.to_unit.twos, 10);
}

}  // namespace
}  // namespace mensurex::cli
