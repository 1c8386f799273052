// The About window's picture: a GIF of four 48 x 48 frames drawn at build
// time and embedded as a Qt resource.
#ifndef MENSUREX_UI_ABOUT_ABOUT_PICTURE_H_
#define MENSUREX_UI_ABOUT_ABOUT_PICTURE_H_

#include <QImage>
#include <QPixmap>

namespace mensurex::ui {

// The resource path of the embedded GIF file.
inline constexpr char kAboutPicturePath[] = ":/mensurex/about/picture.gif";

// The picture's first frame as a still image, with its transparent colour
// as transparent pixels; a null image if the GIF cannot be read.
QImage AboutPictureFirstFrame();

// The first frame for a screen of `device_pixel_ratio` (1.25 at 125 %):
// enlarged without smoothing by the next whole factor, and marked with that
// factor as its device pixel ratio. At 200 % each pixel becomes a sharp
// 2 x 2 square; at 125 or 150 % Qt shrinks that sharp picture to the screen,
// rather than blurring the small one up. At 100 % it is the frame as it is.
QPixmap AboutPicturePixmap(qreal device_pixel_ratio);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_ABOUT_ABOUT_PICTURE_H_
