#include "ui/main/print/window_pdf.h"

#include <QBuffer>
#include <QImage>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>
#include <algorithm>

namespace mensurex::ui {
namespace {

constexpr qreal kMmPerInch = 25.4;
// The image is drawn at about this resolution on paper: sharp text on any
// office printer without a huge document.
constexpr qreal kPrintDpi = 300;
// The window's size on paper follows the usual 96 pixels to the inch.
constexpr qreal kScreenDpi = 96;

// Paints `window` with all its children, as the screen shows it, `scale`
// times larger than on screen.
QImage PaintWindow(const QWidget& window, qreal scale) {
  QImage image(window.size() * scale, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  // QWidget::render is not const, but it only paints the widget tree.
  const_cast<QWidget&>(window).render(&image);
  return image;
}

}  // namespace

QByteArray RenderWindowPdf(const QWidget& window, const Paper& paper) {
  const QSizeF image_mm = QSizeF(window.size()) * (kMmPerInch / kScreenDpi);
  const PagePlacement placement = PlaceOnPage(image_mm, paper);
  if (placement.target_mm.isEmpty()) return {};

  const qreal px_per_mm = kPrintDpi / kMmPerInch;
  const QRectF target(placement.target_mm.topLeft() * px_per_mm,
                      placement.target_mm.size() * px_per_mm);
  const QImage image =
      PaintWindow(window, std::max(qreal(1), target.width() / window.width()));
  if (image.isNull()) return {};

  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(static_cast<int>(kPrintDpi));
    writer.setTitle(window.windowTitle());
    const QPageLayout layout(QPageSize(paper.size_mm, QPageSize::Millimeter),
                             placement.orientation, QMarginsF(),
                             QPageLayout::Millimeter);
    if (!writer.setPageLayout(layout)) return {};

    QPainter painter;
    if (!painter.begin(&writer)) return {};
    // Without this hint the image would be stored as JPEG, blurring the
    // digits and shifting the colours.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    if (!painter.end()) return {};
  }
  return pdf;
}

}  // namespace mensurex::ui
