// Window geometry in twips (1/1440 inch): 15 twips make one logical pixel,
// so Qt's own high-DPI scaling keeps the proportions.
#ifndef MENSUREX_UI_SHARED_TWIPS_H_
#define MENSUREX_UI_SHARED_TWIPS_H_

#include <QRect>
#include <QSize>

namespace mensurex::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

// A rectangle given as left, top, width and height in twips.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
          TwipsToPixels(height)};
}

constexpr QSize TwipsSize(int width, int height) {
  return {TwipsToPixels(width), TwipsToPixels(height)};
}

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_TWIPS_H_
