// The provider's answers in the user's language, shared by the GNOME Shell
// and KRunner interfaces. A result is named by an identifier that holds its
// unit and its query, so that any later call can answer it again without
// the provider keeping anything between calls.
#ifndef MENSUREX_SEARCH_ANSWERS_H_
#define MENSUREX_SEARCH_ANSWERS_H_

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "mensurex/search/query.h"

namespace mensurex::search {

struct Result {
  QString id;
  QString name;         // the value as shown, with its unit: "1536 MB"
  QString description;  // where it comes from and the base of the units
  QString exact;        // every digit, for the clipboard
};

class Answers {
 public:
  // The user's locale and language as Qt finds them, with the translations
  // loaded before.
  Answers();

  // The results for a query, most readable first; none for anything but an
  // amount and a unit.
  QList<Result> ResultsFor(const QString& query);
  // The result an identifier names; nullopt for one that names none.
  std::optional<Result> ResultFor(const QString& id);

 private:
  Answerer answerer_;
};

// Starts the Mensurex window, detached from the provider.
void StartWindow();

}  // namespace mensurex::search

#endif  // MENSUREX_SEARCH_ANSWERS_H_
