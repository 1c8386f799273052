#include "ui/main/print_window_pdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>
#include <algorithm>

namespace mensurex::ui {
namespace {

constexpr qreal kMmPerInch = 25.4;

}  // namespace

QByteArray RenderWindowPdf(const QWidget& window, const Paper& paper) {
  // The PDF uses the window's own logical resolution, so fonts given in
  // points come out at the size the window's layout was made for.
  const int dpi = std::max(1, window.logicalDpiY());
  const qreal px_per_mm = dpi / kMmPerInch;
  const QSizeF image_mm = QSizeF(window.size()) / px_per_mm;
  const PagePlacement placement = PlaceOnPage(image_mm, paper);
  if (placement.target_mm.isEmpty()) return {};

  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(dpi);
    writer.setTitle(window.windowTitle());
    const QPageLayout layout(QPageSize(paper.size_mm, QPageSize::Millimeter),
                             placement.orientation, QMarginsF(),
                             QPageLayout::Millimeter);
    if (!writer.setPageLayout(layout)) return {};

    QPainter painter;
    if (!painter.begin(&writer)) return {};
    painter.translate(placement.target_mm.topLeft() * px_per_mm);
    const qreal scale = placement.target_mm.width() / image_mm.width();
    painter.scale(scale, scale);
    // QWidget::render is not const, but it only paints the widget tree.
    const_cast<QWidget&>(window).render(&painter);
    if (!painter.end()) return {};
  }
  return pdf;
}

}  // namespace mensurex::ui
