// The main window in a process of its own that gives Print Form at once and
// prints as the program does, for tests that end the window mid-print. It is
// built beside the window's program, so that it finds the print helper where
// the program does.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "ui/main/frm_main.h"

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  frmMain window;
  window.show();
  QTimer::singleShot(0, &window, [&window] {
    window.findChild<QPushButton*>("cmdPrintForm")->click();
  });
  return QApplication::exec();
}
