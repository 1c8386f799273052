#include "window_pdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QWidget>
#include <cmath>

namespace mensurex::ui {
namespace {

constexpr qreal kMmPerInch = 25.4;
// The image is drawn at about this resolution on paper: sharp text on any
// office printer without a huge document.
constexpr qreal kPrintDpi = 300;
constexpr qreal kPxPerMm = kPrintDpi / kMmPerInch;
// The window's size on paper follows the usual 96 pixels to the inch.
constexpr qreal kScreenDpi = 96;

// Where a window of `window_size` pixels goes on `paper`.
PagePlacement Place(QSize window_size, const Paper& paper) {
  return PlaceOnPage(QSizeF(window_size) * (kMmPerInch / kScreenDpi), paper);
}

// The pixels that `placement` needs at kPrintDpi.
QSize PixelsFor(const PagePlacement& placement) {
  const QSizeF size = placement.target_mm.size() * kPxPerMm;
  return QSize(qMax(1, qRound(size.width())), qMax(1, qRound(size.height())));
}

}  // namespace

WindowImage DrawWindowForPrint(const QWidget& window, const Paper& paper) {
  WindowImage drawn{QImage(), window.size(), window.windowTitle()};
  const PagePlacement placement = Place(drawn.window_size, paper);
  if (placement.target_mm.isEmpty()) return drawn;

  const qreal scale = placement.target_mm.width() * kPxPerMm / window.width();
  // Enlarged as on a high-resolution screen, so that text and frames are
  // drawn sharp rather than magnified; or shrunk as it is drawn, so that a
  // window far larger than the page never exists at full size in memory.
  const bool enlarged = scale >= 1;
  drawn.image = QImage(enlarged ? window.size() * scale : PixelsFor(placement),
                       QImage::Format_RGB32);
  if (drawn.image.isNull()) return drawn;
  drawn.image.fill(Qt::white);
  // QWidget::render is not const, but it only paints the widget tree.
  auto& widget = const_cast<QWidget&>(window);
  if (enlarged) {
    drawn.image.setDevicePixelRatio(scale);
    widget.render(&drawn.image);
  } else {
    QPainter painter(&drawn.image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(qreal(drawn.image.width()) / window.width(),
                  qreal(drawn.image.height()) / window.height());
    widget.render(&painter);
  }
  return drawn;
}

QByteArray WindowImagePdf(const WindowImage& drawn, const Paper& paper,
                          QString* failure) {
  const auto fail = [failure](const char* why) {
    if (failure != nullptr) *failure = QString::fromLatin1(why);
    return QByteArray();
  };
  const PagePlacement placement = Place(drawn.window_size, paper);
  if (placement.target_mm.isEmpty())
    return fail("the window has no place on the paper");
  if (drawn.image.isNull()) return fail("the window's image was not drawn");

  const QRectF target(placement.target_mm.topLeft() * kPxPerMm,
                      placement.target_mm.size() * kPxPerMm);
  QImage image = drawn.image;
  // Drawn for other paper and too large for this page: no more pixels than
  // it needs. A smaller image is only stretched by the printer.
  const QSize needed = PixelsFor(placement);
  if (image.width() > needed.width() + 1) {
    image =
        image.scaled(needed, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }

  QByteArray pdf;
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly)) return fail("no buffer for the page");
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(static_cast<int>(kPrintDpi));
    writer.setTitle(drawn.title);
    const QPageLayout layout(QPageSize(paper.size_mm, QPageSize::Millimeter),
                             placement.orientation, QMarginsF(),
                             QPageLayout::Millimeter);
    if (!writer.setPageLayout(layout))
      return fail("the paper's layout was refused");

    QPainter painter;
    if (!painter.begin(&writer)) return fail("the page could not be drawn on");
    // Without this hint the image would be stored as JPEG, blurring the
    // digits and shifting the colours.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    if (!painter.end()) return fail("the page was not finished");
  }
  return pdf;
}

}  // namespace mensurex::ui
