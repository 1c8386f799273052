// A private CUPS scheduler for tests: its own configuration, spool, state and
// logs under a temporary directory, reachable only through a Unix socket
// there, with this process's CUPS clients pointed at it.
#ifndef MENSUREX_TESTS_UI_MAIN_PRINT_CUPS_SANDBOX_H_
#define MENSUREX_TESTS_UI_MAIN_PRINT_CUPS_SANDBOX_H_

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace mensurex::testing {

class CupsSandbox {
 public:
  // Name of the queue made by AddPdfQueue().
  static constexpr char kQueue[] = "testq";

  // Creates the directory and configuration and points CUPS_SERVER, HOME and
  // CUPS_SERVERROOT of this process at it; nothing runs yet.
  CupsSandbox();
  // Stops the scheduler; the temporary directory goes with the object. The
  // scheduler also dies with this process should the test crash.
  ~CupsSandbox();
  CupsSandbox(const CupsSandbox&) = delete;
  CupsSandbox& operator=(const CupsSandbox&) = delete;

  // Whether the directory was made; false means nothing else will work.
  bool IsValid() const { return dir_.isValid(); }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString SocketPath() const { return Path("cups.sock"); }
  // Where the queue's device writes each job's PDF.
  QString OutputPath() const { return Path("out.pdf"); }

  // Starts the scheduler (if it is not running) and waits until it answers.
  bool Start();
  // Stops the scheduler and waits for it to end.
  void Stop();
  bool IsRunning() const;

  // Makes kQueue, a queue that writes each PDF job to OutputPath(), enabled,
  // accepting and the default destination; its PPD's default page size is
  // `paper`, and nothing else names one.
  enum class QueuePaper { kA4, kLetter };
  bool AddPdfQueue(QueuePaper paper = QueuePaper::kA4);
  // Deletes kQueue, leaving no printer and no default destination.
  bool DeleteQueue();
  // Makes kQueue refuse new jobs, or accept them again.
  bool SetAccepting(bool accepting);

  // Jobs the scheduler knows: all of them, or those still waiting or
  // printing. -1 when the scheduler cannot be asked.
  int JobCount() const;
  int ActiveJobCount() const;
  // A job on kQueue titled `title`, made by another client, without a
  // document (0 on failure); cancels job `job_id`, which only an active job
  // allows.
  int CreateEmptyJob(const QString& title) const;
  bool CancelJob(int job_id) const;
  // Waits until no job is active any more.
  bool WaitForIdle(int timeout_ms = 30000) const;

  // The scheduler's error log, for failure messages.
  QByteArray ErrorLog() const;

 private:
  bool WriteConfiguration();
  // Runs a CUPS tool (or the program at an absolute path) on the sandbox's
  // scheduler: true when it succeeds. Its standard output goes to `output`
  // when given, else its messages are logged on a failure.
  bool RunTool(const QString& program, const QStringList& arguments,
               QByteArray* output = nullptr) const;
  // Jobs of the kind lpstat's -W names, -1 when the scheduler cannot be asked.
  int CountJobs(const char* which) const;
  bool Answers() const;

  QTemporaryDir dir_;
  QProcess cupsd_;
};

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_UI_MAIN_PRINT_CUPS_SANDBOX_H_
