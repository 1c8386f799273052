#include "ui/main/print/print_window_image.h"

#include <QGuiApplication>
#include <QWidget>

#include "ui/main/print/cups_queue.h"
#include "ui/main/print/window_pdf.h"

namespace mensurex::ui {
namespace {

// Shows the busy cursor while the scheduler is being waited for.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

// The document goes to the scheduler straight from memory, so no temporary
// file is left behind on any path. The job is submitted and checked through
// libcups rather than QPrinter, whose CUPS path reports success even when the
// queue refuses jobs.
bool PrintWindowImage(const QWidget& window) {
  const BusyCursor busy;
  const std::unique_ptr<DefaultPrintQueue> queue = DefaultPrintQueue::Open();
  if (!queue) return false;
  const QByteArray pdf = RenderWindowPdf(window, queue->DefaultPaper());
  return queue->SubmitPdf(pdf, window.windowTitle());
}

}  // namespace mensurex::ui
