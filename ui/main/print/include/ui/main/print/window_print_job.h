// Printing an image of a window on the system's default printer, without a
// dialog and without blocking the window's thread.
#ifndef MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_
#define MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <utility>

#include "ui/main/print/print_outcome.h"

class QWidget;

namespace mensurex::ui {

struct WindowImage;

class WindowPrintJob : public QObject {
  Q_OBJECT

 public:
  explicit WindowPrintJob(QObject* parent = nullptr);
  // Safe at any time. A print still running is abandoned: no outcome comes,
  // and the helper cancels a job it made, by the deadline.
  ~WindowPrintJob() override;

  // The print helper installed with the program (in libexec, found from the
  // program's own folder), unless set otherwise before start().
  void set_helper(const QString& path) { helper_path_ = path; }

  // Draws `window` as it looks now, then hands the page to the print helper,
  // which holds the whole exchange with the scheduler, and ends the helper at
  // the deadline, whatever the scheduler does; all on the calling thread's
  // event loop. The page is the default destination's paper, else the
  // locale's, with the window at its true size when it fits. Emits
  // `finished` exactly once, never from within this call, at most
  // kPrintDeadlineMs after this call by the wall clock. On a failure (no
  // default printer, scheduler unreachable or silent, job refused, no answer
  // in time, helper missing or crashed) a job already made is cancelled, by
  // the deadline. A page whose document went out whole is kFailed only when
  // the scheduler says the job will not print. The steps are logged in the
  // category `mensurex.print` at debug level and, unless printed, the reason
  // as a warning, kept in errorString(). Once per object: later calls do
  // nothing.
  void start(const QWidget& window);

  // Why the print failed, or why its outcome is unknown: the scheduler's
  // status and message, the step that met the deadline, or why the helper
  // did not answer. Empty until `finished`, and when printed.
  QString errorString() const { return error_string_; }

 signals:
  void finished(mensurex::ui::PrintOutcome outcome);

 private:
  void ReadHelperLines();
  void HelperEnded();
  void Finish(PrintOutcome outcome, const QString& reason);

  QString helper_path_;
  QProcess* helper_;  // a child of this object, until abandoned
  QTimer end_timer_;
  QTimer deadline_timer_;
  // The window as it looked at start(), for the page; set once started.
  std::unique_ptr<WindowImage> drawn_;
  // The last step the helper reported, and what it said of the outcome.
  QString step_;
  std::optional<std::pair<PrintOutcome, QString>> outcome_;
  QString error_string_;
  bool page_given_ = false;
  bool sent_ = false;
  bool cut_off_ = false;
  bool finished_ = false;
};

// The longest a print takes, from start() to `finished`.
inline constexpr int kPrintDeadlineMs = 10000;

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_
