#include "ui/main/message_box.h"

#include "ui/main/application_identity.h"

namespace mensurex::ui {

void ShowMessage(QWidget* parent, const QString& prompt,
                 QMessageBox::StandardButtons buttons,
                 QMessageBox::StandardButton default_button) {
  QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), prompt, buttons,
                  parent);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setDefaultButton(default_button);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace mensurex::ui
