// The About window: its load step, what closes it, its fixed layout, its
// picture and what assistive technology reads from it.
#include <QAccessible>
#include <QApplication>
#include <QByteArray>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "about_picture.h"
#include "ui/about/frm_about.h"

namespace {

const char kTitle[] = "Tolvane's Mensurex 2";
const char* const kLabels[] = {"Label1", "lblDescription", "lblTitle",
                               "lblVersion", "lblDisclaimer"};

QWidget* Child(const QWidget& window, const char* name) {
  return window.findChild<QWidget*>(QString::fromLatin1(name));
}

QString Text(const QWidget& window, const char* label) {
  const auto* widget = window.findChild<QLabel*>(QString::fromLatin1(label));
  return widget != nullptr ? widget->text() : QStringLiteral("<missing>");
}

// Opens `window` modally and calls `act` once it is active. True if the
// window then finished, once, and is hidden.
bool OpenAndAct(frmAbout& window, const std::function<void()>& act) {
  const QSignalSpy finished(&window, &QDialog::finished);
  window.open();
  if (!QTest::qWaitForWindowActive(&window) || !window.isModal()) return false;
  act();
  return finished.size() == 1 && !window.isVisible();
}

}  // namespace

class AboutWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void loadStepWritesTheTitle() {
    frmAbout window;
    QCOMPARE(window.windowTitle(), QStringLiteral("About ") + kTitle);
    QCOMPARE(Text(window, "lblTitle"), QString::fromLatin1(kTitle));
    QCOMPARE(Text(window, "lblVersion"), QStringLiteral("Version 2.0"));
    QCOMPARE(Text(window, "lblDescription"),
             QStringLiteral("The Mensurex was developed as a simple tool to "
                            "quickly and easily calculate bytes, kilobytes, "
                            "megabytes, gigabytes, terabytes, petabytes and "
                            "exabytes."));
    // The address and the disclaimer name no real site or person.
    QVERIFY(Text(window, "Label1").contains(QStringLiteral("example.org")));
    QVERIFY(
        Text(window, "lblDisclaimer").contains(QStringLiteral("@example.org")));

