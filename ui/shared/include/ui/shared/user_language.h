// The user's language: the program's own translations and Qt's, chosen from
// the user's locale.
#ifndef MENSUREX_UI_SHARED_USER_LANGUAGE_H_
#define MENSUREX_UI_SHARED_USER_LANGUAGE_H_

#include <QString>

namespace mensurex::ui {

// Installs the program's translations for the user's preferred language, if
// the program has one (a catalogue for each library that shows texts; one
// missing leaves that library's texts in English), and Qt's own translation
// (standard buttons, context menus) for that same language, so that a window
// never mixes two languages. Where both translate a text of Qt's, the
// program's translation wins.
// Under an English or C locale nothing is installed and every text is the
// program's own English. Sets the application's layout direction to that of
// the language installed, else of the user's first preferred language, so
// that an Arabic, Hebrew or Persian desktop gets mirrored windows even where
// they show English. Call once the QApplication exists and before any
// window is built. Returns the language installed ("de", "pt_BR"), or an
// empty text for none.
QString LoadUserLanguage();

// The language that LoadUserLanguage installed, or an empty text before it
// ran or when it installed none.
QString UserLanguage();

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_USER_LANGUAGE_H_
