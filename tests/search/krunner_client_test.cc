// The installed provider driven by KDE's own runner library, as KRunner
// drives it: its plugin entry found where KRunner looks (XDG_DATA_DIRS), its
// matches and actions. Qt 5, as KDE Frameworks 5.
#include <gtest/gtest.h>

#include <KRunner/AbstractRunner>
#include <KRunner/QueryMatch>
#include <KRunner/RunnerManager>
#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QSignalSpy>

namespace {

const QString kRunnerId = QStringLiteral(MENSUREX_APP_ID);

TEST(KRunnerClient, ShowsExactMatchesMostReadableFirstWithTheirActions) {
  Plasma::RunnerManager manager;
  manager.setAllowedRunners({kRunnerId});
  const auto texts = [&manager](const QString& query) {
    QSignalSpy finished(&manager, &Plasma::RunnerManager::queryFinished);
    manager.launchQuery(query);
    EXPECT_TRUE(finished.wait(20'000)) << qPrintable(query);
    QStringList texts;
    for (const Plasma::QueryMatch& match : manager.matches()) {
      texts << match.text() + " | " + match.subtext();
    }
    return texts;
  };
  manager.setupMatchSession();
  EXPECT_EQ(texts("1.5 GB").mid(0, 2),
            (QStringList{"1536 MB | 1.5 GB in binary units, 1 KB = 1024 bytes",
                         "0.00146484375 TB | 1.5 GB in binary units, 1 KB = "
                         "1024 bytes"}));
  const QList<Plasma::QueryMatch> matches = manager.matches();
  ASSERT_EQ(matches.size(), 6);
  EXPECT_EQ(matches[0].type(), Plasma::QueryMatch::ExactMatch);
  QStringList actions;
  for (const QAction* action : manager.actionsForMatch(matches[0])) {
    actions << action->text();
  }
  EXPECT_EQ(actions, (QStringList{"Copy the exact value", "Open Mensurex"}));
  EXPECT_EQ(texts("abc"), QStringList());
  manager.matchSessionComplete();
}

TEST(KRunnerClient, ReadsThePluginInTheMenuEntrysLanguages) {
  const auto description = [](const QLocale& locale) {
    QLocale::setDefault(locale);
    Plasma::RunnerManager manager;
    manager.setAllowedRunners({kRunnerId});
    const Plasma::AbstractRunner* runner = manager.runner(kRunnerId);
    return runner == nullptr
               ? QString()
               : runner->metadata(Plasma::RunnerReturnPluginMetaData)
                     .description();
  };
  EXPECT_EQ(description(QLocale(QLocale::German)),
            "Speichermengen zwischen Bytes und Exabytes umrechnen");
  EXPECT_EQ(description(QLocale::c()),
            "Convert a quantity of digital storage between bytes and exabytes");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
