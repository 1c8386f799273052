// Both windows and their message boxes as users with other desktop settings
// see them: in the user's language (the test runs under C.UTF-8 and each
// language's locale), under light, dark and high-contrast palettes, and with
// small and large desktop fonts.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "ui/about/frm_about.h"
#include "ui/main/frm_main.h"
#include "ui/shared/dialog_palette.h"
#include "ui/shared/user_language.h"

namespace {

using mensurex::ui::ContrastRatio;
using mensurex::ui::kMinimumTextContrast;

// One user-visible text in English, German and French; the other
// languages' texts are those of their translation files.
struct Text {
  const char* english;
  const char* german;
  const char* french;
};

// The language the test runs in: "" (C or English), "de", "pt_BR", ...
QString RunLanguage() {
  const QStringList languages =
      QStringLiteral(MENSUREX_LANGUAGES).split(QLatin1Char(','));
  QString name = QLocale().name();
  if (languages.contains(name)) return name;
  const QString language = name.section(QLatin1Char('_'), 0, 0);
  return languages.contains(language) ? language : QString();
}

// `text` in the run's language, or nothing in a language that only its
// translation file spells out.
std::optional<QString> Spelt(const Text& text) {
  const QString language = RunLanguage();
  if (language == "de") return QString::fromUtf8(text.german);
  if (language == "fr") return QString::fromUtf8(text.french);
  if (language.isEmpty()) return QString::fromUtf8(text.english);
  return std::nullopt;
}

// `shown` is `text` in the run's language. In a language the test does not
// spell out, a phrase must not be left in English, unless German keeps it
// too (as it keeps the unit names); single words such as "File" and "Help"
// are the same in several languages.
void CheckShown(const QString& shown, const Text& text) {
  if (const std::optional<QString> expected = Spelt(text)) {
    QCOMPARE(shown, *expected);
  } else if (qstrcmp(text.english, text.german) != 0 &&
             std::strchr(text.english, ' ') != nullptr) {
    QVERIFY2(shown != QString::fromUtf8(text.english), qPrintable(shown));
  }
}

// Captions and tooltips of the main window, by control name.
const std::map<QString, Text> kMainWindowTexts = {
    {"lblEntry",
     {"Enter Number to Convert", "Umzurechnende Zahl", "Nombre à convertir"}},
    {"frmSelect", {"Entry Criteria", "Eingabeeinheit", "Unité de saisie"}},
    {"cmdClear", {"Clear All", "Alles löschen", "Tout effacer"}},
    {"cmdCalculate", {"C&alculate", "Be&rechnen", "&Calculer"}},
    {"cmdPrintForm", {"&Print Form", "Dr&ucken", "&Imprimer"}},
    {"cmdClose", {"&Close", "&Schließen", "Fer&mer"}},
    // A singular where the option button has no room for the plural.
    {"optMeasure_2", {"Megabytes", "Megabytes", "Mégaoctet"}},
    {"lblResults", {"Results", "Ergebnisse", "Résultats"}},
    {"lblMegabytes", {"Megabytes", "Megabytes", "Mégaoctets"}},
    {"lblPetaBytes", {"Petabytes", "Petabytes", "Pétaoctets"}},
    {"mnuFile", {"&File", "&Datei", "&Fichier"}},
    {"mnuExit", {"&Exit", "&Beenden", "&Quitter"}},
    {"mnuHelp", {"&Help", "&Hilfe", "&Aide"}},
    {"mnuInstructions", {"&Instructions", "&Anleitung", "&Mode d'emploi"}},
    {"mnuAbout", {"A&bout", "Ü&ber", "À &propos"}},
    {"txtEntry tooltip",
     {"Enter the number you wish to convert",
      "Geben Sie die Zahl ein, die Sie umrechnen möchten",
      "Saisissez le nombre à convertir"}},
};

const Text kRefusal = {"You must enter a valid numeric amount .",
                       "Bitte geben Sie eine gültige Zahl ein.",
                       "Vous devez saisir une valeur numérique valide."};
const Text kPrintFailure = {
    "There has been an error printing this form.",
    "Beim Drucken des Fensters ist ein Fehler aufgetreten.",
    "Une erreur s'est produite lors de l'impression de cette fenêtre."};
const Text kCancel = {"Cancel", "Abbrechen", "Annuler"};
const Text kOk = {"OK", "OK", "OK"};
const Text kVersion = {"Version 2.0", "Version 2.0", "Version 2.0"};
const Text kInstructionsStart = {
    "To use the Mensurex, simply add a numberical value in the ENTER NUMBER "
    "TO CONVERT box. Select the appropriate criteria you wish to convert, "
    "byte, kilobyte, megabyte or gigabyte.",
    "So benutzen Sie Mensurex: Geben Sie im Feld UMZURECHNENDE ZAHL einen "
    "Zahlenwert ein.",
    "Pour utiliser Mensurex, saisissez simplement une valeur numérique dans "
    "la zone NOMBRE À CONVERTIR."};
const Text kInstructionsEnd = {
    " then click CALCULATE.  View the results in the RESULTS section.",
    "Die Ergebnisse stehen im Bereich ERGEBNISSE.",
    "Les résultats s'affichent dans la zone RÉSULTATS."};
const Text kAboutCaption = {"About Tolvane's Mensurex 2",
                            "Über Tolvane's Mensurex 2",
                            "À propos de Tolvane's Mensurex 2"};
const Text kDescription = {
    "The Mensurex was developed as a simple tool to quickly and easily "
    "calculate bytes, kilobytes, megabytes, gigabytes, terabytes, petabytes "
    "and exabytes.",
    "Mensurex wurde als einfaches Werkzeug entwickelt, mit dem sich Bytes, "
    "Kilobytes, Megabytes, Gigabytes, Terabytes, Petabytes und Exabytes "
    "schnell und bequem umrechnen lassen.",
    "Mensurex a été conçu comme un outil simple pour convertir rapidement et "
    "facilement des octets, kilooctets, mégaoctets, gigaoctets, téraoctets, "
    "pétaoctets et exaoctets."};
const Text kDisclaimer = {
    "Mensurex 2 is free software under the MIT License, with no warranty. "
    "Please report problems to mensurex@example.org.",
    "Mensurex 2 ist freie Software unter der MIT-Lizenz, ohne jede "
    "Gewährleistung. Bitte melden Sie Probleme an mensurex@example.org.",
    "Mensurex 2 est un logiciel libre sous licence MIT, sans aucune garantie. "
    "Merci de signaler tout problème à mensurex@example.org."};

// Runs `trigger`; once it opens a modal window, calls `inspect` with it and
// closes it.
void WithModal(const std::function<void()>& trigger,
               const std::function<void(QWidget&)>& inspect) {
  trigger();
  QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
  auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
  QVERIFY(modal != nullptr);
  QVERIFY(QTest::qWaitForWindowActive(modal));
  inspect(*modal);
  modal->reject();
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

// Clicks the button or triggers the menu item named `name`.
void Press(frmMain& window, const char* name) {
  const QString control = QString::fromLatin1(name);
  if (auto* button = window.findChild<QPushButton*>(control)) {
    button->click();
  } else {
    window.findChild<QAction*>(control)->trigger();
  }
}

void ShowPrintFailure(frmMain& window,
                      const std::function<void(QWidget&)>& inspect) {
  // A job that fails as soon as the event loop runs.
  window.set_print_job_starter(
      [](const QWidget&, QObject* parent, frmMain::PrintDone done) {
        auto* job = new QObject(parent);
        QTimer::singleShot(0, job, [done = std::move(done)] {
          done(mensurex::ui::PrintOutcome::kFailed);
        });
        return job;
      });
  WithModal([&] { Press(window, "cmdPrintForm"); }, inspect);
}

// A text as drawn: the widget, the text without access-key marks, and the
// rectangle (in the widget) that the text must fit.
struct Caption {
  QWidget* widget;
  QString text;
  QRect area;
  bool wraps;
};

// No caption of the program shows an ampersand itself.
QString Visible(QString text) { return text.remove(QLatin1Char('&')); }

// Every text of `window` that sits in a rectangle of its own: labels,
// option buttons, command buttons, the frame's caption and the text boxes.
std::vector<Caption> Captions(QWidget& window) {
  std::vector<Caption> captions;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      if (label->text().isEmpty()) continue;  // the picture box
      captions.push_back(
          {label, label->text(), label->contentsRect(), label->wordWrap()});
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QStyleOptionButton option;
      option.initFrom(button);
      option.text = button->text();
      const bool is_radio = qobject_cast<QRadioButton*>(button) != nullptr;
      const QRect area = button->style()->subElementRect(
          is_radio ? QStyle::SE_RadioButtonContents
                   : QStyle::SE_PushButtonContents,
          &option, button);
      captions.push_back({button, Visible(button->text()), area, false});
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      // Drawn from 8 pixels in, up to 2 pixels short of the right border.
      const QFontMetrics metrics(frame->font());
      captions.push_back({frame, frame->title(),
                          QRect(8, 0, frame->width() - 10, metrics.height()),
                          false});
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
      if (box->text().isEmpty()) continue;
      captions.push_back(
          {box, box->text(), box->rect().adjusted(3, 3, -3, -3), false});
    }
  }
  return captions;
}

