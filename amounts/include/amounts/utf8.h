// The one UTF-8 reader of the program, and the facts about characters that
// every door reads amounts by: blanks, digits and full-width forms. It
// accepts well-formed UTF-8 only: no surrogates (U+D800..U+DFFF), no
// overlong forms, nothing above U+10FFFF and no truncated sequences.
#ifndef MENSUREX_AMOUNTS_UTF8_H_
#define MENSUREX_AMOUNTS_UTF8_H_

#include <array>
#include <cstddef>
#include <string>
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

// The character at the end of a UTF-8 text; length 0 when the text is empty
// or does not end with a well-formed character.
Utf8Char BackUtf8Char(std::string_view text);

// The UTF-8 form of a code point below U+110000 that is no surrogate.
std::string Utf8Text(char32_t code);

// True when the whole text is well-formed UTF-8.
bool IsWellFormedUtf8(std::string_view text);

// The number of characters of a UTF-8 text (a byte that is not part of a
// well-formed character counts as one).
std::size_t CharCount(std::string_view text);

// Whether a character is a Unicode space separator (general category Zs).
bool IsNonAsciiSpaceSeparator(char32_t c);
inline bool IsSpaceSeparator(char32_t c) {
  return c < 0x80 ? c == 0x20 : IsNonAsciiSpaceSeparator(c);
}

// The blanks around an amount and between its number and its unit: ASCII
// white space (tab, LF, VT, FF, CR, space) and every space separator. The
// lengths are in bytes, 0 when the text does not begin (end) with a blank.
inline bool IsBlank(char32_t c) {
  return (c >= '\t' && c <= '\r') || IsSpaceSeparator(c);
}
std::size_t BlankLengthAtFront(std::string_view text);
std::size_t BlankLengthAtBack(std::string_view text);
std::string_view TrimBlanks(std::string_view text);

constexpr bool IsAsciiDigit(char32_t c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiLetter(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The full-width forms of ASCII (U+FF01..U+FF5E), what East Asian input
// methods type: digits, letters, signs and separators.
inline constexpr char32_t kFullWidthZero = U'\uFF10';
constexpr bool IsFullWidthDigit(char32_t c) {
  return c >= kFullWidthZero && c <= kFullWidthZero + 9;
}

// The zeros of the decimal digit systems that the program's languages type,
// each followed by its nine other digits: ASCII, full-width, Arabic-Indic
// (Arabic), Extended Arabic-Indic (Persian), Devanagari (Hindi) and Thai.
inline constexpr std::array<char32_t, 6> kDigitZeros = {
    U'0', kFullWidthZero, U'\u0660', U'\u06F0', U'\u0966', U'\u0E50'};

// The zero of the digit system a character is a digit of (kDigitZeros), or
// 0 when it is none of their digits.
constexpr char32_t DigitZeroOf(char32_t c) {
  for (const char32_t zero : kDigitZeros) {
    if (c >= zero && c <= zero + 9) return zero;
  }
  return 0;
}
// The ASCII character a full-width form stands for, and the ideographic
// space as an ASCII space; any other character unchanged.
constexpr char32_t FoldWidth(char32_t c) {
  if (c >= 0xFF01 && c <= 0xFF5E) return c - 0xFF01 + 0x21;
  return c == 0x3000 ? U' ' : c;
}

// A character case folded by Unicode's simple case folding, as ICU knows
// it: every door folds with this one, so that a text's capitals match alike
// in every language and at every door. Anything that is not a character
// comes back unchanged. ASCII, by far the most read, folds inline; the rest
// through ICU.
char32_t FoldNonAsciiCase(char32_t c);
inline char32_t FoldCase(char32_t c) {
  if (c >= 0x80) return FoldNonAsciiCase(c);
  return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_UTF8_H_
