// The main window's Print Form command, by button and by menu, against a real
// CUPS scheduler: one job showing the window, or exactly one failure message,
// and the window left as it was.
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "cups_sandbox.h"
#include "pdf_readback.h"
#include "stalling_proxy.h"
#include "tests/ui/support/modal_catcher.h"
#include "ui/main/frm_main.h"
#include "ui/shared/application_identity.h"

using mensurex::testing::CentredArea;
using mensurex::testing::CupsSandbox;
using mensurex::testing::FindColour;
using mensurex::testing::Ink;
using mensurex::testing::ModalCatcher;
using mensurex::testing::RenderPdfPage;
using mensurex::testing::StallingProxy;

namespace {

constexpr QRgb kLightGreen = qRgb(192, 255, 192);
constexpr char kFailureMessage[] =
    "There has been an error printing this form.";

// The longest the event loop went without running a timer while it lived:
// how long the window could not have painted or answered the desktop.
class LongestPause : public QObject {
 public:
  LongestPause() {
    connect(&timer_, &QTimer::timeout, this, &LongestPause::Tick);
    timer_.start(20);
    since_.start();
  }
  qint64 ms() const { return longest_; }

 private:
  void Tick() { longest_ = qMax(longest_, since_.restart()); }

  QTimer timer_;
  QElapsedTimer since_;
  qint64 longest_ = 0;
};

// Everything of the window that printing must leave alone.
struct WindowState {
  QString entry, selected, focus, title;
  int selection_start = 0, cursor = 0, unit = 0;
  QStringList results;
  QSize size;
  bool operator==(const WindowState&) const = default;
};

}  // namespace

class PrintCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    mensurex::ui::ApplyApplicationIdentity();
    QVERIFY(sandbox_->IsValid());
    window_.show();
    window_.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));

    // A finished conversion of 12345678 megabytes, then an entry that was
    // typed afterwards, partly selected.
    Find<QRadioButton>("optMeasure_2")->setChecked(true);
    Entry()->setText("12345678");
    Find<QPushButton>("cmdCalculate")->click();
    QVERIFY(!Find<QLineEdit>("txtKiloResult")->text().isEmpty());
    Entry()->setText("87654321");
    Entry()->setFocus();
    Entry()->setSelection(2, 3);
    QTRY_VERIFY(Entry()->hasFocus());
  }

  void init() {
    QVERIFY2(sandbox_->Start(), sandbox_->ErrorLog().constData());
    QVERIFY(sandbox_->AddPdfQueue());
    QVERIFY(sandbox_->WaitForIdle());
    jobs_before_ = sandbox_->JobCount();
    QVERIFY(jobs_before_ >= 0);
    before_ = Snapshot();
  }

  void cleanup() {
    // Focus comes back to the window once a message box has gone.
    (void)QTest::qWaitFor([&] { return Snapshot() == before_; }, 2000);
    const WindowState after = Snapshot();
    QCOMPARE(after.entry, before_.entry);
    QCOMPARE(after.selected, before_.selected);
    QCOMPARE(after.selection_start, before_.selection_start);
    QCOMPARE(after.cursor, before_.cursor);
    QCOMPARE(after.focus, before_.focus);
    QCOMPARE(after.unit, before_.unit);
    QCOMPARE(after.results, before_.results);
    QCOMPARE(after.title, before_.title);
    QCOMPARE(after.size, before_.size);
  }

  void cleanupTestCase() { sandbox_.reset(); }

  void printsTheWindowWithoutAMessage_data() { AddTriggers(); }

  void printsTheWindowWithoutAMessage() {
    QFETCH(bool, by_menu);
    const ModalCatcher modals;
    const LongestPause pause;
    Trigger(by_menu);
    QVERIFY(modals.seen().empty());
    QVERIFY2(pause.ms() < kLongestPauseMs,
             qPrintable(QString::number(pause.ms())));

    QCOMPARE(sandbox_->JobCount(), jobs_before_ + 1);
    QVERIFY(sandbox_->WaitForIdle());
    // At 96 dpi the page shows the window at its on-screen size, centred,
    // its client area light green.
    const QImage page = RenderPdfPage(sandbox_->OutputPath(), 96);
    QVERIFY(!page.isNull());
    const auto green = FindColour(page, kLightGreen);
    const QSize size = window_.size();
    QVERIFY2(green.pixels > size.width() * size.height() / 2,
             qPrintable(QString::number(green.pixels)));
    QVERIFY(qAbs(green.bounds.width() - size.width()) <= 2);
    QVERIFY(qAbs(green.bounds.center().x() - page.rect().center().x()) <= 2);
    // Below the menu bar the window is green down to its bottom edge.
    QVERIFY(qAbs(green.bounds.bottom() - (page.height() + size.height()) / 2) <=
            2);

    // The entry and the results are printed as the screen shows them: as
    // much ink in each box on paper as on screen.
    const QImage printed = CentredArea(page, size);
    const QImage screen = window_.grab().toImage();
    for (const char* name : {"txtEntry", "txtKiloResult", "txtExaResult"}) {
      const auto* box = Find<QLineEdit>(name);
      // Inside the frame, which would otherwise outweigh the digits.
      const QRect area = QRect(box->mapTo(&window_, QPoint(0, 0)), box->size())
                             .adjusted(3, 3, -3, -3);
      const qint64 on_screen = Ink(screen, area);
      const qint64 on_paper = Ink(printed, area);
      QVERIFY2(on_screen > 0, name);
      QVERIFY2(
          qAbs(on_paper - on_screen) <= on_screen / 5,
          qPrintable(
              QString("%1: %2 vs %3").arg(name).arg(on_paper).arg(on_screen)));
    }
  }

  void reportsAFailureOnce_data() {
    QTest::addColumn<bool>("by_menu");
    QTest::addColumn<int>("setup");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    for (const bool by_menu : {false, true}) {
      const char* trigger = by_menu ? "menu" : "button";
      // OK by button, Cancel by menu: the answer must make no difference.
      const auto answer = by_menu ? QMessageBox::Cancel : QMessageBox::Ok;
      QTest::addRow("%s, no printer", trigger)
          << by_menu << int(kNoPrinter) << answer;
      QTest::addRow("%s, queue refuses jobs", trigger)
          << by_menu << int(kRejecting) << answer;
      QTest::addRow("%s, scheduler stopped", trigger)
          << by_menu << int(kStopped) << answer;
    }
    // These wait for the deadline, so each runs once.
    QTest::addRow("button, scheduler does not answer")
        << false << int(kSilent) << QMessageBox::Ok;
    QTest::addRow("menu, scheduler stops reading the document")
        << true << int(kStopsReading) << QMessageBox::Ok;
    QTest::addRow("button, scheduler takes the document, never answers")
        << false << int(kSwallowsDocument) << QMessageBox::Cancel;
  }

  void reportsAFailureOnce() {
    QFETCH(bool, by_menu);
    QFETCH(int, setup);
    QFETCH(QMessageBox::StandardButton, answer);
    std::unique_ptr<StallingProxy> proxy;
    const auto stall = [&](StallingProxy::Mode mode) {
      proxy = std::make_unique<StallingProxy>(sandbox_->SocketPath(), mode);
      return proxy->IsListening();
    };
    switch (setup) {
      case kNoPrinter:
        QVERIFY(sandbox_->DeleteQueue());
        jobs_before_ = sandbox_->JobCount();
        break;
      case kRejecting:
        QVERIFY(sandbox_->SetAccepting(false));
        break;
      case kStopped:
        sandbox_->Stop();
        break;
      case kSilent:
        QVERIFY(stall(StallingProxy::Mode::kSilent));
        break;
      case kStopsReading:
        QVERIFY(stall(StallingProxy::Mode::kStopReadingHalfway));
        break;
      case kSwallowsDocument:
        QVERIFY(stall(StallingProxy::Mode::kSwallowDocument));
        break;
    }

    // While a slow print is pending, the user clicks Clear All, types and
    // asks to print again: none of it may act (cleanup() finds the window
    // unchanged, and a second print would show a second message).
    bool busy_cursor = false;
    if (proxy) {
      QTimer::singleShot(1000, this, [&] {
        const QCursor* cursor = QGuiApplication::overrideCursor();
        busy_cursor = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
        // Through the window, as the window system delivers input.
        QWindow* const window = window_.windowHandle();
        const QPushButton* const clear = Find<QPushButton>("cmdClear");
        QTest::mouseClick(window, Qt::LeftButton, {},
                          clear->mapTo(&window_, clear->rect().center()));
        QTest::keyClick(window, Qt::Key_9);
        QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
      });
    }

    const ModalCatcher modals(answer);
    const LongestPause pause;
    QElapsedTimer clock;
    clock.start();
    Trigger(by_menu);
    const qint64 elapsed = clock.elapsed();
    QTest::qWait(50);  // room for a second message, should one follow
    QCOMPARE(modals.seen().size(), 1u);
    const auto& seen = modals.seen().front();
    QVERIFY(seen.is_message_box);
    QCOMPARE(seen.text, QString(kFailureMessage));
    QCOMPARE(seen.caption, QString("Tolvane's Mensurex 2"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(seen.default_button, QMessageBox::Ok);
    // The window kept painting, and the outcome came by the deadline (with
    // room for a slow machine, but well short of three reply timeouts).
    QVERIFY2(pause.ms() < kLongestPauseMs,
             qPrintable(QString::number(pause.ms())));
    QVERIFY2(elapsed < 20000, qPrintable(QString::number(elapsed)));

    if (proxy) {
      QVERIFY(busy_cursor);
      const bool stalled = proxy->Stalled();
      proxy.reset();
      QCOMPARE(stalled, setup != kSilent);
    }
    QVERIFY(sandbox_->Start());
    // A job made before the failure was cancelled, not left pending.
    QCOMPARE(sandbox_->ActiveJobCount(), 0);
    if (setup != kStopsReading && setup != kSwallowsDocument) {
      QCOMPARE(sandbox_->JobCount(), jobs_before_);
    }
  }

 private:
  enum Setup {
    kNoPrinter,
    kRejecting,
    kStopped,
    kSilent,
    kStopsReading,
    kSwallowsDocument
  };
  // Far less than a reply timeout, far more than a busy machine's hiccup.
  static constexpr qint64 kLongestPauseMs = 3000;

  template <typename T>
  T* Find(const char* name) const {
    T* child = window_.findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
  }
  QLineEdit* Entry() const { return Find<QLineEdit>("txtEntry"); }

  static void AddTriggers() {
    QTest::addColumn<bool>("by_menu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
  }

  // Clicks the Print Form button or chooses File > Print Form.
  void Trigger(bool by_menu) {
    if (by_menu) {
      Find<QAction>("mnuPrintForm")->trigger();
    } else {
      Find<QPushButton>("cmdPrintForm")->click();
    }
  }

  WindowState Snapshot() const {
    WindowState state;
    state.entry = Entry()->text();
    state.selected = Entry()->selectedText();
    state.selection_start = Entry()->selectionStart();
    state.cursor = Entry()->cursorPosition();
    // The window's own focus child: whether the offscreen platform gives the
    // window back its activation after a message box is not in question.
    const QWidget* focus = window_.focusWidget();
    state.focus = focus ? focus->objectName() : QString();
    state.unit = -1;
    for (int index = 0; index < 7; ++index) {
      const auto name = QStringLiteral("optMeasure_%1").arg(index);
      if (window_.findChild<QRadioButton*>(name)->isChecked()) {
        state.unit = index;
      }
    }
    for (const char* name :
         {"txtByteResult", "txtKiloResult", "txtMegaResult", "txtGigaResult",
          "txtTeraResult", "txtPetaResult", "txtExaResult"}) {
      state.results << Find<QLineEdit>(name)->text();
    }
    state.title = window_.windowTitle();
    state.size = window_.size();
    return state;
  }

  std::unique_ptr<CupsSandbox> sandbox_ = std::make_unique<CupsSandbox>();
  frmMain window_;
  WindowState before_;
  int jobs_before_ = 0;
};

QTEST_MAIN(PrintCommandTest)
#include "print_command_test.moc"
