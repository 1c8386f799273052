// Build-time tool that draws the About window's picture, a 3.5-inch diskette,
// and writes it as a GIF89a file:
//   48 x 48 pixels, a 256-colour global palette whose entry 255 is the
//   transparent colour, a NETSCAPE2.0 looping block with a count of 1000 and
//   four full-size frames (the shutter sliding open), each with a delay of
//   zero, disposal method 2 (restore to background) and index 255 marked
//   transparent. The window shows only the first frame.
//
// Usage: make_about_picture OUTPUT.gif

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 48;
constexpr int kFrameCount = 4;
constexpr int kLoopCount = 1000;
constexpr std::uint8_t kTransparent = 255;

// Palette indices of the colours the drawing uses.
enum Colour : std::uint8_t {
  kOutline = 0,
  kBody,
  kBodyLight,
  kBodyDark,
  kRecess,
  kMedia,
  kShutter,
  kShutterLight,
  kShutterDark,
  kLabel,
  kLabelRule,
  kLabelStripe,
  kUsedColours
};

struct Rgb {
  std::uint8_t r, g, b;
};

using Palette = std::array<Rgb, 256>;
constexpr std::size_t kPixels = std::size_t{kSize} * kSize;
using Frame = std::array<std::uint8_t, kPixels>;

Palette MakePalette() {
  Palette palette{};
  palette[kOutline] = {0, 0, 0};
  palette[kBody] = {46, 82, 160};
  palette[kBodyLight] = {104, 140, 214};
  palette[kBodyDark] = {24, 44, 98};
  palette[kRecess] = {32, 58, 120};
  palette[kMedia] = {92, 60, 36};
  palette[kShutter] = {192, 196, 204};
  palette[kShutterLight] = {236, 238, 242};
  palette[kShutterDark] = {120, 124, 134};
  palette[kLabel] = {252, 252, 246};
  palette[kLabelRule] = {150, 168, 204};
  palette[kLabelStripe] = {206, 48, 48};
  // The unused entries hold a grey ramp so that every entry is defined.
  for (int i = kUsedColours; i < kTransparent; ++i) {
    const auto level = static_cast<std::uint8_t>(i);
    palette[i] = {level, level, level};
  }
  // Never shown: pixels of this index are transparent.
  palette[kTransparent] = {255, 0, 255};
  return palette;
}

class Canvas {
 public:
  Canvas() { pixels_.fill(kTransparent); }

  void Fill(int left, int top, int right, int bottom, std::uint8_t colour) {
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) Set(x, y, colour);
    }
  }

  void Set(int x, int y, std::uint8_t colour) {
    if (x >= 0 && x < kSize && y >= 0 && y < kSize) {
      pixels_[y * kSize + x] = colour;
    }
  }

  const Frame& pixels() const { return pixels_; }

 private:
  Frame pixels_{};
};

// The diskette with its shutter moved `shutter_shift` pixels to the right.
Frame DrawDiskette(int shutter_shift) {
  constexpr int kLeft = 4, kTop = 3, kRight = 43, kBottom = 44;
  constexpr int kCut = 4;  // the bevelled top-right corner
  Canvas canvas;

  // Body with its outline, bevelled at the top right.
  canvas.Fill(kLeft, kTop, kRight, kBottom, kOutline);
  canvas.Fill(kLeft + 1, kTop + 1, kRight - 1, kBottom - 1, kBody);
  for (int i = 0; i < kCut; ++i) {
    for (int x = kRight - kCut + 1 + i; x <= kRight; ++x) {
      canvas.Set(x, kTop + i, kTransparent);
    }
    canvas.Set(kRight - kCut + i, kTop + i, kOutline);
  }
  canvas.Set(kRight, kTop + kCut, kOutline);
  for (int y = kTop + kCut + 1; y <= kBottom - 1; ++y) {
    canvas.Set(kRight - 1, y, kBodyDark);
  }
  canvas.Fill(kLeft + 2, kBottom - 1, kRight - 1, kBottom - 1, kBodyDark);
  canvas.Fill(kLeft + 1, kTop + 1, kLeft + 1, kBottom - 2, kBodyLight);
  canvas.Fill(kLeft + 1, kTop + 1, kRight - kCut - 1, kTop + 1, kBodyLight);

  // The recess the shutter slides in, and the magnetic disc behind its slot.
  constexpr int kShutterLeft = 14, kShutterRight = 33, kShutterBottom = 18;
  canvas.Fill(kShutterLeft, kTop + 1, kRight - kCut - 1, kShutterBottom,
              kRecess);
  canvas.Fill(24, 7, 28, 15, kMedia);

  // The metal shutter with its slot.
  const int left = kShutterLeft + shutter_shift;
  const int right = kShutterRight + shutter_shift;
  for (int y = kTop + 1; y <= kShutterBottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const bool in_slot =
          x >= left + 10 && x <= left + 14 && y >= 7 && y <= 15;
      if (in_slot) continue;
      std::uint8_t colour = kShutter;
      if (x == left || y == kTop + 1) colour = kShutterLight;
      if (x == right || y == kShutterBottom) colour = kShutterDark;
      canvas.Set(x, y, colour);
    }
  }

  // The paper label: a red stripe along the top and ruled lines.
  constexpr int kLabelLeft = 9, kLabelRight = 38, kLabelTop = 24;
  canvas.Fill(kLabelLeft, kLabelTop, kLabelRight, kBottom - 1, kLabel);
  canvas.Fill(kLabelLeft, kLabelTop, kLabelRight, kLabelTop + 2, kLabelStripe);
  for (int y = kLabelTop + 7; y < kBottom - 1; y += 4) {
    canvas.Fill(kLabelLeft + 3, y, kLabelRight - 3, y, kLabelRule);
  }

  // The write-protect window at the bottom left.
  canvas.Fill(kLeft + 2, kBottom - 5, kLeft + 3, kBottom - 3, kOutline);
  return canvas.pixels();
}

