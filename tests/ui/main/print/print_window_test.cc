// Printing a window's image to the default queue of a real CUPS scheduler.
#include <cups/cups.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>

#include "cups_sandbox.h"
#include "pdf_readback.h"
#include "ui/main/form_printer.h"

using mensurex::testing::CupsSandbox;
using mensurex::testing::FindColour;
using mensurex::testing::PdfText;
using mensurex::testing::RenderPdfPage;

namespace {

constexpr QRgb kLightGreen = qRgb(192, 255, 192);
constexpr char kDigits[] = "9081726354";

// A window like the main one in the respects that printing must keep: a
// light-green background, an entry with a selection and the focus, a chosen
// option and a read-only result.
class SampleWindow : public QWidget {
 public:
  SampleWindow() {
    setWindowTitle("Mensurex");
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(kLightGreen));
    setPalette(palette);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    entry = new QLineEdit(kDigits, this);
    option = new QRadioButton("Kilobytes", this);
    result = new QLineEdit("1024", this);
    result->setReadOnly(true);
    layout->addWidget(entry);
    layout->addWidget(option);
    layout->addWidget(result);
    option->setChecked(true);
    resize(420, 300);
  }

  struct State {
    QString entry_text, selected, result_text, title;
    int selection_start, cursor;
    bool entry_focused, option_checked;
    QSize size;
    bool operator==(const State&) const = default;
  };
  State Snapshot() const {
    return {entry->text(),     entry->selectedText(),   result->text(),
            windowTitle(),     entry->selectionStart(), entry->cursorPosition(),
            entry->hasFocus(), option->isChecked(),     size()};
  }

  QLineEdit* entry;
  QRadioButton* option;
  QLineEdit* result;
};

// A Unix socket that takes connections and never answers.
class SilentServer {
 public:
  explicit SilentServer(const QString& path)
      : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toUtf8();
    if (fd_ < 0 || bytes.size() >= qsizetype(sizeof(address.sun_path))) return;
    memcpy(address.sun_path, bytes.constData(), bytes.size());
    listening_ =
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        listen(fd_, 8) == 0;
  }
  ~SilentServer() {
    if (fd_ >= 0) close(fd_);
  }
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;
  bool listening() const { return listening_; }

 private:
  int fd_;
  bool listening_ = false;
};

}  // namespace

class PrintWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(sandbox_->IsValid());
    window_.show();
    window_.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    window_.entry->setFocus();
    window_.entry->setSelection(2, 5);
    QTRY_VERIFY(window_.entry->hasFocus());
  }

  void init() {
    QVERIFY2(sandbox_->Start(), sandbox_->ErrorLog().constData());
    QVERIFY(sandbox_->AddPdfQueue());
    QVERIFY(sandbox_->WaitForIdle());
    before_ = window_.Snapshot();
    jobs_before_ = sandbox_->JobCount();
    QVERIFY(jobs_before_ >= 0);
  }

  void cleanup() { QCOMPARE(window_.Snapshot(), before_); }

  void cleanupTestCase() { sandbox_.reset(); }

  void printsOneJobShowingTheWindow() {
    QVERIFY(mensurex::ui::PrintWindowImage(window_));
    QCOMPARE(sandbox_->JobCount(), jobs_before_ + 1);
    QVERIFY(sandbox_->WaitForIdle());
    QVERIFY2(QFile::exists(sandbox_->OutputPath()),
             sandbox_->ErrorLog().constData());

    QVERIFY(PdfText(sandbox_->OutputPath()).contains(kDigits));
    const QImage page = RenderPdfPage(sandbox_->OutputPath(), 48);
    QVERIFY(!page.isNull());
    const auto green = FindColour(page, kLightGreen);
    // At its on-screen size of 420 x 300 pixels at 96 dpi, the window covers
    // about 210 x 150 pixels of the page at 48 dpi, centred.
    QVERIFY2(green.pixels > 210 * 150 / 2,
             qPrintable(QString::number(green.pixels)));
    QVERIFY(qAbs(green.bounds.width() - 210) <= 3);
    QVERIFY(qAbs(green.bounds.height() - 150) <= 3);
    QVERIFY(qAbs(green.bounds.center().x() - page.rect().center().x()) <= 2);
    QVERIFY(qAbs(green.bounds.center().y() - page.rect().center().y()) <= 2);
  }

  void failsWithoutAJob_data() {
    QTest::addColumn<int>("setup");
    QTest::newRow("no default printer") << int(kNoPrinter);
    QTest::newRow("queue refuses jobs") << int(kRejecting);
    QTest::newRow("scheduler stopped") << int(kStopped);
    QTest::newRow("scheduler does not answer") << int(kSilent);
  }

  void failsWithoutAJob() {
    QFETCH(int, setup);
    std::unique_ptr<SilentServer> silent;
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
        silent = std::make_unique<SilentServer>(sandbox_->Path("silent.sock"));
        QVERIFY(silent->listening());
        qputenv("CUPS_SERVER", sandbox_->Path("silent.sock").toUtf8());
        cupsSetServer(nullptr);
        break;
    }

    QElapsedTimer timer;
    timer.start();
    const bool printed = mensurex::ui::PrintWindowImage(window_);
    qInfo("gave up after %lld ms", timer.elapsed());
    if (silent) {
      qputenv("CUPS_SERVER", sandbox_->SocketPath().toUtf8());
      cupsSetServer(nullptr);
    }
    QVERIFY(!printed);

    QVERIFY(sandbox_->Start());
    QCOMPARE(sandbox_->JobCount(), jobs_before_);
    QVERIFY(!QFile::exists(sandbox_->OutputPath()));
  }

 private:
  enum Setup { kNoPrinter, kRejecting, kStopped, kSilent };

  std::unique_ptr<CupsSandbox> sandbox_ = std::make_unique<CupsSandbox>();
  SampleWindow window_;
  SampleWindow::State before_;
  int jobs_before_ = 0;
};

QTEST_MAIN(PrintWindowTest)
#include "ui/main/print_window_test.moc"
