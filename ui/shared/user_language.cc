#include "ui/shared/user_language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "ui/shared/logging.h"

namespace mensurex::ui {

namespace {

// Where each library embeds its compiled translations (main_de.qm, ...).
constexpr char kTranslationsResource[] = ":/mensurex/translations";

// The program's catalogues, one per library that shows texts. The first one
// found for the user's locale decides the language; the others are loaded in
// that language, so that the windows never mix two.
constexpr const char* kCatalogues[] = {"main", "about", "shared"};

// Qt's own texts on the windows: the message boxes' buttons and the text
// boxes' context menu. Qt translates them into most of the program's
// languages but not all (Greek, Hindi, Indonesian, Swedish, Thai and
// Vietnamese); named here, they are in the program's translation files,
// which are searched before Qt's: they give the texts Qt lacks, and the
// program's own wording where it differs from Qt's (nouns, as on the
// windows' buttons, where Qt's Arabic and Hebrew give commands).
[[maybe_unused]] constexpr const char* kQtTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Undo"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Redo"),
    QT_TRANSLATE_NOOP("QLineEdit", "Cu&t"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Copy"),
    QT_TRANSLATE_NOOP("QLineEdit", "&Paste"),
    QT_TRANSLATE_NOOP("QLineEdit", "Delete"),
    QT_TRANSLATE_NOOP("QLineEdit", "Select All"),
};

// Set once, by LoadUserLanguage.
QString installed_language;

// The direction the user's language is written in.
Qt::LayoutDirection UserLayoutDirection() {
  if (!installed_language.isEmpty()) {
    return QLocale(installed_language).textDirection();
  }
  const QStringList preferred = QLocale().uiLanguages();
  return preferred.isEmpty() ? QLocale().textDirection()
                             : QLocale(preferred.first()).textDirection();
}

}  // namespace

QString LoadUserLanguage() {
  const QString folder = QString::fromLatin1(kTranslationsResource);
  QString language;
  for (const char* catalogue : kCatalogues) {
    QTranslator probe;
    if (probe.load(QLocale(), QString::fromLatin1(catalogue),
                   QStringLiteral("_"), folder)) {
      language = probe.language().replace(QLatin1Char('-'), QLatin1Char('_'));
      break;
    }
  }
  if (language.isEmpty()) {
    // English is the program's own language; any other falls back to it.
    if (QLocale().language() != QLocale::English &&
        QLocale().language() != QLocale::C) {
      qCDebug(lcStart) << "no translation for" << QLocale().uiLanguages()
                       << "- the windows show English";
    }
    QGuiApplication::setLayoutDirection(UserLayoutDirection());
    return {};
  }

  // Qt's texts in the language of the program's own, so that a window never
  // mixes two languages. Qt names some of its translations by region
  // (qtbase_pt_BR, qtbase_zh_CN), others by language alone (qtbase_de): the
  // load falls back from the one to the other. A missing Qt translation
  // leaves Qt's English. Installed first: the last installed is searched
  // first, and the program's words for Qt's texts are to win.
  auto* qt = new QTranslator(QCoreApplication::instance());
  const QString qt_file = QStringLiteral("qtbase_") + language;
  const QString qt_folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (qt->load(qt_file, qt_folder)) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
    qCWarning(lcStart).nospace()
        << "Qt's translation " << qt_file << " did not load from " << qt_folder
        << ": standard buttons and menus stay in English";
  }

  QStringList missing;
  for (const char* catalogue : kCatalogues) {
    // Owned by the application, so they live as long as it does.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString name = QString::fromLatin1(catalogue);
    if (!translator->load(name + QLatin1Char('_') + language, folder)) {
      delete translator;
      missing << name;
      continue;
    }
    QCoreApplication::installTranslator(translator);
  }
  if (!missing.isEmpty()) {
    qCWarning(lcStart) << "no" << language << "translation of" << missing
                       << "- their texts show English";
  }
  installed_language = language;
  // Set after Qt's translation, which would otherwise decide it.
  QGuiApplication::setLayoutDirection(UserLayoutDirection());
  return language;
}

QString UserLanguage() { return installed_language; }

}  // namespace mensurex::ui
