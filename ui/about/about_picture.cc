#include "about_picture.h"

#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "ui/shared/logging.h"

namespace mensurex::ui {

namespace {
// A ratio this close above a whole number is that number (rounding in the
// screen's reported scale).
constexpr qreal kRatioTolerance = 0.01;
}  // namespace

QImage AboutPictureFirstFrame() {
  QImageReader reader(QString::fromLatin1(kAboutPicturePath));
  QImage image = reader.read();
  if (image.isNull()) {
    // The window then shows an empty picture box.
    qCWarning(lcUi) << "the About picture did not load:"
                    << reader.errorString();
  }
  return image;
}

QPixmap AboutPicturePixmap(qreal device_pixel_ratio) {
  const QImage frame = AboutPictureFirstFrame();
  const int factor = std::max(
      1, static_cast<int>(std::ceil(device_pixel_ratio - kRatioTolerance)));
  QPixmap pixmap = QPixmap::fromImage(
      factor == 1 ? frame
                  : frame.scaled(frame.size() * factor, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation));
  pixmap.setDevicePixelRatio(factor);
  return pixmap;
}

}  // namespace mensurex::ui