// The contrast of a text with the background around it, from the pixels of
// `area`: the background is its commonest colour, the text's the colour
// that stands out most from it.
double InkContrast(const QImage& shot, const QRect& area) {
  QHash<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      ++counts[shot.pixel(x, y)];
    }
  }
  QRgb background = 0;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > most) {
      most = it.value();
      background = it.key();
    }
  }
  double contrast = 1.0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    contrast =
        std::max(contrast, ContrastRatio(QColor(it.key()), QColor(background)));
  }
  return contrast;
}

// Every caption of `window` reads against its background.
void CheckContrast(QWidget& window, const char* palette_name) {
  const QImage shot = window.grab().toImage();
  for (const Caption& caption : Captions(window)) {
    const QRect area(caption.widget->mapTo(&window, caption.area.topLeft()),
                     caption.area.size());
    const double contrast = InkContrast(shot, area & shot.rect());
    QVERIFY2(contrast >= kMinimumTextContrast,
             qPrintable(QStringLiteral("%1 under the %2 palette: %3 : 1")
                            .arg(caption.text, palette_name)
                            .arg(contrast, 0, 'f', 2)));
  }
}

// The pixels that differ between two pictures of one size.
QRect Difference(const QImage& a, const QImage& b) {
  QRect bounds;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.pixel(x, y) != b.pixel(x, y)) bounds |= QRect(x, y, 1, 1);
    }
  }
  return bounds;
}

