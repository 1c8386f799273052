// The program's one dialog font. Both windows, their menus, message boxes
// and tooltips use it whatever font the desktop is set to, because the
// windows' layout is fixed in twips to fit this face and size: a larger
// desktop font would cut captions off.
#ifndef MENSUREX_UI_SHARED_DIALOG_FONT_H_
#define MENSUREX_UI_SHARED_DIALOG_FONT_H_

#include <QFont>

namespace mensurex::ui {

// Captions, labels, buttons, menus, message boxes and tooltips: a plain
// sans-serif with "MS Sans Serif" metrics at 8 points; in Chinese, the
// Chinese face first, so that its punctuation keeps its full-width shapes.
QFont DialogFont();

// The main window's eight text boxes: the same face at 9.75 points.
QFont TextBoxFont();

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_DIALOG_FONT_H_
