#include "answers.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <string>
#include <utility>

#include "identity/names.h"
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
  // GNOME Shell asks for the metas of a query's results one by one, each
  // id holding the same query.
  if (last_ && last_->query == query) return last_->results;
  const std::optional<Answer> answer = answerer_.Ask(query.toStdString());
  if (answer) {
    for (const Conversion& conversion : answer->conversions) {
      results.push_back(ResultOf(*answer, conversion, query));
    }
  }
  last_ = Last{query, results};
  return results;
}

void Answers::Forget() { last_.reset(); }

namespace {

// The query an identifier holds, after its unit's index and a colon.
std::optional<QString> QueryIn(const QString& id) {
  const qsizetype colon = id.indexOf(QLatin1Char(':'));
  if (colon < 1) return std::nullopt;
  return id.mid(colon + 1);
}

}  // namespace

std::optional<Result> Answers::ResultFor(const QString& id) {
  const std::optional<QString> query = QueryIn(id);
  if (!query) return std::nullopt;
  for (Result& result : ResultsFor(*query)) {
    if (result.id == id) return std::move(result);
  }
  return std::nullopt;
}

std::optional<WindowAmount> Answers::AmountIn(const QString& query) {
  if (query.size() > static_cast<qsizetype>(kMaxQueryBytes)) return {};
  const std::optional<Answer> answer = answerer_.Ask(query.toStdString());
  if (!answer) return std::nullopt;
  // The entry reads ASCII and the locale's digits, not their wide forms.
  return WindowAmount{QString::fromStdString(answer->amount)
                          .normalized(QString::NormalizationForm_KC),
                      static_cast<uint>(UnitIndex(answer->from))};
}

std::optional<WindowAmount> Answers::AmountOf(const QString& id) {
  const std::optional<QString> query = QueryIn(id);
  return query ? AmountIn(*query) : std::nullopt;
}

void OpenWindow(const std::optional<WindowAmount>& amount,
                const QVariantMap& platform_data) {
  const auto call = [](const char* method) {
    return QDBusMessage::createMethodCall(
        QString::fromLatin1(identity::kAppId),
        QString::fromLatin1(identity::kObjectPath),
        QStringLiteral("org.freedesktop.Application"), QLatin1String(method));
  };
  QDBusMessage message;
  if (amount) {
    message = call("ActivateAction");
    message << QString::fromLatin1(window_bus::kConvertAction)
            << QVariantList{QVariant::fromValue(*amount)} << platform_data;
  } else {
    message = call("Activate");
    message << platform_data;
  }
  QDBusConnection::sessionBus().send(message);
}

}  // namespace mensurex::search