// Where `widget` shows the ink of its caption: what changes when the caption
// gives way to a blank.
QRect ShownInk(QWidget* widget) {
  const char* property = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
  const QVariant text = widget->property(property);
  const QImage drawn = widget->grab().toImage();
  widget->setProperty(property, QStringLiteral(" "));
  const QImage blank = widget->grab().toImage();
  widget->setProperty(property, text);
  return Difference(drawn, blank);
}

// The rows of ink of `caption` as its widget shows them and as its text
// needs them where nothing cuts it: fewer shown means cut at the top or
// bottom of where it is drawn.
std::pair<int, int> ShownAndNeededInk(const Caption& caption) {
  QWidget* widget = caption.widget;
  const QImage drawn = widget->grab().toImage();
  QImage white(widget->width() + 400, 8 * widget->height(), drawn.format());
  white.fill(Qt::white);
  QImage free = white;
  QPainter painter(&free);
  painter.setFont(widget->font());
  painter.drawText(
      QRect(20, 20, caption.area.width(), 0),
      Qt::AlignTop | Qt::TextDontClip | (caption.wraps ? Qt::TextWordWrap : 0),
      caption.text);
  painter.end();
  return {ShownInk(widget).height(), Difference(free, white).height()};
}

// No text drawn across the edge where it ends (the right one, or the left
// one right to left) or the bottom edge of `widget`: the outermost column
// and row there show the background only.
bool InkAtEdge(QWidget* widget) {
  const QImage image = widget->grab().toImage();
  const int end =
      widget->layoutDirection() == Qt::RightToLeft ? 0 : image.width() - 1;
  const QRgb background = image.pixel(end, 0);
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixel(end, y) != background) return true;
  }
  for (int x = 0; x < image.width(); ++x) {
    if (image.pixel(x, image.height() - 1) != background) return true;
  }
  return false;
}

