// Tolvane's Mensurex 2: converts a quantity of digital storage between seven
// binary units.
#include <QApplication>

#include "start_application.h"
#include "ui/main/frm_main.h"
#include "ui/shared/application_identity.h"
#include "ui/shared/user_language.h"

int main(int argc, char* argv[]) {
  const auto application = mensurex::app::StartApplication(argc, argv);
  mensurex::ui::ApplyApplicationIdentity();
  mensurex::ui::LoadUserLanguage();
  frmMain window;
  window.show();
  return QApplication::exec();
}
