// The embedded About picture as Qt's GIF reader sees it.
#include <QImage>
#include <QImageReader>
#include <QTest>

#include "about_picture.h"

class AboutPictureTest : public QObject {
  Q_OBJECT

 private slots:
  // Four full-size frames that loop 1000 times. A fault in the image data
  // shows up as a read error or as pixels missing from the end of a frame:
  // the bottom row holds the diskette's outline. Every frame keeps the
  // transparent corners, and each moves the shutter on.
  void framesDecode() {
    QImageReader reader(QString::fromLatin1(mensurex::ui::kAboutPicturePath));
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.imageCount(), 4);
    QCOMPARE(reader.loopCount(), 1000);
    QImage previous;
    int frames = 0;
    for (; reader.canRead(); ++frames) {
      const QImage frame = reader.read();
      QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
      QCOMPARE(frame.size(), QSize(48, 48));
      QCOMPARE(qAlpha(frame.pixel(24, 44)), 255);
      QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
      QCOMPARE(qAlpha(frame.pixel(43, 3)), 0);
      QVERIFY(frame != previous);
      previous = frame;
    }
    QCOMPARE(frames, 4);
  }

  void firstFrameIsTransparentAroundTheDiskette() {
    const QImage image = mensurex::ui::AboutPictureFirstFrame();
    QCOMPARE(image.size(), QSize(48, 48));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(47, 47)), 0);
    QCOMPARE(qAlpha(image.pixel(43, 3)), 0);  // the bevelled corner
    QCOMPARE(qAlpha(image.pixel(24, 24)), 255);
  }
};

QTEST_MAIN(AboutPictureTest)
#include "tst_about_picture.moc"
