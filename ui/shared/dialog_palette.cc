#include "ui/shared/dialog_palette.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace mensurex::ui {

namespace {

double LinearChannel(int value) {
  const double channel = value / 255.0;
  return channel <= 0.04045 ? channel / 12.92
                            : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * LinearChannel(rgb.red()) +
         0.7152 * LinearChannel(rgb.green()) +
         0.0722 * LinearChannel(rgb.blue());
}

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
  const double a = RelativeLuminance(first);
  const double b = RelativeLuminance(second);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// QPalette::setColor without a group sets the colour for an active, an
// inactive and a disabled window alike.
void UseFixedLightBackground(QWidget* widget, const QColor& background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, kBlack);
  // Option-button indicators are drawn in the text-box colours.
  palette.setColor(QPalette::Base, kWhite);
  palette.setColor(QPalette::Text, kBlack);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void UseFixedTextBoxColours(QWidget* text_box, const QColor& text) {
  QPalette palette = text_box->palette();
  palette.setColor(QPalette::Base, kWhite);
  palette.setColor(QPalette::Text, text);
  text_box->setPalette(palette);
}

void UsePreferredTextColour(QWidget* widget, const QColor& preferred) {
  const QWidget* parent = widget->parentWidget();
  const QPalette inherited =
      parent != nullptr ? parent->palette() : QApplication::palette();
  const QColor background = inherited.color(QPalette::Window);
  const QColor text =
      ContrastRatio(preferred, background) >= kMinimumTextContrast
          ? preferred
          : inherited.color(QPalette::WindowText);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  widget->setPalette(palette);
}

}  // namespace mensurex::ui
