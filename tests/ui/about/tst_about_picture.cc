// The embedded About picture: its GIF structure, read byte by byte, and
// what Qt's decoder makes of it.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <cstdint>
#include <vector>

#include "ui/about/about_picture.h"

namespace {

struct GraphicControl {
  int disposal = -1;
  bool transparent_flag = false;
  int delay = -1;
  int transparent_index = -1;
};

struct ImageBlock {
  int left = -1, top = -1, width = -1, height = -1;
  bool local_table = false;
  int min_code_size = -1;
  int data_bytes = 0;
  bool has_control = false;
  GraphicControl control;
};

struct GifLayout {
  QByteArray signature;
  int width = -1, height = -1;
  int packed = -1;
  int loop_count = -1;
  std::vector<ImageBlock> images;
  bool trailer_at_end = false;
};

// Walks the GIF block structure; fails the calling test on a malformed file.
class GifWalker {
 public:
  explicit GifWalker(const QByteArray& bytes) : bytes_(bytes) {}

  bool Walk(GifLayout& layout) {
    if (bytes_.size() < 13) return false;
    layout.signature = bytes_.left(6);
    layout.width = Word(6);
    layout.height = Word(8);
    layout.packed = Byte(10);
    at_ = 13;
    if (layout.packed & 0x80) at_ += 3 * (2 << (layout.packed & 0x07));
    GraphicControl pending;
    bool has_pending = false;
    while (at_ < bytes_.size()) {
      const int introducer = Byte(at_++);
      if (introducer == 0x3B) {
        layout.trailer_at_end = at_ == bytes_.size();
        return true;
      }
      if (introducer == 0x21) {
        const int label = Byte(at_++);
        const qsizetype first = at_;
        if (label == 0xF9 && Byte(first) == 4) {
          pending.disposal = (Byte(first + 1) >> 2) & 0x07;
          pending.transparent_flag = Byte(first + 1) & 0x01;
          pending.delay = Word(first + 2);
          pending.transparent_index = Byte(first + 4);
          has_pending = true;
        } else if (label == 0xFF && Byte(first) == 11 &&
                   bytes_.mid(first + 1, 11) == "NETSCAPE2.0" &&
                   Byte(first + 12) == 3 && Byte(first + 13) == 1) {
          layout.loop_count = Word(first + 14);
        }
        if (SkipSubBlocks() < 0) return false;
      } else if (introducer == 0x2C) {
        ImageBlock image;
        image.left = Word(at_);
        image.top = Word(at_ + 2);
        image.width = Word(at_ + 4);
        image.height = Word(at_ + 6);
        const int packed = Byte(at_ + 8);
        image.local_table = packed & 0x80;
        at_ += 9;
        if (image.local_table) at_ += 3 * (2 << (packed & 0x07));
        image.min_code_size = Byte(at_++);
        image.data_bytes = SkipSubBlocks();
        if (image.data_bytes < 0) return false;
        image.has_control = has_pending;
        image.control = pending;
        has_pending = false;
        layout.images.push_back(image);
      } else {
        return false;
      }
    }
    return false;  // no trailer
  }

 private:
  int Byte(qsizetype at) const {
    return at < bytes_.size() ? static_cast<std::uint8_t>(bytes_[at]) : -1;
  }
  int Word(qsizetype at) const { return Byte(at) | (Byte(at + 1) << 8); }

  // Skips a chain of data sub-blocks and its terminator; returns the number
  // of data bytes, or -1 if the chain runs past the end of the file.
  int SkipSubBlocks() {
    int total = 0;
    for (;;) {
      const int length = Byte(at_++);
      if (length < 0) return -1;
      if (length == 0) return total;
      total += length;
      at_ += length;
      if (at_ > bytes_.size()) return -1;
    }
  }

  const QByteArray& bytes_;
  qsizetype at_ = 0;
};

QByteArray PictureBytes() {
  QFile file(QString::fromLatin1(mensurex::ui::kAboutPicturePath));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class AboutPictureTest : public QObject {
  Q_OBJECT

 private slots:
  void fileStructure() {
    const QByteArray bytes = PictureBytes();
    QVERIFY2(!bytes.isEmpty(), "the picture resource is missing");
    GifLayout gif;
    QVERIFY2(GifWalker(bytes).Walk(gif), "malformed GIF block structure");

    QCOMPARE(gif.signature, QByteArray("GIF89a"));
    QCOMPARE(gif.width, 48);
    QCOMPARE(gif.height, 48);
    QVERIFY2(gif.packed & 0x80, "no global colour table");
    QCOMPARE(2 << (gif.packed & 0x07), 256);
    QCOMPARE(gif.loop_count, 1000);
    QVERIFY(gif.trailer_at_end);

    QCOMPARE(gif.images.size(), std::size_t{4});
    for (const ImageBlock& image : gif.images) {
      QCOMPARE(image.left, 0);
      QCOMPARE(image.top, 0);
      QCOMPARE(image.width, 48);
      QCOMPARE(image.height, 48);
      QVERIFY(!image.local_table);
      QCOMPARE(image.min_code_size, 8);
      QVERIFY(image.data_bytes > 0);
      QVERIFY2(image.has_control, "frame without graphic control extension");
      QCOMPARE(image.control.delay, 0);
      QCOMPARE(image.control.disposal, 2);
      QVERIFY(image.control.transparent_flag);
      QCOMPARE(image.control.transparent_index, 255);
    }
  }

  // Every frame must decode completely: a fault in the LZW data shows up as
  // a read error or as pixels missing from the end of a frame.
  void framesDecode() {
    QImageReader reader(QString::fromLatin1(mensurex::ui::kAboutPicturePath));
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), QByteArray("gif"));
    QCOMPARE(reader.loopCount(), 1000);
    int frames = 0;
    while (reader.canRead()) {
      const QImage frame = reader.read();
      QVERIFY2(!frame.isNull(), qPrintable(reader.errorString()));
      QCOMPARE(frame.size(), QSize(48, 48));
      // The bottom row holds the diskette's outline, so a truncated frame
      // would leave it transparent.
      QCOMPARE(qAlpha(frame.pixel(24, 44)), 255);
      ++frames;
    }
    QCOMPARE(frames, 4);
  }

  void firstFrameIsTransparentAroundTheDiskette() {
    const QImage image = mensurex::ui::AboutPictureFirstFrame();
    QCOMPARE(image.size(), QSize(48, 48));
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(47, 47)), 0);
    QCOMPARE(qAlpha(image.pixel(43, 3)), 0);  // the bevelled corner
    QCOMPARE(qAlpha(image.pixel(24, 24)), 255);
    // The shutter is closed in the first frame: metal over the disc.
    const QColor shutter = image.pixelColor(20, 10);
    QVERIFY2(shutter.red() > 150 && shutter.blue() > 150,
             qPrintable(shutter.name()));
  }
};

QTEST_MAIN(AboutPictureTest)
#include "tst_about_picture.moc"
