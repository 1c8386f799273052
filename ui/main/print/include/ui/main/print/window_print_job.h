// Printing an image of a window on the system's default printer, without a
// dialog and without blocking the window's thread.
#ifndef MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_
#define MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

#include "ui/main/print/print_outcome.h"

class QWidget;

namespace mensurex::ui {

struct PrintJobShared;

class WindowPrintJob : public QObject {
  Q_OBJECT

 public:
  explicit WindowPrintJob(QObject* parent = nullptr);
  // Safe at any time; abandons an exchange still running.
  ~WindowPrintJob() override;
  WindowPrintJob(const WindowPrintJob&) = delete;
  WindowPrintJob& operator=(const WindowPrintJob&) = delete;

  // Draws `window` as it looks now, on the calling thread, then runs the
  // exchange with the system's default printer in a child process, watched
  // by a worker thread; both end by the deadline, whatever the scheduler
  // does. The page is the default destination's paper, else the locale's,
  // with the window at its true size when it fits. Emits `finished` exactly
  // once, never from within this call, at most kPrintDeadlineMs after this
  // call by the wall clock. On a failure (no default printer, scheduler
  // unreachable or silent, job refused, no answer in time) a job already
  // made is cancelled, by the deadline. A page whose document went out whole
  // is kFailed only when the scheduler says the job will not print. Unless
  // printed, the reason is logged in the category `mensurex.print` and kept
  // in errorString(). Once per object: later calls do nothing.
  void start(const QWidget& window);

  // Why the print failed, or why its outcome is unknown: the scheduler's
  // status and message, the loader's reason when libcups cannot be loaded,
  // or "deadline passed". Empty until `finished`, and when printed.
  QString errorString() const { return error_string_; }

 signals:
  void finished(mensurex::ui::PrintOutcome outcome);

 private:
  void Finish(PrintOutcome outcome, const std::string& reason);

  std::shared_ptr<PrintJobShared> shared_;
  QTimer deadline_timer_;
  QString error_string_;
  bool started_ = false;
  bool finished_ = false;
};

// The longest a print takes, from start() to `finished`.
inline constexpr int kPrintDeadlineMs = 10000;

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_
