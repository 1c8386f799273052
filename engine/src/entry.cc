// The entry grammar. After blanks (ASCII space and tab) at either end are
// set aside, an accepted text is:
//
//   [sign] mantissa [exponent]
//   sign      "+" or "-"
//   mantissa  integer [decimal [fraction]]  |  decimal fraction
//   integer   ASCII digits, or digit groups: a first group of one to three
//             digits that does not start with 0, then groups of exactly
//             three digits, each after one grouping separator ("1,024",
//             "1,048,576"). A separator anywhere else is refused ("1,5",
//             "0,011", "1,,024"), so that a misplaced separator never turns
//             into a different number.
//   fraction  ASCII digits (no grouping)
//   exponent  "E" or "e", optional sign, one or more ASCII digits
//
// decimal and grouping are the caller's separators. When the grouping
// separator is a space-like character (a no-break or narrow no-break space,
// as French uses), an ordinary space is accepted in its place. Should the
// two separators ever be the same text, it is read as the decimal separator
// and grouping is not accepted at all; an empty separator is never matched.
// Nothing else is accepted: no "D" exponent, currency, parentheses, hex or
// octal forms, or digits of other scripts.
//
// Range: every accepted text has a value. One beyond the double range (such
// as 1E400) converts to an infinity of its sign, which the conversion
// reports as an overflow, so the user learns that the amount is too large
// rather than that it is not numeric. One too small for a double (1E-400)
// converts to zero.
//
// Work is linear in the length of the text and needs no memory that grows
// with it: only the first significant digits are kept (enough for correct
// rounding, plus a note that a later digit was not zero), and exponents
// saturate far beyond the double range.
#include "mensurex/entry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <system_error>
#include <utility>

