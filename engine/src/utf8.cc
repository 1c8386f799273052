#include "mensurex/utf8.h"

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

bool IsWellFormedUtf8(std::string_view text) {
  while (!text.empty()) {
    const std::size_t length = FrontUtf8Char(text).length;
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace mensurex
