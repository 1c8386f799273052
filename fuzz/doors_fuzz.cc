// Fuzzes the doors against each other: an amount's text must mean the same
// at every door. For a text "NUMBER UNIT", mensurex and the search either
// both refuse it or both read the same exact number of bytes, and the
// window's entry reads NUMBER as mensurex reads it alone, to the nearest
// double.
//
// The input is kept to the language the doors share. The first byte picks
// the locale (low three bits) and the blank before the unit (the rest);
// the second picks the unit's name and its letter case; the rest is NUMBER,
// any text. Left out, because the doors differ there by design:
// - a query must name its unit, and may name a target ("1 GB in MB"), which
//   mensurex does not read: the unit is always given, and a text the search
//   reads with a target is not compared;
// - how each door learns a locale's separators: the window and the search
//   from Qt's locale, mensurex from the C library's, whose data differ for
//   some locales (Qt writes Arabic-Indic digits and the Arabic decimal
//   separator in ar_EG, the C library ASCII ones): every door is given the
//   separators of the same Qt locale;
// - the names only one door knows (mensurex's K .. E and Ki .. Ei, the
//   search's kibibyte .. exbibyte and its languages' own symbols): the unit
//   is one of the names both know, and a NUMBER that ends in a letter is
//   not put right before it, where the two would make one word;
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
    "en_US", "de_DE", "fr_FR", "ru_RU", "de_CH", "hi_IN", "ar_EG", "sv_SE",
};

const std::string_view kBlanks[] = {
    "", " ", "\t", "\u00A0", "\u202F", "\u2007", "  ", "\u2009", "\u3000",
};

const std::string_view kUnitNames[] = {
    "B",         "KB",       "MB",        "GB",       "TB",        "PB",
    "EB",        "KiB",      "MiB",       "GiB",      "TiB",       "PiB",
    "EiB",       "byte",     "bytes",     "kilobyte", "kilobytes", "megabyte",
    "megabytes", "gigabyte", "gigabytes", "terabyte", "terabytes", "petabyte",
    "petabytes", "exabyte",  "exabytes",
};

// The name as written, in lower or upper case.
std::string Cased(std::string_view name, unsigned how) {
  std::string cased(name);
  for (char& c : cased) {
    if (how == 1 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (how == 2 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return cased;
}

// Whether the text ends with a letter of a script that unit names are read
// in, full-width Latin included.
bool EndsWithLetter(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 &&
         (static_cast<unsigned char>(text[start - 1]) & 0xC0U) == 0x80U) {
    --start;
  }
  if (start == 0) return false;
  const mensurex::Utf8Char c = mensurex::FrontUtf8Char(text.substr(start - 1));
  if (c.length == 0) return false;
  const char32_t code = c.code;
  return (code >= U'A' && code <= U'Z') || (code >= U'a' && code <= U'z') ||
         (code >= U'\u00C0' && code <= U'\u024F') ||
         (code >= U'\u0370' && code <= U'\u04FF') ||
         (code >= U'\uFF21' && code <= U'\uFF3A') ||
         (code >= U'\uFF41' && code <= U'\uFF5A');
}

// Whether the text ends with an ASCII letter before any blanks, which
// mensurex reads as a unit.
bool EndsWithAsciiLetter(std::string_view text) {
  for (;;) {
    std::size_t start = text.size();
    while (start > 0 &&
           (static_cast<unsigned char>(text[start - 1]) & 0xC0U) == 0x80U) {
      --start;
    }
    if (start == 0) return false;
    const mensurex::Utf8Char c =
        mensurex::FrontUtf8Char(text.substr(start - 1));
    if (c.length == 0 || !(mensurex::IsSpaceSeparator(c.code) ||
                           (c.code >= 9 && c.code <= 13))) {
      break;
    }
    text.remove_suffix(c.length);
  }
  return !text.empty() && ((text.back() >= 'A' && text.back() <= 'Z') ||
                           (text.back() >= 'a' && text.back() <= 'z'));
}

double NearestDouble(std::string bytes, std::string_view decimal) {
  if (const std::size_t at = bytes.find(decimal); at != std::string::npos) {
    bytes.replace(at, decimal.size(), ".");
  }
  return std::strtod(bytes.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  if (size < 2) return 0;
  const std::size_t locale = data[0] % std::size(kLocales);
  const std::string_view blank =
      kBlanks[(data[0] / std::size(kLocales)) % std::size(kBlanks)];
  const std::string unit = Cased(kUnitNames[data[1] % std::size(kUnitNames)],
                                 (data[1] / std::size(kUnitNames)) % 3);
  const std::string_view number(reinterpret_cast<const char*>(data + 2),
                                size - 2);
  if (blank.empty() && EndsWithLetter(number)) return 0;
  const std::string text = std::string(number) + std::string(blank) + unit;
  if (text.size() > mensurex::fuzz::kMaxQueryBytes) return 0;

  static std::optional<mensurex::EntrySeparators>
      separators[std::size(kLocales)];
  static std::optional<SearchDoor> search_doors[std::size(kLocales)];
  static std::optional<CommandAmountDoor> command_doors[std::size(kLocales)];
  if (!separators[locale]) {
    separators[locale] = mensurex::fuzz::LocaleSeparators(kLocales[locale]);
    search_doors[locale].emplace(*separators[locale],
                                 mensurex::fuzz::QueryWords{});
    command_doors[locale].emplace(*separators[locale]);
  }
  SearchDoor& search = *search_doors[locale];
  CommandAmountDoor& command = *command_doors[locale];

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
  } else {
    Check(read.kind != Reading::Kind::kBytes ||
              read.bytes.size() > kWithinSearchLimit,
          "what mensurex reads, the search reads", text);
  }

  // The window reads the number part as mensurex does.
  if (EndsWithAsciiLetter(number)) return 0;
  const std::optional<double> window =
      mensurex::fuzz::WindowReads(number, *separators[locale]);
  const Reading alone = command.Read(number);
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
