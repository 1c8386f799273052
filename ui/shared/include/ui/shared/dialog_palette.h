// Text colours that stay readable under any desktop palette. A control whose
// background the program fixes also fixes the colour of the text on it, and
// a text colour the program prefers is used only where it reads against the
// background the desktop gives.
#ifndef MENSUREX_UI_SHARED_DIALOG_PALETTE_H_
#define MENSUREX_UI_SHARED_DIALOG_PALETTE_H_

#include <QColor>

class QWidget;

namespace mensurex::ui {

// The least contrast between a text and its background (WCAG's 4.5 : 1).
inline constexpr double kMinimumTextContrast = 4.5;

// The WCAG contrast ratio of two opaque colours: 1 (equal) to 21 (black on
// white).
double ContrastRatio(const QColor& first, const QColor& second);

// Paints `widget` (a label, frame or option button on a background the
// program fixes) in `background` with black text, and its option-button
// indicators black on white, whatever the desktop's palette. The background
// must be light. Give it only to controls that sit on that background:
// buttons and text boxes keep the desktop's own colours, which belong
// together.
void UseFixedLightBackground(QWidget* widget, const QColor& background);

// A text box with `text` on white, whatever the desktop's palette; `text`
// must read on white. Selected text keeps the desktop's colours.
void UseFixedTextBoxColours(QWidget* text_box, const QColor& text);

// Gives `widget` the text colour `preferred` where that reads against the
// background it inherits from its parent (or the application), otherwise
// the inherited text colour. Call again when the palette changes.
void UsePreferredTextColour(QWidget* widget, const QColor& preferred);

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_SHARED_DIALOG_PALETTE_H_
