#include "cups_sandbox.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTest>
#include <csignal>

namespace mensurex::testing {
namespace {

// The scheduler takes its own paths from here; everything stays inside the
// sandbox except the system's filters and data, which it only reads.
constexpr char kCupsFilesConf[] = R"conf(ServerRoot @DIR@/conf
RequestRoot @DIR@/spool
CacheDir @DIR@/cache
StateDir @DIR@/state
TempDir @DIR@/tmp
ErrorLog @DIR@/log/error_log
AccessLog @DIR@/log/access_log
PageLog @DIR@/log/page_log
Printcap @DIR@/printcap
FileDevice Yes
SystemGroup lpadmin
)conf";

// Anyone on the socket may do anything: the socket lives in a directory of
// the test's own.
constexpr char kCupsdConf[] = R"conf(Listen @DIR@/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
)conf";

// A PDF printer whose only filter passes the PDF on unchanged in content, so
// the file device receives a PDF again. Like most printers' PPDs it offers
// Letter and A4, with margins, and names its page size only as the PPD's
// default, @SIZE@: "A4" or "Letter".
constexpr char kPdfPpd[] = R"conf(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFFILE.PPD"
*Manufacturer: "Test"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 pdftopdf"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: @SIZE@
*PageSize Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: @SIZE@
*PageRegion Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: @SIZE@
*ImageableArea Letter/Letter: "18 36 594 756"
*ImageableArea A4/A4: "18 36 577 806"
*DefaultPaperDimension: @SIZE@
*PaperDimension Letter/Letter: "612 792"
*PaperDimension A4/A4: "595 842"
)conf";

QString FindTool(const QString& name) {
  QString found = QStandardPaths::findExecutable(name);
  if (!found.isEmpty()) return found;
  return QStandardPaths::findExecutable(name, {"/usr/sbin", "/sbin"});
}

bool WriteText(const QString& path, QByteArray text, const QString& dir) {
  text.replace("@DIR@", dir.toUtf8());
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

}  // namespace

CupsSandbox::CupsSandbox() : dir_("/tmp/mxcups-XXXXXX") {
  if (!dir_.isValid()) return;
  // Filters run as the scheduler's unprivileged user and must reach the
  // spool below this directory.
  QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                         QFile::ExeOwner | QFile::ReadGroup |
                                         QFile::ExeGroup | QFile::ReadOther |
                                         QFile::ExeOther);
  if (!WriteConfiguration()) dir_.remove();

  // The clients in this process, and the tools it runs, see only the sandbox:
  // no user or system default destination can leak in.
  qputenv("CUPS_SERVER", SocketPath().toUtf8());
  qputenv("CUPS_SERVERROOT", Path("client").toUtf8());
  qputenv("HOME", Path("home").toUtf8());
  qunsetenv("LPDEST");
  qunsetenv("PRINTER");
  qunsetenv("CUPS_ENCRYPTION");

  cupsd_.setProgram(FindTool("cupsd"));
  cupsd_.setArguments(
      {"-f", "-c", Path("cupsd.conf"), "-s", Path("cups-files.conf")});
  cupsd_.setStandardOutputFile(Path("log/cupsd.out"));
  cupsd_.setStandardErrorFile(Path("log/cupsd.out"), QIODevice::Append);
  cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

CupsSandbox::~CupsSandbox() { Stop(); }

bool CupsSandbox::WriteConfiguration() {
  const QDir dir(dir_.path());
  for (const char* sub :
       {"conf", "spool", "cache", "state", "tmp", "log", "home", "client"}) {
    if (!dir.mkpath(sub)) return false;
  }
  QByteArray a4(kPdfPpd), letter(kPdfPpd);
  a4.replace("@SIZE@", "A4");
  letter.replace("@SIZE@", "Letter");
  return WriteText(Path("cups-files.conf"), kCupsFilesConf, dir_.path()) &&
         WriteText(Path("cupsd.conf"), kCupsdConf, dir_.path()) &&
         WriteText(Path("a4.ppd"), a4, dir_.path()) &&
         WriteText(Path("letter.ppd"), letter, dir_.path());
}

