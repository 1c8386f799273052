#include "ui/shared/message_box.h"

#include <QAbstractButton>
#include <QIcon>

#include "ui/shared/application_identity.h"
#include "ui/shared/dialog_font.h"
#include "ui/shared/window_activation.h"

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
  ReactivateParentOnFinish(box);
  box->open();
  return box;
}

}  // namespace mensurex::ui
