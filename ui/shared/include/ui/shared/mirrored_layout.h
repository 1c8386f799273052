// Fixed layouts for languages written right to left: a window becomes the
// mirror image of its left-to-right layout.
#ifndef MENSUREX_UI_SHARED_MIRRORED_LAYOUT_H_
#define MENSUREX_UI_SHARED_MIRRORED_LAYOUT_H_

#include <Qt>

class QWidget;

namespace mensurex::ui {

// The horizontal alignment of a caption that starts at the reading edge: the
// left edge, or in a right-to-left window the right one, whatever the
// direction of the caption's own text.
Qt::Alignment ReadingEdgeAlignment(Qt::LayoutDirection direction);

// Moves every control of `container`, laid out for `design_width` pixels,
// to its mirror image: x becomes design_width - x - w. The design width, not
// the current one, so that enlarging a window moves nothing. Labels aligned
// to one side take the reading edge of `direction` (the direction being
// mirrored to); centred ones keep their alignment. Mirroring twice restores
// the layout.
void MirrorControls(QWidget* container, int design_width,
                    Qt::LayoutDirection direction);

// Keeps `control` left to right in a window of either direction, as the
// numbers in a text box read. The menus that Qt builds for it (a text box's
// context menu) still take the direction and font of its window: Qt would
// give them the control's own direction, and the application's font.
void KeepLeftToRight(QWidget* control);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_MIRRORED_LAYOUT_H_
