// The provider's answers in the user's language, shared by the GNOME Shell
// and KRunner interfaces. A result is named by an identifier that holds its
// unit and its query, so that any later call can answer it again; only the
// last query's results are kept, for the calls that come next about them.
#ifndef MENSUREX_SEARCH_ANSWERS_H_
#define MENSUREX_SEARCH_ANSWERS_H_

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <optional>

#include "search/query.h"
#include "window_bus/window_amount.h"

namespace mensurex::search {

using window_bus::WindowAmount;

struct Result {
  QString id;
  QString name;         // the value as shown, with its unit: "1536 MB"
  QString description;  // where it comes from and the base of the units
  QString exact;        // every digit, for the clipboard
};

// How the window writes numbers under a locale, for the texts of the
// results.
class WrittenNumbers {
 public:
  explicit WrittenNumbers(const QLocale& locale);

  // A number as the window writes it: in the locale's digits whatever
  // digits it was typed in, with the locale's decimal separator for any it
  // reads as one, and full-width forms as ASCII ones.
  QString Written(const QString& number) const;
  // A translated text with its digits in the locale's, placeholders aside.
  QString InLocaleDigits(const QString& text) const;
  // A number kept in order within a right-to-left text: between a
  // left-to-right isolate and its end (U+2066, U+2069) under a
  // right-to-left locale, as it is under the others.
  QString Isolated(const QString& number) const;

  bool right_to_left;

 private:
  QLocale locale_;
  EntrySeparators separators_;
};

class Answers {
 public:
  // The user's locale and language as Qt finds them, with the translations
  // loaded before.
  Answers();

  // The results for a query, most readable first; none for anything but an
  // amount and a unit.
  QList<Result> ResultsFor(const QString& query);
  // Lets go of the last query's results, which are kept for the calls that
  // ask about them next.
  void Forget();
  // The result an identifier names; nullopt for one that names none.
  std::optional<Result> ResultFor(const QString& id);
  // The amount of a query, or of the query an identifier holds; nullopt for
  // one that has no answer.
  std::optional<WindowAmount> AmountIn(const QString& query);
  std::optional<WindowAmount> AmountOf(const QString& id);

 private:
  struct Last {
    QString query;
    QList<Result> results;
  };

  Answerer answerer_;
  WrittenNumbers numbers_;
  std::optional<Last> last_;
};

// Asks the window over D-Bus to show `amount` (without one, only to come
// forward); D-Bus starts it when none is up. `platform_data` is
// org.freedesktop.Application's: the desktop's activation token or startup
// id. Does not wait for the window.
void OpenWindow(const std::optional<WindowAmount>& amount,
                const QVariantMap& platform_data);

}  // namespace mensurex::search

#endif  // MENSUREX_SEARCH_ANSWERS_H_
