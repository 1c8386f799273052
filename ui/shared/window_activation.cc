#include "ui/shared/window_activation.h"

#include <QDialog>
#include <QPointer>

namespace mensurex::ui {

void ReactivateParentOnFinish(QDialog* dialog) {
  QWidget* parent = dialog->parentWidget();
  if (parent == nullptr) return;
  const QPointer<QWidget> below = parent->window();
  QObject::connect(dialog, &QDialog::finished, dialog, [below] {
    if (below != nullptr) below->activateWindow();
  });
}

}  // namespace mensurex::ui
