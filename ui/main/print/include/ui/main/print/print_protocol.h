// What the window and its print helper say to each other. The window starts
// "helper END_MS JOB_NAME TITLE": END_MS, when the window ends the helper, in
// milliseconds on the steady clock (CLOCK_MONOTONIC), which both processes
// share; JOB_NAME, the job's name, which no other job carries (UTF-8, at most
// 255 bytes); TITLE, its document's. The helper's standard output carries
// lines, a word and for some a blank and text, in this order:
//   step TEXT      what the helper waits for now, any number of times
//   paper W L M    the destination's paper, width, length and widest margin
//                  in hundredths of a millimetre; "paper" alone when the
//                  destination names none
//   sent           the whole document has gone out: the page may print
//   printed [REASON] | failed REASON | may-have-printed REASON
//                  the outcome, the last line
// After "paper" the window writes the page, a PDF, to the helper's standard
// input and closes it, with no page when it has none.
#ifndef MENSUREX_UI_MAIN_PRINT_PRINT_PROTOCOL_H_
#define MENSUREX_UI_MAIN_PRINT_PRINT_PROTOCOL_H_

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace mensurex::print_protocol {

inline constexpr std::string_view kStep = "step";
inline constexpr std::string_view kPaper = "paper";
inline constexpr std::string_view kSent = "sent";
// The outcomes' words, in the order of PrintOutcome's values.
inline constexpr std::array<std::string_view, 3> kOutcomes{"printed", "failed",
                                                           "may-have-printed"};

// `word`, then a blank and `text` unless it is empty, as one line.
inline std::string Line(std::string_view word, std::string_view text = {}) {
  std::string line(word);
  if (!text.empty()) line.append(" ").append(text);
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line += '\n';
}

// A line without its end, as its word and the text after the blank.
inline std::pair<std::string_view, std::string_view> Parse(
    std::string_view line) {
  const std::size_t blank = std::min(line.find(' '), line.size());
  return {line.substr(0, blank), line.substr(std::min(blank + 1, line.size()))};
}

}  // namespace mensurex::print_protocol

#endif  // MENSUREX_UI_MAIN_PRINT_PRINT_PROTOCOL_H_
