// The application's identity: title, version and program icon.
#ifndef MENSUREX_UI_SHARED_APPLICATION_IDENTITY_H_
#define MENSUREX_UI_SHARED_APPLICATION_IDENTITY_H_

#include <QIcon>
#include <QString>

#include "identity/names.h"

namespace mensurex::ui {

QString ApplicationTitle();

// The 32 x 32 pocket-calculator icon shared by the program and its windows.
QIcon ProgramIcon();

// Gives the running application its name, version and icon; call it once the
// QApplication exists. Sets no display name: Qt would append it to every
// window title on X11, and the main window's title bar must read its caption
// alone.
void ApplyApplicationIdentity();

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_APPLICATION_IDENTITY_H_
