// The main window's entry box: a single-line edit bounded to the classic
// edit-box limit, which refuses a paste or drop that would pass it instead of
// cutting the text.
#ifndef MENSUREX_UI_MAIN_ENTRY_BOX_H_
#define MENSUREX_UI_MAIN_ENTRY_BOX_H_

#include <QClipboard>
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
  // kMaxLength; the box kept its text, selection and cursor.
  void insertRefused();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // True if inserting `incoming` (replacing the selection when
  // `replaces_selection`) would pass kMaxLength; then emits insertRefused.
  bool RefuseIfTooLong(qsizetype incoming, bool replaces_selection);
  void PasteFrom(QClipboard::Mode mode);
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_ENTRY_BOX_H_