// The columns between a caption's ink and the edges of its control that
// show: a sibling drawn over one side (the entry box over its label) moves
// that edge in.
struct Margins {
  int left = 0;
  int right = 0;
};
Margins InkMargins(const Caption& caption) {
  QWidget* widget = caption.widget;
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    // Its border moves with the caption's height; the caption starts 8
    // pixels in from the reading edge.
    const int room =
        caption.area.width() + 2 -
        QFontMetrics(frame->font()).horizontalAdvance(caption.text);
    return frame->layoutDirection() == Qt::RightToLeft ? Margins{room, 8}
                                                       : Margins{8, room};
  }
  const QRect ink = ShownInk(widget);
  QRect shown = widget->rect();
  const QObjectList& siblings = widget->parentWidget()->children();
  for (qsizetype i = siblings.indexOf(widget) + 1; i < siblings.size(); ++i) {
    auto* above = qobject_cast<QWidget*>(siblings[i]);
    if (above == nullptr || above->isWindow() || !above->isVisible()) continue;
    const QRect over = above->geometry().translated(-widget->pos());
    if (!over.intersects(shown)) continue;
    if (over.left() > shown.left()) shown.setRight(over.left() - 1);
    if (over.right() < shown.right()) shown.setLeft(over.right() + 1);
  }
  return {ink.left() - shown.left(), shown.right() - ink.right()};
}

// Each caption's margins by control name, in English: what a translation
// must keep, up to 3 pixels.
using MarginTable = std::map<QString, Margins>;
void AddMargins(QWidget& window, MarginTable& table) {
  for (const Caption& caption : Captions(window)) {
    table[caption.widget->objectName()] = InkMargins(caption);
  }
}

// A caption keeps at least what the English one keeps, or 3 pixels. Not a
// wrapped text, which fills its lines as far as its rectangle goes.
void CheckCaptionMargins(QWidget& window, const MarginTable& english) {
  constexpr int kEnough = 3;
  QStringList crowded;
  for (const Caption& caption : Captions(window)) {
    if (qobject_cast<QLineEdit*>(caption.widget) != nullptr || caption.wraps) {
      continue;
    }
    const auto found = english.find(caption.widget->objectName());
    const Margins wanted =
        found == english.end() ? Margins{kEnough, kEnough} : found->second;
    const Margins kept = InkMargins(caption);
    if (kept.left < std::min(wanted.left, kEnough) ||
        kept.right < std::min(wanted.right, kEnough)) {
      crowded << QStringLiteral("%1 \"%2\" keeps %3 and %4 px")
                     .arg(caption.widget->objectName(), caption.text)
                     .arg(kept.left)
                     .arg(kept.right);
    }
  }
  QVERIFY2(crowded.isEmpty(), qPrintable(crowded.join(QStringLiteral("; "))));
}

void CheckCaptionsFit(QWidget& window) {
  for (const Caption& caption : Captions(window)) {
    if (qobject_cast<QLineEdit*>(caption.widget) != nullptr) continue;
    const QFontMetrics metrics(caption.widget->font());
    const QString what =
        caption.widget->objectName() + QStringLiteral(": ") + caption.text;
    if (caption.wraps) {
      const QRect needed = metrics.boundingRect(
          caption.area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
          caption.text);
      QVERIFY2(needed.height() <= caption.area.height(), qPrintable(what));
    } else if (qobject_cast<QRadioButton*>(caption.widget) == nullptr) {
      // An option button's text may run into the style's margin; the ink
      // test below tells whether it is cut.
      QVERIFY2(metrics.horizontalAdvance(caption.text) <= caption.area.width(),
               qPrintable(what));
      QVERIFY2(metrics.height() <= caption.area.height(), qPrintable(what));
    } else {
      // Past the button's own edge it is cut off, whatever the ink shows.
      QVERIFY2(caption.area.left() + metrics.horizontalAdvance(caption.text) <=
                   caption.widget->width(),
               qPrintable(what));
    }
    if (qobject_cast<QLabel*>(caption.widget) != nullptr ||
        qobject_cast<QRadioButton*>(caption.widget) != nullptr) {
      QVERIFY2(!InkAtEdge(caption.widget), qPrintable(what));
    }
    const auto [shown, needed] = ShownAndNeededInk(caption);
    QVERIFY2(shown >= needed, qPrintable(what + " is cut"));
  }
}

// The face (" SC": Noto Sans CJK SC) that draws `code` in a CJK language
// that has a form of its own for it, or "": brackets, ideographic
// punctuation, full-width forms, and Chinese full-width quotation marks.
QString OwnFace(char32_t code) {
  const QString tag = QHash<QString, QString>{
      {"zh_CN", " SC"},
      {"ja", " JP"},
      {"ko", " KR"}}.value(RunLanguage());
  const bool own = (code >= 0x3000 && code <= 0x303F) ||
                   (code >= 0xFF00 && code <= 0xFFEF) ||
                   (tag == " SC" && (code == 0x2014 || code == 0x2026 ||
                                     (code >= 0x2018 && code <= 0x201D)));
  return own ? tag : QString();
}

