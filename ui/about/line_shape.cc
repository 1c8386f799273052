#include "line_shape.h"

#include <QPainter>

namespace mensurex::ui {

LineShape::LineShape(const QColor& colour, QWidget* parent)
    : QWidget(parent), colour_(colour) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
}

}  // namespace mensurex::ui
