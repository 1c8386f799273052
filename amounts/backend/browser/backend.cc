// The browser's Unicode facts and the reading of a double, from the C
// library and Boost, as ICU is not to be had for WebAssembly. The page reads
// amounts written in digits, signs and blanks; the unit names these facts serve
// matter to the desktop's doors.
#include "backend.h"

#include <algorithm>
#include <boost/locale/utf.hpp>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

#include "amounts/doubles.h"
#include "amounts/utf8.h"

namespace mensurex {

using Utf8 = boost::locale::utf::utf_traits<char>;

Utf8Char FrontUtf8Char(std::string_view text) {
  const char* end = text.data();
  const auto code = Utf8::decode(end, text.data() + text.size());
  if (code == boost::locale::utf::illegal ||
      code == boost::locale::utf::incomplete) {
    return {};
  }
  return {code, static_cast<std::size_t>(end - text.data())};
}

std::string Utf8Text(char32_t code) {
  std::string text;
  Utf8::encode(code, std::back_inserter(text));
  return text;
}

// Unicode 15's.
const std::vector<char32_t>& SpaceSeparators() {
  static const std::vector<char32_t> spaces = {
      0x20,   0xA0,   0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004, 0x2005,
      0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x202F, 0x205F, 0x3000};
  return spaces;
}

bool IsNonAsciiSpaceSeparator(char32_t c) {
  const auto& spaces = SpaceSeparators();
  return std::binary_search(spaces.begin(), spaces.end(), c);
}

char32_t FoldNonAsciiCase(char32_t c) {
  if (c > 0x10FFFF) return c;
  return static_cast<char32_t>(std::towlower(static_cast<std::wint_t>(c)));
}

bool IsLetterOrMark(char32_t c) {
  return std::iswalpha(static_cast<std::wint_t>(c)) != 0;
}

bool ReadScientific(const char* begin, const char* /*end*/, double* value) {
  // Reads no decimal point, so the locale does not matter.
  *value = std::strtod(begin, nullptr);
  return *value != 0 && std::isfinite(*value);
}

char* WriteScientific(double value, int places, char* begin, char* end) {
  // The C library writes the exact binary value's digits, correctly rounded.
  const int length = std::snprintf(begin, static_cast<std::size_t>(end - begin),
                                   "%.*e", places, value);
  return begin + length;
}

}  // namespace mensurex
