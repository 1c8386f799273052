// The installed provider on a private session bus, started by D-Bus
// activation through its service file, asked as GNOME Shell and KRunner ask.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDeadlineTimer>
#include <QFile>
#include <QVariantMap>
#include <chrono>
#include <ostream>
#include <thread>

// Readable in failure messages.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace {

// The value of `key` in an installed desktop file of the tree under test.
QString Installed(const QString& file, const QString& key) {
  QFile text(qEnvironmentVariable("MENSUREX_TEST_TREE") + "/usr/share/" + file);
  EXPECT_TRUE(text.open(QIODevice::ReadOnly)) << file.toStdString();
  for (const QByteArray& line : text.readAll().split('\n')) {
    if (line.startsWith(key.toUtf8() + '=')) {
      return QString::fromUtf8(line.mid(key.size() + 1));
    }
  }
  return {};
}

// Where GNOME Shell and KRunner ask, as their files name it: both must name
// the bus name that D-Bus activates, derived from the application id.
const QString kAppId = qEnvironmentVariable("MENSUREX_TEST_APP_ID");
const QString kGnomeFile =
    "gnome-shell/search-providers/" + kAppId + ".search-provider.ini";
const QString kKRunnerFile = "krunner/dbusplugins/" + kAppId + ".desktop";
const QByteArray kService = Installed(kGnomeFile, "BusName").toUtf8();
const QByteArray kGnome = Installed(kGnomeFile, "ObjectPath").toUtf8();
const QByteArray kKRunner =
    Installed(kKRunnerFile, "X-Plasma-DBusRunner-Path").toUtf8();

TEST(SearchProvider, BothDesktopsFilesNameItByTheApplicationId) {
  EXPECT_EQ(kService, (kAppId + ".SearchProvider").toUtf8());
  EXPECT_EQ(Installed(kKRunnerFile, "X-Plasma-DBusRunner-Service").toUtf8(),
            kService);
  EXPECT_EQ(
      Installed("dbus-1/services/" + kService + ".service", "Name").toUtf8(),
      kService);
  EXPECT_EQ(Installed(kGnomeFile, "DesktopId"), kAppId + ".desktop");
  EXPECT_EQ(Installed(kKRunnerFile, "Icon"), kAppId);
}

constexpr char kGnomeInterface[] = "org.gnome.Shell.SearchProvider2";
constexpr char kByteInExabytes[] =
    "0.000000000000000000867361737988403547205962240695953369140625";

QDBusMessage Ask(const QByteArray& path, const char* interface,
                 const char* method, const QList<QVariant>& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromUtf8(kService), QString::fromUtf8(path),
      QLatin1String(interface), QLatin1String(method));
  call.setArguments(arguments);
  return QDBusConnection::sessionBus().call(call, QDBus::Block, 10'000);
}

QList<QVariant> Call(const QByteArray& path, const char* interface,
                     const char* method, const QList<QVariant>& arguments) {
  const QDBusMessage reply = Ask(path, interface, method, arguments);
  EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
      << reply.errorMessage().toStdString();
  return reply.arguments();
}

// GNOME Shell's results for the terms: their ids, then the metas of them all.
QList<QVariantMap> Metas(const QStringList& terms) {
  const QStringList ids =
      Call(kGnome, kGnomeInterface, "GetInitialResultSet", {terms})
          .value(0)
          .toStringList();
  QList<QVariantMap> metas;
  Call(kGnome, kGnomeInterface, "GetResultMetas", {ids})
          .value(0)
          .value<QDBusArgument>() >>
      metas;
  EXPECT_EQ(metas.size(), ids.size());
  return metas;
}

struct Match {
  QString id, text, icon;
  int type = 0;
  double relevance = 0;
  QVariantMap properties;
};

QList<Match> Matches(const QString& query) {
  const auto argument = Call(kKRunner, "org.kde.krunner1", "Match", {query})
                            .value(0)
                            .value<QDBusArgument>();
  QList<Match> matches;
  argument.beginArray();
  while (!argument.atEnd()) {
    Match& match = matches.emplace_back();
    argument.beginStructure();
    argument >> match.id >> match.text >> match.icon >> match.type >>
        match.relevance >> match.properties;
    argument.endStructure();
  }
  argument.endArray();
  return matches;
}

// Stands in for Plasma's clipboard, Klipper.
class Klipper : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.klipper.klipper")
 public:
  QStringList copied;
 public slots:
  void setClipboardContents(const QString& text) { copied.push_back(text); }
};

