#include "ui/shared/application_identity.h"

#include <QApplication>

namespace mensurex::ui {

QString ApplicationTitle() {
  return QString::fromUtf8(identity::kApplicationTitle);
}

QIcon ProgramIcon() {
  return QIcon(QStringLiteral(":/mensurex/icon/mensurex.xpm"));
}

void ApplyApplicationIdentity() {
  QApplication::setApplicationName(QString::fromUtf8(identity::kWindowProgram));
  QApplication::setApplicationVersion(
      QString::fromUtf8(identity::kVersionText));
  QApplication::setOrganizationName(QStringLiteral("Tolvane"));
  QApplication::setWindowIcon(ProgramIcon());
  QApplication::setDesktopFileName(QString::fromUtf8(identity::kAppId));
}

}  // namespace mensurex::ui
