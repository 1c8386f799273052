// The frame that holds the unit buttons: a caption at its top left (top
// right in a right-to-left window) and an etched border, drawn on the
// frame's own background colour.
#ifndef MENSUREX_UI_MAIN_SELECT_FRAME_H_
#define MENSUREX_UI_MAIN_SELECT_FRAME_H_

#include <QGroupBox>

class QRadioButton;
class QStyle;

namespace mensurex::ui {

// A QGroupBox (so accessibility tools see a grouping with a name) that paints
// its whole area in its Window colour, unlike styles that shade the inside
// of a group box.
class SelectFrame : public QGroupBox {
  Q_OBJECT

 public:
  explicit SelectFrame(const QString& caption, QWidget* parent = nullptr);

  // Makes `option` one of the frame's unit buttons: its caption starts close
  // to its indicator, as on the classic dialogs the layout was measured on,
  // so the longest unit names fit the buttons' fixed width.
  void AdoptOption(QRadioButton* option);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QStyle* option_style_;
};

}  // namespace mensurex::ui

#endif  // MENSUREX_UI_MAIN_SELECT_FRAME_H_
