// The system's default print queue, reached through the CUPS scheduler.
#ifndef MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
#define MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_

#include <QByteArray>
#include <chrono>
#include <memory>

#include "ui/main/print/page_layout.h"

class QString;

namespace mensurex::ui {

// One connection to the scheduler and its default destination, bound to one
// deadline: every call returns by then, however slowly the scheduler or
// anything between answers. The calls block; a window should make them off
// its own thread. The queue may move between threads, but only one thread
// may use it at a time.
class DefaultPrintQueue {
 public:
  using Clock = std::chrono::steady_clock;

  // Connects to the scheduler named by the CUPS client configuration and
  // looks up the default destination. Null when the scheduler cannot be
  // reached or no default destination is set, by the deadline.
  static std::unique_ptr<DefaultPrintQueue> Open(Clock::time_point deadline);

  ~DefaultPrintQueue();
  DefaultPrintQueue(const DefaultPrintQueue&) = delete;
  DefaultPrintQueue& operator=(const DefaultPrintQueue&) = delete;

  // The queue's default paper, or FallbackPaper() when it names none. The
  // margin is at least the fallback's and at least the printer's own.
  Paper DefaultPaper() const;

  // Sends `pdf` as one job titled `title`. True only once the scheduler has
  // answered, in time, that it accepted the whole document. On any other
  // outcome (the job refused, the exchange broken, no answer in time) a job
  // already made is cancelled, over a connection of its own, and the result
  // is false. A queue sends one job: later calls return false.
  bool SubmitPdf(const QByteArray& pdf, const QString& title);

 private:
  struct Handles;
  explicit DefaultPrintQueue(std::unique_ptr<Handles> handles);

  // Uploads the document of job `job_id` and reads the scheduler's answer.
  bool SendDocument(const QByteArray& pdf, const QByteArray& title, int job_id);
  void CancelJob(int job_id);

  std::unique_ptr<Handles> handles_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
