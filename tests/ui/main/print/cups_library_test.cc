// Binding libcups at run time: a library that is missing, or that lacks any
// of the calls, yields no table at all rather than one with empty entries,
// and the loader's reason.
#include "cups_library.h"

#include <QTest>
#include <string>

using mensurex::ui::LoadCupsLibrary;
using mensurex::ui::SystemCupsLibrary;

class PrintCupsLibraryTest : public QObject {
  Q_OBJECT

 private slots:
  void unusable_library_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("reason");
    QTest::newRow("missing") << QByteArray("libmensurex-no-such-library.so")
                             << QByteArray("libmensurex-no-such-library.so");
    QTest::newRow("without the CUPS calls")
        << QByteArray("libm.so.6") << QByteArray("cupsCancelDestJob");
  }
  void unusable_library() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, reason);
    std::string error;
    QVERIFY(LoadCupsLibrary(file.constData(), &error) == nullptr);
    QVERIFY2(error.find(reason.toStdString()) != std::string::npos,
             error.c_str());
  }

  void system_library_binds_once() {
    const auto* const cups = SystemCupsLibrary();
    QVERIFY(cups != nullptr);
    QCOMPARE(SystemCupsLibrary(), cups);
    QVERIFY(cups->cupsServer() != nullptr);
  }
};

QTEST_APPLESS_MAIN(PrintCupsLibraryTest)
#include "cups_library_test.moc"
