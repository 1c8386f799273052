// Texts from the user quoted in messages, safe to print on a terminal.
#ifndef MENSUREX_CLI_QUOTING_H_
#define MENSUREX_CLI_QUOTING_H_

#include <cstddef>
#include <string>
#include <string_view>

namespace mensurex::cli {

// `text` in double quotes (or `quote`), safe to print on a terminal: valid
// UTF-8 is kept except for control and text-direction characters; those, bytes
// that are not valid UTF-8, the quote and the backslash are written as escapes
// (\t, \", \\, \x00, \u202E). After `max_chars` characters the text is cut
// and "..." follows the closing quote.
std::string QuoteForMessage(std::string_view text, std::size_t max_chars = 40,
                            char quote = '"');

}  // namespace mensurex::cli

#endif  // MENSUREX_CLI_QUOTING_H_
