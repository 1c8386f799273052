#include "ui/shared/mirrored_layout.h"

#include <QLabel>
#include <QWidget>

namespace mensurex::ui {

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

}  // namespace mensurex::ui
