// Printing the main window through WindowPrintJob and its helper against a
// private CUPS scheduler, well and badly behaved: exactly one outcome, by the
// deadline, its reason unless printed, and no job left pending.
#include "ui/main/print/window_print_job.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <csignal>
#include <memory>

#include "cups_sandbox.h"
#include "pdf_readback.h"
#include "stalling_proxy.h"
#include "ui/main/frm_main.h"
#include "window_pdf.h"

using mensurex::testing::CupsSandbox;
using mensurex::testing::StallingProxy;
using mensurex::ui::PrintOutcome;
using Mode = StallingProxy::Mode;
Q_DECLARE_METATYPE(CupsSandbox::QueuePaper)

namespace {

constexpr QRgb kLightGreen = qRgb(192, 255, 192);
// The deadline, with room for a slow machine.
constexpr int kOutcomeWithinMs = mensurex::ui::kPrintDeadlineMs + 2000;

enum class Setup {
  kNoPrinter,
  kRefusing,
  kStopped,
  kProxy,
  kForeignJob,
  kNoHelper,
  kHelperCrashes
};

// The job as the window runs it, with the helper from the build tree.
struct WindowPrintJob : mensurex::ui::WindowPrintJob {
  WindowPrintJob() { set_helper(PRINT_HELPER); }
};
using QueuePaper = CupsSandbox::QueuePaper;

qsizetype CountEntries(const QString& dir) {
  return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

// The processes this process has started, from any of its threads.
QStringList ChildProcesses() {
  QStringList children;
  const QDir tasks("/proc/self/task");
  for (const QString& task :
       tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile list(tasks.filePath(task + "/children"));
    if (list.open(QIODevice::ReadOnly)) {
      children +=
          QString::fromLatin1(list.readAll()).split(' ', Qt::SkipEmptyParts);
    }
  }
  return children;
}

// The print helpers running, whoever started them.
int RunningHelpers() {
  const QString helper = QFileInfo(PRINT_HELPER).canonicalFilePath();
  const QDir processes("/proc");
  int running = 0;
  for (const QString& process : processes.entryList(QDir::Dirs)) {
    running +=
        QFileInfo(processes.filePath(process + "/exe")).symLinkTarget() ==
        helper;
  }
  return running;
}

// What a print may leave behind in this process.
struct Leftovers {
  qsizetype threads = CountEntries("/proc/self/task");
  qsizetype children = ChildProcesses().size();
  qsizetype files = CountEntries("/proc/self/fd");
};

}  // namespace

class WindowPrintJobTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(sandbox_->IsValid());
    window_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window_));
    // A finished conversion, so that the boxes hold digits to print.
    Find<QRadioButton>("optMeasure_2")->setChecked(true);
    Find<QLineEdit>("txtEntry")->setText("12345678");
    Find<QPushButton>("cmdCalculate")->click();
    QVERIFY(!Find<QLineEdit>("txtExaResult")->text().isEmpty());
    // Making a page opens what Qt keeps for good (fonts, say) once, before
    // any print is counted.
    const auto paper = mensurex::ui::FallbackPaper();
    QVERIFY(!mensurex::ui::WindowImagePdf(
                 mensurex::ui::DrawWindowForPrint(window_, paper), paper)
                 .isEmpty());
  }

  void init() {
    QVERIFY2(sandbox_->Start(), sandbox_->ErrorLog().constData());
    QVERIFY(sandbox_->AddPdfQueue());
    QVERIFY(sandbox_->WaitForIdle());
    jobs_before_ = sandbox_->JobCount();
    QVERIFY(jobs_before_ >= 0);
  }

  void cleanupTestCase() { sandbox_.reset(); }

  // On the paper the queue's PPD names, which only its default says, the
  // page shows the window at its on-screen size at 96 dpi: its true size,
  // 1440 twips to the inch.
  void printsTheWindowAsTheScreenShowsIt_data() {
    QTest::addColumn<QueuePaper>("paper");
    QTest::addColumn<QSize>("page_size");  // at 96 dpi
    QTest::newRow("A4 queue") << QueuePaper::kA4 << QSize(794, 1123);
    QTest::newRow("Letter queue") << QueuePaper::kLetter << QSize(816, 1056);
  }

  void printsTheWindowAsTheScreenShowsIt() {
    QFETCH(QueuePaper, paper);
    QFETCH(QSize, page_size);
    QVERIFY(sandbox_->AddPdfQueue(paper));
    WindowPrintJob job;
    QSignalSpy finished(&job, &WindowPrintJob::finished);
    job.start(window_);
    QVERIFY(finished.wait(kOutcomeWithinMs));
    QCOMPARE(finished.takeFirst().at(0).value<PrintOutcome>(),
             PrintOutcome::kPrinted);
    QCOMPARE(job.errorString(), QString());
    QCOMPARE(sandbox_->JobCount(), jobs_before_ + 1);
    QVERIFY(sandbox_->WaitForIdle());
    // libcups is the helper's alone: the window's process never maps it.
    QFile maps("/proc/self/maps");
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY(!maps.readAll().contains("libcups"));

    // At 96 dpi the page shows the window at its on-screen size, centred,
    // its client area light green down to its bottom edge.
    const QImage page =
        mensurex::testing::RenderPdfPage(sandbox_->OutputPath(), 96);
    QVERIFY(!page.isNull());
    QVERIFY2(qAbs(page.width() - page_size.width()) <= 1 &&
                 qAbs(page.height() - page_size.height()) <= 1,
             qPrintable(QString("%1x%2").arg(page.width()).arg(page.height())));
    const auto green = mensurex::testing::FindColour(page, kLightGreen);
    const QSize size = window_.size();
    QVERIFY2(green.pixels > size.width() * size.height() / 2,
             qPrintable(QString::number(green.pixels)));
    QVERIFY(qAbs(green.bounds.width() - size.width()) <= 2);
    QVERIFY(qAbs(green.bounds.center().x() - page.rect().center().x()) <= 2);
    QVERIFY(qAbs(green.bounds.bottom() - (page.height() + size.height()) / 2) <=
            2);

    // The entry and the results carry as much ink on paper as on screen.
    const QImage printed = mensurex::testing::CentredArea(page, size);
    const QImage screen = window_.grab().toImage();
    for (const char* name : {"txtEntry", "txtKiloResult", "txtExaResult"}) {
      const auto* box = Find<QLineEdit>(name);
      // Inside the frame, which would otherwise outweigh the digits.
      const QRect area = QRect(box->mapTo(&window_, QPoint(0, 0)), box->size())
                             .adjusted(3, 3, -3, -3);
      const qint64 on_screen = mensurex::testing::Ink(screen, area);
      const qint64 on_paper = mensurex::testing::Ink(printed, area);
      QVERIFY2(on_screen > 0, name);
      QVERIFY2(
          qAbs(on_paper - on_screen) <= on_screen / 5,
          qPrintable(
              QString("%1: %2 vs %3").arg(name).arg(on_paper).arg(on_screen)));
    }
  }

  // Whether the page printed, by the deadline, and why not. A page whose
  // upload was never answered printed when the scheduler says so afterwards,
  // and may have printed when it says nothing.
  void reportsTheOutcomeByTheDeadline_data() {
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<PrintOutcome>("outcome");
    QTest::addColumn<QString>("reason");
    const auto failure = [](const char* name, Setup setup, Mode mode,
                            const char* reason) {
      QTest::addRow("%s", name)
          << setup << mode << PrintOutcome::kFailed << reason;
    };
    failure("no printer", Setup::kNoPrinter, Mode::kSilent,
            "no default destination");
    failure("queue refuses jobs", Setup::kRefusing, Mode::kSilent,
            "not accepting jobs");
    failure("scheduler stopped", Setup::kStopped, Mode::kSilent,
            "no connection");
    failure("scheduler never answers", Setup::kProxy, Mode::kSilent,
            "cut off at the deadline");
    failure("scheduler stops reading the document", Setup::kProxy,
            Mode::kStopReadingHalfway, "the document was not sent");
    // The job, still without its document, is cancelled.
    failure("scheduler takes the document, never answers", Setup::kProxy,
            Mode::kSwallowDocument, "no reply to the document");
    failure("scheduler trickles its replies", Setup::kProxy, Mode::kTrickle,
            "cut off at the deadline");
    failure("scheduler floods attributes", Setup::kProxy, Mode::kFlood,
            "no readable answer");
    failure("scheduler asks for a password", Setup::kProxy, Mode::kAskPassword,
            "asked for a password");
    failure("job made, its number never told", Setup::kProxy,
            Mode::kLateJobAnswer, "the job was not created");
    failure("scheduler redirects every request", Setup::kProxy, Mode::kRedirect,
            "HTTP 302");
    failure("scheduler forbids every request", Setup::kProxy, Mode::kForbidden,
            "HTTP 403 Forbidden");
    failure("scheduler answers with no HTTP", Setup::kProxy, Mode::kGarbage,
            "no readable answer");
    // Ours is found by its name, which no other job carries, and cancelled;
    // the other client's is left alone.
    failure("job number lost, another client's empty job has the title",
            Setup::kForeignJob, Mode::kLateJobAnswer,
            "the job was not created");
    failure("no print helper", Setup::kNoHelper, Mode::kSilent,
            "did not start");
    failure("print helper crashes", Setup::kHelperCrashes, Mode::kSilent,
            "the print helper crashed while");
    QTest::addRow("page printed, its upload never answered")
        << Setup::kProxy << Mode::kLateDocumentAnswer << PrintOutcome::kPrinted
        << "";
    QTest::addRow("page sent, then nothing answers")
        << Setup::kProxy << Mode::kSilentAfterDocument
        << PrintOutcome::kMayHavePrinted << "no reply to the document";
    // libcups sleeps between retries of a busy answer, and reads an endless
    // header for good: only ending the conversation ends those waits.
    QTest::addRow("page sent, then every answer is busy")
        << Setup::kProxy << Mode::kBusyAfterDocument
        << PrintOutcome::kMayHavePrinted << "";
    QTest::addRow("page sent, then answers never end")
        << Setup::kProxy << Mode::kEndlessHeaderAfterDocument
        << PrintOutcome::kMayHavePrinted << "";
  }

  void reportsTheOutcomeByTheDeadline() {
    QFETCH(Setup, setup);
    QFETCH(Mode, mode);
    QFETCH(PrintOutcome, outcome);
    QFETCH(QString, reason);
    const Leftovers before;
    WindowPrintJob job;
    std::unique_ptr<StallingProxy> proxy;
    switch (setup) {
      case Setup::kNoPrinter:
        QVERIFY(sandbox_->DeleteQueue());
        jobs_before_ = sandbox_->JobCount();
        break;
      case Setup::kRefusing:
        QVERIFY(sandbox_->SetAccepting(false));
        break;
      case Setup::kStopped:
        sandbox_->Stop();
        break;
      case Setup::kNoHelper:
        job.set_helper(sandbox_->Path("no-such-helper"));
        break;
      case Setup::kProxy:
      case Setup::kForeignJob:
      case Setup::kHelperCrashes:
        proxy = std::make_unique<StallingProxy>(sandbox_->SocketPath(), mode);
        QVERIFY(proxy->IsListening());
        break;
    }
    if (outcome != PrintOutcome::kPrinted) {
      QTest::ignoreMessage(
          QtWarningMsg, QRegularExpression(
                            "^(printing failed|the page may have printed): .*" +
                            QRegularExpression::escape(reason)));
    }

    QSignalSpy finished(&job, &WindowPrintJob::finished);
    QElapsedTimer clock;
    clock.start();
    job.start(window_);
    int foreign_job = 0;
    if (setup == Setup::kForeignJob) {
      // Made while our job's number is held back, so it is the newer.
      QTRY_VERIFY_WITH_TIMEOUT(proxy->Stalled(), 5000);
      foreign_job = sandbox_->CreateEmptyJob(window_.windowTitle());
      QVERIFY(foreign_job > 0);
    }
    if (setup == Setup::kHelperCrashes) {
      QTRY_VERIFY_WITH_TIMEOUT(proxy->Stalled(), 5000);
      const QStringList helpers = ChildProcesses();
      QCOMPARE(helpers.size(), before.children + 1);
      // As the kernel ends a process out of memory; a sanitizer would catch
      // a fault and exit instead.
      QCOMPARE(::kill(helpers.last().toInt(), SIGKILL), 0);
    }
    QVERIFY(finished.wait(kOutcomeWithinMs));
    QVERIFY2(clock.elapsed() < kOutcomeWithinMs,
             qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(finished.takeFirst().at(0).value<PrintOutcome>(), outcome);
    QVERIFY2(job.errorString().contains(reason), qPrintable(job.errorString()));
    QTest::qWait(50);  // room for a second outcome, should one follow
    QCOMPARE(finished.size(), 0);
    if (outcome != PrintOutcome::kFailed) {
      QVERIFY(sandbox_->WaitForIdle());
      QVERIFY(QFileInfo(sandbox_->OutputPath()).size() > 0);
    }

    if (proxy) {
      QVERIFY(proxy->Stalled());
      // A redirect is not followed again and again.
      QCOMPARE_LE(proxy->Answered(), 3);
      proxy.reset();
    }
    // Nothing of the print outlives its outcome for long: no thread, no
    // process, no descriptor, whatever the scheduler still does.
    Leftovers now;
    QTRY_VERIFY2_WITH_TIMEOUT(
        (now = Leftovers(), now.threads <= before.threads &&
                                now.children <= before.children &&
                                now.files <= before.files),
        qPrintable(QString("threads %1 (%2), children %3 (%4), files %5 (%6)")
                       .arg(now.threads)
                       .arg(before.threads)
                       .arg(now.children)
                       .arg(before.children)
                       .arg(now.files)
                       .arg(before.files)),
        3000);
    QVERIFY(sandbox_->Start());
    if (foreign_job > 0) {
      // Only the other client's job is left, still active.
      QTRY_COMPARE_WITH_TIMEOUT(sandbox_->ActiveJobCount(), 1, 5000);
      QVERIFY(sandbox_->CancelJob(foreign_job));
    }
    // A job made before the failure was cancelled, not left pending.
    QTRY_COMPARE_WITH_TIMEOUT(sandbox_->ActiveJobCount(), 0, 5000);
  }

  // Ended while the scheduler holds half the document, the job object or
  // the window's whole process: no outcome comes, the job made is cancelled
  // by the deadline, and no helper is left running.
  void cancelsTheJobWhenTheWindowEnds_data() {
    QTest::addColumn<bool>("whole_window");
    QTest::newRow("print job destroyed") << false;
    QTest::newRow("window's process terminated") << true;
  }

  void cancelsTheJobWhenTheWindowEnds() {
    QFETCH(bool, whole_window);
    StallingProxy proxy(sandbox_->SocketPath(), Mode::kStopReadingHalfway);
    QVERIFY(proxy.IsListening());
    auto job = std::make_unique<WindowPrintJob>();
    QSignalSpy finished(job.get(), &WindowPrintJob::finished);
    QProcess window;
    window.setProcessChannelMode(QProcess::ForwardedChannels);
    if (whole_window) {
      window.start(PRINTING_WINDOW);
    } else {
      job->start(window_);
    }
    QTRY_VERIFY_WITH_TIMEOUT(proxy.Stalled(), 5000);
    QCOMPARE(RunningHelpers(), 1);
    if (whole_window) {
      window.terminate();
      QVERIFY(window.waitForFinished(2000));
      QTest::qWait(1000);
    } else {
      job.reset();
    }
    QTRY_COMPARE_WITH_TIMEOUT(sandbox_->ActiveJobCount(), 0, kOutcomeWithinMs);
    QTRY_COMPARE_WITH_TIMEOUT(RunningHelpers(), 0, kOutcomeWithinMs);
    QCOMPARE(finished.size(), 0);
  }

  // With encryption required, a scheduler that never answers leaves no
  // helper or socket past each outcome, however many prints fail: the
  // helper's wait for the TLS upgrade is bounded like any other.
  void freesEveryHelperWithTlsRequired() {
    StallingProxy proxy(sandbox_->SocketPath(), Mode::kSilent);
    QVERIFY(proxy.IsListening());
    qputenv("CUPS_ENCRYPTION", "Required");
    const auto restore = qScopeGuard([] { qunsetenv("CUPS_ENCRYPTION"); });
    const auto count = [](const char* dir) { return CountEntries(dir); };
    qsizetype threads = 0, files = 0;
    // The first print opens what Qt keeps for good once; three more follow
    // it. The proxy may not have closed its end yet.
    for (int print = 0; print <= 3; ++print) {
      QTest::ignoreMessage(QtWarningMsg,
                           QRegularExpression("^printing failed"));
      WindowPrintJob job;
      QSignalSpy finished(&job, &WindowPrintJob::finished);
      job.start(window_);
      QVERIFY(finished.wait(kOutcomeWithinMs));
      if (print == 0) {
        threads = count("/proc/self/task");
        files = count("/proc/self/fd");
      }
      QCOMPARE_LE(count("/proc/self/task"), threads + 1);
      QCOMPARE_LE(count("/proc/self/fd"), files + 1);
    }
    QVERIFY(proxy.Stalled());
  }

  // A mirrored window is drawn for the page as the screen shows it: the
  // entry box at its mirrored place, its caption at the right.
  void drawsAMirroredWindowAsShown() {
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const auto restore =
        qScopeGuard([] { QApplication::setLayoutDirection(Qt::LeftToRight); });
    const QWidget* entry = Find<QLineEdit>("txtEntry");
    const QRect area(entry->mapTo(&window_, QPoint(0, 0)), entry->size());
    QCOMPARE(area.left(), 416 - 160 - 105);
    const auto drawn = mensurex::ui::DrawWindowForPrint(
        window_, mensurex::ui::FallbackPaper());
    const QImage printed = drawn.image.scaled(
        window_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage screen = window_.grab().toImage();
    for (const char* name : {"lblEntry", "cmdCalculate", "optMeasure_1"}) {
      const auto* control = Find<QWidget>(name);
      const QRect place(control->mapTo(&window_, QPoint(0, 0)),
                        control->size());
      const qint64 on_screen = mensurex::testing::Ink(screen, place);
      QVERIFY2(qAbs(mensurex::testing::Ink(printed, place) - on_screen) <=
                   on_screen / 5,
               name);
    }
  }

  // A window far wider than any page is drawn with the pixels the page
  // needs, not at its own size enlarged.
  void drawsAHugeWindowAtThePagesResolution() {
    QWidget wide;
    wide.resize(16000, 600);
    const auto paper = mensurex::ui::FallbackPaper();
    const auto drawn = mensurex::ui::DrawWindowForPrint(wide, paper);
    // A4 at 300 dpi, landscape.
    QVERIFY(drawn.image.width() <= 3508 && drawn.image.width() > 3000);
    QVERIFY(!mensurex::ui::WindowImagePdf(drawn, paper).isEmpty());
  }

 private:
  template <typename T>
  T* Find(const char* name) const {
    T* child = window_.findChild<T*>(name);
    if (!child) qFatal("no control %s", name);
    return child;
  }

  std::unique_ptr<CupsSandbox> sandbox_ = std::make_unique<CupsSandbox>();
  frmMain window_;
  int jobs_before_ = 0;
};

QTEST_MAIN(WindowPrintJobTest)
#include "window_print_job_test.moc"
