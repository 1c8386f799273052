// The entry grammar. After blanks at either end are set aside (IsBlank: ASCII
// white space and the space separators, which a paste from a terminal or a
// spreadsheet brings), an accepted text is:
//
//   [sign] mantissa [exponent]
//   sign      "+" or "-"
//   mantissa  integer [decimal [fraction]]  |  decimal fraction
//   integer   digits, or digit groups: a first group of one to H digits
//             that does not start with 0, then groups of exactly H digits
//             and a last group of exactly first_group_size digits, each
//             after one grouping separator, where H is higher_group_size or
//             alternative_higher_group_size ("1,024", "1,048,576";
//             "12,34,567" with sizes 3 and 2). A separator anywhere else is
//             refused ("1,5", "0,011", "1,,024"), so that a misplaced
//             separator never turns into a different number.
//   fraction  digits (no grouping)
//   exponent  "E" or "e", optional sign, one or more digits
//
// A digit is one of the digit systems the program's languages type
// (kDigitZeros: ASCII, full-width, Arabic-Indic, Persian, Devanagari and
// Thai), whatever the locale, or one of the locale's native digits
// (native_zero and the nine code points after it). One text uses one system
// throughout: a text that mixes them is refused, as a mix is more likely a
// slip than a number meant that way.
//
// decimal, grouping and their alternatives are the caller's separators; where
// a separator is "." or ",", its full-width form (U+FF0E or U+FF0C) is read
// as it too. Where the text could be read either way, the decimal separator
// wins: should the grouping separator be the same text as the decimal one,
// grouping is not accepted at all. An empty separator is never matched.
// Nothing else is accepted: no "D" exponent, currency, parentheses, hex or
// octal forms.
//
// Range: every accepted text has a value. One beyond the double range (such
// as 1E400) converts to an infinity of its sign, which the conversion
// reports as an overflow, so the user learns that the amount is too large
// rather than that it is not numeric. One too small for a double (1E-400)
// converts to zero.
//
// Work is linear in the length of the text (and in the number of grouping
// alternatives) and needs no memory that grows with it: only the first
// significant digits are kept (enough for correct rounding, plus a note that
// a later digit was not zero), and exponents saturate far beyond the double
// range.
#include "amounts/entry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

#include "amounts/doubles.h"
#include "amounts/utf8.h"
#include "backend.h"

