// The one UTF-8 reader of the program. It accepts well-formed UTF-8 only:
// no surrogates (U+D800..U+DFFF), no overlong forms, nothing above U+10FFFF
// and no truncated sequences.
#ifndef MENSUREX_ENGINE_UTF8_H_
#define MENSUREX_ENGINE_UTF8_H_

#include <cstddef>
#include <string_view>

namespace mensurex {

// The character at the front of a UTF-8 text: its code point and its length
// in bytes. Length 0 when the text is empty or does not start with a
// well-formed character.
struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 0;
};
Utf8Char FrontUtf8Char(std::string_view text);

// True when the whole text is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

// The Unicode space separators (general category Zs): U+0020, U+00A0,
// U+1680, U+2000..U+200A, U+202F, U+205F and U+3000.
constexpr bool IsSpaceSeparator(char32_t c) {
  return c == 0x20 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

}  // namespace mensurex

#endif  // MENSUREX_ENGINE_UTF8_H_
