// The application title: the caption of every message box and of the About
// window. Header-only, so that every window can name it without linking the
// main window's library.
#ifndef MENSUREX_UI_SHARED_APPLICATION_TITLE_H_
#define MENSUREX_UI_SHARED_APPLICATION_TITLE_H_

namespace mensurex::ui {

inline constexpr char kApplicationTitle[] = "Tolvane's Mensurex 2";

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_APPLICATION_TITLE_H_
