#include "pdf_readback.h"

#include <QProcess>
#include <QTemporaryDir>

namespace mensurex::testing {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) ||
      process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
    qWarning("%s failed: %s", qPrintable(program),
             process.readAllStandardError().constData());
    return {};
  }
  return process.readAllStandardOutput();
}

}  // namespace

QImage RenderPdfPage(const QString& pdf_path, int dpi) {
  QTemporaryDir dir;
  if (!dir.isValid()) return {};
  const QString prefix = dir.filePath("page");
  Run("pdftoppm", {"-r", QString::number(dpi), "-f", "1", "-l", "1",
                   "-singlefile", "-png", pdf_path, prefix});
  return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

ColourArea FindColour(const QImage& image, QRgb colour) {
  ColourArea area;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAbs(qRed(line[x]) - qRed(colour)) > 3 ||
          qAbs(qGreen(line[x]) - qGreen(colour)) > 3 ||
          qAbs(qBlue(line[x]) - qBlue(colour)) > 3) {
        continue;
      }
      ++area.pixels;
      area.bounds |= QRect(x, y, 1, 1);
    }
  }
  return area;
}

QImage CentredArea(const QImage& page, QSize size) {
  const QPoint corner((page.width() - size.width()) / 2,
                      (page.height() - size.height()) / 2);
  return page.copy(QRect(corner, size));
}

qint64 Ink(const QImage& image, const QRect& rect) {
  qint64 ink = 0;
  const QRect inside = rect & image.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      ink += 255 - qGray(image.pixel(x, y));
    }
  }
  return ink;
}

}  // namespace mensurex::testing
