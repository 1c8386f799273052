// The frame that holds the unit buttons: a caption at its top left and an
// etched border, drawn on the frame's own background colour.
#ifndef MENSUREX_UI_MAIN_SELECT_FRAME_H_
#define MENSUREX_UI_MAIN_SELECT_FRAME_H_

#include <QGroupBox>

namespace mensurex::ui {

// A QGroupBox (so accessibility tools see a grouping with a name) that paints
// its whole area in its Window colour, unlike styles that shade the inside
// of a group box.
class SelectFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit SelectFrame(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_SELECT_FRAME_H_
