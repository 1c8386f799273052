// The application's identity: title, version and program icon.
#ifndef MENSUREX_UI_MAIN_APPLICATION_IDENTITY_H_
#define MENSUREX_UI_MAIN_APPLICATION_IDENTITY_H_

#include <QIcon>
#include <QString>

#include "ui/main/application_version.h"

class QApplication;

namespace mensurex::ui {

// The caption of every message box and of the About window.
inline constexpr char kApplicationTitle[] = "Tolvane's Mensurex 2";
// The executable's name.
inline constexpr char kProgramName[] = "Mensurex2";

QString ApplicationTitle();

// The 32 x 32 pocket-calculator icon shared by the program and its windows.
QIcon ProgramIcon();

// Gives the running application its name, version and icon (settings that
// are application-wide, hence the unnamed parameter). Sets no display name:
// Qt would append it to every window title on X11, and the main window's
// title bar must read its caption alone.
void ApplyApplicationIdentity(QApplication& /*application*/);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_APPLICATION_IDENTITY_H_
