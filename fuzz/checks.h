// What the fuzz targets share: how a failed property is reported, and what
// a number written by the program looks like.
#ifndef MENSUREX_FUZZ_CHECKS_H_
#define MENSUREX_FUZZ_CHECKS_H_

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "amounts/utf8.h"

namespace mensurex::fuzz {

// Aborts, which the fuzzer reports with the input, when `condition` fails.
inline void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
  }
}

// The same, naming the text the property was checked on.
inline void Check(bool condition, const char* what, std::string_view text) {
  if (!condition) {
    std::fprintf(stderr, "property failed: %s: \"%.*s\"\n", what,
                 static_cast<int>(text.size()), text.data());
    std::abort();
  }
}

// A plain number as the program writes it: an optional minus sign, digits
// without leading zeros, and `decimal` and a fraction without trailing
// zeros; never "-0".
inline bool IsPlainNumber(std::string_view text, std::string_view decimal) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find(decimal);
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos
                                        ? std::string_view()
                                        : text.substr(point + decimal.size());
  const auto digits = [](std::string_view part) {
    return !part.empty() &&
           part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if (!digits(whole) || (whole.size() > 1 && whole.front() == '0')) {
    return false;
  }
  if (point != std::string_view::npos &&
      (!digits(fraction) || fraction.back() == '0')) {
    return false;
  }
  return !(negative && whole == "0" && point == std::string_view::npos);
}

// Text that is safe to show on a terminal: well-formed UTF-8 without
// control characters, line or paragraph separators, direction marks,
// embeddings, overrides or isolates, or a byte order mark.
inline bool IsSafeText(std::string_view text) {
  if (!IsWellFormedUtf8(text)) return false;
  while (!text.empty()) {
    const Utf8Char c = FrontUtf8Char(text);
    if (c.code < 0x20 || (c.code >= 0x7F && c.code <= 0x9F) ||
        (c.code >= 0x200E && c.code <= 0x200F) ||
        (c.code >= 0x2028 && c.code <= 0x202E) ||
        (c.code >= 0x2066 && c.code <= 0x2069) || c.code == 0xFEFF) {
      return false;
    }
    text.remove_prefix(c.length);
  }
  return true;
}

}  // namespace mensurex::fuzz

#endif  // MENSUREX_FUZZ_CHECKS_H_
