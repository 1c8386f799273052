// Tolvane's Mensurex 2: converts a quantity of digital storage between seven
// binary units.
#include <QApplication>
#include <QDBusConnection>

#include "start_application.h"
#include "ui/main/application_service.h"
#include "ui/main/frm_main.h"
#include "ui/shared/application_identity.h"
#include "ui/shared/user_language.h"

int main(int argc, char* argv[]) {
  const auto application = mensurex::app::StartApplication(argc, argv);
  mensurex::ui::ApplyApplicationIdentity();
  mensurex::ui::LoadUserLanguage();
  frmMain window;
  // The desktop's search opens the window at an amount through this; the
  // window works the same without a session bus.
  mensurex::ui::ApplicationService service(&window);
  QDBusConnection bus = QDBusConnection::sessionBus();
  service.Offer(bus);
  window.show();
  return QApplication::exec();
}
