// The main window through its controls, as a user drives it.
#include "ui/main/frm_main.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDropEvent>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <string_view>

#include "tests/shared/edge_case_rows.h"
#include "ui/shared/application_identity.h"

namespace {

const QColor kLightGreen(192, 255, 192);
const QColor kBlue(0, 0, 255);
const char* const kResultNames[] = {
    "txtByteResult", "txtKiloResult", "txtMegaResult", "txtGigaResult",
    "txtTeraResult", "txtPetaResult", "txtExaResult"};

// A fresh main window, shown and (normally) active.
class Window {
 public:
  Window() : active_(ShowAndWait(window_)) {}

  frmMain& operator*() { return window_; }
  frmMain* operator->() { return &window_; }
  bool active() const { return active_; }

  template <typename T>
  T* find(const QString& name) {
    return window_.findChild<T*>(name);
  }
  QLineEdit* entry() { return find<QLineEdit>(QStringLiteral("txtEntry")); }
  QRadioButton* unit(int index) {
    return find<QRadioButton>(QStringLiteral("optMeasure_%1").arg(index));
  }
  QPushButton* button(const char* name) {
    return find<QPushButton>(QString::fromLatin1(name));
  }
  QAction* action(const char* name) {
    return find<QAction>(QString::fromLatin1(name));
  }
  QStringList results() {
    QStringList texts;
    for (const char* name : kResultNames) {
      texts << find<QLineEdit>(QString::fromLatin1(name))->text();
    }
    return texts;
  }
  // Types `entry` over the current one, picks the unit, clicks Calculate.
  void Calculate(const QString& entry, int unit_index) {
    this->entry()->setText(entry);
    unit(unit_index)->setChecked(true);
    QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton);
  }

 private:
  static bool ShowAndWait(frmMain& window) {
    window.show();
    return QTest::qWaitForWindowActive(&window);
  }

  frmMain window_;
  bool active_;
};

QStringList Row(const char* a, const char* b, const char* c, const char* d,
                const char* e, const char* f, const char* g) {
  return {a, b, c, d, e, f, g};
}

QStringList TextsOf(const mensurex::testing::EdgeCaseRow& row) {
  QStringList texts;
  for (const char* text : row.texts) texts << text;
  return texts;
}

// The open modal message box, if any.
QMessageBox* OpenBox() {
  return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

// A message box as the user saw it (all empty when none was open).
struct Message {
  bool is_message_box = false;
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  bool modal = false;  // modal over the main window
};

// Reads the open message box, if any, and clicks its `answer` button.
Message Answer(QMessageBox::StandardButton answer = QMessageBox::Ok) {
  QMessageBox* box = OpenBox();
  if (box == nullptr) return {};
  Message message{
      true,
      box->text(),
      box->windowTitle(),
      box->icon(),
      box->standardButtons(),
      box->standardButton(box->defaultButton()),
      box->isModal() && qobject_cast<frmMain*>(box->parentWidget()) != nullptr};
  QTest::mouseClick(box->button(answer), Qt::LeftButton);
  return message;
}

// Stands in for the printer: records each job and lets the test say when
// and how it ends.
struct FakePrinter {
  int calls = 0;
  const QWidget* printed = nullptr;
  frmMain::PrintDone done;
  QPointer<QObject> job;

  frmMain::PrintJobStarter Starter() {
    return [this](const QWidget& window, QObject* parent,
                  frmMain::PrintDone on_done) -> QObject* {
      ++calls;
      printed = &window;
      done = std::move(on_done);
      job = new QObject(parent);
      return job;
    };
  }
};

// The results of 1 kilobyte.
const QStringList kOneKilobyte = TextsOf(mensurex::testing::kEdgeCaseRows[0]);

}  // namespace

class FrmMainTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithKilobytesEmptyBoxesAndFocusInEntry() {
    Window w;
    QVERIFY(w.active());
    QCOMPARE(w->windowTitle(), QStringLiteral("Mensurex"));
    QCOMPARE(w->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(QApplication::focusWidget(), w.entry());
    QVERIFY(w.entry()->text().isEmpty());
    QCOMPARE(w.results(), QStringList(7, QString()));
    for (int i = 0; i < 7; ++i) QCOMPARE(w.unit(i)->isChecked(), i == 1);
    QVERIFY(!w->windowIcon().isNull());
    QCOMPARE(w->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    QCOMPARE(w->centralWidget()->size(), QSize(416, 358));
    QVERIFY(OpenBox() == nullptr);
  }

  void everyControlHasItsName() {
    Window w;
    for (const char* name :
         {"txtEntry",      "frmSelect",     "cmdClear",      "cmdCalculate",
          "cmdPrintForm",  "cmdClose",      "optMeasure_0",  "optMeasure_1",
          "optMeasure_2",  "optMeasure_3",  "optMeasure_4",  "optMeasure_5",
          "optMeasure_6",  "txtByteResult", "txtMegaResult", "txtGigaResult",
          "lblEntry",      "lblResults",    "txtKiloResult", "lblKilobytes",
          "lblGigabytes",  "lblMegabytes",  "lblBytes",      "txtTeraResult",
          "txtPetaResult", "txtExaResult",  "lblTeraBytes",  "lblPetaBytes",
          "lblExaBytes"}) {
      QVERIFY2(w.find<QWidget>(QString::fromLatin1(name)), name);
    }
    for (const char* name : {"mnuFile", "mnuHelp"}) {
      QVERIFY2(w.find<QMenu>(QString::fromLatin1(name)), name);
    }
    QStringList items;
    for (const char* menu : {"mnuFile", "mnuHelp"}) {
      for (QAction* action : w.find<QMenu>(menu)->actions()) {
        items << action->objectName();
      }
    }
    QCOMPARE(items, QStringList({"mnuCalculate", "mnuPrintForm", "mnuExit",
                                 "mnuInstructions", "mnuAbout"}));
  }

  void controlsSitAtTheirTwipPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("entry") << "txtEntry" << QRect(160, 32, 105, 19);
    QTest::newRow("entry label") << "lblEntry" << QRect(32, 32, 129, 19);
    QTest::newRow("frame") << "frmSelect" << QRect(288, 16, 97, 185);
    QTest::newRow("exabytes button, in the frame")
        << "optMeasure_6" << QRect(8, 160, 73, 17);
    QTest::newRow("calculate") << "cmdCalculate" << QRect(176, 88, 81, 49);
    QTest::newRow("close") << "cmdClose" << QRect(296, 304, 81, 33);
    QTest::newRow("bytes result") << "txtByteResult" << QRect(16, 176, 180, 24);
    QTest::newRow("exabytes result")
        << "txtExaResult" << QRect(16, 320, 180, 24);
    QTest::newRow("exabytes label") << "lblExaBytes" << QRect(208, 328, 65, 19);
  }
  void controlsSitAtTheirTwipPositions() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    Window w;
    QCOMPARE(w.find<QWidget>(name)->geometry(), geometry);
    // Enlarging the window moves nothing.
    w->resize(w->width() + 200, w->height() + 150);
    QApplication::processEvents();
    QCOMPARE(w.find<QWidget>(name)->geometry(), geometry);
  }

  // Right to left, every control sits at the mirror image of its place,
  // captions at the right and menus from the right, while the text boxes
  // keep numbers left to right; back left to right, nothing has moved.
  void mirroredRightToLeft() {
    Window w;
    QWidget* frame = w.find<QWidget>(QStringLiteral("frmSelect"));
    QList<QWidget*> controls =
        w->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    controls += frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(), 29);
    QHash<QWidget*, QRect> left_to_right;
    for (QWidget* control : controls) {
      left_to_right[control] = control->geometry();
    }
    const auto mirror = [frame](QWidget* control, QRect place) {
      const int width = control->parentWidget() == frame ? 97 : 416;
      place.moveLeft(width - place.x() - place.width());
      return place;
    };

    QApplication::setLayoutDirection(Qt::RightToLeft);
    frmMain built_mirrored;
    for (QWidget* control : controls) {
      const QString name = control->objectName();
      QCOMPARE(control->geometry(), mirror(control, left_to_right[control]));
      QCOMPARE(built_mirrored.findChild<QWidget*>(name)->geometry(),
               control->geometry());
      if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight | Qt::AlignAbsolute);
      }
      if (qobject_cast<QLineEdit*>(control) != nullptr) {
        QCOMPARE(control->layoutDirection(), Qt::LeftToRight);
      }
    }
    QMenuBar* bar = w->menuBar();
    QVERIFY(bar->actionGeometry(w.find<QMenu>("mnuFile")->menuAction()).left() >
            bar->actionGeometry(w.find<QMenu>("mnuHelp")->menuAction()).left());
    // The frame's caption at its top right: ink there, none at the left.
    const QImage caption = frame->grab().toImage().copy(0, 0, 97, 8);
    const auto ink_in = [&caption](int from, int to) {
      for (int x = from; x < to; ++x) {
        for (int y = 0; y < caption.height(); ++y) {
          if (qGray(caption.pixel(x, y)) < 100) return true;
        }
      }
      return false;
    };
    QVERIFY(ink_in(48, 90));
    QVERIFY(!ink_in(2, 20));

    QApplication::setLayoutDirection(Qt::LeftToRight);
    for (QWidget* control : controls) {
      QCOMPARE(control->geometry(), left_to_right[control]);
    }
  }

  void colorsAndBackgrounds() {
    Window w;
    w.Calculate("1", 1);
    w->resize(w->width() + 40, w->height() + 40);
    QApplication::processEvents();
    const QImage image = w->centralWidget()->grab().toImage();
    const auto pixel = [&image](int x, int y) {
      return image.pixelColor(x, y);
    };
    QCOMPARE(pixel(5, 5), kLightGreen);                    // window
    QCOMPARE(pixel(430, 380), kLightGreen);                // area uncovered
    QCOMPARE(pixel(288 + 50, 16 + 175), kLightGreen);      // inside the frame
    QCOMPARE(pixel(288 + 8 + 70, 16 + 24), kLightGreen);   // beside "Bytes"
    QCOMPARE(pixel(32 + 2, 32 + 17), kLightGreen);         // entry label
    QCOMPARE(pixel(208 + 60, 176 + 12 + 2), kLightGreen);  // "Bytes" label
    // Result text is blue.
    const QImage result = w.find<QLineEdit>("txtByteResult")->grab().toImage();
    bool blue_text = false;
    for (int y = 0; y < result.height() && !blue_text; ++y) {
      for (int x = 0; x < result.width() && !blue_text; ++x) {
        blue_text = result.pixelColor(x, y) == kBlue;
      }
    }
    QVERIFY(blue_text);
  }

  void tabOrder() {
    Window w;
    QStringList visited;
    for (int i = 0; i < 13; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(
        visited,
        QStringList({"cmdClear", "cmdCalculate", "cmdPrintForm", "cmdClose",
                     "optMeasure_1", "txtByteResult", "txtKiloResult",
                     "txtMegaResult", "txtGigaResult", "txtTeraResult",
                     "txtPetaResult", "txtExaResult", "txtEntry"}));
  }

  void accessibleNames() {
    Window w;
    const auto name_of = [&w](const QString& object_name) {
      QAccessibleInterface* iface =
          QAccessible::queryAccessibleInterface(w.find<QWidget>(object_name));
      return iface ? iface->text(QAccessible::Name) : QString();
    };
    QCOMPARE(name_of("txtEntry"), QStringLiteral("Number to convert"));
    QCOMPARE(name_of("txtByteResult"), QStringLiteral("Result in bytes"));
    QCOMPARE(name_of("txtExaResult"), QStringLiteral("Result in exabytes"));
    QCOMPARE(name_of("optMeasure_3"), QStringLiteral("Gigabytes"));
    QCOMPARE(name_of("cmdCalculate"), QStringLiteral("Calculate"));
    QCOMPARE(name_of("frmSelect"), QStringLiteral("Entry Criteria"));
    // Every control speaks a name.
    for (QWidget* child : w->centralWidget()->findChildren<QWidget*>()) {
      if (child->objectName().isEmpty()) continue;  // style-internal widgets
      QVERIFY2(!name_of(child->objectName()).isEmpty(),
               qPrintable(child->objectName()));
    }
  }

  void calculateFromEveryTrigger_data() {
    QTest::addColumn<QString>("trigger");
    for (const char* trigger :
         {"button", "menu", "Return", "keypad Enter", "Shift+Return",
          "Ctrl+Return", "Return on a unit button",
          "keypad Enter on a unit button", "Ctrl+Shift+Return on a unit button",
          "Alt+A"}) {
      QTest::newRow(trigger) << trigger;
    }
  }
  void calculateFromEveryTrigger() {
    QFETCH(QString, trigger);
    Window w;
    QVERIFY(w.active());
    QTest::keyClicks(w.entry(), "1");
    if (trigger == "button") {
      QTest::mouseClick(w.button("cmdCalculate"), Qt::LeftButton);
    } else if (trigger == "menu") {
      w.action("mnuCalculate")->trigger();
    } else if (trigger == "Return") {
      QTest::keyClick(w.entry(), Qt::Key_Return);
    } else if (trigger == "keypad Enter") {
      QTest::keyClick(w.entry(), Qt::Key_Enter, Qt::KeypadModifier);
    } else if (trigger == "Shift+Return") {
      QTest::keyClick(w.entry(), Qt::Key_Return, Qt::ShiftModifier);
    } else if (trigger == "Ctrl+Return") {
      QTest::keyClick(w.entry(), Qt::Key_Return, Qt::ControlModifier);
    } else if (trigger == "Return on a unit button") {
      w.unit(1)->setFocus();
      QTest::keyClick(w.unit(1), Qt::Key_Return);
    } else if (trigger == "keypad Enter on a unit button") {
      w.unit(1)->setFocus();
      QTest::keyClick(w.unit(1), Qt::Key_Enter, Qt::KeypadModifier);
    } else if (trigger == "Ctrl+Shift+Return on a unit button") {
      w.unit(1)->setFocus();
      QTest::keyClick(w.unit(1), Qt::Key_Return,
                      Qt::ControlModifier | Qt::ShiftModifier);
    } else if (trigger == "Alt+A") {
      QTest::keyClick(w->windowHandle(), Qt::Key_A, Qt::AltModifier);
    }
    // An access key presses its button after a short animation.
    QTRY_COMPARE(w.results(), kOneKilobyte);
    QVERIFY(OpenBox() == nullptr);
  }

  void resultTable_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("expected");
    for (const mensurex::testing::EdgeCaseRow& row :
         mensurex::testing::kEdgeCaseRows) {
      QTest::newRow(row.name)
          << row.entry << mensurex::UnitIndex(row.unit) << TextsOf(row);
    }
    for (int unit = 0; unit < 7; ++unit) {
      QTest::addRow("0 in unit %d", unit)
          << "0" << unit << Row("0", "0", "0", "0", "0", "0", "0");
    }
  }
  void resultTable() {
    QFETCH(QString, entry);
    QFETCH(int, unit);
    QFETCH(QStringList, expected);
    Window w;
    w.Calculate(entry, unit);
    QCOMPARE(w.results().first(), expected.first());
    QCOMPARE(w.results().last(), expected.last());
    QCOMPARE(w.results(), expected);
    // A long result shows its leading digits.
    QCOMPARE(w.find<QLineEdit>("txtExaResult")->cursorPosition(), 0);
    QVERIFY(OpenBox() == nullptr);
  }

  void refusesANonNumericEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("from_unit_button");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("abc") << "abc" << false;
    QTest::newRow("abc, Enter on a unit button") << "abc" << true;
    QTest::newRow("blanks") << "   " << false;
  }
  void refusesANonNumericEntry() {
    QFETCH(QString, entry);
    QFETCH(bool, from_unit_button);
    Window w;
    QVERIFY(w.active());
    w.Calculate("1", 1);
    w.entry()->setText(entry);
    w.unit(4)->setChecked(true);
    if (from_unit_button) {
      w.unit(4)->setFocus();
      QTest::keyClick(w.unit(4), Qt::Key_Return);
    } else {
      QTest::mouseClick(w.button("cmdCalculate"), Qt::LeftButton);
    }
    // The entry is selected once the message has gone.
    QVERIFY(OpenBox() != nullptr);
    QVERIFY(!w.entry()->hasSelectedText());
    const Message message = Answer();
    QVERIFY(message.is_message_box);
    QCOMPARE(message.text,
             QStringLiteral("You must enter a valid numeric amount ."));
    QCOMPARE(message.caption, QStringLiteral("Tolvane's Mensurex 2"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(message.modal);
    QTRY_COMPARE(QApplication::focusWidget(), w.entry());
    QVERIFY(OpenBox() == nullptr);
    QCOMPARE(w.entry()->text(), entry);
    QCOMPARE(w.entry()->selectedText(), entry);
    QCOMPARE(w.entry()->cursorPosition(), entry.size());
    if (!entry.isEmpty()) QCOMPARE(w.entry()->selectionStart(), 0);
    QCOMPARE(w.results(), kOneKilobyte);
    QVERIFY(w.unit(4)->isChecked());
  }

  // Too large an amount keeps the program running and the results on view.
  void overflowKeepsResultsAndSelectsEntry_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("unit");
    QTest::newRow("2^36 exabytes") << "68719476736" << 6;
    QTest::newRow("8E28 bytes") << "8E28" << 0;
    QTest::newRow("beyond the double range") << "1E400" << 1;
    QTest::newRow("negative") << "-1E300" << 2;
    // As long as the entry can be.
    QTest::newRow("32767 digits") << QString(32767, '9') << 0;
  }
  void overflowKeepsResultsAndSelectsEntry() {
    QFETCH(QString, entry);
    QFETCH(int, unit);
    Window w;
    QVERIFY(w.active());
    w.Calculate("1", 1);
    w.Calculate(entry, unit);
    const Message message = Answer();
    QVERIFY(message.is_message_box);
    QCOMPARE(message.text,
             QStringLiteral("The amount is too large to convert."));
    QCOMPARE(message.caption, QStringLiteral("Tolvane's Mensurex 2"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(w.results(), kOneKilobyte);
    QTRY_COMPARE(QApplication::focusWidget(), w.entry());
    QCOMPARE(w.entry()->selectedText(), entry);
    QVERIFY(w->isVisible());
  }

  void changingTheUnitOrEntryLeavesResults() {
    Window w;
    w.Calculate("1", 1);
    w.unit(6)->setChecked(true);
    QTest::keyClicks(w.entry(), "99");
    QCOMPARE(w.results(), kOneKilobyte);
    for (int i = 0; i < 7; ++i) QCOMPARE(w.unit(i)->isChecked(), i == 6);
  }

  void clearAllEmptiesBoxesAndKeepsUnit() {
    Window w;
    QVERIFY(w.active());
    w.Calculate("1", 5);
    QTest::mouseClick(w.button("cmdClear"), Qt::LeftButton);
    QVERIFY(w.entry()->text().isEmpty());
    QCOMPARE(w.results(), QStringList(7, QString()));
    QVERIFY(w.unit(5)->isChecked());
    QCOMPARE(QApplication::focusWidget(), w.entry());
    QVERIFY(OpenBox() == nullptr);
  }

  // Clear All leaves nothing to undo: Ctrl+Z brings no text back.
  void clearAllLeavesNoUndoHistory() {
    Window w;
    QVERIFY(w.active());
    QApplication::clipboard()->setText(QString(32767, QLatin1Char('7')));
    w.entry()->setFocus();
    QTest::keyClick(w.entry(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.entry()->text().size(), 32767);
    QTest::mouseClick(w.button("cmdClear"), Qt::LeftButton);
    QTest::keyClick(w.entry(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(w.entry()->text().isEmpty());
    QVERIFY(!w.entry()->isUndoAvailable());
  }

  void resultBoxesAreReadOnlyButCopyable() {
    Window w;
    QVERIFY(w.active());
    w.Calculate("1", 1);
    auto* box = w.find<QLineEdit>("txtByteResult");
    box->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("999"));
    box->selectAll();
    QTest::keyClicks(box, "77");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->text(), QStringLiteral("1024"));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1024"));
  }

  void noDefaultButtonAndEscapeDoesNothing() {
    Window w;
    QVERIFY(w.active());
    for (QPushButton* button : w->findChildren<QPushButton*>()) {
      QVERIFY(!button->autoDefault());
      QVERIFY(!button->isDefault());
    }
    w.Calculate("5", 1);
    const QStringList before = w.results();
    QTest::keyClick(w.entry(), Qt::Key_Escape);
    w.unit(1)->setFocus();
    QTest::keyClick(w.unit(1), Qt::Key_Escape);
    QTest::keyClick(&*w, Qt::Key_Escape);
    QTest::keyClick(w.entry(), Qt::Key_X);  // other keys run nothing
    QCOMPARE(w.results(), before);
    QVERIFY(w->isVisible());
    QVERIFY(OpenBox() == nullptr);
  }

  void instructions() {
    Window w;
    w.Calculate("1", 1);
    w.action("mnuInstructions")->trigger();
    const Message message = Answer();
    QVERIFY(message.is_message_box);
    QCOMPARE(message.text.size(), 494);
    QVERIFY(message.text.startsWith(
        "To use the Mensurex, simply add a numberical value in the ENTER "
        "NUMBER TO CONVERT box. Select the appropriate"));
    QVERIFY(message.text.contains("gigabytess were in 100 megabytes, simply"));
    QVERIFY(message.text.endsWith(
        " then click CALCULATE.  View the results in the RESULTS section."));
    QVERIFY(!message.text.contains('\n'));
    QCOMPARE(message.caption, QStringLiteral("Tolvane's Mensurex 2"));
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QVERIFY(message.modal);
    QCOMPARE(w.results(), kOneKilobyte);
  }

  // While a job runs the window shows the busy cursor and takes no input;
  // a failure, or a page that may have printed, shows one message, whatever
  // closes it; afterwards the window, its focus and the entry's selection
  // are as they were.
  void printFailureIsReportedOnce_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("uncertain");
    QTest::newRow("button, OK") << "button" << int(QMessageBox::Ok) << false;
    QTest::newRow("menu, Cancel")
        << "menu" << int(QMessageBox::Cancel) << false;
    QTest::newRow("Alt+P, OK") << "Alt+P" << int(QMessageBox::Ok) << false;
    QTest::newRow("may have printed, menu")
        << "menu" << int(QMessageBox::Ok) << true;
  }
  void printFailureIsReportedOnce() {
    QFETCH(QString, trigger);
    QFETCH(int, answer);
    QFETCH(bool, uncertain);
    Window w;
    QVERIFY(w.active());
    FakePrinter printer;
    w->set_print_job_starter(printer.Starter());
    w.Calculate("1", 1);
    w.entry()->setText("abc");
    w.entry()->setFocus();
    w.entry()->setSelection(3, -2);
    if (trigger == "button") {
      QTest::mouseClick(w.button("cmdPrintForm"), Qt::LeftButton);
    } else if (trigger == "menu") {
      w.action("mnuPrintForm")->trigger();
    } else {
      QTest::keyClick(w->windowHandle(), Qt::Key_P, Qt::AltModifier);
    }
    QTRY_COMPARE(printer.calls, 1);
    QCOMPARE(printer.printed, &*w);
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(!w.button("cmdClear")->isEnabled() && !w->menuBar()->isEnabled());
    QVERIFY(OpenBox() == nullptr);

    printer.done(uncertain ? mensurex::ui::PrintOutcome::kMayHavePrinted
                           : mensurex::ui::PrintOutcome::kFailed);
    const Message message =
        Answer(static_cast<QMessageBox::StandardButton>(answer));
    QVERIFY(message.is_message_box);
    QCOMPARE(
        message.text,
        uncertain
            ? QStringLiteral("The page may have printed: the printer "
                             "did not answer in time. Check the "
                             "printer before you print again.")
            : QStringLiteral("There has been an error printing this form."));
    QCOMPARE(message.caption, QStringLiteral("Tolvane's Mensurex 2"));
    QCOMPARE(message.buttons,
             uncertain ? QMessageBox::StandardButtons(QMessageBox::Ok)
                       : QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(message.default_button, QMessageBox::Ok);
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QVERIFY(message.modal);
    QTRY_VERIFY(printer.job.isNull());
    QVERIFY(OpenBox() == nullptr);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(w.button("cmdClear")->isEnabled() && w->menuBar()->isEnabled());
    QCOMPARE(w.entry()->text(), QStringLiteral("abc"));
    QCOMPARE(w.results(), kOneKilobyte);
    // A click gives the button the focus; the other triggers leave it.
    if (trigger == "button") {
      QTRY_COMPARE(QApplication::focusWidget(), w.button("cmdPrintForm"));
    } else {
      QTRY_COMPARE(QApplication::focusWidget(), w.entry());
      QCOMPARE(w.entry()->selectedText(), QStringLiteral("bc"));
      QCOMPARE(w.entry()->cursorPosition(), 1);
    }
  }

  void successfulPrintShowsNothing() {
    Window w;
    FakePrinter printer;
    w->set_print_job_starter(printer.Starter());
    QTest::mouseClick(w.button("cmdPrintForm"), Qt::LeftButton);
    printer.done(mensurex::ui::PrintOutcome::kPrinted);
    w.action("mnuPrintForm")->trigger();
    printer.done(mensurex::ui::PrintOutcome::kPrinted);
    QCOMPARE(printer.calls, 2);
    QVERIFY(OpenBox() == nullptr);
    QVERIFY(w.button("cmdPrintForm")->isEnabled());
  }

  // Input while the job runs does not act, even once it has ended; a close
  // asked for meanwhile follows the failure message instead of cutting it
  // off.
  void pendingPrintTakesNoInputAndDefersClose() {
    Window w;
    QVERIFY(w.active());
    w.Calculate("1", 1);
    FakePrinter printer;
    w->set_print_job_starter(printer.Starter());
    QTest::mouseClick(w.button("cmdPrintForm"), Qt::LeftButton);
    // As the window system delivers them: a click on Clear All, a key for
    // the entry, Alt+P for a second print; then the desktop's close.
    QWindow* const window = w->windowHandle();
    QPushButton* const clear = w.button("cmdClear");
    QTest::mouseClick(window, Qt::LeftButton, {},
                      clear->mapTo(&*w, clear->rect().center()));
    QTest::keyClick(window, Qt::Key_9);
    QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(window, Qt::Key_F, Qt::AltModifier);
    QTest::qWait(50);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    window->close();
    QApplication::processEvents();
    QVERIFY(w->isVisible());
    printer.done(mensurex::ui::PrintOutcome::kFailed);
    QVERIFY(w->isVisible());
    QVERIFY(Answer().is_message_box);
    QTRY_VERIFY(!w->isVisible());
    QCOMPARE(printer.calls, 1);
    QCOMPARE(w.entry()->text(), QStringLiteral("1"));
    QCOMPARE(w.results(), kOneKilobyte);
  }

  // A paste or drop that would pass the entry's limit leaves the entry as
  // it was and says why; one that fits is taken whole; typing at the limit
  // says nothing.
  void overlongInsertIsRefused_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Ctrl+V", "context menu", "drop"}) {
      QTest::newRow(way) << way;
    }
  }
  void overlongInsertIsRefused() {
    QFETCH(QString, way);
    Window w;
    QVERIFY(w.active());
    QLineEdit* entry = w.entry();
    const auto insert = [&](const QString& text) {
      QApplication::clipboard()->setText(text);
      if (way == "Ctrl+V") {
        QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
      } else if (way == "context menu") {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                entry->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(entry, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->font(), w->font());
        for (QAction* action : menu->actions()) {
          if (action->text().startsWith(QLatin1String("&Paste"))) {
            action->trigger();
          }
        }
        menu->close();
      } else {
        // A source that moves its text deletes it if the move is accepted.
        QMimeData data;
        data.setText(text);
        const QPoint at(entry->width() - 2, 5);
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(entry, &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
        QApplication::sendEvent(entry, &move);
        QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
        QDragLeaveEvent leave;
        QCursor::setPos(entry->mapToGlobal(at));
        QApplication::sendEvent(
            entry, move.isAccepted() ? static_cast<QEvent*>(&drop) : &leave);
        QCOMPARE(drop.isAccepted(), move.isAccepted());
      }
    };
    entry->setText(QStringLiteral("12"));
    entry->setCursorPosition(2);
    insert(QString(40000, QLatin1Char('0')));
    QTRY_VERIFY(OpenBox() != nullptr);
    const Message message = Answer();
    QVERIFY(message.is_message_box);
    QCOMPARE(message.text,
             QStringLiteral("The text was not pasted: the entry holds at "
                            "most 32767 characters."));
    QVERIFY(message.modal);
    QCOMPARE(entry->text(), QStringLiteral("12"));

    insert(QString(32765, QLatin1Char('0')));
    QVERIFY(OpenBox() == nullptr);
    QCOMPARE(entry->text().size(), 32767);
    QTest::keyClick(entry, Qt::Key_5);
    QCoreApplication::processEvents();
    QVERIFY(OpenBox() == nullptr);
  }

  // File > Exit closes the window as Close does, so that a print still
  // running ends as it would.
  void closeButtonAltCAndExitCloseTheWindow() {
    for (const char* way : {"click", "Alt+C", "Exit"}) {
      Window w;
      QVERIFY(w.active());
      if (way == std::string_view("Alt+C")) {
        QTest::keyClick(w->windowHandle(), Qt::Key_C, Qt::AltModifier);
      } else if (way == std::string_view("Exit")) {
        w.action("mnuExit")->trigger();
      } else {
        QTest::mouseClick(w.button("cmdClose"), Qt::LeftButton);
      }
      QTRY_VERIFY(!w->isVisible());
      QVERIFY(OpenBox() == nullptr);
    }
  }

  void exitEndsTheEventLoop() {
    Window w;
    QTimer::singleShot(0, &*w, [&w] { w.action("mnuExit")->trigger(); });
    // Fails rather than hangs should Exit not end the loop.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    QCOMPARE(QCoreApplication::exec(), 0);
  }

  // The running program reports its name and version; its icon has a
  // transparent background.
  void applicationIdentity() {
    mensurex::ui::ApplyApplicationIdentity();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Mensurex2"));
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral("2.0.0"));
    const QImage icon(QStringLiteral(":/mensurex/icon/mensurex.xpm"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(16, 0).alpha(), 255);
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
  }
};

QTEST_MAIN(FrmMainTest)
#include "frm_main_test.moc"
