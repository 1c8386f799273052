#include "ui/shared/mirrored_layout.h"

#include <QChildEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QWidget>

namespace mensurex::ui {

namespace {

// The horizontal alignment of a caption that starts at the reading edge: the
// left edge, or in a right-to-left window the right one, whatever the
// direction of the caption's own text. A label aligns by its text's own
// direction unless told that the alignment is absolute: an English caption
// would stay on the left.
Qt::Alignment ReadingEdgeAlignment(Qt::LayoutDirection direction) {
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

// Mirrors its container's controls whenever the container's direction
// changes from the one they are placed for.
class MirrorsWithDirection : public QObject {
 public:
  MirrorsWithDirection(QWidget* container, int design_width)
      : QObject(container), design_width_(design_width) {
    container->installEventFilter(this);
    Follow(container);
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::LayoutDirectionChange) {
      Follow(static_cast<QWidget*>(watched));
    }
    return false;
  }

 private:
  void Follow(QWidget* container) {
    const Qt::LayoutDirection direction = container->layoutDirection();
    if (direction == placed_for_) return;
    placed_for_ = direction;
    MirrorControls(container, design_width_, direction);
  }

  const int design_width_;
  Qt::LayoutDirection placed_for_ = Qt::LeftToRight;
};

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

void FollowLayoutDirection(QWidget* container, int design_width) {
  new MirrorsWithDirection(container, design_width);
}

void KeepLeftToRight(QWidget* control) {
  control->setLayoutDirection(Qt::LeftToRight);
  control->installEventFilter(new MenusFollowWindow(control));
}

}  // namespace mensurex::ui
