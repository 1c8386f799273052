// The program's message boxes: the application title as caption, no icon,
// modal to the window they are opened over.
#ifndef MENSUREX_UI_SHARED_MESSAGE_BOX_H_
#define MENSUREX_UI_SHARED_MESSAGE_BOX_H_

#include <QMessageBox>
#include <QString>

class QWidget;

namespace mensurex::ui {

// Opens a box showing `prompt` with the given buttons, `default_button` bound
// to Enter, modal to `parent`'s window, and returns at once. Act on the box's
// `finished` signal: by then `parent`'s window is active again, and the box
// deletes itself afterwards. Which button closed it is not reported: no
// command of the program acts on it.
QMessageBox* OpenMessage(
    QWidget* parent, const QString& prompt,
    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
    QMessageBox::StandardButton default_button = QMessageBox::Ok);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_MESSAGE_BOX_H_
