// Asks the search provider over the session bus many times, as the desktops
// ask it on every key press, and prints the median, 99th percentile and
// largest time from request to answer of each kind of call; then the
// provider's resident memory before and after 100,000 more queries.
// Usage: search_bench [COUNT]   (run on a bus where the provider can start)
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr char kService[] = "org.example.Mensurex2.SearchProvider";
constexpr char kGnome[] = "/org/example/Mensurex2/SearchProvider";
constexpr char kKRunner[] = "/org/example/Mensurex2/KRunner";

QDBusMessage Ask(const char* path, const char* interface, const char* method,
                 const QList<QVariant>& arguments) {
  QDBusMessage call = QDBusMessage::createMethodCall(
      QLatin1String(kService), QLatin1String(path), QLatin1String(interface),
      QLatin1String(method));
  call.setArguments(arguments);
  const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
  if (reply.type() != QDBusMessage::ReplyMessage) {
    std::fprintf(stderr, "search_bench: %s failed: %s\n", method,
                 qPrintable(reply.errorMessage()));
    std::exit(1);
  }
  return reply;
}

void Time(const char* name, int count, const std::function<void()>& call) {
  std::vector<double> ms;
  ms.reserve(static_cast<std::size_t>(count));
  QElapsedTimer timer;
  for (int i = 0; i < count; ++i) {
    timer.start();
    call();
    ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-44s median %7.3f ms  p99 %7.3f ms  max %7.3f ms  (%d calls)\n",
              name, ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back(),
              count);
}

long ResidentKib(uint pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int count = argc > 1 ? std::max(100, std::atoi(argv[1])) : 10'000;
  const char* gnome = "org.gnome.Shell.SearchProvider2";
  const QStringList normal = {QStringLiteral("1.5"), QStringLiteral("GB")};
  const QString long_query(100'000, QLatin1Char('9'));

  Ask(kKRunner, "org.kde.krunner1", "Actions", {});  // started, warmed up
  Time("GetInitialResultSet ['1.5','GB']", count,
       [&] { Ask(kGnome, gnome, "GetInitialResultSet", {normal}); });
  const QStringList ids = Ask(kGnome, gnome, "GetInitialResultSet", {normal})
                              .arguments()[0]
                              .toStringList();
  Time("GetResultMetas (6 results of 1.5 GB)", count,
       [&] { Ask(kGnome, gnome, "GetResultMetas", {ids}); });
  Time("KRunner Match '1 B to EB'", count, [&] {
    Ask(kKRunner, "org.kde.krunner1", "Match", {QStringLiteral("1 B to EB")});
  });
  Time("GetInitialResultSet ['abc'] (no results)", count, [&] {
    Ask(kGnome, gnome, "GetInitialResultSet",
        {QStringList{QStringLiteral("abc")}});
  });
  Time("GetInitialResultSet, 100,000 characters", std::max(100, count / 10),
       [&] {
         Ask(kGnome, gnome, "GetInitialResultSet", {QStringList{long_query}});
       });

  const uint pid = QDBusConnection::sessionBus()
                       .interface()
                       ->servicePid(QLatin1String(kService))
                       .value();
  const long before = ResidentKib(pid);
  for (int i = 0; i < 100'000; ++i) {
    Ask(kKRunner, "org.kde.krunner1", "Match",
        {QStringLiteral("%1.%2 GB in KiB").arg(i).arg(i % 977)});
  }
  std::printf(
      "provider resident memory: %ld KiB before, %ld KiB after "
      "100,000 more queries\n",
      before, ResidentKib(pid));
  return 0;
}
