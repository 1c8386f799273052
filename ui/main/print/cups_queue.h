// The system's default print queue, reached through the CUPS scheduler.
#ifndef MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
#define MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_

#include <QByteArray>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>

#include "page_layout.h"
#include "ui/main/print/print_outcome.h"

class QString;
typedef struct _http_s http_t;  // NOLINT: libcups's own declaration

namespace mensurex::ui {

struct CupsLibrary;

// Lets another thread end a queue's exchange at once, even while a call is
// blocked reading a scheduler that trickles or floods: Abandon() shuts the
// connection down under it, and no new exchange starts afterwards. Thread
// safe; shared between the queue and whoever may abandon it.
class ExchangeCutoff {
 public:
  void Abandon();
  bool Abandoned() const;

  // The queue's side: the connection that Abandon() shuts down. Register()
  // is false, and registers nothing, once abandoned; a connection must be
  // unregistered before it is closed.
  bool Register(const CupsLibrary* cups, http_t* http);
  void Unregister();

 private:
  mutable std::mutex mutex_;
  bool abandoned_ = false;
  const CupsLibrary* cups_ = nullptr;
  http_t* http_ = nullptr;
};

// One connection to the scheduler and its default destination, bound to one
// deadline: every call returns by then, however slowly the scheduler or
// anything between answers, or soon after the cutoff is abandoned. The calls
// block; a window should make them off its own thread. The queue may move
// between threads, but only one thread may use it at a time. A scheduler that
// asks for a password is refused one.
class DefaultPrintQueue {
 public:
  using Clock = std::chrono::steady_clock;

  // The end of the deadline that the exchange leaves for cancelling a job
  // that failed; whoever abandons the cutoff should do so no later than this
  // before the deadline.
  static constexpr std::chrono::milliseconds kCancelReserve{2000};

  // Connects to the scheduler named by the CUPS client configuration and
  // looks up the default destination. Null when libcups cannot be loaded, the
  // scheduler cannot be reached or no default destination is set, by the
  // deadline, with the reason in `why`.
  static std::unique_ptr<DefaultPrintQueue> Open(
      Clock::time_point deadline, std::shared_ptr<ExchangeCutoff> cutoff,
      std::string& why);

  ~DefaultPrintQueue();
  DefaultPrintQueue(const DefaultPrintQueue&) = delete;
  DefaultPrintQueue& operator=(const DefaultPrintQueue&) = delete;

  // The queue's default paper, or FallbackPaper() when it names none. The
  // margin is at least the fallback's and at least the printer's own.
  Paper DefaultPaper() const;

  // Sends `pdf` as one job titled `title`. kPrinted once the scheduler has
  // answered, in time, that it accepted the whole document, or, when that
  // answer never came, says the job is done. kMayHavePrinted when the whole
  // document went out and what became of it cannot be learnt in time.
  // Otherwise kFailed, and a job already made is cancelled over a connection
  // of its own; a job whose number never came back is found by its title
  // among this user's jobs that hold no document. For every outcome but a
  // timely acceptance, the reason (the scheduler's status and message where
  // it gave one) is in `why`. A queue sends one job: later calls fail.
  PrintOutcome SubmitPdf(const QByteArray& pdf, const QString& title,
                         std::string& why);

  // Cancels a failed job that SubmitPdf could not cancel by the deadline,
  // trying until `until`; does nothing when none was left behind.
  void CancelLeftover(Clock::time_point until);

 private:
  struct Handles;
  enum class Upload { kAccepted, kRefused, kIncomplete, kUnanswered };
  enum class JobFate { kCancelled, kFinished, kUnknown };
  explicit DefaultPrintQueue(std::unique_ptr<Handles> handles);

  // Uploads the document of job `job_id` and reads the scheduler's answer.
  Upload SendDocument(const QByteArray& pdf, int job_id, std::string& why);
  // Cancels job `job_id` (0: the empty job titled as ours, if there is one),
  // over a connection of its own that waits no longer than `until`, and
  // tells what became of it.
  JobFate SettleJob(int job_id, Clock::time_point until);
  // The number of this user's job on the destination that holds no document
  // and carries our title: 0 when there is none, -1 when the scheduler does
  // not say.
  int FindEmptyJob(http_t* http);
  // Whether job `job_id`, past cancelling, completed or was stopped.
  JobFate FinishedJobFate(http_t* http, int job_id);

  std::unique_ptr<Handles> handles_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
