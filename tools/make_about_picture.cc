// Build-time tool that draws the About window's picture, a 3.5-inch diskette,
// and writes it as a GIF89a file with giflib:
//   48 x 48 pixels, a 256-colour global palette whose entry 255 is the
//   transparent colour, a NETSCAPE2.0 looping block with a count of 1000 and
//   four full-size frames (the shutter sliding open), each with a delay of
//   zero, disposal method 2 (restore to background) and index 255 marked
//   transparent. The window shows only the first frame.
//
// Usage: make_about_picture OUTPUT.gif

#include <gif_lib.h>

#include <array>
#include <cstdint>
#include <cstdio>

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

using Palette = std::array<GifColorType, 256>;
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
    canvas.Fill(kRight - kCut + 1 + i, kTop + i, kRight, kTop + i,
                kTransparent);
    canvas.Set(kRight - kCut + i, kTop + i, kOutline);
  }
  canvas.Set(kRight, kTop + kCut, kOutline);
  canvas.Fill(kRight - 1, kTop + kCut + 1, kRight - 1, kBottom - 1, kBodyDark);
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

// Writes the picture through giflib; false, with the reason on standard
// error, when any step fails.
bool WriteGif(const char* path, const Palette& palette,
              const std::array<Frame, kFrameCount>& frames) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path, false, &error);
  if (gif == nullptr) {
    std::fprintf(stderr, "cannot write %s: %s\n", path, GifErrorString(error));
    return false;
  }
  // The graphic control and the looping block need GIF89a.
  EGifSetGifVersion(gif, true);

  ColorMapObject* colour_map =
      GifMakeMapObject(static_cast<int>(palette.size()), palette.data());
  bool ok = colour_map != nullptr &&
            EGifPutScreenDesc(gif, kSize, kSize, 8, kTransparent, colour_map) ==
                GIF_OK;
  GifFreeMapObject(colour_map);

  const std::uint8_t loop[] = {1, kLoopCount & 0xFF, kLoopCount >> 8};
  ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
       EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
       EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
       EGifPutExtensionTrailer(gif) == GIF_OK;

  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_BACKGROUND;
  control.DelayTime = 0;
  control.TransparentColor = kTransparent;
  std::array<GifByteType, 4> control_bytes{};
  const int control_length =
      static_cast<int>(EGifGCBToExtension(&control, control_bytes.data()));
  for (Frame frame : frames) {
    ok = ok &&
         EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, control_length,
                          control_bytes.data()) == GIF_OK &&
         EGifPutImageDesc(gif, 0, 0, kSize, kSize, false, nullptr) == GIF_OK &&
         EGifPutLine(gif, frame.data(), static_cast<int>(frame.size())) ==
             GIF_OK;
  }
  if (!ok) error = gif->Error;
  // Writes the trailer and frees the handle in any case.
  int close_error = 0;
  if (EGifCloseFile(gif, &close_error) != GIF_OK && ok) {
    ok = false;
    error = close_error;
  }
  if (!ok) {
    std::fprintf(stderr, "cannot write %s: %s\n", path, GifErrorString(error));
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.gif\n", argv[0]);
    return 2;
  }
  std::array<Frame, kFrameCount> frames{};
  for (std::size_t frame = 0; frame < frames.size(); ++frame) {
    frames[frame] = DrawDiskette(static_cast<int>(frame) * 2);
  }
  return WriteGif(argv[1], MakePalette(), frames) ? 0 : 1;
}
