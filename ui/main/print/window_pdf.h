// The printed page: a window's image laid out on paper, as a PDF document.
#ifndef MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_
#define MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include "page_layout.h"

class QWidget;

namespace mensurex::ui {

// A window as drawn for printing, and what the page needs to know of it.
struct WindowImage {
  QImage image;
  // The window's size on screen, in pixels at 96 dpi.
  QSize window_size;
  QString title;
};

// Draws `window` (its client area, menu bar included, with every visible
// child as drawn now) at about 300 dpi of its place on `paper`: never more
// pixels than that place needs, however large the window. Only paints the
// window, never changes it; on the window's thread.
WindowImage DrawWindowForPrint(const QWidget& window, const Paper& paper);

// A one-page PDF of `drawn` on `paper`, titled after the window: a lossless
// image centred at the window's size on a 96 dpi screen, or shrunk to fit,
// resampled to about 300 dpi when it was drawn for other paper. Empty when no
// page could be made, with the step that failed in `failure` if given. Safe
// on any thread.
QByteArray WindowImagePdf(const WindowImage& drawn, const Paper& paper,
                          QString* failure = nullptr);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_
