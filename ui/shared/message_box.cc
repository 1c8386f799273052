#include "ui/shared/message_box.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPointer>

#include "ui/shared/application_identity.h"
#include "ui/shared/dialog_font.h"

namespace mensurex::ui {

QMessageBox* OpenMessage(QWidget* parent, const QString& prompt,
                         QMessageBox::StandardButtons buttons,
                         QMessageBox::StandardButton default_button) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, ApplicationTitle(), prompt,
                              buttons, parent);
  box->setObjectName(QStringLiteral("messageBox"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setTextFormat(Qt::PlainText);
  box->setFont(DialogFont());
  box->setDefaultButton(default_button);
  // Plain buttons: some styles decorate OK and Cancel with icons.
  for (QAbstractButton* button : box->buttons()) button->setIcon(QIcon());
  // Connected first, so the window below is active again before the caller
  // acts on `finished`. A window manager usually does this; without one the
  // main window would not take keys again.
  if (parent != nullptr) {
    const QPointer<QWidget> below = parent->window();
    QObject::connect(box, &QDialog::finished, box, [below] {
      if (below != nullptr) below->activateWindow();
    });
  }
  box->open();
  return box;
}

}  // namespace mensurex::ui
