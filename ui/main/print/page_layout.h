// Where the image of a window goes on the printed page.
#ifndef MENSUREX_UI_MAIN_PRINT_PAGE_LAYOUT_H_
#define MENSUREX_UI_MAIN_PRINT_PAGE_LAYOUT_H_

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>

namespace mensurex::ui {

// A sheet of paper in portrait orientation, in millimetres, with the margin
// that the image must keep on every side.
struct Paper {
  QSizeF size_mm;
  qreal margin_mm = 0;
};

// Paper used when nothing says what the printer holds: A4, 12.7 mm margins.
Paper FallbackPaper();

// The paper of the user's locale (LC_PAPER) with the fallback's margins, or
// FallbackPaper() when the locale names none.
Paper LocalePaper();

struct PagePlacement {
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  // The image's rectangle on the page (in `orientation`), millimetres from
  // the page's top-left corner.
  QRectF target_mm;
};

// Centres an image of `image_mm` on `paper`. The image keeps its size when it
// fits inside the margins and is shrunk, keeping its proportions, when it
// does not; it is never enlarged. Landscape is chosen only when the image is
// wider than tall and shows larger that way. An empty image or paper gives an
// empty target.
PagePlacement PlaceOnPage(QSizeF image_mm, const Paper& paper);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_PRINT_PAGE_LAYOUT_H_
