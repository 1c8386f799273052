#include "ui/shared/message_box.h"

#include <QAbstractButton>
#include <QIcon>

#include "ui/shared/application_identity.h"

namespace mensurex::ui {

void ShowMessage(QWidget* parent, const QString& prompt,
                 QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton default_button) {
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), prompt, buttons,
                  parent);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(default_button);
  // Plain buttons: some styles decorate OK and Cancel with icons.
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace mensurex::ui
