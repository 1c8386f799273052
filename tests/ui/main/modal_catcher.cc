#include "modal_catcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

namespace mensurex::testing {

ModalCatcher::ModalCatcher(QMessageBox::StandardButton answer)
    : answer_(answer) {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, &ModalCatcher::Poll);
  timer_.start();
}

void ModalCatcher::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  SeenMessage message;
  message.caption = modal->windowTitle();
  message.modal = modal->isModal();
  auto* box = qobject_cast<QMessageBox*>(modal);
  if (box == nullptr) {
    seen_.push_back(message);
    modal->close();
    return;
  }
  message.is_message_box = true;
  message.text = box->text();
  message.icon = box->icon();
  message.buttons = box->standardButtons();
  if (box->defaultButton() != nullptr) {
    message.default_button = box->standardButton(box->defaultButton());
  }
  seen_.push_back(message);
  if (QAbstractButton* button = box->button(answer_)) {
    button->click();
  } else {
    box->reject();
  }
}

}  // namespace mensurex::testing