namespace mensurex {
namespace {

// A double's value is decided by at most 768 significant decimal digits;
// the rest only matter by being zero or not.
constexpr std::size_t kKeptDigits = 800;
// Far beyond any exponent that still changes a double, yet far from int64
// overflow when added to a digit count.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The code point of a text made of exactly one UTF-8 character; -1
// otherwise.
std::int32_t SingleCodePoint(std::string_view text) {
  if (text.empty()) return -1;
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint8_t>(text[i]);
  };
  std::size_t length = 0;
  std::int32_t code = 0;
  if (byte(0) < 0x80) {
    length = 1;
    code = byte(0);
  } else if ((byte(0) & 0xE0) == 0xC0) {
    length = 2;
    code = byte(0) & 0x1F;
  } else if ((byte(0) & 0xF0) == 0xE0) {
    length = 3;
    code = byte(0) & 0x0F;
  } else if ((byte(0) & 0xF8) == 0xF0) {
    length = 4;
    code = byte(0) & 0x07;
  } else {
    return -1;
  }
  if (text.size() != length) return -1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return -1;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  return code;
}

// Unicode space separators (general category Zs).
bool IsSpaceLike(std::string_view separator) {
  const std::int32_t c = SingleCodePoint(separator);
  return c == 0x20 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

// What the grammar makes of an accepted text:
// value = sign * 0.d1 d2 d3 ... * 10^exponent, d1 not 0.
struct ParsedNumber {  // NOLINT(cppcoreguidelines-pro-type-member-init)
  bool negative = false;
  // The first digit_count are set, and only they are read: the rest is left
  // as it is, as clearing it would cost more than most parses.
  std::array<char, kKeptDigits> digits;
  std::size_t digit_count = 0;
  bool dropped_nonzero = false;  // a digit after the kept ones was not 0
  std::int64_t exponent = 0;
};

class EntryParser {
 public:
  // keep_digits false: only whether the text is accepted matters, so the
  // significant digits are not copied out.
  EntryParser(std::string_view text, const EntrySeparators& separators,
              bool keep_digits)
      : text_(text), decimal_(separators.decimal), keep_digits_(keep_digits) {
    if (separators.grouping != separators.decimal) {
      grouping_ = separators.grouping;
      if (IsSpaceLike(grouping_) && decimal_ != " ") space_grouping_ = true;
    }
  }

  // True when the whole text is accepted; then *number holds its value.
  bool Parse(ParsedNumber* number) {
    number_ = number;
    while (!text_.empty() && IsBlank(text_.front())) text_.remove_prefix(1);
    while (!text_.empty() && IsBlank(text_.back())) text_.remove_suffix(1);

    if (Take("+")) {
    } else if (Take("-")) {
      number_->negative = true;
    }
    const std::size_t integer_digits = ParseInteger();
    if (integer_digits == kRefused) return false;
    const std::size_t fraction_digits =
        Take(decimal_) ? TakeDigits(/*in_fraction=*/true) : 0;
    if (integer_digits + fraction_digits == 0) return false;
    if (!text_.empty() && (text_.front() == 'E' || text_.front() == 'e')) {
      text_.remove_prefix(1);
      if (!ParseExponent()) return false;
    }
    if (!text_.empty()) return false;
    number_->exponent += point_exponent_;
    return true;
  }

 private:
  static constexpr std::size_t kRefused = static_cast<std::size_t>(-1);

  // Separators are a few bytes long, and the first byte decides most cases:
  // a plain loop beats a call to memcmp.
  bool StartsWith(std::string_view token) const {
    if (token.empty() || token.size() > text_.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
      if (text_[i] != token[i]) return false;
    }
    return true;
  }

  bool Take(std::string_view token) {
    if (!StartsWith(token)) return false;
    text_.remove_prefix(token.size());
    return true;
  }

  bool TakeGroupingSeparator() {
    return Take(grouping_) || (space_grouping_ && Take(" "));
  }

  // The integer part; returns its digit count, or kRefused when its
  // grouping is malformed.
  std::size_t ParseInteger() {
    const bool first_is_zero = !text_.empty() && text_.front() == '0';
    std::size_t group = TakeDigits(/*in_fraction=*/false);
    std::size_t digits = group;
    bool grouped = false;
    // The decimal separator ends the integer part, even where it could also
    // be read as a grouping separator.
    while (!StartsWith(decimal_) && TakeGroupingSeparator()) {
      const bool group_ok =
          grouped ? group == 3 : (group >= 1 && group <= 3 && !first_is_zero);
      if (!group_ok) return kRefused;
      grouped = true;
      group = TakeDigits(/*in_fraction=*/false);
      digits += group;
    }
    if (grouped && group != 3) return kRefused;
    return digits;
  }

  bool ParseExponent() {
    bool negative = false;
    if (Take("+")) {
    } else if (Take("-")) {
      negative = true;
    }
    if (text_.empty() || !IsDigit(text_.front())) return false;
    std::int64_t value = 0;
    while (!text_.empty() && IsDigit(text_.front())) {
      value = std::min(kExponentLimit, value * 10 + (text_.front() - '0'));
      text_.remove_prefix(1);
    }
    number_->exponent = negative ? -value : value;
    return true;
  }

  // Takes the run of ASCII digits at the front of the text into the number;
  // returns its length.
  std::size_t TakeDigits(bool in_fraction) {
    std::size_t length = 0;
    while (length < text_.size() && IsDigit(text_[length])) ++length;
    const char* digit = text_.data();
    const char* const end = digit + length;
    text_.remove_prefix(length);
    if (!keep_digits_) return length;
    if (!seen_nonzero_) {
      // Leading zeros only move the decimal point in the fraction.
      const char* const first = digit;
      while (digit != end && *digit == '0') ++digit;
      if (in_fraction) point_exponent_ -= digit - first;
      if (digit == end) return length;
      seen_nonzero_ = true;
    }
    if (!in_fraction) point_exponent_ += end - digit;
    // Local copies: a char store could alias the count, which would then be
    // reloaded for every digit.
    const std::size_t count = number_->digit_count;
    const std::size_t kept =
        std::min(static_cast<std::size_t>(end - digit), kKeptDigits - count);
    char* out = number_->digits.data() + count;
    for (const char* const kept_end = digit + kept; digit != kept_end;) {
      *out++ = *digit++;
    }
    number_->digit_count = count + kept;
    for (; digit != end; ++digit) {
      if (*digit != '0') number_->dropped_nonzero = true;
    }
    return length;
  }

  std::string_view text_;
  std::string_view decimal_;
  std::string_view grouping_;
  bool space_grouping_ = false;
  bool keep_digits_;
  ParsedNumber* number_ = nullptr;
  bool seen_nonzero_ = false;
  // Position of the decimal point relative to the first significant digit.
  std::int64_t point_exponent_ = 0;
};

double ToDouble(const ParsedNumber& number) {
  const double sign = number.negative ? -1.0 : 1.0;
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  if (number.digit_count == 0) return sign * 0.0;
  // 0.1 * 10^exponent <= size < 10^exponent.
  if (number.exponent > 400) return sign * kInfinity;
  if (number.exponent < -400) return sign * 0.0;

  // Short numbers: the digits as a whole number and the power of ten are
  // both exact doubles, so one multiplication or division rounds correctly.
  if (number.digit_count <= 15) {
    static constexpr std::array<double, 23> kExactPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const std::int64_t power =
        number.exponent - static_cast<std::int64_t>(number.digit_count);
    if (power >= -22 && power <= 22) {
      std::uint64_t whole = 0;
      for (std::size_t i = 0; i < number.digit_count; ++i) {
        whole = whole * 10 + static_cast<std::uint64_t>(number.digits[i] - '0');
      }
      const auto value = static_cast<double>(whole);  // below 10^15: exact
      const double scale =
          kExactPowers[static_cast<std::size_t>(power < 0 ? -power : power)];
      return sign * (power < 0 ? value / scale : value * scale);
    }
  }

  // "d1d2...dn[1]e<exponent - n>" for the library's correctly rounded
  // reading. A final 1 stands for the dropped non-zero digits; it lies far
  // below the last digit that can decide the rounding.
  // Filled up to `end`, and only read that far.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init)
  std::array<char, kKeptDigits + 32> buffer;
  char* out = buffer.data();
  for (std::size_t i = 0; i < number.digit_count; ++i) {
    *out++ = number.digits[i];
  }
  std::int64_t count = static_cast<std::int64_t>(number.digit_count);
  if (number.dropped_nonzero) {
    *out++ = '1';
    ++count;
  }
  *out++ = 'e';
  const auto written = std::to_chars(out, buffer.data() + buffer.size(),
                                     number.exponent - count);
  double size = 0;
  const auto [end, error] = std::from_chars(buffer.data(), written.ptr, size,
                                            std::chars_format::scientific);
  if (error == std::errc::result_out_of_range) {
    return number.exponent > 0 ? sign * kInfinity : sign * 0.0;
  }
  return sign * size;
}

}  // namespace

bool IsNumericEntry(std::string_view text, const EntrySeparators& separators) {
  ParsedNumber number;
  return EntryParser(text, separators, /*keep_digits=*/false).Parse(&number);
}

Outcome<double> EntryToDouble(std::string_view text,
                              const EntrySeparators& separators) {
  ParsedNumber number;
  if (!EntryParser(text, separators, /*keep_digits=*/true).Parse(&number)) {
    return ConversionFailure::kNotNumeric;
  }
  return ToDouble(number);
}

EntrySeparators LocaleEntrySeparators(std::string decimal, std::string grouping,
                                      int first_group_size,
                                      int higher_group_size,
                                      char32_t native_zero) {
  EntrySeparators separators;
  separators.first_group_size = first_group_size;
  separators.higher_group_size = higher_group_size;
  separators.native_zero = native_zero;
  if (IsSpaceLike(grouping)) {
    for (const char* space : {" ", "\u00A0", "\u2007", "\u2009", "\u202F"}) {
      if (grouping != space)
        separators.grouping_alternatives.emplace_back(space);
    }
  } else if (grouping == "\u2019") {
    separators.grouping_alternatives.emplace_back("'");
  }
  separators.decimal = std::move(decimal);
  separators.grouping = std::move(grouping);
  return separators;
}

}  // namespace mensurex