    frmAbout other(QStringLiteral("Other"), nullptr);
    QCOMPARE(other.windowTitle(), QStringLiteral("About Other"));
    QCOMPARE(Text(other, "lblTitle"), QStringLiteral("Other"));
  }

  void closes_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");  // 0: click OK with the mouse; -1: close box
    for (const char* focus : {"cmdOK", "picIcon"}) {
      for (int key :
           {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape)}) {
        const QByteArray name =
            QByteArray(focus) + " key " + QByteArray::number(key, 16);
        QTest::newRow(name.constData()) << focus << key;
      }
    }
    QTest::newRow("OK clicked") << "cmdOK" << 0;
    QTest::newRow("close box") << "cmdOK" << -1;
  }

  void closes() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    frmAbout window;
    QWidget* focused = nullptr;
    const bool closed = OpenAndAct(window, [&] {
      auto* target = window.findChild<QWidget*>(focus);
      target->setFocus(Qt::TabFocusReason);
      focused = window.focusWidget();
      if (key > 0) {
        QTest::keyClick(target, Qt::Key(key));
      } else if (key == 0) {
        QTest::mouseClick(target, Qt::LeftButton);
      } else {
        window.close();
      }
    });
    QCOMPARE(focused, window.findChild<QWidget*>(focus));
    QVERIFY2(closed, "the window stayed open");
  }

  // Clicking the labels, the picture or the rule leaves the window open.
  void otherClicksDoNothing() {
    frmAbout window;
    bool still_open = true;
    QVERIFY(OpenAndAct(window, [&] {
      for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child == Child(window, "cmdOK")) continue;
        QTest::mouseClick(child, Qt::LeftButton, {}, child->rect().center());
        still_open = still_open && window.isVisible();
      }
      window.accept();
    }));
    QVERIFY(still_open);
  }

  void focusStartsOnOkAndTabsToThePicture() {
    frmAbout window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QWidget* ok = Child(window, "cmdOK");
    QWidget* picture = Child(window, "picIcon");
    QCOMPARE(window.focusWidget(), ok);
    for (QWidget* next : {picture, ok, picture}) {
      QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
      QCOMPARE(window.focusWidget(), next);
    }
    QTest::keyClick(window.focusWidget(), Qt::Key_Backtab);
    QCOMPARE(window.focusWidget(), ok);
  }

  void fixedLayout() {
    frmAbout window;
    QCOMPARE(window.minimumSize(), QSize(382, 237));
    QCOMPARE(window.maximumSize(), QSize(382, 237));
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(!(flags &
              (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    QCOMPARE(Child(window, "picIcon")->geometry(), QRect(16, 16, 52, 52));
    QCOMPARE(Child(window, "cmdOK")->geometry(), QRect(283, 192, 84, 23));
    QCOMPARE(Child(window, "lblDescription")->geometry(),
             QRect(70, 75, 259, 62));
    QCOMPARE(Child(window, "lblDisclaimer")->geometry(),
             QRect(17, 176, 258, 55));
    // A label never grows, so a text taller than its label would be cut off.
    for (const char* name : kLabels) {
      const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
      QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
    }
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

  // Right to left, the mirror image: each control at 382 - x - w, captions
  // at the right; back left to right, nothing has moved.
  void mirroredRightToLeft() {
    frmAbout window;
    const QList<QWidget*> controls =
        window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QHash<QWidget*, QRect> left_to_right;
    for (QWidget* control : controls) {
      left_to_right[control] = control->geometry();
    }
    QApplication::setLayoutDirection(Qt::RightToLeft);
    for (QWidget* control : controls) {
      QRect mirrored = left_to_right[control];
      mirrored.moveLeft(382 - mirrored.x() - mirrored.width());
      QCOMPARE(control->geometry(), mirrored);
      const auto* label = qobject_cast<QLabel*>(control);
      if (label != nullptr && !label->text().isEmpty()) {
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight | Qt::AlignAbsolute);
      }
    }
    QCOMPARE(Child(window, "picIcon")->geometry(), QRect(314, 16, 52, 52));
    QApplication::setLayoutDirection(Qt::LeftToRight);
    for (QWidget* control : controls) {
      QCOMPARE(control->geometry(), left_to_right[control]);
    }
  }

  // The etched rule, the text colours, and the picture's first frame with
  // the dialog's background showing through its transparent pixels.
  void drawing() {
    frmAbout window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    QCOMPARE(shot.pixelColor(100, 162),
             window.palette().color(QPalette::Window));
    QCOMPARE(shot.pixelColor(100, 163), QColor(128, 128, 128));
    QCOMPARE(shot.pixelColor(100, 164), QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(100, 165), QColor(255, 255, 255));

    const QColor system_text =
        QApplication::palette().color(QPalette::WindowText);
    for (const char* label : kLabels) {
      const bool black =
          QByteArray(label) != "lblVersion" && QByteArray(label) != "Label1";
      QCOMPARE(Child(window, label)->palette().color(QPalette::WindowText),
               black ? QColor(0, 0, 0) : system_text);
    }

    auto* picture = window.findChild<QLabel*>(QStringLiteral("picIcon"));
    QCOMPARE(picture->pixmap().size(), QSize(48, 48));
    QCOMPARE(picture->contentsRect(), QRect(2, 2, 48, 48));
    QCOMPARE(shot.pixelColor(18, 18), window.palette().color(QPalette::Window));
    QVERIFY(shot.pixelColor(42, 42) !=
            window.palette().color(QPalette::Window));
  }

  // The picture on the screen's own pixels: at 100 % the frame itself, at
  // 200 % (the test runs at both) each of its pixels a sharp square.
  void pictureIsSharpAtAnyScale() {
    frmAbout window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = Child(window, "picIcon")->grab().toImage();
    const int factor = qRound(shot.devicePixelRatio());
    QCOMPARE(shot.size(), QSize(52, 52) * factor);
    const QImage frame = mensurex::ui::AboutPictureFirstFrame();
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        if (qAlpha(frame.pixel(x, y)) != 255) continue;
        for (int d = 0; d < factor * factor; ++d) {
          QCOMPARE(shot.pixel((x + 2) * factor + d % factor,
                              (y + 2) * factor + d / factor),
                   frame.pixel(x, y));
        }
      }
    }
  }

  // Each opening builds the window afresh and shows the same content.
  void secondOpeningShowsTheSameContent() {
    QImage first_shot;
    QPointer<QWidget> first_window;
    for (int opening = 0; opening < 2; ++opening) {
      frmAbout window;
      window.show();
      QVERIFY(QTest::qWaitForWindowExposed(&window));
      const QImage shot = window.grab().toImage();
      QTest::keyClick(&window, Qt::Key_Escape);
      QVERIFY(!window.isVisible());
      QCOMPARE(window.windowTitle(), QStringLiteral("About ") + kTitle);
      if (opening == 0) {
        first_shot = shot;
        first_window = &window;
      } else {
        QCOMPARE(shot, first_shot);
      }
    }
    QVERIFY2(first_window.isNull(), "the first window outlived its opening");
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
      QVERIFY(!Text(window, label).isEmpty());
      QCOMPARE(name_of(label), Text(window, label));
    }
  }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
