// The printed page: a window's image laid out on paper, as a PDF document.
#ifndef MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_
#define MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_

#include <QByteArray>

#include "ui/main/print_page_layout.h"

class QWidget;

namespace mensurex::ui {

// Renders `window` (its client area with every visible child, as drawn now)
// into a one-page PDF on `paper`, centred at its on-screen size or shrunk to
// fit. The text stays text, so it prints sharp at any resolution. Returns an
// empty array when no page could be drawn. The window is only painted, never
// changed.
QByteArray RenderWindowPdf(const QWidget& window, const Paper& paper);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_WINDOW_PDF_H_
