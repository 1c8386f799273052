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
  // `pad_right`. Before that, the number is padded with zeros after its
  // sign to `zero_width` characters, as printf's %0Wf pads it.
  std::string prefix;
  std::string suffix;
  std::size_t width = 0;
  bool pad_right = false;
  std::size_t zero_width = 0;

  // Whether a result is written as it is.
  bool plain() const {
    return width == 0 && zero_width == 0 && prefix.empty() && suffix.empty() &&
           !group_digits;
  }
};

// Appends `text` as `layout` says; zeros pad all but its last `unit_chars`
// characters to the zero width. `scratch` holds the grouped digits.
void AppendLaidOut(const ResultLayout& layout,
                   const EntrySeparators& separators, std::string_view text,
                   std::size_t unit_chars, std::string* scratch,
                   std::string* out);

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_LAYOUT_H_