namespace mensurex {
namespace {

// A double's value is decided by at most 768 significant decimal digits;
// the rest only matter by being zero or not.
constexpr std::size_t kKeptDigits = 800;
// Far beyond any exponent that still changes a double, yet far from int64
// overflow when added to a digit count.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

// The full-width form of a separator that input methods type for it; empty
// (never matched) for the others.
std::string_view FullWidthForm(std::string_view separator) {
  if (separator == ".") return "\uFF0E";
  if (separator == ",") return "\uFF0C";
  return {};
}

// Whether a separator is exactly one space character, of any kind.
bool IsSpaceLike(std::string_view separator) {
  const Utf8Char front = FrontUtf8Char(separator);
  return front.length != 0 && front.length == separator.size() &&
         IsSpaceSeparator(front.code);
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
  // significant digits are not copied out. With all_digits, every
  // significant digit goes there instead of into the number's kept ones.
  EntryParser(std::string_view text, const EntrySeparators& separators,
              bool keep_digits, std::string* all_digits = nullptr)
      : text_(text),
        decimal_(separators.decimal),
        full_width_decimal_(FullWidthForm(separators.decimal)),
        decimal_alternatives_(&separators.decimal_alternatives),
        first_group_size_(separators.first_group_size),
        higher_group_size_(separators.higher_group_size),
        keep_digits_(keep_digits || all_digits != nullptr),
        all_digits_(all_digits) {
    if (separators.grouping != separators.decimal && first_group_size_ >= 1 &&
        higher_group_size_ >= 1) {
      grouping_ = &separators;
      full_width_grouping_ = FullWidthForm(separators.grouping);
    }
    // Below U+0080 only the ASCII digits count.
    if (separators.native_zero >= 0x80) native_zero_ = separators.native_zero;
    if (separators.alternative_higher_group_size >= 1) {
      alternative_higher_group_size_ =
          static_cast<std::size_t>(separators.alternative_higher_group_size);
    }
  }

  // True when the whole text is accepted; then *number holds its value.
  bool Parse(ParsedNumber* number) {
    number_ = number;
    text_ = TrimBlanks(text_);

    number_->negative = TakeMinus();
    const std::size_t integer_digits = ParseInteger();
    if (integer_digits == kRefused) return false;
    const std::size_t fraction_digits =
        TakeDecimal() ? TakeDigits(/*in_fraction=*/true) : 0;
    if (integer_digits + fraction_digits == 0) return false;
    if ((Take("E") || Take("e")) && !ParseExponent()) return false;
    if (!text_.empty() || mixed_digits_) return false;
    number_->exponent += point_exponent_;
    return true;
  }

 private:
  static constexpr std::size_t kRefused = static_cast<std::size_t>(-1);

  // An empty token is never matched.
  bool StartsWith(std::string_view token) const {
    return !token.empty() && text_.starts_with(token);
  }

  bool Take(std::string_view token) {
    if (!StartsWith(token)) return false;
    text_.remove_prefix(token.size());
    return true;
  }

  // Takes an optional sign; true when it is a minus.
  bool TakeMinus() { return !Take("+") && Take("-"); }

  bool StartsWithDecimal() const {
    return StartsWith(decimal_) || StartsWith(full_width_decimal_) ||
           std::any_of(decimal_alternatives_->begin(),
                       decimal_alternatives_->end(),
                       [this](const std::string& alternative) {
                         return StartsWith(alternative) ||
                                StartsWith(FullWidthForm(alternative));
                       });
  }
  bool TakeDecimal() {
    if (Take(decimal_) || Take(full_width_decimal_)) return true;
    for (const std::string& alternative : *decimal_alternatives_) {
      if (Take(alternative) || Take(FullWidthForm(alternative))) return true;
    }
    return false;
  }

  bool TakeGroupingSeparator() {
    if (grouping_ == nullptr) return false;
    if (Take(grouping_->grouping) || Take(full_width_grouping_)) return true;
    for (const std::string& alternative : grouping_->grouping_alternatives) {
      if (Take(alternative) || Take(FullWidthForm(alternative))) return true;
    }
    return false;
  }

  // The value of the digit at the front of the text, and its length in
  // bytes; length 0 when the text does not start with a digit. Notes a digit
  // of another system than the ones before it.
  struct Digit {
    int value = 0;
    std::size_t length = 0;
  };
  Digit FrontDigit() {
    if (text_.empty()) return {};
    if (IsAsciiDigit(text_.front())) {
      NoteDigitZero(U'0');
      return {text_.front() - '0', 1};
    }
    if (static_cast<unsigned char>(text_.front()) < 0x80) return {};
    const Utf8Char front = FrontUtf8Char(text_);
    if (front.length == 0) return {};
    char32_t zero = DigitZeroOf(front.code);
    if (zero == 0 && native_zero_ != 0 && front.code >= native_zero_ &&
        front.code <= native_zero_ + 9) {
      zero = native_zero_;
    }
    if (zero == 0) return {};
    NoteDigitZero(zero);
    return {static_cast<int>(front.code - zero), front.length};
  }

  void NoteDigitZero(char32_t zero) {
    if (digit_zero_ == 0) digit_zero_ = zero;
    if (digit_zero_ != zero) mixed_digits_ = true;
  }

  // The integer part; returns its digit count, or kRefused when its
  // grouping is malformed.
  std::size_t ParseInteger() {
    const Digit first = FrontDigit();
    const bool first_is_zero = first.length != 0 && first.value == 0;
    std::size_t group = TakeDigits(/*in_fraction=*/false);
    std::size_t digits = group;
    const std::size_t leading = group;
    std::size_t groups = 0;
    // The size shared by every group between the first and the last.
    std::size_t middle = 0;
    // The decimal separator ends the integer part, even where it could also
    // be read as a grouping separator.
    while (!StartsWithDecimal() && TakeGroupingSeparator()) {
      if (group == 0 || (groups == 0 && first_is_zero)) return kRefused;
      if (groups > 0) {
        if (middle == 0) middle = group;
        if (group != middle) return kRefused;
      }
      ++groups;
      group = TakeDigits(/*in_fraction=*/false);
      digits += group;
    }
    if (groups == 0) return digits;
    if (group != static_cast<std::size_t>(first_group_size_)) return kRefused;
    // Of the accepted higher sizes, one must fit the groups in between and
    // bound the leading one.
    for (const std::size_t higher :
         {static_cast<std::size_t>(higher_group_size_),
          alternative_higher_group_size_}) {
      if (higher == 0) continue;
      if ((middle == 0 || middle == higher) && leading <= higher) {
        return digits;
      }
    }
    return kRefused;
  }

  bool ParseExponent() {
    const bool negative = TakeMinus();
    Digit digit = FrontDigit();
    if (digit.length == 0) return false;
    std::int64_t value = 0;
    for (; digit.length != 0; digit = FrontDigit()) {
      value = std::min(kExponentLimit, value * 10 + digit.value);
      text_.remove_prefix(digit.length);
    }
    number_->exponent = negative ? -value : value;
    return true;
  }

  // Takes the run of digits at the front of the text into the number;
  // returns how many there were.
  std::size_t TakeDigits(bool in_fraction) {
    std::size_t taken = 0;
    for (Digit digit = FrontDigit(); digit.length != 0; digit = FrontDigit()) {
      text_.remove_prefix(digit.length);
      ++taken;
      if (!keep_digits_) continue;
      if (!seen_nonzero_ && digit.value == 0) {
        // Leading zeros only move the decimal point in the fraction.
        if (in_fraction) --point_exponent_;
        continue;
      }
      seen_nonzero_ = true;
      if (!in_fraction) ++point_exponent_;
      if (all_digits_ != nullptr) {
        all_digits_->push_back(static_cast<char>('0' + digit.value));
      } else if (number_->digit_count < kKeptDigits) {
        number_->digits[number_->digit_count++] =
            static_cast<char>('0' + digit.value);
      } else if (digit.value != 0) {
        number_->dropped_nonzero = true;
      }
    }
    return taken;
  }

  std::string_view text_;
  std::string_view decimal_;
  std::string_view full_width_decimal_;
  const std::vector<std::string>* decimal_alternatives_;
  std::string_view full_width_grouping_;  // empty without grouping
  // The separators when grouping is accepted at all; null otherwise.
  const EntrySeparators* grouping_ = nullptr;
  int first_group_size_;
  int higher_group_size_;
  char32_t native_zero_ = 0;  // 0: none besides kDigitZeros
  std::size_t alternative_higher_group_size_ = 0;  // 0: none
  bool keep_digits_;
  std::string* all_digits_;
  ParsedNumber* number_ = nullptr;
  char32_t digit_zero_ = 0;  // the system of the digits so far; 0: none yet
  bool mixed_digits_ = false;
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

  // "d1d2...dn[1]e<exponent - n>" for the library's correctly rounded
  // reading. A final 1 stands for the dropped non-zero digits; it lies far
  // below the last digit that can decide the rounding.
  // Filled up to `end`, and only read that far.
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init)
  std::array<char, kKeptDigits + 32> buffer;
  char* out = buffer.data();
  out = std::copy_n(number.digits.data(), number.digit_count, out);
  if (number.dropped_nonzero) *out++ = '1';
  const std::int64_t count = out - buffer.data();
  *out++ = 'e';
  const auto written = std::to_chars(out, buffer.data() + buffer.size(),
                                     number.exponent - count);
  *written.ptr = '\0';
  double size = 0;
  if (!ReadScientific(buffer.data(), written.ptr, &size)) {
    return number.exponent > 0 ? sign * kInfinity : sign * 0.0;
  }
  return sign * size;
}

// Reads a plain ASCII number, [-]digits[DECIMAL digits] with at least one
// digit and the decimal separator when that is one ASCII character, which
// the grammar accepts whatever the separators, as most amounts are written:
// its digits without leading zeros, and the exponent of their last. False
// for any other text, which the grammar then reads.
bool ReadPlainNumber(std::string_view text, const EntrySeparators& separators,
                     Decimal* decimal) {
  decimal->negative = text.starts_with('-');
  std::string_view integer = text.substr(decimal->negative ? 1 : 0);
  std::string_view fraction;
  if (const std::size_t at = separators.decimal.size() == 1
                                 ? integer.find(separators.decimal[0])
                                 : std::string_view::npos;
      at != std::string_view::npos) {
    fraction = integer.substr(at + 1);
    integer = integer.substr(0, at);
  }
  const auto digits = [](std::string_view part) {
    return std::all_of(part.begin(), part.end(), IsAsciiDigit);
  };
  if (integer.size() + fraction.size() == 0 || !digits(integer) ||
      !digits(fraction)) {
    return false;
  }
  decimal->digits.assign(integer);
  decimal->digits.append(fraction);
  decimal->digits.erase(0, std::min(decimal->digits.find_first_not_of('0'),
                                    decimal->digits.size()));
  decimal->exponent = -static_cast<std::int64_t>(fraction.size());
  return true;
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

bool ReadEntryDecimal(std::string_view text, const EntrySeparators& separators,
                      Decimal* decimal) {
  if (!ReadPlainNumber(text, separators, decimal)) {
    ParsedNumber number;
    decimal->digits.clear();
    if (!EntryParser(text, separators, /*keep_digits=*/true, &decimal->digits)
             .Parse(&number)) {
      return false;
    }
    decimal->negative = number.negative;
    // number: 0.d1...dn * 10^exponent; the digits: d1...dn * 10^(exponent -
    // n).
    decimal->exponent =
        number.exponent - static_cast<std::int64_t>(decimal->digits.size());
  }
  // Trailing zeros belong to the exponent.
  const std::size_t significant = decimal->digits.find_last_not_of('0') + 1;
  if (significant == 0) {
    decimal->digits.clear();
    decimal->exponent = 0;
    return true;
  }
  decimal->exponent +=
      static_cast<std::int64_t>(decimal->digits.size() - significant);
  decimal->digits.resize(significant);
  return true;
}

Outcome<Decimal> EntryToDecimal(std::string_view text,
                                const EntrySeparators& separators) {
  Decimal decimal;
  if (!ReadEntryDecimal(text, separators, &decimal)) {
    return ConversionFailure::kNotNumeric;
  }
  return decimal;
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
    for (const char32_t space : SpaceSeparators()) {
      std::string text = Utf8Text(space);
      if (text != grouping) {
        separators.grouping_alternatives.push_back(std::move(text));
      }
    }
  } else if (grouping == "\u2019") {
    separators.grouping_alternatives.emplace_back("'");
  }
  separators.decimal = std::move(decimal);
  separators.grouping = std::move(grouping);
  return separators;
}

}  // namespace mensurex
