// Tolvane's Mensurex 2: converts a quantity of digital storage between seven
// binary units.
#include <QApplication>

#include "ui/main/frm_main.h"
#include "ui/shared/application_identity.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  mensurex::ui::ApplyApplicationIdentity();
  frmMain window;
  window.show();
  return QApplication::exec();
}
