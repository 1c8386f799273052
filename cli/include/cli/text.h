// Facts about text that the command's pieces share beyond the library of
// amounts: the longest line and result it handles, and the field blanks.
#ifndef MENSUREX_CLI_TEXT_H_
#define MENSUREX_CLI_TEXT_H_

#include <cstddef>

#include "amounts/utf8.h"

namespace mensurex::cli {

// No line is held, and no result written, longer than this: no amount
// needs a mebibyte.
inline constexpr std::size_t kMaxTextBytes = std::size_t{1} << 20;

// Whether a character is a control (C0, DEL, C1) or a line or paragraph
// separator, as ICU's u_iscntrl has it: none may stand in a separator, and
// messages escape them.
bool IsControlCharacter(char32_t code);

// What separates fields when no delimiter is given.
inline bool IsFieldBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_TEXT_H_
