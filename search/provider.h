// The provider's two D-Bus interfaces: GNOME Shell's search provider
// (org.gnome.Shell.SearchProvider2) and KRunner's D-Bus runner
// (org.kde.krunner1). Each call restarts the idle timer, which ends the
// program when the desktop has asked nothing for a while.
//
// Every call does bounded work: a call beyond the limits below is refused
// with a D-Bus error before any of it is read, so that no reply can outgrow
// what the bus carries and no caller holds up the others for long.
#ifndef MENSUREX_SEARCH_PROVIDER_H_
#define MENSUREX_SEARCH_PROVIDER_H_

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

#include "answers.h"

namespace mensurex::search {

// GNOME Shell splits what the user types at blanks and sends the words; a
// query is at most kMaxQueryBytes, so anything near these limits is a paste
// of text that holds no amount.
inline constexpr qsizetype kMaxTerms = 256;
inline constexpr qsizetype kMaxCallChars = 16384;  // all terms, one id
// GNOME Shell asks for the metas of the results it is about to show, a
// handful at a time; the provider gives at most six results per query.
inline constexpr qsizetype kMaxIds = 64;

// Ends the provider after `idle_ms` without a call to Touch(). It first
// gives up its bus name, so that a call sent from then on starts a fresh
// provider; then it answers what is already on its way to it (calls routed
// before the name went, and calls of clients that address the provider by
// its unique name until they learn it left) and quits once none has come
// for a short while.
class IdleExit : public QObject {
  Q_OBJECT
 public:
  IdleExit(QDBusConnection bus, int idle_ms, QObject* parent = nullptr);
  void Touch();

 private:
  void Expire();

  QDBusConnection bus_;
  QTimer timer_;
  bool leaving_ = false;
};

class GnomeShellProvider : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
 public:
  GnomeShellProvider(Answers* answers, IdleExit* idle);

 public slots:
  QStringList GetInitialResultSet(const QStringList& terms);
  QStringList GetSubsearchResultSet(const QStringList& previous_results,
                                    const QStringList& terms);
  // One meta per id, in the order asked; an id that names no result fails
  // the whole call (the shell drops a batch whose count differs anyway).
  QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
  // The shell copies a result's clipboardText itself; nothing is left to do.
  void ActivateResult(const QString& identifier, const QStringList& terms,
                      uint timestamp);
  // Opens the window at the amount searched for.
  void LaunchSearch(const QStringList& terms, uint timestamp);

 private:
  // The query the terms spell; nullopt, with an error sent, beyond the
  // limits.
  std::optional<QString> QueryOf(const QStringList& terms);

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

class KRunnerProvider : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")
 public:
  KRunnerProvider(Answers* answers, IdleExit* idle);

 public slots:
  QList<RemoteAction> Actions();
  QList<RemoteMatch> Match(const QString& query);
  // The default action and "copy" put the exact value on Klipper's
  // clipboard; "open" opens the window at the amount; any other action is
  // ignored.
  void Run(const QString& match_id, const QString& action_id);
  // The end of a match session: the last answer kept goes.
  void Teardown();

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
