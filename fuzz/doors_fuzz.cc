// Fuzzes the doors against each other: an amount's text must mean the same
// at every door. For a text "NUMBER UNIT", mensurex and the search either
// both refuse it or both read the same exact number of bytes, and the
// window's entry reads NUMBER as mensurex reads it alone, to the nearest
// double.
//
// The first byte picks the locale (bits 0-2), the blank before the unit
// (bits 3-5) and how the unit's name is written (bits 6-7: as listed, in
// lower or upper case, or in full-width letters); the second picks the
// name; the rest is NUMBER, any text. The input is kept to the language the
// doors share; left out, because the doors differ there by design:
// - a query must name its unit, and may name a target ("1 GB in MB"), which
//   mensurex does not read: the unit is always given, and a text the search
//   reads with a target is not compared;
// - how each door learns a locale's separators: the window and the search
//   from Qt's locale, mensurex from the C library's, whose data differ for
//   some locales (Qt writes Arabic-Indic digits and the Arabic decimal
//   separator in ar_EG, the C library ASCII ones). Every door is given the
//   separators of the same Qt locale, and mensurex, with its own, must read
//   at least what the others read, to the same amount;
// - the longest results each door writes: a refusal is compared only where
//   the other door's results stay well within the search's limit.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "checks.h"
#include "doors.h"

