#include "start_application.h"

#include <QMessageLogContext>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "ui/shared/application_identity.h"

namespace mensurex::app {
namespace {

// A message of Qt's, kept with what its context names. The names point at
// static strings, so they outlive the message.
struct HeldMessage {
  QtMsgType type;
  const char* file;
  int line;
  const char* function;
  const char* category;
  QString text;
};

std::mutex held_mutex;
std::vector<HeldMessage> held;  // guarded by held_mutex

// The only fatal message while the application object is made is Qt's "no
// platform plugin could be initialized"; the plugin's own warning before it
// names the cause (e.g. "could not connect to display :1").
[[noreturn]] void ReportNoDisplay(const QString& fatal_text) {
  QString reason;
  {
    const std::lock_guard lock(held_mutex);
    reason = held.empty() ? fatal_text : held.front().text;
  }
  reason = reason.section(QLatin1Char('\n'), 0, 0).trimmed();
  std::fprintf(stderr, "%s: cannot open a display: %s\n",
               mensurex::identity::kWindowProgram,
               reason.toLocal8Bit().constData());
  std::fflush(stderr);
  // Nothing of the half-made application may run its destructors.
  std::_Exit(EXIT_FAILURE);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context,
                 const QString& text) {
  if (type == QtFatalMsg) ReportNoDisplay(text);
  const std::lock_guard lock(held_mutex);
  held.push_back({type, context.file, context.line, context.function,
                  context.category, text});
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
  const QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);

  std::vector<HeldMessage> messages;
  {
    const std::lock_guard lock(held_mutex);
    messages.swap(held);
  }
  for (const HeldMessage& message : messages) {
    const QMessageLogContext context(message.file, message.line,
                                     message.function, message.category);
    qt_message_output(message.type, context, message.text);
  }
  return application;
}

}  // namespace mensurex::app
