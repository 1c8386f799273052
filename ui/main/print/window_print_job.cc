#include "ui/main/print/window_print_job.h"

#include <QLoggingCategory>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "ui/main/print/cups_queue.h"
#include "ui/main/print/window_pdf.h"

namespace mensurex::ui {
namespace {

Q_LOGGING_CATEGORY(lcPrint, "mensurex.print")

using Clock = DefaultPrintQueue::Clock;

// The exchange is cut this long before the deadline, so that a job already
// made can still be cancelled and the outcome arrive in time.
constexpr auto kCancelReserve = std::chrono::milliseconds(2000);

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

// The worker's side: the whole exchange, then its outcome posted to the job.
void RunExchange(const std::shared_ptr<PrintJobShared>& shared,
                 const WindowImage& drawn, Clock::time_point deadline,
                 void (*post)(WindowPrintJob*, bool, const std::string&)) {
  std::string why;
  bool printed = false;
  auto queue = DefaultPrintQueue::Open(deadline, shared->cutoff, why);
  if (queue) {
    const Paper paper = queue->DefaultPaper();
    // Once abandoned, the outcome no longer counts: nothing more is drawn.
    if (shared->cutoff->Abandoned()) {
      why = "abandoned before the document was made";
    } else {
      const QByteArray pdf = WindowImagePdf(drawn, paper);
      printed = queue->SubmitPdf(pdf, drawn.title, why);
    }
  }
  queue.reset();
  const std::scoped_lock lock(shared->mutex);
  if (shared->job != nullptr) post(shared->job, printed, why);
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
          [this] { Finish(false, "no outcome by the deadline"); });
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
  cutoff_timer_.start(std::max(left - kCancelReserve, kNow));
  deadline_timer_.start(std::max(left, kNow));

  const auto post = [](WindowPrintJob* job, bool printed,
                       const std::string& why) {
    QMetaObject::invokeMethod(
        job, [job, printed, why] { job->Finish(printed, why); },
        Qt::QueuedConnection);
  };
  try {
    std::thread(RunExchange, shared_, std::move(drawn), deadline, +post)
        .detach();
  } catch (const std::system_error& error) {
    const std::string why =
        std::string("no thread for the exchange: ") + error.what();
    QMetaObject::invokeMethod(
        this, [this, why] { Finish(false, why); }, Qt::QueuedConnection);
  }
}

void WindowPrintJob::Finish(bool printed, const std::string& reason) {
  if (finished_) return;
  finished_ = true;
  cutoff_timer_.stop();
  deadline_timer_.stop();
  if (!printed) {
    shared_->cutoff->Abandon();
    qCWarning(lcPrint, "printing failed: %s", reason.c_str());
  }
  emit finished(printed);
}

}  // namespace mensurex::ui
