#include "ui/about/about_picture.h"

#include <QImageReader>

namespace mensurex::ui {

QImage AboutPictureFirstFrame() {
  QImageReader reader(QString::fromLatin1(kAboutPicturePath));
  return reader.read();
}

}  // namespace mensurex::ui
