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
#include <ostream>

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
constexpr char kByteInExabytes[] =
    "0.000000000000000000867361737988403547205962240695953369140625";

QList<QVariant> Call(const QByteArray& path, const char* interface,
                     const char* method, const QList<QVariant>& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromUtf8(kService), QString::fromUtf8(path),
      QLatin1String(interface), QLatin1String(method));
  call.setArguments(arguments);
  const QDBusMessage reply =
      QDBusConnection::sessionBus().call(call, QDBus::Block, 10'000);
  EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
      << reply.errorMessage().toStdString();
  return reply.arguments();
}

// GNOME Shell's results for the terms: their ids, then the metas of them all.
QList<QVariantMap> Metas(const QStringList& terms) {
  const char* gnome = "org.gnome.Shell.SearchProvider2";
  const QStringList ids = Call(kGnome, gnome, "GetInitialResultSet", {terms})
                              .value(0)
                              .toStringList();
  QList<QVariantMap> metas;
  Call(kGnome, gnome, "GetResultMetas", {ids})
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
      {{QString(100'000, QLatin1Char('9')), "GB"}, {}, {}},
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

TEST(SearchProvider, KRunnerCopiesTheExactValueAndOpensTheWindow) {
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

  // The window started is a stand-in on PATH that leaves a mark.
  QFile mark(qEnvironmentVariable("MENSUREX_TEST_WINDOW_MARK"));
  mark.remove();
  Call(kKRunner, "org.kde.krunner1", "Run", {matches[0].id, "open"});
  EXPECT_TRUE(WaitFor([&] { return mark.exists(); }));
  mark.remove();
  Call(kGnome, "org.gnome.Shell.SearchProvider2", "LaunchSearch",
       {QStringList{"1"}, 0u});
  EXPECT_TRUE(WaitFor([&] { return mark.exists(); }));
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
