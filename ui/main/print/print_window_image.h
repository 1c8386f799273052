// Printing an image of a window on the system's default printer.
#ifndef MENSUREX_UI_MAIN_PRINT_PRINT_WINDOW_IMAGE_H_
#define MENSUREX_UI_MAIN_PRINT_PRINT_WINDOW_IMAGE_H_

class QWidget;

namespace mensurex::ui {

// Renders an image of `window` as it looks now and sends it as one job to the
// system's default printer, without a dialog, and waits for the outcome.
// True when the job was accepted; false on any failure (no default printer,
// scheduler unreachable, job refused, ...). Changes nothing in the window.
bool PrintWindowImage(const QWidget& window);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_PRINT_WINDOW_IMAGE_H_
