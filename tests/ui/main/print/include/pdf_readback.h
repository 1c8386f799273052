// Reading a printed PDF back with poppler's command-line tools.
#ifndef MENSUREX_TESTS_UI_MAIN_PRINT_PDF_READBACK_H_
#define MENSUREX_TESTS_UI_MAIN_PRINT_PDF_READBACK_H_

#include <QImage>
#include <QRect>
#include <QRgb>
#include <QString>

namespace mensurex::testing {

// The PDF's first page rasterised at `dpi` (null image on failure).
QImage RenderPdfPage(const QString& pdf_path, int dpi);
// Number of pixels of `colour`, give or take the rounding of a rasteriser
// (3 levels a channel), and the rectangle that holds them.
struct ColourArea {
  qsizetype pixels = 0;
  QRect bounds;
};
ColourArea FindColour(const QImage& image, QRgb colour);
// The part of `page`, rasterised at 96 dpi, where a window of `size` lies
// when printed centred at its on-screen size.
QImage CentredArea(const QImage& page, QSize size);
// The ink in `rect`: how much darker than white its pixels are, summed. It
// hardly changes with the resolution at which the area was drawn.
qint64 Ink(const QImage& image, const QRect& rect);

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_UI_MAIN_PRINT_PDF_READBACK_H_
