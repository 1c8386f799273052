// The embedded About picture: its GIF block structure, read byte by byte,
// and what Qt's decoder makes of it.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <vector>

#include "ui/about/about_picture.h"

namespace {

struct Frame {
  int left, top, width, height, min_code_size;
  bool local_table;
  QByteArray control;  // the graphic control extension's 4 data bytes
};

struct Gif {
  QByteArray header;  // signature and logical screen descriptor
  int loop_count = -1;
  std::vector<Frame> frames;
};

// Reads the block structure; returns false on a malformed or truncated file.
bool ParseGif(const QByteArray& bytes, Gif& gif) {
  qsizetype at = 0;
  auto byte = [&](qsizetype i) {
    return i < bytes.size() ? int(static_cast<unsigned char>(bytes[i])) : -1;
  };
  auto word = [&](qsizetype i) { return byte(i) | (byte(i + 1) << 8); };
  auto skip_sub_blocks = [&] {
    int length = 0;
    while ((length = byte(at++)) != 0) {
      if (length < 0 || at + length > bytes.size()) return false;
      at += length;
    }
    return true;
  };
  if (bytes.size() < 13) return false;
  gif.header = bytes.left(13);
  at = 13;
  if (byte(10) & 0x80) at += qsizetype{3} << ((byte(10) & 0x07) + 1);
  QByteArray control;
  while (at < bytes.size()) {
    const int introducer = byte(at++);
    if (introducer == 0x3B) return at == bytes.size();
    if (introducer == 0x21) {
      const int label = byte(at++);
      if (label == 0xF9 && byte(at) == 4) control = bytes.mid(at + 1, 4);
      if (label == 0xFF && bytes.mid(at, 12) == "\x0BNETSCAPE2.0" &&
          byte(at + 12) == 3 && byte(at + 13) == 1) {
        gif.loop_count = word(at + 14);
      }
      if (!skip_sub_blocks()) return false;
    } else if (introducer == 0x2C) {
      Frame frame{word(at),
                  word(at + 2),
                  word(at + 4),
                  word(at + 6),
                  0,
                  (byte(at + 8) & 0x80) != 0,
                  control};
      at += 9;
      if (frame.local_table) at += qsizetype{3} << ((byte(at - 1) & 0x07) + 1);
      frame.min_code_size = byte(at++);
      if (!skip_sub_blocks()) return false;
      gif.frames.push_back(frame);
      control.clear();
    } else {
      return false;
    }
  }
  return false;  // no trailer
}

}  // namespace

class AboutPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void fileStructure() {
    QFile file(QString::fromLatin1(mensurex::ui::kAboutPicturePath));
    QVERIFY2(file.open(QIODevice::ReadOnly), "the picture resource is missing");
    Gif gif;
    QVERIFY2(ParseGif(file.readAll(), gif), "malformed GIF block structure");
    QCOMPARE(gif.header.left(6), QByteArray("GIF89a"));
    // 48 x 48, global colour table of 256 entries.
    QCOMPARE(gif.header.mid(6, 4), QByteArray("\x30\x00\x30\x00", 4));
    QCOMPARE(gif.header[10] & 0x87, 0x87);
    QCOMPARE(gif.loop_count, 1000);
    QCOMPARE(gif.frames.size(), std::size_t{4});
    for (const Frame& frame : gif.frames) {
      QCOMPARE(QRect(frame.left, frame.top, frame.width, frame.height),
               QRect(0, 0, 48, 48));
      QVERIFY(!frame.local_table);
      QCOMPARE(frame.min_code_size, 8);
      // Disposal 2 with the transparent flag, delay 0, transparent index 255.
      QCOMPARE(frame.control, QByteArray("\x09\x00\x00\xFF", 4));
    }
  }

  // A fault in the LZW data shows up as a read error or as pixels missing
  // from the end of a frame: the bottom row holds the diskette's outline.
  void framesDecode() {
    QImageReader reader(QString::fromLatin1(mensurex::ui::kAboutPicturePath));
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.loopCount(), 1000);
    int frames = 0;
    for (; reader.canRead(); ++frames) {
      const QImage frame = reader.read();
      QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
      QCOMPARE(frame.size(), QSize(48, 48));
      QCOMPARE(qAlpha(frame.pixel(24, 44)), 255);
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
