// The desktop's Unicode is ICU's; its doubles are read and written by the
// C++ library.
#include "backend.h"

#include <unicode/uchar.h>
#include <unicode/uniset.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <system_error>

#include "amounts/doubles.h"
#include "amounts/utf8.h"

namespace mensurex {

Utf8Char FrontUtf8Char(std::string_view text) {
  if (text.empty()) return {};
  // One character takes at most four bytes; U8_NEXT takes well-formed
  // UTF-8 only and gives a negative code for anything else.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const auto length = static_cast<std::int32_t>(
      std::min<std::size_t>(text.size(), U8_MAX_LENGTH));
  std::int32_t end = 0;
  UChar32 code = 0;
  U8_NEXT(bytes, end, length, code);
  if (code < 0) return {};
  return {static_cast<char32_t>(code), static_cast<std::size_t>(end)};
}

std::string Utf8Text(char32_t code) {
  std::array<char, U8_MAX_LENGTH> bytes{};
  std::int32_t length = 0;
  U8_APPEND_UNSAFE(bytes.data(), length, static_cast<UChar32>(code));
  return {bytes.data(), static_cast<std::size_t>(length)};
}

bool IsNonAsciiSpaceSeparator(char32_t c) {
  return u_charType(static_cast<UChar32>(c)) == U_SPACE_SEPARATOR;
}

const std::vector<char32_t>& SpaceSeparators() {
  static const std::vector<char32_t> spaces = [] {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeSet set;
    set.applyIntPropertyValue(UCHAR_GENERAL_CATEGORY_MASK, U_GC_ZS_MASK,
                              status);
    std::vector<char32_t> codes;
    codes.reserve(static_cast<std::size_t>(set.size()));
    for (std::int32_t i = 0; i < set.size(); ++i) {
      codes.push_back(static_cast<char32_t>(set.charAt(i)));
    }
    return codes;
  }();
  return spaces;
}

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
