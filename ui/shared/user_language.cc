#include "ui/shared/user_language.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/shared/logging.h"

namespace mensurex::ui {

namespace {

// Where the build embeds the program's compiled translations
// (mensurex2_de.qm, ...).
constexpr char kTranslationsResource[] = ":/mensurex/translations";

QString& InstalledLanguage() {
  static QString language;
  return language;
}

}  // namespace

QString LoadUserLanguage() {
  // Owned by the application, so they live as long as it does.
  auto* program = new QTranslator(QCoreApplication::instance());
  if (!program->load(QLocale(), QStringLiteral("mensurex2"),
                     QStringLiteral("_"),
                     QString::fromLatin1(kTranslationsResource))) {
    delete program;
    // English is the program's own language; any other falls back to it.
    if (QLocale().language() != QLocale::English &&
        QLocale().language() != QLocale::C) {
      qCDebug(lcStart) << "no translation for" << QLocale().uiLanguages()
                       << "- the windows show English";
    }
    QGuiApplication::setLayoutDirection(UserLayoutDirection());
    return {};
  }
  QCoreApplication::installTranslator(program);

  // Qt's texts in the language of the program's own, so that a window never
  // mixes two languages. Qt names some of its translations by region
  // (qtbase_pt_BR, qtbase_zh_CN), others by language alone (qtbase_de): the
  // load falls back from the one to the other. A missing Qt translation
  // leaves Qt's English.
  QString language =
      program->language().replace(QLatin1Char('-'), QLatin1Char('_'));
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
  InstalledLanguage() = language;
  // Set after Qt's translation, which would otherwise decide it.
  QGuiApplication::setLayoutDirection(UserLayoutDirection());
  return language;
}

QString UserLanguage() { return InstalledLanguage(); }

Qt::LayoutDirection UserLayoutDirection() {
  if (!UserLanguage().isEmpty()) return QLocale(UserLanguage()).textDirection();
  const QStringList preferred = QLocale().uiLanguages();
  return preferred.isEmpty() ? QLocale().textDirection()
                             : QLocale(preferred.first()).textDirection();
}

}  // namespace mensurex::ui
