// The main window's entry box: a single-line edit of at most 32767
// characters. A paste or drop that would pass the limit is refused, not cut
// to fit.
#ifndef MENSUREX_UI_MAIN_ENTRY_BOX_H_
#define MENSUREX_UI_MAIN_ENTRY_BOX_H_

#include <QLineEdit>

namespace mensurex::ui {

class EntryBox : public QLineEdit {
  Q_OBJECT

 public:
  // Long past any number the program can convert, and short enough that the
  // idle box does not keep re-laying out its text.
  static constexpr int kMaxLength = 32767;

  explicit EntryBox(QWidget* parent = nullptr);

 signals:
  // A paste or drop was refused because the text would have grown past
  // kMaxLength; the box kept its text, selection and cursor. Typing at the
  // limit is refused without it, as in any full edit box.
  void insertRefused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  // A drop that would pass the limit is refused while it is dragged over
  // the box, so the drag source keeps its text. insertRefused is emitted
  // once, when such a drag ends over the box; one that only passes over it
  // says nothing.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool DropWouldPassLimit(const QDropEvent& event) const;

  bool typing_ = false;
  bool refusal_pending_ = false;
  bool drag_refused_ = false;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_ENTRY_BOX_H_
