// Build-time tool: writes one square PNG of the program icon at a given size.
// Usage: icon_scale SOURCE.xpm SIZE OUTPUT.png
//
// The icon is pixel art, so it is scaled nearest-neighbour: every output
// pixel is one source pixel, with no blended colours and no blur.
#include <QImage>
#include <QString>
#include <Qt>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s SOURCE.xpm SIZE OUTPUT.png\n", argv[0]);
    return EXIT_FAILURE;
  }
  const QString source = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[3]);
  bool size_ok = false;
  const int size = QString::fromLocal8Bit(argv[2]).toInt(&size_ok);
  if (!size_ok || size < 1 || size > 1024) {
    std::fprintf(stderr, "icon_scale: bad size '%s'\n", argv[2]);
    return EXIT_FAILURE;
  }

  QImage image(source);
  if (image.isNull()) {
    std::fprintf(stderr, "icon_scale: cannot read '%s'\n", argv[1]);
    return EXIT_FAILURE;
  }
  image = image.convertToFormat(QImage::Format_ARGB32);
  if (image.width() != size || image.height() != size) {
    image =
        image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  }
  if (!image.save(output, "PNG")) {
    std::fprintf(stderr, "icon_scale: cannot write '%s'\n", argv[3]);
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
