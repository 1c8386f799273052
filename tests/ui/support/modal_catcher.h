// The one way UI tests deal with modal windows: while a ModalCatcher lives,
// every modal window that opens is recorded and then answered, closed or
// handed to the test, so that no test hangs on one. Once the modal window
// is gone, the window it covered is activated again: without a window
// manager (offscreen, bare Xvfb) nothing else gives it the focus back.
#ifndef MENSUREX_TESTS_UI_SUPPORT_MODAL_CATCHER_H_
#define MENSUREX_TESTS_UI_SUPPORT_MODAL_CATCHER_H_

#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

namespace mensurex::testing {

// A modal window as it looked when it opened.
struct SeenModal {
  bool is_message_box = false;
  QString caption;
  QString text;  // message boxes only
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  bool modal = false;
};

class ModalCatcher : public QObject {
 public:
  using Action = std::function<void(QWidget& modal)>;

  // Answers each message box by clicking `answer` (rejecting it when it has
  // no such button) and closes any other modal window.
  explicit ModalCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);

  // Calls `act` with each modal window once it is active. A window still
  // open `patience_ms` after it appeared (because `act` left it open, or it
  // never became active) is closed and counted in forced().
  explicit ModalCatcher(Action act, int patience_ms = 3000);

  const std::vector<SeenModal>& seen() const { return seen_; }
  // How many windows had to be closed because nothing else closed them.
  int forced() const { return forced_; }

 private:
  ModalCatcher(QMessageBox::StandardButton answer, Action act, int patience_ms);
  void Poll();
  void Handle(QWidget& modal);
  void Answer(QWidget& modal) const;
  void ReturnFocus();

  QMessageBox::StandardButton answer_;
  Action act_;
  int patience_ms_;
  QTimer timer_;
  bool busy_ = false;
  QPointer<QWidget> current_;    // the modal window being handled
  QElapsedTimer current_since_;  // since `current_` appeared
  QPointer<QWidget> return_to_;  // the window `current_` covered
  QPointer<QWidget> last_active_;
  std::vector<SeenModal> seen_;
  int forced_ = 0;
};

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_UI_SUPPORT_MODAL_CATCHER_H_
