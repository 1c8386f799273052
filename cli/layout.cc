#include "cli/layout.h"

#include <algorithm>

#include "amounts/utf8.h"

namespace mensurex::cli {
namespace {

// Appends `text` with the digits before its decimal separator grouped.
void AppendGrouped(std::string_view text, const EntrySeparators& separators,
                   std::string* out) {
  const std::size_t sign = text.starts_with('-') ? 1 : 0;
  std::size_t end = sign;
  while (end < text.size() && IsAsciiDigit(text[end])) ++end;
  const auto first = static_cast<std::size_t>(separators.first_group_size);
  const auto higher = static_cast<std::size_t>(separators.higher_group_size);
  const bool grouped = !separators.grouping.empty() &&
                       separators.first_group_size >= 1 &&
                       separators.higher_group_size >= 1;
  out->append(text.substr(0, sign));
  for (std::size_t i = sign; i < end; ++i) {
    const std::size_t after = end - i;  // digits from this one to the end
    if (grouped && i > sign &&
        (after == first || (after > first && (after - first) % higher == 0))) {
      out->append(separators.grouping);
    }
    out->push_back(text[i]);
  }
  out->append(text.substr(end));
}

}  // namespace

void AppendLaidOut(const ResultLayout& layout,
                   const EntrySeparators& separators, std::string_view text,
                   std::size_t unit_chars, std::string* scratch,
                   std::string* out) {
  if (layout.group_digits) {
    scratch->clear();
    AppendGrouped(text, separators, scratch);
    text = *scratch;
  }
  out->append(layout.prefix);
  const std::size_t chars = CharCount(text);
  const std::size_t number_chars = chars - std::min(chars, unit_chars);
  const std::size_t zeros =
      layout.zero_width > number_chars ? layout.zero_width - number_chars : 0;
  const std::size_t pad =
      layout.width > chars + zeros ? layout.width - chars - zeros : 0;
  if (!layout.pad_right) out->append(pad, ' ');
  const bool minus = text.starts_with('-');
  if (minus) out->push_back('-');
  out->append(zeros, '0');
  out->append(text.substr(minus ? 1 : 0));
  if (layout.pad_right) out->append(pad, ' ');
  out->append(layout.suffix);
}

}  // namespace mensurex::cli
