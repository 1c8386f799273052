// The About window: its load step, the keys and buttons that close it, its
// fixed layout, its picture and what assistive technology reads from it.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/about/frm_about.h"

using mensurex::ui::frmAbout;

namespace {

const char kTitle[] = "Tolvane's Mensurex 2";
const char kDescription[] =
    "The Mensurex was developed as a simple tool to quickly and easily "
    "calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes "
    "and exabytes.";
const char* const kLabels[] = {"Label1", "lblDescription", "lblTitle",
                               "lblVersion", "lblDisclaimer"};

template <typename T = QWidget>
T* Child(const QWidget& window, const char* name) {
  return window.findChild<T*>(QString::fromLatin1(name));
}

QString LabelText(const QWidget& window, const char* name) {
  const auto* label = Child<QLabel>(window, name);
  return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

// Runs `window` modally and calls `act` once its event loop runs. Returns
// true if the modal loop ended by itself; otherwise ends it after a while so
// that a window that ignores the input fails the test instead of hanging it.
bool ExecAndAct(frmAbout& window, const std::function<void()>& act) {
  bool forced = false;
  QTimer::singleShot(0, &window, [&] {
    if (!QTest::qWaitForWindowActive(&window)) return;
    act();
  });
  QTimer::singleShot(3000, &window, [&] {
    if (window.isVisible()) {
      forced = true;
      window.done(-1);
    }
  });
  window.exec();
  return !forced;
}

}  // namespace

class AboutWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void loadStepWritesTheTitle() {
    frmAbout window;
    QCOMPARE(window.windowTitle(), QStringLiteral("About ") + kTitle);
    QCOMPARE(LabelText(window, "lblTitle"), QString::fromLatin1(kTitle));
    QCOMPARE(LabelText(window, "lblVersion"), QStringLiteral("Version 2.0"));
    QCOMPARE(LabelText(window, "lblDescription"),
             QString::fromLatin1(kDescription));

    frmAbout other(QStringLiteral("Other Title"), nullptr);
    QCOMPARE(other.windowTitle(), QStringLiteral("About Other Title"));
    QCOMPARE(LabelText(other, "lblTitle"), QStringLiteral("Other Title"));
  }

