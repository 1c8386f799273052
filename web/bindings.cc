// What the page asks of the core: one calculation as the window makes it,
// and the number conventions of the page's locale as the entry grammar reads
// them. Texts cross as UTF-8; the page never converts a number itself.
#include <emscripten/bind.h>

#include <string>
#include <utility>

#include "amounts/entry.h"
#include "amounts/storage_unit.h"
#include "amounts/utf8.h"
#include "engine/window_conversion.h"

namespace {

using emscripten::val;

// The locale's conventions as the browser states them (Intl.NumberFormat):
// separators, the digit group sizes and the zero digit's code point.
mensurex::EntrySeparators SeparatorsOf(const val& locale) {
  const std::string decimal = locale["decimal"].as<std::string>();
  const std::string grouping = locale["grouping"].as<std::string>();
  mensurex::EntrySeparators separators = mensurex::LocaleEntrySeparators(
      decimal, grouping, locale["firstGroupSize"].as<int>(),
      locale["higherGroupSize"].as<int>(),
      static_cast<char32_t>(locale["zero"].as<unsigned>()));
  // Many who write with the Arabic decimal separator (ar-EG, fa-IR) type
  // the Western "." for it, which such a locale never uses for grouping.
  if (decimal == "\u066B" && grouping != ".") {
    separators.decimal_alternatives.emplace_back(".");
  }
  return separators;
}

// The text with its ASCII digits written in the digits that start at
// `zero` (U+0660 Arabic-Indic, U+06F0 Persian), as the window writes its
// results and the numbers in its other texts.
std::string InLocaleDigits(const std::string& text, unsigned zero) {
  if (zero == U'0' || zero > 0xFFF0) return text;
  std::string written;
  written.reserve(text.size());
  for (const char unit : text) {
    if (unit >= '0' && unit <= '9') {
      written += mensurex::Utf8Text(static_cast<char32_t>(zero + (unit - '0')));
    } else {
      written += unit;
    }
  }
  return written;
}

// {texts: [seven strings]} or {failure: "notNumeric" | "overflow"}. An
// index outside the seven units is refused as not numeric: the page only
// sends what its buttons say.
val Convert(int unit_index, const std::string& entry, const val& locale) {
  val answer = val::object();
  const auto unit = mensurex::UnitFromIndex(unit_index);
  const auto texts =
      unit ? mensurex::ConvertEntryToTexts(*unit, entry, SeparatorsOf(locale))
           : mensurex::Outcome<mensurex::ResultTexts>(
                 mensurex::ConversionFailure::kNotNumeric);
  if (!texts) {
    answer.set("failure",
               texts.failure() == mensurex::ConversionFailure::kOverflow
                   ? "overflow"
                   : "notNumeric");
    return answer;
  }
  const unsigned zero = locale["zero"].as<unsigned>();
  val list = val::array();
  for (const std::string& text : *texts) {
    list.call<void>("push", InLocaleDigits(text, zero));
  }
  answer.set("texts", list);
  return answer;
}

}  // namespace

EMSCRIPTEN_BINDINGS(mensurex) {
  emscripten::function("convert", &Convert);
  emscripten::function("inLocaleDigits", &InLocaleDigits);
}
