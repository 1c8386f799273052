// The About window's picture: a GIF of four 48 x 48 frames drawn at build
// time and embedded as a Qt resource.
#ifndef MENSUREX_UI_ABOUT_ABOUT_PICTURE_H_
#define MENSUREX_UI_ABOUT_ABOUT_PICTURE_H_

#include <QImage>

namespace mensurex::ui {

// The resource path of the embedded GIF file.
inline constexpr char kAboutPicturePath[] = ":/mensurex/about/picture.gif";

// The picture's first frame as a still image, with its transparent colour
// as transparent pixels; a null image if the GIF cannot be read.
QImage AboutPictureFirstFrame();

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_ABOUT_ABOUT_PICTURE_H_
