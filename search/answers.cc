#include "answers.h"

#include <QChar>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <string>
#include <utility>

#include "locale/locale_separators.h"

namespace mensurex::search {
namespace {

// The words of a translated list separated by |, without blanks at either
// end; empty ones are left out.
void AppendWords(const QString& list, std::vector<std::string>* words) {
  for (const QString& word : list.split(QLatin1Char('|'))) {
    const std::string text = word.trimmed().toStdString();
    if (!text.empty()) words->push_back(text);
  }
}

QueryLanguage UserQueryLanguage() {
  QueryLanguage language;
  language.separators = UserSeparators();
  //: The words that may stand between an amount and the unit to convert it
  //: to, as in "1.5 GB in MB", separated by |. The English "in" and "to" are
  //: always understood as well.
  AppendWords(QCoreApplication::translate("SearchProvider", "in|to"),
              &language.target_words);
  //: The words that may follow the unit to convert to, separated by |, as
  //: the Korean particle in "1.5GB를 MB로". English has none: "|".
  AppendWords(QCoreApplication::translate("SearchProvider", "|"),
              &language.after_target_words);
  // Every language's capitals, as Unicode folds them.
  language.fold = [](char32_t c) -> char32_t { return QChar::toCaseFolded(c); };
  return language;
}

QString IdOf(StorageUnit unit, const QString& query) {
  return QString::number(UnitIndex(unit)) + QLatin1Char(':') + query;
}

Result ResultOf(const Answer& answer, const Conversion& conversion,
                const QString& query) {
  Result result;
  result.id = IdOf(conversion.unit, query);
  result.name = QString::fromStdString(conversion.shown) + QLatin1Char(' ') +
                QString::fromStdString(conversion.label);
  //: A search result's description: %1 the amount and %2 its unit as the
  //: user typed them, %3 the kilobyte's symbol in the same way (KB, KiB).
  result.description =
      QCoreApplication::translate("SearchProvider",
                                  "%1 %2 in binary units, 1 %3 = 1024 bytes")
          .arg(QString::fromStdString(answer.amount),
               QString::fromStdString(answer.from_label),
               QString::fromStdString(answer.kilo_label));
  result.exact = QString::fromStdString(conversion.exact);
  return result;
}

}  // namespace

Answers::Answers() : answerer_(UserQueryLanguage()) {}

QList<Result> Answers::ResultsFor(const QString& query) {
  QList<Result> results;
  // A query too long to be an amount is refused before it is even encoded.
  if (query.size() > static_cast<qsizetype>(kMaxQueryBytes)) return results;
  const std::optional<Answer> answer = answerer_.Ask(query.toStdString());
  if (!answer) return results;
  for (const Conversion& conversion : answer->conversions) {
    results.push_back(ResultOf(*answer, conversion, query));
  }
  return results;
}

std::optional<Result> Answers::ResultFor(const QString& id) {
  const qsizetype colon = id.indexOf(QLatin1Char(':'));
  if (colon < 1) return std::nullopt;
  const QString query = id.mid(colon + 1);
  for (Result& result : ResultsFor(query)) {
    if (result.id == id) return std::move(result);
  }
  return std::nullopt;
}

void StartWindow() {
  // The window's place relative to the provider's, as installed; from PATH
  // where it is not there (in a build tree).
  const QString installed =
      QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                          .filePath(QStringLiteral(MENSUREX_WINDOW_PATH)));
  QProcess::startDetached(QFileInfo(installed).isExecutable()
                              ? installed
                              : QStringLiteral("Mensurex2"),
                          {});
}

}  // namespace mensurex::search
