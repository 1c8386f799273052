#include "locale/locale_separators.h"

#include <QChar>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <utility>

namespace mensurex {
namespace {

struct GroupSizes {
  int first = 3;
  int higher = 3;
};

// Qt states no group sizes, so they are measured on a number the locale
// writes with at least three groups. A locale that writes none keeps the
// default sizes.
GroupSizes GroupSizesOf(const QLocale& locale) {
  const QString written = locale.toString(Q_INT64_C(1234567890));
  const QString separator = locale.groupSeparator();
  GroupSizes sizes;
  if (separator.isEmpty()) return sizes;
  const QStringList groups = written.split(separator);
  if (groups.size() < 3) return sizes;
  const auto digits = [](const QString& group) {
    int count = 0;
    for (const uint code : group.toUcs4()) {
      if (QChar::isDigit(char32_t{code})) ++count;
    }
    return count;
  };
  sizes.first = digits(groups[groups.size() - 1]);
  sizes.higher = digits(groups[groups.size() - 2]);
  return sizes;
}

}  // namespace

EntrySeparators SeparatorsOf(const QLocale& locale) {
  const GroupSizes sizes = GroupSizesOf(locale);
  const QList<uint> zero = locale.zeroDigit().toUcs4();
  EntrySeparators separators = LocaleEntrySeparators(
      locale.decimalPoint().toStdString(),
      locale.groupSeparator().toStdString(), sizes.first, sizes.higher,
      zero.size() == 1 ? char32_t{zero[0]} : U'0');
  // Many who write with the Arabic decimal separator (ar_EG, fa_IR) type
  // the Western "." for it, which such a locale never uses for grouping.
  if (locale.decimalPoint() == QStringView(u"\u066B") &&
      locale.groupSeparator() != QLatin1String(".")) {
    separators.decimal_alternatives.emplace_back(".");
  }
  return separators;
}

EntrySeparators UserSeparators() { return SeparatorsOf(QLocale::system()); }

QString InLocaleDigits(QString text, const QLocale& locale) {
  const QList<uint> zero = locale.zeroDigit().toUcs4();
  if (zero.size() != 1 || zero[0] == u'0') return text;
  QString written;
  written.reserve(text.size());
  for (const QChar unit : text) {
    if (unit >= QLatin1Char('0') && unit <= QLatin1Char('9')) {
      const char32_t digit = zero[0] + (unit.unicode() - u'0');
      written += QString::fromUcs4(&digit, 1);
    } else {
      written += unit;
    }
  }
  return written;
}

QString InUserDigits(QString text) {
  return InLocaleDigits(std::move(text), QLocale::system());
}

}  // namespace mensurex
