// The facts about Unicode characters that the library of amounts takes from
// its target's libraries. One source per target implements them
// (amounts/backend/TARGET/backend.cc).
#ifndef MENSUREX_AMOUNTS_SRC_BACKEND_H_
#define MENSUREX_AMOUNTS_SRC_BACKEND_H_

#include <vector>

namespace mensurex {

// The Unicode space separators (general category Zs), in code point order.
const std::vector<char32_t>& SpaceSeparators();

// Whether a character is a letter or a mark (general categories L and M).
bool IsLetterOrMark(char32_t c);

}  // namespace mensurex

#endif  // MENSUREX_AMOUNTS_SRC_BACKEND_H_
