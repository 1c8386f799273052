#include "ui/main/print/window_print_job.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "amounts/utf8.h"
#include "identity/names.h"
#include "ui/main/print/print_protocol.h"
#include "window_pdf.h"

namespace mensurex::ui {
namespace {

namespace protocol = mensurex::print_protocol;

Q_LOGGING_CATEGORY(lcPrint, "mensurex.print", QtInfoMsg)

// The helper is ended this long before the deadline, which leaves time for
// its end and the outcome.
constexpr qint64 kEndMarginMs = 1000;

// `title` followed by a mark of invisible characters that no other job
// carries, so that this print's job can be told from any other by its name
// alone, while the queue shows the title.
QString MarkedJobName(const QString& title) {
  // Zero-width characters, two bits each: 64 random bits in 32 of them.
  static constexpr std::array<std::string_view, 4> kDigits = {
      "\u200b", "\u200c", "\u200d", "\u2060"};
  std::uint64_t mark = QRandomGenerator::system()->generate64();
  std::string marked;
  for (int digit = 0; digit < 32; ++digit, mark >>= 2) {
    marked += kDigits[mark & 3];
  }
  // A job's name holds at most 255 bytes: the title keeps the whole
  // characters that fit.
  const std::string name = title.toStdString();
  const std::size_t room = 255 - marked.size();
  std::size_t kept = 0;
  while (kept < name.size()) {
    const Utf8Char next = FrontUtf8Char(std::string_view(name).substr(kept));
    if (next.length == 0 || kept + next.length > room) break;
    kept += next.length;
  }
  return QString::fromStdString(name.substr(0, kept) + marked);
}

// The destination's paper from the helper's "paper" line's words, else
// `fallback`; the margin is at least the fallback's.
Paper PaperFrom(const QString& words, const Paper& fallback) {
  const QStringList numbers = words.split(' ', Qt::SkipEmptyParts);
  if (numbers.size() != 3) return fallback;
  std::array<int, 3> hundredths{};
  for (int index = 0; index < 3; ++index) {
    bool ok = false;
    hundredths[index] = numbers[index].toInt(&ok);
    if (!ok || hundredths[index] < 0) return fallback;
  }
  if (hundredths[0] == 0 || hundredths[1] == 0) return fallback;
  return Paper{QSizeF(hundredths[0] / 100.0, hundredths[1] / 100.0),
               std::max(fallback.margin_mm, hundredths[2] / 100.0)};
}

}  // namespace

WindowPrintJob::WindowPrintJob(QObject* parent)
    : QObject(parent),
      helper_path_(QCoreApplication::applicationDirPath() + "/" +
                   mensurex::identity::kPrintProgramFromWindow),
      helper_(new QProcess(this)) {
  // The helper's messages, if any, go where the program's go.
  helper_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  for (QTimer* timer : {&end_timer_, &deadline_timer_}) {
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
  }
  connect(&end_timer_, &QTimer::timeout, this, [this] {
    cut_off_ = true;
    helper_->kill();
  });
  // A last resort: the helper's end is reported well before this.
  connect(&deadline_timer_, &QTimer::timeout, this, [this] {
    Finish(sent_ ? PrintOutcome::kMayHavePrinted : PrintOutcome::kFailed,
           "deadline passed");
  });
  connect(helper_, &QProcess::readyReadStandardOutput, this,
          &WindowPrintJob::ReadHelperLines);
  connect(helper_, &QProcess::finished, this, &WindowPrintJob::HelperEnded);
  // Queued: start() may report a helper that cannot start at once.
  connect(
      helper_, &QProcess::errorOccurred, this,
      [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) HelperEnded();
      },
      Qt::QueuedConnection);
}

WindowPrintJob::~WindowPrintJob() {
  if (helper_->state() == QProcess::NotRunning) return;
  // Abandoned: the helper stops waiting for the scheduler, cancels a job it
  // made whose document did not go out whole, and ends by its deadline on
  // its own, even should this process end first.
  QProcess* const helper = helper_;
  helper->disconnect(this);
  helper->setParent(nullptr);
  if (!page_given_) helper->closeWriteChannel();
  helper->terminate();
  connect(helper, &QProcess::finished, helper, &QObject::deleteLater);
}

