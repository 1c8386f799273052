// The installed provider driven by KDE's own runner library, as KRunner
// drives it: its plugin entry found where KRunner looks (XDG_DATA_DIRS),
// its matches, actions and the copy through Plasma's clipboard. Qt 5, as KDE
// Frameworks 5.
#include <gtest/gtest.h>

#include <KRunner/AbstractRunner>
#include <KRunner/QueryMatch>
#include <KRunner/RunnerManager>
#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>

namespace {

// Stands in for Plasma's clipboard, Klipper.
class Klipper : public QDBusVirtualObject {
 public:
  QStringList copied;
  QString introspect(const QString& /*path*/) const override { return {}; }
  bool handleMessage(const QDBusMessage& message,
                     const QDBusConnection& connection) override {
    if (message.member() != QLatin1String("setClipboardContents")) {
      return false;
    }
    copied.push_back(message.arguments().value(0).toString());
    connection.send(message.createReply());
    return true;
  }
};

template <typename Done>
bool WaitFor(Done done) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(20);
  QTimer::singleShot(20'000, &loop, &QEventLoop::quit);
  if (!done()) loop.exec();
  return done();
}

class KRunnerClient : public ::testing::Test {
 protected:
  void SetUp() override {
    manager_.setAllowedRunners({QStringLiteral(MENSUREX_APP_ID)});
    const Plasma::AbstractRunner* runner =
        manager_.runner(QStringLiteral(MENSUREX_APP_ID));
    ASSERT_NE(runner, nullptr);
    metadata_ = runner->metadata(Plasma::RunnerReturnPluginMetaData);
  }

  QList<Plasma::QueryMatch> Query(const QString& query) {
    bool finished = false;
    const auto connection =
        QObject::connect(&manager_, &Plasma::RunnerManager::queryFinished,
                         [&finished] { finished = true; });
    manager_.launchQuery(query);
    EXPECT_TRUE(WaitFor([&finished] { return finished; })) << qPrintable(query);
    QObject::disconnect(connection);
    return manager_.matches();
  }

  Plasma::RunnerManager manager_;
  KPluginMetaData metadata_;
};

TEST_F(KRunnerClient, ShowsExactMatchesMostReadableFirstAndCopiesThem) {
  manager_.setupMatchSession();
  const QList<Plasma::QueryMatch> matches = Query(QStringLiteral("1.5 GB"));
  QStringList texts;
  for (const Plasma::QueryMatch& match : matches) texts.push_back(match.text());
  EXPECT_EQ(texts.mid(0, 3), (QStringList{QStringLiteral("1536 MB"),
                                          QStringLiteral("0.00146484375 TB"),
                                          QStringLiteral("1572864 KB")}));
  ASSERT_EQ(matches.size(), 6);
  EXPECT_EQ(matches[0].type(), Plasma::QueryMatch::ExactMatch);
  EXPECT_EQ(matches[0].subtext(),
            QStringLiteral("1.5 GB in binary units, 1 KB = 1024 bytes"));
  QStringList actions;
  for (const QAction* action : manager_.actionsForMatch(matches[0])) {
    actions.push_back(action->text());
  }
  EXPECT_EQ(actions, (QStringList{QStringLiteral("Copy the exact value"),
                                  QStringLiteral("Open Mensurex")}));
  EXPECT_TRUE(Query(QStringLiteral("abc")).isEmpty());

  Klipper klipper;
  QDBusConnection bus = QDBusConnection::sessionBus();
  ASSERT_TRUE(bus.registerVirtualObject(QStringLiteral("/klipper"), &klipper));
  ASSERT_TRUE(bus.registerService(QStringLiteral("org.kde.klipper")));
  manager_.run(Query(QStringLiteral("2 KB in B")).value(0));
  EXPECT_TRUE(WaitFor([&klipper] { return !klipper.copied.isEmpty(); }));
  EXPECT_EQ(klipper.copied, QStringList{QStringLiteral("2048")});
  manager_.matchSessionComplete();
}

TEST(KRunnerPlugin, ReadInTheMenuEntrysLanguages) {
  const auto description = [](const QLocale& locale) {
    QLocale::setDefault(locale);
    Plasma::RunnerManager manager;
    manager.setAllowedRunners({QStringLiteral(MENSUREX_APP_ID)});
    const Plasma::AbstractRunner* runner =
        manager.runner(QStringLiteral(MENSUREX_APP_ID));
    return runner == nullptr
               ? QString()
               : runner->metadata(Plasma::RunnerReturnPluginMetaData)
                     .description();
  };
  EXPECT_EQ(
      description(QLocale(QLocale::German)),
      QStringLiteral("Speichermengen zwischen Bytes und Exabytes umrechnen"));
  EXPECT_EQ(
      description(QLocale::c()),
      QStringLiteral("Convert a quantity of digital storage between bytes "
                     "and exabytes"));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
