// The desktop's Unicode is ICU's; its doubles are read by the C++ library.
#include "backend.h"

#include <unicode/uchar.h>

#include <charconv>
#include <system_error>

#include "amounts/doubles.h"
#include "amounts/utf8.h"

namespace mensurex {

char32_t FoldNonAsciiCase(char32_t c) {
  if (c > 0x10FFFF) return c;
  return static_cast<char32_t>(
      u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

bool IsLetterOrMark(char32_t c) {
  return (U_GET_GC_MASK(static_cast<UChar32>(c)) &
          (U_GC_L_MASK | U_GC_M_MASK)) != 0;
}

bool ReadScientific(const char* begin, const char* end, double* value) {
  return std::from_chars(begin, end, *value, std::chars_format::scientific)
             .ec != std::errc::result_out_of_range;
}

char* WriteScientific(double value, int places, char* begin, char* end) {
  return std::to_chars(begin, end, value, std::chars_format::scientific, places)
      .ptr;
}

}  // namespace mensurex
