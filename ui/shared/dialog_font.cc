#include "ui/shared/dialog_font.h"

#include <QFontDatabase>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "ui/shared/logging.h"

namespace mensurex::ui {

namespace {

// Chinese and Japanese write some of the same characters in different
// shapes, so the face drawn in the user's own script comes first.
QStringList CjkFamilies() {
  const QStringList japanese = {QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("Source Han Sans JP")};
  const QStringList chinese = {QStringLiteral("Noto Sans CJK SC"),
                               QStringLiteral("Source Han Sans SC")};
  return QLocale().language() == QLocale::Japanese ? japanese + chinese
                                                   : chinese + japanese;
}

// Says once when no face of the list is installed: captions may then be cut
// off, and the log should tell why.
void WarnIfNoFaceInstalled(const QStringList& families) {
  static const bool kChecked = [&families] {
    const QStringList installed = QFontDatabase::families();
    const bool found = std::any_of(
        families.begin(), families.end(), [&installed](const QString& name) {
          return installed.contains(name, Qt::CaseInsensitive);
        });
    if (!found) {
      qCWarning(lcUi) << "none of the fonts" << families
                      << "is installed; captions may not fit their controls";
    }
    return true;
  }();
  static_cast<void>(kChecked);
}

// "MS Sans Serif" where it exists, else a face of the same metrics (Arial's),
// so every caption fits the rectangle it was laid out for. Those faces have
// Latin, Greek and Cyrillic letters only; Chinese and Japanese texts take
// their glyphs from a CJK face named after them rather than from whatever
// face the system would pick. Family, size and weight are all set, so no
// part of the desktop's font leaks in.
QFont ClassicSansFont(qreal point_size) {
  const QStringList families = {
      QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
      QStringLiteral("Arimo"),         QStringLiteral("Arial"),
      QStringLiteral("Nimbus Sans"),   QStringLiteral("Helvetica")};
  WarnIfNoFaceInstalled(families);
  QFont font;
  font.setFamilies(families + CjkFamilies());
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
