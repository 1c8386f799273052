// Closes every modal window that opens while it lives and records what it
// saw, so a test never hangs on a message box and can check each one.
#ifndef MENSUREX_TESTS_UI_MAIN_MODAL_CATCHER_H_
#define MENSUREX_TESTS_UI_MAIN_MODAL_CATCHER_H_

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

namespace mensurex::testing {

struct SeenMessage {
  bool is_message_box = false;
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton default_button = QMessageBox::NoButton;
  bool modal = false;
};

class ModalCatcher : public QObject {
 public:
  // Closes each message box by clicking `answer` (or by rejecting it when it
  // has no such button) and any other modal window by closing it.
  explicit ModalCatcher(QMessageBox::StandardButton answer = QMessageBox::Ok);

  const std::vector<SeenMessage>& seen() const { return seen_; }

 private:
  void Poll();

  QMessageBox::StandardButton answer_;
  QTimer timer_;
  std::vector<SeenMessage> seen_;
};

}  // namespace mensurex::testing

#endif  // MENSUREX_TESTS_UI_MAIN_MODAL_CATCHER_H_
