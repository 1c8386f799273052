#include "provider.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace mensurex::search {
namespace {

// The icon of the Mensurex window, by its theme name.
constexpr char kIconName[] = MENSUREX_APP_ID;
// KRunner's match type for a match that answers the query exactly.
constexpr int kExactMatch = 100;
constexpr char kCopyAction[] = "copy";
constexpr char kOpenAction[] = "open";

// GNOME Shell splits the query at blanks; the terms are its words.
QString QueryOf(const QStringList& terms) {
  return terms.join(QLatin1Char(' '));
}

// Klipper, Plasma's clipboard, takes text over D-Bus; without Plasma the
// call goes nowhere, which is all that can be done without a window.
void CopyToClipboard(const QString& text) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.kde.klipper"), QStringLiteral("/klipper"),
      QStringLiteral("org.kde.klipper.klipper"),
      QStringLiteral("setClipboardContents"));
  call << text;
  QDBusConnection::sessionBus().send(call);
}

}  // namespace

IdleExit::IdleExit(int idle_ms, QObject* parent) : QObject(parent) {
  timer_.setSingleShot(true);
  timer_.setInterval(idle_ms);
  connect(&timer_, &QTimer::timeout, QCoreApplication::instance(),
          &QCoreApplication::quit);
  timer_.start();
}

void IdleExit::Touch() { timer_.start(); }

GnomeShellProvider::GnomeShellProvider(Answers* answers, IdleExit* idle)
    : answers_(answers), idle_(idle) {}

QStringList GnomeShellProvider::GetInitialResultSet(const QStringList& terms) {
  idle_->Touch();
  QStringList ids;
  for (const Result& result : answers_->ResultsFor(QueryOf(terms))) {
    ids.push_back(result.id);
  }
  return ids;
}

QStringList GnomeShellProvider::GetSubsearchResultSet(
    const QStringList& /*previous_results*/, const QStringList& terms) {
  // A longer query can name another unit: every query is answered afresh.
  return GetInitialResultSet(terms);
}

QList<QVariantMap> GnomeShellProvider::GetResultMetas(
    const QStringList& identifiers) {
  idle_->Touch();
  QList<QVariantMap> metas;
  for (const QString& id : identifiers) {
    const std::optional<Result> result = answers_->ResultFor(id);
    if (!result) continue;
    metas.push_back({{QStringLiteral("id"), result->id},
                     {QStringLiteral("name"), result->name},
                     {QStringLiteral("description"), result->description},
                     {QStringLiteral("gicon"), QLatin1String(kIconName)},
                     {QStringLiteral("clipboardText"), result->exact}});
  }
  return metas;
}

void GnomeShellProvider::ActivateResult(const QString& /*identifier*/,
                                        const QStringList& /*terms*/,
                                        uint /*timestamp*/) {
  idle_->Touch();
}

void GnomeShellProvider::LaunchSearch(const QStringList& /*terms*/,
                                      uint /*timestamp*/) {
  idle_->Touch();
  StartWindow();
}

KRunnerProvider::KRunnerProvider(Answers* answers, IdleExit* idle)
    : answers_(answers), idle_(idle) {}

QList<RemoteAction> KRunnerProvider::Actions() {
  idle_->Touch();
  return {
      {QLatin1String(kCopyAction),
       QCoreApplication::translate("SearchProvider", "Copy the exact value"),
       QStringLiteral("edit-copy")},
      {QLatin1String(kOpenAction),
       QCoreApplication::translate("SearchProvider", "Open Mensurex"),
       QLatin1String(kIconName)},
  };
}

QList<RemoteMatch> KRunnerProvider::Match(const QString& query) {
  idle_->Touch();
  QList<RemoteMatch> matches;
  const QList<Result> results = answers_->ResultsFor(query);
  for (qsizetype i = 0; i < results.size(); ++i) {
    const Result& result = results[i];
    matches.push_back({result.id,
                       result.name,
                       QLatin1String(kIconName),
                       kExactMatch,
                       1.0 - 0.01 * static_cast<double>(i),
                       {{QStringLiteral("subtext"), result.description}}});
  }
  return matches;
}

void KRunnerProvider::Run(const QString& match_id, const QString& action_id) {
  idle_->Touch();
  if (action_id == QLatin1String(kOpenAction)) {
    StartWindow();
    return;
  }
  if (const std::optional<Result> result = answers_->ResultFor(match_id)) {
    CopyToClipboard(result->exact);
  }
}

void RegisterDBusTypes() {
  qDBusRegisterMetaType<QList<QVariantMap>>();
  qDBusRegisterMetaType<RemoteAction>();
  qDBusRegisterMetaType<QList<RemoteAction>>();
  qDBusRegisterMetaType<RemoteMatch>();
  qDBusRegisterMetaType<QList<RemoteMatch>>();
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action) {
  argument.beginStructure();
  argument << action.id << action.text << action.icon_name;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument,
                                RemoteAction& action) {
  argument.beginStructure();
  argument >> action.id >> action.text >> action.icon_name;
  argument.endStructure();
  return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match) {
  argument.beginStructure();
  argument << match.id << match.text << match.icon_name << match.type
           << match.relevance << match.properties;
  argument.endStructure();
  return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument,
                                RemoteMatch& match) {
  argument.beginStructure();
  argument >> match.id >> match.text >> match.icon_name >> match.type >>
      match.relevance >> match.properties;
  argument.endStructure();
  return argument;
}

}  // namespace mensurex::search