void WindowPrintJob::start(const QWidget& window) {
  if (drawn_ != nullptr) {
    qCWarning(lcPrint) << "a print job starts only once";
    return;
  }
  // On the steady clock, which the helper reads too.
  const QDeadlineTimer deadline(kPrintDeadlineMs, Qt::PreciseTimer);
  const QDeadlineTimer end = deadline - kEndMarginMs;
  // Drawn for the locale's paper, since only the helper tells the printer's
  // own; the page fits the image to that.
  drawn_ =
      std::make_unique<WindowImage>(DrawWindowForPrint(window, LocalePaper()));
  deadline_timer_.start(int(deadline.remainingTime()));
  end_timer_.start(int(end.remainingTime()));
  step_ = "starting the print helper";
  // Looked at first: a QProcess that cannot start its program keeps one of
  // its pipes open for good.
  if (!QFileInfo(helper_path_).isExecutable()) {
    QMetaObject::invokeMethod(
        this,
        [this] {
          Finish(PrintOutcome::kFailed, "the print helper " + helper_path_ +
                                            " did not start: no such program");
        },
        Qt::QueuedConnection);
    return;
  }
  helper_->start(helper_path_, {QString::number(end.deadline()),
                                MarkedJobName(drawn_->title), drawn_->title});
}

void WindowPrintJob::ReadHelperLines() {
  while (helper_->canReadLine()) {
    const QByteArray line = helper_->readLine().trimmed();
    const auto [word, text] =
        protocol::Parse(std::string_view(line.constData(), line.size()));
    const QString rest = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (word == protocol::kStep) {
      step_ = rest;
      qCDebug(lcPrint, "%s", qUtf8Printable(rest));
    } else if (word == protocol::kPaper && !page_given_) {
      page_given_ = true;
      QString failure;
      const QByteArray pdf =
          WindowImagePdf(*drawn_, PaperFrom(rest, LocalePaper()), &failure);
      // The helper, still waiting for the page, has made no job yet.
      if (pdf.isEmpty()) {
        return Finish(PrintOutcome::kFailed,
                      "no page came to print: " + failure);
      }
      helper_->write(pdf);
      helper_->closeWriteChannel();
    } else if (word == protocol::kSent) {
      sent_ = true;
    }
    const auto* const outcome = std::ranges::find(protocol::kOutcomes, word);
    if (outcome != protocol::kOutcomes.end()) {
      outcome_ = {PrintOutcome(outcome - protocol::kOutcomes.begin()), rest};
    }
  }
}

void WindowPrintJob::HelperEnded() {
  if (finished_) return;
  ReadHelperLines();
  if (outcome_) return Finish(outcome_->first, outcome_->second);
  QString reason;
  if (helper_->error() == QProcess::FailedToStart) {
    reason = "the print helper " + helper_path_ +
             " did not start: " + helper_->errorString();
  } else if (cut_off_) {
    reason = step_ + ": no answer (cut off at the deadline)";
  } else if (helper_->exitStatus() == QProcess::CrashExit) {
    reason = "the print helper crashed while " + step_;
  } else {
    reason = QString(
                 "the print helper ended (status %1) without an outcome "
                 "while %2")
                 .arg(helper_->exitCode())
                 .arg(step_);
  }
  // Once the page has gone out only the scheduler can say it failed.
  if (sent_) {
    Finish(PrintOutcome::kMayHavePrinted,
           "the whole document went out; " + reason);
  } else {
    Finish(PrintOutcome::kFailed, reason);
  }
}

void WindowPrintJob::Finish(PrintOutcome outcome, const QString& reason) {
  if (finished_) return;
  finished_ = true;
  end_timer_.stop();
  deadline_timer_.stop();
  helper_->kill();
  if (outcome != PrintOutcome::kPrinted) {
    error_string_ = reason;
    qCWarning(lcPrint, "%s: %s",
              outcome == PrintOutcome::kFailed ? "printing failed"
                                               : "the page may have printed",
              qUtf8Printable(reason));
  } else if (!reason.isEmpty()) {
    qCInfo(lcPrint, "printed: %s", qUtf8Printable(reason));
  }
  emit finished(outcome);
}

}  // namespace mensurex::ui
