#include "ui/main/print/window_print_job.h"

#include <QLoggingCategory>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "cups_queue.h"
#include "window_pdf.h"

namespace mensurex::ui {
namespace {

Q_LOGGING_CATEGORY(lcPrint, "mensurex.print")

using Clock = DefaultPrintQueue::Clock;
using Post = void (*)(WindowPrintJob*, PrintOutcome, const std::string&);

// How long after the deadline the worker may still try to cancel a job
// that failed and could not be cancelled in time.
constexpr auto kLeftoverCancelTime = std::chrono::milliseconds(8000);

}  // namespace

// What the job and its worker thread share. The worker may outlive the job
// (blocked in libcups past the deadline); it then reaches nothing of the job
// but this, and it never blocks the job's thread.
struct PrintJobShared {
  std::mutex mutex;
  // Cleared by the job's destructor; the worker posts its outcome to the job
  // only while holding `mutex` and finding it set.
  WindowPrintJob* job = nullptr;
  std::shared_ptr<ExchangeCutoff> cutoff = std::make_shared<ExchangeCutoff>();
};

namespace {

// The worker's side: the whole exchange, then its outcome posted to the job,
// then whatever cancelling could not be done in time.
void RunExchange(const std::shared_ptr<PrintJobShared>& shared,
                 const WindowImage& drawn, Clock::time_point deadline,
                 Post post) {
  std::string why;
  PrintOutcome outcome = PrintOutcome::kFailed;
  auto queue = DefaultPrintQueue::Open(deadline, shared->cutoff, why);
  if (queue) {
    const Paper paper = queue->DefaultPaper();
    // Once abandoned, the outcome no longer counts: nothing more is drawn.
    if (shared->cutoff->Abandoned()) {
      why = "abandoned before the document was made";
      queue.reset();
    } else {
      const QByteArray pdf = WindowImagePdf(drawn, paper);
      outcome = queue->SubmitPdf(pdf, drawn.title, why);
    }
  }
  // No connection is left open by now: the message that follows the outcome
  // finds the worker holding nothing but the job it may still cancel.
  {
    const std::scoped_lock lock(shared->mutex);
    if (shared->job != nullptr) post(shared->job, outcome, why);
  }
  if (queue) queue->CancelLeftover(deadline + kLeftoverCancelTime);
}

}  // namespace

WindowPrintJob::WindowPrintJob(QObject* parent)
    : QObject(parent), shared_(std::make_shared<PrintJobShared>()) {
  shared_->job = this;
  for (QTimer* timer : {&cutoff_timer_, &deadline_timer_}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  connect(&cutoff_timer_, &QTimer::timeout, this,
          [this] { shared_->cutoff->Abandon(); });
  connect(&deadline_timer_, &QTimer::timeout, this,
          [this] { Finish(PrintOutcome::kFailed, "deadline passed"); });
}

WindowPrintJob::~WindowPrintJob() {
  {
    const std::scoped_lock lock(shared_->mutex);
    shared_->job = nullptr;
  }
  shared_->cutoff->Abandon();
}

void WindowPrintJob::start(const QWidget& window) {
  if (started_) {
    qCWarning(lcPrint) << "a print job starts only once";
    return;
  }
  started_ = true;
  const auto deadline =
      Clock::now() + std::chrono::milliseconds(kPrintDeadlineMs);
  // Drawn for the fallback paper, since only the exchange tells the
  // printer's own; the worker fits the image to that.
  WindowImage drawn = DrawWindowForPrint(window, FallbackPaper());

  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - Clock::now());
  constexpr auto kNow = std::chrono::milliseconds::zero();
  cutoff_timer_.start(std::max(left - DefaultPrintQueue::kCancelReserve, kNow));
  deadline_timer_.start(std::max(left, kNow));

  const auto post = [](WindowPrintJob* job, PrintOutcome outcome,
                       const std::string& why) {
    QMetaObject::invokeMethod(
        job, [job, outcome, why] { job->Finish(outcome, why); },
        Qt::QueuedConnection);
  };
  try {
    std::thread(RunExchange, shared_, std::move(drawn), deadline, Post{post})
        .detach();
  } catch (const std::system_error& error) {
    const std::string why =
        std::string("no thread for the exchange: ") + error.what();
    QMetaObject::invokeMethod(
        this, [this, why] { Finish(PrintOutcome::kFailed, why); },
        Qt::QueuedConnection);
  }
}

void WindowPrintJob::Finish(PrintOutcome outcome, const std::string& reason) {
  if (finished_) return;
  finished_ = true;
  cutoff_timer_.stop();
  deadline_timer_.stop();
  switch (outcome) {
    case PrintOutcome::kPrinted:
      if (!reason.empty()) qCInfo(lcPrint, "printed: %s", reason.c_str());
      break;
    case PrintOutcome::kFailed:
      error_string_ = QString::fromStdString(reason);
      qCWarning(lcPrint, "printing failed: %s", reason.c_str());
      break;
    case PrintOutcome::kMayHavePrinted:
      error_string_ = QString::fromStdString(reason);
      qCWarning(lcPrint, "the page may have printed: %s", reason.c_str());
      break;
  }
  if (outcome != PrintOutcome::kPrinted) shared_->cutoff->Abandon();
  emit finished(outcome);
}

}  // namespace mensurex::ui
