// Closing a dialog hands the keyboard back to the window below it. A window
// manager usually does that; without one no window would be active and the
// window below would take no keys.
#ifndef MENSUREX_UI_SHARED_WINDOW_ACTIVATION_H_
#define MENSUREX_UI_SHARED_WINDOW_ACTIVATION_H_

class QDialog;

namespace mensurex::ui {

// Makes the window of `dialog`'s parent active again when `dialog`
// finishes. Call it when the dialog is made, before anything else connects
// to its `finished` signal: those handlers then find the window below active.
void ReactivateParentOnFinish(QDialog* dialog);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_WINDOW_ACTIVATION_H_