namespace {

using mensurex::fuzz::Check;
using mensurex::fuzz::CommandAmountDoor;
using mensurex::fuzz::Reading;
using mensurex::fuzz::SearchDoor;

const char* const kLocales[] = {
    "en_US", "de_DE", "fr_FR", "C", "el_GR", "hi_IN", "ar_EG", "fa_IR",
};

const std::string_view kBlanks[] = {
    "", " ", "\t", "\u00A0", "\u202F", "\u2007", "\u2009", "\u3000",
};

const std::string_view kUnitNames[] = {
    "B", "KB", "MB", "GB", "TB", "PB", "EB", "kB", "K", "M", "G", "T", "P", "E",
    "Ki", "Mi", "Gi", "Ti", "Pi", "Ei", "KiB", "MiB", "GiB", "TiB", "PiB",
    "EiB", "byte", "bytes", "kilobyte", "kilobytes", "megabyte", "megabytes",
    "gigabyte", "gigabytes", "terabyte", "terabytes", "petabyte", "petabytes",
    "exabyte", "exabytes", "kibibyte", "mebibytes", "gibibyte", "tebibytes",
    "pebibyte", "exbibytes", "o", "Ko", "Mo", "Go", "To", "Po", "Eo", "octet",
    "kilooctet", "m\u00E9gaoctet", "gigaoctet", "t\u00E9raoctet",
    "p\u00E9taoctet", "exaoctet",
    "\u0411",  // Б
    "\u041A\u0411", "\u0433\u0431", "\u0422\u0411", "\u042D\u0411",
    "\u0415\u0411",  // КБ, гб, ТБ, ЭБ, ЕБ
    "\u0431\u0430\u0439\u0442", "\u041A\u0431\u0430\u0439\u0442",
    "\u0433\u0431\u0430\u0439\u0442",  // байт, Кбайт, гбайт
    // The languages' own words, in their scripts and forms.
    "Gigabajt\u016F",
    "\u0413\u0456\u0433\u0430\u0431\u0430\u0439\u0442",  // Гігабайт
    "\u063A\u064A\u063A\u0627\u0628\u0627\u064A\u062A",  // غيغابايت
    "\u06AF\u06CC\u06AF\u0627\u200C\u0628\u0627\u06CC\u062A",
    "\u05D2\u05F3\u05D9\u05D2\u05D4\u05BE\u05D1\u05D9\u05D9\u05D8",
    "\u05E7\u05D9\u05DC\u05D5-\u05D1\u05D9\u05D9\u05D8",
    "\u0917\u0940\u0917\u093E\u092C\u093E\u0907\u091F",  // गीगाबाइट
    "G\u30D0\u30A4\u30C8",                               // Gバイト
    "\u30AD\u30ED\u30FB\u30D0\u30A4\u30C8",              // キロ・バイト
    "\uAE30\uAC00\uBC14\uC774\uD2B8",                    // 기가바이트
    "\u0E01\u0E34\u0E01\u0E30\u0E44\u0E1A\u0E15\u0E4C",  // กิกะไบต์
    "\u5409\u5B57\u8282",                                // 吉字节
};

// The name as listed, with its ASCII letters in lower or upper case, or
// in their full-width forms.
std::string Written(std::string_view name, unsigned how) {
  std::string written;
  for (const char c : name) {
    const bool upper = c >= 'A' && c <= 'Z';
    const bool lower = c >= 'a' && c <= 'z';
    if (how == 1 && upper) {
      written.push_back(static_cast<char>(c - 'A' + 'a'));
    } else if (how == 2 && lower) {
      written.push_back(static_cast<char>(c - 'a' + 'A'));
    } else if (how == 3 && (upper || lower)) {
      written += mensurex::Utf8Text(U'\uFF01' + static_cast<char32_t>(c - '!'));
    } else {
      written.push_back(c);
    }
  }
  return written;
}

// Written bytes with "." for their decimal separator.
std::string WithPoint(std::string bytes, std::string_view decimal) {
  if (const std::size_t at = bytes.find(decimal); at != std::string::npos) {
    bytes.replace(at, decimal.size(), ".");
  }
  return bytes;
}

double NearestDouble(const std::string& bytes, std::string_view decimal) {
  return std::strtod(WithPoint(bytes, decimal).c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size < 2) return 0;
  static_assert(std::size(kLocales) == 8 && std::size(kBlanks) == 8);
  const std::size_t locale = data[0] & 7U;
  const std::string_view blank = kBlanks[(data[0] >> 3U) & 7U];
  const std::string unit =
      Written(kUnitNames[data[1] % std::size(kUnitNames)], data[0] >> 6U);
  const std::string_view number(reinterpret_cast<const char*>(data + 2),
                                size - 2);
  const std::string text = std::string(number) + std::string(blank) + unit;
  if (text.size() > mensurex::fuzz::kMaxQueryBytes) return 0;

  static std::optional<mensurex::EntrySeparators>
      separators[std::size(kLocales)];
  static std::optional<SearchDoor> search_doors[std::size(kLocales)];
  static std::optional<CommandAmountDoor> command_doors[std::size(kLocales)];
  // mensurex as it reads the locale itself, from the C library's data.
  static std::optional<CommandAmountDoor> own_doors[std::size(kLocales)];
  if (!separators[locale]) {
    separators[locale] = mensurex::fuzz::LocaleSeparators(kLocales[locale]);
    search_doors[locale].emplace(*separators[locale],
                                 mensurex::fuzz::TargetWords{});
    command_doors[locale].emplace(*separators[locale]);
    own_doors[locale].emplace(
        mensurex::fuzz::CommandSeparators(kLocales[locale]));
  }
  SearchDoor& search = *search_doors[locale];
  CommandAmountDoor& command = *command_doors[locale];
  CommandAmountDoor& own = *own_doors[locale];

  // mensurex and the search read the whole text alike.
  const std::optional<mensurex::search::Answer> answer = search.Ask(text);
  if (answer && SearchDoor::NamesTarget(*answer)) return 0;
  const Reading read = command.Read(text);
  constexpr std::size_t kWithinSearchLimit =
      mensurex::fuzz::kMaxSearchResultBytes - 64;
  if (answer) {
    Check(read.kind == Reading::Kind::kBytes,
          "what the search reads, mensurex reads", text);
    Check(read.bytes == search.BytesOf(*answer),
          "the search and mensurex read the same amount", text);
    const Reading own_read = own.Read(text);
    Check(own_read.kind == Reading::Kind::kBytes &&
              WithPoint(own_read.bytes, own.DecimalSeparator()) ==
                  WithPoint(read.bytes, search.DecimalSeparator()),
          "what the search reads, mensurex reads by its own locale", text);
  } else {
    Check(read.kind != Reading::Kind::kBytes ||
              read.bytes.size() > kWithinSearchLimit,
          "what mensurex reads, the search reads", text);
  }

  // The window reads the number part as mensurex does.
  if (mensurex::fuzz::NamesUnit(number)) return 0;
  const std::optional<double> window =
      mensurex::fuzz::WindowReads(number, *separators[locale]);
  const Reading alone = command.Read(number);
  if (window) {
    const Reading own_alone = own.Read(number);
    Check(own_alone.kind != Reading::Kind::kRefused,
          "what the window reads, mensurex reads by its own locale", number);
    Check(own_alone.kind != Reading::Kind::kBytes ||
              NearestDouble(own_alone.bytes, own.DecimalSeparator()) == *window,
          "the window reads the number mensurex reads by its own locale",
          number);
  }
  switch (alone.kind) {
    case Reading::Kind::kRefused:
      Check(!window, "what mensurex refuses, the window refuses", number);
      break;
    case Reading::Kind::kBeyondLimits:
      Check(window.has_value(), "what mensurex reads, the window reads",
            number);
      break;
    case Reading::Kind::kBytes:
      Check(window.has_value(), "what mensurex reads, the window reads",
            number);
      Check(*window == NearestDouble(alone.bytes, separators[locale]->decimal),
            "the window reads the number mensurex reads", number);
      break;
  }
  return 0;
}
