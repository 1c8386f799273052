#include "entry_box.h"

#include <QCursor>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QValidator>

namespace mensurex::ui {

namespace {

// Rejects any edit that would leave the text longer than the limit. Qt then
// undoes the whole edit, where its own maximum length would have kept the
// part of a paste that fits.
class LengthLimit : public QValidator {
 public:
  LengthLimit(int max_length, QObject* parent)
      : QValidator(parent), max_length_(max_length) {}

  State validate(QString& input, int& /*pos*/) const override {
    return input.size() > max_length_ ? Invalid : Acceptable;
  }

 private:
  const int max_length_;
};

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  // The validator is the limit. The edit's own maximum length, one past it,
  // only keeps an overlong insert short before the validator refuses it:
  // the edit records every inserted character for undo.
  setMaxLength(kMaxLength + 1);
  setValidator(new LengthLimit(kMaxLength, this));
  // Every insert path of the edit (the paste keys, the context menu, the
  // middle button's X11 selection, a drop) ends in the validator. Reported
  // once the edit is over: an insert cut to the maximum length is rejected
  // twice, cut and then refused.
  connect(this, &QLineEdit::inputRejected, this, [this] {
    if (typing_ || refusal_pending_) return;
    refusal_pending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
          refusal_pending_ = false;
          emit insertRefused();
        },
        Qt::QueuedConnection);
  });
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
  const QScopedValueRollback typing(typing_,
                                    !event->matches(QKeySequence::Paste));
  QLineEdit::keyPressEvent(event);
}

void EntryBox::inputMethodEvent(QInputMethodEvent* event) {
  const QScopedValueRollback typing(typing_, true);
  QLineEdit::inputMethodEvent(event);
}

bool EntryBox::DropWouldPassLimit(const QDropEvent& event) const {
  // The box starts no drags of its own (Qt's default), so a drop always
  // adds its whole text.
  return !isReadOnly() &&
         text().size() + event.mimeData()->text().size() > kMaxLength;
}

void EntryBox::dragEnterEvent(QDragEnterEvent* event) {
  QLineEdit::dragEnterEvent(event);  // Answered by dragMoveEvent.
  // Taken in even when refused: the moves that follow give the drag source
  // its answer, and only a drag taken in is told when it leaves.
  if (drag_refused_) event->accept();
}

void EntryBox::dragMoveEvent(QDragMoveEvent* event) {
  drag_refused_ = DropWouldPassLimit(*event);
  if (drag_refused_) {
    // The source is told that nothing would be dropped, so it keeps its
    // text; no caret shows where the text would go.
    event->ignore();
    return;
  }
  QLineEdit::dragMoveEvent(event);
}

void EntryBox::dragLeaveEvent(QDragLeaveEvent* event) {
  QLineEdit::dragLeaveEvent(event);
  // A refused drag is not dropped: released over the box, it only leaves.
  const bool released_here =
      drag_refused_ && rect().contains(mapFromGlobal(QCursor::pos()));
  drag_refused_ = false;
  if (released_here) emit insertRefused();
}

void EntryBox::dropEvent(QDropEvent* event) {
  const bool refused = drag_refused_ || DropWouldPassLimit(*event);
  drag_refused_ = false;
  if (refused) {
    event->ignore();
    emit insertRefused();
    return;
  }
  QLineEdit::dropEvent(event);
}

}  // namespace mensurex::ui
