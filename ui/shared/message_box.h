// The program's message boxes: the application title as caption, no icon,
// modal; the caller waits until the box is closed.
#ifndef MENSUREX_UI_SHARED_MESSAGE_BOX_H_
#define MENSUREX_UI_SHARED_MESSAGE_BOX_H_

#include <QMessageBox>
#include <QString>

class QWidget;

namespace mensurex::ui {

// Shows `prompt` with the given buttons, `default_button` bound to Enter, and
// waits until the box is closed. Which button closed it is not reported:
// no command of the program acts on it.
void ShowMessage(QWidget* parent, const QString& prompt,
                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                 QMessageBox::StandardButton default_button = QMessageBox::Ok);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_MESSAGE_BOX_H_
