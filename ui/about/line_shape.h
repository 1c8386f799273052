// A straight horizontal line drawn as a solid band of one colour.
#ifndef MENSUREX_UI_ABOUT_LINE_SHAPE_H_
#define MENSUREX_UI_ABOUT_LINE_SHAPE_H_

#include <QColor>
#include <QWidget>

namespace mensurex::ui {

// Fills its whole rectangle with its colour: the rectangle's height is the
// line's width. It takes no focus and ignores the mouse.
class LineShape : public QWidget {
 public:
  LineShape(const QColor& colour, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor colour_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_ABOUT_LINE_SHAPE_H_
