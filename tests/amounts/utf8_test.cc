#include "amounts/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace mensurex {
namespace {

TEST(Utf8Test, ReadsWellFormedCharactersOnly) {
  struct Case {
    std::string text;
    char32_t code;
    std::size_t length;  // 0: not a well-formed character
  };
  const Case cases[] = {
      {"A", U'A', 1},
      {"\u00E9", U'\u00E9', 2},
      {"\uFF11", U'\uFF11', 3},
      {"\U0010FFFF", U'\U0010FFFF', 4},
      {"\xED\x9F\xBF", U'\uD7FF', 3},
      {"", 0, 0},
      {"\xED\xA0\x80", 0, 0},          // U+D800, a surrogate
      {"\xED\xBF\xBF", 0, 0},          // U+DFFF
      {"\xC0\xAF", 0, 0},              // "/" in two bytes
      {"\xE0\x80\xAF", 0, 0},          // "/" in three bytes
      {"\xF0\x8F\xBF\xBF", 0, 0},      // U+FFFF in four bytes
      {"\xF4\x90\x80\x80", 0, 0},      // U+110000
      {"\xF8\x88\x80\x80\x80", 0, 0},  // five-byte form
      {"\xE2\x82", 0, 0},              // truncated
      {"\x80", 0, 0},                  // continuation byte first
      {"\xC3(", 0, 0},
  };
  for (const Case& c : cases) {
    const Utf8Char front = FrontUtf8Char(c.text);
    EXPECT_EQ(front.length, c.length) << testing::PrintToString(c.text);
    if (c.length != 0) {
      EXPECT_EQ(front.code, c.code);
    }
  }
}

}  // namespace
}  // namespace mensurex
