#include "tests/ui/support/modal_catcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <utility>

namespace mensurex::testing {

namespace {

SeenModal Describe(const QWidget& modal) {
  SeenModal seen;
  seen.caption = modal.windowTitle();
  seen.modal = modal.isModal();
  if (const auto* box = qobject_cast<const QMessageBox*>(&modal)) {
    seen.is_message_box = true;
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    if (box->defaultButton() != nullptr) {
      seen.default_button = box->standardButton(box->defaultButton());
    }
  }
  return seen;
}

void ForceClosed(QWidget& modal) {
  if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
    dialog->done(-1);
  } else {
    modal.close();
  }
}

}  // namespace

ModalCatcher::ModalCatcher(QMessageBox::StandardButton answer)
    : ModalCatcher(answer, nullptr, 3000) {}

ModalCatcher::ModalCatcher(Action act, int patience_ms)
    : ModalCatcher(QMessageBox::Ok, std::move(act), patience_ms) {}

ModalCatcher::ModalCatcher(QMessageBox::StandardButton answer, Action act,
                           int patience_ms)
    : answer_(answer),
      act_(std::move(act)),
      patience_ms_(patience_ms),
      last_active_(QApplication::activeWindow()) {
  timer_.setInterval(5);
  connect(&timer_, &QTimer::timeout, this, &ModalCatcher::Poll);
  timer_.start();
}

void ModalCatcher::Poll() {
  // `act` may wait for events, which can run this poll again.
  if (busy_) return;
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) {
    ReturnFocus();
    if (QWidget* active = QApplication::activeWindow()) last_active_ = active;
    return;
  }
  if (modal != current_) {
    Handle(*modal);
  } else if (current_since_.hasExpired(patience_ms_)) {
    ++forced_;
    ForceClosed(*modal);
  }
  if (current_ == nullptr || !current_->isVisible()) ReturnFocus();
}

void ModalCatcher::Handle(QWidget& modal) {
  current_ = &modal;
  current_since_.start();
  QWidget* covered = modal.parentWidget() != nullptr
                         ? modal.parentWidget()->window()
                         : nullptr;
  if (covered == nullptr || covered == &modal) covered = last_active_;
  if (return_to_ == nullptr) return_to_ = covered;
  seen_.push_back(Describe(modal));
  if (!act_) {
    Answer(modal);
    return;
  }
  busy_ = true;
  if (QTest::qWaitForWindowActive(&modal)) act_(modal);
  busy_ = false;
}

void ModalCatcher::Answer(QWidget& modal) const {
  auto* box = qobject_cast<QMessageBox*>(&modal);
  if (box == nullptr) {
    modal.close();
  } else if (QAbstractButton* button = box->button(answer_)) {
    button->click();
  } else {
    box->reject();
  }
}

void ModalCatcher::ReturnFocus() {
  if (return_to_ == nullptr) return;
  if (return_to_->isVisible() && !return_to_->isActiveWindow()) {
    return_to_->activateWindow();
  }
  return_to_ = nullptr;
}

}  // namespace mensurex::testing
