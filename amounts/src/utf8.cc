#include "amounts/utf8.h"

namespace mensurex {

Utf8Char BackUtf8Char(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && text.size() - start < 3 &&
         (static_cast<unsigned char>(text[start - 1]) & 0xC0u) == 0x80u) {
    --start;
  }
  if (start == 0) return {};
  const Utf8Char c = FrontUtf8Char(text.substr(start - 1));
  return c.length == text.size() - start + 1 ? c : Utf8Char{};
}

bool IsWellFormedUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = FrontUtf8Char(text).length;
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

std::size_t BlankLengthAtFront(std::string_view text) {
  if (!text.empty() && static_cast<unsigned char>(text.front()) < 0x80) {
    return IsBlank(static_cast<unsigned char>(text.front())) ? 1 : 0;
  }
  const Utf8Char front = FrontUtf8Char(text);
  return front.length != 0 && IsBlank(front.code) ? front.length : 0;
}

std::size_t BlankLengthAtBack(std::string_view text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) < 0x80) {
    return IsBlank(static_cast<unsigned char>(text.back())) ? 1 : 0;
  }
  const Utf8Char back = BackUtf8Char(text);
  return back.length != 0 && IsBlank(back.code) ? back.length : 0;
}

std::string_view TrimBlanks(std::string_view text) {
  while (const std::size_t n = BlankLengthAtFront(text)) text.remove_prefix(n);
  while (const std::size_t n = BlankLengthAtBack(text)) text.remove_suffix(n);
  return text;
}

}  // namespace mensurex
