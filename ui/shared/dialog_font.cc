#include "ui/shared/dialog_font.h"

#include <QFontDatabase>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>

#include "ui/shared/logging.h"
#include "ui/shared/user_language.h"

namespace mensurex::ui {

namespace {

// Chinese, Japanese and Korean write some of the same characters in
// different shapes, so the face made for the user's own language comes
// first. Every one of them holds Hangul, kana and the Han characters.
QStringList CjkFamilies() {
  const QStringList japanese = {QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("Source Han Sans JP")};
  const QStringList chinese = {QStringLiteral("Noto Sans CJK SC"),
                               QStringLiteral("Source Han Sans SC")};
  const QStringList korean = {QStringLiteral("Noto Sans CJK KR"),
                              QStringLiteral("Source Han Sans KR")};
  switch (QLocale().language()) {
    case QLocale::Japanese:
      return japanese + chinese + korean;
    case QLocale::Korean:
      return korean + chinese + japanese;
    default:
      return chinese + japanese + korean;
  }
}

// Says once when no face of the list is installed: captions may then be cut
// off, and the log should tell why.
void WarnIfNoFaceInstalled(const QStringList& families) {
  static const bool kChecked = [&families] {
    const QStringList installed = QFontDatabase::families();
    const bool found = std::ranges::any_of(families, [&](const QString& name) {
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
// Latin, Greek and Cyrillic letters only.
QStringList LatinFamilies() {
  QStringList families = {
      QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
      QStringLiteral("Arimo"),         QStringLiteral("Arial"),
      QStringLiteral("Nimbus Sans"),   QStringLiteral("Helvetica")};
  WarnIfNoFaceInstalled(families);
  return families;
}

// The Arabic-Indic and Persian digits that ar_EG and fa_IR write numbers in,
// from a face drawn for them: their digits stand as tall as the Latin
// face's, where the system's fallback draws them visibly smaller.
QStringList ArabicDigitFamilies() {
  return {QStringLiteral("Noto Sans Arabic UI"),
          QStringLiteral("Noto Sans Arabic")};
}

// The scripts that the Latin faces lack (Hebrew they have, as Arial does),
// each in a face made for it: Arabic's, which draws its digits too, and the
// UI cuts of Devanagari and Thai, which keep their marks above and below
// the line within a Latin face's line height.
QStringList ScriptFamilies() {
  return ArabicDigitFamilies() +
         QStringList{QStringLiteral("Noto Sans Devanagari UI"),
                     QStringLiteral("Noto Sans Thai UI")};
}

// Family, size and weight are all set, so no part of the desktop's font
// leaks in. Characters that the first faces lack take their glyphs from the
// later faces named here rather than from whatever face the system would
// pick.
QFont SansFont(const QStringList& families, qreal point_size) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  return font;
}

}  // namespace

QFont DialogFont() {
  // Chinese sets quotation marks full-width, and its face draws them so;
  // from the Latin face, which has the same characters narrow, they would
  // crowd the characters they enclose. So the Chinese texts take every glyph
  // their face has from it, as a Chinese desktop draws them (English texts,
  // laid out for the Latin face's metrics, keep it even under a Chinese
  // locale that has no translation). Japanese and Korean set these marks
  // narrow, as the Latin face does, and keep its Latin letters, while their
  // own brackets, full-width forms and ideographic punctuation come from
  // their face, the first that has them.
  if (UserLanguage().startsWith(QLatin1String("zh"))) {
    return SansFont(CjkFamilies() + LatinFamilies() + ScriptFamilies(), 8.0);
  }
  return SansFont(LatinFamilies() + ScriptFamilies() + CjkFamilies(), 8.0);
}

QFont TextBoxFont() {
  // Numbers, in every language: the digits of the Latin face, or of the
  // Arabic one where the locale writes its own.
  return SansFont(LatinFamilies() + ArabicDigitFamilies() + CjkFamilies(),
                  9.75);
}

}  // namespace mensurex::ui
