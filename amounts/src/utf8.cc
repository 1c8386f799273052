#include "amounts/utf8.h"

#include <cstdint>

namespace mensurex {

Utf8Char FrontUtf8Char(std::string_view text) {
  if (text.empty()) return {};
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint8_t>(text[i]);
  };
  if (byte(0) < 0x80) return {byte(0), 1};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t smallest = 0;  // below it the same character has a shorter form
  if ((byte(0) & 0xE0) == 0xC0) {
    length = 2;
    code = byte(0) & 0x1FU;
    smallest = 0x80;
  } else if ((byte(0) & 0xF0) == 0xE0) {
    length = 3;
    code = byte(0) & 0x0FU;
    smallest = 0x800;
  } else if ((byte(0) & 0xF8) == 0xF0) {
    length = 4;
    code = byte(0) & 0x07U;
    smallest = 0x10000;
  } else {
    return {};
  }
  if (text.size() < length) return {};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {};
    code = (code << 6) | (byte(i) & 0x3FU);
  }
  if (code < smallest || code > 0x10FFFF) return {};
  if (code >= 0xD800 && code <= 0xDFFF) return {};
  return {code, length};
}

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

std::string Utf8Text(char32_t code) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (code < 0x80) return {byte(code)};
  if (code < 0x800)
    return {byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F))};
  if (code < 0x10000) {
    return {byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)),
            byte(0x80 | (code & 0x3F))};
  }
  return {byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)),
          byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F))};
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
