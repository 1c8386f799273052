#include "about_picture.h"

#include <QImageReader>

#include "ui/shared/logging.h"

namespace mensurex::ui {

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

}  // namespace mensurex::ui
