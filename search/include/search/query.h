// Reading a desktop search query as an amount of storage and answering it
// with its exact conversions. Standard C++ on the library of amounts: the
// D-Bus side translates and marshals.
#ifndef MENSUREX_SEARCH_QUERY_H_
#define MENSUREX_SEARCH_QUERY_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "amounts/entry.h"
#include "amounts/exact_decimal.h"
#include "amounts/storage_unit.h"
#include "amounts/units.h"

namespace mensurex::search {

// A longer query is no amount anyone types; it is refused before any work.
inline constexpr std::size_t kMaxQueryBytes = 1024;
// A query whose conversions would be longer than this gets no answer.
inline constexpr std::size_t kMaxResultBytes = 4096;
// Results longer than this many characters are shown shortened.
inline constexpr std::size_t kShownChars = 32;

// How the user's language writes a query.
struct QueryLanguage {
  EntrySeparators separators;
  // Words that may stand between the amount and a target unit ("in", "to"),
  // UTF-8, matched as the unit names are: width and case folded.
  std::vector<std::string> target_words = {"in", "to"};
  // Words that may follow the target unit, as the Korean particle in
  // "1.5GB를 MB로"; none in English.
  std::vector<std::string> after_target_words;
};

struct Conversion {
  StorageUnit unit = StorageUnit::kBytes;
  // "MB"; "MiB" or the language's own symbol when the query named its
  // target, or without one its amount's unit, that way.
  std::string label;
  std::string exact;  // every digit, with the locale's decimal separator
  std::string shown;  // `exact`, or its start and an ellipsis when long
};

struct Answer {
  std::string amount;  // the amount as typed, without blanks at either end
  StorageUnit from = StorageUnit::kBytes;
  std::string from_label;
  // The kilobyte's label, as the amount's unit was named ("KB", "KiB").
  std::string kilo_label;
  // With a target unit, its conversion alone. Otherwise every unit but the
  // query's own: first its ReadableUnit, then the others by their distance
  // from it, the smaller unit first at equal distance.
  std::vector<Conversion> conversions;
};

class Answerer {
 public:
  explicit Answerer(QueryLanguage language);

  // The answer to a query such as "1.5 GB", "1,5GB" in a comma locale,
  // "１．５ ＧＢ" or "1.5 GB in MB"; nullopt for anything else, including
  // malformed UTF-8 and queries longer than kMaxQueryBytes. Unit names are
  // those of UnitFromName, always binary.
  std::optional<Answer> Ask(std::string_view query);

 private:
  QueryLanguage language_;
  ExactConverter converter_;
};

}  // namespace mensurex::search

#endif  // MENSUREX_SEARCH_QUERY_H_