bool CupsSandbox::IsRunning() const {
  return cupsd_.state() != QProcess::NotRunning;
}

bool CupsSandbox::Start() {
  if (!IsValid() || cupsd_.program().isEmpty()) return false;
  if (!IsRunning()) {
    cupsd_.start();
    if (!cupsd_.waitForStarted(10000)) return false;
  }
  const QDeadlineTimer deadline(15000);
  while (!deadline.hasExpired()) {
    if (!IsRunning()) return false;
    if (Answers()) return true;
    QTest::qWait(50);
  }
  return false;
}

void CupsSandbox::Stop() {
  if (!IsRunning()) return;
  cupsd_.terminate();
  if (!cupsd_.waitForFinished(10000)) {
    cupsd_.kill();
    cupsd_.waitForFinished(5000);
  }
}

bool CupsSandbox::Answers() const {
  QByteArray answer;
  return RunTool("lpstat", {"-r"}, &answer) &&
         answer.startsWith("scheduler is running");
}

bool CupsSandbox::RunTool(const QString& program, const QStringList& arguments,
                          QByteArray* output) const {
  QProcess tool;
  // In English, for the answers that are read.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LC_ALL", "C");
  tool.setProcessEnvironment(environment);
  tool.setProcessChannelMode(output != nullptr ? QProcess::SeparateChannels
                                               : QProcess::MergedChannels);
  const QString path = program.startsWith('/') ? program : FindTool(program);
  tool.start(path, QStringList{"-h", SocketPath()} + arguments);
  const bool ok = tool.waitForFinished(30000) &&
                  tool.exitStatus() == QProcess::NormalExit &&
                  tool.exitCode() == 0;
  if (output != nullptr) {
    *output = tool.readAllStandardOutput();
  } else if (!ok) {
    qWarning("%s failed: %s", qPrintable(program), tool.readAll().constData());
  }
  return ok;
}

bool CupsSandbox::AddPdfQueue(QueuePaper paper) {
  QFile::remove(OutputPath());
  const QString ppd = Path(paper == QueuePaper::kA4 ? "a4.ppd" : "letter.ppd");
  return RunTool("lpadmin", {"-p", kQueue, "-E", "-v", "file://" + OutputPath(),
                             "-P", ppd}) &&
         RunTool("lpadmin", {"-d", kQueue});
}

bool CupsSandbox::DeleteQueue() { return RunTool("lpadmin", {"-x", kQueue}); }

bool CupsSandbox::SetAccepting(bool accepting) {
  return RunTool(accepting ? "cupsaccept" : "cupsreject", {kQueue});
}

int CupsSandbox::CountJobs(const char* which) const {
  QByteArray listing;
  if (!RunTool("lpstat", {"-W", which, "-o"}, &listing)) return -1;
  return int(listing.count('\n'));  // a line a job
}

int CupsSandbox::JobCount() const { return CountJobs("all"); }

int CupsSandbox::ActiveJobCount() const { return CountJobs("not-completed"); }

int CupsSandbox::CreateEmptyJob(const QString& title) const {
  QByteArray job;
  return RunTool(PRINT_TEST_EMPTY_JOB, {kQueue, title}, &job) ? job.toInt() : 0;
}

bool CupsSandbox::CancelJob(int job_id) const {
  return RunTool("cancel", {QString("%1-%2").arg(kQueue).arg(job_id)});
}

bool CupsSandbox::WaitForIdle(int timeout_ms) const {
  const QDeadlineTimer deadline(timeout_ms);
  while (!deadline.hasExpired()) {
    if (ActiveJobCount() == 0) return true;
    QTest::qWait(100);
  }
  return false;
}

QByteArray CupsSandbox::ErrorLog() const {
  QFile log(Path("log/error_log"));
  return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

}  // namespace mensurex::testing
