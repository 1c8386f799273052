#include "ui/main/print/window_print_job.h"

#include <pthread.h>

#include <QLoggingCategory>
#include <QWidget>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

#include "print_conversation.h"
#include "window_pdf.h"

namespace mensurex::ui {
namespace {

Q_LOGGING_CATEGORY(lcPrint, "mensurex.print")

using Clock = ConversationTimes::Clock;
using Post = void (*)(WindowPrintJob*, PrintOutcome, const std::string&);

}  // namespace

// What the job and its worker thread share. The worker may outlive the job
// (until the conversation's end); it then reaches nothing of the job but
// this, and it never blocks the job's thread.
struct PrintJobShared {
  std::mutex mutex;
  // Cleared by the job's destructor; the worker posts its outcome to the job
  // only while holding `mutex` and finding it set.
  WindowPrintJob* job = nullptr;
  // No one waits for the outcome any more.
  std::atomic<bool> abandoned{false};
  // The whole document has gone out.
  std::atomic<bool> sent{false};
};

namespace {

// The worker's side: the conversation in its child process, then its outcome
// posted to the job. Ends by the conversation's end, the child with it.
void RunExchange(const std::shared_ptr<PrintJobShared>& shared,
                 const WindowImage& drawn, const ConversationTimes& times,
                 const Paper& fallback, const std::string& job_name,
                 Post post) {
  // Named, so that a print's thread and its process can be told in a list.
  pthread_setname_np(pthread_self(), "mensurex-print");
  const ConversationResult result = RunPrintConversation(
      times, fallback, drawn.title.toStdString(), job_name,
      [&drawn](const Paper& paper) { return WindowImagePdf(drawn, paper); },
      shared->abandoned, shared->sent);
  const std::scoped_lock lock(shared->mutex);
  if (shared->job != nullptr) post(shared->job, result.outcome, result.why);
}

}  // namespace

WindowPrintJob::WindowPrintJob(QObject* parent)
    : QObject(parent), shared_(std::make_shared<PrintJobShared>()) {
  shared_->job = this;
  deadline_timer_.setSingleShot(true);
  deadline_timer_.setTimerType(Qt::PreciseTimer);
  // A last resort: the worker reports well before this.
  connect(&deadline_timer_, &QTimer::timeout, this, [this] {
    Finish(
        shared_->sent ? PrintOutcome::kMayHavePrinted : PrintOutcome::kFailed,
        "deadline passed");
  });
}

WindowPrintJob::~WindowPrintJob() {
  {
    const std::scoped_lock lock(shared_->mutex);
    shared_->job = nullptr;
  }
  shared_->abandoned = true;
}

void WindowPrintJob::start(const QWidget& window) {
  if (started_) {
    qCWarning(lcPrint) << "a print job starts only once";
    return;
  }
  started_ = true;
  const auto deadline =
      Clock::now() + std::chrono::milliseconds(kPrintDeadlineMs);
  // Drawn for the locale's paper, since only the exchange tells the
  // printer's own; the worker fits the image to that.
  const Paper fallback = LocalePaper();
  WindowImage drawn = DrawWindowForPrint(window, fallback);
  std::string job_name = MarkedJobName(drawn.title);

  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
      deadline - Clock::now());
  deadline_timer_.start(std::max(left, std::chrono::milliseconds::zero()));

  const auto post = [](WindowPrintJob* job, PrintOutcome outcome,
                       const std::string& why) {
    QMetaObject::invokeMethod(
        job, [job, outcome, why] { job->Finish(outcome, why); },
        Qt::QueuedConnection);
  };
  try {
    std::thread(RunExchange, shared_, std::move(drawn),
                ConversationTimes::Before(deadline), fallback,
                std::move(job_name), Post{post})
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
  if (outcome != PrintOutcome::kPrinted) shared_->abandoned = true;
  emit finished(outcome);
}

}  // namespace mensurex::ui