// The characters of `text` that no face named by `font` draws (or not its
// language's own face, see OwnFace), counting only the faces the system has.
// Such a character would show as a box, or in whatever face the system
// picks, with other metrics than the layout's.
QString MissingGlyphs(const QFont& font, const QString& text) {
  std::vector<QRawFont> faces;
  for (const QString& family : font.families()) {
    QRawFont face = QRawFont::fromFont(QFont(family));
    if (face.isValid() && face.familyName() == family) faces.push_back(face);
  }
  QString missing;
  for (const char32_t code : text.toUcs4()) {
    if (QChar::isSpace(code) || QChar::category(code) == QChar::Other_Format) {
      continue;
    }
    const auto face = std::find_if(
        faces.cbegin(), faces.cend(),
        [code](const QRawFont& f) { return f.supportsCharacter(code); });
    if (face == faces.cend() || !face->familyName().endsWith(OwnFace(code))) {
      missing += QString::fromUcs4(&code, 1);
    }
  }
  return missing;
}

// Every text that `window` shows, its menus' included, has its glyphs.
void CheckGlyphs(QWidget& window) {
  std::vector<std::pair<QWidget*, QString>> texts;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      texts.emplace_back(label, label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      texts.emplace_back(button, button->text());
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
      texts.emplace_back(frame, frame->title());
    } else if (auto* menu = qobject_cast<QMenu*>(widget);
               menu != nullptr && !menu->objectName().isEmpty()) {
      // Unnamed menus are the menu bar's own overflow menu, never shown in
      // a window this wide.
      texts.emplace_back(menu, menu->title());
      for (QAction* action : menu->actions()) {
        texts.emplace_back(menu, action->text());
      }
    }
    // Tooltips are drawn in the tooltip font, not their widget's.
    const QString tip = widget->toolTip();
    QVERIFY2(tip.isEmpty() || MissingGlyphs(QToolTip::font(), tip).isEmpty(),
             qPrintable(widget->objectName() + ": " + tip));
  }
  for (const auto& [widget, text] : texts) {
    const QString missing = MissingGlyphs(widget->font(), Visible(text));
    QVERIFY2(missing.isEmpty(), qPrintable(widget->objectName() + ": " + text +
                                           " lacks " + missing));
  }
}

// A desktop colour scheme: `text` on `window` and on `base` (text boxes).
QPalette Scheme(const QColor& window, const QColor& base, const QColor& text) {
  return {text,
          window,
          window.lighter(130),
          window.darker(130),
          window.darker(110),
          text,
          text,
          base,
          window};
}
const QPalette kDark =
    Scheme(QColor(53, 53, 53), QColor(42, 42, 42), Qt::white);
const QPalette kHighContrast = Scheme(Qt::black, Qt::black, Qt::white);

}  // namespace

class DesktopSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QCOMPARE(mensurex::ui::LoadUserLanguage(), RunLanguage());
    default_palette_ = QApplication::palette();
    default_font_ = QApplication::font();
    // The English captions' margins, measured with the translations set
    // aside.
    const QList<QTranslator*> translators =
        QCoreApplication::instance()->findChildren<QTranslator*>();
    for (QTranslator* translator : translators) {
      QCoreApplication::removeTranslator(translator);
    }
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    AddMargins(window, english_margins_);
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    AddMargins(about, english_margins_);
    for (QTranslator* translator : translators) {
      QCoreApplication::installTranslator(translator);
    }
  }

  void cleanup() {
    QApplication::setPalette(default_palette_);
    QApplication::setFont(default_font_);
  }

  void mainWindowSpeaksTheUsersLanguage() {
    frmMain window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Mensurex"));
    for (const auto& [name, text] : kMainWindowTexts) {
      QString shown;
      if (name.endsWith(QStringLiteral(" tooltip"))) {
        shown = window.findChild<QWidget*>(name.section(' ', 0, 0))->toolTip();
      } else if (auto* menu = window.findChild<QMenu*>(name)) {
        shown = menu->title();
      } else if (auto* action = window.findChild<QAction*>(name)) {
        shown = action->text();
      } else if (auto* button = window.findChild<QAbstractButton*>(name)) {
        shown = button->text();
      } else if (auto* frame = window.findChild<QGroupBox*>(name)) {
        shown = frame->title();
      } else if (auto* label = window.findChild<QLabel*>(name)) {
        shown = label->text();
      }
      CheckShown(shown, text);
    }
  }

  // Alt plus a letter must reach one command only: the buttons and the menu
  // titles share the window's access keys, the items those of their menu.
  void accessKeysAreUnique() {
    frmMain window;
    const auto key = [](const QString& text) {
      const qsizetype at = text.indexOf(QLatin1Char('&'));
      return at < 0 ? QChar() : text.at(at + 1).toLower();
    };
    std::multiset<QChar> window_keys;
    for (auto* button : window.findChildren<QPushButton*>()) {
      if (!key(button->text()).isNull())
        window_keys.insert(key(button->text()));
    }
    for (auto* menu : window.menuBar()->findChildren<QMenu*>()) {
      window_keys.insert(key(menu->title()));
      std::set<QChar> item_keys;
      for (QAction* action : menu->actions()) {
        QVERIFY2(item_keys.insert(key(action->text())).second,
                 qPrintable(action->text()));
      }
    }
    for (const QChar letter : window_keys) {
      QVERIFY2(window_keys.count(letter) == 1, qPrintable(QString(letter)));
    }
  }

  void messagesSpeakTheUsersLanguage() {
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    WithModal([&] { Press(window, "cmdCalculate"); },
              [](QWidget& box) {
                CheckShown(qobject_cast<QMessageBox*>(&box)->text(), kRefusal);
                CheckGlyphs(box);
              });
    WithModal([&] { Press(window, "mnuInstructions"); },
              [](QWidget& box) {
                const QString text = qobject_cast<QMessageBox*>(&box)->text();
                const std::optional<QString> start = Spelt(kInstructionsStart);
                QVERIFY2(start ? text.startsWith(*start)
                               : !text.startsWith(QString::fromUtf8(
                                     kInstructionsStart.english)),
                         qPrintable(text));
                if (const auto end = Spelt(kInstructionsEnd)) {
                  QVERIFY2(text.endsWith(*end), qPrintable(text));
                }
                CheckGlyphs(box);
              });
    ShowPrintFailure(window, [](QWidget& widget) {
      auto* box = qobject_cast<QMessageBox*>(&widget);
      QCOMPARE(box->windowTitle(), QStringLiteral("Tolvane's Mensurex 2"));
      CheckShown(box->text(), kPrintFailure);
      CheckShown(Visible(box->button(QMessageBox::Ok)->text()), kOk);
      // One word for OK in every window, Qt's message boxes too.
      QCOMPARE(Visible(box->button(QMessageBox::Ok)->text()),
               QCoreApplication::translate("frmAbout", "OK"));
      CheckShown(Visible(box->button(QMessageBox::Cancel)->text()), kCancel);
      // One word, yet no language keeps it: where Qt has no translation of
      // its own (Greek, Hindi, Thai, ...), the program's gives it.
      if (!RunLanguage().isEmpty()) {
        QVERIFY(Visible(box->button(QMessageBox::Cancel)->text()) !=
                QStringLiteral("Cancel"));
      }
      CheckGlyphs(widget);
    });
  }

  void aboutWindowSpeaksTheUsersLanguage() {
    frmAbout about;
    CheckShown(about.windowTitle(), kAboutCaption);
    QVERIFY(
        about.windowTitle().contains(QStringLiteral("Tolvane's Mensurex 2")));
    const auto text = [&about](const char* name) {
      return about.findChild<QLabel*>(QString::fromLatin1(name))->text();
    };
    QCOMPARE(text("lblTitle"), QStringLiteral("Tolvane's Mensurex 2"));
    CheckShown(text("lblVersion"), kVersion);
    // As the results write it where the locale has digits of its own.
    QVERIFY(text("lblVersion")
                .endsWith(QLocale().zeroDigit() == "0"
                              ? QStringLiteral("2.0")
                              : QLocale().toString(2.0, 'f', 1)));
    CheckShown(text("lblDescription"), kDescription);
    CheckShown(text("lblDisclaimer"), kDisclaimer);
    CheckShown(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(),
               kOk);
  }

  // The menus Qt builds for the text boxes, which keep their numbers left
  // to right, take the window's direction and font: right to left they open
  // leftwards from the pointer. No label or shortcut runs past a side of
  // the menu: the columns there are one colour down each item.
  void contextMenusFollowTheWindow() {
    frmMain window;
    window.move(200, 100);  // room on either side of every box
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
      box->setText("1");
      const QPoint at = box->mapToGlobal(box->rect().center());
      QCursor::setPos(at);
      QContextMenuEvent event(QContextMenuEvent::Mouse, box->mapFromGlobal(at),
                              at);
      QApplication::sendEvent(box, &event);
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY(menu != nullptr);
      QCOMPARE(menu->layoutDirection(), window.layoutDirection());
      QCOMPARE(menu->font(), window.font());
      QVERIFY(window.isRightToLeft() ? menu->geometry().right() < at.x()
                                     : menu->geometry().left() >= at.x());
      menu->setActiveAction(nullptr);
      const QImage image = menu->grab().toImage();
      for (QAction* action : menu->actions()) {
        // Not the border rows.
        const QRect item =
            menu->actionGeometry(action) & image.rect().adjusted(0, 1, 0, -1);
        for (int y = item.top(); y <= item.bottom(); ++y) {
          for (const int x : {0, 1, 2, image.width() - 3, image.width() - 2,
                              image.width() - 1}) {
            QVERIFY2(image.pixel(x, y) == image.pixel(x, item.top()),
                     qPrintable(action->text()));
          }
        }
      }
      menu->close();
    }
  }

  void readableUnderAnyPalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << kDark;
    QTest::newRow("high contrast") << kHighContrast;
  }
  void readableUnderAnyPalette() {
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    const QByteArray palette_name = QTest::currentDataTag();

    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.findChild<QLineEdit*>(QStringLiteral("txtEntry"))->setText("1");
    Press(window, "cmdCalculate");
    CheckContrast(window, palette_name);
    // The menu bar's titles.
    const QImage bar = window.menuBar()->grab().toImage();
    for (QAction* action : window.menuBar()->actions()) {
      QVERIFY(InkContrast(bar, window.menuBar()->actionGeometry(action)) >=
              kMinimumTextContrast);
    }
    ShowPrintFailure(window, [&palette_name](QWidget& box) {
      CheckContrast(box, palette_name);
    });
    WithModal([&] { Press(window, "mnuAbout"); },
              [&palette_name](QWidget& about) {
                CheckContrast(about, palette_name);
              });
  }

  // The About window follows a palette that changes while it is open.
  void aboutFollowsAPaletteChange() {
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QApplication::setPalette(kDark);
    CheckContrast(about, "dark, changed while open");
    QApplication::setPalette(default_palette_);
    CheckContrast(about, "light, changed while open");
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblDescription"))
                 ->palette()
                 .color(QPalette::WindowText),
             QColor(Qt::black));
  }

  void fitsAtAnyDesktopFontSize_data() {
    QTest::addColumn<int>("points");
    for (const int points : {8, 11, 16}) {
      QTest::addRow("%d pt", points) << points;
    }
  }
  void fitsAtAnyDesktopFontSize() {
    QFETCH(int, points);
    QFont desktop_font(QStringLiteral("DejaVu Sans"));
    desktop_font.setPointSize(points);
    QApplication::setFont(desktop_font);
    frmMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    CheckCaptionsFit(window);
    CheckCaptionMargins(window, english_margins_);
    CheckGlyphs(window);
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    CheckCaptionsFit(about);
    CheckCaptionMargins(about, english_margins_);
    CheckGlyphs(about);
  }

  // The contrast measure itself, against known pairs.
  void contrastRatio() {
    QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(ContrastRatio(Qt::white, Qt::white), 1.0);
    // White on the main window's green; the results' blue on white.
    QVERIFY(qAbs(ContrastRatio(Qt::white, QColor(192, 255, 192)) - 1.15) <
            0.01);
    QVERIFY(qAbs(ContrastRatio(QColor(0, 0, 255), Qt::white) - 8.59) < 0.01);
  }

 private:
  QPalette default_palette_;
  QFont default_font_;
  MarginTable english_margins_;
};

QTEST_MAIN(DesktopSettingsTest)
#include "desktop_settings_test.moc"
