#include "answers.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <string>
#include <utility>

#include "amounts/utf8.h"
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

// The query an identifier holds, after its unit's index and a colon.
std::optional<QString> QueryIn(const QString& id) {
  const qsizetype colon = id.indexOf(QLatin1Char(':'));
  if (colon < 1) return std::nullopt;
  return id.mid(colon + 1);
}

// Left-to-right isolates (U+2066 .. U+2069), which keep a number or a
// ratio in order within a right-to-left text.
constexpr QChar kLeftToRightIsolate(0x2066);
constexpr QChar kFirstStrongIsolate(0x2068);
constexpr QChar kPopDirectionalIsolate(0x2069);

// The ratio of a description, "1 %3 = 1024" in English: the placeholder
// %3 with the numbers and signs around it, up to the letters on either
// side. An empty range when the text has no %3.
std::pair<qsizetype, qsizetype> RatioIn(const QString& text) {
  const qsizetype kilo = text.indexOf(QLatin1String("%3"));
  if (kilo < 0) return {0, 0};
  const auto in_ratio = [](QChar c) {
    return c.isDigit() || c.isSpace() || c == QLatin1Char('=');
  };
  qsizetype start = kilo;
  while (start > 0 && in_ratio(text[start - 1])) --start;
  qsizetype end = kilo + 2;
  while (end < text.size() && in_ratio(text[end])) ++end;
  while (start < kilo && text[start].isSpace()) ++start;
  while (end > kilo + 2 && text[end - 1].isSpace()) --end;
  return {start, end};
}

Result ResultOf(const Answer& answer, const Conversion& conversion,
                const QString& query, const WrittenNumbers& numbers) {
  Result result;
  result.id = IdOf(conversion.unit, query);
  result.name = numbers.Isolated(
                    numbers.Written(QString::fromStdString(conversion.shown))) +
                QLatin1Char(' ') + QString::fromStdString(conversion.label);
  //: A search result's description: %1 the amount and %2 its unit as the
  //: user typed them, %3 the kilobyte's symbol in the same way (KB, KiB).
  QString description = QCoreApplication::translate(
      "SearchProvider", "%1 %2 in binary units, 1 %3 = 1024 bytes");
  if (numbers.right_to_left) {
    const auto [start, end] = RatioIn(description);
    if (start < end) {
      description.insert(end, kPopDirectionalIsolate);
      description.insert(start, kLeftToRightIsolate);
    }
  }
  QString unit = QString::fromStdString(answer.from_label);
  if (numbers.right_to_left) {
    unit = kFirstStrongIsolate + unit + kPopDirectionalIsolate;
  }
  result.description =
      numbers.InLocaleDigits(description)
          .arg(numbers.Isolated(
                   numbers.Written(QString::fromStdString(answer.amount))),
               unit, QString::fromStdString(answer.kilo_label));
  result.exact = numbers.Written(QString::fromStdString(conversion.exact));
  return result;
}

}  // namespace

WrittenNumbers::WrittenNumbers(const QLocale& locale)
    : right_to_left(locale.textDirection() == Qt::RightToLeft),
      locale_(locale),
      separators_(SeparatorsOf(locale)) {}

QString WrittenNumbers::Written(const QString& number) const {
  // Full-width forms and every system's digits as ASCII first, so that a
  // full-width separator is replaced as its ASCII form is.
  QString ascii;
  ascii.reserve(number.size());
  for (const char32_t c : number.toUcs4()) {
    const char32_t narrow = FoldWidth(c);
    const char32_t zero = DigitZeroOf(narrow);
    const char32_t written = zero != 0 ? U'0' + (narrow - zero) : narrow;
    ascii += QString::fromUcs4(&written, 1);
  }
  for (const std::string& alternative : separators_.decimal_alternatives) {
    ascii.replace(QString::fromStdString(alternative),
                  QString::fromStdString(separators_.decimal));
  }
  return mensurex::InLocaleDigits(ascii, locale_);
}

QString WrittenNumbers::InLocaleDigits(const QString& text) const {
  // The placeholders' digits stay ASCII.
  QString written;
  qsizetype from = 0;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == QLatin1Char('%') && text[i + 1].isDigit()) {
      written += mensurex::InLocaleDigits(text.mid(from, i - from), locale_);
      written += text.mid(i, 2);
      from = i + 2;
      ++i;
    }
  }
  return written + mensurex::InLocaleDigits(text.mid(from), locale_);
}

QString WrittenNumbers::Isolated(const QString& number) const {
  if (!right_to_left) return number;
  return kLeftToRightIsolate + number + kPopDirectionalIsolate;
}

Answers::Answers() : answerer_(UserQueryLanguage()), numbers_(QLocale()) {}

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
      results.push_back(ResultOf(*answer, conversion, query, numbers_));
    }
  }
  last_ = Last{query, results};
  return results;
}

void Answers::Forget() { last_.reset(); }

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
