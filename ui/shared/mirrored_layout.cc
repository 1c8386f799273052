#include "ui/shared/mirrored_layout.h"

#include <QChildEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QWidget>

namespace mensurex::ui {

namespace {

// Gives each menu that its control builds the control's window's direction
// and font. A menu is polished before it is laid out and placed, so it opens
// from the window's reading edge with room for every label and shortcut.
class MenusFollowWindow : public QObject {
 public:
  explicit MenusFollowWindow(QWidget* control) : QObject(control) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ChildPolished) return false;
    auto* menu =
        qobject_cast<QMenu*>(static_cast<QChildEvent*>(event)->child());
    if (menu == nullptr) return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    menu->setLayoutDirection(window->layoutDirection());
    menu->setFont(window->font());
    return false;
  }
};

}  // namespace

Qt::Alignment ReadingEdgeAlignment(Qt::LayoutDirection direction) {
  // A label aligns by its text's own direction unless told that the
  // alignment is absolute: an English caption would stay on the left.
  return direction == Qt::RightToLeft ? Qt::AlignRight | Qt::AlignAbsolute
                                      : Qt::Alignment(Qt::AlignLeft);
}

void MirrorControls(QWidget* container, int design_width,
                    Qt::LayoutDirection direction) {
  for (QWidget* control :
       container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->isWindow()) continue;
    QRect geometry = control->geometry();
    geometry.moveLeft(design_width - geometry.x() - geometry.width());
    control->setGeometry(geometry);
    auto* label = qobject_cast<QLabel*>(control);
    if (label == nullptr || (label->alignment() & Qt::AlignHCenter) != 0) {
      continue;
    }
    label->setAlignment((label->alignment() & Qt::AlignVertical_Mask) |
                        ReadingEdgeAlignment(direction));
  }
}

void KeepLeftToRight(QWidget* control) {
  control->setLayoutDirection(Qt::LeftToRight);
  control->installEventFilter(new MenusFollowWindow(control));
}

}  // namespace mensurex::ui
