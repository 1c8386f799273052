// Printing an image of a window on the system's default printer, without a
// dialog and without blocking the window's thread.
#ifndef MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_
#define MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_

#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

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
  // exchange with the system's default printer on a worker thread. Emits
  // `finished` exactly once, never from within this call, at most
  // kPrintDeadlineMs after this call by the wall clock; `printed` is true
  // when the scheduler accepted the job. On any failure (no default printer,
  // scheduler unreachable or silent, job refused, no answer in time) a job
  // already made is cancelled and the reason is logged in the category
  // `mensurex.print`. Once per object: later calls do nothing.
  void start(const QWidget& window);

 signals:
  void finished(bool printed);

 private:
  void Finish(bool printed, const std::string& reason);

  std::shared_ptr<PrintJobShared> shared_;
  QTimer cutoff_timer_;
  QTimer deadline_timer_;
  bool started_ = false;
  bool finished_ = false;
};

// The longest a print takes, from start() to `finished`.
inline constexpr int kPrintDeadlineMs = 10000;

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_WINDOW_PRINT_JOB_H_
