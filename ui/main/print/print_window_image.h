// Printing an image of a window on the system's default printer.
#ifndef MENSUREX_UI_MAIN_PRINT_PRINT_WINDOW_IMAGE_H_
#define MENSUREX_UI_MAIN_PRINT_PRINT_WINDOW_IMAGE_H_

#include "ui/main/print/window_print_job.h"

class QWidget;

namespace mensurex::ui {

// Renders an image of `window` as it looks now and sends it as one job to the
// system's default printer, without a dialog, and returns the outcome within
// kPrintDeadline of the call. True when the scheduler accepted the job; false
// on any failure (no default printer, scheduler unreachable or silent, job
// refused, no answer in time), after cancelling a job already made.
//
// The exchange with the scheduler runs on a thread of its own while this
// thread's event loop goes on, so the window keeps painting; events reach
// the application meanwhile, and it is the caller's to keep user input from
// acting. Changes nothing in the window.
bool PrintWindowImage(const QWidget& window);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_PRINT_WINDOW_IMAGE_H_
