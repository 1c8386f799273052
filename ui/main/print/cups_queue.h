// The system's default print queue, reached through the CUPS scheduler.
#ifndef MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
#define MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_

#include <QByteArray>
#include <memory>

#include "ui/main/print/page_layout.h"

class QString;

namespace mensurex::ui {

// One connection to the scheduler and its default destination. Every call
// that waits for the scheduler gives up after a bounded time, so a scheduler
// that stops answering cannot hang the caller.
class DefaultPrintQueue {
 public:
  // Connects to the scheduler named by the CUPS client configuration and
  // looks up the default destination. Null when the scheduler cannot be
  // reached or no default destination is set.
  static std::unique_ptr<DefaultPrintQueue> Open();

  ~DefaultPrintQueue();
  DefaultPrintQueue(const DefaultPrintQueue&) = delete;
  DefaultPrintQueue& operator=(const DefaultPrintQueue&) = delete;

  // The queue's default paper, or FallbackPaper() when it names none. The
  // margin is at least the fallback's and at least the printer's own.
  Paper DefaultPaper() const;

  // Sends `pdf` as one job titled `title`. True once the scheduler has
  // accepted the whole document; false when it refuses the job or the
  // exchange fails, in which case a half-made job is cancelled.
  bool SubmitPdf(const QByteArray& pdf, const QString& title);

 private:
  struct Handles;
  explicit DefaultPrintQueue(std::unique_ptr<Handles> handles);

  std::unique_ptr<Handles> handles_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
