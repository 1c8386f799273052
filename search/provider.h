// The provider's two D-Bus interfaces: GNOME Shell's search provider
// (org.gnome.Shell.SearchProvider2) and KRunner's D-Bus runner
// (org.kde.krunner1). Each call restarts the idle timer, which ends the
// program when the desktop has asked nothing for a while.
#ifndef MENSUREX_SEARCH_PROVIDER_H_
#define MENSUREX_SEARCH_PROVIDER_H_

#include <QDBusArgument>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include "answers.h"

namespace mensurex::search {

// Derived from the application id by the build.
inline constexpr char kBusName[] = MENSUREX_BUS_NAME;
inline constexpr char kGnomePath[] = MENSUREX_OBJECT_PATH "/SearchProvider";
inline constexpr char kKRunnerPath[] = MENSUREX_OBJECT_PATH "/KRunner";

// Quits the application after `idle_ms` without a call to Touch().
class IdleExit : public QObject {
  Q_OBJECT
 public:
  explicit IdleExit(int idle_ms, QObject* parent = nullptr);
  void Touch();

 private:
  QTimer timer_;
};

class GnomeShellProvider : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
 public:
  GnomeShellProvider(Answers* answers, IdleExit* idle);

 public slots:
  QStringList GetInitialResultSet(const QStringList& terms);
  QStringList GetSubsearchResultSet(const QStringList& previous_results,
                                    const QStringList& terms);
  QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
  // The shell copies a result's clipboardText itself; nothing is left to do.
  void ActivateResult(const QString& identifier, const QStringList& terms,
                      uint timestamp);
  void LaunchSearch(const QStringList& terms, uint timestamp);

 private:
  Answers* answers_;
  IdleExit* idle_;
};

struct RemoteAction {
  QString id;
  QString text;
  QString icon_name;
};

struct RemoteMatch {
  QString id;
  QString text;
  QString icon_name;
  int type = 0;
  double relevance = 0;
  QVariantMap properties;
};

class KRunnerProvider : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
 public:
  KRunnerProvider(Answers* answers, IdleExit* idle);

 public slots:
  QList<RemoteAction> Actions();
  QList<RemoteMatch> Match(const QString& query);
  // The default action and "copy" put the exact value on Klipper's
  // clipboard; "open" starts the window.
  void Run(const QString& match_id, const QString& action_id);

 private:
  Answers* answers_;
  IdleExit* idle_;
};

// Makes the types above known to Qt D-Bus; once, before any is used.
void RegisterDBusTypes();

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument,
                                RemoteAction& action);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument,
                                RemoteMatch& match);

}  // namespace mensurex::search

Q_DECLARE_METATYPE(mensurex::search::RemoteAction)
Q_DECLARE_METATYPE(mensurex::search::RemoteMatch)

#endif  // MENSUREX_SEARCH_PROVIDER_H_
