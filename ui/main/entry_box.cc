#include "ui/main/entry_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace mensurex::ui {

namespace {

// The caption Qt gives the standard menu's Paste, in Qt's own translation
// (named, not written in place, so that the program's translation files do
// not take it up).
constexpr char kQtContext[] = "QLineEdit";
constexpr char kQtPasteCaption[] = "&Paste";

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(kMaxLength);
}

bool EntryBox::RefuseIfTooLong(qsizetype incoming, bool replaces_selection) {
  const qsizetype kept =
      text().size() - (replaces_selection ? selectedText().size() : 0);
  if (kept + incoming <= maxLength()) return false;
  emit insertRefused();
  return true;
}

void EntryBox::PasteFrom(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  if (RefuseIfTooLong(QGuiApplication::clipboard()->text(mode).size(), true)) {
    return;
  }
  if (mode == QClipboard::Clipboard) {
    paste();
  } else {
    insert(QGuiApplication::clipboard()->text(mode));
  }
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
    event->accept();
    PasteFrom(QClipboard::Clipboard);
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void EntryBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the X11 selection at the cursor; the line edit
  // drops its own selection first.
  if (event->button() == Qt::MiddleButton && !isReadOnly() &&
      QGuiApplication::clipboard()->supportsSelection() &&
      RefuseIfTooLong(
          QGuiApplication::clipboard()->text(QClipboard::Selection).size(),
          false)) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  if (menu == nullptr) return;
  // The standard menu's Paste goes through the length check too. Qt names
  // the action "edit-paste" from 6.5 on; before, only its text tells it.
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("edit-paste") ||
        action->text().section(QLatin1Char('\t'), 0, 0) ==
            QCoreApplication::translate(kQtContext, kQtPasteCaption)) {
      action->disconnect(this);
      connect(action, &QAction::triggered, this,
              [this] { PasteFrom(QClipboard::Clipboard); });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void EntryBox::dropEvent(QDropEvent* event) {
  // Text moved within the box does not change its length.
  const bool moves_own_text =
      event->source() == this && event->dropAction() == Qt::MoveAction;
  if (!moves_own_text && !isReadOnly() &&
      RefuseIfTooLong(event->mimeData()->text().size(), false)) {
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

}  // namespace mensurex::ui