  // The address and disclaimer name no real site or person and are plain
  // text, not links.
  void addressAndDisclaimerArePlainText() {
    frmAbout window;
    for (const char* name : {"Label1", "lblDisclaimer"}) {
      const auto* label = Child<QLabel>(window, name);
      QVERIFY(label != nullptr);
      QVERIFY(!label->text().isEmpty());
      QVERIFY2(label->text().contains(QStringLiteral("example.org")), name);
      QCOMPARE(label->textFormat(), Qt::PlainText);
      QVERIFY(!label->openExternalLinks());
      QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);
    }
    QVERIFY(!LabelText(window, "lblDisclaimer").contains(QStringLiteral("@")) ||
            LabelText(window, "lblDisclaimer")
                .contains(QStringLiteral("@example.org")));
  }

  void keysClose_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    for (const char* focus : {"cmdOK", "picIcon"}) {
      QTest::addRow("%s Return", focus) << focus << int(Qt::Key_Return);
      QTest::addRow("%s Enter", focus) << focus << int(Qt::Key_Enter);
      QTest::addRow("%s Escape", focus) << focus << int(Qt::Key_Escape);
    }
  }

  void keysClose() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmAbout window;
    bool focused = false;
    const bool closed = ExecAndAct(window, [&] {
      auto* target = window.findChild<QWidget*>(focus);
      target->setFocus(Qt::TabFocusReason);
      focused = window.focusWidget() == target;
      QTest::keyClick(target, Qt::Key(key));
    });
    QVERIFY(focused);
    QVERIFY2(closed, "the key did not close the window");
    QVERIFY(!window.isVisible());
  }

  void okButtonAndCloseBoxClose() {
    {
      frmAbout window;
      const bool closed = ExecAndAct(window, [&] {
        QTest::mouseClick(Child<QPushButton>(window, "cmdOK"), Qt::LeftButton);
      });
      QVERIFY2(closed, "OK did not close the window");
    }
    {
      frmAbout window;
      const bool closed = ExecAndAct(window, [&] { window.close(); });
      QVERIFY2(closed, "the close box did not close the window");
    }
  }

  // Clicking labels, the picture or the rule leaves the window open.
  void clicksElsewhereDoNothing() {
    frmAbout window;
    bool still_open = true;
    const bool closed = ExecAndAct(window, [&] {
      for (const char* name :
           {"Label1", "lblDescription", "lblTitle", "lblVersion",
            "lblDisclaimer", "picIcon", "Line1_0", "Line1_1"}) {
        auto* widget = Child(window, name);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        still_open = still_open && window.isVisible();
      }
      window.accept();
    });
    QVERIFY(closed);
    QVERIFY(still_open);
  }

  void focusStartsOnOkAndTabsToThePicture() {
    frmAbout window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* ok = Child(window, "cmdOK");
    auto* picture = Child(window, "picIcon");
    QCOMPARE(window.focusWidget(), ok);
    QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), picture);
    QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    QCOMPARE(window.focusWidget(), ok);
    QTest::keyClick(window.focusWidget(), Qt::Key_Backtab);
    QCOMPARE(window.focusWidget(), picture);

    auto* button = Child<QPushButton>(window, "cmdOK");
    QVERIFY(button->isDefault());
    QVERIFY(button->autoDefault());
    for (const char* name : kLabels) {
      QCOMPARE(Child(window, name)->focusPolicy(), Qt::NoFocus);
    }
  }

  void fixedSizeDialogFrame() {
    frmAbout window;
    QCOMPARE(window.size(), QSize(382, 237));
    QCOMPARE(window.minimumSize(), QSize(382, 237));
    QCOMPARE(window.maximumSize(), QSize(382, 237));
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(window.isModal());
  }

  void controlsAtTheirPlaces() {
    frmAbout window;
    QCOMPARE(Child(window, "picIcon")->geometry(), QRect(16, 16, 52, 52));
    QCOMPARE(Child(window, "cmdOK")->geometry(), QRect(283, 192, 84, 23));
    QCOMPARE(Child(window, "lblTitle")->geometry(), QRect(70, 16, 259, 32));
    QCOMPARE(Child(window, "lblVersion")->geometry(), QRect(70, 52, 259, 15));
    QCOMPARE(Child(window, "lblDescription")->geometry(),
             QRect(70, 75, 259, 62));
    QCOMPARE(Child(window, "Label1")->geometry(), QRect(64, 144, 273, 17));
    QCOMPARE(Child(window, "lblDisclaimer")->geometry(),
             QRect(17, 176, 258, 55));
    // The etched rule: grey on the row above a 2-pixel white line.
    QCOMPARE(Child(window, "Line1_1")->geometry(), QRect(6, 163, 371, 1));
    QCOMPARE(Child(window, "Line1_0")->geometry(), QRect(7, 164, 370, 2));

    // No two controls overlap, and all lie inside the client area.
    const QList<QWidget*> controls =
        window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 9);
    for (qsizetype i = 0; i < controls.size(); ++i) {
      QVERIFY(window.rect().contains(controls[i]->geometry()));
      for (qsizetype j = i + 1; j < controls.size(); ++j) {
        QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                 qPrintable(controls[i]->objectName() + " overlaps " +
                            controls[j]->objectName()));
      }
    }
  }

  void colours() {
    frmAbout window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.pixelColor(100, 163), QColor(128, 128, 128));
    QCOMPARE(shot.pixelColor(100, 164), QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(100, 165), QColor(255, 255, 255));

    const QColor black(0, 0, 0);
    const QColor system_text =
        QApplication::palette().color(QPalette::WindowText);
    for (const char* name : {"lblDescription", "lblTitle", "lblDisclaimer"}) {
      QCOMPARE(Child(window, name)->palette().color(QPalette::WindowText),
               black);
    }
    for (const char* name : {"lblVersion", "Label1"}) {
      QCOMPARE(Child(window, name)->palette().color(QPalette::WindowText),
               system_text);
    }
    // No control or the window sets a background of its own.
    const QColor dialog = QApplication::palette().color(QPalette::Window);
    QCOMPARE(window.palette().color(QPalette::Window), dialog);
    for (QWidget* child : window.findChildren<QWidget*>()) {
      QCOMPARE(child->palette().color(QPalette::Window), dialog);
    }
  }

  // The first frame is shown still, inside the sunken border, and the
  // dialog's background shows through its transparent pixels.
  void pictureShowsFirstFrame() {
    frmAbout window;
    auto* picture = Child<QLabel>(window, "picIcon");
    QCOMPARE(picture->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(picture->lineWidth(), 2);
    QCOMPARE(picture->focusPolicy(), Qt::StrongFocus);
    const QPixmap pixmap = picture->pixmap();
    QCOMPARE(pixmap.size(), QSize(48, 48));
    QVERIFY(pixmap.hasAlphaChannel());
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 48, 48));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = picture->grab().toImage();
    const QColor dialog = window.palette().color(QPalette::Window);
    QCOMPARE(shot.pixelColor(2, 2), dialog);     // transparent corner
    QVERIFY(shot.pixelColor(26, 26) != dialog);  // the diskette's label
  }

  // Each opening builds the window afresh and shows the same content.
  void secondOpeningShowsTheSameContent() {
    QImage first_shot;
    QStringList first_texts;
    QPointer<QWidget> first_ok;
    for (int opening = 0; opening < 2; ++opening) {
      frmAbout window;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      QStringList texts{window.windowTitle()};
      for (const char* name : kLabels) texts << LabelText(window, name);
      const QImage shot = window.grab().toImage();
      QTest::keyClick(&window, Qt::Key_Escape);
      QVERIFY(!window.isVisible());
      if (opening == 0) {
        first_shot = shot;
        first_texts = texts;
        first_ok = Child(window, "cmdOK");
      } else {
        QCOMPARE(texts, first_texts);
        QCOMPARE(shot, first_shot);
      }
    }
    QVERIFY2(first_ok.isNull(), "the first window outlived its opening");
  }

  void accessibleNames() {
    frmAbout window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto name_of = [&](const char* control) {
      QAccessibleInterface* iface =
          QAccessible::queryAccessibleInterface(Child(window, control));
      return iface != nullptr ? iface->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name_of("picIcon"), QStringLiteral("Program picture"));
    QCOMPARE(name_of("cmdOK"), QStringLiteral("OK"));
    for (const char* label : kLabels) {
      QCOMPARE(name_of(label), LabelText(window, label));
      QVERIFY(!name_of(label).isEmpty());
    }
  }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
