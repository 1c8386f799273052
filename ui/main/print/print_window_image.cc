#include "ui/main/print/print_window_image.h"

#include <QEventLoop>
#include <QThread>
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/main/print/cups_queue.h"
#include "ui/main/print/window_pdf.h"

namespace mensurex::ui {
namespace {

// Runs `work` on a new thread and returns once it has ended, running this
// thread's event loop meanwhile. Each run has a fresh thread, so libcups's
// per-thread settings are read afresh from the client configuration.
void RunAside(const std::function<void()>& work) {
  const std::unique_ptr<QThread> thread(QThread::create(work));
  QEventLoop loop;
  QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit,
                   Qt::QueuedConnection);
  thread->start();
  loop.exec();
  // The loop also ends when the application quits; the work is bounded by
  // its deadline, so waiting for it here is bounded too.
  thread->wait();
}

}  // namespace

// The document goes to the scheduler straight from memory, so no temporary
// file is left behind on any path. The job is submitted and checked through
// libcups rather than QPrinter, whose CUPS path reports success even when the
// queue refuses jobs. The window is drawn on this thread, between the two
// exchanges, because widgets can only be painted here.
bool PrintWindowImage(const QWidget& window) {
  const auto deadline = DefaultPrintQueue::Clock::now() +
                        std::chrono::milliseconds(kPrintDeadlineMs);
  std::unique_ptr<DefaultPrintQueue> queue;
  Paper paper;
  std::string why;
  RunAside([&] {
    queue = DefaultPrintQueue::Open(deadline,
                                    std::make_shared<ExchangeCutoff>(), why);
    if (queue) paper = queue->DefaultPaper();
  });
  if (!queue) return false;

  const QByteArray pdf =
      WindowImagePdf(DrawWindowForPrint(window, paper), paper);
  const QString title = window.windowTitle();
  bool accepted = false;
  RunAside([&] {
    accepted = queue->SubmitPdf(pdf, title, why);
    queue.reset();
  });
  return accepted;
}

}  // namespace mensurex::ui
