// Facts about text that the command's pieces share: the longest line and
// result it handles, and which characters are letters and blanks.
#ifndef MENSUREX_CLI_TEXT_H_
#define MENSUREX_CLI_TEXT_H_

#include <cstddef>
#include <string_view>

#include "mensurex/utf8.h"

namespace mensurex::cli {

// No line is held, and no result written, longer than this: no amount
// needs a mebibyte.
inline constexpr std::size_t kMaxTextBytes = std::size_t{1} << 20;

inline bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// What separates fields when no delimiter is given.
inline bool IsFieldBlank(char c) { return c == ' ' || c == '\t'; }

// Blanks around an amount and between its number and unit: ASCII white
// space and every space separator.
inline std::size_t FrontBlankLength(std::string_view text) {
  if (text.empty()) return 0;
  const char c = text.front();
  if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
  if (static_cast<unsigned char>(c) < 0x80) return 0;
  const Utf8Char front = FrontUtf8Char(text);
  return front.length != 0 && IsSpaceSeparator(front.code) ? front.length : 0;
}

inline std::size_t BackBlankLength(std::string_view text) {
  if (text.empty()) return 0;
  const char c = text.back();
  if (c == ' ' || (c >= '\t' && c <= '\r')) return 1;
  if (static_cast<unsigned char>(c) < 0x80) return 0;
  // Every space separator beyond ASCII takes two or three bytes.
  for (std::size_t length = 2; length <= 3 && length <= text.size(); ++length) {
    const std::string_view tail = text.substr(text.size() - length);
    const Utf8Char back = FrontUtf8Char(tail);
    if (back.length == length) return IsSpaceSeparator(back.code) ? length : 0;
  }
  return 0;
}

inline std::string_view TrimBlanks(std::string_view text) {
  while (const std::size_t n = FrontBlankLength(text)) text.remove_prefix(n);
  while (const std::size_t n = BackBlankLength(text)) text.remove_suffix(n);
  return text;
}

// The number of characters of a UTF-8 text (a byte that is not part of a
// well-formed character counts as one).
inline std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_TEXT_H_