// Stands in for the window's org.freedesktop.Application.
class Window : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
 public:
  QStringList opened;  // "amount unit-index startup-id", or "-" for Activate
 public slots:
  void Activate(const QVariantMap& /*platform_data*/) { opened.push_back("-"); }
  void ActivateAction(const QString& action, const QVariantList& parameter,
                      const QVariantMap& platform_data) {
    QString amount;
    uint unit = 99;
    const auto argument = parameter.value(0).value<QDBusArgument>();
    if (argument.currentSignature() == "(su)") {
      argument.beginStructure();
      argument >> amount >> unit;
      argument.endStructure();
    }
    opened.push_back(action + ' ' + amount + ' ' + QString::number(unit) + ' ' +
                     platform_data.value("desktop-startup-id").toString());
  }
};

template <typename Done>
bool WaitFor(Done done) {
  const QDeadlineTimer deadline(20'000);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  return done();
}

TEST(SearchProvider, AnswersGnomeShellWithExactResultsMostReadableFirst) {
  struct Row {
    QStringList terms;
    QStringList names;  // the first results, in order
    QString clipboard;  // of the first result
  };
  const Row rows[] = {
      {{"1.5", "GB"}, {"1536 MB", "0.00146484375 TB", "1572864 KB"}, "1536"},
      {{"１．５", "ＧＢ", "to", "B"}, {"1610612736 B"}, "1610612736"},
      {{"1", "B", "in", "EB"},
       {"0.00000000000000000086736173798\u2026 EB"},
       kByteInExabytes},
      {{"abc"}, {}, {}},
      {{QString(5'000, QLatin1Char('9')), "GB"}, {}, {}},
  };
  for (const Row& row : rows) {
    const QList<QVariantMap> metas = Metas(row.terms);
    QStringList names;
    for (const QVariantMap& meta : metas) {
      names.push_back(meta.value("name").toString());
      EXPECT_TRUE(meta["description"].toString().endsWith("1 KB = 1024 bytes"));
      EXPECT_EQ(meta["gicon"].toString(), kAppId);
    }
    EXPECT_EQ(names.mid(0, row.names.size()), row.names)
        << row.terms.join(' ').left(20).toStdString();
    EXPECT_EQ(metas.value(0).value("clipboardText").toString(), row.clipboard);
  }
}

TEST(SearchProvider, KRunnerCopiesTheExactValue) {
  EXPECT_TRUE(Matches("abc").isEmpty());
  const QList<Match> matches = Matches("1 B to EB");
  ASSERT_EQ(matches.size(), 1);
  EXPECT_EQ(matches[0].text, "0.00000000000000000086736173798\u2026 EB");
  EXPECT_EQ(matches[0].type, 100);  // an exact match
  EXPECT_EQ(matches[0].properties.value("subtext"),
            "1 B in binary units, 1 KB = 1024 bytes");

  Klipper klipper;
  QDBusConnection bus = QDBusConnection::sessionBus();
  ASSERT_TRUE(bus.registerObject("/klipper", &klipper,
                                 QDBusConnection::ExportAllSlots));
  ASSERT_TRUE(bus.registerService("org.kde.klipper"));
  Call(kKRunner, "org.kde.krunner1", "Run", {matches[0].id, "copy"});
  Call(kKRunner, "org.kde.krunner1", "Run", {Matches("2 KB")[0].id, ""});
  EXPECT_TRUE(WaitFor([&] { return klipper.copied.size() == 2; }));
  EXPECT_EQ(klipper.copied, (QStringList{kByteInExabytes, "2048"}));

  // Other actions are none of the provider's.
  Call(kKRunner, "org.kde.krunner1", "Run", {matches[0].id, "no-such-action"});
  Call(kKRunner, "org.kde.krunner1", "Teardown", {});
  Call(kKRunner, "org.kde.krunner1", "Run", {Matches("3 KB")[0].id, ""});
  EXPECT_TRUE(WaitFor([&] { return klipper.copied.size() == 3; }));
  EXPECT_EQ(klipper.copied.value(2), "3072");
}

TEST(SearchProvider, OpensTheWindowAtTheAmount) {
  Window window;
  QDBusConnection bus = QDBusConnection::sessionBus();
  ASSERT_TRUE(bus.registerObject(MENSUREX_OBJECT_PATH, &window,
                                 QDBusConnection::ExportAllSlots));
  ASSERT_TRUE(bus.registerService(MENSUREX_APP_ID));
  Call(kGnome, kGnomeInterface, "LaunchSearch",
       {QStringList{"１．５", "GB", "in", "MB"}, 1234u});
  Call(kKRunner, "org.kde.krunner1", "Run", {Matches("2 B")[0].id, "open"});
  Call(kGnome, kGnomeInterface, "LaunchSearch", {QStringList{"abc"}, 0u});
  EXPECT_TRUE(WaitFor([&] { return window.opened.size() == 3; }));
  EXPECT_EQ(window.opened,
            (QStringList{"convert 1.5 3 mensurex2-search_TIME1234",
                         "convert 2 0 ", "-"}));
  bus.unregisterService(MENSUREX_APP_ID);
}

TEST(SearchProvider, RefusesWhatNamesNoResultAndCallsBeyondItsLimits) {
  const QString kb = Matches("1 KB").value(0).id, big(100'000, '9');
  const QString none = "org.freedesktop.DBus.Error.InvalidArgs",
                over = "org.freedesktop.DBus.Error.LimitsExceeded";
  const struct {
    QByteArray path;
    const char *interface, *method;
    QVariant argument;
    QString error;  // none: answered
  } rows[] = {
      {kGnome, kGnomeInterface, "GetResultMetas", QStringList{kb, kb}, {}},
      {kGnome, kGnomeInterface, "GetResultMetas", QStringList{kb, "9:1 KB"},
       none},
      {kGnome, kGnomeInterface, "GetResultMetas", QStringList(65, kb), over},
      {kGnome, kGnomeInterface, "GetResultMetas", QStringList(300'000, kb),
       over},
      {kGnome,
       kGnomeInterface,
       "GetInitialResultSet",
       QStringList(256, "1"),
       {}},
      {kGnome, kGnomeInterface, "GetInitialResultSet", QStringList(257, "1"),
       over},
      {kGnome, kGnomeInterface, "GetInitialResultSet", QStringList{big}, over},
      {kKRunner, "org.kde.krunner1", "Match", big, over},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(
        Ask(row.path, row.interface, row.method, {row.argument}).errorName(),
        row.error)
        << row.method;
  }
  EXPECT_EQ(Matches("1 KB").size(), 6);  // still there for the next client
}

// Run alone, with a short idle time: the calls land within 3 ms either side
// of the moment the provider's idle time runs out.
// Run under fa_IR: results in the window's digits, a number never half in
// one form and half in another, and numbers and the ratio kept in order in
// the right-to-left description.
TEST(SearchProviderRightToLeft, WritesTheWindowsDigitsInOrder) {
  for (const QString& query :
       {QStringLiteral("۱٫۵ GB in MB"), QStringLiteral("1.5 گیگابایت in MB")}) {
    const QList<Match> matches = Matches(query);
    ASSERT_EQ(matches.size(), 1) << query.toStdString();
    EXPECT_EQ(matches[0].text, QStringLiteral("\u2066۱۵۳۶\u2069 MB"));
    const QString description = matches[0].properties["subtext"].toString();
    EXPECT_TRUE(description.contains(QStringLiteral("\u2066۱٫۵\u2069")))
        << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("\u2066۱ KB = ۱۰۲۴\u2069")))
        << description.toStdString();
  }
  const QList<QVariantMap> metas = Metas({"۱٫۵", "GB"});
  ASSERT_FALSE(metas.isEmpty());
  EXPECT_EQ(metas[0]["clipboardText"].toString(), QStringLiteral("۱۵۳۶"));
}

TEST(SearchProviderIdle, AnswersCallsAtTheIdleDeadline) {
  const int idle_ms = qEnvironmentVariableIntValue("MENSUREX_SEARCH_IDLE_MS");
  constexpr int kCalls = 280;
  QStringList errors;
  for (int i = 0; i < kCalls; ++i) {
    // The provider restarts its idle time on a call, just before it answers.
    Call(kKRunner, "org.kde.krunner1", "Teardown", {});
    std::this_thread::sleep_for(
        std::chrono::microseconds(idle_ms * 1000 + (i % 13 - 6) * 500));
    const QDBusMessage reply =
        Ask(kKRunner, "org.kde.krunner1", "Match", {"1 KB"});
    if (reply.type() != QDBusMessage::ReplyMessage) errors << reply.errorName();
  }
  EXPECT_EQ(errors, QStringList{});
}

TEST(SearchProvider, QuitsWhenIdle) {
  Call(kKRunner, "org.kde.krunner1", "Actions", {});
  QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
  ASSERT_TRUE(bus->isServiceRegistered(QString::fromUtf8(kService)));
  EXPECT_TRUE(WaitFor([&] {
    return !bus->isServiceRegistered(QString::fromUtf8(kService)).value();
  }));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  qDBusRegisterMetaType<QList<QVariantMap>>();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include "provider_test.moc"
