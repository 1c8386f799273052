// The printed page: a window's image laid out on paper, as a PDF document.
#ifndef MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_
#define MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_

#include <QByteArray>

#include "ui/main/print/page_layout.h"

class QWidget;

namespace mensurex::ui {

// Renders `window` (its client area, menu bar included, with every visible
// child as drawn now) into a one-page PDF on `paper`: a lossless image of
// about 300 dpi, centred at the window's size on a 96 dpi screen, or shrunk
// to fit. Returns an empty array when no page could be drawn. The window is
// only painted, never changed.
QByteArray RenderWindowPdf(const QWidget& window, const Paper& paper);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_
