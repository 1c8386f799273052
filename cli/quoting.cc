#include "cli/quoting.h"

#include <unicode/uchar.h>

#include <cstdint>

#include "amounts/utf8.h"
#include "cli/text.h"

namespace mensurex::cli {
namespace {

// Characters that would change how the rest of a terminal line looks:
// controls, line and paragraph separators, direction marks and overrides,
// and the byte order mark.
bool MustEscape(char32_t code) {
  return IsControlCharacter(code) || (code >= 0x200E && code <= 0x200F) ||
         (code >= 0x202A && code <= 0x202E) ||
         (code >= 0x2066 && code <= 0x2069) || code == 0xFEFF;
}

void AppendHex(std::uint32_t value, int digits, std::string* out) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
    out->push_back(kHex[(value >> static_cast<unsigned>(shift)) & 0xFu]);
  }
}

}  // namespace

bool IsControlCharacter(char32_t code) {
  return u_iscntrl(static_cast<UChar32>(code)) != 0;
}

std::string QuoteForMessage(std::string_view text, std::size_t max_chars,
                            char quote) {
  std::string quoted(1, quote);
  std::size_t chars = 0;
  while (!text.empty()) {
    if (chars == max_chars) {
      quoted += quote;
      quoted += "...";
      return quoted;
    }
    ++chars;
    // Printable ASCII but the quote and the backslash stands for itself.
    std::size_t plain = 0;
    while (plain < text.size() && chars + plain <= max_chars &&
           text[plain] >= ' ' && text[plain] < 0x7F && text[plain] != quote &&
           text[plain] != '\\') {
      ++plain;
    }
    if (plain > 0) {
      quoted.append(text.substr(0, plain));
      text.remove_prefix(plain);
      chars += plain - 1;
      continue;
    }
    const auto [code, length] = FrontUtf8Char(text);
    if (length == 0) {
      quoted += "\\x";
      AppendHex(static_cast<std::uint8_t>(text.front()), 2, &quoted);
      text.remove_prefix(1);
      continue;
    }
    if (code == static_cast<unsigned char>(quote) || code == '\\') {
      quoted.push_back('\\');
      quoted.push_back(static_cast<char>(code));
    } else if (code == '\t') {
      quoted += "\\t";
    } else if (MustEscape(code)) {
      quoted += code < 0x80 ? "\\x" : "\\u";
      AppendHex(code, code < 0x80 ? 2 : 4, &quoted);
    } else {
      quoted.append(text.substr(0, length));
    }
    text.remove_prefix(length);
  }
  quoted.push_back(quote);
  return quoted;
}

}  // namespace mensurex::cli
