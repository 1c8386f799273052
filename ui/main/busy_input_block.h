// Keeping the user's hands off the application while it waits for something.
#ifndef MENSUREX_UI_MAIN_BUSY_INPUT_BLOCK_H_
#define MENSUREX_UI_MAIN_BUSY_INPUT_BLOCK_H_

#include <QObject>

namespace mensurex::ui {

// While it lives, the application shows the busy cursor and the user's input
// (keys, mouse buttons and wheel, shortcuts, touch, drag and drop) reaches
// none of its windows: it is dropped, not delivered later, so nothing typed
// or clicked meanwhile acts afterwards. Painting, resizing, timers and the
// window manager's requests still go through: the windows stay drawn and
// answer the desktop. Make one on the GUI thread only, and not two at once.
class BusyInputBlock : public QObject {
 public:
  BusyInputBlock();
  ~BusyInputBlock() override;
  BusyInputBlock(const BusyInputBlock&) = delete;
  BusyInputBlock& operator=(const BusyInputBlock&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_BUSY_INPUT_BLOCK_H_
