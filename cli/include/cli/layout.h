// How each result is laid out in its column: grouped digits, text around
// it, and a width it is padded to.
#ifndef MENSUREX_CLI_LAYOUT_H_
#define MENSUREX_CLI_LAYOUT_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "amounts/entry.h"

namespace mensurex::cli {

struct ResultLayout {
  // The integer digits are grouped with the separators' grouping separator
  // and group sizes.
  bool group_digits = false;
  // Text before and after each result (the value with its unit), and the
  // width in characters it is padded to with spaces, on the left unless
  // `pad_right`, or with zeros after the sign when `pad_zeros`.
  std::string prefix;
  std::string suffix;
  std::size_t width = 0;
  bool pad_right = false;
  bool pad_zeros = false;
  // The width is --format's, so a field's leading blanks in numfmt's style
  // still pad the result to their width (as they do not --padding's).
  bool width_in_format = false;

  // Whether a result is written as it is.
  bool plain() const {
    return width == 0 && prefix.empty() && suffix.empty() && !group_digits;
  }
};

// Appends `text` as `layout` says; zeros pad all but its last `unit_chars`
// characters to the width. `scratch` holds the grouped digits.
void AppendLaidOut(const ResultLayout& layout,
                   const EntrySeparators& separators, std::string_view text,
                   std::size_t unit_chars, std::string* scratch,
                   std::string* out);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LAYOUT_H_
