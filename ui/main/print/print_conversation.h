// A print's whole conversation with the scheduler, held in a child process
// that the deadline ends: libcups blocks in ways no callback can cut (its
// retry sleeps, its wait for "100 Continue", a reply that never ends), and
// only a process can be ended whatever it is doing, with every connection
// and descriptor it holds.
#ifndef MENSUREX_UI_MAIN_PRINT_PRINT_CONVERSATION_H_
#define MENSUREX_UI_MAIN_PRINT_PRINT_CONVERSATION_H_

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <string>

#include "page_layout.h"
#include "ui/main/print/print_outcome.h"

namespace mensurex::ui {

struct ConversationTimes {
  using Clock = std::chrono::steady_clock;
  // The exchange with the scheduler gives up waiting here, the cancelling of
  // a job that failed here, and the child is ended here: the outcome follows
  // at once.
  Clock::time_point exchange_until;
  Clock::time_point cancel_until;
  Clock::time_point end;

  // The times for a print that must report by `deadline`.
  static ConversationTimes Before(Clock::time_point deadline);
};

struct ConversationResult {
  PrintOutcome outcome = PrintOutcome::kFailed;
  std::string why;
};

// `title` followed by a mark of invisible characters that no other job
// carries, so that this print's job can be told from any other by its name
// alone, while the queue shows the title.
std::string MarkedJobName(const QString& title);

// Runs the conversation in a child process and returns its outcome by
// `times.end`, the child ended and reaped. The child looks up the default
// destination and its paper; `make_pdf` makes the page for that paper, on
// the calling thread; the child sends it as one job named `job_name`.
// `fallback` is the paper when the destination names none. Once the whole
// document has gone out `sent` turns true, so that an outcome given in the
// meantime can tell. When `abandoned` turns true, the child stops waiting
// for the scheduler but still cancels a job it made, by `times.end`.
ConversationResult RunPrintConversation(
    const ConversationTimes& times, const Paper& fallback,
    const std::string& title, const std::string& job_name,
    const std::function<QByteArray(const Paper&)>& make_pdf,
    const std::atomic<bool>& abandoned, std::atomic<bool>& sent);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_PRINT_CONVERSATION_H_
