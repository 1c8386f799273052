// The window follows the user's locale: the entry is read the way the locale
// writes numbers (its separators, group sizes and digits, and what keyboards
// type for its separators), and the results are written in its digits with
// its decimal separator. Each locale runs as its own test under its own
// LANG; the rows of that locale apply.
#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/main/frm_main.h"
#include "ui/shared/user_language.h"

namespace {

struct LocaleRow {
  const char* locale;
  const char* name;
  QString entry;
  int unit;
  QString bytes;
  QString megabytes;
};

const LocaleRow kRows[] = {
    {"de_DE", "decimal comma", "1,5", 1, "1536", "0,00146484375"},
    {"de_DE", "grouping full stop", "1.024", 1, "1048576", "1"},
    {"de_DE", "exact cells", "0,1", 6, "115292150460684697,6",
     "109951162777,6"},
    {"hi_IN", "lakh", "1,00,000", 1, "102400000", "97.65625"},
    {"hi_IN", "groups of three then two", "12,34,567.5", 0, "1234567.5",
     "1.17737531661987"},
    {"en_IN", "lakh", "1,00,000", 1, "102400000", "97.65625"},
    {"fr_FR", "no-break space", QString::fromUtf8("1\u00A0234,5"), 1, "1264128",
     "1,20556640625"},
    {"fr_FR", "narrow no-break space", QString::fromUtf8("1\u202F234,5"), 1,
     "1264128", "1,20556640625"},
    {"de_CH", "keyboard apostrophe", "1'234.5", 1, "1264128", "1.20556640625"},
    // Results in the locale's own digits, as its decimal separator is.
    {"ar_EG", "native digits", "١٫٥", 1, "١٥٣٦", "٠٫٠٠١٤٦٤٨٤٣٧٥"},
    {"ar_EG", "native grouped", "١٬٢٣٤٫٥", 1, "١٢٦٤١٢٨", "١٫٢٠٥٥٦٦٤٠٦٢٥"},
    {"ar_EG", "ASCII digits typed", "-0٫5", 2, "-٥٢٤٢٨٨", "-٠٫٥"},
    // The Western "." typed for the decimal separator.
    {"ar_EG", "full stop typed", "1.5", 1, "١٥٣٦", "٠٫٠٠١٤٦٤٨٤٣٧٥"},
    {"fa_IR", "Persian digits", "۱٫۵", 1, "۱۵۳۶", "۰٫۰۰۱۴۶۴۸۴۳۷۵"},
    {"fa_IR", "full stop typed", "۱.۵", 1, "۱۵۳۶", "۰٫۰۰۱۴۶۴۸۴۳۷۵"},
    {"fa_IR", "ASCII digits and full stop", "1.5", 1, "۱۵۳۶", "۰٫۰۰۱۴۶۴۸۴۳۷۵"},
    {"ja_JP", "full-width digits",
     QString::fromUtf8("\uFF11\uFF10\uFF12\uFF14"), 1, "1048576", "1"},
};

}  // namespace

class FrmMainLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  // Arabic and Persian windows are mirrored, whether or not the program
  // has their translation.
  void layoutDirectionFollowsTheLanguage() {
    mensurex::ui::LoadUserLanguage();
    const bool right_to_left =
        QLocale::system().language() == QLocale::Arabic ||
        QLocale::system().language() == QLocale::Persian;
    QCOMPARE(QApplication::layoutDirection(),
             right_to_left ? Qt::RightToLeft : Qt::LeftToRight);
  }

  // The locale's own digits stand as tall as the Latin ones, as drawn (the
  // system's fallback face draws them a tenth smaller).
  void ownDigitsAsTallAsLatinOnes() {
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString own = locale.toString(123456789);
    if (own.startsWith(QLatin1Char('1'))) return;
    frmMain window;
    QFont font = window.findChild<QLineEdit*>("txtEntry")->font();
    font.setPixelSize(100);
    const QFontMetricsF metrics(font);
    const qreal ratio = metrics.tightBoundingRect(own).height() /
                        metrics.tightBoundingRect("123456789").height();
    QVERIFY2(qAbs(ratio - 1) < 0.03, qPrintable(QString::number(ratio)));
  }

  void followsTheLocale_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("megabytes");
    // A locale that is not generated falls back to "C" and finds no rows,
    // which fails here rather than passing with nothing tested.
    const QString locale = QLocale::system().name();
    int rows = 0;
    for (const LocaleRow& row : kRows) {
      if (locale != QLatin1String(row.locale)) continue;
      QTest::newRow(row.name)
          << row.entry << row.unit << row.bytes << row.megabytes;
      ++rows;
    }
    QVERIFY2(rows > 0, qPrintable("no rows for the locale " + locale));
  }
  void followsTheLocale() {
    QFETCH(QString, entry);
    QFETCH(int, unit);
    QFETCH(QString, bytes);
    QFETCH(QString, megabytes);
    frmMain window;
    window.findChild<QLineEdit*>("txtEntry")->setText(entry);
    window.findChild<QRadioButton*>(QStringLiteral("optMeasure_%1").arg(unit))
        ->setChecked(true);
    window.findChild<QPushButton*>("cmdCalculate")->click();
    QCOMPARE(window.findChild<QLineEdit*>("txtByteResult")->text(), bytes);
    QCOMPARE(window.findChild<QLineEdit*>("txtMegaResult")->text(), megabytes);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The Instructions write their example number in the results' digits.
    window.findChild<QAction*>("mnuInstructions")->trigger();
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box && box->text().contains(QLocale::system().toString(100)));
  }
};

QTEST_MAIN(FrmMainLocaleTest)
#include "frm_main_locale_test.moc"
