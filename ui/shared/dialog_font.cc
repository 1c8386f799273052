#include "ui/shared/dialog_font.h"

#include <QString>
#include <QStringList>

namespace mensurex::ui {

namespace {

// "MS Sans Serif" where it exists, else a face of the same metrics (Arial's),
// so every caption fits the rectangle it was laid out for. Family, size and
// weight are all set, so no part of the desktop's font leaks in.
QFont ClassicSansFont(qreal point_size) {
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Arial"), QStringLiteral("Nimbus Sans"),
                    QStringLiteral("Helvetica")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace

QFont DialogFont() { return ClassicSansFont(8.0); }

QFont TextBoxFont() { return ClassicSansFont(9.75); }

}  // namespace mensurex::ui
