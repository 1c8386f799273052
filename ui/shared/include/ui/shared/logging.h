// The program's logging categories, one per area; printing logs under
// "mensurex.print". Warnings carry the reason a step failed, for the log;
// the user sees only the program's own messages.
#ifndef MENSUREX_UI_SHARED_LOGGING_H_
#define MENSUREX_UI_SHARED_LOGGING_H_

#include <QLoggingCategory>

namespace mensurex::ui {

// Start-up: translations, the application's identity.
Q_DECLARE_LOGGING_CATEGORY(lcStart)
// The windows: fonts, palettes, commands.
Q_DECLARE_LOGGING_CATEGORY(lcUi)

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_LOGGING_H_
