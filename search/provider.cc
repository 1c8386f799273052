#include "provider.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <utility>

#include "identity/names.h"
#include "window_bus/window_amount.h"

namespace mensurex::search {
namespace {

// KRunner's match type for a match that answers the query exactly.
constexpr int kExactMatch = 100;
constexpr char kCopyAction[] = "copy";
constexpr char kOpenAction[] = "open";

constexpr char kLimitsError[] = "org.freedesktop.DBus.Error.LimitsExceeded";
constexpr char kNoResultError[] = "org.freedesktop.DBus.Error.InvalidArgs";

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

// How long a provider that gave up its name still answers: enough for a
// client to learn from the bus that the name has gone.
constexpr int kDrainMs = 500;

IdleExit::IdleExit(QDBusConnection bus, int idle_ms, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
  timer_.setSingleShot(true);
  timer_.setInterval(idle_ms);
  connect(&timer_, &QTimer::timeout, this, &IdleExit::Expire);
  timer_.start();
}

void IdleExit::Touch() { timer_.start(); }

void IdleExit::Expire() {
  if (leaving_) {
    QCoreApplication::quit();
    return;
  }
  leaving_ = true;
  // The bus answers ReleaseName after it has routed to this provider every
  // call sent before; Qt queues those calls while it waits, so they are
  // answered in the drain that follows.
  bus_.unregisterService(QLatin1String(identity::kSearchBusName));
  timer_.setInterval(kDrainMs);
  timer_.start();
}

GnomeShellProvider::GnomeShellProvider(Answers* answers, IdleExit* idle)
    : answers_(answers), idle_(idle) {}

std::optional<QString> GnomeShellProvider::QueryOf(const QStringList& terms) {
  qsizetype chars = 0;
  for (const QString& term : terms) chars += term.size() + 1;
  if (terms.size() > kMaxTerms || chars > kMaxCallChars) {
    sendErrorReply(QLatin1String(kLimitsError),
                   QStringLiteral("A query of at most %1 words and %2 "
                                  "characters is read")
                       .arg(kMaxTerms)
                       .arg(kMaxCallChars));
    return std::nullopt;
  }
  // GNOME Shell splits the query at blanks; the terms are its words.
  return terms.join(QLatin1Char(' '));
}

QStringList GnomeShellProvider::GetInitialResultSet(const QStringList& terms) {
  idle_->Touch();
  QStringList ids;
  const std::optional<QString> query = QueryOf(terms);
  if (!query) return ids;
  for (const Result& result : answers_->ResultsFor(*query)) {
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
  if (identifiers.size() > kMaxIds) {
    sendErrorReply(QLatin1String(kLimitsError),
                   QStringLiteral("At most %1 results are described at once")
                       .arg(kMaxIds));
    return {};
  }
  QList<QVariantMap> metas;
  for (const QString& id : identifiers) {
    const std::optional<Result> result =
        id.size() > kMaxCallChars ? std::nullopt : answers_->ResultFor(id);
    if (!result) {
      sendErrorReply(
          QLatin1String(kNoResultError),
          QStringLiteral("No result is named \"%1\"").arg(id.left(64)));
      return {};
    }
    metas.push_back({{QStringLiteral("id"), result->id},
                     {QStringLiteral("name"), result->name},
                     {QStringLiteral("description"), result->description},
                     {QStringLiteral("gicon"), QLatin1String(identity::kAppId)},
                     {QStringLiteral("clipboardText"), result->exact}});
  }
  return metas;
}

void GnomeShellProvider::ActivateResult(const QString& /*identifier*/,
                                        const QStringList& /*terms*/,
                                        uint /*timestamp*/) {
  idle_->Touch();
}

void GnomeShellProvider::LaunchSearch(const QStringList& terms,
                                      uint timestamp) {
  idle_->Touch();
  const std::optional<QString> query = QueryOf(terms);
  if (!query) return;
  OpenWindow(answers_->AmountIn(*query), window_bus::PlatformDataOf(timestamp));
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
       QLatin1String(identity::kAppId)},
  };
}

QList<RemoteMatch> KRunnerProvider::Match(const QString& query) {
  idle_->Touch();
  QList<RemoteMatch> matches;
  if (query.size() > kMaxCallChars) {
    sendErrorReply(QLatin1String(kLimitsError),
                   QStringLiteral("A query of at most %1 characters is read")
                       .arg(kMaxCallChars));
    return matches;
  }
  const QList<Result> results = answers_->ResultsFor(query);
  for (qsizetype i = 0; i < results.size(); ++i) {
    const Result& result = results[i];
    matches.push_back({result.id,
                       result.name,
                       QLatin1String(identity::kAppId),
                       kExactMatch,
                       1.0 - 0.01 * static_cast<double>(i),
                       {{QStringLiteral("subtext"), result.description}}});
  }
  return matches;
}

void KRunnerProvider::Run(const QString& match_id, const QString& action_id) {
  idle_->Touch();
  if (match_id.size() > kMaxCallChars) return;
  if (action_id == QLatin1String(kOpenAction)) {
    OpenWindow(answers_->AmountOf(match_id), {});
  } else if (action_id.isEmpty() || action_id == QLatin1String(kCopyAction)) {
    if (const std::optional<Result> result = answers_->ResultFor(match_id)) {
      CopyToClipboard(result->exact);
    }
  }
}

void KRunnerProvider::Teardown() {
  idle_->Touch();
  answers_->Forget();
}

void RegisterDBusTypes() {
  qDBusRegisterMetaType<WindowAmount>();
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
