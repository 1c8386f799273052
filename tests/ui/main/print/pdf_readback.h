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
// The PDF's text (empty on failure).
QString PdfText(const QString& pdf_path);
// Number of pixels of exactly `colour`, and the rectangle that holds them.
struct ColourArea {
  qsizetype pixels = 0;
  QRect bounds;
};
ColourArea FindColour(const QImage& image, QRgb colour);

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_UI_MAIN_PRINT_PDF_READBACK_H_
