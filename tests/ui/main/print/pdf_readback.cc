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

QString PdfText(const QString& pdf_path) {
  return QString::fromUtf8(Run("pdftotext", {pdf_path, "-"}));
}

ColourArea FindColour(const QImage& image, QRgb colour) {
  ColourArea area;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qRgb(qRed(line[x]), qGreen(line[x]), qBlue(line[x])) != colour) {
        continue;
      }
      ++area.pixels;
      area.bounds |= QRect(x, y, 1, 1);
    }
  }
  return area;
}

}  // namespace mensurex::testing
