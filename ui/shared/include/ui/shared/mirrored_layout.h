// Fixed layouts for languages written right to left: a window becomes the
// mirror image of its left-to-right layout.
#ifndef MENSUREX_UI_SHARED_MIRRORED_LAYOUT_H_
#define MENSUREX_UI_SHARED_MIRRORED_LAYOUT_H_

class QWidget;

namespace mensurex::ui {

// Keeps every control of `container`, laid out left to right for
// `design_width` pixels, placed for the container's layout direction: right
// to left, x becomes design_width - x - w; the design width, not the current
// one, so that enlarging a window moves nothing. Mirrors at once if the
// container is right to left, and again at each change of direction, which
// restores the layout. Labels aligned to one side take the reading edge of
// the direction; centred ones keep their alignment. Call it once the
// controls are placed.
void FollowLayoutDirection(QWidget* container, int design_width);

// Keeps `control` left to right in a window of either direction, as the
// numbers in a text box read. The menus that Qt builds for it (a text box's
// context menu) still take the direction and font of its window: Qt would
// give them the control's own direction, and the application's font.
void KeepLeftToRight(QWidget* control);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_MIRRORED_LAYOUT_H_
