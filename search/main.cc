// mensurex2-search-provider: answers the desktop's search (GNOME Shell and
// KRunner) with exact conversions. D-Bus starts it when the desktop first
// asks; it ends by itself after a minute without a question, and a question
// after that starts it again.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

#include "answers.h"
#include "identity/names.h"
#include "provider.h"

namespace {

constexpr int kDefaultIdleMs = 60'000;

// MENSUREX_SEARCH_IDLE_MS shortens (or lengthens) the idle time, for tests.
int IdleMs() {
  bool ok = false;
  const int ms = qEnvironmentVariableIntValue("MENSUREX_SEARCH_IDLE_MS", &ok);
  return ok && ms > 0 ? ms : kDefaultIdleMs;
}

}  // namespace

namespace identity = mensurex::identity;

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(
      QString::fromLatin1(identity::kSearchProgram));

  // English is the provider's own language; any other falls back to it.
  QTranslator translator;
  if (translator.load(QLocale(), QStringLiteral("search"), QStringLiteral("_"),
                      QStringLiteral(":/mensurex/search-translations"))) {
    QCoreApplication::installTranslator(&translator);
  }

  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    std::fprintf(stderr, "%s: no session bus: %s\n", identity::kSearchProgram,
                 qPrintable(bus.lastError().message()));
    return 1;
  }
  mensurex::search::RegisterDBusTypes();
  mensurex::search::Answers answers;
  mensurex::search::IdleExit idle(bus, IdleMs());
  mensurex::search::GnomeShellProvider gnome(&answers, &idle);
  mensurex::search::KRunnerProvider krunner(&answers, &idle);
  // The objects are in place before the name is taken, so that the call
  // that started the provider finds them.
  if (!bus.registerObject(QLatin1String(identity::kGnomeSearchPath), &gnome,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerObject(QLatin1String(identity::kKRunnerPath), &krunner,
                          QDBusConnection::ExportAllSlots) ||
      !bus.registerService(QLatin1String(identity::kSearchBusName))) {
    std::fprintf(stderr, "%s: cannot take %s: %s\n", identity::kSearchProgram,
                 identity::kSearchBusName,
                 qPrintable(bus.lastError().message()));
    return 1;
  }
  // Without its bus (the session ended) nobody can ask any more.
  bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
              QStringLiteral("org.freedesktop.DBus.Local"),
              QStringLiteral("Disconnected"), &app, SLOT(quit()));
  return QCoreApplication::exec();
}
