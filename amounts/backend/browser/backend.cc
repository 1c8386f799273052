// The browser's Unicode facts and the reading of a double, from the C
// library, as ICU is not to be had for WebAssembly. The page reads amounts
// written in digits, signs and blanks; the unit names these facts serve
// matter to the desktop's doors.
#include "backend.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwctype>

#include "amounts/doubles.h"
#include "amounts/utf8.h"

namespace mensurex {

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
