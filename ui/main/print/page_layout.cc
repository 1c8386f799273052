#include "page_layout.h"

#include <langinfo.h>

#include <algorithm>
#include <clocale>
#include <cstdint>

namespace mensurex::ui {
namespace {

// The factor (at most 1) by which `image` must shrink to fit in `room`.
qreal FitScale(QSizeF image, QSizeF room) {
  if (room.width() <= 0 || room.height() <= 0) return 0;
  return std::min(
      {qreal(1), room.width() / image.width(), room.height() / image.height()});
}

}  // namespace

Paper FallbackPaper() { return Paper{QSizeF(210, 297), 12.7}; }

Paper LocalePaper() {
  Paper paper = FallbackPaper();
  // The environment's locale as such, whatever the process has set.
  const locale_t locale = newlocale(LC_PAPER_MASK, "", locale_t{});
  if (locale == locale_t{}) return paper;
  // glibc answers these two with a number of millimetres in the pointer.
  const auto millimetres = [locale](nl_item item) {
    return static_cast<int>(
        reinterpret_cast<std::intptr_t>(nl_langinfo_l(item, locale)));
  };
  const int width = millimetres(_NL_PAPER_WIDTH);
  const int height = millimetres(_NL_PAPER_HEIGHT);
  freelocale(locale);
  if (width > 0 && height > 0) paper.size_mm = QSizeF(width, height);
  return paper;
}

PagePlacement PlaceOnPage(QSizeF image_mm, const Paper& paper) {
  PagePlacement placement;
  if (image_mm.isEmpty() || paper.size_mm.isEmpty()) return placement;

  const QSizeF portrait = paper.size_mm;
  const QSizeF landscape = portrait.transposed();
  const QSizeF margins(2 * paper.margin_mm, 2 * paper.margin_mm);
  const qreal portrait_scale = FitScale(image_mm, portrait - margins);
  const qreal landscape_scale = FitScale(image_mm, landscape - margins);

  QSizeF page = portrait;
  qreal scale = portrait_scale;
  if (image_mm.width() > image_mm.height() && landscape_scale > scale) {
    placement.orientation = QPageLayout::Landscape;
    page = landscape;
    scale = landscape_scale;
  }
  if (scale <= 0) return placement;

  const QSizeF size = image_mm * scale;
  placement.target_mm = QRectF(QPointF((page.width() - size.width()) / 2,
                                       (page.height() - size.height()) / 2),
                               size);
  return placement;
}

}  // namespace mensurex::ui