// Writes GIF LZW data: variable-width codes packed least significant bit
// first, a clear code first and again whenever the code table is full, and
// the end-of-information code last.
class LzwEncoder {
 public:
  static constexpr int kMinCodeSize = 8;

  explicit LzwEncoder(std::vector<std::uint8_t>& out) : out_(out) {}

  void Encode(const Frame& pixels) {
    Reset();
    Emit(kClearCode);
    int prefix = pixels[0];
    for (std::size_t i = 1; i < pixels.size(); ++i) {
      const std::uint8_t next = pixels[i];
      const std::size_t key = static_cast<std::size_t>(prefix) * 256 + next;
      if (table_[key] != 0) {
        prefix = table_[key];
        continue;
      }
      Emit(prefix);
      if (next_code_ == kMaxCodes) {
        // Table full: start afresh so the codes never exceed 12 bits.
        Emit(kClearCode);
        Reset();
      } else {
        table_[key] = static_cast<std::uint16_t>(next_code_);
        if (next_code_ == (1 << code_size_) && code_size_ < 12) ++code_size_;
        ++next_code_;
      }
      prefix = next;
    }
    Emit(prefix);
    Emit(kEndCode);
    if (bit_count_ > 0) out_.push_back(static_cast<std::uint8_t>(bits_));
  }

 private:
  static constexpr int kClearCode = 1 << kMinCodeSize;
  static constexpr int kEndCode = kClearCode + 1;
  static constexpr int kMaxCodes = 4096;

  void Reset() {
    table_.assign(static_cast<std::size_t>(kMaxCodes) * 256, 0);
    code_size_ = kMinCodeSize + 1;
    next_code_ = kEndCode + 1;
  }

  void Emit(int code) {
    bits_ |= static_cast<std::uint32_t>(code) << bit_count_;
    bit_count_ += code_size_;
    while (bit_count_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(bits_ & 0xFF));
      bits_ >>= 8;
      bit_count_ -= 8;
    }
  }

  std::vector<std::uint8_t>& out_;
  std::vector<std::uint16_t> table_;  // (prefix, byte) -> code; 0 = absent
  int code_size_ = kMinCodeSize + 1;
  int next_code_ = kEndCode + 1;
  std::uint32_t bits_ = 0;
  int bit_count_ = 0;
};

class GifWriter {
 public:
  void Header(const Palette& palette) {
    Bytes("GIF89a");
    Word(kSize);
    Word(kSize);
    // Global colour table present, 8-bit colour resolution, 256 entries.
    Byte(0x80 | 0x70 | 0x07);
    Byte(kTransparent);  // background colour index
    Byte(0);             // square pixels
    for (const Rgb& entry : palette) {
      Byte(entry.r);
      Byte(entry.g);
      Byte(entry.b);
    }
  }

  void LoopBlock(int count) {
    Byte(0x21);
    Byte(0xFF);
    Byte(11);
    Bytes("NETSCAPE2.0");
    Byte(3);
    Byte(1);
    Word(count);
    Byte(0);
  }

  void Image(const Frame& pixels) {
    // Graphic control extension: disposal 2, transparent flag, no delay.
    Byte(0x21);
    Byte(0xF9);
    Byte(4);
    Byte((2 << 2) | 0x01);
    Word(0);
    Byte(kTransparent);
    Byte(0);
    // Image descriptor: the full logical screen, no local table.
    Byte(0x2C);
    Word(0);
    Word(0);
    Word(kSize);
    Word(kSize);
    Byte(0);

    std::vector<std::uint8_t> data;
    LzwEncoder(data).Encode(pixels);
    Byte(LzwEncoder::kMinCodeSize);
    for (std::size_t at = 0; at < data.size(); at += 255) {
      const std::size_t length = std::min<std::size_t>(255, data.size() - at);
      Byte(static_cast<int>(length));
      bytes_.insert(bytes_.end(), data.begin() + static_cast<long>(at),
                    data.begin() + static_cast<long>(at + length));
    }
    Byte(0);
  }

  void Trailer() { Byte(0x3B); }

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }

 private:
  void Byte(int value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
  void Word(int value) {
    Byte(value & 0xFF);
    Byte((value >> 8) & 0xFF);
  }
  void Bytes(const std::string& text) {
    bytes_.insert(bytes_.end(), text.begin(), text.end());
  }

  std::vector<std::uint8_t> bytes_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.gif\n", argv[0]);
    return 2;
  }
  GifWriter gif;
  gif.Header(MakePalette());
  gif.LoopBlock(kLoopCount);
  for (int frame = 0; frame < kFrameCount; ++frame) {
    gif.Image(DrawDiskette(frame * 2));
  }
  gif.Trailer();

  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  const auto& bytes = gif.bytes();
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
    return 1;
  }
  return 0;
}
