// Help > About over the real main window: the About window is modal, built
// afresh for every opening, and leaves the main window as it found it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"
#include "ui/shared/application_identity.h"

namespace {

// The main window's whole state: the texts of its boxes and the selected
// unit.
QStringList State(const frmMain& window) {
  QStringList state;
  for (const QLineEdit* box : window.findChildren<QLineEdit*>()) {
    state << box->objectName() + '=' + box->text();
  }
  for (const QRadioButton* option : window.findChildren<QRadioButton*>()) {
    if (option->isChecked()) state << option->objectName();
  }
  return state;
}

QPoint CentreInWindow(const QWidget& control) {
  return control.mapTo(control.window(), control.rect().center());
}

// Runs Help > About and calls `act` with the About window once it is active.
// True if exactly that window opened, modal over `main`, and is gone once
// `act` has closed it.
bool RunAbout(frmMain& main, const std::function<void(frmAbout&)>& act) {
  main.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
  const QPointer<frmAbout> about =
      qobject_cast<frmAbout*>(QApplication::activeModalWidget());
  if (about.isNull() || !QTest::qWaitForWindowActive(about)) return false;
  const QSignalSpy finished(about.data(), &QDialog::finished);
  act(*about);
  return finished.size() == 1 &&
         QTest::qWaitFor([&about] { return about.isNull(); });
}

}  // namespace

class FrmMainAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void mainWindowTakesNoInputWhileAboutIsOpen() {
    frmMain main;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    auto* entry = main.findChild<QLineEdit*>(QStringLiteral("txtEntry"));
    auto* clear = main.findChild<QPushButton*>(QStringLiteral("cmdClear"));
    auto* gigabytes =
        main.findChild<QRadioButton*>(QStringLiteral("optMeasure_3"));
    QVERIFY(entry != nullptr && clear != nullptr && gigabytes != nullptr);
    entry->setText(QStringLiteral("12"));
    main.findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->click();
    gigabytes->setChecked(true);
    entry->setFocus();
    const QStringList before = State(main);

    for (int opening = 0; opening < 2; ++opening) {
      QStringList during;
      bool closed_by_escape = false;
      QPointer<frmAbout> about;
      const bool ran = RunAbout(main, [&](frmAbout& window) {
        about = &window;
        QCOMPARE(window.windowTitle(),
                 "About " + mensurex::ui::ApplicationTitle());
        QCOMPARE(window.parentWidget(), &main);
        // Keys and clicks aimed at the main window are refused.
        QTest::keyClick(main.windowHandle(), Qt::Key_5);
        QTest::keyClick(main.windowHandle(), Qt::Key_Backspace);
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                          CentreInWindow(*clear));
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                          CentreInWindow(*main.findChild<QWidget*>(
                              QStringLiteral("optMeasure_0"))));
        during = State(main);
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        // Closed, and possibly deleted already.
        closed_by_escape = about.isNull() || !about->isVisible();
      });
      QVERIFY2(ran, "no About window, or it had to be closed");
      QVERIFY2(closed_by_escape, "Escape left the About window open");
      QVERIFY2(about.isNull(), "the About window outlived its opening");
      QCOMPARE(during, before);
      QCOMPARE(State(main), before);
    }

    // The same input reaches the main window once the About window is gone.
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {},
                      CentreInWindow(*clear));
    QCOMPARE(entry->text(), QString());
  }

  // The About window shows the program's identity, also when it is built
  // without being given the title.
  void aboutShowsTheProgramIdentity() {
    mensurex::ui::ApplyApplicationIdentity();
    frmMain main;
    frmAbout about(&main);
    QCOMPARE(about.windowTitle(), "About " + mensurex::ui::ApplicationTitle());
    const QImage expected = mensurex::ui::ProgramIcon().pixmap(32).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(about.windowIcon().pixmap(32).toImage(), expected);
  }
};

QTEST_MAIN(FrmMainAboutTest)
#include "frm_main_about_test.moc"
