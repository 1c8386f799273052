// The system's default print queue, reached through the CUPS scheduler.
#ifndef MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
#define MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_

#include <QByteArray>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "page_layout.h"
#include "ui/main/print/print_outcome.h"

typedef struct _http_s http_t;  // NOLINT: libcups's own declaration

namespace mensurex::ui {

struct CupsLibrary;

// What the queue tells as it goes, for whoever must judge the print should
// it be ended before the queue can say how it went. Either may be empty.
struct QueueProgress {
  // What the queue is about to wait for, as a phrase ("creating the job").
  std::function<void(const std::string&)> step;
  // The whole document has gone out; its fate is the scheduler's.
  std::function<void()> document_sent;
};

// One connection to the scheduler and its default destination, bound to two
// times: the exchange gives up waiting by `exchange_until`, the cancelling
// of a failed job by `cancel_until`, however slowly the scheduler or
// anything between answers, or soon after `hung_up` turns true. libcups has
// waits of its own that no callback can cut (retry sleeps, the wait for
// "100 Continue"), so a call may still overrun: whoever must keep a deadline
// runs the queue in a process it can end. A scheduler that asks for a
// password is refused one; a redirect is not followed.
class DefaultPrintQueue {
 public:
  using Clock = std::chrono::steady_clock;
  struct Times {
    Clock::time_point exchange_until;
    Clock::time_point cancel_until;
  };

  // Connects to the scheduler named by the CUPS client configuration and
  // looks up the default destination. Null when libcups cannot be loaded, the
  // scheduler cannot be reached or refuses, or no default destination is set,
  // by the deadline, with the reason in `why`.
  static std::unique_ptr<DefaultPrintQueue> Open(Times times,
                                                 std::function<bool()> hung_up,
                                                 QueueProgress progress,
                                                 std::string& why);

  ~DefaultPrintQueue();
  DefaultPrintQueue(const DefaultPrintQueue&) = delete;
  DefaultPrintQueue& operator=(const DefaultPrintQueue&) = delete;

  // The destination's default paper (the queue's `media` option, else its
  // PPD's or printer's default), or `fallback` when it names none. The margin
  // is at least the fallback's and at least the printer's own.
  Paper DefaultPaper(const Paper& fallback) const;

  // Sends `pdf` as one job named `job_name`, a name no other job carries,
  // with `title` as its document's name. kPrinted once the scheduler has
  // answered that it accepted the whole document, or, when that answer never
  // came, says the job is done. kMayHavePrinted when the whole document went
  // out and what became of it cannot be learnt in time. Otherwise kFailed,
  // and a job already made is cancelled over a connection of its own; a job
  // whose number never came back is found by its name among this user's jobs
  // that hold no document, and left alone when none carries it. For every
  // outcome but a timely acceptance, the reason (the scheduler's status and
  // message where it gave one) is in `why`. A queue sends one job: later
  // calls fail.
  PrintOutcome SubmitPdf(const QByteArray& pdf, const std::string& title,
                         const std::string& job_name, std::string& why);

 private:
  struct Handles;
  enum class Upload { kAccepted, kRefused, kIncomplete, kUnanswered };
  enum class JobFate { kCancelled, kFinished, kUnknown };
  explicit DefaultPrintQueue(std::unique_ptr<Handles> handles);

  // Uploads the document of job `job_id` and reads the scheduler's answer.
  Upload SendDocument(const QByteArray& pdf, int job_id, std::string& why);
  // Cancels job `job_id` (0: the empty job named as ours, if there is one),
  // over a connection of its own, and tells what became of it; `why` gains
  // what was learnt.
  JobFate SettleJob(int job_id, std::string& why);
  // The number of this user's job on the destination that holds no document
  // and carries our name: 0 when there is none, -1 when the scheduler does
  // not say.
  int FindEmptyJob(http_t* http);
  // Whether job `job_id`, past cancelling, completed or was stopped.
  JobFate FinishedJobFate(http_t* http, int job_id);

  std::unique_ptr<Handles> handles_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_CUPS_QUEUE_H_
