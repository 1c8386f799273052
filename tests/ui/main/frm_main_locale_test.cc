// The window follows the user's locale (run with LC_ALL=de_DE.UTF-8): the
// entry is read and the results are written with its separators.
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "tests/ui/support/modal_catcher.h"
#include "ui/main/frm_main.h"
#include "ui/main/locale_separators.h"

class FrmMainLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(QLocale::system().language(), QLocale::German);
    const mensurex::EntrySeparators separators = mensurex::ui::UserSeparators();
    QCOMPARE(separators.decimal, std::string(","));
    QCOMPARE(separators.grouping, std::string("."));
  }

  void germanSeparators_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("megabytes");
    QTest::newRow("decimal comma") << "1,5" << 1 << "1536"
                                   << "0,00146484375";
    QTest::newRow("grouping full stop") << "1.024" << 1 << "1048576"
                                        << "1";
    QTest::newRow("exact cells") << "0,1" << 6 << "115292150460684697,6"
                                 << "109951162777,6";
  }
  void germanSeparators() {
    QFETCH(QString, entry);
    QFETCH(int, unit);
    QFETCH(QString, bytes);
    QFETCH(QString, megabytes);
    mensurex::testing::ModalCatcher catcher;
    frmMain window;
    window.findChild<QLineEdit*>("txtEntry")->setText(entry);
    window.findChild<QRadioButton*>(QStringLiteral("optMeasure_%1").arg(unit))
        ->setChecked(true);
    window.findChild<QPushButton*>("cmdCalculate")->click();
    QCOMPARE(window.findChild<QLineEdit*>("txtByteResult")->text(), bytes);
    QCOMPARE(window.findChild<QLineEdit*>("txtMegaResult")->text(), megabytes);
    QVERIFY(catcher.seen().empty());
  }
};

QTEST_MAIN(FrmMainLocaleTest)
#include "frm_main_locale_test.moc"
